#include "tweaks/page_shapes.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "base/convert.h"
#include "shell/main_window.h"
#include "tweaks/page_table.h"

namespace tweaks {

// --- page frame --------------------------------------------------------------------------------

void Quietly(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception&) {
  }
}

void BeginPage(shell::TForm1& form, int pageId, const std::string& description) {
  const PageRecord* record = FindPageRecord(pageId);
  if (record && record->headline) {
    form.WorkText = record->headline;
    form.HeadLine(record->headline);
  }
  form.WorkText = description;
  form.RichEdit2->SetText(description);
  if (!record) return;
  if (record->infoArea == InfoArea::Hidden) form.Panel4->Hide();
  if (record->infoArea == InfoArea::NoApplyButton) form.Panel5->Hide();
}

void BindWriter(shell::TForm1& form, void (*writer)(shell::TForm1&)) {
  form.BindApply([&form, writer] { Quietly([&] { writer(form); }); });
}

ui::Control::Handler Action(shell::TForm1& form, void (*action)(shell::TForm1&)) {
  return [&form, action](ui::Control&) { Quietly([&] { action(form); }); };
}

BuildFlag::BuildFlag(shell::TForm1& form) : form_(form) {
  form_.PageBuilding = 1;
}

BuildFlag::~BuildFlag() {
  form_.PageBuilding = 0;
}

// --- single controls -----------------------------------------------------------------------------

ui::Label* AddLabel(shell::TForm1& form, int slot, int left, int top, const std::string& caption,
                    ui::Container* parent) {
  ui::Label* label = form.Create(form.Labels, slot, parent);
  form.WorkText = caption;
  form.Label(slot, left, top, 0, 13);
  return label;
}

ui::CheckBox* AddCheckBox(shell::TForm1& form, int slot, int left, int top, int width,
                          const std::string& caption, ui::Container* parent) {
  ui::CheckBox* box = form.Create(form.CheckBoxes, slot, parent);
  form.WorkText = caption;
  form.CheckBox(slot, left, top, width, 13, 0);
  return box;
}

ui::RadioButton* AddRadioButton(shell::TForm1& form, int slot, int left, int top, int width,
                                const std::string& caption, ui::Container* parent, bool checked) {
  ui::RadioButton* radio = form.Create(form.RadioButtons, slot, parent);
  form.WorkText = caption;
  form.RadioButton(slot, left, top, width, 13, checked ? 1 : 0);
  return radio;
}

ui::Edit* AddEdit(shell::TForm1& form, int slot, int left, int top, int width,
                  const std::string& text) {
  ui::Edit* edit = form.Create(form.Edits, slot);
  form.WorkText = text;
  form.Edit(slot, left, top, width, 21);
  return edit;
}

ui::Button* AddButton(shell::TForm1& form, int slot, int left, int top, int width, int height,
                      const std::string& caption) {
  ui::Button* button = form.Create(form.BitBtns, slot);
  form.WorkText = caption;
  form.BitBtn(slot, left, top, width, height);
  return button;
}

ui::GroupBox* AddGroupBox(shell::TForm1& form, int slot, int left, int top, int width, int height,
                          const std::string& caption) {
  ui::GroupBox* group = form.Create(form.GroupBoxes, slot);
  form.WorkText = caption;
  form.GroupBox(slot, left, top, width, height);
  return group;
}

