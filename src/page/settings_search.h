// The settings search: finds pages by what the user remembers of them — the node's text, the
// headline, the description, a control's caption, or a registry key or value name the page
// works on. Matching ignores case by the Windows-1252 rules (ä finds Ä) and treats ß as "ss",
// as German text is written without it; every word of the query must occur in the page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "page/settings_page.h"

namespace page {

// The text as the search compares it: upper-cased by the Windows-1252 rules, ß as "SS".
std::string SearchFolded(std::string_view utf8);

// A node of the category tree, as the index sees it.
struct SearchNode {
  std::string text;
  int pageId = 0;
};

// Where a page matched, best first.
enum class SearchField { NodeText, Headline, Caption, ValueName, Key, Description };

// "Seite", "Überschrift", "Schalter", "Wert", "Schlüssel", "Beschreibung".
const char* SearchFieldName(SearchField field);

struct SearchHit {
  size_t node = 0;  // index into the nodes the index was built from
  SearchField field = SearchField::NodeText;
  std::string matched;  // the text that matched, as shown (empty for the description)
};

class SettingsIndex {
 public:
  // nodes in tree order; records by their PageId (a node without a record is found by its text
  // and headline alone).
  SettingsIndex(const std::vector<SearchNode>& nodes,
                const std::vector<const SettingsPage*>& records);

  // Pages whose texts hold every word of the query, by their best field and then in tree
  // order. A query without words finds nothing.
  std::vector<SearchHit> Find(std::string_view query) const;

  size_t Size() const { return entries_.size(); }

 private:
  struct Text {
    SearchField field;
    std::string shown;
    std::string folded;
  };
  struct Entry {
    std::vector<Text> texts;  // in field order
  };
  // The text a page is listed by: the best that holds the whole query, else the best that
  // holds one of its words; none when a word occurs nowhere in the page.
  static const Text* Matched(const std::vector<Text>& texts, const std::vector<std::string>& words);

  std::vector<Entry> entries_;
};

}  // namespace page
