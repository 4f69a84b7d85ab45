// Compiling selection filter lists and testing entities against them.
#include "editor/select/selection_filter.h"


#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "db_entity.h"
#include "editor/select/entity_groups.h"

namespace zek {

std::optional<std::array<Relation, 3>> parseRelations(const std::string& text) {
  auto one = [](std::string op) -> std::optional<Relation> {
    while (!op.empty() && op.front() == ' ')
      op.erase(op.begin());
    while (!op.empty() && op.back() == ' ')
      op.pop_back();
    if (op == "=") return Relation::Equal;
    if (op == "!=" || op == "/=" || op == "<>") return Relation::NotEqual;
    if (op == "<") return Relation::Less;
    if (op == "<=") return Relation::LessEqual;
    if (op == ">") return Relation::Greater;
    if (op == ">=") return Relation::GreaterEqual;
    if (op == "*") return Relation::Any;
    if (op == "&") return Relation::BitAny;
    if (op == "&=") return Relation::BitAll;
    return std::nullopt;
  };
  std::array<Relation, 3> relations{};
  std::size_t count = 0;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    if (count == 3)
      return std::nullopt;
    auto relation = one(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!relation)
      return std::nullopt;
    relations[count++] = *relation;
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  if (count == 1)
    relations[1] = relations[2] = relations[0];
  else if (count == 2)
    relations[2] = Relation::Any;  // "op,op": the plane only
  return relations;
}

bool compareNumbers(double value, Relation relation, double reference) {
  double tolerance = 1e-10 * std::max({1.0, std::fabs(value), std::fabs(reference)});
  bool equal = std::fabs(value - reference) <= tolerance;
  switch (relation) {
    case Relation::Equal: return equal;
    case Relation::NotEqual: return !equal;
    case Relation::Less: return value < reference && !equal;
    case Relation::LessEqual: return value < reference || equal;
    case Relation::Greater: return value > reference && !equal;
    case Relation::GreaterEqual: return value > reference || equal;
    case Relation::Any: return true;
    case Relation::BitAny:
      return (static_cast<long long>(value) & static_cast<long long>(reference)) != 0;
    case Relation::BitAll: {
      auto mask = static_cast<long long>(reference);
      return (static_cast<long long>(value) & mask) == mask;
    }
  }
  return false;
}

// ---- Text given for a number ------------------------------------------------

std::optional<std::string> textGivenForNumber(const resbuf& item) {
  // A text stands where the number would be only when the host made it
  // (acutNewString, as acutBuildList and resbuf copies do): the address is
  // looked up, never read blindly.
  const char* text = item.resval.rstring;
  if (!isHostString(text))
    return std::nullopt;
  std::string value(text);
  if (!groupValueFromText(item.restype, value).isNumber)
    return std::nullopt;
  return value;
}

// ---- Compiling --------------------------------------------------------------

SelectionFilter::SelectionFilter() { nodes_.emplace_back(); }

class FilterCompiler {
public:
  explicit FilterCompiler(SelectionFilter& filter) : filter_(filter) {}

  bool compile(const resbuf* list);

private:
  using NodeKind = SelectionFilter::NodeKind;
  using ValueKind = SelectionFilter::ValueKind;

  bool openGroup(NodeKind kind);
  bool closeGroup(NodeKind kind);
  bool addTest(const resbuf*& item);
  int addNode(SelectionFilter::Node node) {
    filter_.nodes_.push_back(std::move(node));
    return static_cast<int>(filter_.nodes_.size()) - 1;
  }
  void attach(int node) { filter_.nodes_[static_cast<std::size_t>(open_.back())].children.push_back(node); }

