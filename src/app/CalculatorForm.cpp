#include "app/CalculatorForm.h"

#include "app/ShowcaseForm.h"
#include "app/calculation/BatchMass.h"
#include "app/catalogue/Catalogue.h"
#include "convert/NumberText.h"
#include "forms/StringList.h"
#include "forms/TypeInfo.h"

namespace pw {

CalculatorState Calculator;
TForm1* Form1 = nullptr;

namespace {

constexpr TFieldInfo kFields[] = {
    PublishedField<&TForm1::Image9>("Image9"),
    PublishedField<&TForm1::Image7>("Image7"),
    PublishedField<&TForm1::Image8>("Image8"),
    PublishedField<&TForm1::Bevel1>("Bevel1"),
    PublishedField<&TForm1::Image5>("Image5"),
    PublishedField<&TForm1::Image6>("Image6"),
    PublishedField<&TForm1::Label1>("Label1"),
    PublishedField<&TForm1::Image1>("Image1"),
    PublishedField<&TForm1::Image2>("Image2"),
    PublishedField<&TForm1::Image3>("Image3"),
    PublishedField<&TForm1::Image4>("Image4"),
    PublishedField<&TForm1::Label6>("Label6"),
    PublishedField<&TForm1::Label7>("Label7"),
    PublishedField<&TForm1::Label8>("Label8"),
    PublishedField<&TForm1::Label10>("Label10"),
    PublishedField<&TForm1::Label2>("Label2"),
    PublishedField<&TForm1::Label3>("Label3"),
    PublishedField<&TForm1::Label4>("Label4"),
    PublishedField<&TForm1::Image10>("Image10"),
    PublishedField<&TForm1::Image11>("Image11"),
    PublishedField<&TForm1::ComboBox1>("ComboBox1"),
    PublishedField<&TForm1::BitBtn1>("BitBtn1"),
    PublishedField<&TForm1::Edit1>("Edit1"),
    PublishedField<&TForm1::Edit2>("Edit2"),
    PublishedField<&TForm1::RadioButton1>("RadioButton1"),
    PublishedField<&TForm1::RadioButton3>("RadioButton3"),
    PublishedField<&TForm1::RadioButton2>("RadioButton2"),
    PublishedField<&TForm1::RadioButton4>("RadioButton4"),
    PublishedField<&TForm1::BitBtn2>("BitBtn2"),
};

constexpr TMethodInfo kMethods[] = {
    PublishedMethod<&TForm1::RadioButton1Click>("RadioButton1Click"),
    PublishedMethod<&TForm1::RadioButton2Click>("RadioButton2Click"),
    PublishedMethod<&TForm1::ComboBox1Change>("ComboBox1Change"),
    PublishedMethod<&TForm1::FormCreate>("FormCreate"),
    PublishedMethod<&TForm1::Edit1Exit>("Edit1Exit"),
    PublishedMethod<&TForm1::Edit2Exit>("Edit2Exit"),
    PublishedMethod<&TForm1::BitBtn1Click>("BitBtn1Click"),
    PublishedMethod<&TForm1::Image1Click>("Image1Click"),
    PublishedMethod<&TForm1::RadioButton3Click>("RadioButton3Click"),
    PublishedMethod<&TForm1::RadioButton4Click>("RadioButton4Click"),
    PublishedMethod<&TForm1::Image2Click>("Image2Click"),
    PublishedMethod<&TForm1::Image3Click>("Image3Click"),
    PublishedMethod<&TForm1::Image4Click>("Image4Click"),
    PublishedMethod<&TForm1::BitBtn2Click>("BitBtn2Click"),
};

}  // namespace

const TClassInfo TForm1::classInfo{"TForm1", &TForm::classInfo, {}, kFields, kMethods};

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

TRadioButton* TForm1::FamilyButton(int family) const {
  TRadioButton* const buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
  return buttons[family - 1];
}

void TForm1::ShowFamilyDrawing(int family) {
  TImage* const drawings[] = {Image6, Image5, Image7, Image8};
  drawings[family - 1]->BringToFront();
  Label8->BringToFront();
}

void TForm1::FamilyChosen(int family) {
  ShowFamilyDrawing(family);
  const auto& sizes = catalogue::Family(family).sizes;
  TStringList designations;
  for (const auto& size : sizes) designations.Add(std::string(size.designation));
  ComboBox1->SetItems(designations);
  ComboBox1->SetItemIndex(0);
  // Selecting entry 0 raised no change event, so its weight is taken here.
  if (FamilyButton(family)->Checked()) Calculator.UnitWeight = sizes.front().unitWeight;
}

void TForm1::FamilyIconClicked(int family) {
  FamilyButton(family)->SetChecked(true);
  ShowFamilyDrawing(family);
}

void TForm1::RadioButton1Click(TObject*) {
  FamilyChosen(1);
}
void TForm1::RadioButton2Click(TObject*) {
  FamilyChosen(2);
}
void TForm1::RadioButton3Click(TObject*) {
  FamilyChosen(3);
}
void TForm1::RadioButton4Click(TObject*) {
  FamilyChosen(4);
}

void TForm1::ComboBox1Change(TObject*) {
  for (int family = 1; family <= catalogue::kFamilyCount; ++family) {
    if (!FamilyButton(family)->Checked()) continue;
    if (auto weight = catalogue::UnitWeight(family, ComboBox1->ItemIndex())) {
      Calculator.UnitWeight = *weight;
    }
  }
}

void TForm1::FormCreate(TObject*) {
  Calculator.ProfileLength = 0;
  Calculator.Quantity = 1;
  RadioButton1->SetChecked(true);
}

void TForm1::Edit1Exit(TObject*) {
  Calculator.ProfileLength = ParseExtended(Edit1->Text());
}

void TForm1::Edit2Exit(TObject*) {
  Calculator.Quantity = ParseInteger(Edit2->Text());
}

void TForm1::BitBtn1Click(TObject*) {
  const BatchMass mass =
      WeighBatch(Calculator.UnitWeight, Calculator.ProfileLength, Calculator.Quantity);
  Calculator.TotalMass = mass.kg;
  Calculator.ResultText = mass.text;
  Label7->SetCaption(MassCaption(mass));
}

void TForm1::Image1Click(TObject*) {
  FamilyIconClicked(1);
}
void TForm1::Image2Click(TObject*) {
  FamilyIconClicked(2);
}
void TForm1::Image3Click(TObject*) {
  FamilyIconClicked(3);
}
void TForm1::Image4Click(TObject*) {
  FamilyIconClicked(4);
}

// The showcase window keeps its state from one opening to the next; the result is not used.
void TForm1::BitBtn2Click(TObject*) {
  Form3->RunModal();
}

}  // namespace pw
