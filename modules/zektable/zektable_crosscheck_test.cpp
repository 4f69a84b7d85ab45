// ZEKTABLE2 on generated die plates, cross-checked against what the plate
// generator placed: the table drawn on a plate with every code written on its
// holes must hold one row per code, with the generator's hole count in TTL and
// the diameter texts of the code's hole type. The table is read back from the
// drawing (its TEXT entities by row and column), not from the transcript.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "aced_lisp.h"
#include "db/testing/db_test_support.h"
#include "db_text.h"
#include "deffiles/definition_file.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "generated_plate.h"
#include "labelled_holes.h"
#include "layers/layer_code_table.h"
#include "loader/module_loader.h"
#include "plate_drawing.h"

namespace zek {
namespace {

namespace pg = plategen;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string dataFile(const char* name) {
  return readFile(std::string(ZEK_DATA_FOLDER) + "/" + name);
}

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// What the shipped data files say about the codes, read here on their own so
// that the expectations do not come from the module under test: the type word
// of each code ("[HOLE_TYPE]"), the size classes ("[SP_DIAMETER]"), the
// prompts the notes may ask ("PROMPT=" values) and the back layers
// (zeklayer0.dat, tens digit 1).
struct ShippedData {
  std::map<std::string, std::string> typeOfCode;
  std::vector<std::pair<double, std::string>> sizeClasses;
  std::set<std::string> notePrompts;
  LayerCodeTable layers;

  static ShippedData read() {
    ShippedData data;
    const std::string table = dataFile("zektable.dat");
    TokenReader types(table);
    EXPECT_TRUE(findSection(types, "[HOLE_TYPE]"));
    while (!types.atEnd() && !types.atSectionHeader()) {
      const std::string code(types.nextToken()->substr(0, 4));
      const std::optional<std::string_view> word = types.nextToken();
      if (!word)
        break;
      data.typeOfCode.emplace(code, std::string(*word));
    }
    TokenReader notes(table);
    EXPECT_TRUE(findSection(notes, "[HOLE_NOTES]"));
    while (!notes.atEnd() && !notes.atSectionHeader()) {
      const std::string_view token = *notes.nextToken();
      if (token.starts_with("PROMPT=") && token != "PROMPT=NOTHING")
        data.notePrompts.insert(std::string(token.substr(7)));
    }
    data.notePrompts.insert("Depth value:");  // asked where a record has no prompt of its own
    TokenReader classes(table);
    EXPECT_TRUE(findSection(classes, "[SP_DIAMETER]"));
    while (!classes.atEnd()) {
      const std::optional<double> limit = scanReal(*classes.nextToken());
      const std::optional<std::string_view> name = classes.nextToken();
      if (!limit || !name)
        break;
      data.sizeClasses.emplace_back(*limit, std::string(*name));
    }
    data.layers = LayerCodeTable::fromText(dataFile("zeklayer0.dat"));
    EXPECT_FALSE(data.typeOfCode.empty());
    EXPECT_FALSE(data.sizeClasses.empty());
    EXPECT_FALSE(data.layers.empty());
    return data;
  }

  // The type word of a label: its characters up to the first digit (the
  // first always counts); a code not listed is a bore.
  std::string typeOf(const std::string& label) const {
    std::size_t end = 1;
    while (end < label.size() && (label[end] < '0' || label[end] > '9'))
      ++end;
    const auto found = typeOfCode.find(label.substr(0, std::min<std::size_t>(end, 4)));
    return found == typeOfCode.end() ? "BORE" : found->second;
  }

