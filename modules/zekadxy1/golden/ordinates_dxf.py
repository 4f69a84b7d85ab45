#!/usr/bin/python3
"""Writes the drawings of the ordinate-editing transcripts.

ordinates.dxf: holes, an arc and an edge of a plate with X and Y ordinate
dimensions (DIMTAD 1 and 0), one on a locked layer and a linear dimension.
crowd.dxf: rows of crowded X and Y ordinate texts for ZEKDA3.
signs.dxf: ordinates measured from (-10,-10) with texts of their own, for
re-basing (ZEKXY7) and resetting (ZEKXY8).

The dimensions carry no display blocks (the host makes them); each files
its text's middle where CAD hosts put it for that leader end: DIMGAP and
half the text's width beyond the leader end along the leader, and with
DIMTAD 1 DIMGAP and half the height to the text's top side (-X for X
ordinates, +Y for Y ordinates). A character is 0.8 of the 2.5 height wide. Run with /usr/bin/python3
(python3-ezdxf) from this folder; it prints each entity's handle, which the
scripts pick by.
"""
import ezdxf

def new_drawing():
    doc = ezdxf.new("R2018", setup=False)
    doc.layers.add("HOLES", color=7)
    doc.layers.add("DIM", color=3)
    locked = doc.layers.add("LOCKED", color=1)
    locked.lock()
    for name, tad in (("TAD1", 1), ("TAD0", 0)):
        style = doc.dimstyles.new(name)
        style.dxf.dimtad = tad
        style.dxf.dimtxt = 2.5
        style.dxf.dimgap = 0.625
        style.dxf.dimasz = 2.5
        style.dxf.dimexo = 0.625
        style.dxf.dimexe = 1.25
        style.dxf.dimscale = 1.0
        style.dxf.dimdec = 2
        style.dxf.dimzin = 0
        style.dxf.dimdsep = ord(".")
    doc.header["$DIMSTYLE"] = "TAD1"
    doc.header["$LUNITS"] = 2
    doc.header["$LUPREC"] = 4
    doc.header["$DIMZIN"] = 0
    return doc

GAP = 0.625
HEIGHT = 2.5

def text_middle(feature, leader_end, measures_x, style, origin, text):
    """Where the text of an ordinate sits for its leader end."""
    axis = 0 if measures_x else 1
    measured = "%.2f" % abs(feature[axis] - origin[axis])
    shown = text.replace("<>", measured) if text else measured
    half_width = len(shown) * 0.8 * HEIGHT / 2
    beside = GAP + HEIGHT / 2 if style == "TAD1" else 0.0
    if measures_x:
        towards = 1 if leader_end[1] >= feature[1] else -1
        return (leader_end[0] - beside, leader_end[1] + towards * (GAP + half_width), 0)
    towards = 1 if leader_end[0] >= feature[0] else -1
    return (leader_end[0] + towards * (GAP + half_width), leader_end[1] + beside, 0)

def ordinate(msp, feature, leader_end, measures_x, style, layer="DIM", origin=(0, 0), text=""):
    dimtype = 6 | (64 if measures_x else 0)
    return msp.new_entity("DIMENSION", dict(
        dimstyle=style, dimtype=dimtype, layer=layer,
        defpoint=origin + (0,), defpoint2=feature + (0,), defpoint3=leader_end + (0,),
        text_midpoint=text_middle(feature, leader_end, measures_x, style, origin, text),
        text=text))

def linear(msp, first, second, line_y, layer="DIM", text=""):
    return msp.new_entity("DIMENSION", dict(
        dimstyle="TAD1", dimtype=0, layer=layer, angle=0.0,
        defpoint=(second[0], line_y, 0), defpoint2=first + (0,), defpoint3=second + (0,),
        text_midpoint=((first[0] + second[0]) / 2, line_y, 0), text=text))

def report(name, entity):
    print(f"{entity.dxf.handle:>4}  {name}")

