#include "listening_host.h"

#include <cstdio>

#include "chat_message.h"
#include "toast_command.h"

namespace standin {
namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", unsigned(value));
  return text;
}

// A record can be read only where it lives: in the process, and the frame, of the toast function
// that sent it. Only a request from this host's own /toast is read; another program's is named.
std::string DescribeToast(const ToastRequest* own, WPARAM wParam, LPARAM lParam, LRESULT answer) {
  std::string text = std::string("Toast request (") +
                     (lParam == 1   ? "wide"
                      : lParam == 0 ? "narrow"
                                    : "unknown") +
                     " texts, lParam " + std::to_string(lParam) + ")";
  if (own == nullptr) {
    text += " from another program: its record, at " + Hex(uint32_t(wParam)) +
            " in that program's memory, cannot be read here";
  } else {
    text += ": first " + Hex(own->first) + " second " + Hex(own->second) + " third " +
            Hex(own->third) + " flag " + std::to_string(own->flag) + " unused " + Hex(own->unused);
  }
  return text + "; answered " + Hex(uint32_t(answer));
}

}  // namespace

HostWindow::Handlers ListeningHost::WindowHandlers() {
  HostWindow::Handlers handlers;
  handlers.toast = [this](WPARAM wParam, LPARAM lParam) { return OnToast(wParam, lParam); };
  handlers.pluginChange = [this](WPARAM wParam, LPARAM lParam) { OnPluginChange(wParam, lParam); };
  handlers.close = [this] { stopping_ = true; };
  return handlers;
}

LRESULT ListeningHost::OnToast(WPARAM wParam, LPARAM lParam) {
  // This host's own request is sent by this very thread while its /toast runs; a request that
  // another thread sent (InSendMessage) comes from another program, even during our own send.
  const bool own = sending_ && !InSendMessage();
  const auto* record = own ? reinterpret_cast<const ToastRequest*>(wParam) : nullptr;
  const LRESULT answer = own ? kToastShown : 0;
  out_.Line(DescribeToast(record, wParam, lParam, answer));
  return answer;
}

void ListeningHost::OnPluginChange(WPARAM wParam, LPARAM lParam) {
  // While the plug-in's toast function waits in its send, this thread answers what other programs
  // send it, a change notice included; releasing the library then would return into unmapped
  // code. The release waits until the toast function has returned.
  if (sending_) {
    changedDuringToast_ = true;
    changeWParam_ = wParam;
    changeLParam_ = lParam;
    return;
  }
  const bool held = library_.IsLoaded();
  library_.Release();
  out_.Line("Plug-in change notice (wParam " + std::to_string(wParam) + ", lParam " +
            std::to_string(lParam) +
            "): " + (held ? "released " + library_.Path() : std::string("no plug-in held")));
}

// What a typed /toast line makes the plug-in do, and what its toast function returned. The
// window's own report of the request comes first: the send reaches it before it returns.
void ListeningHost::CallDisplayToast(const ToastCommand& command) {
  const char* name = command.wide ? "DisplayToastW" : "DisplayToast";
  const auto toast = library_.Find<DisplayToastFn>(name);
  if (toast == nullptr) {
    out_.Line(std::string("StandInHost: the plug-in does not export ") + name);
    return;
  }
  sending_ = true;
  const intptr_t result = toast(command.first, command.second, command.third, command.flag);
  sending_ = false;
  out_.Line(std::string(name) + "(" + Hex(command.first) + ", " + Hex(command.second) + ", " +
            Hex(command.third) + ", " + std::to_string(command.flag) + ") returned " +
            Hex(uint32_t(result)));
  if (changedDuringToast_) {
    changedDuringToast_ = false;
    OnPluginChange(changeWParam_, changeLParam_);
  }
}

void ListeningHost::Answer(const std::string& line) {
  const bool held = library_.IsLoaded();
  std::string error;
  if (!library_.Load(&error)) {
    out_.Line("StandInHost: " + error);
    return;
  }
  if (!held) out_.Line("Loaded " + library_.Path() + " again: " + library_.Info().name);
  ToastCommand toast;
  switch (ParseToastCommand(line, &toast)) {
    case ToastCommandParse::Valid:
      CallDisplayToast(toast);
      return;
    case ToastCommandParse::Invalid:
      out_.Line(kToastCommandUsage);
      return;
    case ToastCommandParse::NotACommand:
      AnswerChatMessage(library_, line, out_, notes_);
      return;
  }
}

}  // namespace standin
