// The texts of one hole-table row: the diameter text (DIA), the size-class
// text (SP, six-column table only), the diameter the row finally carries and
// the machining note (REF).
#pragma once

#include <string>
#include <string_view>

#include "holes/hole_model.h"
#include "holes/label_zoom.h"
#include "tables/hole_tables.h"

namespace zek::table {

// The three drawings a run makes: the six-column table (ZEKTABLE1 and
// ZEKTABLE2), the four-column table (ZEKTABLE3) and the notes list
// (ZEKTABLE4). The last two share their diameter rules.
enum class TableKind { SixColumns, FourColumns, NotesList };

// One label run ready for its row: its label text, how many labels it has,
// the hole the labels matched (none when picked by hand) and what the match
// or the pick gave.
struct RowSource {
  std::string labelText;
  int total = 0;
  const HoleRecord* hole = nullptr;  // the first hole taken for the run
  double radius = 0;
  std::string layerName;
  bool continuous = false;
  AcGePoint3d zoomPoint;  // the insertion point of the run's last label
};

struct DiameterTexts {
  std::string dia;
  std::string sp;           // SixColumns only
  double diameter = 0;      // D, after the rules' replacements
  bool continuous = false;  // the row's flag, possibly replaced by the rules
  bool depthRequest = false;
};

// The DIA and SP texts and D of a row (prints "\nPCK1 AND PCK2 INVALID" where
// a pair lacks its link). Real texts use the host's real-to-text conversion
// in decimal units, so the caller sets DIMZIN to 0 first.
[[nodiscard]] DiameterTexts diameterTexts(const HoleTables& tables, TableKind kind,
                                          const RowSource& row);

// The REF text of a row: the note record of its code, layer and diameter,
// with the prompts the record asks (zooming to the row's last label first,
// which view records).
[[nodiscard]] std::string noteText(const HoleTables& tables, const RowSource& row,
                                   const DiameterTexts& texts, RunView& view);

// A case template expanded: "@" a blank, "#S" the answer, "#F" "%%C" and the
// diameter with one decimal; at most 49 characters.
[[nodiscard]] std::string expandTemplate(std::string_view caseText, std::string_view answer,
                                         double diameter);

}  // namespace zek::table
