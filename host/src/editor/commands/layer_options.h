// The answers -LAYER takes, read without a drawing: name lists (wildcard
// patterns, comma lists, "~" for "all but"), colour names and numbers,
// lineweights in millimetres and valid layer names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zek {

// Whether a layer name is in a name list ("A,B*", "~A"), ignoring case, by
// the CAD wildcard rules.
bool layerInNameList(std::string_view layerName, std::string_view nameList);

// An ACI colour typed by number (1 to 255) or by name (red, yellow, green,
// cyan, blue, magenta, white; any case); nothing otherwise.
std::optional<int> colourOfAnswer(std::string_view answer);
// How the prompts name a colour: "1 (red)", "8".
std::string colourText(int colour);

// A lineweight typed in millimetres ("0.3", "0.30mm"), rounded to the
// nearest standard weight (in hundredths of a millimetre: 30); nothing for
// text that is no number or a weight outside 0 to 2.11 mm.
std::optional<int> lineweightOfAnswer(std::string_view answer);

// A name a layer may have: not empty, at most 255 characters, none of
// < > / \ " : ; ? * | , = ` and not ending in a blank.
bool isValidLayerName(std::string_view name);

}  // namespace zek
