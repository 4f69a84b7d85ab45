// The entry points for reading and writing whole drawings, and safe saving:
// a temporary file beside the target, flushed and renamed; the previous
// drawing kept as NAME.bak.
#include "zek/dxf_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "db/database_core.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "dxf/tag_sink.h"
#include "dxf/tag_source.h"

namespace fs = std::filesystem;

namespace zek {

Result<std::unique_ptr<AcDbDatabase>> readDxfFile(const std::string& path, const DxfReadOptions& options) {
  auto source = dxf::TagSource::openFile(path);
  if (!source.ok())
    return source.failure();
  auto db = dxf::readDrawing(*source.value(), options);
  if (db.ok())
    db.value()->core().fileName = path;
  return db;
}

Result<std::unique_ptr<AcDbDatabase>> readDxfString(std::string text, const std::string& name,
                                                    const DxfReadOptions& options) {
  auto source = dxf::TagSource::fromString(std::move(text), name);
  return dxf::readDrawing(*source, options);
}

Result<std::string> writeDxfString(AcDbDatabase& db, const DxfWriteOptions& options) {
  std::string out;
  dxf::TagSink sink(out);
  dxf::writeDrawing(db, sink, dxf::outputVersion(db, options.version), options.notes);
  if (!sink.finish())
    return Failure{"", 0, "the drawing could not be written"};
  return out;
}

Status writeDxfFile(AcDbDatabase& db, const std::string& path, const DxfWriteOptions& options) {
  fs::path target(path);
  fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + target.filename().string() + ".zek-XXXXXX")).string();
  int fd = mkstemp(temporary.data());
  if (fd < 0)
    return Failure{path, 0, std::string("cannot write: ") + std::strerror(errno)};
  // The saved drawing gets the permissions of the one it replaces, or those
  // of any new file (0666 less the umask) — not mkstemp's owner-only 0600.
  {
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
      mode = old.st_mode & 07777;
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    (void)::fchmod(fd, mode);
  }
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return Failure{path, 0, std::string("cannot write: ") + std::strerror(errno)};
  }
  bool written;
  {
    dxf::TagSink sink(file);
    dxf::writeDrawing(db, sink, dxf::outputVersion(db, options.version), options.notes);
    written = sink.finish();
  }
  written = std::fflush(file) == 0 && written;
  written = ::fsync(fileno(file)) == 0 && written;
  int saved = errno;
  written = std::fclose(file) == 0 && written;
  if (!written) {
    ::unlink(temporary.c_str());
    return Failure{path, 0, std::string("cannot write: ") + std::strerror(saved ? saved : EIO)};
  }
  // An existing NAME.dxf becomes NAME.bak, as CAD hosts keep backups.
  std::error_code ec;
  if (fs::exists(target, ec)) {
    fs::path backup = target;
    backup.replace_extension(".bak");
    fs::remove(backup, ec);
    if (::link(target.c_str(), backup.c_str()) != 0)
      fs::copy_file(target, backup, fs::copy_options::overwrite_existing, ec);
  }
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temporary.c_str());
    return Failure{path, 0, std::string("cannot write: ") + std::strerror(err)};
  }
  return Done{};
}

std::optional<DxfVersion> parseDxfVersion(const std::string& text) {
  if (strcasecmp(text.c_str(), "R12") == 0) return DxfVersion::R12;
  if (strcasecmp(text.c_str(), "R2000") == 0) return DxfVersion::R2000;
  if (strcasecmp(text.c_str(), "R2004") == 0) return DxfVersion::R2004;
  if (strcasecmp(text.c_str(), "R2018") == 0) return DxfVersion::R2018;
  return std::nullopt;
}

}  // namespace zek
