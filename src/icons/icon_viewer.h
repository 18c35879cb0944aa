// The icon viewer TForm3 ("IconViewer"): browse the folders, see which files hold icons, pick
// one icon of a file. It is shown for one pick; the caller says what the pick is for.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "icons/folder_tree.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace page {
class PageContext;
}

namespace icons {

// What a picked icon is for: the selected shell icon, the selected drive, the shortcut arrow.
enum class IconPickMode { ShellIcon = 0, DriveIcon = 1, ShortcutArrow = 2 };

// Hands the picked icon location ("file,index") on.
using TakeIcon = std::function<void(const std::string& pickedIcon)>;

// Shows the viewer modally; take runs with the pick when the user takes an icon.
void ShowIconViewer(page::PageContext& form, IconPickMode mode, const TakeIcon& take);

// Whether a file name has one of the endings (without the dot): the first "." must be followed
// by exactly three characters, compared regardless of case.
bool TestFileEnding(std::string_view name, const std::vector<std::string>& endings);

class TForm3 {
 public:
  TForm3(page::PageContext& main, IconPickMode mode, TakeIcon take);
  ~TForm3();
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  ui::Form& Form() { return form_; }
  int ShowModal();

  // What the caller does with the pick (its take function is the mode's action).
  const IconPickMode PickMode;
  std::string PickedIcon;

  ui::StatusBar* StatusBar1;
  ui::ToolBar* ToolBar1;  // "  &Datei   " with its drop-down menu
  ui::ToolBar* ToolBar2;  // the button that closes the window
  ui::Panel* Panel4;      // the tree column
  ui::Label* Label1;      // its title band
  ui::TreeView* TreeView1;
  ui::Splitter* Splitter1;
  ui::ListView* ListView1;  // files with icons
  ui::Splitter* Splitter2;
  ui::ListView* ListView3;  // the icons of the clicked file

 private:
  void FormCreate();
  void GetIconSettings();
  void SaveIconSettings();
  void ReadFileEndings();
  void TreeView1Change(ui::TreeNode* node);
  void FillListView(const std::string& folder);
  void ListView1Click();
  void ListView3DblClick();
  void Progress(const std::string& text);
  // Lets the queue run during a long fill; false when the fill must stop (the window closes or
  // another fill began).
  bool KeepGoing(int generation);

  page::PageContext& main_;
  TakeIcon take_;
  ui::Form form_;
  ui::PopupMenu fileMenu_;
  ui::PopupMenu viewMenu_;
  ui::PopupMenu pickMenu_;
  std::vector<std::string> endings_;
  std::unique_ptr<FolderTree> tree_;
  ui::ImageList fileSmall_{16, 16, ui::ImageList::Shared::None, {}};
  ui::ImageList fileLarge_{32, 32, ui::ImageList::Shared::None, {}};
  ui::ImageList iconImages_{32, 32, ui::ImageList::Shared::None, {}};
  std::string folder_;    // the folder ListView1 shows
  std::string iconFile_;  // the file whose icons ListView3 shows
  int generation_ = 0;
  bool closing_ = false;
};

}  // namespace icons
