// Standard arrow head blocks, made on first use in a drawing that lacks
// them. Each is one unit long, its tip at the origin, pointing along +X.
#include "db/dimblocks/arrow_blocks.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimblocks/dim_block_writer.h"
#include "db/dimblocks/host_write.h"
#include "db/kept_groups.h"
#include "db/kept_object.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_polyline.h"

namespace zek {

namespace {

enum class Shape {
  None, ClosedBlank, Closed, Open, Open90, Open30, Dot, DotSmall, DotBlank, Small, Origin,
  Origin2, BoxBlank, BoxFilled, DatumBlank, DatumFilled, ArchTick, Oblique,
};

struct StandardArrow {
  const char* name;  // as CAD hosts spell it
  Shape shape;
};

constexpr StandardArrow kStandardArrows[] = {
    {"_None", Shape::None},           {"_ClosedBlank", Shape::ClosedBlank},
    {"_Closed", Shape::Closed},       {"_Open", Shape::Open},
    {"_Open90", Shape::Open90},       {"_Open30", Shape::Open30},
    {"_Dot", Shape::Dot},             {"_DotSmall", Shape::DotSmall},
    {"_DotBlank", Shape::DotBlank},   {"_Small", Shape::Small},
    {"_Origin", Shape::Origin},       {"_Origin2", Shape::Origin2},
    {"_BoxBlank", Shape::BoxBlank},   {"_BoxFilled", Shape::BoxFilled},
    {"_DatumBlank", Shape::DatumBlank}, {"_DatumFilled", Shape::DatumFilled},
    {"_ArchTick", Shape::ArchTick},   {"_Oblique", Shape::Oblique},
};

bool sameName(const std::string& a, const char* b) {
  std::size_t n = a.size();
  if (n != std::char_traits<char>::length(b))
    return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

const StandardArrow* standardArrow(const std::string& name) {
  for (const StandardArrow& a : kStandardArrows)
    if (sameName(name, a.name))
      return &a;
  return nullptr;
}

// The entities of one shape, made in the block by the helpers below.
class ShapeMaker {
public:
  ShapeMaker(AcDbDatabase& db, AcDbBlockTableRecord& block) : db_(db), block_(block) {}

  void line(double x1, double y1, double x2, double y2) {
    add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
  }
  void polygon(std::initializer_list<AcGePoint2d> points) {
    std::vector<AcGePoint2d> p(points);
    for (std::size_t i = 0; i < p.size(); ++i)
      line(p[i].x, p[i].y, p[(i + 1) % p.size()].x, p[(i + 1) % p.size()].y);
  }
  void circle(double radius) {
    add(new AcDbCircle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, radius));
  }
  // A filled dot: a closed polyline of two half circles as wide as the dot.
  void dot(double radius) {
    auto* ring = new AcDbPolyline;
    (void)ring->addVertexAt(0, AcGePoint2d(-radius / 2.0, 0.0), 1.0);
    (void)ring->addVertexAt(1, AcGePoint2d(radius / 2.0, 0.0), 1.0);
    ring->setClosed(true);
    (void)ring->setConstantWidth(radius);
    add(ring);
  }
  void wideLine(double x1, double y1, double x2, double y2, double width) {
    auto* stroke = new AcDbPolyline;
    (void)stroke->addVertexAt(0, AcGePoint2d(x1, y1));
    (void)stroke->addVertexAt(1, AcGePoint2d(x2, y2));
    (void)stroke->setConstantWidth(width);
    add(stroke);
  }
  // A SOLID of three or four corners (the third repeated for a triangle).
  void solid(std::initializer_list<AcGePoint2d> corners) {
    std::vector<AcGePoint2d> c(corners);
    if (c.size() == 3)
      c.push_back(c[2]);
    auto* s = new KeptEntity("SOLID");
    std::vector<KeptGroup> groups{{100, "AcDbTrace"}};
    for (int i = 0; i < 4; ++i) {
      groups.push_back({10 + i, formatReal(c[i].x)});
      groups.push_back({20 + i, formatReal(c[i].y)});
      groups.push_back({30 + i, "0.0"});
    }
    s->extrasForWrite().kept.push_back(KeptSection{"AcDbEntity", 0, std::move(groups)});
    add(s);
  }

private:
  void add(AcDbEntity* made) {
    std::unique_ptr<AcDbEntity> entity(made);
    DatabaseCore& core = db_.core();
    (void)entity->setLayer(core.layerZero);
    (void)entity->setColorIndex(0);
    (void)entity->setLinetype(core.byBlockLinetype);
    AcDbObjectId id;
    if (block_.appendAcDbEntity(id, entity.get()) == Acad::eOk)
      (void)entity.release()->close();
  }
  AcDbDatabase& db_;
  AcDbBlockTableRecord& block_;
};

void drawShape(ShapeMaker& m, Shape shape) {
  const double tan15 = std::tan(std::numbers::pi / 12.0);
  switch (shape) {
    case Shape::None: break;
    case Shape::ClosedBlank: m.polygon({{0, 0}, {-1, 1.0 / 6}, {-1, -1.0 / 6}}); break;
    case Shape::Closed:
      m.polygon({{0, 0}, {-1, 1.0 / 6}, {-1, -1.0 / 6}});
      m.line(-1, 0, 0, 0);
      break;
    case Shape::Open: m.line(-1, 1.0 / 6, 0, 0); m.line(0, 0, -1, -1.0 / 6); break;
    case Shape::Open90: m.line(-0.5, 0.5, 0, 0); m.line(0, 0, -0.5, -0.5); break;
    case Shape::Open30: m.line(-1, tan15, 0, 0); m.line(0, 0, -1, -tan15); break;
    case Shape::Dot: m.dot(0.25); break;
    case Shape::DotSmall: m.dot(1.0 / 16); break;
    case Shape::DotBlank: m.circle(0.25); break;
    case Shape::Small: m.circle(1.0 / 16); break;
    case Shape::Origin: m.circle(0.5); break;
    case Shape::Origin2: m.circle(0.5); m.circle(0.25); break;
    case Shape::BoxBlank: m.polygon({{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}}); break;
    case Shape::BoxFilled: m.solid({{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}}); break;
    case Shape::DatumBlank: m.polygon({{0, 0.5}, {-1, 0}, {0, -0.5}}); break;
    case Shape::DatumFilled: m.solid({{0, 0.5}, {0, -0.5}, {-1, 0}}); break;
    case Shape::ArchTick: m.wideLine(-0.5, -0.5, 0.5, 0.5, 0.15); break;
    case Shape::Oblique: m.line(-0.5, -0.5, 0.5, 0.5); break;
  }
}

AcDbObjectId makeArrowBlock(AcDbDatabase& db, const StandardArrow& arrow) {
  auto* table = peekObject<AcDbBlockTable>(db.blockTableId());
  if (table == nullptr)
    return {};
  auto record = std::make_unique<AcDbBlockTableRecord>();
  if (record->setName(arrow.name) != Acad::eOk)
    return {};
  AcDbObjectId id;
  {
    HostWrite writing(table);
    if (table->add(id, record.get()) != Acad::eOk)
      return {};
  }
  AcDbBlockTableRecord* block = record.release();
  ensureBlockEnds(db, *block);
  ShapeMaker maker(db, *block);
  drawShape(maker, arrow.shape);
  (void)block->close();
  return id;
}

}  // namespace

AcDbObjectId arrowBlock(AcDbDatabase& db, const std::string& name) {
  AcDbObjectId found = blockByName(&db, name);
  if (!found.isNull() && !found.isErased())
    return found;
  const StandardArrow* standard = standardArrow(name);
  return standard ? makeArrowBlock(db, *standard) : AcDbObjectId();
}

}  // namespace zek
