// The soak's round-trip check: what counts as the same text, and the shipped
// plates as read passing it in every generation.
#include "round_trip.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::soak {
namespace {

TEST(SoakRoundTrip, HandleSeedValueIsLeftOut) {
  const std::string a = "  9\n$ACADVER\n  1\nAC1009\n  9\n$HANDSEED\n  5\n12E\n  9\n$X\n";
  const std::string b = "  9\n$ACADVER\n  1\nAC1009\n  9\n$HANDSEED\n  5\n132\n  9\n$X\n";
  EXPECT_NE(a, b);
  EXPECT_EQ(withoutHandleSeed(a), withoutHandleSeed(b));
  EXPECT_EQ(withoutHandleSeed(a).find("12E"), std::string::npos);
  // Other handles stay: only the header value is masked.
  EXPECT_NE(withoutHandleSeed("  5\n12E\n"), withoutHandleSeed("  5\n132\n"));
  EXPECT_EQ(withoutHandleSeed("no header"), "no header");
}

TEST(SoakRoundTrip, LastDigitsAreNumbersThatAgree) {
  struct Case {
    const char* a;
    const char* b;
    bool lastDigits;
  };
  const Case cases[] = {
      {" 50\n268.4696705178712\n", " 50\n268.46967051787124\n", true},
      {" 50\n0.0\n", " 50\n1e-12\n", true},
      {" 50\n268.4\n", " 50\n268.5\n", false},       // a real change
      {"  1\nNOTE\n", "  1\nNOTF\n", false},         // texts never
      {" 50\n1.0\n", " 50\n1.0\n  0\nLINE\n", false},  // more lines
      {" 50\n1.0x\n", " 50\n1.0y\n", false},         // not whole numbers
      {"same\n", "same\n", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(onlyLastDigits(c.a, c.b), c.lastDigits) << c.a << " / " << c.b;
}

TEST(SoakRoundTrip, FirstDifferenceNamesTheLine) {
  EXPECT_EQ(firstDifference("a\nb\nc\n", "a\nb\nd\n"), "line 3: \"c\" then \"d\"");
  EXPECT_EQ(firstDifference("a\n", "a\nb\n"), "line 2: \"<end>\" then \"b\"");
  EXPECT_EQ(firstDifference("a\n", "a\n"), "texts equal");
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every shipped plate, opened and untouched, reloads to its own text in its
// own generation and in every one a save can ask for.
TEST(SoakRoundTrip, ShippedPlatesPass) {
  for (const char* plate : {"plate.dxf", "plates-pair.dxf", "plate-table.dxf"}) {
    auto db = readDxfString(readText(std::string(ZEK_DATA_DIR) + "/samples/" + plate), plate);
    ASSERT_TRUE(db.ok()) << plate;
    const std::optional<DxfVersion> versions[] = {std::nullopt, DxfVersion::R12, DxfVersion::R2000,
                                                  DxfVersion::R2004, DxfVersion::R2018};
    for (const auto& version : versions) {
      const auto problem = roundTripProblem(*db.value(), version);
      EXPECT_FALSE(problem.has_value()) << plate << ": " << problem.value_or("");
    }
  }
}

}  // namespace
}  // namespace zek::soak
