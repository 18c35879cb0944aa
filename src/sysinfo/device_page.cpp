// "Geräte-Manager": the installed devices by class, below the computer.
#include "page/page_frame.h"
#include "sysinfo/about_window.h"
#include "sysinfo/devices.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
namespace {

void GetGeraeteInfo(page::PageContext& form, ui::TreeView& tree) {
  ui::TreeNode* root = tree.Add(nullptr, form.services.system.ComputerName());
  root->SetImageIndex(0);
  root->SetSelectedIndex(0);
  const bool ntFamily = (form.services.system.GetVersion() & 0x80000000u) == 0;
  for (const DeviceClassNode& deviceClass :
       CollectDevices(form.services.registry, form.DeviceClassKey, ntFamily)) {
    ui::TreeNode* classNode = tree.Add(root, deviceClass.caption);
    classNode->SetImageIndex(deviceClass.classIndex + 1);
    classNode->SetSelectedIndex(deviceClass.classIndex + 1);
    for (const std::string& device : deviceClass.devices) {
      ui::TreeNode* node = tree.Add(classNode, device);
      node->SetImageIndex(deviceClass.classIndex + 1);
      node->SetSelectedIndex(deviceClass.classIndex + 1);
    }
  }
  root->Expand();
}

}  // namespace

void RegisterDevicePage(page::PageTable& table) {
  table.Register(kDevicePage, [](page::PageContext& form) {
    page::BeginPage(form, kDevicePage, "");
    ui::TreeView* tree = form.CreatePageTree();
    if (!tree) return;
    form.TreeView(10, 40, 470, 330);
    page::Quietly(
        form, [&] { GetGeraeteInfo(form, *tree); }, "GetGeraeteInfo");
  });
}

void RegisterSysInfoPages(page::PageTable& table) {
  const auto state = std::make_shared<SysInfoState>();
  RegisterInfoListPages(table, state);
  RegisterTimeZonePage(table, state);
  RegisterProcessorPage(table, state);
  RegisterDevicePage(table);
  table.RegisterCommand("ToolButton14Click", ShowAboutWindow);
}

}  // namespace sysinfo
