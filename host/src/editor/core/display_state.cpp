// The display record of a document and the display calls of the plug-in
// interface (acedRedraw, acedGrDraw, acedGrVecs, acedUpdateDisplay).
#include "editor/core/display_state.h"

#include <cstdlib>

#include "aced_output.h"
#include "db/database_core.h"
#include "editor/document.h"

namespace zek {

DisplayState& displayStateOf(Document& document) { return document.state<DisplayState>(); }

std::vector<AcDbObjectId> highlightedEntities(const Document& document) {
  std::vector<AcDbObjectId> ids;
  for (const ObjectStub* stub : document.database()->core().highlighted)
    ids.emplace_back(const_cast<ObjectStub*>(stub));
  return ids;
}

void clearTemporaryGraphics(Document& document) {
  DisplayState& display = displayStateOf(document);
  display.vectors.clear();
  display.undrawn.clear();
  document.database()->core().highlighted.clear();
  ++display.generation;
}

// UCS to world for the current document (identity without one).
static AcGePoint3d worldOf(const ads_point p) {
  AcGePoint3d point = asPnt3d(p);
  if (Document* document = currentDocument())
    return document->ucsToWorld() * point;
  return point;
}

}  // namespace zek

using zek::currentDocument;
using zek::Document;

int acedRedraw(const ads_name ent, int mode) {
  Document* document = currentDocument();
  if (document == nullptr)
    return RTERROR;
  if (ent == nullptr || (ent[0] == 0 && ent[1] == 0)) {
    zek::clearTemporaryGraphics(*document);
    return RTNORM;
  }
  AcDbObjectId id;
  if (acdbGetObjectId(id, ent) != Acad::eOk || !id.isValid())
    return RTERROR;
  zek::DisplayState& display = zek::displayStateOf(*document);
  auto& highlighted = document->database()->core().highlighted;
  switch (std::abs(mode)) {
    case 1:
      display.undrawn.erase(id);
      break;
    case 2:
      display.undrawn.insert(id);
      break;
    case 3:
      highlighted.insert(id.stub());
      break;
    case 4:
      highlighted.erase(id.stub());
      break;
    default:
      return RTERROR;
  }
  ++display.generation;
  return RTNORM;
}

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl) {
  Document* document = currentDocument();
  if (document == nullptr || from == nullptr || to == nullptr)
    return RTERROR;
  zek::TemporaryVector vector;
  vector.from = zek::worldOf(from);
  vector.to = zek::worldOf(to);
  vector.colour = std::abs(color);
  vector.xorInk = color < 0;
  vector.highlighted = hl != 0;
  zek::displayStateOf(*document).vectors.push_back(vector);
  return RTNORM;
}

int acedGrVecs(const resbuf* vlist, ads_matrix mat) {
  Document* document = currentDocument();
  if (document == nullptr)
    return RTERROR;
  auto place = [&](const ads_point p) {
    if (mat == nullptr)
      return zek::worldOf(p);
    AcGeMatrix3d m;
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column)
        m.entry[row][column] = mat[row][column];
    return m * asPnt3d(p);
  };
  std::vector<zek::TemporaryVector> drawn;
  int colour = 7;
  bool highlighted = false;
  for (const resbuf* rb = vlist; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTSHORT) {
      colour = std::abs(rb->resval.rint);
      highlighted = rb->resval.rint < 0;
      continue;
    }
    if (rb->restype != RTPOINT && rb->restype != RT3DPOINT)
      return RTERROR;
    const resbuf* partner = rb->rbnext;
    if (partner == nullptr || (partner->restype != RTPOINT && partner->restype != RT3DPOINT))
      return RTERROR;
    ads_point a = {rb->resval.rpoint[0], rb->resval.rpoint[1],
                   rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0.0};
    ads_point b = {partner->resval.rpoint[0], partner->resval.rpoint[1],
                   partner->restype == RT3DPOINT ? partner->resval.rpoint[2] : 0.0};
    drawn.push_back({place(a), place(b), colour, highlighted, false});
    rb = partner;
  }
  auto& vectors = zek::displayStateOf(*document).vectors;
  vectors.insert(vectors.end(), drawn.begin(), drawn.end());
  return RTNORM;
}

void acedUpdateDisplay() {
  if (Document* document = currentDocument())
    ++zek::displayStateOf(*document).generation;
}
