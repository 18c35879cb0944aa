// A registry that reports every change to the journal before passing it on: values written or
// deleted, keys created (the first one that did not exist) and key trees deleted with everything
// in them. Reads pass straight through.
#pragma once

#include "journal/journal.h"
#include "os/registry.h"

namespace journal {

class JournalingRegistry : public os::Registry {
 public:
  JournalingRegistry(os::Registry& inner, Journal& journal) : inner_(inner), journal_(journal) {}

  std::unique_ptr<os::RegKey> OpenKey(os::RegRoot root, std::string_view path, os::RegAccess access,
                                      os::RegStatus* status = nullptr) override;
  std::unique_ptr<os::RegKey> CreateKey(os::RegRoot root, std::string_view path,
                                        os::RegStatus* status = nullptr) override;
  os::RegStatus DeleteKeyTree(os::RegRoot root, std::string_view path) override;

 private:
  os::Registry& inner_;
  Journal& journal_;
};

}  // namespace journal
