// Where the rest of the host asks for *D blocks: when an object opened for
// write is closed, and before a drawing is written.
#pragma once

class AcDbDatabase;
class AcDbObject;

namespace zek {

// Called by AcDbObject::close() while the object is still open for write:
// a dimension whose display changed makes its block again.
void beforeWriteClose(AcDbObject& object);
// Makes the block of every dimension of the drawing (in any block) that has
// no valid one — none, one the drawing lacks or one without entities — or
// that changed since its block was made. Dimensions of kinds the host does
// not draw keep what they have.
void makeMissingDimBlocks(AcDbDatabase& db);

}  // namespace zek