  SelectionFilter& filter_;
  std::vector<int> open_{0};
  std::optional<std::array<Relation, 3>> pending_;
};

bool FilterCompiler::compile(const resbuf* list) {
  for (const resbuf* item = list; item != nullptr; item = item->rbnext) {
    if (item->restype == RTNONE)
      break;
    if (item->restype != -4) {
      if (!addTest(item))
        return false;
      continue;
    }
    std::string text = item->resval.rstring ? item->resval.rstring : "";
    for (char& c : text)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool ok = true;
    if (text == "<AND") ok = openGroup(NodeKind::And);
    else if (text == "<OR") ok = openGroup(NodeKind::Or);
    else if (text == "<XOR") ok = openGroup(NodeKind::Xor);
    else if (text == "<NOT") ok = openGroup(NodeKind::Not);
    else if (text == "AND>") ok = closeGroup(NodeKind::And);
    else if (text == "OR>") ok = closeGroup(NodeKind::Or);
    else if (text == "XOR>") ok = closeGroup(NodeKind::Xor);
    else if (text == "NOT>") ok = closeGroup(NodeKind::Not);
    else {
      if (pending_)
        return false;  // two relational tests in a row
      pending_ = parseRelations(text);
      ok = pending_.has_value();
    }
    if (!ok)
      return false;
  }
  return open_.size() == 1 && !pending_;
}

bool FilterCompiler::openGroup(NodeKind kind) {
  if (pending_)
    return false;
  SelectionFilter::Node node;
  node.kind = kind;
  int index = addNode(std::move(node));
  attach(index);
  open_.push_back(index);
  return true;
}

bool FilterCompiler::closeGroup(NodeKind kind) {
  if (pending_ || open_.size() < 2)
    return false;
  const SelectionFilter::Node& node = filter_.nodes_[static_cast<std::size_t>(open_.back())];
  if (node.kind != kind)
    return false;
  std::size_t operands = node.children.size();
  if ((kind == NodeKind::Not && operands != 1) || (kind == NodeKind::Xor && operands != 2) ||
      operands == 0)
    return false;
  open_.pop_back();
  return true;
}

bool FilterCompiler::addTest(const resbuf*& item) {
  SelectionFilter::Node node;
  node.kind = NodeKind::Test;
  SelectionFilter::Test& test = node.test;
  test.code = item->restype == RTDXF0 ? 0 : item->restype;
  if (pending_)
    test.relations = *pending_;
  pending_.reset();
  if (test.code == -3) {
    // Extended data: the application names of the 1001 groups that follow.
    test.kind = ValueKind::Xdata;
    while (item->rbnext != nullptr && item->rbnext->restype == 1001) {
      item = item->rbnext;
      test.applications.emplace_back(item->resval.rstring ? item->resval.rstring : "");
    }
    attach(addNode(std::move(node)));
    return true;
  }
  switch (resbufTypeOfGroupCode(test.code)) {
    case RTSTR:
      test.kind = ValueKind::Text;
      test.text = item->resval.rstring ? item->resval.rstring : "";
      test.pattern = Wildcard(test.text);
      break;
    case RT3DPOINT:
      test.kind = ValueKind::Point;
      test.point = AcGePoint3d(item->resval.rpoint[0], item->resval.rpoint[1], item->resval.rpoint[2]);
      break;
    case RTREAL:
    case RTSHORT:
    case RTLONG:
    case RTINT64: {
      test.kind = ValueKind::Number;
      if (auto text = textGivenForNumber(*item)) {
        test.number = groupValueFromText(test.code, *text).number;
        break;
      }
      short kind = resbufTypeOfGroupCode(test.code);
      test.number = kind == RTREAL    ? item->resval.rreal
                    : kind == RTSHORT ? item->resval.rint
                    : kind == RTLONG  ? item->resval.rlong
                                      : static_cast<double>(item->resval.mnInt64);
      break;
    }
    default:
      // Object references and binary chunks: compared by their text.
      test.kind = ValueKind::Text;
      test.pattern = Wildcard("*");
      test.relations = {Relation::Any, Relation::Any, Relation::Any};
      break;
  }
  attach(addNode(std::move(node)));
  return true;
}

std::optional<SelectionFilter> SelectionFilter::compile(const resbuf* list) {
  SelectionFilter filter;
  FilterCompiler compiler(filter);
  if (!compiler.compile(list))
    return std::nullopt;
  return filter;
}

// ---- Testing ----------------------------------------------------------------

static std::string upper(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool SelectionFilter::passes(const Test& test, EntityGroups& groups) {
  if (test.kind == ValueKind::Xdata) {
    std::vector<std::string> names = groups.xdataApplications();
    if (test.applications.empty())
      return !names.empty();
    for (const Wildcard& wanted : test.applications) {
      bool present = false;
      for (const std::string& name : names)
        present = present || wanted.matches(name);
      if (!present)
        return false;
    }
    return true;
  }
  if (test.relations[0] == Relation::Any && test.relations[1] == Relation::Any &&
      test.relations[2] == Relation::Any)
    return true;  // "*": anything goes
  for (const GroupValue* value : groups.valuesOf(test.code)) {
    switch (test.kind) {
      case ValueKind::Text: {
        Relation relation = test.relations[0];
        if (relation == Relation::Equal && test.pattern.matches(value->text))
          return true;
        if (relation == Relation::NotEqual && !test.pattern.matches(value->text))
          return true;
        if (relation != Relation::Equal && relation != Relation::NotEqual) {
          int order = upper(value->text).compare(upper(test.text));
          if ((relation == Relation::Less && order < 0) || (relation == Relation::LessEqual && order <= 0) ||
              (relation == Relation::Greater && order > 0) ||
              (relation == Relation::GreaterEqual && order >= 0))
            return true;
        }
        break;
      }
      case ValueKind::Number:
        if (value->isNumber && compareNumbers(value->number, test.relations[0], test.number))
          return true;
        break;
      case ValueKind::Point:
        if (value->isPoint && compareNumbers(value->point.x, test.relations[0], test.point.x) &&
            compareNumbers(value->point.y, test.relations[1], test.point.y) &&
            compareNumbers(value->point.z, test.relations[2], test.point.z))
          return true;
        break;
      case ValueKind::Xdata:
        break;
    }
  }
  return false;
}

bool SelectionFilter::evaluate(int index, EntityGroups& groups) const {
  const Node& node = nodes_[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case NodeKind::Test:
      return passes(node.test, groups);
    case NodeKind::And:
      for (int child : node.children)
        if (!evaluate(child, groups))
          return false;
      return true;
    case NodeKind::Or:
      for (int child : node.children)
        if (evaluate(child, groups))
          return true;
      return false;
    case NodeKind::Xor:
      return evaluate(node.children[0], groups) != evaluate(node.children[1], groups);
    case NodeKind::Not:
      return !evaluate(node.children[0], groups);
  }
  return false;
}

bool SelectionFilter::matches(EntityGroups& groups) const { return evaluate(0, groups); }

bool SelectionFilter::matches(const AcDbEntity& entity) const {
  if (takesEverything())
    return true;
  EntityGroups groups(entity);
  return matches(groups);
}

}  // namespace zek
