// User input on the command line: points, corners, distances, angles,
// numbers, strings and keywords (acedGetPoint ... acedGetInput), the options
// of the next input call (acedInitGet), and running host and module commands
// from a module (acedCommand, acedCmd).
//
// Every call answers RTNORM with a value, RTNONE for Enter (where Enter is
// allowed), RTCAN for Esc ("^C") or when the input ends while it waits,
// RTKWORD for a keyword of the acedInitGet list (or, with RSG_OTHER, any
// other text; acedGetInput then gives it), RTERROR for bad arguments.
// Answers that do not fit the prompt are refused with the host's message and
// asked again; they never fail the call. Points are user (UCS) coordinates.
#pragma once

#include <cstddef>

#include "ads.h"

// acedInitGet bits: what the next input call refuses or allows.
constexpr int RSG_NONULL = 0x0001;     // Enter is refused
constexpr int RSG_NOZERO = 0x0002;     // zero is refused
constexpr int RSG_NONEG = 0x0004;      // negative numbers are refused
constexpr int RSG_NOLIM = 0x0008;      // points outside the drawing limits allowed
constexpr int RSG_GETZ = 0x0010;       // distances measure in 3D
constexpr int RSG_DASH = 0x0020;       // the rubber band is dashed
constexpr int RSG_2D = 0x0040;         // distances ignore z
constexpr int RSG_OTHER = 0x0080;      // any other text answers RTKWORD
constexpr int RSG_DDISTFIRST = 0x0100;
constexpr int RSG_TRACKUCS = 0x0200;
constexpr int RSG_NOORTHOZ = 0x0400;
constexpr int RSG_NOOSNAP = 0x0800;
constexpr int RSG_NODDIST = 0x1000;

// Sets the options and keyword list of the next input call only ("Arc
// Radius", "Yes No _Yes No"); null keeps no keywords. Answers RTNORM.
int acedInitGet(int val, const char* kwl);

// A point. With a base point (pt not null) a rubber band runs from it while
// the prompt waits. The answer updates LASTPOINT.
int acedGetPoint(const ads_point pt, const char* prompt, ads_point result);
// The opposite corner of a window from pt (required).
int acedGetCorner(const ads_point pt, const char* prompt, ads_point result);
// A distance: a number, or a point measured from pt; without pt two points.
int acedGetDist(const ads_point pt, const char* prompt, ads_real* result);
// An angle in radians: degrees typed, or a point seen from pt; without pt
// two points. acedGetOrient measures from the X axis as well (ANGBASE 0).
int acedGetAngle(const ads_point pt, const char* prompt, ads_real* result);
int acedGetOrient(const ads_point pt, const char* prompt, ads_real* result);
// A real number, an integer (-32768 to 32767).
int acedGetReal(const char* prompt, ads_real* result);
int acedGetInt(const char* prompt, int* result);
// A text: with cronly 0 the first word of the answer, else the whole line,
// blanks included; Enter gives "" and RTNORM. The result buffer holds
// bufsize bytes (133 without the size, as the classic interface assumes); a
// longer answer is cut to fit and answers RTINPUTTRUNCATED.
int acedGetString(int cronly, const char* prompt, char* result);
int acedGetString(int cronly, const char* prompt, char* result, std::size_t bufsize);
// A keyword of the acedInitGet list (its full local name, or the global name
// where the list has global names); Enter answers RTNONE with "".
int acedGetKword(const char* prompt, char* result);
int acedGetKword(const char* prompt, char* result, std::size_t bufsize);
// The keyword (or other text) of the last RTKWORD answer.
int acedGetInput(char* str);
int acedGetInput(char* str, std::size_t bufsize);

// Runs commands as if typed: the command name, then its answers (RTSTR
// texts, RTPOINT/RT3DPOINT points, RTREAL, RTSHORT, RTLONG, RTANG/RTORINT
// radians, RTENAME entities, RTPICKS selection sets), ended by RTNONE (or 0).
// An empty string is Enter; "\\" waits for one answer from the drafter. A
// command-position string holding blanks is a macro: its words are
// successive answers and ";" is Enter. Answers RTNORM, RTCAN when a command
// was cancelled, RTERROR for an unknown command or a bad list.
int acedCommand(int rtype, ...);
int acedCmd(const resbuf* rbp);
// The same; the host never suspends a command, so both forms behave alike.
int acedCommandS(int rtype, ...);
int acedCmdS(const resbuf* rbp);
