// Building the layer code table from zeklayer0.dat and answering from it.
#include "layers/layer_code_table.h"

#include <climits>

#include "layers/layer_digits.h"

namespace zek::inline foundation {

LayerCodeTable LayerCodeTable::fromText(std::string_view text, int maxRecords) {
  LayerCodeTable table;
  TokenReader reader(text);
  if (!findSection(reader, kLayersHeader))
    return table;
  // Among the records a ";" token is data like any other: comments belong
  // before the header only.
  for (int records = 0; records < maxRecords && !reader.atEnd(); ++records) {
    const std::optional<std::vector<ScannedValue>> record = scanRecord(reader, "%s %i");
    if (!record)
      continue;  // a code that is no C integer: the record is not entered
    const long code = std::get<long>((*record)[1]);
    if (code < INT_MIN || code > INT_MAX)
      continue;
    table.enter(std::get<std::string>((*record)[0]), static_cast<int>(code));
  }
  return table;
}

LayerCodeTable LayerCodeTable::load(const char* fileName) {
  const std::optional<DefinitionText> file = openDefinitionFile(fileName);
  return file ? fromText(file->text) : LayerCodeTable();
}

void LayerCodeTable::enter(std::string_view name, int code) {
  codeOfName_.emplace(std::string(name), code);  // an existing name keeps its first code
  nameOfCode_.emplace(code, std::string(name));  // an existing code keeps its first name
}

std::optional<int> LayerCodeTable::layerCodeOf(std::string_view name) const {
  const auto found = codeOfName_.find(name);
  if (found == codeOfName_.end())
    return std::nullopt;
  return found->second;
}

std::optional<std::string> LayerCodeTable::layerNameOf(int code) const {
  const auto found = nameOfCode_.find(code);
  if (found == nameOfCode_.end())
    return std::nullopt;
  return found->second;
}

int LayerCodeTable::assignLayerCode(std::string_view name) {
  if (const std::optional<int> code = layerCodeOf(name))
    return *code;
  const int code = counter_;
  codeOfName_.emplace(std::string(name), code);
  counter_ += kNewLayerCodeStep;
  if (counter_ > kLastNewLayerCodeBound)
    counter_ = kFirstNewLayerCode;
  return code;
}

bool LayerCodeTable::layerHasTensDigitOne(std::string_view name) const {
  const std::optional<int> code = layerCodeOf(name);
  return code && tensDigitOf(*code) == 1;
}

}  // namespace zek::inline foundation
