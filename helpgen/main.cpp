// Writes the help file's sources into a folder for chmcmd.
// usage: kalmora_helpgen <output folder>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/all_pages.h"
#include "helpgen/help_pages.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kalmora_helpgen <output folder>\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const page::PageTable pages = app::AllPages();
  const page::PageTable tools = app::ToolPages();
  const std::vector<const page::SettingsPage*> records = app::AllSettingsPages();
  const helpgen::HelpSources sources{shell::CategoryNodes(), pages, tools, records,
                                     KALMORA_VERSION};
  for (const helpgen::HelpFile& file : helpgen::HelpProject(sources)) {
    const std::filesystem::path path = out / file.path;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream stream(path, std::ios::binary);
    stream << file.text;
    if (!stream) {
      std::cerr << "kalmora_helpgen: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
