#include "profile/profile_file.h"

#include <set>

#include "base/convert.h"
#include "base/text.h"
#include "base/utf.h"

namespace profile {
namespace {

constexpr std::string_view kHeaderSection = "[Kalmora 2x Profil]";
constexpr std::string_view kEndSection = "[Ende]";
constexpr std::string_view kPagePrefix = "[Seite ";

// The text as UTF-8, by its byte-order mark; without one the bytes are Windows-1252.
std::optional<std::string> Decode(std::string_view bytes, ReadError& error) {
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
      static_cast<uint8_t>(bytes[1]) == 0xFE) {
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                            static_cast<uint8_t>(bytes[i + 1]) << 8));
    }
    return base::Utf16ToUtf8(units);
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    if (!base::IsValidUtf8(bytes.substr(3))) {
      error = {0, "Die Datei ist als UTF-8 bezeichnet, enthält aber ungültige Zeichen."};
      return std::nullopt;
    }
    return std::string(bytes.substr(3));
  }
  return base::Cp1252ToUtf8(bytes);
}

// Lines split at CR LF, LF or CR.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// "[Seite 137: Drucker - Priorität]" or "[Seite 137]": the PageId and the title.
bool ParsePageSection(std::string_view line, Section& section) {
  if (line.substr(0, kPagePrefix.size()) != kPagePrefix || line.back() != ']') return false;
  std::string_view inner = line.substr(kPagePrefix.size(), line.size() - kPagePrefix.size() - 1);
  const size_t colon = inner.find(':');
  const std::string_view number = base::Trim(inner.substr(0, colon));
  int32_t pageId = 0;
  if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos ||
      !base::TryStrToInt(number, pageId)) {
    return false;
  }
  section.pageId = pageId;
  section.title =
      colon == std::string_view::npos ? "" : std::string(base::Trim(inner.substr(colon + 1)));
  return true;
}

class Reader {
 public:
  explicit Reader(ReadError& error) : error_(error) {}

  std::optional<Profile> Read(const std::vector<std::string_view>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
      line_ = static_cast<int>(i) + 1;
      const std::string_view line = base::Trim(lines[i]);
      if (line.empty() || line.front() == ';') continue;
      const bool read = state_ == State::End  ? Fail("Nach [Ende] darf nichts mehr stehen.")
                        : line.front() == '[' ? Section(line)
                                              : Setting(line);
      if (!read) return std::nullopt;
    }
    line_ = static_cast<int>(lines.size()) + 1;
    if (state_ == State::Start) Fail("Die Datei ist kein Kalmora-2x-Profil.", 0);
    if (state_ != State::Start && state_ != State::End) {
      Fail("Das Profil ist unvollständig: [Ende] fehlt.");
    }
    if (state_ != State::End) return std::nullopt;
    return std::move(profile_);
  }

 private:
  enum class State { Start, Header, Page, End };

  bool Fail(std::string message, std::optional<int> line = std::nullopt) {
    error_ = {line.value_or(line_), std::move(message)};
    return false;
  }

  bool Section(std::string_view line) {
    if (state_ == State::Start) {
      if (line != kHeaderSection) return Fail("Die Datei ist kein Kalmora-2x-Profil.");
      state_ = State::Header;
      return true;
    }
    if (state_ == State::Header && !sawFormat_) {
      return Fail("Im Kopf des Profils fehlt \"Format\".");
    }
    if (line == kEndSection) {
      state_ = State::End;
      return true;
    }
    profile::Section section;
    if (!ParsePageSection(line, section)) {
      return Fail("Unbekannter Abschnitt " + std::string(line) + ".");
    }
    if (!pageIds_.insert(section.pageId).second) {
      return Fail("Die Seite " + base::IntToStr(section.pageId) + " steht zweimal im Profil.");
    }
    section.line = line_;
    profile_.sections.push_back(std::move(section));
    names_.clear();
    state_ = State::Page;
    return true;
  }

  bool Setting(std::string_view line) {
    if (state_ == State::Start) return Fail("Die Datei ist kein Kalmora-2x-Profil.");
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Fail("Die Zeile hat kein \"=\": " + std::string(line));
    }
    const std::string name(base::Trim(line.substr(0, equals)));
    // The value as it stands after "=": an edit's text may begin with a blank.
    const std::string value(line.substr(equals + 1));
    if (name.empty()) return Fail("Vor dem \"=\" fehlt der Name der Einstellung.");
    if (state_ == State::Header) return HeaderValue(name, value);
    if (!names_.insert(name).second) {
      return Fail("Die Einstellung \"" + name + "\" steht zweimal auf dieser Seite.");
    }
    profile_.sections.back().entries.push_back({name, value, line_});
    return true;
  }

  bool HeaderValue(const std::string& name, const std::string& value) {
    Header& header = profile_.header;
    if (name == "Format") {
      int32_t format = 0;
      if (!base::TryStrToInt(std::string(base::Trim(value)), format)) {
        return Fail("\"Format\" ist keine Zahl.");
      }
      if (format != kFormatVersion) {
        return Fail("Das Profil hat das Format " + base::IntToStr(format) +
                    "; dieses Programm liest Format " + base::IntToStr(kFormatVersion) + ".");
      }
      header.format = format;
      sawFormat_ = true;
    } else if (name == "Programm") {
      header.program = value;
    } else if (name == "Rechner") {
      header.machine = value;
    } else if (name == "Windows") {
      header.windows = value;
    } else if (name == "Zeit") {
      header.time = value;
    }
    // Other names in the header are a later program's; they do not matter here.
    return true;
  }

  ReadError& error_;
  Profile profile_;
  State state_ = State::Start;
  bool sawFormat_ = false;
  int line_ = 0;
  std::set<int> pageIds_;
  std::set<std::string> names_;
};

}  // namespace

