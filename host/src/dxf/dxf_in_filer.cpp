// The reading DXF filer: groups to result buffers, sections by subclass
// marker, and the bookkeeping of groups no class took.
#include "dxf/dxf_in_filer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "db/database_core.h"
#include "dxf/number_text.h"

namespace zek::dxf {

const char* const DxfInFiler::kEntityMarker = "AcDbEntity";

void ReadContext::warn(long line, std::string message) {
  if (warnings == nullptr)
    return;
  std::string kind = message.substr(0, message.find_first_of(":\"0123456789"));
  auto [at, isNew] = alikeIndex_.try_emplace(kind, alike_.size());
  if (isNew)
    alike_.emplace_back(std::move(kind), Alike{});
  Alike* same = &alike_[at->second].second;
  if (++same->count > kMostAlike) {
    if (same->firstUnsaid == 0)
      same->firstUnsaid = line;
    return;
  }
  warnings->push_back(Failure{fileName, line, std::move(message)});
}

void ReadContext::finishWarnings() {
  for (const auto& [kind, alike] : alike_)
    if (alike.count > kMostAlike)
      warnings->push_back(Failure{fileName, alike.firstUnsaid,
                                  std::to_string(alike.count - kMostAlike) + " more like \"" +
                                      kind + "\" from here on, not shown one by one"});
  alike_.clear();
  alikeIndex_.clear();
}

namespace {
// Groups of the AcDbEntity section that some writers put before its marker.
bool isEntityGroup(int code) {
  switch (code) {
    case 8: case 6: case 62: case 67: case 370: case 420: case 48: case 60:
    case 347: case 390: case 440: case 284:
      return true;
    default:
      return false;
  }
}
}  // namespace

void DxfInFiler::start(const RawTag* tags, std::size_t count, bool isEntity, bool tolerant) {
  tolerant_ = tolerant;
  slots_.clear();
  slots_.reserve(count + 1);
  flat_ = true;
  std::size_t entityMarker = count;
  for (std::size_t i = 0; i < count; ++i) {
    if (tags[i].code == 100) {
      flat_ = false;
      if (entityMarker == count && tags[i].value == kEntityMarker)
        entityMarker = i;
    }
  }
  if (flat_ || !isEntity) {
    for (std::size_t i = 0; i < count; ++i)
      slots_.push_back({tags[i], false});
  } else {
    // Head groups (handle, 102 groups, owner) first; entity groups found
    // before the AcDbEntity marker move behind it; a missing marker is put in.
    std::size_t firstMarker = 0;
    while (firstMarker < count && tags[firstMarker].code != 100)
      ++firstMarker;
    std::vector<Slot> moved;
    for (std::size_t i = 0; i < firstMarker; ++i) {
      if (isEntityGroup(tags[i].code))
        moved.push_back({tags[i], false});
      else
        slots_.push_back({tags[i], false});
    }
    std::size_t rest = firstMarker;
    if (entityMarker == count) {
      long line = firstMarker < count ? tags[firstMarker].line : 0;
      slots_.push_back({RawTag{100, kEntityMarker, line}, false});
    } else {
      for (std::size_t i = firstMarker; i <= entityMarker; ++i)
        slots_.push_back({tags[i], false});
      rest = entityMarker + 1;
    }
    slots_.insert(slots_.end(), moved.begin(), moved.end());
    for (std::size_t i = rest; i < count; ++i)
      slots_.push_back({tags[i], false});
  }
  cursor_ = 0;
  hasLast_ = false;
  status_ = Acad::eOk;
  errorMessage_.clear();
  errorLine_ = 0;
}

std::size_t DxfInFiler::nextOpen(std::size_t from) const {
  while (from < slots_.size() && slots_[from].consumed)
    ++from;
  return from;
}

bool DxfInFiler::parseReal(const RawTag& tag, double& value) {
  NumberParse parsed = parseDouble(tag.value, value);
  if (parsed == NumberParse::DecimalComma) {
    if (!context_.warnedDecimalComma) {
      context_.warnedDecimalComma = true;
      context_.warn(tag.line, "a number written with a decimal comma (\"" + std::string(tag.value) +
                                  "\"), read with a decimal point; the file may hold more");
    }
    return true;
  }
  if (parsed == NumberParse::Bad) {
    value = 0.0;
    badValue(tag, "expected a number");
    return false;
  }
  return true;
}

void DxfInFiler::badValue(const RawTag& tag, const char* expected) {
  valueFailed_ = true;
  if (tolerant_)
    return;  // the group stays as read
  const bool first = errorMessage_.empty();
  setError(Acad::eInvalidDxfCode, "%s for group code %d, found \"%.*s\"", expected, tag.code,
           static_cast<int>(tag.value.size()), tag.value.data());
  if (first)
    errorLine_ = tag.line;
}

void DxfInFiler::warnMissingY(const RawTag& tag) {
  if (context_.warnedMissingY)
    return;
  context_.warnedMissingY = true;
  context_.warn(tag.line, "point group code " + std::to_string(tag.code) +
                              " without its y (group code " + std::to_string(tag.code + 10) +
                              "), read as 0; the file may hold more");
}

Acad::ErrorStatus DxfInFiler::convert(std::size_t index, resbuf* item) {
  const RawTag& tag = slots_[index].tag;
  item->rbnext = nullptr;
  item->restype = static_cast<short>(tag.code);
  lastBegin_ = index;
  lastEnd_ = index + 1;
  short type = resbufTypeOfGroupCode(tag.code);
  switch (type) {
    case RT3DPOINT: {
      double* p = item->resval.rpoint;
      p[0] = p[1] = p[2] = 0.0;
      parseReal(tag, p[0]);
      std::size_t next = index + 1;
      auto follows = [&](int code) {
        return next < slots_.size() && !slots_[next].consumed && slots_[next].tag.code == code;
      };
      if (follows(tag.code + 10)) {
        parseReal(slots_[next].tag, p[1]);
        lastEnd_ = ++next;
      } else {
        // A point without its y: read as 0, and its z (if it follows) is still its z.
        warnMissingY(tag);
      }
      if (follows(tag.code + 20)) {
        parseReal(slots_[next].tag, p[2]);
        lastEnd_ = next + 1;
      }
      break;
    }
    case RTREAL:
      parseReal(tag, item->resval.rreal);
      break;
    case RTSHORT: {
      long long v = 0;
      if (!parseInteger(tag.value, v)) {
        badValue(tag, "expected an integer");
      } else if (v < -32768 || v > 65535) {
        // 16 bits, signed or (as some writers file flags) unsigned.
        badValue(tag, "expected an integer from -32768 to 65535");
      }
      item->resval.rint = static_cast<short>(v);
      break;
    }
    case RTLONG:
    case RTINT64: {
      long long v = 0;
      if (!parseInteger(tag.value, v)) {
        badValue(tag, "expected an integer");
      } else if (type == RTLONG && (v < -2147483648LL || v > 4294967295LL)) {
        badValue(tag, "expected an integer from -2147483648 to 4294967295");
      }
      if (type == RTLONG)
        item->resval.rlong = static_cast<ads_int32>(v);
      else
        item->resval.mnInt64 = v;
      break;
    }
    case RTENAME: {
      std::uint64_t handle = 0;
      zek::ObjectStub* stub = nullptr;
      if (parseHandle(tag.value, handle) && handle != 0 && context_.db != nullptr)
        stub = context_.db->core().stubForHandle(handle, true);
      item->resval.rlname[0] = reinterpret_cast<std::int64_t>(stub);
      item->resval.rlname[1] = 0;
      break;
    }
    case RTRESBUF: {
      binary_.clear();
      auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10
               : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0;
      };
      for (std::size_t k = 0; k + 1 < tag.value.size(); k += 2)
        binary_.push_back(static_cast<char>(hex(tag.value[k]) * 16 + hex(tag.value[k + 1])));
      item->resval.rbinary.clen = static_cast<short>(binary_.size());
      item->resval.rbinary.buf = binary_.data();
      break;
    }
    default: {
      std::string_view decoded =
          context_.decoder ? context_.decoder->decode(tag.value, scratch_) : tag.value;
      text_.assign(decoded.data(), decoded.size());
      item->resval.rstring = text_.data();
      break;
    }
  }
  for (std::size_t k = lastBegin_; k < lastEnd_; ++k)
    slots_[k].consumed = true;
  cursor_ = lastEnd_;
  hasLast_ = true;
  return status_;
}

