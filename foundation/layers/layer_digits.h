// The decimal digits of a layer code that the modules read: the tens digit
// and the hundreds part (the layer's group), with C integer division, so a
// negative code has a negative tens digit and a negative hundreds part.
#pragma once

namespace zek::inline foundation {

// (code / 10) mod 10: 1012 gives 1, 1002 gives 0, -1012 gives -1.
constexpr int tensDigitOf(int code) { return code / 10 % 10; }

// (code / 100) × 100: 1275 gives 1200, -1275 gives -1200.
constexpr int hundredsPartOf(int code) { return code / 100 * 100; }

// The code of the layer at `offset` within code's group: the hundreds part
// plus the offset (a dimension layer is offset 20, a centre-line layer 30).
constexpr int groupCodeWithOffset(int code, int offset) { return hundredsPartOf(code) + offset; }

}  // namespace zek::inline foundation
