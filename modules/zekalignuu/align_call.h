// Calling ZEKALIGN of zekalign with the remembered choice, loading
// zekalign.arx first when the function is not there.
#pragma once

namespace zek {

// (ZEKALIGN from to dx dy) with the remembered choice. When the call fails
// and zekalign is not loaded, prints "\nload zekalign.arx", loads it and
// calls once more; when it cannot be loaded, prints
// "\nzekalign.arx not loaded".
void callAlignWithChoice();

}  // namespace zek
