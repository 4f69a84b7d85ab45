// System variables kept in the drawing's header: colours by name or number,
// line weights, and the records name-valued variables name.
#include "editor/vars/sysvar_header.h"

#include <cctype>

#include "db/database_core.h"
#include "db/header_variables.h"
#include "db_database.h"

namespace zek {
namespace {

std::string upperCase(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

struct ColorName {
  const char* name;
  int index;
};
constexpr ColorName kColorNames[] = {{"BYBLOCK", 0}, {"RED", 1},  {"YELLOW", 2},
                                     {"GREEN", 3},   {"CYAN", 4}, {"BLUE", 5},
                                     {"MAGENTA", 6}, {"WHITE", 7}, {"BYLAYER", 256}};

std::string colorText(long long index) {
  if (index == 256)
    return "BYLAYER";
  if (index == 0)
    return "BYBLOCK";
  return std::to_string(index);
}

// The ACI number of a CECOLOR text, or -1.
int colorIndexOf(const std::string& text) {
  const std::string upper = upperCase(text);
  for (const ColorName& c : kColorNames)
    if (upper == c.name)
      return c.index;
  if (upper.empty() || upper.size() > 3)
    return -1;
  for (char c : upper)
    if (!std::isdigit(static_cast<unsigned char>(c)))
      return -1;
  int index = std::stoi(upper);
  return index >= 1 && index <= 255 ? index : -1;
}

}  // namespace

bool isLineWeight(int weight) {
  constexpr int kWeights[] = {-3, -2, -1, 0,  5,  9,  13,  15,  18,  20,  25,  30,  35, 40,
                              50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  for (int w : kWeights)
    if (w == weight)
      return true;
  return false;
}

SysvarValue readHeaderVariable(const SysvarInfo& info, AcDbDatabase& db) {
  SysvarValue value = defaultValueOf(info);
  const HeaderVariables& header = db.header();
  const std::string key = std::string("$") + info.name;
  switch (info.check) {
    case SysvarCheck::Layer:
      value.text = recordNameOf(db.clayer());
      return value;
    case SysvarCheck::Linetype:
      value.text = recordNameOf(db.celtype());
      return value;
    case SysvarCheck::TextStyle:
      value.text = recordNameOf(db.textstyle());
      return value;
    case SysvarCheck::Color:
      value.text = colorText(header.integer(key).value_or(256));
      return value;
    default:
      break;
  }
  switch (info.type) {
    case SysvarType::Short:
      if (auto v = header.integer(key))
        value.integer = static_cast<short>(*v);
      break;
    case SysvarType::Real:
      if (auto v = header.real(key))
        value.real = *v;
      break;
    case SysvarType::Point2d:
    case SysvarType::Point3d:
      if (auto v = header.point(key))
        value.point = *v;
      if (info.type == SysvarType::Point2d)
        value.point.z = 0.0;
      break;
    case SysvarType::Text:
      if (auto v = header.text(key))
        value.text = *v;
      break;
  }
  return value;
}

namespace {

// The record of a name (any case) in a table, or the null id.
AcDbObjectId recordIn(AcDbObjectId tableId, const std::string& name) {
  AcDbObjectId id;
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  if (table == nullptr || table->getAt(name.c_str(), id) != Acad::eOk)
    return AcDbObjectId();
  return id;
}

// Writes a variable whose text names a record or a colour; the database
// files the record's own name.
SysvarRefusal writeNamedValue(const SysvarInfo& info, AcDbDatabase& db, const std::string& text) {
  switch (info.check) {
    case SysvarCheck::Layer: {
      AcDbObjectId id = recordIn(db.layerTableId(), text);
      if (id.isNull())
        return SysvarRefusal::NoSuchLayer;
      auto* layer = peekObject<AcDbLayerTableRecord>(id);
      if (layer == nullptr || layer->isFrozen())
        return SysvarRefusal::FrozenLayer;
      return db.setClayer(id) == Acad::eOk ? SysvarRefusal::None : SysvarRefusal::NoSuchLayer;
    }
    case SysvarCheck::Linetype: {
      AcDbObjectId id = recordIn(db.linetypeTableId(), text);
      if (id.isNull() || db.setCeltype(id) != Acad::eOk)
        return SysvarRefusal::NoSuchLinetype;
      return SysvarRefusal::None;
    }
    case SysvarCheck::TextStyle: {
      AcDbObjectId id = recordIn(db.textStyleTableId(), text);
      if (id.isNull() || db.setTextstyle(id) != Acad::eOk)
        return SysvarRefusal::NoSuchTextStyle;
      return SysvarRefusal::None;
    }
    default: {
      int index = colorIndexOf(text);
      if (index < 0)
        return SysvarRefusal::BadColor;
      db.header().setInteger(std::string("$") + info.name, info.headerCode, index);
      return SysvarRefusal::None;
    }
  }
}

}  // namespace

SysvarRefusal writeHeaderVariable(const SysvarInfo& info, AcDbDatabase& db, const SysvarValue& value) {
  if (info.check == SysvarCheck::Layer || info.check == SysvarCheck::Linetype ||
      info.check == SysvarCheck::TextStyle || info.check == SysvarCheck::Color)
    return writeNamedValue(info, db, value.text);
  HeaderVariables& header = db.header();
  const std::string key = std::string("$") + info.name;
  switch (info.type) {
    case SysvarType::Short:
      header.setInteger(key, info.headerCode, value.integer);
      break;
    case SysvarType::Real:
      header.setReal(key, info.headerCode, value.real);
      break;
    case SysvarType::Point2d:
      header.setPoint(key, value.point, false);
      break;
    case SysvarType::Point3d:
      header.setPoint(key, value.point, true);
      break;
    case SysvarType::Text:
      header.setText(key, info.headerCode, value.text);
      break;
  }
  return SysvarRefusal::None;
}

}  // namespace zek
