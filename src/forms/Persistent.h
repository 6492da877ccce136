#pragma once
// TPersistent: an object whose published properties a form stream can set.

#include <string_view>

#include "forms/Object.h"

namespace pw {

struct TClassInfo;
class TReader;

class TPersistent : public TObject {
 public:
  static const TClassInfo classInfo;
  // The type information of the object's own class.
  virtual const TClassInfo& ClassInfo() const { return classInfo; }
  std::string_view ClassName() const;

  // Announces the properties a stream may carry for this object besides the published ones, by
  // calling the reader's DeclareProperty or DeclareBytesProperty once per name.
  virtual void DeclareExtraProperties(TReader& reader);
};

}  // namespace pw
