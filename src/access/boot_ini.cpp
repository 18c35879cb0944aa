#include "access/boot_ini.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "base/utf.h"

namespace sysaccess {
namespace {

// Matching works on the upper-cased text; the line's own bytes are never touched by it.
std::string Upper(std::string_view bytes) {
  return base::UpperCase(base::Cp1252ToUtf8(bytes));
}

bool Has(std::string_view bytes, std::string_view word) {
  return Upper(bytes).find(word) != std::string::npos;
}

std::string AfterFirstEquals(std::string_view text) {
  const size_t at = text.find('=');
  return at == std::string_view::npos ? std::string() : std::string(text.substr(at + 1));
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// The entry lines of the section that starts after line `header`.
size_t SectionLength(const std::vector<TextLine>& lines, size_t header) {
  size_t count = 0;
  while (header + 1 + count < lines.size() && Has(lines[header + 1 + count].text, "MULTI")) {
    ++count;
  }
  return count;
}

}  // namespace

std::vector<TextLine> SplitTextLines(std::string_view bytes) {
  std::vector<TextLine> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({std::string(bytes.substr(start)), ""});
      break;
    }
    const size_t endLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back(
        {std::string(bytes.substr(start, end - start)), std::string(bytes.substr(end, endLength))});
    start = end + endLength;
  }
  return lines;
}

std::string JoinTextLines(const std::vector<TextLine>& lines) {
  std::string bytes;
  for (const TextLine& line : lines) bytes += line.text + line.end;
  return bytes;
}

BootIniView ReadBootIni(const std::vector<TextLine>& lines) {
  BootIniView view;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& text = lines[i].text;
    if (Has(text, "TIMEOUT")) {
      view.timeoutText = AfterFirstEquals(text);
    } else if (Has(text, "DEFAULT")) {
      // The page does not preselect the current default.
    } else if (Has(text, "[OPER")) {
      const size_t count = SectionLength(lines, i);
      for (size_t k = 1; k <= count; ++k) view.entries.push_back(Upper(lines[i + k].text));
      i += count;
    }
  }
  return view;
}

std::string ArcPathOf(std::string_view entry) {
  return Trimmed(entry.substr(0, entry.find('=')));
}

void EditBootIni(std::vector<TextLine>& lines, int timeout, const std::vector<std::string>& entries,
                 int selected) {
  const bool haveSelection = selected >= 0 && selected < static_cast<int>(entries.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& text = lines[i].text;
    if (Has(text, "TIMEOUT")) {
      lines[i].text = "timeout=" + std::to_string(timeout);
    } else if (Has(text, "DEFAULT")) {
      if (haveSelection) {
        lines[i].text = "default=" + base::Utf8ToCp1252(ArcPathOf(entries[selected]));
      }
    } else if (Has(text, "[OPER")) {
      if (!haveSelection) continue;
      // The section is exactly as long as when it was read unless the file changed since; only
      // as many lines as it holds now are overwritten, so nothing after it is lost.
      std::vector<std::string> ordered{entries[selected]};
      for (size_t k = 0; k < entries.size(); ++k) {
        if (static_cast<int>(k) != selected) ordered.push_back(entries[k]);
      }
      const size_t count = std::min(SectionLength(lines, i), ordered.size());
      for (size_t k = 0; k < count; ++k) lines[i + 1 + k].text = base::Utf8ToCp1252(ordered[k]);
      i += count;
    }
  }
}

}  // namespace sysaccess
