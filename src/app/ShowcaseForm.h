#pragma once
// TForm3, the "Resume" window: ten slides stepped with next and previous or chosen by thumbnail.
// The hidden edit box Edit1 holds the slide counter, the only navigation state.

#include "controls/Bevel.h"
#include "controls/BitBtn.h"
#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/WideLabel.h"

namespace pw {

class TForm3 : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TForm3(TComponent* owner);

  static constexpr int kSlideCount = 10;

  // Components, in stream order (published as forms/Form3.json names them); set by name as the
  // window is read.
  TImage* Image2 = nullptr;           // background
  TWideLabel* WideLabel1 = nullptr;   // title display
  TWideLabel* WideLabel3 = nullptr;   // subtitle display
  TImage* Image1 = nullptr;           // thumbnails, enlarged into the slide area when shown
  TWideLabel* WideLabel12 = nullptr;  // thumbnail titles and subtitles
  TWideLabel* WideLabel13 = nullptr;
  TBevel* Bevel1 = nullptr;
  TImage* Image3 = nullptr;
  TWideLabel* WideLabel16 = nullptr;
  TWideLabel* WideLabel17 = nullptr;
  TImage* Image4 = nullptr;
  TImage* Image5 = nullptr;
  TImage* Image6 = nullptr;
  TImage* Image7 = nullptr;
  TImage* Image8 = nullptr;
  TImage* Image9 = nullptr;
  TImage* Image10 = nullptr;
  TImage* Image11 = nullptr;
  TWideLabel* WideLabel14 = nullptr;
  TWideLabel* WideLabel18 = nullptr;
  TWideLabel* WideLabel19 = nullptr;
  TWideLabel* WideLabel20 = nullptr;
  TWideLabel* WideLabel21 = nullptr;
  TWideLabel* WideLabel22 = nullptr;
  TWideLabel* WideLabel23 = nullptr;
  TWideLabel* WideLabel24 = nullptr;
  TWideLabel* WideLabel25 = nullptr;
  TWideLabel* WideLabel26 = nullptr;
  TWideLabel* WideLabel27 = nullptr;
  TWideLabel* WideLabel28 = nullptr;
  TWideLabel* WideLabel29 = nullptr;
  TWideLabel* WideLabel30 = nullptr;
  TWideLabel* WideLabel31 = nullptr;
  TWideLabel* WideLabel32 = nullptr;
  TImage* Image12 = nullptr;
  TImage* Image13 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TBitBtn* BitBtn1 = nullptr;  // next
  TBitBtn* BitBtn2 = nullptr;  // previous
  TEdit* Edit1 = nullptr;      // slide counter: "0", "1".."10", passing "11" and "-1"

  // Handlers, in declaration order.
  void BitBtn1Click(TObject* sender);
  void Edit1Change(TObject* sender);
  void BitBtn2Click(TObject* sender);
  void Image1Click(TObject* sender);
  void Image3Click(TObject* sender);
  void Image4Click(TObject* sender);
  void Image5Click(TObject* sender);
  void Image6Click(TObject* sender);
  void Image7Click(TObject* sender);
  void Image8Click(TObject* sender);
  void Image9Click(TObject* sender);
  void Image10Click(TObject* sender);
  void Image11Click(TObject* sender);

 private:
  // Enlarges slide n's image into the slide area, brings it to the front and copies its title
  // and subtitle into the displays.
  void ShowSlide(int n);
  // A thumbnail's click: the counter names slide n, then the slide is shown.
  void ThumbnailClicked(int n);
  // Adds `step` to the counter.
  void StepCounter(int step);
};

extern TForm3* Form3;

}  // namespace pw
