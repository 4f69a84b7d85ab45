// The statistics `zek --stats` prints: entity counts by type in model space,
// paper space and each block, the layers, and the extents.
#pragma once

#include <string>

class AcDbDatabase;

namespace zek {
std::string drawingStatistics(AcDbDatabase& db);
}