  // The class of the first limit above the diameter, else the last class.
  std::string sizeClassOf(double diameter) const {
    for (const auto& [limit, name] : sizeClasses)
      if (limit > diameter)
        return name;
    return sizeClasses.back().second;
  }
};

const ShippedData& shippedData() {
  static const ShippedData data = ShippedData::read();
  return data;
}

// What the table shows of a code, by the code's hole type, how its holes are
// drawn and whether their layer is a back layer.
enum class Drawn { OneCircle, Counterbore, Tapped };
enum class Side { Front, Back };
enum class DiaText { Empty, OneDecimal, TwoDecimals, Thread };
enum class SpText { Empty, OneDecimal, SizeClass };

struct KindRule {
  const char* type;
  Drawn drawn;
  Side side;
  DiaText dia;  // of the through or drill diameter; Thread of the thread's
  SpText sp;
};

constexpr KindRule kKindRules[] = {
    // A bore of one circle (guide bushes, ejector, drilled and wire start
    // holes): its diameter with one decimal, no size class.
    {"BORE", Drawn::OneCircle, Side::Front, DiaText::OneDecimal, SpText::Empty},
    // A blind hole of one circle on a front layer: the same.
    {"BLIND", Drawn::OneCircle, Side::Front, DiaText::OneDecimal, SpText::Empty},
    // A hole worked from the back face: two decimals and its H7 size class.
    {"BORE", Drawn::OneCircle, Side::Back, DiaText::TwoDecimals, SpText::SizeClass},
    {"BLIND", Drawn::OneCircle, Side::Back, DiaText::TwoDecimals, SpText::SizeClass},
    // A counterbored screw hole: the through hole, not the counterbore (the
    // through circle takes no label, the pair counts once).
    {"SINK", Drawn::Counterbore, Side::Front, DiaText::OneDecimal, SpText::Empty},
    // A tapped hole (drill circle and thread arc): "M" and the thread diameter.
    {"SCREW", Drawn::Tapped, Side::Front, DiaText::Thread, SpText::Empty},
    // A dowel cut by wire, one circle on a front layer: DIA stays empty and
    // the diameter, one decimal, goes into SP.
    {"WEC", Drawn::OneCircle, Side::Front, DiaText::Empty, SpText::OneDecimal},
};

Drawn drawnAs(pg::HoleForm form) {
  switch (form) {
    case pg::HoleForm::Counterbore: return Drawn::Counterbore;
    case pg::HoleForm::Tapped: return Drawn::Tapped;
    default: return Drawn::OneCircle;
  }
}

const pg::HoleKind* kindOfLabel(const std::string& label) {
  for (const pg::HoleKind& kind : pg::holeKinds())
    if (label == kind.label)
      return &kind;
  return nullptr;
}

struct ExpectedRow {
  int count = 0;
  std::string dia;
  std::string sp;
};

// The row a code must give, or a reason why the test knows none.
std::optional<ExpectedRow> expectedRow(const std::string& label, const pg::LabelledHoles& holes,
                                       std::string& why) {
  const pg::HoleKind* kind = kindOfLabel(label);
  if (kind == nullptr) {
    why = "the generator's catalogue has no kind " + label;
    return std::nullopt;
  }
  const ShippedData& data = shippedData();
  const std::string type = data.typeOf(label);
  const Side side = data.layers.layerHasTensDigitOne(holes.layer) ? Side::Back : Side::Front;
  for (const KindRule& rule : kKindRules) {
    if (type != rule.type || drawnAs(kind->form) != rule.drawn || side != rule.side)
      continue;
    ExpectedRow row;
    row.count = holes.count;
    switch (rule.dia) {
      case DiaText::Empty: break;
      case DiaText::OneDecimal: row.dia = formatted("%.1f", holes.diameter); break;
      case DiaText::TwoDecimals: row.dia = formatted("%.2f", holes.diameter); break;
      case DiaText::Thread: row.dia = "M" + formatted("%.0f", holes.outerDiameter); break;
    }
    switch (rule.sp) {
      case SpText::Empty: break;
      case SpText::OneDecimal: row.sp = formatted("%.1f", holes.diameter); break;
      case SpText::SizeClass: row.sp = data.sizeClassOf(holes.diameter); break;
    }
    return row;
  }
  why = "no rule for " + label + " (type " + type + " on " + holes.layer + ")";
  return std::nullopt;
}

// Answers ZEKTABLE2 as a drafter would, prompt by prompt: the command, ALL,
// the base point, Enter to every note prompt the shipped notes define and to
// any hand pick (which skips the code, and the transcript tells). Any other
// prompt is noted and cancelled.
class TableRunAnswers : public InputSource {
public:
  explicit TableRunAnswers(std::string basePoint) : basePoint_(std::move(basePoint)) {}

