#include "profile/unattended.h"

#include <algorithm>
#include <cstdio>

#include "base/utf.h"
#include "os/file_system.h"

namespace profile {
namespace {

// A tab or line end inside a value would break the log's columns.
std::string Cell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

std::string Line(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += Cell(cells[i]);
  }
  return line + "\r\n";
}

std::string LocalTime(os::System& system) {
  const os::SystemTime now = system.LocalTime();
  char text[48];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.year, now.month, now.day,
                now.hour, now.minute, now.second);
  return text;
}

class Runner {
 public:
  Runner(const Command& command, Unattended& run)
      : command_(command),
        run_(run),
        machine_(run.profiles.Host().services.system.ComputerName()) {}

  int Go() {
    switch (command_.action) {
      case Action::Save:
        return Save();
      case Action::Compare:
      case Action::Apply:
        return CompareOrApply();
      case Action::Unusable:
        return Unusable(command_.error);
      case Action::Window:
      case Action::Usage:
        break;
    }
    return kExitMatches;
  }

 private:
  int Unusable(const std::string& error) {
    if (!command_.log.empty()) {
      run_.files.WriteFile(command_.log, ErrorLogText(machine_, error));
    }
    return kExitUnusable;
  }

  int Save() {
    const std::vector<int> offered = run_.profiles.PageIds();
    for (const int pageId : command_.pages) {
      if (std::find(offered.begin(), offered.end(), pageId) == offered.end()) {
        return Unusable("Die Seite " + std::to_string(pageId) + " hat hier keine Einstellungen.");
      }
    }
    Profile profile;
    profile.header = HeaderOf(run_.profiles.Host(), run_.programVersion);
    profile.sections = run_.profiles.Save(command_.pages);
    return run_.files.WriteAtomically(command_.file, WriteProfile(profile)) ? kExitMatches
                                                                            : kExitUnusable;
  }

  int CompareOrApply() {
    std::string bytes;
    if (!run_.files.ReadFile(command_.file, bytes)) {
      return Unusable("Das Profil " + command_.file + " lässt sich nicht lesen.");
    }
    ReadError error;
    const std::optional<Profile> profile = ReadProfile(bytes, error);
    if (!profile) return Unusable(command_.file + ": " + Describe(error));
    std::vector<Row> rows;
    bool bad = false;
    if (command_.action == Action::Compare) {
      rows = run_.profiles.Compare(*profile);
      bad = AnyDiffers(rows);
    } else {
      rows = run_.profiles.Apply(*profile, command_.scope);
      if (run_.journal)
        run_.journal->Close("Profil angewendet: " + std::string(os::FileNameOf(command_.file)));
      bad = AnyNotHolding(rows);
    }
    if (!command_.log.empty()) run_.files.WriteFile(command_.log, LogText(machine_, rows));
    return bad ? kExitDiffers : kExitMatches;
  }

  const Command& command_;
  Unattended& run_;
  std::string machine_;
};

}  // namespace

Header HeaderOf(PageHost& host, const std::string& programVersion) {
  Header header;
  header.program = "Kalmora 2x " + programVersion;
  header.machine = host.services.system.ComputerName();
  header.windows = host.GetWindowsVersion();
  header.time = LocalTime(host.services.system);
  return header;
}

std::string LogText(const std::string& machine, const std::vector<Row>& rows) {
  std::string text;
  for (const Row& row : rows) {
    text += Line({machine, row.page, row.setting, row.here, row.wanted, OutcomeText(row)});
  }
  return base::Utf8ToCp1252(text);
}

std::string ErrorLogText(const std::string& machine, const std::string& error) {
  return base::Utf8ToCp1252(Line({machine, "", "", "", "", "Profil unbrauchbar: " + error}));
}

int Run(const Command& command, Unattended& run) {
  return Runner(command, run).Go();
}

}  // namespace profile
