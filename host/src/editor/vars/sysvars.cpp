// System variables where they live: header, document, session or computed.
#include "editor/vars/sysvars.h"

#include <cctype>
#include <cmath>
#include <map>

#include "db_database.h"
#include "editor/document.h"
#include "editor/vars/sysvar_header.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

// The values of document variables (CMDECHO, EXPERT, HIGHLIGHT, UNDOCTL).
struct DocumentSysvars {
  std::map<std::string, SysvarValue> values;
};

std::map<std::string, SysvarValue>& sessionValues() {
  static std::map<std::string, SysvarValue> values;
  return values;
}

std::string upperCase(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool isDimensionName(const std::string& upper) {
  return upper.size() > 3 && upper.compare(0, 3, "DIM") == 0 && findSysvar(upper) == nullptr;
}

AcDbDatabase* currentDatabase() {
  Document* doc = currentDocument();
  return doc ? doc->database() : nullptr;
}

// ---- One value from a resbuf, checked against the row ---------------------

SysvarRefusal valueFromResbuf(const SysvarInfo& info, const resbuf& rb, SysvarValue& value) {
  value.type = info.type;
  switch (info.type) {
    case SysvarType::Short: {
      long long n = 0;
      if (rb.restype == RTSHORT)
        n = rb.resval.rint;
      else if (rb.restype == RTLONG)
        n = rb.resval.rlong;
      else
        return SysvarRefusal::WrongType;
      if (n < info.low || n > info.high)
        return SysvarRefusal::OutOfRange;
      if (info.check == SysvarCheck::LineWeight && !isLineWeight(static_cast<int>(n)))
        return SysvarRefusal::BadLineWeight;
      value.integer = static_cast<short>(n);
      return SysvarRefusal::None;
    }
    case SysvarType::Real:
      if (rb.restype == RTREAL || rb.restype == RTANG)
        value.real = rb.resval.rreal;
      else if (rb.restype == RTSHORT)
        value.real = rb.resval.rint;
      else if (rb.restype == RTLONG)
        value.real = rb.resval.rlong;
      else
        return SysvarRefusal::WrongType;
      if (!std::isfinite(value.real))
        return SysvarRefusal::OutOfRange;
      if (info.check == SysvarCheck::Positive && !(value.real > 0.0))
        return SysvarRefusal::NotPositive;
      if (value.real < info.low || value.real > info.high)
        return SysvarRefusal::OutOfRange;
      return SysvarRefusal::None;
    case SysvarType::Point2d:
    case SysvarType::Point3d:
      if (rb.restype != RTPOINT && rb.restype != RT3DPOINT)
        return SysvarRefusal::WrongType;
      value.point = AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1],
                                rb.restype == RT3DPOINT && info.type == SysvarType::Point3d
                                    ? rb.resval.rpoint[2]
                                    : 0.0);
      if (!std::isfinite(value.point.x) || !std::isfinite(value.point.y) ||
          !std::isfinite(value.point.z))
        return SysvarRefusal::OutOfRange;
      return SysvarRefusal::None;
    case SysvarType::Text:
      if (rb.restype != RTSTR || rb.resval.rstring == nullptr)
        return SysvarRefusal::WrongType;
      value.text = rb.resval.rstring;
      return SysvarRefusal::None;
  }
  return SysvarRefusal::WrongType;
}

// The value of a table row, or nothing when it needs a document and none is open.
std::optional<SysvarValue> readRow(const SysvarInfo& info) {
  Document* doc = currentDocument();
  switch (info.home) {
    case SysvarHome::Session: {
      auto& values = sessionValues();
      auto it = values.find(info.name);
      return it != values.end() ? it->second : defaultValueOf(info);
    }
    case SysvarHome::Document: {
      if (doc == nullptr)
        return std::nullopt;
      auto& values = doc->state<DocumentSysvars>().values;
      auto it = values.find(info.name);
      return it != values.end() ? it->second : defaultValueOf(info);
    }
    case SysvarHome::Header:
      if (doc == nullptr)
        return std::nullopt;
      return readHeaderVariable(info, *doc->database());
    case SysvarHome::Computed: {
      if (doc == nullptr || info.compute == nullptr)
        return std::nullopt;
      SysvarValue value = defaultValueOf(info);
      if (!info.compute(*doc, value))
        return std::nullopt;
      return value;
    }
  }
  return std::nullopt;
}

SysvarRefusal writeRow(const SysvarInfo& info, const SysvarValue& value) {
  Document* doc = currentDocument();
  switch (info.home) {
    case SysvarHome::Session:
      sessionValues()[info.name] = value;
      return SysvarRefusal::None;
    case SysvarHome::Document:
      if (doc == nullptr)
        return SysvarRefusal::NoDocument;
      doc->state<DocumentSysvars>().values[info.name] = value;
      return SysvarRefusal::None;
    case SysvarHome::Header:
      if (doc == nullptr)
        return SysvarRefusal::NoDocument;
      return writeHeaderVariable(info, *doc->database(), value);
    case SysvarHome::Computed:
      if (doc == nullptr)
        return SysvarRefusal::NoDocument;
      if (info.store == nullptr || !info.store(*doc, value))
        return SysvarRefusal::ReadOnly;
      return SysvarRefusal::None;
  }
  return SysvarRefusal::Unknown;
}

}  // namespace

