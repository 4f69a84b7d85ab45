// The frame's messages in process, without a module library: registration
// from the table (order, names, flags, resources, refusals), removal, the
// AutoLISP definitions per drawing, the dispatch and the trampolines.
#include <gtest/gtest.h>

#include <stdexcept>

#include "aced_lisp.h"
#include "aced_vars.h"
#include "editor/core/command_table.h"
#include "editor/testing/editor_test_support.h"
#include "frame/module_frame.h"
#include "guards/resbuf_list.h"
#include "guards/sys_var_guard.h"
#include "lisp/lisp_functions.h"

namespace zek {
namespace {

HINSTANCE__ moduleInstance{};
HINSTANCE resourcesSeen = nullptr;
int commandRuns = 0;

void recordResources() {
  ++commandRuns;
  resourcesSeen = AfxGetResourceHandle();
}
void throwsWithOsmodeChanged() {
  SysVarGuard noSnap("OSMODE", 0);
  throw std::runtime_error("boom");
}
void throwsNoStdException() { throw 42; }

int echoArguments(const resbuf* args) { return acedRetList(args); }
int failsAsTold(const resbuf*) { return RTERROR; }
int throwsInFunction(const resbuf*) { throw std::invalid_argument("bad argument"); }

constexpr CommandRow kCommands[] = {
    command<recordResources>("ZEKFA"),
    command<recordResources>("ZEKFB").local("ZEKFBL").usePickSet(),
    command<recordResources>("ZEKFC").withModuleResources(),
    command<throwsWithOsmodeChanged>("ZEKFTHROW"),
    command<throwsNoStdException>("ZEKFTHROWN"),
};
constexpr LispFunctionRow kFunctions[] = {
    {"ZEKFECHO", echoArguments},
    {"ZEKFFAIL", failsAsTold},
    {"ZEKFTHROWFN", throwsInFunction},
};
constexpr ModuleTable kModule{.group = "ZEKFRAMETEST", .commands = kCommands,
                              .functions = kFunctions};

constexpr LispFunctionRow kBrokenFunctions[] = {
    {"ZEKF1", echoArguments}, {"", echoArguments}, {"ZEKF3", echoArguments}};
constexpr ModuleTable kBrokenModule{.functions = kBrokenFunctions};

constexpr ModuleTable kNoCommands{.group = "ZEKFSHARED", .functions = kFunctions};

// A host without the loader in the way: the frame's module answers the calls
// of the functions it defined, as the loader has it answer them.
class FrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    savedDispatcher_ = lispDispatcher();
    savedInstance_ = _hdllInstance;
    _hdllInstance = &moduleInstance;
    AfxSetResourceHandle(nullptr);
    setLispDispatcher([](LispOwner owner, int) {
      const auto* module = static_cast<const ModuleTable*>(owner);
      return static_cast<int>(handleEntryMessage(*module, AcRx::kInvkSubrMsg, nullptr));
    });
    commandRuns = 0;
    resourcesSeen = nullptr;
  }
  void TearDown() override {
    (void)handleEntryMessage(kModule, AcRx::kUnloadAppMsg, nullptr);
    CommandTable::instance().removeGroup("OTHER");
    CommandTable::instance().removeGroup("ZEKFSHARED");
    setLispDispatcher(savedDispatcher_);
    _hdllInstance = savedInstance_;
  }
  void send(const ModuleTable& module, AcRx::AppMsgCode message) {
    LispOwnerScope owner(&module);
    EXPECT_EQ(handleEntryMessage(module, message, nullptr), AcRx::kRetOK) << message;
  }
  static void run(const char* typed) {
    auto entry = CommandTable::instance().find(typed);
    ASSERT_TRUE(entry.has_value()) << typed;
    entry->function();
  }

  test::EditorSession session_;

private:
  LispDispatcher savedDispatcher_;
  HINSTANCE savedInstance_ = nullptr;
};

