// AcDbDimStyleTableRecord: its groups in file order, and their filing
// through the binary and DXF filers in the form of the generation written.
#include "db_symtab.h"

#include <algorithm>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimvars/dim_style_access.h"
#include "db/kept_groups.h"
#include "db/record_filing.h"
#include "dxf/number_text.h"
#include "db_database.h"

namespace {

constexpr const char* kMarker = "AcDbDimStyleTableRecord";

bool isReferenceCode(int code) { return zek::resbufTypeOfGroupCode(code) == RTENAME; }

// A filer answers true for a subclass marker no object has only when the
// object has no markers at all (R12): there every class reads the one list.
bool readsWithoutMarkers(AcDbDxfFiler* filer) {
  return filer->atSubclassData("\x01 no such marker");
}

// One group as read: references as their object, numbers as the file wrote
// them (a decimal comma put right), texts decoded.
bool takeGroup(AcDbDxfFiler* filer, const resbuf& rb, std::vector<zek::DimStyleGroup>& groups) {
  zek::DimStyleGroup group;
  group.code = rb.restype;
  switch (zek::resbufTypeOfGroupCode(rb.restype)) {
    case RTENAME: {
      group.id = zek::idFromResbuf(rb);
      group.text = filer->lastItemText();
      std::uint64_t handle = 0;
      if (!group.text.empty() && !zek::dxf::parseHandle(group.text, handle))
        group.name = group.text;  // a name where the handle belongs
      break;
    }
    case RTSTR: group.text = rb.resval.rstring ? rb.resval.rstring : ""; break;
    case RTREAL:
      group.text = filer->lastItemText();
      if (group.text.find(',') != std::string::npos)
        group.text = zek::formatReal(rb.resval.rreal);
      break;
    case RTSHORT:
    case RTLONG:
    case RTINT64: group.text = filer->lastItemText(); break;
    default: return false;  // points and binary chunks: no variable is one; kept
  }
  groups.push_back(std::move(group));
  return true;
}

std::string arrowNameOf(const zek::DimStyleGroup& group) {
  return group.id.isNull() ? group.name : zek::recordName(group.id);
}

// R12: the variables R12 records have, arrow blocks by name. Codes the table
// does not know go back only into the R12 drawing they came from.
void writeR12Group(AcDbDxfFiler* filer, const zek::DimStyleGroup& g, bool readAsR12) {
  if (int nameCode = zek::arrowNameCode(g.code)) {
    std::string name = arrowNameOf(g);
    if (!name.empty())
      filer->writeString(nameCode, name);
    return;
  }
  const zek::DimVarEntry* entry = zek::dimVarEntry(g.code);
  if (entry ? !entry->info.inR12 : (!readAsR12 || isReferenceCode(g.code)))
    return;
  if (zek::resbufTypeOfGroupCode(g.code) == RTSTR)
    filer->writeString(g.code, g.text);
  else
    filer->writeRawText(g.code, g.text);
}

// R13 and later: arrow blocks as references where the drawing holds the
// block (an R12 name without its block, or empty, stays as filed); an arrow
// block set by name goes out once the block exists; everything else as filed.
void writeGroup(AcDbDxfFiler* filer, const zek::DimStyleGroup& g, AcDbDatabase* db) {
  if (int handleCode = zek::arrowHandleCode(g.code)) {
    AcDbObjectId block = g.text.empty() ? AcDbObjectId() : zek::blockByName(db, g.text);
    if (!block.isNull())
      filer->writeObjectId(handleCode, block);
    else
      filer->writeString(g.code, g.text);
    return;
  }
  if (isReferenceCode(g.code)) {
    if (!g.id.isNull()) {
      filer->writeObjectId(g.code, g.id);
    } else if (!g.text.empty() || g.name.empty()) {
      filer->writeRawText(g.code, g.text);  // as filed, a name in a handle's place included
    } else {
      AcDbObjectId id = zek::blockByName(db, g.name);  // set by name: once the block exists
      if (!id.isNull())
        filer->writeObjectId(g.code, id);
    }
    return;
  }
  if (zek::resbufTypeOfGroupCode(g.code) == RTSTR)
    filer->writeString(g.code, g.text);
  else
    filer->writeRawText(g.code, g.text);
}

}  // namespace

AcDbDimStyleTableRecord::AcDbDimStyleTableRecord() = default;

const zek::DimStyleGroup* AcDbDimStyleTableRecord::findDimStyleGroup(int code) const {
  assertReadEnabled();
  for (const zek::DimStyleGroup& g : groups_)
    if (g.code == code)
      return &g;
  return nullptr;
}

