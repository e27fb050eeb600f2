#include "host_window.h"

#include "windows_error.h"

namespace standin {
namespace {

constexpr char kClassName[] = "StandInChatHostWindow";

}  // namespace

HostWindow::~HostWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool HostWindow::Create(std::string* error) {
  // Registered by name, as every sender registers them: the numbers are the system's.
  toastMessage_ = RegisterWindowMessageA(OSTRAKIN_DISPLAY_TOAST_MESSAGE);
  pluginChangeMessage_ = RegisterWindowMessageA(OSTRAKIN_PLUGIN_CHANGE_MESSAGE);

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &HostWindow::Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    *error = "cannot register the window class: " + DescribeWindowsError(GetLastError());
    return false;
  }
  // A top-level window, never shown: broadcasts reach it, a message-only window would not.
  window_ = CreateWindowExA(0, kClassName, "Stand-in chat host", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                            100, nullptr, nullptr, windowClass.hInstance, this);
  if (window_ == nullptr) {
    *error = "cannot create the host window: " + DescribeWindowsError(GetLastError()) +
             "; under Wine a window needs an X display (DISPLAY)";
    return false;
  }
  return true;
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->window_ == window)
    return self->HandleMessage(message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT HostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == toastMessage_ && toastMessage_ != 0) {
    return handlers_.toast ? handlers_.toast(wParam, lParam) : 0;
  }
  if (message == pluginChangeMessage_ && pluginChangeMessage_ != 0) {
    if (handlers_.pluginChange) handlers_.pluginChange(wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      if (!handlers_.close) break;
      handlers_.close();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace standin
