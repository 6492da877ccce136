#include "app/calculation/BatchMass.h"

#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace pw {

BatchMass WeighBatch(Extended unitWeight, Extended lengthMm, std::int32_t quantity) {
  Extended p = Guarded([&] { return unitWeight * lengthMm; });
  p = Guarded([&] { return p * static_cast<Extended>(quantity); });
  p = Guarded([&] { return p / 1000; });
  return {p, FormatExtended(p, 4, 1)};
}

std::string MassCaption(const BatchMass& mass) {
  std::string caption = mass.text;
  caption += kMassUnit;
  return caption;
}

}  // namespace pw
