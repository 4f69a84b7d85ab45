// The call reader: each literal's resbuf type and value, AutoLISP's reading
// errors, the limits, and lines that must never crash or leak.
#include "lisp/lisp_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "lisp/lisp_forms.h"

namespace zek {
namespace {

// The arguments as "TYPE:value" words, written independently of the printer
// under test: reals with 17 digits, texts in brackets as they are.
std::string described(const resbuf* list) {
  std::string text;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    if (!text.empty())
      text += ' ';
    char number[64];
    switch (rb->restype) {
      case RTSHORT: text += "SHORT:" + std::to_string(rb->resval.rint); break;
      case RTLONG: text += "LONG:" + std::to_string(rb->resval.rlong); break;
      case RTREAL:
        std::snprintf(number, sizeof number, "REAL:%.17g", rb->resval.rreal);
        text += number;
        break;
      case RTPOINT:
      case RT3DPOINT:
        std::snprintf(number, sizeof number, "%s:%g,%g,%g",
                      rb->restype == RTPOINT ? "POINT" : "3DPOINT", rb->resval.rpoint[0],
                      rb->resval.rpoint[1], rb->resval.rpoint[2]);
        text += number;
        break;
      case RTSTR: text += std::string("STR[") + rb->resval.rstring + "]"; break;
      case RTNIL: text += "NIL"; break;
      case RTT: text += "T"; break;
      case RTLB: text += "LB"; break;
      case RTLE: text += "LE"; break;
      case RTDOTE: text += "DOTE"; break;
      default: text += "?" + std::to_string(rb->restype);
    }
  }
  return text;
}

struct ReadCase {
  const char* line;
  const char* name;
  const char* args;
};
const ReadCase kReadCases[] = {
    {"(ZEKBDY1)", "ZEKBDY1", ""},
    {"(zekLars2 \"G1\")", "ZEKLARS2", "STR[G1]"},  // names compare in upper case
    {"(F 2 1 -1 3 0)", "F", "SHORT:2 SHORT:1 SHORT:-1 SHORT:3 SHORT:0"},
    {"(F 32767 32768 -32768 -32769)", "F", "SHORT:32767 LONG:32768 SHORT:-32768 LONG:-32769"},
    {"(F 2147483647 2147483648)", "F", "LONG:2147483647 REAL:2147483648"},  // past 32 bits: a real
    {"(F 1. .5 1e3 -2.5 +3 1E-2)", "F",
     "REAL:1 REAL:0.5 REAL:1000 REAL:-2.5 SHORT:3 REAL:0.01"},
    {"(ZEKGETPOINT 20.0 10.0)", "ZEKGETPOINT", "REAL:20 REAL:10"},
    {R"((F "a\"b" "c\\d" "e\nf" "\t" "\101" "x\qy"))", "F",
     "STR[a\"b] STR[c\\d] STR[e\nf] STR[\t] STR[A] STR[xqy]"},
    {"(F \"two words\" \"\")", "F", "STR[two words] STR[]"},
    {"(F \"a;b\") ; the rest is a comment", "F", "STR[a;b]"},
    {"(F nil T NIL t)", "F", "NIL T NIL T"},
    {"(F '(1 2) '(1.5 2 -3))", "F", "POINT:1,2,0 3DPOINT:1.5,2,-3"},
    {"(F '(1 2 3 4) '(1))", "F", "LB SHORT:1 SHORT:2 SHORT:3 SHORT:4 LE LB SHORT:1 LE"},
    {"(F '(\"a\" 1) '() 'nil)", "F", "LB STR[a] SHORT:1 LE NIL NIL"},
    {"(F '(8 . \"0\"))", "F", "LB SHORT:8 STR[0] DOTE"},
    {"(F '((0 0) (10 20 5) \"x\"))", "F", "LB POINT:0,0,0 3DPOINT:10,20,5 STR[x] LE"},
    {"(F '(1 . (2 3)) '(1 . nil))", "F", "3DPOINT:1,2,3 LB SHORT:1 LE"},  // Lisp's reading of tails
    {"(F (quote (1 2)) '5 '\"s\")", "F", "POINT:1,2,0 SHORT:5 STR[s]"},
    {"(F '(nil T (1 \"a\")))", "F", "LB NIL T LB SHORT:1 STR[a] LE LE"},
    {"  (F\t1 )  ", "F", "SHORT:1"},
    {"()", "", ""},  // the empty list: nil, nothing to call
};

TEST(LispReader, ReadsEachLiteralInItsType) {
  for (const ReadCase& c : kReadCases) {
    Result<LispCall> read = readLispCall(c.line);
    ASSERT_TRUE(read.ok()) << c.line << ": " << read.failure().message;
    EXPECT_EQ(read.value().name, c.name) << c.line;
    EXPECT_EQ(described(read.value().args.get()), c.args) << c.line;
  }
}

