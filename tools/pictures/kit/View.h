#pragma once
// A picture, or a view on a drawing sheet, made of parts: a class whose first member is the
// context it draws in and whose member functions each draw one part, listed in kParts in
// painting order.

#include <cairo.h>

namespace pw::pictures {

template <typename View>
using Part = void (View::*)();

template <typename View>
void DrawView(cairo_t* cr) {
  View view{cr};
  for (const Part<View> part : View::kParts) (view.*part)();
}

}  // namespace pw::pictures
