#include "profile/record_page.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "base/convert.h"
#include "base/text.h"
#include "page/engine.h"
#include "page/page_frame.h"

namespace profile {
namespace {

constexpr size_t kHeadlineSlot = 10;

std::string Trimmed(std::string_view text) {
  return std::string(base::Trim(text));
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A label that names nothing: a slider's ends ("100") or a value shown beside it.
bool NamesNothing(const std::string& caption) {
  const std::string text = Trimmed(caption);
  return text.empty() || IsNumber(text) || text == page::kNoValue;
}

std::optional<bool> CheckValue(const std::string& value) {
  const std::string text = Trimmed(value);
  if (text == kChecked) return true;
  if (text == kUnchecked) return false;
  return std::nullopt;
}

void AddRoots(std::vector<page::RegBinding>& into, const page::CheckSetting& check) {
  if (check.value) into.push_back(*check.value);
  into.insert(into.end(), check.touches.begin(), check.touches.end());
}

}  // namespace

Part PartOfValues(const std::vector<page::RegBinding>& values) {
  bool user = false;
  bool machine = false;
  for (const page::RegBinding& value : values) {
    const bool ofUser =
        value.root == page::Root::CurrentUser ||
        (value.root == page::Root::Users &&
         value.key.compare(0, std::string(page::kUserKey).size(), page::kUserKey) == 0);
    (ofUser ? user : machine) = true;
  }
  if (user && !machine) return Part::User;
  if (machine && !user) return Part::Machine;
  return Part::Both;
}

// One setting found on the built page: its name and the control that shows it.
struct RecordPage::Found {
  std::string name;
  Part part = Part::Both;
  ui::CheckBox* box = nullptr;
  ui::ListItem* item = nullptr;
  std::vector<ui::RadioButton*> radios;
  ui::Edit* edit = nullptr;
  ui::RangeControl* range = nullptr;

  std::string Value() const {
    if (box) return box->Checked() ? kChecked : kUnchecked;
    if (item) return item->Checked() ? kChecked : kUnchecked;
    if (edit) return edit->Text();
    if (range) return base::IntToStr(range->Value());
    for (const ui::RadioButton* radio : radios) {
      if (radio->Checked()) return Trimmed(radio->Caption());
    }
    return "";
  }

