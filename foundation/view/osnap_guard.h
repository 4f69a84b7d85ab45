// OsnapGuard: object snaps (and, where asked, ortho) off while a command asks
// for points or windows, the drafter's settings back on every way out.
#pragma once

#include <optional>

#include "guards/sys_var_guard.h"

namespace zek::inline foundation {

// Whether a guard turns ORTHOMODE off as well.
enum class OrthoMode { Keep, Off };

// Sets OSMODE to the value the step needs (0, no running snaps, unless the
// step names one such as 32, intersection) and, with OrthoMode::Off,
// ORTHOMODE to 0; both come back when the guard goes out of scope, Esc, a
// failed host call and an exception included.
class OsnapGuard {
public:
  explicit OsnapGuard(short osmode = 0, OrthoMode ortho = OrthoMode::Keep) : osmode_("OSMODE", osmode) {
    if (ortho == OrthoMode::Off)
      ortho_.emplace("ORTHOMODE", 0);
  }
  OsnapGuard(const OsnapGuard&) = delete;
  OsnapGuard& operator=(const OsnapGuard&) = delete;

  // Whether OSMODE was read (and so will be put back).
  bool saved() const { return osmode_.saved(); }

private:
  SysVarGuard osmode_;
  std::optional<SysVarGuard> ortho_;  // destroyed first: ORTHOMODE back before OSMODE
};

}  // namespace zek::inline foundation
