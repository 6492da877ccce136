#pragma once
// Sets the process code page for a scope.

#include "platform/sys/CodePage.h"

namespace pw::testing {

class CodePageScope {
 public:
  explicit CodePageScope(int codePage) : saved_(sys::CodePage()) { sys::SetCodePage(codePage); }
  ~CodePageScope() { sys::SetCodePage(saved_); }
  CodePageScope(const CodePageScope&) = delete;
  CodePageScope& operator=(const CodePageScope&) = delete;

 private:
  int saved_;
};

}  // namespace pw::testing
