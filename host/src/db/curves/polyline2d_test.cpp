// Tests of AcDb2dPolyline and AcDb2dVertex: the R12 and R2000 forms of
// POLYLINE/VERTEX/SEQEND, the vertices-follow flag, vertices appended in and
// outside a database, geometry through the vertices, mirroring, binary filing.
#include "db_polyline.h"

#include <cmath>
#include <memory>
#include <tuple>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

// A closed slot 10 by 10 (two half circles of radius 5), as R12 files it:
// no markers, 66 on the head, three-coordinate vertices.
const Groups kSlotR12 = {
    {0, "POLYLINE"}, {8, "PLATE"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "2"}, {70, "1"},
    {0, "VERTEX"}, {8, "PLATE"}, {10, "0"}, {20, "0"}, {30, "0"},
    {0, "VERTEX"}, {8, "PLATE"}, {10, "10"}, {20, "0"}, {30, "0"}, {42, "1"},
    {0, "VERTEX"}, {8, "PLATE"}, {10, "10"}, {20, "10"}, {30, "0"},
    {0, "VERTEX"}, {8, "PLATE"}, {10, "0"}, {20, "10"}, {30, "0"}, {42, "1"},
    {0, "SEQEND"}, {8, "PLATE"}};

Groups vertexR2000(const char* x, const char* y, const char* bulge) {
  Groups v = {{0, "VERTEX"}, {100, "AcDbEntity"}, {8, "PLATE"}, {100, "AcDbVertex"},
              {100, "AcDb2dVertex"}, {10, x}, {20, y}, {30, "0"}};
  if (bulge != nullptr)
    v.push_back({42, bulge});
  return v;
}

Groups slotR2000(bool withEntitiesFollow) {
  Groups g = {{0, "POLYLINE"}, {100, "AcDbEntity"}, {8, "PLATE"}, {100, "AcDb2dPolyline"}};
  if (withEntitiesFollow)
    g.push_back({66, "1"});
  g.insert(g.end(), {{10, "0"}, {20, "0"}, {30, "2"}, {70, "1"}});
  for (const Groups& v : {vertexR2000("0", "0", nullptr), vertexR2000("10", "0", "1"),
                          vertexR2000("10", "10", nullptr), vertexR2000("0", "10", "1")})
    g.insert(g.end(), v.begin(), v.end());
  g.insert(g.end(), {{0, "SEQEND"}, {100, "AcDbEntity"}, {8, "PLATE"}});
  return g;
}

void expectSlot(AcDbDatabase& db, const char* form) {
  const std::vector<AcDbObjectId> ids = modelSpaceIds(db);
  ASSERT_EQ(ids.size(), 1u) << form << ": vertices and SEQEND are not model-space entities";
  Opened<AcDb2dPolyline> pline(ids[0]);
  ASSERT_EQ(pline.status(), Acad::eOk) << form;
  EXPECT_TRUE(pline->isClosed()) << form;
  EXPECT_EQ(pline->elevation(), 2.0) << form;
  EXPECT_EQ(pline->polyType(), AcDb::k2dSimplePoly) << form;
  ASSERT_EQ(pline->vertexIds().size(), 4u) << form;
  EXPECT_FALSE(pline->sequenceEndId().isNull()) << form;
  {
    Opened<AcDb2dVertex> second(pline->vertexIds()[1]);
    ASSERT_EQ(second.status(), Acad::eOk) << form;
    EXPECT_EQ(second->position(), AcGePoint3d(10, 0, 0)) << form;
    EXPECT_EQ(second->bulge(), 1.0) << form;
    EXPECT_EQ(second->ownerId(), pline->objectId()) << form;
    EXPECT_EQ(pline->vertexPosition(*second.get()), AcGePoint3d(10, 0, 2)) << form;
  }
  double length = 0.0;
  ASSERT_EQ(pline->length(length), Acad::eOk) << form;
  EXPECT_NEAR(length, 20.0 + 10.0 * kPi, 1e-12) << form << ": closing half circle included";
  AcGePoint3d p;
  ASSERT_EQ(pline->getPointAtParam(1.5, p), Acad::eOk) << form;
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(15, 5, 2), 1e-12)) << form;
  AcDbExtents box;
  ASSERT_EQ(pline->getGeomExtents(box), Acad::eOk) << form;
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(-5, 0, 2), 1e-12)) << form;
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(15, 10, 2), 1e-12)) << form;
}

TEST(Polyline2dDxf, R12FormReadsIntoA2dPolyline) {
  auto db = readEntities(kSlotR12, "AC1009");
  ASSERT_TRUE(db);
  expectSlot(*db, "R12");
}

TEST(Polyline2dDxf, R2000FormReadsTheSame) {
  auto db = readEntities(slotR2000(true), "AC1015");
  ASSERT_TRUE(db);
  expectSlot(*db, "R2000");
}

