// ZEKBDYS: the boundary settings dialog, and ZEKBDY run from its button.
#include "boundary_dialog.h"
#include "zekboundary.h"

namespace zek {

void editBoundarySettings() {
  BoundaryDialog dialog(boundarySettings());
  // OK and "ZEKBDY" have stored the boxes; Cancel stored nothing. A dialog
  // that could not open has said so.
  if (dialog.DoModal() == bdyids::kRunBoundary)
    drawPlateBoundary();
}

}  // namespace zek
