// Bookmarks: pages the user keeps with a description, in the always-on-top window TForm9 with
// its dialogs TForm10 (new bookmark) and TForm11 (change a description). The store is
// "\Software\Kalmora\Bookmarks" of the current user: value name = node text, data = description.
#pragma once

#include <optional>
#include <string>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace shell {

class TForm1;

// The two bookmark dialogs share one layout: the node text read-only, the description editable.
class BookmarkDialog {
 public:
  struct Design {
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    const char* nextCaption;
  };
  BookmarkDialog(ui::Backend& backend, ui::Form* owner, const Design& design);

  ui::Form& Form() { return form_; }
  // Shows the dialog modally; the description when "weiter" was pressed.
  std::optional<std::string> Execute(const std::string& node, const std::string& description);

  void BitBtn1Click();  // weiter
  void BitBtn2Click();  // "Abbrechen"

  ui::Label* Label1;
  ui::Edit* Edit1;  // "Schlüssel"
  ui::Label* Label2;
  ui::Edit* Edit2;  // "Beschreibung"
  ui::Button* BitBtn2;
  ui::Button* BitBtn1;

 private:
  ui::Form form_;
  std::optional<std::string> accepted_;
};

class TForm10 : public BookmarkDialog {
 public:
  TForm10(ui::Backend& backend, ui::Form* owner);
};

class TForm11 : public BookmarkDialog {
 public:
  TForm11(ui::Backend& backend, ui::Form* owner);
};

class TForm9 {
 public:
  explicit TForm9(TForm1& main);
  TForm9(const TForm9&) = delete;
  TForm9& operator=(const TForm9&) = delete;

  ui::Form& Form() { return form_; }
  bool Open() const { return form_.Visible(); }

  void FormClose();
  void FormResize();
  void ListView1DblClick();
  void ToolButton3Click();  // "&Hinzufügen"
  void ToolButton5Click();  // "&Ändern"
  void ToolButton1Click();  // "&Löschen"
  void ToolButton7Click();  // "&Schließen"
  void ListView1DragOver(ui::Control* source, bool& accept);
  void ListView1DragDrop();

  // Adds a row for the node with its description.
  void AddBookmark(const std::string& node, const std::string& description);

  ui::Panel* Panel1;
  ui::Panel* CoolBar1;
  ui::Image* Image1;
  ui::Label* Label1;
  ui::ListView* ListView1;
  ui::PopupMenu PopupMenu1;

 private:
  // The new-bookmark dialog for the tree's selected node.
  void NewBookmark();

  TForm1& main_;
  ui::Form form_;
};

// Geometry of the window, "Software\Kalmora2x\Options\BookmarkSettings".
void GetBookmarkSettings(TForm1& main, TForm9& window);
void SetBookmarkSettings(TForm1& main, TForm9& window);
// The list, from and to the store; saving rewrites the store whole in list order.
void GetBookMarks(TForm1& main, TForm9& window);
void SaveBookMarks(TForm1& main, TForm9& window);

}  // namespace shell
