#include "profile/profiles.h"

#include <algorithm>

#include "base/text.h"

#include "page/page_table.h"

namespace profile {
namespace {

std::string Trimmed(std::string_view text) {
  return std::string(base::Trim(text));
}

const Shown* FindShown(const std::vector<Shown>& shown, const std::string& name) {
  for (const Shown& setting : shown) {
    if (setting.name == name) return &setting;
  }
  return nullptr;
}

// Blanks around a value do not make it another: Notepad users write "Name = ja".
bool SameValue(const std::string& here, const std::string& wanted) {
  return Trimmed(here) == Trimmed(wanted);
}

bool InScope(Part part, Scope scope) {
  switch (scope) {
    case Scope::All:
      return true;
    case Scope::User:
      return part == Part::User;
    case Scope::Machine:
      return part == Part::Machine;
  }
  return false;
}

Row RowOf(const std::string& title, const Section& section, const Entry& entry, const Shown* here,
          Outcome outcome) {
  return {section.pageId, title, entry.name, here ? here->value : "", entry.value, outcome};
}

}  // namespace

std::string OutcomeText(const Row& row) {
  switch (row.outcome) {
    case Outcome::Same:
      return "gleich";
    case Outcome::Differs:
      return "abweichend";
    case Outcome::Missing:
      return "übersprungen: auf diesem System nicht vorhanden";
    case Outcome::Invalid:
      return "übersprungen: ungültiger Wert";
    case Outcome::OutOfScope:
      return "nicht angewendet: außerhalb von /scope";
    case Outcome::Applied:
      return row.restart ? "übernommen, wirkt nach einem Neustart" : "übernommen";
    case Outcome::Failed:
      return "fehlgeschlagen";
  }
  return "";
}

bool AnyDiffers(const std::vector<Row>& rows) {
  return std::any_of(rows.begin(), rows.end(),
                     [](const Row& row) { return row.outcome == Outcome::Differs; });
}

bool AnyNotHolding(const std::vector<Row>& rows) {
  return std::any_of(rows.begin(), rows.end(), [](const Row& row) {
    return row.outcome == Outcome::Missing || row.outcome == Outcome::Invalid ||
           row.outcome == Outcome::Failed;
  });
}

Profiles::Profiles(PageHost& host, std::vector<std::unique_ptr<ProfilePage>> pages,
                   std::map<int, std::string> offered)
    : host_(host), pages_(std::move(pages)), offered_(std::move(offered)) {}

Profiles::~Profiles() = default;

std::vector<int> Profiles::PageIds() const {
  std::vector<int> ids;
  for (const auto& page : pages_) {
    if (offered_.count(page->PageId())) ids.push_back(page->PageId());
  }
  return ids;
}

std::string Profiles::Title(int pageId) const {
  const page::PageRow* row = page::FindPageRow(pageId);
  if (row && row->headline) return row->headline;
  const auto node = offered_.find(pageId);
  // Node texts may end in blanks.
  return node == offered_.end() ? "" : Trimmed(node->second);
}

const ProfilePage* Profiles::Find(int pageId) const {
  for (const auto& page : pages_) {
    if (page->PageId() == pageId) return offered_.count(pageId) ? page.get() : nullptr;
  }
  return nullptr;
}

std::vector<Shown> Profiles::ShownOn(const ProfilePage* page, int pageId) {
  if (!page) return {};
  host_.Build(pageId);
  return page->Settings(host_);
}

std::vector<Section> Profiles::Save(const std::vector<int>& pageIds) {
  std::vector<Section> sections;
  for (const int pageId : pageIds.empty() ? PageIds() : pageIds) {
    const ProfilePage* page = Find(pageId);
    if (!page) continue;
    Section section{pageId, Title(pageId), {}, 0};
    for (const Shown& shown : ShownOn(page, pageId)) {
      section.entries.push_back({shown.name, shown.value, 0});
    }
    if (!section.entries.empty()) sections.push_back(std::move(section));
  }
  host_.Panel();
  return sections;
}

std::vector<Row> Profiles::Compare(const Profile& profile) {
  std::vector<Row> rows;
  for (const Section& section : profile.sections) {
    const ProfilePage* page = Find(section.pageId);
    const std::vector<Shown> shown = ShownOn(page, section.pageId);
    for (const Entry& entry : section.entries) {
      const Shown* here = FindShown(shown, entry.name);
      const Outcome outcome = !here                                 ? Outcome::Missing
                              : SameValue(here->value, entry.value) ? Outcome::Same
                                                                    : Outcome::Differs;
      rows.push_back(RowOf(Title(section.pageId), section, entry, here, outcome));
    }
  }
  host_.Panel();
  return rows;
}

std::vector<Row> Profiles::Apply(const Profile& profile, Scope scope) {
  std::vector<Row> rows;
  for (const Section& section : profile.sections) {
    const ProfilePage* page = Find(section.pageId);
    const std::vector<Shown> shown = ShownOn(page, section.pageId);
    std::vector<size_t> pending;
    for (const Entry& entry : section.entries) {
      const Shown* here = FindShown(shown, entry.name);
      Outcome outcome = Outcome::Same;
      if (!here) {
        outcome = Outcome::Missing;
      } else if (!SameValue(here->value, entry.value)) {
        outcome = !InScope(here->part, scope)                 ? Outcome::OutOfScope
                  : page->Set(host_, entry.name, entry.value) ? Outcome::Applied
                                                              : Outcome::Invalid;
      }
      if (outcome == Outcome::Applied) pending.push_back(rows.size());
      rows.push_back(RowOf(Title(section.pageId), section, entry, here, outcome));
    }
    if (pending.empty()) continue;
    page->Write(host_);
    // What the writer would have shown the user goes where every kept-back failure goes.
    for (const std::string& message : host_.TakeMessages())
      host_.Trace().Failure("Profil", message);
    // What holds is what the page reads now.
    const std::vector<Shown> after = ShownOn(page, section.pageId);
    for (const size_t index : pending) {
      Row& row = rows[index];
      const Shown* now = FindShown(after, row.setting);
      if (!now || !SameValue(now->value, row.wanted)) row.outcome = Outcome::Failed;
      row.restart = page->NeedsRestart();
    }
  }
  host_.Panel();
  return rows;
}

}  // namespace profile
