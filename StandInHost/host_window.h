// The host's hidden top-level window: it hears the two registered messages that reach a chat
// host (OSTRAKIN_DISPLAY_TOAST_MESSAGE sent by the plug-in's toast functions,
// OSTRAKIN_PLUGIN_CHANGE_MESSAGE posted by Quillaby), and lines of chat input handed over from
// another thread.
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
    // A toast request, and whether its texts are wide (lParam 1) or narrow (lParam 0).
    // `request` is null when wParam does not point at readable memory of this process (a
    // sender in another process cannot hand over a record by address). Returns the answer.
    std::function<LRESULT(const ToastRequest* request, WPARAM wParam, LPARAM lParam)> toast;
    std::function<void(WPARAM wParam, LPARAM lParam)> pluginChange;
    std::function<void(const std::string& line)> inputLine;
  };

  explicit HostWindow(Handlers handlers) : handlers_(std::move(handlers)) {}
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // Registers both message names and creates the window (hidden). Needs a display under Wine.
  bool Create(std::string* error);

  HWND Window() const { return window_; }
  UINT ToastMessage() const { return toastMessage_; }

  // Hands a line to the window's thread; safe from any thread. False once the window is gone.
  bool PostInputLine(const std::string& line);
  // Ends RunMessageLoop; safe from any thread.
  void PostQuit();
  // Dispatches this thread's messages until PostQuit.
  static void RunMessageLoop();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  Handlers handlers_;
  HWND window_ = nullptr;
  UINT toastMessage_ = 0;
  UINT pluginChangeMessage_ = 0;
};

}  // namespace standin
