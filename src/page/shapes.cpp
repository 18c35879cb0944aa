#include "page/shapes.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "base/convert.h"
#include "page/page_context.h"
#include "page/page_table.h"

namespace page {

// --- page frame --------------------------------------------------------------------------------

void Quietly(page::PageContext& form, const std::function<void()>& body, std::string_view where) {
  try {
    body();
  } catch (const std::exception& error) {
    form.Trace().Failure(where, error.what());
  }
}

void BeginPage(page::PageContext& form, int pageId, const std::string& description) {
  const PageRow* record = FindPageRow(pageId);
  if (record && record->headline) {
    form.WorkText = record->headline;
    form.HeadLine(record->headline);
  }
  form.WorkText = description;
  form.SetDescription(description);
  if (record) form.ShowInformationArea(record->infoArea);
}

void BindWriter(page::PageContext& form, void (*writer)(page::PageContext&)) {
  form.BindApply([&form, writer] {
    Quietly(
        form, [&] { writer(form); }, "writer");
  });
}

ui::Control::Handler Action(page::PageContext& form, void (*action)(page::PageContext&)) {
  return [&form, action](ui::Control&) {
    Quietly(
        form, [&] { action(form); }, "action");
  };
}

BuildFlag::BuildFlag(page::PageContext& form) : form_(form) {
  form_.PageBuilding = 1;
}

BuildFlag::~BuildFlag() {
  form_.PageBuilding = 0;
}

// --- single controls -----------------------------------------------------------------------------

ui::Label* AddLabel(page::PageContext& form, int slot, int left, int top,
                    const std::string& caption, ui::Container* parent) {
  ui::Label* label = form.Create(form.Labels, slot, parent);
  form.WorkText = caption;
  form.Label(slot, left, top, 0, 13);
  return label;
}

ui::CheckBox* AddCheckBox(page::PageContext& form, int slot, int left, int top, int width,
                          const std::string& caption, ui::Container* parent) {
  ui::CheckBox* box = form.Create(form.CheckBoxes, slot, parent);
  form.WorkText = caption;
  form.CheckBox(slot, left, top, width, 13, 0);
  return box;
}

ui::RadioButton* AddRadioButton(page::PageContext& form, int slot, int left, int top, int width,
                                const std::string& caption, ui::Container* parent, bool checked) {
  ui::RadioButton* radio = form.Create(form.RadioButtons, slot, parent);
  form.WorkText = caption;
  form.RadioButton(slot, left, top, width, 13, checked ? 1 : 0);
  return radio;
}

ui::Edit* AddEdit(page::PageContext& form, int slot, int left, int top, int width,
                  const std::string& text) {
  ui::Edit* edit = form.Create(form.Edits, slot);
  form.WorkText = text;
  form.Edit(slot, left, top, width, 21);
  return edit;
}

ui::Button* AddButton(page::PageContext& form, int slot, int left, int top, int width, int height,
                      const std::string& caption) {
  ui::Button* button = form.Create(form.BitBtns, slot);
  form.WorkText = caption;
  form.BitBtn(slot, left, top, width, height);
  return button;
}

ui::GroupBox* AddGroupBox(page::PageContext& form, int slot, int left, int top, int width,
                          int height, const std::string& caption) {
  ui::GroupBox* group = form.Create(form.GroupBoxes, slot);
  form.WorkText = caption;
  form.GroupBox(slot, left, top, width, height);
  return group;
}

ui::ListView* AddCheckList(page::PageContext& form, int slot, int left, int top, int width,
                           int height) {
  ui::ListView* list = form.Create(form.ListViews, slot);
  if (!list) return nullptr;
  list->SetStyle(ui::ViewStyle::Report);
  list->SetCheckBoxes(true);
  list->SetRowSelect(true);
  list->AddColumn("Programm", width - 25);
  form.ListView(slot, left, top, width, height);
  return list;
}

// --- registry values ----------------------------------------------------------------------------

bool WithExistingKey(page::PageContext& form, int root, std::string_view path,
                     const std::function<void(sysaccess::TRegistry&)>& body, bool writable) {
  static constexpr os::RegRoot kRoots[] = {os::RegRoot::ClassesRoot,   os::RegRoot::CurrentUser,
                                           os::RegRoot::LocalMachine,  os::RegRoot::Users,
                                           os::RegRoot::CurrentConfig, os::RegRoot::DynData};
  sysaccess::TRegistry& reg = form.SharedRegistry;
  if (root >= 0 && root < static_cast<int>(std::size(kRoots))) reg.SetRootKey(kRoots[root]);
  // A key the user may only read still shows its values.
  const bool opened = writable ? reg.OpenKey(path, false) : reg.OpenKeyReadOnly(path);
  form.KeyOpened = opened ? 1 : 0;
  if (opened) Quietly(form, [&] { body(reg); });
  reg.CloseKey();
  return opened;
}

bool ReadsSet(std::string_view text) {
  int32_t number = 0;
  return !text.empty() && base::TryStrToInt(text, number) && number != 0;
}

bool ReadsZero(std::string_view text) {
  int32_t number = 0;
  return !text.empty() && base::TryStrToInt(text, number) && number == 0;
}

// --- check settings ------------------------------------------------------------------------------

CheckSetting NumberCheck(std::string caption, RegValueRef value, std::string kind, bool inverted) {
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [value, kind, inverted](page::PageContext& form) {
    const std::string text = form.ReadReg(value.root, value.key, value.name, kind);
    return inverted ? ReadsZero(text) : ReadsSet(text);
  };
  setting.write = [value, kind, inverted](page::PageContext& form, bool checked) {
    form.WriteReg(value.root, value.key, value.name, checked != inverted ? "1" : "0", kind);
  };
  return setting;
}

CheckSetting TextCheck(std::string caption, RegValueRef value, std::string kind,
                       std::string checkedText, std::string onText, std::string offText) {
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [value, kind, checkedText](page::PageContext& form) {
    return form.ReadReg(value.root, value.key, value.name, kind) == checkedText;
  };
  setting.write = [value, kind, onText, offText](page::PageContext& form, bool checked) {
    form.WriteReg(value.root, value.key, value.name, checked ? onText : offText, kind);
  };
  return setting;
}

std::vector<CheckSetting> PairedChecks(const std::vector<std::string>& captions, int root,
                                       const std::string& key,
                                       const std::vector<std::string>& names) {
  std::vector<CheckSetting> settings;
  const size_t count = std::min(captions.size(), names.size());
  for (size_t i = 0; i < count; ++i) {
    settings.push_back(NumberCheck(captions[i], {root, key, names[i]}));
  }
  return settings;
}

void BuildCheckListPage(page::PageContext& form, int pageId, const std::string& description,
                        const std::string& text, int top, void (*reader)(page::PageContext&),
                        void (*writer)(page::PageContext&)) {
  BeginPage(form, pageId, description);
  AddLabel(form, 0, 20, top, text);
  AddCheckList(form, 0, 20, top + 20, 420, 195 - top);
  Quietly(form, [&] { reader(form); });
  BindWriter(form, writer);
}

void AddCheckItems(ui::ListView& list, const std::vector<CheckSetting>& settings) {
  for (const CheckSetting& setting : settings) list.Add(setting.caption);
}

void ReadChecks(page::PageContext& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings) {
  const size_t count = std::min(settings.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; i < count; ++i) {
    Quietly(form, [&] {
      if (settings[i].read(form)) list.Item(static_cast<int>(i))->SetChecked(true);
    });
  }
}

void WriteChecks(page::PageContext& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings) {
  const size_t count = std::min(settings.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; i < count; ++i) {
    const bool checked = list.Item(static_cast<int>(i))->Checked();
    Quietly(form, [&] { settings[i].write(form, checked); });
  }
}

void FillChecks(page::PageContext& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings) {
  AddCheckItems(list, settings);
  ReadChecks(form, list, settings);
}

void ApplyChecks(page::PageContext& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings) {
  WriteChecks(form, list, settings);
  form.ReportApplied();
}

void ReadCheckBoxes(page::PageContext& form, int firstSlot,
                    const std::vector<CheckSetting>& settings) {
  for (size_t i = 0; i < settings.size(); ++i) {
    const size_t slot = static_cast<size_t>(firstSlot) + i;
    if (slot >= form.CheckBoxes.size() || !form.CheckBoxes[slot]) continue;
    Quietly(form, [&] {
      if (settings[i].read(form)) form.CheckBoxes[slot]->SetChecked(true);
    });
  }
}

void WriteCheckBoxes(page::PageContext& form, int firstSlot,
                     const std::vector<CheckSetting>& settings) {
  for (size_t i = 0; i < settings.size(); ++i) {
    const size_t slot = static_cast<size_t>(firstSlot) + i;
    if (slot >= form.CheckBoxes.size() || !form.CheckBoxes[slot]) continue;
    const bool checked = form.CheckBoxes[slot]->Checked();
    Quietly(form, [&] { settings[i].write(form, checked); });
  }
}

// --- radio settings ------------------------------------------------------------------------------

int CheckedRadio(const page::PageContext& form, int firstSlot, int count) {
  for (int i = 0; i < count; ++i) {
    const size_t slot = static_cast<size_t>(firstSlot + i);
    if (slot < form.RadioButtons.size() && form.RadioButtons[slot] &&
        form.RadioButtons[slot]->Checked()) {
      return i;
    }
  }
  return -1;
}

void ReadRadios(page::PageContext& form, int firstSlot, const RadioSetting& setting) {
  const std::string text =
      form.ReadReg(setting.value.root, setting.value.key, setting.value.name, setting.kind);
  if (text.empty()) return;
  for (size_t i = 0; i < setting.values.size(); ++i) {
    const size_t slot = static_cast<size_t>(firstSlot) + i;
    if (setting.values[i] != text || slot >= form.RadioButtons.size()) continue;
    if (form.RadioButtons[slot]) form.RadioButtons[slot]->SetChecked(true);
    return;
  }
}

void WriteRadios(page::PageContext& form, int firstSlot, const RadioSetting& setting) {
  const int checked = CheckedRadio(form, firstSlot, static_cast<int>(setting.values.size()));
  if (checked < 0) return;
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name,
                setting.values[static_cast<size_t>(checked)], setting.kind);
}

