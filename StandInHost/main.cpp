// A stand-in for the chat host: it loads the plug-in library by path, resolves its entry points
// by name and plays the host's part of the contract, so that the real DLL can be tried and
// tested exactly as a host uses it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "catalogue_keywords.h"
#include "host_output.h"
#include "host_window.h"
#include "plugin_library.h"
#include "tag_expansion.h"

namespace {

constexpr char kUsage[] =
    "usage: StandInHost [--raw] [--plugin PATH] [--ping | --listen | MESSAGE...]\n"
    "  MESSAGE       chat text whose (!...) tags are answered by the plug-in\n"
    "  (no message)  show the plug-in's name, catalogue, every keyword's answer and its ping\n"
    "  --ping        send the ping notification and show the reply\n"
    "  --listen      open the host's window and report the toast requests and plug-in change\n"
    "                notices it hears; lines typed on standard input are chat messages,\n"
    "                answered with the plug-in; ends when the input ends\n"
    "  --raw         write the exact bytes, control byte 0x02 included\n"
    "  --plugin PATH the plug-in library (default: Ostrakin.dll beside this program)\n";

constexpr size_t kResultBufferSize = 1024;

struct Options {
  bool raw = false;
  bool ping = false;
  bool listen = false;
  std::string plugin;
  std::vector<std::string> message;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--raw") {
      options->raw = true;
    } else if (argument == "--ping") {
      options->ping = true;
    } else if (argument == "--listen") {
      options->listen = true;
    } else if (argument == "--plugin" && i + 1 < argc) {
      options->plugin = argv[++i];
    } else if (argument == "--help" || argument == "-h") {
      return false;
    } else {
      options->message.push_back(argument);
    }
  }
  if (options->plugin.empty()) options->plugin = standin::PluginBesideThisProgram();
  return true;
}

// The host's side of one ParseTag call: a zeroed buffer of its own, the answer on 1.
bool AskPlugin(const standin::PluginEntryPoints& plugin, const std::string& tag,
               std::string* answer) {
  char result[kResultBufferSize] = {};
  if (plugin.parseTag(tag.c_str(), 0, result) != 1) return false;
  *answer = result;
  return true;
}

