// The locked-layer notice convention.
#include "layers/locked_layer.h"

#include "aced_output.h"

namespace zek::inline foundation {
namespace {

bool grantedOrReported(Acad::ErrorStatus status, LockedLayerNotice notice) {
  if (status == Acad::eOk || status == Acad::eWasOpenedForWrite)
    return true;
  if (status == Acad::eOnLockedLayer)
    acutPrintf(notice == LockedLayerNotice::Underscored ? "_LAYER_LOCKED_" : "\nLAYER LOCKED");
  return false;
}

}  // namespace

bool upgradeOpenOrReportLocked(AcDbObject* object, LockedLayerNotice notice) {
  if (object == nullptr)
    return false;
  return grantedOrReported(object->upgradeOpen(), notice);
}

bool upgradeOpenOrReportLocked(OpenedEntity& entity, LockedLayerNotice notice) {
  if (entity.get() == nullptr)
    return false;
  return grantedOrReported(entity.upgradeOpen(), notice);
}

}  // namespace zek::inline foundation
