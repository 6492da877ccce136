#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/CutList.h"
#include "convert/NumberText.h"

namespace pw::cli {
namespace {

struct ReadLine {
  std::int64_t number;
  std::string text;
  bool tooLong;
  bool operator==(const ReadLine&) const = default;
};

std::vector<ReadLine> ReadAll(const std::string& input) {
  std::istringstream in(input);
  LineReader reader(in);
  std::vector<ReadLine> lines;
  LineReader::Line line;
  while (reader.Next(line)) lines.push_back({line.number, std::string(line.text), line.tooLong});
  return lines;
}

TEST(LineReader, LineEndsMarkAndEmptyLines) {
  using L = std::vector<ReadLine>;
  EXPECT_EQ(ReadAll("a\nb\n"), (L{{1, "a", false}, {2, "b", false}}));
  EXPECT_EQ(ReadAll("a\r\nb\r\n"), (L{{1, "a", false}, {2, "b", false}}));
  EXPECT_EQ(ReadAll("a\rb\r\rc"),
            (L{{1, "a", false}, {2, "b", false}, {3, "", false}, {4, "c", false}}));
  EXPECT_EQ(ReadAll("a\n\nb"), (L{{1, "a", false}, {2, "", false}, {3, "b", false}}))
      << "the last line needs no end";
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF"
                    "a\n\xEF\xBB\xBF"
                    "b\n"),
            (L{{1, "a", false},
               {2,
                "\xEF\xBB\xBF"
                "b",
                false}}))
      << "only a mark before the first line is dropped";
  EXPECT_EQ(ReadAll(""), L{});
  EXPECT_EQ(ReadAll("\n"), (L{{1, "", false}}));
}

TEST(LineReader, LinesAcrossBlocksAndOverlongLines) {
  // Lines that straddle the reader's blocks, a CR LF split between two blocks.
  std::string input;
  std::vector<std::string> expected;
  for (int i = 0; input.size() < 300'000; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 997), 'x') + std::to_string(i));
    input += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
  }
  const auto lines = ReadAll(input);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i].text, expected[i]) << i;

  // A 10 MB line, between good ones, ending in CR LF: reported, skipped, the rest still read.
  const std::string huge(10 * 1024 * 1024, '7');
  const auto withHuge = ReadAll("IPB 100,6000\n" + huge + "\r\nU 30,1000\n" + huge);
  ASSERT_EQ(withHuge.size(), 4u);
  EXPECT_EQ(withHuge[1], (ReadLine{2, "", true}));
  EXPECT_EQ(withHuge[2], (ReadLine{3, "U 30,1000", false}));
  EXPECT_EQ(withHuge[3], (ReadLine{4, "", true}));
  // A line a little over the limit that arrives whole with its end is too long as well.
  const auto over =
      ReadAll("U 30,1000\n" + std::string(LineReader::kMaxLineBytes + 4000, '7') + "\r\nU 40,1000");
  ASSERT_EQ(over.size(), 3u);
  EXPECT_EQ(over[1], (ReadLine{2, "", true}));
  EXPECT_EQ(over[2], (ReadLine{3, "U 40,1000", false}));
  // The longest line kept is whole; one byte more is too long.
  const std::string longest(LineReader::kMaxLineBytes, 'y');
  EXPECT_EQ(ReadAll(longest + "\n")[0].text, longest);
  EXPECT_EQ(ReadAll(longest + "y")[0], (ReadLine{1, "", true}));
}

std::vector<std::string> Fields(std::string_view line, std::string* error = nullptr) {
  FieldSplitter splitter;
  std::string message;
  std::vector<std::string> fields;
  if (!splitter.Split(line, message)) {
    if (error != nullptr) *error = message;
    return fields;
  }
  for (std::size_t i = 0; i < splitter.Count(); ++i) fields.push_back(splitter.Field(i));
  return fields;
}

TEST(FieldSplitter, SeparatorsAndQuotes) {
  using F = std::vector<std::string>;
  EXPECT_EQ(Fields("IPB 100,6000,2"), (F{"IPB 100", "6000", "2"}));
  EXPECT_EQ(Fields("IPB 100;2,5;2"), (F{"IPB 100", "2,5", "2"})) << "';' before the comma";
  EXPECT_EQ(Fields("IPB 100\t2,5"), (F{"IPB 100", "2,5"}));
  EXPECT_EQ(Fields("\"IPB 100\",\"2,5\",3"), (F{"IPB 100", "2,5", "3"}));
  EXPECT_EQ(Fields(" \"say \"\"hi\"\"\" ,x"), (F{"say \"hi\"", "x"}));
  EXPECT_EQ(Fields("\"a;b\",1"), (F{"a;b", "1"})) << "a quoted ';' separates nothing";
  EXPECT_EQ(Fields("a,,"), (F{"a", "", ""}));
  EXPECT_EQ(Fields(""), (F{""}));
  std::string error;
  EXPECT_TRUE(Fields("\"IPB 100,6000", &error).empty());
  EXPECT_EQ(error, "A quoted field is not closed");
  EXPECT_TRUE(Fields("\"IPB\" 100,6000", &error).empty());
  EXPECT_EQ(error, "Text after the closing quote of a field");
}

