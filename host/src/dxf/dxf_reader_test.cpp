// Tests of the DXF reader on damaged and unusual files: what fails (naming
// the line or byte and what was expected), what is recovered with a warning
// naming its line, entities-only files, duplicate handles, and the damaged
// files from other programs in the sample corpus.
#include "dxf/dxf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "db/header_variables.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"
#include "dxf/tag_source.h"

namespace zek::test {
namespace {

namespace fs = std::filesystem;

// A LINE from (x1, y1) to (x2, y2) on layer 0, without a handle (R12 form).
std::string lineGroups(const char* x1, const char* y1, const char* x2, const char* y2) {
  return std::string("0\nLINE\n8\n0\n10\n") + x1 + "\n20\n" + y1 + "\n30\n0\n11\n" + x2 +
         "\n21\n" + y2 + "\n31\n0\n";
}

// Binary DXF: the format's sentinel, then 2-byte group codes and values.
std::string binaryCode(int code) {
  return std::string{static_cast<char>(code & 0xFF), static_cast<char>((code >> 8) & 0xFF)};
}
std::string binaryString(int code, const std::string& value) {
  return binaryCode(code) + value + std::string(1, '\0');
}
const std::string kBinarySentinel(dxf::kBinaryDxfSentinel);

// Sentinel (bytes 0-21), 0 SECTION (22-31), 2 ENTITIES (32-42), 0 LINE
// (43-49), 8 "0" (50-53), then group code 10 (54-55) and three of the eight
// bytes of its double: the value that starts at byte 56 is cut off.
std::string truncatedBinary() {
  return kBinarySentinel + binaryString(0, "SECTION") + binaryString(2, "ENTITIES") +
         binaryString(0, "LINE") + binaryString(8, "0") + binaryCode(10) + std::string("\x00\x00\x00", 3);
}

struct MalformedCase {
  const char* name;
  std::string text;
  bool fails;            // a Failure; otherwise the drawing loads
  long line;             // the line (or byte) named; -1: not checked
  const char* fragment;  // in the failure or the one warning; null: no warning at all
  void (*check)(AcDbDatabase& db) = nullptr;
};

void checkInsunits4(AcDbDatabase& db) {
  EXPECT_EQ(db.header().integer("$INSUNITS").value_or(-1), 4) << "the variable was read";
}

void checkCommaLine(AcDbDatabase& db) {
  std::vector<AcDbObjectId> ids = modelSpaceIds(db);
  ASSERT_EQ(ids.size(), 1u);
  Opened<AcDbLine> line(ids[0]);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->startPoint(), AcGePoint3d(1.5, 2, 0));
  EXPECT_EQ(line->endPoint(), AcGePoint3d(3.25, 4, 0));
}

void checkKeptLine(AcDbDatabase& db) {
  std::vector<AcDbObjectId> ids = modelSpaceIds(db);
  ASSERT_EQ(ids.size(), 1u) << "the damaged LINE is kept, not dropped";
  Opened<AcDbEntity> entity(ids[0]);
  EXPECT_STREQ(entity->dxfTypeName(), "LINE");
}

const std::vector<MalformedCase>& malformedCases() {
  static const std::vector<MalformedCase> cases = {
      {"a group code that is not a number",
       "0\nSECTION\n2\nENTITIES\n0\nLINE\nAcDbLine\n8\n0\nENDSEC\n0\nEOF\n", true, 7,
       "expected a group code (an integer), found \"AcDbLine\""},
      {"a value missing at the end", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n", true, 8,
       "expected a value for group code 8, found the end of the file"},
      {"a group code out of range", "0\nSECTION\n2\nENTITIES\n0\nLINE\n123456\n0\n", true, 7,
       "expected a group code from"},
      {"no EOF", "0\nSECTION\n2\nENTITIES\n" + lineGroups("0", "0", "1", "1") + "0\nENDSEC\n",
       false, -1, "missing EOF"},
      {"SECTION without ENDSEC before the next SECTION",
       "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n",
       false, 10, "missing ENDSEC before SECTION", &checkInsunits4},
      {"ENDSEC without SECTION", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nENDSEC\n0\nEOF\n", false, 8,
       "ENDSEC without SECTION"},
      {"header variables outside a section",
       "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n9\n$INSUNITS\n70\n4\n0\nEOF\n", false, 8,
       "header variables outside the HEADER section", &checkInsunits4},
      {"a decimal comma",
       "0\nSECTION\n2\nENTITIES\n" + lineGroups("1,5", "2", "3,25", "4") + "0\nENDSEC\n0\nEOF\n",
       false, 10, "decimal comma", &checkCommaLine},
      {"a number that is not a number",
       "0\nSECTION\n2\nENTITIES\n" + lineGroups("1", "2", "x7", "4") + "0\nENDSEC\n0\nEOF\n", false,
       16, "LINE kept as read: expected a number for group code 11, found \"x7\"", &checkKeptLine},
      {"a truncated binary file", truncatedBinary(), true, 56,
       "expected a value for group code 10, found the end of the file"},
  };
  return cases;
}

TEST(DxfReaderMalformed, FailsOrRecoversNamingTheLine) {
  for (const MalformedCase& c : malformedCases()) {
    std::vector<Failure> warnings;
    DxfReadOptions options;
    options.warnings = &warnings;
    auto read = readDxfString(c.text, "t.dxf", options);
    if (c.fails) {
      ASSERT_FALSE(read.ok()) << c.name;
      const Failure& failure = read.failure();
      EXPECT_EQ(failure.file, "t.dxf") << c.name;
      if (c.line >= 0) {
        EXPECT_EQ(failure.line, c.line) << c.name << ": " << failure.describe();
      }
      EXPECT_NE(failure.message.find(c.fragment), std::string::npos) << c.name << ": " << failure.describe();
      continue;
    }
    ASSERT_TRUE(read.ok()) << c.name << ": " << read.failure().describe();
    if (c.fragment == nullptr) {
      EXPECT_TRUE(warnings.empty()) << c.name << "\n" << describeAll(warnings);
    } else {
      ASSERT_EQ(warnings.size(), 1u) << c.name << "\n" << describeAll(warnings);
      EXPECT_EQ(warnings[0].file, "t.dxf") << c.name;
      if (c.line >= 0) {
        EXPECT_EQ(warnings[0].line, c.line) << c.name << ": " << warnings[0].describe();
      }
      EXPECT_NE(warnings[0].message.find(c.fragment), std::string::npos)
          << c.name << ": " << warnings[0].describe();
    }
    if (c.check)
      c.check(*read.value());
  }
}

TEST(DxfReaderMalformed, BinaryFailureNamesTheByteOffset) {
  auto read = readDxfString(truncatedBinary(), "plate.dxf");
  ASSERT_FALSE(read.ok());
  EXPECT_TRUE(read.failure().lineIsOffset);
  EXPECT_EQ(read.failure().describe(),
            "plate.dxf: byte 56: expected a value for group code 10, found the end of the file");
}

TEST(DxfReaderMalformed, EveryCutOfABinaryFileEndsCleanly) {
  const std::string whole = kBinarySentinel + binaryString(0, "SECTION") +
                            binaryString(2, "ENTITIES") + binaryString(0, "CIRCLE") +
                            binaryString(8, "0") + binaryCode(10) + std::string(8, '\0') +
                            binaryCode(40) + std::string("\0\0\0\0\0\0\x14\x40", 8) +
                            binaryString(0, "ENDSEC") + binaryString(0, "EOF");
  ASSERT_TRUE(readDxfString(whole, "b.dxf").ok()) << "the whole file reads";
  for (std::size_t size = kBinarySentinel.size(); size < whole.size(); ++size) {
    std::vector<Failure> warnings;
    DxfReadOptions options;
    options.warnings = &warnings;
    auto read = readDxfString(whole.substr(0, size), "b.dxf", options);
    // Either a failure naming a byte inside the file or a recovered drawing.
    if (!read.ok()) {
      EXPECT_TRUE(read.failure().lineIsOffset) << "cut at " << size;
      EXPECT_LE(read.failure().line, static_cast<long>(size)) << "cut at " << size;
    } else {
      EXPECT_FALSE(warnings.empty()) << "cut at " << size << ": a cut file is never silent";
    }
  }
}

// The warning for a missing EOF says where the file ended.
TEST(DxfReaderMalformed, MissingEofWarningNamesTheLastLine) {
  // Fault: the missing-EOF warning carries line 0, so it names no line of the file.
  std::vector<Failure> warnings;
  auto db = readDxf("0\nSECTION\n2\nENTITIES\n" + lineGroups("0", "0", "1", "1") + "0\nENDSEC\n",
                    &warnings);
  ASSERT_EQ(warnings.size(), 1u) << describeAll(warnings);
  EXPECT_EQ(warnings[0].line, 22) << warnings[0].describe();
}

TEST(DxfReaderMalformed, EmptyFileIsNoDrawing) {
  // Fault: an empty file loads as a new drawing (with only a missing-EOF warning).
  auto read = readDxfString("", "empty.dxf");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.failure().file, "empty.dxf");
}

