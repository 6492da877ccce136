// Controls on a shown window, used with the mouse and the keyboard: painting and z-order of
// graphic controls, hit-testing and clicks, the order of focus events, keyboard navigation,
// moving and showing, and the colour and font children take from their parent.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "support/UserInput.h"

namespace pw::gfx {
void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
}  // namespace pw::gfx

namespace pw {
namespace {

using testing::UserInput;

constexpr gfx::COLORREF kRed = gfx::RGB(200, 0, 0);
constexpr gfx::COLORREF kGreen = gfx::RGB(0, 160, 0);
constexpr gfx::COLORREF kBlue = gfx::RGB(0, 0, 190);
constexpr gfx::COLORREF kYellow = gfx::RGB(230, 230, 0);

void Fill(gfx::HDC dc, const gfx::RECT& rect, gfx::COLORREF colour) {
  gfx::HBRUSH brush = gfx::CreateSolidBrush(colour);
  gfx::FillRect(dc, rect, brush);
  gfx::DeleteObject(brush);
}

// A graphic control that fills more than its rectangle (its parent must clip it) with a colour,
// or paints nothing; it counts its paints, clicks and mouse messages.
class Swatch : public TGraphicControl {
 public:
  Swatch(TComponent* owner, std::optional<gfx::COLORREF> colour)
      : TGraphicControl(owner), colour_(colour) {}
  void SetOpaque() { SetControlStyle(ControlStyle() | StyleBit(TControlStyle::csOpaque)); }
  void Paint(gfx::HDC dc) override {
    ++paints;
    if (colour_) Fill(dc, {-20, -20, Width() + 20, Height() + 20}, *colour_);
  }
  void Click() override {
    ++clicks;
    TGraphicControl::Click();
  }
  void MouseMessage(unsigned message, win::WPARAM keys, int x, int y) override {
    ++mouseMessages;
    TGraphicControl::MouseMessage(message, keys, x, y);
  }
  int paints = 0;
  int clicks = 0;
  int mouseMessages = 0;

 private:
  std::optional<gfx::COLORREF> colour_;
};

// A window that counts its background erasing and its own painting beneath the graphic
// children, which fills all it may paint with `ownColour` when that is set.
class TestForm : public TForm {
 public:
  using TForm::TForm;
  std::optional<gfx::COLORREF> ownColour;
  int erases = 0;
  int ownPaints = 0;

