// The roots and value kinds of the registry access, typed: callers name a root and a kind, and
// only the access itself turns them into the root selector and the letter it takes.
#pragma once

#include <optional>

#include "os/registry.h"

namespace sysaccess {

enum class Root { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };
enum class Kind { String, Integer, Binary, MultiString };
// What DeleteReg removes below the key: a whole subkey or one value.
enum class Removal { Subkey, Value };

// Root selector 0..5 and the letters "s", "i", "b", "z", "k", "v".
int RootSelector(Root root);
const char* KindLetter(Kind kind);
const char* RemovalLetter(Removal removal);
os::RegRoot RegRootOf(Root root);
// The root a selector names; none for a number outside 0..5.
std::optional<os::RegRoot> RegRootOfSelector(int selector);

}  // namespace sysaccess
