// Windows behind handles: classes, creation and destruction, the default procedure, attributes,
// z-order, positions, visibility, enabling, focus, activation and capture.

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/win/NativeClasses.h"
#include "platform/win/WindowObjects.h"

namespace pw::win {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::shared_ptr<const WindowClass> FindClass(std::string_view name) {
  // The native control classes exist before any name is looked up.
  if (!State().nativeRegistered) {
    State().nativeRegistered = true;
    RegisterNativeClasses();
  }
  for (const auto& c : State().classes)
    if (SameName(c->name, name)) return c;
  return nullptr;
}

std::vector<HWND>& Siblings(Window& w) {
  return w.parent ? w.parent->children : State().topLevels;
}

// Topmost windows stay above the others among top-level windows.
void PlaceTopLevel(HWND window, std::vector<HWND>& list, bool top) {
  std::erase(list, window);
  const bool topmost = (window->exStyle & WS_EX_TOPMOST) != 0;
  auto isTopmost = [](HWND w) { return (w->exStyle & WS_EX_TOPMOST) != 0; };
  if (top) {
    auto at = topmost ? list.begin() : std::find_if_not(list.begin(), list.end(), isTopmost);
    list.insert(at, window);
  } else {
    auto at = topmost ? std::find_if_not(list.begin(), list.end(), isTopmost) : list.end();
    list.insert(at, window);
  }
}

void NotifyBackend(HWND window) {
  if (!window->IsChildWindow() && State().backend) State().backend->WindowChanged(window);
}

// The area a window covers in its parent's client area (children) — for invalidation when it
// moves or hides.
void ExposeInParent(HWND window) {
  if (window->IsChildWindow() && window->parent)
    InvalidateArea(window->parent, window->rect, true, true);
}

void ShowFlagChange(HWND window, bool show) {
  const bool wasVisible = (window->style & WS_VISIBLE) != 0;
  if (wasVisible == show) return;
  SendMessage(window, WM_SHOWWINDOW, show ? 1 : 0, 0);
  if (!Live(window)) return;
  if (show) {
    window->style |= WS_VISIBLE;
    InvalidateArea(window, ClientBox(*window), true, true);
  } else {
    ExposeInParent(window);
    window->style &= ~WS_VISIBLE;
  }
  NotifyBackend(window);
}

void DestroyTree(HWND window) {
  auto& s = State();
  window->destroying = true;
  SendMessage(window, WM_DESTROY);
  // Owned top-level windows go with their owner.
  if (!window->IsChildWindow()) {
    for (HWND owned : std::vector<HWND>(s.topLevels))
      if (Live(owned) && owned->owner == window && !owned->destroying) DestroyTree(owned);
  }
  for (HWND child : std::vector<HWND>(window->children))
    if (Live(child) && !child->destroying) DestroyTree(child);
  SendMessage(window, WM_NCDESTROY);

  if (s.focus == window) s.focus = nullptr;
  if (s.capture == window) s.capture = nullptr;
  if (s.keyboardGrab == window) s.keyboardGrab = nullptr;
  if (s.active == window) s.active = nullptr;
  if (s.lastClickWindow == window) s.lastClickValid = false;
  std::erase_if(s.timers, [window](const Timer& t) { return t.window == window; });
  for (WindowSlot& slot : s.slots)
    if (slot.window && slot.window->lastFocus == window) slot.window->lastFocus = nullptr;
  if (window->parent) std::erase(window->parent->children, window);
  std::erase(s.topLevels, window);
  if (!window->IsChildWindow() && s.backend) s.backend->WindowDestroyed(window);
  WindowSlot& slot = s.slots[window.Slot()];
  if (slot.live) {
    slot.live = false;
    s.destroyed.push_back(window.Slot());
  }
}

// The slot of the table's handle, or null when the handle is not of this table.
WindowSlot* SlotOf(HWND window) {
  auto& slots = State().slots;
  if (!window || window.Slot() >= slots.size()) return nullptr;
  WindowSlot& slot = slots[window.Slot()];
  return slot.generation == window.Generation() ? &slot : nullptr;
}

HWND NewWindow(std::unique_ptr<Window> object) {
  auto& s = State();
  std::uint32_t index;
  if (s.freeSlots.empty()) {
    index = static_cast<std::uint32_t>(s.slots.size());
    s.slots.emplace_back();
  } else {
    index = s.freeSlots.back();
    s.freeSlots.pop_back();
  }
  WindowSlot& slot = s.slots[index];
  slot.window = std::move(object);
  slot.live = true;
  return {index, slot.generation};
}

}  // namespace

