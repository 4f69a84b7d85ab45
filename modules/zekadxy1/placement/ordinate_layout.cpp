// The layout of a placement run. Every text is placed through the free-room
// index and entered there with its leader, so later texts keep off it.
#include "placement/ordinate_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zek::adxy1 {

namespace {

// Placements of the centre lines: they count as occupied but are no part of
// the drawn bounds.
constexpr int kCentreLines = -3;

constexpr int kJogSteps = 24;
constexpr double kJogStep = 0.25;  // of the text height
constexpr double kUnitSpan = 70.1;
constexpr double kZeroLineFactor = 0.9;

class Layout {
public:
  Layout(GeometryIndex& index, const LayoutInputs& in) : index_(index), in_(in), s_(in.sizes) {}

  void run(RunCollections& c, std::vector<CentreLineRun>& lines) {
    setWidths(c.holesX, in_.holeDecimals);
    setWidths(c.holesY, in_.holeDecimals);
    setWidths(c.outlineX, in_.outlineDecimals);
    setWidths(c.outlineY, in_.outlineDecimals);
    for (OrdinateCollection* holes : {&c.holesX, &c.holesY})
      for (OrdinateGroup& group : holes->groups)
        numberRuns(group, in_.centreGap);
    for (OrdinateCollection* outline : {&c.outlineX, &c.outlineY})
      for (OrdinateGroup& group : outline->groups)
        for (OrdinateTarget& target : group.targets)
          target.run = 1;
    if (in_.centreLines) {
      for (OrdinateCollection* holes : {&c.holesX, &c.holesY})
        for (const CentreLineRun& line : centreLinesOf(*holes))
          lines.push_back(line);
      for (const CentreLineRun& line : lines) {
        if (line.axis == Axis::X)
          index_.addSegment(line.value, line.from, line.value, line.to, kCentreLines);
        else
          index_.addSegment(line.from, line.value, line.to, line.value, kCentreLines);
      }
    }
    enterMargin();

    // The first pass: every target's leader. A target alone in its run will
    // carry its dimension and enters its text at once; the members of longer
    // runs only measure theirs for the choice of their run's one dimension
    // (their texts would only crowd the band for one another).
    OrdinateCollection* all[] = {&c.holesX, &c.holesY, &c.outlineX, &c.outlineY};
    for (OrdinateCollection* collection : all)
      for (OrdinateGroup& group : collection->groups) {
        const std::vector<OrdinateTarget>& ts = group.targets;
        for (std::size_t i = 0; i < ts.size(); ++i) {
          const bool alone = (i == 0 || ts[i - 1].run != ts[i].run) &&
                             (i + 1 == ts.size() || ts[i + 1].run != ts[i].run);
          placeAwayFromMiddle(*collection, group, group.targets[i], alone);
        }
      }

    for (OrdinateCollection* holes : {&c.holesX, &c.holesY})
      chooseHoleCarriers(*holes);
    for (OrdinateCollection* outline : {&c.outlineX, &c.outlineY})
      chooseOutlineCarriers(*outline);
    for (OrdinateCollection* collection : all)
      forEachCarrier(*collection, [&](OrdinateGroup& group, OrdinateTarget& target) {
        unplace(target);
        placeAwayFromMiddle(*collection, group, target);
      });

    // The outline's texts line up outside the plate with the holes' ones.
    for (OrdinateCollection* collection : all)
      forEachCarrier(*collection, [&](OrdinateGroup& group, OrdinateTarget& target) {
        applyOutsideRule(*collection, group, target);
      });
    for (OrdinateCollection* collection : all)
      forEachCarrier(*collection, [&](OrdinateGroup& group, OrdinateTarget& target) {
        jogLongLeader(*collection, group, target);
      });
    for (OrdinateCollection* collection : all)
      spreadCrowds(*collection);
  }

private:
  template <class F>
  void forEachCarrier(OrdinateCollection& collection, F&& f) {
    for (OrdinateGroup& group : collection.groups)
      for (OrdinateTarget& target : group.targets)
        if (!target.suppressed)
          f(group, target);
  }

