#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "DriveProcess.h"
#include "convert/NumberText.h"

// Seeded random sessions of the whole program through its runner: clicks, drags, keys and typed
// bytes of every kind in both windows, with the windows dumped after every step and checked for
// what a user relies on. A failing session's script is saved for replaying by hand.
//
//   PW_RANDOM_SESSIONS=N  sessions per test      PW_RANDOM_STEPS=M  steps per session
//   PW_RANDOM_SEED=S      seed of the first session (the others follow)

namespace {

using nlohmann::json;
using pw::testing::DriveProcess;
using namespace std::chrono_literals;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultSessions = 2;
#else
constexpr int kDefaultSessions = 30;
#endif
constexpr int kDefaultSteps = 300;
constexpr std::uint64_t kDefaultSeed = 4711;
constexpr auto kStepTimeout = 30s;
constexpr auto kEndTimeout = 60s;

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// One window as dumped: the window line and its controls by name.
struct FormDump {
  json window;
  std::map<std::string, json> controls;

  const json& operator[](const std::string& name) const {
    static const json none;
    const auto found = controls.find(name);
    return found == controls.end() ? none : found->second;
  }
  std::string Text(const std::string& name) const { return (*this)[name].value("text", ""); }
  bool Focused(const std::string& name) const { return (*this)[name].value("focused", false); }
  bool Active() const { return window.value("active", false); }
};

struct State {
  FormDump form1;
  FormDump form3;
  bool ShowcaseOpen() const {
    return form3.window.value("visible", false) && form3.window.value("modal", false);
  }
};

bool ValidLength(const std::string& text) {
  return pw::ScanExtended(text).has_value();
}
bool ValidQuantity(const std::string& text) {
  return pw::ScanInteger(text).errorPos == 0;
}

const std::string kFloatError = "' is not a valid floating point value.";
const std::string kIntegerError = "' is not a valid integer value.";

// The drop-down list's designations start with the family's letters.
const char* const kFamilyPrefix[] = {"L ", "U ", "I ", "IPB "};
// The labels slide n's title is read from.
const char* const kSlideTitle[] = {"WideLabel16", "WideLabel13", "WideLabel14", "WideLabel19",
                                   "WideLabel21", "WideLabel23", "WideLabel25", "WideLabel27",
                                   "WideLabel29", "WideLabel31"};

// "******" before the first calculation; else the mass as written with width 4 and one decimal
// (fixed, or scientific beyond 10^36) and " kg".
std::optional<std::string> ResultProblem(const std::string& text) {
  if (text == "******") return std::nullopt;
  static const std::regex fixed(R"(( *)(-?(0|[1-9][0-9]*)\.[0-9]) kg)");
  static const std::regex scientific(
      R"([ -][1-9]\.[0-9]E\+(003[6-9]|00[4-9][0-9]|0[1-9][0-9]{2}|[1-4][0-9]{3}) kg)");
  std::smatch match;
  if (std::regex_match(text, match, fixed)) {
    const auto padding = match[1].length();
    const auto number = match[2].length();
    if ((padding > 0 && padding + number == 4) || (padding == 0 && number >= 4))
      return std::nullopt;
  }
  if (std::regex_match(text, scientific)) return std::nullopt;
  return "the result label reads \"" + text + "\"";
}

// ---- Input

class Generator {
 public:
  // The two tests draw different sessions from the same seeds.
  Generator(std::uint64_t seed, std::string_view label) {
    std::uint32_t hash = 2166136261u;
    for (char c : label) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                           hash};
    random_.seed(sequence);
  }

