// System variables, number and angle texts, and coordinate systems:
// acedGetVar and acedSetVar, acdbRToS/acdbDisToF and acdbAngToS/acdbAngToF,
// acedTrans, acdbUcs2Wcs and acdbWcs2Ucs.
#pragma once

#include "ads.h"
#include "ge_matrix.h"

class AcDbDatabase;

// ---- System variables -----------------------------------------------------

// Fills result with the variable's current value (the name in any case):
// RTSHORT, RTREAL, RTPOINT (z 0), RT3DPOINT or RTSTR. A string is a new copy
// the caller frees with acutDelString (or acutRelRb when result is a list
// made with acutNewRb); result->rbnext is left as it was. RTNORM, or RTERROR
// for an unknown name (or a drawing's variable while no drawing is open).
[[nodiscard]] int acedGetVar(const char* sym, resbuf* result);
// Sets a variable. RTNORM, or RTERROR for an unknown or read-only variable,
// a value of the wrong type (a real for an integer variable) or out of range
// (ORTHOMODE 2, TEXTSIZE 0, CLAYER naming a missing or frozen layer).
// Integers may come as RTSHORT or as RTLONG within the short range; real
// variables take integers too. Prints nothing: the answer is the code.
[[nodiscard]] int acedSetVar(const char* sym, const resbuf* value);

// ---- Distances and angles as text -----------------------------------------

// The buffer a conversion writes into: the caller provides at least this
// many chars. A text that would not fit answers RTERROR and writes "".
constexpr int kZekRealTextSize = 64;

// Writes a distance: unit 1 scientific, 2 decimal, 3 engineering (feet and
// decimal inches), 4 architectural (feet, inches and fraction), 5 fractional;
// -1 takes LUNITS; prec is the number of decimals (the denominator 2^prec
// for fractions), -1 takes LUPREC. Zeros follow DIMZIN as CAD hosts do: 8
// drops trailing zeros ("12.5", "12"), 4 leading ones (".5"); a module that
// wants "12.5000" sets DIMZIN 0 first. RTNORM, or RTERROR for a unit or
// precision out of range or a null buffer.
[[nodiscard]] int acdbRToS(ads_real val, int unit, int prec, char* str);
// Writes an angle given in radians: unit 0 degrees, 1 degrees/minutes/
// seconds (45d30'15"), 2 grads (50g), 3 radians (0.7854r), 4 surveyor's
// bearing (N 45d0'0" E); -1 takes AUNITS and AUPREC. The angle is brought
// into [0, 2π) first; DIMZIN drops zeros as for distances. RTNORM or RTERROR.
[[nodiscard]] int acdbAngToS(ads_real val, int unit, int prec, char* str);
// Reads a distance as acdbRToS writes it in that unit (-1 LUNITS), or a plain
// number: units 1 and 2 take numbers (scientific notation included), 5 also
// fractions ("2 1/2", "5/8"), 3 and 4 also feet and inches (1'-3 1/2").
// RTNORM, or RTERROR for any other text.
[[nodiscard]] int acdbDisToF(const char* str, int unit, ads_real* value);
// Reads an angle in that unit (-1 AUNITS) into radians: "45", "45d30'15\"",
// "50g", "0.7854r", "N 45d E". RTNORM or RTERROR.
[[nodiscard]] int acdbAngToF(const char* str, int unit, ads_real* value);

// ---- Coordinate systems ---------------------------------------------------

// Transforms a point (disp 0) or a displacement (disp 1: no translation)
// between coordinate systems, each given as RTSHORT 0 (world), 1 (the
// current UCS) or 2 (display: the document's plan view of the world, whose
// coordinates are world coordinates), as RTENAME (the entity's own
// coordinate system: the arbitrary-axis system of its normal for circles,
// arcs, polylines, texts, inserts and dimensions, the world for the others)
// or as RT3DPOINT (the arbitrary-axis system of that extrusion vector).
// result may be pt. RTNORM, or RTERROR for any other code or a bad entity.
[[nodiscard]] int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp,
                            ads_point result);
// The current UCS to world and back; vec true transforms a direction (no
// translation). q may be p. False when no drawing is open (q untouched).
bool acdbUcs2Wcs(const ads_point p, ads_point q, bool vec);
bool acdbWcs2Ucs(const ads_point p, ads_point q, bool vec);
// The matrix that maps the current UCS to world coordinates (of the current
// document; db is accepted for the classic signature and must be its
// database or null). False when no drawing is open.
bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* db = nullptr);
