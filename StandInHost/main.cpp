// A stand-in for the chat host: it loads the plug-in library by path, resolves its entry points
// by name and plays the host's part of the contract, so that the real DLL can be tried and
// tested exactly as a host uses it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue_keywords.h"
#include "host_output.h"
#include "plugin_library.h"
#include "tag_expansion.h"

namespace {

constexpr char kUsage[] =
    "usage: StandInHost [--raw] [--plugin PATH] [--ping] [MESSAGE...]\n"
    "  MESSAGE       chat text whose (!...) tags are answered by the plug-in\n"
    "  (no message)  show the plug-in's name, catalogue, every keyword's answer and its ping\n"
    "  --ping        send the ping notification and show the reply\n"
    "  --raw         write the exact bytes, control byte 0x02 included\n"
    "  --plugin PATH the plug-in library (default: Ostrakin.dll beside this program)\n";

constexpr size_t kResultBufferSize = 1024;

struct Options {
  bool raw = false;
  bool ping = false;
  std::string plugin;
  std::vector<std::string> message;
};

std::string DefaultPluginPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path, length);
  const size_t slash = directory.find_last_of("\\/");
  directory = slash == std::string::npos ? std::string() : directory.substr(0, slash + 1);
  return directory + "Ostrakin.dll";
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--raw") {
      options->raw = true;
    } else if (argument == "--ping") {
      options->ping = true;
    } else if (argument == "--plugin" && i + 1 < argc) {
      options->plugin = argv[++i];
    } else if (argument == "--help" || argument == "-h") {
      return false;
    } else {
      options->message.push_back(argument);
    }
  }
  if (options->plugin.empty()) options->plugin = DefaultPluginPath();
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
  return plugin.receiveNotify("smppg", 0, 0, reply) == 1 ? reply : "(declined)";
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

void ShowOverview(const standin::HostOutput& out, const standin::PluginEntryPoints& plugin,
                  const char* name, const CommandCatalogue& commands, const TagCatalogue& tags) {
  out.Line(std::string("Plug-in: ") + name);
  out.Line("Commands: " + std::to_string(commands.count));
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
  out.Line("Ping \"smppg\":");
  std::string reply = PingReply(plugin);
  for (size_t at = 0; (at = reply.find('\n', at)) != std::string::npos; at += 3) {
    reply.replace(at, 1, "\n  ");
  }
  out.Line("  " + reply);
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
  std::string error;
  if (!library.Load(&error)) {
    std::fprintf(stderr, "StandInHost: %s\n", error.c_str());
    return 2;
  }
  const standin::PluginEntryPoints& plugin = library.EntryPoints();

  char name[256] = {};
  CommandCatalogue commands = {};
  static TagCatalogue tags;  // 12.8 KB: too large for a comfortable stack frame
  if (plugin.publishInfo(name, &commands, &tags) != 1) {
    std::fprintf(stderr, "StandInHost: %s declined PublishInfo\n", options.plugin.c_str());
    return 2;
  }

  if (options.ping) {
    out.Line(PingReply(plugin));
  } else if (!options.message.empty()) {
    std::string message;
    for (const std::string& word : options.message)
      message += (message.empty() ? "" : " ") + word;
    out.Line(standin::ExpandTags(message, [&](const std::string& tag, std::string* answer) {
      return AskPlugin(plugin, tag, answer);
    }));
  } else {
    ShowOverview(out, plugin, name, commands, tags);
  }
  library.Release();
  return 0;
}
