// Reading a DXF file group by group into a database.
#include "dxf/dxf_reader.h"

#include <cstring>
#include <span>
#include <strings.h>
#include <unordered_map>

#include "db/database_core.h"
#include "db/default_drawing.h"
#include "db/kept_groups.h"
#include "db/kept_object.h"
#include "dxf/dxf_in_filer.h"
#include "dxf/group_codes.h"
#include "dxf/number_text.h"
#include "db_blockref.h"


namespace zek::dxf {

AcDb::AcDbDwgVersion versionOfAcadver(std::string_view v) {
  if (v == "AC1012") return AcDb::kDHL_1012;
  if (v == "AC1014") return AcDb::kDHL_1014;
  if (v == "AC1015") return AcDb::kDHL_1015;
  if (v == "AC1018") return AcDb::kDHL_1018;
  if (v == "AC1021") return AcDb::kDHL_1021;
  if (v == "AC1024") return AcDb::kDHL_1024;
  if (v == "AC1027") return AcDb::kDHL_1027;
  if (v == "AC1032") return AcDb::kDHL_1032;
  return AcDb::kDHL_1009;
}

namespace {

class Reader {
public:
  Reader(TagSource& source, const DxfReadOptions& options)
      : source_(source), db_(std::make_unique<AcDbDatabase>(false)), core_(db_->core()), filer_(context_) {
    context_.db = db_.get();
    context_.decoder = &decoder_;
    context_.fileName = source.name();
    context_.warnings = options.warnings;
    core_.fileName = source.name();
  }

  Result<std::unique_ptr<AcDbDatabase>> run();
  // The count of the warnings held back as alike (see ReadContext::warn).
  void finishWarnings() { context_.finishWarnings(); }

private:
  Failure failure(long line, std::string message) const {
    return Failure{source_.name(), line, std::move(message), source_.isBinary()};
  }
  void readHeaderVariables(std::size_t from);
  void readClass();
  void readTableGroup();
  void readBlocksGroup();
  void readEntityGroup(AcDbObjectId block);
  void readObjectGroup();
  AcDbObject* newEntityFor(std::string_view type);
  // Reads one object from the current group; answers its id (null on failure).
  AcDbObjectId readObject(AcDbObject* object, AcDbObjectId owner, bool isEntity);
  std::uint64_t handleOfGroup(bool dimstyle) const;
  void configureText();
  long lineOfCode(int code) const;
  void checkCounts(std::string_view type);
  void noteReference(AcDbObjectId id, AcDbObjectId owner);
  void checkNames();
  void checkSelfInsertion();

