// The AutoLISP bridge of the plug-in interface: functions a module defines
// for the current drawing, the arguments and value of a call, and calls of
// functions other modules defined (acedInvoke).
#pragma once

#include "ads.h"

// What a function registered with acedRegFunc may answer besides RTNORM
// (a value was handed back) and RTERROR (the call failed: no value).
constexpr int RSRSLT = 1;  // same as RTNORM
constexpr int RSERR = 3;   // same as RTERROR

// Defines an AutoLISP function of the current drawing under a module's
// function code (0 or more); a function of the same name is replaced. The
// name compares without regard to ASCII case. Answers RTNORM, or RTERROR for
// an empty name, a negative code or no open drawing.
[[nodiscard]] int acedDefun(const char* name, int funcode);
// Removes the current drawing's function of that name and code; RTERROR when
// there is none.
[[nodiscard]] int acedUndef(const char* name, int funcode);
// Handles the function code with a function of the module's own, called
// directly instead of through the module's entry point. The function answers
// RTNORM (or RSRSLT) when it handed a value back, RTERROR (or RSERR) when it
// failed. Answers RTNORM, or RTERROR for a null function or a negative code.
[[nodiscard]] int acedRegFunc(int (*function)(), int funcode);

// The function code of the function being called; RTERROR outside a call.
[[nodiscard]] int acedGetFunCode();
// A copy of the arguments of the function being called (null when it has
// none, and outside a call). The callee owns the copy: release it with
// acutRelRb.
[[nodiscard]] resbuf* acedGetArgs();

// The value the function being called hands back; the last one given wins.
// Each answers RTNORM, or RTERROR outside a call (or for a bad type).
[[nodiscard]] int acedRetList(const resbuf* list);  // a list of the items (copied)
[[nodiscard]] int acedRetVal(const resbuf* value);  // the first value (a list if RTLB)
[[nodiscard]] int acedRetPoint(const ads_point point);  // a 3D point
[[nodiscard]] int acedRetReal(ads_real value);
[[nodiscard]] int acedRetInt(int value);
[[nodiscard]] int acedRetStr(const char* text);
// An entity name (type RTENAME) or a selection set (RTPICKS); a selection
// set handed back belongs to the caller from then on.
[[nodiscard]] int acedRetName(const ads_name name, int type);
[[nodiscard]] int acedRetNil();
[[nodiscard]] int acedRetT();
// No value at all: the command line echoes nothing.
[[nodiscard]] int acedRetVoid();

// Calls a function of the current drawing: args holds the function's name
// (RTSTR) and then its arguments. Answers RTERROR for an unknown function,
// otherwise what the function answered (its RTERROR passes through). On
// RTNORM *result is the value as the callee built it: null when it handed
// nothing back, one RTNIL for acedRetNil, one RTVOID for acedRetVoid, the
// items of acedRetList. The caller releases its args and the result.
[[nodiscard]] int acedInvoke(const resbuf* args, resbuf** result);