class CutListParse : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { SetDecimalSeparator('.'); }
  CutListParser parser_;
  using Kind = CutListParser::Kind;
};

TEST_F(CutListParse, HeaderCommentsBlankAndEmptyRows) {
  EXPECT_EQ(parser_.Parse("").kind, Kind::kSkipped);
  EXPECT_EQ(parser_.Parse(" \t ").kind, Kind::kSkipped);
  EXPECT_EQ(parser_.Parse("  # the roof").kind, Kind::kSkipped);
  EXPECT_EQ(parser_.Parse(",,,").kind, Kind::kSkipped) << "an empty spreadsheet row";
  EXPECT_EQ(parser_.Parse("Profile,Length (mm),Qty").kind, Kind::kSkipped) << "column titles";
  auto item = parser_.Parse("ipb100,6000");
  ASSERT_EQ(item.kind, Kind::kItem);
  EXPECT_EQ(item.item.entry->designation, "IPB 100");
  EXPECT_EQ(item.item.length, 6000);
  EXPECT_EQ(item.item.quantity, 1);
  // Only the first line with content can be a header.
  const auto late = parser_.Parse("Profile,Length (mm),Qty");
  EXPECT_EQ(late.kind, Kind::kBad);
  EXPECT_EQ(late.message, "'Profile' is not in the catalogue; closest: I 80, L 20x3, L 25x3.");
}

TEST_F(CutListParse, FirstLineWithABadDesignationIsNoHeader) {
  const auto bad = parser_.Parse("IPB 10O,6000,2");
  EXPECT_EQ(bad.kind, Kind::kBad);
  EXPECT_TRUE(bad.message.starts_with("'IPB 10O' is not in the catalogue; closest: IPB 100"))
      << bad.message;
}

TEST_F(CutListParse, FieldsByTheWindowsRules) {
  const auto hex = parser_.Parse("\"L 45x4.5\", 2.5E3 ,$10");
  ASSERT_EQ(hex.kind, Kind::kItem);
  EXPECT_EQ(hex.item.length, 2500);
  EXPECT_EQ(hex.item.quantity, 16);
  EXPECT_EQ(parser_.Parse("U 30,1000,").item.quantity, 1) << "an empty quantity is left out";
  EXPECT_EQ(parser_.Parse("U 30,1000,7,,").item.quantity, 7) << "empty fields after it too";

  const std::pair<const char*, const char*> bad[] = {
      {"U 30,12a", "'12a' is not a valid floating point value."},
      {"U 30,,2", "'' is not a valid floating point value."},
      {"U 30,1000,2 ", "'2 ' is not a valid integer value."},
      {"U 30,1000,1.5", "'1.5' is not a valid integer value."},
      {"U 30,1e5000", "'1e5000' is not a valid floating point value."},
      {"U 30", "No length: a line is designation,length[,quantity]."},
      {",1000,2", "No profile designation."},
      {"U 30,6,000,2", "Too many fields (4): a line is designation,length[,quantity]."},
      {"U 30,1000,2,for the roof", "Too many fields (4): a line is designation,length[,quantity]."},
      {"\"U 30,1000", "A quoted field is not closed."},
  };
  for (const auto& [line, message] : bad) {
    const auto result = parser_.Parse(line);
    EXPECT_EQ(result.kind, Kind::kBad) << line;
    EXPECT_EQ(result.message, message) << line;
  }
}

TEST_F(CutListParse, DecimalCommaWithSemicolonsOrTabs) {
  SetDecimalSeparator(',');
  EXPECT_EQ(parser_.Parse("IPB 100;2,5;3").item.length, 2.5L);
  EXPECT_EQ(parser_.Parse("IPB 100\t2,5").item.length, 2.5L);
  EXPECT_EQ(parser_.Parse("\"IPB 100\",\"2,5\",3").item.length, 2.5L);
  EXPECT_EQ(parser_.Parse("IPB 100,2500").item.length, 2500);
  EXPECT_EQ(parser_.Parse("IPB 100;2.5").message, "'2.5' is not a valid floating point value.");
}

}  // namespace
}  // namespace pw::cli
