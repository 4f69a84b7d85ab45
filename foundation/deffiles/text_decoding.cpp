// The bytes of a definition file as UTF-8: files saved by current editors
// are UTF-8 already; older ones, written on simplified-Chinese desktops,
// hold GBK (code page 936), which the C library's iconv converts.
#include "deffiles/definition_file.h"

#include <cerrno>
#include <iconv.h>

namespace zek::inline foundation {
namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the UTF-8 sequence at `at`, 0 when the bytes there are not
// valid UTF-8 (overlong forms, surrogates and code points past U+10FFFF
// included).
std::size_t utf8SequenceAt(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  char32_t point = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, point = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, point = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, point = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (s.size() - at < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80)
      return 0;
    point = point << 6 | (byte(at + i) & 0x3F);
  }
  if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
    return 0;
  return length;
}

// One conversion from GBK to UTF-8, closed on every path.
class GbkToUtf8 {
public:
  GbkToUtf8() : handle_(iconv_open("UTF-8", "CP936")) {}
  ~GbkToUtf8() {
    if (isOpen())
      iconv_close(handle_);
  }
  GbkToUtf8(const GbkToUtf8&) = delete;
  GbkToUtf8& operator=(const GbkToUtf8&) = delete;

  bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Appends the conversion of `in` to `out` up to the first byte that does
  // not convert; answers how many bytes of `in` converted.
  std::size_t convert(std::string_view in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    for (;;) {
      const std::size_t before = out.size();
      const std::size_t room = inLeft * 3 + 16;  // a GBK pair is at most 3 UTF-8 bytes
      out.resize(before + room);
      char* outPtr = out.data() + before;
      std::size_t outLeft = room;
      const std::size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      out.resize(static_cast<std::size_t>(outPtr - out.data()));
      if (result != static_cast<std::size_t>(-1))
        return in.size();
      if (error != E2BIG) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return in.size() - inLeft;
      }
    }
  }

private:
  iconv_t handle_;
};

std::string decodeGbk(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  GbkToUtf8 converter;
  while (!bytes.empty()) {
    const std::size_t used = converter.isOpen() ? converter.convert(bytes, out) : 0;
    if (used == bytes.size())
      break;
    // A byte GBK does not define (or no converter): ASCII stays, anything
    // else becomes U+FFFD, and the conversion goes on after it.
    const unsigned char bad = static_cast<unsigned char>(bytes[used]);
    if (bad < 0x80)
      out.push_back(static_cast<char>(bad));
    else
      out.append(kReplacementCharacter);
    bytes.remove_prefix(used + 1);
  }
  return out;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8SequenceAt(bytes, i);
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

std::string decodeDefinitionBytes(std::string_view bytes, bool* usedGbk) {
  const bool utf8 = isValidUtf8(bytes);
  if (usedGbk)
    *usedGbk = !utf8;
  return utf8 ? std::string(bytes) : decodeGbk(bytes);
}

}  // namespace zek::inline foundation
