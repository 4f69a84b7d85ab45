// The system-variable table and the variables computed from the document.
#include "editor/vars/sysvar_table.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "db/database_core.h"
#include "db_database.h"
#include "editor/document.h"

namespace zek {
namespace {

using T = SysvarType;
using H = SysvarHome;
using C = SysvarCheck;

constexpr double kNoLimit = 1e308;

// ---- Variables computed from the document ---------------------------------

bool viewCentre(Document& doc, SysvarValue& v) {
  v.point = doc.worldToUcs() * doc.view().centre;
  return true;
}

bool viewSize(Document& doc, SysvarValue& v) {
  v.real = doc.view().height;
  return true;
}

bool screenSize(Document& doc, SysvarValue& v) {
  v.point = AcGePoint3d(doc.view().screenWidth, doc.view().screenHeight, 0.0);
  return true;
}

// LASTPOINT reads and writes user coordinates; the document keeps world ones.
bool lastPoint(Document& doc, SysvarValue& v) {
  v.point = doc.worldToUcs() * doc.lastPoint();
  return true;
}

bool setLastPoint(Document& doc, const SysvarValue& v) {
  doc.setLastPoint(doc.ucsToWorld() * v.point);
  return true;
}

// The UCS origin and axes are given in world coordinates.
bool ucsOrigin(Document& doc, SysvarValue& v) {
  AcGeVector3d x, y, z;
  doc.ucsToWorld().getCoordSystem(v.point, x, y, z);
  return true;
}

bool ucsXDir(Document& doc, SysvarValue& v) {
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  doc.ucsToWorld().getCoordSystem(origin, x, y, z);
  v.point = AcGePoint3d(x.x, x.y, x.z);
  return true;
}

bool ucsYDir(Document& doc, SysvarValue& v) {
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  doc.ucsToWorld().getCoordSystem(origin, x, y, z);
  v.point = AcGePoint3d(y.x, y.y, y.z);
  return true;
}

bool worldUcs(Document& doc, SysvarValue& v) {
  v.integer = doc.ucsToWorld().isEqualTo(AcGeMatrix3d::kIdentity) ? 1 : 0;
  return true;
}

bool drawingName(Document& doc, SysvarValue& v) {
  v.text = doc.docTitle();
  return true;
}

// The drawing's folder with its closing "/"; a new drawing's is the working
// folder, where it would be saved.
bool drawingPrefix(Document& doc, SysvarValue& v) {
  std::error_code error;
  std::filesystem::path folder =
      std::string(doc.fileName()).empty()
          ? std::filesystem::current_path(error)
          : std::filesystem::absolute(doc.fileName(), error).parent_path();
  v.text = folder.string();
  if (v.text.empty() || v.text.back() != '/')
    v.text += '/';
  return true;
}

bool dimensionStyle(Document& doc, SysvarValue& v) {
  v.text = recordNameOf(doc.database()->dimstyle());
  return !v.text.empty();
}

// ---- The table, sorted by name --------------------------------------------

const SysvarInfo kTable[] = {
    {"ANGBASE", T::Real, H::Header, false, "0", -kNoLimit, kNoLimit, C::None, 50, true},
    {"ANGDIR", T::Short, H::Header, false, "0", 0, 1, C::None, 70},
    {"AUNITS", T::Short, H::Header, false, "0", 0, 4, C::None, 70},
    {"AUPREC", T::Short, H::Header, false, "0", 0, 8, C::None, 70},
    {"CECOLOR", T::Text, H::Header, false, "BYLAYER", 0, 0, C::Color, 62},
    {"CELTSCALE", T::Real, H::Header, false, "1", 0, kNoLimit, C::Positive, 40},
    {"CELTYPE", T::Text, H::Header, false, "ByLayer", 0, 0, C::Linetype, 6},
    {"CELWEIGHT", T::Short, H::Header, false, "-1", -3, 211, C::LineWeight, 370},
    {"CLAYER", T::Text, H::Header, false, "0", 0, 0, C::Layer, 8},
    {"CMDDIA", T::Short, H::Session, false, "1", 0, 1},
    {"CMDECHO", T::Short, H::Document, false, "1", 0, 1},
    {"DIMSTYLE", T::Text, H::Computed, true, "Standard", 0, 0, C::None, 0, false, &dimensionStyle},
    {"DWGNAME", T::Text, H::Computed, true, "Drawing1.dxf", 0, 0, C::None, 0, false, &drawingName},
    {"DWGPREFIX", T::Text, H::Computed, true, "", 0, 0, C::None, 0, false, &drawingPrefix},
    {"ELEVATION", T::Real, H::Header, false, "0", -kNoLimit, kNoLimit, C::None, 40},
    {"EXPERT", T::Short, H::Document, false, "0", 0, 5},
    {"EXTMAX", T::Point3d, H::Header, true, "0,0,0", 0, 0, C::None, 10},
    {"EXTMIN", T::Point3d, H::Header, true, "0,0,0", 0, 0, C::None, 10},
    {"FILEDIA", T::Short, H::Session, false, "1", 0, 1},
    {"FILLETRAD", T::Real, H::Header, false, "0", 0, kNoLimit, C::None, 40},
    {"HIGHLIGHT", T::Short, H::Document, false, "1", 0, 1},
    {"INSUNITS", T::Short, H::Header, false, "4", 0, 20, C::None, 70},
    {"LASTPOINT", T::Point3d, H::Computed, false, "0,0,0", 0, 0, C::None, 0, false, &lastPoint,
     &setLastPoint},
    {"LIMMAX", T::Point2d, H::Header, false, "420,297", 0, 0, C::None, 10},
    {"LIMMIN", T::Point2d, H::Header, false, "0,0", 0, 0, C::None, 10},
    {"LTSCALE", T::Real, H::Header, false, "1", 0, kNoLimit, C::Positive, 40},
    {"LUNITS", T::Short, H::Header, false, "2", 1, 5, C::None, 70},
    {"LUPREC", T::Short, H::Header, false, "4", 0, 8, C::None, 70},
    {"MEASUREMENT", T::Short, H::Header, false, "1", 0, 1, C::None, 70},
    {"MIRRTEXT", T::Short, H::Header, false, "0", 0, 1, C::None, 70},
    {"ORTHOMODE", T::Short, H::Header, false, "0", 0, 1, C::None, 70},
    {"OSMODE", T::Short, H::Session, false, "0", 0, 32767},
    {"PDMODE", T::Short, H::Header, false, "0", -32768, 32767, C::None, 70},
    {"PDSIZE", T::Real, H::Header, false, "0", -kNoLimit, kNoLimit, C::None, 40},
    {"PICKBOX", T::Short, H::Session, false, "3", 0, 50},
    {"PICKFIRST", T::Short, H::Session, false, "1", 0, 1},
    {"PLINEWID", T::Real, H::Header, false, "0", 0, kNoLimit, C::None, 40},
    {"SCREENSIZE", T::Point2d, H::Computed, true, "1600,1000", 0, 0, C::None, 0, false, &screenSize},
    {"TEXTSIZE", T::Real, H::Header, false, "2.5", 0, kNoLimit, C::Positive, 40},
    {"TEXTSTYLE", T::Text, H::Header, false, "Standard", 0, 0, C::TextStyle, 7},
    {"THICKNESS", T::Real, H::Header, false, "0", -kNoLimit, kNoLimit, C::None, 40},
    {"TILEMODE", T::Short, H::Header, false, "1", 0, 1, C::None, 70},
    {"UCSORG", T::Point3d, H::Computed, true, "0,0,0", 0, 0, C::None, 0, false, &ucsOrigin},
    {"UCSXDIR", T::Point3d, H::Computed, true, "1,0,0", 0, 0, C::None, 0, false, &ucsXDir},
    {"UCSYDIR", T::Point3d, H::Computed, true, "0,1,0", 0, 0, C::None, 0, false, &ucsYDir},
    {"UNDOCTL", T::Short, H::Document, true, "5", 0, 63},
    {"VIEWCTR", T::Point3d, H::Computed, true, "0,0,0", 0, 0, C::None, 0, false, &viewCentre},
    {"VIEWSIZE", T::Real, H::Computed, true, "297", 0, kNoLimit, C::None, 0, false, &viewSize},
    {"WORLDUCS", T::Short, H::Computed, true, "1", 0, 1, C::None, 0, false, &worldUcs},
};

bool lessByName(const SysvarInfo& a, std::string_view b) { return std::string_view(a.name) < b; }

}  // namespace

std::span<const SysvarInfo> sysvarTable() { return kTable; }

const SysvarInfo* findSysvar(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const SysvarInfo* end = std::end(kTable);
  const SysvarInfo* found = std::lower_bound(std::begin(kTable), end, upper, lessByName);
  return found != end && upper == found->name ? found : nullptr;
}

SysvarValue defaultValueOf(const SysvarInfo& info) {
  SysvarValue value;
  value.type = info.type;
  const std::string text = info.defaultValue;
  switch (info.type) {
    case SysvarType::Short:
      value.integer = static_cast<short>(std::atoi(text.c_str()));
      break;
    case SysvarType::Real:
      value.real = std::atof(text.c_str());
      break;
    case SysvarType::Point2d:
    case SysvarType::Point3d: {
      double xyz[3] = {0.0, 0.0, 0.0};
      std::size_t start = 0;
      for (int axis = 0; axis < 3 && start <= text.size(); ++axis) {
        xyz[axis] = std::atof(text.c_str() + start);
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos)
          break;
        start = comma + 1;
      }
      value.point = AcGePoint3d(xyz[0], xyz[1], xyz[2]);
      break;
    }
    case SysvarType::Text:
      value.text = text;
      break;
  }
  return value;
}

}  // namespace zek
