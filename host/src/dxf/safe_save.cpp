// Safe saving (see safe_save.h for the steps and what each failure leaves).
#include "dxf/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "dxf/dxf_writer.h"
#include "dxf/tag_sink.h"

namespace fs = std::filesystem;

namespace zek::dxf {
namespace {

class SystemFileSystem final : public SaveFileSystem {
public:
  int makeTemporary(std::string& pathTemplate) override { return ::mkstemp(pathTemplate.data()); }
  std::FILE* openStream(int descriptor) override { return ::fdopen(descriptor, "wb"); }
  bool write(std::FILE* stream, std::string_view bytes) override {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  }
  bool flush(std::FILE* stream) override { return std::fflush(stream) == 0; }
  bool sync(std::FILE* stream) override { return ::fsync(::fileno(stream)) == 0; }
  bool close(std::FILE* stream) override { return std::fclose(stream) == 0; }
  bool link(const std::string& existing, const std::string& newName) override {
    return ::link(existing.c_str(), newName.c_str()) == 0;
  }
  bool copy(const std::string& from, const std::string& to) override {
    std::error_code ec;
    if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec))
      return true;
    errno = ec.value() != 0 ? ec.value() : EIO;
    return false;
  }
  bool rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
  bool syncFolder(const std::string& folder) override {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
      return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
  }
  void remove(const std::string& path) override { ::unlink(path.c_str()); }
};

// The permissions of the drawing being replaced, or those of any new file
// (0666 less the umask), not mkstemp's owner-only 0600.
mode_t permissionsFor(const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0)
    return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

Failure cannotWrite(const std::string& path, int error) {
  return Failure{path, 0, std::string("cannot write: ") + std::strerror(error != 0 ? error : EIO)};
}

// Writes the drawing into the open temporary stream and closes it; answers
// 0 or the first error.
int writeAndClose(AcDbDatabase& db, std::FILE* stream, const DxfWriteOptions& options,
                  SaveFileSystem& files) {
  int error = 0;
  {
    TagSink sink([&](std::string_view bytes) {
      if (files.write(stream, bytes))
        return true;
      error = errno;
      return false;
    });
    writeDrawing(db, sink, outputVersion(db, options.version), options.notes);
    if (!sink.finish() && error == 0)
      error = EIO;
  }
  if (error == 0 && !files.flush(stream))
    error = errno;
  if (error == 0 && !files.sync(stream))
    error = errno;
  if (!files.close(stream) && error == 0)
    error = errno;
  return error;
}

// Gives the existing target the name NAME.bak: a second name made beside it
// and renamed over the old backup, so that a failure leaves that backup whole.
int keepBackup(const fs::path& target, const std::string& temporary, SaveFileSystem& files) {
  fs::path backup = target;
  backup.replace_extension(".bak");
  const std::string second = temporary + "-bak";
  if (!files.link(target.string(), second) && !files.copy(target.string(), second)) {
    const int error = errno;
    files.remove(second);
    return error != 0 ? error : EIO;
  }
  const bool renamed = files.rename(second, backup.string());
  const int error = errno;
  // A backup that already is a name of the target (a save whose last rename
  // failed made it so) is left as it is by the rename, with the second name.
  files.remove(second);
  return renamed ? 0 : (error != 0 ? error : EIO);
}

}  // namespace

SaveFileSystem& systemFileSystem() {
  static SystemFileSystem files;
  return files;
}

Status saveDrawing(AcDbDatabase& db, const std::string& path, const DxfWriteOptions& options,
                   SaveFileSystem& files) {
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + target.filename().string() + ".zek-XXXXXX")).string();
  const int descriptor = files.makeTemporary(temporary);
  if (descriptor < 0)
    return cannotWrite(path, errno);
  (void)::fchmod(descriptor, permissionsFor(target));  // a refusal keeps 0600: still saved
  std::FILE* stream = files.openStream(descriptor);
  if (stream == nullptr) {
    const int error = errno;
    ::close(descriptor);
    files.remove(temporary);
    return cannotWrite(path, error);
  }
  if (const int error = writeAndClose(db, stream, options, files); error != 0) {
    files.remove(temporary);
    return cannotWrite(path, error);
  }
  std::error_code ec;
  if (fs::exists(target, ec)) {
    if (const int error = keepBackup(target, temporary, files); error != 0) {
      files.remove(temporary);
      return Failure{path, 0,
                     std::string("cannot keep the previous drawing as a backup: ") +
                         std::strerror(error)};
    }
  }
  if (!files.rename(temporary, path)) {
    const int error = errno;
    files.remove(temporary);
    return cannotWrite(path, error);
  }
  (void)files.syncFolder(folder.string());  // the drawing is in place already
  return Done{};
}

}  // namespace zek::dxf
