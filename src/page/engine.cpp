#include "page/engine.h"

#include <type_traits>

#include "access/binary_text.h"
#include "base/convert.h"
#include "page/page_context.h"
#include "page/page_frame.h"

namespace page {
namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Through the shared registry object, as the registry access would write it, but without
// creating the key.
void WriteIntoExistingKey(PageContext& form, const RegBinding& value, std::string_view text) {
  WithExistingKey(form, value.root, ResolveKey(form, value.key), [&](sysaccess::TRegistry& reg) {
    switch (value.kind) {
      case Kind::Integer:
        reg.WriteInteger(value.name, base::StrToInt(text));
        break;
      case Kind::Binary: {
        std::vector<uint8_t> bytes;
        if (sysaccess::ParseBinaryText(text, bytes)) {
          reg.WriteBinaryData(value.name, bytes);
        }
        break;
      }
      case Kind::String:
      case Kind::MultiString:
        reg.WriteString(value.name, text);
        break;
    }
  });
}

std::string Read(PageContext& form, const RegBinding& value) {
  return form.ReadReg(value);
}

void Write(PageContext& form, const RegBinding& value, std::string_view text) {
  if (!value.createsKey) {
    WriteIntoExistingKey(form, value, text);
    return;
  }
  form.WriteReg(value, text);
}

void Delete(PageContext& form, const RegBinding& value) {
  form.DeleteReg(value);
}

// --- check settings ---------------------------------------------------------------------------

// A stored text that is no number throws, which ends the reader.
bool ReadCheck(PageContext& form, const CheckSetting& check) {
  if (check.read) return check.read(form);
  if (!check.value) return false;
  const std::string text = Read(form, *check.value);
  if (check.rule == CheckRule::Exact) return text == check.checkedText;
  if (text.empty()) return false;
  const int32_t number = base::StrToInt(text);
  switch (check.rule) {
    case CheckRule::Number:
      return number != 0;
    case CheckRule::Inverted:
      return number == 0;
    case CheckRule::Bit:
      return (static_cast<uint32_t>(number) & check.mask) == check.mask;
    case CheckRule::Exact:
      break;
  }
  return false;
}

void WriteCheck(PageContext& form, const CheckSetting& check, bool checked) {
  if (check.write) {
    check.write(form, checked);
    return;
  }
  if (!check.value) return;
  if (check.rule != CheckRule::Bit) {
    Write(form, *check.value, checked ? check.onText : check.offText);
    return;
  }
  // The other bits of the value stay as they are.
  const std::string text = Read(form, *check.value);
  uint32_t bits = text.empty() ? 0 : static_cast<uint32_t>(base::StrToInt(text));
  bits = checked ? bits | check.mask : bits & ~check.mask;
  Write(form, *check.value, base::IntToStr(static_cast<int32_t>(bits)));
}

ui::CheckBox* CheckBoxAt(PageContext& form, size_t slot) {
  return slot < form.CheckBoxes.size() ? form.CheckBoxes[slot] : nullptr;
}

// --- radios -----------------------------------------------------------------------------------

void ReadRadios(PageContext& form, const Radios& radios) {
  const std::string text = Read(form, radios.value);
  if (text.empty()) return;
  for (size_t i = 0; i < radios.stored.size(); ++i) {
    const size_t slot = static_cast<size_t>(radios.firstSlot) + i;
    if (radios.stored[i] != text || slot >= form.RadioButtons.size()) continue;
    if (form.RadioButtons[slot]) form.RadioButtons[slot]->SetChecked(true);
    return;
  }
}

void WriteRadios(PageContext& form, const Radios& radios) {
  const int checked = CheckedRadio(form, radios.firstSlot, static_cast<int>(radios.stored.size()));
  if (checked >= 0) Write(form, radios.value, radios.stored[static_cast<size_t>(checked)]);
}

// --- sliders ----------------------------------------------------------------------------------

void ShowSliderValue(PageContext& form, const Slider& slider, const std::string& suffix) {
  ui::Slider* control = form.Sliders[static_cast<size_t>(slider.slot)];
  ui::Label* label = form.Labels[static_cast<size_t>(slider.valueLabel)];
  if (control && label) label->SetCaption(base::IntToStr(control->Value()) + suffix);
}

void ReadSlider(PageContext& form, const Slider& slider) {
  ui::Slider* control = form.Sliders[static_cast<size_t>(slider.slot)];
  if (!slider.value) return;
  const std::string text = Read(form, *slider.value);
  if (text.empty()) {
    ui::Label* label = form.Labels[static_cast<size_t>(slider.valueLabel)];
    if (label && !slider.missingText.empty()) label->SetCaption(slider.missingText);
    return;
  }
  if (control) control->SetValue(base::StrToInt(text) / slider.scale);
  ShowSliderValue(form, slider, slider.readSuffix);
}

void DeleteSliderValue(PageContext& form, const Slider& slider) {
  const DeleteBox& box = *slider.deleteBox;
  const ui::CheckBox* control = CheckBoxAt(form, static_cast<size_t>(box.slot));
  if (!control) return;
  if (box.asksOnlyWhenChecked && !control->Checked()) return;
  if (!form.Confirm(box.question)) return;
  if (box.action.run) {
    box.action.run(form);
  } else if (slider.value) {
    Delete(form, *slider.value);
  }
  if (box.after == AfterDelete::ReadAgain) {
    ReadSlider(form, slider);
    return;
  }
  if (ui::Slider* control2 = form.Sliders[static_cast<size_t>(slider.slot)]) {
    control2->SetValue(slider.start);
  }
  if (ui::Label* label = form.Labels[static_cast<size_t>(slider.valueLabel)]) {
    label->SetCaption(kNoValue);
  }
}

// --- edits ------------------------------------------------------------------------------------

void ReadEdit(PageContext& form, const Edit& edit) {
  ui::Edit* control = form.Edits[static_cast<size_t>(edit.slot)];
  if (control && edit.value) control->SetText(Read(form, *edit.value));
}

void WriteEdit(PageContext& form, const Edit& edit) {
  const ui::Edit* control = form.Edits[static_cast<size_t>(edit.slot)];
  if (!control || !edit.value) return;
  if (control->Text().empty()) {
    if (edit.empty == EmptyEdit::KeepsStored) return;
    if (edit.empty == EmptyEdit::DeletesValue) {
      Delete(form, *edit.value);
      return;
    }
  }
  Write(form, *edit.value, control->Text());
}

// --- building ---------------------------------------------------------------------------------

ui::Control::Handler Run(PageContext& form, const ActionRef& action) {
  return [&form, &action](ui::Control&) {
    if (action.run)
      Quietly(
          form, [&] { action.run(form); }, action.name);
  };
}

ui::Container* GroupAt(PageContext& form, int slot) {
  if (slot < 0 || static_cast<size_t>(slot) >= form.GroupBoxes.size()) return nullptr;
  return form.GroupBoxes[static_cast<size_t>(slot)];
}

void Create(PageContext& form, const Control& control) {
  std::visit(Overloaded{
                 [&](const Label& label) {
                   AddLabel(form, label.slot, label.left, label.top, label.caption);
                 },
                 [&](const CheckBoxes& boxes) {
                   ui::Container* parent = GroupAt(form, boxes.groupSlot);
                   for (size_t i = 0; i < boxes.checks.size(); ++i) {
                     const int offset = static_cast<int>(i);
                     const Place at =
                         i < boxes.places.size()
                             ? boxes.places[i]
                             : Place{boxes.left, boxes.top + boxes.step * offset, boxes.width};
                     AddCheckBox(form, boxes.firstSlot + offset, at.left, at.top, at.width,
                                 boxes.checks[i].caption, parent);
                   }
                 },
                 [&](const CheckList& list) {
                   std::vector<std::string> captions;
                   for (const CheckSetting& check : list.checks) captions.push_back(check.caption);
                   AddCheckList(form, list.slot, list.at.left, list.at.top, list.at.width,
                                list.at.height, captions);
                 },
                 [&](const Radios& radios) {
                   ui::Container* parent = nullptr;
                   if (radios.groupSlot) {
                     parent = AddGroupBox(form, *radios.groupSlot, radios.groupAt.left,
                                          radios.groupAt.top, radios.groupAt.width,
                                          radios.groupAt.height, radios.groupCaption);
                   }
                   for (size_t i = 0; i < radios.captions.size(); ++i) {
                     const int offset = static_cast<int>(i);
                     const Place at =
                         i < radios.places.size()
                             ? radios.places[i]
                             : Place{radios.left, radios.top + radios.step * offset, radios.width};
                     AddRadioButton(form, radios.firstSlot + offset, at.left, at.top, at.width,
                                    radios.captions[i], parent, offset == radios.checkedAtBuild);
                   }
                 },
                 [&](const Slider& slider) {
                   AddSlider(form, slider.slot, slider.min, slider.max, slider.start,
                             slider.at.left, slider.at.top, slider.at.width, slider.at.height);
                 },
                 [&](const Edit& edit) {
                   ui::Edit* made = AddEdit(form, edit.slot, edit.left, edit.top, edit.width);
                   if (made && edit.readOnly) made->SetReadOnly(true);
                 },
                 [&](const Button& button) {
                   ui::Button* made = AddButton(form, button.slot, button.at.left, button.at.top,
                                                button.at.width, button.at.height, button.caption);
                   if (made) made->OnClick = Run(form, button.action);
                 },
                 [&](const GroupBox& group) {
                   AddGroupBox(form, group.slot, group.at.left, group.at.top, group.at.width,
                               group.at.height, group.caption);
                 },
             },
             control);
}

// The delete boxes of the sliders come after every other control.
void CreateDeleteBoxes(PageContext& form, const SettingsPage& page) {
  for (const Control& control : page.controls) {
    const auto* slider = std::get_if<Slider>(&control);
    if (!slider || !slider->deleteBox) continue;
    const DeleteBox& box = *slider->deleteBox;
    AddCheckBox(form, box.slot, box.at.left, box.at.top, box.at.width, box.caption);
  }
}

// Slider changes and delete boxes are bound after the reader ran, so reading is no change.
void BindSliders(PageContext& form, const SettingsPage& page) {
  for (const Control& control : page.controls) {
    const auto* slider = std::get_if<Slider>(&control);
    if (!slider || !slider->value) continue;
    if (ui::Slider* control2 = form.Sliders[static_cast<size_t>(slider->slot)]) {
      control2->OnChange = [&form, slider](ui::Control&) { ShowSliderValue(form, *slider, ""); };
    }
    if (!slider->deleteBox) continue;
    if (ui::CheckBox* box = CheckBoxAt(form, static_cast<size_t>(slider->deleteBox->slot))) {
      box->OnClick = [&form, slider](ui::Control&) {
        Quietly(
            form, [&] { DeleteSliderValue(form, *slider); }, slider->deleteBox->action.name);
      };
    }
  }
}

// Holds, sets or clears PageBuilding as the page's policy says, also when the build fails.
class BuildFlagScope {
 public:
  BuildFlagScope(PageContext& form, BuildFlagPolicy policy) : form_(form), policy_(policy) {
    if (policy_ == BuildFlagPolicy::HeldWhileBuilding || policy_ == BuildFlagPolicy::SetAndLeft) {
      form_.PageBuilding = 1;
    }
  }
  ~BuildFlagScope() {
    if (policy_ == BuildFlagPolicy::HeldWhileBuilding || policy_ == BuildFlagPolicy::ClearedAtEnd) {
      form_.PageBuilding = 0;
    }
  }
  BuildFlagScope(const BuildFlagScope&) = delete;
  BuildFlagScope& operator=(const BuildFlagScope&) = delete;

