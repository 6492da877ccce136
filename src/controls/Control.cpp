#include "controls/Control.h"

#include <cmath>
#include <utility>

#include "controls/CustomForm.h"
#include "controls/WinControl.h"
#include "forms/Reader.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Locale.h"

namespace pw {

namespace {
constexpr TPropInfo kControlProperties[] = {
    IntegerProperty<&TControl::Left, &TControl::SetLeft>("Left"),
    IntegerProperty<&TControl::Top, &TControl::SetTop>("Top"),
    IntegerProperty<&TControl::Width, &TControl::SetWidth>("Width"),
    IntegerProperty<&TControl::Height, &TControl::SetHeight>("Height"),
    EnumProperty<&TControl::Align, &TControl::SetAlign>("Align", kAlignType),
    EnumProperty<&TControl::BiDiMode, &TControl::SetBiDiMode>("BiDiMode", kBiDiModeType),
    IntegerProperty<&TControl::Color, &TControl::SetColor>("Color", kColorType),
    IntegerProperty<&TControl::Cursor, &TControl::SetCursor>("Cursor", kCursorType),
    BoolProperty<&TControl::Enabled, &TControl::SetEnabled>("Enabled"),
    ObjectProperty<&TControl::Font>("Font"),
    BoolProperty<&TControl::ParentBiDiMode, &TControl::SetParentBiDiMode>("ParentBiDiMode"),
    BoolProperty<&TControl::ParentColor, &TControl::SetParentColor>("ParentColor"),
    BoolProperty<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont"),
    BoolProperty<&TControl::Visible, &TControl::SetVisible>("Visible"),
    StringProperty<&TControl::SetHint>("Hint"),
    EventProperty<&TControl::OnClick>("OnClick"),
};
}  // namespace

const TClassInfo TControl::classInfo{"TControl", &TComponent::classInfo, kControlProperties};
const TClassInfo TGraphicControl::classInfo{"TGraphicControl", &TControl::classInfo};

namespace {
bool& MiddleEastSetting() {
  static bool middleEast = MiddleEastFor(sys::LocaleLanguage(), sys::CodePage());
  return middleEast;
}
}  // namespace

bool MiddleEast() {
  return MiddleEastSetting();
}

void SetMiddleEast(bool middleEast) {
  MiddleEastSetting() = middleEast;
}

bool MiddleEastFor(std::string_view language, int codePage) {
  constexpr std::string_view kWestern[] = {"",   "da", "de", "en", "es", "fi", "fr",
                                           "it", "nl", "no", "nb", "nn", "pt", "sv"};
  for (std::string_view western : kWestern) {
    if (language == western) return false;
  }
  if (sys::HasLeadBytes(codePage)) return false;
  for (int byte = 128; byte < 256; ++byte) {
    const char narrow = static_cast<char>(byte);
    const std::u16string wide = sys::NarrowToWide(std::string_view(&narrow, 1), codePage);
    if (!wide.empty() && sys::IsRightToLeftCharacter(wide.front())) return true;
  }
  return false;
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  // The product is exact in a double; the quotient rounds halves away from zero.
  return static_cast<int>(std::llround(static_cast<double>(number) * numerator / denominator));
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] { OwnFontChanged(); };
}

TControl::~TControl() {
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) {
    if (visible_ && !IsWindowed()) InvalidateInParent(false);
    parent_->RemoveControl(this);
  }
  if (parent != nullptr) {
    parent->InsertControl(this);
    if (!Reading()) {
      ParentColorChanged();
      ParentFontChanged();
      ParentBiDiModeChanged();
    }
    if (!IsWindowed()) Invalidate();
  }
}

TCustomForm* TControl::ParentForm() const {
  const TControl* control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (visible_) InvalidateInParent(false);
  StoreBounds(left, top, width, height);
  Invalidate();
  if (parent_ != nullptr) parent_->AlignControls();
}

void TControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  SetBounds(MulDiv(left_, multiplier, divisor), MulDiv(top_, multiplier, divisor),
            MulDiv(width_, multiplier, divisor), MulDiv(height_, multiplier, divisor));
  if (!parentFont_) font_->SetHeight(MulDiv(font_->Height(), multiplier, divisor));
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (parent_ != nullptr) parent_->AlignControls();
}

void TControl::VisibleChanged() {
  // Becoming visible and opaque, the control covers what lies beneath; else the parent's
  // background shows through (or comes back).
  InvalidateInParent(visible_ && HasStyle(TControlStyle::csOpaque));
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_ != nullptr) parent_->AlignControls();
}

