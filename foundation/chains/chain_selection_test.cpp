// The selection feed against a real drawing: which entities go in as
// segments, which as chains and which are left to the command, in selection
// order, with every entity closed again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chains/chain_purge.h"
#include "chains/chain_selection.h"
#include "chains/chain_test_support.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "db_text.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

// "L1" for an id among the named ones, so chains read by entity.
class Names {
public:
  void add(AcDbObjectId id, std::string name) { named_.emplace_back(id, std::move(name)); }
  std::string of(AcDbObjectId id) const {
    for (const auto& [known, name] : named_)
      if (known == id)
        return name;
    return "?";
  }
  std::string describe(const ChainList& list) const {
    std::string text;
    char point[64];
    for (const Chain& chain : list) {
      text += text.empty() ? "" : " | ";
      text += chain.kind == ChainKind::Circle     ? "circle"
              : chain.kind == ChainKind::Polyline ? "polyline"
                                                  : "joined";
      text += chain.closed ? " closed" : " open";
      text += " " + std::to_string(chain.points.size());
      const ChainPoint& first = chain.points.front();
      std::snprintf(point, sizeof point, " from (%g,%g) ", first.x, first.y);
      text += point + of(first.id);
    }
    return text;
  }

private:
  std::vector<std::pair<AcDbObjectId, std::string>> named_;
};

AcDbPolyline* openRectangle() {
  auto* polyline = new AcDbPolyline;
  (void)polyline->addVertexAt(0, AcGePoint2d(50, 0));
  (void)polyline->addVertexAt(1, AcGePoint2d(60, 0));
  (void)polyline->addVertexAt(2, AcGePoint2d(60, 8));
  polyline->setClosed(true);
  return polyline;
}

AcDbSpline* spline(double x1, double y1, double x2, double y2) {
  auto* curve = new AcDbSpline;
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(x1, y1, 0));
  fit.append(AcGePoint3d((x1 + x2) / 2 + 1, (y1 + y2) / 2 + 1, 0));
  fit.append(AcGePoint3d(x2, y2, 0));
  (void)curve->setFitData(fit, 3, 0.0, AcGeVector3d(), AcGeVector3d());
  return curve;
}

// A plate drawn as: line, circle, arc, text, polyline, line, spline, in
// that order. Lines and the arc make an open outline; the spline closes it.
class ChainSelection : public ::testing::Test {
protected:
  void SetUp() override {
    AcDbDatabase& db = session_.db();
    add("L1", new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(20, 0, 0)));
    add("C1", new AcDbCircle(AcGePoint3d(10, 5, 0), AcGeVector3d::kZAxis, 2));
    // A quarter arc round (20,10) from (30,10) to (20,20): start angle 0.
    add("A1", new AcDbArc(AcGePoint3d(20, 10, 0), 10, 0, 3.14159265358979323846 / 2));
    add("T1", new AcDbText(AcGePoint3d(5, 5, 0), "PLATE"));
    add("P1", openRectangle());
    add("L2", new AcDbLine(AcGePoint3d(20, 0, 0), AcGePoint3d(30, 10, 0)));
    add("S1", spline(20, 20, 0, 0));
    (void)db;
  }
  void add(const char* name, AcDbEntity* entity) {
    AcDbObjectId id = test::appendToModelSpace(session_.db(), entity);
    ASSERT_FALSE(id.isNull()) << name;
    names_.add(id, name);
    ids_.push_back(id);
  }
  std::string chainsOf(const ChainInputs& inputs, ChainIntake& intake) {
    EndNodeMap nodes;
    ChainList list;
    intake = collectEntities(ids_, inputs, nodes, list);
    EXPECT_TRUE(session_.db().openObjects().empty()) << "every entity closed again";
    nodes.disableJunctionBridges();
    nodes.collectChains(list);
    return names_.describe(list);
  }

  test::EditorSession session_;
  Names names_;
  std::vector<AcDbObjectId> ids_;
};

