#pragma once
// Form instantiation: a root component built from its form stream(s), its components created,
// named, parented and given their properties, then completed.

#include <span>
#include <string_view>
#include <vector>

#include "forms/Component.h"
#include "forms/Reader.h"
#include "forms/Stream.h"

namespace pw {

// How deep component records may nest below the root: far beyond what a real window needs, well
// within the stack. A deeper record stops the reading with EReadError "Component records nested
// too deeply".
inline constexpr int kMaxRecordNesting = 256;

// Reads one component record below the reader's current root, creating the component.
void ReadComponentRecord(TReader& reader);

// Reads one form stream into `root`.
void ReadFormRoot(TStream& stream, TComponent& root);

// Reads the embedded form stream `name` into `root`; false when there is no such resource.
bool ReadFormResource(std::string_view name, TComponent& root);

// Reads, for each class from just below `rootClass` down to the instance's own class, the stream
// named after that class; true when at least one was found. Completes every component read.
bool LoadFormResources(TComponent& instance, const TClassInfo& rootClass);

// The class a record names: a field class of the root's class chain, else a registered class.
// Raises EClassNotFound "Class %s not found".
const TClassInfo& ResolveComponentClass(TReader& reader, std::string_view className);

// Classes a stream may name besides the window's field classes. Registering a second class of
// one name raises EFilerError "A class named %s already exists".
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindRegisteredClass(std::string_view name);

// Windows known by name to the whole process: a root read from a stream is renamed
// "<name>_1", "<name>_2", ... while another of them has its name.
void AddGlobalComponent(TComponent* component);
void RemoveGlobalComponent(TComponent* component);
const std::vector<TComponent*>& GlobalComponents();

}  // namespace pw
