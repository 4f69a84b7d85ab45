// The column positions, baselines and rulings of the three hole tables.
#include "commands/table_layout.h"

#include <algorithm>

#include "deffiles/utf8_chars.h"

namespace zek::table {

namespace {

constexpr int kNarrowestRef = 8;        // characters
constexpr double kRefCharacter = 0.8;   // table heights per REF character
constexpr double kRowPitch = 2.2;       // table heights from row to row
constexpr double kBaseline = 0.6;       // the header's baseline above P
constexpr double kNotesBaseline = 1.6;  // "NOTES:" below P

constexpr TextJustification kRight = TextJustification::Right;
constexpr TextJustification kLeft = TextJustification::Left;

// Column x of the six-column table, from P.x, in heights.
struct SixColumns {
  static constexpr double c1 = 2.2, c2 = c1 + 3.4, c3 = c2 + 5.4, c4 = c3 + 3.4;
  static constexpr double spHeader = c4 + 3.4, spRow = c4 + 3.0, ref = c1 + 16.0;
  static constexpr double rulings[] = {0.0, 2.4, 5.8, 11.2, 14.6, 18.0};
  static constexpr double fixedWidth = 18.0;
};

struct FourColumns {
  static constexpr double d1 = 3.0, d2 = d1 + 5.4;
  static constexpr double totalHeader = d2 + 3.4, totalRow = d2 + 3.0, ref = d1 + 9.2;
  static constexpr double rulings[] = {0.0, 3.2, 8.6, 12.0};
  static constexpr double fixedWidth = 12.2;
};

struct NotesList {
  static constexpr double rest = 3.5;
  static constexpr double fixedWidth = 10.5;
};

void add(std::vector<TableText>& texts, const AcGePoint2d& p, double h, double x, double y,
         std::string text, TextJustification justification) {
  if (text.empty())
    return;
  texts.push_back({AcGePoint2d(p.x + x * h, p.y + y * h), std::move(text), justification});
}

double rowBaseline(TableKind kind, int number) {
  return kind == TableKind::NotesList ? -kNotesBaseline - kRowPitch * number
                                      : kBaseline + kRowPitch * number;
}

}  // namespace

int tableWidthCharacters(const std::vector<TableRow>& rows) {
  int widest = kNarrowestRef;
  for (const TableRow& row : rows)
    widest = std::max(widest, static_cast<int>(utf8CharCount(row.ref)));
  return widest;
}

std::vector<TableText> headerTexts(TableKind kind, const AcGePoint2d& p, double h) {
  std::vector<TableText> texts;
  switch (kind) {
    case TableKind::SixColumns:
      add(texts, p, h, SixColumns::c1, kBaseline, "NO.", kRight);
      add(texts, p, h, SixColumns::c2, kBaseline, "C.N.", kRight);
      add(texts, p, h, SixColumns::c3, kBaseline, "DIA.%%C", kRight);
      add(texts, p, h, SixColumns::c4, kBaseline, "TTL.", kRight);
      add(texts, p, h, SixColumns::spHeader, kBaseline, "SP.%%C", kRight);
      add(texts, p, h, SixColumns::ref, kBaseline, "REF.", kLeft);
      break;
    case TableKind::FourColumns:
      add(texts, p, h, FourColumns::d1, kBaseline, "C.N.", kRight);
      add(texts, p, h, FourColumns::d2, kBaseline, "DIA.%%c", kRight);
      add(texts, p, h, FourColumns::totalHeader, kBaseline, "TTL.", kRight);
      add(texts, p, h, FourColumns::ref, kBaseline, "REF.", kLeft);
      break;
    case TableKind::NotesList:
      add(texts, p, h, 0.0, -kNotesBaseline, "NOTES:", kLeft);
      break;
  }
  return texts;
}

std::vector<TableText> rowTexts(TableKind kind, const AcGePoint2d& p, double h,
                                const TableRow& row) {
  std::vector<TableText> texts;
  const double y = rowBaseline(kind, row.number);
  const std::string total = std::to_string(row.total);
  switch (kind) {
    case TableKind::SixColumns:
      add(texts, p, h, SixColumns::c1, y, std::to_string(row.number), kRight);
      add(texts, p, h, SixColumns::c2, y, row.label, kRight);
      add(texts, p, h, SixColumns::c3, y, row.dia, kRight);
      add(texts, p, h, SixColumns::c4, y, total, kRight);
      add(texts, p, h, SixColumns::spRow, y, row.sp, kRight);
      add(texts, p, h, SixColumns::ref, y, row.ref, kLeft);
      break;
    case TableKind::FourColumns:
      add(texts, p, h, FourColumns::d1, y, row.label, kRight);
      add(texts, p, h, FourColumns::d2, y, row.dia, kRight);
      add(texts, p, h, FourColumns::totalRow, y, total, kRight);
      add(texts, p, h, FourColumns::ref, y, row.ref, kLeft);
      break;
    case TableKind::NotesList:
      add(texts, p, h, 0.0, y, row.label + ":", kLeft);
      add(texts, p, h, NotesList::rest, y, total + "-%%C" + row.dia + ", " + row.ref, kLeft);
      break;
  }
  return texts;
}

std::vector<TableLine> tableLines(TableKind kind, const AcGePoint2d& p, double h, int rowCount,
                                  int widthCharacters) {
  std::vector<TableLine> lines;
  const double refWidth = kRefCharacter * widthCharacters;
  auto horizontal = [&](double length, double y) {
    lines.push_back({AcGePoint2d(p.x, p.y + y * h), AcGePoint2d(p.x + length * h, p.y + y * h)});
  };
  auto vertical = [&](double x) {
    lines.push_back({AcGePoint2d(p.x + x * h, p.y),
                     AcGePoint2d(p.x + x * h, p.y + kRowPitch * (rowCount + 1) * h)});
  };
  switch (kind) {
    case TableKind::SixColumns:
    case TableKind::FourColumns: {
      const bool six = kind == TableKind::SixColumns;
      const double width = (six ? SixColumns::fixedWidth : FourColumns::fixedWidth) + refWidth;
      for (int j = 0; j <= rowCount + 1; ++j)
        horizontal(width, kRowPitch * j);
      if (six)
        for (const double x : SixColumns::rulings)
          vertical(x);
      else
        for (const double x : FourColumns::rulings)
          vertical(x);
      vertical(width);
      break;
    }
    case TableKind::NotesList:
      for (int j = 1; j <= rowCount + 1; ++j)
        horizontal(NotesList::fixedWidth + refWidth, -kRowPitch * j);
      break;
  }
  return lines;
}

}  // namespace zek::table
