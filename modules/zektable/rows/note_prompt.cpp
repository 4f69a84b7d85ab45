// A row's note asked on the host's command line, the run's view zoomed to
// the row's last label before the first question.
#include "rows/row_texts.h"

#include "rows/row_rules.h"

namespace zek::table {

std::string noteText(const HoleTables& tables, const RowSource& row, const DiameterTexts& texts,
                     RunView& view) {
  const NotePrompts prompts{askHostString, [&] { zoomToLabel(row.zoomPoint, view); }};
  return noteTextWith(tables, row, texts, prompts);
}

}  // namespace zek::table
