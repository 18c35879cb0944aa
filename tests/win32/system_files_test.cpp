// Boot.ini, the ini listing and the boot floppy on the prefix's real drives: C: for Boot.ini and
// the boot files, drive A: mapped to a folder of the prefix (test.sh maps it, as the sandbox does).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "support/real_shell_fixture.h"

namespace {

using namespace std::string_literals;
using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr uint32_t kReadOnlyHiddenSystem = 7;

// A file of the prefix the test writes over: what was there (or that nothing was) comes back.
class KeptFile {
 public:
  KeptFile(os::FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {
    std::string bytes;
    if (files_.ReadFile(path_, bytes)) {
      bytes_ = bytes;
      attributes_ = files_.GetAttributes(path_);
    }
  }
  ~KeptFile() {
    files_.SetAttributes(path_, os::kAttrNormal);
    if (!bytes_) {
      files_.RemoveFile(path_);
      return;
    }
    files_.WriteFile(path_, *bytes_);
    if (attributes_) files_.SetAttributes(path_, *attributes_);
  }
  KeptFile(const KeptFile&) = delete;
  KeptFile& operator=(const KeptFile&) = delete;

 private:
  os::FileSystem& files_;
  std::string path_;
  std::optional<std::string> bytes_;
  std::optional<uint32_t> attributes_;
};

class RealSystemFiles : public RealShellTest {
 protected:
  void SetUp() override { Start(); }
  std::string FileBytes(const std::string& path) {
    std::string bytes;
    return files.ReadFile(path, bytes) ? bytes : "<missing>";
  }
  const std::vector<headless::ShownMessage>& Messages() { return backend.Dialogs().Messages(); }
};

// --- Boot.ini ------------------------------------------------------------------------------------

class RealBootIni : public RealSystemFiles {
 protected:
  static constexpr const char* kCrash = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
  static constexpr const char* kCrashNames[] = {"LogEvent", "SendAlert", "AutoReboot"};

  void SetUp() override {
    RealSystemFiles::SetUp();
    for (const char* name : kCrashNames) crash_.push_back(Stored(name));
  }
  void TearDown() override {
    auto key = registry.CreateKey(RegRoot::LocalMachine, kCrash);
    for (size_t i = 0; key && i < crash_.size(); ++i) {
      if (crash_[i]) {
        key->SetValue(kCrashNames[i], *crash_[i]);
      } else {
        key->DeleteValue(kCrashNames[i]);
      }
    }
  }
  std::optional<RegValue> Stored(const char* name) {
    auto key = registry.OpenKey(RegRoot::LocalMachine, kCrash, os::RegAccess::Read);
    RegValue value;
    if (!key || key->QueryValue(name, value) != os::RegStatus::Ok) return std::nullopt;
    return value;
  }

