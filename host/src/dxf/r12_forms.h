// The R12 forms of entities R12 cannot hold: a lightweight polyline becomes
// POLYLINE/VERTEX/SEQEND, an ellipse or spline a POLYLINE of chords (a
// circular ellipse an ARC or CIRCLE), an MTEXT one TEXT per line and a
// LEADER a POLYLINE of its vertices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/database_core.h"
#include "db_entity.h"
#include "dxf/dxf_out_filer.h"
#include "dxf/tag_sink.h"

namespace zek::dxf {

// Writes the R12 form of an entity R12 cannot hold, with the entity's
// layer, colour, linetype, linetype scale, visibility and paper-space flag
// on every part. The first part keeps the entity's handle and its XDATA;
// further parts (vertices, SEQEND, further TEXTs) take new handles reserved
// in the core. Tallies "N TYPE written as FORM for R12" in the notes (when
// given). False, with nothing written, for an entity without an R12 form
// (HATCH, 3DSOLID, ... or a curve that cannot be evaluated).
[[nodiscard]] bool writeR12Form(const AcDbEntity& entity, DatabaseCore& core, TagSink& sink,
                                DxfOutFiler& filer, std::vector<std::string>* notes);

// The new handles the R12 forms of every entity of the drawing take (all
// parts but the first): a file's $HANDSEED, written before the entities,
// must be nextHandle() plus this many for the handles the forms reserve
// while they are written.
[[nodiscard]] std::uint64_t r12FormHandleCount(DatabaseCore& core);

// Adds one to the note "N what" (or adds "1 what" when there is none).
void tallyNote(std::vector<std::string>& notes, const std::string& what);

}  // namespace zek::dxf
