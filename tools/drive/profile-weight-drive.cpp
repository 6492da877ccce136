// profile-weight-drive: runs the program on the headless backend from commands on standard input,
// one per line, and reports on standard output, one JSON object per line. Whenever the program
// would wait for a message, everything pending (paints included) has been handled, and the next
// command is read. At the end of input the main window is closed.
//
//   profile-weight-drive [--codepage 1252|1256|65001] [--decimal C] < session
//
// Commands (FORM: Form1 or Form3; X Y: client coordinates of that window):
//   click|dblclick|rclick|press|release|move FORM X Y   key CHORD   type TEXT   close FORM
//   wait MS   windows   dump FORM   shot FORM FILE   pixel FORM X Y   clipboard TEXT
//   getclipboard

#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/Program.h"
#include "controls/Application.h"
#include "controls/ComboBox.h"
#include "controls/CustomForm.h"
#include "controls/FrameworkContext.h"
#include "controls/RadioButton.h"
#include "controls/Screen.h"
#include "controls/WideLabel.h"
#include "convert/NumberText.h"
#include "platform/gfx/Png.h"
#include "platform/sys/CodePage.h"
#include "platform/win/Backend.h"
#include "platform/backend/HeadlessBackend.h"

namespace {

using namespace pw;
using nlohmann::json;

// The backend of the run's framework context, made in main.
win::HeadlessBackend* headlessBackend = nullptr;

win::HeadlessBackend& Headless() {
  return *headlessBackend;
}

void Emit(const json& line) {
  std::cout << line.dump(-1, ' ', false, json::error_handler_t::replace) << '\n' << std::flush;
}

void Error(std::string_view text) {
  Emit({{"event", "error"}, {"text", text}});
}

// Narrow text of the process code page as UTF-8.
std::string Utf8(std::string_view narrow) {
  if (sys::CodePage() == sys::kCodePageUtf8) return std::string(narrow);
  return sys::WideToUtf8(sys::NarrowToWide(narrow));
}

TCustomForm* FindForm(std::string_view name) {
  for (TCustomForm* form : Screen().Forms()) {
    if (form->Name() == name) return form;
  }
  return nullptr;
}

std::optional<unsigned> KeyCode(std::string_view name) {
  static const std::map<std::string, unsigned, std::less<>> keys = {
      {"Tab", win::VK_TAB},       {"Return", win::VK_RETURN}, {"Enter", win::VK_RETURN},
      {"Escape", win::VK_ESCAPE}, {"Space", win::VK_SPACE},   {"Backspace", win::VK_BACK},
      {"Delete", win::VK_DELETE}, {"Home", win::VK_HOME},     {"End", win::VK_END},
      {"Left", win::VK_LEFT},     {"Right", win::VK_RIGHT},   {"Up", win::VK_UP},
      {"Down", win::VK_DOWN},     {"F4", win::VK_F4},         {"F10", win::VK_F10},
      {"Insert", win::VK_INSERT}, {"Menu", win::VK_APPS}};
  if (auto it = keys.find(name); it != keys.end()) return it->second;
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<unsigned>(c);
  }
  return std::nullopt;
}

json WindowLine(TCustomForm& form) {
  return {
      {"name", form.Name()},
      {"caption", Utf8(form.Caption())},
      {"visible", form.Visible()},
      {"enabled", form.Enabled() && form.HandleAllocated() && win::IsWindowEnabled(form.Handle())},
      {"active", form.HandleAllocated() && win::GetActiveWindow() == form.Handle()},
      {"modal", form.Modal()},
      {"left", form.Left()},
      {"top", form.Top()},
      {"width", form.Width()},
      {"height", form.Height()},
      {"clientWidth", form.ClientWidth()},
      {"clientHeight", form.ClientHeight()}};
}