Window::~Window() {
  if (surface) gfx::DeleteObject(surface);
}

Window* WindowHandle::operator->() const {
  WindowSlot* slot = SlotOf(*this);
  return slot ? slot->window.get() : nullptr;
}

Window* Live(HWND window) {
  WindowSlot* slot = SlotOf(window);
  return slot && slot->live ? slot->window.get() : nullptr;
}

void FreeDestroyedWindows() {
  auto& s = State();
  while (!s.destroyed.empty()) {
    // A freed window's class data may destroy further windows; those wait for the next round.
    std::vector<std::uint32_t> batch;
    batch.swap(s.destroyed);
    for (std::uint32_t index : batch) {
      std::unique_ptr<Window> object = std::move(s.slots[index].window);
      // The generation moves on first: nothing reaches the window while it is freed.
      if (++s.slots[index].generation == 0) s.slots[index].generation = 1;
      object.reset();
      s.freeSlots.push_back(index);
    }
  }
}

Backend& CurrentBackend() {
  return *State().backend;
}

// ---- Classes

bool RegisterClass(const WindowClass& windowClass) {
  if (windowClass.name.empty() || FindClass(windowClass.name)) return false;
  State().classes.push_back(std::make_shared<const WindowClass>(windowClass));
  return true;
}

bool IsClassRegistered(std::string_view name) {
  return FindClass(name) != nullptr;
}

// ---- Message box

int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned flags) {
  return CurrentBackend().ShowMessageBox(owner, text, caption, flags);
}

// ---- Creation and destruction

