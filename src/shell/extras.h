// The "&Extras" launcher: four groups of programs below "Software\Kalmora2x\Options\Extras" of
// the current user (value name = menu caption, data = program path), the editor TForm13 and its
// entry window TForm14.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/page_control.h"

namespace shell {

class TForm1;

struct ExtrasGroup {
  const char* caption;  // submenu and tab
  int tab;              // 0..3: TabSheet1..4, ListView1..4
};

// Groups in the order of the tabs.
inline constexpr std::array<ExtrasGroup, 4> kExtrasGroups{{
    {"Systemprogramme", 0},
    {"Verwaltungsprogramme", 1},
    {"Laufwerke", 2},
    {"Sonstiges", 3},
}};

// The group's key, below HKEY_CURRENT_USER.
std::string ExtrasKey(std::string_view group);
// A path without a drive (no ":") lies in the Windows folder.
std::string CompleteExtrasPath(const std::string& path, const std::string& windowsDir);

// The entry window: a name and a program path.
class TForm14 {
 public:
  TForm14(ui::Backend& backend, ui::Form* owner);

  ui::Form& Form() { return form_; }
  struct Entry {
    std::string name;
    std::string path;
  };
  // Shows the window modally; the entry when "&OK" was pressed with both fields filled.
  std::optional<Entry> Execute();

  void Button1Click();  // "&OK"
  void Button2Click();  // "&Abbrechen"
  void Button3Click();  // "..."

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Edit* Edit1;  // "Name"
  ui::Label* Label3;
  ui::Edit* Edit2;  // "Programmpfad"
  ui::Button* Button3;
  ui::Button* Button2;
  ui::Button* Button1;

 private:
  ui::Form form_;
  std::optional<Entry> accepted_;
};

// The editor: one tab per group; the store changes only through "&OK".
class TForm13 {
 public:
  explicit TForm13(TForm1& main);

  ui::Form& Form() { return form_; }
  // Fills the lists from the store and shows the window modally.
  void Execute();

  void Button3Click();  // "&Hinzufügen..."
  void Button4Click();  // "&Entfernen..."
  void Button1Click();  // "&OK"
  void Button2Click();  // "&Abbrechen"
  // Rewrites the store from the lists.
  void SaveOptions();

  ui::PageControl* PageControl1;
  std::array<ui::ListView*, 4> ListViews{};  // ListView1..4
  ui::Button* Button4;
  ui::Button* Button3;
  ui::Button* Button2;
  ui::Button* Button1;
  ui::PopupMenu PopupMenu1;

 private:
  void AddRow(ui::ListView& list, const std::string& name, const std::string& path);
  ui::ListView* ActiveList() const;

  TForm1& main_;
  ui::Form form_;
};

}  // namespace shell
