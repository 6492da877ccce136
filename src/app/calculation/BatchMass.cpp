#include "app/calculation/BatchMass.h"

#include <cmath>

#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace pw {

BatchMass WeighBatch(Extended unitWeight, Extended lengthMm, std::int32_t quantity) {
  const auto count = static_cast<Extended>(quantity);
  // Products of finite values raise no invalid operation and no division by zero, and an
  // overflow leaves an infinity, which every later step keeps (or turns into NaN): a finite
  // mass means that nothing the environment enables was raised, so the flags (which cost more
  // to read than the arithmetic) are needed only for a mass that is not finite.
  const Extended mass = unitWeight * lengthMm * count / 1000;
  if (std::isfinite(mass)) return {mass, FormatExtended(mass, 4, 1)};
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
  if (std::isfinite(sum)) return sum;  // as above: a finite sum raised nothing
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
