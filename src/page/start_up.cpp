#include "page/start_up.h"

#include "base/text.h"
#include "page/page_context.h"

namespace page {

void ReadEnvironment(PageContext& form) {
  for (const std::string& entry : form.services.system.EnvironmentBlock()) {
    const size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = base::UpperCase(entry.substr(0, equals));
    const std::string value = entry.substr(equals + 1);
    if (name == "ALLUSERSPROFILE") form.AllUsersProfileDir = value;
    if (name == "USERPROFILE") form.UserProfileDir = value;
    if (name == "APPDATA") form.AppDataDir = value;
  }
}

void ReadUserKeyName(PageContext& form) {
  if (form.WindowsVersion < 1) {
    form.UserKeyName = ".DEFAULT";
    return;
  }
  form.UserKeyName.clear();
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::Users);
  if (reg.OpenKeyReadOnly("")) {
    for (const std::string& name : reg.GetKeyNames()) {
      form.UserKeyName = base::UpperCase(name);
      if (form.UserKeyName != ".DEFAULT" &&
          form.UserKeyName.find("_CLASSES") == std::string::npos) {
        break;
      }
    }
  }
  reg.CloseKey();
}

void ReadSharedState(PageContext& form) {
  form.GetWindowsVersion();
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKeyReadOnly("Software\\Kalmora2x\\Options") && reg.ValueExists("InstallDir")) {
      form.InstallDir = reg.ReadString("InstallDir");
    }
  } catch (const std::exception& error) {
    form.Trace().Failure("ReadSharedState", error.what());
  }
  reg.CloseKey();
  form.DeviceClassKey = form.WindowsVersion >= 1 ? "SYSTEM\\CurrentControlSet\\Control\\Class"
                                                 : "SYSTEM\\CurrentControlSet\\Services\\Class";
  ReadEnvironment(form);
  form.WindowsDir = form.services.system.WindowsDirectory();
  ReadUserKeyName(form);
  form.SystemDir = form.WindowsDir + (form.WindowsVersion >= 1 ? "\\System32\\" : "\\System\\");
}

}  // namespace page
