#pragma once
// The running program's own module.

#include <string>

namespace pw::sys {

// The full path of the executable (from /proc/self/exe), at most 255 characters as the framework
// reads it; empty when it cannot be read.
std::string ModuleFileName();

}  // namespace pw::sys