// --- slider settings -----------------------------------------------------------------------------

ui::Slider* AddSlider(page::PageContext& form, int slot, int min, int max, int start, int left,
                      int top, int width, int height) {
  ui::Slider* slider = form.Create(form.Sliders, slot);
  if (!slider) return nullptr;
  slider->SetRange(min, max);
  slider->SetValue(start);
  slider->SetShowBevel(false);
  form.RxSlider(slot, left, top, width, height);
  return slider;
}

bool ReadSlider(page::PageContext& form, int slot, const SliderSetting& setting) {
  ui::Slider* slider = form.Sliders[static_cast<size_t>(slot)];
  const std::string text =
      form.ReadReg(setting.value.root, setting.value.key, setting.value.name, setting.kind);
  if (text.empty() || !slider) return false;
  slider->SetValue(base::StrToInt(text));
  return true;
}

void WriteSlider(page::PageContext& form, int slot, const SliderSetting& setting) {
  const ui::Slider* slider = form.Sliders[static_cast<size_t>(slot)];
  if (!slider) return;
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name,
                base::IntToStr(slider->Value()), setting.kind);
}

void TrackMenuDelay(page::PageContext& form) {
  if (form.Sliders[0] && form.Labels[1]) {
    form.Labels[1]->SetCaption(base::IntToStr(form.Sliders[0]->Value()));
  }
}

