// The TCP/IP tuner as a profile page: the MTU of each connection the tuner lists (by the name
// it lists: the adapter's service on NT 4.0, the interface on Windows 2000), TTL, receive
// window, segment size, path-MTU discovery, black-hole detection, selective acknowledgements,
// window scaling and the faster page loading, as numbers and "ja"/"nein". Applied through the
// tuner's "Speichern", once per connection whose MTU changes.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "profile/profile_page.h"

namespace nettune {

class TFrame51;

class TcpIpProfilePage : public profile::ProfilePage {
 public:
  int PageId() const override;
  std::vector<profile::Shown> Settings(page::PageContext& host) const override;
  bool Set(page::PageContext& host, const std::string& name,
           const std::string& value) const override;
  void Write(page::PageContext& host) const override;
  bool NeedsRestart() const override { return true; }

 private:
  // The MTUs each connection showed and those to write on Write, by connection; both belong to
  // the page built last.
  mutable std::map<std::string, std::string> shownMtu_;
  mutable std::map<std::string, std::string> pendingMtu_;
};

std::unique_ptr<profile::ProfilePage> MakeTcpIpProfilePage();

// "Maximum Transmission Unit (MTU / IPMTU): <connection>".
std::string MtuSettingName(const std::string& connection);

}  // namespace nettune
