// The dxflib peer: a creation adapter that stores every line, circle, arc,
// polyline (with its vertices and bulges), text and layer it is given, and
// writes them back as R2000 with DL_Dxf and DL_WriterA. Benchmarks only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zek::bench {

struct DxflibDrawing;

class DxflibPeer {
public:
  DxflibPeer();
  ~DxflibPeer();
  DxflibPeer(const DxflibPeer&) = delete;
  DxflibPeer& operator=(const DxflibPeer&) = delete;

  // Reads the file, keeping what dxflib hands over; false when it cannot.
  [[nodiscard]] bool read(const std::string& path);
  // Entities kept (lines, circles, arcs, polylines, texts).
  [[nodiscard]] std::uint64_t entityCount() const;
  // Writes layers and entities to `path` as R2000.
  [[nodiscard]] bool write(const std::string& path);

private:
  std::unique_ptr<DxflibDrawing> drawing_;
};

}  // namespace zek::bench
