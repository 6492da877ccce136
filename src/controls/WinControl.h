#pragma once
// TWinControl: a control that wraps a native window, contains children and takes the focus.

#include <vector>

#include "controls/Control.h"

namespace pw {

class TWinControl : public TControl {
 public:
  using TControl::TControl;
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }

  // Children: graphic ones in painting order (later in front), then windowed ones in the order of
  // their native sibling windows.
  int ControlCount() const;
  TControl* Controls(int index) const;
  const std::vector<TControl*>& GraphicChildren() const { return graphic_; }
  const std::vector<TWinControl*>& WindowedChildren() const { return windowed_; }
  // Windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return tabList_; }

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  // The position in the parent's tab list, -1 without a parent.
  int TabOrder() const;
  // Moves the control to that position: a negative value to the first place, one beyond the end
  // to the last.
  void SetTabOrder(int order);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 private:
  friend class TControl;
  void InsertControl(TControl* child);
  void RemoveControl(TControl* child);
  void MoveToFront(TControl* child);
  void MoveToBack(TControl* child);

  std::vector<TControl*> graphic_;
  std::vector<TWinControl*> windowed_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
};

}  // namespace pw
