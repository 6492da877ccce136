#pragma once
// TScreen: what the application's windows share: the list of windows in creation order, the
// window that has the focus, and the counter of focus changes that detects a change made while
// another one runs.

#include <vector>

namespace pw {

class TCustomForm;

class TScreen {
 public:
  const std::vector<TCustomForm*>& Forms() const { return forms_; }
  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form);

  // The window whose controls hold the focus, null when none does.
  TCustomForm* FocusedForm() const { return focusedForm_; }
  void SetFocusedForm(TCustomForm* form) { focusedForm_ = form; }

  // Incremented at the start of every focus change.
  int FocusCount() const { return focusCount_; }
  void IncrementFocusCount() { ++focusCount_; }
  void SetFocusCount(int count) { focusCount_ = count; }

 private:
  std::vector<TCustomForm*> forms_;
  TCustomForm* focusedForm_ = nullptr;
  int focusCount_ = 0;
};

// The one screen object of the process.
TScreen& Screen();

}  // namespace pw
