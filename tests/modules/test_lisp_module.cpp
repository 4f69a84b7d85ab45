// zektestlisp.arx, a test module (not shipped): AutoLISP functions only, no
// command group.
#include <stdexcept>

#include "aced_lisp.h"
#include "frame/module_frame.h"

namespace {

// Hands its arguments back as a list; nil without any.
int echo(const resbuf* args) { return args ? acedRetList(args) : acedRetNil(); }

int throwInside(const resbuf*) { throw std::logic_error("hole table is empty"); }

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKTECHO", echo},
    {"ZEKTTHROWFN", throwInside},
};

constexpr zek::ModuleTable kModule{.functions = kFunctions};

}  // namespace

ZEK_MODULE_ENTRY_POINT(kModule)
