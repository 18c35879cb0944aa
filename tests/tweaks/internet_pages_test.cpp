// The pages of the "Internet" and "Sicherheitseinstellungen" branches, built against a seeded
// registry: what each shows and exactly what its apply button writes or removes.
#include "base/text.h"
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Marks = std::vector<bool>;
using Texts = std::vector<std::string>;

constexpr const char* kRestrictions =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
constexpr const char* kTyped = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr const char* kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kNetwork = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";

class InternetPagesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  // What the last clicks changed, as "HKCU\key\name=value" ("-" for a removal), in order.
  Texts Written() {
    Texts written;
    for (const os::RegEvent& event : recording.Changes()) {
      if (event.op != os::RegEvent::Op::SetValue && event.op != os::RegEvent::Op::DeleteValue) {
        continue;
      }
      std::string line = std::string(event.root == RegRoot::CurrentUser ? "HKCU\\" : "HKLM\\") +
                         event.path + "\\" + event.name + "=";
      if (event.op == os::RegEvent::Op::DeleteValue) {
        line += "-";
      } else if (event.written->type == os::kRegDword) {
        line += "dword:" + std::to_string(event.written->data[0]);
      } else if (event.written->type == os::kRegSz) {
        line += "\"" + event.written->AsString() + "\"";
      } else {
        line += "<type " + std::to_string(event.written->type) + ">";
      }
      written.push_back(line);
    }
    recording.Clear();
    return written;
  }
  // The lines of names in key, each "=dword:<bit>" for the marks given.
  static Texts Dwords(const std::string& key, const Texts& names, const Marks& marks) {
    Texts lines;
    for (size_t i = 0; i < names.size(); ++i) {
      lines.push_back(key + "\\" + names[i] + "=dword:" + (marks[i] ? "1" : "0"));
    }
    return lines;
  }
  void ApplyAndClear() {
    recording.Clear();
    ClickApply();
  }
};

// --- restriction lists ---------------------------------------------------------------------------

TEST_F(InternetPagesTest, BrowserRestrictionsReadNumbersOnlyAndWriteAllTen) {
  Seed(std::string("[HKEY_CURRENT_USER\\") + kRestrictions + R"(]
"NoFavorites"=dword:00000001
"NoFileOpen"=dword:00000000
"NoTheaterMode"="1"
"NoBrowserClose"=dword:00000005
)");
  Open(105);
  ExpectTraced("NoTheaterMode");  // a text where a number belongs reads as missing
  EXPECT_EQ(form->Labels[0]->Caption(), "Bestimmen Sie was man im InternetExplorer machen darf");
  ASSERT_EQ(List().Count(), 10);
  EXPECT_EQ(List().Item(1)->Caption(),
            "Tastaturkombination CTRL +N des Internet Explorer deaktivieren");
  EXPECT_EQ(List().Item(3)->Caption(), "Tastaturkombination F3 des Internet Explorer deaktiviern");
  EXPECT_EQ(Checks(), (Marks{true, false, false, false, false, false, false, false, false, true}));

  List().UserToggleCheck(4);
  List().UserToggleCheck(9);
  ApplyAndClear();
  const Marks marks{true, false, false, false, true, false, false, false, false, false};
  EXPECT_EQ(Written(), Dwords(std::string("HKCU\\") + kRestrictions,
                              {"NoFavorites", "NoFileNew", "NoFileOpen", "NoFindFiles",
                               "NoTheaterMode", "NoSelectDownloadDir", "NoBrowserSaveAs",
                               "NoBrowserOptions", "NoBrowserContextMenu", "NoBrowserClose"},
                              marks));
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(InternetPagesTest, NetworkItemsOfTheSameNameKeepTheirOwnKeys) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer]
"NoFileSharingControl"=dword:00000001
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network]
"NoFileSharingControl"=dword:00000000
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network]
"NoDialIn"=dword:00000001
)");
  Open(38);
  EXPECT_EQ(form->Labels[10], nullptr) << "no headline";
  ASSERT_EQ(List().Count(), 15);
  EXPECT_EQ(List().Item(3)->Caption(),
            "\"Map Laufwerk\"und \"Netzwerklaufwerk Menü\" in dem rechtsklick Menü entfernt");
  EXPECT_EQ(List().Item(5)->Caption(),
            "\"Gesamtes Netzwerk\" aus der Netzwerkumgebung ausgeblenden. ");
  Marks marks(15, false);
  marks[1] = marks[14] = true;
  EXPECT_EQ(Checks(), marks);

  List().UserToggleCheck(1);
  List().UserToggleCheck(7);
  List().UserToggleCheck(12);
  ApplyAndClear();
  const Texts written = Written();
  ASSERT_EQ(written.size(), 15u);
  const std::string user = "HKCU\\" + std::string(kExplorer) + "\\";
  const std::string userNet = "HKCU\\" + std::string(kNetwork) + "\\";
  const std::string machine = "HKLM\\" + std::string(kNetwork) + "\\";
  EXPECT_EQ(written[1], user + "NoFileSharingControl=dword:0");
  EXPECT_EQ(written[5], userNet + "NoEntireNetwork=dword:0");
  EXPECT_EQ(written[7], userNet + "NoFileSharingControl=dword:1");
  EXPECT_EQ(written[9], machine + "NoFileSharing=dword:0");
  EXPECT_EQ(written[12], machine + "NoNetSetupIDPage=dword:1");
  EXPECT_EQ(written[14], machine + "NoDialIn=dword:1");

  Seed(std::string("[HKEY_CURRENT_USER\\") + kNetwork + "]\n\"NoPrintSharingControl\"=dword:1\n");
  Open(39);
  ASSERT_EQ(List().Count(), 7);
  EXPECT_EQ(List().Item(0)->Caption(), "Installieren von neuen Druckern  deaktivieren");
  EXPECT_EQ(Checks(), (Marks{false, false, false, false, false, true, false}));
}

