// The windows of "Profil speichern...", "Mit Profil vergleichen..." and "Profil anwenden...":
// the choice of pages to save, and the list of the settings where this machine differs from a
// profile (page, setting, here, profile), whose rows lead to their page and which, before an
// apply, asks whether to go on.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "profile/profiles.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"

namespace shell {

// Which pages go into the profile: every one is ticked at first.
class ProfilePagesWindow {
 public:
  // pageIds: the pages that have settings, in the program's order.
  ProfilePagesWindow(ui::Backend& backend, ui::Form* owner, const std::vector<int>& pageIds,
                     const std::function<std::string(int)>& titles);

  ui::Form& Form() { return form_; }
  // The ticked pages, or nothing when cancelled.
  std::optional<std::vector<int>> Execute();

  ui::Label* Label1;
  ui::ListView* ListView1;
  ui::Button* Button1;  // "Alle"
  ui::Button* Button2;  // "Keine"
  ui::Button* Button3;  // "Speichern..."
  ui::Button* Button4;  // "Abbrechen"

 private:
  ui::Form form_;
  std::vector<int> pageIds_;
};

// The differing settings. With asks, the buttons are "&Ja" (apply) and "&Nein".
class ProfileDiffWindow {
 public:
  ProfileDiffWindow(ui::Backend& backend, ui::Form* owner, const std::string& caption,
                    const std::string& text, const std::vector<profile::Row>& rows, bool asks);

  ui::Form& Form() { return form_; }
  // True for "&Ja". A click on a row closes the window and hands its PageId to goTo.
  bool Execute(const std::function<void(int pageId)>& goTo);

  ui::Label* Label1;
  ui::ListView* ListView1;
  ui::Button* Button1;  // "&Ja" or "Schließen"
  ui::Button* Button2;  // "&Nein", when it asks

 private:
  ui::Form form_;
  std::vector<int> rowPages_;
  std::optional<int> chosenPage_;
};

}  // namespace shell