TEST_F(FrameTest, RegistersTheCommandsInTableOrderUnderTheGroup) {
  send(kModule, AcRx::kInitAppMsg);
  CommandTable& table = CommandTable::instance();
  EXPECT_EQ(table.groupCommands("ZEKFRAMETEST"),
            (std::vector<std::string>{"ZEKFA", "ZEKFB", "ZEKFC", "ZEKFTHROW", "ZEKFTHROWN"}));
  auto plain = table.find("ZEKFA");
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(plain->localName, "ZEKFA") << "the local name is the global one unless given";
  EXPECT_EQ(plain->flags, ACRX_CMD_MODAL);
  auto local = table.find("ZEKFBL");
  ASSERT_TRUE(local.has_value()) << "typed by its local name";
  EXPECT_EQ(local->globalName, "ZEKFB");
  EXPECT_EQ(local->flags, ACRX_CMD_USEPICKSET);
  EXPECT_TRUE(table.has("_ZEKFB")) << "and by its global name";
  send(kModule, AcRx::kUnloadAppMsg);
  EXPECT_TRUE(table.groupCommands("ZEKFRAMETEST").empty());
  EXPECT_FALSE(table.has("ZEKFA"));
  EXPECT_FALSE(table.has("ZEKFBL"));
}

TEST_F(FrameTest, ARefusedCommandIsSkippedAndTheOthersRegister) {
  CommandTable& table = CommandTable::instance();
  ASSERT_TRUE(table.add("OTHER", "ZEKFB", "ZEKFB", ACRX_CMD_MODAL, [] {}));
  send(kModule, AcRx::kInitAppMsg);
  EXPECT_EQ(table.groupCommands("ZEKFRAMETEST"),
            (std::vector<std::string>{"ZEKFA", "ZEKFC", "ZEKFTHROW", "ZEKFTHROWN"}));
  EXPECT_EQ(table.find("_ZEKFB")->group, "OTHER");
  send(kModule, AcRx::kUnloadAppMsg);
  EXPECT_TRUE(table.has("_ZEKFB")) << "unloading removes only the module's own group";
}

TEST_F(FrameTest, OnlyDialogCommandsMakeTheModuleResourcesCurrent) {
  send(kModule, AcRx::kInitAppMsg);
  run("ZEKFC");
  EXPECT_EQ(resourcesSeen, &moduleInstance);
  EXPECT_EQ(AfxGetResourceHandle(), nullptr) << "the earlier resources come back after it";
  run("ZEKFA");
  EXPECT_EQ(resourcesSeen, nullptr);
  EXPECT_EQ(commandRuns, 2);
}

TEST_F(FrameTest, AModuleWithoutCommandsRegistersAndRemovesNothing) {
  CommandTable& table = CommandTable::instance();
  ASSERT_TRUE(table.add("ZEKFSHARED", "ZEKFSTAY", "", ACRX_CMD_MODAL, [] {}));
  const std::vector<std::string> groups = table.groups();
  send(kNoCommands, AcRx::kInitAppMsg);
  EXPECT_EQ(table.groups(), groups);
  send(kNoCommands, AcRx::kUnloadAppMsg);
  EXPECT_TRUE(table.has("ZEKFSTAY")) << "no removeGroup for a module without commands";
}

TEST_F(FrameTest, DefinesFunctionsWithCodesFromOneInTableOrder) {
  send(kModule, AcRx::kLoadDwgMsg);
  LispFunctionTable* functions = currentLispFunctions();
  ASSERT_NE(functions, nullptr);
  int code = 1;
  for (const char* name : {"ZEKFECHO", "ZEKFFAIL", "ZEKFTHROWFN"}) {
    const LispFunction* function = functions->find(name);
    ASSERT_NE(function, nullptr) << name;
    EXPECT_EQ(function->funcode, code++) << name;
    EXPECT_EQ(function->owner, &kModule) << name;
  }
  removeLispFunctionsOf(&kModule);
}

