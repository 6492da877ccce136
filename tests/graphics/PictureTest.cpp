// Pictures: the registry of graphic classes, reading the class-named payload, and unknown and
// broken payloads.

#include <gtest/gtest.h>

#include <string>

#include "forms/FilerErrors.h"
#include "forms/TypeInfo.h"
#include "graphics/JpegImage.h"
#include "graphics/Picture.h"
#include "graphics/PictureBytes.h"

namespace pw {
namespace {

using test::Bytes;

void Read(TPicture& picture, const Bytes& data) {
  TMemoryStream stream(data);
  picture.ReadData(stream);
}

Bytes BitmapPicture(int width, int height) {
  return test::PictureData(
      "TBitmap", test::Sized(test::Bitmap24(width, height, [](int, int) { return 0x123456u; })));
}

TEST(PictureRegistry, ListsTheFormatsInOrderAndFindsClassesByExactName) {
  const std::vector<std::vector<std::string_view>> expected = {
      {"wmf", "Metafiles", "TMetafile"},
      {"emf", "Enhanced Metafiles", "TMetafile"},
      {"ico", "Icons", "TIcon"},
      {"bmp", "Bitmaps", "TBitmap"},
      {"jpeg", "JPEG Image File", "TJPEGImage"},
      {"jpg", "JPEG Image File", "TJPEGImage"}};
  std::vector<std::vector<std::string_view>> registered;
  for (const TFileFormat& f : GraphicFileFormats()) {
    registered.push_back({f.extension, f.description, f.graphicClass.info->name});
  }
  registered.resize(expected.size());
  EXPECT_EQ(registered, expected);
  ASSERT_NE(FindGraphicClass("TJPEGImage"), nullptr);
  EXPECT_EQ(FindGraphicClass("TJPEGImage")->info, &TJPEGImage::classInfo);
  EXPECT_EQ(FindGraphicClass("TJpegImage"), nullptr) << "names compare case-sensitively";
  EXPECT_EQ(FindGraphicClass("TGraphic"), nullptr);
}

TEST(PictureData, TheNamedClassReadsTheRestAndTheOwnerHearsOfEveryChange) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  const Bytes bitmap = BitmapPicture(3, 2);
  Read(picture, bitmap);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(picture.Bitmap(), nullptr);
  EXPECT_EQ(picture.GraphicClassName(), "TBitmap");
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.Data().size(), bitmap.size());
  picture.Graphic()->SetTransparent(true);
  EXPECT_EQ(changes, 2) << "the graphic's changes are forwarded";

  Read(picture, test::PictureData("TJPEGImage",
                                  test::Sized(test::Jpeg(40, 30, [](int, int) { return 0u; }))));
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(picture.Bitmap(), nullptr);
  EXPECT_EQ(picture.Width(), 40);

  Read(picture, test::PictureData("TBitmap", {0, 0, 0, 0}));
  ASSERT_NE(picture.Bitmap(), nullptr);
  EXPECT_TRUE(picture.Bitmap()->Empty());
  EXPECT_EQ(picture.Width() + picture.Height(), 0);
  test::Canvas canvas(4, 4, gfx::RGB(1, 2, 3));
  picture.Graphic()->Draw(canvas.dc(), {0, 0, 4, 4});
  EXPECT_EQ(canvas(0, 0), gfx::RGB(1, 2, 3)) << "an empty bitmap draws nothing";
}

TEST(PictureData, UnknownNamesEmptyThePictureAndBrokenPayloadsKeepThePreviousOne) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  for (const std::string& name :
       std::vector<std::string>{"TPNGImage", "tbitmap", std::string(63, 'T')}) {
    Read(picture, BitmapPicture(3, 2));
    Read(picture,
         test::PictureData(name, test::Sized(test::Bitmap24(1, 1, [](int, int) { return 0u; }))));
    EXPECT_EQ(picture.Graphic(), nullptr) << name;
    EXPECT_EQ(picture.Width(), 0) << name;
    EXPECT_TRUE(picture.Data().empty());
  }
  EXPECT_EQ(changes, 6);

  Read(picture, BitmapPicture(3, 2));
  const TGraphic* before = picture.Graphic();
  changes = 0;
  const std::vector<std::pair<Bytes, std::string>> cases = {
      {test::PictureData("TBitmap", test::Sized(Bytes(20, 'x'))), "Bitmap image is not valid"},
      {test::PictureData(std::string(64, 'T'), {}), "Invalid stream format"},
      {Bytes{7, 'T', 'B', 'i'}, "Stream read error"},
      {Bytes{}, "Stream read error"},
  };
  for (const auto& [data, message] : cases) {
    try {
      Read(picture, data);
      ADD_FAILURE() << message << ": read";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), message);
    }
    EXPECT_EQ(picture.Graphic(), before) << message;
  }
  EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace pw