TEST(DxfReaderHandles, SecondObjectOfAHandleGetsANewOne) {
  const std::string text = "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n1A\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n"
                           "0\nLINE\n5\n1A\n8\n0\n10\n5\n20\n5\n11\n6\n21\n5\n0\nENDSEC\n0\nEOF\n";
  std::vector<Failure> warnings;
  auto db = readDxf(text, &warnings);
  ASSERT_TRUE(db);
  ASSERT_EQ(warnings.size(), 1u) << describeAll(warnings);
  EXPECT_EQ(warnings[0].line, 20) << warnings[0].describe();
  EXPECT_NE(warnings[0].message.find("used twice"), std::string::npos) << warnings[0].describe();
  std::vector<AcDbObjectId> ids = modelSpaceIds(*db);
  ASSERT_EQ(ids.size(), 2u) << "both lines are kept";
  EXPECT_EQ(ids[0].handle(), AcDbHandle(0x1A)) << "the first keeps its handle";
  EXPECT_NE(ids[1].handle(), AcDbHandle(0x1A));
  Opened<AcDbLine> second(ids[1]);
  EXPECT_EQ(second->startPoint(), AcGePoint3d(5, 5, 0)) << "the second is the second line";
}

TEST(DxfReaderHandles, DuplicateHandleWarningNamesTheHandle) {
  // Fault: the warning names the entity type ("handle LINE used twice"), not the handle.
  const std::string text = "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n1A\n8\n0\n"
                           "0\nLINE\n5\n1A\n8\n0\n0\nENDSEC\n0\nEOF\n";
  std::vector<Failure> warnings;
  auto db = readDxf(text, &warnings);
  ASSERT_EQ(warnings.size(), 1u) << describeAll(warnings);
  EXPECT_NE(warnings[0].message.find("handle 1A used twice"), std::string::npos)
      << warnings[0].describe();
}

