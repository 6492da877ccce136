#include "controls/ComboBox.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/ControlMessages.h"
#include "controls/CustomForm.h"
#include "controls/HandlerErrors.h"
#include "convert/Exceptions.h"
#include "convert/Messages.h"

namespace pw {

namespace {
constexpr TPropInfo kComboBoxProperties[] = {
    BoolProperty<&TComboBox::AutoComplete, &TComboBox::SetAutoComplete>("AutoComplete"),
    BoolProperty<&TComboBox::AutoDropDown, &TComboBox::SetAutoDropDown>("AutoDropDown"),
    IntegerProperty<&TComboBox::DropDownCount, &TComboBox::SetDropDownCount>("DropDownCount"),
    IntegerProperty<&TComboBox::ItemHeight, &TComboBox::SetItemHeight>("ItemHeight"),
    IntegerProperty<&TComboBox::ItemIndex, &TComboBox::SetItemIndex>("ItemIndex"),
    IntegerProperty<&TComboBox::MaxLength, &TComboBox::SetMaxLength>("MaxLength"),
    BoolProperty<&TComboBox::Sorted, &TComboBox::SetSorted>("Sorted"),
    EnumProperty<&TComboBox::Style, &TComboBox::SetStyle>("Style", kComboBoxStyleType),
    StringProperty<&TComboBox::SetText>("Text"),
    EventProperty<&TComboBox::OnChange>("OnChange"),
    EventProperty<&TComboBox::OnSelect>("OnSelect"),
};

// An item is read into a buffer of this many bytes, terminator included.
constexpr std::size_t kItemBuffer = 4096;
// Typed characters of the list-only styles form one search while they come this close.
constexpr std::uint32_t kSearchPauseMs = 500;

std::uint32_t StyleValue(TComboBoxStyle style) {
  switch (style) {
    case TComboBoxStyle::csSimple:
      return 1;
    case TComboBoxStyle::csDropDownList:
      return 3;
    case TComboBoxStyle::csOwnerDrawFixed:
      return 0x13;
    case TComboBoxStyle::csOwnerDrawVariable:
      return 0x23;
    default:
      return 2;
  }
}

bool ListOnly(TComboBoxStyle style) {
  return style == TComboBoxStyle::csDropDownList || style == TComboBoxStyle::csOwnerDrawFixed ||
         style == TComboBoxStyle::csOwnerDrawVariable;
}

}  // namespace

const TClassInfo TComboBox::classInfo{
    "TComboBox", &TWinControl::classInfo, kComboBoxProperties, {}, {}, CreateComponent<TComboBox>};

// ---- Items

int TComboBoxItems::Count() const {
  return static_cast<int>(win::SendMessage(combo_.Handle(), win::CB_GETCOUNT));
}

std::string TComboBoxItems::Strings(int index) const {
  win::HWND combo = combo_.Handle();
  const auto length =
      win::SendMessage(combo, win::CB_GETLBTEXTLEN, static_cast<win::WPARAM>(index));
  if (length < 0) return {};
  // The list copies the whole item; only what fits the item buffer is kept.
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = win::SendMessage(combo, win::CB_GETLBTEXT, static_cast<win::WPARAM>(index),
                                       reinterpret_cast<win::LPARAM>(buffer.data()));
  if (copied < 0) return {};
  return std::string(buffer.data(), std::min(static_cast<std::size_t>(copied), kItemBuffer - 1));
}

int TComboBoxItems::Add(std::string_view item) {
  const std::string text(item);
  const auto index = win::SendMessage(combo_.Handle(), win::CB_ADDSTRING, 0,
                                      reinterpret_cast<win::LPARAM>(text.c_str()));
  if (index < 0) throw EOutOfResources(LoadMessage(MessageId::InsertLineError));
  return static_cast<int>(index);
}

void TComboBoxItems::Clear() {
  const std::string text = combo_.Text();
  win::SendMessage(combo_.Handle(), win::CB_RESETCONTENT);
  combo_.SetText(text);
}

void TComboBoxItems::Assign(const TStringList& source) {
  win::HWND combo = combo_.Handle();
  win::SendMessage(combo, win::WM_SETREDRAW, 0);
  struct RedrawAfterwards {
    win::HWND combo;
    ~RedrawAfterwards() {
      win::SendMessage(combo, win::WM_SETREDRAW, 1);
      win::RedrawWindow(combo, nullptr,
                        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
    }
  } redraw{combo};
  Clear();
  for (const std::string& line : source.Lines()) Add(line);
}

// ---- The control

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TComboBox::~TComboBox() {
  // The edit part may outlive this object by a moment: give it back its own procedure.
  if (editPart_ != nullptr && win::IsWindow(editPart_)) {
    win::SetWindowProc(editPart_, std::exchange(editPartProc_, {}));
  }
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.className = "COMBOBOX";
  params.style |= win::WS_VSCROLL | win::CBS_HASSTRINGS | win::CBS_AUTOHSCROLL | StyleValue(style_);
  if (sorted_) params.style |= win::CBS_SORT;
}

void TComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  editPart_ = nullptr;
  for (win::HWND child = win::GetWindow(Handle(), win::GW_CHILD); child != nullptr;
       child = win::GetWindow(child, win::GW_HWNDNEXT)) {
    if (win::GetClassName(child) == "EDIT") {
      editPart_ = child;
      break;
    }
  }
  if (editPart_ == nullptr) return;
  editPartProc_ = win::SetWindowProc(
      editPart_, [this](win::HWND, unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
        try {
          return EditPartProc(message, wParam, lParam);
        } catch (...) {
          ReportHandlerException(this);
          return win::LRESULT{0};
        }
      });
}

void TComboBox::InitializeHandle() {
  TWinControl::InitializeHandle();
  if (maxLength_ > 0) {
    win::SendMessage(Handle(), win::CB_LIMITTEXT, static_cast<win::WPARAM>(maxLength_));
  }
}

void TComboBox::SetMaxLength(int maxLength) {
  maxLength_ = std::max(maxLength, 0);
  if (HandleAllocated()) {
    win::SendMessage(Handle(), win::CB_LIMITTEXT, static_cast<win::WPARAM>(maxLength_));
  }
}

int TComboBox::ItemIndex() const {
  if (Loading() && storedItemIndex_) return *storedItemIndex_;
  auto* self = const_cast<TComboBox*>(this);
  return static_cast<int>(win::SendMessage(self->Handle(), win::CB_GETCURSEL));
}

void TComboBox::SetItemIndex(int index) {
  if (Loading()) {
    storedItemIndex_ = index;
    return;
  }
  if (ItemIndex() == index) return;
  win::SendMessage(Handle(), win::CB_SETCURSEL, static_cast<win::WPARAM>(index));
}

bool TComboBox::DroppedDown() const {
  if (!HandleAllocated()) return false;
  return win::SendMessage(const_cast<TComboBox*>(this)->Handle(), win::CB_GETDROPPEDSTATE) != 0;
}

bool TComboBox::Focused() const {
  return TWinControl::Focused() || (editPart_ != nullptr && win::GetFocus() == editPart_);
}

void TComboBox::FinishLoading() {
  TWinControl::FinishLoading();
  if (storedItemIndex_) SetItemIndex(*std::exchange(storedItemIndex_, std::nullopt));
}

void TComboBox::Changed() {
  Raise(OnChange, this);
}

void TComboBox::RaiseSelect() {
  if (OnSelect) {
    Raise(OnSelect, this);
  } else {
    Changed();
  }
}

void TComboBox::Selected() {
  const int index = ItemIndex();
  if (index >= 0) SetText(items_.Strings(index));
  Click();
  RaiseSelect();
}

win::LRESULT TComboBox::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  if (message == CN_COMMAND) {
    switch (win::HIWORD(wParam)) {
      case win::CBN_SELCHANGE:
        Selected();
        break;
      case win::CBN_EDITCHANGE:
        Changed();
        break;
      default:
        break;
    }
    return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

win::LRESULT TComboBox::EditPartProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  switch (message) {
    case win::WM_SETFOCUS:
      // The edit part's focus is the combo box's.
      if (TCustomForm* form = ParentForm(); form != nullptr && !form->SetFocusedControl(this)) {
        return 0;
      }
      break;
    case win::WM_KILLFOCUS:
      if (focusing_) return 0;
      break;
    case win::WM_CHAR:
      if (autoComplete_ && AutoCompleteKey(static_cast<char>(wParam))) return 0;
      break;
    default:
      break;
  }
  return win::CallWindowProc(editPartProc_, editPart_, message, wParam, lParam);
}

bool TComboBox::AutoCompleteKey(char key) {
  win::HWND combo = Handle();
  if (ListOnly(style_)) {
    const std::uint32_t now = win::GetTickCount();
    if (now - lastKeyTime_ >= kSearchPauseMs) filter_.clear();
    lastKeyTime_ = now;
  } else {
    filter_ = Text();
  }
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  win::SendMessage(combo, win::CB_GETEDITSEL, reinterpret_cast<win::WPARAM>(&start),
                   reinterpret_cast<win::LPARAM>(&end));
  switch (key) {
    case '\b': {
      std::string text = Text();
      std::size_t caret = std::min<std::size_t>(start, text.size());
      if (start < end) {
        text.erase(caret, std::min<std::size_t>(end, text.size()) - caret);
      } else if (!text.empty() && caret > 0) {
        text.erase(--caret, 1);
      }
      win::SendMessage(combo, win::CB_SETCURSEL, static_cast<win::WPARAM>(-1));
      SetText(text);
      win::SendMessage(combo, win::CB_SETEDITSEL, 0,
                       win::MAKELPARAM(static_cast<int>(caret), static_cast<int>(caret)));
      filter_ = text;
      Changed();
      return true;
    }
    case '\t':
      if (autoDropDown_ && DroppedDown()) win::SendMessage(combo, win::CB_SHOWDROPDOWN, 0);
      return false;
    case '\x1b':
      return false;
    default:
      break;
  }
  if (autoDropDown_ && !DroppedDown()) win::SendMessage(combo, win::CB_SHOWDROPDOWN, 1);
  std::string search =
      (start < end ? filter_.substr(0, std::min<std::size_t>(start, filter_.size())) : filter_) +
      key;
  if (ListOnly(style_)) filter_ = search;
  if (search.empty()) {
    SetItemIndex(-1);
    Changed();
    return true;
  }
  const auto found =
      static_cast<int>(win::SendMessage(combo, win::CB_FINDSTRING, static_cast<win::WPARAM>(-1),
                                        reinterpret_cast<win::LPARAM>(search.c_str())));
  if (found < 0) return false;
  const int previous = ItemIndex();
  win::SendMessage(combo, win::CB_SETCURSEL, static_cast<win::WPARAM>(found));
  const std::string item = items_.Strings(found);
  const std::string text = search + item.substr(std::min(search.size(), item.size()));
  SetText(text);
  win::SendMessage(combo, win::CB_SETEDITSEL, 0,
                   win::MAKELPARAM(static_cast<int>(search.size()), static_cast<int>(text.size())));
  if (found != previous) {
    Click();
    RaiseSelect();
  }
  return true;
}

}  // namespace pw
