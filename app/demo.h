// zek demo: the bundled sample plate's statistics, then a copy of it in
// out/demo/ worked on by every module through data/demo/demo.scr, saved, and
// drawn as PNG and SVG beside its transcript (what `make demo` shows).
#pragma once

namespace zek {

// Answers the exit status: 0, or 1 when the sample cannot be read or the
// copy cannot be written (the message names the file and the reason).
int runDemo();

}  // namespace zek
