// Reading and writing whole drawings as DXF files: the entry points the zek
// program, the tests and the benchmarks use.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zek/result.h"

class AcDbDatabase;

namespace zek {

// The DXF generations we write: R12 (AC1009), R2000 (AC1015), R2004 (AC1018)
// and R2018 (AC1032).
enum class DxfVersion { R12, R2000, R2004, R2018 };

struct DxfReadOptions {
  // Where the reader puts what it recovered from ("plate.dxf:88412: missing
  // EOF after the last section, read as if it were there").
  std::vector<Failure>* warnings = nullptr;
};

struct DxfWriteOptions {
  // The generation to write; without one the drawing keeps the generation it
  // was read in (R12 as R12, R13 to R2004 as R2004, R2007 on as R2018).
  std::optional<DxfVersion> version;
  // What the writer changed to fit the generation ("3 lightweight polylines
  // written as POLYLINE for R12"), one line each.
  std::vector<std::string>* notes = nullptr;
};

// Reads a DXF file (ASCII or binary) into a new database. A damaged file
// answers a Failure naming the line and what was expected.
Result<std::unique_ptr<AcDbDatabase>> readDxfFile(const std::string& path,
                                                  const DxfReadOptions& options = {});

// Reads DXF text held in memory; `name` stands for the file in messages.
Result<std::unique_ptr<AcDbDatabase>> readDxfString(std::string text, const std::string& name,
                                                    const DxfReadOptions& options = {});

// Writes the database to `path` atomically: a temporary file beside it is
// written, flushed and renamed; an existing NAME.dxf is kept as NAME.bak. A
// failed write leaves the previous file as it was.
Status writeDxfFile(AcDbDatabase& db, const std::string& path, const DxfWriteOptions& options = {});

// Writes the database as DXF text (tests and tools).
Result<std::string> writeDxfString(AcDbDatabase& db, const DxfWriteOptions& options = {});

// Parses "R12", "R2000", "R2004", "R2018" (any case).
std::optional<DxfVersion> parseDxfVersion(const std::string& text);

}  // namespace zek
