// The comparison behind the corpus test: the primitives a file's own *D
// block holds, read back from the drawing, against the geometry the host
// makes for the same dimension. Lines match end by end (within 0.02 ×
// DIMSCALE, or half a text height where an end sits at the text), solids
// and arrow blocks corner by corner, the text by its string and position.
#pragma once

#include <string>
#include <vector>

#include "db/dimblocks/dim_geometry.h"
#include "db_core.h"

class AcDbDimension;

namespace zek::test {

// What a block holds, in world coordinates of the XY plane.
struct FileBlock {
  std::vector<DimLine> lines;
  std::vector<DimSolid> solids;
  std::vector<DimArrowBlock> arrows;
  std::vector<DimText> texts;  // MTEXT, or TEXT (R12) given by its box middle
  bool plainTexts = false;     // TEXT: no MTEXT codes to compare
  std::vector<AcGePoint2d> points;
  int others = 0;  // entities of other kinds (HATCH arrow heads, ...)
};

// The entities of a block; an INSERT of an anonymous "*U" block (how R12
// files hold a dimension's text) is looked into.
[[nodiscard]] FileBlock readFileBlock(AcDbObjectId block);

struct Tolerances {
  double tight = 0.02;  // 0.02 × DIMSCALE
  double loose = 1.25;  // half a text height
};

// "" when the geometry shows what the file's block shows, else why not.
[[nodiscard]] std::string compareWithFile(const DimGeometry& made, const FileBlock& file,
                                          const Tolerances& tolerances);

}  // namespace zek::test
