#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ComboBox.h"
#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "formc/FormWriter.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "graphics/TextMetrics.h"

namespace pw {
namespace {

using formc::TFormWriter;

// A window class with a few published fields and handlers.
class TTestForm : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TForm::TForm;

  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TRadioButton* RadioButton1 = nullptr;

  void Image1Click(TObject*) { ++clicks; }
  void FormCreate(TObject*) {
    createdWithEdit = Edit1 != nullptr && Edit1->Text() == "0";
    visibleAtCreate = Visible();
  }

  int clicks = 0;
  bool createdWithEdit = false;
  bool visibleAtCreate = true;
};

constexpr TFieldInfo kTestFields[] = {
    PublishedField<&TTestForm::Image1>("Image1"),
    PublishedField<&TTestForm::Label1>("Label1"),
    PublishedField<&TTestForm::Edit1>("Edit1"),
    PublishedField<&TTestForm::Edit2>("Edit2"),
    PublishedField<&TTestForm::RadioButton1>("RadioButton1"),
};
constexpr TMethodInfo kTestMethods[] = {
    PublishedMethod<&TTestForm::Image1Click>("Image1Click"),
    PublishedMethod<&TTestForm::FormCreate>("FormCreate"),
};
const TClassInfo TTestForm::classInfo{
    "TTestForm", &TForm::classInfo, {}, kTestFields, kTestMethods};

// A form stream: the root "TestForm" with the given properties and children.
struct StreamBuilder {
  TFormWriter w;
  StreamBuilder(const std::function<void(TFormWriter&)>& rootProperties,
                const std::function<void(TFormWriter&)>& children,
                std::string_view rootName = "TestForm") {
    w.WriteSignature();
    w.WriteShortText("TTestForm");
    w.WriteShortText(rootName);
    rootProperties(w);
    w.WriteListEnd();
    children(w);
    w.WriteListEnd();
  }
};

void Child(TFormWriter& w, std::string_view cls, std::string_view name,
           const std::function<void(TFormWriter&)>& properties) {
  w.WriteShortText(cls);
  w.WriteShortText(name);
  properties(w);
  w.WriteListEnd();
  w.WriteListEnd();  // no children
}

void Int(TFormWriter& w, std::string_view name, int value) {
  w.WriteShortText(name);
  w.WriteInteger(value);
}
void Ident(TFormWriter& w, std::string_view name, std::string_view value) {
  w.WriteShortText(name);
  w.WriteIdent(value);
}
void Text(TFormWriter& w, std::string_view name, std::string_view value) {
  w.WriteShortText(name);
  w.WriteString(value);
}

class FormInstantiation : public ::testing::Test {
 protected:
  void TearDown() override { SetTextExtentMeasure(nullptr); }

  // Reads the stream into a new window and completes it; then OnCreate runs.
  std::unique_ptr<TTestForm> Read(const StreamBuilder& stream) {
    auto form = std::make_unique<TTestForm>(nullptr);
    TReadOnlyMemoryStream bytes(stream.w.Bytes());
    ReadFormRoot(bytes, *form);
    form->DoCreate();
    return form;
  }

