#include "app/CalculatorForm.h"

#include "app/Form1Bindings.h"
#include "app/ShowcaseForm.h"
#include "app/calculation/BatchMass.h"
#include "app/catalogue/Catalogue.h"
#include "convert/NumberText.h"
#include "forms/StringList.h"
#include "forms/TypeInfo.h"

namespace pw {

CalculatorState Calculator;
TForm1* Form1 = nullptr;

// The published fields and handlers are those Form1.json names, generated from it.
const TClassInfo TForm1::classInfo{
    "TForm1", &TForm::classInfo, {}, TForm1Bindings::kFields, TForm1Bindings::kMethods};

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
