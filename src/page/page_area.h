// The page area: the container of the page on show (PagePanel), the slots through which
// builders, readers and writers find the page's controls by kind and index, and the factories
// that lay a control out (font, position, size, caption from WorkText, tag) and show it.
#pragma once

#include <array>
#include <string>

#include "base/trace.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/page_control.h"
#include "ui/tree_view.h"

namespace page {

class PageArea {
 public:
  // host: the panel the page fills; workText and userFont belong to the main window.
  PageArea(ui::Panel*& host, std::string& workText, const ui::Font& userFont, base::Trace& trace)
      : host_(host), workText_(workText), userFont_(userFont), trace_(trace) {}

  ui::Panel* PagePanel = nullptr;

  std::array<ui::Label*, 20> Labels{};  // slot 10 is the headline
  std::array<ui::CheckBox*, 20> CheckBoxes{};
  std::array<ui::RadioButton*, 10> RadioButtons{};
  std::array<ui::Edit*, 10> Edits{};
  std::array<ui::GroupBox*, 15> GroupBoxes{};
  std::array<ui::ListView*, 10> ListViews{};
  std::array<ui::ComboBox*, 10> ComboBoxes{};
  std::array<ui::Button*, 5> BitBtns{};
  std::array<ui::TabSheet*, 11> TabSheets{};
  std::array<ui::RichEdit*, 10> RichEdits{};
  std::array<ui::SpinEdit*, 5> SpinEdits{};
  std::array<ui::Image*, 9> Images{};
  std::array<ui::PageControl*, 2> PageControls{};
  std::array<ui::Gauge*, 4> Gauges{};
  std::array<ui::Panel*, 6> ColourPanels{};
  std::array<ui::Slider*, 4> Sliders{};
  ui::TreeView* PageTree = nullptr;

  // The picture the Image factory copies (the icon a page loaded last).
  ui::Picture SharedIcon;

  // Tears the page on show down (every control on it goes) and makes an empty PagePanel.
  void Panel();

  // Creates a control of the slot's kind in the slot, on PagePanel or on a container that is
  // itself on the page (a group box, a tab sheet). Out-of-range slots create nothing.
  template <class T, size_t N>
  T* Create(std::array<T*, N>& slots, int index, ui::Container* parent = nullptr) {
    if (index < 0 || static_cast<size_t>(index) >= N || !(parent || PagePanel)) return nullptr;
    T* control = (parent ? parent : PagePanel)->template Add<T>();
    slots[static_cast<size_t>(index)] = control;
    return control;
  }
  ui::TreeView* CreatePageTree(ui::Container* parent = nullptr);

  // The factories. Each works on the control in the slot; an empty slot is skipped.
  void Label(int index, int left, int top, int width, int height);
  void HeadLine(const std::string& text);
  void CheckBox(int index, int left, int top, int width, int height, int checked);
  void RadioButton(int index, int left, int top, int width, int height, int checked);
  void Edit(int index, int left, int top, int width, int height);
  void GroupBox(int index, int left, int top, int width, int height);
  void BitBtn(int index, int left, int top, int width, int height);
  void ListView(int index, int left, int top, int width, int height);
  void ComboBox(int index, int left, int top, int width, int height);
  void RichEdit(int index, int left, int top, int width, int height);
  void SpinEdit(int index, int left, int top, int width, int height);
  void Page(int index, int left, int top, int width, int height);
  void Gauge(int index, int left, int top, int width, int height);
  void Panels(int index, int left, int top, int width, int height);
  void RxSlider(int index, int left, int top, int width, int height);
  void Image(int index, int left, int top, int width, int height);
  void TreeView(int left, int top, int width, int height);
  // The 3 x 3 icon-spacing preview from Images 0..8, spaced by Sliders 0 (rows) and 1 (columns).
  void Image_(int left, int width, int height);

 private:
  void ClearSlots();

  ui::Panel*& host_;
  std::string& workText_;
  const ui::Font& userFont_;
  base::Trace& trace_;
};

}  // namespace page
