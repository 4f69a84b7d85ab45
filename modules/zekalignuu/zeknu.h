// The commands of zekalignuu: ZEKNU (the dialog, then the alignment) and
// ZEKNUU (the alignment again with the remembered choice).
#pragma once

namespace zek {

// ZEKNU: the dialog with the remembered codes and offsets; OK keeps the new
// choice and aligns with it, Cancel changes nothing.
void chooseAndAlign();
// ZEKNUU: aligns with the remembered choice, without the dialog.
void alignAgain();

}  // namespace zek
