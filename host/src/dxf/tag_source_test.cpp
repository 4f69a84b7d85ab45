// Reading tags from ASCII and binary DXF: line ends, padding, spaces kept or
// trimmed, every error with its line, chunk boundaries, and the binary
// sample from another program.
#include "dxf/tag_source.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zek::dxf {
namespace {

struct Read {
  std::string groups;  // "code=[value]@line" tags, groups separated by " | "
  std::string error;   // the failure as printed, "" at a clean end
  std::size_t tags = 0;
  std::size_t zeroGroups = 0;
};

Read readAll(TagSource& source) {
  Read read;
  std::vector<RawTag> tags;
  while (source.nextGroup(tags)) {
    if (!read.groups.empty())
      read.groups += " | ";
    for (std::size_t i = 0; i < tags.size(); ++i) {
      if (i)
        read.groups += ' ';
      read.groups += std::to_string(tags[i].code) + "=[" + std::string(tags[i].value) + "]@" +
                     std::to_string(tags[i].line);
      read.zeroGroups += tags[i].code == 0;
    }
    read.tags += tags.size();
  }
  if (source.error())
    read.error = source.error()->describe();
  return read;
}

Read readText(const std::string& text) {
  auto source = TagSource::fromString(text, "t.dxf");
  return readAll(*source);
}

std::string writeTemp(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct TextCase {
  const char* name;
  std::string text;
  std::string groups;
};

const TextCase kTextCases[] = {
    {"LF line ends", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n",
     "0=[SECTION]@2 2=[HEADER]@4 | 0=[ENDSEC]@6 | 0=[EOF]@8"},
    {"CRLF line ends", "0\r\nSECTION\r\n2\r\nHEADER\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n",
     "0=[SECTION]@2 2=[HEADER]@4 | 0=[ENDSEC]@6 | 0=[EOF]@8"},
    {"padded group codes", "  0\r\nLINE\r\n 10 \r\n1.5\r\n1001\n  ACAD\n\t8\t\nA\n",
     "0=[LINE]@2 10=[1.5]@4 1001=[  ACAD]@6 8=[A]@8"},
    {"string values keep their spaces, numbers are trimmed",
     "0\nTEXT\n1\n  two words  \n40\n  2.5\t \n1000\n x \n105\n 1A \n",
     "0=[TEXT]@2 1=[  two words  ]@4 40=[2.5]@6 1000=[ x ]@8 105=[1A]@10"},
    {"empty values", "0\nLAYER\n2\n\n70\n\n0\nEOF\n", "0=[LAYER]@2 2=[]@4 70=[]@6 | 0=[EOF]@8"},
    {"no final newline", "0\nSECTION\n0\nEOF", "0=[SECTION]@2 | 0=[EOF]@4"},
    {"UTF-8 BOM", "\xEF\xBB\xBF  0\nSECTION\n", "0=[SECTION]@2"},
    {"comments before the first group belong to it",
     "999\nmade by hand\n0\nSECTION\n2\nHEADER\n0\nENDSEC\n",
     "999=[made by hand]@2 0=[SECTION]@4 2=[HEADER]@6 | 0=[ENDSEC]@8"},
    {"blank lines after the last tag", "0\nEOF\n\n  \n\n", "0=[EOF]@2"},
    {"DOS end-of-file mark", "0\nEOF\r\n\x1a", "0=[EOF]@2"},
    {"negative codes", "0\nLINE\n-3\n\n", "0=[LINE]@2 -3=[]@4"},
    {"empty input", "", ""},
};

TEST(TagSource, ReadsAsciiGroups) {
  for (const auto& c : kTextCases) {
    const Read read = readText(c.text);
    EXPECT_EQ(read.groups, c.groups) << c.name;
    EXPECT_EQ(read.error, "") << c.name;
  }
}

struct ErrorCase {
  const char* name;
  std::string text;
  std::string groups;  // read before the error
  std::string error;
};

const ErrorCase kErrorCases[] = {
    {"text where a group code belongs",
     "0\nSECTION\n0\nLINE\n100\nAcDbEntity\nAcDbLine\n10\n1.0\n", "0=[SECTION]@2",
     "t.dxf:7: expected a group code (an integer), found \"AcDbLine\""},
    {"a real as a group code", "0\nLINE\n10.0\n1\n", "",
     "t.dxf:3: expected a group code (an integer), found \"10.0\""},
    {"a blank line before more tags", "0\nLINE\n\n8\n0\n", "",
     "t.dxf:3: expected a group code (an integer), found \"\""},
    {"value missing at the end", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n10\n",
     "0=[SECTION]@2 2=[HEADER]@4",
     "t.dxf:8: expected a value for group code 10, found the end of the file"},
    {"value missing, no final newline", "0\nLINE\n10", "",
     "t.dxf:4: expected a value for group code 10, found the end of the file"},
    {"group code above 1071", "0\nLINE\n2000\nx\n", "",
     "t.dxf:3: expected a group code from -5 to 1071, found \"2000\""},
    {"group code below -5", "0\nLINE\n  -6\nx\n", "",
     "t.dxf:3: expected a group code from -5 to 1071, found \"-6\""},
    {"control characters are not printed", "\x89PNG\x1a\x02IHDR\r\n", "",
     "t.dxf:1: expected a group code (an integer), found \"\x89PNG??IHDR\""},
    {"a long line is cut short in the message",
     "0\nLINE\nABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ\n", "",
     "t.dxf:3: expected a group code (an integer), found "
     "\"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN...\""},
};

TEST(TagSource, NamesTheLineOfEachError) {
  for (const auto& c : kErrorCases) {
    const Read read = readText(c.text);
    EXPECT_EQ(read.groups, c.groups) << c.name;
    EXPECT_EQ(read.error, c.error) << c.name;
  }
}

// 1 + 1000 tags: "0/LINE" on lines 1-2, tag k on lines 2k+1 and 2k+2, so
// the stray text is on line 2003.
std::string longGroupThenJunk() {
  std::string text = "0\nLINE\n";
  for (int k = 1; k <= 1000; ++k)
    text += "  8\nLAYER\n";
  return text + "oops\n";
}

TEST(TagSource, CountsLinesAcrossChunks) {
  const std::string path = writeTemp("junk.dxf", longGroupThenJunk());
  auto opened = TagSource::openFile(path, 64);
  ASSERT_TRUE(opened.ok());
  const Read read = readAll(*opened.value());
  EXPECT_EQ(read.error, path + ":2003: expected a group code (an integer), found \"oops\"");
}

TEST(TagSource, ReadsAGroupLargerThanTheChunk) {
  const std::string text = "0\nMTEXT\n1\n" + std::string(1000, 'x') + "\n" +
                           "0\nEOF\n";
  const std::string path = writeTemp("large.dxf", text);
  auto opened = TagSource::openFile(path, 64);
  ASSERT_TRUE(opened.ok());
  const Read read = readAll(*opened.value());
  EXPECT_EQ(read.groups, "0=[MTEXT]@2 1=[" + std::string(1000, 'x') + "]@4 | 0=[EOF]@6");
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(opened.value()->bytesConsumed(), text.size());
}

TEST(TagSource, MissingFileIsAFailure) {
  const std::string path = ::testing::TempDir() + "no such drawing.dxf";
  auto opened = TagSource::openFile(path);
  ASSERT_FALSE(opened.ok());
  EXPECT_EQ(opened.failure().describe(), path + ": cannot open: No such file or directory");
}

// Every chunk size sees the same tags as the file read whole: groups that
// straddle a chunk end are kept whole, lines and offsets counted right.
TEST(TagSource, ChunkSizeDoesNotChangeTheTags) {
  const std::filesystem::path samples = ZEK_SAMPLES_DIR;
  const char* files[] = {"r12-leica-disto-survey-points.dxf",
                         "r2000-solidworks-ansi1250-splines.dxf", "r2013-ezdxf-unicode.dxf",
                         "binary/r2013-netdxf-binary-sample.dxf"};
  std::string generated;
  for (int k = 1; k <= 300; ++k)
    generated += "  0\r\nLINE\r\n  8\r\nL" + std::to_string(k) + "\r\n 10\r\n" +
                 std::to_string(k) + ".5\r\n";
  std::vector<std::pair<std::string, std::string>> inputs = {
      {writeTemp("generated.dxf", generated + "0\nEOF"), "generated"},
      {writeTemp("junk.dxf", generated + longGroupThenJunk()), "generated, error at the end"}};
  for (const char* file : files)
    if (std::filesystem::exists(samples / file))
      inputs.emplace_back((samples / file).string(), file);
  for (const auto& [path, label] : inputs) {
    auto whole = TagSource::fromString(fileBytes(path), path);
    const Read expected = readAll(*whole);
    ASSERT_GT(expected.tags, 0u) << label;
    for (std::size_t chunk : {64, 65, 100, 257, 1000, 4096}) {
      auto opened = TagSource::openFile(path, chunk);
      ASSERT_TRUE(opened.ok()) << label;
      const Read read = readAll(*opened.value());
      EXPECT_EQ(read.groups, expected.groups) << label << " in chunks of " << chunk;
      EXPECT_EQ(read.error, expected.error) << label << " in chunks of " << chunk;
    }
  }
}

// ---- binary DXF ----

const std::string kSentinel(kBinaryDxfSentinel);

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values)
    out.push_back(static_cast<char>(v));
  return out;
}

