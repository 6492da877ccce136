#include "app/calculation/BatchMass.h"

#include <cmath>

#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace pw {

BatchMass WeighBatch(Extended unitWeight, Extended lengthMm, std::int32_t quantity) {
  const auto count = static_cast<Extended>(quantity);
  // Products of finite values raise no invalid operation and no division by zero, and an
  // overflow leaves an infinity: a chain of finite values raised nothing the environment
  // enables, so reading the flags (which costs more than the arithmetic) is needed only when
  // some value is not finite.
  const Extended weighed = unitWeight * lengthMm;
  const Extended counted = weighed * count;
  const Extended mass = counted / 1000;
  if (std::isfinite(unitWeight) && std::isfinite(lengthMm) && std::isfinite(weighed) &&
      std::isfinite(counted) && std::isfinite(mass)) {
    return {mass, FormatExtended(mass, 4, 1)};
  }
  // Again, step by step, from volatile copies: the compiler would otherwise reuse the products
  // above, which were computed before the flags were cleared.
  volatile Extended weight = unitWeight;
  volatile Extended length = lengthMm;
  volatile Extended pieces = count;
  volatile Extended p = Guarded([&] { return weight * length; });
  p = Guarded([&] { return p * pieces; });
  p = Guarded([&] { return p / 1000; });
  return {p, FormatExtended(p, 4, 1)};
}

Extended AddMass(Extended total, Extended mass) {
  const Extended sum = total + mass;
  if (std::isfinite(total) && std::isfinite(mass) && std::isfinite(sum)) return sum;
  volatile Extended a = total;
  volatile Extended b = mass;
  return Guarded([&] { return a + b; });
}

std::string MassCaption(const BatchMass& mass) {
  std::string caption = mass.text;
  caption += kMassUnit;
  return caption;
}

}  // namespace pw
