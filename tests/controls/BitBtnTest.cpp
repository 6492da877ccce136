// Bitmap buttons on a shown window: where glyph and caption stand for each layout, margin and
// spacing, the frames of the active and the pressed button, the glyph cells and the disabled
// look, a glyph the image list refuses, and the click by mouse, space bar and Enter.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "forms/Stream.h"
#include "platform/gfx/Text.h"
#include "support/UserInput.h"

namespace pw {
namespace {

using testing::UserInput;
using Pixels = std::function<gfx::COLORREF(int x, int y)>;

constexpr gfx::COLORREF kRed = gfx::RGB(255, 0, 0);
constexpr gfx::COLORREF kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::COLORREF kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::COLORREF kTeal = gfx::RGB(0, 128, 128);
constexpr gfx::COLORREF kWhite = gfx::RGB(255, 255, 255);
constexpr gfx::COLORREF kInk = gfx::RGB(0, 0, 128);

// A glyph payload as a form description carries it: a size-prefixed 24-bit bottom-up file.
void ReadGlyph(TBitBtn& button, int width, int height, const Pixels& pixel) {
  const int rowBytes = (width * 3 + 3) / 4 * 4, fileSize = 54 + rowBytes * height;
  std::vector<std::uint8_t> d;
  const auto put = [&d](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      d.push_back(i < 4 ? static_cast<std::uint8_t>(v >> (8 * i)) : 0);
  };
  put(fileSize, 4), put(0x4D42, 2), put(fileSize, 4), put(0, 4), put(54, 4), put(40, 4);
  put(width, 4), put(height, 4), put(1, 2), put(24, 2), put(0, 4), put(0, 20);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const gfx::COLORREF c = pixel(x, y);
      put(gfx::GetBValue(c) | gfx::GetGValue(c) << 8 | gfx::GetRValue(c) << 16, 3);
    }
    put(0, rowBytes - width * 3);
  }
  TMemoryStream stream(std::move(d));
  button.Glyph()->ReadData(stream);
}

class BitBtnTest : public ::testing::Test {
 protected:
  BitBtnTest() {
    edit_->SetParent(form_.get());
    edit_->SetBounds(200, 10, 50, 20);
    button_->SetParent(form_.get());
    button_->SetBounds(10, 10, 75, 59);
    button_->Font()->SetColor(kInk);
    // 16 x 16 red, transparent (white) at the bottom-left corner only.
    ReadGlyph(*button_, 16, 16, [](int x, int y) { return x == 0 && y == 15 ? kWhite : kRed; });
    form_->SetVisible(true);
    UserInput::Settle();
  }
  // A pixel of the button as it is on screen.
  gfx::COLORREF Pixel(int x, int y) const {
    return UserInput::Pixel(form_->Handle(), 10 + x, 10 + y);
  }
  // The smallest rectangle around the button's pixels of that colour, inside its frame.
  gfx::RECT Find(gfx::COLORREF colour) const {
    gfx::RECT box{1000, 1000, -1, -1};
    for (int y = 2; y < button_->Height() - 2; ++y) {
      for (int x = 2; x < button_->Width() - 2; ++x) {
        if (Pixel(x, y) == colour) {
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                 std::max(box.bottom, y + 1)};
        }
      }
    }
    return box;
  }
  gfx::SIZE Measure(const std::string& text) const {
    return gfx::MeasureText(button_->Font()->LogFont(), sys::Utf8ToWide(text), 0, 71);
  }

  UserInput input_;
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
  TEdit* edit_ = new TEdit(form_.get());  // first in tab order: it has the focus
  TBitBtn* button_ = new TBitBtn(form_.get());
};

