// The process-wide default tolerance of geometric comparisons.
#include "ge_tol.h"

AcGeTol AcGeContext::gTol;
