// The two embedded form streams: their exact framing, their structure and the content of the
// calculator window (TFORM1) and the showcase window (TFORM3).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FormStreamWalker.h"
#include "platform/sys/Resources.h"

namespace pw::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kTagInt8 = 2, kTagInt16 = 3, kTagString = 6, kTagIdent = 7, kTagFalse = 8,
                       kTagTrue = 9, kTagBytes = 10, kTagSet = 11, kTagUtf8String = 20;

std::span<const std::uint8_t> Stream(const char* name) {
  const auto bytes = sys::FindResource(name, sys::ResourceType::RcData);
  if (!bytes) throw std::runtime_error(std::string("missing resource ") + name);
  return *bytes;
}

WalkedRecord Walk(const char* name) {
  FormStreamWalker walker(Stream(name));
  return walker.WalkStream();
}

// Bytes of a short text, as the stream holds it.
void AppendShort(Bytes& out, const std::string& text) {
  out.push_back(static_cast<std::uint8_t>(text.size()));
  out.insert(out.end(), text.begin(), text.end());
}

void AppendIdentProperty(Bytes& out, const std::string& name, const std::string& ident) {
  AppendShort(out, name);
  out.push_back(kTagIdent);
  AppendShort(out, ident);
}

void AppendStringProperty(Bytes& out, const std::string& name, const std::string& text) {
  AppendShort(out, name);
  out.push_back(kTagString);
  AppendShort(out, text);
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// ---------------------------------------------------------------------------------------------
// Framing

TEST(FormStreams, Form1BeginsAsTheWorkedExample) {
  // The window's property list exactly, then the first child's header and bounds, then the
  // header of its picture payload: tag 0A and the length 708546 (C2 CF 0A 00).
  Bytes expected = {0x54, 0x50, 0x46, 0x30};
  AppendShort(expected, "TForm1");
  AppendShort(expected, "Form1");
  expected.insert(expected.end(), {0x04, 'L', 'e', 'f', 't', 0x03, 0xC0, 0x00});
  expected.insert(expected.end(), {0x03, 'T', 'o', 'p', 0x02, 0x72});
  AppendIdentProperty(expected, "BorderStyle", "bsDialog");
  AppendStringProperty(expected, "Caption", "Profile Weight");
  AppendShort(expected, "ClientHeight");
  expected.insert(expected.end(), {0x03, 0xC7, 0x01});
  AppendShort(expected, "ClientWidth");
  expected.insert(expected.end(), {0x03, 0x83, 0x01});
  AppendIdentProperty(expected, "Color", "clBtnFace");
  AppendIdentProperty(expected, "Font.Charset", "DEFAULT_CHARSET");
  AppendIdentProperty(expected, "Font.Color", "clWindowText");
  AppendShort(expected, "Font.Height");
  expected.insert(expected.end(), {0x02, 0xF5});
  AppendStringProperty(expected, "Font.Name", "MS Sans Serif");
  AppendShort(expected, "Font.Style");
  expected.insert(expected.end(), {0x0B, 0x00});
  AppendShort(expected, "OldCreateOrder");
  expected.push_back(0x08);
  AppendIdentProperty(expected, "OnCreate", "FormCreate");
  AppendShort(expected, "PixelsPerInch");
  expected.insert(expected.end(), {0x02, 0x60});
  AppendShort(expected, "TextHeight");
  expected.insert(expected.end(), {0x02, 0x0D});
  expected.push_back(0x00);
  expected.insert(expected.end(), {0x06, 'T', 'I', 'm', 'a', 'g', 'e'});
  expected.insert(expected.end(), {0x06, 'I', 'm', 'a', 'g', 'e', '9'});
  expected.insert(expected.end(), {0x04, 'L', 'e', 'f', 't', 0x02, 0x08});
  expected.insert(expected.end(), {0x03, 'T', 'o', 'p', 0x02, 0x48});
  AppendShort(expected, "Width");
  expected.insert(expected.end(), {0x03, 0x71, 0x01});
  AppendShort(expected, "Height");
  expected.insert(expected.end(), {0x03, 0x79, 0x01});
  AppendShort(expected, "Picture.Data");
  expected.insert(expected.end(), {0x0A, 0xC2, 0xCF, 0x0A, 0x00});

  const auto stream = Stream("TFORM1");
  ASSERT_GE(stream.size(), expected.size());
  EXPECT_EQ(Bytes(stream.begin(), stream.begin() + expected.size()), expected);
}

TEST(FormStreams, Form1EndsWithTheLastButtonsLayout) {
  Bytes tail;
  AppendIdentProperty(tail, "Layout", "blGlyphBottom");
  tail.insert(tail.end(), {0x00, 0x00, 0x00});
  const auto stream = Stream("TFORM1");
  ASSERT_GE(stream.size(), tail.size());
  EXPECT_EQ(Bytes(stream.end() - tail.size(), stream.end()), tail);
}

TEST(FormStreams, Form3BeginsWithItsWindowRecordAndEndsWithThreeListEnds) {
  Bytes head = {0x54, 0x50, 0x46, 0x30};
  AppendShort(head, "TForm3");
  AppendShort(head, "Form3");
  head.insert(head.end(), {0x04, 'L', 'e', 'f', 't', 0x03, 0x68, 0x01});
  head.insert(head.end(), {0x03, 'T', 'o', 'p', 0x03, 0xFB, 0x00});
  const auto stream = Stream("TFORM3");
  ASSERT_GE(stream.size(), head.size());
  EXPECT_EQ(Bytes(stream.begin(), stream.begin() + head.size()), head);
  // Edit1's OnChange, then the ends of its property list, its child list and the window's.
  Bytes tail;
  AppendIdentProperty(tail, "OnChange", "Edit1Change");
  tail.insert(tail.end(), {0x00, 0x00, 0x00});
  EXPECT_EQ(Bytes(stream.end() - tail.size(), stream.end()), tail);
}

TEST(FormStreams, BoldStyleIsASetWithOneMember) {
  const Bytes bold = {0x0A, 'F',  'o',  'n', 't', '.', 'S', 't', 'y', 'l',
                      'e',  0x0B, 0x06, 'f', 's', 'B', 'o', 'l', 'd', 0x00};
  for (const char* name : {"TFORM1", "TFORM3"}) {
    const auto stream = Stream(name);
    EXPECT_NE(std::search(stream.begin(), stream.end(), bold.begin(), bold.end()), stream.end())
        << name;
  }
}

TEST(FormStreams, WalkConsumesEachStreamExactly) {
  for (const char* name : {"TFORM1", "TFORM3"}) {
    const auto stream = Stream(name);
    FormStreamWalker walker(stream);
    walker.WalkStream();
    EXPECT_EQ(walker.Position(), stream.size()) << name;
  }
}

TEST(FormStreams, TheStreamsHaveTheStatedSizes) {
  EXPECT_EQ(Stream("TFORM1").size(), 1343527u);
  EXPECT_EQ(Stream("TFORM3").size(), 766687u);
}

// ---------------------------------------------------------------------------------------------
// Components

struct ExpectedComponent {
  const char* className;
  const char* name;
  int left, top, width, height;
};

void ExpectComponents(const WalkedRecord& root, const std::vector<ExpectedComponent>& expected) {
  ASSERT_EQ(root.children.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const WalkedRecord& child = root.children[i];
    const ExpectedComponent& e = expected[i];
    EXPECT_EQ(child.className, e.className) << i;
    EXPECT_EQ(child.name, e.name) << i;
    EXPECT_TRUE(child.children.empty()) << e.name;
    ASSERT_GE(child.properties.size(), 4u) << e.name;
    const int bounds[] = {e.left, e.top, e.width, e.height};
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (int b = 0; b < 4; ++b) {
      EXPECT_EQ(child.properties[b].name, names[b]) << e.name;
      EXPECT_EQ(child.properties[b].value.integer, bounds[b]) << e.name << '.' << names[b];
    }
  }
}

TEST(FormStreams, Form1ComponentsInStreamOrder) {
  const WalkedRecord root = Walk("TFORM1");
  EXPECT_EQ(root.className, "TForm1");
  EXPECT_EQ(root.name, "Form1");
  ExpectComponents(root, {
                             {"TImage", "Image9", 8, 72, 369, 377},
                             {"TImage", "Image7", 48, 280, 297, 153},
                             {"TImage", "Image8", 48, 280, 300, 158},
                             {"TBevel", "Bevel1", 8, 72, 369, 377},
                             {"TImage", "Image5", 48, 280, 297, 153},
                             {"TImage", "Image6", 48, 280, 297, 153},
                             {"TLabel", "Label1", 64, 45, 110, 17},
                             {"TImage", "Image1", 48, 88, 51, 43},
                             {"TImage", "Image2", 136, 88, 49, 41},
                             {"TImage", "Image3", 224, 88, 49, 41},
                             {"TImage", "Image4", 312, 88, 49, 41},
                             {"TLabel", "Label6", 192, 200, 42, 17},
                             {"TLabel", "Label7", 285, 237, 48, 17},
                             {"TLabel", "Label8", 243, 386, 12, 22},
                             {"TLabel", "Label10", 208, 45, 88, 17},
                             {"TLabel", "Label2", 40, 152, 53, 19},
                             {"TLabel", "Label3", 40, 200, 56, 19},
                             {"TLabel", "Label4", 40, 248, 34, 19},
                             {"TImage", "Image10", 8, 8, 48, 48},
                             {"TImage", "Image11", 64, 8, 241, 33},
                             {"TComboBox", "ComboBox1", 120, 152, 105, 21},
                             {"TBitBtn", "BitBtn1", 264, 166, 89, 41},
                             {"TEdit", "Edit1", 120, 200, 65, 21},
                             {"TEdit", "Edit2", 120, 248, 65, 21},
                             {"TRadioButton", "RadioButton1", 29, 104, 17, 17},
                             {"TRadioButton", "RadioButton3", 205, 104, 17, 17},
                             {"TRadioButton", "RadioButton2", 117, 104, 17, 17},
                             {"TRadioButton", "RadioButton4", 293, 104, 17, 17},
                             {"TBitBtn", "BitBtn2", 312, 8, 65, 57},
                         });
}

TEST(FormStreams, Form3ComponentsInStreamOrder) {
  const WalkedRecord root = Walk("TFORM3");
  EXPECT_EQ(root.className, "TForm3");
  EXPECT_EQ(root.name, "Form3");
  ExpectComponents(root, {
                             {"TImage", "Image2", 0, 0, 590, 391},
                             {"TWideLabel", "WideLabel1", 460, 12, 97, 29},
                             {"TWideLabel", "WideLabel3", 463, 48, 94, 13},
                             {"TImage", "Image1", 8, 8, 49, 41},
                             {"TWideLabel", "WideLabel12", 62, 89, 107, 13},
                             {"TWideLabel", "WideLabel13", 62, 64, 65, 20},
                             {"TBevel", "Bevel1", 454, 78, 114, 7},
                             {"TImage", "Image3", 8, 64, 49, 41},
                             {"TWideLabel", "WideLabel16", 64, 8, 69, 20},
                             {"TWideLabel", "WideLabel17", 64, 31, 94, 13},
                             {"TImage", "Image4", 8, 120, 49, 41},
                             {"TImage", "Image5", 8, 176, 49, 41},
                             {"TImage", "Image6", 8, 232, 49, 41},
                             {"TImage", "Image7", 200, 8, 49, 41},
                             {"TImage", "Image8", 200, 64, 49, 41},
                             {"TImage", "Image9", 200, 120, 49, 41},
                             {"TImage", "Image10", 200, 176, 49, 41},
                             {"TImage", "Image11", 200, 232, 49, 41},
                             {"TWideLabel", "WideLabel14", 72, 120, 84, 20},
                             {"TWideLabel", "WideLabel18", 72, 144, 106, 13},
                             {"TWideLabel", "WideLabel19", 80, 176, 86, 20},
                             {"TWideLabel", "WideLabel20", 80, 198, 77, 13},
                             {"TWideLabel", "WideLabel21", 80, 232, 80, 20},
                             {"TWideLabel", "WideLabel22", 80, 256, 55, 13},
                             {"TWideLabel", "WideLabel23", 264, 8, 65, 20},
                             {"TWideLabel", "WideLabel24", 264, 32, 59, 13},
                             {"TWideLabel", "WideLabel25", 264, 64, 52, 20},
                             {"TWideLabel", "WideLabel26", 264, 88, 102, 13},
                             {"TWideLabel", "WideLabel27", 272, 120, 71, 20},
                             {"TWideLabel", "WideLabel28", 272, 140, 79, 13},
                             {"TWideLabel", "WideLabel29", 272, 184, 56, 20},
                             {"TWideLabel", "WideLabel30", 272, 204, 85, 13},
                             {"TWideLabel", "WideLabel31", 272, 232, 67, 20},
                             {"TWideLabel", "WideLabel32", 272, 256, 80, 13},
                             {"TImage", "Image12", 61, 342, 509, 46},
                             {"TImage", "Image13", 472, 88, 112, 182},
                             {"TLabel", "Label1", 68, 324, 417, 13},
                             {"TLabel", "Label2", 442, 301, 138, 13},
                             {"TLabel", "Label3", 510, 323, 58, 13},
                             {"TBitBtn", "BitBtn1", 442, 99, 41, 49},
                             {"TBitBtn", "BitBtn2", 442, 158, 41, 49},
                             {"TEdit", "Edit1", 16, 336, 33, 21},
                         });
}

const WalkedRecord& Child(const WalkedRecord& root, const std::string& name) {
  for (const auto& child : root.children)
    if (child.name == name) return child;
  throw std::runtime_error("no component " + name);
}

TEST(FormStreams, WindowPropertiesInStreamOrder) {
  const WalkedRecord form1 = Walk("TFORM1");
  EXPECT_EQ(form1.PropertyNames(),
            (std::vector<std::string>{"Left", "Top", "BorderStyle", "Caption", "ClientHeight",
                                      "ClientWidth", "Color", "Font.Charset", "Font.Color",
                                      "Font.Height", "Font.Name", "Font.Style", "OldCreateOrder",
                                      "OnCreate", "PixelsPerInch", "TextHeight"}));
  const WalkedRecord form3 = Walk("TFORM3");
  EXPECT_EQ(
      form3.PropertyNames(),
      (std::vector<std::string>{"Left", "Top", "Width", "Height", "BorderIcons", "Caption", "Color",
                                "Font.Charset", "Font.Color", "Font.Height", "Font.Name",
                                "Font.Style", "OldCreateOrder", "PixelsPerInch", "TextHeight"}));
  // Integers take the narrowest tag.
  EXPECT_EQ(form1.Get("Left").tag, kTagInt16);
  EXPECT_EQ(form1.Get("Top").tag, kTagInt8);
  EXPECT_EQ(form1.Get("Font.Height").integer, -11);
  EXPECT_EQ(form3.Get("Left").tag, kTagInt16);
  EXPECT_EQ(form3.Get("Left").integer, 360);
  EXPECT_EQ(form3.Get("Top").integer, 251);
  EXPECT_EQ(form3.Get("Width").integer, 598);
  EXPECT_EQ(form3.Get("Height").integer, 425);
  EXPECT_EQ(form3.Get("BorderIcons").tag, kTagSet);
  EXPECT_EQ(form3.Get("BorderIcons").members, std::vector<std::string>{"biSystemMenu"});
  EXPECT_EQ(form3.Get("Caption").text, "Resume");
  EXPECT_EQ(form3.Get("OldCreateOrder").tag, kTagFalse);
  EXPECT_EQ(form3.Get("PixelsPerInch").integer, 96);
  EXPECT_EQ(form3.Get("TextHeight").integer, 13);
}

TEST(FormStreams, PropertiesOfSingleComponentsInStreamOrder) {
  const WalkedRecord form1 = Walk("TFORM1");
  using Names = std::vector<std::string>;
  EXPECT_EQ(Child(form1, "Edit1").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "TabOrder", "Text", "OnExit"}));
  EXPECT_EQ(
      Child(form1, "ComboBox1").PropertyNames(),
      (Names{"Left", "Top", "Width", "Height", "ItemHeight", "TabOrder", "Text", "OnChange"}));
  EXPECT_EQ(Child(form1, "RadioButton1").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "TabOrder", "OnClick"}));
  EXPECT_EQ(Child(form1, "Bevel1").PropertyNames(), (Names{"Left", "Top", "Width", "Height"}));
  EXPECT_EQ(Child(form1, "Image10").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "AutoSize", "Picture.Data", "Transparent"}));

  const WalkedRecord form3 = Walk("TFORM3");
  EXPECT_EQ(Child(form3, "Edit1").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "ReadOnly", "TabOrder", "Text", "Visible",
                   "OnChange"}));
  EXPECT_EQ(Child(form3, "WideLabel12").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "BiDiMode", "Caption", "Font.Charset",
                   "Font.Color", "Font.Height", "Font.Name", "Font.Style", "ParentBiDiMode",
                   "ParentFont", "Transparent"}));
  EXPECT_EQ(Child(form3, "Bevel1").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "Shape", "Style"}));
  EXPECT_EQ(Child(form3, "Image2").PropertyNames(),
            (Names{"Left", "Top", "Width", "Height", "Align", "Picture.Data"}));
  EXPECT_EQ(Child(form3, "Image2").Get("Align").text, "alClient");
  EXPECT_EQ(Child(form3, "Bevel1").Get("Shape").text, "bsTopLine");
  EXPECT_EQ(Child(form3, "Bevel1").Get("Style").text, "bsRaised");
}