TEST_F(BitBtnTest, GlyphAndCaptionStandWhereLayoutMarginAndSpacingPutThem) {
  // The inactive 75 x 59 button lays out inside its 2-pixel frame: 71 x 55 from (2, 2).
  const gfx::SIZE ab = Measure("Ab");
  const int blank = Measure(" ").cx;
  const int across = 2 + (56 - ab.cy) / 2, along = 2 + (72 - ab.cx) / 2;  // caption centred
  const int w = (52 - ab.cx) / 2, h = (36 - ab.cy) / 2, third = (55 - ab.cx) / 3;  // margins
  using L = TButtonLayout;
  struct Case {
    L layout;
    int margin, spacing;
    std::string caption;
    gfx::POINT glyph, text;  // top-left corners
  } cases[] = {
      {L::blGlyphLeft, -1, 4, "", {2 + 28, 22}, {}},
      {L::blGlyphLeft, -1, 0, " ", {2 + (56 - blank) / 2, 22}, {}},
      {L::blGlyphLeft, -1, 4, "Ab", {2 + w, 22}, {22 + w, across}},
      {L::blGlyphRight, -1, 4, "Ab", {57 - w, 22}, {53 - w - ab.cx, across}},
      {L::blGlyphTop, -1, 4, "Ab", {30, 2 + h}, {along, 22 + h}},
      {L::blGlyphBottom, -1, 4, "Ab", {30, 41 - h}, {along, 37 - h - ab.cy}},
      {L::blGlyphLeft, 5, 4, "Ab", {7, 22}, {27, across}},
      {L::blGlyphRight, 5, 4, "Ab", {52, 22}, {48 - ab.cx, across}},
      {L::blGlyphTop, 5, 4, "Ab", {30, 7}, {along, 27}},
      {L::blGlyphBottom, 5, 4, "Ab", {30, 36}, {along, 32 - ab.cy}},
      {L::blGlyphLeft, 5, -1, "Ab", {7, 22}, {23 + (50 - ab.cx) / 2, across}},
      {L::blGlyphLeft, -1, -1, "Ab", {2 + third, 22}, {18 + 2 * third, across}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.layout) << " margin " << c.margin
                                      << " spacing " << c.spacing << " '" << c.caption << "'");
    button_->SetCaption(c.caption);
    button_->SetLayout(c.layout);
    button_->SetMargin(c.margin);
    button_->SetSpacing(c.spacing);
    UserInput::Settle();
    const gfx::RECT glyph = Find(kRed);
    EXPECT_EQ(glyph, (gfx::RECT{c.glyph.x, c.glyph.y, c.glyph.x + 16, c.glyph.y + 16}));
    EXPECT_EQ(Pixel(glyph.left, glyph.bottom - 1), ColorToRGB(clBtnFace)) << "transparent";
    if (c.caption != "Ab") continue;
    // The caption's ink lies inside its measured rectangle.
    const gfx::RECT ink = Find(kInk);
    EXPECT_TRUE(ink.left >= c.text.x && ink.top >= c.text.y && ink.right <= c.text.x + ab.cx &&
                ink.bottom <= c.text.y + ab.cy && !ink.Empty());
  }

  // Under right-to-left alignment, with the middle-east flag, glyph left and right swap.
  button_->SetCaption("");
  button_->SetLayout(L::blGlyphLeft);
  button_->SetMargin(5);
  button_->SetBiDiMode(TBiDiMode::bdRightToLeft);
  const bool middleEast = MiddleEast();
  for (const bool flag : {false, true}) {
    SetMiddleEast(flag);
    button_->Invalidate();
    UserInput::Settle();
    EXPECT_EQ(Find(kRed).left, flag ? 52 : 7);
  }
  SetMiddleEast(middleEast);
}

TEST_F(BitBtnTest, TheActiveButtonIsFramedAndPressedDrawsOnePixelLowerRight) {
  button_->SetCaption("Ab");
  const gfx::COLORREF frame = ColorToRGB(clWindowFrame);
  EXPECT_NE(Pixel(0, 0), frame);
  EXPECT_EQ(Pixel(4, 4), ColorToRGB(clBtnFace)) << "no focus rectangle";
  UserInput::Key(win::VK_TAB);
  ASSERT_TRUE(button_->Focused());
  EXPECT_EQ(Pixel(0, 0), frame);
  EXPECT_EQ(Pixel(74, 58), frame);
  EXPECT_NE(Pixel(4, 4), ColorToRGB(clBtnFace)) << "the focus rectangle";
  // Active, the button lays out in its client area less one pixel: 73 x 57 from (1, 1).
  button_->SetMargin(3);
  UserInput::Settle();
  const gfx::RECT up = Find(kRed);
  EXPECT_EQ(up.left, 1 + 3);
  EXPECT_EQ(up.top, 1 + (57 - 16 + 1) / 2);
  const gfx::RECT upInk = Find(kInk);
  UserInput::Mouse(win::WM_LBUTTONDOWN, *form_, UserInput::WindowPoint(*button_));
  const gfx::RECT down = Find(kRed);
  const gfx::RECT downInk = Find(kInk);
  EXPECT_EQ(down, (gfx::RECT{up.left + 1, up.top + 1, up.right + 1, up.bottom + 1}));
  EXPECT_EQ(downInk, (gfx::RECT{upInk.left + 1, upInk.top + 1, upInk.right + 1, upInk.bottom + 1}));
  EXPECT_EQ(Pixel(1, 1), ColorToRGB(clBtnShadow));
}

