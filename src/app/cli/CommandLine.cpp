#include "app/cli/CommandLine.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/calculation/BatchMass.h"
#include "app/catalogue/Catalogue.h"
#include "app/cli/CutList.h"
#include "app/cli/Designations.h"
#include "app/cli/ListOutput.h"
#include "app/cli/Version.h"
#include "controls/Application.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"

namespace pw::cli {

namespace {

constexpr std::string_view kProgram = "profile-weight";

constexpr std::string_view kProgramHelp = R"(Usage: profile-weight [COMMAND [OPTIONS] [ARGUMENTS]]

Without a command, opens the "Profile Weight" calculator window. With a command, works without
any display, with the window's catalogue, number rules and arithmetic:

  weigh DESIGNATION LENGTH [QUANTITY]   the mass of QUANTITY pieces of LENGTH mm (default 1)
  weigh --list FILE                     the masses of a cut list and their total
  catalogue                             every designation with its unit weight in kg/m
  help [COMMAND]                        this help, or a command's

Options:
  -h, --help     show this help and exit
  --version      show the version and exit

Exit status: 0 done; 1 no command and no display for the windows; 2 bad input (a designation,
number or cut-list line); 64 a wrong command line; 66 the cut list cannot be read; 74 the output
cannot be written.

'profile-weight COMMAND --help' and 'man profile-weight' tell more.
)";

constexpr std::string_view kWeighHelp =
    R"(Usage: profile-weight weigh [OPTIONS] DESIGNATION LENGTH [QUANTITY]
       profile-weight weigh [OPTIONS] --list FILE

Weighs QUANTITY pieces of the profile DESIGNATION, each LENGTH millimetres long, with the
arithmetic of the window's "Calc." button, and prints the window's result ("122.4 kg").

DESIGNATION is written as the window's size list shows it ("IPB 100", "L 45x4.5"); case and
blanks do not matter ("ipb100"). LENGTH is a real number with the decimal separator of the
locale, as typed into the window (6000, 2500.5, 2.5E3). QUANTITY is a whole number, 1 when left
out; $10 and 0x10 are hexadecimal.

With --list, FILE ('-' for standard input) is a cut list, one item per line:
  designation,length[,quantity]
as a spreadsheet exports it: an optional header line; blank lines and lines starting with '#'
are skipped; fields may be quoted; ';' or a tab separate the fields of a line that has one, so
lengths can have a decimal comma. Each line's mass is printed, then the total, summed in line
order in extended precision. Every bad line is reported as FILE:LINE: message; with any bad
line there is no total and the exit status is 2.

Options:
  --list FILE        weigh the cut list in FILE
  --format FORMAT    the form of --list's output: text (aligned columns, the default), csv or
                     json (each item with its designation, unit weight, length, quantity and
                     mass, also as the exact decimal of the extended value)
  --decimal C        the decimal separator of lengths instead of the locale's
  --trim             no blanks before a small result ("8.8 kg", not " 8.8 kg")
  -h, --help         show this help and exit
)";

constexpr std::string_view kCatalogueHelp =
    R"(Usage: profile-weight catalogue [--family L|U|I|IPB] [--format text|csv|json]

Lists every designation of the catalogue, family by family in the window's order, with its
family and its unit weight in kg/m, written as the shortest decimal that reads back to the
weight the calculator uses.

Options:
  --family FAMILY    only this family: L (angles), U (channels), I (beams), IPB (wide-flange
                     beams)
  --format FORMAT    text (aligned columns, the default), csv or json
  -h, --help         show this help and exit
)";

// A wrong command line: its message and the command whose help to point to.
struct UsageError {
  std::string message;
  std::string_view command;
};

struct Option {
  std::string_view name;
  bool takesValue;
};

struct Arguments {
  std::vector<std::pair<std::string_view, std::string_view>> options;
  std::vector<std::string_view> positional;
  bool help = false;

