// Screenshots of both windows on the headless backend, used as a person would: the calculator
// at start and after a calculation (IPB by its icon, 6000 mm, "Calc."), the showcase window with
// its thumbnails and after a slide is shown. Writes PNG files into the given folder (default:
// the current one) and names them on standard output.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "controls/Application.h"
#include "controls/FrameworkContext.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"
#include "platform/gfx/Png.h"
#include "platform/win/Backend.h"
#include "platform/backend/HeadlessBackend.h"

namespace {

using namespace pw;

// The backend of the run's framework context, made in main.
win::HeadlessBackend* headlessBackend = nullptr;

win::HeadlessBackend& Headless() {
  return *headlessBackend;
}

void Settle() {
  do {
    Headless().PumpEvents(0);
    Application().ProcessMessages();
  } while (Headless().HasPendingEvents());
}

void Click(TControl& control) {
  gfx::POINT point{control.Width() / 2, control.Height() / 2};
  for (const TControl* c = &control; c->Parent() != nullptr; c = c->Parent()) {
    point.x += c->Left();
    point.y += c->Top();
  }
  win::HWND window = control.ParentForm()->Handle();
  for (unsigned message : {win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP}) {
    Headless().InjectMouse(message, window, point);
    Settle();
  }
  Headless().Advance(1000);  // no double click with the next one
}

void Type(std::string_view text) {
  for (char c : text) {
    Headless().InjectChar(static_cast<unsigned char>(c));
    Settle();
  }
}

bool Shot(TCustomForm& form, const std::filesystem::path& path) {
  if (!gfx::WritePng(win::GetWindowSurface(form.Handle()), path.string())) {
    std::fprintf(stderr, "pw-screenshots: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s\n", path.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  SetDecimalSeparator('.');
  auto backend = std::make_unique<win::HeadlessBackend>();
  headlessBackend = backend.get();
  const FrameworkContext context(std::move(backend));
  Headless().SetMessageBoxHandler([](win::HWND, std::string_view text, std::string_view, unsigned) {
    std::fprintf(stderr, "pw-screenshots: message box: %.*s\n", static_cast<int>(text.size()),
                 text.data());
    return win::IDOK;
  });
  try {
    std::filesystem::create_directories(folder);
    std::unique_ptr<TForm1> calculator(MakeForm<TForm1>(nullptr, Form1));
    std::unique_ptr<TForm3> showcase(MakeForm<TForm3>(nullptr, Form3));
    calculator->SetVisible(true);
    Settle();
    bool ok = Shot(*calculator, folder / "calculator.png");
    Click(*calculator->Image4);
    Click(*calculator->Edit1);
    Type("6000");
    Click(*calculator->BitBtn1);
    ok = Shot(*calculator, folder / "calculator-result.png") && ok;
    calculator->SetVisible(false);
    showcase->SetVisible(true);
    Settle();
    ok = Shot(*showcase, folder / "showcase.png") && ok;
    Click(*showcase->Image4);
    ok = Shot(*showcase, folder / "showcase-slide.png") && ok;
    showcase.reset();
    calculator.reset();
    return ok ? 0 : 1;
  } catch (const Exception& e) {
    std::fprintf(stderr, "pw-screenshots: %s\n", e.Message().c_str());
    return 1;
  }
}
