// The Control Panel pages on the prefix's own Control Panel folder: its applets are listed, and
// one hidden by the page is listed as hidden after apply and stays hidden.
#include "support/real_shell_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr const char* kDontLoad = "Control Panel\\don't load";
// The Internet applet is the one of Wine's applets whose name the page knows in any language.
constexpr const char* kInternet = "inetcpl.cpl";

class RealControlPanel : public RealShellTest {
 protected:
  void SetUp() override {
    Start();
    ASSERT_FALSE(HasValue(RegRoot::CurrentUser, kDontLoad, kInternet));
    // Makes the key if the prefix has none, and stands for another program's value.
    PutValue(RegRoot::CurrentUser, kDontLoad, "KalmoraTest.cpl", RegValue::String("0"));
  }
  void TearDown() override {
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kDontLoad, os::RegAccess::ReadWrite)) {
      key->DeleteValue(kInternet);
    }
  }
  int InternetRow() {
    for (int i = 0; i < List().Count(); ++i) {
      if (List().Item(i)->SubItem(0) == kInternet) return i;
    }
    return -1;
  }
  std::string InternetShown() {
    const int row = InternetRow();
    return row < 0 ? "(not listed)" : List().Item(row)->SubItem(1);
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < List().Count(); ++i) captions.push_back(List().Item(i)->Caption());
    return captions;
  }
};

TEST_F(RealControlPanel, ListsThePrefixsAppletsAndHidesOne) {
  Select("Einträge in Systemsteuerung");
  // Wine's applets: software, game controllers and Internet settings.
  ASSERT_GE(List().Count(), 3);
  for (int i = 0; i < List().Count(); ++i) {
    EXPECT_FALSE(List().Item(i)->Caption().empty());
    EXPECT_GE(List().Item(i)->ImageIndex(), 0) << List().Item(i)->Caption();
  }
  const int internet = InternetRow();
  ASSERT_GE(internet, 0);
  EXPECT_EQ(InternetShown(), "ja");
  const std::vector<std::string> names = Captions();
  Select("Systemsteuerung");
  EXPECT_EQ(Captions(), names) << "the Control Panel page shows the same applets";
  EXPECT_GE(List().Item(0)->ImageIndex(), 0) << "with the system's large icons";
  Select("Einträge in Systemsteuerung");

  List().UserClickItem(internet);
  form->Image1->UserClick();
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_TRUE(HasValue(RegRoot::CurrentUser, kDontLoad, kInternet));
  Select("Systemsteuerung");
  Select("Einträge in Systemsteuerung");
  EXPECT_EQ(Captions(), names) << "a hidden applet is still listed here";
  EXPECT_EQ(InternetShown(), "nein");
  EXPECT_TRUE(HasValue(RegRoot::CurrentUser, kDontLoad, kInternet)) << "and stays hidden";
  EXPECT_TRUE(HasValue(RegRoot::CurrentUser, kDontLoad, "KalmoraTest.cpl"));
  EXPECT_TRUE(trace.Entries().empty());
}

}  // namespace
