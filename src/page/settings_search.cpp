#include "page/settings_search.h"

#include <algorithm>
#include <map>

#include "base/text.h"
#include "base/utf.h"
#include "page/page_table.h"

namespace page {
namespace {

std::vector<std::string> Words(const std::string& folded) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (pos < folded.size()) {
    const size_t begin = folded.find_first_not_of(" \t\r\n", pos);
    if (begin == std::string::npos) break;
    const size_t end = std::min(folded.find_first_of(" \t\r\n", begin), folded.size());
    words.push_back(folded.substr(begin, end - begin));
    pos = end;
  }
  return words;
}

void AddCaptions(std::vector<std::string>& captions, const std::vector<CheckSetting>& checks) {
  for (const CheckSetting& check : checks) captions.push_back(check.caption);
}

std::vector<std::string> Captions(const SettingsPage& record) {
  std::vector<std::string> captions;
  for (const Control& control : record.controls) {
    if (const auto* label = std::get_if<Label>(&control)) captions.push_back(label->caption);
    if (const auto* boxes = std::get_if<CheckBoxes>(&control)) AddCaptions(captions, boxes->checks);
    if (const auto* list = std::get_if<CheckList>(&control)) AddCaptions(captions, list->checks);
    if (const auto* radios = std::get_if<Radios>(&control)) {
      captions.insert(captions.end(), radios->captions.begin(), radios->captions.end());
      captions.push_back(radios->groupCaption);
    }
    if (const auto* slider = std::get_if<Slider>(&control); slider && slider->deleteBox) {
      captions.push_back(slider->deleteBox->caption);
    }
    if (const auto* button = std::get_if<Button>(&control)) captions.push_back(button->caption);
    if (const auto* group = std::get_if<GroupBox>(&control)) captions.push_back(group->caption);
  }
  return captions;
}

// The key as a user would type part of it: without the user's placeholder or a leading
// backslash.
std::string KeyShown(std::string key) {
  const std::string_view user = kUserKey;
  if (key.compare(0, user.size(), user) == 0) key.erase(0, user.size());
  if (!key.empty() && key.front() == '\\') key.erase(0, 1);
  return key;
}

}  // namespace

std::string SearchFolded(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = base::DecodeUtf8(utf8, pos);
    if (cp == U'ß') {
      folded += "SS";
    } else {
      base::AppendUtf8(folded, base::UpperCaseChar(cp));
    }
  }
  return folded;
}

const char* SearchFieldName(SearchField field) {
  switch (field) {
    case SearchField::NodeText:
      return "Seite";
    case SearchField::Headline:
      return "Überschrift";
    case SearchField::Caption:
      return "Schalter";
    case SearchField::ValueName:
      return "Wert";
    case SearchField::Key:
      return "Schlüssel";
    case SearchField::Description:
      return "Beschreibung";
  }
  return "";
}

SettingsIndex::SettingsIndex(const std::vector<SearchNode>& nodes,
                             const std::vector<const SettingsPage*>& records) {
  std::map<int, const SettingsPage*> byPage;
  for (const SettingsPage* record : records) byPage[record->pageId] = record;

  entries_.reserve(nodes.size());
  for (const SearchNode& node : nodes) {
    Entry entry;
    const auto add = [&entry](SearchField field, const std::string& shown) {
      if (shown.empty() || shown == kAnyKey) return;
      std::string folded = SearchFolded(shown);
      for (const Text& text : entry.texts) {
        if (text.field == field && text.folded == folded) return;
      }
      entry.texts.push_back({field, shown, std::move(folded)});
    };
    add(SearchField::NodeText, node.text);
    if (const PageRow* row = FindPageRow(node.pageId); row && row->headline) {
      add(SearchField::Headline, row->headline);
    }
    if (const auto it = byPage.find(node.pageId); it != byPage.end()) {
      const SettingsPage& record = *it->second;
      for (const std::string& caption : Captions(record)) add(SearchField::Caption, caption);
      for (const RegBinding& value : PageValues(record)) {
        add(SearchField::ValueName, value.name);
        add(SearchField::Key, KeyShown(value.key));
      }
      add(SearchField::Description, record.description);
    }
    std::stable_sort(entry.texts.begin(), entry.texts.end(),
                     [](const Text& a, const Text& b) { return a.field < b.field; });
    entries_.push_back(std::move(entry));
  }
}

const SettingsIndex::Text* SettingsIndex::Matched(const std::vector<Text>& texts,
                                                  const std::vector<std::string>& words) {
  const auto holds = [](const Text& text, const std::string& word) {
    return text.folded.find(word) != std::string::npos;
  };
  // Texts are held in field order, so the first that holds something is the best that does.
  const auto whole = std::find_if(texts.begin(), texts.end(), [&](const Text& text) {
    return std::all_of(words.begin(), words.end(),
                       [&](const std::string& word) { return holds(text, word); });
  });
  if (whole != texts.end()) return &*whole;
  const Text* best = nullptr;
  for (const std::string& word : words) {
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [&](const Text& text) { return holds(text, word); });
    if (found == texts.end()) return nullptr;
    if (!best || found->field < best->field) best = &*found;
  }
  return best;
}

std::vector<SearchHit> SettingsIndex::Find(std::string_view query) const {
  const std::vector<std::string> words = Words(SearchFolded(query));
  std::vector<SearchHit> hits;
  if (words.empty()) return hits;
  for (size_t node = 0; node < entries_.size(); ++node) {
    const Text* best = Matched(entries_[node].texts, words);
    if (!best) continue;
    hits.push_back(
        {node, best->field, best->field == SearchField::Description ? std::string() : best->shown});
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const SearchHit& a, const SearchHit& b) { return a.field < b.field; });
  return hits;
}

}  // namespace page
