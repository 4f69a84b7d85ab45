// acedInvoke between modules and its contract; defining, replacing and
// removing functions; handlers of acedRegFunc; separate drawings.
#include "aced_lisp.h"

#include <gtest/gtest.h>

#include "editor/editor_hooks.h"
#include "editor/testing/editor_test_support.h"
#include "editor/transcript.h"
#include "lisp/lisp_functions.h"
#include "lisp/lisp_printer.h"
#include "lisp/testing/lisp_test_module.h"

namespace zek {
namespace {

std::string typed(test::EditorSession& session, const std::string& line) {
  session.take();
  Transcript::instance().promptAndAnswer("Command: ", line);
  editorHooks().lispLine(line);
  Transcript::instance().finish();
  return session.take();
}

TEST(LispInvoke, ModulesCallEachOtherAndEachFreesWhatIsTheirs) {
  test::EditorSession session;
  test::LispTestModule callee;
  test::LispTestModule caller;
  int calleeCodeSeen = -1;
  int callerCodeAfter = -1;
  std::string calleeArgs;
  ASSERT_EQ(callee.define("ZEKHOLES", [&] {
    calleeCodeSeen = acedGetFunCode();
    resbuf* args = acedGetArgs();
    calleeArgs = lispValuesText(args);
    acutRelRb(args);
    OwnedResbuf answer(acutBuildList(RTSTR, "H1", RTREAL, 6.5, RTNONE));
    return acedRetList(answer.get());
  }), RTNORM);
  const int holesCode = callee.lastCode();
  std::string got;
  ASSERT_EQ(caller.define("ZEKTABLE", [&] {
    OwnedResbuf args(acutBuildList(RTSTR, "zekholes", RTSHORT, 2, RTSTR, "G1", RTNONE));
    resbuf* result = nullptr;
    const int code = acedInvoke(args.get(), &result);
    callerCodeAfter = acedGetFunCode();
    got = std::to_string(code) + " " + lispValuesText(result);
    acutRelRb(result);  // the caller frees its arguments and the result
    return acedRetVoid();
  }), RTNORM);
  const int tableCode = caller.lastCode();

  const std::int64_t before = liveResbufCount();
  EXPECT_EQ(typed(session, "(ZEKTABLE)"), "Command: (ZEKTABLE)\n");
  EXPECT_EQ(got, std::to_string(RTNORM) + " \"H1\" 6.5")
      << "the result is the callee's list as built, without list brackets";
  EXPECT_EQ(calleeArgs, "2 \"G1\"") << "the callee sees the arguments after the name";
  EXPECT_EQ(calleeCodeSeen, holesCode);
  EXPECT_EQ(callerCodeAfter, tableCode) << "after the inner call the caller's code is back";
  EXPECT_EQ(liveResbufCount(), before);
}

struct InvokeCase {
  const char* what;
  std::function<int()> callee;
  int code;            // acedInvoke's answer
  const char* result;  // the result list as "TYPE ..." restypes, "" for null
};

std::string restypes(const resbuf* list) {
  std::string text;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext)
    text += (text.empty() ? "" : " ") + std::to_string(rb->restype);
  return text;
}

TEST(LispInvoke, AnswersAndResultsFollowTheContract) {
  test::EditorSession session;
  const InvokeCase cases[] = {
      {"the callee's RTERROR passes through, no result", [] {
         static_cast<void>(acedRetInt(1));
         return RTERROR;
       }, RTERROR, ""},
      {"the callee's RTCAN passes through", [] { return RTCAN; }, RTCAN, ""},
      {"RSERR is RTERROR", [] { return RSERR; }, RTERROR, ""},
      {"RSRSLT is RTNORM", [] {
         static_cast<void>(acedRetT());
         return RSRSLT;
       }, RTNORM, "5021"},
      {"nothing handed back: a null list", [] { return RTNORM; }, RTNORM, ""},
      {"acedRetNil: one RTNIL", [] { return acedRetNil(); }, RTNORM, "5019"},
      {"acedRetVoid: one RTVOID", [] { return acedRetVoid(); }, RTNORM, "5014"},
      {"acedRetInt: a short", [] { return acedRetInt(12); }, RTNORM, "5003"},
      {"acedRetInt: a long past the short range", [] { return acedRetInt(-40000); }, RTNORM,
       "5010"},
      {"acedRetPoint: a 3D point", [] {
         const ads_point p = {1, 2, 3};
         return acedRetPoint(p);
       }, RTNORM, "5009"},
  };
  for (const InvokeCase& c : cases) {
    test::LispTestModule module;
    ASSERT_EQ(module.define("ZEKINNER", c.callee), RTNORM);
    OwnedResbuf args(acutBuildList(RTSTR, "ZEKINNER", RTNONE));
    resbuf* result = acutNewRb(RTSHORT);  // must be overwritten, not appended to
    resbuf* stale = result;
    const std::int64_t before = liveResbufCount();
    EXPECT_EQ(acedInvoke(args.get(), &result), c.code) << c.what;
    EXPECT_EQ(restypes(result), c.result) << c.what;
    acutRelRb(result);
    EXPECT_EQ(liveResbufCount(), before) << c.what;
    acutRelRb(stale);
  }
}

TEST(LispInvoke, RefusesUnknownFunctionsAndBadArgumentLists) {
  test::EditorSession session;
  test::LispTestModule module;
  ASSERT_EQ(module.define("ZEKKNOWN", [] { return acedRetT(); }), RTNORM);
  struct Row {
    const char* what;
    resbuf* args;
  };
  const Row rows[] = {
      {"an unknown function", acutBuildList(RTSTR, "ZEKUNKNOWN", RTSHORT, 1, RTNONE)},
      {"no name first", acutBuildList(RTSHORT, 1, RTSTR, "ZEKKNOWN", RTNONE)},
      {"no list at all", nullptr},
  };
  for (const Row& row : rows) {
    OwnedResbuf args(row.args);
    resbuf* result = nullptr;
    EXPECT_EQ(acedInvoke(args.get(), &result), RTERROR) << row.what;
    EXPECT_EQ(result, nullptr) << row.what;
  }
  EXPECT_EQ(module.calls(), 0) << "nothing ran";
  OwnedResbuf known(acutBuildList(RTSTR, "zekKnown", RTNONE));
  EXPECT_EQ(acedInvoke(known.get(), nullptr), RTNORM) << "a caller may drop the result";
}

TEST(LispInvoke, EachDrawingHasItsOwnFunctions) {
  test::EditorSession session;
  Document& first = session.document();
  test::LispTestModule module;
  ASSERT_EQ(module.define("ZEKWHICH", [] { return acedRetStr("first"); }), RTNORM);
  ASSERT_EQ(module.define("ZEKONLYFIRST", [] { return acedRetT(); }), RTNORM);
  Document* second = DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  ASSERT_EQ(module.define("ZEKWHICH", [] { return acedRetStr("second"); }), RTNORM);

  EXPECT_EQ(typed(session, "(ZEKONLYFIRST)"),
            "Command: (ZEKONLYFIRST)\n; error: no function definition: ZEKONLYFIRST\n");
  EXPECT_EQ(typed(session, "(ZEKWHICH)"), "Command: (ZEKWHICH)\n\"second\"\n");
  OwnedResbuf args(acutBuildList(RTSTR, "ZEKONLYFIRST", RTNONE));
  resbuf* result = nullptr;
  EXPECT_EQ(acedInvoke(args.get(), &result), RTERROR) << "acedInvoke looks in the current drawing";

  DocumentManager::instance().activate(&first);
  EXPECT_EQ(typed(session, "(ZEKWHICH)"), "Command: (ZEKWHICH)\n\"first\"\n");
  EXPECT_EQ(acedInvoke(args.get(), &result), RTNORM);
  acutRelRb(result);

  DocumentManager::instance().close(second);
  EXPECT_EQ(typed(session, "(ZEKWHICH)"), "Command: (ZEKWHICH)\n\"first\"\n")
      << "closing one drawing leaves the other's functions";
}

TEST(LispInvoke, DefiningReplacingAndRemovingFunctions) {
  test::EditorSession session;
  auto module = std::make_unique<test::LispTestModule>();
  ASSERT_EQ(module->define("ZEKF", [] { return acedRetInt(1); }), RTNORM);
  const int oldCode = module->lastCode();
  ASSERT_EQ(module->define("zekf", [] { return acedRetInt(2); }), RTNORM);
  const int newCode = module->lastCode();
  EXPECT_EQ(typed(session, "(ZEKF)"), "Command: (ZEKF)\n2\n")
      << "the same name in any case replaces";

  EXPECT_EQ(acedUndef("ZEKF", oldCode), RTERROR) << "the code must match the definition";
  EXPECT_EQ(acedUndef("zekF", newCode), RTNORM);
  EXPECT_EQ(acedUndef("ZEKF", newCode), RTERROR) << "already gone";
  EXPECT_EQ(typed(session, "(ZEKF)"), "Command: (ZEKF)\n; error: no function definition: ZEKF\n");

  EXPECT_EQ(acedDefun("", 1), RTERROR);
  EXPECT_EQ(acedDefun(nullptr, 1), RTERROR);
  EXPECT_EQ(acedDefun("ZEKG", -1), RTERROR);

  ASSERT_EQ(module->define("ZEKGONE", [] { return acedRetT(); }), RTNORM);
  module.reset();  // the module unloads: its functions leave every drawing
  EXPECT_EQ(typed(session, "(ZEKGONE)"),
            "Command: (ZEKGONE)\n; error: no function definition: ZEKGONE\n");
}

int handledDirectly() { return acedRetStr("handler"); }

TEST(LispInvoke, ARegisteredHandlerIsCalledWithoutTheDispatcher) {
  test::EditorSession session;
  test::LispTestModule module;
  ASSERT_EQ(module.define("ZEKH", [] { return acedRetStr("dispatcher"); }), RTNORM);
  EXPECT_EQ(typed(session, "(ZEKH)"), "Command: (ZEKH)\n\"dispatcher\"\n");
  {
    LispOwnerScope scope(module.owner());
    EXPECT_EQ(acedRegFunc(handledDirectly, module.lastCode()), RTNORM);
    EXPECT_EQ(acedRegFunc(nullptr, module.lastCode()), RTERROR);
  }
  EXPECT_EQ(typed(session, "(ZEKH)"), "Command: (ZEKH)\n\"handler\"\n");
  EXPECT_EQ(module.calls(), 1) << "the second call went to the handler";

  // A function of the host itself (no owner) that neither a handler nor any
  // module answers: it cannot run and says nothing.
  ASSERT_EQ(acedDefun("ZEKORPHAN", 7), RTNORM);
  EXPECT_EQ(typed(session, "(ZEKORPHAN)"), "Command: (ZEKORPHAN)\n");
  OwnedResbuf args(acutBuildList(RTSTR, "ZEKORPHAN", RTNONE));
  resbuf* result = nullptr;
  EXPECT_EQ(acedInvoke(args.get(), &result), RTERROR);
}

TEST(LispInvoke, CallsNestOnlyToTheirLimit) {
  test::EditorSession session;
  test::LispTestModule module;
  int depth = 0;
  int deepest = 0;
  ASSERT_EQ(module.define("ZEKDEEPER", [&] {
    deepest = std::max(deepest, ++depth);
    OwnedResbuf args(acutBuildList(RTSTR, "ZEKDEEPER", RTNONE));
    resbuf* result = nullptr;
    static_cast<void>(acedInvoke(args.get(), &result));  // the innermost one is refused
    acutRelRb(result);
    --depth;
    return acedRetInt(deepest);
  }), RTNORM);
  const std::int64_t before = liveResbufCount();
  EXPECT_EQ(typed(session, "(ZEKDEEPER)"), "Command: (ZEKDEEPER)\n64\n");
  EXPECT_EQ(deepest, kMaxLispCallDepth);
  EXPECT_EQ(liveResbufCount(), before);
}

TEST(LispInvoke, AFunctionMayUndefineItselfWhileItRuns) {
  test::EditorSession session;
  test::LispTestModule module;
  int code = -1;
  ASSERT_EQ(module.define("ZEKONCE", [&] {
    static_cast<void>(acedUndef("ZEKONCE", code));
    return acedRetStr("once");
  }), RTNORM);
  code = module.lastCode();
  EXPECT_EQ(typed(session, "(ZEKONCE)"), "Command: (ZEKONCE)\n\"once\"\n");
  EXPECT_EQ(typed(session, "(ZEKONCE)"),
            "Command: (ZEKONCE)\n; error: no function definition: ZEKONCE\n");
}

}  // namespace
}  // namespace zek
