// A page as a profile sees it: the settings its controls show, named the way the user sees
// them, and how to put a value back into a control and apply the page. The page itself is built
// by its own builder through the page table, so each Windows version reads and writes its own
// keys.
#pragma once

#include <string>
#include <vector>

#include "page/page_context.h"

namespace profile {

// Where a setting's values live, for /scope: the user's part (HKEY_CURRENT_USER, the user's
// key below HKEY_USERS) or the machine's (everything else); Both when it writes into both.
enum class Part { User, Machine, Both };

struct Shown {
  std::string name;
  std::string value;
  Part part = Part::Both;
};

// How a check box or a check-list item stands in a profile.
inline constexpr const char* kChecked = "ja";
inline constexpr const char* kUnchecked = "nein";

class ProfilePage {
 public:
  virtual ~ProfilePage() = default;
  virtual int PageId() const = 0;
  // The settings as the built page shows them now, in the page's order.
  virtual std::vector<Shown> Settings(page::PageContext& host) const = 0;
  // Puts the value into the setting's control; false when no control has that name or the
  // value names no state of it.
  virtual bool Set(page::PageContext& host, const std::string& name,
                   const std::string& value) const = 0;
  // What the page's own apply does.
  virtual void Write(page::PageContext& host) const = 0;
  // Whether its changes take effect only after a restart.
  virtual bool NeedsRestart() const = 0;
};

}  // namespace profile
