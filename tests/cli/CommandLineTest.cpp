#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "cli/CommandRun.h"
#include "convert/NumberText.h"

namespace pw {
namespace {

using testing::RunCommand;

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(CommandLine, WeighsOneBatch) {
  EXPECT_EQ(RunCommand({"weigh", "IPB 100", "6000"}).out, "122.4 kg\n");
  EXPECT_EQ(RunCommand({"weigh", "IPB", "100", "6000"}).out, "122.4 kg\n") << "in two words";
  EXPECT_EQ(RunCommand({"weigh", "l20x3", "1000", "10"}).out, " 8.8 kg\n");
  EXPECT_EQ(RunCommand({"weigh", "--trim", "L 20X3", "1000", "10"}).out, "8.8 kg\n");
  EXPECT_EQ(RunCommand({"weigh", "L 45x4.5", "-1000", "0x10"}).out, "-49.0 kg\n")
      << "a negative length is an argument, not an option";
  EXPECT_EQ(RunCommand({"weigh", "--", "U 30", "1000"}).out, " 4.3 kg\n");
  const auto unknown = RunCommand({"weigh", "IPB 110", "6000"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err,
            "profile-weight: 'IPB 110' is not in the catalogue; closest: IPB 100, IPB 120, IPB "
            "140.\n");
}

TEST_F(CommandLine, UsageErrorsGiveOneLineAndExit64) {
  const std::vector<std::string> wrong[] = {
      {"wiegh"},
      {"--colour"},
      {"weigh"},
      {"weigh", "IPB 100"},
      {"weigh", "IPB 100", "6000", "1", "2"},
      {"weigh", "--list"},
      {"weigh", "--list", "a.csv", "IPB 100"},
      {"weigh", "--format", "csv", "IPB 100", "6000"},
      {"weigh", "--list", "a.csv", "--format", "xml"},
      {"weigh", "--decimal", "5", "IPB 100", "6000"},
      {"weigh", "--trim=yes", "IPB 100", "6000"},
      {"weigh", "-x", "IPB 100", "6000"},
      {"catalogue", "--family", "HEB"},
      {"catalogue", "IPB"},
      {"help", "nothing"},
  };
  for (const auto& args : wrong) {
    const auto run = RunCommand(args);
    EXPECT_EQ(run.code, 64) << args[0];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.find("; try 'profile-weight") != std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCommand({"weigh", "IPB 100"}).err,
            "profile-weight weigh: missing LENGTH; try 'profile-weight weigh --help'\n");
}

TEST_F(CommandLine, HelpAndVersion) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
    const auto run = RunCommand(args);
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: profile-weight [COMMAND")) << run.out;
  }
  EXPECT_TRUE(RunCommand({"weigh", "--help"}).out.starts_with("Usage: profile-weight weigh"));
  EXPECT_EQ(RunCommand({"help", "weigh"}).out, RunCommand({"weigh", "-h"}).out);
  EXPECT_TRUE(
      RunCommand({"catalogue", "--help"}).out.starts_with("Usage: profile-weight catalogue"));
  const auto version = RunCommand({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_TRUE(version.out.starts_with("profile-weight ")) << version.out;
}

TEST_F(CommandLine, Catalogue) {
  const auto all = RunCommand({"catalogue", "--format", "csv"});
  EXPECT_EQ(all.code, 0);
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 1 + 112);
  EXPECT_TRUE(all.out.starts_with("designation,family,unit_weight_kg_m\nL 20x3,L,0.882\n"));
  EXPECT_TRUE(all.out.find("\nL 45x4.5,L,3.06\n") != std::string::npos);
  EXPECT_TRUE(all.out.ends_with("\nIPB 1000,IPB,314\n"));
  const auto beams = RunCommand({"catalogue", "--family", "ipb"});
  EXPECT_EQ(std::count(beams.out.begin(), beams.out.end(), '\n'), 1 + 24);
  EXPECT_TRUE(beams.out.find("IPB 100      IPB         20.4\n") != std::string::npos) << beams.out;
  const auto json = RunCommand({"catalogue", "--family=I", "--format=json"});
  EXPECT_TRUE(
      json.out.starts_with("[\n{\"designation\":\"I 80\",\"family\":\"I\",\"unitWeight\":5.94},"));
  EXPECT_TRUE(
      json.out.ends_with("{\"designation\":\"I 550\",\"family\":\"I\",\"unitWeight\":166}\n]\n"));
}

constexpr std::string_view kCutList =
    "\xEF\xBB\xBF"
    "designation,length,quantity\r\n"
    "# the roof\r\n"
    "IPB 100,6000,1\r\n"
    "\r\n"
    "\"L 20x3\",1000,10\r\n"
    "u30x15,1000,-2";

TEST_F(CommandLine, WeighsACutListInEachFormat) {
  const auto text = RunCommand({"weigh", "--list", "-"}, kCutList);
  EXPECT_EQ(text.code, 0) << text.err;
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out,
            "profile      kg/m  length mm    qty          mass\n"
            "IPB 100      20.4       6000      1      122.4 kg\n"
            "L 20x3      0.882       1000     10        8.8 kg\n"
            "U 30x15      1.74       1000     -2       -3.5 kg\n"
            "total                                    127.7 kg\n");

  // The exact decimals of the extended masses (each checked by hand from the 64-bit
  // significands: 20.4 x 6000, rounded, / 1000, rounded).
  // A value wider than its column still has a blank before it.
  EXPECT_NE(RunCommand({"weigh", "--list", "-"}, "U 30,1e-3,2147483647\n")
                .out.find("     0.001 2147483647 "),
            std::string::npos);

  const auto csv = RunCommand({"weigh", "--list", "-", "--format", "csv"}, kCutList);
  EXPECT_EQ(
      csv.out,
      "designation,unit_weight_kg_m,length_mm,quantity,mass_kg,mass_kg_exact\n"
      "IPB 100,20.4,6000,1,122.4,122.400000000000000001387778780781445675529539585113525390625\n"
      "L 20x3,0.882,1000,10,8.8,8.819999999999999999722444243843710864894092082977294921875\n"
      "U 30x15,1.74,1000,-2,-3.5,"
      "-3.4800000000000000000173472347597680709441192448139190673828125\n"
      "total,,,,127.7,127.739999999999999998057109706905976054258644580841064453125\n");

  const auto json = RunCommand({"weigh", "--list", "-", "--format", "json"}, kCutList);
  EXPECT_EQ(json.out,
            "{\"items\":[\n"
            "{\"line\":3,\"designation\":\"IPB 100\",\"unitWeight\":20.4,\"length\":6000,"
            "\"quantity\":1,\"mass\":122.4,\"massExact\":"
            "\"122.400000000000000001387778780781445675529539585113525390625\"},\n"
            "{\"line\":5,\"designation\":\"L 20x3\",\"unitWeight\":0.882,\"length\":1000,"
            "\"quantity\":10,\"mass\":8.8,\"massExact\":"
            "\"8.819999999999999999722444243843710864894092082977294921875\"},\n"
            "{\"line\":6,\"designation\":\"U 30x15\",\"unitWeight\":1.74,\"length\":1000,"
            "\"quantity\":-2,\"mass\":-3.5,\"massExact\":"
            "\"-3.4800000000000000000173472347597680709441192448139190673828125\"}\n"
            "],\"total\":{\"mass\":127.7,\"massExact\":"
            "\"127.739999999999999998057109706905976054258644580841064453125\"}}\n");
}

TEST_F(CommandLine, EveryBadLineIsReportedAndThereIsNoTotal) {
  const auto run = RunCommand({"weigh", "--list", "-"},
                              "IPB 100,6000\nIPB 100,12a\nHEB 200,1000\nU 30,1000,2.5\n"
                              "U 30,1000\nIPB 100,1e4931\n");
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.err,
            "(standard input):2: '12a' is not a valid floating point value.\n"
            "(standard input):3: 'HEB 200' is not in the catalogue; closest: IPB 200, U 200, "
            "I 200.\n"
            "(standard input):4: '2.5' is not a valid integer value.\n"
            "(standard input):6: Floating point overflow.\n"
            "profile-weight: 4 bad lines in (standard input); no total\n");
  EXPECT_EQ(run.out.find("total"), std::string::npos);
  EXPECT_NE(run.out.find("U 30"), std::string::npos) << "the good lines are still weighed";
}

TEST_F(CommandLine, TotalBeyondTheRangeAndFiles) {
  // Each mass is at most a thousandth of the largest extended value; the sum passes it.
  std::string heavy;
  for (int i = 0; i < 1100; ++i) heavy += "IPB 1000,3.7e4929\n";
  const auto overflow = RunCommand({"weigh", "--list", "-"}, heavy);
  EXPECT_EQ(overflow.code, 2);
  EXPECT_EQ(overflow.err, "(standard input): the total at line 1025: Floating point overflow.\n");
  EXPECT_EQ(std::count(overflow.out.begin(), overflow.out.end(), '\n'), 1 + 1100)
      << "every line weighed, no total";

  const auto missing = RunCommand({"weigh", "--list", "/nonexistent/cuts.csv"});
  EXPECT_EQ(missing.code, 66);
  EXPECT_EQ(missing.err,
            "profile-weight: cannot read '/nonexistent/cuts.csv': No such file or directory\n");

  const auto path =
      std::filesystem::temp_directory_path() / ("cuts-" + std::to_string(::getpid()) + ".csv");
  std::ofstream(path) << "IPB 100;2,5;1000\n";
  const auto file = RunCommand({"weigh", "--decimal=,", "--list", path.string(), "--format=csv"});
  std::filesystem::remove(path);
  EXPECT_EQ(file.code, 0) << file.err;
  EXPECT_NE(file.out.find("\nIPB 100,20.4,2.5,1000,51.0,"), std::string::npos) << file.out;
  const auto bad = RunCommand({"weigh", "--list", "-"}, "U 30,x\n");
  EXPECT_EQ(bad.err.substr(0, 19), "(standard input):1:");
}

TEST_F(CommandLine, OverlongLinesAndUnwritableOutput) {
  // A 10 MB line without an end, after a good one: reported, nothing kept of it.
  const auto huge = RunCommand({"weigh", "--list", "-", "--format", "csv"},
                               "U 30,1000\n" + std::string(10 * 1024 * 1024, '5'));
  EXPECT_EQ(huge.code, 2);
  EXPECT_EQ(huge.err,
            "(standard input):2: Longer than 65536 bytes.\n"
            "profile-weight: 1 bad line in (standard input); no total\n");
  EXPECT_EQ(
      huge.out,
      "designation,unit_weight_kg_m,length_mm,quantity,mass_kg,mass_kg_exact\n"
      "U 30,4.27,1000,1,4.3,4.2699999999999999999826527652402319290558807551860809326171875\n");

  std::istringstream in;
  std::ostream nowhere(nullptr);  // every write fails
  std::ostringstream err;
  const std::string_view args[] = {"catalogue"};
  EXPECT_EQ(cli::RunCommandLine(args, in, nowhere, err), 74);
  EXPECT_EQ(err.str(), "profile-weight: the output cannot be written\n");
}

}  // namespace
}  // namespace pw
