#pragma once
// The framework's string table: every message it shows comes from here, by identifier.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pw {

enum class MessageId : std::uint16_t {
  InvalidInteger = 65520,  // "'%s' is not a valid integer value"
  InvalidFloat = 65521,    // "'%s' is not a valid floating point value"
  ZeroDivide = 65522,      // "Floating point division by zero"
  InvalidOp = 65523,       // "Invalid floating point operation"
  Overflow = 65524,        // "Floating point overflow"
  // Form streams and form instantiation.
  InvalidStreamFormat = 65500,  // "Invalid stream format"
  ReadError = 65501,            // "Stream read error"
  InvalidPropertyValue = 65502,
  UnknownProperty = 65503,  // "Property %s does not exist"
  InvalidPropertyPath = 65504,
  ErrorReading = 65505,  // "Error reading %s%s%s: %s"
  ReadOnlyProperty = 65506,
  ResourceNotFound = 65507,        // "Resource %s not found"
  ClassNotFound = 65508,           // "Class %s not found"
  AncestorNotFound = 65509,        // "Ancestor for '%s' not found"
  InvalidComponentName = 65510,    // "''%s'' is not a valid component name"
  DuplicateComponentName = 65511,  // "A component named %s already exists"
  DuplicateClass = 65512,          // "A class named %s already exists"
  NestingTooDeep = 65513,          // "Component records nested too deeply"
  // Windows.
  CannotShowModal = 65490,    // "Cannot make a visible window modal"
  CannotFocus = 65491,        // "Cannot focus a disabled or invisible window"
  InsertLineError = 65492,    // "Unable to insert a line"
  WindowCreateError = 65493,  // "Error creating window"
  // Pictures.
  InvalidBitmap = 65480,       // "Bitmap image is not valid"
  OutOfResources = 65481,      // "Out of system resources"
  JpegError = 65482,           // "JPEG error #%d"
  ChangeJpegSize = 65483,      // "Cannot change the size of a JPEG image"
  MetafilesFilter = 65484,     // "Metafiles"
  EnhMetafilesFilter = 65485,  // "Enhanced Metafiles"
  IconsFilter = 65486,         // "Icons"
  BitmapsFilter = 65487,       // "Bitmaps"
  JpegFilter = 65488,          // "JPEG Image File"
  CannotReplaceImage = 65494,  // "Unable to Replace Image"
};

// The text of a message; throws std::out_of_range for an identifier the table lacks.
const std::string& LoadMessage(MessageId id);

// Fills each "%s" of the pattern with the next argument, in order; "%%" gives "%".
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// The message of identifier `id` filled with `args`.
std::string LoadMessage(MessageId id, std::initializer_list<std::string_view> args);

}  // namespace pw