HWND CreateWindowEx(std::uint32_t exStyle, std::string_view className, std::string_view text,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent, int id) {
  auto& s = State();
  auto windowClass = FindClass(className);
  if (!windowClass) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && !Live(parent)) return nullptr;
  if (parent && !Live(parent)) return nullptr;

  const HWND window = NewWindow(std::make_unique<Window>());
  window->windowClass = windowClass;
  window->proc = std::make_shared<const WindowProc>(windowClass->proc);
  window->style = style & ~WS_VISIBLE;
  window->exStyle = exStyle;
  window->id = id;
  window->text = std::string(text);
  window->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  if (child) {
    window->parent = parent;
    parent->children.insert(parent->children.begin(), window);
  } else {
    window->owner = parent ? GetAncestorRoot(parent) : nullptr;
    PlaceTopLevel(window, s.topLevels, true);
  }
  if (!child) {
    ResizeSurface(window);
    s.backend->WindowCreated(window);
  }

  if (SendMessage(window, WM_CREATE) == -1) {
    if (Live(window)) DestroyWindow(window);
    return nullptr;
  }
  if (!Live(window)) return nullptr;
  const RECT client = ClientRect(*window);
  SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
  if (!Live(window)) return nullptr;
  POINT origin{client.left, client.top};
  if (child) {
    origin = {window->rect.left, window->rect.top};
  } else {
    origin = {window->rect.left + client.left, window->rect.top + client.top};
  }
  SendMessage(window, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  if (!Live(window)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(window, SW_SHOW);
  return Live(window) ? window : nullptr;
}

bool DestroyWindow(HWND window) {
  auto& s = State();
  if (!Live(window) || window->destroying) return false;
  if (window->style & WS_VISIBLE) {
    if (window->IsChildWindow()) {
      ExposeInParent(window);
      window->style &= ~WS_VISIBLE;
    } else {
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (!Live(window)) return true;
    }
  }
  const bool wasActive = s.active == window || IsChild(window, s.active);
  if (s.focus && (s.focus == window || IsChild(window, s.focus))) {
    HWND old = s.focus;
    s.focus = nullptr;
    SendMessage(old, WM_KILLFOCUS, 0);
  }
  if (s.capture && (s.capture == window || IsChild(window, s.capture))) ReleaseCapture();
  if (!Live(window)) return true;
  DestroyTree(window);
  if (wasActive) {
    s.active = nullptr;
    ActivateNext(nullptr);
  }
  return true;
}

bool IsWindow(HWND window) {
  return Live(window) != nullptr;
}

// ---- Procedures

LRESULT DefWindowProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window)) return 0;
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(GetAncestorRoot(window), WM_CLOSE);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (LPARAM{1} << 29))) {
        HWND root = GetAncestorRoot(window);
        SendMessage(root, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SETTEXT:
      window->text = lParam ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
      NotifyBackend(window);
      return 1;
    case WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      const std::size_t n = std::min<std::size_t>(window->text.size(), wParam - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), window->text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_ERASEBKGND: {
      gfx::HBRUSH brush = window->windowClass->background;
      if (!brush) return 0;
      gfx::FillRect(HDC::FromValue(wParam), ClientBox(*window), brush);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, paint);
      EndPaint(window, paint);
      return 0;
    }
    case WM_SETREDRAW:
      window->redraw = wParam != 0;
      return 0;
    case WM_MOUSEACTIVATE:
      if (window->IsChildWindow() && window->parent) {
        LRESULT answer = SendMessage(window->parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (answer) return answer;
      }
      return MA_ACTIVATE;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!pos) return 0;
      const RECT client = ClientRect(*window);
      if (!(pos->flags & SWP_NOCLIENTMOVE)) {
        POINT origin{window->rect.left + (window->IsChildWindow() ? 0 : client.left),
                     window->rect.top + (window->IsChildWindow() ? 0 : client.top)};
        SendMessage(window, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
      }
      if (!(pos->flags & SWP_NOCLIENTSIZE) && Live(window))
        SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
      return 0;
    }
    case WM_CANCELMODE:
      if (State().capture == window) ReleaseCapture();
      return 0;
    case WM_GETDLGCODE:
      return 0;
    default:
      return 0;
  }
}

WindowProc SetWindowProc(HWND window, WindowProc proc) {
  if (!Live(window)) return {};
  WindowProc previous = *window->proc;
  window->proc = std::make_shared<const WindowProc>(std::move(proc));
  return previous;
}

LRESULT CallWindowProc(const WindowProc& proc, HWND window, unsigned message, WPARAM wParam,
                       LPARAM lParam) {
  if (!proc) return DefWindowProc(window, message, wParam, lParam);
  return proc(window, message, wParam, lParam);
}

// ---- Per-window data

WindowData* GetWindowData(HWND window) {
  const Window* w = Live(window);
  return w ? w->data.get() : nullptr;
}

WindowData* SetWindowData(HWND window, std::unique_ptr<WindowData> data) {
  Window* w = Live(window);
  if (!w || w->data) return nullptr;
  w->data = std::move(data);
  return w->data.get();
}

// ---- Attributes

HWND GetParent(HWND window) {
  if (!Live(window)) return nullptr;
  return window->IsChildWindow() ? window->parent : window->owner;
}

HWND GetAncestorRoot(HWND window) {
  if (!Live(window)) return nullptr;
  while (window->IsChildWindow() && window->parent) window = window->parent;
  return window;
}

bool IsChild(HWND parent, HWND window) {
  if (!Live(parent) || !Live(window)) return false;
  while (window->IsChildWindow() && window->parent) {
    window = window->parent;
    if (window == parent) return true;
  }
  return false;
}

