#pragma once
// Type information: the published properties, fields and methods of each class, declared once per
// class in one table, looked up by name without regard to ASCII case.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "convert/Extended.h"
#include "forms/Object.h"

namespace pw {

class TPersistent;
class TComponent;

enum class TTypeKind {
  Integer,      // 32-bit; identifiers through the integer-constant registry
  Enumeration,  // booleans included
  Set,          // of an enumeration, as bits 0..31
  Char,
  Int64,
  Float,
  String,      // narrow
  WideString,  // UTF-16
  Class,       // an object the property holds (Font, Picture) or refers to
  Method,      // an event
  Variant,
  Unsupported,  // wide character, array, record: never readable from a stream
};

// An enumeration type with its value names in ordinal order.
struct TEnumType {
  std::string_view name;
  std::span<const std::string_view> values;
  // The ordinal of the value named `ident` (ASCII case ignored); none when unknown.
  std::optional<int> ValueOf(std::string_view ident) const;
};
extern const TEnumType kBooleanType;  // False, True

// A named integer type; its identifiers come from the integer-constant registry.
struct TIntegerType {
  std::string_view name;
};
extern const TIntegerType kIntegerType;  // plain Integer: no identifiers
extern const TIntegerType kColorType;    // TColor
extern const TIntegerType kCharsetType;  // TFontCharset
extern const TIntegerType kCursorType;   // TCursor

using IdentToInt = std::optional<std::int32_t> (*)(std::string_view ident);
using IntToIdent = std::optional<std::string_view> (*)(std::int32_t value);
// Registers the identifier functions of an integer type; the latest registration of a type wins.
void RegisterIntegerConsts(const TIntegerType& type, IdentToInt toInt, IntToIdent toIdent);
// The identifier-to-integer function registered for exactly this type; null when none.
IdentToInt FindIdentToInt(const TIntegerType& type);
IntToIdent FindIntToIdent(const TIntegerType& type);

// A published property. The accessors of its kind are set; a property without a setter (or,
// for Class, without an object getter) is read-only.
struct TPropInfo {
  std::string_view name;
  TTypeKind kind = TTypeKind::Integer;
  const TIntegerType* integerType = nullptr;  // Integer
  const TEnumType* enumType = nullptr;        // Enumeration; Set: the element type
  void (*setOrdinal)(TPersistent*,
                     std::int64_t) = nullptr;  // Integer, Enumeration, Set, Char, Int64
  std::int64_t (*getOrdinal)(const TPersistent*) = nullptr;
  void (*setString)(TPersistent*, const std::string&) = nullptr;
  void (*setWideString)(TPersistent*, const std::u16string&) = nullptr;
  void (*setFloat)(TPersistent*, Extended) = nullptr;
  TPersistent* (*getObject)(TPersistent*) = nullptr;  // Class: the object held now
  void (*setObject)(TPersistent*, TPersistent*) = nullptr;
  void (*setMethod)(TPersistent*, TNotifyEvent) = nullptr;
};

struct TClassInfo;

// A published field of a window class: a reference to one of its components.
struct TFieldInfo {
  std::string_view name;
  const TClassInfo* type;
  void (*set)(TPersistent* owner, TComponent* value);
  TComponent* (*get)(const TPersistent* owner);
};

// A published method: an event handler, bound to an instance by name.
struct TMethodInfo {
  std::string_view name;
  TNotifyEvent (*bind)(TPersistent* instance);
};

struct TClassInfo {
  std::string_view name;
  const TClassInfo* parent = nullptr;
  std::span<const TPropInfo> properties = {};
  std::span<const TFieldInfo> fields = {};
  std::span<const TMethodInfo> methods = {};
  // Creates an instance owned by `owner`; null for classes a stream cannot create.
  TComponent* (*create)(TComponent* owner) = nullptr;

  bool InheritsFrom(const TClassInfo& other) const;
  // Searched in the class, then its ancestors; names compared without regard to ASCII case.
  const TPropInfo* FindProperty(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
};

// Declaration helpers: each turns member pointers into a table entry.
namespace typeinfo_detail {
template <class>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using type = C;
};
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...) const> {
  using type = C;
};
template <class C, class M>
struct MemberOf<M C::*> {
  using type = C;
};
template <auto Member>
using Class = typename MemberOf<decltype(Member)>::type;
}  // namespace typeinfo_detail

