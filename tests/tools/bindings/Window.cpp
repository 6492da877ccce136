// A window class against the bindings generated from Window.json. As written it agrees with the
// description; with WINDOW_MISMATCH it has a member of another type, lacks one, and declares a
// handler with another signature, each of which must stop the compilation.

#include "forms/Component.h"
#include "forms/TypeInfo.h"

namespace pw {

class TPart : public TComponent {
 public:
  static const TClassInfo classInfo;
  using TComponent::TComponent;
};
class TOtherPart : public TComponent {
 public:
  static const TClassInfo classInfo;
  using TComponent::TComponent;
};

class TForm9 : public TComponent {
 public:
  using TComponent::TComponent;
#ifndef WINDOW_MISMATCH
  TPart* Part1 = nullptr;
  TPart* Part2 = nullptr;
  void FormCreate(TObject*) {}
  void Part1Click(TObject*) {}
#else
  TOtherPart* Part1 = nullptr;
  void FormCreate(TObject*) {}
  void Part1Click() {}
#endif
};

}  // namespace pw

#include "WindowBindings.h"

namespace pw {
const TClassInfo TPart::classInfo{"TPart"};
const TClassInfo TOtherPart::classInfo{"TOtherPart"};
const TClassInfo kWindowInfo{"TForm9", nullptr, {}, TForm9Bindings::kFields,
                             TForm9Bindings::kMethods};
}  // namespace pw
