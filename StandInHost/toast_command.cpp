#include "toast_command.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace standin {
namespace {

bool ParseNumber(const std::string& text, unsigned long limit, unsigned long* value) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long parsed = std::strtoull(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0' || parsed > limit) return false;
  *value = static_cast<unsigned long>(parsed);
  return true;
}

}  // namespace

ToastCommandParse ParseToastCommand(const std::string& line, ToastCommand* command) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  if (verb != "/toast" && verb != "/toastw") return ToastCommandParse::NotACommand;
  std::vector<std::string> arguments;
  for (std::string word; words >> word;)
    arguments.push_back(word);
  if (arguments.size() < 3 || arguments.size() > 4) return ToastCommandParse::Invalid;
  unsigned long values[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (!ParseNumber(arguments[i], i < 3 ? 0xFFFFFFFFul : 0xFFul, &values[i])) {
      return ToastCommandParse::Invalid;
    }
  }
  command->wide = verb == "/toastw";
  command->first = uint32_t(values[0]);
  command->second = uint32_t(values[1]);
  command->third = uint32_t(values[2]);
  command->flag = static_cast<unsigned char>(values[3]);
  return ToastCommandParse::Valid;
}

}  // namespace standin
