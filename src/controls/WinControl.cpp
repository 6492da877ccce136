#include "controls/WinControl.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "controls/ControlMessages.h"
#include "controls/CustomForm.h"
#include "controls/HandlerErrors.h"
#include "convert/Exceptions.h"
#include "convert/Messages.h"
#include "forms/Reader.h"
#include "platform/sys/ContextStore.h"
#include "platform/win/NativeClasses.h"

namespace pw {

namespace {

// Moves `item` within `list` to position `to` (clamped to the list); false when it stays.
template <class T>
bool MoveTo(std::vector<T*>& list, T* item, int to) {
  auto from = std::find(list.begin(), list.end(), item);
  if (from == list.end()) return false;
  const auto old = from - list.begin();
  list.erase(from);
  to = std::clamp(to, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + to, item);
  return old != to;
}

struct ControlsByWindowSlot {
  std::unordered_map<win::HWND, TWinControl*> controls;
};
std::unordered_map<win::HWND, TWinControl*>& ControlsByWindow() {
  return sys::ContextLocal<ControlsByWindowSlot>().controls;
}

bool IsMouseMessage(unsigned message) {
  return message >= win::WM_MOUSEMOVE && message <= win::WM_RBUTTONUP;
}

constexpr TPropInfo kWinControlProperties[] = {
    IntegerProperty<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder"),
    BoolProperty<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop"),
    EventProperty<&TWinControl::OnEnter>("OnEnter"),
    EventProperty<&TWinControl::OnExit>("OnExit"),
};

}  // namespace

const TClassInfo TWinControl::classInfo{"TWinControl", &TControl::classInfo, kWinControlProperties};

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Leaves the parent (and its window's focus) while this object is still whole.
  SetParent(nullptr);
  DestroyHandle();
  // Children still alive (freed later by their owner) lose their parent now, while this object is
  // still whole.
  for (TControl* child : graphic_) child->parent_ = nullptr;
  for (TControl* child : windowed_) child->parent_ = nullptr;
}

// ---- Children

int TWinControl::ControlCount() const {
  return static_cast<int>(graphic_.size() + windowed_.size());
}

TControl* TWinControl::Controls(int index) const {
  auto i = static_cast<std::size_t>(index);
  return i < graphic_.size() ? graphic_.at(i) : windowed_.at(i - graphic_.size());
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control != nullptr; control = control->Parent()) {
    if (control == this) return true;
  }
  return false;
}

TControl* TWinControl::GraphicChildAt(gfx::POINT point) const {
  for (auto it = graphic_.rbegin(); it != graphic_.rend(); ++it) {
    TControl* child = *it;
    if (!child->Visible() || !child->Enabled()) continue;
    const gfx::RECT r = child->BoundsRect();
    if (point.x < r.left || point.y < r.top || point.x >= r.right || point.y >= r.bottom) continue;
    if (child->AcceptsHit(point.x - r.left, point.y - r.top)) return child;
  }
  return nullptr;
}

bool TWinControl::BackgroundCovered(const TControl* child) const {
  const gfx::RECT rect = child->BoundsRect();
  for (TControl* sibling : graphic_) {
    if (sibling == child) return false;
    if (!sibling->Visible() || !sibling->HasStyle(TControlStyle::csOpaque)) continue;
    const gfx::RECT r = sibling->BoundsRect();
    if (r.left <= rect.left && r.top <= rect.top && r.right >= rect.right &&
        r.bottom >= rect.bottom)
      return true;
  }
  return false;
}

void TWinControl::AlignControls() {
  const gfx::RECT area = ClientArea();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Align() == TAlign::alClient && child->Visible()) {
      child->SetBounds(area.left, area.top, area.Width(), area.Height());
    }
  }
}

void TWinControl::InsertControl(TControl* child) {
  child->parent_ = this;
  if (child->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(child);
    windowed_.push_back(windowed);
    tabList_.push_back(windowed);
    if (handle_ != nullptr && windowed->ShouldShow()) windowed->UpdateShowing();
  } else {
    graphic_.push_back(child);
  }
}

void TWinControl::RemoveControl(TControl* child) {
  if (mouseControl_ == child) ReleaseMouseFor(child);
  if (child->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(child);
    if (TCustomForm* form = ParentForm()) form->ControlRemoved(windowed);
    windowed->DestroyHandle();
  }
  child->parent_ = nullptr;
  std::erase(graphic_, child);
  std::erase(windowed_, child);
  std::erase(tabList_, child);
}

