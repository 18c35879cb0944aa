// Saving, comparing and applying profiles: every page a profile can hold, built one after the
// other on a page host. A compare or an apply gives one row per setting of the profile (page,
// setting, here, profile, outcome); an apply changes only pages where a setting in its scope
// differs, through the page's own writer, and reads the page again to see what holds.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "profile/page_host.h"
#include "profile/profile_file.h"
#include "profile/profile_page.h"

namespace profile {

// Which part of the settings an apply may change.
enum class Scope { All, User, Machine };

enum class Outcome {
  Same,        // here as in the profile
  Differs,     // a compare found another value here
  Missing,     // this system has no such setting (or page)
  Invalid,     // the profile's value names no state of the control
  OutOfScope,  // differs, but belongs to the part the apply leaves alone
  Applied,     // written and read back as the profile says
  Failed,      // written, but reads back otherwise (an account that may not write there)
};

struct Row {
  int pageId = 0;
  std::string page;  // the page's headline
  std::string setting;
  std::string here;
  std::string wanted;
  Outcome outcome = Outcome::Same;
  bool restart = false;  // takes effect after a restart
};

// The log's word for the row's outcome.
std::string OutcomeText(const Row& row);
// A compare's verdict: something differs. An apply's: something did not come to hold.
bool AnyDiffers(const std::vector<Row>& rows);
bool AnyNotHolding(const std::vector<Row>& rows);

class Profiles {
 public:
  // offered: the pages this system's tree has, with their nodes' texts (pages of other
  // versions are missing).
  Profiles(PageHost& host, std::vector<std::unique_ptr<ProfilePage>> pages,
           std::map<int, std::string> offered);
  ~Profiles();

  PageHost& Host() { return host_; }
  // The pages a profile can hold here, in the program's order.
  std::vector<int> PageIds() const;
  // The headline of a page (its node's text where it has none), as its section and the log
  // name it.
  std::string Title(int pageId) const;

  // The sections of these pages (all when empty) as they stand; pages without settings are
  // left out.
  std::vector<Section> Save(const std::vector<int>& pageIds);
  std::vector<Row> Compare(const Profile& profile);
  std::vector<Row> Apply(const Profile& profile, Scope scope);

 private:
  const ProfilePage* Find(int pageId) const;
  // The page built anew and what it shows; nothing without a page.
  std::vector<Shown> ShownOn(const ProfilePage* page, int pageId);

  PageHost& host_;
  std::vector<std::unique_ptr<ProfilePage>> pages_;
  std::map<int, std::string> offered_;
};

}  // namespace profile