  static StreamBuilder TypicalStream() {
    return StreamBuilder(
        [](TFormWriter& w) {
          Int(w, "Left", 192);
          Ident(w, "bordersTYLE", "bsdialog");
          Text(w, "Caption", "Profile Weight");
          Int(w, "ClientHeight", 455);
          Int(w, "ClientWidth", 387);
          Ident(w, "Color", "clbtnface");
          w.WriteShortText("Font.Style");
          w.WriteSet(std::vector<std::string>{});
          Ident(w, "OnCreate", "FormCreate");
          Int(w, "PixelsPerInch", 96);
          Int(w, "TextHeight", 13);
        },
        [](TFormWriter& w) {
          Child(w, "TImage", "Image1", [](TFormWriter& w) {
            Int(w, "Left", 48);
            Ident(w, "OnClick", "image1click");
          });
          Child(w, "TLabel", "Label1", [](TFormWriter& w) {
            Int(w, "Font.Height", -15);
            w.WriteShortText("Font.Style");
            w.WriteSet(std::vector<std::string>{"fsBold", "fsNoSuchStyle"});
            Ident(w, "Font.Color", "clWhite");
            Ident(w, "Font.Charset", "ARABIC_CHARSET");
            w.WriteShortText("ParentFont");
            w.WriteBool(false);
          });
          Child(w, "TEdit", "Edit1", [](TFormWriter& w) {
            Text(w, "Text", "0");
            Int(w, "TabOrder", 1);
          });
          Child(w, "TEdit", "Edit2", [](TFormWriter& w) { Int(w, "TabOrder", 0); });
          Child(w, "TRadioButton", "RadioButton1", [](TFormWriter& w) { Int(w, "TabOrder", 0); });
        });
  }
};

TEST_F(FormInstantiation, CreatesNamesParentsAndSetsEveryComponent) {
  auto form = Read(TypicalStream());
  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->Caption(), "Profile Weight");
  EXPECT_EQ(form->Left(), 192);
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->ClientWidth(), 387);
  EXPECT_EQ(form->ClientHeight(), 455);
  EXPECT_EQ(form->TextHeight(), 13);
  EXPECT_TRUE(form->OldCreateOrder()) << "a stream that does not mention it gets the old order";

  ASSERT_EQ(form->ComponentCount(), 5);
  EXPECT_EQ(form->Components(0), form->Image1);
  EXPECT_EQ(form->Components(4), form->RadioButton1);
  EXPECT_EQ(form->Image1->Parent(), form.get());
  EXPECT_EQ(form->Image1->Left(), 48);
  EXPECT_EQ(form->Label1->Font()->Height(), -15);
  EXPECT_EQ(form->Label1->Font()->Style(), FontStyleBit(TFontStyle::fsBold));
  EXPECT_EQ(form->Label1->Font()->Color(), clWhite);
  EXPECT_EQ(form->Label1->Font()->Charset(), ARABIC_CHARSET);
  EXPECT_FALSE(form->Label1->ParentFont());
  EXPECT_EQ(form->Font()->Height(), -11) << "the window's own font is untouched";
  EXPECT_TRUE(form->Edit1->ParentFont());

  // Stored tab orders apply when the children are complete; of two equal values the later wins.
  EXPECT_EQ(form->TabList(),
            (std::vector<TWinControl*>{form->RadioButton1, form->Edit1, form->Edit2}));

  EXPECT_TRUE(form->createdWithEdit) << "OnCreate runs with every control in place";
  EXPECT_FALSE(form->visibleAtCreate);
  form->Image1->Click();
  EXPECT_EQ(form->clicks, 1);
  for (int i = 0; i < form->ComponentCount(); ++i) {
    EXPECT_FALSE(form->Components(i)->Loading()) << form->Components(i)->Name();
  }
}

TEST_F(FormInstantiation, MissingHandlerFailsTheWholeWindow) {
  const StreamBuilder stream([](TFormWriter&) {},
                             [](TFormWriter& w) {
                               Child(w, "TEdit", "Edit1", [](TFormWriter&) {});
                               Child(w, "TImage", "Image1",
                                     [](TFormWriter& w) { Ident(w, "OnClick", "Image2Click"); });
                             });
  auto form = std::make_unique<TTestForm>(nullptr);
  try {
    TReadOnlyMemoryStream bytes(stream.w.Bytes());
    ReadFormRoot(bytes, *form);
    FAIL() << "read a handler the class lacks";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Error reading Image1.OnClick: Invalid property value");
  }
  // The failed record's component is gone, field included; the window itself is the caller's.
  EXPECT_EQ(form->Image1, nullptr);
  EXPECT_EQ(form->ComponentCount(), 1);
}

