// Drawings the dimension variable tests read: an R2018 file with a text
// style, an arrow block and DIMSTYLE records given as groups, an R12 file
// with its DIMSTYLE records, and groups of written objects without their
// handles.
#pragma once

#include <string>

#include "db/database_core.h"
#include "db/testing/db_test_support.h"

namespace zek::test {

// An R2018 drawing: text style Standard (handle 11), block records for the
// spaces and for "_DOT" (handle 80, BLOCK 81, ENDBLK 82), the DIMSTYLE table
// (handle A) with `records` (whole "0\nDIMSTYLE\n..." texts), and `entities`.
inline std::string r2018Drawing(const std::string& records, const std::string& entities = "",
                                const std::string& header = "") {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1032\n9\n$HANDSEED\n5\n300\n" + header +
         "0\nENDSEC\n"
         "0\nSECTION\n2\nTABLES\n"
         "0\nTABLE\n2\nSTYLE\n5\n3\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
         "0\nSTYLE\n5\n11\n330\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n"
         "2\nStandard\n70\n0\n40\n0.0\n41\n1.0\n50\n0.0\n71\n0\n42\n2.5\n3\ntxt\n4\n\n"
         "0\nENDTAB\n"
         "0\nTABLE\n2\nAPPID\n5\n9\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
         "0\nAPPID\n5\n12\n330\n9\n100\nAcDbSymbolTableRecord\n100\nAcDbRegAppTableRecord\n"
         "2\nACAD\n70\n0\n"
         "0\nENDTAB\n"
         "0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n330\n0\n100\nAcDbSymbolTable\n70\n3\n"
         "0\nBLOCK_RECORD\n5\n1F\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
         "2\n*Model_Space\n"
         "0\nBLOCK_RECORD\n5\n1E\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
         "2\n*Paper_Space\n"
         "0\nBLOCK_RECORD\n5\n80\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
         "2\n_DOT\n"
         "0\nENDTAB\n"
         "0\nTABLE\n2\nDIMSTYLE\n5\nA\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
         "100\nAcDbDimStyleTable\n71\n0\n" +
         records +
         "0\nENDTAB\n"
         "0\nENDSEC\n"
         "0\nSECTION\n2\nBLOCKS\n"
         "0\nBLOCK\n5\n81\n330\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n2\n_DOT\n70\n0\n"
         "10\n0.0\n20\n0.0\n30\n0.0\n3\n_DOT\n1\n\n"
         "0\nENDBLK\n5\n82\n330\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
         "0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n" +
         entities + "0\nENDSEC\n0\nEOF\n";
}

// An R12 drawing with DIMSTYLE records (whole "0\nDIMSTYLE\n..." texts), a
// block "BOXBLANK" and `entities`.
inline std::string r12Drawing(const std::string& records, const std::string& entities = "") {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
         "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nDIMSTYLE\n70\n1\n" +
         records +
         "0\nENDTAB\n0\nENDSEC\n"
         "0\nSECTION\n2\nBLOCKS\n"
         "0\nBLOCK\n8\n0\n2\nBOXBLANK\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\nBOXBLANK\n"
         "0\nENDBLK\n8\n0\n"
         "0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n" +
         entities + "0\nENDSEC\n0\nEOF\n";
}

// The groups of a written DIMSTYLE record without its handle (105), owner,
// reactors and subclass markers, for comparing records of two generations
// (group 5 is DIMBLK there, not a handle).
inline Groups withoutHead(const Groups& groups) {
  Groups body;
  for (const Group& g : groups)
    if (g.first != 105 && g.first != 330 && g.first != 100 && g.first != 102)
      body.push_back(g);
  return body;
}

// The id of a record of a drawing's table by name, or null.
inline AcDbObjectId recordNamed(AcDbObjectId tableId, const char* name) {
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  AcDbObjectId id;
  if (table == nullptr || table->getAt(name, id) != Acad::eOk)
    return {};
  return id;
}

}  // namespace zek::test
