// Code pages through the C library's iconv: single-byte pages become a table
// built once per decoder or encoder, double-byte pages are converted per
// string. ANSI_1252, the default, needs no iconv at all.
#include "dxf/text_codec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <strings.h>

namespace zek::dxf {

enum class LeadBytes : std::uint8_t { None, ShiftJis, High, Johab };

struct CodePage {
  const char* dwgName;
  const char* iconvName;
  LeadBytes lead;  // None: a single-byte page
};

namespace {

constexpr LeadBytes kSingle = LeadBytes::None;
constexpr CodePage kCodePages[] = {
    {"ANSI_1252", "CP1252", kSingle},  // first: the fallback
    {"ANSI_874", "CP874", kSingle},   {"ANSI_932", "CP932", LeadBytes::ShiftJis},
    {"ANSI_936", "CP936", LeadBytes::High}, {"ANSI_949", "CP949", LeadBytes::High},
    {"ANSI_950", "CP950", LeadBytes::High}, {"ANSI_1250", "CP1250", kSingle},
    {"ANSI_1251", "CP1251", kSingle}, {"ANSI_1253", "CP1253", kSingle},
    {"ANSI_1254", "CP1254", kSingle}, {"ANSI_1255", "CP1255", kSingle},
    {"ANSI_1256", "CP1256", kSingle}, {"ANSI_1257", "CP1257", kSingle},
    {"ANSI_1258", "CP1258", kSingle}, {"DOS437", "CP437", kSingle},
    {"DOS850", "CP850", kSingle},     {"DOS852", "CP852", kSingle},
    {"DOS855", "CP855", kSingle},     {"DOS857", "CP857", kSingle},
    {"DOS860", "CP860", kSingle},     {"DOS861", "CP861", kSingle},
    {"DOS863", "CP863", kSingle},     {"DOS864", "CP864", kSingle},
    {"DOS865", "CP865", kSingle},     {"DOS869", "CP869", kSingle},
    {"DOS932", "CP932", LeadBytes::ShiftJis}, {"MACINTOSH", "MACINTOSH", kSingle},
    // Writers on desktop systems mean the ANSI supersets of these standards.
    {"BIG5", "CP950", LeadBytes::High}, {"GB2312", "CP936", LeadBytes::High},
    {"KSC5601", "CP949", LeadBytes::High}, {"JOHAB", "JOHAB", LeadBytes::Johab},
    {"ISO8859-1", "ISO-8859-1", kSingle}, {"ISO8859-2", "ISO-8859-2", kSingle},
    {"ISO8859-3", "ISO-8859-3", kSingle}, {"ISO8859-4", "ISO-8859-4", kSingle},
    {"ISO8859-5", "ISO-8859-5", kSingle}, {"ISO8859-6", "ISO-8859-6", kSingle},
    {"ISO8859-7", "ISO-8859-7", kSingle}, {"ISO8859-8", "ISO-8859-8", kSingle},
    {"ISO8859-9", "ISO-8859-9", kSingle}, {"ISO8859-10", "ISO-8859-10", kSingle},
    {"ASCII", "CP1252", kSingle},  // 8-bit bytes in an "ASCII" drawing are ANSI_1252
};
const CodePage& kFallback = kCodePages[0];

// The pages of \M+1 ... \M+5: Shift-JIS, Big5, Wansung, Johab, GB2312.
constexpr const char* kEscapePages[5] = {"CP932", "CP950", "CP949", "JOHAB", "CP936"};

// ANSI_1252 bytes 0x80-0x9F; the rest of the page is ISO 8859-1. The five
// bytes the page leaves undefined read as their C1 code points, as desktop
// systems read them, so that they survive a round trip.
constexpr char16_t kAnsi1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

bool equalsIgnoringCase(std::string_view text, const char* name) {
  return std::strlen(name) == text.size() && strncasecmp(text.data(), name, text.size()) == 0;
}

bool isUtf8Name(std::string_view name) {
  return equalsIgnoringCase(name, "UTF-8") || equalsIgnoringCase(name, "UTF8");
}

const CodePage* findCodePage(std::string_view name) {
  for (const CodePage& page : kCodePages)
    if (equalsIgnoringCase(name, page.dwgName))
      return &page;
  return nullptr;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | cp >> 6));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | cp >> 12));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | cp >> 18));
    out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The code point of the UTF-8 sequence at `at` and its length; 0 when the
