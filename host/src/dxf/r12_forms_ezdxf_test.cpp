// The R12 copy of a real drawing as ezdxf reads it: POLYLINEs where the
// LWPOLYLINEs were, under the same handles, in model space and every block.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::dxf {
namespace {

// Loads the drawing and its R12 copy: the copy has no entity R12 lacks a
// place for among those with a form; every LWPOLYLINE is a POLYLINE under
// the same handle, with the same vertices and closed flag; model space and
// each block hold as many POLYLINEs as they held polylines, splines,
// leaders and non-circular ellipses.
constexpr const char* kEzdxfCheck = R"(
import sys
from collections import Counter
try:
    import ezdxf
except ImportError:
    sys.exit(77)
source = ezdxf.readfile(sys.argv[1])
copy = ezdxf.readfile(sys.argv[2])
problems = []
def spaces(doc):
    found = {'*MODEL': doc.modelspace()}
    for block in doc.blocks:
        if not block.name.upper().startswith(('*MODEL_SPACE', '*PAPER_SPACE', '$MODEL_SPACE', '$PAPER_SPACE')):
            found[block.name.upper()] = block
    return found
before, after = spaces(source), spaces(copy)
for name, space in before.items():
    kinds = Counter(e.dxftype() for e in space)
    circular = sum(1 for e in space if e.dxftype() == 'ELLIPSE' and abs(e.dxf.ratio - 1.0) <= 1e-9)
    wanted = kinds['POLYLINE'] + kinds['LWPOLYLINE'] + kinds['SPLINE'] + kinds['LEADER'] + kinds['ELLIPSE'] - circular
    if name not in after:
        problems.append('%s: missing from the copy' % name)
        continue
    got = Counter(e.dxftype() for e in after[name])
    for kind in ('LWPOLYLINE', 'MTEXT', 'SPLINE', 'ELLIPSE', 'LEADER'):
        if got[kind]:
            problems.append('%s: %d %s left' % (name, got[kind], kind))
    if got['POLYLINE'] != wanted:
        problems.append('%s: %d POLYLINE, expected %d' % (name, got['POLYLINE'], wanted))
    if got['TEXT'] < kinds['TEXT'] + kinds['MTEXT']:
        problems.append('%s: %d TEXT for %d TEXT and %d MTEXT' % (name, got['TEXT'], kinds['TEXT'], kinds['MTEXT']))
    for lw in (e for e in space if e.dxftype() == 'LWPOLYLINE'):
        twin = copy.entitydb.get(lw.dxf.handle)
        if twin is None or twin.dxftype() != 'POLYLINE':
            problems.append('%s: LWPOLYLINE %s is no POLYLINE' % (name, lw.dxf.handle))
            continue
        points = [(v.dxf.location[0], v.dxf.location[1]) for v in twin.vertices]
        wanted_points = [(p[0], p[1]) for p in lw.get_points('xy')]
        if points != wanted_points or twin.is_closed != lw.closed:
            problems.append('%s: POLYLINE %s differs from its LWPOLYLINE' % (name, lw.dxf.handle))
print('\n'.join(problems))
sys.exit(1 if problems else 0)
)";

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

TEST(R12Ezdxf, SampleDrawingHasPolylinesWhereItsLightweightPolylinesWere) {
  const std::filesystem::path sample =
      std::filesystem::path(ZEK_SAMPLES_DIR) / "r2018-acad-sample-all-entities.dxf";
  const char* python = "/usr/bin/python3";
  if (!std::filesystem::exists(sample) || !std::filesystem::exists(python))
    GTEST_SKIP() << "needs " << sample << " and " << python;
  auto read = readDxfFile(sample.string());
  ASSERT_TRUE(read.ok()) << read.failure().describe();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zek-r12-forms-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path copyPath = folder / "sample-r12.dxf";
  std::vector<std::string> notes;
  DxfWriteOptions options;
  options.version = DxfVersion::R12;
  options.notes = &notes;
  ASSERT_TRUE(writeDxfFile(*read.value(), copyPath.string(), options).ok());
  EXPECT_NE(std::find(notes.begin(), notes.end(), "23 LWPOLYLINE written as POLYLINE for R12"),
            notes.end())
      << "21 lightweight polylines in model space and one in each of two blocks";
  {
    std::ofstream script(folder / "check.py");
    script << kEzdxfCheck;
  }
  const std::string command = std::string(python) + " " + (folder / "check.py").string() + " " +
                              sample.string() + " " + copyPath.string() + " > " +
                              (folder / "out.txt").string() + " 2>&1";
  const int status = std::system(command.c_str());
  const std::string output = readAll(folder / "out.txt");
  std::filesystem::remove_all(folder);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
    GTEST_SKIP() << "ezdxf is not installed for " << python;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
}

}  // namespace
}  // namespace zek::dxf
