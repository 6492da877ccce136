#include "formc/FormCompiler.h"

#include "formc/FormBindings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace pw::formc {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::HasSubstr;

Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Short(const std::string& text) {
  return Concat({{static_cast<std::uint8_t>(text.size())}, Text(text)});
}

// Files known to the loader of these tests.
const std::map<std::string, Bytes> kFiles = {
    {"three.bmp", {0x42, 0x4D, 0x07}},
    {"empty.jpg", {}},
};

Bytes Load(const std::string& file) {
  const auto it = kFiles.find(file);
  if (it == kFiles.end()) throw std::runtime_error("no file " + file);
  return it->second;
}

Bytes Compile(const std::string& json) {
  return CompileForm(ParseDescription(json), Load);
}

// The stream of one component without children and with the given property bytes.
Bytes Single(const std::string& className, const std::string& name, const Bytes& properties) {
  return Concat({Text("TPF0"), Short(className), Short(name), properties, {0x00, 0x00}});
}

TEST(FormCompiler, EmptyComponent) {
  EXPECT_EQ(Compile(R"({"class": "TForm9", "name": "Form9", "properties": {}})"),
            Single("TForm9", "Form9", {}));
}

TEST(FormCompiler, IntegersTakeTheNarrowestTag) {
  const Bytes expected = Single("T", "A",
                                Concat({Short("a"),
                                        {0x02, 0x7F},
                                        Short("b"),
                                        {0x02, 0x80},
                                        Short("c"),
                                        {0x03, 0x80, 0x00},
                                        Short("d"),
                                        {0x03, 0x00, 0x80},
                                        Short("e"),
                                        {0x04, 0x00, 0x80, 0x00, 0x00},
                                        Short("f"),
                                        {0x04, 0x00, 0x00, 0x00, 0x80}}));
  EXPECT_EQ(Compile(R"({"class": "T", "name": "A", "properties": {
                "a": 127, "b": -128, "c": 128, "d": -32768, "e": 32768, "f": -2147483648}})"),
            expected);
}

TEST(FormCompiler, TextsBooleansIdentifiersAndSets) {
  const Bytes expected = Single("T", "A",
                                Concat({Short("Caption"),
                                        {0x06},
                                        Short("Calc."),  //
                                        Short("Persian"),
                                        {0x14, 0x04, 0x00, 0x00, 0x00},
                                        Text("سا"),  //
                                        Short("Yes"),
                                        {0x09},
                                        Short("No"),
                                        {0x08},  //
                                        Short("Layout"),
                                        {0x07},
                                        Short("blGlyphBottom"),  //
                                        Short("Style"),
                                        {0x0B},
                                        Short("fsBold"),
                                        Short("fsItalic"),
                                        {0x00},
                                        Short("Empty"),
                                        {0x0B, 0x00}}));
  EXPECT_EQ(Compile(R"({"class": "T", "name": "A", "properties": {
                "Caption": "Calc.", "Persian": "سا", "Yes": true, "No": false,
                "Layout": {"ident": "blGlyphBottom"},
                "Style": {"set": ["fsBold", "fsItalic"]}, "Empty": {"set": []}}})"),
            expected);
}

TEST(FormCompiler, PropertiesKeepTheirWrittenOrder) {
  const Bytes expected = Single("T", "A",
                                Concat({Short("Top"),
                                        {0x02, 0x01},
                                        Short("Left"),
                                        {0x02, 0x02},
                                        Short("Caption"),
                                        {0x06, 0x00}}));
  EXPECT_EQ(Compile(R"({"class": "T", "name": "A",
                        "properties": {"Top": 1, "Left": 2, "Caption": ""}})"),
            expected);
}

TEST(FormCompiler, PicturePayloadIsClassNameThenSizedFile) {
  // 1 + 7 + 4 + 3 = 15 bytes.
  const Bytes expected = Single("TImage", "Image1",
                                Concat({Short("Picture.Data"),
                                        {0x0A, 15, 0, 0, 0},
                                        Short("TBitmap"),
                                        {3, 0, 0, 0},
                                        {0x42, 0x4D, 0x07}}));
  EXPECT_EQ(Compile(R"({"class": "TImage", "name": "Image1", "properties": {
                "Picture.Data": {"picture": {"class": "TBitmap", "file": "three.bmp"}}}})"),
            expected);
}

TEST(FormCompiler, BitmapPayloadIsTheSizedFile) {
  const Bytes expected =
      Single("TBitBtn", "B",
             Concat({Short("Glyph.Data"), {0x0A, 7, 0, 0, 0}, {3, 0, 0, 0}, {0x42, 0x4D, 0x07}}));
  EXPECT_EQ(Compile(R"({"class": "TBitBtn", "name": "B", "properties": {
                "Glyph.Data": {"bitmap": "three.bmp"}}})"),
            expected);
}

TEST(FormCompiler, EmptyFileGivesSizeZero) {
  const Bytes expected = Single(
      "TImage", "I",
      Concat({Short("Picture.Data"), {0x0A, 15, 0, 0, 0}, Short("TJPEGImage"), {0, 0, 0, 0}}));
  EXPECT_EQ(Compile(R"({"class": "TImage", "name": "I", "properties": {
                "Picture.Data": {"picture": {"class": "TJPEGImage", "file": "empty.jpg"}}}})"),
            expected);
}