json ControlLine(TControl& control) {
  int z = -1;
  if (TWinControl* parent = control.Parent()) {
    if (control.IsWindowed()) {
      const auto& list = parent->WindowedChildren();
      z = static_cast<int>(std::find(list.begin(), list.end(), &control) - list.begin());
    } else {
      const auto& list = parent->GraphicChildren();
      z = static_cast<int>(std::find(list.begin(), list.end(), &control) - list.begin());
    }
  }
  const auto* windowed = control.IsWindowed() ? static_cast<TWinControl*>(&control) : nullptr;
  json line = {{"name", control.Name()},
               {"class", control.ClassName()},
               {"left", control.Left()},
               {"top", control.Top()},
               {"width", control.Width()},
               {"height", control.Height()},
               {"visible", control.Visible()},
               {"enabled", control.Enabled()},
               {"focused", windowed != nullptr && windowed->Focused()},
               {"z", z},
               {"text", Utf8(control.Text())}};
  if (auto* wide = dynamic_cast<TWideCustomLabel*>(&control)) {
    line["text"] = sys::WideToUtf8(wide->Caption());
  }
  if (auto* radio = dynamic_cast<TRadioButton*>(&control)) line["checked"] = radio->Checked();
  if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
    line["itemIndex"] = combo->ItemIndex();
    json items = json::array();
    for (int i = 0; i < combo->Items().Count(); ++i)
      items.push_back(Utf8(combo->Items().Strings(i)));
    line["items"] = items;
  }
  return line;
}

// What follows the command word and one blank.
std::string RestOfLine(const std::string& line, std::string_view command) {
  const auto at = line.find(command) + command.size();
  return at < line.size() ? line.substr(at + 1) : "";
}

class Session {
 public:
  // One command; false at the end of input.
  bool Next() {
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Execute(line);
    return true;
  }

 private:
  // One branch per command of the runner's table, each a few lines: kept together so the
  // commands read as that table does.
  void Execute(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    if (command.empty() || command[0] == '#') return;
    if (command == "type") {
      for (char32_t c : sys::Utf8ToCodePoints(RestOfLine(line, "type"))) Headless().InjectChar(c);
      return;
    }
    if (command == "clipboard") {
      Headless().SetClipboardText(RestOfLine(line, "clipboard"));
      return;
    }
    if (command == "getclipboard") {
      const std::optional<std::string> text = Headless().ClipboardText();
      Emit({{"clipboard", text && !text->empty() ? json(*text) : json(nullptr)}});
      return;
    }
    if (command == "key") {
      std::string chord;
      in >> chord;
      Key(line, chord);
      return;
    }
    if (command == "wait") {
      long ms = -1;
      if (!(in >> ms) || ms < 0) return Error("bad command: " + line);
      Headless().Advance(static_cast<std::uint32_t>(ms));
      return;
    }
    if (command == "windows") {
      for (TCustomForm* form : Screen().Forms()) Emit(WindowLine(*form));
      Emit({{"end", "windows"}});
      return;
    }
    std::string name;
    in >> name;
    TCustomForm* form = FindForm(name);
    if (form == nullptr) return Error("bad command: " + line);
    if (command == "close") {
      Headless().InjectClose(form->Handle());
      return;
    }
    if (command == "dump") {
      Emit(WindowLine(*form));
      for (int i = 0; i < form->ComponentCount(); ++i) {
        if (auto* control = dynamic_cast<TControl*>(form->Components(i)))
          Emit(ControlLine(*control));
      }
      Emit({{"end", "dump"}});
      return;
    }
    if (command == "shot") {
      std::string file;
      std::getline(in >> std::ws, file);
      if (file.empty() || !gfx::WritePng(win::GetWindowSurface(form->Handle()), file)) {
        return Error("cannot write " + file);
      }
      return;
    }
    int x = 0;
    int y = 0;
    if (!(in >> x >> y)) return Error("bad command: " + line);
    const gfx::POINT point{x, y};
    if (command == "pixel") {
      gfx::HDC dc = gfx::CreateCompatibleDC(nullptr);
      gfx::SelectObject(dc, win::GetWindowSurface(form->Handle()));
      const gfx::COLORREF c = gfx::GetPixel(dc, x, y);
      gfx::DeleteDC(dc);
      Emit({{"r", gfx::GetRValue(c)}, {"g", gfx::GetGValue(c)}, {"b", gfx::GetBValue(c)}});
      return;
    }
    win::HWND window = form->Handle();
    auto mouse = [&](unsigned message) { Headless().InjectMouse(message, window, point); };
    if (command == "move") {
      mouse(win::WM_MOUSEMOVE);
    } else if (command == "press") {
      mouse(win::WM_LBUTTONDOWN);
    } else if (command == "release") {
      mouse(win::WM_LBUTTONUP);
    } else if (command == "rclick") {
      mouse(win::WM_MOUSEMOVE);
      mouse(win::WM_RBUTTONDOWN);
      mouse(win::WM_RBUTTONUP);
    } else if (command == "click" || command == "dblclick") {
      mouse(win::WM_MOUSEMOVE);
      mouse(win::WM_LBUTTONDOWN);
      mouse(win::WM_LBUTTONUP);
      if (command == "dblclick") {
        mouse(win::WM_LBUTTONDOWN);
        mouse(win::WM_LBUTTONUP);
      }
    } else {
      Error("bad command: " + line);
    }
  }

