// HEADER, CLASSES, TABLES and BLOCKS of generated drawings (R2018 AC1032,
// R2004 AC1018 or R12 AC1009).
#include "drawing_frame.h"

#include <algorithm>

#include "frame_objects.h"

namespace zek::plategen {

namespace {

// Tables and their records; the OBJECTS handles sit in frame_objects.h.
constexpr std::uint64_t kVportTable = 0x1, kLtypeTable = 0x2, kLayerTable = 0x3,
                        kStyleTable = 0x4, kViewTable = 0x5, kUcsTable = 0x6,
                        kAppidTable = 0x7, kDimstyleTable = 0x8,
                        kBlockRecordTable = frame::kBlockRecordTable;
constexpr std::uint64_t kActiveVport = 0xA, kFirstLtype = 0xB, kStandardStyle = 0x11,
                        kAcadAppid = 0x12, kStandardDimstyle = 0x13;
constexpr std::uint64_t kModelBlock = 0x16, kModelEndBlock = 0x17, kPaperBlock = 0x18,
                        kPaperEndBlock = 0x19;

struct LinetypeSpec {
  const char* name;
  const char* description;
  double dashes[4];
  int dashCount;
};

// Dash lengths in millimetres as in the ISO linetype file acadiso.lin.
constexpr LinetypeSpec kLinetypes[] = {
    {"ByBlock", "", {}, 0},
    {"ByLayer", "", {}, 0},
    {"Continuous", "Solid line", {}, 0},
    {"CENTER", "Center ____ _ ____ _ ____ _ ____ _ ____ _ ____", {31.75, -6.35, 6.35, -6.35}, 4},
    {"HIDDEN", "Hidden __ __ __ __ __ __ __ __ __ __ __ __ __ __", {6.35, -3.175}, 2},
    {"DASHED", "Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _", {12.7, -6.35}, 2},
};

void variable(DxfTextWriter& out, const char* name) { out.text(9, name); }

const char* acadVer(FrameVersion version) {
  switch (version) {
    case FrameVersion::R2018: return "AC1032";
    case FrameVersion::R2004: return "AC1018";
    case FrameVersion::R12: return "AC1009";
  }
  return "AC1032";
}

void writeHeader(DxfTextWriter& out, const FrameInfo& info) {
  const Extents2d& e = info.extents;
  bool r12 = info.version == FrameVersion::R12;
  out.text(0, "SECTION");
  out.text(2, "HEADER");
  variable(out, "$ACADVER"); out.text(1, acadVer(info.version));
  variable(out, "$DWGCODEPAGE"); out.text(3, "ANSI_1252");
  variable(out, "$INSBASE"); out.point(10, 0.0, 0.0, 0.0);
  variable(out, "$EXTMIN"); out.point(10, e.minX, e.minY, 0.0);
  variable(out, "$EXTMAX"); out.point(10, e.maxX, e.maxY, 0.0);
  variable(out, "$LIMMIN"); out.point2(10, e.minX, e.minY);
  variable(out, "$LIMMAX"); out.point2(10, e.maxX, e.maxY);
  variable(out, "$ORTHOMODE"); out.integer(70, 0);
  variable(out, "$LTSCALE"); out.real(40, 1.0);
  variable(out, "$TEXTSIZE"); out.real(40, 2.5);
  variable(out, "$TEXTSTYLE"); out.text(7, "Standard");
  variable(out, "$CLAYER"); out.text(8, "0");
  variable(out, "$CELTYPE"); out.text(6, "ByLayer");
  variable(out, "$CECOLOR"); out.integer(62, 256);
  variable(out, "$DIMSCALE"); out.real(40, 1.0);
  variable(out, "$DIMASZ"); out.real(40, 2.5);
  variable(out, "$DIMTXT"); out.real(40, 2.5);
  variable(out, "$DIMGAP"); out.real(40, 0.625);
  variable(out, "$DIMTAD"); out.integer(70, 1);
  variable(out, "$DIMZIN"); out.integer(70, 8);
  if (!r12) {
    variable(out, "$DIMDEC"); out.integer(70, 2);
  }
  variable(out, "$DIMSTYLE"); out.text(2, "Standard");
  variable(out, "$LUNITS"); out.integer(70, 2);
  variable(out, "$LUPREC"); out.integer(70, 4);
  if (r12) {
    variable(out, "$HANDLING"); out.integer(70, 0);  // R12 entities carry no handles
    out.text(0, "ENDSEC");
    return;
  }
  variable(out, "$HANDSEED"); out.handle(5, handSeedOf(info));
  variable(out, "$INSUNITS"); out.integer(70, 4);
  variable(out, "$MEASUREMENT"); out.integer(70, 1);
  out.text(0, "ENDSEC");
}

void writeClass(DxfTextWriter& out, const char* dxfName, const char* className, int flags) {
  out.text(0, "CLASS");
  out.text(1, dxfName);
  out.text(2, className);
  out.text(3, "ObjectDBX Classes");
  out.integer(90, flags);
  out.integer(91, 0);
  out.integer(280, 0);
  out.integer(281, 0);
}

void writeClasses(DxfTextWriter& out) {
  out.text(0, "SECTION");
  out.text(2, "CLASSES");
  writeClass(out, "ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", 0);
  writeClass(out, "ACDBPLACEHOLDER", "AcDbPlaceHolder", 0);
  writeClass(out, "LAYOUT", "AcDbLayout", 0);
  out.text(0, "ENDSEC");
}

void beginTable(DxfTextWriter& out, const char* name, std::uint64_t handle, int count,
                bool r12) {
  // Group 70 is a 16-bit integer and the count only a hint to readers: a
  // table of more records (the block records of many dimensions) says the
  // largest count the group holds, as readers that size their table from it
  // refuse anything beyond.
  count = std::min(count, 32767);
  out.text(0, "TABLE");
  out.text(2, name);
  if (r12) {
    out.integer(70, count);
    return;
  }
  out.handle(5, handle);
  out.handle(330, 0);
  out.text(100, "AcDbSymbolTable");
  out.integer(70, count);
}

void beginRecord(DxfTextWriter& out, const char* type, std::uint64_t handle, std::uint64_t table,
                 const char* subclass, bool r12) {
  out.text(0, type);
  if (r12)
    return;
  out.handle(5, handle);
  out.handle(330, table);
  out.text(100, "AcDbSymbolTableRecord");
  out.text(100, subclass);
}

// The active viewport looks at the whole sheet of plates.
void writeVport(DxfTextWriter& out, const Extents2d& e, bool r12) {
  beginTable(out, "VPORT", kVportTable, 1, r12);
  beginRecord(out, "VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord", r12);
  out.text(2, "*Active");
  out.integer(70, 0);
  out.point2(10, 0.0, 0.0);
  out.point2(11, 1.0, 1.0);
  out.point2(12, (e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2);
  out.point2(13, 0.0, 0.0);
  out.point2(14, 10.0, 10.0);
  out.point2(15, 10.0, 10.0);
  out.point(16, 0.0, 0.0, 1.0);
  out.point(17, 0.0, 0.0, 0.0);
  double height = std::max({e.maxY - e.minY, (e.maxX - e.minX) / 1.5, 1.0}) * 1.05;
  out.real(40, height);
  out.real(41, 1.5);
  out.real(42, 50.0);
  out.real(43, 0.0);
  out.real(44, 0.0);
  out.real(50, 0.0);
  out.real(51, 0.0);
  out.integer(71, 0);
  out.integer(72, 1000);
  out.integer(73, 1);
  out.integer(74, 3);
  out.integer(75, 0);
  out.integer(76, 0);
  out.integer(77, 0);
  out.integer(78, 0);
  if (!r12) {
    out.integer(281, 0);
    out.integer(65, 1);
    out.real(146, 0.0);
  }
  out.text(0, "ENDTAB");
}

void writeLtypes(DxfTextWriter& out, bool r12) {
  beginTable(out, "LTYPE", kLtypeTable, static_cast<int>(std::size(kLinetypes)), r12);
  std::uint64_t handle = kFirstLtype;
  for (const LinetypeSpec& lt : kLinetypes) {
    beginRecord(out, "LTYPE", handle++, kLtypeTable, "AcDbLinetypeTableRecord", r12);
    out.text(2, lt.name);
    out.integer(70, 0);
    out.text(3, lt.description);
    out.integer(72, 65);
    out.integer(73, lt.dashCount);
    double total = 0;
    for (int i = 0; i < lt.dashCount; ++i)
      total += lt.dashes[i] < 0 ? -lt.dashes[i] : lt.dashes[i];
    out.real(40, total);
    for (int i = 0; i < lt.dashCount; ++i) {
      out.real(49, lt.dashes[i]);
      if (!r12)
        out.integer(74, 0);
    }
  }
  out.text(0, "ENDTAB");
}

void writeLayer(DxfTextWriter& out, std::uint64_t handle, const LayerSpec& layer, bool r12) {
  beginRecord(out, "LAYER", handle, kLayerTable, "AcDbLayerTableRecord", r12);
  out.text(2, layer.name);
  out.integer(70, 0);
  out.integer(62, layer.colour);
  out.text(6, layer.linetype);
  if (r12)
    return;
  out.integer(370, -3);
  out.handle(390, frame::kNormalPlotStyle);
}

void writeLayers(DxfTextWriter& out, std::span<const LayerSpec> layers, bool r12) {
  beginTable(out, "LAYER", kLayerTable, static_cast<int>(layers.size() + 1), r12);
  writeLayer(out, frame::kFirstLayerHandle, {"0", 7, "Continuous"}, r12);
  std::uint64_t handle = frame::kFirstLayerHandle + 1;
  for (const LayerSpec& layer : layers)
    writeLayer(out, handle++, layer, r12);
  out.text(0, "ENDTAB");
}

void writeStyleViewUcsAppid(DxfTextWriter& out, bool r12) {
  beginTable(out, "STYLE", kStyleTable, 1, r12);
  beginRecord(out, "STYLE", kStandardStyle, kStyleTable, "AcDbTextStyleTableRecord", r12);
  out.text(2, "Standard");
  out.integer(70, 0);
  out.real(40, 0.0);
  out.real(41, 1.0);
  out.real(50, 0.0);
  out.integer(71, 0);
  out.real(42, 2.5);
  out.text(3, "txt");
  out.text(4, "");
  out.text(0, "ENDTAB");

  beginTable(out, "VIEW", kViewTable, 0, r12);
  out.text(0, "ENDTAB");
  beginTable(out, "UCS", kUcsTable, 0, r12);
  out.text(0, "ENDTAB");

  beginTable(out, "APPID", kAppidTable, 1, r12);
  beginRecord(out, "APPID", kAcadAppid, kAppidTable, "AcDbRegAppTableRecord", r12);
  out.text(2, "ACAD");
  out.integer(70, 0);
  out.text(0, "ENDTAB");
}

// The Standard dimension style of an ISO drawing (a DIMSTYLE record carries
// its handle in group 105).
void writeDimstyle(DxfTextWriter& out, bool r12) {
  beginTable(out, "DIMSTYLE", kDimstyleTable, 1, r12);
  if (r12) {
    out.text(0, "DIMSTYLE");
  } else {
    out.text(100, "AcDbDimStyleTable");
    out.integer(71, 0);
    out.text(0, "DIMSTYLE");
    out.handle(105, kStandardDimstyle);
    out.handle(330, kDimstyleTable);
    out.text(100, "AcDbSymbolTableRecord");
    out.text(100, "AcDbDimStyleTableRecord");
  }
  out.text(2, "Standard");
  out.integer(70, 0);
  out.real(40, 1.0);    // DIMSCALE
  out.real(41, 2.5);    // DIMASZ
  out.real(42, 0.625);  // DIMEXO
  out.real(44, 1.25);   // DIMEXE
  out.real(140, 2.5);   // DIMTXT
  out.real(141, 2.5);   // DIMCEN
  out.real(147, 0.625); // DIMGAP
  out.integer(77, 1);   // DIMTAD
  out.integer(78, 8);   // DIMZIN
  if (!r12)
    out.integer(271, 2);  // DIMDEC
  out.text(0, "ENDTAB");
}

void writeBlockRecords(DxfTextWriter& out, const FrameInfo& info) {
  constexpr bool r12 = false;  // R12 has no BLOCK_RECORD table
  beginTable(out, "BLOCK_RECORD", kBlockRecordTable,
             static_cast<int>(2 + info.extraBlockRecords), r12);
  const struct { std::uint64_t handle; const char* name; std::uint64_t layout; } records[] = {
      {frame::kModelSpaceRecord, "*Model_Space", frame::kModelLayout},
      {frame::kPaperSpaceRecord, "*Paper_Space", frame::kPaperLayout},
  };
  for (const auto& r : records) {
    beginRecord(out, "BLOCK_RECORD", r.handle, kBlockRecordTable, "AcDbBlockTableRecord", r12);
    out.text(2, r.name);
    out.handle(340, r.layout);
    out.integer(70, 0);
    out.integer(280, 1);
    out.integer(281, 0);
  }
  if (info.writeBlockRecords)
    info.writeBlockRecords(out);
  out.text(0, "ENDTAB");
}

void writeEmptyBlock(DxfTextWriter& out, const char* name, std::uint64_t record,
                     std::uint64_t begin, std::uint64_t end) {
  out.text(0, "BLOCK");
  out.handle(5, begin);
  out.handle(330, record);
  out.text(100, "AcDbEntity");
  out.text(8, "0");
  out.text(100, "AcDbBlockBegin");
  out.text(2, name);
  out.integer(70, 0);
  out.point(10, 0.0, 0.0, 0.0);
  out.text(3, name);
  out.text(1, "");
  out.text(0, "ENDBLK");
  out.handle(5, end);
  out.handle(330, record);
  out.text(100, "AcDbEntity");
  out.text(8, "0");
  out.text(100, "AcDbBlockEnd");
}

}  // namespace

std::uint64_t firstEntityHandle(std::span<const LayerSpec> layers) {
  return frame::kFirstLayerHandle + 1 + layers.size();
}

std::uint64_t handSeedOf(const FrameInfo& info) {
  return firstEntityHandle(info.layers) + info.entityCount + info.extraHandles;
}

void writeFrameHead(DxfTextWriter& out, const FrameInfo& info) {
  bool r12 = info.version == FrameVersion::R12;
  writeHeader(out, info);
  if (!r12)
    writeClasses(out);
  out.text(0, "SECTION");
  out.text(2, "TABLES");
  writeVport(out, info.extents, r12);
  writeLtypes(out, r12);
  writeLayers(out, info.layers, r12);
  writeStyleViewUcsAppid(out, r12);
  writeDimstyle(out, r12);
  if (!r12)
    writeBlockRecords(out, info);
  out.text(0, "ENDSEC");

  out.text(0, "SECTION");
  out.text(2, "BLOCKS");
  if (!r12) {
    writeEmptyBlock(out, "*Model_Space", frame::kModelSpaceRecord, kModelBlock, kModelEndBlock);
    writeEmptyBlock(out, "*Paper_Space", frame::kPaperSpaceRecord, kPaperBlock, kPaperEndBlock);
  }
  if (info.writeBlocks)
    info.writeBlocks(out);
  out.text(0, "ENDSEC");

  out.text(0, "SECTION");
  out.text(2, "ENTITIES");
}

void writeFrameTail(DxfTextWriter& out, FrameVersion version) {
  out.text(0, "ENDSEC");
  if (version != FrameVersion::R12)
    writeObjects(out);
  out.text(0, "EOF");
}

}  // namespace zek::plategen
