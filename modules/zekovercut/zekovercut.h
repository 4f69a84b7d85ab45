// The commands of zekovercut.arx: ZEKGQ draws the corner overcut, ZEKGQS
// (local name ZEKQGS) sets its five values in a dialog.
#pragma once

namespace zek {

// ZEKGQ: the overcut at the corner of two selected lines, on the side of
// the picked inner point.
void drawCornerOvercut();

// ZEKGQS: the settings dialog (resource 101); its button 1006 then runs
// ZEKGQ.
void editOvercutSettings();

}  // namespace zek
