#include "platform/backend/MessageBoxPainter.h"

#include <gtest/gtest.h>

#include "platform/win/Messages.h"

namespace pw::win {
namespace {

constexpr std::uint32_t kButtonFace = 0xD4D0C8;  // the classic light grey
constexpr std::uint32_t kRed = 0xFF0000;

int CountPixels(const Canvas& canvas, const gfx::RECT& area, std::uint32_t colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += canvas.Pixel(x, y) == colour;
  }
  return count;
}

// Pixels of the area that differ from the button face.
int CountInk(const Canvas& canvas, const gfx::RECT& area) {
  return area.Width() * area.Height() - CountPixels(canvas, area, kButtonFace);
}

bool Inside(const gfx::RECT& outer, const gfx::RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(MessageBoxLayout, ErrorIconStandsLeftOfTheTextAndTheButtonBelowBoth) {
  const MessageBoxLayout layout = LayoutMessageBox("Disk full", MB_OK | MB_ICONERROR);
  EXPECT_EQ(layout.icon.Width(), 32);
  EXPECT_EQ(layout.icon.Height(), 32);
  EXPECT_GT(layout.text.Width(), 0);
  EXPECT_GT(layout.text.Height(), 0);
  EXPECT_GE(layout.text.left, layout.icon.right);
  EXPECT_GE(layout.button.top, layout.icon.bottom);
  EXPECT_GE(layout.button.top, layout.text.bottom);
  EXPECT_EQ(layout.button.Width(), 75);
  EXPECT_EQ(layout.button.Height(), 23);
  const gfx::RECT client{0, 0, layout.client.cx, layout.client.cy};
  EXPECT_TRUE(Inside(client, layout.icon));
  EXPECT_TRUE(Inside(client, layout.text));
  EXPECT_TRUE(Inside(client, layout.button));
  // Centred, within a pixel.
  EXPECT_LE(std::abs(layout.button.left - (layout.client.cx - layout.button.right)), 1);
}

TEST(MessageBoxLayout, WithoutIconTheTextStartsAtTheMargin) {
  const MessageBoxLayout plain = LayoutMessageBox("Disk full", MB_OK);
  const MessageBoxLayout error = LayoutMessageBox("Disk full", MB_OK | MB_ICONERROR);
  EXPECT_TRUE(plain.icon.Empty());
  EXPECT_LT(plain.text.left, error.text.left);
  EXPECT_EQ(plain.text.Width(), error.text.Width());
}

TEST(MessageBoxLayout, LongerTextWidensAndMoreLinesHeightenTheBox) {
  const MessageBoxLayout shortText = LayoutMessageBox("A short one", MB_OK);
  const MessageBoxLayout longText =
      LayoutMessageBox("A message a good deal longer than the short one", MB_OK);
  EXPECT_GT(longText.text.Width(), shortText.text.Width());
  EXPECT_GT(longText.client.cx, shortText.client.cx);

  const MessageBoxLayout twoLines = LayoutMessageBox("A short one\nA short one", MB_OK);
  EXPECT_EQ(twoLines.text.Width(), shortText.text.Width());
  EXPECT_GT(twoLines.text.Height(), shortText.text.Height());
  EXPECT_GT(twoLines.client.cy, shortText.client.cy);
}

TEST(MessageBoxLayout, VeryLongTextWrapsInsteadOfWideningWithoutEnd) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "word ";
  const MessageBoxLayout layout = LayoutMessageBox(text, MB_OK);
  EXPECT_LE(layout.text.Width(), 400);
  EXPECT_GT(layout.text.Height(), LayoutMessageBox("word", MB_OK).text.Height());
}

TEST(MessageBoxPainting, ErrorIconIsRedAndTheTextIsDrawn) {
  const std::string text = "Disk full";
  const MessageBoxLayout layout = LayoutMessageBox(text, MB_OK | MB_ICONERROR);
  Canvas canvas(layout.client.cx, layout.client.cy);
  PaintMessageBox(canvas.dc(), layout, text, MB_OK | MB_ICONERROR, false);

  EXPECT_GT(CountPixels(canvas, layout.icon, kRed), 200);
  // The white cross in the middle of the disc.
  EXPECT_EQ(canvas.Pixel(layout.icon.left + 16, layout.icon.top + 16), 0xFFFFFFu);
  EXPECT_GT(CountInk(canvas, layout.text), 10);
  // Background between the text and the button is plain.
  EXPECT_EQ(canvas.Pixel(layout.client.cx - 2, layout.client.cy - 2), kButtonFace);
}

TEST(MessageBoxPainting, PlainBoxHasNoIcon) {
  const MessageBoxLayout layout = LayoutMessageBox("Done", MB_OK);
  Canvas canvas(layout.client.cx, layout.client.cy);
  PaintMessageBox(canvas.dc(), layout, "Done", MB_OK, false);
  const gfx::RECT corner{0, 0, layout.text.left, layout.button.top};
  EXPECT_EQ(CountPixels(canvas, corner, kRed), 0);
  EXPECT_EQ(CountInk(canvas, corner), 0);
}

TEST(MessageBoxPainting, ButtonHasFrameAndCaptionAndLooksDifferentWhenPressed) {
  const MessageBoxLayout layout = LayoutMessageBox("Done", MB_OK);
  Canvas up(layout.client.cx, layout.client.cy);
  Canvas down(layout.client.cx, layout.client.cy);
  PaintMessageBox(up.dc(), layout, "Done", MB_OK, false);
  PaintMessageBox(down.dc(), layout, "Done", MB_OK, true);

  // The black outline of the default button.
  EXPECT_EQ(up.Pixel(layout.button.left, layout.button.top), 0u);
  EXPECT_EQ(up.Pixel(layout.button.right - 1, layout.button.bottom - 1), 0u);
  // "OK" in the middle.
  const gfx::RECT middle{layout.button.left + 20, layout.button.top + 5, layout.button.right - 20,
                         layout.button.bottom - 5};
  EXPECT_GT(CountInk(up, middle), 5);

  int differing = 0;
  for (int y = layout.button.top; y < layout.button.bottom; ++y) {
    for (int x = layout.button.left; x < layout.button.right; ++x) {
      differing += up.Pixel(x, y) != down.Pixel(x, y);
    }
  }
  EXPECT_GT(differing, 20);
  // Outside the button nothing changes.
  EXPECT_EQ(CountInk(up, layout.text), CountInk(down, layout.text));
}

}  // namespace
}  // namespace pw::win
