// Regenerating *D blocks on close and before writing.
#include "db/dimblocks/dim_block_hooks.h"

#include <vector>

#include "db/database_core.h"
#include "db/dimblocks/host_write.h"
#include "db_block.h"
#include "db_database.h"
#include "db_dimension.h"

namespace zek {

namespace {

// A block the dimension can be shown with: the drawing holds it and it has
// at least one entity that is not erased.
bool hasValidBlock(const AcDbDimension& dimension) {
  AcDbObjectId block = dimension.dimBlockId();
  auto* record = peekObject<AcDbBlockTableRecord>(block);
  if (record == nullptr || block.isErased())
    return false;
  for (AcDbObjectId id : record->entityIds())
    if (id.stub() != nullptr && id.stub()->object != nullptr && !id.isErased())
      return true;
  return false;
}

}  // namespace

void beforeWriteClose(AcDbObject& object) {
  auto* dimension = AcDbDimension::cast(&object);
  if (dimension == nullptr || object.database() == nullptr || object.isErased() ||
      !dimension->isDisplayStale())
    return;
  (void)dimension->recomputeDimBlock();
}

void makeMissingDimBlocks(AcDbDatabase& db) {
  auto* blocks = peekObject<AcDbBlockTable>(db.blockTableId());
  if (blocks == nullptr)
    return;
  // Collected first: making blocks adds records to the table being walked.
  std::vector<AcDbObjectId> dimensions;
  for (AcDbObjectId blockId : blocks->recordIds()) {
    auto* block = peekObject<AcDbBlockTableRecord>(blockId);
    if (block == nullptr || blockId.isErased())
      continue;
    for (AcDbObjectId id : block->entityIds())
      if (peekObject<AcDbDimension>(id) != nullptr && !id.isErased())
        dimensions.push_back(id);
  }
  for (AcDbObjectId id : dimensions) {
    auto* dimension = peekObject<AcDbDimension>(id);
    dimension->markOpened(AcDb::kForRead);
    bool remake = dimension->isDisplayStale() || dimension->needsOwnBlock() ||
                  !hasValidBlock(*dimension);
    dimension->markClosed();
    if (!remake)
      continue;
    HostWrite writing(dimension);
    (void)dimension->recomputeDimBlock();
  }
}

}  // namespace zek
