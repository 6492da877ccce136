// The pictures pw_pictures draws for the calculator window and the application icon: file
// format, size, the colour in the corner that a transparent picture gives away, what each kind of
// picture must contain, and the same bytes from one run to the next.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const Bytes& b, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
         std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// A 24-bit bottom-up bitmap file, its header checked as far as the window's reader relies on it.
class Bitmap {
 public:
  explicit Bitmap(const fs::path& path) : bytes_(ReadFile(path)) {}

  // Empty when the header is that of an uncompressed 24-bit bitmap of the given size, rows
  // bottom-up and padded to four bytes, right after a 40-byte info header; otherwise the fault.
  std::string HeaderFault(int width, int height) const {
    if (bytes_.size() < 54) return "shorter than its headers";
    if (bytes_[0] != 'B' || bytes_[1] != 'M') return "no BM signature";
    if (Le(bytes_, 2, 4) != bytes_.size()) return "file size field differs from the file";
    if (Le(bytes_, 10, 4) != 54) return "pixels not right after the headers";
    if (Le(bytes_, 14, 4) != 40) return "info header not 40 bytes";
    if (static_cast<std::int32_t>(Le(bytes_, 18, 4)) != width) return "wrong width";
    if (static_cast<std::int32_t>(Le(bytes_, 22, 4)) != height) return "wrong height or top-down";
    if (Le(bytes_, 26, 2) != 1 || Le(bytes_, 28, 2) != 24) return "not one plane of 24 bits";
    if (Le(bytes_, 30, 4) != 0) return "compressed";
    if (Le(bytes_, 46, 4) != 0) return "has a colour table";
    if (bytes_.size() != 54 + Stride(width) * static_cast<std::size_t>(height))
      return "pixel data not one padded row per line";
    return "";
  }

  int Width() const { return static_cast<int>(Le(bytes_, 18, 4)); }
  int Height() const { return static_cast<int>(Le(bytes_, 22, 4)); }

  // x from the left, y from the top.
  Rgb At(int x, int y) const {
    const std::size_t at = 54 + Stride(Width()) * static_cast<std::size_t>(Height() - 1 - y) +
                           static_cast<std::size_t>(x) * 3;
    return {bytes_[at + 2], bytes_[at + 1], bytes_[at]};
  }
  Rgb BottomLeft() const { return At(0, Height() - 1); }

  // Pixels in the top-left part that shows in the window which satisfy the test.
  int Count(int width, int height, const std::function<bool(Rgb)>& test) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += test(At(x, y)) ? 1 : 0;
    return n;
  }

 private:
  static std::size_t Stride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }
  Bytes bytes_;
};

struct Expected {
  const char* file;
  int width, height;
  int shownWidth, shownHeight;  // what the window shows of it
};

const Expected kBitmaps[] = {
    {"P1.bmp", 383, 615, 369, 377}, {"P2.bmp", 300, 158, 297, 153}, {"P3.bmp", 300, 158, 300, 158},
    {"P4.bmp", 301, 159, 297, 153}, {"P5.bmp", 300, 158, 297, 153}, {"P6.bmp", 51, 43, 51, 43},
    {"P7.bmp", 51, 43, 49, 41},     {"P8.bmp", 51, 43, 49, 41},     {"P9.bmp", 51, 43, 49, 41},
    {"P10.bmp", 48, 48, 48, 48},    {"P11.bmp", 239, 30, 239, 30},  {"G1.bmp", 22, 22, 22, 22},
    {"G2.bmp", 32, 32, 32, 32},
};

constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kWhite{255, 255, 255};

bool Red(Rgb c) {
  return c.r > 190 && c.g < 80 && c.b < 80;
}
bool SteelGrey(Rgb c) {
  return c.r > 60 && c.r < 230 && std::abs(c.r - c.g) < 16 && std::abs(c.g - c.b) < 20;
}
bool DarkBlue(Rgb c) {
  return c.r < 40 && c.g < 40 && c.b > 70 && c.b < 170;
}
bool NearBlack(Rgb c) {
  return c.r < 40 && c.g < 40 && c.b < 40;
}

// Runs the tool into a fresh folder; the folder goes when the object does.
class DrawnPictures {
 public:
  DrawnPictures() {
    static int runs = 0;
    root_ = fs::temp_directory_path() /
            ("pw-pictures-" + std::to_string(::getpid()) + "-" + std::to_string(runs++));
    fs::remove_all(root_);
    const std::string command = std::string("\"") + PW_PICTURES + "\" \"" + root_.string() + "\"";
    exitCode_ = std::system(command.c_str());
  }
  ~DrawnPictures() { fs::remove_all(root_); }
  DrawnPictures(const DrawnPictures&) = delete;
  DrawnPictures& operator=(const DrawnPictures&) = delete;

  int ExitCode() const { return exitCode_; }
  fs::path Calculator(const std::string& file) const { return root_ / "form1" / file; }
  fs::path Icon(int size) const {
    return root_ / "icon" / ("profile-weight-" + std::to_string(size) + ".png");
  }

 private:
  fs::path root_;
  int exitCode_;
};

class CalculatorPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { drawn_ = new DrawnPictures(); }
  static void TearDownTestSuite() {
    delete drawn_;
    drawn_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(drawn_->ExitCode(), 0); }

  static Bitmap Load(const char* file) { return Bitmap(drawn_->Calculator(file)); }

  static DrawnPictures* drawn_;
};

