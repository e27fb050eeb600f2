#include "host_options.h"

namespace standin {
namespace {

const char* ModeName(HostOptions::Mode mode) {
  switch (mode) {
    case HostOptions::Mode::Ping:
      return "--ping";
    case HostOptions::Mode::Listen:
      return "--listen";
    default:
      return "a message";
  }
}

}  // namespace

bool ParseHostOptions(const std::vector<std::string>& arguments, HostOptions* options,
                      std::string* error) {
  HostOptions parsed;
  auto choose = [&](HostOptions::Mode mode) {
    if (parsed.mode == HostOptions::Mode::Overview || parsed.mode == mode) {
      parsed.mode = mode;
      return true;
    }
    *error = std::string(ModeName(parsed.mode)) + " and " + ModeName(mode) + " cannot be combined";
    return false;
  };
  bool optionsEnded = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
      if (!choose(HostOptions::Mode::Message)) return false;
      parsed.words.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h" || argument == "--version") {
      *options = HostOptions{};
      options->mode =
          argument == "--version" ? HostOptions::Mode::Version : HostOptions::Mode::Help;
      return true;
    } else if (argument == "--raw") {
      parsed.raw = true;
    } else if (argument == "--ping") {
      if (!choose(HostOptions::Mode::Ping)) return false;
    } else if (argument == "--listen") {
      if (!choose(HostOptions::Mode::Listen)) return false;
    } else if (argument == "--plugin" || argument == "--message-file") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        *error = argument + " needs a path";
        return false;
      }
      if (argument == "--plugin") {
        parsed.plugin = arguments[++i];
      } else {
        if (!choose(HostOptions::Mode::Message)) return false;
        parsed.messageFile = arguments[++i];
      }
    } else {
      *error = "unknown option " + argument + " (chat text that starts with - goes after --)";
      return false;
    }
  }
  if (!parsed.words.empty() && !parsed.messageFile.empty()) {
    *error = "a message and --message-file cannot be combined";
    return false;
  }
  *options = parsed;
  return true;
}

}  // namespace standin