// --- delete box ----------------------------------------------------------------------------------

ui::CheckBox* AddDeleteBox(page::PageContext& form, int slot, int left, int top, int width,
                           const std::string& caption, void (*action)(page::PageContext&)) {
  ui::CheckBox* box = AddCheckBox(form, slot, left, top, width, caption);
  if (box) box->OnClick = Action(form, action);
  return box;
}

bool ConfirmDelete(page::PageContext& form, const ui::CheckBox* box, const std::string& question) {
  if (!box || !box->Checked()) return false;
  return form.Confirm(question);
}

// --- edit settings -------------------------------------------------------------------------------

void ReadEdit(page::PageContext& form, int slot, const EditSetting& setting) {
  ui::Edit* edit = form.Edits[static_cast<size_t>(slot)];
  if (!edit) return;
  edit->SetText(
      form.ReadReg(setting.value.root, setting.value.key, setting.value.name, setting.kind));
}

void WriteEdit(page::PageContext& form, int slot, const EditSetting& setting) {
  const ui::Edit* edit = form.Edits[static_cast<size_t>(slot)];
  if (!edit) return;
  if (edit->Text().empty() && setting.emptyDeletes) {
    form.DeleteReg(setting.value.root, setting.value.key, setting.value.name, "v");
    return;
  }
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name, edit->Text(),
                setting.kind);
}

}  // namespace page