  TagSource& source_;
  std::unique_ptr<AcDbDatabase> db_;
  DatabaseCore& core_;
  ReadContext context_;
  TextDecoder decoder_;
  DxfInFiler filer_;
  std::vector<RawTag> group_;
  std::string section_;
  AcDbObjectId currentTable_;
  AcDbObjectId currentBlock_;
  AcDbObjectId pendingComplex_;  // a POLYLINE or INSERT whose sub-entities follow
  bool sawMarkers_ = false;
  bool warnedCount_ = false;
  // A record named in the file that may never be defined (a layer's
  // linetype): checked once the whole file is read.
  struct NamedRecord {
    AcDbObjectId record;
    long line;
    std::string namedBy;
  };
  std::vector<NamedRecord> namedRecords_;
  struct LaterLinetype {
    AcDbObjectId layer;
    std::string name;
    long line;
  };
  std::vector<LaterLinetype> laterLinetypes_;
  // Block references whose block was not (yet) defined when they were read.
  std::vector<std::pair<AcDbObjectId, long>> unresolvedReferences_;
  // References inside block definitions (and model space placing itself):
  // the edges a block that inserts itself would close.
  struct PlacedBlock {
    AcDbObjectId owner;
    AcDbObjectId reference;
    long line;
  };
  std::vector<PlacedBlock> placedBlocks_;
  bool allR12Types_ = true;
  bool sawEof_ = false;
};

void Reader::configureText() {
  std::optional<std::string> codePage = core_.header.text("$DWGCODEPAGE");
  if (codePage && !decoder_.setCodePage(*codePage))
    context_.warn(0, "unknown code page \"" + *codePage + "\", text read as ANSI_1252");
  if (context_.version >= AcDb::kDHL_1021)
    decoder_.setUtf8();
}

void Reader::readHeaderVariables(std::size_t from) {
  std::string scratch;
  for (std::size_t i = from; i < group_.size();) {
    if (group_[i].code != 9) {
      ++i;
      continue;
    }
    std::string name(group_[i].value);
    std::vector<KeptGroup> groups;
    bool badNumber = false;
    for (++i; i < group_.size() && group_[i].code != 9; ++i) {
      std::string value(group_[i].value);
      // A number with a decimal comma is kept in the format's own form, so
      // that it is not written back the way it came.
      double number = 0.0;
      const short type = resbufTypeOfGroupCode(group_[i].code);
      long long integer = 0;
      if ((type == RTSHORT || type == RTLONG || type == RTINT64) && !parseInteger(value, integer)) {
        badNumber = true;
        context_.warn(group_[i].line, name + ": expected an integer for group code " +
                                          std::to_string(group_[i].code) + ", found \"" + value +
                                          "\"; the variable is left out");
      }
      if (type == RTREAL || type == RT3DPOINT) {
        NumberParse parsed = parseDouble(value, number);
        if (parsed == NumberParse::Bad) {
          badNumber = true;
          context_.warn(group_[i].line, name + ": expected a number for group code " +
                                            std::to_string(group_[i].code) + ", found \"" + value +
                                            "\"; the variable is left out");
        }
        if (parsed == NumberParse::DecimalComma) {
          if (!context_.warnedDecimalComma) {
            context_.warnedDecimalComma = true;
            context_.warn(group_[i].line, "a number written with a decimal comma (\"" + value +
                                              "\"), read with a decimal point; the file may hold more");
          }
          value = formatReal(number);
        }
      }
      groups.push_back({group_[i].code, std::move(value)});
    }
    if (!badNumber)
      core_.header.set(name, std::move(groups));
  }
  if (std::optional<std::string> acadver = core_.header.text("$ACADVER")) {
    context_.version = versionOfAcadver(*acadver);
    core_.fileVersion = context_.version;
    core_.fileHadVersion = true;
  }
  configureText();
  // Text variables were kept as the file's bytes: decode them now.
  for (const auto& variable : core_.header.variables()) {
    std::vector<KeptGroup> groups = variable.groups;
    bool changed = false;
    for (KeptGroup& g : groups) {
      if (resbufTypeOfGroupCode(g.code) != RTSTR)
        continue;
      std::string_view decoded = decoder_.decode(g.text, scratch);
      if (decoded != g.text) {
        g.text = std::string(decoded);
        changed = true;
      }
    }
    if (changed)
      core_.header.set(variable.name, std::move(groups));
  }
  if (std::optional<std::string> seed = core_.header.text("$HANDSEED")) {
    std::uint64_t h = 0;
    if (parseHandle(*seed, h) && h > 0) {
      core_.reserveHandle(h - 1);
      // Room for the handles is made ahead only as far as the file could
      // hold objects (each takes more than 8 bytes): a damaged seed must
      // not claim memory the file never fills.
      core_.expectHandles(std::min<std::uint64_t>(h, source_.fileSize() / 8 + 1));
    }
  }
}

std::uint64_t Reader::handleOfGroup(bool dimstyle) const {
  for (std::size_t i = 1; i < group_.size(); ++i) {
    int code = group_[i].code;
    // A dimension style files its handle in 105: its group 5 is the arrow
    // block's name (DIMBLK) in R12 records.
    if (dimstyle ? code == 105 : code == 5) {
      std::uint64_t h = 0;
      return parseHandle(group_[i].value, h) ? h : 0;
    }
    if (code == 100)
      break;
  }
  return 0;
}

AcDbObjectId Reader::readObject(AcDbObject* object, AcDbObjectId owner, bool isEntity) {
  // XDATA runs from the first 1001 group to the end of the object.
  std::size_t end = group_.size();
  for (std::size_t i = 1; i < group_.size(); ++i)
    if (group_[i].code == 1001) {
      end = i;
      break;
    }
  std::uint64_t handle = handleOfGroup(AcDbDimStyleTableRecord::cast(object) != nullptr);
  if (handle >= DatabaseCore::kProvisionalBase) {
    // The host hands out handles this high to what it adds while reading.
    char text[kNumberTextMax];
    context_.warn(group_[0].line, "handle " + std::string(text, formatHandle(handle, text)) + " of " +
                                      std::string(group_[0].value) +
                                      " is beyond the handles a drawing may use; it gets a new handle");
    handle = 0;
  }
  if (handle != 0) {
    ObjectStub* stub = core_.stubForHandle(handle, false);
    if (stub != nullptr && stub->object != nullptr) {
      std::string text;
      for (std::size_t i = 1; i < group_.size() && text.empty(); ++i)
        if (group_[i].code == 5 || group_[i].code == 105)
          text = std::string(group_[i].value);
      context_.warn(group_[0].line, "handle " + text + " used twice (" + std::string(group_[0].value) +
                                        "); the second object gets a new handle");
      handle = 0;
    }
  }
  for (std::size_t i = 1; i < end && !sawMarkers_; ++i)
    if (group_[i].code == 100)
      sawMarkers_ = true;
  object->setOwnerId(owner);
  filer_.start(group_.data() + 1, end - 1, isEntity);
  Acad::ErrorStatus es = object->dxfInFields(&filer_);
  if (es != Acad::eOk || filer_.hasError()) {
    // Never lose what the file holds: keep it as groups and say why.
    std::string why = filer_.hasError() ? filer_.errorMessage() : "it could not be read";
    while (!why.empty() && why.front() == '\n') why.erase(why.begin());
    context_.warn(filer_.errorLine() ? filer_.errorLine() : group_[0].line,
                  std::string(group_[0].value) + " kept as read: " + why);
    delete object;
    if (isEntity)
      object = new KeptEntity(std::string(group_[0].value));
    else
      object = new KeptObject(std::string(group_[0].value));
    object->setOwnerId(owner);
    filer_.start(group_.data() + 1, end - 1, isEntity, true);
    object->dxfInFields(&filer_);
  }
  std::vector<KeptSection> kept = filer_.keptSections();
  if (!kept.empty() || end < group_.size()) {
    ObjectExtras& extras = object->extrasForWrite();
    extras.kept = std::move(kept);
    std::string scratch;
    for (std::size_t i = end; i < group_.size(); ++i) {
      std::string_view value = group_[i].value;
      if (resbufTypeOfGroupCode(group_[i].code) == RTSTR)
        value = decoder_.decode(value, scratch);
      extras.xdata.push_back({group_[i].code, std::string(value)});
    }
  }
  if (owner.isNull() || !isEntity)
    owner = object->ownerId();
  AcDbObjectId id;
  if (core_.addObject(object, owner, id, handle) != Acad::eOk) {
    delete object;
    return {};
  }
  object->setOwnerId(owner);
  return id;
}

void Reader::readClass() {
  ClassRecord record;
  for (std::size_t i = 1; i < group_.size(); ++i) {
    std::string value(group_[i].value);
    long long n = 0;
    switch (group_[i].code) {
      case 1: record.dxfName = value; break;
      case 2: record.cppName = value; break;
      case 3: record.appName = value; break;
      case 90: if (parseInteger(value, n)) record.proxyFlags = static_cast<int>(n); break;
      case 91: if (parseInteger(value, n)) record.instanceCount = static_cast<int>(n); break;
      case 280: record.wasAProxy = value.find('1') != std::string::npos; break;
      case 281: record.isEntity = value.find('1') != std::string::npos; break;
      default: break;
    }
  }
  core_.classes.push_back(std::move(record));
}

AcDbObject* newTableFor(std::string_view name) {
  if (name == "LAYER") return new AcDbLayerTable;
  if (name == "LTYPE") return new AcDbLinetypeTable;
  if (name == "STYLE") return new AcDbTextStyleTable;
  if (name == "DIMSTYLE") return new AcDbDimStyleTable;
  if (name == "APPID") return new AcDbRegAppTable;
  if (name == "VIEW") return new AcDbViewTable;
  if (name == "UCS") return new AcDbUCSTable;
  if (name == "VPORT") return new AcDbViewportTable;
  if (name == "BLOCK_RECORD") return new AcDbBlockTable;
  return nullptr;
}

AcDbSymbolTableRecord* newRecordFor(const AcDbSymbolTable* table) {
  if (AcDbLayerTable::cast(table)) return new AcDbLayerTableRecord;
  if (AcDbLinetypeTable::cast(table)) return new AcDbLinetypeTableRecord;
  if (AcDbTextStyleTable::cast(table)) return new AcDbTextStyleTableRecord;
  if (AcDbDimStyleTable::cast(table)) return new AcDbDimStyleTableRecord;
  if (AcDbRegAppTable::cast(table)) return new AcDbRegAppTableRecord;
  if (AcDbViewTable::cast(table)) return new AcDbViewTableRecord;
  if (AcDbUCSTable::cast(table)) return new AcDbUCSTableRecord;
  if (AcDbViewportTable::cast(table)) return new AcDbViewportTableRecord;
  if (AcDbBlockTable::cast(table)) return new AcDbBlockTableRecord;
  return nullptr;
}

AcDbObjectId& tableSlot(DatabaseCore& core, std::string_view name) {
  static AcDbObjectId none;
  if (name == "LAYER") return core.layerTable;
  if (name == "LTYPE") return core.linetypeTable;
  if (name == "STYLE") return core.textStyleTable;
  if (name == "DIMSTYLE") return core.dimStyleTable;
  if (name == "APPID") return core.regAppTable;
  if (name == "VIEW") return core.viewTable;
  if (name == "UCS") return core.ucsTable;
  if (name == "VPORT") return core.viewportTable;
  if (name == "BLOCK_RECORD") return core.blockTable;
  none = AcDbObjectId();
  return none;
}

void Reader::readTableGroup() {
  std::string_view type = group_[0].value;
  if (type == "TABLE") {
    std::string_view name = group_.size() > 1 && group_[1].code == 2 ? group_[1].value : "";
    AcDbObjectId& slot = tableSlot(core_, name);
    AcDbObject* table = newTableFor(name);
    if (table == nullptr) {
      context_.warn(group_[0].line, "unknown table \"" + std::string(name) + "\" kept as read");
      table = new KeptObject("TABLE");
    }
    if (!slot.isNull()) {
      // A second TABLE of the same kind: its records join the first.
      delete table;
      currentTable_ = slot;
      return;
    }
    // The record count only sizes the table: one that does not read as a
    // 16-bit count is left out (the records read are what counts).
    for (std::size_t i = 2; i < group_.size(); ++i) {
      long long count = 0;
      if (group_[i].code == 70 &&
          (!parseInteger(group_[i].value, count) || count < 0 || count > 65535)) {
        context_.warn(group_[i].line, "table " + std::string(name) + " claims \"" +
                                          std::string(group_[i].value) +
                                          "\" records (group code 70), ignored");
        group_.erase(group_.begin() + static_cast<long>(i));
        break;
      }
    }
    // "2 NAME" is the table's own name, not a group of the object. A TABLE
    // without one (a lone "0 TABLE", or another code first) has none to take.
    std::optional<RawTag> nameTag;
    if (group_.size() > 1 && group_[1].code == 2) {
      nameTag = group_[1];
      group_.erase(group_.begin() + 1);
    }
    AcDbObjectId id = readObject(table, AcDbObjectId(), false);
    if (nameTag)
      group_.insert(group_.begin() + 1, *nameTag);
    if (id.isNull())
      return;
    if (AcDbSymbolTable::cast(id.stub()->object)) {
      slot = id;
      core_.tableOrder.push_back(id);
    }
    currentTable_ = id;
    return;
  }
  if (type == "ENDTAB") {
    currentTable_ = AcDbObjectId();
    return;
  }
  auto* table = peekObject<AcDbSymbolTable>(currentTable_);
  if (table == nullptr) {
    context_.warn(group_[0].line, "table record " + std::string(type) + " outside a table, skipped");
    return;
  }
  AcDbSymbolTableRecord* record = newRecordFor(table);
  AcDbObjectId id = readObject(record, currentTable_, false);
  auto* read = peekObject<AcDbSymbolTableRecord>(id);
  if (read == nullptr)
    return;
  read->markOpened(AcDb::kForRead);
  std::string name = read->name();
  read->markClosed();
  AcDbObjectId existing;
  if (table->getAt(name.c_str(), existing, true) == Acad::eOk) {
    auto* old = peekObject<AcDbSymbolTableRecord>(existing);
    if (old != nullptr && old->isImplicit()) {
      // Defined after it was first named: the definition is what counts.
      table->removeRecordId(existing);
    }
  }
  table->addRecordId(id, name);
  if (auto* layer = AcDbLayerTableRecord::cast(read); layer != nullptr) {
    layer->markOpened(AcDb::kForRead);
    AcDbObjectId linetype = layer->linetypeObjectId();
    layer->markClosed();
    auto* named = peekObject<AcDbSymbolTableRecord>(linetype);
    if (named != nullptr && named->isImplicit())
      namedRecords_.push_back({linetype, lineOfCode(6), "layer " + name});
    if (linetype.isNull())
      for (const RawTag& tag : group_)
        if (tag.code == 6) {
          // No linetype table yet (an R12 file without one, or with it after
          // the layers): the name is looked up once the file is read.
          std::string scratch;
          std::string linetypeName(decoder_.decode(tag.value, scratch));
          laterLinetypes_.push_back({id, std::move(linetypeName), tag.line});
          break;
        }
  }
}

bool isModelSpaceName(const std::string& name) {
  return strcasecmp(name.c_str(), "*Model_Space") == 0;
}

long Reader::lineOfCode(int code) const {
  for (const RawTag& tag : group_)
    if (tag.code == code)
      return tag.line;
  return group_[0].line;
}

// A count filed before the items it counts that disagrees with them: the
// items read are what the drawing keeps, and the count is written anew.
void Reader::checkCounts(std::string_view type) {
  struct Counted {
    int countCode;
    int itemCode;
    const char* items;
  };
  static const Counted kPolyline[] = {{90, 10, "vertices"}};
  static const Counted kSpline[] = {
      {72, 40, "knots"}, {73, 10, "control points"}, {74, 11, "fit points"}};
  std::span<const Counted> counted;
  if (type == "LWPOLYLINE")
    counted = kPolyline;
  else if (type == "SPLINE")
    counted = kSpline;
  for (const Counted& c : counted) {
    long long claimed = -1;
    long line = 0;
    long long held = 0;
    for (const RawTag& tag : group_) {
      if (tag.code == 1001)
        break;  // XDATA
      if (tag.code == c.countCode && claimed < 0 && parseInteger(tag.value, claimed))
        line = tag.line;
      held += tag.code == c.itemCode;
    }
    if (claimed >= 0 && claimed != held && !warnedCount_) {
      warnedCount_ = true;  // once: a damaged writer gets every count wrong
      context_.warn(line, std::string(type) + " claims " + std::to_string(claimed) + " " + c.items +
                              " (group code " + std::to_string(c.countCode) + ") but holds " +
                              std::to_string(held) + "; read with the " + std::to_string(held) +
                              "; the file may hold more");
    }
  }
}

// Remembers what a block reference needs checked once the file is read: a
// block not defined yet, and a place in the graph of blocks placing blocks.
void Reader::noteReference(AcDbObjectId id, AcDbObjectId owner) {
  auto* reference = peekObject<AcDbBlockReference>(id);
  if (reference == nullptr)
    return;
  reference->markOpened(AcDb::kForRead);
  AcDbObjectId block = reference->blockTableRecord();
  std::string name = reference->blockName();
  reference->markClosed();
  if (block.isNull())
    unresolvedReferences_.emplace_back(id, lineOfCode(2));
  if (owner != core_.modelSpace || isModelSpaceName(name))
    placedBlocks_.push_back({owner, id, group_[0].line});
}

void Reader::checkNames() {
  for (const LaterLinetype& later : laterLinetypes_) {
    auto* layer = peekObject<AcDbLayerTableRecord>(later.layer);
    AcDbObjectId linetype = implicitRecordId(db_.get(), core_.linetypeTable, later.name);
    if (layer == nullptr || linetype.isNull())
      continue;
    layer->markOpened(AcDb::kForWrite);
    layer->setLinetypeObjectId(linetype);
    layer->markClosed();
    if (auto* named = peekObject<AcDbSymbolTableRecord>(linetype); named && named->isImplicit())
      namedRecords_.push_back({linetype, later.line, "layer " + recordNameOf(later.layer)});
  }
  for (const NamedRecord& named : namedRecords_) {
    std::string name = recordNameOf(named.record);
    auto* record = peekObject<AcDbSymbolTableRecord>(named.record);
    auto* table = record ? peekObject<AcDbSymbolTable>(record->ownerId()) : nullptr;
    AcDbObjectId defined;
    if (table != nullptr && table->getAt(name.c_str(), defined, true) == Acad::eOk)
      if (auto* found = peekObject<AcDbSymbolTableRecord>(defined); found && !found->isImplicit())
        continue;
    context_.warn(named.line, named.namedBy + " names linetype " + name +
                                  ", which the drawing does not define; it draws as continuous");
  }
  for (const auto& [id, line] : unresolvedReferences_) {
    auto* reference = peekObject<AcDbBlockReference>(id);
    if (reference == nullptr)
      continue;
    reference->markOpened(AcDb::kForRead);
    bool resolved = !reference->blockTableRecord().isNull();
    std::string name = reference->blockName();
    reference->markClosed();
    if (!resolved)
      context_.warn(line, std::string(reference->dxfTypeName()) + " places block " + name +
                              ", which the drawing does not define; it shows nothing and keeps "
                              "the name");
  }
}

// A block that places itself, directly or through others, would be drawn
// without end: each such cycle is named once. Every walk through blocks
// (extents, drawing, copying) stops where a block is met again.
void Reader::checkSelfInsertion() {
  if (placedBlocks_.empty())
    return;
  enum class Mark { Unseen, OnPath, Done };
  struct Node {
    AcDbObjectId block;
    std::vector<std::pair<AcDbObjectId, long>> placed;  // the blocks it places, and where
    Mark mark = Mark::Unseen;
  };
  std::unordered_map<const void*, Node> nodes;
  bool modelSpacePlaced = false;
  auto addEdge = [&](AcDbObjectId owner, AcDbObjectId id, long line) {
    auto* reference = peekObject<AcDbBlockReference>(id);
    if (reference == nullptr)
      return;
    reference->markOpened(AcDb::kForRead);
    AcDbObjectId block = reference->blockTableRecord();
    reference->markClosed();
    if (block.isNull())
      return;
    Node& node = nodes[owner.stub()];
    node.block = owner;
    node.placed.emplace_back(block, line);
    modelSpacePlaced = modelSpacePlaced || block == core_.modelSpace;
  };
  for (const PlacedBlock& p : placedBlocks_)
    addEdge(p.owner, p.reference, p.line);
  // Model space is in a cycle only when a reference places it: only then
  // are its own references edges worth following.
  if (modelSpacePlaced)
    if (auto* model = peekObject<AcDbBlockTableRecord>(core_.modelSpace))
      for (AcDbObjectId id : model->entityIds())
        if (auto* reference = AcDbBlockReference::cast(peekObject<AcDbEntity>(id))) {
          reference->markOpened(AcDb::kForRead);
          bool placesModelSpace = isModelSpaceName(reference->blockName());
          reference->markClosed();
          if (!placesModelSpace)
            addEdge(core_.modelSpace, id, 0);  // those placing model space are edges already
        }
  // Depth first without recursion (a deep chain of blocks must not exhaust
  // the stack), from each block in file order.
  struct Frame {
    Node* node;
    std::size_t next;
  };
  std::vector<Frame> stack;
  for (const PlacedBlock& start : placedBlocks_) {
    auto found = nodes.find(start.owner.stub());
    if (found == nodes.end() || found->second.mark != Mark::Unseen)
      continue;
    found->second.mark = Mark::OnPath;
    stack.push_back({&found->second, 0});
    while (!stack.empty()) {
      Frame& frame = stack.back();
      if (frame.next >= frame.node->placed.size()) {
        frame.node->mark = Mark::Done;
        stack.pop_back();
        continue;
      }
      const auto [target, line] = frame.node->placed[frame.next++];
      auto next = nodes.find(target.stub());
      if (next == nodes.end())
        continue;  // a block that places nothing
      if (next->second.mark == Mark::OnPath) {
        // The blocks between, the first three by name.
        std::string through;
        std::size_t between = 0;
        bool inCycle = false;
        for (const Frame& on : stack) {
          inCycle = inCycle || on.node == &next->second;
          if (!inCycle || on.node == &next->second)
            continue;
          if (++between <= 3)
            through += (through.empty() ? " through " : ", ") + recordNameOf(on.node->block);
        }
        if (between > 3)
          through += " and " + std::to_string(between - 3) + " more";
        context_.warn(line, "block " + recordNameOf(target) + " inserts itself" + through +
                                "; it is shown once at each place, without the repetition");
      } else if (next->second.mark == Mark::Unseen) {
        next->second.mark = Mark::OnPath;
        stack.push_back({&next->second, 0});
      }
    }
  }
}

AcDbObject* Reader::newEntityFor(std::string_view type) {
  auto groupInt = [&](int code, long long fallback) {
    for (std::size_t i = 1; i < group_.size(); ++i) {
      long long v = 0;
      if (group_[i].code == code && parseInteger(group_[i].value, v))
        return v;
    }
    return fallback;
  };
  if (type == "POLYLINE") {
    long long flags = groupInt(70, 0);
    if ((flags & (8 | 16 | 64)) == 0)
      if (AcRxClass* cls = findRxClassByDxfName("POLYLINE"))
        if (AcDbObject* made = AcDbObject::cast(cls->create()))
          return made;
    auto* kept = new KeptEntity("POLYLINE");
    kept->setComplex(true, "VERTEX");
    return kept;
  }
  if (type == "DIMENSION") {
    // The kind is in the low bits of group 70: linear, aligned, diameter,
    // radius and ordinate dimensions are modelled; angular ones keep their
    // own section as read.
    static const char* const kClasses[8] = {
        "AcDbRotatedDimension", "AcDbAlignedDimension", "KeptDimension",
        "AcDbDiametricDimension", "AcDbRadialDimension", "KeptDimension",
        "AcDbOrdinateDimension", "KeptDimension"};
    const char* cls = kClasses[groupInt(70, 0) & 7];
    if (AcRxClass* found = findRxClass(cls))
      if (AcDbObject* made = AcDbObject::cast(found->create()))
        return made;
    return new KeptEntity("DIMENSION");
  }
  std::string name(type);
  if (type == "INSERT" && findRxClassByDxfName("INSERT") == nullptr && groupInt(66, 0) != 0) {
    auto* kept = new KeptEntity("INSERT");
    kept->setComplex(true, "ATTRIB");
    return kept;
  }
  if (AcRxClass* cls = findRxClassByDxfName(name.c_str()))
    if (cls->isDerivedFrom(AcDbEntity::desc()))
      if (AcDbObject* made = AcDbObject::cast(cls->create()))
        return made;
  return new KeptEntity(name);
}

void Reader::readEntityGroup(AcDbObjectId block) {
  std::string_view type = group_[0].value;
  if (!isR12Type(type))
    allR12Types_ = false;
  auto* complex = peekObject<AcDbEntity>(pendingComplex_);
  if (complex != nullptr) {
    ComplexEntity* parts = complex->asComplex();
    if (type == "SEQEND" || type == parts->subentityType()) {
      AcDbObject* sub = type == "SEQEND" ? static_cast<AcDbObject*>(new AcDbSequenceEnd)
                                         : newEntityFor(type);
      AcDbObjectId id = readObject(sub, pendingComplex_, true);
      if (id.isNull())
        return;
      if (type == "SEQEND") {
        parts->setSequenceEndId(id);
        pendingComplex_ = AcDbObjectId();
      } else {
        parts->appendSubentityId(id);
      }
      return;
    }
    context_.warn(group_[0].line, "missing SEQEND before " + std::string(type) + ", read as if it were there");
    pendingComplex_ = AcDbObjectId();
  }
  AcDbObject* entity = newEntityFor(type);
  AcDbObjectId id = readObject(entity, block, true);
  auto* read = peekObject<AcDbEntity>(id);
  if (read == nullptr)
    return;
  AcDbObjectId owner = block;
  if (section_ == "ENTITIES" && read->isInPaperSpace())
    owner = core_.paperSpace.isNull() ? block : core_.paperSpace;
  read->setOwnerId(owner);
  if (auto* space = peekObject<AcDbBlockTableRecord>(owner))
    space->addEntityId(id);
  if (ComplexEntity* parts = read->asComplex(); parts && parts->hasSubentities())
    pendingComplex_ = id;
  if (AcDbBlockReference::cast(read) != nullptr)
    noteReference(id, owner);
  else if (!KeptEntity::cast(read))
    checkCounts(type);
}

void Reader::readBlocksGroup() {
  std::string_view type = group_[0].value;
  if (type == "BLOCK") {
    std::string name;
    for (std::size_t i = 1; i < group_.size(); ++i)
      if (group_[i].code == 2) {
        std::string scratch;
        name = std::string(decoder_.decode(group_[i].value, scratch));
        break;
      }
    AcDbObjectId record = implicitRecordId(db_.get(), core_.blockTable, name);
    if (auto* r = peekObject<AcDbBlockTableRecord>(record))
      r->setImplicit(false);
    AcDbObjectId begin = readObject(new AcDbBlockBegin, record, true);
    if (auto* r = peekObject<AcDbBlockTableRecord>(record))
      r->setBlockBeginId(begin);
    currentBlock_ = record;
    return;
  }
  if (type == "ENDBLK") {
    AcDbObjectId end = readObject(new AcDbBlockEnd, currentBlock_, true);
    if (auto* r = peekObject<AcDbBlockTableRecord>(currentBlock_))
      r->setBlockEndId(end);
    currentBlock_ = AcDbObjectId();
    return;
  }
  if (currentBlock_.isNull()) {
    context_.warn(group_[0].line, std::string(type) + " outside a block definition, read into model space");
    readEntityGroup(core_.modelSpace);
    return;
  }
  readEntityGroup(currentBlock_);
}

void Reader::readObjectGroup() {
  std::string type(group_[0].value);
  // Objects of classes an application registered read themselves; the rest
  // are kept as read.
  AcDbObject* object = nullptr;
  if (AcRxClass* cls = findRxClassByDxfName(type.c_str()); cls && cls->isCustom() &&
                                                          !cls->isDerivedFrom(AcDbEntity::desc()))
    object = AcDbObject::cast(cls->create());
  if (object == nullptr)
    object = new KeptObject(type);
  AcDbObjectId id = readObject(object, AcDbObjectId(), false);
  if (!id.isNull())
    core_.objects.push_back(id);
}

Result<std::unique_ptr<AcDbDatabase>> Reader::run() {
  bool inSection = false;
  bool anyGroup = false;
  long lastLine = 0;
  core_.beginProvisionalHandles();
  while (source_.nextGroup(group_)) {
    if (!group_.empty()) {
      anyGroup = true;
      lastLine = group_.back().line;
    }
    // Comments (999) may stand before any group; they are not kept.
    std::size_t comments = 0;
    while (comments < group_.size() && group_[comments].code == 999)
      ++comments;
    if (comments > 0)
      group_.erase(group_.begin(), group_.begin() + static_cast<long>(comments));
    if (group_.empty())
      continue;
    if (group_[0].code != 0) {
      // Only comments come before the first 0 group.
      bool onlyComments = true;
      for (const RawTag& t : group_)
        onlyComments = onlyComments && t.code == 999;
      if (!onlyComments)
        return failure(group_[0].line, "expected group code 0 (SECTION), found group code " +
                                           std::to_string(group_[0].code));
      continue;
    }
    std::string_view type = group_[0].value;
    if (type == "EOF") {
      sawEof_ = true;
      break;
    }
    if (type == "SECTION") {
      if (inSection)
        context_.warn(group_[0].line, "missing ENDSEC before SECTION, read as if it were there");
      if (group_.size() < 2 || group_[1].code != 2)
        return failure(group_[0].line + 1, "expected group code 2 (the section name) after SECTION");
      section_ = std::string(group_[1].value);
      inSection = true;
      core_.sectionOrder.push_back(section_);
      if (section_ == "HEADER")
        readHeaderVariables(2);
      else if (section_ != "CLASSES" && section_ != "TABLES" && section_ != "BLOCKS" &&
               section_ != "ENTITIES" && section_ != "OBJECTS") {
        KeptFileSection kept{section_, {}};
        for (std::size_t i = 2; i < group_.size(); ++i)
          kept.groups.push_back({group_[i].code, std::string(group_[i].value)});
        core_.keptSections.push_back(std::move(kept));
      }
      continue;
    }
    if (type == "ENDSEC") {
      if (!inSection)
        context_.warn(group_[0].line, "ENDSEC without SECTION, ignored");
      if (group_.size() > 1) {
        bool header = group_[1].code == 9;
        context_.warn(group_[1].line, header ? "header variables outside the HEADER section, read as header variables"
                                             : "groups outside any section, skipped");
        if (header)
          readHeaderVariables(1);
      }
      inSection = false;
      section_.clear();
      pendingComplex_ = AcDbObjectId();
      continue;
    }
    if (!inSection) {
      context_.warn(group_[0].line, std::string(type) + " outside any section, read as an entity");
      section_ = "ENTITIES";
      inSection = true;
    }
    if (section_ == "ENTITIES" && core_.modelSpace.isNull())
      ensureStandardContent(*db_);
    if (section_ == "CLASSES") {
      if (type == "CLASS") readClass();
    } else if (section_ == "TABLES") {
      readTableGroup();
    } else if (section_ == "BLOCKS") {
      if (core_.modelSpace.isNull())
        ensureStandardContent(*db_);
      readBlocksGroup();
    } else if (section_ == "ENTITIES") {
      readEntityGroup(core_.modelSpace);
    } else if (section_ == "OBJECTS") {
      readObjectGroup();
    } else if (!core_.keptSections.empty()) {
      for (const RawTag& t : group_)
        core_.keptSections.back().groups.push_back({t.code, std::string(t.value)});
    }
  }
  if (source_.error())
    return *source_.error();
  if (!anyGroup)
    return failure(0, "expected a DXF drawing, found an empty file");
  if (!sawEof_)
    context_.warn(lastLine, "missing EOF at the end of the file, read as if it were there");
  core_.settleProvisionalHandles();
  ensureStandardContent(*db_);
  checkNames();
  checkSelfInsertion();
  if (!core_.fileHadVersion)
    core_.fileVersion = allR12Types_ && !sawMarkers_ ? AcDb::kDHL_1009 : AcDb::kDHL_1032;
  return std::move(db_);
}

}  // namespace

Result<std::unique_ptr<AcDbDatabase>> readDrawing(TagSource& source, const DxfReadOptions& options) {
  Reader reader(source, options);
  Result<std::unique_ptr<AcDbDatabase>> read = reader.run();
  reader.finishWarnings();
  return read;
}

}  // namespace zek::dxf
