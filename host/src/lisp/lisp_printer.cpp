// AutoLISP's printed form of resbuf values.
#include "lisp/lisp_printer.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zek {

std::string lispRealText(double value) {
  if (std::isnan(value))
    return "1.#QNAN";
  if (std::isinf(value))
    return value > 0 ? "1.#INF" : "-1.#INF";
  if (value == 0.0)
    value = 0.0;  // never "-0.0"
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text = buffer;
  std::size_t exponent = text.find('e');
  std::string mantissa = text.substr(0, exponent);
  if (mantissa.find('.') == std::string::npos)
    mantissa += ".0";
  return exponent == std::string::npos ? mantissa : mantissa + text.substr(exponent);
}

std::string lispQuotedText(const char* text) {
  std::string quoted = "\"";
  for (const char* at = text ? text : ""; *at != '\0'; ++at) {
    unsigned char c = static_cast<unsigned char>(*at);
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      case '\r': quoted += "\\r"; break;
      case 0x1b: quoted += "\\e"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char octal[8];
          std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned>(c));
          quoted += octal;
        } else {
          quoted += static_cast<char>(c);  // UTF-8 bytes stay as they are
        }
    }
  }
  return quoted + "\"";
}

std::int64_t selectionSetNumber(const std::int64_t name[2]) { return name[0]; }

namespace {

std::string pointText(const resbuf& rb, int count) {
  std::string text = "(";
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      text += ' ';
    text += lispRealText(rb.resval.rpoint[i]);
  }
  return text + ")";
}

std::string entityNameText(const std::int64_t name[2]) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "<Entity name: %" PRIx64 ">",
                static_cast<std::uint64_t>(name[0]));
  return buffer;
}

// The value of a resbuf of an interface type (RTSHORT, RTSTR ...) or of a
// storage kind a group code maps to.
std::string valueText(const resbuf& rb, short kind) {
  switch (kind) {
    case RTNIL: return "nil";
    case RTT: return "T";
    case RTSHORT: return std::to_string(rb.resval.rint);
    case RTLONG: return std::to_string(rb.resval.rlong);
    case RTINT64: return std::to_string(rb.resval.mnInt64);
    case RTREAL:
    case RTANG:
    case RTORINT: return lispRealText(rb.resval.rreal);
    case RTPOINT: return pointText(rb, 2);
    case RT3DPOINT: return pointText(rb, 3);
    case RTSTR: return lispQuotedText(rb.resval.rstring);
    case RTENAME: return entityNameText(rb.resval.rlname);
    case RTPICKS:
      return "<Selection set: " + std::to_string(selectionSetNumber(rb.resval.rlname)) + ">";
    case RTRESBUF: {  // a binary chunk: its bytes in hexadecimal
      std::string hex = "\"";
      for (short i = 0; i < rb.resval.rbinary.clen && rb.resval.rbinary.buf; ++i) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X",
                      static_cast<unsigned char>(rb.resval.rbinary.buf[i]));
        hex += digits;
      }
      return hex + "\"";
    }
    default: return "<resbuf type " + std::to_string(rb.restype) + ">";
  }
}

// An item typed by a DXF group code prints as its association pair.
std::string groupPairText(const resbuf& rb) {
  int code = rb.restype == RTDXF0 ? 0 : rb.restype;
  short kind = rb.restype == RTDXF0 ? RTSTR : resbufTypeOfGroupCode(code);
  if (kind == RT3DPOINT) {
    std::string point = pointText(rb, 3);
    return "(" + std::to_string(code) + " " + point.substr(1);
  }
  return "(" + std::to_string(code) + " . " + valueText(rb, kind) + ")";
}

bool isGroupCode(short type) { return type < RTNONE || type == RTDXF0; }

std::string joined(const std::vector<std::string>& items, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0)
      text += ' ';
    text += items[i];
  }
  return text;
}

std::string closedList(const std::vector<std::string>& items, bool dotted) {
  if (items.empty())
    return "nil";
  if (dotted && items.size() >= 2)
    return "(" + joined(items, items.size() - 1) + " . " + items.back() + ")";
  return "(" + joined(items, items.size()) + ")";
}

}  // namespace

std::string lispValuesText(const resbuf* values) {
  // One level per open RTLB; the bottom level holds the values themselves.
  std::vector<std::vector<std::string>> levels(1);
  for (const resbuf* rb = values; rb != nullptr; rb = rb->rbnext) {
    switch (rb->restype) {
      case RTLB:
        levels.emplace_back();
        break;
      case RTLE:
      case RTDOTE: {
        if (levels.size() == 1)
          break;  // a list end with no list open
        std::vector<std::string> items = std::move(levels.back());
        levels.pop_back();
        levels.back().push_back(closedList(items, rb->restype == RTDOTE));
        break;
      }
      case RTVOID:
      case RTNONE:
        break;  // no value to print
      default:
        levels.back().push_back(isGroupCode(rb->restype) ? groupPairText(*rb)
                                                         : valueText(*rb, rb->restype));
    }
  }
  while (levels.size() > 1) {  // a list never closed ends with the values
    std::vector<std::string> items = std::move(levels.back());
    levels.pop_back();
    levels.back().push_back(closedList(items, false));
  }
  return joined(levels.front(), levels.front().size());
}

std::string lispListText(const resbuf* items) {
  std::string values = lispValuesText(items);
  return values.empty() ? "nil" : "(" + values + ")";
}

}  // namespace zek
