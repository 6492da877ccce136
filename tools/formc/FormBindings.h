#pragma once
// The published bindings a form description implies for its window class, written as C++.
//
// Every component below the root is a published field of the root's class (a member `T* Name`,
// T being the component's class), and every event property whose value is an identifier
// ("OnClick": {"ident": "BitBtn1Click"}) names a published method of it (a member
// `void Name(TObject*)`). The generated header holds both tables, in the order the description
// names them, and a static_assert per entry, so a member that is missing, or declared with
// another type or signature, stops the build at the line that names it.

#include <string>
#include <string_view>
#include <vector>

#include "formc/FormCompiler.h"

namespace pw::formc {

struct PublishedComponent {
  std::string name;
  std::string className;
};

struct FormBindings {
  std::string className;                   // the root's, e.g. "TForm1"
  std::vector<PublishedComponent> fields;  // every component below the root, in stream order
  std::vector<std::string> handlers;       // in the order of first use, each once
};

// Throws CompileError when a name is no C++ identifier or two components share a name.
FormBindings CollectBindings(const Json& root);

// The header declaring `<class>Bindings::kFields` and `kMethods` in namespace pw, to be included
// after the class's declaration. `source` names the description in the header's comments.
std::string WriteBindings(const FormBindings& bindings, std::string_view source);

}  // namespace pw::formc
