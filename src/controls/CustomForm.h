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

class TCustomForm : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  // The bare window: 320 x 240 at 0, 0, sizeable, hidden; no stream read yet.
  explicit TCustomForm(TComponent* owner);
  // Frees the owned controls first, while the window is still whole.
  ~TCustomForm() override;

  // Reads the streams of the class chain below TForm into this window and completes it; raises
  // EResNotFound "Resource %s not found" when there is none. OnCreate runs afterwards, from
  // AfterConstruction.
  void LoadFromResources();
  // The last step of construction: runs OnCreate, reporting what it raises.
  void AfterConstruction();

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

  // Shows the window modally: every other visible window is disabled until a modal result is
  // set (closing the window sets 2), then the window is hidden again and the result returned.
  // Raises EInvalidOperation "Cannot make a visible window modal" for a visible, disabled or
  // already modal window.
  int RunModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // The close box: a modal window only gets the cancel result; another one is hidden.
  void RequestClose();

  TNotifyEvent OnCreate;

 private:
  // The frame the windowing system puts around the client area for the border style:
  // {horizontal, vertical}.
  TSize FrameExtent() const;
  void AlignClientControls();

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = 0b111;  // system menu, minimise, maximise
  bool oldCreateOrder_ = false;
  int pixelsPerInch_;
  int textHeight_ = 0;
  int storedClientWidth_ = 0;
  int storedClientHeight_ = 0;
  bool modal_ = false;
  int modalResult_ = 0;
};

class TForm : public TCustomForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomForm::TCustomForm;
};

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// The application's message pump for modal loops: handles one message, waiting for one when none
// is queued; false once the application was asked to quit.
using MessagePump = std::function<bool()>;
void SetMessagePump(MessagePump pump);

// Module initialisation of the graphics and controls layers: registers their identifier tables
// (colours, character sets, cursors). Idempotent; reading a window runs it too.
void InitializeControls();

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
