// Functions defined by test modules: arguments arriving typed, each value a
// function hands back, acedInvoke between modules and its contract, the
// tables of separate drawings, and every resbuf released.
#include "lisp/lisp_functions.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_select.h"
#include "editor/editor_hooks.h"
#include "editor/testing/editor_test_support.h"
#include "editor/transcript.h"
#include "lisp/testing/lisp_test_module.h"

namespace zek {
namespace {

// The transcript of a line typed at the command prompt, its last line ended.
std::string typed(test::EditorSession& session, const std::string& line) {
  session.take();
  Transcript::instance().promptAndAnswer("Command: ", line);
  editorHooks().lispLine(line);
  Transcript::instance().finish();
  return session.take();
}

struct ValueCase {
  const char* what;
  std::function<int()> function;
  const char* transcript;  // after "Command: (ZEKV)\n"
};

TEST(LispFunctions, EachValueAFunctionHandsBackEchoesAsAutoLispPrintsIt) {
  test::EditorSession session;
  const ads_point point = {231.49, 0.01, 0.0};
  const ads_name entity = {0x2a, 1};
  const ads_name set = {3, 0};
  const ValueCase cases[] = {
      {"a point", [&] { return acedRetPoint(point); }, "(231.49 0.01 0.0)\n"},
      {"a real", [] { return acedRetReal(2.5); }, "2.5\n"},
      {"a short integer", [] { return acedRetInt(-7); }, "-7\n"},
      {"a long integer", [] { return acedRetInt(100000); }, "100000\n"},
      {"a text", [] { return acedRetStr("say \"R4\""); }, "\"say \\\"R4\\\"\"\n"},
      {"T", [] { return acedRetT(); }, "T\n"},
      {"nil", [] { return acedRetNil(); }, "nil\n"},
      {"an entity name", [&] { return acedRetName(entity, RTENAME); }, "<Entity name: 2a>\n"},
      {"a selection set", [&] { return acedRetName(set, RTPICKS); }, "<Selection set: 3>\n"},
      {"a list", [] {
         OwnedResbuf list(acutBuildList(RTSHORT, 1, RTSTR, "a", RTLB, RTSHORT, 8, RTSTR, "0",
                                        RTDOTE, RTNONE));
         return acedRetList(list.get());
       }, "(1 \"a\" (8 . \"0\"))\n"},
      {"an empty list", [] { return acedRetList(nullptr); }, "nil\n"},
      {"the first value of acedRetVal", [] {
         OwnedResbuf list(acutBuildList(RTLB, RTSHORT, 1, RTSHORT, 2, RTLE, RTSHORT, 3, RTNONE));
         return acedRetVal(list.get());
       }, "(1 2)\n"},
      {"void echoes nothing", [] { return acedRetVoid(); }, ""},
      {"nothing handed back is nil", [] { return RTNORM; }, "nil\n"},
      {"the last value given wins", [] {
         static_cast<void>(acedRetInt(1));
         return acedRetStr("last");
       }, "\"last\"\n"},
      {"RSRSLT counts as a result", [] {
         static_cast<void>(acedRetInt(5));
         return RSRSLT;
       }, "5\n"},
      {"an entry point's 0 counts as success", [] {
         static_cast<void>(acedRetInt(6));
         return 0;
       }, "6\n"},
      {"RTERROR echoes only what was printed", [] {
         acutPrintf("\nNo plate outline found.");
         static_cast<void>(acedRetInt(5));
         return RTERROR;
       }, "No plate outline found.\n"},
      {"RSERR is an error too", [] {
         static_cast<void>(acedRetInt(5));
         return RSERR;
       }, ""},
      {"RTCAN echoes nothing", [] { return RTCAN; }, ""},
      {"an exception stays inside the bridge", []() -> int { throw std::runtime_error("x"); },
       ""},
      {"a bad name type is refused", [&] {
         return acedRetName(entity, RTSTR) == RTERROR ? acedRetNil() : acedRetT();
       }, "nil\n"},
  };
  for (const ValueCase& c : cases) {
    test::LispTestModule module;
    ASSERT_EQ(module.define("ZEKV", c.function), RTNORM);
    const std::int64_t before = liveResbufCount();
    EXPECT_EQ(typed(session, "(zekv)"), std::string("Command: (zekv)\n") + c.transcript) << c.what;
    EXPECT_EQ(module.calls(), 1) << c.what << ": the call goes through the dispatcher";
    EXPECT_EQ(liveResbufCount(), before) << c.what << ": resbufs left behind";
  }
}

TEST(LispFunctions, ArgumentsArriveTypedWithTheFunctionCode) {
  test::EditorSession session;
  test::LispTestModule module;
  ASSERT_EQ(module.define("ZEKFIRST", [] { return acedRetNil(); }), RTNORM);
  std::vector<short> types;
  int code = -1;
  ASSERT_EQ(module.define("ZEKTYPES", [&] {
    code = acedGetFunCode();
    resbuf* args = acedGetArgs();
    for (const resbuf* rb = args; rb != nullptr; rb = rb->rbnext)
      types.push_back(rb->restype);
    acutRelRb(args);  // the callee frees what acedGetArgs gave it
    return acedRetVoid();
  }), RTNORM);
  const int typesCode = module.lastCode();
  const std::int64_t before = liveResbufCount();
  EXPECT_EQ(typed(session, R"((ZEKTYPES 1 40000 2.5 "s" '(1 2) '(1 2 3) '(1 2 3 4) nil T))"),
            "Command: (ZEKTYPES 1 40000 2.5 \"s\" '(1 2) '(1 2 3) '(1 2 3 4) nil T)\n");
  EXPECT_EQ(code, typesCode) << "acedGetFunCode names the function being called";
  const std::vector<short> want = {RTSHORT, RTLONG,    RTREAL, RTSTR,   RTPOINT,
                                   RT3DPOINT, RTLB,    RTSHORT, RTSHORT, RTSHORT,
                                   RTSHORT, RTLE,      RTNIL,   RTT};
  EXPECT_EQ(types, want);
  EXPECT_EQ(liveResbufCount(), before);
  EXPECT_EQ(acedGetFunCode(), RTERROR) << "outside a call there is no function code";
  EXPECT_EQ(acedGetArgs(), nullptr);
  EXPECT_EQ(acedRetInt(1), RTERROR) << "outside a call there is nothing to hand back to";
}

TEST(LispFunctions, ASelectionSetHandedBackIsTheCallersNotALeak) {
  test::EditorSession session;
  test::LispTestModule module;
  ads_name made = {0, 0};
  ASSERT_EQ(module.define("ZEKSET", [&] {
    if (acedSSAdd(nullptr, nullptr, made) != RTNORM)
      return RTERROR;
    return acedRetName(made, RTPICKS);
  }), RTNORM);
  ASSERT_TRUE(static_cast<bool>(editorHooks().unfreedSelectionSets));

  // At the command prompt: echoed, not reported, and freed after the echo.
  EXPECT_EQ(typed(session, "(ZEKSET)"), "Command: (ZEKSET)\n<Selection set: 1>\n");
  EXPECT_EQ(editorHooks().unfreedSelectionSets("ZEKSET"), 0);
  ads_int32 length = -1;
  EXPECT_EQ(acedSSLength(made, &length), RTERROR) << "the echoed set was not freed";

  // Through acedInvoke: the caller holds the set and frees it.
  bool liveInCaller = false;
  int reportedInCaller = -1;
  ASSERT_EQ(module.define("ZEKUSER", [&] {
    OwnedResbuf args(acutBuildList(RTSTR, "ZEKSET", RTNONE));
    resbuf* result = nullptr;
    if (acedInvoke(args.get(), &result) != RTNORM || result == nullptr ||
        result->restype != RTPICKS)
      return RTERROR;
    reportedInCaller = editorHooks().unfreedSelectionSets("ZEKSET");
    ads_int32 members = -1;
    liveInCaller = acedSSLength(result->resval.rlname, &members) == RTNORM && members == 0;
    static_cast<void>(acedSSFree(result->resval.rlname));
    acutRelRb(result);
    return acedRetVoid();
  }), RTNORM);
  EXPECT_EQ(typed(session, "(ZEKUSER)"), "Command: (ZEKUSER)\n");
  EXPECT_EQ(reportedInCaller, 0) << "the callee's set was reported as left unfreed";
  EXPECT_TRUE(liveInCaller) << "the caller got a set it can use";
}

}  // namespace
}  // namespace zek
