#include "platform/backend/MessageBoxPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "platform/gfx/Text.h"
#include "platform/win/Messages.h"

namespace pw::win {
namespace {

using gfx::COLORREF;
using gfx::RECT;
using gfx::RGB;

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kTextMaxWidth = 400;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 14;
constexpr int kMinClientWidth = 160;
constexpr unsigned kTextFormat = gfx::DT_WORDBREAK | gfx::DT_EXPANDTABS | gfx::DT_NOPREFIX;

constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconQuestion = 0x20;

gfx::LOGFONT BoxFont(bool bold = false, int height = -11) {
  gfx::LOGFONT font;
  font.height = height;
  font.weight = bold ? gfx::FW_BOLD : gfx::FW_NORMAL;
  font.faceName = "MS Sans Serif";
  return font;
}

// Selects a font into a context for the lifetime of the object.
class SelectedFont {
 public:
  SelectedFont(gfx::HDC dc, const gfx::LOGFONT& font)
      : dc_(dc), font_(gfx::CreateFontIndirect(font)) {
    previous_ = gfx::SelectObject(dc_, font_);
  }
  ~SelectedFont() {
    gfx::SelectObject(dc_, previous_);
    gfx::DeleteObject(font_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  gfx::HDC dc_;
  gfx::HFONT font_;
  gfx::HGDIOBJ previous_ = nullptr;
};

// The disc of the error, information and question icons: filled, with a darker rim.
void PaintDisc(gfx::HDC dc, int left, int top, COLORREF fill, COLORREF rim) {
  const double centre = (kIconSize - 1) / 2.0;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const double distance = std::hypot(x - centre, y - centre);
      if (distance <= centre - 1.0) {
        gfx::SetPixel(dc, left + x, top + y, fill);
      } else if (distance <= centre + 0.5) {
        gfx::SetPixel(dc, left + x, top + y, rim);
      }
    }
  }
}

void PaintErrorIcon(gfx::HDC dc, int left, int top) {
  PaintDisc(dc, left, top, RGB(255, 0, 0), RGB(128, 0, 0));
  const double centre = (kIconSize - 1) / 2.0;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const double dx = x - centre;
      const double dy = y - centre;
      const bool onCross = std::abs(dx - dy) <= 1.5 || std::abs(dx + dy) <= 1.5;
      if (onCross && std::abs(dx) <= 7.5 && std::abs(dy) <= 7.5) {
        gfx::SetPixel(dc, left + x, top + y, RGB(255, 255, 255));
      }
    }
  }
}

void PaintWarningIcon(gfx::HDC dc, int left, int top) {
  // A triangle standing on its base, apex at the top centre.
  for (int y = 1; y < kIconSize - 1; ++y) {
    const double half = (y - 1) * 0.5 + 0.5;
    const double centre = (kIconSize - 1) / 2.0;
    for (int x = 0; x < kIconSize; ++x) {
      const double offset = std::abs(x - centre);
      if (offset <= half - 1.0 && y < kIconSize - 2) {
        gfx::SetPixel(dc, left + x, top + y, RGB(255, 255, 0));
      } else if (offset <= half) {
        gfx::SetPixel(dc, left + x, top + y, RGB(0, 0, 0));
      }
    }
  }
  RECT bar{left + 15, top + 10, left + 17, top + 22};
  RECT dot{left + 15, top + 24, left + 17, top + 26};
  gfx::FillRect(dc, bar, gfx::GetStockBrush(gfx::BLACK_BRUSH));
  gfx::FillRect(dc, dot, gfx::GetStockBrush(gfx::BLACK_BRUSH));
}

