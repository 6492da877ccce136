#include "app/cli/ListOutput.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/DecimalText.h"

namespace pw::cli {

namespace {

// Whole numbers below 2^63 are written straight away; they are their own shortest decimal.
constexpr Extended kWholeLimit = 9223372036854775808.0L;

// A right-aligned column keeps at least one blank before it, however wide its value.
void AppendPadded(std::string& row, std::string_view text, std::size_t width, bool right) {
  std::size_t pad = text.size() < width ? width - text.size() : 0;
  if (right && pad == 0) pad = 1;
  if (right) row.append(pad, ' ');
  row += text;
  if (!right) row.append(pad, ' ');
}

std::string_view Trimmed(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  return text;
}

// Column widths of the text form; a wider value pushes the rest along, it is never cut.
constexpr std::size_t kDesignationWidth = 10;
constexpr std::size_t kWeightWidth = 7;
constexpr std::size_t kLengthWidth = 11;
constexpr std::size_t kQuantityWidth = 7;
constexpr std::size_t kMassWidth = 14;

class TextWriter : public ListWriter {
 public:
  explicit TextWriter(std::ostream& out) : out_(out) {}
  void Begin() override {
    row_.clear();
    AppendPadded(row_, "profile", kDesignationWidth, false);
    AppendPadded(row_, "kg/m", kWeightWidth, true);
    AppendPadded(row_, "length mm", kLengthWidth, true);
    AppendPadded(row_, "qty", kQuantityWidth, true);
    AppendPadded(row_, "mass", kMassWidth, true);
    row_ += '\n';
    out_ << row_;
  }
  void Item(const WeighedItem& item) override {
    row_.clear();
    AppendPadded(row_, item.item.entry->designation, kDesignationWidth, false);
    AppendPadded(row_, UnitWeightText(*item.item.entry), kWeightWidth, true);
    AppendPadded(row_, LengthText(item.item.length), kLengthWidth, true);
    char quantity[16];
    const auto end = std::to_chars(quantity, quantity + sizeof quantity, item.item.quantity).ptr;
    AppendPadded(row_, std::string_view(quantity, end - quantity), kQuantityWidth, true);
    AppendPadded(row_, MassCaption(item.mass), kMassWidth, true);
    row_ += '\n';
    out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
  }
  void End(const BatchMass* total) override {
    if (total == nullptr) return;
    row_.clear();
    AppendPadded(row_, "total", kDesignationWidth, false);
    AppendPadded(row_, MassCaption(*total),
                 kWeightWidth + kLengthWidth + kQuantityWidth + kMassWidth, true);
    row_ += '\n';
    out_ << row_;
  }

 private:
  std::ostream& out_;
  std::string row_;
};

class CsvWriter : public ListWriter {
 public:
  explicit CsvWriter(std::ostream& out) : out_(out) {}
  void Begin() override {
    out_ << "designation,unit_weight_kg_m,length_mm,quantity,mass_kg,mass_kg_exact\n";
  }
  void Item(const WeighedItem& item) override {
    row_.assign(item.item.entry->designation);
    row_ += ',';
    row_ += UnitWeightText(*item.item.entry);
    row_ += ',';
    row_ += LengthText(item.item.length);
    row_ += ',';
    row_ += std::to_string(item.item.quantity);
    row_ += ',';
    row_ += Trimmed(item.mass.text);
    row_ += ',';
    row_ += ExactDecimal(item.mass.kg);
    row_ += '\n';
    out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
  }
  void End(const BatchMass* total) override {
    if (total == nullptr) return;
    out_ << "total,,,," << Trimmed(total->text) << ',' << ExactDecimal(total->kg) << '\n';
  }

 private:
  std::ostream& out_;
  std::string row_;
};

class JsonWriter : public ListWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  void Begin() override { out_ << "{\"items\":["; }
  void Item(const WeighedItem& item) override {
    row_.assign(first_ ? "\n" : ",\n");
    first_ = false;
    row_ += "{\"line\":";
    row_ += std::to_string(item.line);
    row_ += ",\"designation\":\"";
    row_ += item.item.entry->designation;  // letters, digits, blanks, "x" and "." only
    row_ += "\",\"unitWeight\":";
    row_ += UnitWeightText(*item.item.entry);
    row_ += ",\"length\":";
    row_ += LengthText(item.item.length);
    row_ += ",\"quantity\":";
    row_ += std::to_string(item.item.quantity);
    row_ += ",\"mass\":";
    row_ += Trimmed(item.mass.text);
    row_ += ",\"massExact\":\"";
    row_ += ExactDecimal(item.mass.kg);
    row_ += "\"}";
    out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
  }
  void End(const BatchMass* total) override {
    out_ << "\n]";
    if (total != nullptr) {
      out_ << ",\"total\":{\"mass\":" << Trimmed(total->text) << ",\"massExact\":\""
           << ExactDecimal(total->kg) << "\"}";
    }
    out_ << "}\n";
  }

 private:
  std::ostream& out_;
  std::string row_;
  bool first_ = true;
};

}  // namespace

bool ParseOutputFormat(std::string_view name, OutputFormat& format) {
  if (name == "text") {
    format = OutputFormat::kText;
  } else if (name == "csv") {
    format = OutputFormat::kCsv;
  } else if (name == "json") {
    format = OutputFormat::kJson;
  } else {
    return false;
  }
  return true;
}

std::unique_ptr<ListWriter> MakeListWriter(OutputFormat format, std::ostream& out) {
  switch (format) {
    case OutputFormat::kCsv:
      return std::make_unique<CsvWriter>(out);
    case OutputFormat::kJson:
      return std::make_unique<JsonWriter>(out);
    case OutputFormat::kText:
      break;
  }
  return std::make_unique<TextWriter>(out);
}

std::string LengthText(Extended length) {
  const bool negativeZero = length == 0 && std::signbit(length);
  if (std::fabs(length) < kWholeLimit && length == std::trunc(length) && !negativeZero) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(length)).ptr;
    return std::string(text, end);
  }
  return ShortestDecimal(length);
}

std::string_view UnitWeightText(const CatalogueEntry& entry) {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> list;
    for (const auto& e : CatalogueEntries()) list.push_back(ShortestDecimal(e.unitWeight));
    return list;
  }();
  return texts[static_cast<std::size_t>(&entry - CatalogueEntries().data())];
}

}  // namespace pw::cli
