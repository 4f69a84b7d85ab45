#!/usr/bin/python3
"""Table-driven tests of the round-trip rules on hand-written probe answers and texts."""

import copy
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import roundtrip_checks as checks  # noqa: E402

# A probe answer as ezdxf_probe gives it, small enough to reason about by hand.
BASE = {
    "loaded_by": "readfile",
    "modelspace": {"CIRCLE": 21, "LINE": 12, "DIMENSION": 2},
    "paperspace": {"Layout1": {"VIEWPORT": 1, "MTEXT": 1}},
    "blocks": {"*D1": {"LINE": 3, "SOLID": 2}, "BORDER": {"LINE": 4}},
    "dimensions": {"ordinate": 2},
    "dimensions_without_block": 1,
    "attribs": 3,
    "audit_errors": [[3, "pointer target missing"], [3, "pointer target missing"]],
    "audit_fixes": 0,
}


def changed(path, value):
    """Answers a copy of BASE with one value replaced; path names keys down the tree."""
    probe = copy.deepcopy(BASE)
    target = probe
    for key in path[:-1]:
        target = target[key]
    if value is None:
        del target[path[-1]]
    else:
        target[path[-1]] = value
    return probe


# (row, output probe, words every problem line must hold together; None: no problem)
COMPARE_CASES = [
    ("a faithful copy", copy.deepcopy(BASE), None),
    ("one LINE lost in model space", changed(["modelspace", "LINE"], 11),
     "model space: LINE 12 -> 11"),
    ("an entity kind vanished", changed(["modelspace", "CIRCLE"], None),
     "model space: CIRCLE 21 -> 0"),
    ("an entity kind appeared", changed(["modelspace", "SPLINE"], 1),
     "model space: SPLINE 0 -> 1"),
    ("paper-space MTEXT lost", changed(["paperspace", "Layout1", "MTEXT"], None),
     "paper space 'Layout1': MTEXT 1 -> 0"),
    ("a layout renamed", changed(["paperspace"], {"Layout 1": {"VIEWPORT": 1, "MTEXT": 1}}),
     "paper-space layouts lost: Layout1"),
    ("a block lost", changed(["blocks", "BORDER"], None), "blocks lost: BORDER"),
    ("a block's content changed", changed(["blocks", "*D1", "SOLID"], 1),
     "block '*D1': SOLID 2 -> 1"),
    ("a block renamed in case", changed(["blocks"], {"*D1": {"LINE": 3, "SOLID": 2},
                                                     "Border": {"LINE": 4}}),
     "blocks lost: BORDER"),
    ("a block nobody asked for", changed(["blocks", "XREF1"], {"LINE": 1}),
     "blocks added: XREF1"),
    ("one *D block for the dimension that had none",
     changed(["blocks", "*D7"], {"LINE": 2}), None),
    ("a *d block written in lower case", changed(["blocks", "*d7"], {"LINE": 2}), None),
    ("a *U block is no dimension block", changed(["blocks", "*U7"], {"LINE": 2}),
     "blocks added: *U7"),
    ("two *D blocks for one dimension that had none",
     changed(["blocks"], {"*D1": {"LINE": 3, "SOLID": 2}, "BORDER": {"LINE": 4},
                          "*D7": {"LINE": 2}, "*D8": {"LINE": 2}}),
     "2 *D blocks added for 1 dimensions"),
    ("an ordinate dimension became linear", changed(["dimensions"], {"linear": 2}),
     "dimensions by kind: linear 0 -> 2, ordinate 2 -> 0"),
    ("ATTRIBs dropped from their INSERTs", changed(["attribs"], 0), "ATTRIB 3 -> 0"),
    ("fewer audit errors of a kind", changed(["audit_errors"], [[3, "pointer"]]), None),
    ("more audit errors of a kind",
     changed(["audit_errors"], [[3, "p"], [3, "p"], [3, "p"]]),
     "audit error 3 x3 (input x2)"),
    ("a new audit error kind",
     changed(["audit_errors"], [[3, "p"], [3, "p"], [102, "invalid layer name"]]),
     "audit error 102 x1 (input x0): invalid layer name"),
    ("the output needs recovery", changed(["loaded_by"], "recover"),
     "ezdxf.readfile refuses the output"),
]


