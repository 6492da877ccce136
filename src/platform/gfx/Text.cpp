// Fonts and text. A font request is resolved once through a process-wide fontconfig
// configuration (the system's, plus the wine font folder and a rule that lets the bitmap face
// "MS Sans Serif" through) and a Pango font map that uses it. The metrics a context reports are
// computed the way the graphics interface defines them (cell height, ascent, descent, internal
// leading) from the face's own tables; Pango shapes, orders and wraps the text; lines are placed
// at multiples of the cell height and drawn into an 8-bit coverage mask that is then blended in
// the text colour into the target bitmap.

#include "platform/gfx/Text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <hb.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gfx/GdiObjects.h"
#include "platform/sys/CodePage.h"

namespace pw::gfx {

// Internals, in a named namespace so that the font object's resolution can refer to them.
namespace text_detail {

// ---- Handle wrappers

struct GObjectUnref {
  void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct FontDescriptionFree {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;

struct TabArrayFree {
  void operator()(PangoTabArray* tabs) const { pango_tab_array_free(tabs); }
};
using TabArrayPtr = std::unique_ptr<PangoTabArray, TabArrayFree>;

struct FontOptionsDestroy {
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, FontOptionsDestroy>;

struct SurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

struct CairoDestroy {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using CairoPtr = std::unique_ptr<cairo_t, CairoDestroy>;

struct FcConfigRelease {
  void operator()(FcConfig* config) const { ::FcConfigDestroy(config); }
};
using FcConfigPtr = std::unique_ptr<FcConfig, FcConfigRelease>;

struct FtFaceDone {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FtFacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FtFaceDone>;

struct FtLibraryDone {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using FtLibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, FtLibraryDone>;

// ---- Faces

// The wine fonts' folder is added to the system configuration. Its Windows FNT files carry no
// tables that the shaper can read, so they are kept out; the bitmap-only TrueType "MS Sans Serif"
// (strikes of 13, 16 and 20 pixels) is let through although the system rejects bitmap faces.
constexpr char kFontConfiguration[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/wine/fonts</dir>
  <selectfont>
    <rejectfont><glob>/usr/share/wine/fonts/*.fon</glob></rejectfont>
  </selectfont>
  <selectfont>
    <acceptfont>
      <pattern><patelt name="family"><string>MS Sans Serif</string></patelt></pattern>
    </acceptfont>
  </selectfont>
</fontconfig>
)";

constexpr char kDefaultFace[] = "MS Sans Serif";
constexpr int kDefaultHeight = -11;  // 8 points at 96 pixels per inch

int RoundToInt(double value) {
  return static_cast<int>(std::lround(value));
}

// One fixed size of a bitmap face, with the advance of every glyph at that size.
struct Strike {
  int pixelSize = 0;  // nominal size (pixels per em)
  int height = 0;     // cell height
  int ascent = 0;
  int descent = 0;
  int maxAdvance = 0;
  std::shared_ptr<const std::vector<int>> advances;  // by glyph index, pixels
};

// What the metrics need from a face file (proportions of a common face until it is read).
struct FaceFile {
  std::string path;
  bool scalable = true;
  int unitsPerEm = 2048;
  int winAscent = 1638;
  int winDescent = 410;
  int hheaAscent = 1638;
  int hheaDescent = -410;  // negative below the baseline
  int hheaLineGap = 0;
  int averageWidth = 0;  // OS/2 average character width, font units
  int maxAdvance = 0;    // font units
  std::vector<Strike> strikes;
  FT_UInt glyphX = 0;  // glyph of "x": the average width of a bitmap face
};

// ---- Resolved fonts and prepared text

// The coverage of a line's glyphs and strokes, 8 bits per pixel, rendered once and reused: the
// shaper places glyphs on whole pixels, so the picture is the same wherever the line goes.
struct LineMask {
  RECT box;  // relative to the left end and top of the line's cell
  int stride = 0;
  std::vector<std::uint8_t> coverage;
};

struct LineInfo {
  PangoLayoutLine* line = nullptr;  // owned by the layout
  int width = 0;                    // advance width, pixels
  int logicalX = 0;                 // left of the line's logical box from its drawing origin
  PangoRectangle ink{};             // pixels, relative to the origin on the baseline
  std::vector<std::pair<int, int>> accelerators;  // underlined spans, from the drawing origin
  mutable std::unique_ptr<LineMask> mask;         // made at the first draw
};

// A horizontal stroke below or through the text, relative to the baseline.
struct Stroke {
  int offset = 0;  // top row, downwards from the baseline
  int thickness = 1;
};

// A text laid out in one font with one set of flags: lines, widths, and the layout that draws it.
struct PreparedText {
  GObjectPtr<PangoLayout> layout;
  std::vector<LineInfo> lines;
  int width = 0;  // widest line
};

struct PreparedKey {
  std::u16string text;
  unsigned flags = 0;
  int wrapWidth = 0;
  bool operator==(const PreparedKey&) const = default;
};

struct PreparedKeyHash {
  std::size_t operator()(const PreparedKey& key) const {
    std::size_t h = std::hash<std::u16string>{}(key.text);
    h ^= std::hash<unsigned>{}(key.flags) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h ^= std::hash<int>{}(key.wrapWidth) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
  }
};

// The flags that change how a text is laid out (the others only place it).
constexpr unsigned kLayoutFlags =
    DT_WORDBREAK | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX | DT_RTLREADING;

// A font request resolved to a face and a size, with its metrics and its recently used layouts.
class ResolvedFont {
 public:
  FontDescriptionPtr description;
  TEXTMETRIC metrics;
  FontFaceInfo face;
  bool underline = false;
  bool strikeOut = false;

  // Underline (also marking accelerators) and strike-out, worked out at their first use: the
  // face's figures for them come with the costly full metrics.
  const Stroke& UnderlineStroke() const { return Strokes().first; }
  const Stroke& StrikeStroke() const { return Strokes().second; }

  std::shared_ptr<const PreparedText> Prepare(std::u16string_view text, unsigned flags,
                                              int wrapWidth);

 private:
  static constexpr std::size_t kCacheSize = 64;
  using Entry = std::pair<PreparedKey, std::shared_ptr<const PreparedText>>;
  const std::pair<Stroke, Stroke>& Strokes() const;

  mutable std::optional<std::pair<Stroke, Stroke>> strokes_;
  std::list<Entry> recent_;  // most recently used first
  std::unordered_map<PreparedKey, std::list<Entry>::iterator, PreparedKeyHash> index_;
};

struct LogFontKey {
  int height, width, weight, charSet, pitchAndFamily;
  bool italic, underline, strikeOut;
  std::string faceName;
  auto operator<=>(const LogFontKey&) const = default;
};

LogFontKey KeyOf(const LOGFONT& f) {
  return {f.height, f.width,     f.weight,    f.charSet, f.pitchAndFamily,
          f.italic, f.underline, f.strikeOut, f.faceName};
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

hb_font_t* (*g_pangoCreateHbFont)(PangoFont*) = nullptr;
hb_font_t* CreateHbFont(PangoFont* font);

// The process-wide font machinery: configuration, font map, contexts, faces and resolved fonts.
// Created at first use and kept to the end of the process (text may still be measured while
// other parts shut down).
class FontSystem {
 public:
  static FontSystem& Instance() {
    static FontSystem* const system = new FontSystem;
    return *system;
  }

  PangoContext* Context(bool rightToLeft) const {
    return rightToLeft ? rtlContext_.get() : ltrContext_.get();
  }

  const FaceFile& Face(const std::string& path, int index);
  std::shared_ptr<ResolvedFont> Resolve(const LOGFONT& request);
  std::pair<Stroke, Stroke> Strokes(const ResolvedFont& font) const;

 private:
  FontSystem();
  std::shared_ptr<ResolvedFont> Build(const LOGFONT& request);
  GObjectPtr<PangoContext> MakeContext(PangoDirection direction) const;

  FtLibraryPtr freetype_;
  FcConfigPtr config_;
  GObjectPtr<PangoFontMap> fontMap_;
  GObjectPtr<PangoContext> ltrContext_;
  GObjectPtr<PangoContext> rtlContext_;
  std::map<std::pair<std::string, int>, std::unique_ptr<FaceFile>> faces_;
  std::map<LogFontKey, std::shared_ptr<ResolvedFont>> fonts_;
};

FontSystem::FontSystem() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) freetype_.reset(library);

  config_.reset(FcConfigCreate());
  FcConfigParseAndLoad(config_.get(), nullptr, FcTrue);
  FcConfigParseAndLoadFromMemory(config_.get(),
                                 reinterpret_cast<const FcChar8*>(kFontConfiguration), FcTrue);
  FcConfigBuildFonts(config_.get());
  // The configuration is also the process's current one, so that the font map's own start-up
  // (and anything else asking fontconfig) finds it instead of parsing the system's files again.
  FcConfigSetCurrent(config_.get());

  fontMap_.reset(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap_.get()), config_.get());
  ltrContext_ = MakeContext(PANGO_DIRECTION_LTR);
  rtlContext_ = MakeContext(PANGO_DIRECTION_RTL);

  // Bitmap-only faces carry advance widths for their outlines' design, not for their strikes;
  // the shaper is given the strikes' own advances (see CreateHbFont). Hook the font class once,
  // before any font of this map has made its shaping font.
  // The probe is the default face, which the first texts use anyway.
  FontDescriptionPtr probe(pango_font_description_new());
  pango_font_description_set_family(probe.get(), kDefaultFace);
  pango_font_description_set_absolute_size(probe.get(), -kDefaultHeight * double(PANGO_SCALE));
  GObjectPtr<PangoFont> font(
      pango_font_map_load_font(fontMap_.get(), ltrContext_.get(), probe.get()));
  if (font) {
    PangoFontClass* fontClass = PANGO_FONT_GET_CLASS(font.get());
    if (fontClass->create_hb_font != CreateHbFont) {
      g_pangoCreateHbFont = fontClass->create_hb_font;
      fontClass->create_hb_font = CreateHbFont;
    }
  }
}

GObjectPtr<PangoContext> FontSystem::MakeContext(PangoDirection direction) const {
  GObjectPtr<PangoContext> context(pango_font_map_create_context(fontMap_.get()));
  // Whole-pixel advances and grey antialiasing; the language is fixed so that the results do
  // not depend on the user's locale.
  FontOptionsPtr options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
  pango_cairo_context_set_font_options(context.get(), options.get());
  pango_context_set_language(context.get(), pango_language_from_string("en"));
  pango_context_set_base_dir(context.get(), direction);
  return context;
}

const FaceFile& FontSystem::Face(const std::string& path, int index) {
  auto& slot = faces_[{path, index}];
  if (slot) return *slot;
  slot = std::make_unique<FaceFile>();
  FaceFile& info = *slot;
  info.path = path;
  FT_Face raw = nullptr;
  if (!freetype_ || FT_New_Face(freetype_.get(), path.c_str(), index, &raw) != 0) return info;
  FtFacePtr face(raw);
  info.scalable = FT_IS_SCALABLE(face.get());
  if (face->units_per_EM > 0) info.unitsPerEm = face->units_per_EM;
  info.hheaAscent = face->ascender;
  info.hheaDescent = face->descender;
  info.winAscent = face->ascender;
  info.winDescent = -face->descender;
  info.maxAdvance = face->max_advance_width;
  if (auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_HHEA))) {
    info.hheaAscent = hhea->Ascender;
    info.hheaDescent = hhea->Descender;
    info.hheaLineGap = hhea->Line_Gap;
    info.maxAdvance = hhea->advance_Width_Max;
  }
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
      os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    info.winAscent = os2->usWinAscent;
    info.winDescent = os2->usWinDescent;
    info.averageWidth = os2->xAvgCharWidth;
  }
  info.glyphX = FT_Get_Char_Index(face.get(), 'x');
  if (!info.scalable) {
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
      if (FT_Select_Size(face.get(), i) != 0) continue;
      const FT_Size_Metrics& m = face->size->metrics;
      Strike strike;
      strike.pixelSize = static_cast<int>(m.y_ppem);
      strike.ascent = static_cast<int>(m.ascender >> 6);
      strike.descent = static_cast<int>(-m.descender >> 6);
      strike.height = strike.ascent + strike.descent;
      auto advances = std::make_shared<std::vector<int>>(face->num_glyphs, 0);
      for (FT_Long glyph = 0; glyph < face->num_glyphs; ++glyph) {
        if (FT_Load_Glyph(face.get(), static_cast<FT_UInt>(glyph), FT_LOAD_DEFAULT) != 0) continue;
        const int advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        (*advances)[static_cast<std::size_t>(glyph)] = advance;
        strike.maxAdvance = std::max(strike.maxAdvance, advance);
      }
      strike.advances = std::move(advances);
      info.strikes.push_back(std::move(strike));
    }
  }
  return info;
}

std::shared_ptr<ResolvedFont> FontSystem::Resolve(const LOGFONT& request) {
  auto key = KeyOf(request);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  // Programs make few distinct fonts; the table is only trimmed against runaway growth.
  if (fonts_.size() >= 256) fonts_.clear();
  auto font = Build(request);
  fonts_.emplace(std::move(key), font);
  return font;
}

// Longer than most: which face the request comes to decides how its height is read (a bitmap
// face's strikes, an outline face's em or cell), and both readings share the matched face.
std::shared_ptr<ResolvedFont> FontSystem::Build(const LOGFONT& request) {
  auto font = std::make_shared<ResolvedFont>();
  std::string family = request.faceName;
  const std::string folded = FoldCase(family);
  if (family.empty() || folded == "default") family = kDefaultFace;
  const int height = request.height == 0 ? kDefaultHeight : request.height;
  const int weight = request.weight <= 0 ? FW_NORMAL : std::clamp(request.weight, 100, 1000);

  // A fixed-pitch request for a face that is not installed gets a monospaced one.
  if ((request.pitchAndFamily & 3) == FIXED_PITCH) family += ",monospace";

  FontDescriptionPtr description(pango_font_description_new());
  pango_font_description_set_family(description.get(), family.c_str());
  pango_font_description_set_weight(description.get(), static_cast<PangoWeight>(weight));
  pango_font_description_set_style(description.get(),
                                   request.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(description.get(),
                                           std::abs(height) * static_cast<double>(PANGO_SCALE));

  // Which face the request comes to decides how the height is read.
  std::string path;
  int index = 0;
  if (GObjectPtr<PangoFont> probe{
          pango_font_map_load_font(fontMap_.get(), ltrContext_.get(), description.get())};
      probe && PANGO_IS_FC_FONT(probe.get())) {
    FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(probe.get()));
    FcChar8* file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) == FcResultMatch && file) {
      path = reinterpret_cast<const char*>(file);
    }
    FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
    FcChar8* matched = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &matched) == FcResultMatch && matched) {
      font->face.family = reinterpret_cast<const char*>(matched);
    }
  }
  const FaceFile& face = Face(path, index);
  font->face.file = path;
  font->face.bitmap = !face.scalable;

  TEXTMETRIC& tm = font->metrics;
  double pixelSize = 0;
  if (!face.scalable && !face.strikes.empty()) {
    // A bitmap face is used at one of its strikes: the one whose character height (the cell
    // without the internal leading, which is the strike's ascent) or, for a positive request,
    // whose cell height comes nearest, the smaller one on a tie.
    const Strike* best = nullptr;
    int bestDistance = 0;
    for (const Strike& strike : face.strikes) {
      const int distance =
          height < 0 ? std::abs(strike.ascent + height) : std::abs(strike.height - height);
      if (!best || distance < bestDistance ||
          (distance == bestDistance && strike.pixelSize < best->pixelSize)) {
        best = &strike;
        bestDistance = distance;
      }
    }
    pixelSize = best->pixelSize;
    tm.ascent = best->ascent;
    tm.descent = best->descent;
    tm.height = best->height;
    tm.internalLeading = best->height - best->ascent;
    tm.externalLeading = 0;
    tm.aveCharWidth = face.glyphX < best->advances->size() ? (*best->advances)[face.glyphX] : 0;
    if (tm.aveCharWidth == 0) tm.aveCharWidth = std::max(1, best->pixelSize * 2 / 5);
    tm.maxCharWidth = best->maxAdvance;
  } else {
    // An outline face: a negative height is the em size; a positive one the cell height, which
    // is the Windows ascent plus descent.
    const double em = face.unitsPerEm;
    const int cellUnits = std::max(1, face.winAscent + face.winDescent);
    pixelSize = height < 0 ? -height : static_cast<double>(height) * em / cellUnits;
    const double scale = pixelSize / em;
    tm.ascent = RoundToInt(face.winAscent * scale);
    tm.descent = height > 0 ? height - tm.ascent : RoundToInt(face.winDescent * scale);
    tm.height = tm.ascent + tm.descent;
    tm.internalLeading = std::max(0, tm.height - RoundToInt(pixelSize));
    const int gapUnits = face.hheaLineGap - (cellUnits - (face.hheaAscent - face.hheaDescent));
    tm.externalLeading = std::max(0, RoundToInt(gapUnits * scale));
    tm.aveCharWidth = std::max(1, RoundToInt(face.averageWidth * scale));
    tm.maxCharWidth = std::max(tm.aveCharWidth, RoundToInt(face.maxAdvance * scale));
  }
  tm.weight = weight;
  font->face.pixelSize = pixelSize;
  pango_font_description_set_absolute_size(description.get(), pixelSize * PANGO_SCALE);
  font->description = std::move(description);
  font->underline = request.underline;
  font->strikeOut = request.strikeOut;

  return font;
}

// Underline and strike-out strokes from the face's own figures, in whole pixels and kept inside
// the cell: the underline at least one row below the baseline.
std::pair<Stroke, Stroke> FontSystem::Strokes(const ResolvedFont& font) const {
  const TEXTMETRIC& tm = font.metrics;
  double underlinePosition = 0;
  double underlineThickness = 0;
  double strikePosition = 0;
  double strikeThickness = 0;
  if (GObjectPtr<PangoFont> loaded{
          pango_font_map_load_font(fontMap_.get(), ltrContext_.get(), font.description.get())}) {
    if (PangoFontMetrics* m = pango_font_get_metrics(loaded.get(), nullptr)) {
      underlinePosition = -pango_font_metrics_get_underline_position(m) / double(PANGO_SCALE);
      underlineThickness = pango_font_metrics_get_underline_thickness(m) / double(PANGO_SCALE);
      strikePosition = pango_font_metrics_get_strikethrough_position(m) / double(PANGO_SCALE);
      strikeThickness = pango_font_metrics_get_strikethrough_thickness(m) / double(PANGO_SCALE);
      pango_font_metrics_unref(m);
    }
  }
  Stroke under;
  under.thickness = std::clamp(RoundToInt(underlineThickness), 1, std::max(1, tm.descent));
  under.offset =
      std::clamp(RoundToInt(underlinePosition), 1, std::max(1, tm.descent - under.thickness));
  Stroke strike;
  strike.thickness = std::clamp(RoundToInt(strikeThickness), 1, std::max(1, tm.ascent / 4));
  const int strikeRise = strikePosition > 0 ? RoundToInt(strikePosition) : tm.ascent / 3;
  strike.offset = -std::clamp(strikeRise, strike.thickness, std::max(1, tm.ascent));
  return {under, strike};
}

const std::pair<Stroke, Stroke>& ResolvedFont::Strokes() const {
  if (!strokes_) strokes_ = FontSystem::Instance().Strokes(*this);
  return *strokes_;
}

// ---- Strike advances for bitmap-only faces

struct StrikeAdvances {
  std::shared_ptr<const std::vector<int>> advances;
  int pixelSize = 1;
  int extra = 0;  // emboldened faces are one pixel wider per glyph
};

hb_position_t StrikeAdvance(hb_font_t* font, void* data, hb_codepoint_t glyph, void*) {
  const auto& strike = *static_cast<const StrikeAdvances*>(data);
  if (glyph >= strike.advances->size()) return 0;
  int xScale = 0;
  int yScale = 0;
  hb_font_get_scale(font, &xScale, &yScale);
  const std::int64_t pixels = (*strike.advances)[glyph] + strike.extra;
  return static_cast<hb_position_t>(pixels * xScale / strike.pixelSize);
}

hb_font_funcs_t* StrikeFuncs() {
  static hb_font_funcs_t* const funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_glyph_h_advance_func(f, StrikeAdvance, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

hb_font_t* CreateHbFont(PangoFont* font) {
  hb_font_t* base = g_pangoCreateHbFont(font);
  if (!PANGO_IS_FC_FONT(font)) return base;
  FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(font));
  FcBool scalable = FcTrue;
  FcChar8* file = nullptr;
  if (FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable) != FcResultMatch || scalable ||
      FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch || !file) {
    return base;
  }
  int index = 0;
  FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
  double pixelSize = 0;
  FcPatternGetDouble(pattern, FC_PIXEL_SIZE, 0, &pixelSize);
  FcBool embolden = FcFalse;
  FcPatternGetBool(pattern, FC_EMBOLDEN, 0, &embolden);
  const FaceFile& face = FontSystem::Instance().Face(reinterpret_cast<const char*>(file), index);
  const Strike* strike = nullptr;
  for (const Strike& s : face.strikes) {
    if (s.pixelSize == RoundToInt(pixelSize)) strike = &s;
  }
  if (!strike) return base;
  auto* data = new StrikeAdvances{strike->advances, strike->pixelSize, embolden ? 1 : 0};
  hb_font_t* sized = hb_font_create_sub_font(base);
  hb_font_destroy(base);
  hb_font_set_funcs(sized, StrikeFuncs(), data,
                    [](void* p) { delete static_cast<StrikeAdvances*>(p); });
  return sized;
}

// ---- Laying out

// The text as drawn: "&&" becomes "&", a single "&" is dropped and the character after it is
// the accelerator (its byte range is recorded), unless prefixes are off. A Pango layout ends its
// text at a NUL, so a NUL shows as the replacement character and the rest of the text stays.
struct DisplayText {
  std::string utf8;
  std::vector<std::pair<int, int>> accelerators;
};

DisplayText MakeDisplayText(std::u16string_view text, unsigned flags) {
  std::string utf8;
  for (const char c : sys::WideToUtf8(text)) {
    if (c == '\0') {
      utf8 += "\xEF\xBF\xBD";  // U+FFFD
    } else {
      utf8.push_back(c);
    }
  }
  DisplayText out;
  out.utf8.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    char c = utf8[i];
    if (c == '&' && !(flags & DT_NOPREFIX)) {
      if (++i >= utf8.size()) break;
      c = utf8[i];
      if (c != '&') {
        const int start = static_cast<int>(out.utf8.size());
        std::size_t end = i + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        out.utf8.append(utf8, i, end - i);
        out.accelerators.emplace_back(start, static_cast<int>(out.utf8.size()));
        i = end - 1;
        continue;
      }
    }
    // On a single line, line breaks are only blanks.
    if ((flags & DT_SINGLELINE) && (c == '\r' || c == '\n')) c = ' ';
    out.utf8.push_back(c);
  }
  return out;
}

std::shared_ptr<const PreparedText> ResolvedFont::Prepare(std::u16string_view text, unsigned flags,
                                                          int wrapWidth) {
  flags &= kLayoutFlags;
  const bool wraps = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
  PreparedKey key{std::u16string(text), flags, wraps ? std::max(wrapWidth, 1) : 0};
  if (auto it = index_.find(key); it != index_.end()) {
    recent_.splice(recent_.begin(), recent_, it->second);
    return it->second->second;
  }

  auto prepared = std::make_shared<PreparedText>();
  if (!text.empty()) {
    const DisplayText display = MakeDisplayText(text, flags);
    PangoContext* context = FontSystem::Instance().Context(flags & DT_RTLREADING);
    prepared->layout.reset(pango_layout_new(context));
    PangoLayout* layout = prepared->layout.get();
    pango_layout_set_auto_dir(layout, FALSE);
    pango_layout_set_font_description(layout, description.get());
    pango_layout_set_single_paragraph_mode(layout, (flags & DT_SINGLELINE) != 0);
    if (wraps) {
      pango_layout_set_width(layout, key.wrapWidth * PANGO_SCALE);
      pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    if (flags & DT_EXPANDTABS) {
      // Tab stops every eight average character widths.
      TabArrayPtr tabs(
          pango_tab_array_new_with_positions(1, TRUE, PANGO_TAB_LEFT, 8 * metrics.aveCharWidth));
      pango_layout_set_tabs(layout, tabs.get());
    }
    pango_layout_set_text(layout, display.utf8.data(), static_cast<int>(display.utf8.size()));

    for (GSList* item = pango_layout_get_lines_readonly(layout); item; item = item->next) {
      LineInfo info;
      info.line = static_cast<PangoLayoutLine*>(item->data);
      PangoRectangle logical{};
      pango_layout_line_get_pixel_extents(info.line, &info.ink, &logical);
      info.width = logical.width;
      info.logicalX = logical.x;
      prepared->width = std::max(prepared->width, info.width);
      prepared->lines.push_back(std::move(info));
    }
    // Accelerators: the span between the character's two edges, on its line.
    for (const auto& [start, end] : display.accelerators) {
      int lineIndex = 0;
      int leading = 0;
      int trailing = 0;
      pango_layout_index_to_line_x(layout, start, FALSE, &lineIndex, &leading);
      pango_layout_index_to_line_x(layout, start, TRUE, &lineIndex, &trailing);
      if (lineIndex < 0 || lineIndex >= static_cast<int>(prepared->lines.size())) continue;
      const int a = PANGO_PIXELS(std::min(leading, trailing));
      const int b = PANGO_PIXELS(std::max(leading, trailing));
      if (b > a)
        prepared->lines[static_cast<std::size_t>(lineIndex)].accelerators.emplace_back(a, b);
    }
  }

  recent_.emplace_front(key, prepared);
  index_.emplace(std::move(key), recent_.begin());
  if (recent_.size() > kCacheSize) {
    index_.erase(recent_.back().first);
    recent_.pop_back();
  }
  return prepared;
}

}  // namespace text_detail

struct FontResolution {
  std::shared_ptr<text_detail::ResolvedFont> font;
};

Font::Font(LOGFONT request) : GdiObject(ObjectKind::Font), request(std::move(request)) {}
Font::~Font() = default;

using namespace text_detail;

namespace {

ResolvedFont& ResolvedOf(Font& font) {
  if (!font.resolved) {
    font.resolved = std::make_unique<FontResolution>();
    font.resolved->font = FontSystem::Instance().Resolve(font.request);
  }
  return *font.resolved->font;
}

// The font a context draws with: the selected one, or the default face when none is.
ResolvedFont& FontOf(const DeviceContext& dc) {
  if (dc.state.font) return ResolvedOf(*dc.state.font);
  static const std::shared_ptr<ResolvedFont> fallback = [] {
    LOGFONT request;
    request.height = kDefaultHeight;
    request.faceName = kDefaultFace;
    return FontSystem::Instance().Resolve(request);
  }();
  return *fallback;
}

// ---- Drawing

int Luminance(COLORREF c) {
  return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
}

void FillArea(const DeviceContext& dc, Bitmap& target, const RECT& area, COLORREF color) {
  const std::uint32_t pixel = PixelOf(color);
  const bool bit = Luminance(color) >= 128;
  dc.ForEachVisible(area, [&](const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y) {
      if (target.bitsPerPixel == 32) {
        std::fill(target.Pixels32(y) + r.left, target.Pixels32(y) + r.right, pixel);
      } else {
        for (int x = r.left; x < r.right; ++x) target.SetBit(x, y, bit);
      }
    }
  });
}

// Blends `mask` (coverage of the device rectangle `box`) in `color` into the part `area` of the
// target, where the context may draw.
void BlendMask(const DeviceContext& dc, Bitmap& target, const LineMask& mask, const RECT& box,
               const RECT& area, COLORREF color) {
  const int red = GetRValue(color);
  const int green = GetGValue(color);
  const int blue = GetBValue(color);
  const auto solid = static_cast<std::uint32_t>(blue | (green << 8) | (red << 16));
  const bool bit = Luminance(color) >= 128;
  dc.ForEachVisible(area, [&](const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y) {
      const std::uint8_t* coverage =
          mask.coverage.data() + static_cast<std::ptrdiff_t>(y - box.top) * mask.stride - box.left;
      if (target.bitsPerPixel != 32) {
        for (int x = r.left; x < r.right; ++x) {
          if (coverage[x] >= 128) target.SetBit(x, y, bit);
        }
        continue;
      }
      std::uint32_t* row = target.Pixels32(y);
      for (int x = r.left; x < r.right; ++x) {
        const int a = coverage[x];
        if (a == 0) continue;
        std::uint32_t& p = row[x];
        if (a == 255) {
          p = solid;
          continue;
        }
        const auto mix = [a](int dst, int src) { return (src * a + dst * (255 - a) + 127) / 255; };
        const int b = mix(static_cast<int>(p & 0xFF), blue);
        const int g = mix(static_cast<int>((p >> 8) & 0xFF), green);
        const int rr = mix(static_cast<int>((p >> 16) & 0xFF), red);
        p = static_cast<std::uint32_t>(b | (g << 8) | (rr << 16));
      }
    }
  });
}

// Where a line's pixels may fall, relative to its cell: the cell, widened to the ink the shaper
// reports and a little more, since bitmap strikes, synthetic bold and slanted glyphs may reach
// past that.
RECT MaskBox(const ResolvedFont& font, const LineInfo& line) {
  const TEXTMETRIC& tm = font.metrics;
  const RECT cell{0, 0, line.width, tm.height};
  const int inkLeft = line.ink.x - line.logicalX;
  const int inkTop = tm.ascent + line.ink.y;
  const int margin = tm.height / 4 + 2;
  const RECT box =
      cell.Union(RECT{inkLeft, inkTop, inkLeft + line.ink.width, inkTop + line.ink.height});
  return {box.left - margin, box.top - 2, box.right + margin, box.bottom + 2};
}

// Renders a line (glyphs, the font's underline and strike-out, accelerator marks) into its mask.
const LineMask& MaskOf(const ResolvedFont& font, const LineInfo& line) {
  if (line.mask) return *line.mask;
  auto mask = std::make_unique<LineMask>();
  const TEXTMETRIC& tm = font.metrics;
  mask->box = MaskBox(font, line);
  const int width = mask->box.Width();
  const int height = mask->box.Height();
  mask->stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, width);
  mask->coverage.assign(static_cast<std::size_t>(mask->stride) * height, 0);
  {
    SurfacePtr surface(cairo_image_surface_create_for_data(mask->coverage.data(), CAIRO_FORMAT_A8,
                                                           width, height, mask->stride));
    CairoPtr cr(cairo_create(surface.get()));
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 1);
    const int left = -mask->box.left;  // the cell's left end
    const int originX = left - line.logicalX;
    const int baseline = tm.ascent - mask->box.top;
    cairo_move_to(cr.get(), originX, baseline);
    pango_cairo_show_layout_line(cr.get(), line.line);
    const auto stroke = [&](const Stroke& s, int from, int to) {
      cairo_rectangle(cr.get(), from, baseline + s.offset, to - from, s.thickness);
    };
    if (font.underline) stroke(font.UnderlineStroke(), left, left + line.width);
    if (font.strikeOut) stroke(font.StrikeStroke(), left, left + line.width);
    if (!font.underline) {
      for (const auto& [a, b] : line.accelerators)
        stroke(font.UnderlineStroke(), originX + a, originX + b);
    }
    cairo_fill(cr.get());
    cairo_surface_flush(surface.get());
  }
  line.mask = std::move(mask);
  return *line.mask;
}

int DrawPrepared(DeviceContext& dc, ResolvedFont& font, std::u16string_view text, RECT& rect,
                 unsigned format) {
  const auto prepared = font.Prepare(text, format, rect.Width());
  const int lineHeight = font.metrics.height;
  const int textHeight = static_cast<int>(prepared->lines.size()) * lineHeight;

  if (format & DT_CALCRECT) {
    rect.right = rect.left + prepared->width;
    rect.bottom = rect.top + textHeight;
    return textHeight;
  }

  int top = rect.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      top = rect.top + (rect.Height() - textHeight) / 2;
    } else if (format & DT_BOTTOM) {
      top = rect.bottom - textHeight;
    }
  }
  const int result = top - rect.top + textHeight;
  Bitmap* target = dc.Target();
  if (!target || prepared->lines.empty()) return result;

  const RECT bounds{0, 0, target->width, target->height};
  const RECT clip = (format & DT_NOCLIP) ? bounds : bounds.Intersect(dc.ToDevice(rect));
  if (clip.Empty()) return result;

  // Each line's cell: left end by the alignment, one cell height below the one before.
  std::vector<POINT> cells;
  cells.reserve(prepared->lines.size());
  for (std::size_t i = 0; i < prepared->lines.size(); ++i) {
    const int width = prepared->lines[i].width;
    int x = rect.left;
    if (format & DT_CENTER) {
      x = rect.left + (rect.Width() - width) / 2;
    } else if (format & DT_RIGHT) {
      x = rect.right - width;
    }
    cells.push_back(dc.ToDevice(POINT{x, top + static_cast<int>(i) * lineHeight}));
  }

  if (dc.state.bkMode == OPAQUE) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const RECT cell{cells[i].x, cells[i].y, cells[i].x + prepared->lines[i].width,
                      cells[i].y + lineHeight};
      const RECT area = cell.Intersect(clip);
      if (!area.Empty()) FillArea(dc, *target, area, dc.state.bkColor);
    }
  }

  for (std::size_t i = 0; i < cells.size(); ++i) {
    const LineInfo& line = prepared->lines[i];
    const RECT relative = line.mask ? line.mask->box : MaskBox(font, line);
    const RECT box{cells[i].x + relative.left, cells[i].y + relative.top,
                   cells[i].x + relative.right, cells[i].y + relative.bottom};
    const RECT area = box.Intersect(clip);
    if (area.Empty()) continue;  // lines wholly outside are not even rendered
    BlendMask(dc, *target, MaskOf(font, line), box, area, dc.state.textColor);
  }
  return result;
}

}  // namespace

// ---- Interface

HFONT CreateFontIndirect(const LOGFONT& font) {
  return Typed<HFONT>(AddObject(std::make_unique<Font>(font)));
}

bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  metrics = FontOf(*context).metrics;
  return true;
}

bool GetTextExtentPoint32W(HDC dc, std::u16string_view text, SIZE& size) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  ResolvedFont& font = FontOf(*context);
  const auto prepared = font.Prepare(text, DT_SINGLELINE | DT_NOPREFIX, 0);
  size = {prepared->width, font.metrics.height};
  return true;
}

bool GetTextExtentPoint32A(HDC dc, std::string_view text, SIZE& size) {
  return GetTextExtentPoint32W(dc, sys::NarrowToWide(text), size);
}

int DrawTextW(HDC dc, std::u16string_view text, RECT& rect, unsigned format) {
  DeviceContext* context = AsDc(dc);
  if (!context) return 0;
  return DrawPrepared(*context, FontOf(*context), text, rect, format);
}

int DrawTextA(HDC dc, std::string_view text, RECT& rect, unsigned format) {
  return DrawTextW(dc, sys::NarrowToWide(text), rect, format);
}

SIZE MeasureText(const LOGFONT& font, std::u16string_view text, unsigned format, int width) {
  auto resolved = FontSystem::Instance().Resolve(font);
  const auto prepared = resolved->Prepare(text, format, width);
  return {prepared->width, static_cast<int>(prepared->lines.size()) * resolved->metrics.height};
}

void PrepareFonts() {
  // Joined at exit, so that the process never ends while the configuration is being read.
  static std::jthread worker([] { FontSystem::Instance(); });
}

TEXTMETRIC GetFontMetrics(const LOGFONT& font) {
  return FontSystem::Instance().Resolve(font)->metrics;
}

FontFaceInfo DescribeFont(const LOGFONT& font) {
  return FontSystem::Instance().Resolve(font)->face;
}

}  // namespace pw::gfx

// Fontconfig holds the parts of a pattern as offsets from the pattern instead of pointers, so the
// leak checker cannot follow them from the font caches that keep the patterns alive and reports
// every cached pattern as lost. Every executable that draws text carries this suppression.
#if defined(__SANITIZE_ADDRESS__)
#define PW_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PW_LEAK_CHECKED 1
#endif
#endif
#ifdef PW_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