  void Key(const std::string& line, std::string chord) {
    std::vector<unsigned> modifiers;
    for (;;) {
      const auto plus = chord.find('+');
      if (plus == std::string::npos || plus + 1 == chord.size()) break;
      const std::string modifier = chord.substr(0, plus);
      if (modifier == "Shift") {
        modifiers.push_back(win::VK_SHIFT);
      } else if (modifier == "Ctrl") {
        modifiers.push_back(win::VK_CONTROL);
      } else if (modifier == "Alt") {
        modifiers.push_back(win::VK_MENU);
      } else {
        return Error("bad command: " + line);
      }
      chord = chord.substr(plus + 1);
    }
    const auto key = KeyCode(chord);
    if (!key) return Error("bad command: " + line);
    for (unsigned m : modifiers) Headless().InjectKey(m, true);
    Headless().InjectKey(*key, true);
    Headless().InjectKey(*key, false);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
      Headless().InjectKey(*it, false);
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::optional<int> codePage;
  std::optional<char> decimal;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--codepage" && i + 1 < argc) {
      codePage = std::atoi(argv[++i]);
    } else if (arg == "--decimal" && i + 1 < argc && argv[i + 1][0] != '\0') {
      decimal = argv[++i][0];
    } else {
      std::cerr << "usage: profile-weight-drive [--codepage 1252|1256|65001] [--decimal C]\n";
      return 2;
    }
  }
  // The code page first: the framework reads it as it starts.
  if (codePage) sys::SetCodePage(*codePage);
  auto backend = std::make_unique<win::HeadlessBackend>();
  headlessBackend = backend.get();
  const FrameworkContext context(std::move(backend));

  Session session;
  int endSteps = 0;
  Headless().SetIdleHandler([&] {
    if (session.Next()) return true;
    // The end of input: the main window's close box, then, should the program still run (a
    // modal window open), the quit message.
    if (endSteps++ == 0) {
      if (TCustomForm* main = Application().PrimaryForm()) {
        Headless().InjectClose(main->Handle());
        return true;
      }
    }
    win::PostQuitMessage(0);
    return false;
  });
  Headless().SetMessageBoxHandler(
      [](win::HWND, std::string_view text, std::string_view caption, unsigned flags) {
        Emit({{"event", "messagebox"},
              {"caption", Utf8(caption)},
              {"text", Utf8(text)},
              {"flags", flags}});
        return win::IDOK;
      });
  if (decimal) {
    Application().SetPrepareHook([c = *decimal] { SetDecimalSeparator(c); });
  }
  const int code = RunProgram();
  Emit({{"event", "exit"}, {"code", code}});
  return code;
}
