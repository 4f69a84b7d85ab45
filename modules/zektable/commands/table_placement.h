// Where ZEKTABLE1 puts its table without asking: the placement settings the
// ZEKTABLE1S dialog "ZEKTABLE1" (resource 101) sets, kept in module memory.
#pragma once

namespace zek::table {

enum TableCorner : int { kLowerLeft = 0, kBottomMiddle = 1, kLowerRight = 2 };

struct TablePlacement {
  bool automatic = true;      // place the table without asking for a point
  int corner = kLowerRight;   // of the drawing region
  double xMultiple = 9.0;     // offset of the base point from the corner, in table heights
  double yMultiple = 0.0;
};

// The module's settings (the initial values from load to unload).
TablePlacement& tablePlacement();

namespace tableids {
inline constexpr int kDialog = 101;
inline constexpr int kAutomatic = 1001;  // check box "自动放置表格"
inline constexpr int kCorner = 1002;     // drop-down list of the three corners
inline constexpr int kXMultiple = 1003;  // edit
inline constexpr int kYMultiple = 1004;  // edit
}  // namespace tableids

// The corner texts in the order of their values.
inline constexpr const char* kCornerTexts[] = {"左下角", "下边中间", "右下角"};

// The values the dialog's OK stores from what its controls show: the corner
// stays when no item is selected; an edit that is no number reads as 0.
struct PlacementEntries {
  bool automatic = false;
  int cornerIndex = -1;
  const char* xText = "";
  const char* yText = "";
};
void takePlacementEntries(const PlacementEntries& entries, TablePlacement& placement);

// Shows the dialog modal with the host's main window as parent; true when
// the drafter closed it with OK.
bool showTablePlacementDialog();

}  // namespace zek::table
