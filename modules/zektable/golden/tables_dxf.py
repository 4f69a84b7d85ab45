#!/usr/bin/python3
"""Small labelled plates for the zektable goldens (run from this folder)."""
import ezdxf

LAYERS = ("OUTLINE", "HOLE-EJECT", "HOLE-EJECT-DIM", "HOLE-CBORE", "HOLE-CBORE-DIM",
          "HOLE-TAP", "THREAD", "HOLE-TAP-DIM", "HOLE-DRILL", "HOLE-DRILL-BACK",
          "HOLE-DRILL-DIM", "HOLE-GUIDE", "HOLE-GUIDE-DIM", "HOLE-DOWEL", "HOLE-DOWEL-DIM",
          "WIRE-CUT", "WIRE-DIM", "SKETCH", "HOLE-TAP-BACK")


def new_plate(width, height, inset=0.0):
    doc = ezdxf.new("R2000")
    doc.header["$DIMZIN"] = 8
    for name in LAYERS:
        doc.layers.add(name)
    doc.layers.get("HOLE-DRILL-BACK").dxf.linetype = "HIDDEN" if "HIDDEN" in doc.linetypes else "Continuous"
    msp = doc.modelspace()
    a, b, c, d = inset, width - inset, inset, height - inset
    msp.add_lwpolyline([(a, c), (b, c), (b, d), (a, d)], close=True,
                       dxfattribs={"layer": "OUTLINE"})
    doc.set_modelspace_vport(height=height * 1.6, center=(width / 2, height / 2))
    return doc, msp


def label(msp, text, x, y, layer, height=3.5):
    msp.add_text(text, height=height, dxfattribs={"layer": layer, "insert": (x, y)})


def hole(msp, x, y, r, layer, code, label_layer, height=3.5, outer=None, thread=None):
    msp.add_circle((x, y), r, dxfattribs={"layer": layer})
    if outer:
        msp.add_circle((x, y), outer, dxfattribs={"layer": layer})
    if thread:
        msp.add_arc((x, y), thread, 0, 270, dxfattribs={"layer": "THREAD"})
    if code:
        label(msp, code, x + 1, y - 1, label_layer, height)


def region():
    # A 200 x 100 plate: ejectors E, counterbores B1, tapped holes C1, a hole
    # drilled from the back G and a hole whose code the notes do not know (Q).
    # The outline lies 0.01 inside (0, 0)-(200, 100), so that the island's
    # region, 0.01 larger than what it holds, is exactly that rectangle.
    doc, msp = new_plate(200, 100, inset=0.01)
    for x in (30, 60, 90, 120):
        hole(msp, x, 30, 3.25, "HOLE-EJECT", "E", "HOLE-EJECT-DIM")
    for x in (30, 80):
        hole(msp, x, 70, 4.5, "HOLE-CBORE", "B1", "HOLE-CBORE-DIM", outer=7)
    for x, y in ((130, 70), (160, 70), (170, 30)):
        hole(msp, x, y, 2.5, "HOLE-TAP", "C1", "HOLE-TAP-DIM", thread=3)
    hole(msp, 150, 45, 3.5, "HOLE-DRILL-BACK", "G", "HOLE-DRILL-DIM")
    hole(msp, 185, 85, 2, "SKETCH", "Q", "SKETCH")
    doc.saveas("region.dxf")


def edges():
    # The cases that do not match: a circle drawn twice, a run of five with one
    # label off its hole (five ejectors), a run of two with one label off, a label with no
    # hole, a lone 300-degree arc and a 200-degree arc, labels of another
    # height, and the guide holes' label layer locked.
    doc, msp = new_plate(240, 120)
    hole(msp, 20, 20, 3, "HOLE-DRILL", "F2", "HOLE-DRILL-DIM")
    msp.add_circle((20.004, 20.003), 3, dxfattribs={"layer": "HOLE-DRILL"})
    for x in (50, 70, 90, 110):
        hole(msp, x, 20, 3.25, "HOLE-EJECT", "E", "HOLE-EJECT-DIM")
    msp.add_circle((130, 20), 3.25, dxfattribs={"layer": "HOLE-EJECT"})
    label(msp, "E", 130, 40, "HOLE-EJECT-DIM")  # 20 above the fifth ejector
    hole(msp, 30, 60, 10, "HOLE-GUIDE", "A1", "HOLE-GUIDE-DIM")
    msp.add_circle((80, 60), 10, dxfattribs={"layer": "HOLE-GUIDE"})
    label(msp, "A1", 80, 80, "HOLE-GUIDE-DIM")  # 20 above its hole: beyond 2 r
    label(msp, "D", 200, 100, "HOLE-DOWEL-DIM")  # no hole near it
    msp.add_arc((140, 60), 4, 0, 300, dxfattribs={"layer": "HOLE-TAP"})
    label(msp, "K1", 141, 59, "HOLE-TAP-DIM")
    msp.add_arc((170, 60), 4, 0, 200, dxfattribs={"layer": "HOLE-TAP"})
    label(msp, "K2", 171, 59, "HOLE-TAP-DIM")
    for x in (200, 215):
        msp.add_circle((x, 30), 2, dxfattribs={"layer": "HOLE-DRILL"})
        label(msp, "X", x + 0.5, 29.5, "HOLE-DRILL-DIM", height=2.5)
    doc.layers.get("HOLE-GUIDE-DIM").lock()
    doc.layers.get("HOLE-GUIDE").lock()
    doc.saveas("edges.dxf")


def three_rows():
    # Three kinds at text height 2.5: dowels D (wire cut), wire start holes W
    # and through holes F2.
    doc, msp = new_plate(120, 60)
    for x in (20, 100):
        hole(msp, x, 45, 5, "HOLE-DOWEL", "D", "HOLE-DOWEL-DIM", height=2.5)
    for x in (40, 60, 80):
        hole(msp, x, 15, 1.5, "WIRE-CUT", "W", "WIRE-DIM", height=2.5)
    for x in (40, 80):
        hole(msp, x, 45, 6, "HOLE-DRILL", "F2", "HOLE-DRILL-DIM", height=2.5)
    doc.saveas("three_rows.dxf")


def sixty_nine():
    # Three kinds at text height 2.5 whose longest note has 12 characters:
    # tapped from the back C1 ("M6 背面攻牙 THRU"), pilot clearances F1 and a
    # cut hole K ("线割 WEDM THRU").
    doc, msp = new_plate(120, 60)
    for x in (20, 100):
        hole(msp, x, 45, 2.5, "HOLE-TAP-BACK", "C1", "HOLE-TAP-DIM", height=2.5)
    for x in (40, 80):
        hole(msp, x, 45, 2.75, "HOLE-DRILL", "F1", "HOLE-DRILL-DIM", height=2.5)
    for x in (40, 80):
        hole(msp, x, 15, 4, "HOLE-DRILL", "K", "HOLE-DRILL-DIM", height=2.5)
    doc.saveas("sixty_nine.dxf")


if __name__ == "__main__":
    region()
    edges()
    three_rows()
    sixty_nine()
