// Every page record lists what its page writes: applied as built and with every box turned
// over, no page changes a registry value its record does not name.
#include <algorithm>
#include <map>

#include "../tweaks/page_fixture.h"
#include "app/all_pages.h"
#include "base/text.h"
#include "page/page_table.h"
#include "page/settings_page.h"

namespace {

using testing_support::PageTest;

std::vector<std::string> Segments(std::string_view path) {
  std::vector<std::string> parts;
  std::string upper = base::UpperCase(path);
  size_t start = upper.find_first_not_of('\\');
  while (start != std::string::npos) {
    const size_t end = upper.find('\\', start);
    parts.push_back(upper.substr(start, end == std::string::npos ? end : end - start));
    start = end == std::string::npos ? end : upper.find_first_not_of('\\', end);
  }
  return parts;
}

// key (segments, "{ANY}" for any one) holds path, or is it.
bool KeyCovers(const std::vector<std::string>& key, const std::vector<std::string>& path,
               bool orBelow) {
  if (orBelow ? path.size() > key.size() : path.size() != key.size()) return false;
  for (size_t i = 0; i < path.size(); ++i) {
    if (key[i] != "{ANY}" && key[i] != path[i]) return false;
  }
  return true;
}

class DeclaredValuesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  bool Declared(const page::SettingsPage& record, const os::RegEvent& event) {
    for (const page::RegBinding& value : page::PageValues(record)) {
      if (static_cast<int>(value.root) != static_cast<int>(event.root)) continue;
      const auto key = Segments(page::ResolveKey(*form, value.key));
      const auto path = Segments(event.path);
      if (event.op == os::RegEvent::Op::DeleteKey) {
        if (KeyCovers(key, path, true)) return true;
      } else if (KeyCovers(key, path, false) &&
                 (value.name == page::kAnyKey ||
                  base::UpperCase(value.name) == base::UpperCase(event.name))) {
        return true;
      }
    }
    return false;
  }

  // Clicks every box and list item the page has and the last button of its radios.
  void TurnEverythingOver() {
    for (ui::CheckBox* box : form->CheckBoxes) {
      if (box && box->Parent()) box->UserClick();
    }
    for (ui::ListView* list : form->ListViews) {
      if (!list || !list->CheckBoxes()) continue;
      for (int i = 0; i < list->Count(); ++i) list->UserToggleCheck(i);
    }
    for (ui::RadioButton* radio : form->RadioButtons) {
      if (radio) radio->UserClick();
    }
  }
};

TEST_F(DeclaredValuesTest, EveryPageWritesOnlyTheValuesItsRecordNames) {
  const std::vector<const page::SettingsPage*> records = app::AllSettingsPages();
  ASSERT_EQ(records.size(), 76u);
  for (const page::SettingsPage* record : records) {
    SCOPED_TRACE("page " + std::to_string(record->pageId));
    recording.Clear();
    Open(record->pageId);
    // A page without a writer hides the apply button, which keeps the last page's writer.
    const bool applies = form->Panel4->Visible() && form->Panel5->Visible();
    if (applies) ClickApply();
    TurnEverythingOver();
    if (applies) ClickApply();
    for (const os::RegEvent& event : recording.Changes()) {
      if (event.op == os::RegEvent::Op::CreateKey) continue;
      EXPECT_TRUE(Declared(*record, event))
          << os::RootName(event.root) << "\\" << event.path << " \"" << event.name << "\"";
    }
  }
}

// A node left out on one system is fine; a node that shows "not available" for its own
// record, or a record no system shows, is not.
TEST_F(DeclaredValuesTest, EveryRecordShowsItsPageWhereverItsNodeStands) {
  std::map<int, int> shown;
  for (uint32_t version :
       {os::MemorySystem::kNt4, os::MemorySystem::kWindows2000, os::MemorySystem::kWindowsXp}) {
    Start(version);
    for (const page::SettingsPage* record : app::AllSettingsPages()) {
      for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
        if (node->ImageIndex() != record->pageId) continue;
        SCOPED_TRACE("page " + std::to_string(record->pageId) + " on " +
                     std::to_string(version & 0xFFFF));
        Open(record->pageId);
        EXPECT_NE(form->RichEdit2->Text(), page::kPageNotAvailable);
        ++shown[record->pageId];
        break;
      }
    }
  }
  for (const page::SettingsPage* record : app::AllSettingsPages()) {
    EXPECT_GT(shown[record->pageId], 0) << "page " << record->pageId;
  }
}

TEST_F(DeclaredValuesTest, EveryRecordIsARowOfThePageTableOnce) {
  std::vector<int> ids;
  for (const page::SettingsPage* record : app::AllSettingsPages()) ids.push_back(record->pageId);
  for (int id : ids) EXPECT_TRUE(page::FindPageRow(id)) << id;
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

}  // namespace
