// Reading zekregister.dat into records and the registry entries they give,
// without a host.
#include "registration_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace zek {
namespace {

struct ReadCase {
  const char* why;
  std::string text;
  std::vector<AppRecord> records;
};

std::string manyTokens(int count, const char* token) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += std::string(token) + " ";
  return text;
}

const ReadCase kReadCases[] = {
    {"one record, two pairs",
     "zekchain ZEKCHAIN ZEKCHAIN ZEKCHAIN ZEKSUM ZEKSUM NULL",
     {{"zekchain", "ZEKCHAIN", {{"ZEKCHAIN", "ZEKCHAIN"}, {"ZEKSUM", "ZEKSUM"}}}}},
    {"records follow one another, any white space between tokens",
     "zeka\tZEKA\n  ZEKX ZEKY\r\nNULL\n\nzekb ZEKB NULL",
     {{"zeka", "ZEKA", {{"ZEKX", "ZEKY"}}}, {"zekb", "ZEKB", {}}}},
    {"a record the file leaves open is not written",
     "zeka ZEKA ZEKX ZEKX NULL zekb ZEKB ZEKY ZEKY",
     {{"zeka", "ZEKA", {{"ZEKX", "ZEKX"}}}}},
    {"an empty file has no records", "", {}},
    {"NULL where a name would stand closes nothing", "NULL NULL zeka ZEKA NULL",
     {{"zeka", "ZEKA", {}}}},
    {"NULL before the group closes a record without a group", "zeka NULL",
     {{"zeka", "", {}}}},
    {"a global name without its local name is both names", "zeka ZEKA ZEKX ZEKY ZEKZ NULL",
     {{"zeka", "ZEKA", {{"ZEKX", "ZEKY"}, {"ZEKZ", "ZEKZ"}}}}},
    {"only NULL in capitals closes a record", "zeka ZEKA null Null NULL",
     {{"zeka", "ZEKA", {{"null", "Null"}}}}},
    {"a token beginning with ; is a name like any other", "; ZEKA ZEKX ZEKX NULL",
     {{";", "ZEKA", {{"ZEKX", "ZEKX"}}}}},
    {"the 1000th token may close a record (997 names: 498 pairs and a lone one)",
     "zeka ZEKA " + manyTokens(997, "ZEKX") + "NULL",
     {{"zeka", "ZEKA", std::vector<CommandNames>(499, CommandNames{"ZEKX", "ZEKX"})}}},
};

TEST(RegistrationRecords, ReadByTheTokenRules) {
  for (const ReadCase& c : kReadCases)
    EXPECT_EQ(readAppRecords(c.text), c.records) << c.why;
}

TEST(RegistrationRecords, TokensAfterTheThousandthAreNotRead) {
  const std::string closedLate = "zeka ZEKA " + manyTokens(998, "ZEKX") + "NULL";
  EXPECT_TRUE(readAppRecords(closedLate).empty()) << "NULL is the 1001st token";

  const std::string secondTooLate =
      "zeka ZEKA NULL zekb ZEKB " + manyTokens(995, "ZEKX") + "NULL";
  const std::vector<AppRecord> records = readAppRecords(secondTooLate);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, "zeka");
}

TEST(RegistrationRecords, ManyPairsInOneRecord) {
  std::string text = "zeka ZEKA";
  for (int i = 0; i < 45; ++i)
    text += " ZEKG" + std::to_string(i) + " ZEKL" + std::to_string(i);
  const std::vector<AppRecord> records = readAppRecords(text + " NULL");
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].commands.size(), 45u) << "more than the 20 the lists start with";
  EXPECT_EQ(records[0].commands[44], (CommandNames{"ZEKG44", "ZEKL44"}));
  EXPECT_EQ(records[0].commands[0], (CommandNames{"ZEKG0", "ZEKL0"}));
}

TEST(RegistrationRecords, ModuleDirectoryKeepsItsSeparator) {
  const std::pair<const char*, const char*> cases[] = {
      {"/opt/zek/lib/zek/zekregister.arx", "/opt/zek/lib/zek/"},
      {"/a b/zekregister.arx", "/a b/"},
      {"/zekregister.arx", "/"},
      {"/opt/zek/renamed.arx", "/opt/zek/"},
      {"zekregister.arx", ""},
      {"", ""},
  };
  for (const auto& [path, directory] : cases)
    EXPECT_EQ(moduleDirectory(path), directory) << path;
}

TEST(RegistrationRecords, EntriesThenTheTwoStartUpApplications) {
  const std::vector<AppRecord> records{
      {"zekchain", "ZEKCHAIN", {{"ZEKCHAIN", "ZEKCHAIN"}, {"ZEKSUM", "ZEKSUM"}}}};
  const std::vector<AppEntry> expected{
      {"zekchain", "/opt/zek/zekchain.arx", "zekchain_des", 12,
       {{"ZEKCHAIN", "ZEKCHAIN"}, {"ZEKSUM", "ZEKSUM"}}, "ZEKCHAIN"},
      {"zekgetpoint", "/opt/zek/zekgetpoint.arx", "zekgetpoint_des", 2, {}, "zekgetpoint"},
      {"zekislands", "/opt/zek/zekislands.arx", "zekislands_des", 2, {}, "zekislands"},
  };
  EXPECT_EQ(registryEntries(records, "/opt/zek/"), expected);
  EXPECT_EQ(registryEntries({}, "/opt/zek/").size(), 2u) << "the start-up pair always";
}

}  // namespace
}  // namespace zek
