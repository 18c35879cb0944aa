// The emergency floppy's DOS batch files: the menu on the floppy and the copy lines of Backup.bat
// and Restore.bat, with 8.3 paths as DOS sees them.
#include "tools/system_backup_batch.h"

#include "base/text.h"

namespace tools {

std::string BatchText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string FloppyMenu(const std::string& folder) {
  const std::string drive = folder.substr(0, 2);
  return BatchText(
      {"  @echo off ",
       "ECHO ****************************************************** ",
       "ECHO Kalmora2x Dateien sichern/herstellen",
       "ECHO (S) - Dateien in den Ordner " + folder + " sichern",
       "ECHO (B) - Dateien vom Ordner " + folder + " aus wieder herstellen",
       "ECHO (Q) - Programm beenden",
       "ECHO ****************************************************** ",
       "echo Waehlen Sie (S) fuer Sichern, (B) fuer Wiederherstellen oder (Q) Programm "
       "beeenden",
       "CHOICE /C:SBQ",
       "IF ERRORLEVEL 3 GOTO quit ",
       "IF ERRORLEVEL 2 GOTO RESTORE",
       "IF ERRORLEVEL 1 GOTO BACKUP ",
       ":BACKUP",
       drive,
       "cd " + folder,
       "Backup.bat",
       ":RESTORE",
       drive,
       "cd " + folder,
       "Restore.bat",
       ":quit ",
       "goto end ",
       ":end "});
}

void AddBatchLines(os::FileSystem& files, const std::string& folder, const std::string& path,
                   BatchFiles& batch) {
  const std::string upper = base::UpperCase(path);
  const auto attributes = files.GetAttributes(upper);
  if (!attributes) return;
  struct Flag {
    uint32_t bit;
    const char* clear;
    const char* set;
  };
  constexpr Flag kFlags[] = {{os::kAttrReadOnly, " -r ", " +r "},
                             {os::kAttrHidden, " -h ", " +h "},
                             {os::kAttrSystem, " -s ", " +s "},
                             {os::kAttrArchive, " -a ", " +a "}};
  std::string clear;
  std::string restore;
  for (const Flag& flag : kFlags) {
    if (!(*attributes & flag.bit)) continue;
    clear += flag.clear;
    restore += flag.set;
  }
  const std::string shortPath = files.ShortPath(upper);
  const std::string name = shortPath.substr(shortPath.rfind('\\') + 1);
  // The two ntuser.dat files must not land on the same name.
  std::string copy = folder + "\\" + name;
  if (name.find("NTUSER") != std::string::npos) {
    if (shortPath.find("DEF") != std::string::npos) {
      copy = folder + "\\DEF_" + name;
    } else if (shortPath.find("ADM") != std::string::npos) {
      copy = folder + "\\ADM_" + name;
    }
  }
  if (!clear.empty()) {
    batch.backup.push_back(" attrib " + shortPath + clear);
    batch.backup.push_back(" copy " + shortPath + "  " + copy);
    batch.backup.push_back(" attrib " + shortPath + restore);
    batch.restore.push_back(" attrib " + shortPath + clear);
    batch.restore.push_back(" copy " + copy + "  " + shortPath);
    batch.restore.push_back(" attrib " + shortPath + restore);
  } else {
    batch.backup.push_back(" copy " + shortPath + "  " + copy);
    batch.restore.push_back(" copy " + copy + "  " + shortPath);
  }
}

}  // namespace tools