  static Axis alongOf(const OrdinateCollection& c) { return c.axis == Axis::X ? Axis::Y : Axis::X; }
  double middleAcross(const OrdinateCollection& c) const {
    return c.axis == Axis::X ? (in_.bounds.minY + in_.bounds.maxY) * 0.5
                             : (in_.bounds.minX + in_.bounds.maxX) * 0.5;
  }
  double lowEdge(const OrdinateCollection& c) const {
    return c.axis == Axis::X ? in_.bounds.minY : in_.bounds.minX;
  }
  double highEdge(const OrdinateCollection& c) const {
    return c.axis == Axis::X ? in_.bounds.maxY : in_.bounds.maxX;
  }
  double zeroAcross(const OrdinateCollection& c) const {
    return c.axis == Axis::X ? in_.zero.y : in_.zero.x;
  }

  void setWidths(OrdinateCollection& c, int decimals) {
    const double zero = c.axis == Axis::X ? in_.zero.x : in_.zero.y;
    for (OrdinateGroup& group : c.groups) {
      // A group whose targets show more decimals than the collection's gets
      // the room they need.
      int shown = decimals;
      for (const OrdinateTarget& target : group.targets)
        shown = std::max(shown, target.decimals);
      group.width = estimatedTextWidth(group.value, zero, shown, s_.textHeight);
    }
  }

  void enterMargin() {
    const double m = s_.margin();
    const PlateBounds& b = in_.bounds;
    index_.addSegment(b.minX - m, b.minY - m, b.maxX + m, b.minY - m, kMargin);
    index_.addSegment(b.maxX + m, b.minY - m, b.maxX + m, b.maxY + m, kMargin);
    index_.addSegment(b.maxX + m, b.maxY + m, b.minX - m, b.maxY + m, kMargin);
    index_.addSegment(b.minX - m, b.maxY + m, b.minX - m, b.minY - m, kMargin);
  }

  // The band across the leader that the text of an ordinate at `value` fills.
  void bandOf(const OrdinateCollection& c, double value, double& low, double& high) const {
    if (!s_.textAbove) {
      low = value - s_.textHeight * 0.5;
      high = value + s_.textHeight * 0.5;
    } else if (c.axis == Axis::X) {
      low = value - s_.textGap;  // X texts read upwards, their top towards -x
      high = value;
    } else {
      low = value;
      high = value + s_.textGap;
    }
  }

  // The leader end for the text of an ordinate at `value` walking from
  // `start` in `direction`: H beyond the last occupied stretch before room.
  double leaderEndFrom(const OrdinateCollection& c, const OrdinateGroup& group, double value,
                       double start, int direction, bool passMargin = false) const {
    LeaderStrip strip{alongOf(c), 0.0, 0.0, start, direction, group.width + s_.textHeight};
    bandOf(c, value, strip.acrossLow, strip.acrossHigh);
    static constexpr int kMarginOnly[] = {kMargin};
    const double occupied = passMargin ? index_.lastOccupiedBeforeRoom(strip, kMarginOnly)
                                       : index_.lastOccupiedBeforeRoom(strip);
    return occupied + direction * s_.textHeight;
  }

  // Where the walk for a text starts: at the feature's edge on that side, so
  // that no text is put inside its own hole.
  static double edgeOf(const OrdinateTarget& t, int direction) {
    return t.perp + direction * t.radius;
  }

  int defaultDirection(const OrdinateCollection& c, const OrdinateTarget& t) const {
    return t.perp <= middleAcross(c) + 0.1 ? -1 : 1;
  }
  int directionOf(const OrdinateCollection& c, const OrdinateTarget& t) const {
    if (t.leaderEnd > t.perp)
      return 1;
    if (t.leaderEnd < t.perp)
      return -1;
    return defaultDirection(c, t);
  }
  static double leaderOf(const OrdinateTarget& t) { return std::fabs(t.leaderEnd - t.perp); }
  bool isLong(const OrdinateTarget& t) const { return leaderOf(t) >= s_.longLeader(); }