std::intptr_t GetWindowLong(HWND window, int index) {
  if (!Live(window)) return 0;
  switch (index) {
    case GWL_STYLE:
      return window->style;
    case GWL_EXSTYLE:
      return window->exStyle;
    case GWL_ID:
      return window->id;
    default:
      return 0;
  }
}

std::intptr_t SetWindowLong(HWND window, int index, std::intptr_t value) {
  if (!Live(window)) return 0;
  std::intptr_t previous = GetWindowLong(window, index);
  switch (index) {
    case GWL_STYLE: {
      // The child bit cannot change after creation.
      const std::uint32_t keep = window->style & WS_CHILD;
      window->style = (static_cast<std::uint32_t>(value) & ~WS_CHILD) | keep;
      break;
    }
    case GWL_EXSTYLE:
      window->exStyle = static_cast<std::uint32_t>(value);
      break;
    case GWL_ID:
      window->id = static_cast<int>(value);
      break;
    default:
      return 0;
  }
  NotifyBackend(window);
  return previous;
}

std::string GetClassName(HWND window) {
  return Live(window) ? window->windowClass->name : std::string();
}

bool SetWindowIcon(HWND window, std::vector<gfx::HBITMAP> images) {
  if (!Live(window)) return false;
  window->icon = std::move(images);
  NotifyBackend(window);
  return true;
}

std::vector<gfx::HBITMAP> GetWindowIcon(HWND window) {
  return Live(window) ? window->icon : std::vector<gfx::HBITMAP>();
}

bool SetWindowText(HWND window, std::string_view text) {
  if (!Live(window)) return false;
  const std::string copy(text);
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str())) != 0;
}

std::string GetWindowText(HWND window) {
  if (!Live(window)) return {};
  const auto length = SendMessage(window, WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      SendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

HWND GetWindow(HWND window, unsigned relation) {
  if (!Live(window)) return nullptr;
  if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
  if (relation == GW_OWNER) return window->IsChildWindow() ? nullptr : window->owner;
  const auto& list = Siblings(*window);
  auto at = std::find(list.begin(), list.end(), window);
  switch (relation) {
    case GW_HWNDFIRST:
      return list.front();
    case GW_HWNDLAST:
      return list.back();
    case GW_HWNDNEXT:
      return at + 1 < list.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
      return at != list.begin() ? *(at - 1) : nullptr;
    default:
      return nullptr;
  }
}

std::vector<HWND> GetTopLevelWindows() {
  return State().topLevels;
}

// ---- Geometry

RECT FrameInsets(std::uint32_t style, std::uint32_t exStyle) {
  if (style & WS_CHILD) return {};
  const bool popup = (style & WS_POPUP) != 0;
  const bool caption = (style & WS_CAPTION) == WS_CAPTION || !popup;
  int border = 0;
  if (style & WS_THICKFRAME) {
    border = gfx::GetSystemMetrics(gfx::SM_CXFRAME);
  } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME) || caption) {
    border = gfx::GetSystemMetrics(gfx::SM_CXDLGFRAME);
  } else if (style & WS_BORDER) {
    border = gfx::GetSystemMetrics(gfx::SM_CXBORDER);
  }
  const int top = border + (caption ? gfx::GetSystemMetrics(gfx::SM_CYCAPTION) : 0);
  return {border, top, border, border};
}

RECT ClientRect(const Window& window) {
  const int width = window.rect.Width();
  const int height = window.rect.Height();
  if (window.IsChildWindow()) return {0, 0, width, height};
  const RECT f = FrameInsets(window.style, window.exStyle);
  return {f.left, f.top, std::max(f.left, width - f.right), std::max(f.top, height - f.bottom)};
}

POINT SurfaceOrigin(HWND window) {
  POINT origin;
  while (window && window->IsChildWindow() && window->parent) {
    origin.x += window->rect.left;
    origin.y += window->rect.top;
    window = window->parent;
  }
  return origin;
}

