// PNG output, and a scene of frames, text and blits written as gfx-scene.png for a look at the
// classic three-dimensional style.

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <vector>

#include "GfxTestSupport.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Png.h"
#include "platform/gfx/Text.h"

namespace pw::gfx {
namespace {

using test::Canvas;
using test::Coded;
using test::MonoCanvas;
using test::SolidBrush;

// Decodes a PNG into RGB rows; empty on failure.
std::vector<std::uint8_t> DecodeRgb(const std::vector<std::uint8_t>& png, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return rgb;
}

// Every pixel of the canvas against the decoded PNG.
int Mismatches(const Canvas& canvas, const std::vector<std::uint8_t>& png) {
  int width = 0, height = 0;
  const std::vector<std::uint8_t> rgb = DecodeRgb(png, width, height);
  if (width != canvas.width() || height != canvas.height()) return -1;
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
      wrong += RGB(rgb[i], rgb[i + 1], rgb[i + 2]) != canvas.At(x, y);
    }
  }
  return wrong;
}

TEST(Png, EncodesSectionsInPictureOrderAndMonochromeAsBlackAndWhite) {
  for (const bool topDown : {true, false}) {
    Canvas canvas(37, 11, topDown);
    test::PaintCoded(canvas);
    EXPECT_EQ(Mismatches(canvas, EncodePng(canvas.bitmap())), 0) << topDown;
  }
  MonoCanvas mono(9, 2);
  mono.SetBit(8, 1, true);
  int width = 0, height = 0;
  const auto rgb = DecodeRgb(EncodePng(mono.bitmap()), width, height);
  ASSERT_EQ(rgb.size(), 9u * 2 * 3);
  EXPECT_EQ(rgb[(9 + 8) * 3], 255);
  EXPECT_EQ(rgb[(9 + 7) * 3], 0);
  EXPECT_TRUE(EncodePng(nullptr).empty());
  EXPECT_FALSE(WritePng(mono.bitmap(), "/nonexistent-folder/x.png"));
}

