// The DIA and SP texts of a hole-table row and the diameter the row carries,
// by the hole type of the label's code, the stack of concentric holes the
// label matched, and the front and back keys of their layers.
#include "rows/row_texts.h"

#include "aced_output.h"
#include "aced_vars.h"
#include "rows/row_rules.h"

namespace zek::table {

std::string decimalText(double value, int decimals) {
  char text[kZekRealTextSize] = {};
  if (acdbRToS(value, 2, decimals, text) != RTNORM)
    return {};
  return text;
}

namespace {

// The matched hole seen with its concentric partner: the hole it links to
// (the next larger one, else the next smaller one), inner being the smaller
// of the two. Without a partner inner and outer are null.
struct HoleStack {
  const HoleRecord* hole = nullptr;
  int count = 1;
  const HoleRecord* inner = nullptr;
  const HoleRecord* outer = nullptr;

  bool matched() const { return hole != nullptr; }
  bool linked() const { return inner != nullptr; }
};

HoleStack stackOf(const HoleRecord* hole) {
  HoleStack stack;
  stack.hole = hole;
  if (hole == nullptr)
    return stack;
  stack.count = hole->concentricCount < 1 ? 1 : hole->concentricCount;
  const HoleRecord* partner = hole->next != nullptr ? hole->next : hole->previous;
  if (partner == nullptr || partner == hole)
    return stack;
  // A chain runs from the smallest circle outward, so on equal radii the
  // hole nearer the chain's head is the inner one.
  const bool holeIsInner = hole->radius != partner->radius ? hole->radius < partner->radius
                                                           : partner == hole->next;
  stack.inner = holeIsInner ? hole : partner;
  stack.outer = holeIsInner ? partner : hole;
  return stack;
}

int layerKeyOf(const HoleRecord& hole) {
  return hole.groupKey != nullptr ? hole.groupKey->layerKey : 0;
}

int shapeOf(const HoleRecord& hole) { return hole.groupKey != nullptr ? hole.groupKey->shape : 0; }

double diameterOf(const HoleRecord& hole) { return 2.0 * hole.radius; }

// A tapped hole: the drill circle inside the thread's arc, a little larger.
bool isThread(const HoleStack& stack) {
  if (!stack.linked() || shapeOf(*stack.inner) != kCircleHole ||
      shapeOf(*stack.outer) != kArcHole)
    return false;
  const double difference = stack.outer->radius - stack.inner->radius;
  return difference > 0.2 && difference < 1.5;
}

// A pair the rules need both holes of, but whose link is gone.
bool reportsMissingPair(const HoleStack& stack) {
  if (!stack.matched() || stack.count != 2 || stack.linked())
    return false;
  acutPrintf("\nPCK1 AND PCK2 INVALID");
  return true;
}

class RowRules {
public:
  RowRules(const HoleTables& tables, TableKind kind, const RowSource& row)
      : tables_(tables), sixColumns_(kind == TableKind::SixColumns), row_(row),
        stack_(stackOf(row.hole)) {
    texts_.diameter = 2.0 * row.radius;
    texts_.continuous = row.continuous;
  }

  DiameterTexts run(int type) {
    switch (type) {
      case kBlind: boreOrBlind(true); break;
      case kWireCut:
      case kCut: wireCutOrCut(); break;
      case kScrew: screw(); break;
      case kSink: sink(); break;
      default: boreOrBlind(false); break;  // kBore and any other number
    }
    if (!sixColumns_)
      texts_.sp.clear();
    return texts_;
  }

private:
  double d() const { return texts_.diameter; }
  bool onBackLayer() const { return isBackLayer(tables_, row_.layerName); }
  std::string sizeClass(double x) const { return tables_.sp.nameFor(x); }

  // The row takes this diameter as its own and shows it.
  void carry(double diameter, int decimals) {
    texts_.diameter = diameter;
    texts_.dia = decimalText(diameter, decimals);
  }

  void boreOrBlind(bool blind) {
    if (!stack_.matched() || stack_.count == 1) {
      const bool back = stack_.matched() && onBackLayer();
      carry(d(), back ? 2 : 1);
      if (back)
        texts_.sp = sizeClass(d());
      return;
    }
    if (stack_.count >= 3) {
      if (!blind)
        texts_.dia = "@";
      else if (stack_.hole->groupKey != nullptr)
        carry(2.0 * stack_.hole->groupKey->radius, 1);
      else
        carry(d(), 1);
      return;
    }
    if (reportsMissingPair(stack_)) {
      carry(d(), 1);
      return;
    }
    const bool outerFront = isFrontKey(layerKeyOf(*stack_.outer));
    const bool innerFront = isFrontKey(layerKeyOf(*stack_.inner));
    if (!outerFront) {
      carry(d(), 1);
      return;
    }
    // A blind hole from the front, or a bore through a front counterbore,
    // shows the outer hole; a front bore through both shows the inner one.
    const HoleRecord& shown = (!innerFront || blind) ? *stack_.outer : *stack_.inner;
    carry(diameterOf(shown), 1);
    texts_.continuous = isContinuousKey(layerKeyOf(shown));
    if (!innerFront)
      texts_.depthRequest = true;
  }

  void wireCutOrCut() {
    if (stack_.matched() && stack_.count >= 2) {
      const bool linkedPair = stack_.count == 2 && !reportsMissingPair(stack_);
      if (linkedPair && stack_.hole == stack_.outer && isBackKey(layerKeyOf(*stack_.inner))) {
        carry(diameterOf(*stack_.inner), 2);
        texts_.sp = sizeClass(d());
      } else if (linkedPair && stack_.hole == stack_.inner &&
                 isBackKey(layerKeyOf(*stack_.hole))) {
        carry(d(), 2);
        texts_.sp = sizeClass(d());
      } else {
        texts_.dia = "@";
        texts_.sp = "@";
      }
      return;
    }
    if (onBackLayer()) {
      carry(d(), 2);
      texts_.sp = sizeClass(d());
    } else if (sixColumns_) {
      texts_.sp = decimalText(d(), 1);  // the wire-cut size goes to the SP column
    } else {
      carry(d(), 1);
    }
  }

  void screw() {
    if (!stack_.matched() || stack_.count < 2) {
      carry(d(), 1);
      return;
    }
    (void)reportsMissingPair(stack_);
    if (isThread(stack_))
      texts_.dia = "M" + decimalText(diameterOf(*stack_.outer), 0);
    else
      carry(d(), sixColumns_ ? 2 : 1);
  }

  void sink() {
    if (stack_.matched() && stack_.count == 2 && !reportsMissingPair(stack_))
      carry(diameterOf(*stack_.inner), 1);
    else
      carry(d(), 1);
  }

  const HoleTables& tables_;
  const bool sixColumns_;
  const RowSource& row_;
  const HoleStack stack_;
  DiameterTexts texts_;
};

}  // namespace

DiameterTexts diameterTexts(const HoleTables& tables, TableKind kind, const RowSource& row) {
  return RowRules(tables, kind, row).run(tables.holeTypeOf(row.labelText));
}

}  // namespace zek::table
