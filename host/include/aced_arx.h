// Host services around modules: loading and unloading them by name, the
// loaded list, the calling module's own file, errors reported as AutoLISP
// reports them, files found along the support path, and the main window that
// modal dialogs belong to.
#pragma once

#include <cstddef>

#include "ads.h"
#include "ui_resources.h"

// Loads a module ("zekalign.arx", a path, with or without the extension),
// found beside the host's built modules, then along the support path. It gets
// kInitAppMsg and kLoadDwgMsg for every open drawing before this answers, so
// its AutoLISP functions are callable at once. Answers RTNORM; RTERROR when
// it is not found, not a module of this host, or already loaded (with a
// notice on the command line in each case).
[[nodiscard]] int acedArxLoad(const char* app);
// Unloads a loaded module (kUnloadAppMsg, then its commands and functions
// go). RTERROR, with a notice, when it is not loaded, still locked, or
// running.
[[nodiscard]] int acedArxUnload(const char* app);
// The file names of the loaded modules, in loading order, as a list of RTSTR
// (null when none); the caller releases it with acutRelRb.
[[nodiscard]] resbuf* acedArxLoaded();

// The full path of the module whose code is running (its entry point, one of
// its commands or AutoLISP functions), or "" in the host's own code.
const char* acedGetAppName();

// Reports a failure on the command line as an AutoLISP error is reported
// ("; error: TEXT" on a line of its own).
void acdbFail(const char* text);

// Finds a file along the support path: a name with a folder is tried as
// given, else the drawing's folder, --support folders, ZEK_SUPPORT and the
// shipped data folder in turn. Writes the full path into result (at least
// kZekMaxPath bytes). Answers RTNORM, or RTERROR when not found (or the path
// is longer than the buffer), leaving result "".
constexpr std::size_t kZekMaxPath = 4096;
[[nodiscard]] int acedFindFile(const char* fname, char* result);

// The host's main window, the parent of modal dialogs.
HWND adsw_acadMainWnd();