ui::ListView* AddCheckList(shell::TForm1& form, int slot, int left, int top, int width,
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

bool WithExistingKey(shell::TForm1& form, int root, std::string_view path,
                     const std::function<void(sysaccess::TRegistry&)>& body, bool writable) {
  static constexpr os::RegRoot kRoots[] = {os::RegRoot::ClassesRoot,   os::RegRoot::CurrentUser,
                                           os::RegRoot::LocalMachine,  os::RegRoot::Users,
                                           os::RegRoot::CurrentConfig, os::RegRoot::DynData};
  sysaccess::TRegistry& reg = form.SharedRegistry;
  if (root >= 0 && root < static_cast<int>(std::size(kRoots))) reg.SetRootKey(kRoots[root]);
  // A key the user may only read still shows its values.
  const bool opened = writable ? reg.OpenKey(path, false) : reg.OpenKeyReadOnly(path);
  form.KeyOpened = opened ? 1 : 0;
  if (opened) Quietly([&] { body(reg); });
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
  setting.read = [value, kind, inverted](shell::TForm1& form) {
    const std::string text = form.ReadReg(value.root, value.key, value.name, kind);
    return inverted ? ReadsZero(text) : ReadsSet(text);
  };
  setting.write = [value, kind, inverted](shell::TForm1& form, bool checked) {
    form.WriteReg(value.root, value.key, value.name, checked != inverted ? "1" : "0", kind);
  };
  return setting;
}

CheckSetting TextCheck(std::string caption, RegValueRef value, std::string kind,
                       std::string checkedText, std::string onText, std::string offText) {
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [value, kind, checkedText](shell::TForm1& form) {
    return form.ReadReg(value.root, value.key, value.name, kind) == checkedText;
  };
  setting.write = [value, kind, onText, offText](shell::TForm1& form, bool checked) {
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

void BuildCheckListPage(shell::TForm1& form, int pageId, const std::string& description,
                        const std::string& text, int top, void (*reader)(shell::TForm1&),
                        void (*writer)(shell::TForm1&)) {
  BeginPage(form, pageId, description);
  AddLabel(form, 0, 20, top, text);
  AddCheckList(form, 0, 20, top + 20, 420, 195 - top);
  Quietly([&] { reader(form); });
  BindWriter(form, writer);
}

void AddCheckItems(ui::ListView& list, const std::vector<CheckSetting>& settings) {
  for (const CheckSetting& setting : settings) list.Add(setting.caption);
}

void ReadChecks(shell::TForm1& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings) {
  const size_t count = std::min(settings.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; i < count; ++i) {
    Quietly([&] {
      if (settings[i].read(form)) list.Item(static_cast<int>(i))->SetChecked(true);
    });
  }
}

void WriteChecks(shell::TForm1& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings) {
  const size_t count = std::min(settings.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; i < count; ++i) {
    const bool checked = list.Item(static_cast<int>(i))->Checked();
    Quietly([&] { settings[i].write(form, checked); });
  }
}

void FillChecks(shell::TForm1& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings) {
  AddCheckItems(list, settings);
  ReadChecks(form, list, settings);
}

void ApplyChecks(shell::TForm1& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings) {
  WriteChecks(form, list, settings);
  form.ReportApplied();
}

void ReadCheckBoxes(shell::TForm1& form, int firstSlot, const std::vector<CheckSetting>& settings) {
  for (size_t i = 0; i < settings.size(); ++i) {
    const size_t slot = static_cast<size_t>(firstSlot) + i;
    if (slot >= form.CheckBoxes.size() || !form.CheckBoxes[slot]) continue;
    Quietly([&] {
      if (settings[i].read(form)) form.CheckBoxes[slot]->SetChecked(true);
    });
  }
}

void WriteCheckBoxes(shell::TForm1& form, int firstSlot,
                     const std::vector<CheckSetting>& settings) {
  for (size_t i = 0; i < settings.size(); ++i) {
    const size_t slot = static_cast<size_t>(firstSlot) + i;
    if (slot >= form.CheckBoxes.size() || !form.CheckBoxes[slot]) continue;
    const bool checked = form.CheckBoxes[slot]->Checked();
    Quietly([&] { settings[i].write(form, checked); });
  }
}

// --- radio settings ------------------------------------------------------------------------------

int CheckedRadio(const shell::TForm1& form, int firstSlot, int count) {
  for (int i = 0; i < count; ++i) {
    const size_t slot = static_cast<size_t>(firstSlot + i);
    if (slot < form.RadioButtons.size() && form.RadioButtons[slot] &&
        form.RadioButtons[slot]->Checked()) {
      return i;
    }
  }
  return -1;
}

void ReadRadios(shell::TForm1& form, int firstSlot, const RadioSetting& setting) {
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

void WriteRadios(shell::TForm1& form, int firstSlot, const RadioSetting& setting) {
  const int checked = CheckedRadio(form, firstSlot, static_cast<int>(setting.values.size()));
  if (checked < 0) return;
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name,
                setting.values[static_cast<size_t>(checked)], setting.kind);
}

// --- slider settings -----------------------------------------------------------------------------

ui::Slider* AddSlider(shell::TForm1& form, int slot, int min, int max, int start, int left, int top,
                      int width, int height) {
  ui::Slider* slider = form.Create(form.Sliders, slot);
  if (!slider) return nullptr;
  slider->SetRange(min, max);
  slider->SetValue(start);
  slider->SetShowBevel(false);
  form.RxSlider(slot, left, top, width, height);
  return slider;
}

bool ReadSlider(shell::TForm1& form, int slot, const SliderSetting& setting) {
  ui::Slider* slider = form.Sliders[static_cast<size_t>(slot)];
  const std::string text =
      form.ReadReg(setting.value.root, setting.value.key, setting.value.name, setting.kind);
  if (text.empty() || !slider) return false;
  slider->SetValue(base::StrToInt(text));
  return true;
}

void WriteSlider(shell::TForm1& form, int slot, const SliderSetting& setting) {
  const ui::Slider* slider = form.Sliders[static_cast<size_t>(slot)];
  if (!slider) return;
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name,
                base::IntToStr(slider->Value()), setting.kind);
}

void TrackMenuDelay(shell::TForm1& form) {
  if (form.Sliders[0] && form.Labels[1]) {
    form.Labels[1]->SetCaption(base::IntToStr(form.Sliders[0]->Value()));
  }
}

// --- delete box ----------------------------------------------------------------------------------

ui::CheckBox* AddDeleteBox(shell::TForm1& form, int slot, int left, int top, int width,
                           const std::string& caption, void (*action)(shell::TForm1&)) {
  ui::CheckBox* box = AddCheckBox(form, slot, left, top, width, caption);
  if (box) box->OnClick = Action(form, action);
  return box;
}

bool ConfirmDelete(shell::TForm1& form, const ui::CheckBox* box, const std::string& question) {
  if (!box || !box->Checked()) return false;
  return form.Confirm(question);
}

// --- edit settings -------------------------------------------------------------------------------

void ReadEdit(shell::TForm1& form, int slot, const EditSetting& setting) {
  ui::Edit* edit = form.Edits[static_cast<size_t>(slot)];
  if (!edit) return;
  edit->SetText(
      form.ReadReg(setting.value.root, setting.value.key, setting.value.name, setting.kind));
}

void WriteEdit(shell::TForm1& form, int slot, const EditSetting& setting) {
  const ui::Edit* edit = form.Edits[static_cast<size_t>(slot)];
  if (!edit) return;
  if (edit->Text().empty() && setting.emptyDeletes) {
    form.DeleteReg(setting.value.root, setting.value.key, setting.value.name, "v");
    return;
  }
  form.WriteReg(setting.value.root, setting.value.key, setting.value.name, edit->Text(),
                setting.kind);
}

}  // namespace tweaks
