// The page engine on records of its own, each shown in place of the keyboard page.
#include "page/engine.h"

#include "../tweaks/page_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::PageTest;
using namespace page;

constexpr int kPage = 127;  // "Tastatur"
constexpr const char* kKey = "Software\\KalmoraTest";

RegBinding Cu(std::string name, Kind kind = Kind::Integer) {
  return {Root::CurrentUser, kKey, std::move(name), kind};
}

class EngineTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  void Show(SettingsPage record) {
    record.pageId = kPage;
    records_ = {std::move(record)};
    RegisterSettingsPages(form->Pages(), records_);
    Open(kPage);
  }
  std::vector<bool> Boxes(int count) {
    std::vector<bool> checks;
    for (int i = 0; i < count; ++i) checks.push_back(form->CheckBoxes[i]->Checked());
    return checks;
  }

  std::vector<SettingsPage> records_;
};

TEST_F(EngineTest, CheckRulesReadTheirStoredStates) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\KalmoraTest]
"one"=dword:00000001
"seven"=dword:00000007
"zero"=dword:00000000
"text"="1"
"yes"="YES"
"bits"=dword:00000094
)");
  auto bit = [](uint32_t mask) {
    CheckSetting check = NumberCheck("bit", Cu("bits"));
    check.rule = CheckRule::Bit;
    check.mask = mask;
    return check;
  };
  Show({.controls = {CheckList{
            0,
            {20, 40, 420, 150},
            {NumberCheck("a", Cu("one")), NumberCheck("b", Cu("seven")),
             NumberCheck("c", Cu("zero")), NumberCheck("d", Cu("missing")),
             NumberCheck("e", Cu("text", Kind::String)), NumberCheck("f", Cu("zero"), true),
             NumberCheck("g", Cu("one"), true), NumberCheck("h", Cu("missing"), true),
             TextCheck("i", Cu("yes", Kind::String), "YES", "YES", "NO"),
             TextCheck("j", Cu("text", Kind::String), "YES", "YES", "NO"), bit(0x04), bit(0x90),
             bit(0x01)}}}});
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, false, false, true, true, false, false, true,
                                         false, true, true, false}));
  EXPECT_EQ(List().Columns()[0].caption, "Programm");
}

TEST_F(EngineTest, ACheckListColumnGrowsToItsWidestCaptionOnly) {
  Show({.controls = {CheckList{0, {20, 40, 420, 150}, {NumberCheck("kurz", Cu("a"))}}}});
  EXPECT_EQ(List().Columns()[0].width, 395) << "the list's width less its scroll bar";

  const std::string longCaption(120, 'W');
  Show(
      {.controls = {CheckList{0,
                              {20, 40, 420, 150},
                              {NumberCheck("kurz", Cu("a")), NumberCheck(longCaption, Cu("b"))}}}});
  ASSERT_EQ(List().Count(), 2);
  EXPECT_EQ(List().Columns().size(), 1u);
  // Room for the text and the check box beside it.
  EXPECT_GE(List().Columns()[0].width, backend.TextExtent(List().GetFont(), longCaption).x + 16);
}

TEST_F(EngineTest, ATextThatIsNoNumberEndsTheReaderAndALaterItemStaysAsBuilt) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\KalmoraTest]
"one"=dword:00000001
"word"="ja"
)");
  Show({.controls = {CheckBoxes{.checks = {NumberCheck("a", Cu("one")),
                                           NumberCheck("b", Cu("word", Kind::String)),
                                           NumberCheck("c", Cu("one"))}}},
        .readerName = "GetTest"});
  EXPECT_EQ(Boxes(3), (std::vector<bool>{true, false, false}));
  ExpectTraced("GetTest: 'ja' ist kein gültiger Integerwert");
}

