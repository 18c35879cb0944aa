// The profile file: the settings of some or all pages as a person reads them in Notepad, each
// page a section "[Seite <PageId>: <headline>]" with lines "<setting>=<value>", after a header
// that says which program wrote it where and when, and closed by "[Ende]" so that a file cut
// short is known as such. Written as Windows-1252 with CR LF (what Notepad reads as ANSI on NT
// 4.0, 2000 and XP); read also as UTF-8 or UTF-16 with a byte-order mark, as Notepad saves it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

inline constexpr int kFormatVersion = 1;
// Past this a file is no profile but something else given by mistake.
inline constexpr size_t kMaxProfileBytes = 4 * 1024 * 1024;

struct Header {
  int format = kFormatVersion;
  std::string program;
  std::string machine;
  std::string windows;
  std::string time;
};

struct Entry {
  std::string name;
  std::string value;
  int line = 0;  // where it was read; 0 for one made in memory
};

struct Section {
  int pageId = 0;
  std::string title;  // the headline, for the reader; ignored when read
  std::vector<Entry> entries;
  int line = 0;

  const Entry* Find(std::string_view name) const;
};

struct Profile {
  Header header;
  std::vector<Section> sections;

  const Section* Find(int pageId) const;
};

// The file's bytes.
std::string WriteProfile(const Profile& profile);

struct ReadError {
  int line = 0;  // 0: the file as a whole
  std::string message;
};

// The profile, or nothing with the first error and its line.
std::optional<Profile> ReadProfile(std::string_view bytes, ReadError& error);

// "Zeile 12: ..." or the message alone.
std::string Describe(const ReadError& error);

}  // namespace profile
