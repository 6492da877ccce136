// The showcase window's pictures ("Resume"): the dark teal background, the ten slides (general
// arrangement and detail drawings of NORVEX equipment, and rendered views of a steel frame, a
// training room, plant piping and a plant model), the footer banner and the side list lettered on
// navy (their transparent colour), and the green next and previous arrows of the two buttons.
//
// Everything is drawn with cairo, lettered with Pango, and depends on nothing but this code and
// the installed fonts, so each build writes the same bytes.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/WindowPictures.h"
#include "pictures/kit/Canvas.h"
#include "pictures/kit/PictureFiles.h"
#include "pictures/kit/Sheet.h"
#include "pictures/showcase/Drawings.h"
#include "pictures/showcase/SheetTexts.h"

namespace pw::pictures {
namespace {

std::filesystem::path PicturePath(const std::filesystem::path& root, const char* file) {
  const std::filesystem::path path = root / "form3" / file;
  std::filesystem::create_directories(path.parent_path());
  return path;
}

void SaveBmp(const std::filesystem::path& root, const char* file, const Raster& raster) {
  WriteBmp(PicturePath(root, file), raster);
}

// The eleven JPEG pictures take this many bytes of the window's form stream between them; what
// the encoder leaves over goes into a comment segment in each, its subject padded with blanks.
constexpr std::size_t kJpegShare = 611647;

struct JpegPicture {
  const char* file;
  const char* subject;
  std::vector<std::uint8_t> bytes;
};

void SaveJpegs(const std::filesystem::path& root, std::vector<JpegPicture> pictures) {
  std::size_t encoded = 0, subjects = 0;
  for (const JpegPicture& p : pictures) {
    encoded += p.bytes.size();
    subjects += 4 + std::string_view(p.subject).size();  // marker, length, text
  }
  if (encoded + subjects > kJpegShare)
    throw std::runtime_error("the JPEG pictures exceed their " + std::to_string(kJpegShare) +
                             " bytes by " + std::to_string(encoded + subjects - kJpegShare));
  const std::size_t padding = kJpegShare - encoded - subjects;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const std::size_t blanks = padding / pictures.size() + (i < padding % pictures.size() ? 1 : 0);
    std::string comment = pictures[i].subject;
    comment.append(blanks, ' ');
    AddJpegComment(pictures[i].bytes, comment);
    WriteBytes(PicturePath(root, pictures[i].file), pictures[i].bytes);
  }
}

}  // namespace

Raster DrawSlide(const Slide& slide) {
  Canvas canvas(slide.width, slide.height);
  cairo_t* cr = canvas.Context();
  if (slide.paper) {
    Use(cr, *slide.paper);
    cairo_paint(cr);
  }
  const Rect frame = slide.sheet ? DrawSheet(cr, slide.width, slide.height) : Rect{};
  for (const Step step : slide.steps) step(cr);
  if (slide.sheet) DrawSheetTexts(cr, frame, SheetTextsOf(slide.sheet));
  return canvas.Pixels();
}

void DrawShowcasePictures(const std::filesystem::path& root) {
  const auto jpeg = [](const char* file, const char* subject, const Raster& raster) {
    return JpegPicture{file, subject, EncodeJpeg(raster)};
  };
  std::vector<JpegPicture> jpegs;
  jpegs.push_back(jpeg("Image2.jpg", "Norvex Engineering: background", DrawBackground()));
  jpegs.push_back(jpeg("Image1.jpg",
                       "Norvex Engineering: belt conveyor BC-101, general arrangement",
                       DrawSlide(kBeltConveyor)));
  jpegs.push_back(jpeg("Image3.jpg", "Norvex Engineering: screw conveyor, general arrangement",
                       DrawSlide(kScrewConveyor)));
  jpegs.push_back(jpeg("Image4.jpg", "Norvex Engineering: bucket elevator, general arrangement",
                       DrawSlide(kBucketElevator)));
  jpegs.push_back(jpeg("Image5.jpg", "Norvex Engineering: drag chain conveyor, general arrangement",
                       DrawSlide(kDragChain)));
  jpegs.push_back(jpeg("Image6.jpg", "Norvex Engineering: storage silo, general arrangement",
                       DrawSlide(kSilo)));
  jpegs.push_back(jpeg("Image7.jpg", "Norvex Engineering: ducting bends and expansion joints",
                       DrawSlide(kDuctingDetails)));
  jpegs.push_back(
      jpeg("Image8.jpg", "Norvex Engineering: steel frame structure", DrawSlide(kSteelFrame)));
  jpegs.push_back(jpeg("Image9.jpg", "Norvex Engineering: lubrication training class",
                       DrawSlide(kTrainingRoom)));
  jpegs.push_back(jpeg("Image10.jpg", "Norvex Engineering: plant piping", DrawSlide(kPlantPiping)));
  jpegs.push_back(
      jpeg("Image11.jpg", "Norvex Engineering: 3D plant model", DrawSlide(kPlantModel)));
  SaveJpegs(root, std::move(jpegs));
  SaveBmp(root, "Image12.bmp", DrawFooterBanner());
  SaveBmp(root, "Image13.bmp", DrawIndustryList());
  SaveBmp(root, "BitBtn1.bmp", DrawArrowGlyph(true));
  SaveBmp(root, "BitBtn2.bmp", DrawArrowGlyph(false));
}

}  // namespace pw::pictures