  std::string Step(const State& state) {
    const bool open = state.ShowcaseOpen();
    const FormDump& target = open ? state.form3 : state.form1;
    const std::string name = open ? "Form3" : "Form1";
    switch (Pick({30, 8, 4, 4, 3, 25, 18, 6, 2, open ? 8 : 1, open ? 0 : 1, open ? 0 : 3})) {
      case 0:
        return "click " + name + " " + PointOn(target) + "\n";
      case 1:
        return Chance(50) ? "click Form1 " + PointAnywhere(state.form1) + "\n"
                          : "click Form3 " + PointAnywhere(state.form3) + "\n";
      case 2:
        return "dblclick " + name + " " + PointOn(target) + "\n";
      case 3: {
        std::string drag = "press " + name + " " + PointOn(target) + "\n";
        for (int i = Int(0, 3); i > 0; --i)
          drag += "move " + name + " " + PointAnywhere(target) + "\n";
        return drag + "release " + name + " " +
               (Chance(50) ? PointOn(target) : PointAnywhere(target)) + "\n";
      }
      case 4: {
        const char* const single[] = {"press", "release", "move"};
        return std::string(single[Int(0, 2)]) + " " + name + " " + PointAnywhere(target) + "\n";
      }
      case 5:
        return "key " + Chord(open) + "\n";
      case 6:
        return "type " + Text() + "\n";
      case 7: {
        if (open) return "key " + Chord(open) + "\n";
        // A field cleared and filled, as a user corrects a value.
        std::string fill =
            "click Form1 " + PointOn(state.form1[Chance(60) ? "Edit1" : "Edit2"]) + "\nkey End\n";
        for (int i = Int(0, 12); i > 0; --i) fill += "key Backspace\n";
        return fill + "type " + NumberLike() + "\n";
      }
      case 8:
        return "wait " + std::to_string(Int(0, 3000)) + "\n";
      case 9:
        return "close Form3\n";
      case 10:
        return "click Form1 " + PointOn(state.form1["BitBtn2"]) + "\n";
      default:
        return "click Form1 " + PointOn(state.form1["BitBtn1"]) + "\n";
    }
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int percent) { return Int(0, 99) < percent; }
  std::size_t Pick(std::initializer_list<int> weights) {
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    return pick(random_);
  }

  // A point on one of the window's visible controls (the large backgrounds left out), now and
  // then just outside its edge.
  std::string PointOn(const FormDump& form) {
    std::vector<const json*> targets;
    for (const auto& [name, control] : form.controls) {
      if (control.value("visible", false) &&
          control.value("width", 0) * control.value("height", 0) <= 25000) {
        targets.push_back(&control);
      }
    }
    if (targets.empty()) return PointAnywhere(form);
    return PointOn(
        *targets[static_cast<std::size_t>(Int(0, static_cast<int>(targets.size()) - 1))]);
  }
  std::string PointOn(const json& control) {
    const int left = control.value("left", 0);
    const int top = control.value("top", 0);
    const int right = left + std::max(control.value("width", 1), 1) - 1;
    const int bottom = top + std::max(control.value("height", 1), 1) - 1;
    const int margin = Chance(10) ? 2 : 0;
    return std::to_string(Int(left - margin, right + margin)) + " " +
           std::to_string(Int(top - margin, bottom + margin));
  }
  // Anywhere on the window's client area, or a little outside.
  std::string PointAnywhere(const FormDump& form) {
    const int width = form.window.value("clientWidth", 400);
    const int height = form.window.value("clientHeight", 400);
    return std::to_string(Int(-8, width + 8)) + " " + std::to_string(Int(-8, height + 8));
  }

  // Alt+F4 only while the showcase has the keyboard: on the calculator it ends the program.
  std::string Chord(bool showcaseOpen) {
    static const char* const keys[] = {"Tab",    "Tab",  "Return", "Escape", "Space", "Backspace",
                                       "Delete", "Home", "End",    "Left",   "Right", "Up",
                                       "Down",   "F4",   "a",      "e",      "x",     "Z",
                                       "0",      "5",    "9"};
    const std::string key = keys[Int(0, std::size(keys) - 1)];
    if (showcaseOpen && Chance(3)) return "Alt+F4";
    std::string chord;
    if (Chance(15)) chord += "Shift+";
    if (Chance(5)) chord += "Ctrl+";
    if (Chance(3) && key != "F4") chord += "Alt+";
    return chord + key;
  }

