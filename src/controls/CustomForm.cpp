#include "controls/CustomForm.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/Application.h"
#include "controls/ControlMessages.h"
#include "controls/ControlTypes.h"
#include "controls/HandlerErrors.h"
#include "controls/Screen.h"
#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "forms/Reader.h"
#include "graphics/Colors.h"
#include "platform/sys/ContextStore.h"
#include "platform/win/Window.h"

namespace pw {

namespace {

constexpr TPropInfo kFormProperties[] = {
    SetProperty<&TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons>("BorderIcons",
                                                                         kBorderIconType),
    EnumProperty<&TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>("BorderStyle",
                                                                          kFormBorderStyleType),
    StringProperty<&TCustomForm::SetCaption>("Caption"),
    IntegerProperty<&TCustomForm::ClientHeight, &TCustomForm::SetClientHeight>("ClientHeight"),
    IntegerProperty<&TCustomForm::ClientWidth, &TCustomForm::SetClientWidth>("ClientWidth"),
    BoolProperty<&TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder>("OldCreateOrder"),
    IntegerProperty<&TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch>("PixelsPerInch"),
    BoolProperty<&TCustomForm::Visible, &TCustomForm::SetVisibleChecked>("Visible"),
    EventProperty<&TCustomForm::OnCreate>("OnCreate"),
};

}  // namespace

const TClassInfo TCustomForm::classInfo{"TCustomForm", &TWinControl::classInfo, kFormProperties};
const TClassInfo TForm::classInfo{"TForm", &TCustomForm::classInfo};

int ScreenPixelsPerInch() {
  return 96;
}

namespace {
struct InstalledPumpSlot {
  MessagePump pump;
};
MessagePump& InstalledPump() {
  return sys::ContextLocal<InstalledPumpSlot>().pump;
}
constexpr int kCancelResult = 2;
}  // namespace

MessagePump SetMessagePump(MessagePump pump) {
  return std::exchange(InstalledPump(), std::move(pump));
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), pixelsPerInch_(ScreenPixelsPerInch()) {
  SetBounds(0, 0, 320, 240);
  SetVisible(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetControlStyle(ControlStyle() | StyleBit(TControlStyle::csAcceptsControls));
  AddGlobalComponent(this);
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Visible() && HandleAllocated()) win::ShowWindow(Handle(), win::SW_HIDE);
  Screen().RemoveForm(this);
  RemoveGlobalComponent(this);
  DestroyComponents();
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
}

void TCustomForm::LoadFromResources() {
  creating_ = true;
  bool found = false;
  try {
    found = LoadFormResources(*this, TForm::classInfo);
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
  if (!found) throw EResNotFound(LoadMessage(MessageId::ResourceNotFound, {ClassName()}));
  if (oldCreateOrder_) DoCreate();
}

void TCustomForm::AfterConstruction() {
  if (!oldCreateOrder_) DoCreate();
  if (std::exchange(visibleWhenCreated_, false)) SetVisible(true);
}

void TCustomForm::DoCreate() {
  try {
    Raise(OnCreate, this);
  } catch (...) {
    ReportHandlerException(this);
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
}

void TCustomForm::FrameStyles(std::uint32_t& style, std::uint32_t& exStyle) const {
  style = win::WS_CAPTION;
  exStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      style = win::WS_POPUP;
      break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      style |= win::WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style |= win::WS_DLGFRAME;
      exStyle |= win::WS_EX_DLGMODALFRAME;
      break;
    default:
      style |= win::WS_BORDER;
      break;
  }
  if (borderStyle_ == TFormBorderStyle::bsNone) return;
  if (borderIcons_ & (1u << static_cast<int>(TBorderIcon::biSystemMenu))) style |= win::WS_SYSMENU;
  const bool boxes =
      borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
  if (boxes && (borderIcons_ & (1u << static_cast<int>(TBorderIcon::biMinimize)))) {
    style |= win::WS_MINIMIZEBOX;
  }
  if (boxes && (borderIcons_ & (1u << static_cast<int>(TBorderIcon::biMaximize)))) {
    style |= win::WS_MAXIMIZEBOX;
  }
}

TSize TCustomForm::FrameExtent() const {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  FrameStyles(style, exStyle);
  const gfx::RECT insets = win::FrameInsets(style, exStyle);
  return {insets.left + insets.right, insets.top + insets.bottom};
}

void TCustomForm::InitializeHandle() {
  TWinControl::InitializeHandle();
  win::SetWindowIcon(Handle(), Application().Icon());
}

void TCustomForm::CreateParams(TCreateParams& params) {
  FrameStyles(params.style, params.exStyle);
  params.style |= win::WS_CLIPCHILDREN;
  if (!Enabled()) params.style |= win::WS_DISABLED;
  params.className = ClassName();
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  params.parent = Application().Handle();
}

int TCustomForm::ClientWidth() const {
  return Width() - FrameExtent().cx;
}
int TCustomForm::ClientHeight() const {
  return Height() - FrameExtent().cy;
}

void TCustomForm::SetClientWidth(int width) {
  if (Reading()) {
    storedClientWidth_ = width;
    return;
  }
  SetWidth(width + FrameExtent().cx);
  AlignControls();
}

void TCustomForm::SetClientHeight(int height) {
  if (Reading()) {
    storedClientHeight_ = height;
    return;
  }
  SetHeight(height + FrameExtent().cy);
  AlignControls();
}

void TCustomForm::DeclareExtraProperties(TReader& reader) {
  TWinControl::DeclareExtraProperties(reader);
  reader.DeclareProperty("TextHeight", [this](TReader& r) { textHeight_ = r.ReadInt32Value(); });
  reader.DeclareProperty("IgnoreFontProperty", [this](TReader& r) {
    if (r.ReadBool()) SetParentFont(true);
  });
}

void TCustomForm::ReadOwnState(TReader& reader) {
  storedClientWidth_ = 0;
  storedClientHeight_ = 0;
  textHeight_ = 0;
  oldCreateOrder_ = true;
  const int designFontHeight = Font()->Height();
  TWinControl::ReadOwnState(reader);

  if (pixelsPerInch_ != 0 && textHeight_ != 0) {
    const int screenPpi = ScreenPixelsPerInch();
    if (Font()->Height() != designFontHeight && screenPpi != pixelsPerInch_) {
      Font()->SetHeight(MulDiv(Font()->Height(), screenPpi, pixelsPerInch_));
    }
    pixelsPerInch_ = screenPpi;
    const int measured = MeasureTextExtent(*Font(), u"0").cy;
    if (measured != textHeight_) {
      ScaleControls(measured, textHeight_);
      storedClientWidth_ = MulDiv(storedClientWidth_, measured, textHeight_);
      storedClientHeight_ = MulDiv(storedClientHeight_, measured, textHeight_);
    }
  }
  // The stored client size is applied as an ordinary assignment.
  SetReading(false);
  if (storedClientWidth_ > 0) SetClientWidth(storedClientWidth_);
  if (storedClientHeight_ > 0) SetClientHeight(storedClientHeight_);
  SetReading(true);
  ParentBiDiModeChanged();
  AlignControls();
}

}  // namespace pw

namespace pw {

int TCustomForm::RunModal() {
  if (Visible() || !Enabled() || modal_) {
    throw EInvalidOperation(LoadMessage(MessageId::CannotShowModal));
  }
  const MessagePump& pump = InstalledPump();
  if (!pump) throw EInvalidOperation("No message loop runs to show a modal window");
  if (win::HWND capture = win::GetCapture()) {
    win::SendMessage(capture, win::WM_CANCELMODE);
    win::ReleaseCapture();
  }
  modal_ = true;
  TScreen& screen = Screen();
  struct Saved {
    win::HWND activeWindow = win::GetActiveWindow();
    TCustomForm* focusedForm = nullptr;
    int focusCount = 0;
    std::vector<win::HWND> disabled;
  } saved;
  saved.focusedForm = screen.FocusedForm();
  saved.focusCount = screen.FocusCount();
  screen.SetFocusedForm(this);
  for (win::HWND window : win::GetTopLevelWindows()) {
    if (window != Handle() && win::IsWindowVisible(window) && win::IsWindowEnabled(window)) {
      win::EnableWindow(window, false);
      saved.disabled.push_back(window);
    }
  }
  // Whatever ends the run: the window hides, the others come back as they were.
  struct Restore {
    TCustomForm& form;
    Saved& saved;
    ~Restore() {
      form.SetVisible(false);
      for (win::HWND window : saved.disabled) {
        if (win::IsWindow(window)) win::EnableWindow(window, true);
      }
      Screen().SetFocusedForm(saved.focusedForm);
      if (saved.activeWindow != nullptr && win::IsWindow(saved.activeWindow)) {
        win::SetActiveWindow(saved.activeWindow);
      }
      Screen().SetFocusCount(saved.focusCount);
      form.modal_ = false;
    }
  } restore{*this, saved};
  SetVisible(true);
  BringToFront();
  win::SetActiveWindow(Handle());
  Perform(CM_ACTIVATE);
  modalResult_ = 0;
  do {
    if (!pump() || Application().QuitRequested()) {
      modalResult_ = kCancelResult;
    } else if (modalResult_ != 0) {
      CloseModal();
    }
  } while (modalResult_ == 0);
  Perform(CM_DEACTIVATE);
  if (win::GetActiveWindow() != Handle()) saved.activeWindow = nullptr;
  return modalResult_;
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = TCloseAction::caNone;
    if (QueryCanClose()) {
      action = TCloseAction::caHide;
      if (OnClose) OnClose(this, action);
    }
    switch (action) {
      case TCloseAction::caNone:
        modalResult_ = 0;
        break;
      case TCloseAction::caFree:
        Release();
        break;
      default:
        break;
    }
  } catch (...) {
    modalResult_ = 0;
    ReportHandlerException(this);
  }
}

bool TCustomForm::QueryCanClose() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Release() {
  if (HandleAllocated()) win::PostMessage(Handle(), CM_RELEASE);
}

// ---- Showing and the window's messages

void TCustomForm::SetVisibleChecked(bool visible) {
  if (creating_) {
    visibleWhenCreated_ = visible;
    return;
  }
  if (showingOrHiding_) {
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
  }
  SetVisible(visible);
}

void TCustomForm::RunShowEvent(const TNotifyEvent& event) {
  showingOrHiding_ = true;
  try {
    Raise(event, this);
  } catch (...) {
    showingOrHiding_ = false;
    ReportHandlerException(this);
    return;
  }
  showingOrHiding_ = false;
}

void TCustomForm::VisibleChanged() {
  if (Loading()) return;
  if (Visible()) {
    HandleNeeded();
    Application().UpdateVisible();
    RunShowEvent(OnShow);
    UpdateShowing();
    win::ShowWindow(Handle(), win::SW_SHOWNORMAL);
    return;
  }
  if (!HandleAllocated()) return;
  Application().UpdateVisible();
  RunShowEvent(OnHide);
  constexpr unsigned kHide = win::SWP_HIDEWINDOW | win::SWP_NOSIZE | win::SWP_NOMOVE |
                             win::SWP_NOZORDER | win::SWP_NOACTIVATE;
  if (modal_) {
    win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kHide);
    return;
  }
  if (win::GetActiveWindow() == Handle()) {
    // The next window to activate: the first visible, enabled one that is not top-most, else
    // the first top-most one.
    win::HWND next = nullptr;
    win::HWND nextTopmost = nullptr;
    for (win::HWND window : win::GetTopLevelWindows()) {
      if (window == Handle() || window == Application().Handle()) continue;
      if (!win::IsWindowVisible(window) || !win::IsWindowEnabled(window)) continue;
      const bool topmost = (win::GetWindowLong(window, win::GWL_EXSTYLE) & win::WS_EX_TOPMOST) != 0;
      if (!topmost && next == nullptr) next = window;
      if (topmost && nextTopmost == nullptr) nextTopmost = window;
    }
    if (next == nullptr) next = nextTopmost;
    if (next != nullptr) {
      win::SetActiveWindow(next);
      win::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kHide);
      return;
    }
  }
  win::ShowWindow(Handle(), win::SW_HIDE);
}

