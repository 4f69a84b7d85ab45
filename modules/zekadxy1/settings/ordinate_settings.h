// The settings that steer the ordinate dimensions of a plate: one record per
// loaded module, shared by every open drawing, starting from the defaults at
// every load and never saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ge_point.h"
#include "layers/layer_code_table.h"

namespace zek::adxy1 {

// How the zero point of a run is found (the combo texts of the dialog, in
// index order).
enum ZeroMode : int {
  kFixedPoint = 0,      // "固定位置": basePoint as stored
  kTopLeft = 1,         // "左上角"
  kTopMiddle = 2,       // "上边中间"
  kTopRight = 3,        // "右上角"
  kRightMiddle = 4,     // "右边中间"
  kBottomRight = 5,     // "右下角"
  kBottomMiddle = 6,    // "下边中间"
  kBottomLeft = 7,      // "左下角"
  kLeftMiddle = 8,      // "左边中间"
  kPlateCentre = 9,     // "模板中间"
  kNearestPoint = 10,   // "依最近点": the one of modes 1..8 nearest a picked point
};
inline constexpr int kZeroModeCount = 11;

struct OrdinateSettings {
  int zeroMode = kBottomLeft;
  AcGePoint2d basePoint{0.0, 0.0};  // world; every run stores the zero point it used
  double leaderFactor = 20.0;       // longest leader, in text heights
  double outsideFactor = 10.0;      // distance of texts moved outside, in text heights
  double centreGap = 50.0;          // centre-line break interval
  int millingDecimals = 2;
  int wireCutDecimals = 2;
  bool centreLines = true;
  int centreColour = 136;           // colour of a newly created centre-line layer
  bool addSigns = false;
  std::string centreLinetype;       // from zekadxy1.dat; empty: CONTINUOUS
};

// The module's one record.
OrdinateSettings& ordinateSettings();

// The layer code table of zeklayer0.dat, built at load (empty when the file
// is missing).
LayerCodeTable& ordinateLayerCodes();

// At module load: the defaults, then zekadxy1.dat, then zeklayer0.dat.
void loadOrdinateSettings();

// The dialog's accept rules. A value is taken only when it lies strictly
// inside its bounds; a text is read with the C atof rule (a leading number,
// the rest ignored) and the colour with the atoi rule. None leaves the
// setting as it was, without a message.
// Leader factor 9.9 < v < 1000.1, outside factor 5.0 < v < 1000.1, centre-line
// gap 0.01 < v < 100000, colour 0 < c < 255.
[[nodiscard]] std::optional<double> acceptedLeaderFactor(std::string_view text);
[[nodiscard]] std::optional<double> acceptedOutsideFactor(std::string_view text);
[[nodiscard]] std::optional<double> acceptedCentreGap(std::string_view text);
[[nodiscard]] std::optional<int> acceptedCentreColour(std::string_view text);
// A colour index a new centre-line layer may get (the dialog's and
// zekadxy1.dat's rule): 0 < c < 255.
[[nodiscard]] bool isCentreColour(long colour);
// The drop-down lists: a zero-point mode 0..10, decimal places 0..4; none
// for anything else (a list with nothing selected answers -1).
[[nodiscard]] std::optional<int> acceptedZeroMode(int index);
[[nodiscard]] std::optional<int> acceptedDecimals(int index);

// What the dialog's controls hold when a button takes the values.
struct SettingsDialogEntries {
  int zeroModeIndex = -1;    // 1001
  int millingIndex = -1;     // 1004
  int wireCutIndex = -1;     // 1006
  std::string centreGap;     // 1002
  std::string leaderFactor;  // 1003
  std::string outsideFactor;  // 1005
  std::string centreColour;  // 1007
  bool centreLines = false;  // 1012
  bool addSigns = false;     // 1008
};

// Takes the entries into the settings in the dialog's order (milling and
// wire-cut decimals, zero mode, centre gap, leader factor, outside factor,
// colour, the two check boxes), each by its accept rule.
void takeDialogEntries(const SettingsDialogEntries& entries, OrdinateSettings& settings);

// The drawn bounds a zero point is taken from.
struct PlateBounds {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
};

}  // namespace zek::adxy1