template <auto Getter, auto Setter>
constexpr TPropInfo IntegerProperty(std::string_view name,
                                    const TIntegerType& type = kIntegerType) {
  using C = typeinfo_detail::Class<Setter>;
  TPropInfo info{name, TTypeKind::Integer};
  info.integerType = &type;
  info.setOrdinal = [](TPersistent* p, std::int64_t v) {
    (static_cast<C*>(p)->*Setter)(static_cast<std::int32_t>(v));
  };
  info.getOrdinal = [](const TPersistent* p) -> std::int64_t {
    return (static_cast<const C*>(p)->*Getter)();
  };
  return info;
}

// An enumeration (or boolean) property; Getter and Setter speak the C++ enum or bool.
template <auto Getter, auto Setter>
constexpr TPropInfo EnumProperty(std::string_view name, const TEnumType& type) {
  using C = typeinfo_detail::Class<Setter>;
  using E = std::remove_cvref_t<decltype((std::declval<const C*>()->*Getter)())>;
  TPropInfo info{name, TTypeKind::Enumeration};
  info.enumType = &type;
  info.setOrdinal = [](TPersistent* p, std::int64_t v) {
    (static_cast<C*>(p)->*Setter)(static_cast<E>(v));
  };
  info.getOrdinal = [](const TPersistent* p) -> std::int64_t {
    return static_cast<std::int64_t>((static_cast<const C*>(p)->*Getter)());
  };
  return info;
}

template <auto Getter, auto Setter>
constexpr TPropInfo BoolProperty(std::string_view name) {
  return EnumProperty<Getter, Setter>(name, kBooleanType);
}

// A set property; Getter and Setter speak the bits as std::uint32_t.
template <auto Getter, auto Setter>
constexpr TPropInfo SetProperty(std::string_view name, const TEnumType& element) {
  using C = typeinfo_detail::Class<Setter>;
  TPropInfo info{name, TTypeKind::Set};
  info.enumType = &element;
  info.setOrdinal = [](TPersistent* p, std::int64_t v) {
    (static_cast<C*>(p)->*Setter)(static_cast<std::uint32_t>(v));
  };
  info.getOrdinal = [](const TPersistent* p) -> std::int64_t {
    return (static_cast<const C*>(p)->*Getter)();
  };
  return info;
}

// A narrow text property; Setter takes std::string_view.
template <auto Setter>
constexpr TPropInfo StringProperty(std::string_view name) {
  using C = typeinfo_detail::Class<Setter>;
  TPropInfo info{name, TTypeKind::String};
  info.setString = [](TPersistent* p, const std::string& v) { (static_cast<C*>(p)->*Setter)(v); };
  return info;
}

// A UTF-16 text property; Setter takes std::u16string.
template <auto Setter>
constexpr TPropInfo WideStringProperty(std::string_view name) {
  using C = typeinfo_detail::Class<Setter>;
  TPropInfo info{name, TTypeKind::WideString};
  info.setWideString = [](TPersistent* p, const std::u16string& v) {
    (static_cast<C*>(p)->*Setter)(v);
  };
  return info;
}

// A property holding an object of its own (Font, Picture, Glyph), reached by dotted paths.
template <auto Getter>
constexpr TPropInfo ObjectProperty(std::string_view name) {
  using C = typeinfo_detail::Class<Getter>;
  TPropInfo info{name, TTypeKind::Class};
  info.getObject = [](TPersistent* p) -> TPersistent* { return (static_cast<C*>(p)->*Getter)(); };
  return info;
}

// An event slot, a TNotifyEvent data member.
template <auto Slot>
constexpr TPropInfo EventProperty(std::string_view name) {
  using C = typeinfo_detail::Class<Slot>;
  TPropInfo info{name, TTypeKind::Method};
  info.setMethod = [](TPersistent* p, TNotifyEvent handler) {
    static_cast<C*>(p)->*Slot = std::move(handler);
  };
  return info;
}

// A published component field, a `T* C::*` data member.
template <auto Field>
constexpr TFieldInfo PublishedField(std::string_view name) {
  using C = typeinfo_detail::Class<Field>;
  using T = std::remove_pointer_t<std::remove_cvref_t<decltype(std::declval<C&>().*Field)>>;
  return {
      name, &T::classInfo,
      [](TPersistent* owner, TComponent* value) {
        static_cast<C*>(owner)->*Field = static_cast<T*>(value);
      },
      [](const TPersistent* owner) -> TComponent* { return static_cast<const C*>(owner)->*Field; }};
}

// A published method, an event handler `void C::M(TObject*)`.
template <auto Method>
constexpr TMethodInfo PublishedMethod(std::string_view name) {
  using C = typeinfo_detail::Class<Method>;
  return {name,
          [](TPersistent* instance) { return MethodEvent(static_cast<C*>(instance), Method); }};
}

}  // namespace pw
