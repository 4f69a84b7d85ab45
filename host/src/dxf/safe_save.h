// Safe saving: the file-system steps of writing a drawing over an existing
// file, each one call of `SaveFileSystem`, so that a test can make any single
// step fail (disk full, permission denied, a rename refused) and check that
// the previous drawing and its backup survive.
//
// The steps, in order:
//   1. make a temporary file beside the target     (makeTemporary)
//   2. open it as a stream                          (openStream)
//   3. write the drawing in buffered pieces         (write, once per piece)
//   4. flush, sync and close it                     (flush, sync, close)
//   5. when the target exists, keep it as NAME.bak: a second name for the
//      target beside it (link, or copy where links are refused), renamed over
//      NAME.bak                                     (link / copy, rename)
//   6. rename the temporary file over the target    (rename)
//   7. sync the folder, so the new name is on disk  (syncFolder)
// A failure in steps 1 to 6 removes what the save made and answers the
// error; the target is then as it was, and NAME.bak is either as it was
// (failure before step 5 ends) or the previous drawing (failure in step 6).
// Step 7 comes after the drawing is in place: its failure is not reported,
// since the save cannot be taken back and the data is written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "zek/dxf_io.h"

namespace zek::dxf {

class SaveFileSystem {
public:
  virtual ~SaveFileSystem() = default;
  // Each answers false (or -1, or null) with errno set when it fails.
  // `pathTemplate` ends in "XXXXXX", replaced by the name made (mkstemp).
  virtual int makeTemporary(std::string& pathTemplate) = 0;
  virtual std::FILE* openStream(int descriptor) = 0;
  virtual bool write(std::FILE* stream, std::string_view bytes) = 0;
  virtual bool flush(std::FILE* stream) = 0;
  virtual bool sync(std::FILE* stream) = 0;
  // Closes the stream whatever it answers.
  virtual bool close(std::FILE* stream) = 0;
  virtual bool link(const std::string& existing, const std::string& newName) = 0;
  virtual bool copy(const std::string& from, const std::string& to) = 0;
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  virtual bool syncFolder(const std::string& folder) = 0;
  // Clean-up of what a failed save made; never fails the save.
  virtual void remove(const std::string& path) = 0;
};

// The operating system's file calls.
SaveFileSystem& systemFileSystem();

// writeDxfFile through the given file system.
Status saveDrawing(AcDbDatabase& db, const std::string& path, const DxfWriteOptions& options,
                   SaveFileSystem& files);

}  // namespace zek::dxf
