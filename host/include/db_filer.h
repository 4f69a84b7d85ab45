// The filers objects file themselves through: AcDbDwgFiler (binary: undo
// snapshots, copies, deep clones) and AcDbDxfFiler (DXF group codes).
#pragma once

#include <cstdarg>
#include <string>

#include "ads.h"
#include "db_core.h"
#include "ge_geometry.h"
#include "rx_object.h"

class AcDbDwgFiler : public AcRxObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbDwgFiler);

  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual AcDb::FilerType filerType() const = 0;
  virtual void setFilerStatus(Acad::ErrorStatus status) = 0;
  virtual void resetFilerStatus() = 0;
  virtual AcDbDatabase* database() const = 0;
  virtual Acad::ErrorStatus dwgVersion(AcDb::AcDbDwgVersion& version,
                                       AcDb::MaintenanceReleaseVersion& maintenance) const;

  virtual Acad::ErrorStatus readBool(bool* value) = 0;
  virtual Acad::ErrorStatus readInt8(Adesk::Int8* value) = 0;
  virtual Acad::ErrorStatus readInt16(Adesk::Int16* value) = 0;
  virtual Acad::ErrorStatus readInt32(Adesk::Int32* value) = 0;
  virtual Acad::ErrorStatus readInt64(Adesk::Int64* value) = 0;
  virtual Acad::ErrorStatus readUInt8(Adesk::UInt8* value) = 0;
  virtual Acad::ErrorStatus readUInt16(Adesk::UInt16* value) = 0;
  virtual Acad::ErrorStatus readUInt32(Adesk::UInt32* value) = 0;
  virtual Acad::ErrorStatus readDouble(double* value) = 0;
  virtual Acad::ErrorStatus readPoint2d(AcGePoint2d* value) = 0;
  virtual Acad::ErrorStatus readPoint3d(AcGePoint3d* value) = 0;
  virtual Acad::ErrorStatus readVector2d(AcGeVector2d* value) = 0;
  virtual Acad::ErrorStatus readVector3d(AcGeVector3d* value) = 0;
  // A string allocated with acutNewString: the caller frees it with acutDelString.
  virtual Acad::ErrorStatus readString(char** value) = 0;
  virtual Acad::ErrorStatus readString(std::string& value) = 0;
  virtual Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr length) = 0;
  virtual Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) = 0;
  virtual Acad::ErrorStatus readHardOwnershipId(AcDbObjectId* id) = 0;
  virtual Acad::ErrorStatus readSoftOwnershipId(AcDbObjectId* id) = 0;
  virtual Acad::ErrorStatus readHardPointerId(AcDbObjectId* id) = 0;
  virtual Acad::ErrorStatus readSoftPointerId(AcDbObjectId* id) = 0;

  virtual Acad::ErrorStatus writeBool(bool value) = 0;
  virtual Acad::ErrorStatus writeInt8(Adesk::Int8 value) = 0;
  virtual Acad::ErrorStatus writeInt16(Adesk::Int16 value) = 0;
  virtual Acad::ErrorStatus writeInt32(Adesk::Int32 value) = 0;
  virtual Acad::ErrorStatus writeInt64(Adesk::Int64 value) = 0;
  virtual Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) = 0;
  virtual Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) = 0;
  virtual Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) = 0;
  virtual Acad::ErrorStatus writeDouble(double value) = 0;
  virtual Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) = 0;
  virtual Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) = 0;
  virtual Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) = 0;
  virtual Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) = 0;
  virtual Acad::ErrorStatus writeString(const char* value) = 0;
  virtual Acad::ErrorStatus writeString(const std::string& value) = 0;
  virtual Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr length) = 0;
  virtual Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) = 0;
  virtual Acad::ErrorStatus writeHardOwnershipId(const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeSoftOwnershipId(const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeHardPointerId(const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeSoftPointerId(const AcDbObjectId& id) = 0;
};

class AcDbDxfFiler : public AcRxObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbDxfFiler);

  // The default number of decimal places a writer may use ("default precision"):
  // our writer always writes the shortest text that reads back exactly.
  static constexpr int kDfltPrec = -1;

  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual AcDb::FilerType filerType() const = 0;
  virtual void setFilerStatus(Acad::ErrorStatus status) = 0;
  virtual void resetFilerStatus() = 0;
  virtual AcDbDatabase* database() const = 0;
  // The drawing format being read or written.
  virtual AcDb::AcDbDwgVersion dwgVersion() const = 0;

  // Reading. readItem answers eOk with the next group, eEndOfFile at the end of
  // the current subclass section (the next 100 marker) or of the object.
  // Strings in the resbuf stay owned by the filer until the next read. Point
  // groups (10..18, 110..112, 210, 1010..1013) come as one RT3DPOINT-like item
  // holding x, y and z (z 0 when the file gives none).
  virtual Acad::ErrorStatus readItem(resbuf* item) = 0;
  Acad::ErrorStatus readResBuf(resbuf* item) { return readItem(item); }
  // The next readItem answers the last item again.
  virtual void pushBackItem() = 0;
  // True once every item of the object has been read.
  virtual bool atEOF() = 0;
  // Moves to the subclass section named (the items skipped on the way are
  // kept with the object). Answers false when the object has no such section.
  // Drawings without subclass markers (R12) answer true and read in one list.
  virtual bool atSubclassData(const char* subClassName) = 0;
  // The item just read is not this class's: it stays with the object and is
  // written back where it was found (lossless round trip of unknown groups).
  virtual void keepUnknownItem() = 0;
  // The value of the item just read exactly as the file held it (a point:
  // its x text), for groups kept as text.
  virtual std::string lastItemText() const = 0;
  // Records an error with a message (printf format) and answers the status.
  virtual Acad::ErrorStatus setError(Acad::ErrorStatus status, const char* format, ...) = 0;
  virtual const char* errorMessage() const = 0;

  // Writing. Group codes are ints: AcDb::DxfCode values and plain numbers alike.
  virtual Acad::ErrorStatus writeItem(const resbuf& item) = 0;
  Acad::ErrorStatus writeResBuf(const resbuf& item) { return writeItem(item); }
  virtual Acad::ErrorStatus writeString(int code, const char* value) = 0;
  Acad::ErrorStatus writeString(int code, const std::string& value) {
    return writeString(code, value.c_str());
  }
  virtual Acad::ErrorStatus writeBool(int code, bool value) = 0;
  virtual Acad::ErrorStatus writeInt8(int code, Adesk::Int8 value) = 0;
  virtual Acad::ErrorStatus writeInt16(int code, Adesk::Int16 value) = 0;
  virtual Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value) = 0;
  virtual Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value) = 0;
  virtual Acad::ErrorStatus writeUInt16(int code, Adesk::UInt16 value) = 0;
  virtual Acad::ErrorStatus writeUInt32(int code, Adesk::UInt32 value) = 0;
  virtual Acad::ErrorStatus writeDouble(int code, double value,
                                        int precision = kDfltPrec) = 0;
  virtual Acad::ErrorStatus writeAngle(int code, double radians,
                                       int precision = kDfltPrec) = 0;
  virtual Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value,
                                         int precision = kDfltPrec) = 0;
  virtual Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& value,
                                         int precision = kDfltPrec) = 0;
  virtual Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& value,
                                          int precision = kDfltPrec) = 0;
  virtual Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeHandle(int code, const AcDbHandle& handle) = 0;
  // Writes a group exactly as text (numbers kept as the file had them).
  virtual Acad::ErrorStatus writeRawText(int code, const std::string& text) = 0;
};
