// The help file's sources: one topic per tree node, an introduction, a page of the tools, the
// table of contents and the project that chmcmd compiles into "Kalmora2X.chm". Everything comes
// from the tree, the page table and the page records, so a new record shows up in the help.
#pragma once

#include <string>
#include <vector>

#include "page/page_table.h"
#include "page/settings_page.h"
#include "shell/category_tree.h"

namespace helpgen {

struct HelpFile {
  std::string path;  // relative, "/" between folders
  std::string text;  // ASCII: everything else as character references
};

struct HelpSources {
  const std::vector<shell::CategoryNode>& nodes;
  const page::PageTable& pages;
  const page::PageTable& tools;  // the tools' pages among them
  const std::vector<const page::SettingsPage*>& records;
  std::string version;
};

// The project file "Kalmora2X.hhp" first, then the contents, then every topic.
std::vector<HelpFile> HelpProject(const HelpSources& sources);

// The topic of node index (0-based, tree order), as named in the project.
std::string NodeTopicPath(size_t index);

// Text for HTML: markup characters escaped, everything beyond ASCII as &#n;.
std::string Html(std::string_view utf8);

}  // namespace helpgen
