// The interface calls of system variables and of distance and angle texts.
#include "aced_vars.h"

#include <cstring>
#include <optional>
#include <string>

#include "db/header_variables.h"
#include "db_database.h"
#include "editor/document.h"
#include "editor/vars/real_text.h"
#include "editor/vars/sysvars.h"

namespace {

// DIMZIN of the current drawing (its dimension variables, else its header).
int currentDimzin() {
  short dimzin = zek::sysvarShort("DIMZIN", -1);
  if (dimzin >= 0)
    return dimzin;
  zek::Document* doc = zek::currentDocument();
  if (doc == nullptr)
    return 0;
  return static_cast<int>(doc->database()->header().integer("$DIMZIN").value_or(0));
}

// Copies a text into the caller's buffer of kZekRealTextSize chars.
int answerText(const std::optional<std::string>& text, char* str) {
  if (!text || text->size() >= static_cast<std::size_t>(kZekRealTextSize)) {
    str[0] = '\0';
    return RTERROR;
  }
  std::memcpy(str, text->c_str(), text->size() + 1);
  return RTNORM;
}

}  // namespace

int acedGetVar(const char* sym, resbuf* result) {
  if (sym == nullptr || result == nullptr)
    return RTERROR;
  return zek::getSysvar(sym, *result);
}

int acedSetVar(const char* sym, const resbuf* value) {
  if (sym == nullptr || value == nullptr)
    return RTERROR;
  return zek::setSysvar(sym, *value);
}

int acdbRToS(ads_real val, int unit, int prec, char* str) {
  if (str == nullptr)
    return RTERROR;
  if (unit == -1)
    unit = zek::sysvarShort("LUNITS", 2);
  if (prec == -1)
    prec = zek::sysvarShort("LUPREC", 4);
  return answerText(zek::distanceText(val, unit, prec, currentDimzin()), str);
}

int acdbAngToS(ads_real val, int unit, int prec, char* str) {
  if (str == nullptr)
    return RTERROR;
  if (unit == -1)
    unit = zek::sysvarShort("AUNITS", 0);
  if (prec == -1)
    prec = zek::sysvarShort("AUPREC", 0);
  return answerText(zek::angleText(val, unit, prec, currentDimzin()), str);
}

int acdbDisToF(const char* str, int unit, ads_real* value) {
  if (str == nullptr || value == nullptr)
    return RTERROR;
  if (unit == -1)
    unit = zek::sysvarShort("LUNITS", 2);
  std::optional<double> read = zek::distanceFromText(str, unit);
  if (!read)
    return RTERROR;
  *value = *read;
  return RTNORM;
}

int acdbAngToF(const char* str, int unit, ads_real* value) {
  if (str == nullptr || value == nullptr)
    return RTERROR;
  if (unit == -1)
    unit = zek::sysvarShort("AUNITS", 0);
  std::optional<double> read = zek::angleFromText(str, unit);
  if (!read)
    return RTERROR;
  *value = *read;
  return RTNORM;
}
