#!/usr/bin/python3
"""Small plate drawings for the zekadxy1 goldens (run from this folder)."""
import ezdxf


def new_plate(width, height, dimtad=0, layers=("OUTLINE", "HOLE-DRILL", "DIM", "CENTER")):
    doc = ezdxf.new("R2000")
    doc.header["$DIMTAD"] = dimtad
    doc.header["$DIMTXT"] = 2.5
    doc.header["$DIMGAP"] = 0.625
    doc.header["$DIMDEC"] = 2
    doc.header["$DIMDSEP"] = ord(".")
    for name in layers:
        if name not in doc.layers:
            doc.layers.add(name)
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (width, 0), (width, height), (0, height)], close=True,
                       dxfattribs={"layer": "OUTLINE"})
    doc.set_modelspace_vport(height=height * 1.6, center=(width / 2, height / 2))
    return doc, msp


def column():
    # Three holes on one vertical line, 30 apart, and one hole beside them.
    doc, msp = new_plate(120, 120)
    for y in (30, 60, 90):
        msp.add_circle((60, y), 3, dxfattribs={"layer": "HOLE-DRILL"})
    msp.add_circle((25, 45), 4, dxfattribs={"layer": "HOLE-DRILL"})
    doc.saveas("column.dxf")


def layers():
    # Circles on a wire-cut layer (tens digit 1), a milling layer and a layer
    # the layer codes do not list; blocks named ZEK (no hole) and ZEKH (a hole).
    doc, msp = new_plate(100, 60, layers=("OUTLINE", "WIRE-CUT", "HOLE-DRILL", "SKETCH",
                                          "WIRE-DIM", "DIM"))
    doc.header["$DIMZIN"] = 8
    msp.add_circle((20.1234, 15.5678), 2, dxfattribs={"layer": "WIRE-CUT"})
    msp.add_circle((45.25, 40.125), 2, dxfattribs={"layer": "HOLE-DRILL"})
    msp.add_circle((75.5, 25.754), 2, dxfattribs={"layer": "SKETCH"})
    for name in ("ZEK", "ZEKH"):
        block = doc.blocks.new(name)
        block.add_circle((0, 0), 1.5)
    msp.add_blockref("ZEK", (30, 30), dxfattribs={"layer": "HOLE-DRILL"})
    msp.add_blockref("ZEKH", (85, 50), dxfattribs={"layer": "HOLE-DRILL"})
    doc.saveas("layers.dxf")


def text_above():
    # DIMTAD 1: texts above their leaders; a pocket for ZEKXY6's profiles.
    doc, msp = new_plate(160, 100, dimtad=1, layers=("OUTLINE", "HOLE-DRILL", "MILL-FRONT",
                                                     "DIM"))
    for x, y in ((30, 25), (30, 75), (130, 25), (130, 75)):
        msp.add_circle((x, y), 5, dxfattribs={"layer": "HOLE-DRILL"})
    pocket = [(60, 35), (100, 35), (100, 65), (60, 65)]
    for a, b in zip(pocket, pocket[1:] + pocket[:1]):
        msp.add_line(a, b, dxfattribs={"layer": "MILL-FRONT"})
    msp.add_arc((80, 50), 8, 0, 180, dxfattribs={"layer": "MILL-FRONT"})
    doc.saveas("text_above.dxf")


def chained():
    # An outline of lines and arcs (rounded corners), no polyline.
    doc = ezdxf.new("R2000")
    doc.header["$DIMDEC"] = 2
    doc.header["$DIMDSEP"] = ord(".")
    doc.layers.add("OUTLINE")
    doc.layers.add("HOLE-DRILL")
    msp = doc.modelspace()
    r = 10
    w, h = 140, 90
    attribs = {"layer": "OUTLINE"}
    msp.add_line((r, 0), (w - r, 0), dxfattribs=attribs)
    msp.add_line((w, r), (w, h - r), dxfattribs=attribs)
    msp.add_line((w - r, h), (r, h), dxfattribs=attribs)
    msp.add_line((0, h - r), (0, r), dxfattribs=attribs)
    msp.add_arc((w - r, r), r, 270, 360, dxfattribs=attribs)
    msp.add_arc((w - r, h - r), r, 0, 90, dxfattribs=attribs)
    msp.add_arc((r, h - r), r, 90, 180, dxfattribs=attribs)
    msp.add_arc((r, r), r, 180, 270, dxfattribs=attribs)
    msp.add_circle((70, 45), 12, dxfattribs={"layer": "HOLE-DRILL"})
    doc.set_modelspace_vport(height=150, center=(70, 45))
    doc.saveas("chained.dxf")


column()
layers()
text_above()
chained()
