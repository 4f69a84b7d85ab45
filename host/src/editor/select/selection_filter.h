// Selection filters: a resbuf list of DXF groups (entity type, layer, colour,
// values and points), relational tests and the -4 logical operators, compiled
// once and tested against each entity a selection finds.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ads.h"
#include "editor/select/wildcard.h"
#include "ge_geometry.h"

class AcDbEntity;

namespace zek {

class EntityGroups;

// A relational test of -4 ("=", "!=", "/=", "<>", "<", "<=", ">", ">=", "*",
// "&", "&=").
enum class Relation { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Any, BitAny, BitAll };

class SelectionFilter {
public:
  // The filter that takes every entity.
  SelectionFilter();

  // Compiles a filter list (null: takes everything). Nothing for a
  // malformed list: unbalanced or crossed "<AND"/"AND>" brackets, "<NOT"
  // without exactly one operand, "<XOR" without exactly two, an empty
  // "<AND"/"<OR", an unknown -4 text, or a relational test with no group
  // after it.
  static std::optional<SelectionFilter> compile(const resbuf* list);

  bool takesEverything() const { return nodes_.front().children.empty(); }
  // Whether the entity (open for read) passes.
  bool matches(const AcDbEntity& entity) const;
  bool matches(EntityGroups& groups) const;

private:
  enum class ValueKind { Text, Number, Point, Xdata };
  struct Test {
    int code = 0;
    ValueKind kind = ValueKind::Text;
    Wildcard pattern;
    std::string text;
    double number = 0.0;
    AcGePoint3d point;
    std::array<Relation, 3> relations{Relation::Equal, Relation::Equal, Relation::Equal};
    std::vector<Wildcard> applications;  // Xdata: each must be present
  };
  enum class NodeKind { And, Or, Xor, Not, Test };
  struct Node {
    NodeKind kind = NodeKind::And;
    std::vector<int> children;
    Test test;
  };

  bool evaluate(int node, EntityGroups& groups) const;
  static bool passes(const Test& test, EntityGroups& groups);

  friend class FilterCompiler;
  std::vector<Node> nodes_;  // nodes_[0] is the top level, an AND
};

// Reads a relational text of -4: one relation, or up to three separated by
// commas for the coordinates of a point ("=,=,*"; one relation applies to
// every coordinate). Nothing for an unknown text.
std::optional<std::array<Relation, 3>> parseRelations(const std::string& text);

// Whether a value compares true with the reference under the relation.
bool compareNumbers(double value, Relation relation, double reference);

// The text a resbuf of a numeric group code carries when a caller put a
// string there instead of a number (filters read from text files pass every
// value as text, whatever its group code): detected when the value cannot be
// the number its code holds (a short with high bytes set, a real that is a
// denormal, ...) and the pointer reads as a short text that is a number.
// Nothing otherwise; the resbuf is then the number its code holds.
std::optional<std::string> textGivenForNumber(const resbuf& item);

}  // namespace zek