struct FaultCase {
  const char* line;
  const char* message;
};
const FaultCase kFaultCases[] = {
    {"(F 1", "; error: malformed list on input"},
    {"(F '(1 2)", "; error: malformed list on input"},
    {"(F 1))", "; error: extra right paren on input"},
    {")", "; error: extra right paren on input"},
    {"(F \"abc)", "; error: malformed string on input"},
    {"(F \"abc\\", "; error: malformed string on input"},  // a backslash at the very end
    {"(F '(. 1))", "; error: misplaced dot on input"},
    {"(F '(1 . 2 3))", "; error: misplaced dot on input"},
    {"(F .)", "; error: misplaced dot on input"},
    {"(F ')", "; error: extra right paren on input"},
    {"(1 2)", "; error: bad function: 1"},
    {"(\"F\" 2)", "; error: bad function: \"F\""},
    {"(nil)", "; error: bad function: nil"},
    {"((F) 1)", "; error: bad function: (F)"},
    {"(F . 1)", "; error: bad argument list: (F . 1)"},
    {"(F G1)", "; error: only numbers, texts, nil, T and quoted lists are read here: G1"},
    {"(F (G 1))", "; error: only numbers, texts, nil, T and quoted lists are read here: (G 1)"},
    {"(F '(A B))", "; error: only numbers, texts, nil, T and quoted lists are read here: A"},
    {"(F ''1)", "; error: only numbers, texts, nil, T and quoted lists are read here: '1"},
    {"(F 1.2.3)", "; error: only numbers, texts, nil, T and quoted lists are read here: 1.2.3"},
    {"(F 1e999)", "; error: number out of range on input: 1e999"},
    {"(F '(1e999 2))", "; error: number out of range on input: 1e999"},
    {"(F) (G)", "; error: one call per line; extra input: (G)"},
    {"(F) 2", "; error: one call per line; extra input: 2"},
    {"\"F\"", "; error: a call starts with \"(\""},
    {"", "; error: a call starts with \"(\""},
    {"; only a comment", "; error: a call starts with \"(\""},
};

TEST(LispReader, RefusesFaultyLinesWithAutoLispsWords) {
  for (const FaultCase& c : kFaultCases) {
    Result<LispCall> read = readLispCall(c.line);
    ASSERT_FALSE(read.ok()) << c.line << " should not read";
    EXPECT_EQ(read.failure().message, c.message) << c.line;
  }
}

std::string nested(int lists) {
  return "(F '" + std::string(static_cast<std::size_t>(lists), '(') + "1" +
         std::string(static_cast<std::size_t>(lists), ')') + ")";
}

TEST(LispReader, KeepsToItsDepthAndLengthLimits) {
  // The call is level 1 and the quote level 2, so 30 lists fill the 32 levels.
  ASSERT_EQ(kMaxLispDepth, 32);
  EXPECT_TRUE(readLispCall(nested(30)).ok()) << "30 lists under a quote are allowed";
  Result<LispCall> deep = readLispCall(nested(31));
  ASSERT_FALSE(deep.ok());
  EXPECT_EQ(deep.failure().message, "; error: lists nest deeper than 32 levels on input");
  Result<LispCall> quotes = readLispCall("(F " + std::string(40, '\'') + "1)");
  ASSERT_FALSE(quotes.ok()) << "quotes count as levels";
  EXPECT_EQ(quotes.failure().message, "; error: lists nest deeper than 32 levels on input");
  Result<LispCall> unclosed = readLispCall("(F " + std::string(100000 / 2, '('));
  EXPECT_FALSE(unclosed.ok()) << "an opened flood of lists stops at the limit";

  std::string longest = "(F " + std::string(kMaxLispLineLength - 4, ' ') + ")";
  ASSERT_EQ(longest.size(), kMaxLispLineLength);
  EXPECT_TRUE(readLispCall(longest).ok());
  Result<LispCall> tooLong = readLispCall(longest + " ");
  ASSERT_FALSE(tooLong.ok());
  EXPECT_EQ(tooLong.failure().message, "; error: input line longer than 65536 characters");
}

TEST(LispReader, NeverCrashesOrLeaksOnDamagedLines) {
  // Every prefix and every one-byte change of lines that read, then random
  // lines of the reader's own characters: each reads or says why in one
  // error line, and every resbuf made is released.
  const std::vector<std::string> seeds = {
      R"((F 1 -2.5 "a\"b" '(1 2) '((8 . "0") (10 1 2 3)) nil T))",
      R"((ZEK '(1 . (2 . (3 . nil))) (quote (a)) "\101\n"))",
  };
  const std::string alphabet = "()'\".;\\ 0123456789eE+-aFnilT\t\n\x01\xff";
  std::vector<std::string> lines;
  for (const std::string& seed : seeds) {
    for (std::size_t n = 0; n <= seed.size(); ++n)
      lines.push_back(seed.substr(0, n));
    for (std::size_t at = 0; at < seed.size(); ++at)
      for (char c : alphabet) {
        std::string changed = seed;
        changed[at] = c;
        lines.push_back(changed);
      }
  }
  std::mt19937 random(20240611);
  for (int i = 0; i < 2000; ++i) {
    std::string line = "(";
    std::size_t length = random() % 60;
    for (std::size_t k = 0; k < length; ++k)
      line += alphabet[random() % alphabet.size()];
    lines.push_back(line);
  }

  const std::int64_t before = liveResbufCount();
  for (const std::string& line : lines) {
    Result<LispCall> read = readLispCall(line);
    if (!read.ok()) {
      EXPECT_EQ(read.failure().message.rfind("; error: ", 0), 0u) << line;
    }
  }
  EXPECT_EQ(liveResbufCount(), before) << "a line that failed half way left resbufs behind";
}

}  // namespace
}  // namespace zek
