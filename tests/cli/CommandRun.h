#pragma once
// Runs a command as main() does, with its standard streams captured.

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/CommandLine.h"

namespace pw::testing {

struct CommandRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline CommandRun RunCommand(std::vector<std::string> args, std::string_view input = {}) {
  std::vector<std::string_view> views(args.begin(), args.end());
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  std::ostringstream err;
  CommandRun run;
  run.code = cli::RunCommandLine(views, in, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace pw::testing
