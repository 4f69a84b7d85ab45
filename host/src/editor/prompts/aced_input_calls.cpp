// The input calls of the plug-in interface: acedInitGet, acedGetPoint ...
// acedGetInput, each one request to the prompt loop.
#include "aced_input.h"

#include <cstring>

#include "editor/prompts/prompt_reader.h"

using zek::PromptRequest;
using zek::PromptValue;
using zek::ValueKind;

namespace {

// The size the classic calls without a size assume for the caller's buffer.
constexpr std::size_t kClassicBufferSize = 133;

PromptRequest requestOf(ValueKind kind, const char* prompt) {
  PromptRequest request;
  request.kind = kind;
  request.prompt = prompt ? prompt : "";
  request.options = zek::takeInputOptions();
  return request;
}

void copyPoint(const AcGePoint3d& point, ads_point result) {
  result[0] = point.x;
  result[1] = point.y;
  result[2] = point.z;
}

// Point, corner: RTNORM fills the result; keywords leave it alone.
int getPointKind(ValueKind kind, const ads_point pt, const char* prompt, ads_point result) {
  PromptRequest request = requestOf(kind, prompt);
  if (result == nullptr)
    return RTERROR;
  if (pt != nullptr)
    request.base = asPnt3d(pt);
  PromptValue value;
  const int answer = zek::readPrompt(request, value);
  if (answer == RTNORM)
    copyPoint(value.point, result);
  return answer;
}

int getNumberKind(ValueKind kind, const ads_point pt, const char* prompt, ads_real* result) {
  PromptRequest request = requestOf(kind, prompt);
  if (result == nullptr)
    return RTERROR;
  if (pt != nullptr)
    request.base = asPnt3d(pt);
  PromptValue value;
  const int answer = zek::readPrompt(request, value);
  if (answer == RTNORM)
    *result = value.number;
  return answer;
}

}  // namespace

int acedInitGet(int val, const char* kwl) {
  zek::InputOptions options;
  options.flags = val;
  if (kwl != nullptr)
    options.keywords = zek::KeywordList(kwl);
  zek::promptState().pending = std::move(options);
  return RTNORM;
}

int acedGetPoint(const ads_point pt, const char* prompt, ads_point result) {
  return getPointKind(ValueKind::Point, pt, prompt, result);
}

int acedGetCorner(const ads_point pt, const char* prompt, ads_point result) {
  if (pt == nullptr) {
    zek::takeInputOptions();
    return RTERROR;
  }
  return getPointKind(ValueKind::Corner, pt, prompt, result);
}

int acedGetDist(const ads_point pt, const char* prompt, ads_real* result) {
  return getNumberKind(ValueKind::Distance, pt, prompt, result);
}

int acedGetAngle(const ads_point pt, const char* prompt, ads_real* result) {
  return getNumberKind(ValueKind::Angle, pt, prompt, result);
}

int acedGetOrient(const ads_point pt, const char* prompt, ads_real* result) {
  return getNumberKind(ValueKind::Angle, pt, prompt, result);
}

int acedGetReal(const char* prompt, ads_real* result) {
  return getNumberKind(ValueKind::Real, nullptr, prompt, result);
}

int acedGetInt(const char* prompt, int* result) {
  PromptRequest request = requestOf(ValueKind::Integer, prompt);
  if (result == nullptr)
    return RTERROR;
  PromptValue value;
  const int answer = zek::readPrompt(request, value);
  if (answer == RTNORM)
    *result = static_cast<int>(value.integer);
  return answer;
}

int acedGetString(int cronly, const char* prompt, char* result, std::size_t bufsize) {
  PromptRequest request = requestOf(ValueKind::String, prompt);
  if (result == nullptr || bufsize == 0)
    return RTERROR;
  request.cronly = cronly != 0;
  PromptValue value;
  const int answer = zek::readPrompt(request, value);
  if (answer != RTNORM) {
    result[0] = '\0';
    return answer;
  }
  return zek::copyToBuffer(value.text, result, bufsize);
}

int acedGetString(int cronly, const char* prompt, char* result) {
  return acedGetString(cronly, prompt, result, kClassicBufferSize);
}

int acedGetKword(const char* prompt, char* result, std::size_t bufsize) {
  PromptRequest request = requestOf(ValueKind::Keyword, prompt);
  if (result == nullptr || bufsize == 0)
    return RTERROR;
  PromptValue value;
  const int answer = zek::readPrompt(request, value);
  if (answer != RTNORM) {
    result[0] = '\0';
    return answer;
  }
  return zek::copyToBuffer(value.text, result, bufsize);
}

int acedGetKword(const char* prompt, char* result) {
  return acedGetKword(prompt, result, kClassicBufferSize);
}

int acedGetInput(char* str, std::size_t bufsize) {
  if (str == nullptr || bufsize == 0)
    return RTERROR;
  return zek::copyToBuffer(zek::promptState().lastInput, str, bufsize);
}

int acedGetInput(char* str) { return acedGetInput(str, kClassicBufferSize); }
