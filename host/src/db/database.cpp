// AcDbDatabase: table access, current properties kept in the header
// variables, handles, and the working database.
#include "db_database.h"

#include <cmath>

#include "db/database_core.h"
#include "db/default_drawing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDatabase, AcRxObject, "", nullptr)

namespace {
AcDbDatabase*& workingDatabase() {
  static AcDbDatabase* db = nullptr;
  return db;
}

template <typename Table>
Acad::ErrorStatus openTable(AcDbObjectId id, Table*& table, AcDb::OpenMode mode) {
  table = nullptr;
  if (id.isNull())
    return Acad::eNullObjectId;
  return acdbOpenObject(table, id, mode);
}
}  // namespace

AcDbDatabase* acdbCurDwg() { return workingDatabase(); }

void zek::setWorkingDatabase(AcDbDatabase* db) { workingDatabase() = db; }

AcDbHostApplicationServices* acdbHostApplicationServices() {
  static AcDbHostApplicationServices services;
  return &services;
}

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool)
    : core_(std::make_unique<zek::DatabaseCore>(this)) {
  zek::registerDatabase(this);
  if (buildDefaultDrawing)
    zek::buildDefaultDrawing(*this);
}

AcDbDatabase::~AcDbDatabase() {
  if (workingDatabase() == this)
    workingDatabase() = nullptr;
  zek::unregisterDatabase(this);
}

zek::HeaderVariables& AcDbDatabase::header() const { return core_->header; }
zek::UndoRecorder& AcDbDatabase::undo() const { return core_->undo; }

