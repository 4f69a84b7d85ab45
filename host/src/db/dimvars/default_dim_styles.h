// The dimension styles of a new drawing (our metric template): STANDARD,
// current, and ISO-25 as CAD hosts ship it; the header $DIM* variables
// equal STANDARD's.
#pragma once

class AcDbDatabase;

namespace zek {

// Gives the drawing's STANDARD style its metric values, adds ISO-25 when the
// drawing has none, and makes STANDARD current with its values in the header.
void setUpDefaultDimStyles(AcDbDatabase& db);

}  // namespace zek
