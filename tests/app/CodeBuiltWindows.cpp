#include "app/CodeBuiltWindows.h"

#include <string>

namespace pw::testing {

namespace {

// Creates a control owned and parented by `form`, named, placed and stored in its field.
template <class T, class Form>
T* Add(Form* form, T* Form::*field, const char* name, int left, int top, int width, int height) {
  auto* control = new T(form);  // owned by the form
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  form->*field = control;
  return control;
}

}  // namespace

std::unique_ptr<TForm1> BuildCalculatorWindow() {
  Calculator = {};
  auto form = std::make_unique<TForm1>(nullptr);
  Form1 = form.get();
  TForm1* f = form.get();
  f->SetName("Form1");
  f->SetCaption("Profile Weight");
  Add(f, &TForm1::Image7, "Image7", 48, 280, 297, 153);
  Add(f, &TForm1::Image8, "Image8", 48, 280, 300, 158);
  Add(f, &TForm1::Image5, "Image5", 48, 280, 297, 153);
  Add(f, &TForm1::Image6, "Image6", 48, 280, 297, 153);
  Add(f, &TForm1::Image1, "Image1", 48, 88, 51, 43)->OnClick = MethodEvent(f, &TForm1::Image1Click);
  Add(f, &TForm1::Image2, "Image2", 136, 88, 49, 41)->OnClick =
      MethodEvent(f, &TForm1::Image2Click);
  Add(f, &TForm1::Image3, "Image3", 224, 88, 49, 41)->OnClick =
      MethodEvent(f, &TForm1::Image3Click);
  Add(f, &TForm1::Image4, "Image4", 312, 88, 49, 41)->OnClick =
      MethodEvent(f, &TForm1::Image4Click);
  Add(f, &TForm1::Label7, "Label7", 285, 237, 48, 17)->SetCaption("******");
  Add(f, &TForm1::Label8, "Label8", 243, 386, 12, 22)->SetCaption("L");
  auto* combo = Add(f, &TForm1::ComboBox1, "ComboBox1", 120, 152, 105, 21);
  combo->SetText("ComboBox1");
  combo->OnChange = MethodEvent(f, &TForm1::ComboBox1Change);
  Add(f, &TForm1::BitBtn1, "BitBtn1", 264, 166, 89, 41)->OnClick =
      MethodEvent(f, &TForm1::BitBtn1Click);
  auto* length = Add(f, &TForm1::Edit1, "Edit1", 120, 200, 65, 21);
  length->SetText("0");
  length->OnExit = MethodEvent(f, &TForm1::Edit1Exit);
  auto* quantity = Add(f, &TForm1::Edit2, "Edit2", 120, 248, 65, 21);
  quantity->SetText("1");
  quantity->OnExit = MethodEvent(f, &TForm1::Edit2Exit);
  Add(f, &TForm1::RadioButton1, "RadioButton1", 29, 104, 17, 17)->OnClick =
      MethodEvent(f, &TForm1::RadioButton1Click);
  Add(f, &TForm1::RadioButton3, "RadioButton3", 205, 104, 17, 17)->OnClick =
      MethodEvent(f, &TForm1::RadioButton3Click);
  Add(f, &TForm1::RadioButton2, "RadioButton2", 117, 104, 17, 17)->OnClick =
      MethodEvent(f, &TForm1::RadioButton2Click);
  auto* ipb = Add(f, &TForm1::RadioButton4, "RadioButton4", 293, 104, 17, 17);
  ipb->SetCaption("RadioButton4");
  ipb->OnClick = MethodEvent(f, &TForm1::RadioButton4Click);
  Add(f, &TForm1::BitBtn2, "BitBtn2", 312, 8, 65, 57)->SetCaption("NORVEX");
  f->BitBtn1->SetCaption("Calc.");
  f->OnCreate = MethodEvent(f, &TForm1::FormCreate);
  Raise(f->OnCreate, f);
  return form;
}

std::unique_ptr<TForm3> BuildShowcaseWindow() {
  auto form = std::make_unique<TForm3>(nullptr);
  Form3 = form.get();
  TForm3* f = form.get();
  f->SetName("Form3");
  f->SetCaption("Resume");
  // Thumbnails with their click handlers.
  struct Thumb {
    TImage* TForm3::*field;
    const char* name;
    int left, top;
    void (TForm3::*click)(TObject*);
  };
  const Thumb thumbs[] = {
      {&TForm3::Image1, "Image1", 8, 8, &TForm3::Image1Click},
      {&TForm3::Image3, "Image3", 8, 64, &TForm3::Image3Click},
      {&TForm3::Image4, "Image4", 8, 120, &TForm3::Image4Click},
      {&TForm3::Image5, "Image5", 8, 176, &TForm3::Image5Click},
      {&TForm3::Image6, "Image6", 8, 232, &TForm3::Image6Click},
      {&TForm3::Image7, "Image7", 200, 8, &TForm3::Image7Click},
      {&TForm3::Image8, "Image8", 200, 64, &TForm3::Image8Click},
      {&TForm3::Image9, "Image9", 200, 120, &TForm3::Image9Click},
      {&TForm3::Image10, "Image10", 200, 176, &TForm3::Image10Click},
      {&TForm3::Image11, "Image11", 200, 232, &TForm3::Image11Click},
  };
  for (const Thumb& t : thumbs) {
    Add(f, t.field, t.name, t.left, t.top, 49, 41)->OnClick = MethodEvent(f, t.click);
  }
  // Captions of the thumbnails.
  struct Caption {
    TWideLabel* TForm3::*field;
    const char* name;
    std::u16string text;
  };
  const Caption captions[] = {
      {&TForm3::WideLabel16, "WideLabel16", u"طراحي نوار نقاله"},
      {&TForm3::WideLabel17, "WideLabel17", u"( Belt conveyor )"},
      {&TForm3::WideLabel13, "WideLabel13", u"طراحي مارپيچها"},
      {&TForm3::WideLabel12, "WideLabel12", u"( Screw Conveyor )"},
      {&TForm3::WideLabel14, "WideLabel14", u"طراحي باکت الواتور "},
      {&TForm3::WideLabel18, "WideLabel18", u"( Bucket elevator )"},
      {&TForm3::WideLabel19, "WideLabel19", u"طراحي نقاله زنجيري "},
      {&TForm3::WideLabel20, "WideLabel20", u"( Drag Chain )"},
      {&TForm3::WideLabel21, "WideLabel21", u"طراحي مخازن مواد "},
      {&TForm3::WideLabel22, "WideLabel22", u"( Bin silo )"},
      {&TForm3::WideLabel23, "WideLabel23", u"طراحي داکتينگ"},
      {&TForm3::WideLabel24, "WideLabel24", u"( Ducting )"},
      {&TForm3::WideLabel25, "WideLabel25", u"طراحي سازه"},
      {&TForm3::WideLabel26, "WideLabel26", u"( Steel Structure )"},
      {&TForm3::WideLabel27, "WideLabel27", u"تدريس  روانکاري "},
      {&TForm3::WideLabel28, "WideLabel28", u"( Lubrication )"},
      {&TForm3::WideLabel29, "WideLabel29", u"بازرسي جوش"},
      {&TForm3::WideLabel30, "WideLabel30", u"VT_RTi_UT_MT"},
      {&TForm3::WideLabel31, "WideLabel31", u"طراحي سه بعدی"},
      {&TForm3::WideLabel32, "WideLabel32", u"( 3D Drawing )"},
  };
  for (const Caption& c : captions) Add(f, c.field, c.name, 260, 8, 100, 17)->SetCaption(c.text);
  Add(f, &TForm3::WideLabel1, "WideLabel1", 450, 40, 100, 29)->SetCaption(u"طراحي نوار نقاله");
  Add(f, &TForm3::WideLabel3, "WideLabel3", 450, 80, 100, 17)->SetCaption(u"( Belt conveyor )");
  Add(f, &TForm3::BitBtn1, "BitBtn1", 450, 330, 50, 25)->OnClick =
      MethodEvent(f, &TForm3::BitBtn1Click);
  Add(f, &TForm3::BitBtn2, "BitBtn2", 510, 330, 50, 25)->OnClick =
      MethodEvent(f, &TForm3::BitBtn2Click);
  // The counter: its text is set before its change event is bound, so "0" raises nothing.
  auto* counter = Add(f, &TForm3::Edit1, "Edit1", 450, 360, 30, 21);
  counter->SetVisible(false);
  counter->SetReadOnly(true);
  counter->SetText("0");
  counter->OnChange = MethodEvent(f, &TForm3::Edit1Change);
  return form;
}

}  // namespace pw::testing
