#include "convert/Messages.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace pw {

namespace {

struct Entry {
  MessageId id;
  std::string text;
};

const std::vector<Entry>& Table() {
  static const std::vector<Entry> table = {
      {MessageId::InvalidInteger, "'%s' is not a valid integer value"},
      {MessageId::InvalidFloat, "'%s' is not a valid floating point value"},
      {MessageId::ZeroDivide, "Floating point division by zero"},
      {MessageId::InvalidOp, "Invalid floating point operation"},
      {MessageId::Overflow, "Floating point overflow"},
      {MessageId::InvalidStreamFormat, "Invalid stream format"},
      {MessageId::ReadError, "Stream read error"},
      {MessageId::InvalidPropertyValue, "Invalid property value"},
      {MessageId::UnknownProperty, "Property %s does not exist"},
      {MessageId::InvalidPropertyPath, "Invalid property path"},
      {MessageId::ErrorReading, "Error reading %s%s%s: %s"},
      {MessageId::ReadOnlyProperty, "Property is read-only"},
      {MessageId::ResourceNotFound, "Resource %s not found"},
      {MessageId::ClassNotFound, "Class %s not found"},
      {MessageId::AncestorNotFound, "Ancestor for '%s' not found"},
      {MessageId::InvalidComponentName, "''%s'' is not a valid component name"},
      {MessageId::DuplicateComponentName, "A component named %s already exists"},
      {MessageId::DuplicateClass, "A class named %s already exists"},
      {MessageId::NestingTooDeep, "Component records nested too deeply"},
      {MessageId::CannotShowModal, "Cannot make a visible window modal"},
      {MessageId::CannotFocus, "Cannot focus a disabled or invisible window"},
      {MessageId::InsertLineError, "Unable to insert a line"},
      {MessageId::WindowCreateError, "Error creating window"},
      {MessageId::InvalidBitmap, "Bitmap image is not valid"},
      {MessageId::OutOfResources, "Out of system resources"},
      {MessageId::JpegError, "JPEG error #%d"},
      {MessageId::ChangeJpegSize, "Cannot change the size of a JPEG image"},
      {MessageId::MetafilesFilter, "Metafiles"},
      {MessageId::EnhMetafilesFilter, "Enhanced Metafiles"},
      {MessageId::IconsFilter, "Icons"},
      {MessageId::BitmapsFilter, "Bitmaps"},
      {MessageId::JpegFilter, "JPEG Image File"},
      {MessageId::CannotReplaceImage, "Unable to Replace Image"},
  };
  return table;
}

}  // namespace

const std::string& LoadMessage(MessageId id) {
  for (const Entry& entry : Table()) {
    if (entry.id == id) return entry.text;
  }
  throw std::out_of_range("no message " + std::to_string(static_cast<unsigned>(id)));
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  text.reserve(pattern.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      if (pattern[i + 1] == 's') {
        if (next != args.end()) text.append(*next++);
        ++i;
        continue;
      }
      if (pattern[i + 1] == '%') {
        text.push_back('%');
        ++i;
        continue;
      }
    }
    text.push_back(c);
  }
  return text;
}

std::string LoadMessage(MessageId id, std::initializer_list<std::string_view> args) {
  return FormatText(LoadMessage(id), args);
}

}  // namespace pw
