#include "app/ShowcaseForm.h"

#include <array>
#include <cstdint>

#include "app/Form3Bindings.h"
#include "convert/NumberText.h"
#include "forms/TypeInfo.h"

namespace pw {

TForm3* Form3 = nullptr;

namespace {

// The slide area over the thumbnail grid, in client coordinates.
constexpr int kSlideLeft = 8;
constexpr int kSlideTop = 8;
constexpr int kSlideWidth = 425;
constexpr int kSlideHeight = 313;

// Slide n's image and the labels its title and subtitle are read from.
struct Slide {
  TImage* TForm3::*image;
  TWideLabel* TForm3::*title;
  TWideLabel* TForm3::*subtitle;
};

constexpr std::array<Slide, TForm3::kSlideCount> kSlides = {{
    {&TForm3::Image1, &TForm3::WideLabel16, &TForm3::WideLabel17},
    {&TForm3::Image3, &TForm3::WideLabel13, &TForm3::WideLabel12},
    {&TForm3::Image4, &TForm3::WideLabel14, &TForm3::WideLabel18},
    {&TForm3::Image5, &TForm3::WideLabel19, &TForm3::WideLabel20},
    {&TForm3::Image6, &TForm3::WideLabel21, &TForm3::WideLabel22},
    {&TForm3::Image7, &TForm3::WideLabel23, &TForm3::WideLabel24},
    {&TForm3::Image8, &TForm3::WideLabel25, &TForm3::WideLabel26},
    {&TForm3::Image9, &TForm3::WideLabel27, &TForm3::WideLabel28},
    {&TForm3::Image10, &TForm3::WideLabel29, &TForm3::WideLabel30},
    {&TForm3::Image11, &TForm3::WideLabel31, &TForm3::WideLabel32},
}};

}  // namespace

// The published fields and handlers are those Form3.json names, generated from it.
const TClassInfo TForm3::classInfo{
    "TForm3", &TForm::classInfo, {}, TForm3Bindings::kFields, TForm3Bindings::kMethods};

TForm3::TForm3(TComponent* owner) : TForm(owner) {}

void TForm3::ShowSlide(int n) {
  const Slide& slide = kSlides[static_cast<std::size_t>(n - 1)];
  TImage* image = this->*slide.image;
  // Four separate property changes; nothing is painted in between.
  image->SetTop(kSlideTop);
  image->SetLeft(kSlideLeft);
  image->SetWidth(kSlideWidth);
  image->SetHeight(kSlideHeight);
  image->SetVisible(true);
  image->BringToFront();
  WideLabel1->SetCaption((this->*slide.title)->Caption());
  WideLabel3->SetCaption((this->*slide.subtitle)->Caption());
}

void TForm3::Edit1Change(TObject*) {
  // Every number is compared against a fresh read of the counter; no early exit.
  for (int n = 1; n <= kSlideCount; ++n) {
    if (Edit1->Text() == FormatInteger(n)) ShowSlide(n);
  }
}

void TForm3::StepCounter(int step) {
  // 32-bit arithmetic that wraps rather than overflows.
  const auto sum =
      static_cast<std::uint32_t>(ParseInteger(Edit1->Text())) + static_cast<std::uint32_t>(step);
  Edit1->SetText(FormatInteger(static_cast<std::int32_t>(sum)));
}

void TForm3::BitBtn1Click(TObject*) {
  StepCounter(+1);
  if (Edit1->Text() == "11") Edit1->SetText("1");
}

void TForm3::BitBtn2Click(TObject*) {
  StepCounter(-1);
  if (Edit1->Text() == "-1") Edit1->SetText("10");
  if (Edit1->Text() == "0") Edit1->SetText("10");
}

void TForm3::ThumbnailClicked(int n) {
  Edit1->SetText(FormatInteger(n));
  ShowSlide(n);
}

void TForm3::Image1Click(TObject*) {
  ThumbnailClicked(1);
}
void TForm3::Image3Click(TObject*) {
  ThumbnailClicked(2);
}
void TForm3::Image4Click(TObject*) {
  ThumbnailClicked(3);
}
void TForm3::Image5Click(TObject*) {
  ThumbnailClicked(4);
}
void TForm3::Image6Click(TObject*) {
  ThumbnailClicked(5);
}
void TForm3::Image7Click(TObject*) {
  ThumbnailClicked(6);
}
void TForm3::Image8Click(TObject*) {
  ThumbnailClicked(7);
}
void TForm3::Image9Click(TObject*) {
  ThumbnailClicked(8);
}
void TForm3::Image10Click(TObject*) {
  ThumbnailClicked(9);
}
void TForm3::Image11Click(TObject*) {
  ThumbnailClicked(10);
}

}  // namespace pw
