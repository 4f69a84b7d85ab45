// The printable characters of a TEXT value: its %% control codes replaced,
// character for character as the text metrics model counts them.
#include "text_painter.h"

#include "db/annotations/utf8.h"

namespace zek::render {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Controls would draw as boxes of the fallback font; a space keeps the count.
char32_t printableCode(char32_t code) {
  bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
  return control ? U' ' : code;
}

// Collects the stretches where a toggle is on, merging touching ones.
class ToggleTrack {
public:
  void toggle(std::size_t at) {
    if (on_)
      close(at);
    else
      start_ = at;
    on_ = !on_;
  }
  void finish(std::size_t end, std::vector<ByteRange>& out) {
    if (on_)
      close(end);
    on_ = false;
    out = std::move(ranges_);
  }

private:
  void close(std::size_t at) {
    if (at == start_)
      return;  // switched on and off again between two characters
    if (!ranges_.empty() && ranges_.back().end == start_)
      ranges_.back().end = at;
    else
      ranges_.push_back({start_, at});
  }
  std::vector<ByteRange> ranges_;
  std::size_t start_ = 0;
  bool on_ = false;
};

}  // namespace

// The same walk as textAdvance: at a "%%" a code is tried first; anything
// else is one UTF-8 character, a bad byte one U+FFFD.
PrintableRun printableRun(std::string_view raw) {
  PrintableRun run;
  ToggleTrack underline, overline;
  std::size_t i = 0;
  while (i < raw.size()) {
    if (raw[i] == '%' && i + 2 < raw.size() && raw[i + 1] == '%') {
      char code = raw[i + 2];
      std::string_view sign;
      switch (code) {
        case 'c': case 'C': sign = kDiameterSign; break;
        case 'd': case 'D': sign = "\u00B0"; break;
        case 'p': case 'P': sign = "\u00B1"; break;
        case '%': sign = "%"; break;
        case 'u': case 'U': underline.toggle(run.text.size()); break;
        case 'o': case 'O': overline.toggle(run.text.size()); break;
        default: break;
      }
      bool toggle = code == 'u' || code == 'U' || code == 'o' || code == 'O';
      if (!sign.empty() || toggle) {
        run.text += sign;
        i += 3;
        continue;
      }
      if (i + 4 < raw.size() && isDigit(code) && isDigit(raw[i + 3]) && isDigit(raw[i + 4])) {
        char32_t number = char32_t((code - '0') * 100 + (raw[i + 3] - '0') * 10 + (raw[i + 4] - '0'));
        appendUtf8(run.text, printableCode(number));
        i += 5;
        continue;
      }
    }
    Utf8Char ch = decodeUtf8(raw, i);
    appendUtf8(run.text, printableCode(ch.code));
    i += ch.length;
  }
  underline.finish(run.text.size(), run.underlined);
  overline.finish(run.text.size(), run.overlined);
  return run;
}

std::string printableText(std::string_view raw) { return printableRun(raw).text; }

}  // namespace zek::render