  std::optional<std::string_view> Value(std::string_view name) const {
    std::optional<std::string_view> value;
    for (const auto& [option, text] : options) {
      if (option == name) value = text;
    }
    return value;
  }
  bool Has(std::string_view name) const { return Value(name).has_value(); }
};

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Options may come anywhere; "--" ends them. "-5" and "-" are arguments, not options.
std::optional<UsageError> ParseArguments(std::span<const std::string_view> args,
                                         std::span<const Option> known, std::string_view command,
                                         Arguments& parsed) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && !IsLetter(arg[1]))) {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      parsed.help = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const Option* option = nullptr;
    for (const Option& o : known) {
      if (o.name == name) option = &o;
    }
    if (option == nullptr) return UsageError{"unknown option '" + std::string(name) + "'", command};
    if (!option->takesValue) {
      if (equals != std::string_view::npos) {
        return UsageError{"option '" + std::string(name) + "' takes no value", command};
      }
      parsed.options.emplace_back(name, std::string_view{});
    } else if (equals != std::string_view::npos) {
      parsed.options.emplace_back(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      parsed.options.emplace_back(name, args[++i]);
    } else {
      return UsageError{"option '" + std::string(name) + "' needs a value", command};
    }
  }
  return std::nullopt;
}

int ReportUsageError(const UsageError& error, std::ostream& err) {
  std::string help(kProgram);
  if (!error.command.empty()) help += ' ' + std::string(error.command);
  err << help << ": " << error.message << "; try '" << help << " --help'\n";
  return kExitUsage;
}

// A message of the program's own, as the window's error box would show it.
void ReportError(std::string_view message, std::ostream& err) {
  err << kProgram << ": " << ErrorBoxText(message) << '\n';
}

// The decimal separator for the command's lengths; restored when the command is done.
class DecimalSeparatorScope {
 public:
  DecimalSeparatorScope() : saved_(DecimalSeparator()) {}
  ~DecimalSeparatorScope() { SetDecimalSeparator(saved_); }
  DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
  DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

 private:
  char saved_;
};

std::optional<UsageError> ApplyDecimalOption(const Arguments& args) {
  const auto value = args.Value("--decimal");
  if (!value) return std::nullopt;
  const std::string_view c = *value;
  if (c.size() != 1 || (c[0] >= '0' && c[0] <= '9') || c[0] == '+' || c[0] == '-' || c[0] == 'e' ||
      c[0] == 'E' || c[0] == ' ' || c[0] == '\0') {
    return UsageError{
        "the decimal separator must be one character other than a digit, a sign, "
        "'e' or a blank",
        "weigh"};
  }
  SetDecimalSeparator(c[0]);
  return std::nullopt;
}

int FinishOutput(std::ostream& out, std::ostream& err, int code) {
  out.flush();
  if (!out) {
    err << kProgram << ": the output cannot be written\n";
    return kExitWriteError;
  }
  return code;
}

int WeighOne(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::span<const std::string_view> rest = args.positional;
  if (rest.empty()) return ReportUsageError({"missing DESIGNATION and LENGTH", "weigh"}, err);
  std::string designation(rest[0]);
  rest = rest.subspan(1);
  // "IPB 100" given as two arguments: a family prefix alone is never a designation.
  if (FindDesignation(designation) == nullptr && !rest.empty() &&
      FindDesignation(designation + ' ' + std::string(rest[0])) != nullptr) {
    designation += ' ' + std::string(rest[0]);
    rest = rest.subspan(1);
  }
  if (rest.empty()) return ReportUsageError({"missing LENGTH", "weigh"}, err);
  if (rest.size() > 2) {
    return ReportUsageError(
        {"too many arguments: '" + std::string(rest[2]) + "' follows the quantity", "weigh"}, err);
  }
  const CatalogueEntry* entry = FindDesignation(designation);
  if (entry == nullptr) {
    ReportError(UnknownDesignationMessage(designation), err);
    return kExitBadInput;
  }
  try {
    const Extended length = ParseExtended(rest[0]);
    const std::int32_t quantity = rest.size() > 1 ? ParseInteger(rest[1]) : 1;
    const BatchMass mass = WeighBatch(entry->unitWeight, length, quantity);
    std::string caption = MassCaption(mass);
    if (args.Has("--trim")) caption.erase(0, caption.find_first_not_of(' '));
    out << caption << '\n';
  } catch (const Exception& error) {
    ReportError(error.Message(), err);
    return kExitBadInput;
  }
  return FinishOutput(out, err, kExitOk);
}

