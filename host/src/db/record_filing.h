// Shared steps of symbol table record filing: the record's subclass section
// with name (2) and flags (70), and the plain records that model nothing else.
#pragma once

#include <functional>
#include <string>

#include "db_symtab.h"

namespace zek {

// Reads one record subclass section: name and flags go into the reader, the
// groups `field` answers true for are the caller's, the rest stays kept.
struct RecordReader {
  std::string name;
  Adesk::Int16 flags = 0;
  std::function<bool(const resbuf&)> field;
  Acad::ErrorStatus read(AcDbDxfFiler* filer, const char* marker);
};

Acad::ErrorStatus finishRecordRead(AcDbSymbolTableRecord& record, const RecordReader& reader);
void writeRecordHead(AcDbDxfFiler* filer, const AcDbSymbolTableRecord& record, const char* marker);
Acad::ErrorStatus readPlainRecord(AcDbSymbolTableRecord& record, AcDbDxfFiler* filer,
                                  const char* marker);
Acad::ErrorStatus writePlainRecord(const AcDbSymbolTableRecord& record, AcDbDxfFiler* filer,
                                   const char* marker);

}  // namespace zek
