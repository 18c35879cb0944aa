#include "page/settings_page.h"

#include <algorithm>
#include <iterator>

#include "page/page_context.h"

namespace page {

const char* RootName(Root root) {
  static constexpr const char* kNames[] = {"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",
                                           "HKEY_LOCAL_MACHINE",  "HKEY_USERS",
                                           "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
  return kNames[static_cast<size_t>(root)];
}

std::string ResolveKey(const PageContext& form, const std::string& key) {
  const std::string_view user = kUserKey;
  if (key.compare(0, user.size(), user) != 0) return key;
  return form.UserKeyName + key.substr(user.size());
}

CheckSetting NumberCheck(std::string caption, RegBinding value, bool inverted) {
  CheckSetting check;
  check.caption = std::move(caption);
  check.value = std::move(value);
  if (inverted) {
    check.rule = CheckRule::Inverted;
    check.onText = "0";
    check.offText = "1";
  }
  return check;
}

CheckSetting TextCheck(std::string caption, RegBinding value, std::string checkedText,
                       std::string onText, std::string offText) {
  CheckSetting check;
  check.caption = std::move(caption);
  check.value = std::move(value);
  check.rule = CheckRule::Exact;
  check.checkedText = std::move(checkedText);
  check.onText = std::move(onText);
  check.offText = std::move(offText);
  return check;
}

std::vector<CheckSetting> PairedChecks(const std::vector<std::string>& captions, Root root,
                                       const std::string& key,
                                       const std::vector<std::string>& names, Kind kind) {
  std::vector<CheckSetting> checks;
  const size_t count = std::min(captions.size(), names.size());
  for (size_t i = 0; i < count; ++i) {
    checks.push_back(NumberCheck(captions[i], {root, key, names[i], kind}));
  }
  return checks;
}

std::vector<Control> CheckListControls(std::string text, int top,
                                       std::vector<CheckSetting> checks) {
  return {Label{0, 20, top, std::move(text)},
          CheckList{0, {20, top + 20, 420, 195 - top}, std::move(checks)}};
}

namespace {

void AddCheckValues(std::vector<RegBinding>& values, const std::vector<CheckSetting>& checks) {
  for (const CheckSetting& check : checks) {
    if (check.value) values.push_back(*check.value);
    values.insert(values.end(), check.touches.begin(), check.touches.end());
  }
}

}  // namespace

std::vector<RegBinding> PageValues(const SettingsPage& page) {
  std::vector<RegBinding> values;
  for (const Control& control : page.controls) {
    if (const auto* boxes = std::get_if<CheckBoxes>(&control))
      AddCheckValues(values, boxes->checks);
    if (const auto* list = std::get_if<CheckList>(&control)) AddCheckValues(values, list->checks);
    if (const auto* radios = std::get_if<Radios>(&control)) values.push_back(radios->value);
    if (const auto* slider = std::get_if<Slider>(&control); slider && slider->value) {
      values.push_back(*slider->value);
    }
    if (const auto* edit = std::get_if<Edit>(&control); edit && edit->value) {
      values.push_back(*edit->value);
    }
  }
  values.insert(values.end(), page.hookTouches.begin(), page.hookTouches.end());
  return values;
}

std::vector<std::string> PageNames(const SettingsPage& page) {
  std::vector<std::string> names;
  const auto add = [&](const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(name);
    }
  };
  add(page.readerName);
  add(page.writerName);
  for (const Control& control : page.controls) {
    if (const auto* slider = std::get_if<Slider>(&control)) {
      add(slider->track.name);
      if (slider->deleteBox) add(slider->deleteBox->action.name);
    }
    if (const auto* button = std::get_if<Button>(&control)) add(button->action.name);
  }
  for (const std::string& name : page.hookActions) add(name);
  return names;
}

}  // namespace page
