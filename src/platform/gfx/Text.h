#pragma once
// Fonts and text on device contexts: fonts resolved through fontconfig, shaped and laid out with
// Pango (right-to-left scripts included), drawn in the context's text colour onto its surface.
// Like the rest of the graphics stand-in, for use from one thread.

#include <string>
#include <string_view>

#include "platform/gfx/Gdi.h"

namespace pw::gfx {

// A font by face name, signed height, weight, italic, underline, strike-out and pitch (the
// character set, width, escapement and orientation are not used). The faces "MS Sans Serif" and
// "Tahoma" (the wine fonts), "Titr" and "Times New Roman" resolve to real faces ("Default" is
// "MS Sans Serif"); others fall back to a sans-serif face, or a monospaced one for FIXED_PITCH.
// A negative height is the character height (the em), a positive one the cell height; the
// bitmap face "MS Sans Serif" comes in its nearest strike (13, 16 or 20 pixels).
HFONT CreateFontIndirect(const LOGFONT& font);
// A font shared by everyone who asks for that request, owned by the current graphics context
// (GdiContext.h) and gone with it; DeleteObject leaves it alone.
HFONT SharedFont(const LOGFONT& font);

// Metrics of the font selected into the context ("MS Sans Serif" at 8 points when none is).
bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics);
// The extent of one line of text: its advance width and the font's height.
bool GetTextExtentPoint32A(HDC dc, std::string_view text, SIZE& size);  // process code page
bool GetTextExtentPoint32W(HDC dc, std::u16string_view text, SIZE& size);

// Draws (or, with DT_CALCRECT, measures into `rect`) text in `rect` with the selected font, the
// text colour, and the background colour where the background mode is OPAQUE. Returns the height
// of the text. Flags: DT_LEFT, DT_CENTER, DT_RIGHT, DT_VCENTER (single line), DT_BOTTOM,
// DT_WORDBREAK, DT_SINGLELINE, DT_EXPANDTABS, DT_NOCLIP, DT_CALCRECT, DT_NOPREFIX (else "&" marks
// the next character as the accelerator, underlined, and "&&" draws one "&"), DT_RTLREADING.
// With DT_VCENTER or DT_BOTTOM on a single line the result is the distance from the rectangle's
// top to the bottom of the text.
int DrawTextA(HDC dc, std::string_view text, RECT& rect, unsigned format);  // process code page
int DrawTextW(HDC dc, std::u16string_view text, RECT& rect, unsigned format);

// ---- Without a device context

// The extent DrawTextW with DT_CALCRECT and `format` gives `text` in `font`, in a rectangle
// `width` wide (which matters only with DT_WORDBREAK): the widest line and the height of all
// lines. An empty text measures 0 x 0.
SIZE MeasureText(const LOGFONT& font, std::u16string_view text,
                 unsigned format = DT_SINGLELINE | DT_NOPREFIX, int width = 0);
// Starts reading the font configuration on a worker thread, so that the first text measured
// finds it ready; optional (everything here reads it on first use otherwise).
void PrepareFonts();

// The metrics GetTextMetrics reports for `font` once selected.
TEXTMETRIC GetFontMetrics(const LOGFONT& font);

// The face a request comes to, for diagnostics.
struct FontFaceInfo {
  std::string family;  // as the face names itself
  std::string file;
  double pixelSize = 0;  // the size it is used at (pixels per em)
  bool bitmap = false;   // a face of fixed sizes only
};
FontFaceInfo DescribeFont(const LOGFONT& font);

}  // namespace pw::gfx
