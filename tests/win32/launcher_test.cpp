// The "&Extras" launcher on the real shell: an entry stored without a drive is started from the
// Windows folder, and one whose program is not there ends in the program's own message.
#include <windows.h>

#include "support/real_shell_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr const char* kOthers = "Software\\Kalmora2x\\Options\\Extras\\Sonstiges";

class RealLauncher : public RealShellTest {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { files.RemoveFile(kMarker); }

  // Builds the menu as a click on "&Extras" does and chooses the entry.
  void Choose(const std::string& caption) {
    form->ToolButton3Click();
    ui::MenuItem* group = form->PopupMenu3.Items().Find("Sonstiges");
    ASSERT_TRUE(group);
    ui::MenuItem* entry = group->Find(caption);
    ASSERT_TRUE(entry) << caption;
    entry->UserChoose();
  }
  // What the started program wrote, once it has (at most 20 s); the file exists empty for a
  // moment before the line is in it.
  std::string WaitForMarker() {
    std::string bytes;
    for (int i = 0; i < 200 && (!files.ReadFile(kMarker, bytes) || bytes.empty()); ++i) {
      Sleep(100);
    }
    return bytes;
  }

  static constexpr const char* kMarker = "C:\\kalmora-gestartet.txt";
};

TEST_F(RealLauncher, AnEntryWithoutADriveIsStartedFromTheWindowsFolder) {
  PutFile(form->WindowsDir + "\\kalmora-probe.bat",
          "@echo gestartet> C:\\kalmora-gestartet.txt\r\n");
  PutValue(RegRoot::CurrentUser, kOthers, "Probe", RegValue::String("kalmora-probe.bat"));
  Choose("Probe");
  EXPECT_EQ(WaitForMarker().substr(0, 9), "gestartet");
  EXPECT_TRUE(backend.Dialogs().Messages().empty());
}

TEST_F(RealLauncher, AProgramThatIsNotThereIsNamedInAMessage) {
  PutValue(RegRoot::CurrentUser, kOthers, "Fehlt", RegValue::String("C:\\kalmora-fehlt\\nie.exe"));
  Choose("Fehlt");
  const auto& messages = backend.Dialogs().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Das Programm \"C:\\kalmora-fehlt\\nie.exe\" konnte nicht gestartet werden.\n"
            "Prüfen Sie den Pfad des Eintrags \"Fehlt\" unter \"Extras bearbeiten\".");
  EXPECT_EQ(messages[0].caption, "Fehler");
}

}  // namespace
