#pragma once
// TWinControl: a control that wraps a native window, contains children and takes the focus.

#include <vector>

#include "controls/Control.h"

namespace pw {

class TWinControl : public TControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

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
  // to the last. While the control is loading the value is only stored; the parent applies it
  // when its children are complete.
  void SetTabOrder(int order);

  void ChangeScale(int multiplier, int divisor) override;
  // Scales the children only.
  void ScaleControls(int multiplier, int divisor);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void ReadOwnState(TReader& reader) override;
  void DeclareExtraProperties(TReader& reader) override;

 protected:
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class TControl;
  void InsertControl(TControl* child);
  void RemoveControl(TControl* child);
  void MoveToFront(TControl* child);
  void MoveToBack(TControl* child);
  // Moves a child to `position` among the children of its kind.
  void MoveChildTo(TControl* child, int position);
  // Moves the windowed children to the tab positions stored while they were read.
  void ApplyStoredTabOrders();

  std::vector<TControl*> graphic_;
  std::vector<TWinControl*> windowed_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int storedTabOrder_ = -1;
};

}  // namespace pw