std::string PingReply(const standin::PluginEntryPoints& plugin) {
  char reply[kResultBufferSize] = {};
  return plugin.receiveNotify(OSTRAKIN_PING_CODE, 0, 0, reply) == 1 ? reply : "(declined)";
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

// What the host learns from PublishInfo.
struct PublishedInfo {
  char name[256] = {};
  CommandCatalogue commands = {};
  TagCatalogue tags = {};
};

void ShowOverview(const standin::HostOutput& out, const standin::PluginEntryPoints& plugin,
                  const PublishedInfo& info) {
  const TagCatalogue& tags = info.tags;
  out.Line(std::string("Plug-in: ") + info.name);
  out.Line("Commands: " + std::to_string(info.commands.count));
  out.Line("Tags: " + std::to_string(tags.count));
  for (int slot = 0; slot < tags.count && slot < OSTRAKIN_CATALOGUE_SLOTS; ++slot) {
    out.Line("  " + Padded(tags.labels[slot], 17) + tags.tagTexts[slot]);
  }
  const std::vector<std::string> keywords = standin::KeywordsFromCatalogue(tags);
  out.Line("Answers: " + std::to_string(keywords.size()));
  for (const std::string& keyword : keywords) {
    std::string answer;
    if (!AskPlugin(plugin, keyword, &answer)) answer = "(not answered)";
    out.Line("  " + Padded(keyword, 16) + answer);
  }
  out.Line("Ping \"" OSTRAKIN_PING_CODE "\":");
  std::string reply = PingReply(plugin);
  for (size_t at = 0; (at = reply.find('\n', at)) != std::string::npos; at += 3) {
    reply.replace(at, 1, "\n  ");
  }
  out.Line("  " + reply);
}

// Loads the plug-in if it is not loaded, and asks for its catalogue when it was.
bool LoadPlugin(standin::PluginLibrary& library, PublishedInfo* info, std::string* error) {
  if (library.IsLoaded()) return true;
  if (!library.Load(error)) return false;
  *info = PublishedInfo{};
  if (library.EntryPoints().publishInfo(info->name, &info->commands, &info->tags) != 1) {
    *error = library.Path() + " declined PublishInfo";
    library.Release();
    return false;
  }
  return true;
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", unsigned(value));
  return text;
}

std::string DescribeToast(const ToastRequest* request, WPARAM wParam, LPARAM lParam,
                          LRESULT answer) {
  std::string text = std::string("Toast request (") +
                     (lParam == 1   ? "wide"
                      : lParam == 0 ? "narrow"
                                    : "unknown") +
                     " texts, lParam " + std::to_string(lParam) + "): ";
  if (request == nullptr) {
    text += "wParam " + Hex(uint32_t(wParam)) + " is not a record in this process";
  } else {
    text += "first " + Hex(request->first) + " second " + Hex(request->second) + " third " +
            Hex(request->third) + " flag " + std::to_string(request->flag) + " unused " +
            Hex(request->unused);
  }
  return text + "; answered " + Hex(uint32_t(answer));
}

// The host at work: its window hears toasts and change notices while chat messages arrive on
// standard input. A change notice releases the plug-in library; the next message loads it again.
int Listen(standin::PluginLibrary& library, PublishedInfo& info, const standin::HostOutput& out) {
  standin::HostWindow::Handlers handlers;
  handlers.toast = [&](const ToastRequest* request, WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = request != nullptr ? standin::kToastShown : 0;
    out.Line(DescribeToast(request, wParam, lParam, answer));
    return answer;
  };
  handlers.pluginChange = [&](WPARAM wParam, LPARAM lParam) {
    const bool held = library.IsLoaded();
    library.Release();
    out.Line("Plug-in change notice (wParam " + std::to_string(wParam) + ", lParam " +
             std::to_string(lParam) +
             "): " + (held ? "released " + library.Path() : std::string("no plug-in held")));
  };
  handlers.inputLine = [&](const std::string& line) {
    const bool held = library.IsLoaded();
    std::string error;
    if (!LoadPlugin(library, &info, &error)) {
      out.Line("StandInHost: " + error);
      return;
    }
    if (!held) out.Line("Loaded " + library.Path() + " again: " + info.name);
    out.Line(standin::ExpandTags(line, [&](const std::string& tag, std::string* answer) {
      return AskPlugin(library.EntryPoints(), tag, answer);
    }));
  };
  standin::HostWindow window(handlers);
  std::string error;
  if (!window.Create(&error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  out.Line("Listening for " OSTRAKIN_DISPLAY_TOAST_MESSAGE " and " OSTRAKIN_PLUGIN_CHANGE_MESSAGE
           "; chat messages are "
           "read from standard input until it ends.");
  std::thread reader([&window] {
    char line[4096];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
      std::string text(line);
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
      window.PostInputLine(text);
    }
    window.PostQuit();
  });
  standin::HostWindow::RunMessageLoop();
  reader.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const standin::HostOutput out(options.raw);

  standin::PluginLibrary library(options.plugin);
  auto info = std::make_unique<PublishedInfo>();  // 12.8 KB: not for the stack
  std::string error;
  if (!LoadPlugin(library, info.get(), &error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  const standin::PluginEntryPoints& plugin = library.EntryPoints();

  int status = 0;
  if (options.listen) {
    status = Listen(library, *info, out);
  } else if (options.ping) {
    out.Line(PingReply(plugin));
  } else if (!options.message.empty()) {
    std::string message;
    for (const std::string& word : options.message)
      message += (message.empty() ? "" : " ") + word;
    out.Line(standin::ExpandTags(message, [&](const std::string& tag, std::string* answer) {
      return AskPlugin(plugin, tag, answer);
    }));
  } else {
    ShowOverview(out, plugin, *info);
  }
  library.Release();
  return status;
}
