// Boot.ini as the loader reads it: 8-bit lines, each kept with its own line end, so that a
// rewrite changes only the lines it means to and every other byte stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sysaccess {

inline constexpr const char* kBootIniPath = "C:\\Boot.ini";
// The previous version, kept beside it on every rewrite.
inline constexpr const char* kBootIniBackupPath = "C:\\Boot.ini.bak";

struct TextLine {
  std::string text;  // the line's bytes without its end
  std::string end;   // "\r\n", "\n", "\r" or "" (the last line without one)
};

std::vector<TextLine> SplitTextLines(std::string_view bytes);
std::string JoinTextLines(const std::vector<TextLine>& lines);

// What the start-up page shows of a Boot.ini.
struct BootIniView {
  // The text after the first "=" of the timeout line, as it stands.
  std::optional<std::string> timeoutText;
  // The operating-system entries, upper-cased: the lines right after "[operating systems]" as
  // long as they contain "MULTI".
  std::vector<std::string> entries;
};

BootIniView ReadBootIni(const std::vector<TextLine>& lines);

// The part of an entry the "default" line names: the ARC path before its first "=", without
// the blanks around it.
std::string ArcPathOf(std::string_view entry);

// Rewrites the timeout line, the default line (to the selected entry's path) and the
// operating-system section (the selected entry first, then the others in their order). Each
// rewritten line keeps its line end; no other line changes. Without entries the default line
// and the section stay as they are.
void EditBootIni(std::vector<TextLine>& lines, int timeout, const std::vector<std::string>& entries,
                 int selected);

}  // namespace sysaccess
