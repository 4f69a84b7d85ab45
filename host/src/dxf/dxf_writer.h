// The DXF writer: a database as DXF text of one generation.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db_database.h"
#include "dxf/tag_sink.h"
#include "zek/dxf_io.h"

namespace zek::dxf {

// The generation a drawing is written in: the one asked for, else the one it
// was read in (R12 as R12, R13 to R2004 as R2004, R2007 on as R2018).
AcDb::AcDbDwgVersion outputVersion(const AcDbDatabase& db, std::optional<DxfVersion> asked);
const char* acadverOf(AcDb::AcDbDwgVersion version);

void writeDrawing(AcDbDatabase& db, TagSink& sink, AcDb::AcDbDwgVersion version,
                  std::vector<std::string>* notes);

}  // namespace zek::dxf