std::vector<AcDbObjectId> AcDbDatabase::openObjects() const {
  std::vector<AcDbObjectId> ids;
  for (zek::ObjectStub* stub : core_->openStubs)
    ids.emplace_back(stub);
  return ids;
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& t, AcDb::OpenMode m) { return openTable(core_->blockTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& t, AcDb::OpenMode m) { return openTable(core_->layerTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) { return openTable(core_->linetypeTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) { return openTable(core_->textStyleTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) { return openTable(core_->dimStyleTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& t, AcDb::OpenMode m) { return openTable(core_->regAppTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getViewTable(AcDbViewTable*& t, AcDb::OpenMode m) { return openTable(core_->viewTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getUCSTable(AcDbUCSTable*& t, AcDb::OpenMode m) { return openTable(core_->ucsTable, t, m); }
Acad::ErrorStatus AcDbDatabase::getViewportTable(AcDbViewportTable*& t, AcDb::OpenMode m) { return openTable(core_->viewportTable, t, m); }

AcDbObjectId AcDbDatabase::blockTableId() const { return core_->blockTable; }
AcDbObjectId AcDbDatabase::layerTableId() const { return core_->layerTable; }
AcDbObjectId AcDbDatabase::linetypeTableId() const { return core_->linetypeTable; }
AcDbObjectId AcDbDatabase::textStyleTableId() const { return core_->textStyleTable; }
AcDbObjectId AcDbDatabase::dimStyleTableId() const { return core_->dimStyleTable; }
AcDbObjectId AcDbDatabase::regAppTableId() const { return core_->regAppTable; }
AcDbObjectId AcDbDatabase::viewTableId() const { return core_->viewTable; }
AcDbObjectId AcDbDatabase::UCSTableId() const { return core_->ucsTable; }
AcDbObjectId AcDbDatabase::viewportTableId() const { return core_->viewportTable; }
AcDbObjectId AcDbDatabase::modelSpaceId() const { return core_->modelSpace; }
AcDbObjectId AcDbDatabase::paperSpaceId() const { return core_->paperSpace; }
AcDbObjectId AcDbDatabase::byLayerLinetype() const { return core_->byLayerLinetype; }
AcDbObjectId AcDbDatabase::byBlockLinetype() const { return core_->byBlockLinetype; }
AcDbObjectId AcDbDatabase::continuousLinetype() const { return core_->continuousLinetype; }
AcDbObjectId AcDbDatabase::layerZero() const { return core_->layerZero; }

namespace {
// A record named by a header variable, found in a table (case ignored);
// `fallback` when the variable is missing or names nothing.
AcDbObjectId recordByHeader(const AcDbDatabase& db, const char* variable, AcDbObjectId table,
                            AcDbObjectId fallback) {
  std::optional<std::string> name = db.header().text(variable);
  auto* t = zek::peekObject<AcDbSymbolTable>(table);
  AcDbObjectId id;
  if (name && t && t->getAt(name->c_str(), id) == Acad::eOk)
    return id;
  return fallback;
}

Acad::ErrorStatus setHeaderName(AcDbDatabase& db, const char* variable, int code, AcDbObjectId id,
                                AcRxClass* recordClass) {
  auto* record = zek::peekObject<AcDbSymbolTableRecord>(id);
  if (record == nullptr || !record->isKindOf(recordClass) || id.isErased())
    return Acad::eInvalidInput;
  db.header().setText(variable, code, zek::recordNameOf(id));
  return Acad::eOk;
}
}  // namespace

AcDbObjectId AcDbDatabase::clayer() const {
  return recordByHeader(*this, "$CLAYER", core_->layerTable, core_->layerZero);
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layerId) {
  return setHeaderName(*this, "$CLAYER", 8, layerId, AcDbLayerTableRecord::desc());
}

AcDbObjectId AcDbDatabase::celtype() const {
  return recordByHeader(*this, "$CELTYPE", core_->linetypeTable, core_->byLayerLinetype);
}

Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId linetypeId) {
  return setHeaderName(*this, "$CELTYPE", 6, linetypeId, AcDbLinetypeTableRecord::desc());
}

AcCmColor AcDbDatabase::cecolor() const {
  AcCmColor color;
  long long index = core_->header.integer("$CECOLOR").value_or(256);
  color.setColorIndex(static_cast<Adesk::UInt16>(index < 0 || index > 256 ? 256 : index));
  return color;
}

Acad::ErrorStatus AcDbDatabase::setCecolor(const AcCmColor& color) {
  core_->header.setInteger("$CECOLOR", 62, color.colorIndex());
  return Acad::eOk;
}

double AcDbDatabase::celtscale() const { return core_->header.real("$CELTSCALE").value_or(1.0); }

Acad::ErrorStatus AcDbDatabase::setCeltscale(double scale) {
  if (!(scale > 0.0))
    return Acad::eInvalidInput;
  core_->header.setReal("$CELTSCALE", 40, scale);
  return Acad::eOk;
}

AcDb::LineWeight AcDbDatabase::celweight() const {
  return static_cast<AcDb::LineWeight>(core_->header.integer("$CELWEIGHT").value_or(-1));
}

Acad::ErrorStatus AcDbDatabase::setCelweight(AcDb::LineWeight weight) {
  core_->header.setInteger("$CELWEIGHT", 370, weight);
  return Acad::eOk;
}

double AcDbDatabase::ltscale() const { return core_->header.real("$LTSCALE").value_or(1.0); }

Acad::ErrorStatus AcDbDatabase::setLtscale(double scale) {
  if (!(scale > 0.0))
    return Acad::eInvalidInput;
  core_->header.setReal("$LTSCALE", 40, scale);
  return Acad::eOk;
}

double AcDbDatabase::textsize() const { return core_->header.real("$TEXTSIZE").value_or(2.5); }

Acad::ErrorStatus AcDbDatabase::setTextsize(double size) {
  if (!(size > 0.0))
    return Acad::eInvalidInput;
  core_->header.setReal("$TEXTSIZE", 40, size);
  return Acad::eOk;
}

AcDbObjectId AcDbDatabase::textstyle() const {
  return recordByHeader(*this, "$TEXTSTYLE", core_->textStyleTable, core_->standardTextStyle);
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId styleId) {
  return setHeaderName(*this, "$TEXTSTYLE", 7, styleId, AcDbTextStyleTableRecord::desc());
}

AcDbObjectId AcDbDatabase::dimstyle() const {
  return recordByHeader(*this, "$DIMSTYLE", core_->dimStyleTable, core_->standardDimStyle);
}

Acad::ErrorStatus AcDbDatabase::setDimstyle(AcDbObjectId styleId) {
  return setHeaderName(*this, "$DIMSTYLE", 2, styleId, AcDbDimStyleTableRecord::desc());
}

AcGePoint3d AcDbDatabase::insbase() const { return core_->header.point("$INSBASE").value_or(AcGePoint3d()); }
AcGePoint3d AcDbDatabase::extmin() const { return core_->header.point("$EXTMIN").value_or(AcGePoint3d()); }
AcGePoint3d AcDbDatabase::extmax() const { return core_->header.point("$EXTMAX").value_or(AcGePoint3d()); }

Acad::ErrorStatus AcDbDatabase::updateExt(bool) {
  auto* space = zek::peekObject<AcDbBlockTableRecord>(core_->modelSpace);
  if (space == nullptr)
    return Acad::eNullObjectId;
  AcDbExtents all;
  bool any = false;
  for (AcDbObjectId id : space->entityIds()) {
    auto* entity = zek::peekObject<AcDbEntity>(id);
    if (entity == nullptr || id.isErased())
      continue;
    AcDbExtents box;
    entity->markOpened(AcDb::kForRead);
    Acad::ErrorStatus es = entity->getGeomExtents(box);
    entity->markClosed();
    if (es == Acad::eOk) {
      all.addExt(box);
      any = true;
    }
  }
  if (!any)
    return Acad::eInvalidExtents;
  core_->header.setPoint("$EXTMIN", all.minPoint());
  core_->header.setPoint("$EXTMAX", all.maxPoint());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                                const AcDbHandle& handle, Adesk::UInt32) {
  zek::ObjectStub* stub = core_->stubForHandle(handle.value(), createIfNotFound);
  id = AcDbObjectId(stub);
  return stub ? Acad::eOk : Acad::eUnknownHandle;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object) {
  Acad::ErrorStatus es = core_->addObject(object, AcDbObjectId(), id);
  if (es != Acad::eOk)
    return es;
  core_->objects.push_back(id);
  object->markOpened(AcDb::kForWrite);
  core_->openStubs.insert(id.stub());
  core_->undo.noteAdded(id);
  return Acad::eOk;
}

AcDbHandle AcDbDatabase::handseed() const { return AcDbHandle(core_->nextHandle()); }

Adesk::Int32 AcDbDatabase::approxNumObjects() const {
  return static_cast<Adesk::Int32>(core_->objectCount());
}

AcDb::AcDbDwgVersion AcDbDatabase::originalFileVersion() const { return core_->fileVersion; }

const char* AcDbDatabase::originalFileName() const { return core_->fileName.c_str(); }

AcRxClass* AcDbObjectId::objectClass() const {
  return stub_ && stub_->object ? stub_->object->isA() : nullptr;
}

bool AcDbObjectId::operator<(const AcDbObjectId& other) const {
  return handle() < other.handle() || (handle() == other.handle() && stub_ < other.stub_);
}

const AcDbObjectId AcDbObjectId::kNull;

AcDbHandle::AcDbHandle(const char* hex) {
  std::uint64_t v = 0;
  for (const char* p = hex; p && *p; ++p) {
    char c = *p;
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (d < 0) {
      v = 0;
      break;
    }
    v = v * 16 + static_cast<std::uint64_t>(d);
  }
  value_ = v;
}

void AcDbHandle::getIntoAsciiBuffer(char* buffer, std::size_t size) const {
  std::string text = ascii();
  if (size == 0)
    return;
  std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
  text.copy(buffer, n);
  buffer[n] = '\0';
}

std::string AcDbHandle::ascii() const {
  static const char* kHex = "0123456789ABCDEF";
  if (value_ == 0)
    return "0";
  std::string text;
  for (std::uint64_t v = value_; v != 0; v >>= 4)
    text.insert(text.begin(), kHex[v & 15]);
  return text;
}
