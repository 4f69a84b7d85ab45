#!/usr/bin/python3
"""Runs corpus_roundtrip.py against stand-ins for zek, faithful and faulty, on a tiny corpus.

The corpus is built here: one drawing made with ezdxf (3 LINE, 2 CIRCLE, 1 INSERT and
1 DIMENSION in model space, a LINE in paper space, the blocks BOLT and the dimension's
*D block) and three damaged files named as in the real malformed/ folder. Each faulty
stand-in breaks one promise, and the report must name that fault.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import ezdxf

HERE = Path(__file__).resolve().parent
SCRIPT = HERE / "corpus_roundtrip.py"

# The stand-in: a copy where ZEK_FAKE asks for no fault, one fault otherwise.
FAKE_ZEK = r'''#!/usr/bin/python3
import os, re, shutil, signal, sys
import ezdxf
fault = os.environ.get("ZEK_FAKE", "")
args = sys.argv[1:]
if args[0] == "--stats":
    text = open(args[1], "rb").read()
    print("model space:")
    if b"SPLINE" in text and fault != "stats-without-spline":
        print("  SPLINE 1")
    print("blocks:")
    sys.exit(0)
source, target = args[0], args[2]
version = args[4] if len(args) > 4 else None
name = os.path.basename(source)
if name == "decimal-comma-floats.dxf" and fault != "no-warning":
    lines = open(source).read().splitlines()
    number = next(i for i, t in enumerate(lines, 1) if re.fullmatch(r"-?\d+,\d+", t))
    print(f"{source}:{number}: decimal comma read as a point", file=sys.stderr)
if name == "recover-tags-outside-sections.dxf" and fault != "no-warning":
    print(f"{source}:1141: tags outside a section", file=sys.stderr)
if name == "plate.dxf":
    if fault == "crash" and version is None:
        os.kill(os.getpid(), signal.SIGSEGV)
    if fault == "refuse":
        print(f"{source}:7: expected a group code", file=sys.stderr)
        sys.exit(1)
    if fault == "no-output" and version is None:
        sys.exit(0)
    if version is None and fault in ("drop-line", "drop-block", "add-block"):
        doc = ezdxf.readfile(source)
        if fault == "drop-line":
            doc.modelspace().delete_entity(doc.modelspace().query("LINE")[0])
        elif fault == "drop-block":
            doc.blocks.delete_block("SPARE", safe=False)
        else:
            doc.blocks.new("EXTRA").add_line((0, 0), (1, 1))
        doc.saveas(target)
        sys.exit(0)
if version is not None and name == "plate.dxf":
    written = "R2000" if fault == "wrong-version" and version == "R2004" else version
    doc = ezdxf.readfile(source)
    doc.dxfversion = {"R12": "AC1009", "R2000": "AC1015", "R2004": "AC1018",
                      "R2018": "AC1032"}[written]
    doc.saveas(target)
    sys.exit(0)
shutil.copyfile(source, target)
'''


def buildCorpus(root):
    """Writes the tiny corpus under root."""
    doc = ezdxf.new("R2000", setup=True)
    bolt = doc.blocks.new("BOLT")
    bolt.add_circle((0, 0), 4)
    bolt.add_line((-5, 0), (5, 0))
    doc.blocks.new("SPARE").add_line((0, 0), (2, 0))
    space = doc.modelspace()
    for start, end in (((0, 0), (100, 0)), ((100, 0), (100, 60)), ((0, 60), (0, 0))):
        space.add_line(start, end)
    space.add_circle((20, 20), 5)
    space.add_circle((80, 20), 5)
    space.add_blockref("BOLT", (50, 30))
    space.add_linear_dim(base=(50, -10), p1=(0, 0), p2=(100, 0)).render()
    doc.layouts.get("Layout1").add_line((0, 0), (10, 10))
    doc.saveas(root / "plate.dxf")

    damaged = root / "malformed"
    damaged.mkdir()
    (damaged / "decimal-comma-floats.dxf").write_text(
        "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n-6,5\n20\n0\n11\n1\n21\n1\n"
        "0\nENDSEC\n0\nEOF\n")
    (damaged / "recover-tags-outside-sections.dxf").write_text("999\npadding\n" * 600)
    (damaged / "spline-without-subclass-markers.dxf").write_text(
        "0\nSECTION\n2\nENTITIES\n0\nSPLINE\n8\n0\n70\n8\n0\nENDSEC\n0\nEOF\n")


# (row, ZEK_FAKE, exit status, lines the report must hold)
FAULT_CASES = [
    ("a faithful copy passes", "", 0,
     ["PASS plate.dxf", "PASS malformed/decimal-comma-floats.dxf",
      "PASS malformed/recover-tags-outside-sections.dxf",
      "PASS malformed/spline-without-subclass-markers.dxf",
      "corpus round trip: 4 passed, 0 failed (1 loadable, 3 malformed)"]),
    ("a lost LINE", "drop-line", 1, ["FAIL plate.dxf: model space: LINE 3 -> 2"]),
    ("a lost block", "drop-block", 1, ["FAIL plate.dxf: blocks lost: SPARE"]),
    ("an invented block", "add-block", 1, ["FAIL plate.dxf: blocks added: EXTRA"]),
    ("a crash", "crash", 1, ["FAIL plate.dxf: zek: killed by SIGSEGV"]),
    ("a refused drawing", "refuse", 1,
     ["FAIL plate.dxf: zek: exit status 1 (", "--dxf-version R12: exit status 1"]),
    ("no output file", "no-output", 1, ["FAIL plate.dxf: zek: exit 0 but no output file"]),
    ("a wrong version", "wrong-version", 1,
     ["FAIL plate.dxf: --dxf-version R2004: $ACADVER AC1015, expected AC1018"]),
    ("silent recovery", "no-warning", 1,
     ["FAIL malformed/decimal-comma-floats.dxf: no warning naming a line holding a "
      "decimal-comma number", "FAIL malformed/recover-tags-outside-sections.dxf"]),
    ("a SPLINE the reader dropped", "stats-without-spline", 1,
     ["FAIL malformed/spline-without-subclass-markers.dxf: zek --stats of the input: "
      "no SPLINE in model space"]),
]


class CorpusRoundTripTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.root = Path(cls.folder.name)
        cls.samples = cls.root / "samples"
        cls.samples.mkdir()
        buildCorpus(cls.samples)
        cls.zek = cls.root / "zek"
        cls.zek.write_text(FAKE_ZEK)
        cls.zek.chmod(0o755)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def runScript(self, fault, samples):
        env = dict(os.environ, ZEK_FAKE=fault)
        env.pop("ZEK_REQUIRE_SAMPLES", None)
        return subprocess.run([sys.executable, str(SCRIPT), str(self.zek),
                               str(self.root / "out"), "--samples", str(samples)],
                              env=env, capture_output=True, text=True, timeout=600)

    def test_each_fault_is_reported(self):
        for row, fault, status, lines in FAULT_CASES:
            with self.subTest(row):
                result = self.runScript(fault, self.samples)
                self.assertEqual(result.returncode, status, f"{row}:\n{result.stdout}")
                for line in lines:
                    self.assertIn(line, result.stdout, row)

    def test_a_damaged_file_without_a_row_fails(self):
        samples = self.root / "with-extra"
        shutil.copytree(self.samples, samples)
        (samples / "malformed" / "extra.dxf").write_text("0\nEOF\n")
        result = self.runScript("", samples)
        self.assertEqual(result.returncode, 1, result.stdout)
        self.assertIn("FAIL malformed/extra.dxf: no row in MALFORMED", result.stdout)

    def test_a_row_whose_file_is_missing_fails(self):
        samples = self.root / "without-one"
        shutil.copytree(self.samples, samples)
        (samples / "malformed" / "decimal-comma-floats.dxf").unlink()
        result = self.runScript("", samples)
        self.assertEqual(result.returncode, 1, result.stdout)
        self.assertIn("FAIL malformed/decimal-comma-floats.dxf: the file is missing",
                      result.stdout)

    def test_absent_samples_skip(self):
        result = self.runScript("", self.root / "no-such-folder")
        self.assertEqual(result.returncode, 77, result.stdout)
        self.assertIn("samples folder absent: skipped", result.stdout)


if __name__ == "__main__":
    unittest.main()
