#include "controls/CustomForm.h"

#include <algorithm>
#include <vector>

#include "controls/ControlTypes.h"
#include "controls/HandlerErrors.h"
#include "convert/Messages.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "forms/Reader.h"
#include "graphics/Colors.h"
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
    EventProperty<&TCustomForm::OnCreate>("OnCreate"),
};

}  // namespace

const TClassInfo TCustomForm::classInfo{"TCustomForm", &TWinControl::classInfo, kFormProperties};
const TClassInfo TForm::classInfo{"TForm", &TCustomForm::classInfo};

int ScreenPixelsPerInch() {
  return 96;
}

void InitializeControls() {
  static const bool registered = [] {
    RegisterGraphicsIdentifiers();
    RegisterControlsIdentifiers();
    return true;
  }();
  (void)registered;
}

namespace {
MessagePump& InstalledPump() {
  static MessagePump pump;
  return pump;
}
constexpr int kCancelResult = 2;
}  // namespace

void SetMessagePump(MessagePump pump) {
  InstalledPump() = std::move(pump);
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), pixelsPerInch_(ScreenPixelsPerInch()) {
  SetBounds(0, 0, 320, 240);
  SetVisible(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  AddGlobalComponent(this);
}

TCustomForm::~TCustomForm() {
  RemoveGlobalComponent(this);
  DestroyComponents();
}

void TCustomForm::LoadFromResources() {
  InitializeControls();
  const bool found = LoadFormResources(*this, TForm::classInfo);
  if (!found) throw EResNotFound(LoadMessage(MessageId::ResourceNotFound, {ClassName()}));
  if (oldCreateOrder_) AfterConstruction();
}

void TCustomForm::AfterConstruction() {
  try {
    Raise(OnCreate, this);
  } catch (...) {
    ReportHandlerException(this);
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
}

TSize TCustomForm::FrameExtent() const {
  std::uint32_t style = win::WS_CAPTION | win::WS_SYSMENU;
  std::uint32_t exStyle = 0;
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
  const gfx::RECT insets = win::FrameInsets(style, exStyle);
  return {insets.left + insets.right, insets.top + insets.bottom};
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
  AlignClientControls();
}

void TCustomForm::SetClientHeight(int height) {
  if (Reading()) {
    storedClientHeight_ = height;
    return;
  }
  SetHeight(height + FrameExtent().cy);
  AlignClientControls();
}

void TCustomForm::AlignClientControls() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Align() == TAlign::alClient) child->SetBounds(0, 0, ClientWidth(), ClientHeight());
  }
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
  AlignClientControls();
}

}  // namespace pw

namespace pw {

int TCustomForm::RunModal() {
  if (Visible() || !Enabled() || modal_) {
    throw EInvalidOperation(LoadMessage(MessageId::CannotShowModal));
  }
  const MessagePump& pump = InstalledPump();
  if (!pump) throw EInvalidOperation("No message loop runs to show a modal window");
  modal_ = true;
  std::vector<TCustomForm*> disabled;
  for (TComponent* component : GlobalComponents()) {
    auto* form = dynamic_cast<TCustomForm*>(component);
    if (form != nullptr && form != this && form->Visible() && form->Enabled()) {
      form->SetEnabled(false);
      disabled.push_back(form);
    }
  }
  try {
    SetVisible(true);
    modalResult_ = 0;
    while (modalResult_ == 0) {
      if (!pump()) modalResult_ = kCancelResult;
    }
  } catch (...) {
    SetVisible(false);
    for (TCustomForm* form : disabled) form->SetEnabled(true);
    modal_ = false;
    throw;
  }
  SetVisible(false);
  for (TCustomForm* form : disabled) {
    const auto& all = GlobalComponents();
    if (std::find(all.begin(), all.end(), form) != all.end()) form->SetEnabled(true);
  }
  modal_ = false;
  return modalResult_;
}

void TCustomForm::RequestClose() {
  if (modal_) {
    modalResult_ = kCancelResult;
    return;
  }
  SetVisible(false);
}

}  // namespace pw
