// Answers one tag into the host's result buffer.
#pragma once

#include <cstdint>

#include "system_facts.h"

namespace ostrakin {

// 1 when `tag` is a keyword and its answer was written (appended after the buffer's text for a
// disk keyword, from the first byte otherwise); 0 with the buffer untouched when it is not a
// keyword, when the answer has nothing to say, or when a pointer is null.
int32_t AnswerTag(SystemFacts& facts, const char* tag, char* result);

}  // namespace ostrakin
