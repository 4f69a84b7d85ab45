#!/usr/bin/python3
"""Dimensions that other programs wrote without a display block come back with one.

Usage: /usr/bin/python3 dimblocks_roundtrip.py ZEK_BINARY OUTDIR [--samples DIR]

Some programs write DIMENSION entities without their anonymous *D block (or naming a
block the file lacks); ezdxf's audit deletes such dimensions, and other readers show
nothing for them. For every loadable sample holding one, `zek IN -o OUT` (and the R12
output, `--dxf-version R12`) must give a file in which ezdxf finds every dimension of the
input by its handle, each naming a block that exists and holds entities, and after
`doc.audit()` still finds them all. Exit 0 when all pass, 1 otherwise, 77 without the
samples.
"""

import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import interop_common as common  # noqa: E402

RUN_TIMEOUT = 60


def dimensions(doc):
    """Answers the DIMENSION entities of a drawing (every layout and block) by handle."""
    return {e.dxf.handle: e for e in doc.entitydb.values() if e.dxftype() == "DIMENSION"}


def blockless(doc):
    """Answers the handles of the dimensions that name no block the drawing holds."""
    found = set()
    for handle, dim in dimensions(doc).items():
        name = dim.dxf.get("geometry")
        if not name or name not in doc.blocks or len(doc.blocks[name]) == 0:
            found.add(handle)
    return found


def problemsOf(inputDoc, out):
    """Answers what is wrong with zek's output for the input's dimensions."""
    import ezdxf

    try:
        doc = ezdxf.readfile(str(out))
    except Exception as failure:  # any refusal of the file is the finding
        return [f"ezdxf cannot read {out.name}: {failure}"]
    wanted = set(dimensions(inputDoc))
    written = dimensions(doc)
    problems = [f"dimension #{h} is missing" for h in sorted(wanted - set(written))]
    problems += [f"dimension #{h} has no block with entities" for h in sorted(blockless(doc))]
    doc.audit()
    kept = set(dimensions(doc))
    problems += [f"dimension #{h} dropped by the audit" for h in sorted(wanted - kept)]
    return problems


def checkSample(zek, sample, outDir, stem):
    """Answers the problems of one sample, or None when it has no blockless dimension."""
    import ezdxf

    try:
        inputDoc = ezdxf.readfile(str(sample))
    except Exception:
        return None  # samples ezdxf refuses are judged by corpus_roundtrip.py
    if not blockless(inputDoc):
        return None
    problems = []
    for version in (None, "R12"):
        out = outDir / (f"{stem}.dxf" if version is None else f"{stem}.{version}.dxf")
        common.freshOutput(out)
        command = [str(zek), str(sample), "-o", str(out)]
        if version:
            command += ["--dxf-version", version]
        failure = common.run(command, RUN_TIMEOUT).failure()
        label = version or "own version"
        if failure:
            problems.append(f"{label}: {failure}")
            continue
        problems += [f"{label}: {p}" for p in problemsOf(inputDoc, out)]
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("zek")
    parser.add_argument("outdir")
    parser.add_argument("--samples", default=str(common.DEFAULT_SAMPLES))
    args = parser.parse_args()
    samplesDir = Path(args.samples)
    common.samplesOrExit(samplesDir)
    zek = common.zekBinaryOrExit(args.zek)
    outDir = Path(args.outdir)
    outDir.mkdir(parents=True, exist_ok=True)

    checked = failed = 0
    for sample in common.loadableSamples(samplesDir):
        label = common.sampleLabel(samplesDir, sample)
        problems = checkSample(zek, sample, outDir, common.outputStem(samplesDir, sample))
        if problems is None:
            continue
        checked += 1
        if problems:
            failed += 1
            print(f"FAIL {label}")
            for problem in problems:
                print(f"  {problem}")
        else:
            print(f"PASS {label}")
    print(f"dimension blocks: {checked - failed} of {checked} samples with blockless "
          f"dimensions pass")
    if checked == 0:
        print("no sample holds a dimension without a block")
        return 1
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
