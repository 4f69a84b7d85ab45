// Symbol tables and their records: layers, linetypes, text styles, dimension
// styles, blocks, registered applications, views, user coordinate systems and
// viewports. Names compare without regard to ASCII case, as CAD hosts compare
// them; a drawing that holds two names differing only in case keeps both and
// look-ups find the first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db_entity.h"
#include "db_object.h"

class AcDbSymbolTableRecord : public AcDbObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
  AcDbSymbolTableRecord();
  ~AcDbSymbolTableRecord() override;

  // Points at the record's own text, valid while the record is open.
  Acad::ErrorStatus getName(const char*& name) const;
  std::string name() const { assertReadEnabled(); return name_; }
  Acad::ErrorStatus setName(const char* name);
  // Group 70 as filed: the record's own bits (frozen, locked, anonymous...).
  Adesk::Int16 flags() const { assertReadEnabled(); return flags_; }
  void setFlags(Adesk::Int16 flags) { assertWriteEnabled(); flags_ = flags; }
  bool isDependent() const { return (flags_ & 16) != 0; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Host side: the name as a file gives it (the table indexes it when the
  // reader adds the record).
  void setNameFromFile(const std::string& name) { name_ = name; }
  // Host side: the record exists only because entities named it (a drawing
  // that uses a layer it never defines); it is not written back.
  bool isImplicit() const { return implicit_; }
  void setImplicit(bool implicit) { implicit_ = implicit; }

protected:
  Adesk::Int16 flags_ = 0;

private:
  std::string name_;
  bool implicit_ = false;
};

class AcDbSymbolTableIterator;

class AcDbSymbolTable : public AcDbObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
  AcDbSymbolTable();
  ~AcDbSymbolTable() override;

  Acad::ErrorStatus getAt(const char* name, AcDbObjectId& id, bool getErasedRecord = false) const;
  template <typename Record>
  Acad::ErrorStatus getAt(const char* name, Record*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const {
    AcDbObjectId id;
    Acad::ErrorStatus es = getAt(name, id, openErasedRecord);
    if (es != Acad::eOk) {
      record = nullptr;
      return es;
    }
    return acdbOpenObject(record, id, mode, openErasedRecord);
  }
  bool has(const char* name) const;
  bool has(AcDbObjectId id) const;
  // Adds a record (the table must be open for write); the table's database
  // owns it from then on. eDuplicateKey when the name is taken.
  Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
  Acad::ErrorStatus add(AcDbObjectId& recordId, AcDbSymbolTableRecord* record);
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // The DXF name of the table ("LAYER") and of its records.
  virtual const char* tableName() const = 0;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Host side: every record id in file order; keeping the name index in step.
  const std::vector<AcDbObjectId>& recordIds() const { return records_; }
  // Adds a record id read from a file (duplicates of a name are kept).
  void addRecordId(AcDbObjectId id, const std::string& name);
  void renameRecord(AcDbObjectId id, const std::string& oldName, const std::string& newName);
  void removeRecordId(AcDbObjectId id);

private:
  struct NameIndex;
  std::vector<AcDbObjectId> records_;
  std::unique_ptr<NameIndex> index_;
};

class AcDbSymbolTableIterator {
public:
  AcDbSymbolTableIterator(const std::vector<AcDbObjectId>& ids, bool skipDeleted);
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  template <typename Record>
  Acad::ErrorStatus getRecord(Record*& record, AcDb::OpenMode mode, bool openErased = false) const {
    AcDbObjectId id;
    Acad::ErrorStatus es = getRecordId(id);
    if (es != Acad::eOk) return es;
    return acdbOpenObject(record, id, mode, openErased);
  }

private:
  void skipErased();
  std::vector<AcDbObjectId> ids_;
  std::size_t position_ = 0;
  bool skipDeleted_ = true;
};

// ---- Layers ----------------------------------------------------------------

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
  AcDbLayerTableRecord();

  bool isFrozen() const { return (flags_ & 1) != 0; }
  Acad::ErrorStatus setIsFrozen(bool frozen);
  // Frozen in new viewports.
  bool VPDFLT() const { return (flags_ & 2) != 0; }
  void setVPDFLT(bool frozenInNewViewports);
  bool isLocked() const { return (flags_ & 4) != 0; }
  void setIsLocked(bool locked);
  // Off is filed as a negative colour number.
  bool isOff() const { return off_; }
  void setIsOff(bool off);
  bool isPlottable() const { return plottable_; }
  Acad::ErrorStatus setIsPlottable(bool plottable);
  AcCmColor color() const { return color_; }
  void setColor(const AcCmColor& color);
  AcDbObjectId linetypeObjectId() const { return linetype_; }
  void setLinetypeObjectId(AcDbObjectId id);
  AcDb::LineWeight lineWeight() const { return lineWeight_; }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcCmColor color_;
  AcDbObjectId linetype_;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLwDefault;
  bool off_ = false;
  bool plottable_ = true;
};

class AcDbLayerTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTable);
  const char* tableName() const override { return "LAYER"; }
};

// ---- Linetypes -------------------------------------------------------------

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
  AcDbLinetypeTableRecord();

  // One element of the pattern: a dash (positive), a gap (negative) or a dot
  // (zero), optionally with a text or shape drawn at it (kept as filed).
  struct Dash {
    double length = 0.0;
    Adesk::Int16 complexType = 0;   // group 74
    Adesk::Int16 shapeNumber = 0;   // group 75
    std::string styleHandle;        // group 340, as filed
    double scale = 1.0;             // group 46
    double rotation = 0.0;          // group 50
    double xOffset = 0.0, yOffset = 0.0;  // groups 44, 45
    std::string text;               // group 9
    bool hasShapeFields = false;
  };

  std::string comments() const { return comments_; }
  Acad::ErrorStatus setComments(const char* text);
  double patternLength() const { return patternLength_; }
  void setPatternLength(double length);
  int numDashes() const { return static_cast<int>(dashes_.size()); }
  void setNumDashes(int count);
  double dashLengthAt(int index) const;
  Acad::ErrorStatus setDashLengthAt(int index, double length);
  const std::vector<Dash>& dashes() const { return dashes_; }
  void setDashes(std::vector<Dash> dashes);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  std::string comments_;
  double patternLength_ = 0.0;
  std::vector<Dash> dashes_;
};

class AcDbLinetypeTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
  const char* tableName() const override { return "LTYPE"; }
};

// Loads a linetype (or "*" for all) from a .lin file found along the support
// path. eDuplicateRecordName-like cases: a linetype already present is left
// as it is and answers eDuplicateKey (for "*": the others still load).
Acad::ErrorStatus acdbLoadLineTypeFile(const char* linetypeName, const char* fileName,
                                       AcDbDatabase* db);

// ---- Text styles -----------------------------------------------------------

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
  AcDbTextStyleTableRecord();

  double textSize() const { return textSize_; }
  Acad::ErrorStatus setTextSize(double size);
  double xScale() const { return xScale_; }
  Acad::ErrorStatus setXScale(double scale);
  double obliquingAngle() const { return obliquing_; }
  Acad::ErrorStatus setObliquingAngle(double angle);
  double priorSize() const { return priorSize_; }
  std::string fileName() const { return fileName_; }
  Acad::ErrorStatus setFileName(const char* name);
  std::string bigFontFileName() const { return bigFontFileName_; }
  Acad::ErrorStatus setBigFontFileName(const char* name);
  // Group 71: 2 backwards, 4 upside down.
  Adesk::Int16 flagBits() const { return generation_; }
  void setFlagBits(Adesk::Int16 bits) { generation_ = bits; }
  bool isShapeFile() const { return (flags_ & 1) != 0; }
  bool isVertical() const { return (flags_ & 4) != 0; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  double textSize_ = 0.0;
  double xScale_ = 1.0;
  double obliquing_ = 0.0;
  double priorSize_ = 2.5;
  Adesk::Int16 generation_ = 0;
  std::string fileName_;
  std::string bigFontFileName_;
};

class AcDbTextStyleTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
  const char* tableName() const override { return "STYLE"; }
};

// ---- Dimension styles ------------------------------------------------------
// The variables are kept as the record's groups in file order, numbers as the
// file wrote them; a variable the record does not file has the format's
// default (zek::DimVarInfo::fileDefault). R12 records file the arrow blocks
// by name (5, 6, 7), later ones as references to block records (342, 343,
// 344); each record is written in the form of the generation written.

namespace zek {
// One group of a dimension style record: its code and its value as filed
// (the R12 arrow block names included); for reference groups the object and,
// where a name stands for the reference, that name (an arrow block set by
// name that the drawing does not hold yet, or a name some writers put where
// a handle belongs).
struct DimStyleGroup {
  int code = 0;
  std::string text;
  AcDbObjectId id;
  std::string name;
  bool operator==(const DimStyleGroup&) const = default;
};
}  // namespace zek

class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
  AcDbDimStyleTableRecord();

  // Sizes and factors. Setters answer eInvalidInput for a value out of range
  // (negative sizes, a zero DIMLFAC, a DIMALTF or DIMTFAC that is not positive).
  double dimscale() const;
  [[nodiscard]] Acad::ErrorStatus setDimscale(double value);
  double dimasz() const;
  [[nodiscard]] Acad::ErrorStatus setDimasz(double value);
  double dimexo() const;
  [[nodiscard]] Acad::ErrorStatus setDimexo(double value);
  double dimdli() const;
  [[nodiscard]] Acad::ErrorStatus setDimdli(double value);
  double dimexe() const;
  [[nodiscard]] Acad::ErrorStatus setDimexe(double value);
  double dimrnd() const;
  [[nodiscard]] Acad::ErrorStatus setDimrnd(double value);
  double dimdle() const;
  [[nodiscard]] Acad::ErrorStatus setDimdle(double value);
  double dimtp() const;
  [[nodiscard]] Acad::ErrorStatus setDimtp(double value);
  double dimtm() const;
  [[nodiscard]] Acad::ErrorStatus setDimtm(double value);
  double dimtxt() const;
  [[nodiscard]] Acad::ErrorStatus setDimtxt(double value);
  double dimcen() const;
  [[nodiscard]] Acad::ErrorStatus setDimcen(double value);
  double dimtsz() const;
  [[nodiscard]] Acad::ErrorStatus setDimtsz(double value);
  double dimaltf() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltf(double value);
  double dimlfac() const;
  [[nodiscard]] Acad::ErrorStatus setDimlfac(double value);
  double dimtvp() const;
  [[nodiscard]] Acad::ErrorStatus setDimtvp(double value);
  double dimtfac() const;
  [[nodiscard]] Acad::ErrorStatus setDimtfac(double value);
  double dimgap() const;
  [[nodiscard]] Acad::ErrorStatus setDimgap(double value);
  double dimaltrnd() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltrnd(double value);

  // Switches.
  bool dimtol() const;
  [[nodiscard]] Acad::ErrorStatus setDimtol(bool value);
  bool dimlim() const;
  [[nodiscard]] Acad::ErrorStatus setDimlim(bool value);
  bool dimtih() const;
  [[nodiscard]] Acad::ErrorStatus setDimtih(bool value);
  bool dimtoh() const;
  [[nodiscard]] Acad::ErrorStatus setDimtoh(bool value);
  bool dimse1() const;
  [[nodiscard]] Acad::ErrorStatus setDimse1(bool value);
  bool dimse2() const;
  [[nodiscard]] Acad::ErrorStatus setDimse2(bool value);
  bool dimalt() const;
  [[nodiscard]] Acad::ErrorStatus setDimalt(bool value);
  bool dimtofl() const;
  [[nodiscard]] Acad::ErrorStatus setDimtofl(bool value);
  bool dimsah() const;
  [[nodiscard]] Acad::ErrorStatus setDimsah(bool value);
  bool dimtix() const;
  [[nodiscard]] Acad::ErrorStatus setDimtix(bool value);
  bool dimsoxd() const;
  [[nodiscard]] Acad::ErrorStatus setDimsoxd(bool value);
  bool dimsd1() const;
  [[nodiscard]] Acad::ErrorStatus setDimsd1(bool value);
  bool dimsd2() const;
  [[nodiscard]] Acad::ErrorStatus setDimsd2(bool value);
  bool dimupt() const;
  [[nodiscard]] Acad::ErrorStatus setDimupt(bool value);

  // Numbered settings; setters answer eInvalidInput outside the variable's
  // range (DIMTAD 0..4, DIMDEC 0..8, DIMZIN 0..15, DIMLUNIT 1..6, ...).
  int dimtad() const;
  [[nodiscard]] Acad::ErrorStatus setDimtad(int value);
  int dimzin() const;
  [[nodiscard]] Acad::ErrorStatus setDimzin(int value);
  int dimazin() const;
  [[nodiscard]] Acad::ErrorStatus setDimazin(int value);
  int dimaltd() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltd(int value);
  int dimadec() const;
  [[nodiscard]] Acad::ErrorStatus setDimadec(int value);
  int dimunit() const;
  [[nodiscard]] Acad::ErrorStatus setDimunit(int value);
  int dimdec() const;
  [[nodiscard]] Acad::ErrorStatus setDimdec(int value);
  int dimtdec() const;
  [[nodiscard]] Acad::ErrorStatus setDimtdec(int value);
  int dimaltu() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltu(int value);
  int dimalttd() const;
  [[nodiscard]] Acad::ErrorStatus setDimalttd(int value);
  int dimaunit() const;
  [[nodiscard]] Acad::ErrorStatus setDimaunit(int value);
  int dimfrac() const;
  [[nodiscard]] Acad::ErrorStatus setDimfrac(int value);
  int dimlunit() const;
  [[nodiscard]] Acad::ErrorStatus setDimlunit(int value);
  int dimtmove() const;
  [[nodiscard]] Acad::ErrorStatus setDimtmove(int value);
  int dimjust() const;
  [[nodiscard]] Acad::ErrorStatus setDimjust(int value);
  int dimtolj() const;
  [[nodiscard]] Acad::ErrorStatus setDimtolj(int value);
  int dimtzin() const;
  [[nodiscard]] Acad::ErrorStatus setDimtzin(int value);
  int dimaltz() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltz(int value);
  int dimalttz() const;
  [[nodiscard]] Acad::ErrorStatus setDimalttz(int value);
  int dimfit() const;
  [[nodiscard]] Acad::ErrorStatus setDimfit(int value);
  int dimatfit() const;
  [[nodiscard]] Acad::ErrorStatus setDimatfit(int value);
  // The decimal separator (group 278 files its character code).
  char dimdsep() const;
  [[nodiscard]] Acad::ErrorStatus setDimdsep(char value);

  // Colours (ACI; 0 BYBLOCK, 256 BYLAYER) and lineweights.
  AcCmColor dimclrd() const;
  [[nodiscard]] Acad::ErrorStatus setDimclrd(const AcCmColor& color);
  AcCmColor dimclre() const;
  [[nodiscard]] Acad::ErrorStatus setDimclre(const AcCmColor& color);
  AcCmColor dimclrt() const;
  [[nodiscard]] Acad::ErrorStatus setDimclrt(const AcCmColor& color);
  AcDb::LineWeight dimlwd() const;
  [[nodiscard]] Acad::ErrorStatus setDimlwd(AcDb::LineWeight weight);
  AcDb::LineWeight dimlwe() const;
  [[nodiscard]] Acad::ErrorStatus setDimlwe(AcDb::LineWeight weight);

  // Texts: DIMPOST ("<>" marks where the measurement goes) and DIMAPOST.
  std::string dimpost() const;
  [[nodiscard]] Acad::ErrorStatus setDimpost(const char* text);
  std::string dimapost() const;
  [[nodiscard]] Acad::ErrorStatus setDimapost(const char* text);

  // The text style (null: the drawing's STANDARD) and the arrow blocks
  // (null: the closed filled arrow). A block set by name that the drawing
  // does not hold (yet) keeps its name: the id is null until it exists, and
  // the name is what an R12 file gets. "" and "." set the default arrow.
  AcDbObjectId dimtxsty() const;
  [[nodiscard]] Acad::ErrorStatus setDimtxsty(AcDbObjectId style);
  AcDbObjectId dimldrblk() const;
  [[nodiscard]] Acad::ErrorStatus setDimldrblk(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimldrblk(const char* name);
  AcDbObjectId dimblk() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk(const char* name);
  AcDbObjectId dimblk1() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk1(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk1(const char* name);
  AcDbObjectId dimblk2() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk2(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk2(const char* name);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Host side: the record's groups in file order (all of its subclass
  // section but name and flags, unknown codes included), one group by code
  // (null when the record does not file it), and changing them: a group of
  // a code the record files is replaced where it stands, a new one goes last.
  const std::vector<zek::DimStyleGroup>& dimStyleGroups() const {
    assertReadEnabled();
    return groups_;
  }
  const zek::DimStyleGroup* findDimStyleGroup(int code) const;
  void setDimStyleGroup(zek::DimStyleGroup group);
  void removeDimStyleGroup(int code);

private:
  std::vector<zek::DimStyleGroup> groups_;
  // Where the flags (the first group 70) stand among the groups: before
  // groups_[flagsAt_], or right after the name when -1 (most writers).
  int flagsAt_ = -1;
};

class AcDbDimStyleTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
  const char* tableName() const override { return "DIMSTYLE"; }
};

// ---- Registered applications -----------------------------------------------

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbRegAppTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
  const char* tableName() const override { return "APPID"; }
};

