// zekleaderdcc.arx: the command ZEKDCC, which labels the 45-degree chamfers
// of an outline with "C" leaders, and the multiple it keeps while loaded.
#pragma once

namespace zek {

// ZEKDCC: select lines and polylines, find their chamfers and draw one
// LEADER per chamfer; Enter at the selection sets the multiple instead.
void labelChamfers();

// The multiple of the text height a leader runs out diagonally; back to
// kInitialMultiple at every load.
double& leaderMultiple();

}  // namespace zek
