// The in-memory binary filer: objects file their state into a byte buffer
// (undo snapshots, copies, deep clones) and read it back. Object ids are kept
// as the database's own stub pointers, so a snapshot is only ever read back
// into the database that wrote it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db_filer.h"

class AcDbIdMapping;

namespace zek {

class MemoryDwgFiler : public AcDbDwgFiler {
public:
  MemoryDwgFiler(AcDb::FilerType type, AcDbDatabase* db) : type_(type), db_(db) {}

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return type_; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return db_; }

  Acad::ErrorStatus readBool(bool* value) override;
  Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
  Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
  Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
  Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
  Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
  Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
  Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
  Acad::ErrorStatus readDouble(double* value) override;
  Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override;
  Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
  Acad::ErrorStatus readVector2d(AcGeVector2d* value) override;
  Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
  Acad::ErrorStatus readString(char** value) override;
  Acad::ErrorStatus readString(std::string& value) override;
  Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr length) override;
  Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
  Acad::ErrorStatus readHardOwnershipId(AcDbObjectId* id) override { return readId(id); }
  Acad::ErrorStatus readSoftOwnershipId(AcDbObjectId* id) override { return readId(id); }
  Acad::ErrorStatus readHardPointerId(AcDbObjectId* id) override { return readId(id); }
  Acad::ErrorStatus readSoftPointerId(AcDbObjectId* id) override { return readId(id); }

  Acad::ErrorStatus writeBool(bool value) override;
  Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
  Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
  Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
  Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
  Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
  Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
  Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
  Acad::ErrorStatus writeDouble(double value) override;
  Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override;
  Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
  Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override;
  Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
  Acad::ErrorStatus writeString(const char* value) override;
  Acad::ErrorStatus writeString(const std::string& value) override;
  Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr length) override;
  Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
  Acad::ErrorStatus writeHardOwnershipId(const AcDbObjectId& id) override { return writeId(id); }
  Acad::ErrorStatus writeSoftOwnershipId(const AcDbObjectId& id) override { return writeId(id); }
  Acad::ErrorStatus writeHardPointerId(const AcDbObjectId& id) override { return writeId(id); }
  Acad::ErrorStatus writeSoftPointerId(const AcDbObjectId& id) override { return writeId(id); }

  // While reading, ids found in the map read as their mapped ids (the
  // reference translation of deep cloning).
  void setIdTranslation(const AcDbIdMapping* map) { translation_ = map; }
  // Starts reading from the beginning of what was written.
  void rewind() { position_ = 0; status_ = Acad::eOk; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::size_t position() const { return position_; }
  bool atEnd() const { return position_ >= bytes_.size(); }

private:
  Acad::ErrorStatus put(const void* data, std::size_t size);
  Acad::ErrorStatus take(void* data, std::size_t size);
  Acad::ErrorStatus readId(AcDbObjectId* id);
  Acad::ErrorStatus writeId(const AcDbObjectId& id);

  AcDb::FilerType type_;
  AcDbDatabase* db_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
  const AcDbIdMapping* translation_ = nullptr;
};

}  // namespace zek
