// A profile command run without the window, as a logon or start-up script runs it: nothing is
// shown and nothing asks. The exit code says how it went: 0 the machine is (now) as the
// profile says, 1 it differs (/compare) or some settings were skipped or failed (/apply), 2 the
// profile or the command line is unusable, and then nothing is changed. The log has one line
// per setting: machine, page, setting, here, profile, outcome, tab-separated.
#pragma once

#include <string>
#include <vector>

#include "journal/journal.h"
#include "os/file_system.h"
#include "profile/command_line.h"
#include "profile/profiles.h"

namespace profile {

inline constexpr int kExitMatches = 0;
inline constexpr int kExitDiffers = 1;
inline constexpr int kExitUnusable = 2;

struct Unattended {
  Profiles& profiles;
  // The undecorated files: the profile and the log are no change to undo.
  os::FileSystem& files;
  // Where an apply's changes go as one set; none keeps no set.
  journal::Journal* journal = nullptr;
  std::string programVersion;
};

int Run(const Command& command, Unattended& run);

// The profile's header for this machine now.
Header HeaderOf(PageHost& host, const std::string& programVersion);
// The log's lines, Windows-1252 with CR LF.
std::string LogText(const std::string& machine, const std::vector<Row>& rows);
// A log of one line for a run that could not start.
std::string ErrorLogText(const std::string& machine, const std::string& error);

}  // namespace profile
