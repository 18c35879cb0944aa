// Builds every page of the program and applies it, against a registry filled from the input:
// the values the pages read, of any type and size, texts that are no numbers, keys that are
// missing or in the way. Pages registered with the program are covered without more work.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/all_pages.h"
#include "headless/headless_backend.h"
#include "os/display.h"
#include "os/file_system.h"
#include "os/memory_registry.h"
#include "os/shell.h"
#include "os/system.h"
#include "shell/main_window.h"

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  std::vector<uint8_t> Bytes(size_t count) {
    std::vector<uint8_t> bytes;
    while (bytes.size() < count && !Empty()) bytes.push_back(Byte());
    return bytes;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

os::RegRoot RootOf(page::Root root) {
  return static_cast<os::RegRoot>(static_cast<int>(root));
}

std::string Trimmed(std::string key) {
  while (!key.empty() && key.front() == '\\') key.erase(key.begin());
  return key;
}

// Values, keys in the way and keys taken away, as the input says.
void Fill(os::MemoryRegistry& registry, const std::vector<page::RegBinding>& values,
          const shell::TForm1& form, Input& input) {
  while (!input.Empty() && !values.empty()) {
    const uint8_t op = input.Byte();
    const page::RegBinding& value = values[input.Word() % values.size()];
    const std::string key = Trimmed(page::ResolveKey(form, value.key));
    const os::RegRoot root = RootOf(value.root);
    switch (op % 4) {
      case 0:
      case 1: {
        os::RegValue stored;
        stored.type = input.Byte() % 12;
        // Now and then a huge one.
        const size_t length = op & 0x80 ? input.Word() * 4u : input.Byte();
        stored.data = input.Bytes(length);
        if (auto opened = registry.CreateKey(root, key)) opened->SetValue(value.name, stored);
        break;
      }
      case 2:
        // A key where the value should be.
        if (auto opened = registry.CreateKey(root, key)) opened->CreateSubKey(value.name);
        break;
      default:
        registry.DeleteKeyTree(root, key);
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<page::RegBinding> values = [] {
    std::vector<page::RegBinding> all;
    for (const page::SettingsPage* record : app::AllSettingsPages()) {
      for (const page::RegBinding& value : page::PageValues(*record)) all.push_back(value);
    }
    return all;
  }();

  headless::HeadlessBackend backend;
  os::MemoryRegistry registry;
  os::MemorySystem system;
  os::MemoryShell shell;
  os::MemoryFileSystem files;
  files.AddDirectory("C:\\WINNT\\System32");
  base::TraceLog trace;
  os::MemoryDisplay display;
  registry.CreateKey(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Options")
      ->SetValue("InstallDir", os::RegValue::String("C:\\Programme\\Kalmora2x"));
  page::Services services{backend, registry, system, shell, files, trace, display};
  shell::TForm1 form(services, app::AllPages());
  form.FormCreate();

  Input input(data, size);
  Fill(registry, values, form, input);
  for (ui::TreeNode* node : form.TreeView1->AllNodes()) {
    form.TreeView1->UserClickNode(node);
    if (form.Panel4->Visible() && form.Panel5->Visible()) form.Image1->UserClick();
  }
  return 0;
}
