// The writing DXF filer: objects write their groups through it; it drops
// what the generation being written cannot hold (subclass markers for R12)
// and puts the groups an object kept back at the end of their sections.
#pragma once

#include <string>
#include <vector>

#include "db_filer.h"
#include "db_object.h"
#include "dxf/tag_sink.h"

namespace zek::dxf {

class DxfOutFiler : public AcDbDxfFiler {
public:
  DxfOutFiler(TagSink& sink, AcDbDatabase* db, AcDb::AcDbDwgVersion version)
      : sink_(sink), db_(db), version_(version) {}

  // Starts and finishes one object (the finish writes what it kept).
  void start(const AcDbObject& object);
  void finish();
  // Writes kept groups (XDATA, bodies of kept sections) as filed.
  void writeKept(const std::vector<KeptGroup>& groups);

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return db_; }
  AcDb::AcDbDwgVersion dwgVersion() const override { return version_; }

  Acad::ErrorStatus readItem(resbuf*) override { return Acad::eIsWriting; }
  void pushBackItem() override {}
  bool atEOF() override { return true; }
  bool atSubclassData(const char*) override { return false; }
  void keepUnknownItem() override {}
  std::string lastItemText() const override { return {}; }
  Acad::ErrorStatus setError(Acad::ErrorStatus status, const char* format, ...) override;
  const char* errorMessage() const override { return errorMessage_.c_str(); }

  Acad::ErrorStatus writeItem(const resbuf& item) override;
  Acad::ErrorStatus writeString(int code, const char* value) override;
  Acad::ErrorStatus writeBool(int code, bool value) override;
  Acad::ErrorStatus writeInt8(int code, Adesk::Int8 value) override;
  Acad::ErrorStatus writeInt16(int code, Adesk::Int16 value) override;
  Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value) override;
  Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value) override;
  Acad::ErrorStatus writeUInt16(int code, Adesk::UInt16 value) override;
  Acad::ErrorStatus writeUInt32(int code, Adesk::UInt32 value) override;
  Acad::ErrorStatus writeDouble(int code, double value, int precision) override;
  Acad::ErrorStatus writeAngle(int code, double radians, int precision) override;
  Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value, int precision) override;
  Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& value, int precision) override;
  Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& value, int precision) override;
  Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id) override;
  Acad::ErrorStatus writeHandle(int code, const AcDbHandle& handle) override;
  Acad::ErrorStatus writeRawText(int code, const std::string& text) override;

private:
  bool isR12() const { return version_ <= AcDb::kDHL_1009; }

public:
  // Whether the generation being written has a place for the group code.
  bool fitsGeneration(int code) const;

private:
  void flushSection(const std::string& marker, int occurrence);

  TagSink& sink_;
  AcDbDatabase* db_;
  AcDb::AcDbDwgVersion version_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::string errorMessage_;
  const std::vector<KeptSection>* kept_ = nullptr;
  std::vector<bool> flushed_;
  std::string marker_;
  int occurrence_ = 0;
  std::vector<std::pair<std::string, int>> markerCounts_;
};

}  // namespace zek::dxf
