// The maintenance tools on the real files, registry and shell of the prefix: the Win.ini page,
// the user's Autostart folder and the shared DLLs.
#include <algorithm>

#include "support/real_shell_fixture.h"

namespace {

using namespace std::string_literals;
using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr const char* kShared = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

class RealToolPages : public RealShellTest {
 protected:
  void SetUp() override { Start(); }
  // Selects the row and removes it with the page's button, saying yes when asked.
  void Remove(const std::string& caption) {
    const int row = RowOf(caption);
    ASSERT_GE(row, 0) << caption;
    List().UserClickItem(row);
    AnswerConfirm(true);
    form->BitBtns[0]->UserClick();
  }
};

// Win.ini in the prefix's Windows folder, put back as it was afterwards.
class RealWinIni : public RealToolPages {
 protected:
  void SetUp() override {
    RealToolPages::SetUp();
    path_ = system.WindowsDirectory() + "\\Win.ini";
    std::string bytes;
    if (files.ReadFile(path_, bytes)) original_ = bytes;
    before_ = Names(system.WindowsDirectory());
  }
  void TearDown() override {
    files.SetAttributes(path_, os::kAttrArchive);
    if (original_) {
      files.WriteFile(path_, *original_);
    } else {
      files.RemoveFile(path_);
    }
  }
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : files.ListDirectory(folder).value_or(std::vector<os::DirEntry>{})) {
      names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string path_;
  std::optional<std::string> original_;
  std::vector<std::string> before_;
};

TEST_F(RealWinIni, ARunLineIsBlankedInANewFileThatTakesTheOldOnesPlaceAndAttributes) {
  ASSERT_TRUE(
      files.WriteFile(path_,
                      "[windows]\r\nWallpaper=Bild\xE4.bmp\r\nrun=c:\\kt\\a.exe c:\\kt\\b.exe\r\n"
                      "load=c:\\kt\\\xFC"
                      "ber.exe\r\n"s));
  ASSERT_TRUE(files.SetAttributes(path_, os::kAttrReadOnly | os::kAttrHidden | os::kAttrSystem));
  // As the file system keeps them (Wine keeps the archive bit of every file).
  const std::optional<uint32_t> kept = files.GetAttributes(path_);
  ASSERT_TRUE(kept);
  ASSERT_EQ(*kept & 7u, 7u);
  Select("AutoRun Win.ini");
  ASSERT_EQ(List().Count(), 2);
  EXPECT_EQ(List().Item(1)->Caption(), "C:\\KT\\ÜBER.EXE");

  Remove("C:\\KT\\A.EXE C:\\KT\\B.EXE");
  std::string bytes;
  ASSERT_TRUE(files.ReadFile(path_, bytes));
  EXPECT_EQ(bytes,
            "[windows]\r\nWallpaper=Bild\xE4.bmp\r\nrun=\r\nload=c:\\kt\\\xFC"
            "ber.exe\r\n"s);
  EXPECT_EQ(files.GetAttributes(path_), kept);
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(Names(system.WindowsDirectory()), before_) << "no file left beside it";
  ASSERT_EQ(List().Count(), 1);
}

TEST_F(RealToolPages, AnAutostartFileIsDeletedFromTheUsersFolder) {
  const std::string folder = shell.SpecialFolderPath(0x07);
  if (folder.empty()) GTEST_SKIP() << "the prefix has no Autostart folder";
  PutDirectory(folder);
  PutFile(folder + "\\KalmoraTest.lnk", "kein Link");
  Select("Autostart");
  const int row = RowOf("KalmoraTest.lnk");
  ASSERT_GE(row, 0);
  EXPECT_EQ(List().Item(row)->SubItem(0), folder);
  List().UserClickItem(row);
  AnswerConfirm(true);
  form->Image1->UserClick();
  EXPECT_FALSE(files.Exists(folder + "\\KalmoraTest.lnk"));
  EXPECT_EQ(RowOf("KalmoraTest.lnk"), -1);
}

class RealSharedDlls : public RealToolPages {
 protected:
  void SetUp() override {
    RealToolPages::SetUp();
    PutDirectory(kFolder);
    PutFile(kDword, "MZ");
    PutFile(kBinary, "MZ");
    PutValue(RegRoot::LocalMachine, kShared, kDword, RegValue::Dword(3));
    PutValue(RegRoot::LocalMachine, kShared, kBinary, RegValue::Binary({5, 0, 0, 0}));
    Select("Gemeinsame DLL-Dateien");
  }
  static constexpr const char* kFolder = "C:\\KalmoraTest";
  static constexpr const char* kDword = "C:\\KalmoraTest\\zaehler.dll";
  static constexpr const char* kBinary = "C:\\KalmoraTest\\binaer.ocx";
};

TEST_F(RealSharedDlls, CountsAndIconsComeFromTheSystemAndAnEntryGoesAlone) {
  ASSERT_GE(RowOf(kDword), 0);
  ASSERT_GE(RowOf(kBinary), 0);
  EXPECT_EQ(List().Item(RowOf(kDword))->SubItem(0), "3");
  EXPECT_EQ(List().Item(RowOf(kBinary))->SubItem(0), "5");
  EXPECT_GE(List().Item(RowOf(kDword))->ImageIndex(), 0) << "the system's icon of the file";

  Remove(kDword);
  EXPECT_FALSE(HasValue(RegRoot::LocalMachine, kShared, kDword));
  EXPECT_TRUE(HasValue(RegRoot::LocalMachine, kShared, kBinary));
  EXPECT_TRUE(files.Exists(kDword));
  EXPECT_EQ(RowOf(kDword), -1);
}

}  // namespace
