// ZEKXY7's texts: the sign strings a drafter types, the override texts they
// make, and which one a re-based dimension gets. No host calls.
#pragma once

#include <string>
#include <string_view>

#include "editing/editing.h"
#include "ge_point.h"

namespace zek::adxy1 {

// A sign string holds at most this many characters.
inline constexpr std::size_t kSignLength = 2;

// The first kSignLength characters of a typed sign. Characters, not bytes:
// a sign of two wide characters (UTF-8) is kept whole and never cut inside
// a character.
std::string storedSign(std::string_view answer);

// Whether a sign string stands for no sign (its first character a full stop).
bool isNoSign(std::string_view sign);

// The override text of a sign: the sign followed by "<>" (which the host
// shows as the measured value), or just "<>" for no sign.
std::string signedText(std::string_view sign);

// The two override texts ZEKXY7 gives.
struct SignedTexts {
  std::string plus;
  std::string minus;
};
SignedTexts signedTexts(const SignStrings& signs);

// The text of one re-based dimension: "<>" without signs; with signs, the
// plus text when the zero point's coordinate along the measured axis is not
// beyond the feature's (basePoint.x <= the defining point's x when measuring
// X, the y values when measuring Y), the minus text otherwise.
std::string rebasedText(bool addSigns, const SignedTexts& texts, bool measuresX,
                        const AcGePoint2d& basePoint, const AcGePoint3d& definingPoint);

}  // namespace zek::adxy1