TEST_F(FrameTest, DefinitionStopsSilentlyAtTheFirstRefusal) {
  send(kBrokenModule, AcRx::kLoadDwgMsg);  // "" is refused: ZEKF3 is never defined
  LispFunctionTable* functions = currentLispFunctions();
  ASSERT_NE(functions, nullptr);
  ASSERT_NE(functions->find("ZEKF1"), nullptr);
  EXPECT_EQ(functions->find("ZEKF1")->funcode, 1);
  EXPECT_EQ(functions->find("ZEKF3"), nullptr);
  EXPECT_EQ(session_.transcript(), "");
  removeLispFunctionsOf(&kBrokenModule);
}

// acedInvoke of a function by name with the given arguments after it.
int invoke(const char* name, resbuf* argsAfterName, ResbufList& result) {
  ResbufList call(acutBuildList(RTSTR, name, RTNONE));
  call.get()->rbnext = argsAfterName;
  return acedInvoke(call.get(), result.out());
}

TEST_F(FrameTest, DispatchesByCodeAndReleasesTheArguments) {
  send(kModule, AcRx::kLoadDwgMsg);
  const std::int64_t live = liveResbufCount();
  {
    ResbufList result;
    ASSERT_EQ(invoke("ZEKFECHO", acutBuildList(RTSHORT, 1, RTSTR, "a", RTNONE), result), RTNORM);
    ASSERT_NE(result.get(), nullptr);
    EXPECT_EQ(result.get()->restype, RTSHORT);
    EXPECT_EQ(result.get()->resval.rint, 1);
    ASSERT_NE(result.get()->rbnext, nullptr);
    EXPECT_STREQ(result.get()->rbnext->resval.rstring, "a");
    ResbufList failed;
    EXPECT_EQ(invoke("ZEKFFAIL", nullptr, failed), RTERROR) << "the function's answer passes";
    EXPECT_EQ(failed.get(), nullptr);
  }
  EXPECT_EQ(liveResbufCount(), live) << "the frame released its copy of the arguments";
  EXPECT_EQ(session_.transcript(), "");
  removeLispFunctionsOf(&kModule);
}

TEST_F(FrameTest, AnUnknownFunctionCodeFailsWithTheMessage) {
  {
    LispOwnerScope owner(&kModule);
    ASSERT_EQ(acedDefun("ZEKFGHOST", 4), RTNORM);  // a code past the table
  }
  ResbufList result;
  EXPECT_EQ(invoke("ZEKFGHOST", nullptr, result), RTERROR);
  EXPECT_EQ(session_.transcript(), "; error: Received nonexistent function code.");
  EXPECT_EQ(dispatchLispCall(kModule), RTERROR) << "outside a call there is no code either";
  removeLispFunctionsOf(&kModule);
}

short osmode() {
  resbuf value{};
  EXPECT_EQ(acedGetVar("OSMODE", &value), RTNORM);
  return value.resval.rint;
}

TEST_F(FrameTest, ExceptionsStopInTheTrampolines) {
  send(kModule, AcRx::kInitAppMsg);
  send(kModule, AcRx::kLoadDwgMsg);
  resbuf snap{};
  snap.restype = RTSHORT;
  snap.resval.rint = 7;
  ASSERT_EQ(acedSetVar("OSMODE", &snap), RTNORM);
  run("ZEKFTHROW");
  EXPECT_EQ(osmode(), 7) << "the guard restored OSMODE while the exception unwound";
  run("ZEKFTHROWN");
  ResbufList result;
  const std::int64_t live = liveResbufCount();
  EXPECT_EQ(invoke("ZEKFTHROWFN", acutBuildList(RTSHORT, 1, RTNONE), result), RTERROR);
  EXPECT_EQ(liveResbufCount(), live);
  EXPECT_EQ(session_.transcript(),
            "; error: the command stopped on an internal failure: boom\n"
            "; error: the command stopped on an internal failure\n"
            "; error: the function stopped on an internal failure: bad argument");
  removeLispFunctionsOf(&kModule);
}

}  // namespace
}  // namespace zek
