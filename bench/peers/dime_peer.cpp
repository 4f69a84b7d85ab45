// libdime reading and writing whole models.
#include "dime_peer.h"

#include <dime/Input.h>
#include <dime/Model.h>
#include <dime/Output.h>
#include <dime/sections/EntitiesSection.h>

namespace zek::bench {

DimePeer::DimePeer() = default;
DimePeer::~DimePeer() = default;

bool DimePeer::read(const std::string& path) {
  dimeInput in;
  if (!in.setFile(path.c_str()))
    return false;
  model_ = std::make_unique<dimeModel>();
  return model_->read(&in);
}

std::uint64_t DimePeer::entityCount() const {
  if (!model_)
    return 0;
  auto* section = static_cast<dimeEntitiesSection*>(model_->findSection("ENTITIES"));
  return section ? static_cast<std::uint64_t>(section->getNumEntities()) : 0;
}

bool DimePeer::write(const std::string& path) {
  if (!model_)
    return false;
  dimeOutput out;
  if (!out.setFilename(path.c_str()))
    return false;
  return model_->write(&out);
}

}  // namespace zek::bench
