// The autostart manager: what Windows starts by itself, from the Run keys of the registry, the
// load= and run= lines of Win.ini and the two Autostart folders of the Start menu, with the
// removal of single entries.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "access/reg_kinds.h"

namespace page {
class PageContext;
}

namespace tools {

// One registry page: its key below HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE.
struct AutoRunPage {
  int pageId;  // the headline is the page table's
  const char* description;
  sysaccess::Root root;
  const char* key;
};

const std::vector<AutoRunPage>& AutoRunPages();

// The registry pages' state: the key of the page on show, kept until the next registry page is
// built.
class AutoRun {
 public:
  std::string AutoRunKey;
  std::optional<sysaccess::Root> AutoRunRoot;  // none before the first registry page

  void BuildPage(page::PageContext& form, const AutoRunPage& page);
  // Fills the page's list with the values of the key below AutoRunRoot.
  void AutoRunReg(page::PageContext& form, const std::string& key);
  // The "Entfernen" button: deletes the selected value after asking.
  void DelRegAutoRun(page::PageContext& form);

 private:
  void SelectRoot(page::PageContext& form) const;
};

// The Win.ini page.
void BuildWinIniPage(page::PageContext& form);
void AutoRunWinIni(page::PageContext& form, const std::string& fileName);
void RemoveAutoWinIni(page::PageContext& form);

// The Autostart folder page.
void BuildAutoStartPage(page::PageContext& form);
// The all-users and the current user's Autostart folders, in that order.
std::vector<std::string> AutoStartFolders(page::PageContext& form);
void GetAutoStart(page::PageContext& form);
void DeleteAutoStart(page::PageContext& form);

// Win.ini as the lines of its 8-bit text, split at CR LF, LF or CR; a final line end makes no
// empty line. Bytes stay as they are, so lines nobody touches are written back unchanged.
std::vector<std::string> SplitLines(const std::string& bytes);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace tools
