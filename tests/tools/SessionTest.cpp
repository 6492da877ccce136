#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "DriveProcess.h"

// Scripted sessions of the whole program through its runner: start-up, both windows used with
// the mouse and the keyboard, error boxes, the modal showcase window, the end of the program.

namespace {

using nlohmann::json;

struct Output {
  std::vector<json> lines;
  int exitCode = -1;

  std::vector<json> Events(const std::string& kind) const {
    std::vector<json> found;
    for (const json& line : lines) {
      if (line.value("event", "") == kind) found.push_back(line);
    }
    return found;
  }
  // A component's line in the last dump of its window.
  json Control(const std::string& form, const std::string& name) const {
    json found;
    std::string current;
    for (const json& line : lines) {
      if (line.contains("modal")) current = line.value("name", "");
      if (current == form && line.value("name", "") == name && line.contains("class")) {
        found = line;
      }
    }
    return found;
  }
  json Window(const std::string& name) const {
    json found;
    for (const json& line : lines) {
      if (line.value("name", "") == name && line.contains("modal")) found = line;
    }
    return found;
  }
  std::string FocusedAfterEachDump() const {
    std::string order;
    for (const json& line : lines) {
      if (line.value("focused", false)) order += line["name"].get<std::string>() + " ";
    }
    return order;
  }
};

// The runner given the whole script; a session that hangs is killed and has exit code -1.
Output RunSession(const std::string& script, const std::vector<std::string>& options = {}) {
  const auto dir = std::filesystem::temp_directory_path() / "pw-session-test";
  std::filesystem::create_directories(dir);
  pw::testing::DriveProcess drive(PW_DRIVE, options,
                                  dir / ("stderr-" + std::to_string(getpid()) + ".txt"));
  drive.Send(script);
  drive.CloseInput();
  Output output;
  std::string line;
  while (drive.ReadLine(line, std::chrono::seconds(60)) == pw::testing::DriveProcess::Read::kLine) {
    output.lines.push_back(json::parse(line, nullptr, false));
  }
  output.exitCode = drive.Wait(std::chrono::seconds(30)).value_or(-1);
  return output;
}

// The centre of a control in its window, from a dump.
std::string At(const json& control) {
  return std::to_string(control["left"].get<int>() + control["width"].get<int>() / 2) + " " +
         std::to_string(control["top"].get<int>() + control["height"].get<int>() / 2);
}

class Sessions : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { layout_ = RunSession("dump Form1\ndump Form3\n"); }
  static std::string Click(const std::string& form, const std::string& control) {
    return "click " + form + " " + At(layout_.Control(form, control)) + "\nwait 1000\n";
  }
  static Output layout_;
};
Output Sessions::layout_;

TEST_F(Sessions, StartsWithTheCalculatorAndEndsWithExitCodeZero) {
  const Output out = RunSession("windows\n");
  const json form1 = out.Window("Form1");
  EXPECT_EQ(form1["caption"], "Profile Weight");
  EXPECT_TRUE(form1["visible"]);
  EXPECT_TRUE(form1["active"]);
  EXPECT_EQ(form1["clientWidth"], 387);
  EXPECT_EQ(form1["clientHeight"], 455);
  EXPECT_FALSE(out.Window("Form3")["visible"]);
  EXPECT_EQ(out.lines.back(), (json{{"event", "exit"}, {"code", 0}}));
  EXPECT_EQ(out.exitCode, 0);
  EXPECT_EQ(layout_.Control("Form1", "ComboBox1")["items"].size(), 44u);
  EXPECT_EQ(layout_.Control("Form1", "Label7")["text"], "******");
}