win::LRESULT TCustomForm::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  switch (message) {
    case win::WM_ACTIVATE:
      if (win::LOWORD(wParam) == win::WA_INACTIVE) {
        active_ = false;
        break;
      }
      active_ = true;
      if (activeControl_ == nullptr) activeControl_ = FindNextControl(nullptr, true, true, false);
      SetWindowFocus();
      return 0;
    case win::WM_CLOSE:
      RequestClose();
      return 0;
    case CM_RELEASE:
      delete this;
      return 0;
    case CM_DIALOGKEY:
      for (TWinControl* control : TabOrderList()) {
        if (control->Perform(CM_DIALOGKEY, wParam, lParam) != 0) return 1;
      }
      return 0;
    default:
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

// ---- Focus

void TCustomForm::SetWindowFocus() {
  win::SetFocus(activeControl_ != nullptr ? activeControl_->Handle() : Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control != nullptr &&
      (control == this || control->ParentForm() != this || !control->CanFocus())) {
    throw EInvalidOperation(LoadMessage(MessageId::CannotFocus));
  }
  activeControl_ = control;
  if (active_) SetWindowFocus();
}

void TCustomForm::SetFocus() {
  if (active_) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation(LoadMessage(MessageId::CannotFocus));
  SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
  const bool wasActive = active_;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

bool TCustomForm::SendFocusMessage(TWinControl* control, unsigned message) {
  const int count = Screen().FocusCount();
  control->MainWndProc(message, 0, 0);
  return Screen().FocusCount() == count;
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  TScreen& screen = Screen();
  screen.IncrementFocusCount();
  if (control != this) activeControl_ = control;
  // The chain also runs when the focus comes back to a control that is still taking it (an
  // error box of an exit handler took the focus and gave it back): the pointer was moved before
  // each notification, so it goes on from there, and the control is entered and later left.
  struct RestoreFocusing {
    TWinControl* control;
    bool was;
    ~RestoreFocusing() { control->focusing_ = was; }
  } restore{control, std::exchange(control->focusing_, true)};
  if (screen.FocusedForm() != this) {
    if (TCustomForm* previous = screen.FocusedForm()) {
      screen.SetFocusedForm(nullptr);
      if (!SendFocusMessage(previous, CM_DEACTIVATE)) return false;
    }
    screen.SetFocusedForm(this);
    if (!SendFocusMessage(this, CM_ACTIVATE)) return false;
  }
  if (focusedControl_ == nullptr) focusedControl_ = this;
  while (focusedControl_ != nullptr && !focusedControl_->ContainsControl(control)) {
    TWinControl* leaving = focusedControl_;
    focusedControl_ = leaving->Parent();
    if (!SendFocusMessage(leaving, CM_EXIT)) return false;
  }
  while (focusedControl_ != nullptr && focusedControl_ != control) {
    TWinControl* entering = control;
    while (entering->Parent() != focusedControl_) entering = entering->Parent();
    focusedControl_ = entering;
    if (!SendFocusMessage(entering, CM_ENTER)) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(control));
  return true;
}

void TCustomForm::ControlRemoved(TWinControl* control) {
  if (control->ContainsControl(activeControl_)) activeControl_ = nullptr;
  if (control->ContainsControl(focusedControl_)) focusedControl_ = control->Parent();
}

void TCustomForm::ControlHidden(TWinControl* control) {
  if (!control->ContainsControl(activeControl_)) return;
  activeControl_ = nullptr;
  if (active_) SetWindowFocus();
}

bool TCustomForm::DialogKeyOfWindow(unsigned key) {
  const bool shift = win::GetKeyState(win::VK_SHIFT) < 0;
  switch (key) {
    case win::VK_TAB:
      SelectNext(activeControl_, !shift, true);
      return true;
    case win::VK_LEFT:
    case win::VK_UP:
    case win::VK_RIGHT:
    case win::VK_DOWN: {
      if (activeControl_ == nullptr || activeControl_->Parent() == nullptr) return true;
      const bool forward = key == win::VK_RIGHT || key == win::VK_DOWN;
      activeControl_->Parent()->SelectNext(activeControl_, forward, false);
      return true;
    }
    case win::VK_RETURN:
    case win::VK_ESCAPE:
      if (shift || win::GetKeyState(win::VK_CONTROL) < 0 || win::GetKeyState(win::VK_MENU) < 0) {
        return false;
      }
      return Perform(CM_DIALOGKEY, key, 0) != 0;
    default:
      return false;
  }
}

void TCustomForm::RequestClose() {
  if (modal_) {
    modalResult_ = kCancelResult;
    return;
  }
  if (!QueryCanClose()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application().PrimaryForm() == this) {
    Application().Quit();
    return;
  }
  switch (action) {
    case TCloseAction::caFree:
      Release();
      break;
    case TCloseAction::caMinimize:
      if (HandleAllocated()) win::ShowWindow(Handle(), win::SW_SHOWMINNOACTIVE);
      break;
    default:
      SetVisible(false);
      break;
  }
}

}  // namespace pw
