"""Writes polylines.dxf for polylines.scr (run with a Python that has ezdxf).

A closed 40 x 30 outline with 5 x 5 chamfers whose upper right chamfer is an
arc (bulge 0.3, so no chamfer), vertex 0 at (5,0) so that the closing segment
(0,5)-(5,0) is a chamfer; and an open polyline whose one diagonal segment is
(60,0)-(65,5) and whose missing closing segment (65,15)-(50,0) is diagonal.
"""
import ezdxf

doc = ezdxf.new("R2000")
space = doc.modelspace()
outline = [(5, 0, 0, 0, 0), (35, 0, 0, 0, 0), (40, 5, 0, 0, 0), (40, 25, 0, 0, 0.3),
           (35, 30, 0, 0, 0), (5, 30, 0, 0, 0), (0, 25, 0, 0, 0), (0, 5, 0, 0, 0)]
space.add_lwpolyline(outline, format="xyseb", close=True)
space.add_lwpolyline([(50, 0), (60, 0), (65, 5), (65, 15)], close=False)
doc.saveas("polylines.dxf")