  KeptFile bootIni_{files, "C:\\Boot.ini"};
  KeptFile backup_{files, "C:\\Boot.ini.bak"};
  std::vector<std::optional<RegValue>> crash_;
};

TEST_F(RealBootIni, TheChosenEntryAndTimeoutAreWrittenAndEveryOtherByteAndAttributeStays) {
  // As setup leaves it on a machine with two systems and an older one on C:, without a line end
  // after the last entry.
  const std::string original =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Windows XP\" /noexecute=optout "
      "/fastdetect\r\n"
      "multi(0)disk(0)rdisk(0)partition(2)\\WINNT=\"Windows 2000\" /fastdetect\r\n"
      "C:\\=\"Vorheriges Betriebssystem auf C:\"";
  ASSERT_TRUE(files.WriteFile("C:\\Boot.ini", original));
  ASSERT_TRUE(files.SetAttributes("C:\\Boot.ini", kReadOnlyHiddenSystem));
  ASSERT_EQ(files.GetAttributes("C:\\Boot.ini").value_or(0) & 7u, 7u);

  Select("Systemstart");
  ui::ComboBox& entries = *form->ComboBoxes[0];
  ASSERT_EQ(entries.Items().size(), 2u);
  EXPECT_EQ(form->SpinEdits[0]->Value(), 30);
  entries.UserSelect(1);
  form->SpinEdits[0]->UserStep(-20);
  form->Image1->UserClick();

  EXPECT_EQ(FileBytes("C:\\Boot.ini"),
            "[boot loader]\r\n"
            "timeout=10\r\n"
            "default=MULTI(0)DISK(0)RDISK(0)PARTITION(2)\\WINNT\r\n"
            "[operating systems]\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(2)\\WINNT=\"WINDOWS 2000\" /FASTDETECT\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINDOWS=\"WINDOWS XP\" /NOEXECUTE=OPTOUT "
            "/FASTDETECT\r\n"
            "C:\\=\"Vorheriges Betriebssystem auf C:\"");
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini").value_or(0) & 7u, 7u)
      << "read-only, hidden and system again";
  EXPECT_EQ(FileBytes("C:\\Boot.ini.bak"), original);
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_TRUE(Messages().empty());
  // Nothing of the replace is left beside it.
  for (const auto& entry : files.ListDirectory("C:").value_or(std::vector<os::DirEntry>{})) {
    const std::string name = base::UpperCase(entry.name);
    EXPECT_TRUE(name.find("BOOT") != 0 || name == "BOOT.INI" || name == "BOOT.INI.BAK")
        << entry.name;
  }
}

// --- the ini listing -----------------------------------------------------------------------------

TEST_F(RealSystemFiles, TheIniListingFindsThePrefixesIniFilesInEveryFolder) {
  PutDirectory("C:\\kalmora-ini");
  PutDirectory("C:\\kalmora-ini\\Tief");
  PutFile("C:\\kalmora-ini\\Tief\\Probe.INI", "[Probe]\r\n");
  PutFile("C:\\kalmora-ini\\Tief\\Probe.txt", "keine");

  Select("Auflistung aller Ini-Dateien");
  std::vector<std::string> found;
  for (int i = 0; i < List().Count(); ++i)
    found.push_back(base::UpperCase(List().Item(i)->Caption()));
  const auto listed = [&found](const std::string& path) {
    return std::find(found.begin(), found.end(), base::UpperCase(path)) != found.end();
  };
  EXPECT_TRUE(listed(form->WindowsDir + "\\win.ini"));
  EXPECT_TRUE(listed(form->WindowsDir + "\\system.ini"));
  EXPECT_TRUE(listed("C:\\kalmora-ini\\Tief\\Probe.INI"));
  EXPECT_FALSE(listed("C:\\kalmora-ini\\Tief\\Probe.txt"));
  EXPECT_EQ(Status(), std::to_string(found.size()) + " Ini-Dateien gefunden");
}

// --- the boot floppy -----------------------------------------------------------------------------

class RealBootFloppy : public RealSystemFiles {
 protected:
  void SetUp() override {
    RealSystemFiles::SetUp();
    form->GetWindowsVersion();  // the boot files are copied on the NT family only
    if (!files.Medium('A')) GTEST_SKIP() << "drive A: of the prefix is not mapped to a folder";
  }
  void TearDown() override {
    for (const char* name : {"NTDETECT.COM", "NTLDR", "NTBOOTDD.SYS", "BOOT.INI"}) {
      files.SetAttributes("A:\\"s + name, os::kAttrNormal);
      files.RemoveFile("A:\\"s + name);
    }
    files.RemoveFile("A:\\alt.txt");
    files.RemoveFile("A:\\Ordner\\x.dat");
    files.RemoveEmptyDirectory("A:\\Ordner");
  }
  std::vector<std::string> FloppyNames() {
    std::vector<std::string> names;
    for (const auto& entry : files.ListDirectory("A:").value_or(std::vector<os::DirEntry>{})) {
      if (!entry.name.starts_with(".")) names.push_back(base::UpperCase(entry.name));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  KeptFile ntdetect_{files, "C:\\NTDETECT.COM"};
  KeptFile ntldr_{files, "C:\\NTLDR"};
  KeptFile ntbootdd_{files, "C:\\NTBOOTDD.SYS"};
  KeptFile bootIni_{files, "C:\\Boot.ini"};
};

TEST_F(RealBootFloppy, TheFloppyIsEmptiedAndGetsTheFourBootFiles) {
  ASSERT_TRUE(files.WriteFile("A:\\alt.txt", "alter Inhalt"));
  ASSERT_TRUE(files.MakeDirectory("A:\\Ordner"));
  ASSERT_TRUE(files.WriteFile("A:\\Ordner\\x.dat", "y"));
  ASSERT_TRUE(files.SetAttributes("A:\\Ordner\\x.dat", os::kAttrReadOnly));
  ASSERT_TRUE(files.WriteFile("C:\\NTDETECT.COM", std::string(1000, 'd')));
  ASSERT_TRUE(files.WriteFile("C:\\NTLDR", std::string(3000, 'l')));
  ASSERT_TRUE(files.SetAttributes("C:\\NTLDR", os::kAttrReadOnly | os::kAttrHidden));
  ASSERT_TRUE(files.WriteFile("C:\\NTBOOTDD.SYS", std::string(500, 's')));
  ASSERT_TRUE(files.WriteFile("C:\\Boot.ini", "[boot loader]\r\ntimeout=30\r\n"));

  Select("Bootdiskette erstellen");
  form->BitBtns[0]->UserClick();
  ASSERT_TRUE(form->BitBtns[0]) << "the disk in A: was not seen";
  form->BitBtns[0]->UserClick();

  EXPECT_EQ(FloppyNames(),
            (std::vector<std::string>{"BOOT.INI", "NTBOOTDD.SYS", "NTDETECT.COM", "NTLDR"}));
  EXPECT_EQ(FileBytes("A:\\NTDETECT.COM"), std::string(1000, 'd'));
  EXPECT_EQ(FileBytes("A:\\NTLDR"), std::string(3000, 'l'));
  EXPECT_EQ(FileBytes("A:\\NTBOOTDD.SYS"), std::string(500, 's'));
  EXPECT_EQ(FileBytes("A:\\BOOT.INI"), "[boot loader]\r\ntimeout=30\r\n");
  EXPECT_EQ(form->Gauges[0]->Progress(), 100);
  EXPECT_EQ(form->Labels[2]->Caption(), "insgesamt 100 %");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Startdiskette wurde erstellt !");
  EXPECT_EQ(Messages()[0].caption, "BOOTDISKETTE ERSTELLEN");
}

// Takes the disk out of A:: the folder behind the drive is moved aside (through Wine's drive Z:,
// the host's root) and put back when the test ends.
class EjectedFloppy {
 public:
  EjectedFloppy() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix || !*prefix) return;
    std::wstring folder = L"Z:";
    for (const char* c = prefix; *c; ++c) folder += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    folder_ = folder + L"\\floppy";
    aside_ = folder + L"\\floppy-ausgeworfen";
    ejected_ = MoveFileW(folder_.c_str(), aside_.c_str()) != FALSE;
  }
  ~EjectedFloppy() {
    if (ejected_) MoveFileW(aside_.c_str(), folder_.c_str());
  }
  EjectedFloppy(const EjectedFloppy&) = delete;
  EjectedFloppy& operator=(const EjectedFloppy&) = delete;
  bool Ejected() const { return ejected_; }

 private:
  std::wstring folder_;
  std::wstring aside_;
  bool ejected_ = false;
};

TEST_F(RealBootFloppy, WithoutADiskTheUserIsAskedAgainUntilCancel) {
  const EjectedFloppy ejected;
  if (!ejected.Ejected()) GTEST_SKIP() << "the folder behind A: cannot be moved aside";
  ASSERT_FALSE(files.Medium('A'));
  Select("Bootdiskette erstellen");
  backend.Dialogs().AnswerMessage(ui::mrOk);
  backend.Dialogs().AnswerMessage(ui::mrCancel);
  form->BitBtns[0]->UserClick();
  ASSERT_EQ(Messages().size(), 2u);
  for (const auto& message : Messages()) {
    EXPECT_EQ(message.text, "Legen Sie eine Diskette in Lauferk A ein");
    EXPECT_EQ(message.caption, "Hinweis");
  }
  EXPECT_FALSE(form->BitBtns[0]) << "no second step";
}

}  // namespace