  // Enters the target's leader and text.
  void place(const OrdinateCollection& c, const OrdinateGroup& group, OrdinateTarget& t) {
    if (t.placement < 0)
      t.placement = nextPlacement_++;
    const int dir = directionOf(c, t);
    double low = 0.0, high = 0.0;
    bandOf(c, t.value, low, high);
    const double textFar = t.leaderEnd + dir * (s_.dimGap + group.width);
    if (c.axis == Axis::X) {
      index_.addSegment(t.value, t.perp, t.value, t.leaderEnd, t.placement);
      index_.addBox(low, t.leaderEnd, high, textFar, t.placement);
    } else {
      index_.addSegment(t.perp, t.value, t.leaderEnd, t.value, t.placement);
      index_.addBox(t.leaderEnd, low, textFar, high, t.placement);
    }
  }
  void unplace(OrdinateTarget& t) {
    if (t.placement >= 0)
      index_.remove(t.placement);
  }

  // Step of the first pass: away from the drawing's middle, or the other way
  // when that leader is long and the other shorter.
  void placeAwayFromMiddle(const OrdinateCollection& c, const OrdinateGroup& group,
                           OrdinateTarget& t, bool enter = true) {
    const int dir = defaultDirection(c, t);
    double end = leaderEndFrom(c, group, t.value, edgeOf(t, dir), dir);
    if (std::fabs(end - t.perp) > s_.longLeader()) {
      const double other = leaderEndFrom(c, group, t.value, edgeOf(t, -dir), -dir);
      if (std::fabs(other - t.perp) < std::fabs(end - t.perp))
        end = other;
    }
    t.leaderEnd = end;
    if (enter)
      place(c, group, t);
  }

  // One target per run carries the dimension.
  void chooseHoleCarriers(OrdinateCollection& c) {
    bool unitDone = false;
    for (OrdinateGroup& group : c.groups) {
      std::vector<OrdinateTarget>& ts = group.targets;
      if (ts.empty())
        continue;
      if (!unitDone && ts.front().radius < kHoleRadiusFloor) {
        unitDone = true;
        const std::size_t keep = unitCarrier(c, ts);
        for (std::size_t i = 0; i < ts.size(); ++i)
          ts[i].suppressed = i != keep;
      } else {
        std::size_t first = 0;
        while (first < ts.size()) {
          std::size_t last = first;
          while (last + 1 < ts.size() && ts[last + 1].run == ts[first].run)
            ++last;
          const std::size_t keep = runCarrier(c, ts, first, last);
          for (std::size_t i = first; i <= last; ++i)
            ts[i].suppressed = i != keep;
          first = last + 1;
        }
      }
      for (OrdinateTarget& t : ts)
        if (t.suppressed)
          unplace(t);
    }
  }

  std::size_t unitCarrier(const OrdinateCollection& c, const std::vector<OrdinateTarget>& ts) const {
    const OrdinateTarget& first = ts.front();
    const OrdinateTarget& last = ts.back();
    if (last.perp - first.perp >= kUnitSpan)
      return 0;
    const double zero = zeroAcross(c);
    return std::fabs(first.perp - zero) * kZeroLineFactor <= std::fabs(last.perp - zero)
               ? 0
               : ts.size() - 1;
  }

  std::size_t runCarrier(const OrdinateCollection& c, const std::vector<OrdinateTarget>& ts,
                         std::size_t first, std::size_t last) const {
    if (first == last)
      return first;
    const bool above = ts[first].perp >= middleAcross(c);
    const std::size_t preferred = above ? last : first;
    const std::size_t second = above ? first : last;
    if (!isLong(ts[preferred]))
      return preferred;
    if (!isLong(ts[second]))
      return second;
    for (std::size_t i = first + 1; i < last; ++i)
      if (!isLong(ts[i]))
        return i;
    return first;
  }

