#!/usr/bin/python3
"""Reads and writes every sample drawing with zek and checks ezdxf's view of the result.

Usage: /usr/bin/python3 corpus_roundtrip.py ZEK_BINARY OUTDIR [--samples DIR] [--jobs N]

For each loadable sample (the top level and binary/): `zek IN -o OUT` exits 0 and ezdxf
counts the same entities by type in model space, in each paper-space layout and in each
block, the same DIMENSION kinds and ATTRIBs, and its audit finds no error kind in OUT
(nor more of one) than in IN. Then `--dxf-version R12|R2000|R2004|R2018` each exit 0 and
write a file ezdxf.readfile loads with the matching $ACADVER. Each damaged file in
malformed/ must give what its row in MALFORMED says. Every zek run has 60 s; a signal or
a hang fails the sample. Exit 0 when all pass, 1 otherwise, 77 without the samples.
"""

import argparse
import re
import sys
import traceback
from concurrent.futures import ProcessPoolExecutor
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Optional

sys.path.insert(0, str(Path(__file__).resolve().parent))

import interop_common as common  # noqa: E402
import roundtrip_checks as checks  # noqa: E402

RUN_TIMEOUT = 60


def holdsDecimalComma(text):
    """Answers whether a line holds a number written with a decimal comma ("-6,63671875")."""
    return re.fullmatch(r"\s*-?\d+,\d+\s*", text) is not None


@dataclass(frozen=True)
class MalformedCase:
    """What zek must give for one damaged file (exit status 0 in every row)."""
    damage: str
    warnedLine: Optional[Callable[[int, str], bool]] = None  # (number, text): the right line?
    warnedWhere: str = ""
    statsType: Optional[str] = None  # `zek --stats` must count one in model space


# Read from the files by hand: where each one is damaged and what a reader must do.
MALFORMED = {
    "decimal-comma-floats.dxf": MalformedCase(
        damage="floats written with decimal commas",
        warnedLine=lambda number, text: holdsDecimalComma(text),
        warnedWhere="a line holding a decimal-comma number"),
    "recover-tags-outside-sections.dxf": MalformedCase(
        damage="header tags after an ENDSEC, then an ENDSEC with no SECTION",
        warnedLine=lambda number, text: 1141 <= number <= 1158,
        warnedWhere="the stray tags at lines 1141-1158"),
    "spline-without-subclass-markers.dxf": MalformedCase(
        damage="a SPLINE without subclass markers or handle",
        statsType="SPLINE"),
}


def checkVersions(zek, sample, outDir, stem):
    """Answers the problems of writing one sample in each --dxf-version."""
    import ezdxf
    import ezdxf_probe

    problems = []
    for version, acadver in checks.VERSION_ACADVER.items():
        out = outDir / f"{stem}.{version}.dxf"
        common.freshOutput(out)
        failure = common.run([str(zek), str(sample), "-o", str(out), "--dxf-version", version],
                             RUN_TIMEOUT).failure()
        if failure:
            problems.append(f"--dxf-version {version}: {failure}")
            continue
        if not out.is_file():
            problems.append(f"--dxf-version {version}: exit 0 but no output file")
            continue
        try:
            doc = ezdxf.readfile(str(out))
        except Exception as refusal:
            problems.append(f"--dxf-version {version}: ezdxf.readfile refuses it: {refusal}")
            continue
        written = ezdxf_probe.scanTags(out)
        found = doc.header.get("$ACADVER") if written is None else written[0]
        if found != acadver:
            problems.append(f"--dxf-version {version}: $ACADVER {found}, expected {acadver}")
    return problems


def checkLoadable(zek, sample, outDir, stem):
    """Answers the problems of one loadable sample: the default round trip, then versions."""
    import ezdxf_probe

    problems = []
    out = outDir / f"{stem}.dxf"
    common.freshOutput(out)
    failure = common.run([str(zek), str(sample), "-o", str(out)], RUN_TIMEOUT).failure()
    if failure:
        problems.append(f"zek: {failure}")
    elif not out.is_file():
        problems.append("zek: exit 0 but no output file")
    else:
        problems += checks.compareProbes(ezdxf_probe.probe(sample), ezdxf_probe.probe(out))
    return problems + checkVersions(zek, sample, outDir, stem)


