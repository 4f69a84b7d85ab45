// The locked-layer notice: a command that changes an entity it opened for
// read asks for write access, and an entity on a locked layer is reported
// and left unchanged while the command goes on with the next one.
#pragma once

#include "db_object.h"
#include "guards/opened_entity.h"

namespace zek::inline foundation {

// The two notices the commands print: most say "\nLAYER LOCKED"; some steps
// of the ordinate dimensions say "_LAYER_LOCKED_" without a line break.
enum class LockedLayerNotice { LayerLocked, Underscored };

// Asks for write access to an object open for read (upgradeOpen). True when
// it is granted (or the object is open for write already). On a locked layer
// prints the chosen notice and answers false; other refusals (no object,
// several readers) answer false without a notice. The object stays open
// either way: its owner closes it.
[[nodiscard]] bool upgradeOpenOrReportLocked(AcDbObject* object,
                                             LockedLayerNotice notice = LockedLayerNotice::LayerLocked);
[[nodiscard]] bool upgradeOpenOrReportLocked(OpenedEntity& entity,
                                             LockedLayerNotice notice = LockedLayerNotice::LayerLocked);

}  // namespace zek::inline foundation