class CompareProbesTest(unittest.TestCase):
    def test_each_fault_is_named_and_a_faithful_copy_passes(self):
        for row, outProbe, expected in COMPARE_CASES:
            with self.subTest(row):
                problems = checks.compareProbes(BASE, outProbe)
                if expected is None:
                    self.assertEqual(problems, [], row)
                else:
                    self.assertTrue(any(expected in line for line in problems),
                                    f"{row}: {expected!r} not in {problems}")

    def test_an_unloadable_output_is_the_only_problem_reported(self):
        outProbe = {"loaded_by": None, "recover_error": "DXFStructureError: no EOF"}
        self.assertEqual(checks.compareProbes(BASE, outProbe),
                         ["ezdxf cannot load the output: DXFStructureError: no EOF"])

    def test_a_recovered_input_may_give_a_recovered_output(self):
        inProbe = changed(["loaded_by"], "recover")
        self.assertEqual(checks.compareProbes(inProbe, changed(["loaded_by"], "recover")), [])

    def test_long_differences_are_counted_not_listed(self):
        before = {f"T{i}": 1 for i in range(7)}
        problems = checks.countDifferences("model space", before, {})
        self.assertEqual(problems, ["model space: T0 1 -> 0, T1 1 -> 0, T2 1 -> 0, "
                                    "T3 1 -> 0, and 3 more"])


# (row, stderr, file name, line numbers named)
WARNING_CASES = [
    ("a bare file name", "plate.dxf:1207: expected a group code", "plate.dxf", [1207]),
    ("a path", "/data/in/plate.dxf:88: decimal comma read as a point", "plate.dxf", [88]),
    ("another file's line", "other.dxf:5: expected ENDSEC", "plate.dxf", []),
    ("a name that only ends alike", "myplate.dxf:5: expected ENDSEC", "plate.dxf", []),
    ("no line number", "plate.dxf: cannot open", "plate.dxf", []),
    ("several lines", "plate.dxf:3: a\nnoise\nplate.dxf:9: b\n", "plate.dxf", [3, 9]),
]

# (row, --stats text, model-space SPLINE count)
STATS_CASES = [
    ("zek's own layout",
     "model space: 5 entities\n  LINE 4\n  SPLINE 1\npaper space: 0 entities\n"
     "block *U1: 2 entities\n  SPLINE 2\nlayers: 1\n  0\nextents: 0,0 to 1,1\n", 1),
    ("indented rows", "model space:\n  LINE 4\n  SPLINE 1\nblocks:\n  SPLINE 7\n", 1),
    ("colon rows", "Model space (5 entities):\n  LINE: 4\n  SPLINE: 1\n", 1),
    ("count first", "model space\n  4 LINE\n  2 SPLINE\n", 2),
    ("one line", "model space: LINE 4, SPLINE 1\nlayers: 3\n", 1),
    ("both readings on a line", "model space: LINE 4 SPLINE 1\n", 1),
    ("spline only in a block", "model space:\n  LINE 4\nblock *U1:\n  SPLINE 2\n", 0),
    ("paper space after", "model space:\n  LINE 1\npaper space:\n  SPLINE 3\n", 0),
    ("no model-space part", "LINE 4\nSPLINE 1\n", None),
    ("SPLINE inside a longer name", "model space:\n  SPLINEFIT 3\n", 0),
]


class ZekTextsTest(unittest.TestCase):
    def test_warning_lines_name_the_users_file(self):
        for row, stderr, name, numbers in WARNING_CASES:
            with self.subTest(row):
                self.assertEqual(checks.warningLines(stderr, name), numbers, row)

    def test_stats_model_space_count(self):
        for row, text, count in STATS_CASES:
            with self.subTest(row):
                self.assertEqual(checks.modelSpaceCount(text, "SPLINE"), count, row)


if __name__ == "__main__":
    unittest.main()
