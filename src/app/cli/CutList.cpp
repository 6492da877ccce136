#include "app/cli/CutList.h"

#include <algorithm>
#include <cstring>

#include "controls/Application.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"

namespace pw::cli {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineForm = "a line is designation,length[,quantity]";

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Where a field list ends: ";" or a tab when the line has one outside quotes, else ",".
char SeparatorOf(std::string_view line) {
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ';' || c == '\t')) return c;
  }
  return ',';
}

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), buffer_(kMaxLineBytes + kBlockBytes) {}

bool LineReader::Fill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const std::size_t room = std::min(buffer_.size() - end_, kBlockBytes);
  in_.read(buffer_.data() + end_, static_cast<std::streamsize>(room));
  const auto got = static_cast<std::size_t>(in_.gcount());
  end_ += got;
  if (got < room) eof_ = true;
  return got > 0;
}

bool LineReader::Next(Line& line) {
  begin_ = next_;           // the previous line is done with
  std::size_t scanned = 0;  // bytes after begin_ known to hold no line end
  for (;;) {
    if (skipLf_ && begin_ < end_) {
      skipLf_ = false;
      if (buffer_[begin_] == '\n') ++begin_;
    }
    const char* data = buffer_.data();
    std::size_t pos = begin_ + scanned;
    while (pos < end_ && data[pos] != '\n' && data[pos] != '\r') ++pos;
    if (pos < end_) {
      // The buffer can hold more than a line may have, so a line found whole is measured too.
      if (pos - begin_ > kMaxLineBytes) {
        line = {{}, ++number_, true};
      } else {
        Emit(line, pos);
      }
      next_ = pos + 1;
      skipLf_ = data[pos] == '\r';
      return true;
    }
    scanned = pos - begin_;
    if (scanned > kMaxLineBytes) {
      SkipLongLine();
      line = {{}, ++number_, true};
      return true;
    }
    if (!Fill()) {
      skipLf_ = false;
      if (end_ == begin_) return false;
      Emit(line, end_);
      next_ = end_;
      return true;
    }
  }
}

void LineReader::Emit(Line& line, std::size_t end) {
  std::string_view text(buffer_.data() + begin_, end - begin_);
  if (++number_ == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  line = {text, number_, false};
}

void LineReader::SkipLongLine() {
  for (;;) {
    begin_ = end_;
    next_ = end_;
    if (!Fill()) return;
    const char* data = buffer_.data();
    const char* found =
        std::find_if(data + begin_, data + end_, [](char c) { return c == '\n' || c == '\r'; });
    if (found != data + end_) {
      next_ = static_cast<std::size_t>(found - data) + 1;
      skipLf_ = *found == '\r';
      return;
    }
  }
}

std::string& FieldSplitter::NewField() {
  if (count_ == fields_.size()) fields_.emplace_back();
  std::string& field = fields_[count_++];
  field.clear();
  return field;
}

bool FieldSplitter::Split(std::string_view line, std::string& message) {
  count_ = 0;
  const char separator = SeparatorOf(line);
  std::size_t i = 0;
  for (;;) {
    std::string& field = NewField();
    const std::size_t start = i;
    while (i < line.size() && line[i] == ' ') ++i;
    if (i < line.size() && line[i] == '"') {
      for (++i;; ++i) {
        if (i == line.size()) {
          message = "A quoted field is not closed";
          return false;
        }
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field.push_back('"');
            ++i;
            continue;
          }
          break;
        }
        field.push_back(line[i]);
      }
      ++i;
      while (i < line.size() && line[i] == ' ') ++i;
      if (i < line.size() && line[i] != separator) {
        message = "Text after the closing quote of a field";
        return false;
      }
    } else {
      const std::size_t end = std::min(line.find(separator, start), line.size());
      field.assign(line.substr(start, end - start));
      i = end;
    }
    if (i == line.size()) return true;
    ++i;  // the separator
  }
}

CutListParser::Result CutListParser::Parse(std::string_view line) {
  Result result;
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return result;
  auto bad = [&result](std::string_view message) {
    result.kind = Kind::kBad;
    result.message = ErrorBoxText(message);
    return result;
  };
  std::string message;
  if (!splitter_.Split(line, message)) return bad(message);
  std::size_t count = splitter_.Count();
  while (count > 0 && IsBlank(splitter_.Field(count - 1))) --count;
  if (count == 0) return result;  // a row of empty cells

  const bool headerPossible = !seenContent_;
  seenContent_ = true;
  const std::string& designation = splitter_.Field(0);
  const CatalogueEntry* entry = FindDesignation(designation);
  if (headerPossible && entry == nullptr && (count < 2 || !ScanExtended(splitter_.Field(1)))) {
    return result;  // column titles
  }
  if (count > 3) {
    return bad("Too many fields (" + std::to_string(count) + "): " + std::string(kLineForm));
  }
  if (entry == nullptr) return bad(UnknownDesignationMessage(designation));
  if (count < 2) return bad("No length: " + std::string(kLineForm));
  try {
    result.item.entry = entry;
    result.item.length = ParseExtended(splitter_.Field(1));
    result.item.quantity = count < 3 ? 1 : ParseInteger(splitter_.Field(2));
  } catch (const Exception& error) {
    return bad(error.Message());
  }
  result.kind = Kind::kItem;
  return result;
}

}  // namespace pw::cli
