// The libdime peer: a dimeModel that stores every entity of the file, read
// with dimeInput and written back with dimeOutput. Benchmarks only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class dimeModel;

namespace zek::bench {

class DimePeer {
public:
  DimePeer();
  ~DimePeer();
  DimePeer(const DimePeer&) = delete;
  DimePeer& operator=(const DimePeer&) = delete;

  // Reads the whole file into the model; false when libdime refuses it.
  [[nodiscard]] bool read(const std::string& path);
  // Entities of the ENTITIES section (model and paper space).
  [[nodiscard]] std::uint64_t entityCount() const;
  // Writes the model to `path`; false when the file cannot be written.
  [[nodiscard]] bool write(const std::string& path);

private:
  std::unique_ptr<dimeModel> model_;
};

}  // namespace zek::bench