TEST_F(EngineTest, WritersWriteEveryStateWithItsKindAndKeepOtherBits) {
  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"bits\"=dword:00000081\n");
  CheckSetting bit = NumberCheck("bit", Cu("bits"));
  bit.rule = CheckRule::Bit;
  bit.mask = 0x04;
  Show({.controls = {CheckBoxes{.checks = {NumberCheck("n", Cu("n")),
                                           NumberCheck("s", Cu("s", Kind::String)),
                                           NumberCheck("inv", Cu("inv"), true),
                                           TextCheck("b", Cu("b", Kind::Binary), "01 00 00 00",
                                                     "01 00 00 00", "00 00 00 00"),
                                           bit}}},
        .writerName = "WriteTest"});
  ClickApply();
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "n"), 0u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "s"), "0");
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "inv"), 1u);
  EXPECT_EQ(Bytes(RegRoot::CurrentUser, kKey, "b"), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "bits"), 0x81u);
  for (int i = 0; i < 5; ++i) form->CheckBoxes[i]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "n"), 1u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "s"), "1");
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "inv"), 0u);
  EXPECT_EQ(Bytes(RegRoot::CurrentUser, kKey, "b"), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "bits"), 0x85u);
}

TEST_F(EngineTest, RadiosCheckTheStoredOneAndAKeyThatMustExistIsNotMade) {
  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"r\"=\"b\"\n");
  RegBinding existingOnly = Cu("x", Kind::String);
  existingOnly.key = "Software\\KalmoraTest\\Missing";
  existingOnly.createsKey = false;
  Show({.controls = {Radios{.captions = {"A", "B", "C"},
                            .value = Cu("r", Kind::String),
                            .stored = {"a", "b", "c"},
                            .checkedAtBuild = 2},
                     Radios{.firstSlot = 3,
                            .top = 100,
                            .captions = {"X", "Y"},
                            .value = existingOnly,
                            .stored = {"x", "y"},
                            .checkedAtBuild = 0,
                            .groupSlot = 0,
                            .groupAt = {20, 90, 300, 60}},
                     Radios{.firstSlot = 5,
                            .top = 160,
                            .captions = {"P", "Q"},
                            .value = Cu("none", Kind::String),
                            .stored = {"p", "q"}}},
        .writerName = "WriteTest"});
  EXPECT_TRUE(form->RadioButtons[1]->Checked());
  EXPECT_FALSE(form->RadioButtons[2]->Checked());
  form->RadioButtons[2]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "r"), "c");
  EXPECT_FALSE(KeyExists(RegRoot::CurrentUser, "Software\\KalmoraTest\\Missing"));
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "none"), "<none>") << "no button chosen";

  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"r\"=\"other\"\n");
  Open(kPage);
  EXPECT_TRUE(form->RadioButtons[2]->Checked()) << "an unknown text leaves the buttons as built";
}

TEST_F(EngineTest, SliderShowsItsValueAndItsDeleteBoxAsksOnEveryClick) {
  Show({.controls = {Slider{.min = 1,
                            .max = 2000,
                            .start = 100,
                            .at = {30, 65, 340, 23},
                            .value = Cu("delay", Kind::String),
                            .missingText = "Keine Angabe",
                            .readSuffix = " ms",
                            .deleteBox = DeleteBox{.at = {70, 120, 340, 13},
                                                   .caption = "Eintrag wieder löschen"}},
                     Label{1, 180, 90, "keine Angabe"}},
        .writerName = "WriteTest"});
  EXPECT_EQ(form->Labels[1]->Caption(), "Keine Angabe");
  EXPECT_EQ(form->Sliders[0]->Value(), 100);
  form->Sliders[0]->UserSetValue(250);
  EXPECT_EQ(form->Labels[1]->Caption(), "250");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "delay"), "250");
  Open(kPage);
  EXPECT_EQ(form->Labels[1]->Caption(), "250 ms");

  AnswerConfirmKeeping(false);
  form->CheckBoxes[0]->UserClick();  // checking asks
  EXPECT_EQ(confirmMessage, "Wollen Sie den Registrierungseintrag entfernen ?");
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "delay"), "250");
  AnswerConfirm(true);
  form->CheckBoxes[0]->UserClick();  // and so does unchecking
  EXPECT_EQ(Modals(), 2);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "delay"), "<none>");
  EXPECT_EQ(form->Labels[1]->Caption(), "Keine Angabe") << "read again";
}