// bytes are not valid UTF-8 (overlong forms and surrogates included).
std::size_t decodeUtf8(std::string_view s, std::size_t at, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) { cp = lead; return 1; }
  if (lead >= 0xC2 && lead <= 0xDF) { length = 2; cp = lead & 0x1F; minimum = 0x80; }
  else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; cp = lead & 0x0F; minimum = 0x800; }
  else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; cp = lead & 0x07; minimum = 0x10000; }
  else return 0;
  if (s.size() - at < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80)
      return 0;
    cp = cp << 6 | (byte(at + i) & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return length;
}

bool isValidUtf8(std::string_view s) {
  char32_t cp;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t length = decodeUtf8(s, i, cp);
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

bool isEscapeAt(std::string_view s, std::size_t at) {
  return at + 2 < s.size() && s[at] == '\\' && (s[at + 1] == 'U' || s[at + 1] == 'M') &&
         s[at + 2] == '+';
}

struct Scan {
  bool high = false;    // a byte of 0x80 or above
  bool escape = false;  // a "\U+" or "\M+"
};

// Eight bytes at a time: most values of a drawing are ASCII without a
// backslash, and those leave the decoder untouched.
Scan scanText(std::string_view s) {
  Scan scan;
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, s.data() + i, 8);
    const std::uint64_t slashes = word ^ (kOnes * '\\');
    scan.high |= (word & kHighBits) != 0;
    if (((slashes - kOnes) & ~slashes & kHighBits) != 0)
      for (std::size_t j = i; j < i + 8; ++j)
        if (isEscapeAt(s, j)) {
          scan.escape = true;
          return scan;
        }
  }
  for (; i < s.size(); ++i) {
    scan.high |= static_cast<unsigned char>(s[i]) >= 0x80;
    if (isEscapeAt(s, i)) {
      scan.escape = true;
      return scan;
    }
  }
  return scan;
}

bool readHex4(std::string_view s, std::size_t at, unsigned& value) {
  if (s.size() < at + 4)
    return false;
  value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    const char c = s[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : -1;
    if (digit < 0)
      return false;
    value = value << 4 | static_cast<unsigned>(digit);
  }
  return true;
}

void appendUnicodeEscape(std::string& out, char32_t cp) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const auto one = [&](unsigned unit) {
    const char text[7] = {'\\', 'U', '+', kDigits[unit >> 12 & 0xF], kDigits[unit >> 8 & 0xF],
                          kDigits[unit >> 4 & 0xF], kDigits[unit & 0xF]};
    out.append(text, 7);
  };
  if (cp > 0xFFFF) {
    one(0xD800 + ((cp - 0x10000) >> 10));
    one(0xDC00 + ((cp - 0x10000) & 0x3FF));
  } else {
    one(cp);
  }
}

bool isLeadByte(LeadBytes lead, unsigned char c) {
  switch (lead) {
    case LeadBytes::ShiftJis: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case LeadBytes::High: return c >= 0x81 && c <= 0xFE;
    case LeadBytes::Johab:
      return (c >= 0x84 && c <= 0xD3) || (c >= 0xD8 && c <= 0xDE) || (c >= 0xE0 && c <= 0xF9);
    case LeadBytes::None: return false;
  }
  return false;
}

}  // namespace

class Iconv {
public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (isOpen())
      iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  [[nodiscard]] bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Appends the conversion of `in` to `out` up to the first byte that does
  // not convert; answers how many bytes of `in` were converted.
  [[nodiscard]] std::size_t convert(std::string_view in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    for (;;) {
      const std::size_t old = out.size();
      const std::size_t room = inLeft * 4 + 16;
      out.resize(old + room);
      char* outPtr = out.data() + old;
      std::size_t outLeft = room;
      const std::size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      if (result != static_cast<std::size_t>(-1))
        iconv(handle_, nullptr, nullptr, &outPtr, &outLeft);  // pending combined characters
      out.resize(static_cast<std::size_t>(outPtr - out.data()));
      if (result != static_cast<std::size_t>(-1))
        return in.size();
      if (error != E2BIG) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        return in.size() - inLeft;
      }
    }
  }

private:
  iconv_t handle_;
};

