// Writing a database as DXF: header, classes, tables, blocks, entities and
// objects in the generation asked for.
#include "dxf/dxf_writer.h"

#include <cstring>
#include <map>
#include <strings.h>

#include "db/database_core.h"
#include "db/default_drawing.h"
#include "db/dimblocks/dim_block_hooks.h"
#include "db/kept_object.h"
#include "dxf/dxf_out_filer.h"
#include "dxf/group_codes.h"
#include "dxf/r12_forms.h"
#include "dxf/text_codec.h"

namespace zek::dxf {

const char* acadverOf(AcDb::AcDbDwgVersion version) {
  switch (version) {
    case AcDb::kDHL_1009: return "AC1009";
    case AcDb::kDHL_1015: return "AC1015";
    case AcDb::kDHL_1018: return "AC1018";
    default: return "AC1032";
  }
}

AcDb::AcDbDwgVersion outputVersion(const AcDbDatabase& db, std::optional<DxfVersion> asked) {
  if (asked) {
    switch (*asked) {
      case DxfVersion::R12: return AcDb::kDHL_1009;
      case DxfVersion::R2000: return AcDb::kDHL_1015;
      case DxfVersion::R2004: return AcDb::kDHL_1018;
      case DxfVersion::R2018: return AcDb::kDHL_1032;
    }
  }
  AcDb::AcDbDwgVersion read = db.originalFileVersion();
  if (read <= AcDb::kDHL_1009) return AcDb::kDHL_1009;
  if (read <= AcDb::kDHL_1018) return AcDb::kDHL_1018;
  return AcDb::kDHL_1032;
}

namespace {

bool hasAcadXdata(const AcDbObject& object) {
  const ObjectExtras* e = object.extras();
  if (e == nullptr)
    return false;
  for (const KeptGroup& g : e->xdata)
    if (g.code == 1001 && g.text == "ACAD")
      return true;
  return false;
}

class Writer {
public:
  Writer(AcDbDatabase& db, TagSink& sink, AcDb::AcDbDwgVersion version, std::vector<std::string>* notes)
      : db_(db), core_(db.core()), sink_(sink), filer_(sink, &db, version), version_(version), notes_(notes) {}

  void run();

private:
  bool r12() const { return version_ <= AcDb::kDHL_1009; }
  void writeHeader();
  void writeClasses();
  std::vector<ClassRecord> classRecords() const;
  void writeTables();
  void writeBlocks();
  void writeEntities();
  void writeObjects();
  void writeObject(const AcDbObject& object, const char* type);
  void writeEntity(AcDbObjectId id);
  void section(const char* name) {
    sink_.writeRaw(0, "SECTION");
    sink_.writeRaw(2, name);
  }
  void endSection() { sink_.writeRaw(0, "ENDSEC"); }