void TWinControl::MoveChildTo(TControl* child, int position) {
  if (child->IsWindowed()) {
    MoveTo(windowed_, static_cast<TWinControl*>(child), position);
  } else {
    MoveTo(graphic_, child, position);
  }
}

void TWinControl::MoveToFront(TControl* child) {
  if (child->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(child);
    MoveTo(windowed_, windowed, static_cast<int>(windowed_.size()));
    if (windowed->handle_ != nullptr) {
      win::SetWindowPos(windowed->handle_, win::HWND_TOP, 0, 0, 0, 0,
                        win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    }
  } else if (MoveTo(graphic_, child, static_cast<int>(graphic_.size())) && handle_ != nullptr) {
    // Repaint its area with it on top; what lies beneath needs no erasing.
    const gfx::RECT rect = child->BoundsRect();
    win::InvalidateRect(handle_, &rect, false);
  }
}

void TWinControl::MoveToBack(TControl* child) {
  if (child->IsWindowed()) {
    auto* windowed = static_cast<TWinControl*>(child);
    MoveTo(windowed_, windowed, 0);
    if (windowed->handle_ != nullptr) {
      win::SetWindowPos(windowed->handle_, win::HWND_BOTTOM, 0, 0, 0, 0,
                        win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    }
  } else if (MoveTo(graphic_, child, 0) && handle_ != nullptr) {
    const gfx::RECT rect = child->BoundsRect();
    win::InvalidateRect(handle_, &rect, false);
  }
}

// ---- Native window

TWinControl* TWinControl::FindControl(win::HWND window) {
  auto it = ControlsByWindow().find(window);
  return it == ControlsByWindow().end() ? nullptr : it->second;
}

win::HWND TWinControl::Handle() {
  if (handle_ == nullptr) CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.style = win::WS_CHILD | win::WS_CLIPSIBLINGS;
  if (HasStyle(TControlStyle::csAcceptsControls)) params.style |= win::WS_CLIPCHILDREN;
  if (Visible()) params.style |= win::WS_VISIBLE;
  if (!Enabled()) params.style |= win::WS_DISABLED;
  if (tabStop_) params.style |= win::WS_TABSTOP;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Parent() != nullptr) params.parent = Parent()->Handle();
}

void TWinControl::CreateHandle() {
  if (handle_ != nullptr) return;
  if (Parent() != nullptr) Parent()->HandleNeeded();
  if (handle_ != nullptr) return;  // the parent's creation made it
  CreateWnd();
  InitializeHandle();
}

void TWinControl::CreateWnd() {
  win::RegisterNativeClasses();
  TCreateParams params;
  CreateParams(params);
  if (params.className.empty()) params.className = ClassName();
  if (!win::IsClassRegistered(params.className)) {
    win::RegisterClass({params.className, win::CS_DBLCLKS, win::DefWindowProc, nullptr});
  }
  win::HWND window =
      win::CreateWindowEx(params.exStyle, params.className, KeptText(), params.style, params.x,
                          params.y, params.width, params.height, params.parent);
  if (window == nullptr) throw EOutOfResources(LoadMessage(MessageId::WindowCreateError));
  handle_ = window;
  ControlsByWindow()[window] = this;
  defaultProc_ = win::SetWindowProc(
      window, [this](win::HWND, unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
        return MainWndProc(message, wParam, lParam);
      });
}

void TWinControl::InitializeHandle() {
  win::SendMessage(handle_, win::WM_SETFONT, Font()->Handle().Value(), 0);
  PlaceAmongSiblings();
  TakeBoundsFromWindow();
}

// Just above the preceding windowed sibling: below the first later sibling that has a window.
void TWinControl::PlaceAmongSiblings() {
  if (Parent() == nullptr) return;
  const auto& siblings = Parent()->windowed_;
  auto self = std::find(siblings.begin(), siblings.end(), this);
  win::HWND above = win::HWND_TOP;
  for (auto it = self == siblings.end() ? self : self + 1; it != siblings.end(); ++it) {
    if ((*it)->handle_ != nullptr) {
      above = (*it)->handle_;
      break;
    }
  }
  win::SetWindowPos(handle_, above, 0, 0, 0, 0,
                    win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TWinControl* child : windowed_) child->DestroyHandle();
  KeptText() = win::GetWindowText(handle_);
  win::HWND window = std::exchange(handle_, nullptr);
  ControlsByWindow().erase(window);
  win::SetWindowProc(window, std::exchange(defaultProc_, {}));
  win::DestroyWindow(window);
}

void TWinControl::TakeBoundsFromWindow() {
  if (handle_ == nullptr) return;
  gfx::RECT rect;
  win::GetWindowRect(handle_, rect);
  gfx::POINT origin{rect.left, rect.top};
  if (Parent() != nullptr && Parent()->handle_ != nullptr) {
    win::ScreenToClient(Parent()->handle_, origin);
  }
  StoreBounds(origin.x, origin.y, rect.Width(), rect.Height());
}

bool TWinControl::ShouldShow() const {
  return Visible() && Parent() != nullptr && Parent()->ShouldShow();
}

void TWinControl::UpdateShowing() {
  if (!ShouldShow()) return;
  HandleNeeded();
  for (TWinControl* child : windowed_) child->UpdateShowing();
}

std::string TWinControl::GetText() const {
  return handle_ != nullptr ? win::GetWindowText(handle_) : TControl::GetText();
}

void TWinControl::StoreText(std::string_view text) {
  if (handle_ != nullptr) {
    win::SetWindowText(handle_, text);
  } else {
    TControl::StoreText(text);
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_ != nullptr) {
    // The stored bounds follow from the window's position notification.
    win::SetWindowPos(handle_, nullptr, left, top, width, height,
                      win::SWP_NOZORDER | win::SWP_NOACTIVATE);
  } else {
    StoreBounds(left, top, width, height);
  }
  AlignControls();
  if (Parent() != nullptr) Parent()->AlignControls();
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) {
    win::InvalidateRect(handle_, nullptr, !HasStyle(TControlStyle::csOpaque));
  }
}

