// The entry points for reading and writing whole drawings; saving to a file
// goes through the safe save (dxf/safe_save.h).
#include "zek/dxf_io.h"

#include <strings.h>

#include "db/database_core.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "dxf/safe_save.h"
#include "dxf/tag_sink.h"
#include "dxf/tag_source.h"

namespace zek {

Result<std::unique_ptr<AcDbDatabase>> readDxfFile(const std::string& path, const DxfReadOptions& options) {
  auto source = dxf::TagSource::openFile(path);
  if (!source.ok())
    return source.failure();
  auto db = dxf::readDrawing(*source.value(), options);
  if (db.ok())
    db.value()->core().fileName = path;
  return db;
}

Result<std::unique_ptr<AcDbDatabase>> readDxfString(std::string text, const std::string& name,
                                                    const DxfReadOptions& options) {
  auto source = dxf::TagSource::fromString(std::move(text), name);
  return dxf::readDrawing(*source, options);
}

Result<std::string> writeDxfString(AcDbDatabase& db, const DxfWriteOptions& options) {
  std::string out;
  dxf::TagSink sink(out);
  dxf::writeDrawing(db, sink, dxf::outputVersion(db, options.version), options.notes);
  if (!sink.finish())
    return Failure{"", 0, "the drawing could not be written"};
  return out;
}

Status writeDxfFile(AcDbDatabase& db, const std::string& path, const DxfWriteOptions& options) {
  return dxf::saveDrawing(db, path, options, dxf::systemFileSystem());
}

std::optional<DxfVersion> parseDxfVersion(const std::string& text) {
  if (strcasecmp(text.c_str(), "R12") == 0) return DxfVersion::R12;
  if (strcasecmp(text.c_str(), "R2000") == 0) return DxfVersion::R2000;
  if (strcasecmp(text.c_str(), "R2004") == 0) return DxfVersion::R2004;
  if (strcasecmp(text.c_str(), "R2018") == 0) return DxfVersion::R2018;
  return std::nullopt;
}

}  // namespace zek
