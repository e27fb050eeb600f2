// How much text an answer can take.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Ostrakin.h"

namespace ostrakin {

// A display adapter description the query reports as longer than this, in bytes, goes
// unanswered.
constexpr uint32_t kLongestAdapterDescription = 256;

// The longest answer is the video card's: 16 bytes of frame and separators, the longest
// description (stored without a terminator), and a screen size of two 11-character numbers
// and "x".
constexpr size_t kLongestAnswer = 16 + kLongestAdapterDescription + 11 + 1 + 11;
static_assert(
    kLongestAnswer == OSTRAKIN_LONGEST_ANSWER,
    "hosts size their buffers by OSTRAKIN_LONGEST_ANSWER: make it kLongestAnswer in Ostrakin.h");

// Every answer is written with this bound, terminator included.
constexpr size_t kAnswerCapacity = kLongestAnswer + 1;

}  // namespace ostrakin
