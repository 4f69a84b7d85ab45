// Reading a file's *D block back and comparing it with made geometry.
#include "db/dimblocks/oracle_compare.h"

#include <cctype>
#include <cmath>
#include <numbers>
#include <sstream>

#include "db/database_core.h"
#include "db/kept_object.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_text.h"
#include "zek/text_metrics.h"

namespace zek::test {

namespace {

AcGePoint2d flat(const AcGePoint3d& p) { return {p.x, p.y}; }

std::string point(const AcGePoint2d& p) {
  std::ostringstream out;
  out << "(" << p.x << "," << p.y << ")";
  return out.str();
}

bool solidOf(const KeptEntity& entity, DimSolid& solid) {
  const ObjectExtras* extras = entity.extras();
  if (extras == nullptr)
    return false;
  int found = 0;
  for (const KeptSection& section : extras->kept)
    for (const KeptGroup& g : section.groups) {
      int corner = g.code % 10;
      if (corner > 3 || (g.code / 10 != 1 && g.code / 10 != 2))
        continue;
      double value = std::strtod(g.text.c_str(), nullptr);
      if (g.code / 10 == 1)
        solid.corners[corner].x = value;
      else
        solid.corners[corner].y = value;
      ++found;
    }
  return found >= 6;
}

void readEntity(const AcDbEntity& entity, FileBlock& block, int depth);

void readBlock(AcDbObjectId blockId, FileBlock& block, int depth) {
  auto* record = peekObject<AcDbBlockTableRecord>(blockId);
  if (record == nullptr || depth > 2)
    return;
  for (AcDbObjectId id : record->entityIds()) {
    auto* entity = peekObject<AcDbEntity>(id);
    if (entity == nullptr || id.isErased())
      continue;
    entity->markOpened(AcDb::kForRead);
    readEntity(*entity, block, depth);
    entity->markClosed();
  }
}

void readEntity(const AcDbEntity& entity, FileBlock& block, int depth) {
  if (auto* line = AcDbLine::cast(&entity)) {
    block.lines.push_back(DimLine{flat(line->startPoint()), flat(line->endPoint())});
  } else if (auto* p = AcDbPoint::cast(&entity)) {
    block.points.push_back(flat(p->position()));
  } else if (auto* mtext = AcDbMText::cast(&entity)) {
    DimText t;
    t.contents = mtext->contentsConst();
    t.position = flat(mtext->location());
    t.height = mtext->textHeight();
    block.texts.push_back(t);
  } else if (auto* text = AcDbText::cast(&entity)) {
    // R12: left-aligned TEXT; its box middle by the text metrics model.
    DimText t;
    t.contents = text->textStringConst();
    t.height = text->height();
    double w = textAdvance(t.contents, t.height, text->widthFactor());
    double r = text->rotation();
    AcGeVector2d along(std::cos(r), std::sin(r)), up(-std::sin(r), std::cos(r));
    t.position = flat(text->position()) + along * (w / 2.0) + up * (t.height / 2.0);
    block.texts.push_back(t);
    block.plainTexts = true;
  } else if (auto* reference = AcDbBlockReference::cast(&entity)) {
    std::string name = reference->blockName();
    if (name.size() > 1 && name[0] == '*' && (name[1] == 'U' || name[1] == 'u')) {
      readBlock(reference->blockTableRecord(), block, depth + 1);
      return;
    }
    DimArrowBlock a;
    a.name = name;
    a.position = flat(reference->position());
    a.rotation = reference->rotation();
    a.scale = reference->scaleFactors().sx;
    block.arrows.push_back(a);
  } else if (auto* kept = KeptEntity::cast(&entity); kept && std::string(kept->dxfTypeName()) == "SOLID") {
    DimSolid s;
    if (solidOf(*kept, s))
      block.solids.push_back(s);
    else
      ++block.others;
  } else {
    ++block.others;
  }
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool lineMatches(const DimLine& made, const DimLine& file, const Tolerances& t) {
  double ts = made.startAtText ? t.loose : t.tight;
  double te = made.endAtText ? t.loose : t.tight;
  return (made.start.distanceTo(file.start) <= ts && made.end.distanceTo(file.end) <= te) ||
         (made.start.distanceTo(file.end) <= ts && made.end.distanceTo(file.start) <= te);
}

bool solidMatches(const DimSolid& made, const DimSolid& file, double tol) {
  // The tip (corners 2 and 3) and the two base corners in either order.
  if (made.corners[2].distanceTo(file.corners[2]) > tol ||
      made.corners[3].distanceTo(file.corners[3]) > tol)
    return false;
  bool direct = made.corners[0].distanceTo(file.corners[0]) <= tol &&
                made.corners[1].distanceTo(file.corners[1]) <= tol;
  bool swapped = made.corners[0].distanceTo(file.corners[1]) <= tol &&
                 made.corners[1].distanceTo(file.corners[0]) <= tol;
  return direct || swapped;
}

bool arrowMatches(const DimArrowBlock& made, const DimArrowBlock& file, double tol) {
  double turn = std::remainder(made.rotation - file.rotation, 2.0 * std::numbers::pi);
  return sameName(made.name, file.name) && made.position.distanceTo(file.position) <= tol &&
         std::fabs(turn) < 1e-3 && std::fabs(made.scale - file.scale) <= tol;
}

template <typename T, typename Match>
std::string matchAll(const std::vector<T>& made, const std::vector<T>& file, const char* what,
                     Match match, std::string (*describe)(const T&)) {
  if (made.size() != file.size()) {
    std::ostringstream out;
    out << made.size() << " " << what << " made, the file has " << file.size();
    return out.str();
  }
  std::vector<bool> used(made.size(), false);
  for (const T& f : file) {
    bool found = false;
    for (std::size_t i = 0; i < made.size() && !found; ++i)
      if (!used[i] && match(made[i], f))
        used[i] = found = true;
    if (!found)
      return std::string("no ") + what + " like " + describe(f);
  }
  return {};
}

std::string describeLine(const DimLine& l) { return point(l.start) + "-" + point(l.end); }
std::string describeSolid(const DimSolid& s) { return "tip " + point(s.corners[2]); }
std::string describeArrow(const DimArrowBlock& a) { return a.name + " at " + point(a.position); }
std::string describePoint(const AcGePoint2d& p) { return point(p); }

}  // namespace

FileBlock readFileBlock(AcDbObjectId block) {
  FileBlock out;
  readBlock(block, out, 0);
  return out;
}

std::string compareWithFile(const DimGeometry& made, const FileBlock& file, const Tolerances& t) {
  if (file.others > 0)
    return "the block holds " + std::to_string(file.others) + " entities of other kinds";
  std::string why = matchAll(made.lines, file.lines, "lines",
                             [&](const DimLine& m, const DimLine& f) { return lineMatches(m, f, t); },
                             describeLine);
  if (!why.empty())
    return why;
  why = matchAll(made.solids, file.solids, "solids",
                 [&](const DimSolid& m, const DimSolid& f) { return solidMatches(m, f, t.tight); },
                 describeSolid);
  if (!why.empty())
    return why;
  why = matchAll(made.arrows, file.arrows, "arrow blocks",
                 [&](const DimArrowBlock& m, const DimArrowBlock& f) { return arrowMatches(m, f, t.tight); },
                 describeArrow);
  if (!why.empty())
    return why;
  why = matchAll(made.definitionPoints, file.points, "definition points",
                 [&](const AcGePoint2d& m, const AcGePoint2d& f) { return m.distanceTo(f) <= t.tight; },
                 describePoint);
  if (!why.empty())
    return why;
  if (file.texts.size() != (made.text ? 1u : 0u))
    return std::to_string(file.texts.size()) + " texts in the file";
  if (!made.text)
    return {};
  // CAD hosts of some versions start the text with "\A1;", of others not:
  // the shown string is compared without it.
  auto shown = [&](std::string text) {
    if (file.plainTexts)
      return mtextPlainText(text);
    return text.rfind("\\A1;", 0) == 0 ? text.substr(4) : text;
  };
  const DimText& f = file.texts.front();
  std::string contents = shown(made.text->contents);
  if (shown(f.contents) != contents)
    return "text \"" + contents + "\", the file shows \"" + shown(f.contents) + "\"";
  if (f.position.distanceTo(made.text->position) > t.loose)
    return "text at " + point(made.text->position) + ", the file's at " + point(f.position);
  return {};
}

}  // namespace zek::test
