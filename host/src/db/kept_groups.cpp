// Kept groups: XDATA conversions, binary filing and the DXF object head.
#include "db/kept_groups.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "db/database_core.h"
#include "dxf/number_text.h"
#include "db_symtab.h"

namespace zek {

std::string formatReal(double value) {
  char buffer[dxf::kNumberTextMax];
  return std::string(buffer, dxf::formatDouble(value, buffer));
}

namespace {

// Kept groups hold numbers as the file wrote them; read them as the reader does.
double parseReal(const std::string& text) {
  double v = 0.0;
  (void)dxf::parseDouble(text, v);
  return v;
}

long long parseInt(const std::string& text) {
  long long v = 0;
  (void)dxf::parseInteger(text, v);
  return v;
}

bool isXdataCode(int code) { return code >= 1000 && code <= 1071; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

resbuf* xdataToResbufs(const std::vector<KeptGroup>& xdata, const char* regappName) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  bool inWanted = false;
  for (std::size_t i = 0; i < xdata.size(); ++i) {
    const KeptGroup& g = xdata[i];
    if (g.code == 1001)
      inWanted = regappName == nullptr || strcasecmp(g.text.c_str(), regappName) == 0;
    if (!inWanted)
      continue;
    resbuf* rb = acutNewRb(g.code);
    if (g.code >= 1010 && g.code <= 1013) {
      rb->resval.rpoint[0] = parseReal(g.text);
      // The y and z groups follow as code + 10 and code + 20.
      if (i + 1 < xdata.size() && xdata[i + 1].code == g.code + 10)
        rb->resval.rpoint[1] = parseReal(xdata[++i].text);
      if (i + 1 < xdata.size() && xdata[i + 1].code == g.code + 20)
        rb->resval.rpoint[2] = parseReal(xdata[++i].text);
    } else if (g.code >= 1040 && g.code <= 1042) {
      rb->resval.rreal = parseReal(g.text);
    } else if (g.code == 1070) {
      rb->resval.rint = static_cast<short>(parseInt(g.text));
    } else if (g.code == 1071) {
      rb->resval.rlong = static_cast<ads_int32>(parseInt(g.text));
    } else if (g.code == 1004) {
      std::size_t n = g.text.size() / 2;
      rb->resval.rbinary.clen = static_cast<short>(n);
      rb->resval.rbinary.buf = n ? new char[n] : nullptr;
      for (std::size_t k = 0; k < n; ++k) {
        int hi = hexValue(g.text[2 * k]), lo = hexValue(g.text[2 * k + 1]);
        rb->resval.rbinary.buf[k] = static_cast<char>((hi < 0 || lo < 0) ? 0 : hi * 16 + lo);
      }
    } else if (g.code >= 1020 && g.code <= 1033) {
      // A y or z group without its x: keep it as a real.
      rb->restype = 1040;
      rb->resval.rreal = parseReal(g.text);
    } else {
      rb->resval.rstring = acutNewString(g.text.c_str());
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  return head;
}

bool resbufsToXdata(const resbuf* list, std::vector<KeptGroup>& groups) {
  if (list == nullptr || list->restype != 1001)
    return false;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    int code = rb->restype;
    if (!isXdataCode(code))
      return false;
    if (code >= 1010 && code <= 1013) {
      groups.push_back({code, formatReal(rb->resval.rpoint[0])});
      groups.push_back({code + 10, formatReal(rb->resval.rpoint[1])});
      groups.push_back({code + 20, formatReal(rb->resval.rpoint[2])});
    } else if (code >= 1040 && code <= 1042) {
      groups.push_back({code, formatReal(rb->resval.rreal)});
    } else if (code == 1070) {
      groups.push_back({code, std::to_string(rb->resval.rint)});
    } else if (code == 1071) {
      groups.push_back({code, std::to_string(rb->resval.rlong)});
    } else if (code == 1004) {
      static const char* kHex = "0123456789ABCDEF";
      std::string hex;
      for (short k = 0; k < rb->resval.rbinary.clen; ++k) {
        auto b = static_cast<unsigned char>(rb->resval.rbinary.buf[k]);
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
      }
      groups.push_back({code, hex});
    } else {
      groups.push_back({code, rb->resval.rstring ? rb->resval.rstring : ""});
    }
  }
  return true;
}

void mergeXdata(std::vector<KeptGroup>& xdata, const std::vector<KeptGroup>& update) {
  std::size_t i = 0;
  while (i < update.size()) {
    std::size_t end = i + 1;
    while (end < update.size() && update[end].code != 1001)
      ++end;
    const std::string& app = update[i].text;
    // Drop the application's old groups.
    std::vector<KeptGroup> kept;
    bool inApp = false;
    for (const KeptGroup& g : xdata) {
      if (g.code == 1001)
        inApp = strcasecmp(g.text.c_str(), app.c_str()) == 0;
      if (!inApp)
        kept.push_back(g);
    }
    if (end > i + 1)
      kept.insert(kept.end(), update.begin() + static_cast<long>(i), update.begin() + static_cast<long>(end));
    xdata = std::move(kept);
    i = end;
  }
}

void fileKeptGroups(AcDbDwgFiler* filer, const std::vector<KeptGroup>& groups) {
  filer->writeInt32(static_cast<Adesk::Int32>(groups.size()));
  for (const KeptGroup& g : groups) {
    filer->writeInt32(g.code);
    filer->writeString(g.text);
  }
}

void unfileKeptGroups(AcDbDwgFiler* filer, std::vector<KeptGroup>& groups) {
  groups.clear();
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    KeptGroup g;
    Adesk::Int32 code = 0;
    filer->readInt32(&code);
    g.code = code;
    filer->readString(g.text);
    groups.push_back(std::move(g));
  }
}

AcDbObjectId idFromResbuf(const resbuf& rb) {
  return AcDbObjectId(reinterpret_cast<ObjectStub*>(rb.resval.rlname[0]));
}

void readAppGroup(AcDbDxfFiler* filer, const resbuf& open, ObjectExtras& extras) {
  std::string name = open.resval.rstring ? open.resval.rstring : "";
  resbuf rb;
  if (name == "{ACAD_REACTORS" || name == "{ACAD_XDICTIONARY") {
    bool reactors = name == "{ACAD_REACTORS";
    while (filer->readItem(&rb) == Acad::eOk) {
      if (rb.restype == 102)
        return;  // the closing "}"
      if (reactors && rb.restype == 330)
        extras.reactors.push_back(idFromResbuf(rb));
      else if (!reactors && rb.restype == 360)
        extras.extensionDictionary = idFromResbuf(rb);
      else
        filer->keepUnknownItem();
    }
    return;
  }
  // Another application's group: kept with its braces, values as text.
  extras.otherAppGroups.push_back({102, name});
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == 102) {
      extras.otherAppGroups.push_back({102, rb.resval.rstring ? rb.resval.rstring : "}"});
      return;
    }
    int type = resbufTypeOfGroupCode(rb.restype);
    if (type == RT3DPOINT) {
      extras.otherAppGroups.push_back({rb.restype, formatReal(rb.resval.rpoint[0])});
      extras.otherAppGroups.push_back({rb.restype + 10, formatReal(rb.resval.rpoint[1])});
      extras.otherAppGroups.push_back({rb.restype + 20, formatReal(rb.resval.rpoint[2])});
    } else {
      extras.otherAppGroups.push_back({rb.restype, filer->lastItemText()});
    }
  }
}

Acad::ErrorStatus writeObjectHead(AcDbDxfFiler* filer, const AcDbObject& object,
                                  AcDbObjectId owner) {
  int handleCode = AcDbDimStyleTableRecord::cast(&object) ? 105 : 5;
  filer->writeHandle(handleCode, object.handle());
  if (filer->dwgVersion() <= AcDb::kDHL_1009)
    return filer->filerStatus();
  if (const ObjectExtras* e = object.extras()) {
    if (!e->otherAppGroups.empty())
      for (const KeptGroup& g : e->otherAppGroups)
        filer->writeRawText(g.code, g.text);
    if (!e->reactors.empty()) {
      filer->writeString(102, "{ACAD_REACTORS");
      for (AcDbObjectId id : e->reactors)
        filer->writeObjectId(330, id);
      filer->writeString(102, "}");
    }
    if (!e->extensionDictionary.isNull()) {
      filer->writeString(102, "{ACAD_XDICTIONARY");
      filer->writeObjectId(360, e->extensionDictionary);
      filer->writeString(102, "}");
    }
  }
  filer->writeObjectId(330, owner);
  return filer->filerStatus();
}

}  // namespace zek
