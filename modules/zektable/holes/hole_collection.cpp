// Collecting holes and labels from the selected circles, arcs and texts.
#include "holes/hole_collection.h"

#include <unordered_map>

#include "aced_output.h"
#include "db_curves.h"
#include "db_text.h"
#include "deffiles/utf8_chars.h"
#include "guards/opened_entity.h"

namespace zek::table {

namespace {

constexpr double kOverlapDistance = 0.01;
// Centres are hashed in cells of twice the overlap distance, so every centre
// within it lies in the cell of the new one or in one of its eight neighbours.
constexpr double kCentreCell = 2 * kOverlapDistance;
constexpr std::size_t kLongestLabel = 4;  // characters

}  // namespace

bool isHoleArc(double startAngle, double endAngle) {
  const double included = endAngle - startAngle;
  return included > 4.65 || (included < 0 && included > -1.63);
}

bool HoleCollector::addHole(const HoleGroupKey& key, std::string_view layerName,
                            AcDbObjectId id, const AcGePoint3d& centre) {
  auto [entry, created] = collected_.groups.try_emplace(key);
  HoleGroup& group = entry->second;
  if (created)
    group.layerName = std::string(layerName);
  PointGrid<std::uint32_t>& grid = centres_.try_emplace(&group, kCentreCell).first->second;
  const bool overlaps = grid.anyWithin(centre.x, centre.y, kOverlapDistance, [&](std::uint32_t i) {
    return group.holes[i].centre.distanceTo(centre) <= kOverlapDistance;
  });
  if (overlaps) {
    acutPrintf("_OVERLAPED_");
    return false;
  }
  grid.insert(centre.x, centre.y, static_cast<std::uint32_t>(group.holes.size()));
  HoleRecord hole;
  hole.id = id;
  hole.centre = centre;
  hole.radius = key.radius;
  group.holes.push_back(hole);
  return true;
}

namespace {

// The layer codes and line classes met so far: a drawing has a few layers
// and linetypes and thousands of holes, so each name is looked up once.
class KeyCache {
public:
  explicit KeyCache(HoleTables& tables) : tables_(tables) {}

  int layerKey(const std::string& layer, const std::string& linetype) {
    auto code = codes_.find(layer);
    if (code == codes_.end())
      code = codes_.emplace(layer, layerCodeFor(tables_, layer)).first;
    auto lineClass = classes_.find(linetype);
    if (lineClass == classes_.end())
      lineClass = classes_.emplace(linetype, lineClassOf(linetype)).first;
    return code->second + lineClass->second;
  }

private:
  HoleTables& tables_;
  std::unordered_map<std::string, int> codes_;
  std::unordered_map<std::string, int> classes_;
};

// One selected entity: its key fields, then what kind of hole or label it is.
void collectEntity(const AcDbEntity& entity, AcDbObjectId id, KeyCache& keys,
                   HoleCollector& collector) {
  const std::string layer = entity.layer();
  const int layerKey = keys.layerKey(layer, entity.linetype());
  const int colour = entity.colorIndex();
  if (const auto* text = AcDbText::cast(&entity)) {
    const std::string_view string = text->textStringConst();
    if (utf8CharCount(string) > kLongestLabel)
      return;
    HoleLabel label;
    label.id = id;
    label.text = std::string(string);
    label.position = text->position();
    label.height1000 = static_cast<int>(text->height() * 1000);
    label.layer = layer;
    collector.addLabel(std::move(label));
    return;
  }
  if (const auto* circle = AcDbCircle::cast(&entity)) {
    (void)collector.addHole({circle->radius(), kCircleHole, layerKey, colour}, layer, id,
                            circle->center());
    return;
  }
  if (const auto* arc = AcDbArc::cast(&entity)) {
    if (isHoleArc(arc->startAngle(), arc->endAngle()))
      (void)collector.addHole({arc->radius(), kArcHole, layerKey, colour}, layer, id,
                              arc->center());
  }
}

}  // namespace

CollectedHoles collectHoles(const std::vector<AcDbObjectId>& ids, HoleTables& tables) {
  HoleCollector collector;
  KeyCache keys(tables);
  for (const AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk || entity.get() == nullptr) {
      acutPrintf("_failed_");
      continue;
    }
    collectEntity(*entity.get(), id, keys, collector);
  }
  return collector.take();
}

}  // namespace zek::table