TEST(FormCompiler, ChildrenFollowThePropertyListAndEndWithZero) {
  const Bytes expected = Concat({Text("TPF0"),
                                 Short("TForm1"),
                                 Short("Form1"),
                                 Short("Tag"),
                                 {0x02, 0x05},
                                 {0x00},  //
                                 Short("TLabel"),
                                 Short("Label1"),
                                 {0x00, 0x00},  //
                                 Short("TPanel"),
                                 Short("Panel1"),
                                 {0x00},  //
                                 Short("TEdit"),
                                 Short("Edit1"),
                                 {0x00, 0x00},  //
                                 {0x00},        // Panel1
                                 {0x00}});      // Form1
  EXPECT_EQ(Compile(R"({"class": "TForm1", "name": "Form1", "properties": {"Tag": 5},
                        "children": [
                          {"class": "TLabel", "name": "Label1", "properties": {}},
                          {"class": "TPanel", "name": "Panel1", "properties": {},
                           "children": [{"class": "TEdit", "name": "Edit1", "properties": {}}]}
                        ]})"),
            expected);
}

void ExpectError(const std::string& json, const std::string& fragment) {
  try {
    Compile(json);
    ADD_FAILURE() << "no error for " << json;
  } catch (const CompileError& e) {
    EXPECT_THAT(e.what(), HasSubstr(fragment)) << json;
  }
}

TEST(FormCompiler, RejectsValuesWithoutANotation) {
  ExpectError(R"({"class": "T", "name": "A", "properties": {"Width": 1.5}})", "A.Width");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"Width": null}})", "A.Width");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"Items": ["a"]}})", "A.Items");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"X": {"colour": "red"}}})",
              "unknown value kind \"colour\"");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"X": {"ident": "a", "set": []}}})",
              "exactly one key");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"X": {"ident": ""}}})", "A.X");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"X": {"set": [1]}}})", "A.X");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"X": 9223372036854775808}})",
              "out of range");
}

TEST(FormCompiler, RejectsMalformedComponents) {
  ExpectError(R"({"name": "A", "properties": {}})", "\"class\"");
  ExpectError(R"({"class": "T", "properties": {}})", "\"name\"");
  ExpectError(R"({"class": "T", "name": "A"})", "\"properties\"");
  ExpectError(R"({"class": "T", "name": "A", "properties": {}, "child": []})",
              "unknown component key \"child\"");
  ExpectError(R"({"class": "T", "name": "A", "properties": {"": 1}})", "cannot be empty");
  ExpectError(R"({"class": "T", "name": "A", "properties": {},
                  "children": [{"class": "T", "name": "B", "properties": {"X": 0.5}}]})",
              "A.B.X");
}

TEST(FormCompiler, RejectsBadPictures) {
  ExpectError(R"({"class": "TImage", "name": "I", "properties": {
                  "Picture.Data": {"picture": {"class": "TBitmap", "file": "missing.bmp"}}}})",
              "I.Picture.Data: no file missing.bmp");
  ExpectError(R"({"class": "TImage", "name": "I", "properties": {
                  "Picture.Data": {"picture": {"file": "three.bmp"}}}})",
              "\"class\"");
  ExpectError(R"({"class": "TImage", "name": "I", "properties": {
                  "Picture.Data": {"picture": {"class": "TBitmap", "file": "three.bmp",
                                               "size": 3}}}})",
              "unknown picture key");
  const std::string longName(64, 'T');
  ExpectError(R"({"class": "TImage", "name": "I", "properties": {
                  "Picture.Data": {"picture": {"class": ")" +
                  longName + R"(", "file": "three.bmp"}}}})",
              "1 to 63");
  ExpectError(R"({"class": "TBitBtn", "name": "B", "properties": {
                  "Glyph.Data": {"bitmap": "gone.bmp"}}})",
              "B.Glyph.Data");
}

TEST(FormCompiler, ParseRejectsRepeatedKeysAndBadJson) {
  EXPECT_THROW(ParseDescription(R"({"class": "T", "name": "A",
                                    "properties": {"Left": 1, "Left": 2}})"),
               CompileError);
  EXPECT_THROW(ParseDescription(R"({"class": "T", "name": "A",)"), CompileError);
  // The same key in different objects is fine.
  EXPECT_NO_THROW(ParseDescription(R"({"a": {"x": 1}, "b": {"x": 2}})"));
}