// Every component's TabOrder, and only the windowed ones have one.
TEST(FormStreams, TabOrders) {
  const auto tabOrders = [](const WalkedRecord& root) {
    std::map<std::string, std::int64_t> orders;
    for (const auto& child : root.children)
      if (const auto* p = child.Find("TabOrder")) orders[child.name] = p->value.integer;
    return orders;
  };
  EXPECT_EQ(tabOrders(Walk("TFORM1")), (std::map<std::string, std::int64_t>{{"RadioButton1", 0},
                                                                            {"RadioButton2", 1},
                                                                            {"RadioButton3", 2},
                                                                            {"ComboBox1", 3},
                                                                            {"Edit1", 4},
                                                                            {"Edit2", 5},
                                                                            {"BitBtn1", 6},
                                                                            {"RadioButton4", 7},
                                                                            {"BitBtn2", 8}}));
  EXPECT_EQ(tabOrders(Walk("TFORM3")),
            (std::map<std::string, std::int64_t>{{"BitBtn1", 0}, {"BitBtn2", 1}, {"Edit1", 2}}));
}

struct Binding {
  std::string component, event, handler;
  bool operator==(const Binding&) const = default;
};

std::vector<Binding> Bindings(const WalkedRecord& root) {
  std::vector<Binding> bindings;
  const auto collect = [&](const WalkedRecord& record) {
    for (const auto& p : record.properties)
      if (p.name.rfind("On", 0) == 0) {
        EXPECT_EQ(p.value.tag, kTagIdent) << record.name << '.' << p.name;
        bindings.push_back({record.name, p.name, p.value.text});
      }
  };
  collect(root);
  for (const auto& child : root.children) collect(child);
  return bindings;
}

