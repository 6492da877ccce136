// profile-weight: the calculator window and the showcase window on the user's display; with a
// command (weigh, catalogue), the same calculation without any display.

#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/Program.h"
#include "app/cli/CommandLine.h"
#include "controls/FrameworkContext.h"
#include "platform/backend/ChooseBackend.h"
#include "platform/gfx/Text.h"

namespace {

int ReportNoDisplay() {
  std::fputs(
      "profile-weight: no display to show the windows on; the commands need none "
      "(profile-weight --help), and profile-weight-drive runs the windows from a script\n",
      stderr);
  return pw::cli::kExitNoDisplay;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pw;
  if (argc > 1) {
    // A command: nothing of the windowing system or the fonts is started.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return cli::RunCommandLine(args, std::cin, std::cout, std::cerr);
  }
  // The fonts are read while the display connection starts.
  gfx::PrepareFonts();
  win::ChosenBackend chosen = win::ChooseBackend();
  if (chosen.kind == win::BackendKind::kHeadless) return ReportNoDisplay();
  const FrameworkContext context(std::move(chosen.backend));
  return RunProgram();
}
