// The renderer's test helpers.
#include "core/render_test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "db_block.h"

namespace zek::render::test {

namespace fs = std::filesystem;

PictureFolder::PictureFolder() {
  std::string pattern = (fs::path(::testing::TempDir()) / "zek-render-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "no picture folder under " << ::testing::TempDir();
  folder_ = pattern;
}

PictureFolder::~PictureFolder() {
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

std::vector<std::string> PictureFolder::names() const {
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder_, ec))
    found.push_back(entry.path().filename().string());
  return found;
}

RenderOptions standardOptions() {
  RenderOptions options;
  options.window = WorldWindow{AcGePoint2d(0.0, 0.0), AcGePoint2d(200.0, 100.0)};
  options.width = 400;
  options.height = 200;
  return options;
}

SvgRender renderSvg(const Document& document, const RenderOptions& options) {
  PictureFolder folder;
  const std::string path = folder.path("picture.svg");
  SvgRender rendered;
  rendered.result = renderDocument(document, path, ImageFormat::Svg, options);
  EXPECT_TRUE(rendered.result.ok) << rendered.result.error;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  rendered.text = text.str();
  std::string error;
  rendered.picture = readSvg(rendered.text, &error);
  EXPECT_EQ(error, "") << "the picture's SVG does not read";
  return rendered;
}

std::string entitiesDxf(const std::string& groupLines) {
  std::ostringstream out;
  out << "0\nSECTION\n2\nENTITIES\n";
  std::istringstream lines(groupLines);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos)
      continue;
    const std::size_t space = line.find(' ', start);
    out << line.substr(start, space - start) << '\n'
        << (space == std::string::npos ? "" : line.substr(space + 1)) << '\n';
  }
  out << "0\nENDSEC\n0\nEOF\n";
  return out.str();
}

std::vector<SvgPoint> pointsOf(const std::vector<const SvgPath*>& paths) {
  std::vector<SvgPoint> points;
  for (const SvgPath* path : paths)
    for (const auto& subpath : path->subpaths)
      points.insert(points.end(), subpath.begin(), subpath.end());
  return points;
}

double farthestFromCircle(const std::vector<SvgPoint>& points, SvgPoint centre, double radius) {
  double farthest = 0.0;
  for (const SvgPoint& p : points)
    farthest = std::max(farthest, std::fabs(std::hypot(p.x - centre.x, p.y - centre.y) - radius));
  return farthest;
}

static AcDbObjectId appendTo(AcDbDatabase& db, AcDbObjectId block, AcDbEntity* entity) {
  std::unique_ptr<AcDbEntity> owned(entity);
  // An entity made without a layer goes on the current one; its colour,
  // linetype and lineweight stay as the test set them.
  if (owned->layerId().isNull())
    (void)owned->setLayer(db.clayer());
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForWrite) != Acad::eOk) {
    ADD_FAILURE() << "the block does not open for write";
    return {};
  }
  AcDbObjectId id;
  const Acad::ErrorStatus es = record->appendAcDbEntity(id, owned.get());
  (void)record->close();
  if (es != Acad::eOk) {
    ADD_FAILURE() << "the entity was not appended";
    return {};
  }
  (void)owned.release()->close();
  return id;
}

AcDbObjectId addEntity(AcDbDatabase& db, AcDbEntity* entity) {
  return appendTo(db, db.modelSpaceId(), entity);
}

AcDbObjectId addToBlock(AcDbDatabase& db, AcDbObjectId block, AcDbEntity* entity) {
  return appendTo(db, block, entity);
}

AcDbObjectId addBlock(AcDbDatabase& db, const char* name, const AcGePoint3d& base) {
  AcDbBlockTable* table = nullptr;
  if (db.getBlockTable(table, AcDb::kForWrite) != Acad::eOk) {
    ADD_FAILURE() << "the block table does not open";
    return {};
  }
  auto record = std::make_unique<AcDbBlockTableRecord>();
  AcDbObjectId id;
  const bool added = record->setName(name) == Acad::eOk && table->add(id, record.get()) == Acad::eOk;
  (void)table->close();
  if (!added) {
    ADD_FAILURE() << "block " << name << " was not added";
    return {};
  }
  (void)record->setOrigin(base);
  (void)record.release()->close();
  return id;
}

AcDbObjectId addLayer(AcDbDatabase& db, const LayerSpec& spec) {
  AcDbLayerTable* table = nullptr;
  if (db.getLayerTable(table, AcDb::kForWrite) != Acad::eOk) {
    ADD_FAILURE() << "the layer table does not open";
    return {};
  }
  auto layer = std::make_unique<AcDbLayerTableRecord>();
  AcDbObjectId id;
  const bool added = layer->setName(spec.name) == Acad::eOk && table->add(id, layer.get()) == Acad::eOk;
  (void)table->close();
  if (!added) {
    ADD_FAILURE() << "layer " << spec.name << " was not added";
    return {};
  }
  AcCmColor colour;
  (void)colour.setColorIndex(static_cast<Adesk::UInt16>(spec.colour));
  layer->setColor(colour);
  layer->setIsOff(spec.off);
  (void)layer->setIsFrozen(spec.frozen);
  layer->setLinetypeObjectId(spec.linetype.isNull() ? db.continuousLinetype() : spec.linetype);
  (void)layer->setLineWeight(spec.lineWeight);
  (void)layer.release()->close();
  return id;
}

AcDbObjectId addLinetype(AcDbDatabase& db, const char* name, const std::vector<double>& dashes) {
  AcDbLinetypeTable* table = nullptr;
  if (db.getLinetypeTable(table, AcDb::kForWrite) != Acad::eOk) {
    ADD_FAILURE() << "the linetype table does not open";
    return {};
  }
  auto linetype = std::make_unique<AcDbLinetypeTableRecord>();
  std::vector<AcDbLinetypeTableRecord::Dash> pattern;
  double length = 0.0;
  for (double dash : dashes) {
    AcDbLinetypeTableRecord::Dash d;
    d.length = dash;
    pattern.push_back(d);
    length += dash < 0.0 ? -dash : dash;
  }
  AcDbObjectId id;
  const bool added = linetype->setName(name) == Acad::eOk;
  linetype->setDashes(pattern);
  linetype->setPatternLength(length);
  const bool inTable = added && table->add(id, linetype.get()) == Acad::eOk;
  (void)table->close();
  if (!inTable) {
    ADD_FAILURE() << "linetype " << name << " was not added";
    return {};
  }
  (void)linetype.release()->close();
  return id;
}

}  // namespace zek::render::test
