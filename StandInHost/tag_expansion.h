// Finds the tags in a chat message and puts each answer where its tag stood.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace standin {

// Answers one tag: true with the answer's text, or false to leave the tag as written.
using TagAnswerer = std::function<bool(const std::string& tag, std::string* answer)>;

// A tag is "(!" up to the next ")", with no "(" in between (a "(" starts the search afresh, so
// "(!a (!VuskRamBar)" still finds the inner tag). Text outside tags is copied unchanged. Every
// "(!" word left as written goes to *unanswered, when given: a tag the answerer declined, or
// one never closed ("(!a", "(!vuskdiskc"), up to the next blank or "(".
std::string ExpandTags(const std::string& message, const TagAnswerer& answer,
                       std::vector<std::string>* unanswered = nullptr);

}  // namespace standin
