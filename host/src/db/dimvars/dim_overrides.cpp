// DSTYLE extended data: finding, reading, writing and removing the pairs of
// a dimension's own variable values, leaving all other data as it is.
#include "db/dimvars/dim_overrides.h"

#include <strings.h>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimvars/dim_style_access.h"
#include "db/kept_groups.h"
#include "db_database.h"

namespace zek {
namespace {

// Where the "ACAD" application and its DSTYLE pairs sit in the XDATA.
struct DstyleSpan {
  std::size_t appBegin = 0, appEnd = 0;  // the 1001 ACAD group .. the next 1001
  std::size_t open = 0, close = 0;       // the 1000 DSTYLE group, the 1002 } group
  bool hasApp = false, hasDstyle = false;
};

bool isBrace(const KeptGroup& g, const char* brace) { return g.code == 1002 && g.text == brace; }

DstyleSpan findDstyle(const std::vector<KeptGroup>& xdata) {
  DstyleSpan span;
  for (std::size_t i = 0; i < xdata.size(); ++i) {
    if (xdata[i].code != 1001 || strcasecmp(xdata[i].text.c_str(), "ACAD") != 0)
      continue;
    span.hasApp = true;
    span.appBegin = i;
    span.appEnd = i + 1;
    while (span.appEnd < xdata.size() && xdata[span.appEnd].code != 1001)
      ++span.appEnd;
    break;
  }
  if (!span.hasApp)
    return span;
  for (std::size_t i = span.appBegin + 1; i + 1 < span.appEnd; ++i) {
    if (xdata[i].code == 1000 && xdata[i].text == "DSTYLE" && isBrace(xdata[i + 1], "{")) {
      std::size_t close = i + 2;
      while (close < span.appEnd && !isBrace(xdata[close], "}"))
        ++close;
      if (close == span.appEnd)
        return span;  // no closing brace: not ours to change
      span.hasDstyle = true;
      span.open = i;
      span.close = close;
      return span;
    }
  }
  return span;
}

// Index of the 1070 group that opens the pair of `code`, or 0.
std::size_t pairAt(const std::vector<KeptGroup>& xdata, const DstyleSpan& span, int code) {
  for (std::size_t i = span.open + 2; i + 1 < span.close; ++i) {
    if (xdata[i].code != 1070)
      continue;
    if (static_cast<int>(parseNumber(xdata[i].text)) == code)
      return i;
    ++i;  // over the value
  }
  return 0;
}

AcDbObjectId idOfHandle(AcDbDatabase* db, const std::string& text) {
  AcDbObjectId id;
  if (db == nullptr || db->getAcDbObjectId(id, false, AcDbHandle(text.c_str())) != Acad::eOk)
    return {};
  return id;
}

}  // namespace

std::vector<DimOverride> parseDimOverrides(const std::vector<KeptGroup>& xdata) {
  std::vector<DimOverride> overrides;
  DstyleSpan span = findDstyle(xdata);
  if (!span.hasDstyle)
    return overrides;
  for (std::size_t i = span.open + 2; i + 1 < span.close; ++i) {
    if (xdata[i].code != 1070)
      continue;  // not a pair's code: left alone
    const KeptGroup& value = xdata[i + 1];
    overrides.push_back({static_cast<int>(parseNumber(xdata[i].text)), value.code, value.text});
    ++i;
  }
  return overrides;
}

void putDimOverride(std::vector<KeptGroup>& xdata, int code, int valueCode,
                    const std::string& text) {
  DstyleSpan span = findDstyle(xdata);
  KeptGroup value{valueCode, text};
  if (span.hasDstyle) {
    if (std::size_t at = pairAt(xdata, span, code)) {
      xdata[at + 1] = std::move(value);
      return;
    }
    xdata.insert(xdata.begin() + static_cast<long>(span.close),
                 {{1070, std::to_string(code)}, std::move(value)});
    return;
  }
  std::vector<KeptGroup> block{{1000, "DSTYLE"}, {1002, "{"}, {1070, std::to_string(code)},
                               std::move(value), {1002, "}"}};
  if (!span.hasApp) {
    xdata.push_back({1001, "ACAD"});
    xdata.insert(xdata.end(), block.begin(), block.end());
    return;
  }
  xdata.insert(xdata.begin() + static_cast<long>(span.appEnd), block.begin(), block.end());
}

bool eraseDimOverride(std::vector<KeptGroup>& xdata, int code) {
  DstyleSpan span = findDstyle(xdata);
  if (!span.hasDstyle)
    return false;
  std::size_t at = pairAt(xdata, span, code);
  if (at == 0)
    return false;
  xdata.erase(xdata.begin() + static_cast<long>(at), xdata.begin() + static_cast<long>(at + 2));
  span = findDstyle(xdata);
  if (span.close == span.open + 2) {
    xdata.erase(xdata.begin() + static_cast<long>(span.open),
                xdata.begin() + static_cast<long>(span.close + 1));
    span = findDstyle(xdata);
    if (span.appEnd == span.appBegin + 1)
      xdata.erase(xdata.begin() + static_cast<long>(span.appBegin));
  }
  return true;
}

DimValue overrideValue(const DimVarEntry& entry, const DimOverride& override, AcDbDatabase* db) {
  DimValue value;
  switch (entry.info.type) {
    case DimVarInfo::Type::Real:
    case DimVarInfo::Type::Int: value.number = parseNumber(override.text); break;
    case DimVarInfo::Type::Text:
    case DimVarInfo::Type::Handle:
      if (override.valueCode == 1005) {
        value.id = idOfHandle(db, override.text);
        value.text = recordName(value.id);
      } else {
        value.text = override.text;
        if (entry.check == DimVarCheck::Block && !value.text.empty())
          value.id = blockByName(db, value.text);
      }
      break;
  }
  return value;
}

DimOverride overrideOf(const DimVarEntry& entry, const DimValue& value, AcDbDatabase* db) {
  switch (entry.info.type) {
    case DimVarInfo::Type::Real: return {entry.info.code, 1040, formatReal(value.number)};
    case DimVarInfo::Type::Int: return {entry.info.code, 1070, numberText(entry, value.number)};
    case DimVarInfo::Type::Text:
      if (!entry.r12Name)
        return {entry.info.code, 1000, value.text};
      break;  // an arrow block: below
    case DimVarInfo::Type::Handle:
      if (entry.check == DimVarCheck::TextStyle) {
        AcDbObjectId style = value.id;
        if (style.isNull() && db != nullptr)
          style = db->core().standardTextStyle;
        return {entry.info.code, 1005, style.handle().ascii()};
      }
      break;
  }
  int handleCode = entry.r12Name ? arrowHandleCode(entry.info.code) : entry.info.code;
  int nameCode = arrowNameCode(handleCode);
  std::string name = value.id.isNull() ? value.text : recordName(value.id);
  if (name == ".")
    name.clear();
  bool r12 = db != nullptr && db->originalFileVersion() <= AcDb::kDHL_1009;
  if (r12 && nameCode != 0)
    return {nameCode, 1000, name};
  if (!value.id.isNull())
    return {handleCode, 1005, value.id.handle().ascii()};
  if (name.empty())
    return {handleCode, 1005, "0"};  // the closed filled arrow
  if (nameCode != 0)
    return {nameCode, 1000, name};  // a block the drawing does not hold yet
  return {};  // DIMLDRBLK has no form by name
}

}  // namespace zek