 private:
  PageContext& form_;
  BuildFlagPolicy policy_;
};

void ReadControls(PageContext& form, const SettingsPage& page) {
  for (const Control& control : page.controls) {
    if (const auto* boxes = std::get_if<CheckBoxes>(&control)) {
      for (size_t i = 0; i < boxes->checks.size(); ++i) {
        ui::CheckBox* box = CheckBoxAt(form, static_cast<size_t>(boxes->firstSlot) + i);
        if (box && ReadCheck(form, boxes->checks[i])) box->SetChecked(true);
      }
    } else if (const auto* list = std::get_if<CheckList>(&control)) {
      ui::ListView* view = form.ListViews[static_cast<size_t>(list->slot)];
      for (size_t i = 0; view && i < list->checks.size(); ++i) {
        ui::ListItem* item = view->Item(static_cast<int>(i));
        if (item && ReadCheck(form, list->checks[i])) item->SetChecked(true);
      }
    } else if (const auto* radios = std::get_if<Radios>(&control)) {
      ReadRadios(form, *radios);
    } else if (const auto* slider = std::get_if<Slider>(&control)) {
      ReadSlider(form, *slider);
    } else if (const auto* edit = std::get_if<Edit>(&control)) {
      ReadEdit(form, *edit);
    }
  }
}

void WriteControls(PageContext& form, const SettingsPage& page) {
  for (const Control& control : page.controls) {
    if (const auto* boxes = std::get_if<CheckBoxes>(&control)) {
      for (size_t i = 0; i < boxes->checks.size(); ++i) {
        const ui::CheckBox* box = CheckBoxAt(form, static_cast<size_t>(boxes->firstSlot) + i);
        if (box) WriteCheck(form, boxes->checks[i], box->Checked());
      }
    } else if (const auto* list = std::get_if<CheckList>(&control)) {
      const ui::ListView* view = form.ListViews[static_cast<size_t>(list->slot)];
      for (size_t i = 0; view && i < list->checks.size(); ++i) {
        const ui::ListItem* item = view->Item(static_cast<int>(i));
        if (item) WriteCheck(form, list->checks[i], item->Checked());
      }
    } else if (const auto* radios = std::get_if<Radios>(&control)) {
      WriteRadios(form, *radios);
    } else if (const auto* slider = std::get_if<Slider>(&control)) {
      const ui::Slider* control2 = form.Sliders[static_cast<size_t>(slider->slot)];
      if (control2 && slider->value) {
        Write(form, *slider->value,
              base::IntToStr(static_cast<int64_t>(control2->Value()) * slider->scale));
      }
    } else if (const auto* edit = std::get_if<Edit>(&control)) {
      WriteEdit(form, *edit);
    }
  }
}

}  // namespace