// --- typed addresses -----------------------------------------------------------------------------

TEST_F(InternetPagesTest, TypedAddressesAreRemovedOnlyWhenSelectedAndConfirmed) {
  Open(107);
  EXPECT_EQ(List().Count(), 0);
  EXPECT_FALSE(KeyExists(RegRoot::CurrentUser, kTyped)) << "reading creates nothing";

  Seed(std::string("[HKEY_CURRENT_USER\\") + kTyped + R"(]
"url1"="http://www.example.com/"
"url10"="ftp://ftp.example.org/"
"url2"="http://intranet/"
"url3"=dword:00000001
)");
  Open(107);
  EXPECT_TRUE(List().MultiSelect());
  EXPECT_EQ(Captions(), (Texts{"url1", "url2", "url3", "url10"}));
  EXPECT_EQ(List().Item(0)->SubItems(), Texts{"http://www.example.com/"});
  EXPECT_EQ(List().Item(2)->SubItems(), Texts{""}) << "no text, no address";

  List().UserClickItem(1);
  AnswerConfirm(false);
  ApplyAndClear();
  EXPECT_TRUE(Written().empty());
  EXPECT_EQ(List().Count(), 4);
  EXPECT_NE(Status(), "Änderungen übernommen");

  List().ClearSelection();
  AnswerConfirm(true);
  ClickApply();
  EXPECT_TRUE(Written().empty()) << "nothing selected";

  List().UserClickItem(1);
  List().UserClickItem(2, true);
  List().UserClickItem(3, true);
  AnswerConfirmKeeping(true);
  ClickApply();
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie markierten Einträge wirklich entfernen ?");
  const std::string key = "HKCU\\" + std::string(kTyped) + "\\";
  EXPECT_EQ(Written(), (Texts{key + "url10=-", key + "url3=-", key + "url2=-"}));
  EXPECT_EQ(Captions(), Texts{"url1"});
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

// --- edits ---------------------------------------------------------------------------------------

TEST_F(InternetPagesTest, ToolbarPictureGoesToBothValuesAndAnEmptyEditRemovesBoth) {
  Seed(std::string("[HKEY_CURRENT_USER\\") + kToolbar + R"(]
"BackBitmap"="C:\\Bilder\\alt.bmp"
"BackBitmapIE5"="C:\\Bilder\\ie5.bmp"
)");
  Open(109);
  EXPECT_EQ(form->Edits[0]->Text(), "C:\\Bilder\\alt.bmp");
  backend.Dialogs().AnswerOpenFile("C:\\Bilder\\leiste.bmp");
  form->BitBtns[0]->UserClick();
  ASSERT_EQ(backend.Dialogs().FileDialogs().size(), 1u);
  EXPECT_TRUE(backend.Dialogs().FileDialogs()[0].picture);
  ApplyAndClear();
  const std::string key = "HKCU\\" + std::string(kToolbar) + "\\";
  EXPECT_EQ(Written(), (Texts{key + "BackBitmapIE5=\"C:\\Bilder\\leiste.bmp\"",
                              key + "BackBitmap=\"C:\\Bilder\\leiste.bmp\""}));
  form->Edits[0]->UserType("");
  ClickApply();
  EXPECT_EQ(Written(), (Texts{key + "BackBitmapIE5=-", key + "BackBitmap=-"}));
}

// --- the mail client's identity key --------------------------------------------------------------

TEST_F(InternetPagesTest, MailClientPagesWriteNothingWithoutAnIdentity) {
  Open(116);
  EXPECT_EQ(form->Edits[0]->Text(), "Outlook Express");
  ApplyAndClear();
  Open(117);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_TRUE(Written().empty());
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_FALSE(KeyExists(RegRoot::CurrentUser, "Identities"));
}

TEST_F(InternetPagesTest, MailClientPagesUseTheFirstIdentityAndItsFirstVersion) {
  const std::string first =
      "Identities\\{1A2B3C4D-0000-0000-0000-000000000001}\\Software\\"
      "Microsoft\\Outlook Express";
  const std::string second =
      "Identities\\{9F8E7D6C-0000-0000-0000-000000000002}\\Software\\"
      "Microsoft\\Outlook Express";
  Seed("[HKEY_CURRENT_USER\\" + second + "\\5.0]\n\"WindowTitle\"=\"Falsch\"\n" +
       "[HKEY_CURRENT_USER\\" + first + "\\5.0]\n\"WindowTitle\"=\"Post von Anna\"\n" +
       "\"NoSplash\"=dword:00000001\n" + "[HKEY_CURRENT_USER\\" + first + "\\6.0]\n");
  Open(116);
  EXPECT_EQ(form->Edits[0]->Text(), "Post von Anna");
  form->Edits[0]->UserType("Neue Post");
  ApplyAndClear();
  EXPECT_EQ(Written(), Texts{"HKCU\\" + first + "\\5.0\\WindowTitle=\"Neue Post\""});

  Open(117);
  EXPECT_EQ(form->CheckBoxes[0]->Caption(), "Splash Screen vom Outlook Express deaktivieren");
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ApplyAndClear();
  EXPECT_EQ(Written(), Texts{"HKCU\\" + first + "\\5.0\\NoSplash=dword:0"});

  // A title stored as a number is no title: the page shows the client's own name.
  Seed("[HKEY_CURRENT_USER\\" + first + "\\5.0]\n\"WindowTitle\"=dword:00000001\n");
  Open(116);
  EXPECT_EQ(form->Edits[0]->Text(), "Outlook Express");
}

}  // namespace
