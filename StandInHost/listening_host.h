// The host at work: its window hears toasts and change notices while chat messages arrive on
// standard input. A change notice releases the plug-in library; the next message loads it again.
#pragma once

#include <string>

#include "host_output.h"
#include "host_window.h"
#include "plugin_library.h"
#include "toast_command.h"

namespace standin {

class ListeningHost {
 public:
  ListeningHost(PluginLibrary& library, const HostOutput& out, const HostOutput& notes)
      : library_(library), out_(out), notes_(notes) {}

  // What the host's window does with the toasts, change notices and requests to close it hears.
  HostWindow::Handlers WindowHandlers();
  // One typed line: a chat message, or /toast (/toastw) to call the plug-in's toast function.
  void Answer(const std::string& line);
  // True once another program has asked the window to close.
  bool Stopping() const { return stopping_; }

 private:
  LRESULT OnToast(WPARAM wParam, LPARAM lParam);
  void OnPluginChange(WPARAM wParam, LPARAM lParam);
  void CallDisplayToast(const ToastCommand& command);

  PluginLibrary& library_;
  const HostOutput& out_;
  const HostOutput& notes_;
  bool sending_ = false;  // the window's thread is inside the plug-in's toast function
  bool stopping_ = false;
  bool changedDuringToast_ = false;
  WPARAM changeWParam_ = 0;
  LPARAM changeLParam_ = 0;
};

}  // namespace standin
