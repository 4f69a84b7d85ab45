// The dimension styles of a new drawing. ISO-25 files only the values that
// differ from the format's defaults, as CAD hosts write it; STANDARD files
// every value our template sets, so that readers whose own defaults are
// metric (DIMZIN 8, a decimal comma) read it as we do.
#include "db/dimvars/default_dim_styles.h"

#include "db/database_core.h"
#include "db/dimvars/dim_style_access.h"
#include "db_database.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

struct Setting {
  int code;
  double value;
};

// Metric sizes for plates drawn in millimetres; DIMZIN 0 keeps trailing
// zeros (12.50), which the machining notes of our drawings rely on.
constexpr Setting kStandard[] = {
    {40, 1.0},  {41, 2.5},   {42, 0.625}, {43, 3.75}, {44, 1.25},  {73, 0},
    {74, 0},    {77, 1},     {78, 0},     {140, 2.5}, {141, 2.5},  {147, 0.625},
    {172, 1},   {271, 2},    {272, 2},    {277, 2},   {278, '.'},  {280, 0},
};

// ISO-25 as CAD hosts ship it: the same sizes, trailing zeros dropped,
// a decimal comma, inch alternate units.
constexpr Setting kIso25[] = {
    {41, 2.5}, {42, 0.625}, {43, 3.75}, {44, 1.25}, {73, 0}, {74, 0}, {77, 1}, {78, 8},
    {140, 2.5}, {141, 2.5}, {143, 0.03937007874016}, {147, 0.625}, {171, 3}, {172, 1},
    {271, 2}, {272, 2}, {274, 3}, {278, ','}, {283, 0}, {284, 8},
};

template <std::size_t N>
void apply(AcDbDimStyleTableRecord& style, const Setting (&settings)[N], AcDbObjectId textStyle) {
  style.markOpened(AcDb::kForWrite);
  for (const Setting& s : settings)
    (void)setStyleNumber(style, s.code, s.value);  // the values are in range
  if (!textStyle.isNull())
    (void)setStyleId(style, 340, textStyle);
  style.markClosed();
}

}  // namespace

void setUpDefaultDimStyles(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  auto* standard = peekObject<AcDbDimStyleTableRecord>(core.standardDimStyle);
  auto* table = peekObject<AcDbDimStyleTable>(core.dimStyleTable);
  if (standard == nullptr || table == nullptr)
    return;
  apply(*standard, kStandard, core.standardTextStyle);
  if (!table->has("ISO-25")) {
    auto* iso = new AcDbDimStyleTableRecord;
    iso->setNameFromFile("ISO-25");
    apply(*iso, kIso25, core.standardTextStyle);
    AcDbObjectId id;
    if (core.addObject(iso, core.dimStyleTable, id) != Acad::eOk)
      delete iso;
    else
      table->addRecordId(id, "ISO-25");
  }
  (void)restoreDimStyle(db, core.standardDimStyle);
}

}  // namespace zek