// ---- Views, user coordinate systems, viewports -----------------------------

class AcDbViewTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbViewTableRecord);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbViewTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbViewTable);
  const char* tableName() const override { return "VIEW"; }
};

class AcDbUCSTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbUCSTableRecord);
  AcGePoint3d origin() const { return origin_; }
  void setOrigin(const AcGePoint3d& origin) { assertWriteEnabled(); origin_ = origin; }
  AcGeVector3d xAxis() const { return xAxis_; }
  void setXAxis(const AcGeVector3d& axis) { assertWriteEnabled(); xAxis_ = axis; }
  AcGeVector3d yAxis() const { return yAxis_; }
  void setYAxis(const AcGeVector3d& axis) { assertWriteEnabled(); yAxis_ = axis; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint3d origin_;
  AcGeVector3d xAxis_ = AcGeVector3d::kXAxis;
  AcGeVector3d yAxis_ = AcGeVector3d::kYAxis;
};

class AcDbUCSTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbUCSTable);
  const char* tableName() const override { return "UCS"; }
};

class AcDbViewportTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbViewportTableRecord);
  AcGePoint2d centerPoint() const { return centre_; }
  void setCenterPoint(const AcGePoint2d& centre) { assertWriteEnabled(); centre_ = centre; }
  double height() const { return height_; }
  void setHeight(double height) { assertWriteEnabled(); height_ = height; }
  // Width over height of the view.
  double aspectRatio() const { return aspect_; }
  void setAspectRatio(double aspect) { assertWriteEnabled(); aspect_ = aspect; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint2d centre_;
  double height_ = 1.0;
  double aspect_ = 1.0;
};

class AcDbViewportTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbViewportTable);
  const char* tableName() const override { return "VPORT"; }
};