TEST(Polyline2dDxf, VerticesFollowFlagAsEachGenerationNeedsIt) {
  struct Case {
    const char* name;
    Groups input;
    const char* acadver;
    DxfVersion output;
    bool expects66;
  };
  const Case cases[] = {
      {"R12 output always has it", slotR2000(false), "AC1015", DxfVersion::R12, true},
      {"R2000 output without it in the file", slotR2000(false), "AC1015", DxfVersion::R2000, false},
      {"R2000 output keeps the file's", slotR2000(true), "AC1015", DxfVersion::R2000, true},
      {"R12 input written as R2018", kSlotR12, "AC1009", DxfVersion::R2018, true},
  };
  for (const Case& c : cases) {
    auto db = readEntities(c.input, c.acadver);
    ASSERT_TRUE(db) << c.name;
    const std::string dxf = writeDxf(*db, c.output);
    const Groups head = entityGroups(dxf, "POLYLINE");
    EXPECT_EQ(valuesOf(head, 66).size(), c.expects66 ? 1u : 0u) << c.name;
    EXPECT_EQ(valuesOf(head, 30), std::vector<std::string>{"2.0"}) << c.name << ": elevation";
    EXPECT_EQ(valuesOf(entityGroups(dxf, "VERTEX", 1), 42), std::vector<std::string>{"1.0"})
        << c.name;
    EXPECT_EQ(valuesOf(entityGroups(dxf, "SEQEND"), 8), std::vector<std::string>{"PLATE"})
        << c.name << ": the SEQEND closes the vertices";
  }
}

TEST(Polyline2dDxf, ThreeDimensionalPolylinesAreNotMadeInto2d) {
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"},
                          {70, "8"}, {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "1"},
                          {70, "32"}, {0, "SEQEND"}, {8, "0"}},
                         "AC1009");
  ASSERT_TRUE(db);
  const std::vector<AcDbObjectId> ids = modelSpaceIds(*db);
  ASSERT_EQ(ids.size(), 1u);
  EXPECT_EQ(ids[0].objectClass() != nullptr &&
                ids[0].objectClass()->isDerivedFrom(AcDb2dPolyline::desc()),
            false);
}

TEST(Polyline2dDatabase, VerticesHeldOutsideADatabaseJoinItWithTheHead) {
  AcGePoint3dArray points{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
  AcGeDoubleArray bulges{0.0, 1.0, 0.0};
  auto* pline = new AcDb2dPolyline(AcDb::k2dSimplePoly, points, 0.0, false, 0.0, 0.0, &bulges);
  ASSERT_EQ(pline->appendVertex(new AcDb2dVertex(AcGePoint3d(0, 10, 0))), Acad::eOk);
  EXPECT_EQ(pline->pendingVertices().size(), 4u);
  EXPECT_TRUE(pline->vertexIds().empty());
  double length = 0.0;
  ASSERT_EQ(pline->length(length), Acad::eOk);
  EXPECT_NEAR(length, 20.0 + 5.0 * kPi, 1e-12) << "geometry works before the database has it";

  AcDbDatabase db;
  AcDbObjectId id;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    ASSERT_EQ(space.status(), Acad::eOk);
    ASSERT_EQ(space->appendAcDbEntity(id, pline), Acad::eOk);
    EXPECT_TRUE(pline->pendingVertices().empty());
    EXPECT_EQ(pline->vertexIds().size(), 4u);
    EXPECT_FALSE(pline->sequenceEndId().isNull());
    EXPECT_EQ(pline->close(), Acad::eOk);
  }
  EXPECT_TRUE(db.openObjects().empty()) << "the added vertices are not left open";
  const std::string dxf = writeDxf(db, DxfVersion::R2000);
  EXPECT_FALSE(entityGroups(dxf, "VERTEX", 3).empty());
  EXPECT_EQ(valuesOf(entityGroups(dxf, "VERTEX", 1), 42), std::vector<std::string>{"1.0"});
  Opened<AcDb2dPolyline> reopened(id);
  ASSERT_EQ(reopened.status(), Acad::eOk);
  ASSERT_EQ(reopened->length(length), Acad::eOk);
  EXPECT_NEAR(length, 20.0 + 5.0 * kPi, 1e-12);
}

TEST(Polyline2dDatabase, AppendVertexToAPolylineInTheDatabase) {
  AcDbDatabase db;
  AcDbObjectId plineId;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    ASSERT_EQ(space.status(), Acad::eOk);
    auto* pline = new AcDb2dPolyline;
    ASSERT_EQ(space->appendAcDbEntity(plineId, pline), Acad::eOk);
    for (const AcGePoint3d& p : {AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0)}) {
      AcDbObjectId vertexId;
      auto* vertex = new AcDb2dVertex(p);
      ASSERT_EQ(pline->appendVertex(vertexId, vertex), Acad::eOk);
      EXPECT_FALSE(vertexId.isNull());
      EXPECT_TRUE(vertex->isWriteEnabled()) << "open for the caller to close";
      EXPECT_EQ(vertex->close(), Acad::eOk);
    }
    EXPECT_EQ(pline->close(), Acad::eOk);
  }
  EXPECT_TRUE(db.openObjects().empty());
  Opened<AcDb2dPolyline> pline(plineId);
  ASSERT_EQ(pline.status(), Acad::eOk);
  double length = 0.0;
  ASSERT_EQ(pline->length(length), Acad::eOk);
  EXPECT_NEAR(length, 5.0, 1e-15);
  AcGePoint3d end;
  ASSERT_EQ(pline->getEndPoint(end), Acad::eOk);
  EXPECT_EQ(end, AcGePoint3d(3, 4, 0));
  std::vector<AcDbObjectId> owned;
  pline->ownedObjectIds(owned);
  EXPECT_EQ(owned.size(), 3u) << "two vertices and the SEQEND";
}