TEST_F(BitBtnTest, ClickedByMouseSpaceBarAndEnterOnlyWhenActive) {
  int clicks = 0;
  button_->OnClick = [&clicks, this](TObject* sender) { clicks += sender == button_; };
  button_->SetModalResult(7);
  UserInput::Key(win::VK_RETURN);
  EXPECT_EQ(clicks, 0) << "Enter in the edit box: the button is not active";
  UserInput::Click(*button_);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form_->ModalResult(), 7);
  UserInput::Key(win::VK_SPACE);
  EXPECT_EQ(clicks, 2);
  UserInput::Key(win::VK_RETURN);
  EXPECT_EQ(clicks, 3);

  button_->SetKind(TBitBtnKind::bkClose);
  UserInput::Key(win::VK_SPACE);
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(form_->Visible()) << "a close button closes its window";
}

TEST_F(BitBtnTest, CellsByStateAndTheDisabledLook) {
  // One cell, disabled: the shape (a 3 x 3 square) in the shadow colour, its copy one pixel
  // right and down in the highlight colour, the rest button face.
  ReadGlyph(*button_, 16, 16,
            [](int x, int y) { return x >= 6 && x < 9 && y >= 6 && y < 9 ? kRed : kWhite; });
  button_->SetEnabled(false);
  UserInput::Settle();
  const gfx::POINT at{30, 22};
  EXPECT_EQ(Pixel(at.x + 6, at.y + 6), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(at.x + 9, at.y + 9), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(at.x + 9, at.y + 6), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(at.x + 5, at.y + 5), ColorToRGB(clBtnFace));

  // Three cells up, disabled, down; the bitmap's bottom-left colour is transparent in all.
  const gfx::COLORREF cells[] = {kRed, kGreen, kBlue};
  ReadGlyph(*button_, 48, 16, [&cells](int x, int y) { return y == 15 ? kTeal : cells[x / 16]; });
  button_->SetNumGlyphs(3);
  UserInput::Settle();
  EXPECT_EQ(Find(kGreen), (gfx::RECT{at.x, at.y, at.x + 16, at.y + 15}));
  EXPECT_EQ(Pixel(at.x, at.y + 15), ColorToRGB(clBtnFace));
  button_->SetEnabled(true);
  UserInput::Click(*button_);
  UserInput::Mouse(win::WM_LBUTTONDOWN, *form_, UserInput::WindowPoint(*button_));
  EXPECT_EQ(Find(kBlue).left, 2 + 29);  // active: 73 wide from 1, pressed: one more right

  // Assigned, the glyph's shape says how many cells it has.
  TBitmap strip;
  for (const auto& [width, cells] : {std::pair{24, 3}, std::pair{40, 1}}) {
    strip.SetSize(width, 8);
    button_->SetGlyph(strip);
    EXPECT_EQ(button_->NumGlyphs(), cells);
  }
  button_->SetNumGlyphs(9);
  EXPECT_EQ(button_->NumGlyphs(), 4);
}

TEST_F(BitBtnTest, AGlyphTheImageListRefusesIsReported) {
  ReadGlyph(*button_, 5000, 1, [](int, int) { return kRed; });
  UserInput::Settle();
  ASSERT_FALSE(input_.boxes.empty());
  EXPECT_EQ(input_.boxes.back().text, "Unable to Replace Image.");
}

}  // namespace
}  // namespace pw
