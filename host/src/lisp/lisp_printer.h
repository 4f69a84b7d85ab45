// AutoLISP's printed form of values handed back through the bridge: what the
// command line echoes after a call ("nil", "(231.49 0.01 0.0)", "<Selection
// set: 2>").
#pragma once

#include <string>

#include "ads.h"

namespace zek {

// A real as AutoLISP prints it: up to 6 significant digits and at least one
// decimal ("0.0", "231.49", "1.0e+15", "1.23457e+06").
std::string lispRealText(double value);
// A text quoted, with AutoLISP's escapes (\" \\ \n \t \r \e, \nnn for other
// control characters).
std::string lispQuotedText(const char* text);
// The values of a list one after the other, separated by blanks; RTLB ...
// RTLE and RTLB ... RTDOTE print as lists and dotted pairs, an item typed by
// a DXF group code as its pair ("(8 . \"0\")", "(10 1.0 2.0 0.0)"). A
// damaged list (an RTLE too many, an RTLB never closed) prints as far as it
// makes sense and never fails.
std::string lispValuesText(const resbuf* values);
// The list of the items: "(" values ")", or "nil" when none prints.
std::string lispListText(const resbuf* items);

// The number a selection set's name shows as ("<Selection set: 2>").
std::int64_t selectionSetNumber(const std::int64_t name[2]);

}  // namespace zek