// An icon file around the given images (a directory entry each, then the bytes).
std::vector<std::uint8_t> IconFile(const std::vector<std::vector<std::uint8_t>>& images,
                                   std::size_t offsetShift = 0) {
  std::vector<std::uint8_t> file{0, 0, 1, 0, static_cast<std::uint8_t>(images.size()), 0};
  auto put32 = [&](std::size_t value) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  std::size_t offset = 6 + 16 * images.size();
  for (const auto& image : images) {
    file.insert(file.end(), {0, 0, 0, 0, 1, 0, 32, 0});
    put32(image.size());
    put32(offset + offsetShift);
    offset += image.size();
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

TEST(Png, DecodesTopDownInPictureOrder) {
  Canvas canvas(23, 7, false);
  test::PaintCoded(canvas);
  const std::vector<std::uint8_t> png = EncodePng(canvas.bitmap());
  HBITMAP decoded = DecodePng(png);
  ASSERT_NE(decoded, nullptr);
  BitmapInfo info;
  ASSERT_TRUE(GetBitmapInfo(decoded, info));
  EXPECT_TRUE(info.topDown);
  EXPECT_EQ(info.width, 23);
  EXPECT_EQ(info.height, 7);
  for (int y = 0; y < 7; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(info.bits) + y * info.stride;
    for (int x = 0; x < 23; ++x) {
      const std::uint8_t* p = row + x * 4;
      EXPECT_EQ(RGB(p[2], p[1], p[0]), Coded(x, y)) << x << "," << y;
      EXPECT_EQ(p[3], 255);
    }
  }
  DeleteObject(decoded);
  EXPECT_EQ(DecodePng(std::vector<std::uint8_t>{1, 2, 3}), nullptr);
}

TEST(Png, IconFilesGiveTheirPngImagesAndSkipTheRest) {
  Canvas small(16, 16), large(32, 32);
  small.Fill(RGB(255, 0, 0));
  large.Fill(RGB(0, 0, 255));
  const std::vector<std::uint8_t> notPng(40, 7);
  const std::vector<std::vector<std::uint8_t>> images{EncodePng(small.bitmap()), notPng,
                                                      EncodePng(large.bitmap())};
  std::vector<HBITMAP> decoded = DecodeIconFile(IconFile(images));
  ASSERT_EQ(decoded.size(), 2u);
  const int widths[] = {16, 32};
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    BitmapInfo info;
    ASSERT_TRUE(GetBitmapInfo(decoded[i], info));
    EXPECT_EQ(info.width, widths[i]);
    EXPECT_EQ(info.height, widths[i]);
    DeleteObject(decoded[i]);
  }
  // Entries reaching past the end, truncated directories and other files give nothing.
  EXPECT_TRUE(DecodeIconFile(IconFile(images, 10000)).empty());
  std::vector<std::uint8_t> truncated = IconFile(images);
  truncated.resize(20);
  EXPECT_TRUE(DecodeIconFile(truncated).empty());
  EXPECT_TRUE(DecodeIconFile(images[0]).empty());
  EXPECT_TRUE(DecodeIconFile({}).empty());
}

void Bevel(HDC dc, const RECT& r, COLORREF first, COLORREF second) {
  HPEN pen1 = CreatePen(PS_SOLID, 1, first), pen2 = CreatePen(PS_SOLID, 1, second);
  const HGDIOBJ previous = SelectObject(dc, pen1);
  const POINT topLeft[] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
  Polyline(dc, topLeft);
  SelectObject(dc, pen2);
  const POINT bottomRight[] = {{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  Polyline(dc, bottomRight);
  SelectObject(dc, previous);
  DeleteObject(pen1);
  DeleteObject(pen2);
}

// Frames, bevels and blits on a button-face background.
void DrawScene(Canvas& scene) {
  HDC dc = scene.dc();
  FillRect(dc, {0, 0, scene.width(), scene.height()}, GetSysColorBrush(COLOR_BTNFACE));
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);

  // Push buttons: up with the focus and the default frame, pushed, inactive.
  RECT up{10, 10, 85, 35};
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
  FrameRect(dc, up, frame);
  DeleteObject(frame);
  RECT inside{11, 11, 84, 34};
  DrawFrameControl(dc, inside, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  DrawFocusRect(dc, {14, 14, 81, 31});
  RECT pushed{95, 10, 170, 35};
  DrawFrameControl(dc, pushed, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_ADJUSTRECT);
  RECT inactive{180, 10, 255, 35};
  DrawFrameControl(dc, inactive, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_INACTIVE | DFCS_ADJUSTRECT);

  // Radio buttons: unchecked, checked, checked and inactive, pushed.
  const unsigned radios[] = {0, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE, DFCS_PUSHED};
  for (int i = 0; i < 4; ++i) {
    RECT r{10 + 20 * i, 50, 23 + 20 * i, 63};
    DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONRADIO | radios[i]);
  }

  // A combo box: sunken client edge, white inside, the drop button at its right.
  RECT combo{10, 75, 155, 96};
  DrawEdge(dc, combo, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, combo, GetSysColorBrush(COLOR_WINDOW));
  RECT drop{combo.right - 17, combo.top, combo.right, combo.bottom};
  DrawFrameControl(dc, drop, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  RECT pressedDrop{165, 77, 182, 94};
  DrawFrameControl(dc, pressedDrop, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED);
  RECT edit{190, 75, 311, 96};
  DrawEdge(dc, edit, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, edit, GetSysColorBrush(COLOR_WINDOW));

  // Bevels: a lowered box and a raised top line 114 wide, as the windows have them.
  Bevel(dc, {270, 10, 349, 59}, shadow, highlight);
  SaveDC(dc);
  OffsetViewportOrg(dc, 10, 115);
  IntersectClipRect(dc, 0, 0, 114, 7);
  HPEN light = CreatePen(PS_SOLID, 1, highlight), dark = CreatePen(PS_SOLID, 1, shadow);
  SelectObject(dc, light);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 114, 0);
  SelectObject(dc, dark);
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, 114, 1);
  SelectObject(dc, GetStockPen(BLACK_PEN));
  DeleteObject(light);
  DeleteObject(dark);
  RestoreDC(dc, -1);

  // Blits: a picture reduced by picking and by averaging, and a transparent drawing.
  Canvas picture(120, 60);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 120; ++x) {
      picture.Set(x, y, ((x / 4 + y / 4) % 2) ? RGB(2 * x, 4 * y, 160) : RGB(250, 250, 250));
    }
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 140, 110, 50, 25, picture.dc(), 0, 0, 120, 60, SRCCOPY);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 200, 110, 50, 25, picture.dc(), 0, 0, 120, 60, SRCCOPY);
  BitBlt(dc, 140, 140, 60, 30, picture.dc(), 0, 0, SRCCOPY);

  Canvas logo(60, 30);
  logo.Fill(RGB(255, 255, 255));
  SolidBrush navy(RGB(0, 0, 128)), teal(RGB(0, 128, 128));
  FillRect(logo.dc(), {5, 5, 55, 25}, navy);
  FillRect(logo.dc(), {15, 10, 45, 20}, GetStockBrush(WHITE_BRUSH));
  FillRect(logo.dc(), {20, 12, 40, 18}, teal);
  MonoCanvas mask(60, 30);
  SetBkColor(logo.dc(), RGB(255, 255, 255));
  BitBlt(mask.dc(), 0, 0, 60, 30, logo.dc(), 0, 0, SRCCOPY);
  MaskBlt(dc, 210, 140, 60, 30, logo.dc(), 0, 0, mask.bitmap(), 0, 0, MAKEROP4(DSTCOPY, SRCCOPY));

  // A glyph from an image list on the button face.
  HIMAGELIST glyphs = ImageList_Create(60, 30, ILC_MASK | ILC_COLOR32, 1, 1);
  ImageList_AddMasked(glyphs, logo.bitmap(), RGB(255, 255, 255));
  ImageList_DrawEx(glyphs, 0, dc, 280, 140, 0, 0, GetSysColor(COLOR_BTNFACE), CLR_NONE, ILD_NORMAL);
  ImageList_Destroy(glyphs);
}