void TWinControl::VisibleChanged() {
  if (!Visible()) {
    if (TCustomForm* form = ParentForm(); form != nullptr && form != this) {
      form->ControlHidden(this);
    }
  }
  if (handle_ != nullptr) {
    win::ShowWindow(handle_, Visible() ? win::SW_SHOWNA : win::SW_HIDE);
  }
  UpdateShowing();
}

void TWinControl::EnabledChanged() {
  if (handle_ != nullptr) win::EnableWindow(handle_, Enabled());
}

void TWinControl::ColorChanged() {
  Invalidate();
  for (TControl* child : graphic_) child->ParentColorChanged();
  for (TControl* child : windowed_) child->ParentColorChanged();
}

void TWinControl::FontChanged() {
  if (handle_ != nullptr) {
    win::SendMessage(handle_, win::WM_SETFONT, Font()->Handle().Value(), 1);
  }
  for (TControl* child : graphic_) child->ParentFontChanged();
  for (TControl* child : windowed_) child->ParentFontChanged();
}

// ---- Messages

win::LRESULT TWinControl::MainWndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  // A control that takes no double clicks sees a quick second press as a press.
  if (message == win::WM_LBUTTONDBLCLK && !HasStyle(TControlStyle::csDoubleClicks)) {
    message = win::WM_LBUTTONDOWN;
  }
  try {
    return WndProc(message, wParam, lParam);
  } catch (...) {
    ReportHandlerException(this);
    return 0;
  }
}

win::LRESULT TWinControl::Perform(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  return WndProc(message, wParam, lParam);
}

win::LRESULT TWinControl::DefaultHandler(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  if (handle_ == nullptr) return 0;
  return win::CallWindowProc(defaultProc_, handle_, message, wParam, lParam);
}