bool VisibleChain(HWND window, bool drawable) {
  for (HWND w = window; w; w = w->IsChildWindow() ? w->parent : nullptr) {
    if (!(w->style & WS_VISIBLE)) return false;
    if (drawable && !w->redraw) return false;
  }
  return true;
}

bool GetWindowRect(HWND window, RECT& rect) {
  if (!Live(window)) return false;
  if (!window->IsChildWindow()) {
    rect = window->rect;
    return true;
  }
  POINT origin{0, 0};
  ClientToScreen(window, origin);
  rect = {origin.x, origin.y, origin.x + window->rect.Width(), origin.y + window->rect.Height()};
  return true;
}

bool GetClientRect(HWND window, RECT& rect) {
  if (!Live(window)) return false;
  const RECT client = ClientRect(*window);
  rect = {0, 0, client.Width(), client.Height()};
  return true;
}

namespace {
POINT ClientScreenOrigin(HWND window) {
  const POINT inSurface = SurfaceOrigin(window);
  HWND root = GetAncestorRoot(window);
  const RECT client = ClientRect(*root);
  return {root->rect.left + client.left + inSurface.x, root->rect.top + client.top + inSurface.y};
}
}  // namespace

bool ClientToScreen(HWND window, POINT& point) {
  if (!Live(window)) return false;
  const POINT o = ClientScreenOrigin(window);
  point.x += o.x;
  point.y += o.y;
  return true;
}

bool ScreenToClient(HWND window, POINT& point) {
  if (!Live(window)) return false;
  const POINT o = ClientScreenOrigin(window);
  point.x -= o.x;
  point.y -= o.y;
  return true;
}

HWND WindowFromPoint(POINT screenPoint) {
  for (HWND top : State().topLevels) {
    if (!(top->style & WS_VISIBLE) || !top->rect.Contains(screenPoint)) continue;
    const RECT client = ClientRect(*top);
    POINT p{screenPoint.x - top->rect.left - client.left,
            screenPoint.y - top->rect.top - client.top};
    if (!client.Offset(-client.left, -client.top).Contains(p)) return top;
    HWND found = top;
    for (bool descended = true; descended;) {
      descended = false;
      for (HWND child : found->children) {
        if ((child->style & WS_VISIBLE) && child->rect.Contains(p)) {
          p.x -= child->rect.left;
          p.y -= child->rect.top;
          found = child;
          descended = true;
          break;
        }
      }
    }
    return found;
  }
  return nullptr;
}

// ---- Position, size, visibility, z-order

