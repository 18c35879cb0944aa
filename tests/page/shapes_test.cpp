// The common page shapes, each on a page of its own put in place of the keyboard page.
#include "page/shapes.h"
#include "../tweaks/page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using namespace page;

constexpr int kPage = 127;  // "Tastatur"
constexpr const char* kKey = "Software\\KalmoraTest";

class PageShapesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  // A check-list page over the settings, with a writer that writes them all.
  void CheckListPage(std::vector<CheckSetting> settings) {
    settings_ = std::move(settings);
    form->Pages().Register(kPage, [this](page::PageContext& f) {
      BeginPage(f, kPage, "Beschreibung");
      AddCheckList(f, 0, 20, 40, 420, 150);
      AddCheckItems(*f.ListViews[0], settings_);
      ReadChecks(f, *f.ListViews[0], settings_);
      f.BindApply([this, &f] { WriteChecks(f, *f.ListViews[0], settings_); });
    });
    Open(kPage);
  }

  std::vector<CheckSetting> settings_;
};

TEST_F(PageShapesTest, CheckSettingsReadNonZeroNumbersAsSetAndEverythingElseAsUnset) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\KalmoraTest]
"one"=dword:00000001
"seven"=dword:00000007
"zero"=dword:00000000
"text"="1"
"word"="ja"
"strzero"="0"
)");
  CheckListPage({NumberCheck("a", {1, kKey, "one"}), NumberCheck("b", {1, kKey, "seven"}),
                 NumberCheck("c", {1, kKey, "zero"}), NumberCheck("d", {1, kKey, "missing"}),
                 NumberCheck("e", {1, kKey, "text"}),  // a string read as DWORD is missing
                 NumberCheck("f", {1, kKey, "text"}, "s"), NumberCheck("g", {1, kKey, "word"}, "s"),
                 // inverted: set when it holds 0, but a missing value stays unchecked
                 NumberCheck("h", {1, kKey, "zero"}, "i", true),
                 NumberCheck("i", {1, kKey, "one"}, "i", true),
                 NumberCheck("j", {1, kKey, "missing"}, "i", true),
                 NumberCheck("k", {1, kKey, "strzero"}, "s", true)});
  EXPECT_EQ(Captions(),
            (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false, false, false, true, false, true, false,
                                         false, true}));
  ExpectTraced("Ungültiger Datentyp für 'text'");
  EXPECT_EQ(form->ListViews[0]->Columns().size(), 1u);
  EXPECT_EQ(form->ListViews[0]->Columns()[0].caption, "Programm");
}

TEST_F(PageShapesTest, CheckSettingsWriteEveryItemWithItsKindAndInversion) {
  CheckListPage({NumberCheck("dword", {1, kKey, "a"}), NumberCheck("string", {1, kKey, "b"}, "s"),
                 NumberCheck("inverted", {1, kKey, "c"}, "i", true),
                 TextCheck("text", {1, kKey, "d"}, "s", "YES", "YES", "NO")});
  ClickApply();  // nothing checked: every value is written all the same
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "a"), 0u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "b"), "0");
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "c"), 1u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "d"), "NO");

  SetChecks({true, true, true, true});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "a"), 1u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "b"), "1");
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "c"), 0u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "d"), "YES");

  Open(kPage);  // what was written reads back as written
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true, true}));
}

TEST_F(PageShapesTest, PairedChecksStopAtTheShorterList) {
  const auto settings = PairedChecks({"a", "b", "c"}, 1, kKey, {"x", "y"});
  ASSERT_EQ(settings.size(), 2u);
  CheckListPage(settings);
  SetChecks({false, true});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "x"), 0u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "y"), 1u);
}

TEST_F(PageShapesTest, RadiosSelectTheStoredValueAndWriteTheCheckedOne) {
  const RadioSetting setting{{1, kKey, "mode"}, "i", {"1", "2", "3"}};
  form->Pages().Register(kPage, [&](page::PageContext& f) {
    for (int i = 0; i < 3; ++i) AddRadioButton(f, i, 40, 40 + 15 * i, 200, "r");
    ReadRadios(f, 0, setting);
    f.BindApply([&] { WriteRadios(f, 0, setting); });
  });
  Open(kPage);
  EXPECT_EQ(CheckedRadio(*form, 0, 3), -1) << "nothing stored";
  ClickApply();
  EXPECT_FALSE(Value(RegRoot::CurrentUser, kKey, "mode")) << "no choice, nothing written";

  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"mode\"=dword:00000002\n");
  Open(kPage);
  EXPECT_EQ(CheckedRadio(*form, 0, 3), 1);
  form->RadioButtons[2]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "mode"), 3u);

  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"mode\"=dword:00000009\n");
  Open(kPage);
  EXPECT_EQ(CheckedRadio(*form, 0, 3), -1) << "an unknown value checks none";
}