std::string str(const char* text) { return std::string(text, std::strlen(text) + 1); }

TEST(TagSource, ReadsTheBinarySample) {
  const std::filesystem::path path =
      std::filesystem::path(ZEK_SAMPLES_DIR) / "binary/r2013-netdxf-binary-sample.dxf";
  if (!std::filesystem::exists(path))
    GTEST_SKIP() << "sample corpus not present: " << path;
  auto opened = TagSource::openFile(path.string());
  ASSERT_TRUE(opened.ok());
  TagSource& source = *opened.value();
  EXPECT_TRUE(source.isBinary());
  std::vector<RawTag> tags;
  ASSERT_TRUE(source.nextGroup(tags));
  // Offsets from the file's bytes: the sentinel is 22 bytes, each code 2.
  struct Expected {
    int code;
    const char* value;
    long offset;
  };
  const Expected first[] = {{0, "SECTION", 24},  {2, "HEADER", 34},   {9, "$ACADVER", 43},
                            {1, "AC1027", 54},   {9, "$DWGCODEPAGE", 63}, {3, "ANSI_1252", 78}};
  ASSERT_GE(tags.size(), std::size(first));
  for (std::size_t i = 0; i < std::size(first); ++i) {
    EXPECT_EQ(tags[i].code, first[i].code) << "tag " << i;
    EXPECT_EQ(tags[i].value, first[i].value) << "tag " << i;
    EXPECT_EQ(tags[i].line, first[i].offset) << "tag " << i;
  }
  // Numbers as an ASCII file holds them: $ANGBASE 50 = eight zero bytes,
  // $CELTSCALE 40 = 00..F0 3F, $CECOLOR 62 = 00 01, $CELWEIGHT 370 = FF FF.
  std::string found;
  for (const RawTag& tag : tags)
    if (tag.code == 50 || tag.code == 40 || tag.code == 62 || tag.code == 370 || tag.code == 5)
      found += std::to_string(tag.code) + "=" + std::string(tag.value) + " ";
  EXPECT_EQ(found.substr(0, 35), "5=1A5A 50=0.0 62=256 40=1.0 370=-1 ");
  // 315 code-0 tags and 7131 tags in all: counted by a walk over the bytes
  // written for this check, and the same counts from ezdxf's binary loader.
  // Group codes 280-289 take two bytes here, 1071 four: with one byte for
  // 280 the walk loses step at the first CLASS and ends with junk names.
  const Read rest = readAll(source);
  EXPECT_EQ(rest.error, "");
  EXPECT_EQ(1 + rest.zeroGroups, 315u);
  EXPECT_EQ(tags.size() + rest.tags, 7131u);
  // The last group: "EOF\0", the last four of the file's 61967 bytes.
  EXPECT_EQ(rest.groups.substr(rest.groups.rfind(" | ")), " | 0=[EOF]@61963");
  EXPECT_EQ(source.bytesConsumed(), std::filesystem::file_size(path));
}

