// The picture tool's drafting kit where its rules are its own: keyed pictures composed over the
// colour they are seen against, colours kept to eight bits a component, and the register of
// sheet texts read with its optional parts and refusing what it does not know.

#include <gtest/gtest.h>

#include <stdexcept>

#include "pictures/kit/Canvas.h"
#include "pictures/kit/Sheet.h"

namespace pw::pictures {
namespace {

struct Bytes {
  int r, g, b;
  bool operator==(const Bytes&) const = default;
};

Bytes At(const Raster& raster, int x, int y) {
  const std::uint8_t* p = raster.At(x, y);
  return {p[0], p[1], p[2]};
}

TEST(PicturesKit, KeyedPicturesGiveTheKeyWhereClearAndComposeEdgesOverTheMatte) {
  Canvas canvas(3, 1);
  cairo_t* cr = canvas.Context();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_rectangle(cr, 1, 0, 1, 1);
  Use(cr, Rgb255(0, 0, 0), 0.5);  // half covered in black
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 0, 1, 1);
  Use(cr, Rgb255(10, 20, 30));
  cairo_fill(cr);
  const Raster keyed = canvas.Keyed(Rgb255(0, 0, 255), Rgb255(200, 100, 50));
  EXPECT_EQ(At(keyed, 0, 0), (Bytes{0, 0, 255}));
  // Half the matte shows through: 200 * 127/255 rounded, and so on.
  EXPECT_EQ(At(keyed, 1, 0), (Bytes{100, 50, 25}));
  EXPECT_EQ(At(keyed, 2, 0), (Bytes{10, 20, 30}));
  // The plain pixels and the drawn colour, unpremultiplied.
  EXPECT_EQ(At(canvas.Pixels(), 2, 0), (Bytes{10, 20, 30}));
  EXPECT_DOUBLE_EQ(canvas.Alpha(1, 0), 128 / 255.0);
  EXPECT_DOUBLE_EQ(canvas.Alpha(0, 0), 0.0);
}

TEST(PicturesKit, ColoursAreRoundedAndClampedToEightBits) {
  Raster raster(2, 1, Rgb255(1, 2, 3));
  EXPECT_EQ(At(raster, 1, 0), (Bytes{1, 2, 3}));
  raster.Set(0, 0, Colour{-0.2, 0.5, 1.7});
  EXPECT_EQ(At(raster, 0, 0), (Bytes{0, 128, 255}));
  EXPECT_TRUE(SameBytes(Colour{0.999, 0, 0}, Rgb255(255, 0, 0)));
  EXPECT_FALSE(SameBytes(Colour{0.99, 0, 0}, Rgb255(255, 0, 0)));
}

constexpr const char* kRegister = R"({
  "Full": {
    "title": {"title": "T", "subtitle": "S", "number": "N", "scale": "1:10", "date": "D",
              "sheet": "1 / 1", "revision": "B", "weight": "W"},
    "revisions": [["A", "FIRST", "01.01.2005", "X"], ["B", "SECOND", "02.01.2005", "Y"]],
    "revisionsTop": 148,
    "dataTable": {"heading": "DATA", "at": [290, 150], "width": 186, "rows": [["K", "V"]]},
    "parts": [["TOP ROW", "2", "ST37-2"], ["BOTTOM ROW", "1", "-"]],
    "notes": {"lines": ["ONE.", "TWO."], "at": [210, 206], "width": 72}
  },
  "Plain": {
    "title": {"title": "T", "subtitle": "S", "number": "N", "scale": "1:10", "date": "D",
              "sheet": "1 / 1", "revision": "A", "weight": "W"},
    "revisions": [["A", "ONLY", "01.01.2005", "X"]],
    "notes": {"lines": ["ONE."], "aboveParts": 34}
  }
})";

TEST(PicturesKit, SheetTextsAreReadWithTheirOptionalParts) {
  const SheetTexts full = ParseSheetTexts(kRegister, "Full");
  EXPECT_EQ(full.title.revision, "B");
  ASSERT_EQ(full.revisions.size(), 2u);
  EXPECT_EQ(full.revisions[1].description, "SECOND");
  EXPECT_EQ(full.revisionsTop, 148);
  ASSERT_TRUE(full.dataTable.has_value());
  EXPECT_EQ(full.dataTable->at.x, 290);
  EXPECT_EQ(full.dataTable->rows.at(0).second, "V");
  ASSERT_EQ(full.parts.size(), 2u);
  EXPECT_EQ(full.parts[0].description, "TOP ROW");
  ASSERT_TRUE(full.notesAt.has_value());
  EXPECT_EQ(full.notesAt->y, 206);
  EXPECT_EQ(full.notesWidth, 72);

  const SheetTexts plain = ParseSheetTexts(kRegister, "Plain");
  EXPECT_FALSE(plain.revisionsTop.has_value());
  EXPECT_FALSE(plain.dataTable.has_value());
  EXPECT_FALSE(plain.schedule.has_value());
  EXPECT_TRUE(plain.parts.empty());
  EXPECT_FALSE(plain.notesAt.has_value());
  EXPECT_EQ(plain.notesAboveParts, 34);
  EXPECT_EQ(plain.notesWidth, 186);  // the width of the title block's column
}

TEST(PicturesKit, SheetTextsRefuseAnUnknownDrawingOrAMissingPart) {
  EXPECT_THROW(ParseSheetTexts(kRegister, "Absent"), std::runtime_error);
  EXPECT_THROW(ParseSheetTexts(R"({"X": {"revisions": []}})", "X"), std::exception);
  EXPECT_THROW(ParseSheetTexts("{", "X"), std::exception);
}

}  // namespace
}  // namespace pw::pictures
