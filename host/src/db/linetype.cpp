// Linetype records (dash patterns with their text and shape elements) and
// loading linetypes from a .lin file found along the support path.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <strings.h>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/record_filing.h"
#include "db/support_path.h"
#include "db_database.h"
#include "db_symtab.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, "LTYPE",
                           []() -> AcRxObject* { return new AcDbLinetypeTableRecord; })

AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const char* text) {
  assertWriteEnabled();
  comments_ = text ? text : "";
  return Acad::eOk;
}

void AcDbLinetypeTableRecord::setPatternLength(double length) {
  assertWriteEnabled();
  patternLength_ = length;
}

void AcDbLinetypeTableRecord::setNumDashes(int count) {
  assertWriteEnabled();
  dashes_.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  assertReadEnabled();
  if (index < 0 || index >= numDashes())
    return 0.0;
  return dashes_[static_cast<std::size_t>(index)].length;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setDashLengthAt(int index, double length) {
  assertWriteEnabled();
  if (index < 0 || index >= numDashes())
    return Acad::eInvalidIndex;
  dashes_[static_cast<std::size_t>(index)].length = length;
  return Acad::eOk;
}

void AcDbLinetypeTableRecord::setDashes(std::vector<Dash> dashes) {
  assertWriteEnabled();
  dashes_ = std::move(dashes);
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(comments_);
  filer->writeDouble(patternLength_);
  filer->writeInt32(static_cast<Adesk::Int32>(dashes_.size()));
  for (const Dash& d : dashes_) {
    filer->writeDouble(d.length);
    filer->writeInt16(d.complexType);
    filer->writeInt16(d.shapeNumber);
    filer->writeString(d.styleHandle);
    filer->writeDouble(d.scale);
    filer->writeDouble(d.rotation);
    filer->writeDouble(d.xOffset);
    filer->writeDouble(d.yOffset);
    filer->writeString(d.text);
    filer->writeBool(d.hasShapeFields);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readString(comments_);
  filer->readDouble(&patternLength_);
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  dashes_.clear();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    Dash d;
    filer->readDouble(&d.length);
    filer->readInt16(&d.complexType);
    filer->readInt16(&d.shapeNumber);
    filer->readString(d.styleHandle);
    filer->readDouble(&d.scale);
    filer->readDouble(&d.rotation);
    filer->readDouble(&d.xOffset);
    filer->readDouble(&d.yOffset);
    filer->readString(d.text);
    filer->readBool(&d.hasShapeFields);
    dashes_.push_back(std::move(d));
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  dashes_.clear();
  zek::RecordReader reader;
  reader.field = [&](const resbuf& rb) {
    Dash* last = dashes_.empty() ? nullptr : &dashes_.back();
    switch (rb.restype) {
      case 3: comments_ = rb.resval.rstring ? rb.resval.rstring : ""; return true;
      case 72: return true;  // alignment: always 'A'
      case 73: return true;  // the dash count, counted again on writing
      case 40: patternLength_ = rb.resval.rreal; return true;
      case 49: dashes_.push_back(Dash{}); dashes_.back().length = rb.resval.rreal; return true;
      default: break;
    }
    if (last == nullptr)
      return false;
    switch (rb.restype) {
      case 74: last->complexType = rb.resval.rint; return true;
      case 75: last->shapeNumber = rb.resval.rint; last->hasShapeFields = true; return true;
      case 340: last->styleHandle = filer->lastItemText(); last->hasShapeFields = true; return true;
      case 46: last->scale = rb.resval.rreal; last->hasShapeFields = true; return true;
      case 50: last->rotation = zek::groupAngle(rb); last->hasShapeFields = true; return true;
      case 44: last->xOffset = rb.resval.rreal; last->hasShapeFields = true; return true;
      case 45: last->yOffset = rb.resval.rreal; last->hasShapeFields = true; return true;
      case 9: last->text = rb.resval.rstring ? rb.resval.rstring : ""; last->hasShapeFields = true; return true;
      default: return false;
    }
  };
  es = reader.read(filer, "AcDbLinetypeTableRecord");
  zek::finishRecordRead(*this, reader);
  return es;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  bool r12 = filer->dwgVersion() <= AcDb::kDHL_1009;
  zek::writeRecordHead(filer, *this, "AcDbLinetypeTableRecord");
  filer->writeString(3, comments_);
  filer->writeInt16(72, 65);
  filer->writeInt16(73, static_cast<Adesk::Int16>(dashes_.size()));
  filer->writeDouble(40, patternLength_);
  for (const Dash& d : dashes_) {
    filer->writeDouble(49, d.length);
    if (r12)
      continue;
    filer->writeInt16(74, d.complexType);
    if (!d.hasShapeFields)
      continue;
    if (d.complexType & 4)
      filer->writeInt16(75, d.shapeNumber);
    else if (d.complexType & 2)
      filer->writeInt16(75, 0);
    if (!d.styleHandle.empty())
      filer->writeRawText(340, d.styleHandle);
    filer->writeDouble(46, d.scale);
    filer->writeAngle(50, d.rotation);
    filer->writeDouble(44, d.xOffset);
    filer->writeDouble(45, d.yOffset);
    if (d.complexType & 2)
      filer->writeString(9, d.text);
  }
  return filer->filerStatus();
}

// ---- .lin files -------------------------------------------------------------

namespace {

struct LinDefinition {
  std::string name;
  std::string description;
  std::vector<double> dashes;  // complex elements ([...]) are skipped
};

std::string trim(const std::string& text) {
  std::size_t b = text.find_first_not_of(" \t\r");
  std::size_t e = text.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

// Parses "*NAME,description" followed by "A,dash,gap,...". Comment lines
// start with ';;'. A complex element in brackets counts as a zero-length dot.
std::vector<LinDefinition> parseLinFile(std::istream& in) {
  std::vector<LinDefinition> definitions;
  std::string line;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line.rfind(";;", 0) == 0)
      continue;
    if (line[0] == '*') {
      LinDefinition d;
      std::size_t comma = line.find(',');
      d.name = trim(line.substr(1, comma == std::string::npos ? std::string::npos : comma - 1));
      if (comma != std::string::npos)
        d.description = trim(line.substr(comma + 1));
      definitions.push_back(std::move(d));
      continue;
    }
    if (definitions.empty() || (line[0] != 'A' && line[0] != 'a'))
      continue;
    std::string rest = line.substr(1);
    std::string item;
    int depth = 0;
    for (char c : rest + ",") {
      if (c == '[') ++depth;
      if (c == ']') --depth;
      if (c == ',' && depth == 0) {
        item = trim(item);
        if (!item.empty()) {
          if (item[0] == '[')
            definitions.back().dashes.push_back(0.0);
          else
            definitions.back().dashes.push_back(std::atof(item.c_str()));
        }
        item.clear();
      } else {
        item += c;
      }
    }
  }
  return definitions;
}

Acad::ErrorStatus addLinetype(AcDbDatabase* db, const LinDefinition& d) {
  AcDbLinetypeTable* table = nullptr;
  Acad::ErrorStatus es = db->getLinetypeTable(table, AcDb::kForWrite);
  if (es != Acad::eOk)
    return es;
  AcDbObjectId existing;
  if (table->getAt(d.name.c_str(), existing) == Acad::eOk) {
    auto* record = zek::peekObject<AcDbLinetypeTableRecord>(existing);
    if (record != nullptr && !record->isImplicit()) {
      table->close();
      return Acad::eDuplicateKey;
    }
  }
  auto record = std::make_unique<AcDbLinetypeTableRecord>();
  record->setName(d.name.c_str());
  record->setComments(d.description.c_str());
  std::vector<AcDbLinetypeTableRecord::Dash> dashes;
  double total = 0.0;
  for (double length : d.dashes) {
    AcDbLinetypeTableRecord::Dash dash;
    dash.length = length;
    dashes.push_back(dash);
    total += std::fabs(length);
  }
  record->setDashes(std::move(dashes));
  record->setPatternLength(total);
  AcDbObjectId id;
  es = table->add(id, record.get());
  table->close();
  if (es != Acad::eOk)
    return es;
  record.release()->close();
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus acdbLoadLineTypeFile(const char* linetypeName, const char* fileName,
                                       AcDbDatabase* db) {
  if (db == nullptr)
    db = acdbCurDwg();
  if (db == nullptr || linetypeName == nullptr || fileName == nullptr)
    return Acad::eInvalidInput;
  std::string path = zek::findSupportFile(fileName, db);
  std::ifstream in(path);
  if (path.empty() || !in)
    return Acad::eFileNotFound;
  std::vector<LinDefinition> definitions = parseLinFile(in);
  bool all = std::string(linetypeName) == "*";
  bool found = false;
  Acad::ErrorStatus result = Acad::eOk;
  for (const LinDefinition& d : definitions) {
    if (!all && strcasecmp(d.name.c_str(), linetypeName) != 0)
      continue;
    found = true;
    Acad::ErrorStatus es = addLinetype(db, d);
    if (!all)
      return es;
    if (es != Acad::eOk && es != Acad::eDuplicateKey)
      result = es;
  }
  return found ? result : Acad::eKeyNotFound;
}

Acad::ErrorStatus AcDbDatabase::loadLineTypeFile(const char* linetypeName, const char* fileName) {
  return acdbLoadLineTypeFile(linetypeName, fileName, this);
}
