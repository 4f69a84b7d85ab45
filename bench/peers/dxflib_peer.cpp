// dxflib reading into stored entities and writing them back.
#include "dxflib_peer.h"

#include <cstdio>
#include <vector>

#include "dl_creationadapter.h"
#include "dl_dxf.h"

namespace zek::bench {

template <typename Data>
struct Stored {
  Data data;
  DL_Attributes attributes;
};

struct StoredPolyline {
  DL_PolylineData data;
  DL_Attributes attributes;
  std::vector<DL_VertexData> vertices;
};

struct DxflibDrawing {
  std::vector<DL_LayerData> layers;
  std::vector<DL_Attributes> layerAttributes;
  std::vector<Stored<DL_LineData>> lines;
  std::vector<Stored<DL_CircleData>> circles;
  std::vector<Stored<DL_ArcData>> arcs;
  std::vector<StoredPolyline> polylines;
  std::vector<Stored<DL_TextData>> texts;
};

namespace {

class StoringAdapter : public DL_CreationAdapter {
public:
  explicit StoringAdapter(DxflibDrawing& drawing) : d_(drawing) {}

  void addLayer(const DL_LayerData& data) override {
    d_.layers.push_back(data);
    d_.layerAttributes.push_back(getAttributes());
  }
  void addLine(const DL_LineData& data) override { d_.lines.push_back({data, getAttributes()}); }
  void addCircle(const DL_CircleData& data) override {
    d_.circles.push_back({data, getAttributes()});
  }
  void addArc(const DL_ArcData& data) override { d_.arcs.push_back({data, getAttributes()}); }
  void addPolyline(const DL_PolylineData& data) override {
    d_.polylines.push_back({data, getAttributes(), {}});
    d_.polylines.back().vertices.reserve(data.number);
  }
  void addVertex(const DL_VertexData& data) override {
    if (!d_.polylines.empty())
      d_.polylines.back().vertices.push_back(data);
  }
  void addText(const DL_TextData& data) override { d_.texts.push_back({data, getAttributes()}); }

private:
  DxflibDrawing& d_;
};

void writeTables(DL_Dxf& dxf, DL_WriterA& dw, const DxflibDrawing& d) {
  dw.sectionTables();
  dxf.writeVPort(dw);
  dw.tableLinetypes(3);
  dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
  dw.tableEnd();
  dw.tableLayers(static_cast<int>(d.layers.size()));
  for (std::size_t i = 0; i < d.layers.size(); ++i)
    dxf.writeLayer(dw, d.layers[i], d.layerAttributes[i]);
  dw.tableEnd();
  dw.tableStyle(1);
  dxf.writeStyle(dw, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  dw.tableEnd();
  dxf.writeView(dw);
  dxf.writeUcs(dw);
  dw.tableAppid(1);
  dxf.writeAppid(dw, "ACAD");
  dw.tableEnd();
  dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
  dxf.writeBlockRecord(dw);
  dw.tableEnd();
  dw.sectionEnd();
}

void writeEntities(DL_Dxf& dxf, DL_WriterA& dw, const DxflibDrawing& d) {
  dw.sectionEntities();
  for (const auto& e : d.lines)
    dxf.writeLine(dw, e.data, e.attributes);
  for (const auto& e : d.circles)
    dxf.writeCircle(dw, e.data, e.attributes);
  for (const auto& e : d.arcs)
    dxf.writeArc(dw, e.data, e.attributes);
  for (const auto& e : d.polylines) {
    DL_PolylineData data = e.data;
    data.number = static_cast<unsigned int>(e.vertices.size());
    dxf.writePolyline(dw, data, e.attributes);
    for (const DL_VertexData& v : e.vertices)
      dxf.writeVertex(dw, v);
    dxf.writePolylineEnd(dw);
  }
  for (const auto& e : d.texts)
    dxf.writeText(dw, e.data, e.attributes);
  dw.sectionEnd();
}

}  // namespace

DxflibPeer::DxflibPeer() = default;
DxflibPeer::~DxflibPeer() = default;

bool DxflibPeer::read(const std::string& path) {
  drawing_ = std::make_unique<DxflibDrawing>();
  StoringAdapter adapter(*drawing_);
  DL_Dxf dxf;
  return dxf.in(path, &adapter);
}

std::uint64_t DxflibPeer::entityCount() const {
  if (!drawing_)
    return 0;
  const DxflibDrawing& d = *drawing_;
  return d.lines.size() + d.circles.size() + d.arcs.size() + d.polylines.size() + d.texts.size();
}

bool DxflibPeer::write(const std::string& path) {
  if (!drawing_)
    return false;
  DL_Dxf dxf;
  DL_WriterA* dw = dxf.out(path.c_str(), DL_Codes::AC1015);
  if (!dw)
    return false;
  std::unique_ptr<DL_WriterA> writer(dw);
  dxf.writeHeader(*writer);
  writer->sectionEnd();
  writeTables(dxf, *writer, *drawing_);
  writer->sectionBlocks();
  dxf.writeBlock(*writer, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
  dxf.writeEndBlock(*writer, "*Model_Space");
  dxf.writeBlock(*writer, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
  dxf.writeEndBlock(*writer, "*Paper_Space");
  writer->sectionEnd();
  writeEntities(dxf, *writer, *drawing_);
  dxf.writeObjects(*writer);
  dxf.writeObjectsEnd(*writer);
  writer->dxfEOF();
  writer->close();
  return true;
}

}  // namespace zek::bench
