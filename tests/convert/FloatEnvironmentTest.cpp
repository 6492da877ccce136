#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "convert/Exceptions.h"
#include "convert/FloatEnvironment.h"
#include "convert/Messages.h"

namespace pw {
namespace {

class GuardedTest : public testing::Test {
 protected:
  void TearDown() override { SetFloatControlWord(kDefaultControlWord); }

  // Operands the compiler cannot fold.
  volatile Extended zero_ = 0;
  volatile Extended one_ = 1;
  volatile Extended largest_ = std::numeric_limits<Extended>::max();
  volatile Extended smallest_ = std::numeric_limits<Extended>::denorm_min();
};

template <class Expected, class Compute>
void ExpectFault(Compute&& compute, const std::string& message) {
  try {
    Guarded(compute);
    ADD_FAILURE() << "no exception, expected " << message;
  } catch (const Expected& e) {
    EXPECT_EQ(e.Message(), message);
    EXPECT_NE(dynamic_cast<const EMathError*>(&e), nullptr);
  }
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

TEST_F(GuardedTest, EnabledFaultsRaiseTheirExceptions) {
  ExpectFault<EOverflow>([&] { return largest_ * 2; }, "Floating point overflow");
  ExpectFault<EZeroDivide>([&] { return one_ / zero_; }, "Floating point division by zero");
  ExpectFault<EInvalidOp>([&] { return zero_ / zero_; }, "Invalid floating point operation");
}

TEST_F(GuardedTest, MaskedAndHarmlessFlagsRaiseNothing) {
  EXPECT_EQ(Guarded([&] { return one_ / 3 * smallest_ * smallest_; }), 0);  // inexact, underflow
  SetFloatControlWord(kMaskedControlWord);
  EXPECT_TRUE(std::isinf(Guarded([&] { return largest_ * 2; })));
  EXPECT_TRUE(std::isinf(Guarded([&] { return one_ / zero_; })));
  EXPECT_TRUE(std::isnan(Guarded([&] { return zero_ / zero_; })));
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

TEST(Messages, StringTableAndPlaceholders) {
  EXPECT_EQ(LoadMessage(MessageId::InvalidInteger), "'%s' is not a valid integer value");
  EXPECT_EQ(LoadMessage(MessageId::InvalidFloat, {"1 %s"}),
            "'1 %s' is not a valid floating point value");
  EXPECT_EQ(static_cast<int>(MessageId::InvalidFloat), 65521);
  EXPECT_THROW(LoadMessage(static_cast<MessageId>(1)), std::out_of_range);
  EXPECT_EQ(FormatText("%s+%s=100%%", {"a", "b"}), "a+b=100%");
  EXPECT_EQ(FormatText("[%s]", {}), "[]");
}

}  // namespace
}  // namespace pw
