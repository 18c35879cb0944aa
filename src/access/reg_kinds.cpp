#include "access/reg_kinds.h"

#include <iterator>

namespace sysaccess {
namespace {

// By root selector.
constexpr os::RegRoot kRoots[] = {
    os::RegRoot::ClassesRoot, os::RegRoot::CurrentUser,   os::RegRoot::LocalMachine,
    os::RegRoot::Users,       os::RegRoot::CurrentConfig, os::RegRoot::DynData,
};

}  // namespace

int RootSelector(Root root) {
  return static_cast<int>(root);
}

const char* KindLetter(Kind kind) {
  switch (kind) {
    case Kind::String:
      return "s";
    case Kind::Integer:
      return "i";
    case Kind::Binary:
      return "b";
    case Kind::MultiString:
      return "z";
  }
  return "s";
}

const char* RemovalLetter(Removal removal) {
  return removal == Removal::Subkey ? "k" : "v";
}

std::optional<os::RegRoot> RegRootOfSelector(int selector) {
  if (selector < 0 || selector >= static_cast<int>(std::size(kRoots))) return std::nullopt;
  return kRoots[selector];
}

os::RegRoot RegRootOf(Root root) {
  return kRoots[static_cast<size_t>(RootSelector(root))];
}

}  // namespace sysaccess