TEST_F(EngineTest, ADeleteBoxThatAsksOnlyWhenCheckedResetsItsSlider) {
  Seed("[HKEY_CURRENT_USER\\Software\\KalmoraTest]\n\"icons\"=\"2000\"\n");
  Show({.controls = {Slider{.min = 512,
                            .max = 8192,
                            .start = 512,
                            .value = Cu("icons", Kind::String),
                            .deleteBox = DeleteBox{.caption = "weg",
                                                   .asksOnlyWhenChecked = true,
                                                   .after = AfterDelete::ResetSlider}},
                     Label{1, 180, 143, "keine Angabe"}}});
  EXPECT_EQ(form->Labels[1]->Caption(), "2000");
  AnswerConfirm(true);
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "icons"), "<none>");
  EXPECT_EQ(form->Sliders[0]->Value(), 512);
  EXPECT_EQ(form->Labels[1]->Caption(), "keine Angabe");
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(Modals(), 1) << "taking the mark away asks nothing";
}

TEST_F(EngineTest, EmptyEditsWriteDeleteOrKeepAsTheRecordSays) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\KalmoraTest]
"w"="alt"
"d"="alt"
"k"="alt"
)");
  Show({.controls = {Edit{0, 20, 40, 200, Cu("w", Kind::String)},
                     Edit{1, 20, 70, 200, Cu("d", Kind::String), EmptyEdit::DeletesValue},
                     Edit{2, 20, 100, 200, Cu("k", Kind::String), EmptyEdit::KeepsStored}},
        .writerName = "WriteTest"});
  EXPECT_EQ(form->Edits[1]->Text(), "alt");
  for (int i = 0; i < 3; ++i) form->Edits[i]->UserType("");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "w"), "");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "d"), "<none>");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kKey, "k"), "alt");
}

TEST_F(EngineTest, BuildFlagPoliciesAndAWriterThatWaitsForTheBuild) {
  int seen = -1;
  const auto peek = [&](PageContext& f) { seen = f.PageBuilding; };
  Show({.buildFlag = BuildFlagPolicy::HeldWhileBuilding, .beforeRead = peek});
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(form->PageBuilding, 0);
  Show({.buildFlag = BuildFlagPolicy::SetAndLeft});
  EXPECT_EQ(form->PageBuilding, 1);
  Show({.buildFlag = BuildFlagPolicy::Untouched});
  EXPECT_EQ(form->PageBuilding, 1) << "untouched";
  Show({.buildFlag = BuildFlagPolicy::ClearedAtEnd, .beforeRead = peek});
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(form->PageBuilding, 0);

  // Control events raised while the page is built reach a writer that must not write yet.
  Show({.buildFlag = BuildFlagPolicy::HeldWhileBuilding,
        .controls = {CheckBoxes{.checks = {NumberCheck("a", Cu("a"))}}},
        .writerName = "WriteTest",
        .afterBuild = [this](PageContext& f) { WriteSettingsPage(f, records_[0]); },
        .idleWhileBuilding = true});
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "a"), std::nullopt);
  EXPECT_EQ(Status(), "");
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kKey, "a"), 0u);
}

TEST_F(EngineTest, ARecordListsEveryValueAndNameItUses) {
  CheckSetting special;
  special.caption = "s";
  special.read = [](PageContext&) { return false; };
  special.write = [](PageContext&, bool) {};
  special.touches = {Cu("touched")};
  const SettingsPage record{.controls = {CheckBoxes{.checks = {NumberCheck("a", Cu("a")), special}},
                                         Slider{.value = Cu("slider", Kind::String),
                                                .track = {"TrackIt", {}},
                                                .deleteBox = DeleteBox{.action = {"DelIt", {}}}},
                                         Button{0, {}, "...", {"Press", {}}}},
                            .readerName = "GetIt",
                            .writerName = "WriteIt",
                            .hookTouches = {Cu("hook")},
                            .hookActions = {"Press", "Other"}};
  std::vector<std::string> names;
  for (const RegBinding& value : PageValues(record)) names.push_back(value.name);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "touched", "slider", "hook"}));
  EXPECT_EQ(PageNames(record),
            (std::vector<std::string>{"GetIt", "WriteIt", "TrackIt", "DelIt", "Press", "Other"}));
}

}  // namespace
