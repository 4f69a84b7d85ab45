// The ZEKBDYS dialog: the settings shown as "R"/"C" texts and read back.
#include "boundary_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "aced_arx.h"
#include "aced_vars.h"
#include "boundary_texts.h"

namespace zek {

namespace {

// The corner boxes and the corner each one shows, as the frame places them.
struct CornerBox {
  int id;
  std::size_t corner;
};
constexpr std::array<CornerBox, 4> kCornerBoxes{{
    {bdyids::kTopLeft, 3},
    {bdyids::kTopRight, 2},
    {bdyids::kBottomRight, 1},
    {bdyids::kBottomLeft, 0},
}};

// A value in decimal units with three places (the host's real-to-string
// service, zeros as DIMZIN says); "" when the host refuses it.
std::string decimalText(double value) {
  char text[kZekRealTextSize] = "";
  if (acdbRToS(value, 2, 3, text) != RTNORM)
    return "";
  return text;
}

// "R1.000" for a radius (or a sharp 0), "C0.500" for a chamfer of 0.5.
std::string cornerText(double value) {
  const char letter = cornerLetter(value);
  return letter + decimalText(letter == 'R' ? value : -value);
}

}  // namespace

BoundaryDialog::BoundaryDialog(BoundarySettings& settings)
    : CAcUiDialog(bdyids::kDialog, CWnd::FromHandle(adsw_acadMainWnd())), settings_(settings) {}

bool BoundaryDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  for (const CornerBox& box : kCornerBoxes)
    SetDlgItemText(box.id, cornerText(settings_.corners[box.corner]).c_str());
  SetDlgItemText(bdyids::kOffset, decimalText(settings_.offset).c_str());
  return true;
}

void BoundaryDialog::storeBoxes() {
  std::string text;
  for (const CornerBox& box : kCornerBoxes) {
    GetDlgItemText(box.id, text);
    if (const std::optional<double> value = cornerFromText(text))
      settings_.corners[box.corner] = *value;
  }
  GetDlgItemText(bdyids::kOffset, text);
  if (const std::optional<double> offset = offsetFromText(text))
    settings_.offset = *offset;
}

void BoundaryDialog::OnOK() {
  storeBoxes();
  CAcUiDialog::OnOK();
}

void BoundaryDialog::OnRunBoundary() {
  storeBoxes();
  EndDialog(bdyids::kRunBoundary);
}

void BoundaryDialog::OnSharpCorners() {
  for (const CornerBox& box : kCornerBoxes) {
    SetDlgItemText(box.id, "R0.0");
    settings_.corners[box.corner] = 0.0;
  }
}

BEGIN_MESSAGE_MAP(BoundaryDialog, CAcUiDialog)
  ON_BN_CLICKED(bdyids::kRunBoundary, OnRunBoundary)
  ON_BN_CLICKED(bdyids::kSharpCorners, OnSharpCorners)
END_MESSAGE_MAP()

}  // namespace zek