  bool Set(const std::string& value) const {
    if (box || item) {
      const std::optional<bool> checked = CheckValue(value);
      if (!checked) return false;
      if (box) box->SetChecked(*checked);
      if (item) item->SetChecked(*checked);
      return true;
    }
    if (edit) {
      edit->SetText(value);
      return true;
    }
    if (range) {
      int32_t number = 0;
      const std::string text = Trimmed(value);
      if (!base::TryStrToInt(text, number) || number < range->Min() || number > range->Max()) {
        return false;
      }
      range->SetValue(number);
      return true;
    }
    for (ui::RadioButton* radio : radios) {
      if (Trimmed(radio->Caption()) != Trimmed(value)) continue;
      radio->SetChecked(true);
      return true;
    }
    return false;
  }
};

RecordPage::RecordPage(const page::SettingsPage& record) : record_(record) {
  for (const page::Control& control : record.controls) {
    if (const auto* slider = std::get_if<page::Slider>(&control)) {
      valueLabelSlots_.insert(slider->valueLabel);
      if (slider->deleteBox) deleteBoxSlots_.insert(slider->deleteBox->slot);
    }
  }
}

Part RecordPage::PartOf(const std::string& caption) const {
  std::vector<page::RegBinding> values;
  for (const page::Control& control : record_.controls) {
    const auto checks = [&](const std::vector<page::CheckSetting>& list) {
      for (const page::CheckSetting& check : list) {
        if (Trimmed(check.caption) == caption) AddRoots(values, check);
      }
    };
    if (const auto* boxes = std::get_if<page::CheckBoxes>(&control)) checks(boxes->checks);
    if (const auto* list = std::get_if<page::CheckList>(&control)) checks(list->checks);
  }
  // A setting the page's hooks read and write: whatever the page touches.
  return PartOfValues(values.empty() ? page::PageValues(record_) : values);
}

namespace {

bool IsOneOff(const page::SettingsPage& record, const std::string& caption) {
  for (const page::Control& control : record.controls) {
    const auto oneOff = [&](const std::vector<page::CheckSetting>& list) {
      return std::any_of(list.begin(), list.end(), [&](const page::CheckSetting& check) {
        return check.oneOff && check.caption == caption;
      });
    };
    if (const auto* boxes = std::get_if<page::CheckBoxes>(&control); boxes && oneOff(boxes->checks))
      return true;
    if (const auto* list = std::get_if<page::CheckList>(&control); list && oneOff(list->checks))
      return true;
  }
  return false;
}

// The text that names a control without a caption: the nearest label above it (its left edge
// close by) or before it on the same line.
std::optional<std::string> LabelFor(const page::PageContext& host, const ui::Control& control,
                                    const std::set<int>& skipped) {
  const ui::Rect at = control.BoundsInForm();
  std::optional<std::string> best;
  int bestScore = 0;
  for (size_t slot = 0; slot < host.Labels.size(); ++slot) {
    const ui::Label* label = host.Labels[slot];
    if (!label || slot == kHeadlineSlot || skipped.count(static_cast<int>(slot)) ||
        NamesNothing(label->Caption())) {
      continue;
    }
    const ui::Rect place = label->BoundsInForm();
    const int above = at.top - place.top;
    int score = -1;
    if (above > 0 && above <= 45 && std::abs(at.left - place.left) <= 40) score = above;
    if (std::abs(above) <= 12 && place.left < at.left) score = (at.left - place.left) / 4;
    if (score < 0 || (best && score >= bestScore)) continue;
    best = Trimmed(label->Caption());
    bestScore = score;
  }
  return best;
}

}  // namespace

std::vector<RecordPage::Found> RecordPage::Walk(page::PageContext& host) const {
  std::vector<Found> found;
  const Part pagePart = PartOfValues(page::PageValues(record_));
  for (size_t slot = 0; slot < host.CheckBoxes.size(); ++slot) {
    ui::CheckBox* box = host.CheckBoxes[slot];
    if (!box || !box->Visible() || deleteBoxSlots_.count(static_cast<int>(slot)) ||
        IsOneOff(record_, box->Caption())) {
      continue;
    }
    found.push_back(
        {.name = Trimmed(box->Caption()), .part = PartOf(Trimmed(box->Caption())), .box = box});
  }
  for (ui::ListView* list : host.ListViews) {
    if (!list || !list->CheckBoxes()) continue;
    for (int i = 0; i < list->Count(); ++i) {
      ui::ListItem* item = list->Item(i);
      if (IsOneOff(record_, item->Caption())) continue;
      found.push_back({.name = Trimmed(item->Caption()),
                       .part = PartOf(Trimmed(item->Caption())),
                       .item = item});
    }
  }
  // Radio buttons in one container are one choice.
  std::vector<ui::Container*> parents;
  for (ui::RadioButton* radio : host.RadioButtons) {
    if (!radio || !radio->Visible()) continue;
    auto group = std::find(parents.begin(), parents.end(), radio->Parent());
    if (group == parents.end()) {
      parents.push_back(radio->Parent());
      const auto* box = dynamic_cast<const ui::GroupBox*>(radio->Parent());
      const std::string caption = box ? Trimmed(box->Caption()) : "";
      found.push_back({.name = caption.empty() ? "Auswahl" : caption, .part = pagePart});
      for (const page::Control& control : record_.controls) {
        const auto* radios = std::get_if<page::Radios>(&control);
        if (radios && std::find(radios->captions.begin(), radios->captions.end(),
                                radio->Caption()) != radios->captions.end()) {
          found.back().part = PartOfValues({radios->value});
        }
      }
      found.back().radios.push_back(radio);
    } else {
      for (Found& setting : found) {
        if (!setting.radios.empty() && setting.radios.front()->Parent() == radio->Parent()) {
          setting.radios.push_back(radio);
        }
      }
    }
  }
  const auto named = [&](ui::Control& control, const char* kind, size_t slot) {
    const std::optional<std::string> label = LabelFor(host, control, valueLabelSlots_);
    return label ? *label
                 : std::string(kind) + " " + base::IntToStr(static_cast<int64_t>(slot) + 1);
  };
  for (size_t slot = 0; slot < host.Sliders.size(); ++slot) {
    if (ui::Slider* slider = host.Sliders[slot]; slider && slider->Visible()) {
      found.push_back(
          {.name = named(*slider, "Schieberegler", slot), .part = pagePart, .range = slider});
    }
  }
  for (size_t slot = 0; slot < host.SpinEdits.size(); ++slot) {
    if (ui::SpinEdit* spin = host.SpinEdits[slot]; spin && spin->Visible()) {
      found.push_back({.name = named(*spin, "Zahlenfeld", slot), .part = pagePart, .range = spin});
    }
  }
  for (size_t slot = 0; slot < host.Edits.size(); ++slot) {
    ui::Edit* edit = host.Edits[slot];
    // A password does not go into a file that is passed around.
    if (!edit || !edit->Visible() || edit->ReadOnly() || edit->PasswordChar() != 0) continue;
    found.push_back({.name = named(*edit, "Eingabefeld", slot), .part = pagePart, .edit = edit});
  }
  // Values of the controls with their own binding decide their part.
  for (const page::Control& control : record_.controls) {
    for (Found& setting : found) {
      const auto* slider = std::get_if<page::Slider>(&control);
      if (slider && slider->value && setting.range &&
          setting.range == host.Sliders[static_cast<size_t>(slider->slot)]) {
        setting.part = PartOfValues({*slider->value});
      }
      const auto* edit = std::get_if<page::Edit>(&control);
      if (edit && edit->value && setting.edit &&
          setting.edit == host.Edits[static_cast<size_t>(edit->slot)]) {
        setting.part = PartOfValues({*edit->value});
      }
    }
  }
  // Two controls with one name are told apart by their order.
  std::map<std::string, int> seen;
  for (Found& setting : found) {
    const int count = ++seen[setting.name];
    if (count > 1) setting.name += " (" + base::IntToStr(count) + ")";
  }
  return found;
}

std::vector<Shown> RecordPage::Settings(page::PageContext& host) const {
  std::vector<Shown> shown;
  for (const Found& setting : Walk(host)) {
    // A choice with no button chosen shows nothing a profile could set.
    if (!setting.radios.empty() && setting.Value().empty()) continue;
    shown.push_back({setting.name, setting.Value(), setting.part});
  }
  return shown;
}

bool RecordPage::Set(page::PageContext& host, const std::string& name,
                     const std::string& value) const {
  for (const Found& setting : Walk(host)) {
    if (setting.name == name) return setting.Set(value);
  }
  return false;
}

void RecordPage::Write(page::PageContext& host) const {
  page::Quietly(
      host, [&] { page::WriteSettingsPage(host, record_); }, record_.writerName);
}

bool RecordPage::NeedsRestart() const {
  return record_.description.find("Neustart") != std::string::npos;
}

}  // namespace profile
