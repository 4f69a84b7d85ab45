// Showing and setting a system variable at the command prompt.
#include "editor/vars/sysvar_command.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <vector>

#include "aced_output.h"
#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/vars/real_text.h"
#include "editor/vars/sysvars.h"

namespace zek {
namespace {

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string trimmed(std::string_view text) {
  std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos)
    return "";
  std::size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(begin, end - begin + 1));
}

void release(resbuf& rb) {
  if (rb.restype == RTSTR && rb.resval.rstring != nullptr)
    acutDelString(rb.resval.rstring);
}

bool isAngleVariable(std::string_view name) {
  const SysvarInfo* info = findSysvar(name);
  return info != nullptr && info->isAngle;
}

// The answer typed for a value of this type, or a message saying what is wanted.
bool parseAnswer(std::string_view name, short type, const std::string& text, resbuf& value,
                 std::string& message, std::string& textStore) {
  value.restype = type;
  switch (type) {
    case RTSHORT: {
      std::optional<double> number = plainNumber(text);
      if (!number || *number != static_cast<double>(static_cast<long long>(*number)) ||
          text.find_first_of(".eE") != std::string::npos) {
        message = "Requires an integer value.";
        return false;
      }
      if (*number < SHRT_MIN || *number > SHRT_MAX) {
        value.restype = RTLONG;  // refused by the range check with its message
        value.resval.rlong = *number < 0 ? INT_MIN : INT_MAX;
        return true;
      }
      value.resval.rint = static_cast<short>(*number);
      return true;
    }
    case RTREAL: {
      std::optional<double> number =
          isAngleVariable(name) ? angleFromText(text, sysvarShort("AUNITS", 0))
                                : distanceFromText(text, sysvarShort("LUNITS", 2));
      if (!number) {
        message = "Requires numeric value.";
        return false;
      }
      value.resval.rreal = *number;
      return true;
    }
    case RTPOINT:
    case RT3DPOINT: {
      std::vector<double> xyz;
      std::size_t start = 0;
      while (true) {
        std::size_t comma = text.find(',', start);
        std::optional<double> c = distanceFromText(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start),
            sysvarShort("LUNITS", 2));
        if (!c)
          break;
        xyz.push_back(*c);
        if (comma == std::string::npos)
          break;
        start = comma + 1;
      }
      const std::size_t commas = static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
      if (xyz.size() < 2 || xyz.size() > 3 || xyz.size() != commas + 1) {
        message = "Invalid point.";
        return false;
      }
      value.restype = RT3DPOINT;
      value.resval.rpoint[0] = xyz[0];
      value.resval.rpoint[1] = xyz[1];
      value.resval.rpoint[2] = xyz.size() == 3 ? xyz[2] : 0.0;
      return true;
    }
    default:
      textStore = text == "." ? "" : text;  // "." stands for an empty text
      value.resval.rstring = textStore.data();
      return true;
  }
}

std::string refusalMessage(std::string_view name, SysvarRefusal refusal, const std::string& text) {
  const SysvarInfo* info = findSysvar(name);
  switch (refusal) {
    case SysvarRefusal::OutOfRange:
      if (info != nullptr && info->type == SysvarType::Short)
        return "Requires an integer between " + std::to_string(static_cast<int>(info->low)) +
               " and " + std::to_string(static_cast<int>(info->high)) + ".";
      if (info != nullptr && info->low == 0.0)
        return "Value must be positive.";
      return "Value out of range.";
    case SysvarRefusal::NotPositive:
      return "Value must be positive and nonzero.";
    case SysvarRefusal::NoSuchLayer:
      return "Cannot find layer \"" + text + "\".";
    case SysvarRefusal::FrozenLayer:
      return "Cannot set frozen layer \"" + text + "\" current.";
    case SysvarRefusal::NoSuchLinetype:
      return "Linetype \"" + text + "\" not found.";
    case SysvarRefusal::NoSuchTextStyle:
      return "Cannot find text style \"" + text + "\".";
    case SysvarRefusal::BadColor:
      return "Invalid color name or number.";
    case SysvarRefusal::BadLineWeight:
      return "Invalid lineweight.";
    default:
      return "*Invalid*";
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  editorHooks().sysvarCommand = [](std::string_view name) { return runSysvarPrompt(name); };
  return true;
}();

}  // namespace

std::string sysvarValueText(std::string_view name, const resbuf& value, bool quoted) {
  const int prec = sysvarShort("LUPREC", 4);
  switch (value.restype) {
    case RTSHORT:
      return std::to_string(value.resval.rint);
    case RTLONG:
      return std::to_string(value.resval.rlong);
    case RTREAL:
      if (isAngleVariable(name))
        return angleText(value.resval.rreal, sysvarShort("AUNITS", 0), sysvarShort("AUPREC", 0), 0)
            .value_or("");
      return decimalText(value.resval.rreal, prec, 0);
    case RTPOINT:
      return decimalText(value.resval.rpoint[0], prec, 0) + "," +
             decimalText(value.resval.rpoint[1], prec, 0);
    case RT3DPOINT:
      return decimalText(value.resval.rpoint[0], prec, 0) + "," +
             decimalText(value.resval.rpoint[1], prec, 0) + "," +
             decimalText(value.resval.rpoint[2], prec, 0);
    case RTSTR: {
      std::string text = value.resval.rstring ? value.resval.rstring : "";
      return quoted ? "\"" + text + "\"" : text;
    }
    default:
      return "";
  }
}

bool runSysvarPrompt(std::string_view typed) {
  const std::string name = upperCase(trimmed(typed));
  resbuf current{};
  if (name.empty() || getSysvar(name, current) != RTNORM)
    return false;
  const std::string shown = sysvarValueText(name, current, true);
  const short type = current.restype;
  release(current);
  const SysvarInfo* info = findSysvar(name);
  if (info != nullptr && info->readOnly) {
    acutPrintf("\n%s = %s (read only)", name.c_str(), shown.c_str());
    return true;
  }
  const std::string prompt = "Enter new value for " + name + " <" + shown + ">: ";
  while (true) {
    Answer answer = promptForLine(prompt);
    const std::string text = trimmed(answer.text);
    if (answer.kind != Answer::Kind::Text || text.empty())
      return true;  // Enter keeps the value; ^C and the end of the input leave it
    resbuf value{};
    std::string message, textStore;
    if (parseAnswer(name, type, text, value, message, textStore)) {
      SysvarRefusal refusal = trySetSysvar(name, value);
      if (refusal == SysvarRefusal::None)
        return true;
      message = refusalMessage(name, refusal, text);
    }
    acutPrintf("\n%s", message.c_str());
  }
}

}  // namespace zek
