// The layout of the three tables: column positions, baselines, rulings and
// widths, checked against the figures a drafter measures on the drawing.
#include "commands/table_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zek::table {
namespace {

const TableText* textOf(const std::vector<TableText>& texts, const std::string& text) {
  const auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const TableText& t) { return t.text == text; });
  return it == texts.end() ? nullptr : &*it;
}

int count(const std::vector<TableLine>& lines, bool horizontal) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const TableLine& l) {
    return horizontal ? l.from.y == l.to.y : l.from.x == l.to.x;
  }));
}

TEST(TableLayout, HeaderBaselineOfTheAutomaticCornerCase) {
  // Region (0,0)-(200,100), corner 2, X multiple 9, h 3.5: P = (231.49, 0.01).
  const AcGePoint2d p(199.99 + 9 * 3.5, 0.01);
  EXPECT_NEAR(p.x, 231.49, 1e-9);
  const std::vector<TableText> header = headerTexts(TableKind::SixColumns, p, 3.5);
  ASSERT_EQ(header.size(), 6u);
  for (const TableText& text : header)
    EXPECT_NEAR(text.at.y, 2.11, 1e-9) << text.text;
}

struct ColumnCase {
  TableKind kind;
  const char* text;
  double x;  // in heights from P.x
  TextJustification justification;
};

TEST(TableLayout, HeaderColumns) {
  const ColumnCase cases[] = {
      {TableKind::SixColumns, "NO.", 2.2, TextJustification::Right},
      {TableKind::SixColumns, "C.N.", 5.6, TextJustification::Right},
      {TableKind::SixColumns, "DIA.%%C", 11.0, TextJustification::Right},
      {TableKind::SixColumns, "TTL.", 14.4, TextJustification::Right},
      {TableKind::SixColumns, "SP.%%C", 17.8, TextJustification::Right},
      {TableKind::SixColumns, "REF.", 18.2, TextJustification::Left},
      {TableKind::FourColumns, "C.N.", 3.0, TextJustification::Right},
      {TableKind::FourColumns, "DIA.%%c", 8.4, TextJustification::Right},
      {TableKind::FourColumns, "TTL.", 11.8, TextJustification::Right},
      {TableKind::FourColumns, "REF.", 12.2, TextJustification::Left},
  };
  const AcGePoint2d p(100, 50);
  for (const ColumnCase& c : cases) {
    const std::vector<TableText> header = headerTexts(c.kind, p, 2.0);
    const TableText* text = textOf(header, c.text);
    ASSERT_NE(text, nullptr) << c.text;
    EXPECT_NEAR(text->at.x, 100 + c.x * 2.0, 1e-9) << c.text;
    EXPECT_NEAR(text->at.y, 50 + 1.2, 1e-9) << c.text;
    EXPECT_EQ(text->justification, c.justification) << c.text;
  }
}

TEST(TableLayout, RowColumnsAndBaselines) {
  const AcGePoint2d p(0, 0);
  const TableRow row{2, "B1", "9.0", 4, "H7", "THRU"};
  const ColumnCase six[] = {
      {TableKind::SixColumns, "2", 2.2, TextJustification::Right},
      {TableKind::SixColumns, "B1", 5.6, TextJustification::Right},
      {TableKind::SixColumns, "9.0", 11.0, TextJustification::Right},
      {TableKind::SixColumns, "4", 14.4, TextJustification::Right},
      {TableKind::SixColumns, "H7", 17.4, TextJustification::Right},  // rows: c4 + 3h
      {TableKind::SixColumns, "THRU", 18.2, TextJustification::Left},
      {TableKind::FourColumns, "B1", 3.0, TextJustification::Right},
      {TableKind::FourColumns, "9.0", 8.4, TextJustification::Right},
      {TableKind::FourColumns, "4", 11.4, TextJustification::Right},
      {TableKind::FourColumns, "THRU", 12.2, TextJustification::Left},
  };
  for (const ColumnCase& c : six) {
    const std::vector<TableText> texts = rowTexts(c.kind, p, 2.5, row);
    const TableText* text = textOf(texts, c.text);
    ASSERT_NE(text, nullptr) << c.text;
    EXPECT_NEAR(text->at.x, c.x * 2.5, 1e-9) << c.text;
    EXPECT_NEAR(text->at.y, (0.6 + 2.2 * 2) * 2.5, 1e-9) << c.text;  // row 2 grows upward
    EXPECT_EQ(text->justification, c.justification) << c.text;
  }
  // The four-column table has no SP column, so the SP text is not drawn.
  EXPECT_EQ(textOf(rowTexts(TableKind::FourColumns, p, 2.5, row), "H7"), nullptr);
}

