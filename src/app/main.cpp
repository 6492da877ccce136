// profile-weight: the calculator window and the showcase window on the user's display.

#include <cstdio>

#include "app/Program.h"
#include "platform/backend/ChooseBackend.h"
#include "platform/gfx/Text.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/Window.h"

int main() {
  using namespace pw;
  // The fonts are read while the display connection starts.
  gfx::PrepareFonts();
  if (win::ChooseBackend() == win::BackendKind::kHeadless) {
    // Nobody could use the windows: the program starts, finds no input and ends.
    std::fputs(
        "profile-weight: no display; build/bin/profile-weight-drive runs the program from a "
        "script on the headless backend\n",
        stderr);
    if (auto* headless = win::CurrentHeadlessBackend()) {
      headless->SetIdleHandler([] {
        win::PostQuitMessage(0);
        return false;
      });
    }
  }
  return RunProgram();
}
