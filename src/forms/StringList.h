#pragma once
// TStringList: an ordered list of narrow strings.

#include <string>
#include <vector>

namespace pw {

class TStringList {
 public:
  int Count() const { return static_cast<int>(strings_.size()); }
  // The string at `index`; an index outside the list yields the empty string.
  std::string Strings(int index) const;
  int Add(std::string s);
  void Clear() { strings_.clear(); }
  const std::vector<std::string>& Lines() const { return strings_; }

 private:
  std::vector<std::string> strings_;
};

}  // namespace pw
