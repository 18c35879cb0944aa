// A running main window on in-memory services, with what page tests need: seeding the registry
// and files, selecting nodes as a user does, answering confirmations, reading the status bar.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/all_pages.h"
#include "headless/headless_backend.h"
#include "os/file_system.h"
#include "os/memory_registry.h"
#include "os/recording_registry.h"
#include "os/reg_file.h"
#include "os/shell.h"
#include "os/system.h"
#include "page/after_shown.h"
#include "page/services.h"
#include "shell/main_window.h"

namespace testing_support {

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() : services{backend, recording, system, shell, files, trace, display} {
    registry.CreateKey(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Options")
        ->SetValue("InstallDir", os::RegValue::String("C:\\Programme\\Kalmora2x"));
    files.AddDirectory("C:\\WINNT\\System32");
  }

  // The normal paths swallow no failure; a test that provokes one takes it with ExpectTraced.
  void TearDown() override {
    for (const std::string& entry : trace.Entries()) ADD_FAILURE() << "swallowed: " << entry;
  }
  // Expects exactly one swallowed failure, containing part, and takes it.
  void ExpectTraced(std::string_view part) {
    ASSERT_EQ(trace.Entries().size(), 1u);
    EXPECT_NE(trace.Entries().front().find(part), std::string::npos) << trace.Entries().front();
    trace.Clear();
  }

  // Creates the main window and runs its start-up (as the program does when it loads).
  shell::TForm1& Start(uint32_t version = os::MemorySystem::kWindows2000) {
    system.version = version;
    form = std::make_unique<shell::TForm1>(services, app::AllPages());
    form->FormCreate();
    // The rest of start-up, as the window's timer runs it once the window has painted.
    backend.TickTimers();
    return *form;
  }

  void Seed(const std::string& regText) {
    os::RegFileError error;
    ASSERT_TRUE(
        os::ImportRegFile(registry, "Windows Registry Editor Version 5.00\n" + regText, error))
        << error.message;
  }

  // Clicks the first node with that text, as the user does, and lets the page fill what it
  // fills once it has shown.
  ui::TreeNode* Select(std::string_view text) {
    ui::TreeNode* node = form->FindNodeRoot(text);
    EXPECT_TRUE(node) << "no node " << text;
    if (node) form->TreeView1->UserClickNode(node);
    FinishFilling();
    return node;
  }

  // Runs the page's work after it has shown, step by step, as the window's timer would.
  void FinishFilling() {
    for (int step = 0; step < 10000 && backend.TickTimers(page::kAfterShownMs) > 0; ++step) {
    }
  }

  void ClickApply() { form->Image1->UserClick(); }
  std::string Status(int panel = 2) const { return form->StatusBar1->Panel(panel).text; }

  // The next confirmation is answered with "&Ja" (true) or "&Nein".
  void AnswerConfirm(bool yes) { AnswerConfirmKeeping(yes); }

  // Answers the next confirmation and keeps its caption and message.
  void AnswerConfirmKeeping(bool yes) {
    backend.OnNextModal([this, yes](ui::Form& dialog) {
      confirmCaption = dialog.Caption();
      auto* label = static_cast<ui::Label*>(dialog.FindByName("Label1"));
      ASSERT_TRUE(label);
      confirmMessage = label->Caption();
      auto* button = static_cast<ui::Button*>(dialog.FindByName(yes ? "Button1" : "Button2"));
      ASSERT_TRUE(button);
      button->UserClick();
    });
  }

  // The message boxes shown so far, each as "caption: text".
  std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (const auto& message : backend.Dialogs().Messages()) {
      shown.push_back(message.caption + ": " + message.text);
    }
    return shown;
  }

  std::string FileBytes(const std::string& path) {
    std::string bytes;
    return files.ReadFile(path, bytes) ? bytes : "<missing>";
  }

  template <class T>
  static T& Find(ui::Form& window, const char* name) {
    auto* control = static_cast<T*>(window.FindByName(name));
    if (!control) throw std::runtime_error(std::string("no ") + name);
    return *control;
  }

  bool KeyExists(os::RegRoot root, const std::string& path) {
    return registry.OpenKey(root, path, os::RegAccess::Read) != nullptr;
  }

  std::optional<os::RegValue> Value(os::RegRoot root, const std::string& path,
                                    const std::string& name) {
    auto key = registry.OpenKey(root, path, os::RegAccess::Read);
    os::RegValue value;
    if (!key || key->QueryValue(name, value) != os::RegStatus::Ok) return std::nullopt;
    return value;
  }

  headless::HeadlessBackend backend;
  os::MemoryRegistry registry;                // seeded and read back directly
  os::RecordingRegistry recording{registry};  // what the program sees
  os::MemorySystem system;
  os::MemoryShell shell;
  os::MemoryFileSystem files;
  base::TraceLog trace;
  os::MemoryDisplay display;
  page::Services services;
  std::unique_ptr<shell::TForm1> form;
  std::string confirmCaption;
  std::string confirmMessage;
};

}  // namespace testing_support
