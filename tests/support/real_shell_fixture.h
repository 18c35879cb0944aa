// The main window on the real Win32 services (registry, files, shell, system) with the headless
// toolkit, for page tests under Wine. Tests change the prefix's real keys and files; what they
// create is recorded here and removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/all_pages.h"
#include "headless/headless_backend.h"
#include "page/after_shown.h"
#include "page/services.h"
#include "page/start_up.h"
#include "shell/main_window.h"
#include "shell/settings.h"
#include "win32/win32_display.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"

namespace testing_support {

// The real shell, except that the recycle bin's operation is answered by the test: the real one
// shows the shell's own confirmation, which nobody answers in a test run.
class AnsweringShell : public win32::Win32Shell {
 public:
  os::RecycleResult RecycleFiles(const std::vector<std::string>& paths) override {
    recycled.push_back(paths);
    if (recycleResult == os::RecycleResult::Done && whenDone) whenDone(paths);
    return recycleResult;
  }
  std::vector<std::vector<std::string>> recycled;
  // What the test does in place of the shell when the user says yes.
  std::function<void(const std::vector<std::string>& paths)> whenDone;
  os::RecycleResult recycleResult = os::RecycleResult::Done;
};

class RealShellTest : public ::testing::Test {
 protected:
  RealShellTest() : services{backend, registry, system, shell, files, trace, display} {}
  ~RealShellTest() override { CleanUp(); }

  // Creates the main window with the paths the pages use. The rest of the start-up (the
  // program's own settings, the machine's Plus! key) is left out: it would write to the prefix.
  shell::TForm1& Start() {
    form = std::make_unique<shell::TForm1>(services, app::AllPages());
    form->WindowsDir = system.WindowsDirectory();
    page::ReadEnvironment(*form);
    return *form;
  }

  // Clicks the node and lets the page fill what it fills once it has shown.
  void Select(std::string_view text) {
    ui::TreeNode* node = form->FindNodeRoot(text);
    ASSERT_TRUE(node) << "no node " << text;
    form->TreeView1->UserClickNode(node);
    for (int step = 0; step < 10000 && backend.TickTimers(page::kAfterShownMs) > 0; ++step) {
    }
  }

  void AnswerConfirm(bool yes) {
    backend.OnNextModal([yes](ui::Form& dialog) {
      auto* button = static_cast<ui::Button*>(dialog.FindByName(yes ? "Button1" : "Button2"));
      ASSERT_TRUE(button);
      button->UserClick();
    });
  }

  ui::ListView& List() { return *form->ListViews[0]; }
  // The row with that caption, or -1.
  int RowOf(const std::string& caption) {
    for (int i = 0; i < List().Count(); ++i) {
      if (List().Item(i)->Caption() == caption) return i;
    }
    return -1;
  }
  std::string Status() const { return form->StatusBar1->Panel(2).text; }

  // Sets a value, creating its key if needed; both go again when the test ends (the key only
  // if the test made it).
  void PutValue(os::RegRoot root, const std::string& path, const std::string& name,
                const os::RegValue& value) {
    if (!registry.OpenKey(root, path, os::RegAccess::Read)) createdKeys_.push_back({root, path});
    auto key = registry.CreateKey(root, path);
    ASSERT_TRUE(key) << path;
    ASSERT_EQ(key->SetValue(name, value), os::RegStatus::Ok);
    values_.push_back({{root, path}, name});
  }
  bool HasValue(os::RegRoot root, const std::string& path, const std::string& name) {
    auto key = registry.OpenKey(root, path, os::RegAccess::Read);
    os::RegValue value;
    return key && key->QueryValue(name, value) == os::RegStatus::Ok;
  }
  // A file of the test's own, removed when the test ends.
  void PutFile(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(files.WriteFile(path, bytes)) << path;
    files_.push_back(path);
  }
  void PutDirectory(const std::string& path) {
    if (files.DirectoryExists(path)) return;
    ASSERT_TRUE(files.MakeDirectory(path)) << path;
    directories_.push_back(path);
  }

  headless::HeadlessBackend backend;
  win32::Win32Registry registry;
  win32::Win32System system;
  AnsweringShell shell;
  win32::Win32FileSystem files;
  base::TraceLog trace;
  win32::Win32Display display;
  page::Services services;
  std::unique_ptr<shell::TForm1> form;

 private:
  using KeyRef = std::pair<os::RegRoot, std::string>;

  void CleanUp() {
    form.reset();
    for (const auto& [key, name] : values_) {
      if (auto open = registry.OpenKey(key.first, key.second, os::RegAccess::ReadWrite)) {
        open->DeleteValue(name);
      }
    }
    // Deepest first, so a key made below another made one goes before it.
    for (auto it = createdKeys_.rbegin(); it != createdKeys_.rend(); ++it) {
      registry.DeleteKeyTree(it->first, it->second);
    }
    for (const std::string& path : files_) files.RemoveFile(path);
    for (auto it = directories_.rbegin(); it != directories_.rend(); ++it) {
      files.RemoveEmptyDirectory(*it);
    }
  }

  std::vector<std::pair<KeyRef, std::string>> values_;
  std::vector<KeyRef> createdKeys_;
  std::vector<std::string> files_;
  std::vector<std::string> directories_;
};

}  // namespace testing_support