void PaintLetterIcon(gfx::HDC dc, int left, int top, std::string_view letter) {
  PaintDisc(dc, left, top, RGB(0, 0, 255), RGB(0, 0, 128));
  SelectedFont font(dc, BoxFont(true, -22));
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  gfx::SetTextColor(dc, RGB(255, 255, 255));
  RECT box{left, top, left + kIconSize, top + kIconSize};
  gfx::DrawTextA(dc, letter, box, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

}  // namespace

Canvas::Canvas(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  bitmap_ = gfx::CreateDIBSection(width_, -height_, &bits_);
  dc_ = gfx::CreateCompatibleDC(nullptr);
  if (!bitmap_ || !dc_) {
    if (dc_) gfx::DeleteDC(dc_);
    if (bitmap_) gfx::DeleteObject(bitmap_);
    throw std::runtime_error("cannot create a drawing surface");
  }
  previous_ = gfx::SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
  gfx::SelectObject(dc_, previous_);
  gfx::DeleteDC(dc_);
  gfx::DeleteObject(bitmap_);
}

std::uint32_t Canvas::Pixel(int x, int y) const {
  const auto* row =
      static_cast<const std::uint8_t*>(bits_) + static_cast<std::size_t>(y) * width_ * 4;
  const auto* p = row + static_cast<std::size_t>(x) * 4;
  return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}

MessageBoxLayout LayoutMessageBox(std::string_view text, unsigned flags) {
  MessageBoxLayout layout;
  const bool hasIcon = (flags & kIconMask) != 0;

  RECT measured{0, 0, kTextMaxWidth, 0};
  if (!text.empty()) {
    Canvas scratch(1, 1);
    SelectedFont font(scratch.dc(), BoxFont());
    gfx::DrawTextA(scratch.dc(), text, measured, kTextFormat | gfx::DT_CALCRECT);
  } else {
    measured.right = 0;
  }
  const int textWidth = measured.Width();
  const int textHeight = measured.Height();

  int textLeft = kMargin;
  if (hasIcon) {
    layout.icon = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    textLeft = layout.icon.right + kIconGap;
  }
  int textTop = kMargin;
  if (hasIcon && textHeight < kIconSize) textTop += (kIconSize - textHeight) / 2;
  layout.text = {textLeft, textTop, textLeft + textWidth, textTop + textHeight};

  const int contentBottom = std::max(layout.text.bottom, hasIcon ? layout.icon.bottom : kMargin);
  const int width =
      std::max({layout.text.right + kMargin, kButtonWidth + 2 * kMargin, kMinClientWidth});
  const int buttonLeft = (width - kButtonWidth) / 2;
  const int buttonTop = contentBottom + kButtonGap;
  layout.button = {buttonLeft, buttonTop, buttonLeft + kButtonWidth, buttonTop + kButtonHeight};
  layout.client = {width, layout.button.bottom + kMargin};
  return layout;
}

void PaintMessageBox(gfx::HDC dc, const MessageBoxLayout& layout, std::string_view text,
                     unsigned flags, bool pressed) {
  RECT all{0, 0, layout.client.cx, layout.client.cy};
  gfx::FillRect(dc, all, gfx::GetSysColorBrush(gfx::COLOR_BTNFACE));

  if (!layout.icon.Empty()) {
    const unsigned icon = flags & kIconMask;
    if (icon == MB_ICONERROR) {
      PaintErrorIcon(dc, layout.icon.left, layout.icon.top);
    } else if (icon == MB_ICONWARNING) {
      PaintWarningIcon(dc, layout.icon.left, layout.icon.top);
    } else {
      PaintLetterIcon(dc, layout.icon.left, layout.icon.top, icon == kIconQuestion ? "?" : "i");
    }
  }

  SelectedFont font(dc, BoxFont());
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNTEXT));
  RECT textRect = layout.text;
  gfx::DrawTextA(dc, text, textRect, kTextFormat);

  // The default button: a black outline around the raised frame, the focus rectangle inside.
  RECT button = layout.button;
  gfx::FrameRect(dc, button, gfx::GetStockBrush(gfx::BLACK_BRUSH));
  RECT face{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1};
  gfx::DrawFrameControl(dc, face, gfx::DFC_BUTTON,
                        gfx::DFCS_BUTTONPUSH | (pressed ? gfx::DFCS_PUSHED : 0u));
  RECT caption{button.left, button.top, button.right, button.bottom};
  if (pressed) caption = {caption.left + 1, caption.top + 1, caption.right + 1, caption.bottom + 1};
  gfx::DrawTextA(dc, "OK", caption, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  RECT focus{button.left + 4, button.top + 4, button.right - 4, button.bottom - 4};
  gfx::DrawFocusRect(dc, focus);
}

}  // namespace pw::win
