"""Writes outlines.dxf, the drawing of the ZEKBDY2 scripts (run with ezdxf).

  A  rounded rectangle 40 x 20, R5 corners (polyline bulges), layer CUT, colour 1
  B  slot of two lines and two arcs, x 60..90, y 0..10
  C  open polyline (100,0) (120,0) (120,10)
  D  closed bow tie (130,0) (140,10) (140,0) (130,10)
  E  circle of radius 5 about (160,10)
  F  rectangle 10 x 2 from (180,0)
  G  two lines (200,0) (210,0) (210,10), an open chain
  H  40 x 20 from (0,40) drawn clockwise, its top side an arc bowed 4 into it
  I  an L 10 x 8 from (60,40), its inner corner filleted R2 about (66,46)
"""
import math
import sys

import ezdxf

quarter = math.tan(math.pi / 8)
doc = ezdxf.new("R2010")
doc.header["$DIMZIN"] = 0  # LIST shows every decimal
doc.header["$LUPREC"] = 4
doc.layers.add("CUT", color=1)
msp = doc.modelspace()
msp.add_lwpolyline([(5, 0, 0, 0, 0), (35, 0, 0, 0, quarter), (40, 5), (40, 15, 0, 0, quarter),
                    (35, 20), (5, 20, 0, 0, quarter), (0, 15), (0, 5, 0, 0, quarter)],
                   format="xyseb", close=True, dxfattribs={"layer": "CUT"})
msp.add_line((65, 0), (85, 0))
msp.add_line((85, 10), (65, 10))
msp.add_arc((85, 5), 5, -90, 90)
msp.add_arc((65, 5), 5, 90, 270)
msp.add_lwpolyline([(100, 0), (120, 0), (120, 10)])
msp.add_lwpolyline([(130, 0), (140, 10), (140, 0), (130, 10)], close=True)
msp.add_circle((160, 10), 5)
msp.add_lwpolyline([(180, 0), (190, 0), (190, 2), (180, 2)], close=True)
msp.add_line((200, 0), (210, 0))
msp.add_line((210, 0), (210, 10))
msp.add_lwpolyline([(0, 40, 0, 0, 0), (0, 60, 0, 0, 0.2), (40, 60), (40, 40)],
                   format="xyseb", close=True)
msp.add_lwpolyline([(60, 40, 0, 0, 0), (70, 40, 0, 0, 0), (70, 44, 0, 0, 0),
                    (66, 44, 0, 0, -quarter), (64, 46, 0, 0, 0), (64, 48, 0, 0, 0),
                    (60, 48, 0, 0, 0)], format="xyseb", close=True)
doc.saveas(sys.argv[1] if len(sys.argv) > 1 else "outlines.dxf")
