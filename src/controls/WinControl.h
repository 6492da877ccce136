#pragma once
// TWinControl: a control that wraps a native window, contains children and takes the focus.
//
// The native window is created on demand: when the control is shown, or when something needs it.
// Until then the control keeps its state itself and pushes it into the window when it is
// created. The framework handles the window's messages in WndProc, inside a guard that reports
// what a handler raises, and passes on what it does not handle to the native class.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/Control.h"
#include "platform/win/Window.h"

namespace pw {

// What a control asks of the native window it creates.
struct TCreateParams {
  std::string className;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  win::HWND parent = nullptr;  // the parent's window for a child, the owner for a window
};

class TWinControl : public TControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }

  // ---- Children

  // Graphic ones in painting order (later in front), then windowed ones in the order of their
  // native sibling windows (later above).
  int ControlCount() const;
  TControl* Controls(int index) const;
  const std::vector<TControl*>& GraphicChildren() const { return graphic_; }
  const std::vector<TWinControl*>& WindowedChildren() const { return windowed_; }
  // Windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  // Whether `control` is this control or lies inside it.
  bool ContainsControl(const TControl* control) const;
  // The topmost visible, enabled graphic child under a client point that accepts the hit.
  TControl* GraphicChildAt(gfx::POINT point) const;
  // Whether a visible opaque graphic child before `child` covers the whole of its rectangle.
  bool BackgroundCovered(const TControl* child) const;
  // Fits the client-aligned children to the client area.
  virtual void AlignControls();
  virtual gfx::RECT ClientArea() const { return ClientRect(); }

  // ---- Native window

  // The native window, created now if there is none.
  win::HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { (void)Handle(); }
  // Destroys the native window (and its children's); the text goes back into the control.
  void DestroyHandle();
  // The control of a native window, null for a window that is none of the framework's.
  static TWinControl* FindControl(win::HWND window);
  // Handles a message now, as the window procedure does but without its guard.
  win::LRESULT Perform(unsigned message, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;

  // ---- Focus and tab order

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // The position in the parent's tab list, -1 without a parent.
  int TabOrder() const;
  // Moves the control to that position: a negative value to the first place, one beyond the end
  // to the last. While the control is loading the value is only stored; the parent applies it
  // when its children are complete.
  void SetTabOrder(int order);
  // Whether it has the native focus.
  virtual bool Focused() const;
  // It and every parent up to the window are visible and enabled.
  bool CanFocus() const;
  // Moves the focus to the control (through its window, which must be able to take it).
  virtual void SetFocus();
  // Every windowed control inside this one, depth first in tab order.
  std::vector<TWinControl*> TabOrderList() const;
  // The next (or previous) control after `current` in TabOrderList that can take the focus,
  // wrapping round; with checkTabStop only tab stops, with checkParent only direct children.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                               bool checkParent) const;
  // Focuses that control; tab stops only, or (without) any direct child.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  void ChangeScale(int multiplier, int divisor) override;
  // Scales the children only.
  void ScaleControls(int multiplier, int divisor);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void ReadOwnState(TReader& reader) override;
  void DeclareExtraProperties(TReader& reader) override;

  // For graphic children: the parent holds the mouse for them while a button is down.
  void CaptureMouseFor(TControl* child);
  void ReleaseMouseFor(TControl* child);

 protected:
  // The class, styles and place of the native window.
  virtual void CreateParams(TCreateParams& params);
  // Creates the native window from CreateParams, with the control's text.
  virtual void CreateWnd();
  // Pushes the control's state into its new native window (font, z-order, and what the class
  // keeps: checked state, read-only, items...).
  virtual void InitializeHandle();
  // The window procedure: messages the control handles, the rest to the native class.
  virtual win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam);
  // The native class's handling of a message.
  win::LRESULT DefaultHandler(unsigned message, win::WPARAM wParam, win::LPARAM lParam);
  // The control's own painting beneath its graphic children.
  virtual void PaintWindow(gfx::HDC /*dc*/) {}
  // A key before its window sees it (Tab, arrows, Enter, Escape); true when it was used.
  virtual bool DialogKey(unsigned key);
  // Creates the native windows of the controls that are shown now.
  void UpdateShowing();
  // Whether it and its parents are to be seen on screen.
  virtual bool ShouldShow() const;

  std::string GetText() const override;
  void StoreText(std::string_view text) override;
  void TextChanged() override {}
  void FontChanged() override;
  void ColorChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  virtual void DoEnter();
  virtual void DoExit();

  // Set while the control takes the focus, so that a WM_KILLFOCUS reaching it meanwhile is
  // swallowed.
  bool focusing_ = false;

 private:
  friend class TControl;
  friend class TCustomForm;
  win::LRESULT MainWndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam);
  void CreateHandle();
  void PlaceAmongSiblings();
  void TakeBoundsFromWindow();
  void PaintHandler();
  void PaintControls(gfx::HDC dc);
  bool RouteMouseToGraphicChild(unsigned message, win::WPARAM wParam, win::LPARAM lParam);
  void InsertControl(TControl* child);
  void RemoveControl(TControl* child);
  void MoveToFront(TControl* child);
  void MoveToBack(TControl* child);
  // Moves a child to `position` among the children of its kind.
  void MoveChildTo(TControl* child, int position);
  // Moves the windowed children to the tab positions stored while they were read.
  void ApplyStoredTabOrders();

  win::HWND handle_ = nullptr;
  win::WindowProc defaultProc_;
  std::vector<TControl*> graphic_;
  std::vector<TWinControl*> windowed_;
  std::vector<TWinControl*> tabList_;
  TControl* mouseControl_ = nullptr;  // the graphic child holding the mouse
  bool tabStop_ = false;
  int storedTabOrder_ = -1;
};

}  // namespace pw
