// The program's command line: without arguments the window opens; /save, /compare and /apply
// work on a profile with no window; /? shows the usage.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/profiles.h"

namespace profile {

enum class Action { Window, Usage, Save, Compare, Apply, Unusable };

struct Command {
  Action action = Action::Window;
  std::string file;
  std::vector<int> pages;  // /save: empty for every page
  std::string log;         // /compare, /apply: empty for none
  Scope scope = Scope::All;
  std::string error;  // Unusable: what is wrong
};

// The arguments as Windows programs split them: blanks separate, double quotes group, a
// backslash is literal except before a quote (2n backslashes and a quote give n and group,
// 2n + 1 give n and a literal quote).
std::vector<std::string> SplitCommandLine(std::string_view line);

// Options are case-insensitive and may start with '/' or '-'.
Command ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace profile
