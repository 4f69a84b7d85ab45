// Result buffers: allocation, release, lists built from (type, value) pairs,
// and the value type each DXF group code holds.
#include "ads.h"

#include <cstdarg>
#include <cstring>
#include <unordered_set>

short zek::resbufTypeOfGroupCode(int code) {
  if (code >= 0 && code <= 9) return RTSTR;
  if (code >= 10 && code <= 18) return RT3DPOINT;
  if (code >= 19 && code <= 59) return RTREAL;
  if (code >= 60 && code <= 79) return RTSHORT;
  if (code >= 90 && code <= 99) return RTLONG;
  if (code == 100 || code == 101 || code == 102) return RTSTR;
  if (code == 105) return RTSTR;
  if (code >= 110 && code <= 112) return RT3DPOINT;
  if (code >= 113 && code <= 149) return RTREAL;
  if (code >= 160 && code <= 169) return RTINT64;
  if (code >= 170 && code <= 179) return RTSHORT;
  if (code == 210) return RT3DPOINT;
  if (code >= 211 && code <= 239) return RTREAL;
  if (code >= 270 && code <= 299) return RTSHORT;
  if (code >= 300 && code <= 309) return RTSTR;
  if (code >= 310 && code <= 319) return RTRESBUF;
  if (code >= 320 && code <= 369) return RTENAME;
  if (code >= 370 && code <= 389) return RTSHORT;
  if (code >= 390 && code <= 399) return RTENAME;
  if (code >= 400 && code <= 409) return RTSHORT;
  if (code >= 410 && code <= 419) return RTSTR;
  if (code >= 420 && code <= 429) return RTLONG;
  if (code >= 430 && code <= 439) return RTSTR;
  if (code >= 440 && code <= 459) return RTLONG;
  if (code >= 460 && code <= 469) return RTREAL;
  if (code >= 470 && code <= 479) return RTSTR;
  if (code >= 480 && code <= 481) return RTENAME;
  if (code == 999) return RTSTR;
  if (code >= 1000 && code <= 1003) return RTSTR;
  if (code == 1004) return RTRESBUF;
  if (code >= 1005 && code <= 1009) return RTSTR;
  if (code >= 1010 && code <= 1013) return RT3DPOINT;
  if (code >= 1014 && code <= 1059) return RTREAL;
  if (code >= 1060 && code <= 1070) return RTSHORT;
  if (code == 1071) return RTLONG;
  if (code == -1 || code == -2) return RTENAME;
  if (code == -4 || code == -3) return RTSTR;
  return RTSTR;
}

namespace {
// The storage class of a restype: text, a binary chunk or a plain value.
bool holdsString(short type) {
  if (type == RTDXF0)
    return true;
  short kind = type >= 5000 ? type : zek::resbufTypeOfGroupCode(type);
  return kind == RTSTR;
}
bool holdsBinary(short type) {
  return type < 5000 && zek::resbufTypeOfGroupCode(type) == RTRESBUF;
}
}  // namespace

namespace {
// Resbufs made by acutNewRb and not yet released (a leak check for tests).
std::int64_t liveResbufs = 0;
}  // namespace

std::int64_t zek::liveResbufCount() { return liveResbufs; }

namespace {
// Every string acutNewString made and that is not yet freed: a selection
// filter recognises by it a text placed in a numeric group code's resbuf,
// without ever reading memory the host did not give out.
std::unordered_set<const char*>& hostStrings() {
  static std::unordered_set<const char*> strings;
  return strings;
}
}  // namespace

bool zek::isHostString(const void* address) {
  return address != nullptr && hostStrings().count(static_cast<const char*>(address)) != 0;
}

resbuf* acutNewRb(int type) {
  ++liveResbufs;
  auto* rb = new resbuf{};
  rb->rbnext = nullptr;
  rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(resbuf* rb) {
  while (rb != nullptr) {
    resbuf* next = rb->rbnext;
    if (holdsString(rb->restype))
      acutDelString(rb->resval.rstring);
    else if (holdsBinary(rb->restype))
      delete[] rb->resval.rbinary.buf;
    else if (zek::isHostString(rb->resval.rstring))
      acutDelString(rb->resval.rstring);  // a text given for a numeric group code
    delete rb;
    --liveResbufs;
    rb = next;
  }
  return RTNORM;
}

char* acutNewString(const char* text) {
  if (text == nullptr)
    return nullptr;
  std::size_t n = std::strlen(text);
  char* copy = new char[n + 1];
  std::memcpy(copy, text, n + 1);
  hostStrings().insert(copy);
  return copy;
}

void acutDelString(char*& text) {
  if (text != nullptr)
    hostStrings().erase(text);
  delete[] text;
  text = nullptr;
}

resbuf* zek::copyResbuf(const resbuf& rb) {
  resbuf* copy = acutNewRb(rb.restype);
  copy->resval = rb.resval;
  if (holdsString(rb.restype)) {
    copy->resval.rstring = acutNewString(rb.resval.rstring);
  } else if (holdsBinary(rb.restype)) {
    short n = rb.resval.rbinary.clen;
    copy->resval.rbinary.buf = n > 0 ? new char[n] : nullptr;
    if (n > 0)
      std::memcpy(copy->resval.rbinary.buf, rb.resval.rbinary.buf, n);
  } else if (zek::isHostString(rb.resval.rstring)) {
    copy->resval.rstring = acutNewString(rb.resval.rstring);  // text for a number
  }
  return copy;
}

resbuf* zek::copyResbufList(const resbuf* list) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    *tail = copyResbuf(*rb);
    tail = &(*tail)->rbnext;
  }
  return head;
}

resbuf* acutBuildList(int type, ...) {
  va_list args;
  va_start(args, type);
  resbuf* head = nullptr;
  resbuf** tail = &head;
  while (type != 0 && type != RTNONE) {
    resbuf* rb = acutNewRb(type);
    // -3 only marks where extended data starts in a filter: no value follows.
    short kind = type == -3                   ? RTNONE
                 : type >= 5000 || type < -5 ? static_cast<short>(type)
                                             : zek::resbufTypeOfGroupCode(type);
    switch (kind) {
      case RTSTR:
        rb->resval.rstring = acutNewString(va_arg(args, const char*));
        break;
      case RTREAL:
      case RTANG:
      case RTORINT:
        rb->resval.rreal = va_arg(args, double);
        break;
      case RTSHORT:
        rb->resval.rint = static_cast<short>(va_arg(args, int));
        break;
      case RTLONG:
        rb->resval.rlong = va_arg(args, int);
        break;
      case RTINT64:
        rb->resval.mnInt64 = va_arg(args, long long);
        break;
      case RTPOINT:
      case RT3DPOINT: {
        const double* p = va_arg(args, const double*);
        rb->resval.rpoint[0] = p[0];
        rb->resval.rpoint[1] = p[1];
        rb->resval.rpoint[2] = kind == RT3DPOINT ? p[2] : 0.0;
        break;
      }
      case RTENAME:
      case RTPICKS: {
        const std::int64_t* name = va_arg(args, const std::int64_t*);
        rb->resval.rlname[0] = name[0];
        rb->resval.rlname[1] = name[1];
        break;
      }
      case RTDXF0:
        rb->resval.rstring = acutNewString(va_arg(args, const char*));
        break;
      default:
        // RTLB, RTLE, RTDOTE, RTNIL, RTT, RTVOID carry no value.
        break;
    }
    *tail = rb;
    tail = &rb->rbnext;
    type = va_arg(args, int);
  }
  va_end(args);
  return head;
}
