// The DXF reader: sections, tables, blocks, entities and objects of a DXF
// file into a database, with recovery where a CAD user expects it.
#pragma once

#include <memory>

#include "db_database.h"
#include "dxf/tag_source.h"
#include "zek/dxf_io.h"

namespace zek::dxf {

Result<std::unique_ptr<AcDbDatabase>> readDrawing(TagSource& source, const DxfReadOptions& options);

// The generation named by $ACADVER ("AC1015"), R12 for unknown names.
AcDb::AcDbDwgVersion versionOfAcadver(std::string_view acadver);

}  // namespace zek::dxf
