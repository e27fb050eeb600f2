// A host process decides the x87 precision its threads compute with (Direct3D programs, for
// one, run at 24 bits). The answers must not depend on it.
#include <gtest/gtest.h>

#include <float.h>

#include <string>

#include "byte_units.h"
#include "core/answers/memory_bar.h"
#include "core/text/two_decimals.h"

namespace ostrakin {
namespace {

class PrecisionControl {
 public:
  explicit PrecisionControl(unsigned int precision) : saved_(_controlfp(0, 0)) {
    _controlfp(precision, _MCW_PC);
  }
  ~PrecisionControl() { _controlfp(saved_, _MCW_PC); }

 private:
  unsigned int saved_;
};

std::string Answers() {
  using testing::kMiB;
  std::string answers;
  for (const auto& memory : {std::pair<uint64_t, uint64_t>{511 * kMiB, 512 * kMiB},
                             {4294967294u, 4294967295u},
                             {7, 10},
                             {2, 3},
                             {1234567891u, 2147483647u},
                             {(uint64_t{1} << 34) - 1, uint64_t{1} << 34},
                             {uint64_t{7} << 40, uint64_t{10} << 40}}) {
    answers += std::to_string(MemoryBarFilledCells(memory.first, memory.second)) + " ";
  }
  for (int64_t bytes : {int64_t{10} * (1 << 30) + (1 << 27), int64_t{(1 << 30) / 8 * 5 - 1},
                        int64_t{0x7FFFFFFFFFFFFFFF}, int64_t{123456789012345}}) {
    char text[kAmountTextCapacity];
    WriteTwoDecimals(bytes, AmountUnit::Gibibytes, text);
    answers += std::string(text) + " ";
  }
  return answers;
}

TEST(FpuPrecision, AnswersAreTheSameAtEveryX87Precision) {
  const std::string expected = "19 20 14 13 11 20 14 10.13 0.62 8589934592.00 114978.09 ";
  EXPECT_EQ(expected, Answers());
  for (unsigned int precision : {unsigned(_PC_24), unsigned(_PC_53), unsigned(_PC_64)}) {
    PrecisionControl control(precision);
    EXPECT_EQ(expected, Answers()) << "precision control " << precision;
  }
}

}  // namespace
}  // namespace ostrakin
