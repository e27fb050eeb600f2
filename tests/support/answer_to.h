// The answer a tag gets through the dispatch, in a zeroed buffer of its own; a test failure when
// the tag goes unanswered.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/parse_tag.h"

namespace ostrakin::testing {

inline std::string AnswerTo(PlatformCalls& platform, const char* tag) {
  char result[512] = {};
  EXPECT_EQ(1, ParseTag(platform, tag, result)) << tag;
  return result;
}

}  // namespace ostrakin::testing
