// Circle and polyline chains.
#include "chains/chain_shapes.h"

#include <cmath>

#include "db_polyline.h"

namespace zek::inline foundation {

namespace {
constexpr int kCirclePoints = 36;
constexpr double kTenDegrees = 0.17453292519943295;  // radians
}  // namespace

void addCircleChain(ChainList& list, const AcGePoint3d& center, double radius, AcDbObjectId id) {
  Chain chain;
  chain.kind = ChainKind::Circle;
  chain.closed = 1;
  chain.points.reserve(kCirclePoints);
  for (int i = 0; i < kCirclePoints; ++i) {
    const double angle = i * kTenDegrees;
    chain.points.push_back({id, center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)});
  }
  list.push_back(std::move(chain));
}

void addPolylineChain(ChainList& list, const AcDbPolyline& polyline, AcDbObjectId id) {
  Chain chain;
  chain.kind = ChainKind::Polyline;
  chain.closed = polyline.isClosed() ? 1 : 0;
  const unsigned int count = polyline.numVerts();
  chain.points.reserve(count);
  for (unsigned int i = 0; i < count; ++i) {
    AcGePoint3d vertex;
    if (polyline.getPointAt(i, vertex) == Acad::eOk)  // every index below numVerts() answers
      chain.points.push_back({id, vertex.x, vertex.y});
  }
  list.push_back(std::move(chain));
}

void addPolylineChain(ChainList& list, std::span<const AcGePoint2d> vertices, bool closed,
                      AcDbObjectId id) {
  Chain chain;
  chain.kind = ChainKind::Polyline;
  chain.closed = closed ? 1 : 0;
  chain.points.reserve(vertices.size());
  for (const AcGePoint2d& vertex : vertices)
    chain.points.push_back({id, vertex.x, vertex.y});
  list.push_back(std::move(chain));
}

}  // namespace zek::inline foundation
