#pragma once
// One run's graphics state: the handle tables of bitmaps, pens, brushes, fonts and device
// contexts, the stock objects, and a store for the caches that hold such handles. While a
// context is alive, handles are made in and looked up in it; when it goes, all its objects go.
// The platform context (win/PlatformContext.h) makes one; a process that never makes one gets
// one on first use.

#include <memory>

#include "platform/sys/ContextStore.h"

namespace pw::gfx {

struct GdiTables;

class GdiContext {
 public:
  GdiContext();
  ~GdiContext();
  GdiContext(const GdiContext&) = delete;
  GdiContext& operator=(const GdiContext&) = delete;

  // Live objects and device contexts (stock objects included).
  std::size_t ObjectCount() const;

 private:
  std::unique_ptr<GdiTables> tables_;
  GdiContext* outer_ = nullptr;
  // Made after the tables and gone before them: caches of handles die with the handles.
  std::unique_ptr<sys::ContextStore> store_;
  friend GdiTables& Tables();
};

}  // namespace pw::gfx
