// The writing DXF filer.
#include "dxf/dxf_out_filer.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <numbers>
#include <optional>

#include "db/annotations/annotation_filing.h"

namespace zek::dxf {

void DxfOutFiler::start(const AcDbObject& object) {
  const ObjectExtras* extras = object.extras();
  kept_ = extras && !extras->kept.empty() ? &extras->kept : nullptr;
  flushed_.assign(kept_ ? kept_->size() : 0, false);
  marker_.clear();
  occurrence_ = 0;
  markerCounts_.clear();
}

void DxfOutFiler::flushSection(const std::string& marker, int occurrence) {
  if (kept_ == nullptr)
    return;
  for (std::size_t i = 0; i < kept_->size(); ++i) {
    const KeptSection& s = (*kept_)[i];
    if (!flushed_[i] && s.marker == marker && s.occurrence == occurrence) {
      flushed_[i] = true;
      writeKept(s.groups);
    }
  }
}

void DxfOutFiler::finish() {
  flushSection(marker_, occurrence_);
  if (kept_ == nullptr)
    return;
  // Sections whose marker the class never wrote (and drawings without
  // markers): at the end, in the order they were read.
  for (std::size_t i = 0; i < kept_->size(); ++i)
    if (!flushed_[i]) {
      flushed_[i] = true;
      writeKept((*kept_)[i].groups);
    }
  kept_ = nullptr;
}

bool DxfOutFiler::fitsGeneration(int code) const {
  if (!isR12())
    return true;
  // R12 knows no subclass markers, owner and reactor groups, true colours,
  // lineweights or other R13-and-later groups.
  if (code >= 100 && code <= 102) return false;
  if (code >= 300 && code <= 369) return false;
  if (code >= 370 && code <= 481) return false;
  return true;
}

void DxfOutFiler::writeKept(const std::vector<KeptGroup>& groups) {
  for (const KeptGroup& g : groups) {
    if (!fitsGeneration(g.code))
      continue;
    if (resbufTypeOfGroupCode(g.code) == RTSTR)
      sink_.writeString(g.code, g.text);
    else
      sink_.writeRaw(g.code, g.text);
  }
}

Acad::ErrorStatus DxfOutFiler::setError(Acad::ErrorStatus status, const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (errorMessage_.empty())
    errorMessage_ = buffer;
  status_ = status;
  return status;
}

Acad::ErrorStatus DxfOutFiler::writeString(int code, const char* value) {
  if (code == AcDb::kDxfSubclass) {
    flushSection(marker_, occurrence_);
    marker_ = value ? value : "";
    occurrence_ = 0;
    bool found = false;
    for (auto& [name, count] : markerCounts_)
      if (name == marker_) {
        occurrence_ = count++;
        found = true;
      }
    if (!found)
      markerCounts_.emplace_back(marker_, 1);
    if (isR12())
      return status_;
  }
  if (!fitsGeneration(code))
    return status_;
  sink_.writeString(code, value ? value : "");
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeItem(const resbuf& item) {
  int code = item.restype;
  switch (resbufTypeOfGroupCode(code)) {
    case RTSTR: return writeString(code, item.resval.rstring);
    case RT3DPOINT:
      return writePoint3d(code, AcGePoint3d(item.resval.rpoint[0], item.resval.rpoint[1], item.resval.rpoint[2]),
                          kDfltPrec);
    case RTREAL: return writeDouble(code, item.resval.rreal, kDfltPrec);
    case RTSHORT: return writeInt16(code, item.resval.rint);
    case RTLONG: return writeInt32(code, item.resval.rlong);
    case RTINT64: return writeInt64(code, item.resval.mnInt64);
    case RTENAME:
      return writeObjectId(code, AcDbObjectId(reinterpret_cast<ObjectStub*>(item.resval.rlname[0])));
    default: return Acad::eInvalidResBuf;
  }
}

Acad::ErrorStatus DxfOutFiler::writeBool(int code, bool value) { return writeInt16(code, value ? 1 : 0); }
Acad::ErrorStatus DxfOutFiler::writeInt8(int code, Adesk::Int8 value) { return writeInt16(code, value); }

Acad::ErrorStatus DxfOutFiler::writeInt16(int code, Adesk::Int16 value) {
  if (fitsGeneration(code))
    sink_.writeInt(code, value);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeInt32(int code, Adesk::Int32 value) {
  if (fitsGeneration(code))
    sink_.writeInt(code, value);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeInt64(int code, Adesk::Int64 value) {
  if (fitsGeneration(code))
    sink_.writeInt(code, value);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeUInt16(int code, Adesk::UInt16 value) {
  if (fitsGeneration(code))
    sink_.writeInt(code, value);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeUInt32(int code, Adesk::UInt32 value) {
  if (fitsGeneration(code))
    sink_.writeInt(code, value);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeDouble(int code, double value, int) {
  if (fitsGeneration(code))
    sink_.writeDouble(code, value);
  return status_;
}

namespace {

// The degrees that the readers' conversion turns into exactly `radians`:
// the plain quotient when it does, else one of its nearest neighbours.
std::optional<double> degreesReadingAs(double radians) {
  const double plain = radians * 180.0 / std::numbers::pi;
  if (radiansFromDegrees(plain) == radians)
    return plain;
  double up = plain;
  double down = plain;
  for (int step = 0; step < 4; ++step) {
    up = std::nextafter(up, HUGE_VAL);
    if (radiansFromDegrees(up) == radians)
      return up;
    down = std::nextafter(down, -HUGE_VAL);
    if (radiansFromDegrees(down) == radians)
      return down;
  }
  return std::nullopt;
}

}  // namespace

// DXF files hold angles in degrees. The degrees written read back as the same
// radians, so a drawing saved, read and saved again is the same file. Radians
// that no degrees reach (an angle computed in a command) are written as the
// degrees of the nearest radians that can be read: they differ in the last
// bit, once.
Acad::ErrorStatus DxfOutFiler::writeAngle(int code, double radians, int precision) {
  if (!std::isfinite(radians))
    return writeDouble(code, radians * 180.0 / std::numbers::pi, precision);
  std::optional<double> degrees = degreesReadingAs(radians);
  if (!degrees)
    degrees = degreesReadingAs(radiansFromDegrees(radians * 180.0 / std::numbers::pi));
  return writeDouble(code, degrees.value_or(radians * 180.0 / std::numbers::pi), precision);
}

Acad::ErrorStatus DxfOutFiler::writePoint2d(int code, const AcGePoint2d& value, int) {
  sink_.writePoint(code, value.x, value.y);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writePoint3d(int code, const AcGePoint3d& value, int) {
  sink_.writePoint(code, value.x, value.y, value.z);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeVector3d(int code, const AcGeVector3d& value, int) {
  sink_.writePoint(code, value.x, value.y, value.z);
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeObjectId(int code, const AcDbObjectId& id) {
  if (fitsGeneration(code))
    sink_.writeHandle(code, id.handle().value());
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeHandle(int code, const AcDbHandle& handle) {
  sink_.writeHandle(code, handle.value());
  return status_;
}

Acad::ErrorStatus DxfOutFiler::writeRawText(int code, const std::string& text) {
  if (fitsGeneration(code))
    sink_.writeRaw(code, text);
  return status_;
}

}  // namespace zek::dxf
