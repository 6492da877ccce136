// The pictures of the calculator window: the background panel, the four family drawings (a length
// of rolled section in perspective with its dimensions in red), the four family icons, the
// maker's logo and name banner, the glyphs of the two bitmap buttons, and the application icon.
//
// Everything is drawn with cairo (lettering with Pango) into ARGB surfaces. Opaque pictures paint
// their background first. Pictures with a transparent colour are drawn on a clear surface and
// keyed: untouched pixels get the transparent colour, every other pixel is composed over the
// button face colour, so that antialiased edges blend into the window once the key colour has
// been cut away.

#include <filesystem>
#include <string>

#include "pictures/WindowPictures.h"
#include "pictures/calculator/Pictures.h"
#include "pictures/kit/Canvas.h"

namespace pw::pictures {

namespace {

void Save(const std::filesystem::path& root, const char* file, const Raster& raster) {
  const std::filesystem::path path = root / file;
  std::filesystem::create_directories(path.parent_path());
  WriteBmp(path, raster);
}

void WriteAppIcon(const std::filesystem::path& root, int size) {
  Canvas canvas(size, size);
  DrawAppIcon(canvas.Context(), size);
  const std::filesystem::path path =
      root / "icon" / ("profile-weight-" + std::to_string(size) + ".png");
  std::filesystem::create_directories(path.parent_path());
  WritePng(path, canvas.Surface());
}

}  // namespace

void DrawCalculatorPictures(const std::filesystem::path& root) {
  Save(root, "form1/P1.bmp", BackgroundPanel());
  // The family drawings; the width and height are those of the section's near end.
  Save(root, "form1/P2.bmp",
       FamilyDrawing(300, 158, SideISection(66, 40, 5.5, 7.5, 5.5, 1.1), 66, 40, true, "h"));
  Save(root, "form1/P3.bmp",
       FamilyDrawing(300, 158, UprightISection(70, 64, 6.5, 10, 7, 0), 64, 70, false, "h"));
  Save(root, "form1/P4.bmp",
       FamilyDrawing(301, 159, ChannelSection(72, 40, 7, 9, 6, 3), 72, 40, true, "b"));
  Save(root, "form1/P5.bmp",
       FamilyDrawing(300, 158, AngleSection(62, 9, 7, 3.5), 62, 62, false, "a"));

  Save(root, "form1/P6.bmp", FamilyIcon(AngleSection(28, 6, 4, 2), 28, 28, 51, 43));
  Save(root, "form1/P7.bmp", FamilyIcon(ChannelSection(32, 24, 5, 6, 3, 1.5), 32, 24, 49, 41));
  Save(root, "form1/P8.bmp", FamilyIcon(SideISection(38, 24, 5, 5, 3, 0.8), 38, 24, 49, 41));
  Save(root, "form1/P9.bmp", FamilyIcon(SideISection(28, 28, 5, 5, 3, 0), 28, 28, 49, 41));

  Save(root, "form1/P10.bmp", Logo());
  Save(root, "form1/P11.bmp", NameBanner());
  Save(root, "form1/G1.bmp", CalculateGlyph());
  Save(root, "form1/G2.bmp", ShowcaseGlyph());

  for (int size : {16, 32, 48, 256}) WriteAppIcon(root, size);
  // The program's icon resource: the sizes a desktop shows in title bars, taskbars and switchers.
  WriteIconFile(root / "icon" / "profile-weight.ico",
                {root / "icon" / "profile-weight-16.png", root / "icon" / "profile-weight-32.png",
                 root / "icon" / "profile-weight-48.png"});
}

}  // namespace pw::pictures
