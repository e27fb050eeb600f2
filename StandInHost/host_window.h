// The host's hidden top-level window: it hears the two registered messages that reach a chat
// host (OSTRAKIN_DISPLAY_TOAST_MESSAGE sent by the plug-in's toast functions,
// OSTRAKIN_PLUGIN_CHANGE_MESSAGE posted by Quillaby) and a request to close from another program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "Ostrakin.h"

namespace standin {

// What the window answers a toast request with, so a sender can tell it was handled here.
constexpr LRESULT kToastShown = 0x70A57;

class HostWindow {
 public:
  struct Handlers {
    // A toast request: wParam is the record's address in the sender's process, lParam 1 for wide
    // texts and 0 for narrow. Returns the answer.
    std::function<LRESULT(WPARAM wParam, LPARAM lParam)> toast;
    std::function<void(WPARAM wParam, LPARAM lParam)> pluginChange;
    // WM_CLOSE, which only another program sends to a hidden window; without a handler the
    // window closes as any window does.
    std::function<void()> close;
  };

  explicit HostWindow(Handlers handlers) : handlers_(std::move(handlers)) {}
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // Registers both message names and creates the window (hidden). Needs a display under Wine.
  bool Create(std::string* error);

  HWND Window() const { return window_; }
  UINT ToastMessage() const { return toastMessage_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Handlers handlers_;
  HWND window_ = nullptr;
  UINT toastMessage_ = 0;
  UINT pluginChangeMessage_ = 0;
};

}  // namespace standin
