// Cut-list bytes through `weigh --list -` in each output format and with either decimal
// separator. The command ends with exit code 0 (a total on the last line) or 2 (a report for
// each bad line and no total); standard output is never cut short; JSON output is one object;
// every item's shortest length text reads back to the value it stands for, or is written in full.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "app/cli/CommandLine.h"
#include "app/cli/CutList.h"
#include "app/cli/DecimalText.h"
#include "convert/NumberText.h"

namespace {

using pw::fuzz::Require;

// The significant digits of a decimal text: a value no shorter text reads back to is written in
// full.
std::string Digits(std::string_view text) {
  std::string digits;
  for (char c : text.substr(0, text.find('e'))) {
    if (c >= '0' && c <= '9' && (c != '0' || !digits.empty())) digits += c;
  }
  digits.resize(digits.find_last_not_of('0') + 1);
  return digits;
}

int Weigh(std::string_view bytes, std::string_view format, std::string_view decimal,
          std::string& out, std::string& err) {
  std::istringstream in{std::string(bytes)};
  std::ostringstream outStream;
  std::ostringstream errStream;
  const std::string_view args[] = {"weigh", "--list",    "-",    "--format",
                                   format,  "--decimal", decimal};
  const int code = pw::cli::RunCommandLine(args, in, outStream, errStream);
  out = outStream.str();
  err = errStream.str();
  return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string out;
  std::string err;
  for (std::string_view decimal : {".", ","}) {
    for (std::string_view format : {"text", "csv", "json"}) {
      const int code = Weigh(bytes, format, decimal, out, err);
      Require(code == 0 || code == 2);
      Require(code == 0 ? err.empty() : !err.empty());
      Require(out.ends_with('\n'));
      if (format == "json") Require(out.starts_with("{\"items\":[") && out.ends_with("}\n"));
      if (format != "json" && code == 0) {
        const std::size_t last = out.rfind('\n', out.size() - 2);
        Require(std::string_view(out).substr(last + 1).starts_with("total"));
      }
    }
  }

  // The parser alone: every item's length written shortest reads back.
  pw::SetDecimalSeparator('.');
  std::istringstream in{std::string(bytes)};
  pw::cli::LineReader reader(in);
  pw::cli::CutListParser parser;
  pw::cli::LineReader::Line line;
  while (reader.Next(line)) {
    Require(line.tooLong || line.text.size() <= pw::cli::LineReader::kMaxLineBytes);
    if (line.tooLong) continue;
    const auto parsed = parser.Parse(line.text);
    if (parsed.kind != pw::cli::CutListParser::Kind::kItem) continue;
    const std::string text = pw::cli::ShortestDecimal(parsed.item.length);
    const auto back = pw::ScanExtended(text);
    Require((back && pw::BitsOf(*back) == pw::BitsOf(parsed.item.length)) ||
            Digits(text) == Digits(pw::cli::ExactDecimal(parsed.item.length)));
  }
  return 0;
}