void toResbuf(const SysvarValue& value, resbuf& rb) {
  switch (value.type) {
    case SysvarType::Short:
      rb.restype = RTSHORT;
      rb.resval.rint = value.integer;
      break;
    case SysvarType::Real:
      rb.restype = RTREAL;
      rb.resval.rreal = value.real;
      break;
    case SysvarType::Point2d:
    case SysvarType::Point3d:
      rb.restype = value.type == SysvarType::Point2d ? RTPOINT : RT3DPOINT;
      rb.resval.rpoint[0] = value.point.x;
      rb.resval.rpoint[1] = value.point.y;
      rb.resval.rpoint[2] = value.type == SysvarType::Point2d ? 0.0 : value.point.z;
      break;
    case SysvarType::Text:
      rb.restype = RTSTR;
      rb.resval.rstring = acutNewString(value.text.c_str());
      break;
  }
}

int getSysvar(std::string_view name, resbuf& value) {
  const std::string upper = upperCase(name);
  if (const SysvarInfo* info = findSysvar(upper)) {
    std::optional<SysvarValue> current = readRow(*info);
    if (!current)
      return RTERROR;
    toResbuf(*current, value);
    return RTNORM;
  }
  AcDbDatabase* db = currentDatabase();
  if (!isDimensionName(upper) || db == nullptr)
    return RTERROR;
  resbuf got{};
  if (getDimSysvar(*db, upper, got) != RTNORM)
    return RTERROR;
  got.rbnext = value.rbnext;
  value = got;
  return RTNORM;
}

SysvarRefusal trySetSysvar(std::string_view name, const resbuf& value, SysvarWriter writer) {
  const std::string upper = upperCase(name);
  if (const SysvarInfo* info = findSysvar(upper)) {
    if (info->readOnly && writer == SysvarWriter::Module)
      return SysvarRefusal::ReadOnly;
    SysvarValue checked;
    if (SysvarRefusal refusal = valueFromResbuf(*info, value, checked); refusal != SysvarRefusal::None)
      return refusal;
    return writeRow(*info, checked);
  }
  AcDbDatabase* db = currentDatabase();
  if (!isDimensionName(upper))
    return SysvarRefusal::Unknown;
  if (db == nullptr)
    return SysvarRefusal::NoDocument;
  resbuf current{};
  if (getDimSysvar(*db, upper, current) != RTNORM)
    return SysvarRefusal::Unknown;
  if (current.restype == RTSTR)
    acutDelString(current.resval.rstring);
  return setDimSysvar(*db, upper, value) == RTNORM ? SysvarRefusal::None : SysvarRefusal::Rejected;
}

int setSysvar(std::string_view name, const resbuf& value, SysvarWriter writer) {
  return trySetSysvar(name, value, writer) == SysvarRefusal::None ? RTNORM : RTERROR;
}

std::optional<SysvarValue> sysvarValue(std::string_view name) {
  const SysvarInfo* info = findSysvar(name);
  return info ? readRow(*info) : std::nullopt;
}

short sysvarShort(std::string_view name, short fallback) {
  resbuf rb{};
  if (getSysvar(name, rb) != RTNORM)
    return fallback;
  if (rb.restype == RTSTR)
    acutDelString(rb.resval.rstring);
  return rb.restype == RTSHORT ? rb.resval.rint : fallback;
}

double sysvarReal(std::string_view name, double fallback) {
  resbuf rb{};
  if (getSysvar(name, rb) != RTNORM)
    return fallback;
  if (rb.restype == RTSTR)
    acutDelString(rb.resval.rstring);
  return rb.restype == RTREAL ? rb.resval.rreal : fallback;
}

bool isSysvar(std::string_view name) {
  const std::string upper = upperCase(name);
  if (findSysvar(upper) != nullptr)
    return true;
  AcDbDatabase* db = currentDatabase();
  if (!isDimensionName(upper) || db == nullptr)
    return false;
  resbuf rb{};
  if (getDimSysvar(*db, upper, rb) != RTNORM)
    return false;
  if (rb.restype == RTSTR)
    acutDelString(rb.resval.rstring);
  return true;
}

void resetSessionSysvars() { sessionValues().clear(); }

std::vector<std::string> cancelRestoredSysvarValues() {
  std::vector<std::string> values;
  for (std::string_view name : kCancelRestoredSysvars) {
    resbuf value{};
    const bool read = getSysvar(name, value) == RTNORM;
    if (read && value.restype == RTSTR)
      acutDelString(value.resval.rstring);
    if (!read || value.restype != RTSHORT)
      values.push_back("?");
    else
      values.push_back(std::to_string(value.resval.rint));
  }
  return values;
}

}  // namespace zek
