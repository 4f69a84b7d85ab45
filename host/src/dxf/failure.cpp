// Failure as a drafter reads it: "plate.dxf:1207: expected ..." or, for a
// binary file, "plate.dxf: byte 5120: expected ...".
#include "zek/result.h"

namespace zek {

std::string Failure::describe() const {
  std::string text = file;
  if (line > 0)
    text += lineIsOffset ? ": byte " + std::to_string(line) : ":" + std::to_string(line);
  else if (lineIsOffset)
    text += ": byte 0";
  text += ": ";
  text += message;
  return text;
}

}  // namespace zek
