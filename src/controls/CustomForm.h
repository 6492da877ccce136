#pragma once
// TCustomForm: a top-level window that owns and contains its controls and is built from the form
// streams of its class.

#include <cstdint>
#include <functional>
#include <memory>

#include "controls/WinControl.h"
#include "convert/Exceptions.h"
#include "graphics/TextMetrics.h"

namespace pw {

using TBorderIcons = std::uint32_t;  // bits by TBorderIcon

// What closing a window does with it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TCustomForm : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  // The bare window: 320 x 240 at 0, 0, sizeable, hidden; no stream read yet.
  explicit TCustomForm(TComponent* owner);
  // Frees the owned controls first, while the window is still whole.
  ~TCustomForm() override;

  // Reads the streams of the class chain below TForm into this window and completes it; raises
  // EResNotFound "Resource %s not found" when there is none. With OldCreateOrder, OnCreate runs
  // here, once every stream is read.
  void LoadFromResources();
  // The last step of construction: runs OnCreate unless LoadFromResources ran it, then shows the
  // window if its description set Visible.
  void AfterConstruction();
  // Runs OnCreate, reporting what it raises.
  void DoCreate();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
  // The client area: the bounds without the frame. While the window is read the values are
  // stored and applied at the end.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool old) { oldCreateOrder_ = old; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
  // The height of "0" in the window's font when it was designed.
  int TextHeight() const { return textHeight_; }

  void ReadOwnState(TReader& reader) override;
  void DeclareExtraProperties(TReader& reader) override;
  gfx::RECT ClientArea() const override { return {0, 0, ClientWidth(), ClientHeight()}; }

  // ---- Focus

  // The control that has, or last had, the focus in this window; null for none.
  TWinControl* ActiveControl() const { return activeControl_; }
  // Raises EInvalidOperation "Cannot focus a disabled or invisible window" for a control outside
  // the window or one that cannot take the focus; moves the focus to it when the window is
  // active.
  void SetActiveControl(TWinControl* control);
  // The innermost control of the focus chain: the window itself when nothing inside has it.
  TWinControl* FocusedControl() const { return focusedControl_; }
  // Whether this window is the active one.
  bool Active() const { return active_; }
  // Makes the window active (it must be visible and enabled), with the focus on its active
  // control.
  void SetFocus() override;
  // Makes `control` the active control and the window active.
  void FocusControl(TWinControl* control);
  // The focus change of a control that received the native focus: the exit notifications from
  // the old focused control outwards, the enter notifications inwards to the new one. False when
  // a notification's handler moved the focus meanwhile: the rest was abandoned.
  bool SetFocusedControl(TWinControl* control);
  // A control of this window is leaving it, or being hidden: it gives up the focus.
  void ControlRemoved(TWinControl* control);
  void ControlHidden(TWinControl* control);
  // Tab, Shift+Tab and the arrows move the focus; Enter and Escape go to the buttons.
  bool DialogKeyOfWindow(unsigned key);

  // Shows the window modally: every other visible window is disabled until a modal result is
  // set (closing the window sets 2), then the window is hidden again and the result returned.
  // Raises EInvalidOperation "Cannot make a visible window modal" for a visible, disabled or
  // already modal window.
  int RunModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // The close box (and Alt+F4): a modal window only gets the cancel result; another one asks
  // OnCloseQuery, then closes as OnClose leaves the disposition (hidden by default); closing the
  // main window quits the application.
  void RequestClose();
  // True unless OnCloseQuery says otherwise.
  bool QueryCanClose();
  // The published Visible: while the window's streams are read, only noted for the end of
  // construction; in OnShow or OnHide, EInvalidOperation "Cannot change Visible in OnShow or
  // OnHide".
  void SetVisibleChecked(bool visible);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  std::function<void(TObject* sender, bool& canClose)> OnCloseQuery;
  std::function<void(TObject* sender, TCloseAction& action)> OnClose;

 private:
  // The frame the windowing system puts around the client area for the border style:
  // {horizontal, vertical}.
  TSize FrameExtent() const;
  void FrameStyles(std::uint32_t& style, std::uint32_t& exStyle) const;
  // Sends a focus notification; false when the focus changed while it was handled.
  bool SendFocusMessage(TWinControl* control, unsigned message);
  // The modal close check: the close event may keep the window open.
  void CloseModal();
  // Destroys the window later, from a message posted to itself.
  void Release();
  void RunShowEvent(const TNotifyEvent& event);
  void SetWindowFocus();

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;
  void VisibleChanged() override;
  bool ShouldShow() const override { return Visible(); }

 private:
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = 0b111;  // system menu, minimise, maximise
  bool oldCreateOrder_ = false;
  bool creating_ = false;            // set while LoadFromResources reads the streams
  bool visibleWhenCreated_ = false;  // a stream set Visible while creating
  int pixelsPerInch_;
  int textHeight_ = 0;
  int storedClientWidth_ = 0;
  int storedClientHeight_ = 0;
  bool modal_ = false;
  int modalResult_ = 0;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  bool showingOrHiding_ = false;  // set while OnShow or OnHide runs
};

class TForm : public TCustomForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomForm::TCustomForm;
};

// The application's message pump for modal loops: handles one message, waiting for one when none
// is queued; false once the application was asked to quit.
using MessagePump = std::function<bool()>;
// Installs the pump; returns the one installed before.
MessagePump SetMessagePump(MessagePump pump);

// The screen's resolution in pixels per inch.
int ScreenPixelsPerInch();

// Creates a window of class T as MakeForm does: the reference names the instance before its
// streams are read; on failure the half-built window is freed, the reference cleared and the
// error goes on.
template <class T>
T* MakeForm(TComponent* owner, T*& reference) {
  auto form = std::make_unique<T>(owner);
  reference = form.get();
  try {
    form->LoadFromResources();
  } catch (...) {
    reference = nullptr;
    throw;
  }
  form->AfterConstruction();
  return form.release();  // owned by `owner` (or by the caller when there is none)
}

}  // namespace pw
