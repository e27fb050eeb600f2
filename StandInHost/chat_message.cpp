#include "chat_message.h"

#include <vector>

#include "tag_expansion.h"
#include "unanswered_tag.h"

namespace standin {

bool AskPlugin(const PluginEntryPoints& plugin, const std::string& tag, std::string* answer) {
  char result[kResultBufferSize] = {};
  if (plugin.parseTag(tag.c_str(), 0, result) != 1) return false;
  *answer = result;
  return true;
}

void AnswerChatMessage(const PluginLibrary& library, const std::string& message,
                       const HostOutput& out, const HostOutput& notes) {
  std::vector<std::string> unanswered;
  out.Line(ExpandTags(
      message,
      [&](const std::string& tag, std::string* text) {
        return AskPlugin(library.EntryPoints(), tag, text);
      },
      &unanswered));
  for (const std::string& tag : unanswered)
    notes.Line("StandInHost: " + DescribeUnansweredTag(tag, library.Info().tags));
}

}  // namespace standin
