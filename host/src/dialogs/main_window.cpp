// The host's main window: the owner of modal dialogs whose module names no
// parent. It has no picture of its own; its title is the program's name.
#include "aced_arx.h"
#include "acui_window.h"
#include "dialogs/window_state.h"

namespace {

struct MainWindow {
  MainWindow() : state(zek::WindowKind::Main) {
    state.text = "ZEK";
    state.window = state.fallbackWindow = &window;
    window.m_hWnd = &state;
  }
  zek::WindowState state;  // built first, so the window's handle is open while it lives
  CWnd window;
};

}  // namespace

HWND adsw_acadMainWnd() {
  static MainWindow mainWindow;
  return &mainWindow.state;
}
