// The real registry through advapi32's W functions.
#pragma once

#include "os/registry.h"

namespace win32 {

class Win32Registry : public os::Registry {
 public:
  std::unique_ptr<os::RegKey> OpenKey(os::RegRoot root, std::string_view path, os::RegAccess access,
                                      os::RegStatus* status = nullptr) override;
  std::unique_ptr<os::RegKey> CreateKey(os::RegRoot root, std::string_view path,
                                        os::RegStatus* status = nullptr) override;
  os::RegStatus DeleteKeyTree(os::RegRoot root, std::string_view path) override;
};

}  // namespace win32
