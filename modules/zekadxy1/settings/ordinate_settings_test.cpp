// The settings record: its defaults and the dialog's accept rules, bounds
// exclusive, texts read as atof and atoi read them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/ordinate_settings.h"

namespace zek::adxy1 {
namespace {

TEST(OrdinateSettingsDefaults, AreTheValuesEveryLoadStartsFrom) {
  const OrdinateSettings settings;
  EXPECT_EQ(settings.zeroMode, 7) << "bottom left corner";
  EXPECT_EQ(settings.basePoint.x, 0.0);
  EXPECT_EQ(settings.basePoint.y, 0.0);
  EXPECT_EQ(settings.leaderFactor, 20.0);
  EXPECT_EQ(settings.outsideFactor, 10.0);
  EXPECT_EQ(settings.centreGap, 50.0);
  EXPECT_EQ(settings.millingDecimals, 2);
  EXPECT_EQ(settings.wireCutDecimals, 2);
  EXPECT_TRUE(settings.centreLines);
  EXPECT_EQ(settings.centreColour, 136);
  EXPECT_FALSE(settings.addSigns);
  EXPECT_EQ(settings.centreLinetype, "");
}

enum class Rule { LeaderFactor, OutsideFactor, CentreGap };

struct RealCase {
  const char* row;
  Rule rule;
  const char* text;
  std::optional<double> taken;
};

std::optional<double> accepted(Rule rule, const char* text) {
  switch (rule) {
    case Rule::LeaderFactor: return acceptedLeaderFactor(text);
    case Rule::OutsideFactor: return acceptedOutsideFactor(text);
    case Rule::CentreGap: return acceptedCentreGap(text);
  }
  return std::nullopt;
}

TEST(OrdinateSettingsAccept, RealBoxesKeepStrictlyInsideTheirBounds) {
  const RealCase cases[] = {
      {"leader 9.9 is the lower bound itself", Rule::LeaderFactor, "9.9", std::nullopt},
      {"leader 1000.1 is the upper bound itself", Rule::LeaderFactor, "1000.1", std::nullopt},
      {"leader 10 is taken", Rule::LeaderFactor, "10", 10.0},
      {"leader just above the lower bound", Rule::LeaderFactor, "9.91", 9.91},
      {"leader 1000 is inside", Rule::LeaderFactor, "1000", 1000.0},
      {"leader as shown by the dialog", Rule::LeaderFactor, "20.000", 20.0},
      {"leader with a unit after it: atof reads the number", Rule::LeaderFactor, "12abc", 12.0},
      {"leader with blanks before it", Rule::LeaderFactor, "  15", 15.0},
      {"leader in exponent notation", Rule::LeaderFactor, "1e2", 100.0},
      {"leader that is no number", Rule::LeaderFactor, "abc", std::nullopt},
      {"leader left empty", Rule::LeaderFactor, "", std::nullopt},
      {"leader negative", Rule::LeaderFactor, "-20", std::nullopt},
      {"leader not a number at all (NaN)", Rule::LeaderFactor, "nan", std::nullopt},
      {"leader infinite", Rule::LeaderFactor, "inf", std::nullopt},
      {"outside 5 is the lower bound itself", Rule::OutsideFactor, "5", std::nullopt},
      {"outside 5.0 written with a decimal", Rule::OutsideFactor, "5.0", std::nullopt},
      {"outside 5.5 is taken", Rule::OutsideFactor, "5.5", 5.5},
      {"outside 1000.1 is the upper bound", Rule::OutsideFactor, "1000.1", std::nullopt},
      {"outside 1000.09 is inside", Rule::OutsideFactor, "1000.09", 1000.09},
      {"outside 7 is below the leader's bound but inside its own", Rule::OutsideFactor, "7", 7.0},
      {"gap 0.01 is the lower bound", Rule::CentreGap, "0.01", std::nullopt},
      {"gap 0.011 is inside", Rule::CentreGap, "0.011", 0.011},
      {"gap 100000 is the upper bound", Rule::CentreGap, "100000", std::nullopt},
      {"gap 99999.9 is inside", Rule::CentreGap, "99999.9", 99999.9},
      {"gap 0 (atof of no number)", Rule::CentreGap, "0", std::nullopt},
      {"gap that is no number", Rule::CentreGap, "abc", std::nullopt},
      {"gap 25", Rule::CentreGap, "25", 25.0},
  };
  for (const RealCase& c : cases) {
    const std::optional<double> taken = accepted(c.rule, c.text);
    ASSERT_EQ(taken.has_value(), c.taken.has_value()) << c.row;
    if (taken) {
      EXPECT_DOUBLE_EQ(*taken, *c.taken) << c.row;
    }
  }
}

struct ColourCase {
  const char* row;
  const char* text;
  std::optional<int> taken;
};

TEST(OrdinateSettingsAccept, ColourIsAnAtoiIndexStrictlyBetween0And255) {
  const ColourCase cases[] = {
      {"0 is the lower bound", "0", std::nullopt},
      {"255 is the upper bound", "255", std::nullopt},
      {"1 is the lowest colour", "1", 1},
      {"254 is the highest colour", "254", 254},
      {"136, the default", "136", 136},
      {"no number", "abc", std::nullopt},
      {"a number with letters after it", "12abc", 12},
      {"a decimal: atoi stops at the point", "12.7", 12},
      {"blanks before it", " 7", 7},
      {"negative", "-5", std::nullopt},
      {"too large for any integer", "99999999999999999999", std::nullopt},
      {"256 wraps to nothing", "256", std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const ColourCase& c : cases)
    EXPECT_EQ(acceptedCentreColour(c.text), c.taken) << c.row;
}

TEST(OrdinateSettingsAccept, DropDownListsTakeOnlyTheirItems) {
  EXPECT_EQ(acceptedZeroMode(-1), std::nullopt) << "nothing selected";
  EXPECT_EQ(acceptedZeroMode(0), 0);
  EXPECT_EQ(acceptedZeroMode(10), 10);
  EXPECT_EQ(acceptedZeroMode(11), std::nullopt);
  EXPECT_EQ(acceptedDecimals(-1), std::nullopt) << "nothing selected";
  EXPECT_EQ(acceptedDecimals(0), 0);
  EXPECT_EQ(acceptedDecimals(4), 4);
  EXPECT_EQ(acceptedDecimals(5), std::nullopt);
}

// A record far from the defaults, so that a field taken by mistake shows.
OrdinateSettings someSettings() {
  OrdinateSettings settings;
  settings.zeroMode = 3;
  settings.basePoint = AcGePoint2d(12.5, -4.0);
  settings.leaderFactor = 30.0;
  settings.outsideFactor = 8.0;
  settings.centreGap = 40.0;
  settings.millingDecimals = 1;
  settings.wireCutDecimals = 3;
  settings.centreLines = false;
  settings.centreColour = 42;
  settings.addSigns = true;
  settings.centreLinetype = "HIDDEN";
  return settings;
}

TEST(OrdinateSettingsTake, EveryAcceptedEntryReplacesItsField) {
  OrdinateSettings settings = someSettings();
  SettingsDialogEntries entries;
  entries.zeroModeIndex = 9;
  entries.millingIndex = 0;
  entries.wireCutIndex = 4;
  entries.centreGap = "25";
  entries.leaderFactor = "10";
  entries.outsideFactor = "5.5";
  entries.centreColour = "7";
  entries.centreLines = true;
  entries.addSigns = false;
  takeDialogEntries(entries, settings);
  EXPECT_EQ(settings.zeroMode, 9);
  EXPECT_EQ(settings.millingDecimals, 0);
  EXPECT_EQ(settings.wireCutDecimals, 4);
  EXPECT_EQ(settings.centreGap, 25.0);
  EXPECT_EQ(settings.leaderFactor, 10.0);
  EXPECT_EQ(settings.outsideFactor, 5.5);
  EXPECT_EQ(settings.centreColour, 7);
  EXPECT_TRUE(settings.centreLines);
  EXPECT_FALSE(settings.addSigns);
  // Fields the dialog never shows stay as they were.
  EXPECT_EQ(settings.basePoint.x, 12.5);
  EXPECT_EQ(settings.basePoint.y, -4.0);
  EXPECT_EQ(settings.centreLinetype, "HIDDEN");
}

TEST(OrdinateSettingsTake, RefusedEntriesLeaveTheirFieldsAndOnlyThose) {
  OrdinateSettings settings = someSettings();
  SettingsDialogEntries entries;
  entries.zeroModeIndex = -1;    // nothing selected
  entries.millingIndex = 4;      // taken
  entries.wireCutIndex = -1;     // nothing selected
  entries.centreGap = "0.01";    // the bound
  entries.leaderFactor = "9.9";  // the bound
  entries.outsideFactor = "6";   // taken
  entries.centreColour = "255";  // the bound
  entries.centreLines = true;    // check boxes are always taken
  entries.addSigns = false;
  takeDialogEntries(entries, settings);
  EXPECT_EQ(settings.zeroMode, 3);
  EXPECT_EQ(settings.millingDecimals, 4);
  EXPECT_EQ(settings.wireCutDecimals, 3);
  EXPECT_EQ(settings.centreGap, 40.0);
  EXPECT_EQ(settings.leaderFactor, 30.0);
  EXPECT_EQ(settings.outsideFactor, 6.0);
  EXPECT_EQ(settings.centreColour, 42);
  EXPECT_TRUE(settings.centreLines);
  EXPECT_FALSE(settings.addSigns);
}

}  // namespace
}  // namespace zek::adxy1
