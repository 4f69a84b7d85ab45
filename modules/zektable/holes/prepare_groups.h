// Preparing a run's holes and labels: the labels of the common height,
// parsed and sorted; concentric chains, pairs and the holes that take no
// label.
#pragma once

#include "holes/hole_collection.h"
#include "holes/hole_model.h"
#include "tables/hole_tables.h"

namespace zek::table {

// Keeps the labels of the winning height: of the first three distinct
// heights met, the one most labels have (ties to the one met first).
void labelHeightFilter(HoleLabels& labels);

// Prefix (leading characters up to the first digit, at most 5) and number
// (atoi of the rest, -1 when the rest is empty).
void parseLabel(HoleLabel& label);

// Stable sort by prefix (byte order), then by number.
void sortLabels(HoleLabels& labels);

// Links the holes at one centre into a chain from the smallest outward
// (groups in key order, holes in list order) and gives every hole its
// concentric count.
void buildConcentricChains(HoleGroups& groups);

// Pairs of two concentric holes looked up in the pairing rules; an inner
// hole whose rule gives 0 is excluded and its outer hole carries the label.
void pairConcentricHoles(HoleGroups& groups, const PairRuleTable& rules);

// Arcs with no concentric circle are excluded; groups with every hole
// excluded are hidden.
void excludeLoneArcs(HoleGroups& groups);
void flagHiddenGroups(HoleGroups& groups);

// The small front marks (radius 1.5 within 0.1) that stand inside back
// circles larger than 5 are excluded.
void excludeMarksInBackCircles(HoleGroups& groups);

// Every pass above in order, labels first.
void prepareGroups(CollectedHoles& collected, const HoleTables& tables);

}  // namespace zek::table
