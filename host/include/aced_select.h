// Selection sets and entity picks: acedSSGet with its modes and filter lists,
// the set calls (acedSSLength, acedSSName, acedSSAdd, acedSSDel, acedSSMemb,
// acedSSFree), the pick-first set (acedSSSetFirst, acedSSGetFirst), single
// entity picks (acedEntSel) and the wildcard matcher (acutWcMatch).
//
// Entity names: name[0] is the entity's handle, name[1] the number of its
// drawing (acdbGetAdsName). Selection set names: name[0] is the set's number
// in its document, counted from 1 (AutoLISP shows it as "<Selection set: 2>"),
// and name[1] is 0, so a set's name never reads as an entity name.
#pragma once

#include "ads.h"

// Makes a selection set; answers RTNORM with a non-empty set in ss, RTERROR
// when nothing was selected (Enter with nothing selected, a window that finds
// nothing, a bad mode, malformed filter or missing points), RTCAN for Esc
// ("^C") or when the input ends while it waits (nothing is kept then).
//   null or ""  interactive: "Select objects: " until an empty line
//   ":S"        interactive, done after the first answer that selects
//   ":E"        interactive, a point takes everything within the pick box
//   "C", "W"    crossing or window between pt1 and pt2 (ads_point, UCS)
//   "X"         the whole drawing, both spaces, every layer
//   "A"         everything in model space on layers that are on and thawed
//   "P"         the previous selection
//   "L"         the last visible entity made
//   "I"         the pick-first set
// A leading "_" is allowed. The filter (a list of DXF groups with -4
// operators, or null) applies to every mode, the pick-first set included.
[[nodiscard]] int acedSSGet(const char* str, const void* pt1, const void* pt2,
                            const resbuf* filter, ads_name ss);
// The number of entities of the set; RTERROR for a name that is no live set.
[[nodiscard]] int acedSSLength(const ads_name ss, ads_int32* len);
// The entity at a position of the set (from 0); RTERROR past the end.
[[nodiscard]] int acedSSName(const ads_name ss, ads_int32 i, ads_name entres);
// Adds an entity to a set. With ss null a new set is made (empty when ename
// is null too) and named in result; otherwise result names ss. RTERROR for
// an unknown set or a name that is no entity.
[[nodiscard]] int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result);
// Removes an entity from a set; RTERROR when it is not a member.
[[nodiscard]] int acedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when the entity is a member of the set, else RTERROR.
[[nodiscard]] int acedSSMemb(const ads_name ename, const ads_name ss);
// Frees a set; its name is no set any more. RTERROR for an unknown set (a
// release call: its answer may be left unread, as close() calls are).
int acedSSFree(const ads_name sname);

// Makes the set the document's pick-first set (a copy of its members; null
// clears it). unused is the gripped set of CAD hosts: the host shows grips on
// the pick-first set itself. Answers RTNORM, or RTERROR for an unknown set
// (like acedSSFree, a call whose answer may be left unread).
int acedSSSetFirst(const ads_name pset, const ads_name unused);
// The gripped and the pick-first set as new sets (RTPICKS resbufs; RTNONE when
// empty). The gripped one is always RTNONE here. The caller frees the sets
// with acedSSFree and the resbufs with acutRelRb. Answers RTNORM.
[[nodiscard]] int acedSSGetFirst(resbuf** gset, resbuf** pset);

// Asks for one entity ("Select object: " without a prompt): a point picks the
// topmost entity within the pick box, "#HANDLE" the entity of that handle,
// "L" the last entity made. RTNORM with the entity and the picked point
// (UCS); RTERROR for Enter or a pick that found nothing; RTCAN for Esc.
[[nodiscard]] int acedEntSel(const char* str, ads_name entres, ads_point ptres);

// Whether the text matches the wildcard pattern, ignoring case: RTNORM for a
// match, RTERROR otherwise. Patterns: "*" any text, "?" one character, "#"
// a digit, "@" a letter, "." a character that is neither, "~" first: anything
// but the rest, "[...]" one of the characters (ranges "A-Z"), "[~...]" none
// of them, "`" the next character as itself, "," between alternatives.
[[nodiscard]] int acutWcMatch(const char* string, const char* pattern);