TEST(DxfReaderHandles, EntitiesOnlyFileKeepsItsHandles) {
  // Fault: the standard tables made before the first entity of a file without
  // tables take handles 1, 2, ..., so the file's own entities with those
  // handles are reported as "used twice" and lose them.
  const std::string text = "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n1\n8\n0\n"
                           "0\nLINE\n5\n2\n8\n0\n0\nENDSEC\n0\nEOF\n";
  std::vector<Failure> warnings;
  auto db = readDxf(text, &warnings);
  ASSERT_TRUE(db);
  EXPECT_TRUE(warnings.empty()) << describeAll(warnings);
  std::vector<AcDbObjectId> ids = modelSpaceIds(*db);
  ASSERT_EQ(ids.size(), 2u);
  EXPECT_EQ(ids[0].handle(), AcDbHandle(1));
  EXPECT_EQ(ids[1].handle(), AcDbHandle(2));
}

// Files with only an ENTITIES section: they load, and their generation is R12
// exactly when every entity type fits R12.
struct EntitiesOnlyCase {
  const char* name;
  std::string entities;
  AcDb::AcDbDwgVersion generation;
};

TEST(DxfReaderEntitiesOnly, LoadsWithoutAHeader) {
  const EntitiesOnlyCase cases[] = {
      {"lines and a circle", lineGroups("0", "0", "10", "0") +
                                 "0\nCIRCLE\n8\n0\n10\n5\n20\n5\n30\n0\n40\n2.5\n",
       AcDb::kDHL_1009},
      {"a lightweight polyline is no R12 type",
       lineGroups("0", "0", "10", "0") +
           "0\nLWPOLYLINE\n8\n0\n90\n2\n70\n0\n10\n0\n20\n0\n10\n4\n20\n3\n",
       AcDb::kDHL_1032},
  };
  for (const EntitiesOnlyCase& c : cases) {
    std::vector<Failure> warnings;
    auto db = readDxf("0\nSECTION\n2\nENTITIES\n" + c.entities + "0\nENDSEC\n0\nEOF\n", &warnings);
    ASSERT_TRUE(db) << c.name;
    EXPECT_TRUE(warnings.empty()) << c.name << "\n" << describeAll(warnings);
    EXPECT_EQ(modelSpaceIds(*db).size(), 2u) << c.name;
    EXPECT_EQ(db->originalFileVersion(), c.generation) << c.name;
    EXPECT_FALSE(db->layerZero().isNull()) << c.name << ": the standard content is made";
    EXPECT_FALSE(db->continuousLinetype().isNull()) << c.name;
  }
}

