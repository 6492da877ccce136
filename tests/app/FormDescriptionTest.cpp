#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppWindows.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Resources.h"

namespace pw {
namespace {

std::vector<std::string> ComponentNames(const TComponent& owner) {
  std::vector<std::string> names;
  for (int i = 0; i < owner.ComponentCount(); ++i) names.push_back(owner.Components(i)->Name());
  return names;
}

std::vector<std::string> Names(const auto& controls) {
  std::vector<std::string> names;
  for (const TControl* c : controls) names.push_back(c->Name());
  return names;
}

// Every published field names the component of its name, parented to the window.
void ExpectFieldsSet(TCustomForm& form) {
  for (const TClassInfo* c = &form.ClassInfo(); c != nullptr; c = c->parent) {
    for (const TFieldInfo& field : c->fields) {
      TComponent* component = field.get(&form);
      ASSERT_NE(component, nullptr) << field.name;
      EXPECT_EQ(component, form.FindComponent(field.name));
      EXPECT_EQ(&component->ClassInfo(), field.type) << field.name;
      EXPECT_EQ(static_cast<TControl*>(component)->Parent(), &form) << field.name;
    }
  }
}

TEST(FormDescriptions, CalculatorWindowHasItsControlsInStreamOrder) {
  auto form = testing::MakeCalculatorWindow();
  EXPECT_EQ(ComponentNames(*form),
            (std::vector<std::string>{
                "Image9",       "Image7",       "Image8",       "Bevel1",       "Image5", "Image6",
                "Label1",       "Image1",       "Image2",       "Image3",       "Image4", "Label6",
                "Label7",       "Label8",       "Label10",      "Label2",       "Label3", "Label4",
                "Image10",      "Image11",      "ComboBox1",    "BitBtn1",      "Edit1",  "Edit2",
                "RadioButton1", "RadioButton3", "RadioButton2", "RadioButton4", "BitBtn2"}));
  ExpectFieldsSet(*form);
  // FormCreate moved Image6 and then Label8 to the end of the painting order.
  EXPECT_EQ(Names(form->GraphicChildren()),
            (std::vector<std::string>{"Image9", "Image7",  "Image8",  "Bevel1", "Image5",
                                      "Label1", "Image1",  "Image2",  "Image3", "Image4",
                                      "Label6", "Label7",  "Label10", "Label2", "Label3",
                                      "Label4", "Image10", "Image11", "Image6", "Label8"}));
  EXPECT_EQ(Names(form->TabList()),
            (std::vector<std::string>{"RadioButton1", "RadioButton2", "RadioButton3", "ComboBox1",
                                      "Edit1", "Edit2", "BitBtn1", "RadioButton4", "BitBtn2"}));
}

TEST(FormDescriptions, CalculatorWindowPropertiesAreInEffect) {
  auto form = testing::MakeCalculatorWindow();
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "Profile Weight");
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(form->ClientWidth(), 387);
  EXPECT_EQ(form->ClientHeight(), 455);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font()->Height(), -11);
  EXPECT_EQ(form->TextHeight(), 13);
  EXPECT_EQ(form->PixelsPerInch(), 96);