// Text in the windows' fonts: captions, edit texts, a Persian title read right to left.
void DrawSceneText(Canvas& scene) {
  HDC dc = scene.dc();
  const auto text = [&](const char* face, int height, bool bold, COLORREF color,
                        std::u16string_view s, RECT r, unsigned format) {
    LOGFONT request;
    request.faceName = face;
    request.height = height;
    request.weight = bold ? FW_BOLD : FW_NORMAL;
    HFONT font = CreateFontIndirect(request);
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, s, r, format);
    SelectObject(dc, previous);
    DeleteObject(font);
  };
  const unsigned centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  text("Times New Roman", -15, true, RGB(0, 0, 128), u"Calc.", {11, 11, 84, 34}, centred);
  text("MS Sans Serif", -11, false, RGB(0, 0, 0), u"L 20x3", {13, 78, 135, 94}, DT_LEFT);
  text("MS Sans Serif", -11, false, RGB(0, 0, 0), u"6000", {193, 78, 300, 94}, DT_LEFT);
  text("MS Sans Serif", -11, false, RGB(0, 0, 0), u"&Next && back", {10, 155, 130, 175}, DT_LEFT);

  SolidBrush teal(RGB(0, 96, 96));
  FillRect(dc, {0, 180, scene.width(), 240}, teal);
  text("Times New Roman", -16, true, RGB(255, 255, 255), u"Profile :", {10, 186, 100, 206},
       DT_LEFT);
  text("Times New Roman", -15, true, RGB(255, 255, 255), u"122.4 kg", {10, 210, 100, 230}, DT_LEFT);
  text("Titr", -16, true, RGB(255, 255, 255),
       u"\u0637\u0631\u0627\u062D\u064A \u0646\u0648\u0627\u0631 \u0646\u0642\u0627\u0644\u0647",
       {150, 184, 350, 214}, DT_RIGHT | DT_RTLREADING);
  text("Tahoma", -11, true, RGB(255, 255, 255), u"( Belt conveyor )", {150, 216, 350, 232},
       DT_RIGHT);
}

TEST(Png, SceneOfFramesAndBlitsRoundTrips) {
  Canvas scene(360, 240);
  DrawScene(scene);
  DrawSceneText(scene);
  const std::vector<std::uint8_t> png = EncodePng(scene.bitmap());
  ASSERT_FALSE(png.empty());
  EXPECT_EQ(Mismatches(scene, png), 0);
  // Written beside the test executable for a look; a copy lives in docs/.
  const auto path = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "gfx-scene.png";
  EXPECT_TRUE(WritePng(scene.bitmap(), path.string()));
}

}  // namespace
}  // namespace pw::gfx