// One case per message the framework answers itself, each a few lines; the order of the checks
// within a case is the behaviour the handlers rely on.
win::LRESULT TWinControl::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  switch (message) {
    case win::WM_SETFOCUS: {
      // The window itself taking the focus ends the focus chain at the window: the controls
      // that had it are left.
      TCustomForm* form = ParentForm();
      if (form != nullptr && !form->SetFocusedControl(this)) return 0;
      break;
    }
    case win::WM_KILLFOCUS:
      if (focusing_) return 0;
      break;
    case win::WM_COMMAND:
      if (TWinControl* child = FindControl(win::HWND::FromValue(lParam));
          child != nullptr && child != this) {
        return child->Perform(CN_COMMAND, wParam, lParam);
      }
      break;
    case win::WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const win::DRAWITEMSTRUCT*>(lParam);
      if (TWinControl* child = item ? FindControl(item->hwndItem) : nullptr;
          child != nullptr && child != this) {
        return child->Perform(CN_DRAWITEM, wParam, lParam);
      }
      break;
    }
    case win::WM_CTLCOLOREDIT:
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLORSTATIC:
      if (TWinControl* child = FindControl(win::HWND::FromValue(lParam));
          child != nullptr && child != this) {
        return child->Perform(CN_BASE + message, wParam, lParam);
      }
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
      auto dc = gfx::HDC::FromValue(wParam);
      gfx::SetTextColor(dc, ColorToRGB(Font()->Color()));
      gfx::SetBkColor(dc, ColorToRGB(Color()));
      return static_cast<win::LRESULT>(ColorBrush(Color()).Value());
    }
    case win::WM_ERASEBKGND: {
      auto dc = gfx::HDC::FromValue(wParam);
      gfx::RECT box;
      gfx::GetClipBox(dc, box);
      gfx::FillRect(dc, box, ColorBrush(Color()));
      return 1;
    }
    case win::WM_PAINT:
      if (graphic_.empty()) break;
      PaintHandler();
      return 0;
    case win::WM_CAPTURECHANGED:
      if (mouseControl_ != nullptr) {
        TControl* child = std::exchange(mouseControl_, nullptr);
        child->MouseMessage(win::WM_CAPTURECHANGED, 0, 0, 0);
      }
      break;
    case win::WM_WINDOWPOSCHANGED: {
      const win::LRESULT result = DefaultHandler(message, wParam, lParam);
      TakeBoundsFromWindow();
      return result;
    }
    case win::WM_SIZE: {
      const win::LRESULT result = DefaultHandler(message, wParam, lParam);
      AlignControls();
      return result;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      return DialogKey(static_cast<unsigned>(wParam)) ? 1 : 0;
    case CM_ENTER:
      DoEnter();
      return 0;
    case CM_EXIT:
      DoExit();
      return 0;
    case CM_FOCUSCHANGED:
      for (TWinControl* child : std::vector<TWinControl*>(windowed_)) {
        child->Perform(CM_FOCUSCHANGED, wParam, lParam);
      }
      return 0;
    default:
      if (IsMouseMessage(message) && RouteMouseToGraphicChild(message, wParam, lParam)) return 0;
      break;
  }
  return DefaultHandler(message, wParam, lParam);
}

void TWinControl::DoEnter() {
  Raise(OnEnter, this);
}

void TWinControl::DoExit() {
  Raise(OnExit, this);
}

// ---- Painting