  EXPECT_EQ(form->Label8->Caption(), "L");
  EXPECT_EQ(form->Label8->Font()->Height(), -19);
  EXPECT_EQ(form->Label8->Font()->Color(), clWhite);
  EXPECT_EQ(form->Label8->Font()->Charset(), ARABIC_CHARSET);
  EXPECT_TRUE(form->Label8->Transparent());
  EXPECT_EQ(form->BitBtn2->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(form->BitBtn2->Font()->Color(), clTeal);
  EXPECT_EQ(form->BitBtn2->Layout(), TButtonLayout::blGlyphBottom);
  EXPECT_EQ(form->BitBtn1->Caption(), "Calc.");
  EXPECT_EQ(form->BitBtn1->Font()->Color(), clNavy);
  EXPECT_TRUE(form->Edit1->ParentFont())
      << "controls without a font of their own follow the window";
  EXPECT_EQ(form->Edit1->Font()->Height(), -11);
  EXPECT_EQ(form->ComboBox1->ItemHeight(), 13);
  EXPECT_EQ(form->RadioButton4->Caption(), "RadioButton4");
  EXPECT_EQ(form->Image10->Left(), 8);
  EXPECT_TRUE(form->Image10->AutoSize());
  EXPECT_TRUE(form->Image10->Transparent());
  EXPECT_EQ(form->Image9->Picture()->GraphicClassName(), "TBitmap");
  EXPECT_EQ(form->Image9->Picture()->Data().size(), 708546u);
  EXPECT_FALSE(form->BitBtn1->Glyph()->Data().empty());
}

TEST(FormDescriptions, ShowcaseWindowHasItsControlsAndProperties) {
  auto form = testing::MakeShowcaseWindow();
  ASSERT_EQ(form->ComponentCount(), 42);
  EXPECT_EQ(form->Components(0), form->Image2);
  EXPECT_EQ(form->Components(41), form->Edit1);
  ExpectFieldsSet(*form);
  EXPECT_EQ(form->Caption(), "Resume");
  EXPECT_EQ(form->BorderIcons(), 1u) << "[biSystemMenu]";
  EXPECT_EQ(form->Width(), 598);
  EXPECT_EQ(form->Height(), 425);
  EXPECT_EQ(form->ClientWidth(), 590) << "the client area it was designed with";
  EXPECT_EQ(form->ClientHeight(), 391);
  EXPECT_EQ(form->Image2->Align(), TAlign::alClient);
  EXPECT_EQ(form->Image2->Width(), form->ClientWidth());
  EXPECT_EQ(form->Image2->Height(), form->ClientHeight());
  EXPECT_FALSE(form->Edit1->Visible());
  EXPECT_TRUE(form->Edit1->ReadOnly());
  EXPECT_EQ(form->Edit1->Text(), "0");
  EXPECT_EQ(form->WideLabel1->Font()->Name(), "Titr");
  // Auto-sized when reading ended: the stored 97 x 29 is what the title measures.
  EXPECT_EQ(form->WideLabel1->Left(), 460);
  EXPECT_EQ(form->WideLabel1->Width(), 97);
  EXPECT_EQ(form->WideLabel1->Height(), 29);
  EXPECT_EQ(form->WideLabel12->BiDiMode(), TBiDiMode::bdRightToLeft);
  EXPECT_FALSE(form->WideLabel12->ParentBiDiMode());
  EXPECT_EQ(form->WideLabel3->BiDiMode(), TBiDiMode::bdLeftToRight);
  EXPECT_EQ(form->Bevel1->Shape(), TBevelShape::bsTopLine);
  EXPECT_EQ(form->Bevel1->Style(), TBevelStyle::bsRaised);
  EXPECT_TRUE(form->Image1->Stretch());
  EXPECT_EQ(form->Image1->Picture()->GraphicClassName(), "TJPEGImage");
}

// The narrow-text labels auto-size to their captions in the process code page; with the fonts
// shipped, each stays within the width it was designed with, whatever the code page.
TEST(FormDescriptions, ShowcaseLabelsFitTheirDesignedWidthsOnEveryCodePage) {
  const int saved = sys::CodePage();
  for (int codePage : {1252, 1256, sys::kCodePageUtf8}) {
    SCOPED_TRACE("code page " + std::to_string(codePage));
    sys::SetCodePage(codePage);
    auto form = testing::MakeShowcaseWindow();
    EXPECT_LE(form->Label1->Width(), 417);
    EXPECT_LE(form->Label2->Width(), 138);
    EXPECT_LE(form->Label3->Width(), 58);
    if (codePage == sys::kCodePageUtf8) {
      EXPECT_EQ(sys::NarrowToWide(form->Label2->Caption()).size(), 27u);
    }
  }
  sys::SetCodePage(saved);
}

TEST(FormDescriptions, EachEmbeddedStreamIsReadToItsLastByte) {
  for (const char* name : {"TFORM1", "tform3"}) {
    const auto bytes = sys::FindResource(name, sys::ResourceType::RcData);
    ASSERT_TRUE(bytes) << name;
    TReadOnlyMemoryStream stream(*bytes);
    std::unique_ptr<TCustomForm> form;
    if (std::string(name) == "TFORM1") {
      form = std::make_unique<TForm1>(nullptr);
    } else {
      form = std::make_unique<TForm3>(nullptr);
    }
    ReadFormRoot(stream, *form);
    EXPECT_EQ(stream.Position(), stream.Size()) << name;
  }
}

// A window class without a description of its own.
class TUndescribedForm : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TForm::TForm;
};
const TClassInfo TUndescribedForm::classInfo{"TUndescribedForm", &TForm::classInfo};

TEST(FormDescriptions, AWindowWithoutDescriptionIsNotCreated) {
  TUndescribedForm* reference = nullptr;
  try {
    MakeForm<TUndescribedForm>(nullptr, reference);
    FAIL() << "created without a description";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource TUndescribedForm not found");
  }
  EXPECT_EQ(reference, nullptr);
}

}  // namespace
}  // namespace pw