  std::string Digits(int low, int high) {
    std::string digits;
    for (int i = Int(low, high); i > 0; --i) digits += static_cast<char>('0' + Int(0, 9));
    return digits;
  }
  // Numbers as users write them, and some that only nearly are.
  std::string NumberLike() {
    std::string text;
    if (Chance(10)) text += ' ';
    if (Chance(15)) text += Chance(70) ? '-' : '+';
    if (Chance(5)) text += '$';
    text += Digits(Chance(10) ? 0 : 1, Chance(10) ? 12 : 5);
    if (Chance(40)) text += (Chance(70) ? "." : ",") + Digits(0, 4);
    if (Chance(15)) {
      text += Chance(50) ? 'e' : 'E';
      if (Chance(40)) text += Chance(50) ? '-' : '+';
      text += Chance(30) ? std::to_string(Int(4900, 4960)) : Digits(0, 3);
    }
    if (Chance(5)) text += ' ';
    return text;
  }
  // Any bytes but the line's end.
  std::string Text() {
    if (Chance(30)) return NumberLike();
    static const char* const persian[] = {"۰", "۱", "۵", "۹", "٫", "٬", "ا", "ب",
                                          "پ", "چ", "ژ", "گ", "ک", "ی", "ه", "\u200c"};
    static const char* const other[] = {"€", "é", "😀", "中", "\u00a0", "\u202e", "\ufeff"};
    std::string text;
    for (int i = Int(0, 10); i > 0; --i) {
      switch (Pick({20, 4, 4, 4, 2, 3, 3, 4, 6, 4, 3, 3, 1})) {
        case 0:
          text += static_cast<char>('0' + Int(0, 9));
          break;
        case 1:
          text += '.';
          break;
        case 2:
          text += ',';
          break;
        case 3:
          text += '-';
          break;
        case 4:
          text += '+';
          break;
        case 5:
          text += Chance(50) ? 'e' : 'E';
          break;
        case 6:
          text += ' ';
          break;
        case 7:
          text += static_cast<char>('a' + Int(0, 25));
          break;
        case 8:
          text += persian[Int(0, std::size(persian) - 1)];
          break;
        case 9:
          text += other[Int(0, std::size(other) - 1)];
          break;
        case 10: {
          const int c = Int(0, 32);
          if (c != '\n' && c != '\r') text += static_cast<char>(c == 32 ? 0x7F : c);
          break;
        }
        case 11:
          text += static_cast<char>(Int(0x80, 0xFF));
          break;
        default:
          text += '\r';
          break;
      }
    }
    // The runner drops one carriage return at the line's end.
    if (!text.empty() && text.back() == '\r') text += 'x';
    return text;
  }

  std::mt19937_64 random_;
};

// ---- A session

// What the sessions reached, to show that the input gets somewhere.
struct Coverage {
  int steps = 0;
  int showcaseSteps = 0;
  int errorBoxes = 0;
  std::set<std::string> results;
  std::set<std::string> slides;
};

struct StepOutput {
  std::vector<json> events;
  State state;
};

class RandomSession {
 public:
  RandomSession(std::string label, std::uint64_t seed, std::vector<std::string> options, int steps,
                Coverage& coverage)
      : label_(std::move(label)),
        seed_(seed),
        options_(std::move(options)),
        steps_(steps),
        coverage_(coverage) {}

  // Nothing when every invariant held; else what broke, with the replay instructions.
  std::optional<std::string> Run() {
    const auto dir = std::filesystem::temp_directory_path() / "pw-random-sessions";
    std::filesystem::create_directories(dir);
    const std::string base = label_ + "-seed-" + std::to_string(seed_);
    scriptPath_ = dir / (base + ".txt");
    DriveProcess drive(PW_DRIVE, options_, dir / (base + ".stderr"));
    if (!drive.Started()) return "cannot start " + std::string(PW_DRIVE);
    for (const std::string& option : options_) optionText_ += option + " ";

    Generator generator(seed_, label_);
    StepOutput out;
    if (auto problem = Exchange(drive, "", out)) return Failure(0, *problem, drive);
    State before = out.state;
    for (int step = 1; step <= steps_; ++step) {
      const std::string command = generator.Step(before);
      stepsText_ += command;
      if (auto problem = Exchange(drive, command, out)) return Failure(step, *problem, drive);
      if (auto problem = Check(before, out)) return Failure(step, *problem, drive);
      before = out.state;
      ++coverage_.steps;
      coverage_.showcaseSteps += before.ShowcaseOpen() ? 1 : 0;
      coverage_.errorBoxes += static_cast<int>(out.events.size());
      coverage_.results.insert(before.form1.Text("Label7"));
      coverage_.slides.insert(before.form3.Text("Edit1"));
    }
    return End(drive);
  }