Acad::ErrorStatus DxfInFiler::readItem(resbuf* item) {
  for (;;) {
    std::size_t index = nextOpen(cursor_);
    if (index >= slots_.size())
      return Acad::eEndOfFile;
    if (!flat_ && slots_[index].tag.code == 100)
      return Acad::eEndOfFile;  // the next subclass section begins
    valueFailed_ = false;
    Acad::ErrorStatus es = convert(index, item);
    if (tolerant_ && valueFailed_) {
      // Kept as read: a value that does not convert is handed to no class.
      for (std::size_t k = lastBegin_; k < lastEnd_; ++k)
        slots_[k].consumed = false;
      cursor_ = lastEnd_;
      hasLast_ = false;
      continue;
    }
    return es;
  }
}

void DxfInFiler::pushBackItem() {
  if (!hasLast_)
    return;
  for (std::size_t k = lastBegin_; k < lastEnd_; ++k)
    slots_[k].consumed = false;
  cursor_ = lastBegin_;
  hasLast_ = false;
}

void DxfInFiler::keepUnknownItem() {
  if (!hasLast_)
    return;
  for (std::size_t k = lastBegin_; k < lastEnd_; ++k)
    slots_[k].consumed = false;
  hasLast_ = false;
}

bool DxfInFiler::atEOF() { return nextOpen(cursor_) >= slots_.size(); }