TEST(Polyline2dEntity, MirroringTurnsTheVertexBulges) {
  auto db = readEntities(kSlotR12, "AC1009");
  ASSERT_TRUE(db);
  const AcDbObjectId id = modelSpaceIds(*db).at(0);
  {
    Opened<AcDb2dPolyline> pline(id, AcDb::kForWrite);
    ASSERT_EQ(pline.status(), Acad::eOk);
    ASSERT_EQ(pline->transformBy(
                  AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
              Acad::eOk);
  }
  EXPECT_TRUE(db->openObjects().empty()) << "every vertex closed again";
  Opened<AcDb2dPolyline> pline(id);
  ASSERT_EQ(pline.status(), Acad::eOk);
  Opened<AcDb2dVertex> second(pline->vertexIds()[1]);
  ASSERT_EQ(second.status(), Acad::eOk);
  EXPECT_EQ(second->position(), AcGePoint3d(-10, 0, 0));
  EXPECT_EQ(second->bulge(), -1.0);
  AcGePoint3d p;
  ASSERT_EQ(pline->getPointAtParam(1.5, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(-15, 5, 2), 1e-12)) << "the mirrored half circle";
}

TEST(Polyline2dGeometry, SplineFrameVerticesAreNotOnTheCurve) {
  // A spline-fit polyline: the frame control points (flag 16) are skipped,
  // the fit vertices (flag 8) make the path (here a straight 0–3–4 run).
  auto db = readEntities({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"},
                          {70, "4"}, {75, "6"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "9"}, {30, "0"}, {70, "16"},
                          {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "8"},
                          {0, "VERTEX"}, {8, "0"}, {10, "3"}, {20, "4"}, {30, "0"}, {70, "8"},
                          {0, "SEQEND"}, {8, "0"}},
                         "AC1009");
  ASSERT_TRUE(db);
  Opened<AcDb2dPolyline> pline(modelSpaceIds(*db).at(0));
  ASSERT_EQ(pline.status(), Acad::eOk);
  EXPECT_EQ(pline->polyType(), AcDb::k2dCubicSplinePoly);
  double length = 0.0;
  ASSERT_EQ(pline->length(length), Acad::eOk);
  EXPECT_NEAR(length, 5.0, 1e-15);
  Opened<AcDb2dVertex> frame(pline->vertexIds()[0]);
  ASSERT_EQ(frame.status(), Acad::eOk);
  EXPECT_EQ(frame->vertexType(), AcDb::k2dSplineCtlVertex);
}

TEST(Polyline2dFiling, BinaryCopyCarriesHeldVertices) {
  AcDb2dPolyline pline(AcDb::k2dFitCurvePoly, AcGePoint3dArray{{0, 0, 0}, {1, 0, 0}}, 3.0, true,
                       0.5, 0.25);
  ASSERT_EQ(pline.setThickness(1.0), Acad::eOk);
  const auto copy = dwgCopy(pline);
  EXPECT_EQ(copy->polyType(), AcDb::k2dFitCurvePoly);
  EXPECT_TRUE(copy->isClosed());
  EXPECT_EQ(copy->elevation(), 3.0);
  EXPECT_EQ(copy->defaultStartWidth(), 0.5);
  EXPECT_EQ(copy->defaultEndWidth(), 0.25);
  EXPECT_EQ(copy->thickness(), 1.0);
  ASSERT_EQ(copy->pendingVertices().size(), 2u);
  EXPECT_EQ(copy->pendingVertices()[1]->position(), AcGePoint3d(1, 0, 0));
}

TEST(Vertex2dFiling, DxfAndBinaryKeepTheOptionalGroups) {
  AcDb2dVertex vertex(AcGePoint3d(1, 2, 0), 0.5, 0.1, 0.2, 0.0, 42);
  ASSERT_EQ(vertex.setTangent(kHalfPi), Acad::eOk);
  const auto copy = dwgCopy(vertex);
  EXPECT_EQ(copy->position(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(copy->bulge(), 0.5);
  EXPECT_EQ(copy->startWidth(), 0.1);
  EXPECT_EQ(copy->endWidth(), 0.2);
  EXPECT_TRUE(copy->isTangentUsed());
  EXPECT_EQ(copy->tangent(), kHalfPi);
  EXPECT_EQ(copy->vertexIdentifier(), 42);
}

}  // namespace
}  // namespace zek::test
