// zek demo: the bundled sample plate opened, its statistics printed and the
// drawing written under out/demo/ (what `make demo` shows).
#pragma once

namespace zek {

// Answers the exit status: 0, or 1 when the sample cannot be read or the
// copy cannot be written (the message names the file and the reason).
int runDemo();

}  // namespace zek
