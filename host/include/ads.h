// Result codes, value type codes and the result buffer (resbuf) of the
// plug-in interface: the typed linked list that carries AutoLISP arguments and
// results, selection filters and extended entity data.
#pragma once

#include <cstdint>

#include "ads_geom.h"

// Answers of input and utility calls.
constexpr int RTNORM = 5100;
constexpr int RTERROR = -5001;
constexpr int RTCAN = -5002;
constexpr int RTREJ = -5003;
constexpr int RTFAIL = -5004;
constexpr int RTKWORD = -5005;
constexpr int RTINPUTTRUNCATED = -5008;

// Value types of a resbuf (restype), beside DXF group codes.
constexpr short RTNONE = 5000;
constexpr short RTREAL = 5001;
constexpr short RTPOINT = 5002;
constexpr short RTSHORT = 5003;
constexpr short RTANG = 5004;
constexpr short RTSTR = 5005;
constexpr short RTENAME = 5006;
constexpr short RTPICKS = 5007;
constexpr short RTORINT = 5008;
constexpr short RT3DPOINT = 5009;
constexpr short RTLONG = 5010;
constexpr short RTVOID = 5014;
constexpr short RTLB = 5016;
constexpr short RTLE = 5017;
constexpr short RTDOTE = 5018;
constexpr short RTNIL = 5019;
constexpr short RTDXF0 = 5020;
constexpr short RTT = 5021;
constexpr short RTRESBUF = 5023;
constexpr short RTINT64 = 5031;

using ads_int32 = std::int32_t;
// An entity name as selection sets hand it out: [0] names the object, [1] is 0.
using ads_name = std::int64_t[2];

struct ads_binary {
  short clen;
  char* buf;
};

struct resbuf {
  resbuf* rbnext;
  short restype;
  union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    char* rstring;
    std::int64_t rlname[2];
    ads_int32 rlong;
    std::int64_t mnInt64;
    ads_binary rbinary;
  } resval;
};

// A new resbuf of the type; strings and binary chunks start empty (null).
resbuf* acutNewRb(int type);
// Releases a whole list, strings and binary chunks included.
int acutRelRb(resbuf* rb);
// Builds a list from (type, value) pairs ended by 0 or RTNONE: RTSTR takes a
// const char*, RTREAL (RTANG, RTORINT) a double, RTSHORT an int, RTLONG an
// int, RTPOINT and RT3DPOINT a const double*, RTENAME and RTPICKS a const
// ads_name; a DXF group code takes the value its code range holds (0-9
// text, 10-19 a point, 38-59 a real, 60-79 a short, 90-99 a long, ...).
// RTLB, RTLE, RTDOTE, RTNIL, RTT, RTVOID take none.
resbuf* acutBuildList(int type, ...);
// A copy of a string made with the interface's allocator; free with acutDelString.
char* acutNewString(const char* text);
void acutDelString(char*& text);

namespace zek {
// The resbuf value type a DXF group code holds: RTSTR, RT3DPOINT, RTREAL,
// RTSHORT, RTLONG, RTINT64, RTENAME (object references), or RTRESBUF for a
// binary chunk (stored in rbinary).
short resbufTypeOfGroupCode(int code);
// A copy of one resbuf (not its successors).
resbuf* copyResbuf(const resbuf& rb);
// A deep copy of a whole list.
resbuf* copyResbufList(const resbuf* list);
// How many resbufs acutNewRb made that acutRelRb has not released yet (tests
// compare it before and after a call to find leaks).
std::int64_t liveResbufCount();
// Whether the address is a string acutNewString made and nobody freed yet.
bool isHostString(const void* address);
}  // namespace zek