void ReadSettingsPage(PageContext& form, const SettingsPage& page) {
  if (page.beforeRead) page.beforeRead(form);
  if (page.reader) {
    page.reader(form);
  } else {
    ReadControls(form, page);
  }
  if (page.afterRead) page.afterRead(form);
}

void WriteSettingsPage(PageContext& form, const SettingsPage& page) {
  if (page.idleWhileBuilding && form.PageBuilding == 1) return;
  if (page.beforeWrite) page.beforeWrite(form);
  if (page.writer) {
    page.writer(form);
  } else {
    WriteControls(form, page);
  }
  if (page.afterWrite) page.afterWrite(form);
  if (page.reportsApplied) form.ReportApplied();
}

void BuildSettingsPage(PageContext& form, const SettingsPage& page) {
  BuildFlagScope flag(form, page.buildFlag);
  BeginPage(form, page.pageId, page.description);
  for (const Control& control : page.controls) Create(form, control);
  CreateDeleteBoxes(form, page);
  if (page.afterBuild) page.afterBuild(form);
  Quietly(
      form, [&] { ReadSettingsPage(form, page); }, page.readerName);
  BindSliders(form, page);
  if (page.writerName.empty()) return;
  form.BindApply([&form, &page] {
    Quietly(
        form, [&] { WriteSettingsPage(form, page); }, page.writerName);
  });
}

void RegisterSettingsPages(PageTable& table, const std::vector<SettingsPage>& pages) {
  for (const SettingsPage& page : pages) {
    table.Register(page.pageId, [&page](PageContext& form) { BuildSettingsPage(form, page); });
    table.RegisterRecord(page);
  }
}

}  // namespace page
