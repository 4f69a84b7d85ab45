// Leader display geometry and the placement of a leader's annotation.
#include "db/dimblocks/leader_layout.h"

#include <cmath>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db_database.h"
#include "db_leader.h"
#include "db_symtab.h"
#include "zek/dim_vars.h"

namespace zek {

DimGeometry leaderGeometry(const LeaderInput& input, const DimVars& vars) {
  DimGeometry g;
  const std::vector<AcGePoint2d>& v = input.vertices;
  if (v.size() < 2)
    return g;
  DimSizes sizes = dimSizesOf(vars);
  sizes.tick = 0.0;  // leaders take their head from DIMLDRBLK, never DIMTSZ
  int colour = vars.dimclrd;
  AcGePoint2d start = v[0];
  AcGeVector2d first = v[0] - v[1];
  if (input.hasArrow && first.length() > 1e-12) {
    AcGeVector2d pointing = first / first.length();
    double trim = addArrowHead(g, sizes, vars.dimldrblk, v[0], pointing, colour);
    if (trim > 0.0 && trim < first.length())
      start = v[0] - pointing * trim;
  }
  addLine(g, DimLine{start, v[1], colour});
  for (std::size_t i = 1; i + 1 < v.size(); ++i)
    addLine(g, DimLine{v[i], v[i + 1], colour});
  return g;
}

DimGeometry leaderGeometry(const AcDbLeader& leader) {
  DimVars vars;
  if (auto* style = peekObject<AcDbDimStyleTableRecord>(leader.dimensionStyle()))
    vars = dimVarsOf(*style);
  LeaderInput input;
  input.hasArrow = leader.hasArrowHead();
  for (int i = 0; i < leader.numVertices(); ++i) {
    AcGePoint3d ocs = worldToOcs(leader.normal(), leader.vertexAt(i));
    input.vertices.emplace_back(ocs.x, ocs.y);
  }
  return leaderGeometry(input, vars);
}

LeaderPlacement placeLeaderAnnotation(const std::vector<AcGePoint3d>& vertices, double textHeight,
                                      const DimVars& vars) {
  LeaderPlacement placed;
  placed.vertices = vertices;
  if (vertices.empty())
    return placed;
  DimSizes sizes = dimSizesOf(vars);
  AcGePoint3d last = vertices.back();
  placed.textLocation = last;
  if (vertices.size() < 2)
    return placed;
  // The side the text goes: where the last segment that runs along X points.
  double dx = 0.0;
  for (std::size_t i = vertices.size() - 1; i > 0 && dx == 0.0; --i)
    dx = vertices[i].x - vertices[i - 1].x;
  double side = dx < 0.0 ? -1.0 : 1.0;
  const AcGePoint3d& before = vertices[vertices.size() - 2];
  if (std::fabs(last.y - before.y) > 1e-9 * (1.0 + std::fabs(last.y))) {
    last = last + AcGeVector3d(side * sizes.arrow, 0.0, 0.0);
    placed.vertices.push_back(last);
    placed.hasHookLine = true;
    placed.hookLineOnXDirection = side < 0.0;
  }
  double across = sizes.gap;
  bool left = side > 0.0;
  if (vars.dimtad == 0) {
    across = textHeight / 2.0;
    placed.attachment = left ? AcDbMText::kTopLeft : AcDbMText::kTopRight;
  } else if (vars.dimtad == 4) {
    across = -sizes.gap;
    placed.attachment = left ? AcDbMText::kTopLeft : AcDbMText::kTopRight;
  } else {
    placed.attachment = left ? AcDbMText::kBottomLeft : AcDbMText::kBottomRight;
  }
  placed.textLocation = last + AcGeVector3d(side * sizes.gap, across, 0.0);
  return placed;
}

}  // namespace zek