 private:
  // Sends the step, then dumps both windows; the lines before the dumps are the step's events.
  std::optional<std::string> Exchange(DriveProcess& drive, const std::string& command,
                                      StepOutput& out) {
    const std::string sent = command + "dump Form1\ndump Form3\n";
    script_ += sent;
    last_.clear();
    out = {};
    if (!drive.Send(sent)) return "the runner stopped reading its input";
    FormDump* form = nullptr;
    int dumps = 0;
    while (dumps < 2) {
      std::string text;
      const auto read = drive.ReadLine(text, kStepTimeout);
      if (read == DriveProcess::Read::kTimeout) return "no answer within the time limit: a hang";
      if (read == DriveProcess::Read::kEnd) return "the program ended before its input did";
      last_ += text + "\n";
      const json line = json::parse(text, nullptr, false);
      if (line.is_discarded()) return "the runner wrote a line that is not JSON";
      if (line.contains("event")) {
        if (form != nullptr) return "an event in the middle of a dump";
        out.events.push_back(line);
      } else if (line.contains("modal")) {
        form = line.value("name", "") == "Form1" ? &out.state.form1 : &out.state.form3;
        form->window = line;
      } else if (line.contains("class") && form != nullptr) {
        form->controls[line.value("name", "")] = line;
      } else if (line.value("end", "") == "dump") {
        form = nullptr;
        ++dumps;
      }
    }
    return std::nullopt;
  }

  static std::optional<std::string> CheckBoxes(const std::vector<json>& events) {
    for (const json& event : events) {
      const std::string kind = event.value("event", "");
      if (kind == "error") return "the runner did not understand: " + event.value("text", "");
      if (kind != "messagebox") return "unexpected event " + event.dump();
      const std::string text = event.value("text", "");
      if (event.value("caption", "") != "profile-weight-drive" || event.value("flags", 0) != 0x10) {
        return "an error reached a box other than the program's error box: " + event.dump();
      }
      // A number the program rejects must be one its own rule rejects.
      for (const auto& [suffix, valid] :
           {std::pair{kFloatError, &ValidLength}, std::pair{kIntegerError, &ValidQuantity}}) {
        if (text.size() > suffix.size() + 1 && text.front() == '\'' && text.ends_with(suffix) &&
            valid(text.substr(1, text.size() - suffix.size() - 1))) {
          return "a valid number was rejected: " + event.dump();
        }
      }
    }
    return std::nullopt;
  }

  static std::optional<std::string> Check(const State& before, const StepOutput& out) {
    if (auto problem = CheckBoxes(out.events)) return problem;
    const State& after = out.state;
    const FormDump& f1 = after.form1;
    const FormDump& f3 = after.form3;

    // Leaving a field with text that is not a number ends in the error box.
    const std::pair<const char*, bool (*)(const std::string&)> fields[] = {
        {"Edit1", &ValidLength}, {"Edit2", &ValidQuantity}};
    for (const auto& [name, valid] : fields) {
      const std::string text = before.form1.Text(name);
      if (!before.form1.Active() || !before.form1.Focused(name) || valid(text)) continue;
      if (f1.Active() && f1.Focused(name)) continue;
      const std::string expected =
          "'" + text + (std::string(name) == "Edit1" ? kFloatError : kIntegerError);
      bool reported = false;
      for (const json& event : out.events) {
        const std::string box = event.value("text", "");
        reported = reported || box == expected ||
                   (text.find('\0') != std::string::npos &&
                    box.ends_with(expected.substr(expected.find("' is not"))));
      }
      if (!reported) {
        return std::string(name) + " lost the focus holding \"" + text +
               "\" and no error box said so";
      }
    }

    if (!f1.window.value("visible", false)) return "the calculator window is not visible";
    if (f1.window.value("enabled", false) == after.ShowcaseOpen()) {
      return after.ShowcaseOpen() ? "the calculator window is enabled under the showcase"
                                  : "the calculator window is disabled with the showcase closed";
    }

    int checked = 0;
    int family = 0;
    for (int i = 1; i <= 4; ++i) {
      if (f1["RadioButton" + std::to_string(i)].value("checked", false)) {
        ++checked;
        family = i;
      }
    }
    if (checked != 1) return std::to_string(checked) + " family radio buttons are checked";
    const json& items = f1["ComboBox1"]["items"];
    if (!items.is_array() || items.empty()) return "the size list is empty";
    for (const json& item : items) {
      if (!item.get<std::string>().starts_with(kFamilyPrefix[family - 1])) {
        return "the size list holds " + item.dump() + " while family " + std::to_string(family) +
               " is checked";
      }
    }
    if (auto problem = ResultProblem(f1.Text("Label7"))) return problem;

    const std::string counter = f3.Text("Edit1");
    int slide = -1;
    for (int n = 0; n <= 10; ++n) {
      if (counter == std::to_string(n)) slide = n;
    }
    if (slide < 0) return "the showcase's slide counter reads \"" + counter + "\"";
    if (slide > 0 && f3.Text("WideLabel1") != f3.Text(kSlideTitle[slide - 1])) {
      return "slide " + counter + " shows the title \"" + f3.Text("WideLabel1") + "\"";
    }
    return std::nullopt;
  }

