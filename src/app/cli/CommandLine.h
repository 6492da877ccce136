#pragma once
// The program's commands, run without any display: "weigh" (one batch, or a whole cut list) and
// "catalogue", with their help.

#include <iosfwd>
#include <span>
#include <string_view>

namespace pw::cli {

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoDisplay = 1;    // no command, and no display for the windows
inline constexpr int kExitBadInput = 2;     // a designation, number or cut-list line is bad
inline constexpr int kExitUsage = 64;       // the command line itself is wrong
inline constexpr int kExitNoInput = 66;     // the cut list cannot be opened
inline constexpr int kExitWriteError = 74;  // the output cannot be written

// Runs the command that the arguments (after the program name, at least one) name.
int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace pw::cli