TEST_F(FormInstantiation, ReportsBadClassesNamesAndValues) {
  const auto failure = [this](const std::function<void(TFormWriter&)>& children) -> std::string {
    try {
      Read(StreamBuilder([](TFormWriter&) {}, children));
    } catch (const Exception& e) {
      return dynamic_cast<const EClassNotFound*>(&e) != nullptr ? "EClassNotFound: " + e.Message()
                                                                : e.Message();
    }
    return "no error";
  };
  EXPECT_EQ(failure([](TFormWriter& w) { Child(w, "TFoo", "Foo1", [](TFormWriter&) {}); }),
            "EClassNotFound: Class TFoo not found");
  EXPECT_EQ(failure([](TFormWriter& w) {
              w.WritePrefix(kFlagInherited);
              Child(w, "TEdit", "Edit1", [](TFormWriter&) {});
            }),
            "Ancestor for 'Edit1' not found");
  EXPECT_EQ(failure([](TFormWriter& w) { Child(w, "TEdit", "1Edit", [](TFormWriter&) {}); }),
            "''1Edit'' is not a valid component name");
  EXPECT_EQ(failure([](TFormWriter& w) {
              Child(w, "TEdit", "Edit1", [](TFormWriter&) {});
              Child(w, "TEdit", "EDIT1", [](TFormWriter&) {});
            }),
            "A component named EDIT1 already exists");
  EXPECT_EQ(failure([](TFormWriter& w) {
              Child(w, "TLabel", "Label1", [](TFormWriter& w) { Ident(w, "Color", "clNoSuch"); });
            }),
            "Error reading Label1.Color: Invalid property value");
  EXPECT_EQ(failure([](TFormWriter& w) {
              Child(w, "TLabel", "Label1", [](TFormWriter& w) { Ident(w, "Align", "alNowhere"); });
            }),
            "Error reading Label1.Align: Invalid property value");
  EXPECT_EQ(failure([](TFormWriter& w) {
              Child(w, "TLabel", "Label1", [](TFormWriter& w) { Int(w, "Font.Size2", 3); });
            }),
            "Error reading Label1.Font.Size2: Property Size2 does not exist");
}

TEST_F(FormInstantiation, AChildPositionMovesTheComponentAmongItsKind) {
  auto form = Read(StreamBuilder([](TFormWriter&) {},
                                 [](TFormWriter& w) {
                                   Child(w, "TLabel", "Label1", [](TFormWriter&) {});
                                   w.WritePrefix(kFlagChildPosition, 0);
                                   Child(w, "TImage", "Image1", [](TFormWriter&) {});
                                 }));
  EXPECT_EQ(form->GraphicChildren(), (std::vector<TControl*>{form->Image1, form->Label1}));
  EXPECT_EQ(form->Components(1), form->Image1) << "ownership keeps the creation order";
}

TEST_F(FormInstantiation, RegisteredClassesAreFoundByNameOnce) {
  static const TClassInfo kPanel{"TTestPanel", &TWinControl::classInfo,     {}, {},
                                 {},           CreateComponent<TWinControl>};
  static const TClassInfo kOtherPanel{"TTESTPANEL", &TWinControl::classInfo};
  RegisterClass(kPanel);
  RegisterClass(kPanel);  // the same class again changes nothing
  try {
    RegisterClass(kOtherPanel);
    FAIL() << "a second class of one name";
  } catch (const EFilerError& e) {
    EXPECT_EQ(e.Message(), "A class named TTESTPANEL already exists");
  }
  auto form = Read(
      StreamBuilder([](TFormWriter&) {},
                    [](TFormWriter& w) { Child(w, "ttestpanel", "Panel1", [](TFormWriter&) {}); }));
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->Components(0)->Name(), "Panel1");
}

TEST_F(FormInstantiation, RootNamesStayUniqueAmongWindows) {
  auto first = Read(TypicalStream());
  auto second = Read(TypicalStream());
  auto third = Read(TypicalStream());
  EXPECT_EQ(first->Name(), "TestForm");
  EXPECT_EQ(second->Name(), "TestForm_1");
  EXPECT_EQ(third->Name(), "TestForm_2");
  second.reset();
  EXPECT_EQ(Read(TypicalStream())->Name(), "TestForm_1");
}

TEST_F(FormInstantiation, ADifferentTextHeightScalesTheControls) {
  SetTextExtentMeasure([](const TFont&, std::u16string_view) { return TSize{7, 16}; });
  auto form = Read(TypicalStream());
  EXPECT_EQ(form->Image1->Left(), 59);  // 48 * 16 / 13
  EXPECT_EQ(form->ClientWidth(), 476);  // 387 * 16 / 13
  EXPECT_EQ(form->ClientHeight(), 560);
  EXPECT_EQ(form->Label1->Font()->Height(), -18) << "own fonts scale with the controls";

  SetTextExtentMeasure([](const TFont&, std::u16string_view) { return TSize{7, 13}; });
  auto unscaled = Read(TypicalStream());
  EXPECT_EQ(unscaled->Image1->Left(), 48);
  EXPECT_EQ(unscaled->ClientWidth(), 387);
}

}  // namespace
}  // namespace pw
