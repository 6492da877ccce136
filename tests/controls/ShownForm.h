#pragma once
// A window shown on the headless backend with controls placed on it, and its pixels as they are on
// screen after the loop has handled every paint.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

#include "controls/CustomForm.h"
#include "platform/gfx/Text.h"
#include "support/UserInput.h"

namespace pw::testing {

inline constexpr gfx::COLORREF kInk = gfx::RGB(0, 0, 0);  // clWindowText
inline constexpr gfx::COLORREF kShadow = gfx::RGB(128, 128, 128);
inline constexpr gfx::COLORREF kHighlight = gfx::RGB(255, 255, 255);

// The extent DrawText gives one line of `text` in the control's font.
inline gfx::SIZE Extent(const TControl& control, std::u16string_view text) {
  return gfx::MeasureText(control.Font()->LogFont(), text, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
}

// Sets the middle-east flag for a scope.
class MiddleEastScope {
 public:
  explicit MiddleEastScope(bool on) : saved_(MiddleEast()) { SetMiddleEast(on); }
  ~MiddleEastScope() { SetMiddleEast(saved_); }
  MiddleEastScope(const MiddleEastScope&) = delete;
  MiddleEastScope& operator=(const MiddleEastScope&) = delete;

 private:
  bool saved_;
};

class ShownForm : public ::testing::Test {
 protected:
  template <class T>
  T* Add(int left, int top, int width, int height) {
    auto* control = new T(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(left, top, width, height);
    return control;
  }
  void Show() {
    form_->SetVisible(true);
    UserInput::Settle();
  }
  // A pixel of the window's client area.
  gfx::COLORREF Pixel(int x, int y) const { return UserInput::Pixel(form_->Handle(), x, y); }
  // The smallest rectangle around the pixels of `area` for which `is` holds; empty when none.
  template <class Predicate>
  gfx::RECT Box(const gfx::RECT& area, Predicate is) const {
    gfx::RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (!is(Pixel(x, y))) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    return box.Empty() ? gfx::RECT{} : box;
  }
  gfx::RECT BoxOf(const gfx::RECT& area, gfx::COLORREF colour) const {
    return Box(area, [colour](gfx::COLORREF c) { return c == colour; });
  }

  UserInput input_;
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
};

}  // namespace pw::testing
