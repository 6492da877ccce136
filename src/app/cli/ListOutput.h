#pragma once
// The weighed items of a cut list and their total, written as they come: aligned text, CSV or
// JSON.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string_view>

#include "app/calculation/BatchMass.h"
#include "app/cli/CutList.h"

namespace pw::cli {

enum class OutputFormat { kText, kCsv, kJson };

// "text", "csv" or "json"; false for another name.
bool ParseOutputFormat(std::string_view name, OutputFormat& format);

struct WeighedItem {
  std::int64_t line = 0;
  CutListItem item;
  BatchMass mass;
};

class ListWriter {
 public:
  virtual ~ListWriter() = default;
  virtual void Begin() = 0;
  virtual void Item(const WeighedItem& item) = 0;
  // The total, or null when a line was bad and there is none.
  virtual void End(const BatchMass* total) = 0;
};

std::unique_ptr<ListWriter> MakeListWriter(OutputFormat format, std::ostream& out);

// A length as written out: the shortest decimal that reads back to it.
std::string LengthText(Extended length);
// A catalogue unit weight the same way, kept once worked out.
std::string_view UnitWeightText(const CatalogueEntry& entry);

}  // namespace pw::cli
