#include "forms/Persistent.h"

#include "forms/TypeInfo.h"

namespace pw {

const TClassInfo TPersistent::classInfo{"TPersistent"};

std::string_view TPersistent::ClassName() const {
  return ClassInfo().name;
}

void TPersistent::DeclareExtraProperties(TReader&) {}

}  // namespace pw