void TWinControl::PaintHandler() {
  win::PAINTSTRUCT paint;
  gfx::HDC dc = win::BeginPaint(handle_, paint);
  if (dc == nullptr) return;
  // The context goes back to the system whatever a painting control raises.
  struct EndPaintOnExit {
    win::HWND window;
    win::PAINTSTRUCT& paint;
    ~EndPaintOnExit() { win::EndPaint(window, paint); }
  } endPaint{handle_, paint};

  const int saved = gfx::SaveDC(dc);
  for (TControl* child : graphic_) {
    if (child->Visible() && child->HasStyle(TControlStyle::csOpaque)) {
      const gfx::RECT r = child->BoundsRect();
      gfx::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  gfx::RECT box;
  if (gfx::GetClipBox(dc, box) != gfx::NULLREGION) PaintWindow(dc);
  gfx::RestoreDC(dc, saved);
  PaintControls(dc);
}

void TWinControl::PaintControls(gfx::HDC dc) {
  for (TControl* child : std::vector<TControl*>(graphic_)) {
    if (!child->Visible()) continue;
    const gfx::RECT r = child->BoundsRect();
    if (!gfx::RectVisible(dc, r)) continue;
    const int saved = gfx::SaveDC(dc);
    gfx::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    gfx::OffsetViewportOrg(dc, r.left, r.top);
    try {
      child->Paint(dc);
    } catch (...) {
      gfx::RestoreDC(dc, saved);
      throw;
    }
    gfx::RestoreDC(dc, saved);
  }
}

// ---- Mouse over graphic children

bool TWinControl::RouteMouseToGraphicChild(unsigned message, win::WPARAM wParam,
                                           win::LPARAM lParam) {
  const gfx::POINT point{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
  TControl* child = mouseControl_;
  if (child == nullptr) child = GraphicChildAt(point);
  if (child == nullptr) return false;
  child->MouseMessage(message, wParam, point.x - child->Left(), point.y - child->Top());
  return true;
}

void TWinControl::CaptureMouseFor(TControl* child) {
  mouseControl_ = child;
  if (handle_ != nullptr && win::GetCapture() != handle_) {
    win::SetCapture(handle_);
    mouseControl_ = child;  // setting the capture told the previous holder to let go
  }
}

void TWinControl::ReleaseMouseFor(TControl* child) {
  if (mouseControl_ != child) return;
  mouseControl_ = nullptr;
  if (handle_ != nullptr && win::GetCapture() == handle_) win::ReleaseCapture();
}

// ---- Focus and tab order

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_ != nullptr) {
    auto style = static_cast<std::uint32_t>(win::GetWindowLong(handle_, win::GWL_STYLE));
    style = tabStop ? (style | win::WS_TABSTOP) : (style & ~win::WS_TABSTOP);
    win::SetWindowLong(handle_, win::GWL_STYLE, static_cast<std::intptr_t>(style));
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& tabs = Parent()->tabList_;
  return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Loading()) {
    storedTabOrder_ = order;
    return;
  }
  if (Parent() == nullptr) return;
  MoveTo(Parent()->tabList_, this, std::max(order, 0));
}

void TWinControl::ApplyStoredTabOrders() {
  const int count = static_cast<int>(windowed_.size());
  // Ascending stored values; of two equal ones only the later child moves.
  std::map<int, TWinControl*> byOrder;
  for (TWinControl* child : windowed_) {
    if (child->storedTabOrder_ >= 0 && child->storedTabOrder_ < count) {
      byOrder[child->storedTabOrder_] = child;
    }
    child->storedTabOrder_ = -1;
  }
  for (const auto& [order, child] : byOrder) MoveTo(tabList_, child, order);
}

bool TWinControl::Focused() const {
  return handle_ != nullptr && win::GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = ParentForm();
  if (form == nullptr) return false;
  for (const TControl* control = this; control != nullptr; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm()) {
    form->FocusControl(this);
  } else if (Parent() != nullptr) {
    win::SetFocus(Handle());
  } else {
    throw EInvalidOperation(LoadMessage(MessageId::CannotFocus));
  }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    const auto inner = child->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  const auto list = TabOrderList();
  const int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count) start = forward ? count - 1 : 0;
  int i = start;
  do {
    i = forward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(i)];
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this)) {
      return candidate;
    }
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop)) {
    next->SetFocus();
  }
}

bool TWinControl::DialogKey(unsigned key) {
  const auto code = static_cast<unsigned>(DefaultHandler(win::WM_GETDLGCODE, 0, 0));
  switch (key) {
    case win::VK_TAB:
      if (win::GetKeyState(win::VK_CONTROL) < 0 || win::GetKeyState(win::VK_MENU) < 0) {
        return false;
      }
      if (code & (win::DLGC_WANTTAB | win::DLGC_WANTALLKEYS)) return false;
      break;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
      if (code & (win::DLGC_WANTARROWS | win::DLGC_WANTALLKEYS)) return false;
      break;
    case win::VK_RETURN:
    case win::VK_ESCAPE:
      if (code & win::DLGC_WANTALLKEYS) return false;
      break;
    default:
      return false;
  }
  TCustomForm* form = ParentForm();
  return form != nullptr && form->DialogKeyOfWindow(key);
}

// ---- Scaling and reading

void TWinControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  TControl::ChangeScale(multiplier, divisor);
  ScaleControls(multiplier, divisor);
}

void TWinControl::ScaleControls(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  for (TControl* child : graphic_) child->ChangeScale(multiplier, divisor);
  for (TControl* child : windowed_) child->ChangeScale(multiplier, divisor);
}

void TWinControl::ReadOwnState(TReader& reader) {
  TControl::ReadOwnState(reader);
  ApplyStoredTabOrders();
}

void TWinControl::DeclareExtraProperties(TReader& reader) {
  TControl::DeclareExtraProperties(reader);
  reader.DeclareProperty("DesignSize", [](TReader& r) {
    r.ExpectListStart();
    while (!r.AtListEnd()) r.ReadInt32Value();
    r.ExpectListEnd();
  });
}

}  // namespace pw