TEST(FormStreams, EventBindingsInStreamOrder) {
  const std::vector<Binding> form1 = {
      {"Form1", "OnCreate", "FormCreate"},
      {"Image1", "OnClick", "Image1Click"},
      {"Image2", "OnClick", "Image2Click"},
      {"Image3", "OnClick", "Image3Click"},
      {"Image4", "OnClick", "Image4Click"},
      {"ComboBox1", "OnChange", "ComboBox1Change"},
      {"BitBtn1", "OnClick", "BitBtn1Click"},
      {"Edit1", "OnExit", "Edit1Exit"},
      {"Edit2", "OnExit", "Edit2Exit"},
      {"RadioButton1", "OnClick", "RadioButton1Click"},
      {"RadioButton3", "OnClick", "RadioButton3Click"},
      {"RadioButton2", "OnClick", "RadioButton2Click"},
      {"RadioButton4", "OnClick", "RadioButton4Click"},
      {"BitBtn2", "OnClick", "BitBtn2Click"},
  };
  EXPECT_EQ(Bindings(Walk("TFORM1")), form1);
  std::vector<Binding> form3 = {{"Image1", "OnClick", "Image1Click"}};
  for (int i = 3; i <= 11; ++i) {
    const std::string image = "Image" + std::to_string(i);
    form3.push_back({image, "OnClick", image + "Click"});
  }
  form3.push_back({"BitBtn1", "OnClick", "BitBtn1Click"});
  form3.push_back({"BitBtn2", "OnClick", "BitBtn2Click"});
  form3.push_back({"Edit1", "OnChange", "Edit1Change"});
  EXPECT_EQ(Bindings(Walk("TFORM3")), form3);
}

