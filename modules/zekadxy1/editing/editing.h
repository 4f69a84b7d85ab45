// The commands that tidy ordinate dimensions after a placement run.
#pragma once

#include <string>

namespace zek::adxy1 {

// The sign strings of ZEKXY7 (at most two characters each; "." stands for
// no sign), kept from load to unload.
struct SignStrings {
  std::string plus = ".";
  std::string minus = "-";
};
SignStrings& signStrings();

void moveDimensionTexts();        // ZEKDA
void moveTextsToPoint();          // ZEKDA1
void moveTextsKeepingAcross();    // ZEKDA2
void attachDimensionToCentre();   // ZEKDAF
void moveDimensionFeature();      // ZEKDAV
void spreadCrowdedTexts();        // ZEKDA3
void rebaseDimensions();          // ZEKXY7
void resetDimensionTexts();       // ZEKXY8

}  // namespace zek::adxy1