// Longer than most: WM_WINDOWPOSCHANGING, the move, size, z-order and visibility changes, then
// WM_WINDOWPOSCHANGED, must come in this order from one place.
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                  unsigned flags) {
  auto& s = State();
  if (!Live(window)) return false;
  WINDOWPOS pos{window, insertAfter, x, y, width, height, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = window->rect.left;
    pos.y = window->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = window->rect.Width();
    pos.cy = window->rect.Height();
  }
  SendMessage(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!Live(window)) return false;
  flags = pos.flags;

  const RECT oldRect = window->rect;
  const RECT oldClient = ClientRect(*window);
  const RECT newRect{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
  const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
  const bool visible = (window->style & WS_VISIBLE) != 0;

  // Hiding first, so the old area is exposed.
  if ((flags & SWP_HIDEWINDOW) && visible) {
    ShowFlagChange(window, false);
    if (!Live(window)) return false;
    // A hidden window lets go of the mouse: the release of a press it took goes elsewhere.
    if (s.capture && (s.capture == window || IsChild(window, s.capture))) ReleaseCapture();
    if (!Live(window)) return false;
    if (!window->IsChildWindow() && !(flags & SWP_NOACTIVATE) && (s.active == window))
      ActivateNext(window);
  }

  bool reordered = false;
  if (!(flags & SWP_NOZORDER)) {
    auto& list = Siblings(*window);
    const auto before = list;
    if (insertAfter == HWND_TOP || insertAfter == HWND_BOTTOM) {
      if (window->IsChildWindow()) {
        std::erase(list, window);
        list.insert(insertAfter == HWND_TOP ? list.begin() : list.end(), window);
      } else {
        PlaceTopLevel(window, list, insertAfter == HWND_TOP);
      }
    } else if (Live(insertAfter) && insertAfter != window &&
               std::find(list.begin(), list.end(), insertAfter) != list.end()) {
      std::erase(list, window);
      list.insert(std::find(list.begin(), list.end(), insertAfter) + 1, window);
    }
    reordered = list != before;
  }

  if (moved || sized || reordered) {
    const bool redraw = (window->style & WS_VISIBLE) && !(flags & SWP_NOREDRAW);
    // A child's old place is repainted with whatever now shows there (for a new z-order, the
    // siblings it went under or over).
    if (redraw && window->IsChildWindow()) ExposeInParent(window);
    window->rect = newRect;
    if (!window->IsChildWindow() && sized) ResizeSurface(window);
    if (redraw && (window->IsChildWindow() || sized))
      InvalidateArea(window, ClientBox(*window), true, true);
    if (!window->IsChildWindow()) NotifyBackend(window);
  }

  if ((flags & SWP_SHOWWINDOW) && !(window->style & WS_VISIBLE)) {
    ShowFlagChange(window, true);
    if (!Live(window)) return false;
    if (!window->IsChildWindow() && !(flags & SWP_NOACTIVATE)) SetActiveWindow(window);
  } else if (!window->IsChildWindow() && !(flags & SWP_NOACTIVATE) &&
             (window->style & WS_VISIBLE) && !(flags & SWP_HIDEWINDOW)) {
    SetActiveWindow(window);
  }
  if (!Live(window)) return false;

  const RECT newClient = ClientRect(*window);
  if (!sized) pos.flags |= SWP_NOCLIENTSIZE;
  if (!moved && newClient.left == oldClient.left && newClient.top == oldClient.top)
    pos.flags |= SWP_NOCLIENTMOVE;
  pos.x = window->rect.left;
  pos.y = window->rect.top;
  pos.cx = window->rect.Width();
  pos.cy = window->rect.Height();
  SendMessage(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool ShowWindow(HWND window, int command) {
  auto& s = State();
  if (!Live(window)) return false;
  const bool wasVisible = (window->style & WS_VISIBLE) != 0;
  const unsigned keep = SWP_NOSIZE | SWP_NOMOVE;
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return false;
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   keep | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
      if (Live(window) && !window->IsChildWindow() &&
          (s.active == window || IsChild(window, s.active)))
        ActivateNext(window);
      break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
    case SW_SHOWMINNOACTIVE:
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   keep | SWP_NOACTIVATE | SWP_SHOWWINDOW |
                       (command == SW_SHOWMINNOACTIVE ? SWP_NOZORDER : 0));
      break;
    default:
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                   keep | SWP_SHOWWINDOW | (window->IsChildWindow() ? SWP_NOZORDER : 0));
      break;
  }
  return wasVisible;
}

bool IsWindowVisible(HWND window) {
  return Live(window) && VisibleChain(window, false);
}

// ---- Enabling

bool EnableWindow(HWND window, bool enable) {
  auto& s = State();
  if (!Live(window)) return false;
  const bool wasDisabled = (window->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
    if (s.focus && (s.focus == window || IsChild(window, s.focus))) SetFocus(nullptr);
    if (s.capture && (s.capture == window || IsChild(window, s.capture))) ReleaseCapture();
  }
  if (!Live(window)) return wasDisabled;
  SendMessage(window, WM_ENABLE, enable ? 1 : 0);
  if (Live(window)) NotifyBackend(window);
  return wasDisabled;
}

bool IsWindowEnabled(HWND window) {
  return Live(window) && !(window->style & WS_DISABLED);
}