TEST_F(ChainSelection, TheCommandChoosesWhatGoesIn) {
  struct Case {
    const char* row;
    ChainInputs inputs;
    const char* chains;
    ChainIntake intake;
  };
  const Case cases[] = {
      {"lines and arcs only: the outline stays open where the spline would be",
       {.polylines = false}, "joined open 4 from (0,0) L1", {3, 0, 4, 0}},
      {"polylines too (the default): the polyline chain comes first",
       {}, "polyline closed 3 from (50,0) P1 | joined open 4 from (0,0) L1", {3, 1, 3, 0}},
      {"circles and polylines: chains in selection order, then the joined ones",
       {.circles = true},
       "circle closed 36 from (12,5) C1 | polyline closed 3 from (50,0) P1"
       " | joined open 4 from (0,0) L1",
       {3, 2, 2, 0}},
      {"splines as segments by their end points: the outline closes",
       {.circles = true, .splines = true},
       "circle closed 36 from (12,5) C1 | polyline closed 3 from (50,0) P1"
       " | joined closed 4 from (0,0) S1",
       {4, 2, 1, 0}},
  };
  for (const Case& c : cases) {
    ChainIntake intake;
    EXPECT_EQ(chainsOf(c.inputs, intake), c.chains) << c.row;
    EXPECT_EQ(intake.segments, c.intake.segments) << c.row;
    EXPECT_EQ(intake.chains, c.intake.chains) << c.row;
    EXPECT_EQ(intake.others, c.intake.others) << c.row;
    EXPECT_EQ(intake.failed, c.intake.failed) << c.row;
  }
}

TEST_F(ChainSelection, TheRestIsHandedOverOpenAndFailuresAreNamed) {
  // The text is erased from the handler, as a command erases what it does
  // not chain; the erased line fails to open.
  {
    test::Opened<AcDbEntity> line(ids_[5], AcDb::kForWrite);
    ASSERT_EQ(line->erase(), Acad::eOk);
  }
  std::vector<std::string> others, failures;
  ChainInputs inputs;
  inputs.other = [&](AcDbObjectId id, OpenedEntity& entity) {
    others.push_back(names_.of(id));
    if (names_.of(id) == "T1") {
      ASSERT_EQ(entity.upgradeOpen(), Acad::eOk);
      EXPECT_EQ(entity->erase(), Acad::eOk);
    }
  };
  inputs.failed = [&](AcDbObjectId id, Acad::ErrorStatus status) {
    failures.push_back(names_.of(id) + (status == Acad::eWasErased ? " erased" : " other"));
  };
  ChainIntake intake;
  EXPECT_EQ(chainsOf(inputs, intake), "polyline closed 3 from (50,0) P1 | joined open 2 from (0,0) L1"
                                      " | joined open 2 from (20,20) A1");
  EXPECT_EQ(others, (std::vector<std::string>{"C1", "T1", "S1"}));
  EXPECT_EQ(failures, (std::vector<std::string>{"L2 erased"}));
  EXPECT_EQ(intake.failed, 1);
  EXPECT_TRUE(ids_[3].isErased()) << "the handler's erase went through";
}

TEST_F(ChainSelection, ASelectionSetGoesInInSelectionOrder) {
  SelectionSet set;
  ASSERT_EQ(set.select("X"), RTNORM);
  EndNodeMap nodes;
  ChainList list;
  const ChainIntake intake = collectSelection(set, {.circles = true, .splines = true}, nodes, list);
  EXPECT_EQ(intake.segments, 4);
  EXPECT_EQ(intake.chains, 2);
  EXPECT_EQ(intake.others, 1);
  nodes.disableJunctionBridges();
  nodes.collectChains(list);
  purgeChains(list);
  printChainsFound(list);
  EXPECT_EQ(names_.describe(list),
            "circle closed 36 from (12,5) C1 | polyline closed 3 from (50,0) P1"
            " | joined closed 4 from (0,0) S1");
  EXPECT_EQ(session_.take(), "chains found 3");
}

}  // namespace
}  // namespace zek