namespace {

// The code point of each byte of a single-byte page; false when the C library
// cannot convert the page.
bool codePointsOf(const CodePage& page, std::array<char32_t, 256>& points) {
  for (char32_t b = 0; b < 0x80; ++b)
    points[b] = b;  // structure of the file is ASCII in every page
  if (std::strcmp(page.iconvName, "CP1252") == 0) {
    for (char32_t b = 0x80; b < 0x100; ++b)
      points[b] = b < 0xA0 ? kAnsi1252High[b - 0x80] : b;
    return true;
  }
  Iconv toUtf8("UTF-8", page.iconvName);
  if (!toUtf8.isOpen())
    return false;
  std::string utf8;
  for (unsigned b = 0x80; b < 0x100; ++b) {
    const char byte = static_cast<char>(b);
    utf8.clear();
    char32_t cp = 0;
    if (toUtf8.convert(std::string_view(&byte, 1), utf8) == 1 && !utf8.empty() &&
        decodeUtf8(utf8, 0, cp) != 0 && cp <= 0xFFFF)
      points[b] = cp;
    else
      points[b] = b < 0xA0 ? b : kReplacement;  // undefined: C1 code point, else U+FFFD
  }
  return true;
}

// Finds the page of `name`: a single-byte page's code points go to
// `points`, a double-byte page is opened by `openDoubleByte`. An unknown name,
// or a page the C library cannot convert, falls back to ANSI_1252 and
// answers false beside it.
template <typename OpenDoubleByte>
std::pair<const CodePage*, bool> loadPage(std::string_view name, std::array<char32_t, 256>& points,
                                          OpenDoubleByte openDoubleByte) {
  const CodePage* page = findCodePage(name);
  const bool usable = page && (page->lead != LeadBytes::None ? openDoubleByte(*page)
                                                              : codePointsOf(*page, points));
  if (!usable) {
    page = &kFallback;
    (void)codePointsOf(kFallback, points);
  }
  return {page, usable};
}

}  // namespace

std::optional<std::string> canonicalCodePage(std::string_view dwgCodePage) {
  if (isUtf8Name(dwgCodePage))
    return std::string("UTF-8");
  if (const CodePage* page = findCodePage(dwgCodePage))
    return std::string(page->dwgName);
  return std::nullopt;
}

// ---- decoding ----

TextDecoder::TextDecoder() { (void)setCodePage(kFallback.dwgName); }
TextDecoder::~TextDecoder() = default;

bool TextDecoder::setCodePage(std::string_view dwgCodePage) {
  if (isUtf8Name(dwgCodePage)) {
    setUtf8();
    return true;
  }
  std::array<char32_t, 256> points{};
  doubleByte_.reset();
  const auto [page, usable] = loadPage(dwgCodePage, points, [&](const CodePage& doubleByte) {
    doubleByte_ = std::make_unique<Iconv>("UTF-8", doubleByte.iconvName);
    if (!doubleByte_->isOpen())
      doubleByte_.reset();
    return doubleByte_ != nullptr;
  });
  page_ = page;
  std::string utf8;
  for (std::size_t b = 0; b < 256; ++b) {
    utf8.clear();
    appendUtf8(utf8, points[b]);
    table_[b].length = static_cast<std::uint8_t>(utf8.size());
    utf8.copy(table_[b].bytes, utf8.size());
  }
  return usable;
}

void TextDecoder::setUtf8() { utf8_ = true; }

std::string_view TextDecoder::decode(std::string_view raw, std::string& scratch) const {
  const Scan scan = scanText(raw);
  if (!scan.high && !scan.escape)
    return raw;
  const bool asUtf8 = utf8_ && (!scan.high || isValidUtf8(raw));
  if (asUtf8 && !scan.escape)
    return raw;
  scratch.clear();
  const LeadBytes lead = asUtf8 ? LeadBytes::None : page_->lead;
  std::size_t plainStart = 0;
  std::size_t i = 0;
  while (i < raw.size()) {
    if (raw[i] == '\\') {
      appendPlain(raw.substr(plainStart, i - plainStart), asUtf8, scratch);
      const std::size_t used = appendEscape(raw, i, scratch);
      if (used != 0) {
        i += used;
        plainStart = i;
        continue;
      }
      plainStart = i;
    }
    // A double-byte character's second byte may be a backslash (Shift-JIS
    // 0x5C): step over whole characters.
    i += isLeadByte(lead, static_cast<unsigned char>(raw[i])) && i + 1 < raw.size() ? 2 : 1;
  }
  appendPlain(raw.substr(plainStart), asUtf8, scratch);
  return scratch;
}

void TextDecoder::appendPlain(std::string_view bytes, bool asUtf8, std::string& out) const {
  if (asUtf8) {
    out.append(bytes);
  } else if (doubleByte_) {
    while (!bytes.empty()) {
      const std::size_t used = doubleByte_->convert(bytes, out);
      if (used == bytes.size())
        break;
      appendUtf8(out, kReplacement);  // a byte the page does not define
      bytes.remove_prefix(used + 1);
    }
  } else {
    for (char c : bytes) {
      const Utf8Char& u = table_[static_cast<unsigned char>(c)];
      out.append(u.bytes, u.length);
    }
  }
}

