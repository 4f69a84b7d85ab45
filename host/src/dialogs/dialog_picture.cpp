// The text picture of a dialog: title, control lines and list rows.
#include "dialogs/dialog_picture.h"

#include <algorithm>

#include "acui_window.h"
#include "dialogs/utf8_text.h"

namespace zek {
namespace {

constexpr int kIdColumn = 6;
constexpr int kKindColumn = 10;
constexpr int kIndent = 2;

const char* kindWord(ZekControlKind kind) {
  switch (kind) {
    case ZekControlKind::StaticText: return "static";
    case ZekControlKind::EditBox: return "edit";
    case ZekControlKind::Button: return "button";
    case ZekControlKind::DefaultButton: return "default";
    case ZekControlKind::CheckBox: return "checkbox";
    case ZekControlKind::RadioButton: return "radio";
    case ZekControlKind::ListBox: return "list";
    case ZekControlKind::ComboBox: return "combo";
    case ZekControlKind::GroupBox: return "group";
    case ZekControlKind::Picture: return "picture";
  }
  return "control";
}

// Line breaks and tabs inside a text would break the picture's lines.
std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

bool hasLabel(ZekControlKind kind) {
  return kind != ZekControlKind::EditBox && kind != ZekControlKind::ListBox &&
         kind != ZekControlKind::ComboBox;
}

std::string itemCount(int count) { return std::to_string(count) + (count == 1 ? " item" : " items"); }

std::string selectionText(const ListModel& list) {
  const std::vector<int> selected = list.selection();
  if (selected.empty())
    return "sel none";
  if (!list.isMultiple())
    return "sel " + std::to_string(selected.front()) + " " + escaped(list.text(selected.front()));
  std::string text = "sel ";
  for (std::size_t i = 0; i < selected.size(); ++i)
    text += (i ? "," : "") + std::to_string(selected[i]);
  return text;
}

std::string strokeSummary(const ZekPicture* picture) {
  if (picture == nullptr || picture->strokeCount <= 0)
    return {};
  int counts[3] = {0, 0, 0};
  for (int i = 0; i < picture->strokeCount; ++i)
    ++counts[static_cast<int>(picture->strokes[i].kind)];
  const char* names[3][2] = {{"line", "lines"}, {"arc", "arcs"}, {"text", "texts"}};
  std::string summary;
  for (int k = 0; k < 3; ++k) {
    if (counts[k] == 0)
      continue;
    summary += (summary.empty() ? "" : ", ") + std::to_string(counts[k]) + " " + names[k][counts[k] != 1];
  }
  return summary;
}

std::string valueOf(const ControlState& control) {
  switch (control.resource.kind) {
    case ZekControlKind::EditBox: return "\"" + escaped(control.text) + "\"";
    case ZekControlKind::CheckBox:
      return control.check == BST_CHECKED ? "[x]" : control.check == BST_INDETERMINATE ? "[-]" : "[ ]";
    case ZekControlKind::RadioButton: return control.check == BST_CHECKED ? "(*)" : "( )";
    case ZekControlKind::ListBox:
      return selectionText(control.list) + ", top " + std::to_string(control.list.top()) + ", " +
             itemCount(control.list.count());
    case ZekControlKind::ComboBox: return selectionText(control.list) + ", " + itemCount(control.list.count());
    case ZekControlKind::Picture: return strokeSummary(control.resource.picture);
    default: return {};
  }
}

// The value with the marks of a control the drafter cannot answer (or only
// partly): read-only, disabled, hidden.
std::string valueAndMarks(const ControlState& control) {
  std::string text = valueOf(control);
  auto mark = [&](const char* word) { text += (text.empty() ? "" : " ") + std::string(word); };
  if (control.resource.kind == ZekControlKind::EditBox && control.readOnly)
    mark("(read-only)");
  if (!control.enabled)
    mark("(disabled)");
  if (!control.visible)
    mark("(hidden)");
  return text;
}

std::string trimmedRight(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

// A list box shows its visible rows, a drop-down list every item.
std::vector<std::string> rowsOf(const ControlState& control) {
  std::vector<std::string> rows;
  if (!control.hasItems())
    return rows;
  const ListModel& list = control.list;
  const bool box = control.resource.kind == ZekControlKind::ListBox;
  const int first = box ? list.top() : 0;
  const int last = box ? std::min(list.count(), list.top() + list.rows()) : list.count();
  const int digits = static_cast<int>(std::to_string(std::max(0, list.count() - 1)).size());
  const std::string indent(kIndent + kIdColumn + kKindColumn, ' ');
  for (int i = first; i < last; ++i) {
    std::string number = std::to_string(i);
    number.insert(0, static_cast<std::size_t>(digits) - number.size(), ' ');
    rows.push_back(trimmedRight(indent + number + "  " + escaped(list.text(i))));
  }
  return rows;
}

ControlPicture pictureOf(const ControlState& control, int labelWidth) {
  const int id = control.id();
  std::string line(kIndent, ' ');
  line += padToWidth(id == IDC_STATIC ? "-" : std::to_string(id), kIdColumn - 1) + " ";
  line += padToWidth(kindWord(control.resource.kind), kKindColumn - 1) + " ";
  line += padToWidth(hasLabel(control.resource.kind) ? escaped(control.text) : "", labelWidth);
  line += valueAndMarks(control);
  return {trimmedRight(line), rowsOf(control)};
}

}  // namespace

int labelColumnWidth(const DialogState& dialog) {
  int widest = 0;
  for (const auto& control : dialog.controls())
    if (hasLabel(control->resource.kind))
      widest = std::max(widest, displayWidth(escaped(control->text)));
  return widest > 0 ? widest + 2 : 0;
}

DialogPicture drawDialogPicture(const DialogState& dialog, int labelWidth) {
  DialogPicture picture;
  picture.title = "Dialog " + std::to_string(dialog.resourceId()) + " \"" + escaped(dialog.text) + "\"";
  for (const auto& control : dialog.controls())
    picture.controls.push_back(pictureOf(*control, labelWidth));
  return picture;
}

std::string closingLine(const DialogState& dialog) {
  const int result = dialog.result();
  const std::string how = result == IDOK ? "OK" : result == IDCANCEL ? "Cancel" : std::to_string(result);
  return "Dialog " + std::to_string(dialog.resourceId()) + " closed: " + how;
}

}  // namespace zek
