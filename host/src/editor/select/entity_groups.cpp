// An entity's DXF groups for selection filters: a filer that collects what
// the entity files, plus the fields every entity has.
#include "editor/select/entity_groups.h"

#include <cstdlib>

#include "db/database_core.h"
#include "db/kept_object.h"
#include "db_block.h"
#include "db_database.h"
#include "db_entity.h"
#include "db_filer.h"

namespace zek {

GroupValue groupValueFromText(int code, const std::string& text) {
  GroupValue value;
  value.code = code;
  value.text = text;
  short kind = resbufTypeOfGroupCode(code);
  if (kind == RTREAL || kind == RTSHORT || kind == RTLONG || kind == RTINT64) {
    const char* begin = text.c_str();
    while (*begin == ' ')
      ++begin;
    char* end = nullptr;
    double number = std::strtod(begin, &end);
    while (end != nullptr && *end == ' ')
      ++end;
    if (end != begin && end != nullptr && *end == '\0') {
      value.number = number;
      value.isNumber = true;
    }
  }
  return value;
}

namespace {

GroupValue textValue(int code, std::string text) {
  GroupValue value;
  value.code = code;
  value.text = std::move(text);
  return value;
}

GroupValue numberValue(int code, double number) {
  GroupValue value;
  value.code = code;
  value.number = number;
  value.isNumber = true;
  return value;
}

GroupValue pointValue(int code, const AcGePoint3d& point) {
  GroupValue value;
  value.code = code;
  value.point = point;
  value.isPoint = true;
  return value;
}

bool isPointCode(int code) { return resbufTypeOfGroupCode(code) == RT3DPOINT; }

// Collects the groups an entity writes through dxfOutFields.
class CollectingFiler : public AcDbDxfFiler {
public:
  CollectingFiler(AcDbDatabase* db, std::vector<GroupValue>& out) : db_(db), out_(out) {}

  Acad::ErrorStatus filerStatus() const override { return Acad::eOk; }
  AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
  void setFilerStatus(Acad::ErrorStatus) override {}
  void resetFilerStatus() override {}
  AcDbDatabase* database() const override { return db_; }
  AcDb::AcDbDwgVersion dwgVersion() const override { return AcDb::kDHL_CURRENT; }

  Acad::ErrorStatus readItem(resbuf*) override { return Acad::eIsWriting; }
  void pushBackItem() override {}
  bool atEOF() override { return true; }
  bool atSubclassData(const char*) override { return false; }
  void keepUnknownItem() override {}
  std::string lastItemText() const override { return {}; }
  Acad::ErrorStatus setError(Acad::ErrorStatus status, const char*, ...) override { return status; }
  const char* errorMessage() const override { return ""; }

  Acad::ErrorStatus writeItem(const resbuf& item) override {
    short kind = item.restype >= 5000 ? item.restype : resbufTypeOfGroupCode(item.restype);
    switch (kind) {
      case RTSTR: return add(textValue(item.restype, item.resval.rstring ? item.resval.rstring : ""));
      case RTREAL: return add(numberValue(item.restype, item.resval.rreal));
      case RTSHORT: return add(numberValue(item.restype, item.resval.rint));
      case RTLONG: return add(numberValue(item.restype, item.resval.rlong));
      case RTINT64: return add(numberValue(item.restype, static_cast<double>(item.resval.mnInt64)));
      case RT3DPOINT:
        return add(pointValue(item.restype, AcGePoint3d(item.resval.rpoint[0], item.resval.rpoint[1],
                                                        item.resval.rpoint[2])));
      default: return Acad::eOk;
    }
  }
  Acad::ErrorStatus writeString(int code, const char* value) override {
    return add(textValue(code, value ? value : ""));
  }
  Acad::ErrorStatus writeBool(int code, bool value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeInt8(int code, Adesk::Int8 value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeInt16(int code, Adesk::Int16 value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value) override {
    return add(numberValue(code, static_cast<double>(value)));
  }
  Acad::ErrorStatus writeUInt16(int code, Adesk::UInt16 value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeUInt32(int code, Adesk::UInt32 value) override { return add(numberValue(code, value)); }
  Acad::ErrorStatus writeDouble(int code, double value, int) override { return add(numberValue(code, value)); }
  // Angles as AutoLISP sees entity data: radians.
  Acad::ErrorStatus writeAngle(int code, double radians, int) override {
    return add(numberValue(code, radians));
  }
  Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& value, int) override {
    return add(pointValue(code, AcGePoint3d(value.x, value.y, 0.0)));
  }
  Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& value, int) override {
    return add(pointValue(code, value));
  }
  Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& value, int) override {
    return add(pointValue(code, AcGePoint3d(value.x, value.y, value.z)));
  }
  Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id) override {
    return add(textValue(code, id.handle().ascii()));
  }
  Acad::ErrorStatus writeHandle(int code, const AcDbHandle& handle) override {
    return add(textValue(code, handle.ascii()));
  }
  Acad::ErrorStatus writeRawText(int code, const std::string& text) override {
    addRaw(code, text);
    return Acad::eOk;
  }

