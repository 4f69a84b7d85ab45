// The dimensioned plates as another program reads them: each ordinate
// dimension's *D block, read back by ezdxf from the saved drawing, shows the
// text the host shows, where the host puts it, and a leader from the feature
// to the leader end (with its jog where the text was shifted).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "aced_lisp.h"
#include "db_block.h"
#include "db_dimension.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"
#include "zek/dim_vars.h"
#include "zek/dxf_io.h"

namespace zek {
namespace {

// Reads the drawing and the host's account of each ordinate (handle, shown
// text, text position, defining point, leader end); prints every difference.
constexpr const char* kBlockCheck = R"(
import sys
try:
    import ezdxf
except ImportError:
    sys.exit(77)
doc = ezdxf.readfile(sys.argv[1])
expected = {}
for line in open(sys.argv[2], encoding='utf-8'):
    handle, text, tx, ty, fx, fy, lx, ly = line.rstrip('\n').split('\t')
    expected[handle] = (text, float(tx), float(ty), float(fx), float(fy), float(lx), float(ly))
problems = []
seen = 0
for dim in doc.modelspace().query('DIMENSION'):
    flags = dim.dxf.dimtype
    if flags & 7 != 6:
        continue
    seen += 1
    handle = dim.dxf.handle
    if handle not in expected:
        problems.append('%s: not among the host\'s ordinates' % handle)
        continue
    text, tx, ty, fx, fy, lx, ly = expected[handle]
    block = doc.blocks.get(dim.dxf.geometry)
    if block is None:
        problems.append('%s: no block %s' % (handle, dim.dxf.geometry))
        continue
    mtexts = [e for e in block if e.dxftype() == 'MTEXT']
    if len(mtexts) != 1 or mtexts[0].plain_text() != text:
        problems.append('%s: block text %r, the host shows %r' %
                        (handle, [m.plain_text() for m in mtexts], text))
    elif abs(mtexts[0].dxf.insert[0] - tx) > 1e-6 or abs(mtexts[0].dxf.insert[1] - ty) > 1e-6:
        problems.append('%s: block text at %s, the host at (%g, %g)' %
                        (handle, mtexts[0].dxf.insert, tx, ty))
    lines = [e for e in block if e.dxftype() == 'LINE']
    ends = [(e.dxf.start[0], e.dxf.start[1]) for e in lines] + \
           [(e.dxf.end[0], e.dxf.end[1]) for e in lines]
    def near(x, y, reach):
        return any(abs(px - x) <= reach and abs(py - y) <= reach for px, py in ends)
    # A jog is drawn as three lines, or two when it starts at the feature.
    jogged = abs(fx - lx) > 1e-6 if flags & 64 else abs(fy - ly) > 1e-6
    if len(lines) not in ((2, 3) if jogged else (1,)):
        problems.append('%s: %d leader lines%s' % (handle, len(lines), ' (jogged)' if jogged else ''))
    # The leader starts an extension offset off the feature.
    elif not near(fx, fy, 1.0):
        problems.append('%s: no leader from the feature (%g, %g)' % (handle, fx, fy))
if seen != len(expected):
    problems.append('%d ordinates in the file, %d in the drawing' % (seen, len(expected)))
print('\n'.join(problems[:40]))
sys.exit(1 if problems else 0)
)";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// handle TAB shown text TAB text x, y TAB feature x, y TAB leader end x, y.
std::string hostOrdinates(AcDbDatabase& db) {
  std::ostringstream out;
  out.precision(17);
  AcDbBlockTable* table = nullptr;
  if (db.getBlockTable(table, AcDb::kForRead) != Acad::eOk)
    return {};
  AcDbBlockTableRecord* space = nullptr;
  const bool opened = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead) == Acad::eOk;
  (void)table->close();
  if (!opened)
    return {};
  AcDbBlockTableRecordIterator* it = nullptr;
  if (space->newIterator(it) == Acad::eOk) {
    for (; !it->done(); it->step()) {
      AcDbEntity* entity = nullptr;
      if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk)
        continue;
      if (auto* d = AcDbOrdinateDimension::cast(entity)) {
        char handle[32];
        d->objectId().handle().getIntoAsciiBuffer(handle, sizeof handle);
        const AcGePoint3d t = d->textPosition();
        const AcGePoint3d f = d->definingPoint();
        const AcGePoint3d l = d->leaderEndPoint();
        out << handle << '\t' << d->displayText(dimVarsOf(*d)) << '\t' << t.x << '\t' << t.y
            << '\t' << f.x << '\t' << f.y << '\t' << l.x << '\t' << l.y << '\n';
      }
      (void)entity->close();
    }
    delete it;
  }
  (void)space->close();
  return out.str();
}

TEST(Zekadxy1Interop, SavedDimensionBlocksShowWhatTheHostShows) {
  const char* python = "/usr/bin/python3";
  if (!std::filesystem::exists(python))
    GTEST_SKIP() << "needs " << python;
  unloadAllModules();
  setModuleFolders({ZEK_MODULE_FOLDER});
  test::EditorSession session(readFile(std::string(ZEK_DATA_FOLDER) + "/samples/plates-pair.dxf"));
  ASSERT_EQ(loadModule("zekislands", true), RTNORM);
  ASSERT_EQ(loadModule("zekadxy1", true), RTNORM);
  session.feedScript(readFile(std::string(ZEK_DATA_FOLDER) + "/demo/ordinates.scr"));
  session.run();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zek-adxy1-interop-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string drawing = (folder / "plates.dxf").string();
  ASSERT_TRUE(writeDxfFile(session.db(), drawing).ok());
  const std::string expected = hostOrdinates(session.db());
  unloadAllModules();
  ASSERT_NE(expected.find("+"), std::string::npos) << "the signs of ZEKXY7 are shown";
  std::ofstream(folder / "host.tsv", std::ios::binary) << expected;
  std::ofstream(folder / "check.py") << kBlockCheck;
  const std::string command = std::string(python) + " " + (folder / "check.py").string() + " " +
                              drawing + " " + (folder / "host.tsv").string() + " > " +
                              (folder / "out.txt").string() + " 2>&1";
  const int status = std::system(command.c_str());
  const std::string output = readFile((folder / "out.txt").string());
  std::filesystem::remove_all(folder);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
    GTEST_SKIP() << "ezdxf is not installed for " << python;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
}

}  // namespace
}  // namespace zek
