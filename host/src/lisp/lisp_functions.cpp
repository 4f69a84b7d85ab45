// The function tables of the drawings, their owners and the dispatcher;
// acedDefun, acedUndef and acedRegFunc.
#include "lisp/lisp_functions.h"

#include "aced_lisp.h"
#include "editor/document.h"

namespace zek {

namespace {
LispOwner& ownerNow() {
  static LispOwner owner = nullptr;
  return owner;
}

LispDispatcher& dispatcherSlot() {
  static LispDispatcher dispatcher;
  return dispatcher;
}

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

// A drawing's AutoLISP state: its functions.
struct LispState {
  LispFunctionTable functions;
};
}  // namespace

LispOwnerScope::LispOwnerScope(LispOwner owner) : previous_(ownerNow()) { ownerNow() = owner; }
LispOwnerScope::~LispOwnerScope() { ownerNow() = previous_; }
LispOwner currentLispOwner() { return ownerNow(); }

void setLispDispatcher(LispDispatcher dispatcher) { dispatcherSlot() = std::move(dispatcher); }
const LispDispatcher& lispDispatcher() { return dispatcherSlot(); }

void LispFunctionTable::define(LispFunction function) {
  std::string key = upperCase(function.name);
  functions_[key] = std::move(function);
}

bool LispFunctionTable::undefine(std::string_view name, int funcode) {
  auto it = functions_.find(upperCase(name));
  if (it == functions_.end() || it->second.funcode != funcode)
    return false;
  functions_.erase(it);
  return true;
}

const LispFunction* LispFunctionTable::find(std::string_view name) const {
  auto it = functions_.find(upperCase(name));
  return it == functions_.end() ? nullptr : &it->second;
}

void LispFunctionTable::setHandler(LispOwner owner, int funcode, LispHandler handler) {
  handlers_[{owner, funcode}] = handler;
}

LispHandler LispFunctionTable::handler(LispOwner owner, int funcode) const {
  auto it = handlers_.find({owner, funcode});
  return it == handlers_.end() ? nullptr : it->second;
}

void LispFunctionTable::removeOwner(LispOwner owner) {
  std::erase_if(functions_, [owner](const auto& entry) { return entry.second.owner == owner; });
  std::erase_if(handlers_, [owner](const auto& entry) { return entry.first.first == owner; });
}

std::vector<LispFunction> LispFunctionTable::functions() const {
  std::vector<LispFunction> all;
  for (const auto& entry : functions_)
    all.push_back(entry.second);
  return all;
}

LispFunctionTable& lispFunctions(Document& document) {
  return document.state<LispState>().functions;
}

LispFunctionTable* currentLispFunctions() {
  Document* document = currentDocument();
  return document ? &lispFunctions(*document) : nullptr;
}

void removeLispFunctionsOf(LispOwner owner) {
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i)
    lispFunctions(*manager.documentAt(i)).removeOwner(owner);
}

}  // namespace zek

int acedDefun(const char* name, int funcode) {
  zek::LispFunctionTable* table = zek::currentLispFunctions();
  if (table == nullptr || name == nullptr || *name == '\0' || funcode < 0)
    return RTERROR;
  table->define({name, zek::currentLispOwner(), funcode});
  return RTNORM;
}

int acedUndef(const char* name, int funcode) {
  zek::LispFunctionTable* table = zek::currentLispFunctions();
  if (table == nullptr || name == nullptr)
    return RTERROR;
  return table->undefine(name, funcode) ? RTNORM : RTERROR;
}

int acedRegFunc(int (*function)(), int funcode) {
  zek::LispFunctionTable* table = zek::currentLispFunctions();
  if (table == nullptr || function == nullptr || funcode < 0)
    return RTERROR;
  table->setHandler(zek::currentLispOwner(), funcode, function);
  return RTNORM;
}