void TControl::SetText(std::string_view text) {
  if (text == GetText()) return;
  StoreText(text);
  TextChanged();
}

void TControl::Invalidate() {
  if (visible_) InvalidateInParent(HasStyle(TControlStyle::csOpaque));
}

void TControl::InvalidateInParent(bool opaque) {
  if (parent_ == nullptr || !parent_->HandleAllocated()) return;
  const gfx::RECT rect = BoundsRect();
  const bool erase =
      !opaque && !parent_->HasStyle(TControlStyle::csOpaque) && !parent_->BackgroundCovered(this);
  win::InvalidateRect(parent_->Handle(), &rect, erase);
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ != nullptr && parent_->HandleAllocated()) win::UpdateWindow(parent_->Handle());
}

void TControl::MouseMessage(unsigned message, win::WPARAM /*keys*/, int x, int y) {
  switch (message) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
      if (HasStyle(TControlStyle::csCaptureMouse) && parent_ != nullptr) {
        parent_->CaptureMouseFor(this);
      }
      // A second press counts as a press only for a control that takes no double clicks.
      clicking_ = HasStyle(TControlStyle::csClickEvents) &&
                  (message == win::WM_LBUTTONDOWN || !HasStyle(TControlStyle::csDoubleClicks));
      break;
    case win::WM_LBUTTONUP: {
      const bool clicked = std::exchange(clicking_, false);
      if (parent_ != nullptr) parent_->ReleaseMouseFor(this);
      if (clicked && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
      break;
    }
    case win::WM_CAPTURECHANGED:
      clicking_ = false;
      break;
    default:
      break;
  }
}

void TControl::SetColor(TColor color) {
  if (!followingParent_) parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parentColor_) ParentColorChanged();
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parentFont_) ParentFontChanged();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (!followingParent_) parentBiDiMode_ = false;
  biDiMode_ = mode;
}

bool TControl::UseRightToLeftAlignment() const {
  return MiddleEast() && biDiMode_ == TBiDiMode::bdRightToLeft;
}

bool TControl::UseRightToLeftReading() const {
  return MiddleEast() && biDiMode_ != TBiDiMode::bdLeftToRight;
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned flags) const {
  if (UseRightToLeftAlignment()) {
    if ((flags & gfx::DT_RIGHT) != 0) {
      flags &= ~gfx::DT_RIGHT;
    } else if ((flags & gfx::DT_CENTER) == 0) {
      flags |= gfx::DT_RIGHT;
    }
  }
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  return flags;
}

void TControl::SetParentBiDiMode(bool parentBiDiMode) {
  if (parentBiDiMode == parentBiDiMode_) return;
  parentBiDiMode_ = parentBiDiMode;
  if (parentBiDiMode_) ParentBiDiModeChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || parent_ == nullptr) return;
  followingParent_ = true;
  SetColor(parent_->Color());
  followingParent_ = false;
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || parent_ == nullptr) return;
  followingParent_ = true;
  font_->Assign(*parent_->Font());
  followingParent_ = false;
}

void TControl::ParentBiDiModeChanged() {
  if (!parentBiDiMode_ || parent_ == nullptr) return;
  followingParent_ = true;
  SetBiDiMode(parent_->BiDiMode());
  followingParent_ = false;
}

void TControl::OwnFontChanged() {
  if (!followingParent_) parentFont_ = false;
  FontChanged();
}

void TControl::BringToFront() {
  if (parent_ != nullptr) parent_->MoveToFront(this);
}

void TControl::SendToBack() {
  if (parent_ != nullptr) parent_->MoveToBack(this);
}

void TControl::Click() {
  Raise(OnClick, this);
}

void TControl::SetChildPosition(int position) {
  if (parent_ != nullptr) parent_->MoveChildTo(this, position);
}

void TControl::AttachToParent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::ReadOwnState(TReader& reader) {
  AttachToParent(reader.Parent());
  TComponent::ReadOwnState(reader);
  if (parent_ != nullptr) {
    ParentColorChanged();
    ParentFontChanged();
    ParentBiDiModeChanged();
  }
}

void TControl::DeclareExtraProperties(TReader& reader) {
  reader.DeclareProperty("IsControl", [](TReader& r) { r.ReadBool(); });
}

}  // namespace pw