  // Outline groups: one dimension each, on the target with the shortest
  // leader; leaders within a text height of each other count as equal, and
  // then the end nearer the zero line wins as for the zero-line unit.
  void chooseOutlineCarriers(OrdinateCollection& c) {
    const double zero = zeroAcross(c);
    for (OrdinateGroup& group : c.groups) {
      std::vector<OrdinateTarget>& ts = group.targets;
      if (ts.empty())
        continue;
      std::size_t keep = 0;
      for (std::size_t i = 1; i < ts.size(); ++i) {
        const double a = leaderOf(ts[keep]);
        const double b = leaderOf(ts[i]);
        if (b < a - s_.textHeight)
          keep = i;
        else if (std::fabs(b - a) <= s_.textHeight &&
                 std::fabs(ts[keep].perp - zero) * kZeroLineFactor > std::fabs(ts[i].perp - zero))
          keep = i;
      }
      for (std::size_t i = 0; i < ts.size(); ++i) {
        ts[i].suppressed = i != keep;
        if (ts[i].suppressed)
          unplace(ts[i]);
      }
    }
  }

  // Texts near the plate's edge line up outside it; long leaders try the
  // other side.
  void applyOutsideRule(const OrdinateCollection& c, const OrdinateGroup& group,
                        OrdinateTarget& t) {
    unplace(t);
    const int dir = directionOf(c, t);
    double end = leaderEndFrom(c, group, t.value, edgeOf(t, dir), dir);
    const double d = std::fabs(end - t.perp);
    const double edge = dir > 0 ? highEdge(c) : lowEdge(c);
    const double inside = (edge - end) * dir;
    const bool withinBounds = end >= lowEdge(c) && end <= highEdge(c);
    if (d <= s_.longLeader() && inside < in_.outsideDistance) {
      // H beyond the edge, or beyond what stands there outside the plate.
      const double outside = leaderEndFrom(c, group, t.value, edge, dir, true);
      if ((outside - t.perp) * dir > 0.0)
        end = outside;
    } else if (d >= s_.veryLongLeader() || (d > s_.longLeader() && withinBounds)) {
      const double other = leaderEndFrom(c, group, t.value, edgeOf(t, -dir), -dir);
      if (std::fabs(other - t.perp) < d)
        end = other;
    }
    t.leaderEnd = end;
    place(c, group, t);
  }

  // A leader of leaderLimit or more gets a jog when a text shifted along the
  // measured axis finds room nearer.
  void jogLongLeader(const OrdinateCollection& c, const OrdinateGroup& group, OrdinateTarget& t) {
    const double current = leaderOf(t);
    if (current < in_.leaderLimit)
      return;
    const bool withinBounds = t.leaderEnd >= lowEdge(c) && t.leaderEnd <= highEdge(c);
    if (current < s_.unconditionalJog() && !withinBounds)
      return;
    unplace(t);
    const int found = directionOf(c, t);
    int bestSteps = kJogSteps + 1;
    double bestLeader = current;
    double bestValue = t.value;
    double bestEnd = t.leaderEnd;
    for (int dir : {found, -found}) {
      for (int side : {1, -1}) {
        for (int step = 1; step <= kJogSteps && step <= bestSteps; ++step) {
          const double value = group.value + side * step * kJogStep * s_.textHeight;
          const double end = leaderEndFrom(c, group, value, edgeOf(t, dir), dir);
          const double leader = std::fabs(end - t.perp);
          if (leader < current) {
            if (step < bestSteps || leader < bestLeader) {
              bestSteps = step;
              bestLeader = leader;
              bestValue = value;
              bestEnd = end;
            }
            break;
          }
        }
      }
    }
    if (bestSteps <= kJogSteps) {
      t.value = bestValue;
      t.leaderEnd = bestEnd;
    }
    place(c, group, t);
  }

  struct Placed {
    OrdinateGroup* group;
    OrdinateTarget* target;
  };

  // Texts on one side whose stretches along the leader overlap and whose
  // groups are near each other are spread to the text pitch across, where
  // there is room; a text crowded by the text two before it stays and is
  // marked.
  void spreadCrowds(OrdinateCollection& c) {
    for (int side : {1, -1}) {
      std::vector<Placed> texts;
      for (OrdinateGroup& group : c.groups)
        for (OrdinateTarget& t : group.targets)
          if (!t.suppressed && directionOf(c, t) == side)
            texts.push_back({&group, &t});
      std::stable_sort(texts.begin(), texts.end(), [](const Placed& a, const Placed& b) {
        return a.target->value < b.target->value;
      });
      std::size_t begin = 0;
      while (begin < texts.size()) {
        std::size_t end = begin + 1;
        while (end < texts.size() && joinsCrowd(texts[end - 1], texts[end]))
          ++end;
        if (end - begin > 1)
          spreadCrowd(c, std::span<Placed>(texts.data() + begin, end - begin));
        begin = end;
      }
    }
  }