struct ExpectedFont {
  const char* component;
  const char* name;
  int height;
  const char* color;
  const char* charset;
  bool bold;
};

void ExpectFont(const WalkedRecord& c, const ExpectedFont& f) {
  ASSERT_TRUE(c.Find("Font.Name") && c.Find("Font.Height") && c.Find("Font.Color") &&
              c.Find("Font.Charset") && c.Find("Font.Style") && c.Find("ParentFont"))
      << f.component;
  EXPECT_EQ(c.Get("Font.Name").text, f.name) << f.component;
  EXPECT_EQ(c.Get("Font.Height").integer, f.height) << f.component;
  EXPECT_EQ(c.Get("Font.Color").text, f.color) << f.component;
  EXPECT_EQ(c.Get("Font.Charset").text, f.charset) << f.component;
  EXPECT_EQ(c.Get("Font.Style").members,
            f.bold ? std::vector<std::string>{"fsBold"} : std::vector<std::string>{})
      << f.component;
  EXPECT_EQ(c.Get("ParentFont").tag, kTagFalse) << f.component;
}

TEST(FormStreams, Form1Fonts) {
  const WalkedRecord root = Walk("TFORM1");
  const char* tnr = "Times New Roman";
  const char* arabic = "ARABIC_CHARSET";
  const ExpectedFont fonts[] = {
      {"Label1", tnr, -15, "clWindowText", arabic, true},
      {"Label10", tnr, -15, "clWindowText", arabic, true},
      {"Label6", tnr, -15, "clWhite", arabic, true},
      {"Label7", tnr, -15, "clWhite", arabic, true},
      {"Label8", tnr, -19, "clWhite", arabic, true},
      {"Label2", tnr, -16, "clWhite", arabic, true},
      {"Label3", tnr, -16, "clWhite", arabic, true},
      {"Label4", tnr, -16, "clWhite", arabic, true},
      {"BitBtn1", tnr, -15, "clNavy", arabic, true},
      {"BitBtn2", "MS Sans Serif", -11, "clTeal", "DEFAULT_CHARSET", true},
  };
  for (const ExpectedFont& f : fonts) ExpectFont(Child(root, f.component), f);
  for (const char* other : {"ComboBox1", "Edit1", "RadioButton4", "Image9"})
    EXPECT_EQ(Child(root, other).Find("Font.Name"), nullptr) << other;
}