TEST_F(Sessions, CalculatesWhatTheUserTypesAndReportsBadInput) {
  const Output out = RunSession(Click("Form1", "Image4") + Click("Form1", "Edit1") +
                                "key End\nkey Backspace\ntype 6000\n" + Click("Form1", "BitBtn1") +
                                "dump Form1\n" + Click("Form1", "Edit1") + "type a\n" +
                                Click("Form1", "BitBtn1") + "dump Form1\n");
  const auto boxes = out.Events("messagebox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["text"], "'6000a' is not a valid floating point value.");
  EXPECT_EQ(boxes[0]["caption"], "profile-weight-drive") << "the executable's name";
  EXPECT_EQ(boxes[0]["flags"], 0x10);
  EXPECT_EQ(out.Control("Form1", "Label7")["text"], "122.4 kg") << "the last good length is used";
  EXPECT_EQ(out.Control("Form1", "RadioButton4")["checked"], true);
  EXPECT_EQ(out.Control("Form1", "ComboBox1")["text"], "IPB 100");
  EXPECT_EQ(out.exitCode, 0);
}

TEST_F(Sessions, APastedLengthCalculatesAsATypedOneAndCopiesBackOut) {
  const std::string start = Click("Form1", "Image4") + Click("Form1", "Edit1");
  const std::string calc = Click("Form1", "BitBtn1") + "dump Form1\n";
  const Output typed = RunSession(start + "key Ctrl+A\ntype 6000\n" + calc);
  const Output pasted =
      RunSession("getclipboard\nclipboard 6000\n" + start + "key Ctrl+A\nkey Ctrl+V\n" + calc +
                 Click("Form1", "Edit1") + "key Home\nkey Shift+End\nclipboard old\nkey Ctrl+C\n" +
                 "getclipboard\nkey Ctrl+Z\ndump Form1\n");
  EXPECT_EQ(typed.Control("Form1", "Label7")["text"], "122.4 kg");
  ASSERT_FALSE(pasted.lines.empty());
  EXPECT_EQ(pasted.lines.front(), (json{{"clipboard", nullptr}})) << "it starts empty";
  std::vector<json> clipboard;
  for (const json& line : pasted.lines) {
    if (line.contains("clipboard")) clipboard.push_back(line["clipboard"]);
  }
  EXPECT_EQ(clipboard, (std::vector<json>{nullptr, "6000"}));
  EXPECT_TRUE(pasted.Events("messagebox").empty());
  EXPECT_EQ(pasted.Control("Form1", "Label7")["text"], "122.4 kg");
  EXPECT_EQ(pasted.Control("Form1", "Edit1")["text"], "0") << "undo takes the paste back";
  EXPECT_EQ(pasted.exitCode, 0);
}

TEST_F(Sessions, TheContextMenuPastesLikeTheKeys) {
  // Opened by the mouse nothing is highlighted: Down goes to the first enabled item, Paste (no
  // selection, nothing to undo). Opened by Shift+F10 the first enabled item is lit: Cut, with
  // everything selected; two steps down is Paste.
  const Output out = RunSession(
      "clipboard 2500\n" + Click("Form1", "Image4") + Click("Form1", "Edit1") + "key End\nrclick " +
      "Form1 " + At(layout_.Control("Form1", "Edit1")) + "\nkey Down\nkey Return\n" +
      "clipboard 12\n" + Click("Form1", "Edit2") + "key Ctrl+A\nkey Shift+F10\n" +
      "key Down\nkey Down\nkey Return\n" + Click("Form1", "BitBtn1") + "dump Form1\n");
  EXPECT_EQ(out.Control("Form1", "Edit1")["text"], "02500");
  EXPECT_EQ(out.Control("Form1", "Edit2")["text"], "12");
  EXPECT_EQ(out.Control("Form1", "Label7")["text"], "612.0 kg");
  EXPECT_TRUE(out.Events("messagebox").empty());
}

TEST_F(Sessions, TabVisitsTheCheckedFamilyOnly) {
  std::string script;
  for (int i = 0; i < 7; ++i) script += "key Tab\ndump Form1\n";
  const Output out = RunSession(script);
  EXPECT_EQ(out.FocusedAfterEachDump(),
            "ComboBox1 Edit1 Edit2 BitBtn1 BitBtn2 RadioButton1 ComboBox1 ");
}

TEST_F(Sessions, TheShowcaseRunsModallyAndKeepsItsSlide) {
  const Output out =
      RunSession(Click("Form1", "BitBtn2") + "windows\n" + Click("Form3", "BitBtn1") +
                 Click("Form3", "BitBtn1") + "close Form3\nwindows\n" + Click("Form1", "BitBtn2") +
                 "dump Form3\nwindows\nclose Form3\n");
  std::vector<json> windows;
  for (const json& line : out.lines) {
    if (line.value("name", "") == "Form3" && line.contains("modal")) windows.push_back(line);
  }
  ASSERT_GE(windows.size(), 3u);
  EXPECT_TRUE(windows[0]["visible"]);
  EXPECT_TRUE(windows[0]["modal"]);
  EXPECT_FALSE(out.Window("Form1")["enabled"].is_null());
  bool calculatorDisabledWhileModal = false;
  for (const json& line : out.lines) {
    if (line.value("name", "") == "Form1" && line.contains("modal") && !line["enabled"]) {
      calculatorDisabledWhileModal = true;
    }
  }
  EXPECT_TRUE(calculatorDisabledWhileModal);
  EXPECT_FALSE(windows[1]["visible"]);
  EXPECT_EQ(out.Control("Form3", "Edit1")["text"], "2") << "reopened on the slide it was left at";
  EXPECT_EQ(out.exitCode, 0);
}

// Each piece of input is handled before the next arrives: the second click of a double click on
// the showcase button meets the disabled calculator, as on a desktop.
TEST_F(Sessions, ADoubleClickOnTheShowcaseButtonOpensItOnce) {
  const Output out =
      RunSession("dblclick Form1 " + At(layout_.Control("Form1", "BitBtn2")) + "\nwindows\n");
  for (const json& box : out.Events("messagebox")) ADD_FAILURE() << box.dump();
  const json form3 = out.Window("Form3");
  EXPECT_TRUE(form3["visible"]);
  EXPECT_TRUE(form3["active"]);
  EXPECT_TRUE(form3["modal"]);
  EXPECT_FALSE(out.Window("Form1")["enabled"]);
  EXPECT_EQ(out.exitCode, 0);
}

TEST_F(Sessions, InputEndingWhileTheShowcaseIsOpenEndsBothRuns) {
  const Output out = RunSession(Click("Form1", "BitBtn2") + "windows\n");
  EXPECT_TRUE(out.Window("Form3")["modal"]);
  EXPECT_EQ(out.lines.back(), (json{{"event", "exit"}, {"code", 0}}));
  EXPECT_EQ(out.exitCode, 0);
}

TEST_F(Sessions, TheDecimalSeparatorIsTheRegionsOne) {
  const std::string calc = Click("Form1", "Edit1") + "key End\nkey Backspace\ntype 1000,5\n" +
                           Click("Form1", "BitBtn1") + "dump Form1\n";
  const Output comma = RunSession(calc, {"--decimal", ","});
  EXPECT_TRUE(comma.Events("messagebox").empty());
  EXPECT_EQ(comma.Control("Form1", "Label7")["text"], " 0.9 kg");
  const Output point = RunSession(calc);
  ASSERT_EQ(point.Events("messagebox").size(), 1u);
  EXPECT_EQ(point.Events("messagebox")[0]["text"], "'1000,5' is not a valid floating point value.");
}

TEST_F(Sessions, AltF4EndsTheProgramAndBadCommandsAreReported) {
  const Output out = RunSession("jump Form1 1 2\nclick Form9 1 1\nkey Alt+F4\n");
  EXPECT_EQ(out.Events("error").size(), 2u);
  EXPECT_EQ(out.exitCode, 0);
  EXPECT_EQ(out.lines.back(), (json{{"event", "exit"}, {"code", 0}}));
}

}  // namespace