void AcDbDimStyleTableRecord::setDimStyleGroup(zek::DimStyleGroup group) {
  assertWriteEnabled();
  for (zek::DimStyleGroup& g : groups_)
    if (g.code == group.code) {
      g = std::move(group);
      return;
    }
  groups_.push_back(std::move(group));
}

void AcDbDimStyleTableRecord::removeDimStyleGroup(int code) {
  assertWriteEnabled();
  for (std::size_t i = groups_.size(); i-- > 0;) {
    if (groups_[i].code != code)
      continue;
    groups_.erase(groups_.begin() + static_cast<long>(i));
    if (flagsAt_ > static_cast<int>(i))
      --flagsAt_;
  }
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt32(flagsAt_);
  filer->writeInt32(static_cast<Adesk::Int32>(groups_.size()));
  for (const zek::DimStyleGroup& g : groups_) {
    filer->writeInt32(g.code);
    filer->writeString(g.text);
    filer->writeHardPointerId(g.id);
    filer->writeString(g.name);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int32 flagsAt = -1, count = 0;
  filer->readInt32(&flagsAt);
  filer->readInt32(&count);
  flagsAt_ = flagsAt;
  groups_.clear();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    zek::DimStyleGroup g;
    Adesk::Int32 code = 0;
    filer->readInt32(&code);
    g.code = code;
    filer->readString(g.text);
    filer->readHardPointerId(&g.id);
    filer->readString(g.name);
    groups_.push_back(std::move(g));
  }
  return filer->filerStatus();
}

// Every group of the record's section but name and flags is the record's, in
// file order, unknown codes included; the flags are the first group 70 (a
// later 70 is a variable of newer files) and keep their place. Without
// markers (R12) the record reads before the object's head: the head takes
// group 5 as a handle, which here is DIMBLK.
Acad::ErrorStatus AcDbDimStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  groups_.clear();
  flagsAt_ = -1;
  zek::RecordReader named;
  bool flat = readsWithoutMarkers(filer);
  auto readOwn = [&]() -> Acad::ErrorStatus {
    if (!filer->atSubclassData(kMarker))
      return filer->filerStatus();
    bool sawFlags = false;
    resbuf rb;
    Acad::ErrorStatus es;
    while ((es = filer->readItem(&rb)) == Acad::eOk) {
      int code = rb.restype;
      if (code == 2 && named.name.empty()) {
        named.name = rb.resval.rstring ? rb.resval.rstring : "";
      } else if (code == 70 && !sawFlags) {
        sawFlags = true;
        named.flags = rb.resval.rint;
        if (!groups_.empty())
          flagsAt_ = static_cast<int>(groups_.size());
      } else if ((flat && (code == 105 || code == 330 || code == 102 || code == 100)) ||
                 !takeGroup(filer, rb, groups_)) {
        filer->keepUnknownItem();  // the head's groups, points, binary chunks
      }
    }
    return es == Acad::eEndOfFile ? filer->filerStatus() : es;
  };
  Acad::ErrorStatus es = Acad::eOk;
  if (flat) {
    es = readOwn();
    (void)readsWithoutMarkers(filer);  // back to the list's start for the head
    if (es == Acad::eOk)
      es = AcDbSymbolTableRecord::dxfInFields(filer);
  } else {
    es = AcDbSymbolTableRecord::dxfInFields(filer);
    if (es == Acad::eOk)
      es = readOwn();
  }
  Acad::ErrorStatus finished = zek::finishRecordRead(*this, named);
  return es != Acad::eOk ? es : finished;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, kMarker);
  filer->writeString(2, name());
  AcDbDatabase* db = database() ? database() : filer->database();
  bool r12 = filer->dwgVersion() <= AcDb::kDHL_1009;
  bool readAsR12 = db != nullptr && db->originalFileVersion() <= AcDb::kDHL_1009;
  std::size_t flagsAt =
      flagsAt_ < 0 ? 0 : std::min(static_cast<std::size_t>(flagsAt_), groups_.size());
  for (std::size_t i = 0; i <= groups_.size(); ++i) {
    if (i == flagsAt)
      filer->writeInt16(70, flags());
    if (i == groups_.size())
      break;
    if (r12)
      writeR12Group(filer, groups_[i], readAsR12);
    else
      writeGroup(filer, groups_[i], db);
  }
  return filer->filerStatus();
}
