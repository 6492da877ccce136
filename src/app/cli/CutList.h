#pragma once
// Cut lists: one item per line, "designation,length[,quantity]", as spreadsheets and estimating
// programs export them. Lines end in LF, CR LF or a lone CR; a UTF-8 byte-order mark before the
// first line is skipped; blank lines, lines of empty fields and "#" comments are skipped; the
// first line with content is a header when neither its designation nor its length is one.
// Fields are separated by ";" or a tab when the line has one outside quotes, else by ",", so a
// decimal comma goes with either of those; a field may be quoted ("2,5", "" for a quote).

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/Designations.h"
#include "convert/Extended.h"

namespace pw::cli {

// Reads lines from a stream in blocks, holding at most one line of kMaxLineBytes at a time.
class LineReader {
 public:
  static constexpr std::size_t kMaxLineBytes = 64 * 1024;

  explicit LineReader(std::istream& in);

  struct Line {
    std::string_view text;  // without its end; valid until the next call
    std::int64_t number = 0;
    bool tooLong = false;  // longer than kMaxLineBytes: the text is empty, the rest was skipped
  };
  // The next line; false at the end of the input. A last line without an end counts.
  bool Next(Line& line);

 private:
  // Reads more input behind what is kept from begin_; false at the end of the input.
  bool Fill();
  // The line from begin_ to end.
  void Emit(Line& line, std::size_t end);
  // Reads past the end of a line too long to keep.
  void SkipLongLine();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t next_ = 0;  // where the line after the one handed out begins
  bool skipLf_ = false;   // the last line ended in CR: an LF right after it belongs to it
  bool eof_ = false;
  std::int64_t number_ = 0;
};

// The fields of one line; fails on a quoted field without its closing quote or with text after
// it.
class FieldSplitter {
 public:
  // False with the message on bad quoting.
  bool Split(std::string_view line, std::string& message);
  std::size_t Count() const { return count_; }
  const std::string& Field(std::size_t i) const { return fields_[i]; }

 private:
  std::string& NewField();

  std::vector<std::string> fields_;  // reused from line to line
  std::size_t count_ = 0;
};

struct CutListItem {
  const CatalogueEntry* entry = nullptr;
  Extended length = 0;
  std::int32_t quantity = 1;
};

// Reads the lines of one cut list in order.
class CutListParser {
 public:
  enum class Kind { kSkipped, kItem, kBad };
  struct Result {
    Kind kind = Kind::kSkipped;
    CutListItem item;
    std::string message;  // for kBad, the message as the window shows its errors
  };

  // The length by the window's rules (the process-wide decimal separator), the quantity too,
  // 1 when the field is left out or empty.
  Result Parse(std::string_view line);

 private:
  FieldSplitter splitter_;
  bool seenContent_ = false;
};

}  // namespace pw::cli
