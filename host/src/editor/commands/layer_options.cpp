// -LAYER answers: name lists, colours, lineweights, names.
#include "editor/commands/layer_options.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "aced_select.h"
#include "ads.h"
#include "editor/prompts/answer_parsing.h"

namespace zek {

bool layerInNameList(std::string_view layerName, std::string_view nameList) {
  const std::string name(layerName);
  const std::string list(trimmedAnswer(nameList));
  return acutWcMatch(name.c_str(), list.c_str()) == RTNORM;
}

namespace {
struct NamedColour {
  const char* name;
  int number;
};
constexpr NamedColour kNamedColours[] = {{"red", 1},  {"yellow", 2},  {"green", 3}, {"cyan", 4},
                                         {"blue", 5}, {"magenta", 6}, {"white", 7}};
}  // namespace

std::optional<int> colourOfAnswer(std::string_view answer) {
  answer = trimmedAnswer(answer);
  if (auto number = parseIntegerAnswer(answer)) {
    if (*number >= 1 && *number <= 255)
      return static_cast<int>(*number);
    return std::nullopt;
  }
  for (const NamedColour& colour : kNamedColours) {
    if (equalsNoCase(answer, colour.name))
      return colour.number;
  }
  return std::nullopt;
}

std::string colourText(int colour) {
  for (const NamedColour& named : kNamedColours) {
    if (named.number == colour)
      return std::to_string(colour) + " (" + named.name + ")";
  }
  return std::to_string(colour);
}

std::optional<int> lineweightOfAnswer(std::string_view answer) {
  answer = trimmedAnswer(answer);
  if (answer.size() > 2 && equalsNoCase(answer.substr(answer.size() - 2), "mm"))
    answer = trimmedAnswer(answer.substr(0, answer.size() - 2));
  auto millimetres = parseRealAnswer(answer);
  if (!millimetres || *millimetres < 0.0 || *millimetres > 2.11 + 1e-9)
    return std::nullopt;
  static constexpr int kWeights[] = {0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                     53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  const double hundredths = *millimetres * 100.0;
  int best = kWeights[0];
  for (int weight : kWeights) {
    if (std::fabs(weight - hundredths) < std::fabs(best - hundredths))
      best = weight;
  }
  return best;
}

bool isValidLayerName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name.back() == ' ')
    return false;
  return name.find_first_of("<>/\\\":;?*|,=`") == std::string_view::npos;
}

}  // namespace zek