int WeighList(std::istream& in, std::string_view name, OutputFormat format, std::ostream& out,
              std::ostream& err) {
  LineReader reader(in);
  CutListParser parser;
  const auto writer = MakeListWriter(format, out);
  writer->Begin();
  BatchMass total;
  bool totalFailed = false;
  std::int64_t badLines = 0;
  LineReader::Line line;
  auto reportLine = [&](std::int64_t number, std::string_view message) {
    err << name << ':' << number << ": " << message << '\n';
    ++badLines;
  };
  while (reader.Next(line)) {
    if (line.tooLong) {
      reportLine(line.number, ErrorBoxText("Longer than " +
                                           std::to_string(LineReader::kMaxLineBytes) + " bytes"));
      continue;
    }
    CutListParser::Result parsed = parser.Parse(line.text);
    if (parsed.kind == CutListParser::Kind::kSkipped) continue;
    if (parsed.kind == CutListParser::Kind::kBad) {
      reportLine(line.number, parsed.message);
      continue;
    }
    WeighedItem item{line.number, parsed.item, {}};
    try {
      item.mass = WeighBatch(item.item.entry->unitWeight, item.item.length, item.item.quantity);
    } catch (const Exception& error) {
      reportLine(line.number, ErrorBoxText(error.Message()));
      continue;
    }
    writer->Item(item);
    if (totalFailed) continue;
    try {
      total.kg = AddMass(total.kg, item.mass.kg);
    } catch (const Exception& error) {
      err << name << ": the total at line " << line.number << ": " << ErrorBoxText(error.Message())
          << '\n';
      totalFailed = true;
    }
  }
  if (in.bad()) {
    err << kProgram << ": cannot read '" << name << "' to its end\n";
    return kExitNoInput;
  }
  if (badLines > 0 || totalFailed) {
    writer->End(nullptr);
    if (badLines > 0) {
      err << kProgram << ": " << badLines << (badLines == 1 ? " bad line" : " bad lines") << " in "
          << name << "; no total\n";
    }
    return FinishOutput(out, err, kExitBadInput);
  }
  total.text = FormatExtended(total.kg, 4, 1);
  writer->End(&total);
  return FinishOutput(out, err, kExitOk);
}

int RunWeigh(std::span<const std::string_view> argv, std::istream& in, std::ostream& out,
             std::ostream& err) {
  static constexpr Option kOptions[] = {
      {"--list", true}, {"--format", true}, {"--decimal", true}, {"--trim", false}};
  Arguments args;
  if (auto error = ParseArguments(argv, kOptions, "weigh", args)) {
    return ReportUsageError(*error, err);
  }
  if (args.help) {
    out << kWeighHelp;
    return FinishOutput(out, err, kExitOk);
  }
  if (auto error = ApplyDecimalOption(args)) return ReportUsageError(*error, err);
  const auto list = args.Value("--list");
  OutputFormat format = OutputFormat::kText;
  if (const auto name = args.Value("--format")) {
    if (!list) return ReportUsageError({"--format goes with --list", "weigh"}, err);
    if (!ParseOutputFormat(*name, format)) {
      return ReportUsageError(
          {"unknown format '" + std::string(*name) + "' (text, csv or json)", "weigh"}, err);
    }
  }
  if (!list) return WeighOne(args, out, err);
  if (!args.positional.empty()) {
    return ReportUsageError(
        {"--list takes no DESIGNATION or LENGTH: '" + std::string(args.positional[0]) + "'",
         "weigh"},
        err);
  }
  if (*list == "-") return WeighList(in, "(standard input)", format, out, err);
  const std::string path(*list);
  std::error_code ignored;
  std::ifstream file{path, std::ios::binary};
  if (!file || std::filesystem::is_directory(path, ignored)) {
    const int error = file ? EISDIR : errno;
    err << kProgram << ": cannot read '" << path << "': " << std::strerror(error) << '\n';
    return kExitNoInput;
  }
  return WeighList(file, *list, format, out, err);
}

