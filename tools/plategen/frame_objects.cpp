// OBJECTS of generated drawings: dictionaries, the Model and Layout1 layouts
// and the "Normal" plot style every layer refers to.
#include "frame_objects.h"

#include "drawing_frame.h"

namespace zek::plategen {

namespace {

struct Entry {
  const char* name;
  std::uint64_t handle;
};

void beginDictionary(DxfTextWriter& out, const char* type, std::uint64_t handle,
                     std::uint64_t owner) {
  out.text(0, type);
  out.handle(5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbDictionary");
  out.integer(281, 1);
}

void entries(DxfTextWriter& out, std::initializer_list<Entry> list) {
  for (const Entry& e : list) {
    out.text(3, e.name);
    out.handle(350, e.handle);
  }
}

// A layout on an A3 sheet (420 x 297 mm); `flags` 1 for Model, which also
// carries the plot-settings flags of a model layout.
void writeLayout(DxfTextWriter& out, std::uint64_t handle, const char* name, int plotFlags,
                 int tabOrder, std::uint64_t blockRecord) {
  out.text(0, "LAYOUT");
  out.handle(5, handle);
  out.handle(330, frame::kLayoutDictionary);
  out.text(100, "AcDbPlotSettings");
  out.text(1, "");
  out.text(2, "none_device");
  out.text(4, "ISO_A3_(420.00_x_297.00_MM)");
  out.text(6, "");
  out.real(40, 7.5);
  out.real(41, 20.0);
  out.real(42, 7.5);
  out.real(43, 20.0);
  out.real(44, 420.0);
  out.real(45, 297.0);
  out.real(46, 0.0);
  out.real(47, 0.0);
  out.real(48, 0.0);
  out.real(49, 0.0);
  out.real(140, 0.0);
  out.real(141, 0.0);
  out.real(142, 1.0);
  out.real(143, 1.0);
  out.integer(70, plotFlags);
  out.integer(72, 1);
  out.integer(73, 1);
  out.integer(74, 5);
  out.text(7, "");
  out.integer(75, 16);
  out.integer(76, 0);
  out.integer(77, 2);
  out.integer(78, 300);
  out.real(147, 1.0);
  out.real(148, 0.0);
  out.real(149, 0.0);
  out.text(100, "AcDbLayout");
  out.text(1, name);
  out.integer(70, 1);
  out.integer(71, tabOrder);
  out.point2(10, 0.0, 0.0);
  out.point2(11, 420.0, 297.0);
  out.point(12, 0.0, 0.0, 0.0);
  out.point(14, 1e20, 1e20, 1e20);
  out.point(15, -1e20, -1e20, -1e20);
  out.real(146, 0.0);
  out.point(13, 0.0, 0.0, 0.0);
  out.point(16, 1.0, 0.0, 0.0);
  out.point(17, 0.0, 1.0, 0.0);
  out.integer(76, 1);
  out.handle(330, blockRecord);
}

}  // namespace

void writeObjects(DxfTextWriter& out) {
  out.text(0, "SECTION");
  out.text(2, "OBJECTS");
  beginDictionary(out, "DICTIONARY", frame::kRootDictionary, 0);
  entries(out, {{"ACAD_GROUP", frame::kGroupDictionary},
                {"ACAD_LAYOUT", frame::kLayoutDictionary},
                {"ACAD_PLOTSTYLENAME", frame::kPlotStyleDictionary}});
  beginDictionary(out, "DICTIONARY", frame::kGroupDictionary, frame::kRootDictionary);
  beginDictionary(out, "DICTIONARY", frame::kLayoutDictionary, frame::kRootDictionary);
  entries(out, {{"Layout1", frame::kPaperLayout}, {"Model", frame::kModelLayout}});
  beginDictionary(out, "ACDBDICTIONARYWDFLT", frame::kPlotStyleDictionary,
                  frame::kRootDictionary);
  entries(out, {{"Normal", frame::kNormalPlotStyle}});
  out.text(100, "AcDbDictionaryWithDefault");
  out.handle(340, frame::kNormalPlotStyle);
  out.text(0, "ACDBPLACEHOLDER");
  out.handle(5, frame::kNormalPlotStyle);
  out.handle(330, frame::kPlotStyleDictionary);
  writeLayout(out, frame::kModelLayout, "Model", 1024, 0, frame::kModelSpaceRecord);
  writeLayout(out, frame::kPaperLayout, "Layout1", 0, 1, frame::kPaperSpaceRecord);
  out.text(0, "ENDSEC");
}

}  // namespace zek::plategen
