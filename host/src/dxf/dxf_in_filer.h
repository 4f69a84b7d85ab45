// The DXF filer objects read themselves through: it hands out the groups of
// one object as result buffers, section by section (subclass markers), and
// remembers which groups no class took, so they are kept with the object.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "db_filer.h"
#include "db_object.h"
#include "dxf/tag_source.h"
#include "dxf/text_codec.h"
#include "zek/result.h"

namespace zek::dxf {

// What the reader shares with the filer: the database being read, the file's
// generation and text decoding, and where warnings go.
struct ReadContext {
  AcDbDatabase* db = nullptr;
  AcDb::AcDbDwgVersion version = AcDb::kDHL_1009;
  const TextDecoder* decoder = nullptr;
  std::string fileName;
  std::vector<Failure>* warnings = nullptr;
  bool warnedDecimalComma = false;
  bool warnedMissingY = false;
  // Adds a warning. A drawing damaged throughout would give one for every
  // entity: past kMostAlike warnings of one kind (the message up to its
  // first ':' or '"'), the others are only counted, and `finishWarnings`
  // says how many there were.
  void warn(long line, std::string message);
  void finishWarnings();
  static constexpr int kMostAlike = 20;

private:
  struct Alike {
    int count = 0;
    long firstUnsaid = 0;
  };
  std::vector<std::pair<std::string, Alike>> alike_;  // in the order the kinds came
  std::unordered_map<std::string, std::size_t> alikeIndex_;
};

class DxfInFiler : public AcDbDxfFiler {
public:
  explicit DxfInFiler(ReadContext& context) : context_(context) {}

  // Starts on the groups of one object (without its 0 group and its XDATA).
  // `isEntity` lets entity groups written before the AcDbEntity marker be
  // read as entity groups. `tolerant` (an object kept as read after its
  // class failed on it) hands out only the values that convert; the others
  // stay with the object as they were read.
  void start(const RawTag* tags, std::size_t count, bool isEntity, bool tolerant = false);
  // The groups no class took, by the section they stood in.
  std::vector<KeptSection> keptSections() const;
  // The first error set while reading (line and message), if any.
  bool hasError() const { return !errorMessage_.empty(); }
  long errorLine() const { return errorLine_; }

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return context_.db; }
  AcDb::AcDbDwgVersion dwgVersion() const override { return context_.version; }

  Acad::ErrorStatus readItem(resbuf* item) override;
  void pushBackItem() override;
  bool atEOF() override;
  bool atSubclassData(const char* subClassName) override;
  void keepUnknownItem() override;
  std::string lastItemText() const override;
  Acad::ErrorStatus setError(Acad::ErrorStatus status, const char* format, ...) override;
  const char* errorMessage() const override { return errorMessage_.c_str(); }

  // Writing is not this filer's job: every write answers eIsReading.
  Acad::ErrorStatus writeItem(const resbuf&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeString(int, const char*) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeBool(int, bool) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt8(int, Adesk::Int8) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt16(int, Adesk::Int16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt32(int, Adesk::Int32) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeInt64(int, Adesk::Int64) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeUInt16(int, Adesk::UInt16) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeUInt32(int, Adesk::UInt32) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeDouble(int, double, int) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeAngle(int, double, int) override { return Acad::eIsReading; }
  Acad::ErrorStatus writePoint2d(int, const AcGePoint2d&, int) override { return Acad::eIsReading; }
  Acad::ErrorStatus writePoint3d(int, const AcGePoint3d&, int) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeVector3d(int, const AcGeVector3d&, int) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeObjectId(int, const AcDbObjectId&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeHandle(int, const AcDbHandle&) override { return Acad::eIsReading; }
  Acad::ErrorStatus writeRawText(int, const std::string&) override { return Acad::eIsReading; }

private:
  struct Slot {
    RawTag tag;
    bool consumed = false;
  };
  std::size_t nextOpen(std::size_t from) const;
  Acad::ErrorStatus convert(std::size_t index, resbuf* item);
  bool parseReal(const RawTag& tag, double& value);
  void warnMissingY(const RawTag& tag);
  void badValue(const RawTag& tag, const char* expected);

  ReadContext& context_;
  std::vector<Slot> slots_;
  bool flat_ = false;
  bool tolerant_ = false;
  bool valueFailed_ = false;  // the item handed out last had a value that does not convert
  std::size_t cursor_ = 0;
  std::size_t lastBegin_ = 0, lastEnd_ = 0;
  bool hasLast_ = false;
  std::string text_;      // the string of the item handed out last
  std::string scratch_;   // decoding room
  std::vector<char> binary_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::string errorMessage_;
  long errorLine_ = 0;
  static const char* const kEntityMarker;
};

}  // namespace zek::dxf
