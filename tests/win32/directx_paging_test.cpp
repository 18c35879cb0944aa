// DirectX removal and the paging files on the prefix's real registry and files. Of what the
// DirectX page finds only the DirectPlay key (restored from the page's own backup) and a planted
// file are deleted: every other entry is unchecked first.
#include "os/reg_file.h"
#include "support/real_shell_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr const char* kDirectPlay = "Software\\Microsoft\\DirectPlay";
constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

class RealDirectXPage : public RealShellTest {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override {
    // The backup the page made: its registry file and the copied file, then its folders.
    for (const std::string& path :
         {backup_ + "\\DirectX-Registrierung.reg", backup_ + "\\Sysbckup\\dsound.vxd"}) {
      files.RemoveFile(path);
    }
    files.RemoveEmptyDirectory(backup_ + "\\Sysbckup");
    files.RemoveEmptyDirectory(backup_);
    files.RemoveEmptyDirectory(backup_.substr(0, backup_.rfind('\\')));
  }
  // Unchecks every row of a list but the one with the caption; false when it is not listed.
  bool CheckOnly(ui::ListView& list, const std::string& caption) {
    bool found = false;
    for (int i = 0; i < list.Count(); ++i) {
      const bool wanted = list.Item(i)->Caption() == caption;
      found = found || wanted;
      if (list.Item(i)->Checked() != wanted) list.UserToggleCheck(i);
    }
    return found;
  }
  std::string backup_;
};

TEST_F(RealDirectXPage, OnlyTheCheckedKeyAndFileGoAndTheBackupPutsThemBack) {
  PutValue(RegRoot::LocalMachine, std::string(kDirectPlay) + "\\Kalmora", "Wert",
           RegValue::String("gesichert"));
  const std::string sysbckup = form->WindowsDir + "\\Sysbckup";
  PutDirectory(sysbckup);
  PutFile(sysbckup + "\\dsound.vxd", "alte Datei");

  Select("DirectX deinstallieren");
  ASSERT_TRUE(
      CheckOnly(*form->ListViews[0], "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\DirectPlay"));
  ASSERT_TRUE(CheckOnly(*form->ListViews[1], sysbckup + "\\dsound.vxd"));
  AnswerConfirm(true);
  form->Image1->UserClick();

  EXPECT_FALSE(registry.OpenKey(RegRoot::LocalMachine, kDirectPlay, os::RegAccess::Read));
  EXPECT_FALSE(files.Exists(sysbckup + "\\dsound.vxd"));
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u);
  const std::string& said = backend.Dialogs().Messages()[0].text;
  const size_t start = said.find('"');
  ASSERT_NE(start, std::string::npos) << said;
  backup_ = said.substr(start + 1, said.find('"', start + 1) - start - 1);
  std::string copy;
  ASSERT_TRUE(files.ReadFile(backup_ + "\\Sysbckup\\dsound.vxd", copy)) << backup_;
  EXPECT_EQ(copy, "alte Datei");

  // The saved registry file brings the key back with what was below it.
  std::string exported;
  ASSERT_TRUE(files.ReadFile(backup_ + "\\DirectX-Registrierung.reg", exported));
  os::RegFileError error;
  ASSERT_TRUE(os::ImportRegFile(registry, exported, error)) << error.message;
  auto restored = registry.OpenKey(RegRoot::LocalMachine, std::string(kDirectPlay) + "\\Kalmora",
                                   os::RegAccess::Read);
  RegValue value;
  ASSERT_TRUE(restored && restored->QueryValue("Wert", value) == os::RegStatus::Ok);
  EXPECT_EQ(value.AsString(), "gesichert");
}

class RealPagingFiles : public RealShellTest {
 protected:
  void SetUp() override {
    Start();
    auto key = registry.OpenKey(RegRoot::LocalMachine, kMemory, os::RegAccess::Read);
    RegValue value;
    if (key && key->QueryValue("PagingFiles", value) == os::RegStatus::Ok) original_ = value;
  }
  void TearDown() override {
    auto key = registry.CreateKey(RegRoot::LocalMachine, kMemory);
    if (!key) return;
    if (original_) {
      key->SetValue("PagingFiles", *original_);
    } else {
      key->DeleteValue("PagingFiles");
    }
  }
  std::optional<RegValue> original_;
};

TEST_F(RealPagingFiles, TheSystemDriveIsListedAndItsSizesWrittenAsOneMultiString) {
  ASSERT_EQ(registry.CreateKey(RegRoot::LocalMachine, kMemory)
                ->SetValue("PagingFiles", RegValue::MultiString({"C:\\pagefile.sys 32 64"})),
            os::RegStatus::Ok);
  // The page lists the drives without asking their media; the same drives as the full list.
  const std::vector<os::DriveInfo> kinds = files.DriveKinds();
  const std::vector<os::DriveInfo> full = files.Drives();
  ASSERT_EQ(kinds.size(), full.size());
  for (size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].letter, full[i].letter);
    EXPECT_EQ(kinds[i].type, full[i].type) << kinds[i].letter;
  }
  Select("Auslagerungsdatei");
  int row = -1;
  for (int i = 0; i < List().Count(); ++i) {
    if (List().Item(i)->Caption().find("(C:)") != std::string::npos) row = i;
  }
  ASSERT_GE(row, 0) << "C: under its shell name";
  EXPECT_EQ(List().Item(row)->SubItem(1), "32-64");
  List().UserClickItem(row);
  form->Edits[0]->UserType("48");
  form->Edits[1]->UserType("96");
  form->BitBtns[0]->UserClick();
  form->Image1->UserClick();
  EXPECT_EQ(Status(), "Änderungen übernommen");
  auto key = registry.OpenKey(RegRoot::LocalMachine, kMemory, os::RegAccess::Read);
  RegValue stored;
  ASSERT_TRUE(key && key->QueryValue("PagingFiles", stored) == os::RegStatus::Ok);
  EXPECT_EQ(stored.type, os::kRegMultiSz);
  EXPECT_EQ(stored.AsMultiString(), (std::vector<std::string>{"C:\\pagefile.sys 48 96"}));
}

}  // namespace
