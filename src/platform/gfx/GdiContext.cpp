#include "platform/gfx/GdiContext.h"

#include <map>
#include <tuple>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Text.h"

namespace pw::gfx {
namespace {

GdiContext*& Innermost() {
  static GdiContext* context = nullptr;
  return context;
}

auto FontKey(const LOGFONT& f) {
  return std::make_tuple(f.height, f.width, f.escapement, f.orientation, f.weight, f.italic,
                         f.underline, f.strikeOut, f.charSet, f.pitchAndFamily, f.faceName);
}

struct SharedObjects {
  std::map<COLORREF, HBRUSH> brushes;
  std::map<decltype(FontKey(LOGFONT{})), HFONT> fonts;
};

// Marks a shared object like a stock one, so that DeleteObject leaves it alone.
template <typename Handle>
Handle Shared(Handle handle) {
  if (GdiObject* object = Tables().objects.Find(handle.Slot(), handle.Generation()))
    object->stock = true;
  return handle;
}

}  // namespace

HBRUSH SharedSolidBrush(COLORREF color) {
  auto& brushes = sys::ContextLocal<SharedObjects>().brushes;
  auto [it, added] = brushes.try_emplace(color & 0xFFFFFF, nullptr);
  if (added) it->second = Shared(CreateSolidBrush(color));
  return it->second;
}

HFONT SharedFont(const LOGFONT& font) {
  auto& fonts = sys::ContextLocal<SharedObjects>().fonts;
  auto [it, added] = fonts.try_emplace(FontKey(font), nullptr);
  if (added) it->second = Shared(CreateFontIndirect(font));
  return it->second;
}

GdiContext::GdiContext()
    : tables_(std::make_unique<GdiTables>()),
      outer_(Innermost()),
      store_(std::make_unique<sys::ContextStore>()) {
  Innermost() = this;
}

GdiContext::~GdiContext() {
  store_.reset();
  // Contexts first: they hold objects selected.
  tables_->contexts.Clear();
  tables_->objects.Clear();
  if (Innermost() == this) Innermost() = outer_;
}

std::size_t GdiContext::ObjectCount() const {
  return tables_->objects.live + tables_->contexts.live;
}

GdiTables& Tables() {
  if (Innermost() == nullptr) {
    // For a process that never made one: kept to its end (objects may be released by static
    // destructors of other parts).
    static GdiContext* const process = new GdiContext;
    (void)process;
  }
  return *Innermost()->tables_;
}

}  // namespace pw::gfx