TEST(FormStreams, Form1TextsAndFlags) {
  const WalkedRecord root = Walk("TFORM1");
  const std::map<std::string, std::string> captions = {
      {"Label6", "( mm )"},    {"Label7", "******"},   {"Label8", "L"},
      {"Label2", "Profile :"}, {"Label3", "Length :"}, {"Label4", "Qty :"},
      {"BitBtn1", "Calc."},    {"BitBtn2", "NORVEX"},  {"RadioButton4", "RadioButton4"}};
  for (const auto& [name, caption] : captions) {
    const auto* p = Child(root, name).Find("Caption");
    ASSERT_NE(p, nullptr) << name;
    EXPECT_EQ(p->value.tag, kTagString) << name;
    EXPECT_EQ(p->value.text, caption) << name;
  }
  for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"})
    EXPECT_EQ(Child(root, name).Find("Caption"), nullptr) << name;
  EXPECT_EQ(Child(root, "ComboBox1").Get("Text").text, "ComboBox1");
  EXPECT_EQ(Child(root, "ComboBox1").Get("ItemHeight").integer, 13);
  EXPECT_EQ(Child(root, "Edit1").Get("Text").text, "0");
  EXPECT_EQ(Child(root, "Edit2").Get("Text").text, "1");
  EXPECT_EQ(Child(root, "BitBtn2").Get("Layout").text, "blGlyphBottom");
  EXPECT_EQ(Child(root, "BitBtn1").Find("Layout"), nullptr);

  std::vector<std::string> transparent;
  for (const auto& child : root.children)
    if (const auto* p = child.Find("Transparent")) {
      EXPECT_EQ(p->value.tag, kTagTrue) << child.name;
      transparent.push_back(child.name);
    }
  EXPECT_EQ(transparent, (std::vector<std::string>{"Label6", "Label7", "Label8", "Label2", "Label3",
                                                   "Label4", "Image10", "Image11"}));
  EXPECT_EQ(Child(root, "Image10").Get("AutoSize").tag, kTagTrue);
}

