// DXF text of HATCH entities for the area shape tests, as "code value"
// lines (see shapes_test_support.h): the head, polyline and edge paths, the
// pattern definition and seed points after the paths.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace zek::render::test {

struct HatchText {
  std::string pattern = "SOLID";
  int solidFlag = 1;
  double elevation = 0.0;
  double normal[3] = {0.0, 0.0, 1.0};
};

inline std::string number(double value) {
  std::ostringstream out;
  out.precision(17);
  out << value;
  return out.str();
}

// The whole entity: head, `count` as the path count, the paths' text, then
// the pattern groups (a line family for a pattern that is not SOLID) and a
// seed point, whose 10/20 groups must not be taken for boundary points.
inline std::string hatchEntity(const HatchText& h, long long count, const std::string& paths) {
  std::ostringstream out;
  out << "0 HATCH\n8 0\n100 AcDbEntity\n100 AcDbHatch\n10 0\n20 0\n30 " << number(h.elevation)
      << "\n210 " << number(h.normal[0]) << "\n220 " << number(h.normal[1]) << "\n230 "
      << number(h.normal[2]) << "\n2 " << h.pattern << "\n70 " << h.solidFlag << "\n71 0\n91 "
      << count << "\n"
      << paths << "75 0\n76 1\n";
  if (h.pattern != "SOLID")
    out << "52 0\n41 1\n77 0\n78 1\n53 45\n43 0\n44 0\n45 -0.5\n46 0.5\n79 0\n";
  out << "98 1\n10 999\n20 -999\n";
  return out.str();
}

struct Vertex {
  double x, y, bulge = 0.0;
};

inline std::string polylinePath(const std::vector<Vertex>& vertices, bool closed = true,
                                int flags = 3) {
  bool bulges = false;
  for (const Vertex& v : vertices)
    bulges = bulges || v.bulge != 0.0;
  std::ostringstream out;
  out << "92 " << (flags | 2) << "\n72 " << (bulges ? 1 : 0) << "\n73 " << (closed ? 1 : 0)
      << "\n93 " << vertices.size() << "\n";
  for (const Vertex& v : vertices) {
    out << "10 " << number(v.x) << "\n20 " << number(v.y) << "\n";
    if (bulges)
      out << "42 " << number(v.bulge) << "\n";
  }
  out << "97 0\n";
  return out.str();
}

inline std::string lineEdge(double x1, double y1, double x2, double y2) {
  return "72 1\n10 " + number(x1) + "\n20 " + number(y1) + "\n11 " + number(x2) + "\n21 " +
         number(y2) + "\n";
}

inline std::string arcEdge(double cx, double cy, double radius, double start, double end,
                           bool counterClockwise) {
  return "72 2\n10 " + number(cx) + "\n20 " + number(cy) + "\n40 " + number(radius) + "\n50 " +
         number(start) + "\n51 " + number(end) + "\n73 " + (counterClockwise ? "1" : "0") + "\n";
}

inline std::string ellipseEdge(double cx, double cy, double majorX, double majorY, double ratio,
                               double start, double end, bool counterClockwise) {
  return "72 3\n10 " + number(cx) + "\n20 " + number(cy) + "\n11 " + number(majorX) + "\n21 " +
         number(majorY) + "\n40 " + number(ratio) + "\n50 " + number(start) + "\n51 " +
         number(end) + "\n73 " + (counterClockwise ? "1" : "0") + "\n";
}

// An edge path of the edges' text; `sources` is the text after the edges
// (the source count and its handles).
inline std::string edgePath(const std::vector<std::string>& edges, const std::string& sources = "97 0\n",
                            int flags = 1) {
  std::string out = "92 " + std::to_string(flags) + "\n93 " + std::to_string(edges.size()) + "\n";
  for (const std::string& edge : edges)
    out += edge;
  return out + sources;
}

}  // namespace zek::render::test
