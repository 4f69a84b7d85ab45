// Helpers for groups kept as text: extended data to and from result buffers,
// binary filing of kept groups, the object head every DXF object starts with.
#pragma once

#include <string>
#include <vector>

#include "ads.h"
#include "db_object.h"

namespace zek {

// The XDATA of one application (or all, with null) as a resbuf list; null if none.
resbuf* xdataToResbufs(const std::vector<KeptGroup>& xdata, const char* regappName);
// A resbuf list of XDATA (1001 application name first) as kept groups;
// false when the list does not start with 1001 or holds a non-XDATA code.
bool resbufsToXdata(const resbuf* list, std::vector<KeptGroup>& groups);
// Replaces, in `xdata`, the applications `update` names with its groups; an
// application given with nothing after its name is removed.
void mergeXdata(std::vector<KeptGroup>& xdata, const std::vector<KeptGroup>& update);

void fileKeptGroups(AcDbDwgFiler* filer, const std::vector<KeptGroup>& groups);
void unfileKeptGroups(AcDbDwgFiler* filer, std::vector<KeptGroup>& groups);

// The object id of a reference group as the DXF filer hands it out.
AcDbObjectId idFromResbuf(const resbuf& rb);
// Reads a 102 "{NAME" ... "}" group (the opening item is `open`): reactors and
// extension dictionary into their fields, anything else kept with its braces.
void readAppGroup(AcDbDxfFiler* filer, const resbuf& open, ObjectExtras& extras);
// Writes handle, reactors, extension dictionary, kept 102 groups and owner
// as the DXF generation being written has them.
Acad::ErrorStatus writeObjectHead(AcDbDxfFiler* filer, const AcDbObject& object,
                                  AcDbObjectId owner);

// Shortest text that reads back to the same double ("1.0", "0.1", "1e-20").
std::string formatReal(double value);

}  // namespace zek
