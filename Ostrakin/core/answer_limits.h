// How much text an answer can take.
#pragma once

#include <cstddef>

namespace ostrakin {

// The longest answer is the video card's: 16 bytes of frame and separators, a description of
// 256 bytes stored without a terminator, and a screen size of two 11-character numbers and "x".
constexpr size_t kLongestAnswer = 16 + 256 + 11 + 1 + 11;
static_assert(kLongestAnswer == 295, "");

// Every answer is written with this bound, terminator included.
constexpr size_t kAnswerCapacity = kLongestAnswer + 1;

}  // namespace ostrakin