  AcDbDatabase& db_;
  DatabaseCore& core_;
  TagSink& sink_;
  DxfOutFiler filer_;
  AcDb::AcDbDwgVersion version_;
  std::vector<std::string>* notes_;
  std::map<std::string, int> leftOut_;
};

void Writer::writeObject(const AcDbObject& object, const char* type) {
  auto& o = const_cast<AcDbObject&>(object);
  o.markOpened(AcDb::kForRead);
  sink_.writeString(0, type);
  filer_.start(object);
  object.dxfOutFields(&filer_);
  filer_.finish();
  if (const ObjectExtras* e = object.extras(); e && !e->xdata.empty())
    filer_.writeKept(e->xdata);
  o.markClosed();
}

void Writer::writeEntity(AcDbObjectId id) {
  auto* entity = peekObject<AcDbEntity>(id);
  if (entity == nullptr || id.isErased())
    return;
  const char* type = entity->dxfTypeName();
  // An R12 viewport keeps its settings in "ACAD" "MVIEW" extended data; one
  // from a later file has them as groups R12 does not know.
  bool viewportWithoutMview = strcmp(type, "VIEWPORT") == 0 && !hasAcadXdata(*entity);
  if (r12() && (!isR12Type(type) || viewportWithoutMview)) {
    // What has an R12 form is written in it; the rest is left out.
    if (!viewportWithoutMview && writeR12Form(*entity, core_, sink_, filer_, notes_))
      return;
    ++leftOut_[type];
    return;
  }
  writeObject(*entity, type);
  const ComplexEntity* parts = entity->asComplex();
  if (parts == nullptr || !parts->hasSubentities())
    return;
  for (AcDbObjectId sub : parts->subentityIds())
    if (auto* s = peekObject<AcDbEntity>(sub); s && !sub.isErased())
      writeObject(*s, s->dxfTypeName());
  if (auto* end = peekObject<AcDbEntity>(parts->sequenceEndId()))
    writeObject(*end, "SEQEND");
  else
    writeObject(AcDbSequenceEnd(), "SEQEND");
}

void Writer::writeHeader() {
  section("HEADER");
  sink_.writeRaw(9, "$ACADVER");
  sink_.writeRaw(1, acadverOf(version_));
  // The seed must lie above every handle written: the R12 forms take new
  // handles for their vertices as they are written.
  sink_.writeRaw(9, "$HANDSEED");
  sink_.writeHandle(5, core_.nextHandle() + (r12() ? r12FormHandleCount(core_) : 0));
  bool wroteCodePage = false;
  for (const auto& variable : core_.header.variables()) {
    if (variable.name == "$ACADVER" || variable.name == "$HANDSEED")
      continue;
    if (variable.name == "$DWGCODEPAGE")
      wroteCodePage = true;
    // A variable the generation cannot hold (R12 and $CELWEIGHT) is left out
    // whole: a name without its value would break the header.
    bool fits = !variable.groups.empty();
    for (const KeptGroup& g : variable.groups)
      fits = fits && filer_.fitsGeneration(g.code);
    if (!fits)
      continue;
    sink_.writeRaw(9, variable.name);
    filer_.writeKept(variable.groups);
  }
  if (!wroteCodePage) {
    sink_.writeRaw(9, "$DWGCODEPAGE");
    sink_.writeRaw(3, "ANSI_1252");
  }
  endSection();
}

// The CLASSES records: those read with the drawing, and one for every class
// registered at run time that has objects here (application name as the
// class's callback gives it for the generation written).
std::vector<ClassRecord> Writer::classRecords() const {
  std::vector<ClassRecord> records = core_.classes;
  for (AcRxClass* cls : customRxClasses()) {
    int count = 0;
    core_.forEachStub([&](const ObjectStub& stub) {
      if (stub.object != nullptr && !stub.erased && stub.object->isA() == cls)
        ++count;
    });
    if (count == 0)
      continue;
    char* appName = const_cast<char*>(cls->appName());
    if (AppNameChangeFuncPtr change = cls->appNameCallbackPtr())
      change(cls, appName, version_);
    ClassRecord* record = nullptr;
    for (ClassRecord& r : records)
      if (r.dxfName == cls->dxfName())
        record = &r;
    if (record == nullptr)
      record = &records.emplace_back();
    record->dxfName = cls->dxfName();
    record->cppName = cls->name();
    record->appName = appName ? appName : "";
    record->proxyFlags = cls->proxyFlags();
    record->instanceCount = count;
    record->wasAProxy = false;
    record->isEntity = cls->isDerivedFrom(AcDbEntity::desc());
  }
  return records;
}

void Writer::writeClasses() {
  if (r12())
    return;
  section("CLASSES");
  for (const ClassRecord& c : classRecords()) {
    sink_.writeRaw(0, "CLASS");
    sink_.writeString(1, c.dxfName);
    sink_.writeString(2, c.cppName);
    sink_.writeString(3, c.appName);
    sink_.writeInt(90, c.proxyFlags);
    if (version_ >= AcDb::kDHL_1018)
      sink_.writeInt(91, c.instanceCount);
    sink_.writeInt(280, c.wasAProxy ? 1 : 0);
    sink_.writeInt(281, c.isEntity ? 1 : 0);
  }
  endSection();
}

void Writer::writeTables() {
  section("TABLES");
  static const char* kOrder[] = {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID",
                                 "DIMSTYLE", "BLOCK_RECORD"};
  for (const char* name : kOrder) {
    if (r12() && strcmp(name, "BLOCK_RECORD") == 0)
      continue;
    auto* table = peekObject<AcDbSymbolTable>(core_.tableByName(name));
    if (table == nullptr)
      continue;
    sink_.writeRaw(0, "TABLE");
    sink_.writeRaw(2, name);
    table->markOpened(AcDb::kForRead);
    filer_.start(*table);
    table->dxfOutFields(&filer_);
    filer_.finish();
    table->markClosed();
    for (AcDbObjectId id : table->recordIds()) {
      auto* record = peekObject<AcDbSymbolTableRecord>(id);
      if (record == nullptr || record->isImplicit() || id.isErased())
        continue;
      writeObject(*record, name);
    }
    sink_.writeRaw(0, "ENDTAB");
  }
  endSection();
}

void Writer::writeBlocks() {
  section("BLOCKS");
  auto* blocks = peekObject<AcDbBlockTable>(core_.blockTable);
  for (AcDbObjectId id : blocks ? blocks->recordIds() : std::vector<AcDbObjectId>{}) {
    auto* block = peekObject<AcDbBlockTableRecord>(id);
    if (block == nullptr || block->isImplicit() || id.isErased())
      continue;
    if (auto* begin = peekObject<AcDbEntity>(block->blockBeginId()))
      writeObject(*begin, "BLOCK");
    if (id != core_.modelSpace && id != core_.paperSpace)
      for (AcDbObjectId entity : block->entityIds())
        writeEntity(entity);
    if (auto* end = peekObject<AcDbEntity>(block->blockEndId()))
      writeObject(*end, "ENDBLK");
  }
  endSection();
}

void Writer::writeEntities() {
  section("ENTITIES");
  for (AcDbObjectId space : {core_.modelSpace, core_.paperSpace})
    if (auto* block = peekObject<AcDbBlockTableRecord>(space))
      for (AcDbObjectId entity : block->entityIds())
        writeEntity(entity);
  endSection();
}

void Writer::writeObjects() {
  if (r12())
    return;
  ensureStandardObjects(db_);
  section("OBJECTS");
  for (AcDbObjectId id : core_.objects)
    if (auto* object = peekObject<AcDbObject>(id); object && !id.isErased())
      writeObject(*object, object->dxfTypeName());
  endSection();
}

void Writer::run() {
  // Objects the generation needs are made first, so the header's handle
  // seed lies above their handles too: the standard objects, and the *D
  // blocks of dimensions that came without one or changed since, and the
  // BLOCK and ENDBLK of blocks made since the drawing was read.
  makeMissingDimBlocks(db_);
  ensureStandardContent(db_);
  if (!r12())
    ensureStandardObjects(db_);
  writeHeader();
  writeClasses();
  writeTables();
  writeBlocks();
  writeEntities();
  writeObjects();
  if (!r12())
    for (const KeptFileSection& kept : core_.keptSections) {
      if (kept.name == "ACDSDATA" && version_ < AcDb::kDHL_1027)
        continue;
      section(kept.name.c_str());
      filer_.writeKept(kept.groups);
      endSection();
    }
  sink_.writeRaw(0, "EOF");
  if (notes_)
    for (const auto& [type, count] : leftOut_)
      notes_->push_back(std::to_string(count) + " " + type +
                        " entities left out: R12 cannot hold them");
}

}  // namespace

namespace {

// Whether every symbol table name of the drawing survives the code page
// without \U+ escapes (names with escapes are not read back by every program).
bool codePageHoldsNames(DatabaseCore& core, const std::string& codePage) {
  TextEncoder encoder;
  if (!encoder.setCodePage(codePage))
    return false;
  std::string out;
  for (AcDbObjectId tableId : core.tableOrder) {
    auto* table = peekObject<AcDbSymbolTable>(tableId);
    if (table == nullptr)
      continue;
    for (AcDbObjectId id : table->recordIds()) {
      std::string name = recordNameOf(id);
      out.clear();
      encoder.encode(name, out);
      if (out.find("\\U+") != std::string::npos && name.find("\\U+") == std::string::npos)
        return false;
    }
  }
  return true;
}

// The code page an R2004-or-older file is written in: the drawing's own,
// unless its names need characters it lacks (a drawing read from a UTF-8
// file), then the first common code page that holds them all.
std::string outputCodePage(AcDbDatabase& db) {
  std::string own = db.header().text("$DWGCODEPAGE").value_or("ANSI_1252");
  if (codePageHoldsNames(db.core(), own))
    return own;
  for (const char* candidate : {"ANSI_936", "ANSI_932", "ANSI_949", "ANSI_950", "ANSI_1251",
                                "ANSI_1250", "ANSI_1253", "ANSI_1254", "ANSI_1255", "ANSI_1256",
                                "ANSI_1257", "ANSI_874"})
    if (codePageHoldsNames(db.core(), candidate))
      return candidate;
  return own;
}

}  // namespace

void writeDrawing(AcDbDatabase& db, TagSink& sink, AcDb::AcDbDwgVersion version,
                  std::vector<std::string>* notes) {
  TextEncoder encoder;
  std::optional<std::string> ownCodePage = db.header().text("$DWGCODEPAGE");
  if (version >= AcDb::kDHL_1021) {
    encoder.setUtf8();
  } else {
    std::string codePage = outputCodePage(db);
    if (!encoder.setCodePage(codePage)) {
      codePage = "ANSI_1252";
      (void)encoder.setCodePage(codePage);
    }
    if (codePage != ownCodePage.value_or("ANSI_1252")) {
      db.header().setText("$DWGCODEPAGE", 3, codePage);
      if (notes)
        notes->push_back("text written in code page " + codePage + ", which holds every name of the drawing");
    }
  }
  sink.setEncoder(&encoder);
  Writer writer(db, sink, version, notes);
  writer.run();
  sink.setEncoder(nullptr);
  // The drawing itself keeps its code page; only the file said otherwise.
  if (version < AcDb::kDHL_1021) {
    if (ownCodePage)
      db.header().setText("$DWGCODEPAGE", 3, *ownCodePage);
    else
      db.header().remove("$DWGCODEPAGE");
  }
}

}  // namespace zek::dxf
