// Any bytes as a profile: no crash, no hang; an error always names what is wrong, and a profile
// that was read, written again, reads back as the same pages and settings whenever its text
// fits the file's encoding.
#include <cstdlib>
#include <string_view>

#include "base/utf.h"
#include "profile/profile_file.h"

namespace {

bool FitsWindows1252(const profile::Profile& read) {
  const auto fits = [](const std::string& text) {
    return base::Cp1252ToUtf8(base::Utf8ToCp1252(text)) == text;
  };
  for (const profile::Section& section : read.sections) {
    if (!fits(section.title)) return false;
    for (const profile::Entry& entry : section.entries) {
      if (!fits(entry.name) || !fits(entry.value)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  profile::ReadError error;
  const auto read = profile::ReadProfile(bytes, error);
  if (!read) {
    if (error.message.empty() || error.line < 0) std::abort();
    return 0;
  }
  if (!FitsWindows1252(*read)) return 0;
  profile::ReadError again;
  const auto reread = profile::ReadProfile(profile::WriteProfile(*read), again);
  if (!reread || reread->sections.size() != read->sections.size()) std::abort();
  for (size_t i = 0; i < read->sections.size(); ++i) {
    const profile::Section& a = read->sections[i];
    const profile::Section& b = reread->sections[i];
    if (a.pageId != b.pageId || a.entries.size() != b.entries.size()) std::abort();
    for (size_t j = 0; j < a.entries.size(); ++j) {
      if (a.entries[j].name != b.entries[j].name) std::abort();
      // A value's trailing blanks end its line and go with the line's own.
      if (a.entries[j].value.find_last_not_of(" \t") != std::string::npos &&
          a.entries[j].value.substr(0, a.entries[j].value.find_last_not_of(" \t") + 1) !=
              b.entries[j].value.substr(0, b.entries[j].value.find_last_not_of(" \t") + 1)) {
        std::abort();
      }
    }
  }
  return 0;
}
