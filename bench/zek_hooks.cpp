// The database side of the benchmark's zek modes: counting model-space
// entities, and checking that a drawing read back from our own output holds
// the very same doubles.
#include <string_view>

#include "zek_modes.h"
#include "db/database_core.h"
#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek {

std::size_t zekEntityCount(AcDbDatabase& db) {
  auto* model = peekObject<AcDbBlockTableRecord>(db.modelSpaceId());
  if (model == nullptr)
    return 0;
  std::size_t count = 0;
  for (AcDbObjectId id : model->entityIds())
    if (id.isValid() && !id.isErased())
      ++count;
  return count;
}

// Both drawings are written again: numbers are written as the shortest text
// that reads back to the same double, so equal texts mean equal doubles, bit
// for bit, and the first differing line names the value that changed.
std::optional<std::string> zekFirstDoubleDifference(AcDbDatabase& before, AcDbDatabase& after) {
  auto first = writeDxfString(before);
  auto second = writeDxfString(after);
  if (!first.ok() || !second.ok())
    return std::string("the drawings could not be written for comparison");
  // The handle seed may move on (the reader reserves handles for what it
  // adds); every other line must be equal.
  auto dropHandseed = [](std::string text) {
    std::size_t at = text.find("$HANDSEED\n");
    if (at != std::string::npos) {
      std::size_t valueEnd = text.find('\n', text.find('\n', at + 10) + 1);
      text.erase(at, valueEnd - at);
    }
    return text;
  };
  std::string textA = dropHandseed(first.value()), textB = dropHandseed(second.value());
  std::string_view a = textA, b = textB;
  std::size_t line = 1, start = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) {
      std::size_t endA = a.find('\n', start), endB = b.find('\n', start);
      return "line " + std::to_string(line) + ": \"" + std::string(a.substr(start, endA - start)) +
             "\" written, \"" + std::string(b.substr(start, endB - start)) + "\" read back";
    }
    if (a[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  if (a.size() != b.size())
    return "the drawing read back is " + std::string(a.size() < b.size() ? "longer" : "shorter");
  return std::nullopt;
}

}  // namespace zek
