#!/usr/bin/python3
"""Tests of how the corpus scripts run programs, name outputs and skip without samples."""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import interop_common as common  # noqa: E402

# (row, command, time limit, the failure reported; None: the run ended as wanted)
RUN_CASES = [
    ("exit 0", ["sh", "-c", "exit 0"], 10, None),
    ("exit 1 with its message", ["sh", "-c", "echo 'a.dxf:3: expected 0' >&2; exit 1"], 10,
     "exit status 1 (a.dxf:3: expected 0)"),
    ("a crash", ["sh", "-c", "kill -SEGV $$"], 10, "killed by SIGSEGV"),
    ("an abort", ["sh", "-c", "kill -ABRT $$"], 10, "killed by SIGABRT"),
    ("a hang", ["sh", "-c", "sleep 30"], 0.5, "hung (timed out)"),
    ("no such program", ["/nonexistent/zek"], 10, "exit status 127"),
]


class RunTest(unittest.TestCase):
    def test_each_way_a_run_ends_is_named(self):
        for row, command, limit, expected in RUN_CASES:
            with self.subTest(row):
                failure = common.run(command, limit).failure()
                if expected is None:
                    self.assertIsNone(failure, row)
                else:
                    self.assertTrue(failure and failure.startswith(expected),
                                    f"{row}: {failure!r}")

    def test_a_hung_childs_children_are_killed_too(self):
        with tempfile.TemporaryDirectory() as folder:
            marker = Path(folder) / "late"
            # The grandchild would write the marker after the time limit, were it alive.
            common.run(["sh", "-c", f"(sleep 2; touch {marker}) & wait"], 0.5)
            subprocess.run(["sleep", "3"])
            self.assertFalse(marker.exists())


class OutputNamesTest(unittest.TestCase):
    def test_stems_are_unique_over_the_folders(self):
        samples = Path("/s")
        self.assertEqual(common.outputStem(samples, Path("/s/plate.dxf")), "plate")
        self.assertEqual(common.outputStem(samples, Path("/s/binary/plate.DXF")),
                         "binary__plate")
        self.assertEqual(common.sampleLabel(samples, Path("/s/binary/plate.dxf")),
                         "binary/plate.dxf")

    def test_loadable_samples_are_the_top_level_and_binary(self):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            for name in ("b.dxf", "a.DXF", "notes.md", "binary/c.dxf", "malformed/d.dxf"):
                (root / name).parent.mkdir(exist_ok=True)
                (root / name).write_text("0\nEOF\n")
            found = [common.sampleLabel(root, p) for p in common.loadableSamples(root)]
            self.assertEqual(found, ["a.DXF", "b.dxf", "binary/c.dxf"])


# (row, ZEK_REQUIRE_SAMPLES, exit status without the samples folder)
SKIP_CASES = [
    ("a fresh clone skips", None, 77),
    ("a machine that must have the corpus fails", "1", 1),
    ("any other value still skips", "0", 77),
]


class SkipRuleTest(unittest.TestCase):
    def test_absent_samples(self):
        for row, require, status in SKIP_CASES:
            with self.subTest(row):
                env = {k: v for k, v in os.environ.items() if k != "ZEK_REQUIRE_SAMPLES"}
                if require is not None:
                    env["ZEK_REQUIRE_SAMPLES"] = require
                code = ("import sys, pathlib; sys.path.insert(0, sys.argv[1]); "
                        "import interop_common as c; "
                        "c.samplesOrExit(pathlib.Path('/nonexistent/dxf-samples'))")
                result = subprocess.run([sys.executable, "-c", code, str(HERE)], env=env,
                                        capture_output=True, text=True)
                self.assertEqual(result.returncode, status, row)
                self.assertIn("samples folder absent: skipped", result.stdout, row)


if __name__ == "__main__":
    unittest.main()
