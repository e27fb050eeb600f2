// The keywords a host can offer its users, read from the plug-in's catalogue.
#pragma once

#include <string>
#include <vector>

#include "Ostrakin.h"

namespace standin {

// Each tag text in catalogue order. A text with "*" is a template: its part up to the first ")"
// is offered once for every letter A to Z in place of the "*".
std::vector<std::string> KeywordsFromCatalogue(const TagCatalogue& tags);

}  // namespace standin
