// Where the texts and lines of a hole table go: the six-column table, the
// four-column table and the notes list, laid out from the base point P in
// table text heights h. Pure geometry, so every position can be checked
// without a drawing.
#pragma once

#include <string>
#include <vector>

#include "ge_point.h"
#include "rows/row_texts.h"

namespace zek::table {

enum class TextJustification { Left, Right };

struct TableText {
  AcGePoint2d at;  // position and alignment point alike
  std::string text;
  TextJustification justification = TextJustification::Left;
};

struct TableLine {
  AcGePoint2d from;
  AcGePoint2d to;
};

// The texts of one drawn row, as the table shows them.
struct TableRow {
  int number = 0;  // 1, 2, ... in the order of the label runs
  std::string label;
  std::string dia;
  int total = 0;
  std::string sp;
  std::string ref;
};

// The longest REF text counted for the width: at least 8 characters.
[[nodiscard]] int tableWidthCharacters(const std::vector<TableRow>& rows);

// The header texts of the tables (the notes list's "NOTES:").
[[nodiscard]] std::vector<TableText> headerTexts(TableKind kind, const AcGePoint2d& p, double h);

// The texts of one row; empty texts are left out.
[[nodiscard]] std::vector<TableText> rowTexts(TableKind kind, const AcGePoint2d& p, double h,
                                              const TableRow& row);

// The lines of a table of the rows drawn, its width from the longest REF text.
[[nodiscard]] std::vector<TableLine> tableLines(TableKind kind, const AcGePoint2d& p, double h,
                                                int rowCount, int widthCharacters);

}  // namespace zek::table