TEST_F(PageShapesTest, SlidersReadStoredNumbersAndStopAtText) {
  const SliderSetting setting{{1, kKey, "delay"}};
  bool read = true;
  form->Pages().Register(kPage, [&](page::PageContext& f) {
    AddSlider(f, 0, 1, 2000, 100, 30, 80, 340, 23);
    AddLabel(f, 1, 180, 110, kNoValue);
    f.Sliders[0]->OnChange = [&f](ui::Control&) { TrackMenuDelay(f); };
    read = false;
    Quietly(f, [&] { read = ReadSlider(f, 0, setting); });
    f.BindApply([&] { WriteSlider(f, 0, setting); });
  });
  Open(kPage);
  EXPECT_FALSE(read);
  EXPECT_EQ(form->Sliders[0]->Value(), 100);
  EXPECT_EQ(form->Labels[1]->Caption(), kNoValue);
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "delay"), "100");

  form->Sliders[0]->UserSetValue(250);
  EXPECT_EQ(form->Labels[1]->Caption(), "250");

  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"delay\"=\"5000\"\n");
  Open(kPage);
  EXPECT_TRUE(read);
  EXPECT_EQ(form->Sliders[0]->Value(), 2000) << "kept inside the range";

  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"delay\"=\"schnell\"\n");
  Open(kPage);
  EXPECT_FALSE(read) << "text is no number";
  EXPECT_EQ(form->Sliders[0]->Value(), 100);
  ExpectTraced("'schnell' ist kein gültiger Integerwert");
}

TEST_F(PageShapesTest, TheDeleteBoxAsksOnlyWhenCheckedAndActsOnlyOnYes) {
  static int removals = 0;
  removals = 0;
  form->Pages().Register(kPage, [](page::PageContext& f) {
    AddDeleteBox(f, 0, 70, 170, 340, "Eintrag aus Registrierung entfernen", [](page::PageContext& g) {
      if (ConfirmDelete(g, g.CheckBoxes[0])) ++removals;
    });
  });
  Open(kPage);
  AnswerConfirmKeeping(false);
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie den Registrierungseintrag entfernen ?");
  EXPECT_EQ(removals, 0);
  form->CheckBoxes[0]->UserClick();  // unchecking asks nothing
  EXPECT_EQ(Modals(), 1);
  AnswerConfirm(true);
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(Modals(), 2);
  EXPECT_EQ(removals, 1);
}

TEST_F(PageShapesTest, EditsWriteTheirTextOrRemoveTheValueWhenEmpty) {
  const EditSetting removing{{1, kKey, "path"}, "s", true};
  const EditSetting keeping{{1, kKey, "name"}, "s", false};
  form->Pages().Register(kPage, [&](page::PageContext& f) {
    AddEdit(f, 0, 20, 40, 200);
    AddEdit(f, 1, 20, 70, 200);
    ReadEdit(f, 0, removing);
    ReadEdit(f, 1, keeping);
    f.BindApply([&] {
      WriteEdit(f, 0, removing);
      WriteEdit(f, 1, keeping);
    });
  });
  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"path\"=\"C:\\\\a.bmp\"\n\"name\"=\"x\"\n");
  Open(kPage);
  EXPECT_EQ(form->Edits[0]->Text(), "C:\\a.bmp");
  form->Edits[0]->UserType("");
  form->Edits[1]->UserType("");
  ClickApply();
  EXPECT_FALSE(Value(RegRoot::CurrentUser, kKey, "path"));
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "name"), "");
}

TEST_F(PageShapesTest, TheBuildFlagIsDownAfterABuilderFails) {
  int seen = -1;
  form->Pages().Register(kPage, [&](page::PageContext& f) {
    BuildFlag building(f);
    seen = f.PageBuilding;
    throw std::runtime_error("kaputt");
  });
  Open(kPage);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(form->PageBuilding, 0);
  ExpectTraced("TreeView1Change: kaputt");
}

}  // namespace