TEST(TableLayout, EmptyTextsAreNotDrawn) {
  const TableRow row{1, "D", "", 4, "10.0", ""};
  const std::vector<TableText> texts = rowTexts(TableKind::SixColumns, AcGePoint2d(0, 0), 2.5, row);
  EXPECT_EQ(texts.size(), 4u);  // number, label, total, SP
  EXPECT_NE(textOf(texts, "10.0"), nullptr);
}

TEST(TableLayout, NotesListRow) {
  const TableRow row{1, "A", "6.0", 4, "", "THRU"};
  const AcGePoint2d p(10, 100);
  const std::vector<TableText> texts = rowTexts(TableKind::NotesList, p, 2.0, row);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "A:");
  EXPECT_EQ(texts[1].text, "4-%%C6.0, THRU");
  EXPECT_NEAR(texts[0].at.x, 10, 1e-9);
  EXPECT_NEAR(texts[1].at.x, 10 + 3.5 * 2, 1e-9);
  EXPECT_NEAR(texts[0].at.y, 100 - 1.6 * 2 - 2.2 * 2, 1e-9);  // the list grows downward
  const std::vector<TableText> header = headerTexts(TableKind::NotesList, p, 2.0);
  ASSERT_EQ(header.size(), 1u);
  EXPECT_EQ(header[0].text, "NOTES:");
  EXPECT_NEAR(header[0].at.y, 100 - 3.2, 1e-9);
}

TEST(TableLayout, SixColumnRulingsOfThreeRows) {
  // Longest note 12 characters, h 2.5: 5 horizontals of 69, verticals 22 high.
  const std::vector<TableLine> lines = tableLines(TableKind::SixColumns, AcGePoint2d(0, 0), 2.5, 3, 12);
  EXPECT_EQ(count(lines, true), 5);
  EXPECT_EQ(count(lines, false), 7);
  for (const TableLine& line : lines) {
    if (line.from.y == line.to.y)
      EXPECT_NEAR(line.to.x - line.from.x, 69.0, 1e-9);
    else
      EXPECT_NEAR(line.to.y - line.from.y, 22.0, 1e-9);
  }
  EXPECT_NEAR(lines[4].from.y, 2.2 * 2.5 * 4, 1e-9);
}

TEST(TableLayout, NarrowNotesStillGiveEightCharacters) {
  std::vector<TableRow> rows(2);
  rows[0].ref = "THRU";
  rows[1].ref = "M6";
  EXPECT_EQ(tableWidthCharacters(rows), 8);
  rows[1].ref = "导套孔 THRU %%C20";  // counted in characters, not bytes
  EXPECT_EQ(tableWidthCharacters(rows), 14);
  const std::vector<TableLine> lines =
      tableLines(TableKind::SixColumns, AcGePoint2d(0, 0), 1.0, 0, tableWidthCharacters({}));
  EXPECT_NEAR(lines.front().to.x, 18 + 6.4, 1e-9);
  EXPECT_EQ(count(lines, true), 2);  // no rows: the header's two rulings
}

TEST(TableLayout, FourColumnAndNotesRulings) {
  const std::vector<TableLine> four = tableLines(TableKind::FourColumns, AcGePoint2d(5, 5), 2.0, 2, 10);
  EXPECT_EQ(count(four, true), 4);
  ASSERT_EQ(count(four, false), 5);
  EXPECT_NEAR(four.front().to.x, 5 + (12.2 + 8) * 2, 1e-9);
  const double verticals[] = {0, 3.2, 8.6, 12.0, 20.2};
  for (int i = 0; i < 5; ++i)
    EXPECT_NEAR(four[4 + i].from.x, 5 + verticals[i] * 2, 1e-9);
  const std::vector<TableLine> notes = tableLines(TableKind::NotesList, AcGePoint2d(0, 0), 2.0, 2, 8);
  EXPECT_EQ(count(notes, true), 3);
  EXPECT_EQ(count(notes, false), 0);
  EXPECT_NEAR(notes.front().from.y, -4.4, 1e-9);
  EXPECT_NEAR(notes.back().from.y, -13.2, 1e-9);
  EXPECT_NEAR(notes.front().to.x, (10.5 + 6.4) * 2, 1e-9);
}

}  // namespace
}  // namespace zek::table