  bool joinsCrowd(const Placed& previous, const Placed& next) const {
    return std::fabs(next.target->leaderEnd - previous.target->leaderEnd) < previous.group->width &&
           next.group->value - previous.group->value <= s_.crowdReach();
  }

  void spreadCrowd(const OrdinateCollection& c, std::span<Placed> crowd) {
    const double pitch = s_.textPitch();
    for (std::size_t i = 1; i < crowd.size(); ++i) {
      OrdinateTarget& earlier = *crowd[i - 1].target;
      OrdinateTarget& later = *crowd[i].target;
      const double gap = later.value - earlier.value;
      if (gap >= pitch)
        continue;
      if (i >= 2 && later.value - crowd[i - 2].target->value < 3.0 * s_.textGap) {
        later.marked = true;
        continue;
      }
      if (!shiftIfFree(c, *crowd[i].group, later, earlier.value + pitch))
        (void)shiftIfFree(c, *crowd[i - 1].group, earlier, later.value - pitch);
    }
  }

  // Moves a text along the measured axis when its box is free there.
  bool shiftIfFree(const OrdinateCollection& c, const OrdinateGroup& group, OrdinateTarget& t,
                   double value) {
    unplace(t);
    const int dir = directionOf(c, t);
    // The margin round the plate keeps walks from the features off its edge;
    // a text already placed outside stands on it.
    const double end =
        leaderEndFrom(c, group, value, t.leaderEnd - dir * s_.textHeight, dir, true);
    const bool free = std::fabs(end - t.leaderEnd) < 1e-9;
    if (free)
      t.value = value;
    place(c, group, t);
    return free;
  }

  GeometryIndex& index_;
  const LayoutInputs& in_;
  const LayoutSizes& s_;
  int nextPlacement_ = 0;
};

}  // namespace

double estimatedTextWidth(double value, double zeroOrdinate, int decimals, double textHeight) {
  const double distance = std::fabs(value - zeroOrdinate);
  const int digits = distance < 100.0 ? 3 : distance < 1000.0 ? 4 : distance < 10000.0 ? 5 : 6;
  return (decimals + digits) * 0.8 * textHeight;
}

void numberRuns(OrdinateGroup& group, double centreGap) {
  std::vector<OrdinateTarget>& ts = group.targets;
  if (ts.empty())
    return;
  const bool splits = ts.front().radius >= kHoleRadiusFloor;
  int run = 1;
  ts.front().run = run;
  for (std::size_t i = 1; i < ts.size(); ++i) {
    if (splits && ts[i].perp - ts[i - 1].perp >= centreGap)
      ++run;
    ts[i].run = run;
  }
}

std::vector<CentreLineRun> centreLinesOf(const OrdinateCollection& holes) {
  std::vector<CentreLineRun> lines;
  for (const OrdinateGroup& group : holes.groups) {
    const std::vector<OrdinateTarget>& ts = group.targets;
    std::size_t first = 0;
    while (first < ts.size()) {
      std::size_t last = first;
      while (last + 1 < ts.size() && ts[last + 1].run == ts[first].run)
        ++last;
      if (last > first) {
        const double from = ts[first].perp - (ts[first].radius > 0.03 ? ts[first].radius : 0.0);
        const double to = ts[last].perp + (ts[last].radius > 0.03 ? ts[last].radius : 0.0);
        lines.push_back({holes.axis, group.value, from, to});
      }
      first = last + 1;
    }
  }
  return lines;
}

std::vector<CentreLineRun> layOutOrdinates(RunCollections& collections, GeometryIndex& index,
                                           const LayoutInputs& inputs) {
  std::vector<CentreLineRun> lines;
  Layout(index, inputs).run(collections, lines);
  return lines;
}

}  // namespace zek::adxy1