// ---- Focus and activation

HWND SetFocus(HWND window) {
  auto& s = State();
  if (window && !Live(window)) return nullptr;
  HWND old = s.focus;
  if (window) {
    HWND root = GetAncestorRoot(window);
    if (s.active != root) {
      SetActiveWindow(root);
      if (!Live(window)) return old;
    }
    if (s.focus == window) return old;
    old = s.focus;
  } else if (!old) {
    return nullptr;
  }
  s.focus = window;
  if (window) GetAncestorRoot(window)->lastFocus = window;
  if (Live(old)) SendMessage(old, WM_KILLFOCUS, WParamOf(window));
  if (window && s.focus == window && Live(window))
    SendMessage(window, WM_SETFOCUS, WParamOf(Live(old) ? old : nullptr));
  return old;
}

HWND GetFocus() {
  return State().focus;
}

HWND SetActiveWindow(HWND window) {
  auto& s = State();
  if (window && !Live(window)) return nullptr;
  if (window) window = GetAncestorRoot(window);
  HWND old = s.active;
  if (old == window) return old;
  s.active = window;
  if (window) PlaceTopLevel(window, s.topLevels, true);
  if (Live(old)) {
    SendMessage(old, WM_ACTIVATE, WA_INACTIVE, LParamOf(window));
    NotifyBackend(old);
  }
  if (s.active != window) return old;
  if (!window) {
    if (s.focus) SetFocus(nullptr);
    return old;
  }
  SendMessage(window, WM_ACTIVATE, WA_ACTIVE, LParamOf(Live(old) ? old : nullptr));
  if (!Live(window) || s.active != window) return old;
  NotifyBackend(window);
  // The window gets back the focus it had, unless its procedure placed it already.
  if (!s.focus || GetAncestorRoot(s.focus) != window) {
    HWND last = window->lastFocus;
    if (Live(last) && IsChild(window, last) && IsWindowVisible(last) && IsWindowEnabled(last))
      SetFocus(last);
    else
      SetFocus(window);
  }
  return old;
}

HWND GetActiveWindow() {
  return State().active;
}

void ActivateNext(HWND window) {
  auto& s = State();
  for (HWND candidate : s.topLevels) {
    if (candidate == window || candidate->destroying) continue;
    if ((candidate->style & WS_VISIBLE) && !(candidate->style & WS_DISABLED) &&
        candidate->rect.Width() > 0 && candidate->rect.Height() > 0) {
      SetActiveWindow(candidate);
      return;
    }
  }
  if (s.active == window) SetActiveWindow(nullptr);
}

// ---- Capture and keys

HWND SetCapture(HWND window) {
  auto& s = State();
  HWND old = s.capture;
  if (!Live(window) || old == window) return old;
  s.capture = window;
  if (Live(old)) SendMessage(old, WM_CAPTURECHANGED, 0, LParamOf(window));
  return old;
}

bool ReleaseCapture() {
  auto& s = State();
  HWND old = s.capture;
  s.capture = nullptr;
  if (Live(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() {
  return State().capture;
}

HWND SetKeyboardGrab(HWND window) {
  auto& s = State();
  return std::exchange(s.keyboardGrab, Live(window) ? window : nullptr);
}

HWND GetKeyboardGrab() {
  auto& s = State();
  return Live(s.keyboardGrab) ? s.keyboardGrab : nullptr;
}

short GetKeyState(unsigned virtualKey) {
  if (virtualKey > 255) return 0;
  const std::uint8_t k = State().syncKeys[virtualKey];
  return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

// ---- Sending

LRESULT SendMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  auto& s = State();
  Window* w = Live(window);
  if (!w) return 0;
  std::shared_ptr<const WindowProc> proc = w->proc;
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(s.sendDepth);
  if (!proc || !*proc) return DefWindowProc(window, message, wParam, lParam);
  return (*proc)(window, message, wParam, lParam);
}

}  // namespace pw::win
