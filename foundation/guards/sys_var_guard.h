// SysVarGuard: sets an integer system variable for the life of a command and
// puts the old value back on every way out of it, Esc included.
#pragma once

#include "aced_vars.h"

namespace zek::inline foundation {

// Restores an integer system variable (OSMODE, ORTHOMODE, CMDECHO) on every
// way out of the command, Esc and a C++ exception included.
class SysVarGuard {
public:
  // Reads the variable and, when it reads as an integer, sets it to value.
  // A variable that does not read is left alone (never change what we could
  // not put back).
  SysVarGuard(const char* name, short value) : name_(name) {
    resbuf old{};
    const bool read = acedGetVar(name_, &old) == RTNORM;
    saved_ = read && old.restype == RTSHORT;
    if (read && old.restype == RTSTR)
      acutDelString(old.resval.rstring);  // a text variable's value is a copy of ours
    if (!saved_)
      return;
    oldValue_ = old.resval.rint;
    set(value);
  }
  ~SysVarGuard() {
    if (saved_)
      set(oldValue_);
  }
  SysVarGuard(const SysVarGuard&) = delete;
  SysVarGuard& operator=(const SysVarGuard&) = delete;

  // Whether the old value was read (and so will be put back).
  bool saved() const { return saved_; }
  short oldValue() const { return oldValue_; }

private:
  void set(short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    // A refused value (out of range) leaves the variable as it was: nothing
    // to undo, so the answer needs no handling here.
    (void)acedSetVar(name_, &rb);
  }

  const char* name_;
  short oldValue_ = 0;
  bool saved_ = false;
};

}  // namespace zek::inline foundation