// Decodes the escape at `at` into `out`; answers the characters it took, 0
// when the text there is no escape (it is then plain text).
std::size_t TextDecoder::appendEscape(std::string_view text, std::size_t at,
                                      std::string& out) const {
  unsigned value = 0;
  if (!isEscapeAt(text, at))
    return 0;
  if (text[at + 1] == 'U') {
    if (!readHex4(text, at + 3, value) || value == 0)
      return 0;
    if (value >= 0xD800 && value <= 0xDBFF) {
      unsigned low = 0;
      if (isEscapeAt(text, at + 7) && text[at + 8] == 'U' && readHex4(text, at + 10, low) &&
          low >= 0xDC00 && low <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((value - 0xD800) << 10) + (low - 0xDC00));
        return 14;
      }
      value = kReplacement;  // a lone half of a surrogate pair
    } else if (value >= 0xDC00 && value <= 0xDFFF) {
      value = kReplacement;
    }
    appendUtf8(out, value);
    return 7;
  }
  const char page = at + 3 < text.size() ? text[at + 3] : '\0';
  if (page < '1' || page > '5' || !readHex4(text, at + 4, value))
    return 0;
  std::unique_ptr<Iconv>& converter = escapePages_[static_cast<std::size_t>(page - '1')];
  if (!converter)
    converter = std::make_unique<Iconv>("UTF-8", kEscapePages[page - '1']);
  const char bytes[2] = {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
  const std::string_view code = value < 0x100 ? std::string_view(bytes + 1, 1)
                                              : std::string_view(bytes, 2);
  if (!converter->isOpen() || converter->convert(code, out) != code.size())
    appendUtf8(out, kReplacement);
  return 8;
}

// ---- encoding ----

TextEncoder::TextEncoder() { (void)setCodePage(kFallback.dwgName); }
TextEncoder::~TextEncoder() = default;

bool TextEncoder::setCodePage(std::string_view dwgCodePage) {
  if (isUtf8Name(dwgCodePage)) {
    setUtf8();
    return true;
  }
  std::array<char32_t, 256> points{};
  doubleByte_.reset();
  readBack_.reset();
  encoded_.clear();
  const auto [page, usable] = loadPage(dwgCodePage, points, [&](const CodePage& doubleByte) {
    doubleByte_ = std::make_unique<Iconv>(doubleByte.iconvName, "UTF-8");
    readBack_ = std::make_unique<Iconv>("UTF-8", doubleByte.iconvName);
    if (doubleByte_->isOpen() && readBack_->isOpen())
      return true;
    doubleByte_.reset();
    readBack_.reset();
    return false;
  });
  page_ = page;
  reverse_.clear();
  if (!doubleByte_) {
    for (unsigned b = 0x80; b < 0x100; ++b)
      if (points[b] != kReplacement)
        reverse_.emplace_back(points[b], static_cast<unsigned char>(b));
    std::stable_sort(reverse_.begin(), reverse_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  return usable;
}

void TextEncoder::setUtf8() { utf8_ = true; }

void TextEncoder::encode(std::string_view utf8, std::string& out) const {
  out.clear();
  if (utf8_ || !scanText(utf8).high) {
    out.assign(utf8);
    return;
  }
  if (doubleByte_)
    encodeDoubleByte(utf8, out);
  else
    encodeSingleByte(utf8, out);
}

void TextEncoder::encodeSingleByte(std::string_view utf8, std::string& out) const {
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    std::size_t length = decodeUtf8(utf8, i, cp);
    if (length == 0) {
      cp = kReplacement;
      length = 1;
    }
    i += length;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    const auto found =
        std::lower_bound(reverse_.begin(), reverse_.end(), cp,
                         [](const auto& entry, char32_t key) { return entry.first < key; });
    if (found != reverse_.end() && found->first == cp)
      out.push_back(static_cast<char>(found->second));
    else
      appendUnicodeEscape(out, cp);
  }
}

void TextEncoder::encodeDoubleByte(std::string_view utf8, std::string& out) const {
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    std::size_t length = decodeUtf8(utf8, i, cp);
    if (length == 0) {
      cp = kReplacement;
      length = 1;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
      i += length;
      continue;
    }
    auto found = encoded_.find(cp);
    if (found == encoded_.end()) {
      std::string character;
      appendUtf8(character, cp);
      std::string bytes;
      std::string back;
      const bool converts = doubleByte_->convert(character, bytes) == character.size() &&
                            readBack_->convert(bytes, back) == bytes.size() && back == character;
      if (!converts) {
        bytes.clear();
        appendUnicodeEscape(bytes, cp);
      }
      found = encoded_.emplace(cp, std::move(bytes)).first;
    }
    out.append(found->second);
    i += length;
  }
}

}  // namespace zek::dxf
