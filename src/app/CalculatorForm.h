#pragma once
// TForm1, the "Profile Weight" window: mass = unit weight (kg/m) x length (mm) x quantity / 1000.

#include <cstdint>
#include <string>

#include "controls/Bevel.h"
#include "controls/BitBtn.h"
#include "controls/ComboBox.h"
#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "convert/Extended.h"

namespace pw {

// The calculator's module state, one set shared by all of TForm1's handlers.
struct CalculatorState {
  Extended UnitWeight = 0;     // kg/m of the selected size
  Extended ProfileLength = 0;  // mm of one piece
  std::int32_t Quantity = 0;   // number of pieces
  Extended TotalMass = 0;      // kg, last computed
  std::string ResultText;      // last formatted mass, without the unit
};
extern CalculatorState Calculator;

class TForm1 : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TForm1(TComponent* owner);

  // Components, in stream order (published as forms/Form1.json names them); set by name as the
  // window is read.
  TImage* Image9 = nullptr;  // background panel
  TImage* Image7 = nullptr;  // drawings: I
  TImage* Image8 = nullptr;  // IPB
  TBevel* Bevel1 = nullptr;
  TImage* Image5 = nullptr;  // U
  TImage* Image6 = nullptr;  // L
  TLabel* Label1 = nullptr;
  TImage* Image1 = nullptr;  // family icons: L, U, I, IPB
  TImage* Image2 = nullptr;
  TImage* Image3 = nullptr;
  TImage* Image4 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;  // result
  TLabel* Label8 = nullptr;  // the length mark "L" on the drawings
  TLabel* Label10 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TImage* Image10 = nullptr;
  TImage* Image11 = nullptr;
  TComboBox* ComboBox1 = nullptr;        // sizes of the chosen family
  TBitBtn* BitBtn1 = nullptr;            // "Calc."
  TEdit* Edit1 = nullptr;                // length, mm
  TEdit* Edit2 = nullptr;                // quantity
  TRadioButton* RadioButton1 = nullptr;  // L
  TRadioButton* RadioButton3 = nullptr;  // I
  TRadioButton* RadioButton2 = nullptr;  // U
  TRadioButton* RadioButton4 = nullptr;  // IPB
  TBitBtn* BitBtn2 = nullptr;            // opens the showcase window

  // Handlers, in declaration order.
  void RadioButton1Click(TObject* sender);
  void RadioButton2Click(TObject* sender);
  void ComboBox1Change(TObject* sender);
  void FormCreate(TObject* sender);
  void Edit1Exit(TObject* sender);
  void Edit2Exit(TObject* sender);
  void BitBtn1Click(TObject* sender);
  void Image1Click(TObject* sender);
  void RadioButton3Click(TObject* sender);
  void RadioButton4Click(TObject* sender);
  void Image2Click(TObject* sender);
  void Image3Click(TObject* sender);
  void Image4Click(TObject* sender);
  void BitBtn2Click(TObject* sender);

 private:
  TRadioButton* FamilyButton(int family) const;
  // Brings the family's drawing to the front, then the length mark above it.
  void ShowFamilyDrawing(int family);
  // The radio button's click: drawing, size list with the first size selected, unit weight.
  void FamilyChosen(int family);
  // The icon's click: checks the family's radio button, then shows its drawing.
  void FamilyIconClicked(int family);
};

extern TForm1* Form1;

}  // namespace pw
