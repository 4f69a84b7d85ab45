// ZEKXY7: re-base the selected ordinate dimensions on the stored zero point
// and give them plus/minus prefixes; with nothing selected, ask for the two
// sign strings instead.
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "editing/sign_texts.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"
#include "settings/ordinate_settings.h"

namespace zek::adxy1 {
namespace {

// Asks for one sign string; a typed answer replaces it (its first two
// characters). False on Esc, which ends the command.
bool askSign(const char* prompt, std::string& sign) {
  char answer[134] = "";
  const int got = acedGetString(0, prompt, answer, sizeof answer);
  if (got != RTNORM && got != RTINPUTTRUNCATED)
    return false;
  if (answer[0] != '\0')
    sign = storedSign(answer);
  return true;
}

void askSignStrings() {
  SignStrings& signs = signStrings();
  if (askSign("\nPlus sign: ", signs.plus))
    (void)askSign("\nMinus sign: ", signs.minus);
}

}  // namespace

SignStrings& signStrings() {
  static SignStrings signs;
  return signs;
}

void rebaseDimensions() {
  SelectionSet selected;
  const int chosen = selectDimensions(selected, nullptr);
  if (chosen == RTCAN)
    return;
  if (chosen != RTNORM) {
    askSignStrings();
    return;
  }
  const OrdinateSettings& settings = ordinateSettings();
  const SignedTexts texts = signedTexts(signStrings());
  const AcGePoint3d origin(settings.basePoint.x, settings.basePoint.y, 0.0);
  for (AcDbObjectId id : selected.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (!writable(entity))
      return;  // the dimensions before this one stay changed; the set is freed on the way out
    auto* dimension = entity.as<AcDbOrdinateDimension>();
    if (dimension == nullptr)
      continue;
    (void)dimension->setOrigin(origin);
    const std::string text = rebasedText(settings.addSigns, texts, dimension->isUsingXAxis(),
                                         settings.basePoint, dimension->definingPoint());
    (void)dimension->setDimensionText(text.c_str());
  }
}

}  // namespace zek::adxy1