struct BinaryCase {
  const char* name;
  std::string data;
  std::string groups;
  std::string error;
};

const BinaryCase kBinaryCases[] = {
    {"R12: one-byte codes, 255 before a two-byte code",
     kSentinel + bytes({0}) + str("SECTION") + bytes({2}) + str("ENTITIES") + bytes({0}) +
         str("LINE") + bytes({10, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}) + bytes({255, 0xE9, 0x03}) +
         str("ACAD") + bytes({255, 0x2F, 0x04, 0xA0, 0x86, 0x01, 0x00}) + bytes({0}) + str("EOF"),
     "0=[SECTION]@23 2=[ENTITIES]@32 | 0=[LINE]@42 10=[1.5]@48 1001=[ACAD]@59 "
     "1071=[100000]@67 | 0=[EOF]@72",
     ""},
    {"R13 and later: every value kind",
     kSentinel + bytes({0, 0}) + str("SECTION") + bytes({70, 0, 0xFE, 0xFF}) +
         bytes({90, 0, 1, 0, 1, 0}) + bytes({0xA0, 0, 0, 0, 0, 0, 1, 0, 0, 0}) +
         bytes({0x22, 1, 1}) + bytes({0x36, 1, 3, 0x0A, 0x1B, 0xFF}) + bytes({5, 0}) +
         str("1F") + bytes({0, 0}) + str("EOF"),
     "0=[SECTION]@24 70=[-2]@34 90=[65537]@38 160=[4294967296]@44 290=[1]@54 "
     "310=[0A1BFF]@57 5=[1F]@63 | 0=[EOF]@68",
     ""},
    {"truncated double", kSentinel + bytes({0, 0}) + str("SECTION") + bytes({10, 0, 1, 2, 3, 4}),
     "", "t.dxf: byte 34: expected a value for group code 10, found the end of the file"},
    {"string without its end", kSentinel + bytes({0, 0}) + "SECT", "",
     "t.dxf: byte 24: expected a value for group code 0, found the end of the file"},
    {"half a group code", kSentinel + bytes({0, 0}) + str("SECTION") + bytes({10}), "",
     "t.dxf: byte 32: expected a group code, found the end of the file"},
    {"binary chunk longer than the file",
     kSentinel + bytes({0, 0}) + str("SECTION") + bytes({0x36, 1, 5, 0xAA}), "",
     "t.dxf: byte 34: expected a value for group code 310, found the end of the file"},
    {"group code out of range", kSentinel + bytes({0, 0}) + str("SECTION") + bytes({0xFF, 0x7F}),
     "", "t.dxf: byte 32: expected a group code from -5 to 1071, found 32767"},
};

TEST(TagSource, ReadsBinaryValuesAsText) {
  for (const auto& c : kBinaryCases) {
    auto source = TagSource::fromString(c.data, "t.dxf");
    EXPECT_TRUE(source->isBinary()) << c.name;
    const Read read = readAll(*source);
    EXPECT_EQ(read.groups, c.groups) << c.name;
    EXPECT_EQ(read.error, c.error) << c.name;
  }
}

}  // namespace
}  // namespace zek::dxf