def ordinates():
    doc = new_drawing()
    msp = doc.modelspace()
    report("line (0,0)-(80,0)", msp.add_line((0, 0), (80, 0), dxfattribs={"layer": "HOLES"}))
    report("circle (30,20) r5", msp.add_circle((30, 20), 5, dxfattribs={"layer": "HOLES"}))
    report("circle (5,40) r3", msp.add_circle((5, 40), 3, dxfattribs={"layer": "HOLES"}))
    report("arc (60,30) r8", msp.add_arc((60, 30), 8, 0, 180, dxfattribs={"layer": "HOLES"}))
    report("X of (30,20), leader end (30,60), DIMTAD 1",
           ordinate(msp, (30, 20), (30, 60), True, "TAD1"))
    report("X of (5,40), leader end (5,60), DIMTAD 0",
           ordinate(msp, (5, 40), (5, 60), True, "TAD0"))
    report("Y of (30,20), leader end (-20,20), DIMTAD 1",
           ordinate(msp, (30, 20), (-20, 20), False, "TAD1"))
    report("Y of (60,30), leader end (-20,30), DIMTAD 0",
           ordinate(msp, (60, 30), (-20, 30), False, "TAD0"))
    report("X of (60,30), leader end (60,60), DIMTAD 1, locked layer",
           ordinate(msp, (60, 30), (60, 60), True, "TAD1", layer="LOCKED"))
    report("linear (0,0)-(80,0) at y -10", linear(msp, (0, 0), (80, 0), -10))
    report("X of (70,10), leader end (75,60): jogged, DIMTAD 1",
           ordinate(msp, (70, 10), (75, 60), True, "TAD1"))
    doc.saveas("ordinates.dxf")

def crowd():
    doc = new_drawing()
    msp = doc.modelspace()
    for x, y in ((40, 10), (41, 15), (42.5, 10), (43, 20)):
        report(f"X of ({x},{y}), leader end ({x},60)", ordinate(msp, (x, y), (x, 60), True, "TAD1"))
    report("X of (45,10) on the locked layer",
           ordinate(msp, (45, 10), (45, 60), True, "TAD1", layer="LOCKED"))
    for x, y in ((50, 10), (80, 30), (81, 10)):
        report(f"X of ({x},{y}), leader end ({x},60)", ordinate(msp, (x, y), (x, 60), True, "TAD1"))
    for x, y in ((10, 10), (15, 11), (12, 12.5)):
        report(f"Y of ({x},{y}), leader end (-20,{y})", ordinate(msp, (x, y), (-20, y), False, "TAD1"))
    report("linear (0,0)-(80,0) at y -10", linear(msp, (0, 0), (80, 0), -10))
    doc.saveas("crowd.dxf")

def signs():
    doc = new_drawing()
    msp = doc.modelspace()
    zero = (-10, -10)
    report("X of (30,20) from (-10,-10), text \"X=<>\"",
           ordinate(msp, (30, 20), (30, 60), True, "TAD1", origin=zero, text="X=<>"))
    report("X of (5,40) from (-10,-10), locked layer, text \"abc\"",
           ordinate(msp, (5, 40), (5, 60), True, "TAD1", layer="LOCKED", origin=zero, text="abc"))
    report("X of (5,20) from (-10,-10)", ordinate(msp, (5, 20), (5, 70), True, "TAD1", origin=zero))
    report("Y of (30,20) from (-10,-10), text \"abc\"",
           ordinate(msp, (30, 20), (-20, 20), False, "TAD1", origin=zero, text="abc"))
    report("Y of (30,-5) from (-10,-10)", ordinate(msp, (30, -5), (-20, -5), False, "TAD0", origin=zero))
    report("linear (0,0)-(80,0) at y -10, text \"abc\"", linear(msp, (0, 0), (80, 0), -10, text="abc"))
    doc.saveas("signs.dxf")

if __name__ == "__main__":
    print("ordinates.dxf")
    ordinates()
    print("crowd.dxf")
    crowd()
    print("signs.dxf")
    signs()