 protected:
  void PaintWindow(gfx::HDC dc) override {
    ++ownPaints;
    if (ownColour) Fill(dc, {0, 0, 2000, 2000}, *ownColour);
  }
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override {
    if (message == win::WM_ERASEBKGND) ++erases;
    return TForm::WndProc(message, wParam, lParam);
  }
};

class ControlBehaviour : public ::testing::Test {
 protected:
  template <class T, class... Args>
  T* Add(TWinControl* parent, int left, int top, int width, int height, Args&&... args) {
    auto* control = new T(form_.get(), std::forward<Args>(args)...);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  void Show() {
    form_->SetVisible(true);
    UserInput::Settle();
  }
  // A pixel of the window's client area as it is on screen.
  gfx::COLORREF Pixel(int x, int y) const { return UserInput::Pixel(form_->Handle(), x, y); }
  gfx::COLORREF Background() const { return ColorToRGB(form_->Color()); }
  // The area of the window waiting to be painted; empty when there is none.
  gfx::RECT Pending() const {
    gfx::RECT rect;
    return win::GetUpdateRect(form_->Handle(), rect) ? rect : gfx::RECT{};
  }
  static TWinControl* FocusedOne() { return TWinControl::FindControl(win::GetFocus()); }
  TNotifyEvent Log(std::string entry) {
    return [this, entry](TObject*) { log_.push_back(entry); };
  }
  // Presses come a second apart, so that none makes a double click.
  static void Press(TControl& control) {
    UserInput::Backend().Advance(1000);
    UserInput::Mouse(win::WM_LBUTTONDOWN, *control.ParentForm(), UserInput::WindowPoint(control));
  }
  static void Click(TControl& control) {
    UserInput::Backend().Advance(1000);
    UserInput::Click(control);
  }
  static void Release(TControl& control) {
    UserInput::Mouse(win::WM_LBUTTONUP, *control.ParentForm(), UserInput::WindowPoint(control));
  }

  UserInput input_;
  std::unique_ptr<TestForm> form_ = std::make_unique<TestForm>(nullptr);
  std::vector<std::string> log_;
};

TEST_F(ControlBehaviour, GraphicChildrenPaintInListOrderClippedAboveTheWindowsOwnPainting) {
  form_->ownColour = kYellow;
  auto* red = Add<Swatch>(form_.get(), 10, 10, 40, 40, kRed);
  auto* green = Add<Swatch>(form_.get(), 30, 30, 40, 40, kGreen);
  auto* opaque = Add<Swatch>(form_.get(), 100, 10, 30, 30, std::nullopt);
  opaque->SetOpaque();
  Show();
  EXPECT_EQ(Pixel(15, 15), kRed);
  EXPECT_EQ(Pixel(45, 45), kGreen) << "the later child paints over the earlier one";
  EXPECT_EQ(Pixel(60, 20), kYellow) << "red's paint outside its rectangle is clipped";
  EXPECT_EQ(Pixel(75, 75), kYellow) << "green's paint outside its rectangle is clipped";
  EXPECT_EQ(Pixel(5, 5), kYellow);
  EXPECT_EQ(Pixel(115, 25), Background()) << "the window does not paint beneath an opaque child";

  // Only what meets the repainted area paints; under an opaque child the window paints nothing.
  const int ownPaints = form_->ownPaints;
  const int redPaints = red->paints;
  const int greenPaints = green->paints;
  opaque->Invalidate();
  UserInput::Settle();
  EXPECT_EQ(opaque->paints, 2);
  EXPECT_EQ(form_->ownPaints, ownPaints);
  EXPECT_EQ(red->paints, redPaints);
  EXPECT_EQ(green->paints, greenPaints);
  green->Invalidate();
  UserInput::Settle();
  EXPECT_EQ(red->paints, redPaints + 1) << "red overlaps green";
  EXPECT_EQ(opaque->paints, 2);
  EXPECT_EQ(Pixel(45, 45), kGreen);
}

TEST_F(ControlBehaviour, BringingToFrontChangesWhatIsPaintedAndClickedAtAnOverlap) {
  auto* a = Add<Swatch>(form_.get(), 20, 20, 50, 50, kRed);
  auto* b = Add<Swatch>(form_.get(), 20, 20, 50, 50, kGreen);
  auto* c = Add<Swatch>(form_.get(), 20, 20, 50, 50, kBlue);
  Show();
  EXPECT_EQ(Pixel(45, 45), kBlue);
  Click(*a);
  EXPECT_EQ(std::make_tuple(a->clicks, b->clicks, c->clicks), std::make_tuple(0, 0, 1));

  a->BringToFront();
  EXPECT_EQ(Pending(), a->BoundsRect());
  const int erases = form_->erases;
  UserInput::Settle();
  EXPECT_EQ(Pixel(45, 45), kRed);
  EXPECT_EQ(form_->erases, erases) << "a change of z-order needs no erasing";
  Click(*c);
  EXPECT_EQ(std::make_tuple(a->clicks, b->clicks, c->clicks), std::make_tuple(1, 0, 1));

  const int paints = a->paints + b->paints + c->paints;
  a->BringToFront();  // already the topmost
  EXPECT_EQ(Pending(), gfx::RECT{});
  UserInput::Settle();
  EXPECT_EQ(a->paints + b->paints + c->paints, paints);

  a->SendToBack();
  UserInput::Settle();
  EXPECT_EQ(Pixel(45, 45), kBlue);

  // Hit-testing passes over the disabled and the invisible.
  c->SetEnabled(false);
  Click(*a);
  EXPECT_EQ(std::make_tuple(a->clicks, b->clicks, c->clicks), std::make_tuple(1, 1, 1));
  c->SetEnabled(true);
  c->SetVisible(false);
  Click(*a);
  EXPECT_EQ(std::make_tuple(a->clicks, b->clicks, c->clicks), std::make_tuple(1, 2, 1));
  UserInput::Settle();
  EXPECT_EQ(Pixel(45, 45), kGreen);
}

TEST_F(ControlBehaviour, AClickIsAPressAndAReleaseInside) {
  auto* left = Add<Swatch>(form_.get(), 10, 10, 40, 40, kRed);
  auto* right = Add<Swatch>(form_.get(), 60, 10, 40, 40, kGreen);
  auto* under = Add<Swatch>(form_.get(), 10, 80, 100, 40, kBlue);
  auto* edit = Add<TEdit>(form_.get(), 20, 90, 60, 20);
  auto* button = Add<TBitBtn>(form_.get(), 150, 10, 75, 25);
  left->OnClick = Log("left");
  button->OnClick = Log("button");
  Show();

  Click(*left);
  EXPECT_EQ(log_, std::vector<std::string>{"left"});

  // The pressed control keeps the mouse until the release, which outside it is no click.
  Press(*left);
  UserInput::Mouse(win::WM_MOUSEMOVE, *form_, UserInput::WindowPoint(*right));
  Release(*right);
  EXPECT_EQ(right->mouseMessages, 0);
  EXPECT_EQ(right->clicks + left->clicks, 1);
  UserInput::Mouse(win::WM_MOUSEMOVE, *form_, UserInput::WindowPoint(*right));
  EXPECT_EQ(right->mouseMessages, 1) << "the mouse is free again after the release";

  // The window holds the mouse too: a release beyond it ends the press.
  Press(*left);
  UserInput::Mouse(win::WM_LBUTTONUP, *form_, {1000, 1000});
  Click(*right);
  EXPECT_EQ(right->clicks, 1);

  // Moving out and back in before the release still clicks.
  Press(*left);
  UserInput::Mouse(win::WM_MOUSEMOVE, *form_, UserInput::WindowPoint(*right));
  Release(*left);
  EXPECT_EQ(left->clicks, 2);

  // A native child lies above the graphic control beneath it.
  Click(*edit);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(under->mouseMessages, 0);

  Press(*button);
  Release(*right);
  EXPECT_EQ(log_, (std::vector<std::string>{"left", "left"})) << "released outside the button";
  Click(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"left", "left", "button"}));
}

TEST_F(ControlBehaviour, ALeftControlsExitRunsBeforeTheButtonActs) {
  auto* edit = Add<TEdit>(form_.get(), 10, 10, 100, 25);
  auto* other = Add<TEdit>(form_.get(), 10, 50, 100, 25);
  auto* button = Add<TBitBtn>(form_.get(), 10, 100, 75, 25);
  auto* panel = Add<TWinControl>(form_.get(), 150, 10, 150, 100);
  auto* inner = Add<TEdit>(panel, 0, 0, 100, 20);
  edit->OnExit = Log("exit edit");
  other->OnEnter = Log("enter other");
  button->OnEnter = Log("enter button");
  button->OnClick = Log("click");
  Show();
  ASSERT_TRUE(edit->Focused()) << "the first tab stop takes the focus";
  EXPECT_EQ(form_->ActiveControl(), edit);

  Press(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit edit", "enter button"}));
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(form_->ActiveControl(), button);
  Release(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit edit", "enter button", "click"}));

  // An exit handler that moves the focus elsewhere drops the press.
  Click(*edit);
  log_.clear();
  edit->OnExit = [&](TObject*) {
    log_.push_back("exit edit");
    other->SetFocus();
  };
  Click(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit edit", "enter other"}));
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(form_->ActiveControl(), other);
  EXPECT_EQ(form_->FocusedControl(), other);

  // An exit handler that fails is reported; a click follows only on a focused button.
  Click(*edit);
  log_.clear();
  edit->OnExit = [](TObject*) { throw Exception("abc"); };
  Click(*button);
  ASSERT_EQ(input_.boxes.size(), 1u);
  EXPECT_EQ(input_.boxes[0].text, "abc.");
  const bool clicked = std::ranges::count(log_, "click") == 1;
  EXPECT_EQ(clicked, button->Focused());

  // The window goes on working.
  edit->OnExit = Log("exit edit");
  Click(*edit);
  log_.clear();
  Click(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit edit", "enter button", "click"}));
  EXPECT_EQ(input_.boxes.size(), 1u);

  // An enter handler that moves the focus on: the controls further in are not entered.
  panel->OnEnter = [&](TObject*) {
    log_.push_back("enter panel");
    other->SetFocus();
  };
  inner->OnEnter = Log("enter inner");
  log_.clear();
  Click(*inner);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter panel", "enter other"}));
  EXPECT_TRUE(other->Focused());
}

// A failed exit on the way to another control: the error box takes the focus and gives it back to
// that control, which is then entered and, when it is left, raises its own exit.
TEST_F(ControlBehaviour, AControlReachedPastAFailedExitIsEnteredAndLeft) {
  auto* first = Add<TEdit>(form_.get(), 10, 10, 100, 25);
  auto* second = Add<TEdit>(form_.get(), 10, 50, 100, 25);
  auto* button = Add<TBitBtn>(form_.get(), 10, 100, 75, 25);
  first->OnExit = [this](TObject*) {
    log_.push_back("exit first");
    throw Exception("bad first");
  };
  second->OnEnter = Log("enter second");
  second->OnExit = Log("exit second");
  button->OnClick = Log("click");
  Show();
  ASSERT_TRUE(first->Focused());

  Click(*second);
  ASSERT_EQ(input_.boxes.size(), 1u);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(form_->ActiveControl(), second);
  EXPECT_EQ(form_->FocusedControl(), second);
  Click(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit first", "enter second", "exit second", "click"}));
}

TEST_F(ControlBehaviour, TabWalksTheTabListsDepthFirstAndWraps) {
  auto* first = Add<TEdit>(form_.get(), 10, 10, 100, 20);
  auto* disabled = Add<TEdit>(form_.get(), 10, 40, 100, 20);
  auto* hidden = Add<TEdit>(form_.get(), 10, 70, 100, 20);
  auto* noStop = Add<TEdit>(form_.get(), 10, 100, 100, 20);
  auto* panel = Add<TWinControl>(form_.get(), 150, 10, 150, 100);
  auto* inner1 = Add<TEdit>(panel, 0, 0, 100, 20);
  auto* inner2 = Add<TEdit>(panel, 0, 30, 100, 20);
  auto* last = Add<TEdit>(form_.get(), 10, 130, 100, 20);
  disabled->SetEnabled(false);
  hidden->SetVisible(false);
  noStop->SetTabStop(false);
  Show();
  ASSERT_EQ(FocusedOne(), first);

  auto walk = [&](int steps, bool backwards) {
    std::vector<TWinControl*> seen;
    for (int i = 0; i < steps; ++i) {
      UserInput::Key(win::VK_TAB, backwards);
      seen.push_back(FocusedOne());
    }
    return seen;
  };
  using Seen = std::vector<TWinControl*>;
  EXPECT_EQ(walk(5, false), (Seen{inner1, inner2, last, first, inner1}));
  EXPECT_EQ(walk(4, true), (Seen{first, last, inner2, inner1}));
  EXPECT_EQ(form_->ActiveControl(), inner1);

  UserInput::Backend().InjectKey(win::VK_CONTROL, true);
  UserInput::Key(win::VK_TAB);
  UserInput::Backend().InjectKey(win::VK_CONTROL, false);
  UserInput::Settle();
  EXPECT_EQ(FocusedOne(), inner1) << "Ctrl+Tab moves nothing";

  // A control inside a disabled parent cannot take the focus.
  Click(*first);
  panel->SetEnabled(false);
  EXPECT_EQ(walk(2, false), (Seen{last, first}));
  panel->SetEnabled(true);

  // Tab order assignment: negative to the first place, beyond the end to the last.
  inner2->SetTabOrder(-4);
  EXPECT_EQ(inner2->TabOrder(), 0);
  last->SetTabOrder(0);
  EXPECT_EQ(last->TabOrder(), 0);
  first->SetTabOrder(100);
  EXPECT_EQ(first->TabOrder(), 5);
  Click(*last);
  EXPECT_EQ(walk(4, false), (Seen{inner2, inner1, first, last}));
  EXPECT_EQ(walk(1, true), (Seen{first}));

  // Nothing else can take the focus: it stays.
  for (TWinControl* control : std::vector<TWinControl*>{last, inner1, inner2}) {
    control->SetTabStop(false);
  }
  EXPECT_EQ(walk(2, false), (Seen{first, first}));
}

TEST_F(ControlBehaviour, ArrowsMoveAmongButtonSiblingsButStayInAnEditBox) {
  auto* group = Add<TWinControl>(form_.get(), 10, 10, 300, 40);
  auto* b1 = Add<TBitBtn>(group, 0, 0, 60, 25);
  auto* b2 = Add<TBitBtn>(group, 70, 0, 60, 25);
  auto* b3 = Add<TBitBtn>(group, 140, 0, 60, 25);
  auto* b4 = Add<TBitBtn>(group, 210, 0, 60, 25);
  auto* nested = Add<TWinControl>(group, 280, 0, 20, 25);
  Add<TBitBtn>(nested, 0, 0, 20, 25);
  auto* edit = Add<TEdit>(form_.get(), 10, 60, 100, 20);
  Add<TEdit>(form_.get(), 10, 90, 100, 20);
  b2->SetTabStop(false);
  b3->SetEnabled(false);
  Show();

  Click(*b1);
  std::vector<TWinControl*> seen;
  for (unsigned key : {win::VK_RIGHT, win::VK_DOWN, win::VK_RIGHT, win::VK_RIGHT, win::VK_LEFT,
                       win::VK_LEFT, win::VK_UP}) {
    UserInput::Key(key);
    seen.push_back(FocusedOne());
  }
  EXPECT_EQ(seen, (std::vector<TWinControl*>{b2, b4, nested, b1, nested, b4, b2}))
      << "siblings only, tab stop or not, wrapping round";

  Click(*edit);
  for (unsigned key : {win::VK_RIGHT, win::VK_DOWN, win::VK_LEFT, win::VK_UP}) {
    UserInput::Key(key);
    EXPECT_EQ(FocusedOne(), edit) << "the edit box keeps its arrows, key " << key;
  }
}

TEST_F(ControlBehaviour, OnlyAVisibleEnabledControlOfTheWindowCanBeMadeActive) {
  auto* edit = Add<TEdit>(form_.get(), 10, 10, 100, 20);
  auto* hidden = Add<TEdit>(form_.get(), 10, 40, 100, 20);
  auto* disabled = Add<TEdit>(form_.get(), 10, 70, 100, 20);
  auto* panel = Add<TWinControl>(form_.get(), 150, 10, 100, 100);
  auto* inHiddenPanel = Add<TEdit>(panel, 0, 0, 80, 20);
  hidden->SetVisible(false);
  disabled->SetEnabled(false);
  panel->SetVisible(false);
  TForm otherForm(nullptr);
  auto* elsewhere = new TEdit(&otherForm);
  elsewhere->SetParent(&otherForm);
  Show();
  ASSERT_EQ(form_->ActiveControl(), edit);

  for (TWinControl* control :
       std::vector<TWinControl*>{hidden, disabled, inHiddenPanel, elsewhere}) {
    try {
      form_->SetActiveControl(control);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "Cannot focus a disabled or invisible window");
    }
    EXPECT_EQ(form_->ActiveControl(), edit);
    EXPECT_TRUE(edit->Focused());
  }
  EXPECT_THROW(hidden->SetFocus(), EInvalidOperation);
  panel->SetVisible(true);
  form_->SetActiveControl(inHiddenPanel);
  EXPECT_TRUE(inHiddenPanel->Focused());
}

TEST_F(ControlBehaviour, MovingSizingAndShowingRepaintBothPlaces) {
  auto* box = Add<Swatch>(form_.get(), 10, 10, 30, 30, kRed);
  auto* opaque = Add<Swatch>(form_.get(), 10, 100, 30, 30, kBlue);
  opaque->SetOpaque();
  opaque->SetVisible(false);
  Show();

  box->SetLeft(100);
  EXPECT_EQ(Pending(), (gfx::RECT{10, 10, 130, 40}));
  int erases = form_->erases;
  UserInput::Settle();
  EXPECT_GT(form_->erases, erases) << "the old place shows the background again";
  EXPECT_EQ(Pixel(20, 20), Background());
  EXPECT_EQ(Pixel(110, 20), kRed);

  box->SetBounds(100, 10, 30, 30);
  EXPECT_EQ(Pending(), gfx::RECT{}) << "the same bounds change nothing";
  box->SetWidth(50);
  EXPECT_EQ(Pending(), (gfx::RECT{100, 10, 150, 40}));
  UserInput::Settle();
  EXPECT_EQ(Pixel(140, 20), kRed);
  box->SetHeight(10);
  UserInput::Settle();
  EXPECT_EQ(Pixel(140, 30), Background());

  box->SetVisible(false);
  EXPECT_EQ(Pending(), box->BoundsRect());
  UserInput::Settle();
  EXPECT_EQ(Pixel(110, 15), Background());
  box->SetVisible(true);
  UserInput::Settle();
  EXPECT_EQ(Pixel(110, 15), kRed);

  erases = form_->erases;
  opaque->SetVisible(true);
  EXPECT_EQ(Pending(), opaque->BoundsRect());
  UserInput::Settle();
  EXPECT_EQ(Pixel(20, 110), kBlue);
  EXPECT_EQ(form_->erases, erases) << "an opaque control covers its place";

  // A windowed control moves its native window.
  auto* edit = Add<TEdit>(form_.get(), 10, 150, 100, 20);
  UserInput::Settle();
  edit->SetLeft(60);
  gfx::RECT rect;
  win::GetWindowRect(edit->Handle(), rect);
  gfx::POINT origin{rect.left, rect.top};
  win::ScreenToClient(form_->Handle(), origin);
  EXPECT_EQ(origin, (gfx::POINT{60, 150}));
  EXPECT_EQ(edit->Left(), 60);
}

TEST_F(ControlBehaviour, HidingTheFocusedControlGivesUpTheFocus) {
  auto* edit = Add<TEdit>(form_.get(), 10, 10, 100, 20);
  auto* panel = Add<TWinControl>(form_.get(), 10, 40, 200, 60);
  auto* inner = Add<TEdit>(panel, 0, 0, 100, 20);
  auto* button = Add<TBitBtn>(form_.get(), 10, 120, 75, 25);
  edit->OnExit = Log("exit edit");
  inner->OnExit = Log("exit inner");
  panel->OnExit = Log("exit panel");
  button->OnClick = Log("click");
  Show();
  ASSERT_TRUE(edit->Focused());

  edit->SetVisible(false);
  UserInput::Settle();
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(form_->ActiveControl(), nullptr);
  EXPECT_EQ(win::GetFocus(), form_->Handle());
  EXPECT_EQ(form_->FocusedControl(), form_.get());
  EXPECT_EQ(log_, std::vector<std::string>{"exit edit"});
  Click(*button);
  EXPECT_EQ(log_, (std::vector<std::string>{"exit edit", "click"})) << "no second exit";

  Click(*inner);
  log_.clear();
  panel->SetVisible(false);
  UserInput::Settle();
  EXPECT_FALSE(inner->Focused());
  EXPECT_EQ(log_, (std::vector<std::string>{"exit inner", "exit panel"}));
  UserInput::Key(win::VK_TAB);
  EXPECT_EQ(FocusedOne(), button);
}

TEST_F(ControlBehaviour, ColourAndFontFollowTheParentUntilSetOwn) {
  auto* panel = Add<TWinControl>(form_.get(), 150, 10, 150, 100);
  auto* box = Add<Swatch>(panel, 0, 0, 10, 10, std::nullopt);
  auto* edit = Add<TEdit>(panel, 0, 20, 100, 20);
  Show();
  EXPECT_EQ(box->Color(), clBtnFace);

  form_->SetColor(0x00102030);
  EXPECT_EQ(panel->Color(), 0x00102030);
  EXPECT_EQ(box->Color(), 0x00102030);
  UserInput::Settle();
  EXPECT_EQ(Pixel(5, 5), gfx::RGB(0x30, 0x20, 0x10)) << "the window repaints in its new colour";

  box->SetColor(clWindow);
  EXPECT_FALSE(box->ParentColor());
  form_->SetColor(0x00405060);
  EXPECT_EQ(box->Color(), clWindow);
  EXPECT_EQ(panel->Color(), 0x00405060);
  box->SetParentColor(true);
  EXPECT_EQ(box->Color(), 0x00405060);
  EXPECT_EQ(edit->Color(), clWindow) << "an edit box has a colour of its own";

  form_->Font()->SetHeight(-20);
  EXPECT_EQ(edit->Font()->Height(), -20);
  EXPECT_EQ(box->Font()->Height(), -20);
  EXPECT_TRUE(edit->ParentFont());
  edit->Font()->SetStyle(FontStyleBit(TFontStyle::fsBold));
  EXPECT_FALSE(edit->ParentFont());
  form_->Font()->SetName("Arial");
  EXPECT_EQ(box->Font()->Name(), "Arial");
  EXPECT_NE(edit->Font()->Name(), "Arial");
  edit->SetParentFont(true);
  EXPECT_TRUE(*edit->Font() == *form_->Font());
}

}  // namespace
}  // namespace pw
