#include "formc/FormCompiler.h"

#include <limits>
#include <set>

#include "formc/FormWriter.h"

namespace pw::formc {
namespace {

// The longest graphic class name a picture payload may carry.
constexpr std::size_t kMaxGraphicClassName = 63;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw CompileError(where + ": " + what);
}

const std::string& RequireString(const Json& object, const char* key, const std::string& where) {
  const auto it = object.find(key);
  if (it == object.end() || !it->is_string())
    Fail(where, std::string("\"") + key + "\" must be a text");
  return it->get_ref<const std::string&>();
}

void AppendUint32(std::vector<std::uint8_t>& out, std::size_t value, const std::string& where) {
  if (value > std::numeric_limits<std::uint32_t>::max()) Fail(where, "file too large");
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A graphic's own payload: the file's size, then the file.
void AppendGraphicData(std::vector<std::uint8_t>& out, const std::string& file,
                       const FileLoader& loadFile, const std::string& where) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = loadFile(file);
  } catch (const std::exception& e) {
    Fail(where, e.what());
  }
  AppendUint32(out, bytes.size(), where);
  out.insert(out.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> PicturePayload(const Json& picture, const FileLoader& loadFile,
                                         const std::string& where) {
  if (!picture.is_object()) Fail(where, "\"picture\" must be an object");
  for (const auto& [key, value] : picture.items())
    if (key != "class" && key != "file") Fail(where, "unknown picture key \"" + key + "\"");
  const std::string& className = RequireString(picture, "class", where);
  if (className.empty() || className.size() > kMaxGraphicClassName)
    Fail(where, "a graphic class name has 1 to 63 characters");
  std::vector<std::uint8_t> payload;
  payload.push_back(static_cast<std::uint8_t>(className.size()));
  payload.insert(payload.end(), className.begin(), className.end());
  AppendGraphicData(payload, RequireString(picture, "file", where), loadFile, where);
  return payload;
}

void WriteValue(TFormWriter& writer, const Json& value, const FileLoader& loadFile,
                const std::string& where) {
  switch (value.type()) {
    case Json::value_t::boolean:
      writer.WriteBool(value.get<bool>());
      return;
    case Json::value_t::number_integer:
      writer.WriteInteger(value.get<std::int64_t>());
      return;
    case Json::value_t::number_unsigned:
      if (value.get<std::uint64_t>() >
          static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        Fail(where, "integer out of range");
      writer.WriteInteger(static_cast<std::int64_t>(value.get<std::uint64_t>()));
      return;
    case Json::value_t::string:
      writer.WriteString(value.get_ref<const std::string&>());
      return;
    case Json::value_t::object:
      break;
    default:
      Fail(where,
           "a value is an integer, a text, true, false or an object such as "
           "{\"ident\": ...}; got " +
               std::string(value.type_name()));
  }
  if (value.size() != 1) Fail(where, "a value object has exactly one key");
  const auto entry = value.begin();
  const std::string& kind = entry.key();
  const Json& content = entry.value();
  if (kind == "ident") {
    if (!content.is_string() || content.get_ref<const std::string&>().empty())
      Fail(where, "an identifier is a non-empty text");
    writer.WriteIdent(content.get_ref<const std::string&>());
  } else if (kind == "set") {
    if (!content.is_array()) Fail(where, "a set is an array of names");
    std::vector<std::string> members;
    for (const Json& member : content) {
      if (!member.is_string() || member.get_ref<const std::string&>().empty())
        Fail(where, "a set member is a non-empty text");
      members.push_back(member.get<std::string>());
    }
    writer.WriteSet(members);
  } else if (kind == "picture") {
    writer.WriteBytes(PicturePayload(content, loadFile, where));
  } else if (kind == "bitmap") {
    if (!content.is_string()) Fail(where, "\"bitmap\" names a file");
    std::vector<std::uint8_t> payload;
    AppendGraphicData(payload, content.get<std::string>(), loadFile, where);
    writer.WriteBytes(payload);
  } else {
    Fail(where, "unknown value kind \"" + kind + "\"");
  }
}

void WriteComponent(TFormWriter& writer, const Json& component, const FileLoader& loadFile,
                    const std::string& parentPath) {
  if (!component.is_object()) Fail(parentPath, "a component is an object");
  const std::string& name = RequireString(component, "name", parentPath + "<component>");
  const std::string where = parentPath.empty() ? name : parentPath + "." + name;
  for (const auto& [key, value] : component.items())
    if (key != "class" && key != "name" && key != "properties" && key != "children")
      Fail(where, "unknown component key \"" + key + "\"");
  const std::string& className = RequireString(component, "class", where);
  if (className.empty()) Fail(where, "the class name is empty");

  writer.WriteShortText(className);
  writer.WriteShortText(name);

  const auto properties = component.find("properties");
  if (properties == component.end() || !properties->is_object())
    Fail(where, "\"properties\" must be an object");
  for (const auto& [property, value] : properties->items()) {
    const std::string propertyWhere = where + "." + property;
    // An empty name would read as the end of the property list.
    if (property.empty()) Fail(propertyWhere, "a property name cannot be empty");
    writer.WriteShortText(property);
    WriteValue(writer, value, loadFile, propertyWhere);
  }
  writer.WriteListEnd();

  const auto children = component.find("children");
  if (children != component.end()) {
    if (!children->is_array()) Fail(where, "\"children\" must be an array");
    for (const Json& child : *children) WriteComponent(writer, child, loadFile, where);
  }
  writer.WriteListEnd();
}

}  // namespace

std::vector<std::uint8_t> CompileForm(const Json& root, const FileLoader& loadFile) {
  TFormWriter writer;
  writer.WriteSignature();
  WriteComponent(writer, root, loadFile, "");
  return writer.Bytes();
}

Json ParseDescription(std::string_view text) {
  // The keys met so far in each object being parsed.
  std::vector<std::set<std::string>> keys;
  std::string duplicate;
  const auto callback = [&](int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
        keys.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        keys.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!keys.back().insert(parsed.get<std::string>()).second && duplicate.empty())
          duplicate = parsed.get<std::string>();
        break;
      default:
        break;
    }
    return true;
  };
  Json parsed;
  try {
    parsed = Json::parse(text.begin(), text.end(), callback);
  } catch (const Json::parse_error& e) {
    throw CompileError(e.what());
  }
  if (!duplicate.empty()) throw CompileError("the key \"" + duplicate + "\" occurs twice");
  return parsed;
}

}  // namespace pw::formc