bool DxfInFiler::atSubclassData(const char* subClassName) {
  hasLast_ = false;
  if (flat_) {
    cursor_ = 0;
    return true;
  }
  auto matches = [&](std::size_t i) {
    const RawTag& t = slots_[i].tag;
    return !slots_[i].consumed && t.code == 100 && t.value == subClassName;
  };
  for (std::size_t pass = 0; pass < 2; ++pass) {
    for (std::size_t i = pass == 0 ? cursor_ : 0; i < slots_.size(); ++i) {
      if (matches(i)) {
        slots_[i].consumed = true;
        cursor_ = i + 1;
        return true;
      }
    }
  }
  return false;
}

std::string DxfInFiler::lastItemText() const {
  const RawTag& tag = slots_[lastBegin_].tag;
  if (resbufTypeOfGroupCode(tag.code) == RTSTR)
    return text_;
  return std::string(tag.value);
}

Acad::ErrorStatus DxfInFiler::setError(Acad::ErrorStatus status, const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (errorMessage_.empty()) {
    errorMessage_ = buffer;
    std::size_t at = hasLast_ ? lastBegin_ : nextOpen(cursor_);
    errorLine_ = at < slots_.size() ? slots_[at].tag.line : (slots_.empty() ? 0 : slots_.back().tag.line);
  }
  status_ = status;
  return status;
}

std::vector<KeptSection> DxfInFiler::keptSections() const {
  std::vector<KeptSection> sections;
  bool allTaken = true;
  for (const Slot& slot : slots_)
    allTaken = allTaken && slot.consumed;
  if (allTaken)
    return sections;  // the usual case: every group had its class
  std::string marker = flat_ ? "*" : "";
  int occurrence = 0;
  std::vector<std::pair<std::string, int>> seen;
  for (const Slot& slot : slots_) {
    if (!flat_ && slot.consumed && slot.tag.code == 100) {
      marker = std::string(slot.tag.value);
      occurrence = 0;
      for (const auto& [name, count] : seen)
        if (name == marker)
          occurrence = count;
      bool found = false;
      for (auto& [name, count] : seen)
        if (name == marker) {
          ++count;
          found = true;
        }
      if (!found)
        seen.emplace_back(marker, 1);
      continue;
    }
    if (slot.consumed)
      continue;
    if (sections.empty() || sections.back().marker != marker ||
        sections.back().occurrence != occurrence)
      sections.push_back(KeptSection{marker, occurrence, {}});
    std::string text;
    if (resbufTypeOfGroupCode(slot.tag.code) == RTSTR && context_.decoder) {
      std::string room;
      std::string_view decoded = context_.decoder->decode(slot.tag.value, room);
      text.assign(decoded.data(), decoded.size());
    } else {
      text.assign(slot.tag.value.data(), slot.tag.value.size());
    }
    sections.back().groups.push_back(KeptGroup{slot.tag.code, std::move(text)});
  }
  return sections;
}

}  // namespace zek::dxf

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDxfFiler, AcRxObject, "", nullptr)
