// The host's side of a chat message: every tag handed to the plug-in's ParseTag, as a chat host
// does, and the answers put in their tags' places.
#pragma once

#include <string>

#include "host_output.h"
#include "plugin_library.h"

namespace standin {

// The size of the buffers the host hands the plug-in.
constexpr size_t kResultBufferSize = 1024;

// One ParseTag call into a zeroed buffer of the host's own; the answer on 1.
bool AskPlugin(const PluginEntryPoints& plugin, const std::string& tag, std::string* answer);

// Writes the message with its tags answered to `out`, and for each "(!" word left as typed a
// line to `notes` saying why, with the nearest keyword of the plug-in's catalogue: the chat
// line itself stays as a chat user sees it.
void AnswerChatMessage(const PluginLibrary& library, const std::string& message,
                       const HostOutput& out, const HostOutput& notes);

}  // namespace standin