  std::optional<std::string> nextLine() override {
    if (++answers_ > kMostAnswers)
      return std::nullopt;
    const std::string prompt = trimmed(waitingPrompt());
    if (prompt == "Command:") {
      if (started_)
        return std::nullopt;
      started_ = true;
      return "ZEKTABLE2";
    }
    if (prompt == "Select objects:") {
      if (selected_)
        return "";
      selected_ = true;
      return "ALL";
    }
    if (prompt == "Base point:")
      return basePoint_;
    if (shippedData().notePrompts.contains(prompt)) {
      ++notePrompts_;
      return "";
    }
    unexpected_.push_back(prompt);
    return "^C";
  }
  std::string whereLastLine() const override {
    return "table run answer " + std::to_string(answers_);
  }

  int notePrompts() const { return notePrompts_; }
  const std::vector<std::string>& unexpected() const { return unexpected_; }

private:
  static constexpr int kMostAnswers = 100000;
  std::string basePoint_;
  int answers_ = 0;
  bool started_ = false;
  bool selected_ = false;
  int notePrompts_ = 0;
  std::vector<std::string> unexpected_;
};

// The drawn table read back: the texts below the plate, each on a row (0 the
// header) and a column of the six-column table.
struct DrawnRow {
  std::string number, label, dia, total, sp, ref;
};

struct DrawnTable {
  std::map<int, DrawnRow> rows;       // by row number k, header 0
  std::vector<std::string> strays;    // texts on no row or column
};

// Reads the table whose base point is p (text height h) from the texts that
// lie below `below`.
DrawnTable readDrawnTable(AcDbDatabase& db, const AcGePoint2d& p, double h, double below) {
  // Column alignment points of the six-column table, from P.x.
  const double c1 = p.x + 2.2 * h, c2 = c1 + 3.4 * h, c3 = c2 + 5.4 * h, c4 = c3 + 3.4 * h;
  const double spRows = c4 + 3 * h, spHeader = c4 + 3.4 * h, ref = c1 + 16 * h;
  constexpr double kTolerance = 1e-6;
  const auto near = [](double a, double b) { return std::abs(a - b) < kTolerance; };
  DrawnTable table;
  for (const AcDbObjectId id : test::modelSpaceIds(db)) {
    test::Opened<AcDbText> text(id);
    if (!text)
      continue;
    const AcGePoint3d at = text->alignmentPoint();
    if (at.y >= below)
      continue;
    const std::string value = text->textStringConst();
    const double step = (at.y - (p.y + 0.6 * h)) / (2.2 * h);
    const int k = static_cast<int>(std::lround(step));
    const std::string where = "\"" + value + "\" at " + std::to_string(at.x) + "," +
                              std::to_string(at.y);
    if (k < 0 || !near(step, k)) {
      table.strays.push_back(where);
      continue;
    }
    DrawnRow& row = table.rows[k];
    std::string* cell = near(at.x, c1)   ? &row.number
                        : near(at.x, c2) ? &row.label
                        : near(at.x, c3) ? &row.dia
                        : near(at.x, c4) ? &row.total
                        : near(at.x, k == 0 ? spHeader : spRows) ? &row.sp
                        : near(at.x, ref) ? &row.ref
                                          : nullptr;
    if (cell == nullptr || !cell->empty())
      table.strays.push_back(where);
    else
      *cell = value;
  }
  return table;
}

// A plate to check: its drawing and the layout the generator drew it from.
struct PlateCase {
  const char* name;
  std::uint64_t holes = 0;  // 0: the shipped sample
  std::uint64_t seed = 1;
};

void PrintTo(const PlateCase& c, std::ostream* out) { *out << c.name; }

struct Plate {
  std::string dxf;
  pg::PlateLayout layout;
};

Plate plateOf(const PlateCase& c) {
  if (c.holes == 0)
    return {readFile(std::string(ZEK_DATA_FOLDER) + "/samples/plate-table.dxf"), pg::diePlate()};
  const pg::HolePlateOptions options{c.holes, c.seed, pg::LabelStyle::OnHole};
  std::ostringstream out;
  EXPECT_TRUE(pg::writeHolePlate(options, out).has_value());
  return {out.str(), pg::holePlate(options)};
}

// The outcome of ZEKTABLE2 on a plate, and what it must agree with.
struct TableRun {
  std::string transcript;
  DrawnTable table;
  std::map<std::string, pg::LabelledHoles> placed;
  int notePrompts = 0;
  std::vector<std::string> unexpectedPrompts;
};

// Runs ZEKTABLE2 on everything of the drawing, the base point far below the
// plate. `change` may alter the drawing first.
TableRun runTable(const Plate& plate,
                  const std::function<void(AcDbDatabase&)>& change = nullptr) {
  test::EditorSession session(plate.dxf);
  EXPECT_EQ(loadModule("zekislands", true), RTNORM);
  EXPECT_EQ(loadModule("zektable", true), RTNORM);
  if (change)
    change(session.db());
  const double h = pg::labelPlacement(plate.layout.holes.front(), pg::LabelStyle::OnHole).height;
  const AcGePoint2d p(0.0, -std::ceil(plate.layout.height) - 1000.0);
  auto answers = std::make_unique<TableRunAnswers>(formatted("0,%.0f", p.y));
  TableRunAnswers& answered = *answers;
  session.take();
  currentInput().push(std::move(answers));
  const RunOutcome outcome = session.run();
  EXPECT_FALSE(outcome.endedInCommand) << outcome.message;
  TableRun run;
  run.notePrompts = answered.notePrompts();
  run.unexpectedPrompts = answered.unexpected();
  run.transcript = session.transcript();
  run.table = readDrawnTable(session.db(), p, h, p.y + 500.0);
  run.placed = pg::labelledHoles(plate.layout);
  return run;
}

// Labels in the order the table lists them: by the letters before the first
// digit, then by the number after them.
bool listedBefore(const std::string& a, const std::string& b) {
  const auto split = [](const std::string& label) {
    const std::size_t digit = label.find_first_of("0123456789");
    const std::string prefix = label.substr(0, std::min(digit, std::size_t{5}));
    const int number = digit == std::string::npos ? -1 : std::atoi(label.c_str() + digit);
    return std::make_pair(prefix, number);
  };
  return split(a) < split(b);
}

// Every way the drawn table disagrees with the generator, one line each.
std::vector<std::string> disagreements(const TableRun& run) {
  std::vector<std::string> found;
  for (const std::string& stray : run.table.strays)
    found.push_back("a text on no row or column: " + stray);
  for (const std::string& prompt : run.unexpectedPrompts)
    found.push_back("an unexpected prompt: " + prompt);
  for (const char* message : {"Total=", "WARNING", "_OVERLAPED_", "PCK1 AND PCK2 INVALID"})
    if (run.transcript.find(message) != std::string::npos)
      found.push_back(std::string("the transcript says ") + message);
  const auto header = run.table.rows.find(0);
  if (header == run.table.rows.end() || header->second.label != "C.N." ||
      header->second.total != "TTL.")
    found.push_back("no header row");
  std::set<std::string> seen;
  std::string previous;
  for (const auto& [k, row] : run.table.rows) {
    if (k == 0)
      continue;
    const std::string at = "row " + std::to_string(k) + " (" + row.label + "): ";
    if (row.number != std::to_string(k))
      found.push_back(at + "numbered " + row.number);
    if (!seen.insert(row.label).second)
      found.push_back(at + "a second row of the code");
    if (!previous.empty() && !listedBefore(previous, row.label))
      found.push_back(at + "listed after " + previous);
    previous = row.label;
    if (row.ref.empty() || row.ref == "#####")
      found.push_back(at + "no note: \"" + row.ref + "\"");
    const auto placed = run.placed.find(row.label);
    if (placed == run.placed.end()) {
      found.push_back(at + "a code the generator did not place");
      continue;
    }
    std::string why;
    const std::optional<ExpectedRow> expected = expectedRow(row.label, placed->second, why);
    if (!expected) {
      found.push_back(at + why);
      continue;
    }
    if (row.total != std::to_string(expected->count))
      found.push_back(at + "TTL " + row.total + ", placed " + std::to_string(expected->count));
    if (row.dia != expected->dia)
      found.push_back(at + "DIA \"" + row.dia + "\", expected \"" + expected->dia + "\"");
    if (row.sp != expected->sp)
      found.push_back(at + "SP \"" + row.sp + "\", expected \"" + expected->sp + "\"");
  }
  for (const auto& [label, holes] : run.placed)
    if (!seen.contains(label))
      found.push_back("no row for " + label + " (" + std::to_string(holes.count) + " holes)");
  return found;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

class ZektableCrossCheck : public ::testing::TestWithParam<PlateCase> {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
  }
  void TearDown() override { unloadAllModules(); }
};

TEST_P(ZektableCrossCheck, EveryCodeHasOneRowWithThePlacedCountAndItsDiameter) {
  const Plate plate = plateOf(GetParam());
  const TableRun run = runTable(plate);
  const std::vector<std::string> found = disagreements(run);
  EXPECT_TRUE(found.empty()) << joined(found) << run.transcript;
  EXPECT_EQ(run.table.rows.size(), run.placed.size() + 1) << "the header and one row a code";
  // Every tapped code asks its tapping depth once: the shipped notes prompt
  // for the C codes alone, and only the first stage (Enter takes case 3).
  int tappedCodes = 0;
  for (const auto& [label, holes] : run.placed)
    if (const pg::HoleKind* kind = kindOfLabel(label); kind && kind->form == pg::HoleForm::Tapped)
      ++tappedCodes;
  EXPECT_EQ(run.notePrompts, tappedCodes);
}

INSTANTIATE_TEST_SUITE_P(
    Plates, ZektableCrossCheck,
    ::testing::Values(PlateCase{"sample_table_plate", 0}, PlateCase{"holes_100_seed_1", 100, 1},
                      PlateCase{"holes_100_seed_7", 100, 7}, PlateCase{"holes_300_seed_2", 300, 2},
                      PlateCase{"holes_1000_seed_3", 1000, 3}),
    [](const ::testing::TestParamInfo<PlateCase>& param) { return std::string(param.param.name); });

// The cross-check itself can fail: with one label of a code of several holes
// erased before the run, the table counts one hole fewer than the generator
// placed, and the check names that code's TTL and nothing else.
TEST(ZektableCrossCheckMutation, ALabelErasedBeforeTheRunShowsAsAWrongCount) {
  unloadAllModules();
  setModuleFolders({ZEK_MODULE_FOLDER});
  const Plate plate = plateOf(PlateCase{"holes_100_seed_1", 100, 1});
  const std::map<std::string, pg::LabelledHoles> placed = pg::labelledHoles(plate.layout);
  const auto several = std::find_if(plate.layout.holes.rbegin(), plate.layout.holes.rend(),
                                    [&](const pg::Hole& hole) {
                                      return placed.at(pg::holeKind(hole.code).label).count >= 3;
                                    });
  ASSERT_NE(several, plate.layout.holes.rend());
  const pg::Hole& victim = *several;
  const std::string label = pg::holeKind(victim.code).label;
  const pg::LabelPlacement at = pg::labelPlacement(victim, pg::LabelStyle::OnHole);
  int erased = 0;
  const TableRun run = runTable(plate, [&](AcDbDatabase& db) {
    for (const AcDbObjectId id : test::modelSpaceIds(db)) {
      test::Opened<AcDbText> text(id, AcDb::kForWrite);
      if (text && label == text->textStringConst() &&
          text->position().distanceTo(AcGePoint3d(at.x, at.y, 0.0)) < 1e-6 &&
          text->erase() == Acad::eOk)
        ++erased;
    }
  });
  ASSERT_EQ(erased, 1);
  const std::vector<std::string> found = disagreements(run);
  ASSERT_EQ(found.size(), 1u) << joined(found);
  EXPECT_NE(found.front().find("(" + label + "): TTL"), std::string::npos) << found.front();
  unloadAllModules();
}

}  // namespace
}  // namespace zek
