// The rules behind a row's texts, apart from the host's prompts and view: the
// decimal texts of the diameters, the note record of a row,
// and the note's questions asked through a pair of callbacks, so that the
// rules can be run without a drafter or a view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "rows/row_texts.h"

namespace zek::table {

// The host's real-to-text conversion in decimal units with that many
// decimals (DIMZIN applies, so the table commands set it to 0 first); empty
// when the host refuses the conversion.
[[nodiscard]] std::string decimalText(double value, int decimals);

// The note record of a code (labelCode of the label) on a layer for a
// diameter, looked up as (code, layer, diameterKey), (code, layer, 0), (code,
// "**", diameterKey), (code, "**", 0); null when none of them is there.
[[nodiscard]] const HoleNoteRecord* findNoteRecord(const HoleNoteTable& notes,
                                                   std::string_view code,
                                                   std::string_view layerName, double diameter);

// How a note asks: ask shows a prompt and gives the answer, nothing when the
// drafter cancelled; showLabel brings the row's label into view. showLabel
// runs once per row, before the first question asked.
struct NotePrompts {
  std::function<std::optional<std::string>(const std::string& prompt)> ask;
  std::function<void()> showLabel;
};

// The REF text of a row, asking through prompts; see noteText.
[[nodiscard]] std::string noteTextWith(const HoleTables& tables, const RowSource& row,
                                       const DiameterTexts& texts, const NotePrompts& prompts);

// Asks the drafter for a text on the command line (the whole line, blanks
// included); nothing for every answer but a normal one (Esc, a failed or cut
// input).
[[nodiscard]] std::optional<std::string> askHostString(const std::string& prompt);

}  // namespace zek::table