  std::optional<std::string> End(DriveProcess& drive) {
    drive.CloseInput();
    last_.clear();
    std::vector<json> events;
    std::string text;
    for (;;) {
      const auto read = drive.ReadLine(text, kEndTimeout);
      if (read == DriveProcess::Read::kTimeout) {
        return Failure(steps_ + 1, "the program did not end at the end of its input", drive);
      }
      if (read == DriveProcess::Read::kEnd) break;
      last_ += text + "\n";
      const json line = json::parse(text, nullptr, false);
      if (line.contains("event")) events.push_back(line);
    }
    const auto code = drive.Wait(kEndTimeout);
    const json exit = {{"event", "exit"}, {"code", 0}};
    if (events.empty() || events.back() != exit) {
      return Failure(steps_ + 1, "the last line is not the exit with code 0", drive);
    }
    events.pop_back();
    if (auto problem = CheckBoxes(events)) return Failure(steps_ + 1, *problem, drive);
    if (!code) return Failure(steps_ + 1, "the process did not end", drive);
    if (*code != 0) {
      return Failure(steps_ + 1, "the process ended with " + std::to_string(*code), drive);
    }
    if (!drive.Stderr().empty()) return Failure(steps_ + 1, "standard error is not empty", drive);
    return std::nullopt;
  }

  std::string Failure(int step, const std::string& problem, DriveProcess& drive) {
    drive.CloseInput();
    drive.Wait(10s);
    std::ofstream(scriptPath_, std::ios::binary) << script_;
    std::string report = "seed " + std::to_string(seed_) + ", options \"" + optionText_ +
                         "\", step " + std::to_string(step) + ": " + problem + "\n";
    report +=
        "replay: " + std::string(PW_DRIVE) + " " + optionText_ + "< " + scriptPath_.string() + "\n";
    report += "--- steps up to there\n" + stepsText_;
    report += "--- output of the last step\n" + last_;
    report += "--- standard error\n" + drive.Stderr();
    return report;
  }

  std::string label_;
  std::uint64_t seed_;
  std::vector<std::string> options_;
  int steps_;
  Coverage& coverage_;
  std::string optionText_;
  std::filesystem::path scriptPath_;
  std::string script_;     // everything sent, dumps included
  std::string stepsText_;  // the steps alone
  std::string last_;
};

void RunSessions(const std::string& label,
                 std::vector<std::string> (*options)(std::uint64_t seed)) {
  const auto sessions = Setting("PW_RANDOM_SESSIONS", kDefaultSessions);
  const auto steps = static_cast<int>(Setting("PW_RANDOM_STEPS", kDefaultSteps));
  const auto first = Setting("PW_RANDOM_SEED", kDefaultSeed);
  const auto start = std::chrono::steady_clock::now();
  Coverage coverage;
  for (std::uint64_t seed = first; seed < first + sessions; ++seed) {
    const auto sessionOptions = options(seed);
    // The test applies the same separator as the runner when it judges the fields.
    pw::SetDecimalSeparator(sessionOptions.back()[0]);
    const auto failure = RandomSession(label, seed, sessionOptions, steps, coverage).Run();
    ASSERT_FALSE(failure) << *failure;
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  std::cout << label << ": " << sessions << " sessions x " << steps << " steps, seeds " << first
            << ".." << first + sessions - 1 << ", " << seconds.count() << " s; showcase open in "
            << coverage.showcaseSteps << " steps, " << coverage.errorBoxes << " error boxes, "
            << coverage.results.size() << " different results, " << coverage.slides.size()
            << " slides\n";
}

TEST(RandomSessions, Utf8AndDecimalPoint) {
  RunSessions("utf8", [](std::uint64_t) {
    return std::vector<std::string>{"--codepage", "65001", "--decimal", "."};
  });
}

TEST(RandomSessions, SingleByteCodePagesAndDecimalComma) {
  RunSessions("single-byte", [](std::uint64_t seed) {
    return std::vector<std::string>{"--codepage", seed % 2 == 0 ? "1256" : "1252", "--decimal",
                                    seed % 3 == 0 ? "." : ","};
  });
}

}  // namespace
