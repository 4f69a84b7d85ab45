#!/usr/bin/python3
"""Describes how ezdxf sees one DXF drawing, as JSON: loader, version, entity counts, audit.

Usage: /usr/bin/python3 ezdxf_probe.py DRAWING.dxf

Counts are taken before ezdxf's audit, so entities the audit would delete (dimensions
without a display block, for example) are still counted. Model space, each paper-space
layout (by layout name) and each block definition (by block name, anonymous *D/*U/*T/*X
blocks included) are counted by entity type. Exit status 0 when ezdxf loaded the file
(by readfile or, failing that, by recover), 1 when it could not.
"""

import json
import logging
import sys
from collections import Counter

import ezdxf
from ezdxf import recover
from ezdxf.render.arrows import ARROWS

# ezdxf reports its own repairs through its logger; the counts below say what matters,
# and the chatter would bury the report lines of the scripts that use this probe.
logging.getLogger("ezdxf").addHandler(logging.NullHandler())

# The DIMENSION kind lives in the low bits of group 70; the higher bits are flags.
DIMENSION_KINDS = {
    0: "linear",
    1: "aligned",
    2: "angular",
    3: "diameter",
    4: "radius",
    5: "angular3p",
    6: "ordinate",
    8: "arc",
}

# ezdxf loads R13 and R14 files as R2000 and then adds every standard arrow block
# (_ARCHTICK, _DOT, ...) that the file lacks. Those blocks are not in the drawing.
UPGRADED_VERSIONS = ("AC1012", "AC1014")
ARROW_BLOCK_NAMES = {ARROWS.block_name(name).upper() for name in ARROWS.__acad__}


def scanTags(path):
    """Answers (acadver, block names) as an ASCII file writes them, or None for binary.

    ezdxf fills in a version for files without one and adds blocks to older files,
    so its document cannot tell what the file itself holds; this reads the tags up to
    the ENTITIES section. acadver is None when no $ACADVER is written; block names
    are upper case, as names compare without regard to case.
    """
    with open(path, "rb") as stream:
        head = stream.read(22)
        if head[7:] == b" Binary DXF\r\n\x1a\x00":  # the binary format's fixed header
            return None
        stream.seek(0)
        acadver = None
        blockNames = set()
        wantVersion = False
        inBlockHeader = False
        lines = iter(stream)
        for codeLine in lines:
            code, value = codeLine.strip(), next(lines, b"").strip()
            if wantVersion:
                acadver = value.decode("latin-1")
            wantVersion = code == b"9" and value == b"$ACADVER"
            if code == b"0":
                inBlockHeader = value == b"BLOCK"
            elif code == b"2" and inBlockHeader:
                blockNames.add(value.decode("latin-1").upper())
                inBlockHeader = False
            elif code == b"2" and value == b"ENTITIES":
                break
        return acadver, blockNames


def countTypes(entities):
    """Answers {entity type: count} of an iterable of ezdxf entities."""
    return dict(sorted(Counter(entity.dxftype() for entity in entities).items()))


def loadDrawing(path):
    """Loads with readfile, or with recover when readfile refuses the file.

    Answers (doc, how, notes) where how is "readfile", "recover" or None (not loaded)
    and notes holds the readfile failure and the recover auditor's findings.
    """
    notes = {}
    try:
        return ezdxf.readfile(path), "readfile", notes
    except Exception as failure:  # any refusal: structure, encoding, I/O
        notes["readfile_error"] = f"{type(failure).__name__}: {failure}"
    try:
        doc, auditor = recover.readfile(path)
    except Exception as failure:
        notes["recover_error"] = f"{type(failure).__name__}: {failure}"
        return None, None, notes
    notes["recover_errors"] = len(auditor.errors)
    notes["recover_fixes"] = len(auditor.fixes)
    return doc, "recover", notes


def isAddedByEzdxf(block, written):
    """Answers whether ezdxf made this block up while loading an R13/R14 file."""
    acadver, blockNames = written
    name = block.name.upper()
    return (acadver in UPGRADED_VERSIONS and name in ARROW_BLOCK_NAMES
            and name not in blockNames)


def describeDrawing(doc, written):
    """Answers the counts of a loaded drawing; call it before any audit.

    written is scanTags' answer for the file (None for a binary file).
    """
    paperspace = {}
    for name in doc.layouts.names_in_taborder():
        if name != "Model":
            paperspace[name] = countTypes(doc.layouts.get(name))
    blocks = {}
    for block in doc.blocks:
        if block.block_record.is_any_layout:
            continue
        if written is None or not isAddedByEzdxf(block, written):
            blocks[block.name] = countTypes(block)
    dimensions = Counter()
    withoutBlock = 0
    attribs = 0
    for entity in doc.entitydb.values():
        kind = entity.dxftype()
        if kind == "DIMENSION":
            code = entity.dxf.get("dimtype", 0) & 15
            dimensions[DIMENSION_KINDS.get(code, f"dimtype {code}")] += 1
            geometry = entity.dxf.get("geometry")
            if not geometry or geometry not in doc.blocks:
                withoutBlock += 1
        elif kind == "ATTRIB":
            attribs += 1
    return {
        "modelspace": countTypes(doc.modelspace()),
        "paperspace": paperspace,
        "blocks": blocks,
        "dimensions": dict(sorted(dimensions.items())),
        "dimensions_without_block": withoutBlock,
        "attribs": attribs,
    }


def probe(path):
    """Answers the whole description of one file as a dict ("loaded_by" None: not loaded)."""
    doc, how, notes = loadDrawing(path)
    result = {"file": str(path), "loaded_by": how}
    result.update(notes)
    if doc is None:
        return result
    written = scanTags(path)
    result["acadver"] = doc.header.get("$ACADVER") if written is None else written[0]
    result["dxfversion"] = doc.dxfversion
    result.update(describeDrawing(doc, written))
    auditor = doc.audit()
    result["audit_errors"] = [[int(error.code), error.message] for error in auditor.errors]
    result["audit_fixes"] = len(auditor.fixes)
    return result


def main(argv):
    if len(argv) != 2:
        print("usage: ezdxf_probe.py DRAWING.dxf", file=sys.stderr)
        return 2
    result = probe(argv[1])
    print(json.dumps(result, indent=1, sort_keys=True))
    return 0 if result["loaded_by"] else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
