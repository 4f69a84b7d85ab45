// ZEKXY7's sign strings and override texts.
#include "editing/sign_texts.h"

namespace zek::adxy1 {
namespace {

// Whether a byte continues a UTF-8 character begun before it.
bool isContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string storedSign(std::string_view answer) {
  std::size_t characters = 0;
  std::size_t end = 0;
  while (end < answer.size()) {
    if (!isContinuationByte(answer[end])) {
      if (characters == kSignLength)
        break;
      ++characters;
    }
    ++end;
  }
  return std::string(answer.substr(0, end));
}

bool isNoSign(std::string_view sign) {
  return !sign.empty() && sign.front() == '.';
}

std::string signedText(std::string_view sign) {
  if (isNoSign(sign))
    return "<>";
  return std::string(sign) + "<>";
}

SignedTexts signedTexts(const SignStrings& signs) {
  return SignedTexts{signedText(signs.plus), signedText(signs.minus)};
}

std::string rebasedText(bool addSigns, const SignedTexts& texts, bool measuresX,
                        const AcGePoint2d& basePoint, const AcGePoint3d& definingPoint) {
  if (!addSigns)
    return "<>";
  const double zero = measuresX ? basePoint.x : basePoint.y;
  const double feature = measuresX ? definingPoint.x : definingPoint.y;
  return zero <= feature ? texts.plus : texts.minus;
}

}  // namespace zek::adxy1
