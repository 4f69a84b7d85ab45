// What the renderer's tests share: a picture folder of the test's own,
// rendering a document to SVG and reading it back, the colours of the
// palette by name, and small drawings built entity by entity.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/svg_reader.h"
#include "db_database.h"
#include "db_symtab.h"
#include "editor/document.h"
#include "render.h"

namespace zek::render::test {

// A fresh folder under the test's temporary folder, removed at the end.
class PictureFolder {
public:
  PictureFolder();
  ~PictureFolder();
  PictureFolder(const PictureFolder&) = delete;
  PictureFolder& operator=(const PictureFolder&) = delete;
  std::string path(const std::string& name) const { return folder_ + "/" + name; }
  // The names in the folder (to see that nothing was left behind).
  std::vector<std::string> names() const;

private:
  std::string folder_;
};

// The picture every table of these tests uses: world (0, 0)–(200, 100) on
// 400 × 200 pixels, so a world point (x, y) lies at pixel (2x, 200 − 2y).
RenderOptions standardOptions();
constexpr double kStandardScale = 2.0;
inline double pixelX(double x) { return kStandardScale * x; }
inline double pixelY(double y) { return 200.0 - kStandardScale * y; }

// cairo keeps path points to 1/256 of a pixel: the closest two numbers of
// a picture can be expected to agree.
constexpr double kSvgPrecision = 0.01;

struct SvgRender {
  RenderResult result;
  SvgPicture picture;
  std::string text;
};
// Renders the document to an SVG file and reads it back (the test fails
// when it cannot be written or read).
SvgRender renderSvg(const Document& document, const RenderOptions& options = standardOptions());

// Colours as the light background shows them.
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kMagenta{255, 0, 255};

// Adds the entity to model space, on the current layer unless it has one;
// answers its id (null when it could not be added).
AcDbObjectId addEntity(AcDbDatabase& db, AcDbEntity* entity);
// The same into a block record.
AcDbObjectId addToBlock(AcDbDatabase& db, AcDbObjectId block, AcDbEntity* entity);
// A new block of that name with its base point.
AcDbObjectId addBlock(AcDbDatabase& db, const char* name,
                      const AcGePoint3d& base = AcGePoint3d::kOrigin);
// A layer with a colour index (and off, frozen, linetype, lineweight).
struct LayerSpec {
  const char* name;
  int colour = 7;
  bool off = false;
  bool frozen = false;
  AcDbObjectId linetype;
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLwDefault;
};
AcDbObjectId addLayer(AcDbDatabase& db, const LayerSpec& spec);
// A linetype with that dash pattern (dashes positive, gaps negative).
AcDbObjectId addLinetype(AcDbDatabase& db, const char* name, const std::vector<double>& dashes);

// DXF text of an ENTITIES section holding the groups, one "code value" a
// line ("0 SOLID", "8 0", "10 1.5" ...).
std::string entitiesDxf(const std::string& groupLines);

// Every point of the paths, and how far the farthest of them lies from a
// circle (pixels).
std::vector<SvgPoint> pointsOf(const std::vector<const SvgPath*>& paths);
double farthestFromCircle(const std::vector<SvgPoint>& points, SvgPoint centre, double radius);

// An entity's colour index or layer set before it is added.
template <typename T>
T* coloured(T* entity, int colour) {
  (void)entity->setColorIndex(static_cast<Adesk::UInt16>(colour));
  return entity;
}

}  // namespace zek::render::test
