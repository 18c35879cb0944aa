// Boot.ini reader and rewrite: splitting and joining give back every byte, and a rewrite keeps
// the number of lines, every line end and every line it has no reason to touch.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "access/boot_ini.h"
#include "base/text.h"
#include "base/utf.h"

namespace {

bool MayChange(const std::string& text) {
  const std::string upper = base::UpperCase(base::Cp1252ToUtf8(text));
  for (const char* word : {"TIMEOUT", "DEFAULT", "MULTI"}) {
    if (upper.find(word) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int timeout = data[0];
  const int selected = data[1] % 8;
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  const auto lines = sysaccess::SplitTextLines(bytes);
  if (sysaccess::JoinTextLines(lines) != bytes) std::abort();

  const sysaccess::BootIniView view = sysaccess::ReadBootIni(lines);
  auto edited = lines;
  sysaccess::EditBootIni(edited, timeout, view.entries, selected);
  if (edited.size() != lines.size()) std::abort();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (edited[i].end != lines[i].end) std::abort();
    if (edited[i].text != lines[i].text && !MayChange(lines[i].text)) std::abort();
  }
  return 0;
}