// ---------------------------------------------------------------------------------------------
// Wide-text labels

// UTF-7 (RFC 2152) to UTF-8, for the code points of these captions.
std::string DecodeUtf7(const std::string& text) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::u16string units;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != '+') {
      units.push_back(static_cast<unsigned char>(text[i++]));
      continue;
    }
    ++i;
    if (i < text.size() && text[i] == '-') {
      units.push_back('+');
      ++i;
      continue;
    }
    std::uint32_t bits = 0;
    int count = 0;
    while (i < text.size() && alphabet.find(text[i]) != std::string::npos) {
      bits = (bits << 6) | static_cast<std::uint32_t>(alphabet.find(text[i++]));
      count += 6;
      if (count >= 16) {
        count -= 16;
        units.push_back(static_cast<char16_t>(bits >> count));
        bits &= (1u << count) - 1;
      }
    }
    if (i < text.size() && text[i] == '-') ++i;
  }
  std::string utf8;
  for (char16_t u : units) {
    if (u < 0x80) {
      utf8.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (u >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xE0 | (u >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return utf8;
}

TEST(FormStreams, Utf7DecoderOfTheseTests) {
  EXPECT_EQ(DecodeUtf7("+BjcGMQYnBi0GSg +BjMGJwYyBkc"), "طراحي سازه");
  EXPECT_EQ(DecodeUtf7("a+-b"), "a+b");
}

TEST(FormStreams, PersianCaptionsAreUtf8AndCarryTheirUtf7Twin) {
  const WalkedRecord root = Walk("TFORM3");
  int persian = 0;
  for (const auto& child : root.children) {
    if (child.className != "TWideLabel") continue;
    const auto* caption = child.Find("Caption");
    ASSERT_NE(caption, nullptr) << child.name;
    const auto* utf7 = child.Find("Caption_UTF7");
    if (caption->value.tag == kTagUtf8String) {
      ++persian;
      ASSERT_NE(utf7, nullptr) << child.name;
      EXPECT_EQ(utf7->value.tag, kTagString) << child.name;
      EXPECT_EQ(DecodeUtf7(utf7->value.text), caption->value.text) << child.name;
      // Written after all the published properties.
      EXPECT_EQ(&child.properties.back(), utf7) << child.name;
      ExpectFont(child, {child.name.c_str(), "Titr", child.name == "WideLabel1" ? -16 : -11,
                         "clWhite", "ARABIC_CHARSET", true});
    } else {
      EXPECT_EQ(caption->value.tag, kTagString) << child.name;
      EXPECT_EQ(utf7, nullptr) << child.name;
      ExpectFont(child, {child.name.c_str(), "Tahoma", -11, "clWhite", "ARABIC_CHARSET", true});
    }
    EXPECT_EQ(child.Get("Transparent").tag, kTagTrue) << child.name;
  }
  EXPECT_EQ(persian, 11);
}

TEST(FormStreams, SlideTitlesKeepTheirExactBlanks) {
  const WalkedRecord root = Walk("TFORM3");
  EXPECT_EQ(Child(root, "WideLabel27").Get("Caption").text, "تدريس  روانکاري ");
  EXPECT_EQ(Child(root, "WideLabel14").Get("Caption").text, "طراحي باکت الواتور ");
  EXPECT_EQ(Child(root, "WideLabel31").Get("Caption").text, "طراحي سه بعدی");
  EXPECT_EQ(Child(root, "WideLabel17").Get("Caption").text, "( Belt conveyor )");
  EXPECT_EQ(Child(root, "WideLabel30").Get("Caption").text, "VT_RTi_UT_MT");
}

TEST(FormStreams, Form3NarrowLabelsAndControls) {
  const WalkedRecord root = Walk("TFORM3");
  // Label2 is Persian and so UTF-8; 27 characters, each Persian letter two bytes.
  const auto characters = [](const std::string& utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  };
  EXPECT_EQ(Child(root, "Label1").Get("Caption").tag, kTagString);
  EXPECT_EQ(characters(Child(root, "Label1").Get("Caption").text), 93);
  EXPECT_EQ(Child(root, "Label2").Get("Caption").tag, kTagUtf8String);
  EXPECT_EQ(characters(Child(root, "Label2").Get("Caption").text), 27);
  EXPECT_EQ(Child(root, "Label3").Get("Caption").tag, kTagString);
  EXPECT_EQ(characters(Child(root, "Label3").Get("Caption").text), 12);
  for (const char* label : {"Label1", "Label2", "Label3"})
    ExpectFont(Child(root, label),
               {label, "MS Sans Serif", -11, "clWhite", "DEFAULT_CHARSET", false});

  for (const char* button : {"BitBtn1", "BitBtn2"}) {
    const WalkedRecord& b = Child(root, button);
    EXPECT_EQ(b.Get("Caption").text, " ") << button;
    EXPECT_EQ(b.Get("Spacing").tag, kTagInt8) << button;
    EXPECT_EQ(b.Get("Spacing").integer, 0) << button;
  }
  EXPECT_EQ(Child(root, "BitBtn1").Get("BiDiMode").text, "bdLeftToRight");
  EXPECT_EQ(Child(root, "BitBtn1").Get("ParentBiDiMode").tag, kTagFalse);
  EXPECT_EQ(Child(root, "BitBtn2").Find("BiDiMode"), nullptr);

  const WalkedRecord& edit = Child(root, "Edit1");
  EXPECT_EQ(edit.Get("ReadOnly").tag, kTagTrue);
  EXPECT_EQ(edit.Get("Text").text, "0");
  EXPECT_EQ(edit.Get("Visible").tag, kTagFalse);
}

// ---------------------------------------------------------------------------------------------
// Pictures

struct Colour {
  std::uint8_t r, g, b;
  bool operator==(const Colour&) const = default;
};

struct ExpectedPicture {
  const char* component;
  bool jpeg;  // else a 24-bit bitmap
  int width, height;
  std::optional<Colour> corner;  // the bottom-left pixel, where it is the transparent colour
};

// A bitmap's own payload: its 32-bit size, then a bottom-up 24-bit file with a 40-byte header.
void ExpectBitmapData(std::span<const std::uint8_t> data, const ExpectedPicture& e) {
  SCOPED_TRACE(e.component);
  ASSERT_GE(data.size(), 4u + 54u);
  const std::uint32_t size = Le32(data, 0);
  ASSERT_EQ(size, data.size() - 4);
  const auto file = data.subspan(4);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le32(file, 2), size);
  EXPECT_EQ(Le32(file, 10), 54u);
  EXPECT_EQ(Le32(file, 14), 40u);
  EXPECT_EQ(static_cast<int>(Le32(file, 18)), e.width);
  EXPECT_EQ(static_cast<int>(Le32(file, 22)), e.height);  // positive: bottom-up
  EXPECT_EQ(Le16(file, 26), 1);
  EXPECT_EQ(Le16(file, 28), 24);
  EXPECT_EQ(Le32(file, 30), 0u);  // uncompressed
  EXPECT_EQ(Le32(file, 46), 0u);  // no colour table
  const std::uint32_t row = (static_cast<std::uint32_t>(e.width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(size, 54 + row * static_cast<std::uint32_t>(e.height));
  if (e.corner) {
    // The first row of the file is the bottom one; pixels are blue, green, red.
    EXPECT_EQ((Colour{file[56], file[55], file[54]}), *e.corner);
  }
}

// A JPEG payload: its 32-bit size, then a baseline three-component JFIF stream.
void ExpectJpegData(std::span<const std::uint8_t> data, const ExpectedPicture& e) {
  SCOPED_TRACE(e.component);
  ASSERT_GE(data.size(), 8u);
  ASSERT_EQ(Le32(data, 0), data.size() - 4);
  const auto file = data.subspan(4);
  ASSERT_EQ(file[0], 0xFF);
  ASSERT_EQ(file[1], 0xD8);
  EXPECT_EQ(file[file.size() - 2], 0xFF);
  EXPECT_EQ(file[file.size() - 1], 0xD9);
  std::size_t at = 2;
  bool jfif = false;
  while (true) {
    ASSERT_LT(at + 4, file.size());
    ASSERT_EQ(file[at], 0xFF);
    const std::uint8_t marker = file[at + 1];
    const std::size_t length = static_cast<std::size_t>(file[at + 2] << 8 | file[at + 3]);
    if (marker == 0xE0) jfif = file[at + 4] == 'J' && file[at + 5] == 'F';
    if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      FAIL() << "not a baseline JPEG: marker " << int{marker};
    if (marker == 0xC0) {
      EXPECT_EQ(file[at + 4], 8);  // sample precision
      EXPECT_EQ(file[at + 5] << 8 | file[at + 6], e.height);
      EXPECT_EQ(file[at + 7] << 8 | file[at + 8], e.width);
      EXPECT_EQ(file[at + 9], 3);  // components
      break;
    }
    at += 2 + length;
  }
  EXPECT_TRUE(jfif);
}

void ExpectPictures(const WalkedRecord& root, const std::vector<ExpectedPicture>& pictures,
                    const std::vector<ExpectedPicture>& glyphs) {
  std::vector<std::string> withPicture;
  for (const auto& child : root.children)
    if (child.Find("Picture.Data")) withPicture.push_back(child.name);
  std::vector<std::string> expectedNames;
  for (const auto& e : pictures) expectedNames.push_back(e.component);
  std::sort(withPicture.begin(), withPicture.end());
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(withPicture, expectedNames);

  for (const auto& e : pictures) {
    const auto* p = Child(root, e.component).Find("Picture.Data");
    ASSERT_NE(p, nullptr) << e.component;
    ASSERT_EQ(p->value.tag, kTagBytes) << e.component;
    const auto payload = p->value.bytes;
    const std::string className = e.jpeg ? "TJPEGImage" : "TBitmap";
    ASSERT_GT(payload.size(), 1 + className.size()) << e.component;
    ASSERT_EQ(payload[0], className.size()) << e.component;
    EXPECT_EQ(std::string(payload.begin() + 1, payload.begin() + 1 + className.size()), className)
        << e.component;
    const auto data = payload.subspan(1 + className.size());
    if (e.jpeg)
      ExpectJpegData(data, e);
    else
      ExpectBitmapData(data, e);
  }
  for (const auto& e : glyphs) {
    const auto* p = Child(root, e.component).Find("Glyph.Data");
    ASSERT_NE(p, nullptr) << e.component;
    ASSERT_EQ(p->value.tag, kTagBytes) << e.component;
    ExpectBitmapData(p->value.bytes, e);
  }
}

TEST(FormStreams, Form1Pictures) {
  const Colour white{255, 255, 255};
  ExpectPictures(Walk("TFORM1"),
                 {
                     {"Image9", false, 383, 615, {}},
                     {"Image7", false, 300, 158, {}},
                     {"Image8", false, 300, 158, {}},
                     {"Image5", false, 301, 159, {}},
                     {"Image6", false, 300, 158, {}},
                     {"Image1", false, 51, 43, {}},
                     {"Image2", false, 51, 43, {}},
                     {"Image3", false, 51, 43, {}},
                     {"Image4", false, 51, 43, {}},
                     {"Image10", false, 48, 48, white},
                     {"Image11", false, 239, 30, Colour{0, 255, 255}},
                 },
                 {
                     {"BitBtn1", false, 22, 22, Colour{0, 0, 255}},
                     {"BitBtn2", false, 32, 32, white},
                 });
}

TEST(FormStreams, Form1BackgroundPictureHasTheStatedPayloadSize) {
  const WalkedRecord root = Walk("TFORM1");
  EXPECT_EQ(Child(root, "Image9").Get("Picture.Data").bytes.size(), 708546u);
}

TEST(FormStreams, Form3Pictures) {
  const Colour navy{0, 0, 128};
  const Colour white{255, 255, 255};
  ExpectPictures(Walk("TFORM3"),
                 {
                     {"Image2", true, 684, 459, {}},
                     {"Image1", true, 609, 429, {}},
                     {"Image3", true, 555, 392, {}},
                     {"Image4", true, 552, 389, {}},
                     {"Image5", true, 551, 387, {}},
                     {"Image6", true, 619, 438, {}},
                     {"Image7", true, 493, 346, {}},
                     {"Image8", true, 486, 363, {}},
                     {"Image9", true, 461, 346, {}},
                     {"Image10", true, 471, 353, {}},
                     {"Image11", true, 971, 665, {}},
                     {"Image12", false, 509, 50, navy},
                     {"Image13", false, 112, 182, navy},
                 },
                 {
                     {"BitBtn1", false, 38, 39, white},
                     {"BitBtn2", false, 38, 39, white},
                 });
  const WalkedRecord root = Walk("TFORM3");
  EXPECT_EQ(Le32(Child(root, "BitBtn1").Get("Glyph.Data").bytes, 0), 4578u);
  for (int i : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
    const std::string image = "Image" + std::to_string(i);
    EXPECT_EQ(Child(root, image).Get("Stretch").tag, kTagTrue) << image;
  }
  for (const char* image : {"Image12", "Image13"})
    EXPECT_EQ(Child(root, image).Get("Transparent").tag, kTagTrue) << image;
  EXPECT_EQ(Child(root, "Image2").Find("Stretch"), nullptr);
}

// Everything but the JPEG streams in TFORM3 is fixed and comes to 155040 bytes, which leaves
// 611647 of the window's 766687 bytes to the eleven JPEG streams.
TEST(FormStreams, Form3WithoutItsJpegDataHasTheStatedSize) {
  const WalkedRecord root = Walk("TFORM3");
  std::size_t jpegBytes = 0;
  for (const auto& child : root.children)
    if (const auto* p = child.Find("Picture.Data"); p && p->value.bytes[0] == 10)
      jpegBytes += Le32(p->value.bytes, 11);
  EXPECT_EQ(Stream("TFORM3").size() - jpegBytes, 766687u - 611647u);
}

}  // namespace
}  // namespace pw::test
