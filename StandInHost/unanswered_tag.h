// Why a "(!...)" word of a chat message stayed as typed, said to the user with the keyword of
// the plug-in's catalogue nearest to it, when one is a typo or two away.
#pragma once

#include <string>

#include "Ostrakin.h"

namespace standin {

// "(!VuskRamBr) is not one of the plug-in's keywords; nearest: (!VuskRamBar)". Nearest means the
// fewest characters typed, left out or changed, letter case aside (the plug-in ignores it), and
// no more than two; where every drive letter of a template is as near ("(!VuskDisk1)"), the
// template is named. "(!Weather) is not one of the plug-in's keywords", with nothing near.
std::string DescribeUnansweredTag(const std::string& tag, const TagCatalogue& tags);

}  // namespace standin