int RunCatalogue(std::span<const std::string_view> argv, std::ostream& out, std::ostream& err) {
  static constexpr Option kOptions[] = {{"--family", true}, {"--format", true}};
  Arguments args;
  if (auto error = ParseArguments(argv, kOptions, "catalogue", args)) {
    return ReportUsageError(*error, err);
  }
  if (args.help) {
    out << kCatalogueHelp;
    return FinishOutput(out, err, kExitOk);
  }
  if (!args.positional.empty()) {
    return ReportUsageError(
        {"unexpected argument '" + std::string(args.positional[0]) + "'", "catalogue"}, err);
  }
  int onlyFamily = 0;
  if (const auto family = args.Value("--family")) {
    for (int f = 1; f <= catalogue::kFamilyCount; ++f) {
      const std::string_view prefix = catalogue::Family(f).prefix;
      const bool same = std::equal(
          family->begin(), family->end(), prefix.begin(), prefix.end(),
          [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
      if (same) onlyFamily = f;
    }
    if (onlyFamily == 0) {
      return ReportUsageError(
          {"unknown family '" + std::string(*family) + "' (L, U, I or IPB)", "catalogue"}, err);
    }
  }
  OutputFormat format = OutputFormat::kText;
  if (const auto name = args.Value("--format"); name && !ParseOutputFormat(*name, format)) {
    return ReportUsageError(
        {"unknown format '" + std::string(*name) + "' (text, csv or json)", "catalogue"}, err);
  }

  if (format == OutputFormat::kText) out << "designation  family      kg/m\n";
  if (format == OutputFormat::kCsv) out << "designation,family,unit_weight_kg_m\n";
  if (format == OutputFormat::kJson) out << '[';
  bool first = true;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    if (onlyFamily != 0 && entry.family != onlyFamily) continue;
    const std::string_view prefix = catalogue::Family(entry.family).prefix;
    const std::string_view weight = UnitWeightText(entry);
    switch (format) {
      case OutputFormat::kText: {
        std::string row(entry.designation);
        row.resize(std::max<std::size_t>(row.size(), 13), ' ');
        row += prefix;
        row.resize(std::max<std::size_t>(row.size() + 1, 19 + 10 - weight.size()), ' ');
        row += weight;
        out << row << '\n';
        break;
      }
      case OutputFormat::kCsv:
        out << entry.designation << ',' << prefix << ',' << weight << '\n';
        break;
      case OutputFormat::kJson:
        out << (first ? "\n" : ",\n") << "{\"designation\":\"" << entry.designation
            << "\",\"family\":\"" << prefix << "\",\"unitWeight\":" << weight << '}';
        break;
    }
    first = false;
  }
  if (format == OutputFormat::kJson) out << "\n]\n";
  return FinishOutput(out, err, kExitOk);
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  DecimalSeparatorScope separator;
  if (args.empty()) return ReportUsageError({"no command", ""}, err);
  const std::string_view command = args[0];
  const auto rest = args.subspan(1);
  if (command == "weigh") return RunWeigh(rest, in, out, err);
  if (command == "catalogue" || command == "catalog") return RunCatalogue(rest, out, err);
  if (command == "--help" || command == "-h" || command == "help") {
    if (command == "help" && !rest.empty()) {
      if (rest[0] == "weigh") return RunWeigh(std::array{std::string_view("--help")}, in, out, err);
      if (rest[0] == "catalogue" || rest[0] == "catalog") {
        return RunCatalogue(std::array{std::string_view("--help")}, out, err);
      }
      return ReportUsageError({"no command '" + std::string(rest[0]) + "'", ""}, err);
    }
    out << kProgramHelp;
    return FinishOutput(out, err, kExitOk);
  }
  if (command == "--version") {
    out << kProgram << ' ' << kVersion << '\n';
    return FinishOutput(out, err, kExitOk);
  }
  if (command.starts_with('-')) {
    return ReportUsageError({"unknown option '" + std::string(command) + "'", ""}, err);
  }
  return ReportUsageError({"unknown command '" + std::string(command) + "'", ""}, err);
}

}  // namespace pw::cli