const Entry* Section::Find(std::string_view name) const {
  for (const Entry& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

const Section* Profile::Find(int pageId) const {
  for (const profile::Section& section : sections) {
    if (section.pageId == pageId) return &section;
  }
  return nullptr;
}

std::string WriteProfile(const Profile& profile) {
  std::string text;
  const auto line = [&text](std::string_view part) {
    text += part;
    text += "\r\n";
  };
  line("; Kalmora 2x - Profil. Jede Seite steht als [Seite <Nummer>: <Überschrift>],");
  line("; darunter jede Einstellung als <Einstellung>=<Wert>, wie die Seite sie zeigt.");
  line(kHeaderSection);
  line("Format=" + base::IntToStr(profile.header.format));
  line("Programm=" + profile.header.program);
  line("Rechner=" + profile.header.machine);
  line("Windows=" + profile.header.windows);
  line("Zeit=" + profile.header.time);
  for (const Section& section : profile.sections) {
    line("");
    line(std::string(kPagePrefix) + base::IntToStr(section.pageId) +
         (section.title.empty() ? "" : ": " + section.title) + "]");
    for (const Entry& entry : section.entries) line(entry.name + "=" + entry.value);
  }
  line("");
  line(kEndSection);
  return base::Utf8ToCp1252(text);
}

std::optional<Profile> ReadProfile(std::string_view bytes, ReadError& error) {
  if (bytes.size() > kMaxProfileBytes) {
    error = {0, "Die Datei ist zu groß für ein Profil."};
    return std::nullopt;
  }
  const std::optional<std::string> text = Decode(bytes, error);
  if (!text) return std::nullopt;
  if (text->find('\0') != std::string::npos) {
    error = {0, "Die Datei ist keine Textdatei."};
    return std::nullopt;
  }
  return Reader(error).Read(Lines(*text));
}

std::string Describe(const ReadError& error) {
  return error.line > 0 ? "Zeile " + base::IntToStr(error.line) + ": " + error.message
                        : error.message;
}

}  // namespace profile
