#include "page/page_area.h"

namespace page {
namespace {

template <class T, size_t N>
T* Slot(const std::array<T*, N>& slots, int index) {
  if (index < 0 || static_cast<size_t>(index) >= N) return nullptr;
  return slots[static_cast<size_t>(index)];
}

// A factory that meets a failing property leaves the control as far as it got.
template <class F>
void Guarded(base::Trace& trace, F&& lay) {
  try {
    lay();
  } catch (const std::exception& error) {
    trace.Failure("factory", error.what());
  }
}

// The order the pages rely on: font, left, width, check mark, top, caption, height. Setting the
// check mark may already run the control's click handler.
template <class Check, class Caption>
void LayOut(base::Trace& trace, ui::Control* control, const ui::Font& font, int left, int top,
            int width, int height, Check setCheck, Caption setCaption) {
  Guarded(trace, [&] {
    control->SetFont(font);
    control->SetLeft(left);
    control->SetWidth(width);
    setCheck();
    control->SetTop(top);
    setCaption();
    control->SetHeight(height);
    control->Show();
  });
}

}  // namespace

void PageArea::ClearSlots() {
  // Slots are never read after teardown; clearing them makes sure of it.
  Labels.fill(nullptr);
  CheckBoxes.fill(nullptr);
  RadioButtons.fill(nullptr);
  Edits.fill(nullptr);
  GroupBoxes.fill(nullptr);
  ListViews.fill(nullptr);
  ComboBoxes.fill(nullptr);
  BitBtns.fill(nullptr);
  TabSheets.fill(nullptr);
  RichEdits.fill(nullptr);
  SpinEdits.fill(nullptr);
  Images.fill(nullptr);
  PageControls.fill(nullptr);
  Gauges.fill(nullptr);
  ColourPanels.fill(nullptr);
  Sliders.fill(nullptr);
  PageTree = nullptr;
}

void PageArea::Panel() {
  if (PagePanel && host_) host_->Destroy(PagePanel);
  PagePanel = nullptr;
  ClearSlots();
  if (!host_) return;
  ui::Panel* panel = host_->Add<ui::Panel>();
  panel->SetName("PagePanel");
  panel->SetCaption("");
  panel->SetAlign(ui::Align::Client);
  panel->SetBorder(ui::BorderStyle::None);
  panel->SetBevelOuter(ui::BevelCut::None);
  panel->SetColor(ui::clWhite);
  panel->Show();
  PagePanel = panel;
}

ui::TreeView* PageArea::CreatePageTree(ui::Container* parent) {
  if (!(parent || PagePanel)) return nullptr;
  PageTree = (parent ? parent : PagePanel)->Add<ui::TreeView>();
  return PageTree;
}

void PageArea::Label(int index, int left, int top, int width, int height) {
  ui::Label* label = Slot(Labels, index);
  if (!label) return;
  (void)width;  // the label sizes itself to its caption
  Guarded(trace_, [&] {
    label->SetFont(userFont_);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(workText_);
    label->SetHeight(height);
    label->Show();
  });
}

void PageArea::HeadLine(const std::string& text) {
  if (!PagePanel) return;
  Labels[10] = PagePanel->Add<ui::Label>();
  Label(10, 10, 10, 60, 15);
  Guarded(trace_, [&] {
    ui::Font font = Labels[10]->GetFont();
    font.color = ui::clGray;
    font.name = "Tahoma";
    font.SetSize(10);
    font.style = ui::kBold | ui::kItalic | ui::kUnderline;
    Labels[10]->SetFont(font);
    Labels[10]->SetCaption(text);
  });
}

void PageArea::CheckBox(int index, int left, int top, int width, int height, int checked) {
  ui::CheckBox* box = Slot(CheckBoxes, index);
  if (!box) return;
  LayOut(
      trace_, box, userFont_, left, top, width, height, [&] { box->SetChecked(checked != 0); },
      [&] { box->SetCaption(workText_); });
  Guarded(trace_, [&] { box->SetTag(index); });
}

void PageArea::RadioButton(int index, int left, int top, int width, int height, int checked) {
  ui::RadioButton* radio = Slot(RadioButtons, index);
  if (!radio) return;
  LayOut(
      trace_, radio, userFont_, left, top, width, height, [&] { radio->SetChecked(checked != 0); },
      [&] { radio->SetCaption(workText_); });
  Guarded(trace_, [&] { radio->SetTag(index); });
}

void PageArea::Edit(int index, int left, int top, int width, int height) {
  ui::Edit* edit = Slot(Edits, index);
  if (!edit) return;
  LayOut(
      trace_, edit, userFont_, left, top, width, height, [] {}, [&] { edit->SetText(workText_); });
}

void PageArea::GroupBox(int index, int left, int top, int width, int height) {
  ui::GroupBox* group = Slot(GroupBoxes, index);
  if (!group) return;
  Guarded(trace_, [&] {
    group->SetFont(userFont_);
    group->SetBounds({left, top, width, height});
    group->SetCaption(workText_);
    group->Show();
  });
}

void PageArea::BitBtn(int index, int left, int top, int width, int height) {
  ui::Button* button = Slot(BitBtns, index);
  if (!button) return;
  LayOut(
      trace_, button, userFont_, left, top, width, height, [] {},
      [&] { button->SetCaption(workText_); });
}

void PageArea::ListView(int index, int left, int top, int width, int height) {
  ui::ListView* list = Slot(ListViews, index);
  if (!list) return;
  Guarded(trace_, [&] {
    list->SetFont(userFont_);
    list->SetCtl3D(true);
    list->SetLeft(left);
    list->SetTop(top);
    list->SetWidth(width);
    list->SetHideSelection(false);
    list->SetHeight(height);
    list->SetIconArrangeLeft(true);
    list->Show();
  });
}

void PageArea::ComboBox(int index, int left, int top, int width, int height) {
  ui::ComboBox* combo = Slot(ComboBoxes, index);
  if (!combo) return;
  Guarded(trace_, [&] {
    combo->SetFont(userFont_);
    combo->SetBounds({left, top, width, height});
    combo->Show();
  });
}

void PageArea::RichEdit(int index, int left, int top, int width, int height) {
  ui::RichEdit* edit = Slot(RichEdits, index);
  if (!edit) return;
  Guarded(trace_, [&] {
    edit->SetFont(userFont_);
    edit->SetLeft(left);
    edit->SetWidth(width);
    edit->SetTop(top);
    edit->SetText(workText_);
    edit->SetHeight(height);
    edit->SetColor(ui::clScrollBar);
    edit->SetBorder(ui::BorderStyle::None);
    edit->Show();
  });
}

void PageArea::SpinEdit(int index, int left, int top, int width, int height) {
  ui::SpinEdit* spin = Slot(SpinEdits, index);
  if (!spin) return;
  Guarded(trace_, [&] {
    spin->SetFont(userFont_);
    spin->SetBounds({left, top, width, height});
    spin->Show();
  });
}

void PageArea::Page(int index, int left, int top, int width, int height) {
  ui::PageControl* pages = Slot(PageControls, index);
  if (!pages) return;
  Guarded(trace_, [&] {
    pages->SetFont(userFont_);
    pages->SetBounds({left, top, width, height});
    pages->Show();
  });
}

void PageArea::Gauge(int index, int left, int top, int width, int height) {
  ui::Gauge* gauge = Slot(Gauges, index);
  if (!gauge) return;
  Guarded(trace_, [&] {
    gauge->SetFont(userFont_);
    gauge->SetBounds({left, top, width, height});
    gauge->Show();
    gauge->SetTag(index);
  });
}

void PageArea::Panels(int index, int left, int top, int width, int height) {
  ui::Panel* panel = Slot(ColourPanels, index);
  if (!panel) return;
  Guarded(trace_, [&] {
    panel->SetBounds({left, top, width, height});
    panel->Show();
  });
}

void PageArea::RxSlider(int index, int left, int top, int width, int height) {
  ui::Slider* slider = Slot(Sliders, index);
  if (!slider) return;
  Guarded(trace_, [&] {
    slider->SetBounds({left, top, width, height});
    slider->SetTag(index);
    slider->Show();
  });
}

void PageArea::Image(int index, int left, int top, int width, int height) {
  ui::Image* image = Slot(Images, index);
  if (!image) return;
  Guarded(trace_, [&] {
    image->SetBounds({left, top, width, height});
    image->SetPicture(SharedIcon);
    image->Show();
  });
}

void PageArea::TreeView(int left, int top, int width, int height) {
  if (!PageTree) return;
  Guarded(trace_, [&] {
    PageTree->SetBounds({left, top, width, height});
    PageTree->Show();
  });
}

void PageArea::Image_(int left, int width, int height) {
  Guarded(trace_, [&] {
    for (int i = 0; i < 9; ++i) {
      ui::Image* image = Images[static_cast<size_t>(i)];
      if (!image) return;
      image->SetBounds({left + 30 * (i % 3), 10 + 30 * (i / 3), width, height});
      image->SetPicture(SharedIcon);
      image->Show();
    }
    if (!Sliders[0] || !Sliders[1]) return;
    const int dy = Sliders[0]->Value();
    const int dx = Sliders[1]->Value();
    for (int i : {3, 4, 5}) Images[static_cast<size_t>(i)]->SetTop(Images[0]->Top() + dy + 30);
    for (int i : {6, 7, 8}) Images[static_cast<size_t>(i)]->SetTop(Images[3]->Top() + dy + 30);
    for (int i : {1, 4, 7}) Images[static_cast<size_t>(i)]->SetLeft(Images[0]->Left() + dx + 30);
    for (int i : {2, 5, 8}) Images[static_cast<size_t>(i)]->SetLeft(Images[1]->Left() + dx + 30);
  });
}

}  // namespace page
