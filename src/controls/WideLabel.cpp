#include "controls/WideLabel.h"

#include <algorithm>
#include <functional>

#include "forms/Reader.h"
#include "platform/gfx/Text.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {
constexpr TPropInfo kWideCustomLabelProperties[] = {
    WideStringProperty<&TWideCustomLabel::SetHint>("Hint"),
};
constexpr TPropInfo kWideLabelProperties[] = {
    WideStringProperty<&TWideCustomLabel::SetCaption>("Caption"),
};

bool unicodePlatform = true;

bool Before(const std::unique_ptr<TWideControlHelper>& companion, const TControl* control) {
  return std::less<const TControl*>()(companion->control, control);
}
}  // namespace

const TClassInfo TWideCustomLabel::classInfo{"TWideCustomLabel", &TCustomLabel::classInfo,
                                             kWideCustomLabelProperties};
const TClassInfo TWideLabel::classInfo{
    "TWideLabel", &TWideCustomLabel::classInfo, kWideLabelProperties, {},
    {},           CreateComponent<TWideLabel>};

// ---- Companions

namespace {
struct CompanionsHolder {
  TWideCompanions list;
};
}  // namespace

TWideCompanions& TWideCompanions::Instance() {
  return sys::ContextLocal<CompanionsHolder>().list;
}

TWideCompanions::List::iterator TWideCompanions::LowerBound(const TControl& control) {
  return std::lower_bound(companions_.begin(), companions_.end(), &control, Before);
}

TWideControlHelper* TWideCompanions::Find(const TControl& control) {
  const auto it = LowerBound(control);
  return it != companions_.end() && (*it)->control == &control ? it->get() : nullptr;
}

TWideControlHelper& TWideCompanions::FindOrCreate(const TControl& control) {
  const auto it = LowerBound(control);
  if (it != companions_.end() && (*it)->control == &control) return **it;
  auto companion = std::make_unique<TWideControlHelper>();
  companion->control = &control;
  return **companions_.insert(it, std::move(companion));
}

void TWideCompanions::Remove(const TControl& control) {
  const auto it = LowerBound(control);
  if (it != companions_.end() && (*it)->control == &control) companions_.erase(it);
}

bool UnicodePlatform() {
  return unicodePlatform;
}

void SetUnicodePlatform(bool unicode) {
  unicodePlatform = unicode;
}

// ---- Wide labels

TWideCustomLabel::~TWideCustomLabel() {
  TWideCompanions::Instance().Remove(*this);
}

std::u16string TWideCustomLabel::ReadWide(Field field) const {
  const std::string narrow = field == Field::Caption ? TControl::Caption() : TControl::Hint();
  TWideControlHelper* companion =
      UnicodePlatform() ? TWideCompanions::Instance().Find(*this) : nullptr;
  if (companion == nullptr) return sys::NarrowToWide(narrow);
  std::u16string& wide = field == Field::Caption ? companion->caption : companion->hint;
  // A narrow text written behind the wide one's back becomes the wide text.
  if (sys::WideToNarrow(wide) != narrow) wide = sys::NarrowToWide(narrow);
  return wide;
}

void TWideCustomLabel::WriteWide(Field field, std::u16string_view text) {
  const auto setNarrow = [this, field](std::string_view narrow) {
    if (field == Field::Caption) {
      TControl::SetCaption(narrow);
    } else {
      TControl::SetHint(narrow);
    }
  };
  const std::string narrow = sys::WideToNarrow(text);
  if (!UnicodePlatform()) return setNarrow(narrow);
  if (ReadWide(field) == text) return;
  // When the code page turns the new text into the narrow text already there (it lacks some of
  // the characters), clearing the narrow text first makes the assignment below a change, so that
  // the label still repaints and re-measures.
  const std::string current = field == Field::Caption ? TControl::Caption() : TControl::Hint();
  if (sys::NarrowToWide(narrow) != text && current == narrow) setNarrow({});
  TWideControlHelper& companion = TWideCompanions::Instance().FindOrCreate(*this);
  (field == Field::Caption ? companion.caption : companion.hint) = text;
  setNarrow(narrow);
}

std::u16string TWideCustomLabel::Caption() const {
  return ReadWide(Field::Caption);
}

void TWideCustomLabel::SetCaption(std::u16string_view caption) {
  WriteWide(Field::Caption, caption);
}

std::u16string TWideCustomLabel::Hint() const {
  return ReadWide(Field::Hint);
}

void TWideCustomLabel::SetHint(std::u16string_view hint) {
  WriteWide(Field::Hint, hint);
}

void TWideCustomLabel::DoDrawText(gfx::HDC dc, gfx::RECT& rect, unsigned flags) {
  if (!UnicodePlatform()) return TCustomLabel::DoDrawText(dc, rect, flags);
  DrawLabelText(dc, Caption(), rect, flags,
                [](gfx::HDC target, const std::u16string& text, gfx::RECT& r, unsigned f) {
                  gfx::DrawTextW(target, text, r, f);
                });
}

void TWideCustomLabel::DeclareExtraProperties(TReader& reader) {
  TCustomLabel::DeclareExtraProperties(reader);
  const TClassInfo& info = ClassInfo();
  for (const TClassInfo* c = &info; c != nullptr; c = c->parent) {
    for (const TPropInfo& property : c->properties) {
      // Only the property the name stands for in this class (a wide Caption hides the narrow).
      if (property.kind != TTypeKind::WideString || info.FindProperty(property.name) != &property) {
        continue;
      }
      for (const char* suffix : {"W", "_UTF7"}) {
        reader.DeclareProperty(std::string(property.name) + suffix,
                               [](TReader& r) { r.ReadText(); });
      }
    }
  }
}

}  // namespace pw
