// Resource instances and the dialog resources a module carries as data. Each
// loaded module has a resource instance (HINSTANCE); a command registered with
// it, or code inside a CAcModuleResourceOverride, finds that module's
// dialogs when a dialog opens by its resource id.
#pragma once

struct HINSTANCE__ {
  int unused;
};
using HINSTANCE = HINSTANCE__*;
struct HWND__ {
  int unused;
};
using HWND = HWND__*;

// What a control of a dialog resource is.
enum class ZekControlKind {
  StaticText,
  EditBox,
  Button,         // a push button
  DefaultButton,  // the push button Enter presses
  CheckBox,
  RadioButton,
  ListBox,
  ComboBox,       // a drop-down list
  GroupBox,
  Picture,        // a picture the dialog draws (no input)
};

// One stroke of a Picture control's drawing, in dialog units from the
// control's top-left corner, y growing downwards as on the screen.
enum class ZekPictureStrokeKind {
  Line,  // from (x1, y1) to (x2, y2)
  Arc,   // centre (x1, y1), radius, from startAngle to endAngle (degrees,
         // counter-clockwise as seen on the screen, 0 pointing right)
  Text,  // text with its lower-left corner at (x1, y1)
};

struct ZekPictureStroke {
  ZekPictureStrokeKind kind;
  double x1, y1, x2, y2;
  double radius, startAngle, endAngle;
  const char* text;  // UTF-8, Text strokes only
};

// The drawing of a Picture control (the construction a settings dialog
// explains), drawn anew from strokes instead of a bitmap.
struct ZekPicture {
  const ZekPictureStroke* strokes;
  int strokeCount;
};

// Control ids with a meaning of their own: the buttons that end a dialog with
// its answer (Enter presses IDOK, Esc IDCANCEL), and the id of controls a
// module never addresses (labels, frames).
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

// One control as the module describes it: id, kind, text, rectangle in
// dialog units and style bits of its own kind (ZEK_STYLE_...).
struct ZekControlResource {
  int id;
  ZekControlKind kind;
  const char* text;  // UTF-8; "" for none
  int x, y, width, height;
  unsigned style;
  const ZekPicture* picture = nullptr;  // Picture controls: what they draw
};

// Style bits.
constexpr unsigned ZEK_STYLE_GROUP = 0x1;      // a radio button that starts a group
constexpr unsigned ZEK_STYLE_DISABLED = 0x2;   // starts disabled
constexpr unsigned ZEK_STYLE_READONLY = 0x4;   // an edit box the drafter cannot type in
constexpr unsigned ZEK_STYLE_SORTED = 0x8;     // a list or combo box that keeps its items sorted
constexpr unsigned ZEK_STYLE_HIDDEN = 0x10;    // starts hidden
constexpr unsigned ZEK_STYLE_MULTIPLE = 0x20;  // a list box where several items can be selected

// A dialog resource: id, title, size in dialog units, font and controls.
struct ZekDialogResource {
  int id;
  const char* title;  // UTF-8
  int width, height;
  const char* font;  // "MS Shell Dlg" style face name; "" for the host's
  int fontSize;
  const ZekControlResource* controls;
  int controlCount;
};

// Every dialog resource of one module.
struct ZekResourceTable {
  const ZekDialogResource* dialogs;
  int dialogCount;
};

// The dialog resource of an id in a resource instance's table, or null.
const ZekDialogResource* zekFindDialogResource(HINSTANCE instance, int dialogId);

// The resource instance dialogs are looked up in now (null: the host's own,
// which has none).
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);

// The module's own resource instance, as the host handed it over when the
// library was attached (the host's support library keeps it).
extern "C" HINSTANCE _hdllInstance;

// Makes the module's own resources current for its lifetime and the earlier
// ones current again after it (also on an early return).
class CAcModuleResourceOverride {
public:
  explicit CAcModuleResourceOverride(HINSTANCE instance = _hdllInstance)
      : previous_(AfxGetResourceHandle()) {
    AfxSetResourceHandle(instance);
  }
  ~CAcModuleResourceOverride() { AfxSetResourceHandle(previous_); }
  CAcModuleResourceOverride(const CAcModuleResourceOverride&) = delete;
  CAcModuleResourceOverride& operator=(const CAcModuleResourceOverride&) = delete;

private:
  HINSTANCE previous_;
};

// Declares a module's resource table; the host reads it when it loads the
// library. Use once, in the module's entry file:
//   ZEK_MODULE_RESOURCES(kDialogs)   with  const ZekDialogResource kDialogs[] = {...};
#define ZEK_MODULE_RESOURCES(dialogArray)                                              \
  extern "C" __attribute__((visibility("default"))) const ZekResourceTable*          \
  zekModuleResources() {                                                              \
    static const ZekResourceTable table{dialogArray,                                  \
                                        static_cast<int>(sizeof(dialogArray) /        \
                                                         sizeof(dialogArray[0]))};    \
    return &table;                                                                    \
  }
