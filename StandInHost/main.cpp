// A stand-in for the chat host: it loads the plug-in library by path, resolves its entry points
// by name and plays the host's part of the contract, so that the real DLL can be tried and
// tested exactly as a host uses it.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue_keywords.h"
#include "chat_message.h"
#include "host_options.h"
#include "host_output.h"
#include "host_window.h"
#include "listening_host.h"
#include "plugin_library.h"
#include "system_code_page.h"
#include "typed_lines.h"
#include "windows_error.h"

namespace {

std::string PingReply(const standin::PluginEntryPoints& plugin) {
  char reply[standin::kResultBufferSize] = {};
  return plugin.receiveNotify(OSTRAKIN_PING_CODE, 0, 0, reply) == 1 ? reply : "(declined)";
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

void ShowOverview(const standin::HostOutput& out, const standin::PluginEntryPoints& plugin,
                  const standin::PublishedInfo& info) {
  const TagCatalogue& tags = info.tags;
  out.Line(std::string("Plug-in: ") + info.name);
  out.Line("Commands: " + std::to_string(info.commands.count));
  out.Line("Tags:");
  for (int slot = 0; slot < tags.count && slot < OSTRAKIN_CATALOGUE_SLOTS; ++slot) {
    out.Line("  " + Padded(tags.labels[slot], 17) + tags.tagTexts[slot]);
  }
  const std::vector<std::string> keywords = standin::KeywordsFromCatalogue(tags);
  out.Line("Answers:");
  for (const std::string& keyword : keywords) {
    std::string answer;
    if (!standin::AskPlugin(plugin, keyword, &answer)) answer = "(not answered)";
    out.Line("  " + Padded(keyword, 16) + answer);
  }
  out.Line("Ping \"" OSTRAKIN_PING_CODE "\":");
  std::string reply = PingReply(plugin);
  for (size_t at = 0; (at = reply.find('\n', at)) != std::string::npos; at += 3) {
    reply.replace(at, 1, "\n  ");
  }
  out.Line("  " + reply);
}

// The host at work (ListeningHost) until its input ends, or until another program asks its
// window to close (or its thread to quit): then it answers the lines already read and says that
// it stops reading.
int Listen(standin::PluginLibrary& library, const standin::HostOutput& out,
           const standin::HostOutput& notes) {
  standin::ListeningHost host(library, out, notes);
  bool quit = false;
  standin::HostWindow window(host.WindowHandlers());
  std::string error;
  if (!window.Create(&error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  standin::TypedLines typed;
  const HANDLE ready = typed.Ready();
  if (ready == nullptr) {
    std::fprintf(stderr, "StandInHost: cannot wait for typed lines: %s\n",
                 standin::DescribeWindowsError(GetLastError()).c_str());
    return 2;
  }
  out.Line("Listening for " OSTRAKIN_DISPLAY_TOAST_MESSAGE " and " OSTRAKIN_PLUGIN_CHANGE_MESSAGE
           ".");
  out.Line("Type a chat message to have its tags answered, or /toast FIRST SECOND THIRD [FLAG] to");
  out.Line(
      "call the plug-in's DisplayToast (/toastw: DisplayToastW). Quillaby.exe sends the plug-in");
  out.Line("change notice. End of input (Ctrl+Z then Enter at a Windows console) stops the host.");
  for (bool reading = true; reading && !quit && !host.Stopping();) {
    MsgWaitForMultipleObjects(1, &ready, FALSE, INFINITE, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = true;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    std::vector<std::string> lines;
    reading = typed.Take(&lines);
    for (const std::string& line : lines)
      host.Answer(standin::Utf8ToSystemCodePage(line));
  }
  if (quit || host.Stopping()) {
    out.Line(
        "Asked by another program to close: stopped after the lines already read; lines typed "
        "from now on are not read.");
  }
  return 0;
}

// The chat text of a message: the command line's words (which Windows hands over in the system
// code page), or a file or standard input read as UTF-8.
bool ReadMessage(const standin::HostOptions& options, std::string* message, std::string* error) {
  if (options.messageFile.empty()) {
    for (const std::string& word : options.words)
      *message += (message->empty() ? "" : " ") + word;
    return true;
  }
  std::string utf8;
  if (options.messageFile == "-") {
    utf8.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream file(options.messageFile, std::ios::binary);
    if (!file) {
      *error = "cannot read the message file " + options.messageFile;
      return false;
    }
    utf8.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r'))
    utf8.pop_back();
  *message = standin::Utf8ToSystemCodePage(utf8);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  standin::HostOptions options;
  std::string error;
  if (!standin::ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc), &options,
                                 &error)) {
    const char* command = std::getenv("STANDIN_HOST_COMMAND");
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    std::fprintf(stderr, standin::kHostSynopsis, command != nullptr ? command : "StandInHost");
    return 2;
  }
  if (options.mode == standin::HostOptions::Mode::Help) {
    std::fputs(standin::kHostUsage, stdout);
    return 0;
  }
  if (options.mode == standin::HostOptions::Mode::Version) {
    std::puts("StandInHost " OSTRAKIN_VERSION ", the stand-in chat host for Ostrakin");
    return 0;
  }
  // Standard input carries bytes as they are (UTF-8 text, line ends of either kind).
  _setmode(_fileno(stdin), _O_BINARY);
  std::string message;
  if (options.mode == standin::HostOptions::Mode::Message &&
      !ReadMessage(options, &message, &error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  const standin::HostOutput out(options.raw);
  const standin::HostOutput notes(false, standin::HostOutput::Stream::Error);

  const std::string path =
      options.plugin.empty() ? standin::PluginBesideThisProgram() : options.plugin;
  if (path.empty()) {
    std::fprintf(stderr,
                 "StandInHost: cannot find the folder this program was started from (%s); name "
                 "the plug-in with --plugin PATH\n",
                 standin::DescribeWindowsError(GetLastError()).c_str());
    return 2;
  }
  standin::PluginLibrary library(path);
  if (!library.Load(&error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  const standin::PluginEntryPoints& plugin = library.EntryPoints();

  int status = 0;
  switch (options.mode) {
    case standin::HostOptions::Mode::Listen:
      status = Listen(library, out, notes);
      break;
    case standin::HostOptions::Mode::Ping:
      out.Line(PingReply(plugin));
      break;
    case standin::HostOptions::Mode::Message:
      standin::AnswerChatMessage(library, message, out, notes);
      break;
    default:
      ShowOverview(out, plugin, library.Info());
      break;
  }
  library.Release();
  return status;
}
