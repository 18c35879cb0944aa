// The list view: report, list, small- and large-icon styles; columns; rows with sub-items,
// image index, check box and selection.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class ListView;

enum class ViewStyle { Icon, SmallIcon, List, Report };

struct ListColumn {
  std::string caption;
  int width = 50;
  TextAlign alignment = TextAlign::Left;
  bool operator==(const ListColumn&) const = default;
};

class ListItem {
 public:
  ListItem(ListView& owner, std::string caption) : owner_(owner), caption_(std::move(caption)) {}

  int Index() const;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // Sub-item i is column i + 1.
  const std::vector<std::string>& SubItems() const { return subItems_; }
  std::string SubItem(size_t i) const { return i < subItems_.size() ? subItems_[i] : ""; }
  void AddSubItem(std::string text);
  void SetSubItem(size_t i, std::string text);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Selected() const { return selected_; }
  void SetSelected(bool selected);
  intptr_t Data() const { return data_; }
  void SetData(intptr_t data) { data_ = data; }

 private:
  friend class ListView;
  void Notify();
  ListView& owner_;
  std::string caption_;
  int imageIndex_ = -1;
  std::vector<std::string> subItems_;
  bool checked_ = false;
  bool selected_ = false;
  intptr_t data_ = 0;
};

class ListView : public Control {
 public:
  ListView() : Control(ControlKind::ListView) { SetColor(clWindow); }

  ViewStyle Style() const { return style_; }
  void SetStyle(ViewStyle style);
  const std::vector<ListColumn>& Columns() const { return columns_; }
  void AddColumn(std::string caption, int width, TextAlign alignment = TextAlign::Left);
  void ClearColumns();

  int Count() const { return static_cast<int>(items_.size()); }
  ListItem* Item(int index) const;
  ListItem* Add(std::string caption = {});
  void Delete(int index);
  void Delete(ListItem* item) { Delete(item->Index()); }
  void Clear();
  void BeginUpdate();
  void EndUpdate();

  // The first selected row, or none.
  ListItem* Selected() const;
  int SelCount() const;
  int ItemIndex() const;
  void SetItemIndex(int index);  // selects that row alone (-1: none)
  void ClearSelection();

  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect);
  bool CheckBoxes() const { return checkBoxes_; }
  void SetCheckBoxes(bool checkBoxes);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool gridLines);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show);
  bool FlatScrollBars() const { return flatScrollBars_; }
  void SetFlatScrollBars(bool flat);
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  bool IconArrangeLeft() const { return arrangeLeft_; }
  void SetIconArrangeLeft(bool left);

  // Image lists are owned elsewhere (the main window, or the system's shared lists).
  const ImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(const ImageList* images);
  const ImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(const ImageList* images);

  std::function<void(ListView& sender, ListItem& item, bool selected)> OnSelectItem;
  std::function<void(ListView& sender, ListItem& item)> OnItemChecked;
  std::function<void(ListView& sender, int column)> OnColumnClick;

  // The user clicks row index (-1: empty space): the selection follows (with extend, the row
  // joins or leaves a multiple selection), then OnClick runs.
  void UserClickItem(int index, bool extend = false);
  void UserDoubleClickItem(int index);
  // The user clicks the row's check box.
  void UserToggleCheck(int index);
  void UserClickColumn(int column);
  // A selection change made by the user (the Win32 peer reports these).
  void UserSetSelected(int index, bool selected);

 private:
  friend class ListItem;
  void ItemChanged(const ListItem& item);

  ViewStyle style_ = ViewStyle::Icon;
  std::vector<ListColumn> columns_;
  std::vector<std::unique_ptr<ListItem>> items_;
  bool multiSelect_ = false;
  bool checkBoxes_ = false;
  bool gridLines_ = false;
  bool rowSelect_ = false;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  bool showColumnHeaders_ = true;
  bool flatScrollBars_ = false;
  BorderStyle border_ = BorderStyle::Single;
  bool ctl3D_ = true;
  bool arrangeLeft_ = false;
  const ImageList* smallImages_ = nullptr;
  const ImageList* largeImages_ = nullptr;
  int updating_ = 0;
};

// A batch of rows for a list on show: it draws once, when the batch ends, not for every row.
class ListUpdate {
 public:
  explicit ListUpdate(ListView& list) : list_(list) { list_.BeginUpdate(); }
  ~ListUpdate() { list_.EndUpdate(); }
  ListUpdate(const ListUpdate&) = delete;
  ListUpdate& operator=(const ListUpdate&) = delete;

 private:
  ListView& list_;
};

}  // namespace ui
