// Reading zekadxy1.dat, and the settings a module load starts from.
#include "settings/settings_file.h"

#include <optional>
#include <string>

#include "deffiles/definition_file.h"

namespace zek::adxy1 {

namespace {

// The first four characters name a word ("NAME=CENTER", "COLOR=07"); what
// it holds starts after "NAME=" (the sixth character) or "COLOR=" (the
// seventh).
constexpr std::string_view kNameWord = "NAME";
constexpr std::size_t kNameValueAt = 5;
constexpr std::string_view kColourWord = "COLO";
constexpr std::size_t kColourValueAt = 6;

bool namesWord(std::string_view word, std::string_view name) {
  return word.substr(0, name.size()) == name;
}

}  // namespace

void readLineNameSection(std::string_view text, OrdinateSettings& settings) {
  TokenReader reader(text);
  if (!findSection(reader, kLineNameHeader))
    return;  // no section: the defaults stay, without a message
  for (int examined = 0; examined < kLineNameWordLimit; ++examined) {
    const std::optional<std::string_view> word = reader.nextToken();
    if (!word || beginsSection(*word))
      break;  // the end of the file, or the next section
    // "COLOR=7" is too short: a colour needs two digits ("COLOR=07").
    if (isCommentToken(*word) || word->size() < kShortestLineNameWord)
      continue;
    if (namesWord(*word, kNameWord)) {
      settings.centreLinetype = std::string(word->substr(kNameValueAt));
    } else if (namesWord(*word, kColourWord)) {
      const std::optional<long> colour = scanDecimalInt(word->substr(kColourValueAt));
      if (colour && isCentreColour(*colour))
        settings.centreColour = static_cast<int>(*colour);
    }
  }
}

void loadOrdinateSettingsFile(OrdinateSettings& settings) {
  // openDefinitionFile prints the not-found and not-open messages itself.
  if (const std::optional<DefinitionText> file = openDefinitionFile(kOrdinateSettingsFileName))
    readLineNameSection(file->text, settings);
}

void loadOrdinateSettings() {
  ordinateSettings() = OrdinateSettings{};
  loadOrdinateSettingsFile(ordinateSettings());
  ordinateLayerCodes() = LayerCodeTable::load();
}

}  // namespace zek::adxy1
