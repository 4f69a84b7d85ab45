// Selection filters against the plate drawing: each group form, the
// relational tests, the logical operators, text given for numbers, and the
// malformed lists that must be refused.
#include "editor/select/selection_filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "db/testing/db_test_support.h"
#include "db_entity.h"
#include "editor/select/select_test_drawing.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

// The plate's entities in drawing order, paper space last.
const char* const kNames[] = {"bottom", "right", "hole1", "hole2", "arc", "label",
                              "frozen", "off", "locked", "slot", "pin", "paper"};

class SelectionFilterTest : public ::testing::Test {
protected:
  void SetUp() override { ids_ = test::buildSelectionPlate(session_.db()); }

  // The names of the entities the filter takes, in drawing order; "refused"
  // when the list does not compile.
  std::string taken(const resbuf* list) {
    auto filter = SelectionFilter::compile(list);
    if (!filter)
      return "refused";
    std::string names;
    for (const char* name : kNames) {
      test::Opened<AcDbEntity> entity(ids_.at(name));
      if (entity && filter->matches(*entity.get()))
        names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
  }

  test::EditorSession session_;
  std::map<std::string, AcDbObjectId> ids_;
};

// A resbuf of a numeric group code carrying text, as filters read from text
// files give every value.
resbuf* textForNumber(int code, const char* text) {
  resbuf* rb = acutNewRb(code);
  rb->resval.rstring = acutNewString(text);
  return rb;
}

// acutRelRb frees a host text it finds in a numeric group code's resbuf too.
void releaseTextForNumber(resbuf* rb) { acutRelRb(rb); }

struct FilterCase {
  const char* behaviour;
  std::function<resbuf*()> list;
  const char* taken;
};

const double kAt4020[3] = {40, 20, 0};
const double kAt2020[3] = {20, 20, 0};

const FilterCase kCases[] = {
    {"no filter takes everything", [] { return nullptr; },
     "bottom right hole1 hole2 arc label frozen off locked slot pin paper"},
    {"type", [] { return acutBuildList(RTDXF0, "CIRCLE", RTNONE); }, "hole1 hole2 frozen off"},
    {"type list", [] { return acutBuildList(RTDXF0, "LINE,ARC", RTNONE); }, "bottom right arc locked paper"},
    {"type wildcard", [] { return acutBuildList(RTDXF0, "*POLYLINE", RTNONE); }, "slot"},
    {"type in lower case", [] { return acutBuildList(RTDXF0, "text", RTNONE); }, "label"},
    {"layer", [] { return acutBuildList(8, "holes", RTNONE); }, "hole1 hole2"},
    {"layer negated", [] { return acutBuildList(8, "~0", RTNONE); },
     "hole1 hole2 label frozen off locked"},
    {"colour", [] { return acutBuildList(62, 1, RTNONE); }, "hole2"},
    {"colour 256 is BYLAYER, which files leave out",
     [] { return acutBuildList(62, 256, RTNONE); },
     "bottom right hole1 arc label frozen off locked slot pin paper"},
    {"linetype BYLAYER, which files leave out", [] { return acutBuildList(6, "BYLAYER", RTNONE); },
     "bottom right hole1 hole2 arc label frozen off locked slot pin paper"},
    {"block name", [] { return acutBuildList(2, "pin", RTNONE); }, "pin"},
    {"a real: radius", [] { return acutBuildList(40, 10.0, RTNONE); }, "hole2"},
    {"a real: the arc's radius", [] { return acutBuildList(40, 8.0, RTNONE); }, "arc"},
    {"relational >=", [] { return acutBuildList(-4, ">=", 40, 5.0, RTNONE); }, "hole1 hole2 arc"},
    {"relational < is strict", [] { return acutBuildList(-4, "<", 40, 5.0, RTNONE); }, "label frozen off"},
    {"relational != on text", [] { return acutBuildList(-4, "!=", 8, "HOLES", RTNONE); },
     "bottom right arc label frozen off locked slot pin paper"},
    {"relational /= is !=", [] { return acutBuildList(-4, "/=", 62, 256, RTNONE); }, "hole2"},
    {"relational <> is !=", [] { return acutBuildList(-4, "<>", 62, 256, RTNONE); }, "hole2"},
    {"relational * takes anything", [] { return acutBuildList(-4, "*", 40, 123.0, RTNONE); },
     "bottom right hole1 hole2 arc label frozen off locked slot pin paper"},
    {"bit test &: the closed polyline", [] { return acutBuildList(-4, "&", 70, 1, RTNONE); }, "slot"},
    {"bit test &=: every bit of the mask", [] { return acutBuildList(-4, "&=", 62, 1, RTNONE); }, "hole2"},
    {"point with one relation per coordinate",
     [] { return acutBuildList(-4, ">,>,*", 10, kAt4020, RTNONE); }, "hole2 arc slot pin"},
    {"point equal in x and y", [] { return acutBuildList(-4, "=,=,*", 10, kAt2020, RTNONE); }, "hole1"},
    {"point without a relation is equality", [] { return acutBuildList(10, kAt2020, RTNONE); }, "hole1"},
    {"two groups: both must hold", [] { return acutBuildList(RTDXF0, "CIRCLE", 8, "HOLES", RTNONE); },
     "hole1 hole2"},
    {"<OR", [] { return acutBuildList(-4, "<OR", RTDXF0, "TEXT", 62, 1, -4, "OR>", RTNONE); }, "hole2 label"},
    {"<AND inside <OR",
     [] {
       return acutBuildList(-4, "<OR", -4, "<AND", RTDXF0, "CIRCLE", 8, "HOLES", -4, "AND>", RTDXF0, "ARC", -4,
                            "OR>", RTNONE);
     },
     "hole1 hole2 arc"},
    {"<NOT", [] { return acutBuildList(-4, "<NOT", RTDXF0, "CIRCLE,LINE", -4, "NOT>", RTNONE); },
     "arc label slot pin"},
    {"<NOT DIMENSION as the islands search writes it",
     [] { return acutBuildList(-4, "<NOT", RTDXF0, "DIMENSION", -4, "NOT>", RTDXF0, "ARC", RTNONE); }, "arc"},
    {"<XOR: one of two, not both",
     [] { return acutBuildList(-4, "<XOR", RTDXF0, "CIRCLE", 8, "HOLES", -4, "XOR>", RTNONE); }, "frozen off"},
    {"operators in any case", [] { return acutBuildList(-4, "<or", RTDXF0, "ARC", RTDXF0, "TEXT", -4, "or>", RTNONE); },
     "arc label"},
    {"space: paper", [] { return acutBuildList(67, 1, RTNONE); }, "paper"},
    {"layout: model", [] { return acutBuildList(410, "MODEL", RTDXF0, "LINE", RTNONE); }, "bottom right locked"},
    {"a group no entity has takes none", [] { return acutBuildList(1, "A1", RTDXF0, "CIRCLE", RTNONE); }, ""},
    {"text string", [] { return acutBuildList(1, "a?", RTNONE); }, "label"},
};

TEST_F(SelectionFilterTest, EachFormTakesWhatItNames) {
  for (const auto& c : kCases) {
    resbuf* list = c.list();
    EXPECT_EQ(taken(list), c.taken) << c.behaviour;
    acutRelRb(list);
  }
}

TEST_F(SelectionFilterTest, TextGivenForANumberIsComparedAsANumber) {
  struct Row {
    int code;
    const char* text;
    const char* taken;
  } rows[] = {
      {62, "1", "hole2"},
      {40, "10", "hole2"},
      {40, " 8.0 ", "arc"},
  };
  for (const auto& row : rows) {
    resbuf* rb = textForNumber(row.code, row.text);
    EXPECT_EQ(taken(rb), row.taken) << row.code << " \"" << row.text << "\"";
    releaseTextForNumber(rb);
  }
}

TEST_F(SelectionFilterTest, RealNumbersAreNotMistakenForText) {
  resbuf* list = acutBuildList(62, 0, RTNONE);  // BYBLOCK: a zero short
  EXPECT_FALSE(textGivenForNumber(*list).has_value());
  acutRelRb(list);
  // A denormal whose bits would be an address the host never gave out.
  list = acutBuildList(40, 0.0, RTNONE);
  std::uint64_t bits = std::uint64_t(1) << 44;
  std::memcpy(&list->resval.rreal, &bits, sizeof bits);
  EXPECT_FALSE(textGivenForNumber(*list).has_value()) << "an address that is no host string is no text";
  acutRelRb(list);
  list = acutBuildList(40, 2.5, RTNONE);
  EXPECT_FALSE(textGivenForNumber(*list).has_value()) << "an ordinary real";
  acutRelRb(list);
  resbuf* word = textForNumber(62, "CIRCLE");
  EXPECT_FALSE(textGivenForNumber(*word).has_value()) << "a host text that is no number stays no number";
  releaseTextForNumber(word);
}

TEST_F(SelectionFilterTest, ExtendedDataByApplication) {
  {
    test::Opened<AcDbEntity> label(ids_.at("label"), AcDb::kForWrite);
    resbuf* data = acutBuildList(1001, "ACAD", 1000, "plate label", RTNONE);
    ASSERT_EQ(label->setXData(data), Acad::eOk);
    acutRelRb(data);
  }
  // The -3 marker carries no value; the application names follow it, in the
  // one call a module writes.
  auto xdataFilter = [](const char* application) {
    return acutBuildList(-3, 1001, application, RTNONE);
  };
  resbuf* list = xdataFilter("AC*");
  EXPECT_EQ(taken(list), "label");
  acutRelRb(list);
  list = xdataFilter("ZEK");
  EXPECT_EQ(taken(list), "");
  acutRelRb(list);
}

struct MalformedCase {
  const char* fault;
  std::function<resbuf*()> list;
};

const MalformedCase kMalformed[] = {
    {"<AND never closed", [] { return acutBuildList(-4, "<AND", RTDXF0, "LINE", RTNONE); }},
    {"AND> never opened", [] { return acutBuildList(RTDXF0, "LINE", -4, "AND>", RTNONE); }},
    {"crossed brackets",
     [] { return acutBuildList(-4, "<OR", RTDXF0, "LINE", -4, "<AND", 8, "0", -4, "OR>", -4, "AND>", RTNONE); }},
    {"<NOT with two operands",
     [] { return acutBuildList(-4, "<NOT", RTDXF0, "LINE", 8, "0", -4, "NOT>", RTNONE); }},
    {"<XOR with one operand", [] { return acutBuildList(-4, "<XOR", RTDXF0, "LINE", -4, "XOR>", RTNONE); }},
    {"an empty <OR", [] { return acutBuildList(-4, "<OR", -4, "OR>", RTNONE); }},
    {"an unknown operator", [] { return acutBuildList(-4, "<NAND", RTDXF0, "LINE", -4, "NAND>", RTNONE); }},
    {"an unknown relation", [] { return acutBuildList(-4, "=>", 40, 1.0, RTNONE); }},
    {"a relation with nothing after it", [] { return acutBuildList(RTDXF0, "LINE", -4, "=", RTNONE); }},
    {"a relation before an operator",
     [] { return acutBuildList(-4, "=", -4, "<OR", RTDXF0, "LINE", -4, "OR>", RTNONE); }},
    {"two relations in a row", [] { return acutBuildList(-4, "=", -4, "<", 40, 1.0, RTNONE); }},
    {"four relations for a point", [] { return acutBuildList(-4, "=,=,=,=", 10, kAt2020, RTNONE); }},
};

TEST_F(SelectionFilterTest, MalformedListsAreRefused) {
  for (const auto& c : kMalformed) {
    resbuf* list = c.list();
    EXPECT_EQ(taken(list), "refused") << c.fault;
    acutRelRb(list);
  }
}

struct RelationCase {
  const char* text;
  bool known;
  Relation x, y, z;
};

TEST(Relations, ReadAsWritten) {
  const RelationCase cases[] = {
      {"=", true, Relation::Equal, Relation::Equal, Relation::Equal},
      {" >= ", true, Relation::GreaterEqual, Relation::GreaterEqual, Relation::GreaterEqual},
      {">,<,*", true, Relation::Greater, Relation::Less, Relation::Any},
      {"=,=", true, Relation::Equal, Relation::Equal, Relation::Any},
      {"&=", true, Relation::BitAll, Relation::BitAll, Relation::BitAll},
      {"==", false, {}, {}, {}},
      {"", false, {}, {}, {}},
  };
  for (const auto& c : cases) {
    auto parsed = parseRelations(c.text);
    ASSERT_EQ(parsed.has_value(), c.known) << "\"" << c.text << "\"";
    if (!parsed)
      continue;
    EXPECT_EQ((*parsed)[0], c.x) << c.text;
    EXPECT_EQ((*parsed)[1], c.y) << c.text;
    EXPECT_EQ((*parsed)[2], c.z) << c.text;
  }
}

TEST(Relations, CompareNumbersWithinRoundOff) {
  EXPECT_TRUE(compareNumbers(0.1 + 0.2, Relation::Equal, 0.3)) << "a sum read back from text";
  EXPECT_FALSE(compareNumbers(0.3, Relation::Less, 0.1 + 0.2)) << "equal is not less";
  EXPECT_TRUE(compareNumbers(2.0, Relation::LessEqual, 2.0));
  EXPECT_TRUE(compareNumbers(6.0, Relation::BitAny, 2.0));
  EXPECT_FALSE(compareNumbers(6.0, Relation::BitAll, 3.0));
  EXPECT_TRUE(compareNumbers(7.0, Relation::BitAll, 3.0));
}

}  // namespace
}  // namespace zek
