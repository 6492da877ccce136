#include "controls/ButtonControl.h"

namespace pw {

const TClassInfo TButtonControl::classInfo{"TButtonControl", &TWinControl::classInfo};

}  // namespace pw
