// The soak run's answers: keyword lists read off prompts, guesses of what a
// prompt reads, and every answer family inside the grammar it stands for.
#include "answer_maker.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/prompts/answer_parsing.h"

namespace zek::soak {
namespace {

TEST(SoakKeywords, ReadOffTheBracketedList) {
  struct Case {
    const char* prompt;
    std::vector<std::string> keywords;
  };
  const Case cases[] = {
      {"Specify next point or [Undo]: ", {"Undo"}},
      {"\nEnter an option [ON/OFF/Color/LType/ ? ] <ON>: ", {"ON", "OFF", "Color", "LType", "?"}},
      {"Specify first point: ", {}},
      {"Select [a/b] or [Yes/No]: ", {"Yes", "No"}},  // the last list is the prompt's own
      {"Broken [Yes/No: ", {}},
      {"[]: ", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(keywordsOfPrompt(c.prompt), c.keywords) << c.prompt;
}

TEST(SoakKeywords, AbbreviationIsTheCapitals) {
  EXPECT_EQ(abbreviationOf("LType"), "LT");
  EXPECT_EQ(abbreviationOf("eXit"), "X");
  EXPECT_EQ(abbreviationOf("Z2"), "Z2");
  EXPECT_EQ(abbreviationOf("none"), "none");
}

TEST(SoakPrompts, GuessesWhatThePromptReads) {
  struct Case {
    const char* prompt;
    bool dialog;
    PromptGuess guess;
  };
  const Case cases[] = {
      {"Select objects: ", false, PromptGuess::Selection},
      {"Specify radius of circle or [Diameter]: ", false, PromptGuess::Number},
      {"Specify first corner: ", false, PromptGuess::Point},
      {"Enter layer name: ", false, PromptGuess::Text},
      {"Dialog: ", false, PromptGuess::Dialog},
      {"Anything: ", true, PromptGuess::Dialog},
      {"Continue? ", false, PromptGuess::Unknown},
  };
  for (const Case& c : cases)
    EXPECT_EQ(guessPrompt(c.prompt, c.dialog), c.guess) << c.prompt;
}

PlateTargets plate() {
  PlateTargets targets;
  targets.min = {0, 0};
  targets.max = {400, 300};
  targets.onEntities = {{10, 10}, {200.5, 150.25}};
  return targets;
}

TEST(SoakAnswers, SameSeedSameAnswers) {
  SoakRandom first(42), second(42), other(43);
  AnswerMaker a(first, plate()), b(second, plate()), c(other, plate());
  std::vector<std::string> fromA, fromB, fromC;
  for (int i = 0; i < 200; ++i) {
    fromA.push_back(a.answerFor("Specify point or [Undo/eXit]: ", {"12"}, i % 7 == 0));
    fromB.push_back(b.answerFor("Specify point or [Undo/eXit]: ", {"12"}, i % 7 == 0));
    fromC.push_back(c.answerFor("Specify point or [Undo/eXit]: ", {"12"}, i % 7 == 0));
  }
  EXPECT_EQ(fromA, fromB);
  EXPECT_NE(fromA, fromC);
}

// Most point answers are points the prompts take; the odd ones are there on
// purpose, so only a share is asked for, and every absolute one must lie in
// or around the plate.
TEST(SoakAnswers, PointsAreMostlyPointsNearThePlate) {
  SoakRandom random(7);
  AnswerMaker maker(random, plate());
  int parsed = 0;
  for (int i = 0; i < 1000; ++i) {
    const std::string answer = maker.point();
    auto point = parsePointAnswer(answer);
    if (!point)
      continue;
    ++parsed;
    if (answer.find_first_of("@<*") == std::string::npos && answer.find("e") == std::string::npos &&
        answer != "0,0") {
      EXPECT_GE(point->value.x, -100.0) << answer;
      EXPECT_LE(point->value.x, 500.0) << answer;
      EXPECT_GE(point->value.y, -75.0) << answer;
      EXPECT_LE(point->value.y, 375.0) << answer;
    }
  }
  EXPECT_GT(parsed, 850);
  EXPECT_LT(parsed, 1000);  // some answers are no points at all
}

TEST(SoakAnswers, NumbersCoverEdgesAndNonNumbers) {
  SoakRandom random(3);
  AnswerMaker maker(random, plate());
  std::set<std::string> seen;
  int numbers = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::string answer = maker.number();
    seen.insert(answer);
    numbers += parseRealAnswer(answer).has_value() ? 1 : 0;
  }
  for (const char* edge : {"0", "-1", "1e300", "1e-300", "five", "."})
    EXPECT_TRUE(seen.count(edge)) << edge;
  EXPECT_GT(numbers, 1500);
  EXPECT_LT(numbers, 2000);
}

TEST(SoakAnswers, KeywordsComeFromThePrompt) {
  SoakRandom random(5);
  AnswerMaker maker(random, plate());
  std::set<std::string> seen;
  for (int i = 0; i < 500; ++i)
    seen.insert(maker.keyword("Option [LType/eXit]: "));
  for (const char* form : {"LType", "LT", "ltype", "eXit", "X", "exit"})
    EXPECT_TRUE(seen.count(form)) << form;
}

TEST(SoakAnswers, DialogAnswersNameTheDialogsControls) {
  SoakRandom random(11);
  AnswerMaker maker(random, plate());
  std::set<std::string> verbs;
  for (int i = 0; i < 500; ++i) {
    const std::string answer = maker.dialogAnswer({"set", "click", "101", "102"});
    const std::vector<std::string> words = splitWords(answer);
    if (words.size() < 2)
      continue;
    verbs.insert(words[0]);
    if (words[0] != "select" || words[1] != "9999") {
      EXPECT_TRUE(words[1] == "101" || words[1] == "102" || words[1] == "1" || words[1] == "2")
          << answer;
    }
  }
  EXPECT_EQ(verbs, (std::set<std::string>{"set", "check", "select", "dblclick", "click"}));
}

TEST(SoakAnswers, LispCallsAreFormsOfTheFunction) {
  SoakRandom random(13);
  AnswerMaker maker(random, plate());
  int unclosed = 0;
  for (int i = 0; i < 300; ++i) {
    const std::string call = maker.lispCall("ZEKALIGN");
    ASSERT_EQ(call.rfind("(ZEKALIGN", 0), 0u) << call;
    unclosed += call.back() != ')' ? 1 : 0;
  }
  EXPECT_GT(unclosed, 0);
  EXPECT_LT(unclosed, 30);
}

}  // namespace
}  // namespace zek::soak