DrawnPictures* CalculatorPictures::drawn_ = nullptr;

TEST_F(CalculatorPictures, EveryPictureIsA24BitBitmapOfItsSize) {
  for (const Expected& e : kBitmaps) {
    const Bitmap bitmap = Load(e.file);
    EXPECT_EQ(bitmap.HeaderFault(e.width, e.height), "") << e.file;
  }
}

TEST_F(CalculatorPictures, TransparentPicturesGiveTheirColourInTheBottomLeftCorner) {
  // The logo and the showcase glyph on white, the name banner on cyan, the "Calc." glyph on blue.
  const struct {
    const char* file;
    Rgb key;
  } keyed[] = {
      {"P10.bmp", kWhite}, {"P11.bmp", {0, 255, 255}}, {"G1.bmp", {0, 0, 255}}, {"G2.bmp", kWhite}};
  for (const auto& k : keyed) {
    const Bitmap bitmap = Load(k.file);
    ASSERT_EQ(bitmap.HeaderFault(bitmap.Width(), bitmap.Height()), "") << k.file;
    EXPECT_EQ(bitmap.BottomLeft(), k.key) << k.file;
    // Something is drawn on the key colour, and not so much of it that little would remain.
    const int area = bitmap.Width() * bitmap.Height();
    const int key =
        bitmap.Count(bitmap.Width(), bitmap.Height(), [&](Rgb c) { return c == k.key; });
    EXPECT_GT(area - key, area / 10) << k.file;
    EXPECT_GT(key, area / 5) << k.file;
  }
}

TEST_F(CalculatorPictures, OpaquePicturesStandOnTheirBackgroundColours) {
  EXPECT_EQ(Load("P1.bmp").At(0, 0), (Rgb{98, 173, 172}));
  for (const char* file :
       {"P2.bmp", "P3.bmp", "P4.bmp", "P5.bmp", "P6.bmp", "P7.bmp", "P8.bmp", "P9.bmp"}) {
    const Bitmap bitmap = Load(file);
    ASSERT_EQ(bitmap.HeaderFault(bitmap.Width(), bitmap.Height()), "") << file;
    EXPECT_EQ(bitmap.BottomLeft(), kTeal) << file;
    EXPECT_EQ(bitmap.At(0, 0), kTeal) << file;
  }
}

TEST_F(CalculatorPictures, DrawingsAndIconsShowTheirSubjectInTheShownPart) {
  for (const Expected& e : kBitmaps) {
    const Bitmap bitmap = Load(e.file);
    ASSERT_EQ(bitmap.HeaderFault(e.width, e.height), "") << e.file;
    const std::string name = e.file;
    auto count = [&](bool (*test)(Rgb)) {
      return bitmap.Count(e.shownWidth, e.shownHeight, [test](Rgb c) { return test(c); });
    };
    const int area = e.shownWidth * e.shownHeight;
    if (name == "P2.bmp" || name == "P3.bmp" || name == "P4.bmp" || name == "P5.bmp") {
      // A grey length of steel over a good part of the drawing, dimensioned in red.
      EXPECT_GT(count(SteelGrey), area / 8) << e.file;
      EXPECT_GT(count(Red), 150) << e.file;
    } else if (name == "P6.bmp" || name == "P7.bmp" || name == "P8.bmp" || name == "P9.bmp") {
      EXPECT_GT(bitmap.Count(e.shownWidth, e.shownHeight, [](Rgb c) { return c == kWhite; }),
                area / 20)
          << e.file;
      EXPECT_GT(count(DarkBlue), 60) << e.file;
    } else if (name == "P10.bmp") {
      EXPECT_GT(count(DarkBlue), area / 4) << e.file;
    } else if (name == "P11.bmp") {
      EXPECT_GT(count(NearBlack), area / 12) << e.file;
    }
  }
}

// The application icon as PNG files with alpha, in the sizes desktops ask for.
TEST_F(CalculatorPictures, ApplicationIconInFourSizes) {
  for (int size : {16, 32, 48, 256}) {
    const Bytes png = ReadFile(drawn_->Icon(size));
    ASSERT_GT(png.size(), 33u) << size;
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin())) << size;
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR") << size;
    EXPECT_EQ(Be32(png, 16), static_cast<std::uint32_t>(size));
    EXPECT_EQ(Be32(png, 20), static_cast<std::uint32_t>(size));
    EXPECT_EQ(png[24], 8) << size;  // bits per channel
    EXPECT_EQ(png[25], 6) << size;  // red, green, blue and alpha
  }
}

// The form streams embed the pictures, so a build must not change them.
TEST_F(CalculatorPictures, SameBytesFromEveryRun) {
  const DrawnPictures again;
  ASSERT_EQ(again.ExitCode(), 0);
  for (const Expected& e : kBitmaps) {
    const Bytes first = ReadFile(drawn_->Calculator(e.file));
    ASSERT_FALSE(first.empty()) << e.file;
    EXPECT_TRUE(first == ReadFile(again.Calculator(e.file))) << e.file;
  }
  for (int size : {16, 32, 48, 256})
    EXPECT_TRUE(ReadFile(drawn_->Icon(size)) == ReadFile(again.Icon(size))) << size;
}

}  // namespace
