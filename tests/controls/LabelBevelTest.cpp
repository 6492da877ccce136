// Labels and bevels on a shown window: a label's size from its text, where its text lands for each
// alignment and layout, its background, its disabled look; each bevel shape pixel by pixel.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ShownForm.h"
#include "controls/Bevel.h"
#include "controls/Label.h"

namespace pw {
namespace {

using testing::Extent;
using testing::kHighlight;
using testing::kInk;
using testing::kShadow;
using testing::MiddleEastScope;
using testing::UserInput;

constexpr gfx::COLORREF kGreen = gfx::RGB(0, 160, 0);
constexpr TColor kYellow = 0x00E0E0;

class Backdrop : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void Paint(gfx::HDC dc) override {
    gfx::HBRUSH brush = gfx::CreateSolidBrush(kGreen);
    gfx::FillRect(dc, ClientRect(), brush);
    gfx::DeleteObject(brush);
  }
};

using LabelBevel = testing::ShownForm;

TEST_F(LabelBevel, AutoSizedLabelsMeasureTheirTextAndKeepTheRightEdge) {
  auto* label = Add<TLabel>(40, 10, 65, 17);
  const int line = Extent(*label, u"X").cy;
  label->SetCaption("a longer caption");
  EXPECT_EQ(std::pair(label->Left(), label->Width()),
            std::pair(40, Extent(*label, u"a longer caption").cx))
      << "grows from its left edge";
  label->SetCaption("");
  EXPECT_EQ(std::pair(label->Width(), label->Height()), std::pair(Extent(*label, u" ").cx, line))
      << "an empty label is one blank wide and one line high";
  label->SetCaption("&");
  EXPECT_EQ(label->Width(), Extent(*label, u" ").cx) << "a lone accelerator mark";
  label->SetCaption("&Mm");
  EXPECT_EQ(label->Width(), Extent(*label, u"Mm").cx) << "the mark is not drawn";
  label->SetShowAccelChar(false);
  label->SetCaption("&Ww");
  EXPECT_EQ(label->Width(), Extent(*label, u"&Ww").cx);
  label->Font()->SetHeight(-19);
  EXPECT_EQ(label->Height(), Extent(*label, u"X").cy) << "a font change re-measures";
  EXPECT_GT(label->Height(), line);

  // Right to left, left and right justification swap, but only with the middle-east flag.
  auto* right = Add<TLabel>(200, 10, 65, 17);
  right->SetAlignment(TAlignment::taRightJustify);
  right->SetBiDiMode(TBiDiMode::bdRightToLeft);
  right->SetCaption("W");
  EXPECT_EQ(right->Left() + right->Width(), 265) << "a right-justified label keeps its right edge";
  MiddleEastScope middleEast(true);
  right->SetCaption("Wide");
  EXPECT_EQ(right->Left(), 265 - Extent(*right, u"W").cx) << "now its left edge stays";

  auto* wrapped = Add<TLabel>(10, 60, 40, 17);
  wrapped->SetWordWrap(true);
  wrapped->SetCaption("aaa bbb ccc ddd");
  EXPECT_LE(wrapped->Width(), 40) << "broken into lines at its width";
  EXPECT_GE(wrapped->Height(), 2 * line);
}

TEST_F(LabelBevel, LabelTextLandsByAlignmentAndLayout) {
  auto* label = Add<TLabel>(20, 20, 100, 40);
  label->SetAutoSize(false);
  label->SetCaption("Hi");
  Show();
  const gfx::RECT area = label->BoundsRect();
  const gfx::RECT home = BoxOf(area, kInk);
  ASSERT_FALSE(home.Empty());
  EXPECT_LT(home.left - area.left, 3);
  EXPECT_LT(home.top - area.top, 4);
  const gfx::SIZE text = Extent(*label, u"Hi");
  const auto inkAt = [&](int dx, int dy) {
    UserInput::Settle();
    return BoxOf(area, kInk) ==
           gfx::RECT{home.left + dx, home.top + dy, home.right + dx, home.bottom + dy};
  };
  label->SetAlignment(TAlignment::taRightJustify);
  EXPECT_TRUE(inkAt(100 - text.cx, 0));
  label->SetAlignment(TAlignment::taCenter);
  EXPECT_TRUE(inkAt((100 - text.cx) / 2, 0));
  label->SetLayout(TTextLayout::tlBottom);
  EXPECT_TRUE(inkAt((100 - text.cx) / 2, 40 - text.cy));
  label->SetLayout(TTextLayout::tlCenter);
  label->SetAlignment(TAlignment::taLeftJustify);
  EXPECT_TRUE(inkAt(0, (40 - text.cy) / 2));

  label->SetBiDiMode(TBiDiMode::bdRightToLeft);
  label->Invalidate();
  EXPECT_TRUE(inkAt(0, (40 - text.cy) / 2)) << "no mirroring without the middle-east flag";
  MiddleEastScope middleEast(true);
  label->Invalidate();
  EXPECT_TRUE(inkAt(100 - text.cx, (40 - text.cy) / 2)) << "left justification draws right";
  label->SetAlignment(TAlignment::taRightJustify);
  EXPECT_TRUE(inkAt(0, (40 - text.cy) / 2)) << "and right justification left";

  // A new caption of a label that keeps its size still repaints.
  label->SetCaption("Hi Hi");
  UserInput::Settle();
  EXPECT_GT(BoxOf(area, kInk).right, home.right + 5);
}

TEST_F(LabelBevel, OpaqueLabelsFillWithTheirColourTransparentOnesShowWhatLiesBeneath) {
  Add<Backdrop>(0, 0, 200, 100);
  auto* label = Add<TLabel>(20, 20, 100, 30);
  label->SetAutoSize(false);
  label->SetColor(kYellow);
  label->SetCaption("Hi");
  EXPECT_TRUE(label->HasStyle(TControlStyle::csOpaque));
  Show();
  EXPECT_EQ(Pixel(110, 45), ColorToRGB(kYellow));
  EXPECT_FALSE(BoxOf(label->BoundsRect(), kInk).Empty());

  label->SetTransparent(true);
  EXPECT_FALSE(label->HasStyle(TControlStyle::csOpaque));
  UserInput::Settle();
  EXPECT_EQ(Pixel(110, 45), kGreen);
  EXPECT_TRUE(BoxOf(label->BoundsRect(), ColorToRGB(kYellow)).Empty());
  const gfx::RECT ink = BoxOf(label->BoundsRect(), kInk);

  // Disabled: highlight one pixel right of and below the shadow drawn over it; no ink colour.
  label->SetEnabled(false);
  UserInput::Settle();
  EXPECT_TRUE(BoxOf(label->BoundsRect(), kInk).Empty());
  const gfx::RECT shadow = BoxOf(label->BoundsRect(), kShadow);
  const gfx::RECT light = BoxOf(label->BoundsRect(), kHighlight);
  EXPECT_EQ(shadow, ink);
  EXPECT_EQ(light.right, shadow.right + 1);
  EXPECT_EQ(light.bottom, shadow.bottom + 1);
}

// Rows of a 5 x 4 bevel with a margin of one pixel: S shadow, H highlight, . the window.
std::string Framed(const std::vector<std::string>& rows) {
  std::string picture = ".......";
  for (const std::string& row : rows) picture += "." + row + ".";
  return picture + ".......";
}

TEST_F(LabelBevel, EachBevelShapeDrawsItsLines) {
  form_->SetColor(0x00A000);
  auto* bevel = Add<TBevel>(10, 10, 5, 4);
  EXPECT_FALSE(bevel->HasStyle(TControlStyle::csOpaque));
  Show();
  const std::vector<std::pair<TBevelShape, std::string>> lowered = {
      {TBevelShape::bsBox, Framed({"SSSSH", "S...H", "S...H", "SHHHH"})},
      {TBevelShape::bsFrame, Framed({"SSSS.", "SHHSH", "SSSSH", ".HHHH"})},
      {TBevelShape::bsTopLine, Framed({"SSSSS", "HHHHH", ".....", "....."})},
      {TBevelShape::bsBottomLine, Framed({".....", ".....", "SSSSS", "HHHHH"})},
      {TBevelShape::bsLeftLine, Framed({"SH...", "SH...", "SH...", "SH..."})},
      {TBevelShape::bsRightLine, Framed({"...SH", "...SH", "...SH", "...SH"})},
      {TBevelShape::bsSpacer, Framed({".....", ".....", ".....", "....."})},
  };
  for (const TBevelStyle style : {TBevelStyle::bsLowered, TBevelStyle::bsRaised}) {
    const bool raised = style == TBevelStyle::bsRaised;  // the colours swap
    bevel->SetStyle(style);
    for (const auto& [shape, picture] : lowered) {
      bevel->SetShape(shape);
      UserInput::Settle();
      std::string seen;
      for (int y = 9; y < 15; ++y) {
        for (int x = 9; x < 16; ++x) {
          const gfx::COLORREF c = Pixel(x, y);
          seen += c == kShadow      ? (raised ? 'H' : 'S')
                  : c == kHighlight ? (raised ? 'S' : 'H')
                                    : '.';
        }
      }
      EXPECT_EQ(seen, picture) << "shape " << static_cast<int>(shape) << (raised ? " raised" : "");
    }
  }

  // The showcase's raised top line, 114 x 7: rows 0 and 1 across x = 0 to 113, nothing below.
  auto* line = Add<TBevel>(20, 30, 114, 7);
  line->SetShape(TBevelShape::bsTopLine);
  line->SetStyle(TBevelStyle::bsRaised);
  UserInput::Settle();
  const gfx::RECT around{10, 25, 150, 45};
  EXPECT_EQ(BoxOf(around, kHighlight), (gfx::RECT{20, 30, 134, 31}));
  EXPECT_EQ(BoxOf(around, kShadow), (gfx::RECT{20, 31, 134, 32}));
}

}  // namespace
}  // namespace pw
