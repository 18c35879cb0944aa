#include "helpgen/help_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/all_pages.h"

namespace {

using helpgen::HelpFile;

const HelpFile& Find(const std::vector<HelpFile>& files, const std::string& path) {
  static const HelpFile kNone;
  const auto it = std::find_if(files.begin(), files.end(),
                               [&](const HelpFile& file) { return file.path == path; });
  return it == files.end() ? kNone : *it;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(HelpPagesTest, TheProgramsHelpHasATopicPerNodeWithTheValuesOfItsPage) {
  const page::PageTable pages = app::AllPages();
  const page::PageTable tools = app::ToolPages();
  const auto records = app::AllSettingsPages();
  const auto files = helpgen::HelpProject({shell::CategoryNodes(), pages, tools, records, "1.2.3"});

  const auto topics = std::count_if(files.begin(), files.end(), [](const HelpFile& file) {
    return file.path.rfind("themen/knoten", 0) == 0;
  });
  EXPECT_EQ(topics, 150) << "one topic for each of the tree's 150 nodes";
  const std::string& project = Find(files, "Kalmora2X.hhp").text;
  EXPECT_TRUE(Has(project, "Compiled file=Kalmora2X.chm\n"));
  EXPECT_TRUE(Has(project, "themen/knoten150.htm\n"));

  // The arrow node of the desktop: headline, description and the value its page keeps.
  const auto arrow = std::find_if(files.begin(), files.end(), [](const HelpFile& file) {
    return Has(file.text, "<title>Verkn&#252;fungspfeil</title>");
  });
  ASSERT_NE(arrow, files.end());
  EXPECT_TRUE(Has(arrow->text, "<h2>Verkn&#252;pfungspfeil bearbeiten</h2>"));
  EXPECT_TRUE(Has(arrow->text, "Bestimmen Sie, wie der kleine Pfeil auf Verkn&#252;pfungen"));
  EXPECT_TRUE(Has(arrow->text,
                  "<tr><td>HKEY_LOCAL_MACHINE</td><td>\\Software\\Microsoft\\Windows\\"
                  "CurrentVersion\\explorer\\Shell Icons</td><td>29</td><td>Zeichenfolge</td>"));
  EXPECT_FALSE(Has(arrow->text, "<td></td>")) << "the radio buttons' value is the hooks' one";

  const std::string& toolList = Find(files, "themen/werkzeuge.htm").text;
  EXPECT_TRUE(Has(toolList, ">AutoRun Win.ini</a>"));
  EXPECT_FALSE(Has(toolList, "Verkn&#252;fungspfeil")) << "a settings page is no tool";
  EXPECT_TRUE(Has(Find(files, "themen/einfuehrung.htm").text, "Version 1.2.3"));
}

TEST(HelpPagesTest, ContentsFollowTheTreeAndTextIsEscaped) {
  const std::vector<shell::CategoryNode> nodes = {{0, "Kalmora", 1},
                                                  {1, "Hardware", 130},
                                                  {2, "Sound", 139},
                                                  {3, "Programme Kläne zuweisen", 141},
                                                  {2, "Drag&Drop Einstellungen", 46},
                                                  {1, "Desktop", 8}};
  const page::PageTable none;
  const std::vector<const page::SettingsPage*> noRecords;
  const auto files = helpgen::HelpProject({nodes, none, none, noRecords, "0.1.0"});

  const std::string& contents = Find(files, "inhalt.hhc").text;
  const auto between = [&](const std::string& from, const std::string& to) {
    const size_t start = contents.find("\"" + from + "\"");
    const size_t end = contents.find("\"" + to + "\"");
    EXPECT_LT(start, end) << from << " before " << to;
    return start < end ? contents.substr(start, end - start) : std::string();
  };
  EXPECT_TRUE(Has(between("Sound", "Programme Kl\xE4ne zuweisen"), "</OBJECT>\n<UL>\n<LI>"));
  EXPECT_TRUE(Has(between("Programme Kl\xE4ne zuweisen", "Drag&amp;Drop Einstellungen"),
                  "</OBJECT>\n</UL>\n<LI>"));
  EXPECT_TRUE(Has(between("Drag&amp;Drop Einstellungen", "Desktop"), "</OBJECT>\n</UL>\n<LI>"));
  EXPECT_TRUE(Has(contents, "</OBJECT>\n</UL>\n</UL>\n</BODY>")) << "every list closed";
  EXPECT_TRUE(Has(contents, "value=\"Einf\xFChrung\"")) << "names in Windows-1252, not references";

  // A leaf without a page: its headline and the note that it is not there yet. A group links
  // the nodes right below it instead.
  const std::string& dragTopic = Find(files, helpgen::NodeTopicPath(4)).text;
  EXPECT_TRUE(Has(dragTopic, "<h2>Drag &amp; Drop Einstellungen</h2>"));
  EXPECT_TRUE(Has(dragTopic, "Diese Seite steht in dieser Version noch nicht zur Verf&#252;gung."));
  const std::string& hardware = Find(files, helpgen::NodeTopicPath(1)).text;
  EXPECT_FALSE(Has(hardware, "noch nicht zur"));
  EXPECT_TRUE(Has(hardware, "<a href=\"knoten005.htm\">Drag&amp;Drop Einstellungen</a>"));
  EXPECT_FALSE(Has(hardware, "knoten004.htm")) << "only the level right below";
}

}  // namespace
