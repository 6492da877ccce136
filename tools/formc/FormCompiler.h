#pragma once
// Turns a form description written as JSON into a binary form stream.
//
// A component is an object {"class": "TForm1", "name": "Form1", "properties": {...},
// "children": [...]}; "children" may be left out. The properties are written in the order of
// their keys, so the document must be parsed into an ordered_json. Property values:
//
//   123                        integer, in the narrowest integer tag
//   "text"                     text (UTF-8); ASCII as a narrow string, anything else as UTF-8 text
//   true, false                boolean
//   {"ident": "bsDialog"}      identifier (enumeration value, colour, event handler name)
//   {"set": ["fsBold"]}        set of enumeration names; {"set": []} is the empty set
//   {"picture": {"class": "TBitmap", "file": "form1/P1.bmp"}}
//                              a picture payload: the graphic class name, then the file's size
//                              as 32 bits and the file itself, as one byte block
//   {"bitmap": "form1/G1.bmp"} a bitmap payload (a button glyph): the file's size as 32 bits and
//                              the file itself, as one byte block
//
// Files are found through the loader given to CompileForm.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace pw::formc {

using Json = nlohmann::ordered_json;

// A description that cannot be compiled; the message names the component and property.
class CompileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Returns the contents of the file a picture or bitmap value names; throws when it cannot.
using FileLoader = std::function<std::vector<std::uint8_t>(const std::string& file)>;

// The whole stream: the signature, then the root component's record.
std::vector<std::uint8_t> CompileForm(const Json& root, const FileLoader& loadFile);

// Parses a description; a key that occurs twice in one object is an error, since the second
// would silently replace the first.
Json ParseDescription(std::string_view text);

}  // namespace pw::formc
