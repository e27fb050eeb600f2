// The stand-in host's command line.
#pragma once

#include <string>
#include <vector>

namespace standin {

#define STANDIN_HOST_SYNOPSIS                                                               \
  "usage: StandInHost [--raw] [--plugin PATH] [--ping | --listen | --message-file FILE |\n" \
  "                   [--] MESSAGE...]\n"

// What a mistake on the command line prints after its reason. A script that runs the host for
// the user names itself in STANDIN_HOST_COMMAND, so that the hint names what the user ran.
constexpr char kHostSynopsis[] = STANDIN_HOST_SYNOPSIS "Try %s --help for more.\n";

constexpr char kHostUsage[] = STANDIN_HOST_SYNOPSIS
    "  MESSAGE              chat text whose (!...) tags the plug-in answers; words are joined\n"
    "                       with single spaces. After --, every argument is chat text\n"
    "  (no message)         show the plug-in's name, catalogue, every keyword's answer and its\n"
    "                       ping reply\n"
    "  --message-file FILE  read the chat text from FILE, or from standard input for -, as\n"
    "                       UTF-8; any length (a command line holds at most 32,767 characters)\n"
    "  --ping               send the ping notification and show the reply\n"
    "  --listen             open the host's window and report the toast requests and plug-in\n"
    "                       change notices it hears; lines typed on standard input are chat\n"
    "                       messages, or /toast FIRST SECOND THIRD [FLAG] (and /toastw) to call\n"
    "                       the plug-in's toast function; ends when the input ends (Ctrl+Z\n"
    "                       then Enter at a Windows console, Ctrl-D through ./scripts/try), or\n"
    "                       when another program asks its window to close\n"
    "  --raw                write the exact bytes: system code page, control byte 0x02 included\n"
    "  --plugin PATH        the plug-in library (default: Ostrakin.dll beside this program)\n"
    "  --version            the host's version\n"
    "  --help               this text\n"
    "Chat text reaches the plug-in in the system code page, as a chat host hands it over;\n"
    "characters the code page lacks arrive as '?', never as a look-alike. What the host shows\n"
    "is UTF-8 in a pipe or file, and the console's own text on a console.\n";

struct HostOptions {
  enum class Mode { Overview, Message, Ping, Listen, Help, Version };
  Mode mode = Mode::Overview;
  bool raw = false;
  std::string plugin;              // empty: Ostrakin.dll beside the program
  std::vector<std::string> words;  // the message, from the command line
  std::string messageFile;         // the message, from this file ("-": standard input)
};

// False, with a one-line reason, for an unknown option, a missing value, or two modes at once
// (a message with --ping, for one).
bool ParseHostOptions(const std::vector<std::string>& arguments, HostOptions* options,
                      std::string* error);

}  // namespace standin
