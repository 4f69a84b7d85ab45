// Appending an outline to model space as a closed lightweight polyline.
#pragma once

#include "db_core.h"
#include "ge_vector.h"
#include "outline.h"

namespace zek {

// The plane a new outline lies in and whose properties it takes.
struct OutlinePlacement {
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double elevation = 0.0;
  // The entity whose layer, colour, linetype and lineweight the outline
  // takes; null for the drawing's current properties.
  AcDbObjectId propertiesFrom;
};

// Appends the outline to model space of the current drawing, the vertices in
// the plane's coordinates. Answers eOk, or the host's answer of the step that
// failed (nothing is left behind then).
[[nodiscard]] Acad::ErrorStatus appendOutline(const Outline& outline,
                                              const OutlinePlacement& placement);

}  // namespace zek
