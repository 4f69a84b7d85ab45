// Argument lists of AutoLISP functions: counting, positions, reals and
// strings, and the message an argument check prints.
#include <gtest/gtest.h>

#include "editor/testing/editor_test_support.h"
#include "frame/lisp_args.h"
#include "guards/resbuf_list.h"

namespace zek {
namespace {

const double kOrigin[3] = {1.0, 2.0, 0.0};

struct CountCase {
  const char* what;
  resbuf* (*build)();
  int count;
  short secondType;  // restype of the argument at position 1; 0: none
};

const CountCase kCountCases[] = {
    {"no arguments", [] { return static_cast<resbuf*>(nullptr); }, 0, 0},
    {"two reals", [] { return acutBuildList(RTREAL, 20.0, RTREAL, 10.0, RTNONE); }, 2, RTREAL},
    {"a list is one argument",
     [] { return acutBuildList(RTLB, RTSHORT, 1, RTSHORT, 2, RTLE, RTSTR, "a", RTNONE); }, 2,
     RTSTR},
    {"lists inside a list",
     [] {
       return acutBuildList(RTLB, RTLB, RTSHORT, 1, RTLE, RTLB, RTLE, RTLE, RTNIL, RTT, RTNONE);
     },
     3, RTNIL},
    {"a point is one argument", [] { return acutBuildList(RTPOINT, kOrigin, RTT, RTNONE); }, 2,
     RTT},
    {"a dotted pair is one argument",
     [] { return acutBuildList(RTLB, RTSHORT, 8, RTSTR, "0", RTDOTE, RTSHORT, 7, RTNONE); }, 2,
     RTSHORT},
    {"a list left open runs to the end",
     [] { return acutBuildList(RTSHORT, 1, RTLB, RTSHORT, 2, RTSHORT, 3, RTNONE); }, 2, RTLB},
    {"a dotted pair inside a list",
     [] {
       return acutBuildList(RTLB, RTLB, RTSHORT, 8, RTSTR, "0", RTDOTE, RTLE, RTREAL, 1.0,
                            RTNONE);
     },
     2, RTREAL},
};

TEST(FrameLispArgs, CountsArgumentsAndFindsThemByPosition) {
  for (const CountCase& c : kCountCases) {
    ResbufList args(c.build());
    EXPECT_EQ(argumentCount(args.get()), c.count) << c.what;
    const resbuf* second = argumentAt(args.get(), 1);
    if (c.secondType == 0) {
      EXPECT_EQ(second, nullptr) << c.what;
    } else {
      ASSERT_NE(second, nullptr) << c.what;
      EXPECT_EQ(second->restype, c.secondType) << c.what;
    }
    EXPECT_EQ(argumentAt(args.get(), c.count), nullptr) << c.what << ": past the end";
    EXPECT_EQ(argumentAt(args.get(), -1), nullptr) << c.what;
  }
}

TEST(FrameLispArgs, RealsAndShortsReadAsReals) {
  ResbufList args(acutBuildList(RTREAL, 2.5, RTSHORT, -7, RTLONG, 100000, RTSTR, "20", RTNIL,
                                RTANG, 1.0, RTNONE));
  const resbuf* list = args.get();
  EXPECT_EQ(realArgument(argumentAt(list, 0)), 2.5);
  EXPECT_EQ(realArgument(argumentAt(list, 1)), -7.0);
  EXPECT_EQ(realArgument(argumentAt(list, 2)), std::nullopt) << "a long is no short";
  EXPECT_EQ(realArgument(argumentAt(list, 3)), std::nullopt) << "a text of digits is no number";
  EXPECT_EQ(realArgument(argumentAt(list, 4)), std::nullopt) << "nil";
  EXPECT_EQ(realArgument(argumentAt(list, 5)), std::nullopt) << "an angle is no real";
  EXPECT_EQ(realArgument(nullptr), std::nullopt) << "a missing argument";
}

TEST(FrameLispArgs, StringsOnlyFromTexts) {
  ResbufList args(acutBuildList(RTSTR, "G1", RTSTR, "", RTSHORT, 1, RTNONE));
  ASSERT_NE(stringArgument(argumentAt(args.get(), 0)), nullptr);
  EXPECT_STREQ(stringArgument(argumentAt(args.get(), 0)), "G1");
  EXPECT_STREQ(stringArgument(argumentAt(args.get(), 1)), "") << "an empty text is a text";
  EXPECT_EQ(stringArgument(argumentAt(args.get(), 2)), nullptr);
  EXPECT_EQ(stringArgument(nullptr), nullptr);
}

TEST(FrameLispArgs, AnArgumentErrorPrintsItsMessageAsWritten) {
  test::EditorSession session;
  EXPECT_EQ(argumentError(argmsg::kTwoRequired), RTERROR);
  EXPECT_EQ(argumentError(argmsg::kRealExpected), RTERROR);
  EXPECT_EQ(argumentError("100% sure"), RTERROR) << "a message is no format";
  // The first message starts the (fresh) line; the others have no "\n" of
  // their own and so continue it, as the command line shows them.
  EXPECT_EQ(session.transcript(), "Two Arguments requiredArgument should be an real.100% sure");
}

}  // namespace
}  // namespace zek
