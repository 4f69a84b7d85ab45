"""The round-trip rules: how ezdxf's view of zek's output must relate to its view of the input.

Plain functions over ezdxf_probe answers and zek's stderr/--stats texts; each answers a
list of problems (empty when the rule holds) or a parsed value, so they are tested
without zek, ezdxf or the corpus.
"""

import re
from collections import Counter

# A report names at most this many differences of one kind, then says how many more.
MAX_LISTED = 4

# $ACADVER each --dxf-version value must write.
VERSION_ACADVER = {"R12": "AC1009", "R2000": "AC1015", "R2004": "AC1018", "R2018": "AC1032"}


def listed(items):
    """Answers items joined for a report line, the tail counted rather than listed."""
    items = list(items)
    shown = ", ".join(items[:MAX_LISTED])
    if len(items) > MAX_LISTED:
        shown += f", and {len(items) - MAX_LISTED} more"
    return shown


def countDifferences(where, before, after):
    """Answers the problems between two {type: count} maps of one space or block."""
    changed = [f"{kind} {before.get(kind, 0)} -> {after.get(kind, 0)}"
               for kind in sorted(set(before) | set(after))
               if before.get(kind, 0) != after.get(kind, 0)]
    return [f"{where}: {listed(changed)}"] if changed else []


def compareModelSpace(inProbe, outProbe):
    """Model space must hold the same number of entities of each type."""
    return countDifferences("model space", inProbe["modelspace"], outProbe["modelspace"])


def comparePaperSpace(inProbe, outProbe):
    """Every paper-space layout must keep its name and its counts by type."""
    before, after = inProbe["paperspace"], outProbe["paperspace"]
    problems = []
    lost = [name for name in before if name not in after]
    added = [name for name in after if name not in before]
    if lost:
        problems.append(f"paper-space layouts lost: {listed(lost)}")
    if added:
        problems.append(f"paper-space layouts added: {listed(added)}")
    for name in before:
        if name in after:
            problems += countDifferences(f"paper space {name!r}", before[name], after[name])
    return problems


def isDimensionBlockName(name):
    """Answers whether a block name is an anonymous dimension display block (*D<n>)."""
    return re.fullmatch(r"\*D\d*", name, re.IGNORECASE) is not None


def compareBlocks(inProbe, outProbe):
    """Every block keeps its name and counts; new blocks only where dimensions lacked one.

    zek writes a display block for each dimension read without a valid one, so the
    output may hold up to that many *D blocks the input did not; any other new block,
    or more new *D blocks than that, is a fault.
    """
    before, after = inProbe["blocks"], outProbe["blocks"]
    problems = []
    lost = [name for name in before if name not in after]
    if lost:
        problems.append(f"blocks lost: {listed(lost)}")
    for name in before:
        if name in after:
            problems += countDifferences(f"block {name!r}", before[name], after[name])
    added = [name for name in after if name not in before]
    strangers = [name for name in added if not isDimensionBlockName(name)]
    if strangers:
        problems.append(f"blocks added: {listed(strangers)}")
    allowed = inProbe.get("dimensions_without_block", 0)
    newDimensionBlocks = len(added) - len(strangers)
    if newDimensionBlocks > allowed:
        problems.append(f"{newDimensionBlocks} *D blocks added for {allowed} dimensions "
                        "that had no display block")
    return problems


def compareDimensionsAndAttribs(inProbe, outProbe):
    """Each DIMENSION keeps its kind, and every ATTRIB survives."""
    problems = countDifferences("dimensions by kind", inProbe["dimensions"],
                                outProbe["dimensions"])
    if inProbe["attribs"] != outProbe["attribs"]:
        problems.append(f"ATTRIB {inProbe['attribs']} -> {outProbe['attribs']}")
    return problems


def compareAudits(inProbe, outProbe):
    """ezdxf's audit of the output reports no error kind, and no more of one, than the input's."""
    before = Counter(code for code, _ in inProbe["audit_errors"])
    after = Counter(code for code, _ in outProbe["audit_errors"])
    problems = []
    for code in sorted(after):
        if after[code] > before[code]:
            message = next(text for c, text in outProbe["audit_errors"] if c == code)
            problems.append(f"audit error {code} x{after[code]} (input x{before[code]}): "
                            f"{message[:120]}")
    return problems


def compareLoading(inProbe, outProbe):
    """Our output must load at least as directly as the input did: no recovery needed."""
    if outProbe["loaded_by"] is None:
        return [f"ezdxf cannot load the output: {outProbe.get('recover_error', '?')}"]
    if inProbe["loaded_by"] == "readfile" and outProbe["loaded_by"] != "readfile":
        return [f"ezdxf.readfile refuses the output: {outProbe.get('readfile_error', '?')}"]
    return []


def compareProbes(inProbe, outProbe):
    """Answers every round-trip problem between the probes of a sample and of zek's copy."""
    problems = compareLoading(inProbe, outProbe)
    if outProbe["loaded_by"] is None:
        return problems
    for rule in (compareModelSpace, comparePaperSpace, compareBlocks,
                 compareDimensionsAndAttribs, compareAudits):
        problems += rule(inProbe, outProbe)
    return problems


WARNING_LINE = re.compile(r"^(?P<file>.+?):(?P<line>\d+): (?P<reason>.+)$")


def warningLines(stderr, fileName):
    """Answers the line numbers zek's diagnostics name in the file called fileName."""
    numbers = []
    for text in stderr.splitlines():
        match = WARNING_LINE.match(text.strip())
        if match and match.group("file").replace("\\", "/").split("/")[-1] == fileName:
            numbers.append(int(match.group("line")))
    return numbers


SECTION_WORDS = ("block", "paper", "layout", "layer", "extent")


def modelSpaceCount(statsText, entityType):
    """Answers how many entities of a type `zek --stats` counts in model space, or None.

    The model-space part starts at a line that begins with "model" (any case) and ends
    at the next line that begins with another part's name (blocks, paper space,
    layouts, layers, extents). A count reads "TYPE 3", "TYPE: 3", "TYPE=3" or "3 TYPE".
    None: the text has no model-space part; 0: the part has no such entity.
    """
    typePattern = re.escape(entityType)
    after = re.compile(rf"(?<![\w$]){typePattern}(?![\w$])\s*[:=]?\s*(\d+)", re.IGNORECASE)
    before = re.compile(rf"(\d+)\s*x?\s+{typePattern}(?![\w$])", re.IGNORECASE)
    inModel = False
    found = None
    for line in statsText.splitlines():
        heading = line.strip().lower()
        if heading.startswith("model"):
            inModel, found = True, found or 0
        elif inModel and any(heading.startswith(word) for word in SECTION_WORDS):
            break
        if inModel:
            # "TYPE 3" is the reading where both fit ("LINE 4 SPLINE 1").
            matches = list(after.finditer(line)) or list(before.finditer(line))
            found += sum(int(match.group(1)) for match in matches)
    return found
