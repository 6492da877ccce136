#pragma once
// Labels whose caption and hint are UTF-16 text, kept whatever the system code page and drawn with
// the wide text call, so that Persian titles come out right on any code page.
//
// A graphic control has no native window to hold UTF-16 text, so the wide caption and hint live
// in a companion per control, in one process-wide list ordered by the control's address. The
// inherited narrow caption is kept equal to the wide one in the process code page; a narrow
// caption written behind the wide one's back becomes the wide caption at the next read.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Label.h"

namespace pw {

// The wide texts of one control.
struct TWideControlHelper {
  const TControl* control = nullptr;  // the search key
  std::u16string caption;
  std::u16string hint;
};

// Every companion of the process, ordered by control address, found by binary search. A
// companion is created by the first wide text set on its control, never by reading, and is
// dropped when its control is destroyed.
class TWideCompanions {
 public:
  static TWideCompanions& Instance();

  TWideControlHelper* Find(const TControl& control);
  TWideControlHelper& FindOrCreate(const TControl& control);
  void Remove(const TControl& control);
  std::size_t Count() const { return companions_.size(); }

 private:
  using List = std::vector<std::unique_ptr<TWideControlHelper>>;
  List::iterator LowerBound(const TControl& control);

  List companions_;
};

// Whether the system takes UTF-16 text (true here); without it the wide labels fall back to the
// narrow caption and narrow drawing. Settable for tests.
bool UnicodePlatform();
void SetUnicodePlatform(bool unicode);

class TWideCustomLabel : public TCustomLabel {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomLabel::TCustomLabel;
  ~TWideCustomLabel() override;

  // The wide caption, after taking over a narrow caption changed behind it.
  std::u16string Caption() const;
  // Assigning the current caption does nothing. Another one is stored and the narrow caption
  // set to it in the process code page, which repaints and re-measures the label, also when
  // only characters the code page lacks changed.
  void SetCaption(std::u16string_view caption);
  std::u16string Hint() const;
  void SetHint(std::u16string_view hint);

  // For every published wide-string property, its UTF-8 ("W") and UTF-7 ("_UTF7") copies that
  // streams may carry: read as narrow text and dropped.
  void DeclareExtraProperties(TReader& reader) override;

 protected:
  void DoDrawText(gfx::HDC dc, gfx::RECT& rect, unsigned flags) override;

 private:
  enum class Field { Caption, Hint };
  std::u16string ReadWide(Field field) const;
  void WriteWide(Field field, std::u16string_view text);
};

class TWideLabel : public TWideCustomLabel {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TWideCustomLabel::TWideCustomLabel;
};

}  // namespace pw
