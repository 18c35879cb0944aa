// A settings page record as a profile page. Its settings are the page's input controls after
// its reader ran, found in the page's slots (so the controls its hooks make count too): check
// boxes and check-list items by caption, each group of radio buttons by its group box's caption
// ("Auswahl" without one) with the chosen button's caption as value, sliders, spin edits and
// edits by the label above or before them. Delete boxes and one-off actions are no settings.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "page/settings_page.h"
#include "profile/profile_page.h"

namespace profile {

class RecordPage : public ProfilePage {
 public:
  // The record must outlive this (records are static data of their branch).
  explicit RecordPage(const page::SettingsPage& record);

  int PageId() const override { return record_.pageId; }
  std::vector<Shown> Settings(page::PageContext& host) const override;
  bool Set(page::PageContext& host, const std::string& name,
           const std::string& value) const override;
  void Write(page::PageContext& host) const override;
  bool NeedsRestart() const override;

 private:
  struct Found;
  std::vector<Found> Walk(page::PageContext& host) const;
  Part PartOf(const std::string& caption) const;

  const page::SettingsPage& record_;
  std::set<int> deleteBoxSlots_;
  std::set<int> valueLabelSlots_;
};

// Whose values these are (see Part).
Part PartOfValues(const std::vector<page::RegBinding>& values);

}  // namespace profile
