// The page table: every PageId that has a page, its headline and how it uses the information
// area, and the builders that the branches register for their pages.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace page {

class PageContext;
struct SettingsPage;

enum class InfoArea {
  Apply,          // description and apply button
  NoApplyButton,  // description only
  Hidden,         // the whole information area hidden
  Group,          // the group page
};

struct PageRow {
  int pageId;
  const char* headline;  // nullptr: no headline
  InfoArea infoArea;
};

const std::vector<PageRow>& PageRows();
const PageRow* FindPageRow(int pageId);

using Builder = std::function<void(PageContext& form)>;

class PageTable {
 public:
  void Register(int pageId, Builder builder);
  bool HasBuilder(int pageId) const { return builders_.count(pageId) > 0; }
  // Runs the page's builder; a page without one yet shows its headline and a note, and no
  // apply button. A PageId without a page builds nothing.
  void Build(int pageId, PageContext& form) const;

  // The record behind a page, for listing what it changes and for the settings search; pages
  // that are not records have none. The record must outlive the table (records are static).
  void RegisterRecord(const SettingsPage& record);
  const SettingsPage* Record(int pageId) const;
  std::vector<const SettingsPage*> Records() const;

  // Actions of the main window's buttons that a branch provides (the about window), by the
  // handler's name; running one that nobody registered does nothing.
  void RegisterCommand(std::string name, Builder action);
  bool HasCommand(const std::string& name) const { return commands_.count(name) > 0; }
  void RunCommand(const std::string& name, PageContext& form) const;

 private:
  std::map<int, Builder> builders_;
  std::map<int, const SettingsPage*> records_;
  std::map<std::string, Builder> commands_;
};

// The note on pages that this version does not offer yet.
inline constexpr const char* kPageNotAvailable =
    "Diese Seite steht in dieser Version noch nicht zur Verfügung.";

}  // namespace page