  // A group kept as text: points come as separate x, y and z groups
  // (10, 20, 30) and are put together again.
  void addRaw(int code, const std::string& text) {
    if (isPointCode(code)) {
      GroupValue value = pointValue(code, AcGePoint3d(std::strtod(text.c_str(), nullptr), 0.0, 0.0));
      out_.push_back(value);
      pendingPoint_ = out_.size() - 1;
      pendingCode_ = code;
      return;
    }
    if (pendingPoint_ != kNone && (code == pendingCode_ + 10 || code == pendingCode_ + 20)) {
      double coordinate = std::strtod(text.c_str(), nullptr);
      (code == pendingCode_ + 10 ? out_[pendingPoint_].point.y : out_[pendingPoint_].point.z) = coordinate;
      return;
    }
    pendingPoint_ = kNone;
    out_.push_back(groupValueFromText(code, text));
  }

private:
  Acad::ErrorStatus add(GroupValue value) {
    pendingPoint_ = kNone;
    out_.push_back(std::move(value));
    return Acad::eOk;
  }

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  AcDbDatabase* db_;
  std::vector<GroupValue>& out_;
  std::size_t pendingPoint_ = kNone;
  int pendingCode_ = 0;
};

// The layout an entity belongs to, as group 410 names it.
std::string layoutNameOf(const AcDbEntity& entity) {
  AcDbDatabase* db = entity.database();
  if (db == nullptr || entity.ownerId() == db->modelSpaceId())
    return "Model";
  if (auto* block = peekObject<AcDbBlockTableRecord>(entity.ownerId()))
    if (auto* layout = peekObject<KeptObject>(block->layoutId()))
      if (const ObjectExtras* extras = layout->extras())
        for (const KeptSection& section : extras->kept)
          if (section.marker == "AcDbLayout")
            for (const KeptGroup& group : section.groups)
              if (group.code == 1)
                return group.text;
  return "Layout1";
}

}  // namespace

EntityGroups::EntityGroups(const AcDbEntity& entity) : entity_(entity) {}

void EntityGroups::directOnce() {
  if (directDone_)
    return;
  directDone_ = true;
  direct_.push_back(textValue(0, entity_.dxfTypeName()));
  std::string layer = entity_.layer();
  direct_.push_back(textValue(8, layer.empty() ? "0" : layer));
  std::string linetype = entity_.linetypeId().isNull() ? std::string("BYLAYER") : entity_.linetype();
  direct_.push_back(textValue(6, linetype));
  direct_.push_back(numberValue(62, entity_.colorIndex()));
  AcDbDatabase* db = entity_.database();
  bool paper = entity_.isInPaperSpace() || (db != nullptr && entity_.ownerId() != db->modelSpaceId());
  direct_.push_back(numberValue(67, paper ? 1 : 0));
  direct_.push_back(textValue(410, layoutNameOf(entity_)));
}

// The values of groups files leave out when they hold the default.
static const std::vector<GroupValue>& defaultValues() {
  static const std::vector<GroupValue> defaults = {
      numberValue(39, 0.0), numberValue(48, 1.0), numberValue(60, 0.0), numberValue(370, -1.0),
      pointValue(210, AcGePoint3d(0.0, 0.0, 1.0))};
  return defaults;
}

bool EntityGroups::isDirectCode(int code) {
  return code == 0 || code == 8 || code == 6 || code == 62 || code == 67 || code == 410;
}

void EntityGroups::fileOnce() {
  if (filedDone_)
    return;
  filedDone_ = true;
  AcDbDatabase* db = entity_.database();
  if (db == nullptr)
    return;
  CollectingFiler filer(db, filed_);
  (void)entity_.dxfOutFields(&filer);
  // Groups no class understood are written by the DXF writer after their
  // sections; they are the entity's data all the same.
  if (const ObjectExtras* extras = entity_.extras()) {
    for (const KeptSection& section : extras->kept)
      for (const KeptGroup& group : section.groups)
        filer.addRaw(group.code, group.text);
  }
}

std::vector<const GroupValue*> EntityGroups::valuesOf(int code) {
  std::vector<const GroupValue*> found;
  if (isDirectCode(code)) {
    directOnce();
    for (const GroupValue& value : direct_)
      if (value.code == code)
        found.push_back(&value);
    return found;
  }
  fileOnce();
  for (const GroupValue& value : filed_)
    if (value.code == code)
      found.push_back(&value);
  if (found.empty())
    for (const GroupValue& value : defaultValues())
      if (value.code == code)
        found.push_back(&value);
  return found;
}

std::vector<std::string> EntityGroups::xdataApplications() const {
  std::vector<std::string> names;
  if (const ObjectExtras* extras = entity_.extras())
    for (const KeptGroup& group : extras->xdata)
      if (group.code == 1001)
        names.push_back(group.text);
  return names;
}

}  // namespace zek