def checkStats(zek, path, entityType, what):
    """Answers the problems of `zek --stats` on a file that must hold an entity type."""
    result = common.run([str(zek), "--stats", str(path)], RUN_TIMEOUT)
    failure = result.failure()
    if failure:
        return [f"zek --stats {what}: {failure}"]
    count = checks.modelSpaceCount(result.stdout, entityType)
    if count is None:
        return [f"zek --stats {what}: no model-space counts in its output"]
    if count < 1:
        return [f"zek --stats {what}: no {entityType} in model space"]
    return []


def checkMalformed(zek, sample, outDir, stem):
    """Answers the problems of one damaged file against its row in MALFORMED."""
    case = MALFORMED.get(sample.name)
    if case is None:
        return ["no row in MALFORMED says what zek must do with this file"]
    out = outDir / f"{stem}.dxf"
    common.freshOutput(out)
    result = common.run([str(zek), str(sample), "-o", str(out)], RUN_TIMEOUT)
    failure = result.failure()
    if failure:
        return [f"zek ({case.damage}): {failure}"]
    problems = []
    if case.warnedLine:
        lines = sample.read_bytes().decode("latin-1").splitlines()
        named = [n for n in checks.warningLines(result.stderr, sample.name)
                 if 1 <= n <= len(lines)]
        if not any(case.warnedLine(n, lines[n - 1]) for n in named):
            shown = common.lastLine(result.stderr) or "nothing"
            problems.append(f"no warning naming {case.warnedWhere} on stderr (got: {shown})")
    if case.statsType:
        problems += checkStats(zek, sample, case.statsType, "of the input")
        if out.is_file():
            problems += checkStats(zek, out, case.statsType, "of the output")
        else:
            problems.append("zek: exit 0 but no output file")
    return problems


def checkSample(job):
    """Runs one sample's checks in a worker; answers (label, problems), never raises."""
    kind, zek, sample, label, outDir, stem = job
    try:
        check = checkMalformed if kind == "malformed" else checkLoadable
        return label, check(zek, sample, outDir, stem)
    except Exception:
        return label, ["checker failed: " + common.lastLine(traceback.format_exc())]


def collectJobs(zek, samplesDir, outDir):
    """Answers one job per loadable and per damaged sample, plus rows naming no file."""
    jobs = [("loadable", zek, path, common.sampleLabel(samplesDir, path), outDir / "roundtrip",
             common.outputStem(samplesDir, path))
            for path in common.loadableSamples(samplesDir)]
    malformedDir = samplesDir / "malformed"
    damaged = sorted(p for p in malformedDir.glob("*") if p.suffix.lower() == ".dxf")
    jobs += [("malformed", zek, path, common.sampleLabel(samplesDir, path), outDir / "malformed",
              common.outputStem(samplesDir, path)) for path in damaged]
    missing = [name for name in MALFORMED if not (malformedDir / name).is_file()]
    return jobs, missing


def main():
    parser = argparse.ArgumentParser(description="zek round trip over the sample corpus")
    parser.add_argument("zek")
    parser.add_argument("outdir", type=Path)
    parser.add_argument("--samples", type=Path, default=common.DEFAULT_SAMPLES)
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    common.samplesOrExit(args.samples)
    zek = common.zekBinaryOrExit(args.zek).resolve()
    for folder in ("roundtrip", "malformed"):
        (args.outdir / folder).mkdir(parents=True, exist_ok=True)
    jobs, missing = collectJobs(zek, args.samples.resolve(), args.outdir.resolve())

    failed = [f"malformed/{name}" for name in missing]
    for label in failed:
        print(f"FAIL {label}: the file is missing from the samples folder", flush=True)
    loadable = sum(1 for job in jobs if job[0] == "loadable")
    if loadable == 0:
        failed.append("(no loadable samples)")
        print(f"FAIL no loadable drawings in {args.samples}", flush=True)
    passed = 0
    with ProcessPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for label, problems in pool.map(checkSample, jobs):
            if problems:
                failed.append(label)
                print(f"FAIL {label}: " + "; ".join(problems), flush=True)
            else:
                passed += 1
                print(f"PASS {label}", flush=True)
    print(f"corpus round trip: {passed} passed, {len(failed)} failed "
          f"({loadable} loadable, {len(jobs) - loadable} malformed)")
    return 0 if not failed else 1


if __name__ == "__main__":
    sys.exit(main())
