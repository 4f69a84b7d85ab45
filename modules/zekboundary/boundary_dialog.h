// The ZEKBDYS dialog (resource 101, "zekboundary"): the four corner boxes at
// the corners of a drawn plate frame, the offset box under "OFFSET", and the
// buttons OK, Cancel, "ZEKBDY" and "变尖角".
#pragma once

#include "acui_dialog.h"
#include "boundary_settings.h"

namespace zek {

// Control ids of the dialog.
namespace bdyids {
inline constexpr int kDialog = 101;
inline constexpr int kTopLeft = 1001;      // corner 4
inline constexpr int kTopRight = 1002;     // corner 3
inline constexpr int kBottomRight = 1003;  // corner 2
inline constexpr int kBottomLeft = 1004;   // corner 1
inline constexpr int kOffset = 1005;
inline constexpr int kRunBoundary = 1006;  // "ZEKBDY"
inline constexpr int kSharpCorners = 1007;  // "变尖角"
}  // namespace bdyids

// The dialog over the module's settings: it shows them when it opens and
// stores the boxes on OK and on "ZEKBDY" (the dialog then ends with 1006);
// "变尖角" makes the four corners sharp at once and stays open. Cancel
// stores nothing.
class BoundaryDialog : public CAcUiDialog {
public:
  explicit BoundaryDialog(BoundarySettings& settings);

protected:
  bool OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnRunBoundary();
  afx_msg void OnSharpCorners();

private:
  // Reads the five boxes into the settings; a value out of range leaves its
  // setting as it was.
  void storeBoxes();

  BoundarySettings& settings_;

  DECLARE_MESSAGE_MAP()
};

}  // namespace zek
