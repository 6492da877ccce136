#pragma once
// The text, caret and selection of a single-line edit field, without any window: the "EDIT"
// class keeps one per window and turns keys and messages into these operations.
//
// Positions are byte offsets into the narrow text. In the UTF-8 code page the caret only stops
// between whole characters; in the single-byte code pages every byte is a character.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace pw::win::native {

class LineEditor {
 public:
  explicit LineEditor(bool utf8 = false) : utf8_(utf8) {}

  const std::string& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t selectionStart() const { return std::min(anchor_, caret_); }
  std::size_t selectionEnd() const { return std::max(anchor_, caret_); }
  bool hasSelection() const { return anchor_ != caret_; }

  // Replaces the text; the caret goes to the start with nothing selected.
  void SetText(std::string_view text) {
    text_.assign(text);
    anchor_ = caret_ = 0;
  }

  // Selects from `anchor` to `caret` (clamped to the text, moved to character boundaries); a
  // negative `caret` means the end of the text, a negative `anchor` drops the selection and
  // leaves the caret where it is.
  void SetSelection(int anchor, int caret) {
    if (anchor < 0) {
      anchor_ = caret_;
      return;
    }
    anchor_ = Boundary(static_cast<std::size_t>(anchor));
    caret_ = caret < 0 ? text_.size() : Boundary(static_cast<std::size_t>(caret));
  }
  void SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
  }

  // Replaces the selection (or inserts at the caret) with `insert`, as far as `limit` bytes of
  // text allow; the caret ends after the inserted text. Returns whether the text changed.
  bool Replace(std::string_view insert, std::size_t limit = std::string::npos) {
    const std::size_t start = selectionStart();
    const std::size_t end = selectionEnd();
    const std::size_t kept = text_.size() - (end - start);
    if (limit != std::string::npos && kept + insert.size() > limit) {
      if (kept >= limit) return false;
      insert = insert.substr(0, limit - kept);
      if (utf8_) insert = insert.substr(0, LastBoundaryWithin(insert));
    }
    if (insert.empty() && start == end) return false;
    text_.replace(start, end - start, insert);
    anchor_ = caret_ = start + insert.size();
    return true;
  }

  // Backspace: deletes the selection, else the character before the caret.
  bool DeleteBackward() {
    if (hasSelection()) return Replace({});
    if (caret_ == 0) return false;
    anchor_ = Previous(caret_);
    return Replace({});
  }
  // Delete: deletes the selection, else the character after the caret.
  bool DeleteForward() {
    if (hasSelection()) return Replace({});
    if (caret_ >= text_.size()) return false;
    anchor_ = Next(caret_);
    return Replace({});
  }

  // Caret movement; with `extend` the anchor stays (Shift held), else the selection collapses.
  // Without `extend`, Left and Right on a selection go to its start or end.
  void MoveLeft(bool extend, bool word = false) {
    if (!extend && hasSelection() && !word) {
      MoveTo(selectionStart(), false);
      return;
    }
    MoveTo(word ? PreviousWord(caret_) : Previous(caret_), extend);
  }
  void MoveRight(bool extend, bool word = false) {
    if (!extend && hasSelection() && !word) {
      MoveTo(selectionEnd(), false);
      return;
    }
    MoveTo(word ? NextWord(caret_) : Next(caret_), extend);
  }
  void MoveHome(bool extend) { MoveTo(0, extend); }
  void MoveEnd(bool extend) { MoveTo(text_.size(), extend); }
  void MoveTo(std::size_t position, bool extend) {
    caret_ = Boundary(std::min(position, text_.size()));
    if (!extend) anchor_ = caret_;
  }

  // Selects the word around `position` (a double click): the run of non-blank characters, or
  // of blanks when the position lies between blanks.
  void SelectWordAt(std::size_t position) {
    position = Boundary(position);
    const bool blank = position < text_.size() ? IsSpace(text_[position])
                                               : (position > 0 && IsSpace(text_[position - 1]));
    std::size_t start = position;
    while (start > 0 && IsSpace(text_[start - 1]) == blank) --start;
    std::size_t end = position;
    while (end < text_.size() && IsSpace(text_[end]) == blank) ++end;
    anchor_ = Boundary(start);
    caret_ = end;
  }

  // The character boundary at or before `position`.
  std::size_t Boundary(std::size_t position) const {
    position = std::min(position, text_.size());
    if (!utf8_) return position;
    while (position > 0 && position < text_.size() && IsContinuation(text_[position])) --position;
    return position;
  }
  std::size_t Previous(std::size_t position) const {
    if (position == 0) return 0;
    return Boundary(position - 1);
  }
  std::size_t Next(std::size_t position) const {
    if (position >= text_.size()) return text_.size();
    ++position;
    if (utf8_) {
      while (position < text_.size() && IsContinuation(text_[position])) ++position;
    }
    return position;
  }
  // Word movement as Ctrl+Left and Ctrl+Right do it: to the start of the previous or next word.
  std::size_t PreviousWord(std::size_t position) const {
    while (position > 0 && IsSpace(text_[position - 1])) --position;
    while (position > 0 && !IsSpace(text_[position - 1])) --position;
    return Boundary(position);
  }
  std::size_t NextWord(std::size_t position) const {
    while (position < text_.size() && !IsSpace(text_[position])) ++position;
    while (position < text_.size() && IsSpace(text_[position])) ++position;
    return position;
  }

 private:
  static bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
  }
  static bool IsSpace(char byte) { return byte == ' ' || byte == '\t'; }
  // The longest prefix of `text` that ends on a character boundary.
  static std::size_t LastBoundaryWithin(std::string_view text) {
    std::size_t end = text.size();
    std::size_t start = end;
    while (start > 0 && IsContinuation(text[start - 1])) --start;
    if (start == 0) return end;
    const unsigned char lead = static_cast<unsigned char>(text[start - 1]);
    const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return end - (start - 1) >= need ? end : start - 1;
  }

  bool utf8_;
  std::string text_;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
};

}  // namespace pw::win::native
