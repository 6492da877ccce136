#include "forms/TypeInfo.h"

#include <algorithm>
#include <array>
#include <vector>

#include "forms/Text.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {

constexpr std::array<std::string_view, 2> kBooleanNames = {"False", "True"};

struct IntegerConsts {
  const TIntegerType* type;
  IdentToInt toInt;
  IntToIdent toIdent;
};

struct IntegerConstsSlot {
  std::vector<IntegerConsts> registry;
};
std::vector<IntegerConsts>& IntegerConstsRegistry() {
  return sys::ContextLocal<IntegerConstsSlot>().registry;
}

const IntegerConsts* FindIntegerConsts(const TIntegerType& type) {
  const auto& registry = IntegerConstsRegistry();
  // The most recent registration of the exact type wins.
  auto it = std::find_if(registry.rbegin(), registry.rend(),
                         [&](const IntegerConsts& entry) { return entry.type == &type; });
  return it == registry.rend() ? nullptr : &*it;
}

template <class Info>
const Info* FindByName(std::span<const Info> infos, std::string_view name) {
  auto it = std::find_if(infos.begin(), infos.end(),
                         [&](const Info& info) { return SameText(info.name, name); });
  return it == infos.end() ? nullptr : &*it;
}

}  // namespace

const TEnumType kBooleanType{"Boolean", kBooleanNames};
const TIntegerType kIntegerType{"Integer"};
const TIntegerType kColorType{"TColor"};
const TIntegerType kCharsetType{"TFontCharset"};
const TIntegerType kCursorType{"TCursor"};

std::optional<int> TEnumType::ValueOf(std::string_view ident) const {
  auto it = std::find_if(values.begin(), values.end(),
                         [&](std::string_view value) { return SameText(value, ident); });
  if (it == values.end()) return std::nullopt;
  return static_cast<int>(it - values.begin());
}

void RegisterIntegerConsts(const TIntegerType& type, IdentToInt toInt, IntToIdent toIdent) {
  IntegerConstsRegistry().push_back({&type, toInt, toIdent});
}

IdentToInt FindIdentToInt(const TIntegerType& type) {
  const IntegerConsts* entry = FindIntegerConsts(type);
  return entry == nullptr ? nullptr : entry->toInt;
}

IntToIdent FindIntToIdent(const TIntegerType& type) {
  const IntegerConsts* entry = FindIntegerConsts(type);
  return entry == nullptr ? nullptr : entry->toIdent;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent) {
    if (c == &other) return true;
  }
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent) {
    if (const TPropInfo* info = FindByName(c->properties, name)) return info;
  }
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent) {
    if (const TFieldInfo* info = FindByName(c->fields, name)) return info;
  }
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent) {
    if (const TMethodInfo* info = FindByName(c->methods, name)) return info;
  }
  return nullptr;
}

}  // namespace pw
