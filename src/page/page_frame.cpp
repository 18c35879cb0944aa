#include "page/page_frame.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "base/convert.h"
#include "page/page_context.h"
#include "page/page_table.h"

namespace page {

// --- page frame --------------------------------------------------------------------------------

void Quietly(PageContext& form, const std::function<void()>& body, std::string_view where) {
  try {
    body();
  } catch (const std::exception& error) {
    form.Trace().Failure(where, error.what());
  }
}

void BeginPage(PageContext& form, int pageId, const std::string& description) {
  const PageRow* record = FindPageRow(pageId);
  if (record && record->headline) {
    form.WorkText = record->headline;
    form.HeadLine(record->headline);
  }
  form.WorkText = description;
  form.SetDescription(description);
  if (record) form.ShowInformationArea(record->infoArea);
}

void BindWriter(PageContext& form, void (*writer)(PageContext&)) {
  form.BindApply([&form, writer] {
    Quietly(
        form, [&] { writer(form); }, "writer");
  });
}

ui::Control::Handler Action(PageContext& form, void (*action)(PageContext&)) {
  return [&form, action](ui::Control&) {
    Quietly(
        form, [&] { action(form); }, "action");
  };
}

BuildFlag::BuildFlag(PageContext& form) : form_(form) {
  form_.PageBuilding = 1;
}

BuildFlag::~BuildFlag() {
  form_.PageBuilding = 0;
}

// --- single controls -----------------------------------------------------------------------------

ui::Label* AddLabel(PageContext& form, int slot, int left, int top, const std::string& caption,
                    ui::Container* parent) {
  ui::Label* label = form.Create(form.Labels, slot, parent);
  form.WorkText = caption;
  form.Label(slot, left, top, 0, 13);
  return label;
}

ui::CheckBox* AddCheckBox(PageContext& form, int slot, int left, int top, int width,
                          const std::string& caption, ui::Container* parent) {
  ui::CheckBox* box = form.Create(form.CheckBoxes, slot, parent);
  form.WorkText = caption;
  form.CheckBox(slot, left, top, width, 13, 0);
  return box;
}

ui::RadioButton* AddRadioButton(PageContext& form, int slot, int left, int top, int width,
                                const std::string& caption, ui::Container* parent, bool checked) {
  ui::RadioButton* radio = form.Create(form.RadioButtons, slot, parent);
  form.WorkText = caption;
  form.RadioButton(slot, left, top, width, 13, checked ? 1 : 0);
  return radio;
}

ui::Edit* AddEdit(PageContext& form, int slot, int left, int top, int width,
                  const std::string& text) {
  ui::Edit* edit = form.Create(form.Edits, slot);
  form.WorkText = text;
  form.Edit(slot, left, top, width, 21);
  return edit;
}

ui::Button* AddButton(PageContext& form, int slot, int left, int top, int width, int height,
                      const std::string& caption) {
  ui::Button* button = form.Create(form.BitBtns, slot);
  form.WorkText = caption;
  form.BitBtn(slot, left, top, width, height);
  return button;
}

ui::GroupBox* AddGroupBox(PageContext& form, int slot, int left, int top, int width, int height,
                          const std::string& caption) {
  ui::GroupBox* group = form.Create(form.GroupBoxes, slot);
  form.WorkText = caption;
  form.GroupBox(slot, left, top, width, height);
  return group;
}

ui::ListView* AddCheckList(PageContext& form, int slot, int left, int top, int width, int height,
                           const std::vector<std::string>& captions) {
  ui::ListView* list = form.Create(form.ListViews, slot);
  if (!list) return nullptr;
  list->SetStyle(ui::ViewStyle::Report);
  list->SetCheckBoxes(true);
  list->SetRowSelect(true);
  form.ListView(slot, left, top, width, height);
  // A caption wider than the list widens the column: the list scrolls sideways instead of
  // cutting the text off.
  int column = width - 25;
  for (const std::string& caption : captions) {
    column = std::max(
        column, form.Backend().TextExtent(list->GetFont(), caption).x + kCheckListCaptionRoom);
  }
  list->AddColumn("Programm", column);
  for (const std::string& caption : captions) list->Add(caption);
  return list;
}

// --- registry values ----------------------------------------------------------------------------

bool WithExistingKey(PageContext& form, Root root, std::string_view path,
                     const std::function<void(sysaccess::TRegistry&)>& body, bool writable) {
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(sysaccess::RegRootOf(root));
  // A key the user may only read still shows its values.
  const bool opened = writable ? reg.OpenKey(path, false) : reg.OpenKeyReadOnly(path);
  form.KeyOpened = opened ? 1 : 0;
  if (opened) Quietly(form, [&] { body(reg); });
  reg.CloseKey();
  return opened;
}

// --- radio buttons -------------------------------------------------------------------------------

int CheckedRadio(const PageContext& form, int firstSlot, int count) {
  for (int i = 0; i < count; ++i) {
    const size_t slot = static_cast<size_t>(firstSlot + i);
    if (slot < form.RadioButtons.size() && form.RadioButtons[slot] &&
        form.RadioButtons[slot]->Checked()) {
      return i;
    }
  }
  return -1;
}

// --- slider settings -----------------------------------------------------------------------------

ui::Slider* AddSlider(PageContext& form, int slot, int min, int max, int start, int left, int top,
                      int width, int height) {
  ui::Slider* slider = form.Create(form.Sliders, slot);
  if (!slider) return nullptr;
  slider->SetRange(min, max);
  slider->SetValue(start);
  slider->SetShowBevel(false);
  form.RxSlider(slot, left, top, width, height);
  return slider;
}

void TrackMenuDelay(PageContext& form) {
  if (form.Sliders[0] && form.Labels[1]) {
    form.Labels[1]->SetCaption(base::IntToStr(form.Sliders[0]->Value()));
  }
}

}  // namespace page
