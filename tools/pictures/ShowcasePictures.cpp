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
#include "pictures/kit/PictureFiles.h"
#include "pictures/showcase/Drawings.h"

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

void DrawShowcasePictures(const std::filesystem::path& root) {
  const auto jpeg = [](const char* file, const char* subject, const Raster& raster) {
    return JpegPicture{file, subject, EncodeJpeg(raster)};
  };
  std::vector<JpegPicture> jpegs;
  jpegs.push_back(jpeg("Image2.jpg", "Norvex Engineering: background", DrawBackground()));
  jpegs.push_back(jpeg("Image1.jpg",
                       "Norvex Engineering: belt conveyor BC-101, general arrangement",
                       DrawBeltConveyor()));
  jpegs.push_back(jpeg("Image3.jpg", "Norvex Engineering: screw conveyor, general arrangement",
                       DrawScrewConveyor()));
  jpegs.push_back(jpeg("Image4.jpg", "Norvex Engineering: bucket elevator, general arrangement",
                       DrawBucketElevator()));
  jpegs.push_back(jpeg("Image5.jpg", "Norvex Engineering: drag chain conveyor, general arrangement",
                       DrawDragChain()));
  jpegs.push_back(
      jpeg("Image6.jpg", "Norvex Engineering: storage silo, general arrangement", DrawSilo()));
  jpegs.push_back(jpeg("Image7.jpg", "Norvex Engineering: ducting bends and expansion joints",
                       DrawDuctingDetails()));
  jpegs.push_back(
      jpeg("Image8.jpg", "Norvex Engineering: steel frame structure", DrawSteelFrame()));
  jpegs.push_back(
      jpeg("Image9.jpg", "Norvex Engineering: lubrication training class", DrawTrainingRoom()));
  jpegs.push_back(jpeg("Image10.jpg", "Norvex Engineering: plant piping", DrawPlantPiping()));
  jpegs.push_back(jpeg("Image11.jpg", "Norvex Engineering: 3D plant model", DrawPlantModel()));
  SaveJpegs(root, std::move(jpegs));
  SaveBmp(root, "Image12.bmp", DrawFooterBanner());
  SaveBmp(root, "Image13.bmp", DrawIndustryList());
  SaveBmp(root, "BitBtn1.bmp", DrawArrowGlyph(true));
  SaveBmp(root, "BitBtn2.bmp", DrawArrowGlyph(false));
}

}  // namespace pw::pictures
