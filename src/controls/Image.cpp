#include "controls/Image.h"

namespace pw {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

}  // namespace pw
