// Decimal places of a channel's range, also for ranges of no or negative width.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "direct/Kanalbereich.h"

namespace directtest {
namespace {

struct Stellenfall {
  double lo, hi;
  int stellen;
};

class Stellen : public testing::TestWithParam<Stellenfall> {};

TEST_P(Stellen, ShowOneRawStep) {
  EXPECT_EQ(GetParam().stellen, direct::Nachkommastellen(GetParam().lo, GetParam().hi, 4095.0));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Faelle, Stellen,
                         testing::Values(Stellenfall{0, 10, 3}, Stellenfall{0, 100, 2},
                                         Stellenfall{0, 1000, 1}, Stellenfall{0, 4095, 0},
                                         Stellenfall{-5000, 5000, 0}, Stellenfall{0, 1, 4},
                                         Stellenfall{2, 12, 3},
                                         Stellenfall{100, 0, 2},  // a falling scale
                                         Stellenfall{5, 5, 3}, Stellenfall{0, kNaN, 3},
                                         Stellenfall{0, kInf, 3}, Stellenfall{0, 1e-30, 15}));

}  // namespace
}  // namespace directtest
