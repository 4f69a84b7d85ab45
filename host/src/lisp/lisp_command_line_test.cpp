// Golden transcripts of AutoLISP calls typed at the command prompt: each
// golden/*.scr runs through the command loop with a test module's functions
// defined, its whole transcript compared with the .out beside it, and again
// with Esc at every answer in turn.
#include "lisp/lisp_command_line.h"

#include <gtest/gtest.h>

#include "aced_input.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_select.h"
#include "db_object.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"
#include "lisp/lisp_printer.h"
#include "lisp/testing/lisp_test_module.h"

namespace zek {
namespace {

const char* typeName(short type) {
  switch (type) {
    case RTSHORT: return "RTSHORT";
    case RTLONG: return "RTLONG";
    case RTREAL: return "RTREAL";
    case RTSTR: return "RTSTR";
    case RTPOINT: return "RTPOINT";
    case RT3DPOINT: return "RT3DPOINT";
    case RTLB: return "RTLB";
    case RTLE: return "RTLE";
    case RTDOTE: return "RTDOTE";
    case RTNIL: return "RTNIL";
    case RTT: return "RTT";
    default: return "other";
  }
}

// The functions the golden scripts call.
void defineGoldenFunctions(test::LispTestModule& module) {
  const auto define = [&module](const char* name, test::LispTestModule::Function function) {
    ASSERT_EQ(module.define(name, std::move(function)), RTNORM) << name;
  };
  // Hands its arguments back as a list: what was read, as AutoLISP prints it.
  define("ZEKECHO", [] {
    OwnedResbuf args(acedGetArgs());
    return acedRetList(args.get());
  });
  // Prints each argument's type and value.
  define("ZEKTYPES", [] {
    OwnedResbuf args(acedGetArgs());
    for (const resbuf* rb = args.get(); rb != nullptr; rb = rb->rbnext) {
      resbuf one = *rb;
      one.rbnext = nullptr;
      const bool bracket = rb->restype == RTLB || rb->restype == RTLE || rb->restype == RTDOTE;
      acutPrintf("\n%s%s%s", typeName(rb->restype), bracket ? "" : " ",
                 bracket ? "" : lispValuesText(&one).c_str());
    }
    return acedRetVoid();
  });
  define("ZEKPOINT", [] {
    OwnedResbuf args(acedGetArgs());
    ads_point point = {0.0, 0.0, 0.0};
    int i = 0;
    for (const resbuf* rb = args.get(); rb != nullptr && i < 3; rb = rb->rbnext, ++i) {
      if (rb->restype == RTREAL)
        point[i] = rb->resval.rreal;
      else if (rb->restype == RTSHORT)
        point[i] = rb->resval.rint;
      else {
        acutPrintf("\nZEKPOINT: a number was expected.");
        return RTERROR;
      }
    }
    return acedRetPoint(point);
  });
  define("ZEKVOID", [] {
    acutPrintf("\nDone.");
    return acedRetVoid();
  });
  define("ZEKNIL", [] { return acedRetNil(); });
  define("ZEKT", [] { return acedRetT(); });
  define("ZEKFAIL", [] {
    acutPrintf("\nNo plate outline found.");
    return RTERROR;
  });
  // Asks for a label: the text typed; Esc cancels.
  define("ZEKASK", [] {
    char label[133] = "";
    const int code = acedGetString(1, "\nEnter hole label: ", label, sizeof label);
    return code == RTNORM ? acedRetStr(label) : code;
  });
  // Asks for a point from the base point given (a rubber band): the point,
  // nil for Enter; Esc cancels.
  define("ZEKGETPOINT", [] {
    OwnedResbuf args(acedGetArgs());
    ads_point base = {0.0, 0.0, 0.0};
    for (int i = 0; i < 2; ++i) {
      const resbuf* rb = args.get();
      for (int k = 0; k < i && rb != nullptr; ++k)
        rb = rb->rbnext;
      if (rb == nullptr || rb->restype != RTREAL)
        return RTERROR;
      base[i] = rb->resval.rreal;
    }
    ads_point picked = {0.0, 0.0, 0.0};
    const int code = acedGetPoint(base, "\nSpecify hole centre: ", picked);
    if (code == RTNONE)
      return acedRetNil();
    return code == RTNORM ? acedRetPoint(picked) : code;
  });
  // Calls another function with the rest of its arguments.
  define("ZEKCALL", [] {
    OwnedResbuf args(acedGetArgs());
    resbuf* result = nullptr;
    const int code = acedInvoke(args.get(), &result);
    OwnedResbuf owned(result);
    if (code != RTNORM) {
      acutPrintf("\nZEKCALL: the call answered %s.", code == RTERROR ? "RTERROR" : "RTCAN");
      return code;
    }
    return result == nullptr ? acedRetNil() : acedRetList(result);
  });
  // Hands back a new (empty) selection set.
  define("ZEKSS", [] {
    ads_name set = {0, 0};
    if (acedSSAdd(nullptr, nullptr, set) != RTNORM)
      return RTERROR;
    return acedRetName(set, RTPICKS);
  });
  define("ZEKSPACE", [] {
    ads_name name = {0, 0};
    if (acdbGetAdsName(name, currentDocument()->database()->modelSpaceId()) != Acad::eOk)
      return RTERROR;
    return acedRetName(name, RTENAME);
  });
}

TEST(LispCommandLine, GoldenTranscripts) {
  test::LispTestModule module;
  test::GoldenOptions options;
  options.prepare = [&module](test::EditorSession&) { defineGoldenFunctions(module); };
  test::runGoldenFolder(std::string(ZEK_SOURCE_DIR) + "/host/src/lisp/golden", options);
}

TEST(LispCommandLine, EchoesEachKindOfValue) {
  struct Row {
    const char* what;
    LispValue::Kind kind;
    resbuf* items;
    const char* echo;
  };
  const double point[3] = {231.49, 0.01, 0.0};
  Row rows[] = {
      {"nothing is nil", LispValue::Kind::None, nullptr, "nil"},
      {"void is silent", LispValue::Kind::Void, nullptr, ""},
      {"a value", LispValue::Kind::Value, acutBuildList(RT3DPOINT, point, RTNONE),
       "(231.49 0.01 0.0)"},
      {"a list value", LispValue::Kind::Value,
       acutBuildList(RTLB, RTSHORT, 1, RTLE, RTNONE), "(1)"},
      {"list items", LispValue::Kind::List, acutBuildList(RTSHORT, 1, RTNONE), "(1)"},
      {"no list items", LispValue::Kind::List, nullptr, "nil"},
  };
  for (Row& row : rows) {
    LispValue value;
    value.kind = row.kind;
    value.items.reset(row.items);
    EXPECT_EQ(lispEchoText(value), row.echo) << row.what;
  }
}

}  // namespace
}  // namespace zek
