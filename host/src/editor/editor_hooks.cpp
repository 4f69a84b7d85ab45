// The editor's hook table.
#include "editor/editor_hooks.h"

namespace zek {

EditorHooks& editorHooks() {
  static EditorHooks hooks;
  return hooks;
}

}  // namespace zek
