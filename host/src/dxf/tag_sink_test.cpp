// Writing tags: the three-column group codes, values as written by hand,
// encoding, buffer boundaries, write errors, and reading our own output back.
#include "dxf/tag_sink.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "dxf/tag_source.h"
#include "dxf/text_codec.h"

namespace zek::dxf {
namespace {

TEST(TagSink, AlignsGroupCodesInThreeColumns) {
  struct Case {
    int code;
    const char* text;
  };
  const Case cases[] = {{0, "  0\nX\n"},     {8, "  8\nX\n"},     {10, " 10\nX\n"},
                        {99, " 99\nX\n"},    {100, "100\nX\n"},   {999, "999\nX\n"},
                        {1001, "1001\nX\n"}, {1071, "1071\nX\n"}, {-3, " -3\nX\n"},
                        {-1, " -1\nX\n"}};
  for (const auto& c : cases) {
    std::string out;
    TagSink sink(out);
    sink.writeRaw(c.code, "X");
    ASSERT_TRUE(sink.finish());
    EXPECT_EQ(out, c.text) << "group code " << c.code;
  }
}

TEST(TagSink, WritesEachKindOfValue) {
  std::string out;
  TagSink sink(out);
  sink.writeRaw(0, "LINE");
  sink.writeHandle(5, 0x1A5A);
  sink.writeString(8, "  spaced  ");
  sink.writeInt(70, -1);
  sink.writeDouble(40, 2.5);
  sink.writePoint(10, 1.0, 0.1, -0.0);
  sink.writePoint(11, 100.0, 1e-20);
  ASSERT_TRUE(sink.finish());
  EXPECT_EQ(out,
            "  0\nLINE\n  5\n1A5A\n  8\n  spaced  \n 70\n-1\n 40\n2.5\n"
            " 10\n1.0\n 20\n0.1\n 30\n-0.0\n 11\n100.0\n 21\n1e-20\n");
  EXPECT_EQ(sink.bytesWritten(), out.size());
}

TEST(TagSink, WritesLineBreaksInValuesInCaretForm) {
  std::string out;
  TagSink sink(out);
  sink.writeRaw(1, "IB\n");          // a binary file's string
  sink.writeString(1, "a\r\nb");     // a text set with a line break
  ASSERT_TRUE(sink.finish());
  EXPECT_EQ(out, "  1\nIB^J\n  1\na^M^Jb\n");
}

TEST(TagSink, EncodesStringsButNotRawText) {
  TextEncoder encoder;
  ASSERT_TRUE(encoder.setCodePage("ANSI_1252"));
  std::string out;
  TagSink sink(out);
  sink.writeString(1, "Grüß");  // UTF-8 without an encoder
  sink.setEncoder(&encoder);
  sink.writeString(1, "Grüß 中");
  sink.writeRaw(1, "Grüß");
  ASSERT_TRUE(sink.finish());
  EXPECT_EQ(out, "  1\nGrüß\n  1\nGr\xFC\xDF \\U+4E2D\n  1\nGrüß\n");
}

TEST(TagSink, KeepsOutputWholeAcrossTheBuffer) {
  std::string out;
  TagSink sink(out);
  const std::string huge(TagSink::kBufferSize + 10, 'h');
  sink.writeRaw(1, "a");
  sink.writeRaw(1, huge);  // larger than the buffer
  for (int i = 0; i < 200000; ++i)  // about 1.6 MB: the buffer fills and flushes
    sink.writeDouble(10, 1.5);
  ASSERT_TRUE(sink.finish());
  std::string expected = "  1\na\n  1\n" + huge + "\n";
  for (int i = 0; i < 200000; ++i)
    expected += " 10\n1.5\n";
  EXPECT_EQ(out.size(), expected.size());
  EXPECT_TRUE(out == expected);
  EXPECT_EQ(sink.bytesWritten(), expected.size());
}

TEST(TagSink, ReportsAFailedWriteAndStopsWriting) {
  int calls = 0;
  TagSink sink([&](std::string_view) {
    ++calls;
    return false;  // the disk is full
  });
  for (int i = 0; i < 1000; ++i)
    sink.writeRaw(0, "LINE");
  EXPECT_FALSE(sink.failed()) << "nothing has gone to the file yet";
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(sink.finish());
  EXPECT_TRUE(sink.failed());
  EXPECT_EQ(calls, 1);
  const std::string large(TagSink::kBufferSize * 2, 'x');  // a value larger than the buffer
  sink.writeRaw(1, large);
  for (int i = 0; i < 300000; ++i)
    sink.writeRaw(0, "LINE");
  EXPECT_FALSE(sink.finish());
  EXPECT_EQ(calls, 1) << "after a failed write nothing more is handed to the file";
}

TEST(TagSink, OutputReadsBackAsTheSameTags) {
  std::string out;
  {
    TagSink sink(out);
    sink.writeRaw(0, "TEXT");
    sink.writeString(1, "  note  ");
    sink.writePoint(10, 12.5, -3.0, 0.0);
    sink.writeInt(1071, 100000);
    sink.writeRaw(0, "EOF");
    ASSERT_TRUE(sink.finish());
  }
  auto source = TagSource::fromString(out, "ours.dxf");
  std::vector<RawTag> tags;
  std::string read;
  while (source->nextGroup(tags))
    for (const RawTag& tag : tags)
      read += std::to_string(tag.code) + "=[" + std::string(tag.value) + "] ";
  EXPECT_FALSE(source->error().has_value());
  EXPECT_EQ(read, "0=[TEXT] 1=[  note  ] 10=[12.5] 20=[-3.0] 30=[0.0] 1071=[100000] 0=[EOF] ");
}

}  // namespace
}  // namespace zek::dxf
