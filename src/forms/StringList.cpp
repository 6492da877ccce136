#include "forms/StringList.h"

namespace pw {

std::string TStringList::Strings(int index) const {
  if (index < 0 || index >= Count()) return {};
  return strings_[static_cast<std::size_t>(index)];
}

int TStringList::Add(std::string s) {
  strings_.push_back(std::move(s));
  return Count() - 1;
}

}  // namespace pw
