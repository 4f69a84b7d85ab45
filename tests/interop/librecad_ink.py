#!/usr/bin/python3
"""Checks that LibreCAD draws zek's copy of every sample where it draws the original.

Usage: /usr/bin/python3 librecad_ink.py ZEK_BINARY OUTDIR [--samples DIR] [--jobs N]

Each loadable sample (the top level and binary/) is written by `zek IN -o OUT` in its
default generation; LibreCAD prints the original and our copy to PDF, fitted to the page
(`dxf2pdf -a`), and poppler renders page 1 of each at 20 dpi in grey. The ink of a page is
its count of pixels darker than white. Where the original shows ink, ours must show at
least MIN_INK_SHARE of it: the same order of ink, since a lost layer, block or entity
kind leaves a page with far less, while fitting to slightly different extents moves a
few pixels only. A sample whose original LibreCAD cannot print (no ink, a crash or a
timeout) is reported "not drawable by LibreCAD" and skipped. Exit 0 when no sample
fails, 1 otherwise, 77 without the samples.
"""

import argparse
import os
import shutil
import sys
import traceback
from concurrent.futures import ProcessPoolExecutor
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import interop_common as common  # noqa: E402

ZEK_TIMEOUT = 60
CONVERT_TIMEOUT = 120
RENDER_DPI = "20"

# Our page must carry at least this share of the original page's ink.
MIN_INK_SHARE = 0.5


def readPgm(data):
    """Answers (width, height, maxval, pixels) of a binary (P5) or plain (P2) PGM image.

    pixels is a list of grey values, row by row. Raises ValueError on anything else.
    """
    tokens = []
    position = 0
    while len(tokens) < 4:
        while position < len(data) and data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":  # a comment runs to the end of its line
            position = data.index(b"\n", position) + 1
            continue
        start = position
        while position < len(data) and not data[position:position + 1].isspace():
            position += 1
        if start == position:
            raise ValueError("PGM header ends early")
        tokens.append(data[start:position])
    magic = tokens[0]
    width, height, maxval = (int(token) for token in tokens[1:])
    count = width * height
    if magic == b"P2":
        pixels = [int(value) for value in data[position:].split()[:count]]
    elif magic == b"P5":
        raster = data[position + 1:]  # one whitespace byte ends the header
        if maxval < 256:
            pixels = list(raster[:count])
        else:
            pixels = [raster[2 * i] << 8 | raster[2 * i + 1] for i in range(count)]
    else:
        raise ValueError(f"not a PGM image (magic {magic!r})")
    if len(pixels) != count:
        raise ValueError(f"PGM holds {len(pixels)} pixels, its header says {count}")
    return width, height, maxval, pixels


def inkOf(data):
    """Answers how many pixels of a PGM image are darker than white."""
    _, _, maxval, pixels = readPgm(data)
    return sum(1 for value in pixels if value < maxval)


def isEnough(ours, original):
    """Answers whether our page carries enough of the original page's ink."""
    return ours >= MIN_INK_SHARE * original


def librecadEnv(outDir):
    """Answers LibreCAD's environment: no display, and settings kept under OUTDIR."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for name, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_RUNTIME_DIR", "runtime")):
        path = outDir / folder
        path.mkdir(mode=0o700, parents=True, exist_ok=True)
        env[name] = str(path)
    return env


def pageInk(dxf, workDir, env):
    """Prints a drawing with LibreCAD and answers (ink of page 1, None) or (None, why)."""
    pdf = dxf.with_suffix(".pdf")
    common.freshOutput(pdf)
    result = common.run(["librecad", "dxf2pdf", "-a", "-t", str(workDir), str(dxf)],
                        CONVERT_TIMEOUT, env=env, cwd=str(workDir))
    failure = result.failure()
    if failure:
        common.freshOutput(pdf)  # a hung print may leave a partial PDF behind
        return None, f"LibreCAD {failure}"
    if not pdf.is_file():
        return None, "LibreCAD wrote no PDF"
    prefix = dxf.with_suffix("")  # x.orig.dxf -> x.orig; pdftoppm adds .pgm
    pgm = prefix.parent / (prefix.name + ".pgm")
    common.freshOutput(pgm)
    result = common.run(["pdftoppm", "-r", RENDER_DPI, "-f", "1", "-l", "1", "-gray",
                         "-singlefile", str(pdf), str(prefix)], CONVERT_TIMEOUT)
    pdf.unlink()  # text-heavy drawings give PDFs of hundreds of MB; the image is the evidence
    failure = result.failure()
    if failure or not pgm.is_file():
        return None, f"pdftoppm {failure or 'wrote no image'}"
    return inkOf(pgm.read_bytes()), None


def checkSample(job):
    """Answers (label, verdict, detail) for one sample; verdict PASS, FAIL or SKIP."""
    zek, sample, label, workDir, stem, env = job
    try:
        original = workDir / f"{stem}.orig.dxf"
        shutil.copyfile(sample, original)
        original.chmod(0o644)
        originalInk, why = pageInk(original, workDir, env)
        if why or originalInk == 0:
            return label, "SKIP", f"not drawable by LibreCAD ({why or 'no ink'})"
        ours = workDir / f"{stem}.zek.dxf"
        common.freshOutput(ours)
        failure = common.run([str(zek), str(sample), "-o", str(ours)], ZEK_TIMEOUT).failure()
        if failure or not ours.is_file():
            return label, "FAIL", f"zek: {failure or 'exit 0 but no output file'}"
        ourInk, why = pageInk(ours, workDir, env)
        if why:
            return label, "FAIL", f"our copy: {why} (the original printed)"
        detail = f"ink {ourInk} of the original's {originalInk}"
        return label, "PASS" if isEnough(ourInk, originalInk) else "FAIL", detail
    except Exception:
        return label, "FAIL", "checker failed: " + common.lastLine(traceback.format_exc())


def main():
    parser = argparse.ArgumentParser(description="LibreCAD draws zek's output as the original")
    parser.add_argument("zek")
    parser.add_argument("outdir", type=Path)
    parser.add_argument("--samples", type=Path, default=common.DEFAULT_SAMPLES)
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    common.samplesOrExit(args.samples)
    zek = common.zekBinaryOrExit(args.zek).resolve()
    if shutil.which("librecad") is None or shutil.which("pdftoppm") is None:
        print("librecad or pdftoppm not installed")
        return 1
    outDir = args.outdir.resolve() / "librecad"
    workDir = outDir / "work"
    workDir.mkdir(parents=True, exist_ok=True)
    env = librecadEnv(outDir)
    samplesDir = args.samples.resolve()
    jobs = [(zek, path, common.sampleLabel(samplesDir, path), workDir,
             common.outputStem(samplesDir, path), env)
            for path in common.loadableSamples(samplesDir)]
    if not jobs:
        print(f"FAIL no loadable drawings in {samplesDir}")
        return 1

    tally = {"PASS": 0, "FAIL": 0, "SKIP": 0}
    with ProcessPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for label, verdict, detail in pool.map(checkSample, jobs):
            tally[verdict] += 1
            print(f"{verdict} {label}: {detail}", flush=True)
    print(f"LibreCAD ink: {tally['PASS']} passed, {tally['FAIL']} failed, "
          f"{tally['SKIP']} not drawable by LibreCAD (ours >= {MIN_INK_SHARE:.0%} "
          "of the original's ink)")
    return 0 if tally["FAIL"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