// A window with a nested panel, handlers shared and repeated, and identifiers that name no
// handler (a colour, an enumeration value, an event property of a sub-object).
constexpr const char* kWindow = R"({"class": "TForm7", "name": "Form7", "properties": {
    "Color": {"ident": "clBtnFace"}, "OnCreate": {"ident": "FormCreate"}},
  "children": [
    {"class": "TImage", "name": "Image1", "properties": {"OnClick": {"ident": "ImageClick"}}},
    {"class": "TPanel", "name": "Panel1", "properties": {"Align": {"ident": "alTop"}},
     "children": [
       {"class": "TEdit", "name": "Edit1", "properties": {
          "OnChange": {"ident": "Edit1Change"}, "Font.OnChange": {"ident": "FontChanged"},
          "Online": {"ident": "clRed"}}},
       {"class": "TImage", "name": "Image2", "properties": {"OnClick": {"ident": "imageclick"}}}]},
    {"class": "TBitBtn", "name": "BitBtn1", "properties": {"OnClick": {"ident": "FormCreate"}}}
  ]})";

// The names a generated table lists, in order: the text of `entry`'s first group per match.
std::vector<std::string> Listed(const std::string& header, const std::string& entry) {
  std::vector<std::string> names;
  const std::regex pattern(entry);
  for (auto it = std::sregex_iterator(header.begin(), header.end(), pattern);
       it != std::sregex_iterator(); ++it)
    names.push_back((*it)[1]);
  return names;
}

TEST(FormBindings, ListExactlyTheComponentsAndHandlersOfTheDescription) {
  const FormBindings bindings = CollectBindings(ParseDescription(kWindow));
  EXPECT_EQ(bindings.className, "TForm7");
  std::vector<std::string> fields, classes;
  for (const PublishedComponent& field : bindings.fields) {
    fields.push_back(field.name);
    classes.push_back(field.className);
  }
  // Stream order, nested components included, the root not.
  EXPECT_EQ(fields, (std::vector<std::string>{"Image1", "Panel1", "Edit1", "Image2", "BitBtn1"}));
  EXPECT_EQ(classes, (std::vector<std::string>{"TImage", "TPanel", "TEdit", "TImage", "TBitBtn"}));
  // Each handler once, as first written (the reader finds methods without regard to case).
  const std::vector<std::string> handlers = {"FormCreate", "ImageClick", "Edit1Change",
                                             "FontChanged"};
  EXPECT_EQ(bindings.handlers, handlers);

  const std::string header = WriteBindings(bindings, "Form7.json");
  EXPECT_EQ(Listed(header, R"(PublishedField<&TForm7::(\w+)>\("\1"\))"), fields);
  EXPECT_EQ(Listed(header, R"(PublishedMethod<&TForm7::(\w+)>\("\1"\))"), handlers);
  // Every entry is checked against the class: the member's type, the handler's signature.
  EXPECT_EQ(Listed(header, R"(decltype\(TForm7::(\w+)\), T\w+\*>)"), fields);
  EXPECT_EQ(Listed(header, R"(decltype\(&TForm7::(\w+)\), void \(TForm7::\*\)\(TObject\*\)>)"),
            handlers);
  EXPECT_THAT(header, HasSubstr("std::is_same_v<decltype(TForm7::Panel1), TPanel*>"));
  EXPECT_THAT(header, HasSubstr("Form7.json: TForm7::Edit1 must be declared TEdit*"));
  EXPECT_THAT(header, HasSubstr("namespace pw::TForm7Bindings"));
}

TEST(FormBindings, AWindowWithoutComponentsOrHandlersGetsEmptyTables) {
  const std::string header =
      WriteBindings(CollectBindings(ParseDescription(R"({"class": "TForm2", "name": "Form2",
                                           "properties": {"Caption": "x"}})")),
                    "Form2.json");
  EXPECT_THAT(header, HasSubstr("std::span<const TFieldInfo> kFields{};"));
  EXPECT_THAT(header, HasSubstr("std::span<const TMethodInfo> kMethods{};"));
  EXPECT_THAT(header, ::testing::Not(HasSubstr("Published")));
}

void ExpectBindingsError(const std::string& json, const std::string& fragment) {
  try {
    CollectBindings(ParseDescription(json));
    ADD_FAILURE() << "no error for " << json;
  } catch (const CompileError& e) {
    EXPECT_THAT(e.what(), HasSubstr(fragment)) << json;
  }
}

TEST(FormBindings, RejectNamesThatCannotBeMembers) {
  ExpectBindingsError(R"({"class": "TForm1", "name": "Form1", "properties": {}, "children": [
                          {"class": "TLabel", "name": "Label1", "properties": {}},
                          {"class": "TImage", "name": "LABEL1", "properties": {}}]})",
                      "Form1.LABEL1: another component is named");
  ExpectBindingsError(R"({"class": "TForm1", "name": "Form1", "properties": {}, "children": [
                          {"class": "TLabel", "name": "2nd", "properties": {}}]})",
                      "is no identifier");
  ExpectBindingsError(R"({"class": "TForm1", "name": "Form1", "properties": {}, "children": [
                          {"class": "T Label", "name": "Label1", "properties": {}}]})",
                      "Form1.Label1: \"class\" \"T Label\" is no identifier");
  ExpectBindingsError(R"({"class": "TForm1", "name": "Form1",
                          "properties": {"OnCreate": {"ident": "Form1.Create"}}})",
                      "Form1.OnCreate: a handler is named by an identifier");
}

}  // namespace
}  // namespace pw::formc