// The damaged files of the corpus, from other programs: each loads with its
// entities, and says what it recovered from.
struct SampleCase {
  const char* file;
  std::map<std::string, int> counts;  // model-space entities by DXF type
  const char* warning;                // a fragment of some warning; null: none expected
};

TEST(DxfReaderSamples, DamagedFilesFromOtherProgramsLoad) {
  const fs::path folder = fs::path(ZEK_SAMPLES_DIR) / "malformed";
  if (!fs::is_directory(folder))
    GTEST_SKIP() << "no sample corpus at " << folder;
  const SampleCase cases[] = {
      {"decimal-comma-floats.dxf", {{"LINE", 4}}, "decimal comma"},
      {"recover-tags-outside-sections.dxf", {{"LINE", 1441}, {"TEXT", 63}}, "outside"},
      {"spline-without-subclass-markers.dxf", {{"SPLINE", 1}}, nullptr},
  };
  for (const SampleCase& c : cases) {
    std::vector<Failure> warnings;
    DxfReadOptions options;
    options.warnings = &warnings;
    auto read = readDxfFile((folder / c.file).string(), options);
    ASSERT_TRUE(read.ok()) << c.file << ": " << read.failure().describe();
    AcDbDatabase& db = *read.value();
    std::map<std::string, int> counts;
    for (AcDbObjectId id : modelSpaceIds(db)) {
      Opened<AcDbEntity> entity(id);
      ++counts[entity->dxfTypeName()];
    }
    EXPECT_EQ(counts, c.counts) << c.file;
    if (c.warning == nullptr) {
      EXPECT_TRUE(warnings.empty()) << c.file << "\n" << describeAll(warnings);
      continue;
    }
    bool found = false;
    for (const Failure& w : warnings) {
      found = found || w.message.find(c.warning) != std::string::npos;
      EXPECT_NE(w.file.find(c.file), std::string::npos) << "the warning names the file: " << w.describe();
    }
    EXPECT_TRUE(found) << c.file << "\n" << describeAll(warnings);
  }
}

TEST(DxfReaderSamples, DecimalCommaValuesAreReadWithAPoint) {
  const fs::path file = fs::path(ZEK_SAMPLES_DIR) / "malformed" / "decimal-comma-floats.dxf";
  if (!fs::exists(file))
    GTEST_SKIP() << "no sample corpus at " << file;
  auto read = readDxfFile(file.string());
  ASSERT_TRUE(read.ok()) << read.failure().describe();
  std::optional<AcGePoint3d> extmin = read.value()->header().point("$EXTMIN");
  ASSERT_TRUE(extmin.has_value());
  EXPECT_EQ(extmin->x, -6.63671875) << "\"-6,63671875\" in the file";
  EXPECT_EQ(extmin->y, -0.0244140625);
}

// In an R12 dimension style, group 5 is the arrow block's name (DIMBLK), not
// a handle: a name that reads as hex must not take the handle of the line
// that really has it.
TEST(DxfReaderHandles, R12DimstyleArrowNameIsNoHandle) {
  const std::string dxf =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$HANDLING\n70\n1\n0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nDIMSTYLE\n70\n1\n"
      "0\nDIMSTYLE\n2\nPLATE\n70\n0\n5\nABC\n40\n1.0\n0\nENDTAB\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n"
      "0\nLINE\n5\nABC\n8\n0\n10\n0\n20\n0\n30\n0\n11\n5\n21\n0\n31\n0\n"
      "0\nENDSEC\n0\nEOF\n";
  std::vector<Failure> warnings;
  DxfReadOptions options;
  options.warnings = &warnings;
  auto read = readDxfString(dxf, "r12.dxf", options);
  ASSERT_TRUE(read.ok());
  AcDbDatabase& db = *read.value();
  std::vector<AcDbObjectId> lines = modelSpaceIds(db);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].handle().ascii(), std::string("ABC")) << "the line keeps its handle";
  for (const Failure& w : warnings)
    ADD_FAILURE() << "unexpected warning: " << w.message;
}

}  // namespace
}  // namespace zek::test
