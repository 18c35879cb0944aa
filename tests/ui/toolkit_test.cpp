// The toolkit's own behaviour where it could be wrong: ownership and disposal, event order,
// layout, modal answering, timers and menus. Runs on the in-memory backend.
#include <gtest/gtest.h>

#include "headless/headless_backend.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace {

using namespace ui;

class Toolkit : public ::testing::Test {
 protected:
  headless::HeadlessBackend backend;
  Form form{backend};
};

TEST_F(Toolkit, DestroyingAContainerDestroysEverythingOnIt) {
  const int before = backend.LivePeers();
  auto* page = form.Add<Panel>();
  auto* group = page->Add<GroupBox>();
  group->Add<CheckBox>();
  group->Add<CheckBox>();
  auto* tabs = page->Add<PageControl>();
  tabs->AddSheet("eins")->Add<Edit>();
  page->Add<Timer>();
  EXPECT_EQ(backend.LivePeers(), before + 8);
  EXPECT_EQ(backend.ActiveTimers(), 1);
  form.Destroy(page);
  EXPECT_EQ(backend.LivePeers(), before);
  EXPECT_EQ(backend.ActiveTimers(), 0);
  EXPECT_TRUE(form.Children().empty());
}

TEST_F(Toolkit, AControlDestroyedByItsOwnEventLivesUntilTheEventEnds) {
  auto* page = form.Add<Panel>();
  auto* button = page->Add<Button>();
  int peersDuringEvent = 0;
  bool stillReadable = false;
  button->OnClick = [&](Control& sender) {
    form.Destroy(page);
    // The sender is gone from its form but not yet freed.
    stillReadable = sender.Kind() == ControlKind::Button && !sender.Showing();
    peersDuringEvent = backend.LivePeers();
  };
  const int before = backend.LivePeers();
  button->UserClick();
  EXPECT_TRUE(stillReadable);
  EXPECT_EQ(peersDuringEvent, before);
  EXPECT_EQ(backend.LivePeers(), before - 2);
}

TEST_F(Toolkit, MarksClickOnEveryChangeAndARadioUnchecksItsSiblingsOnly) {
  auto* box = form.Add<CheckBox>();
  auto* group = form.Add<GroupBox>();
  RadioButton* radios[3];
  for (auto*& radio : radios) radio = group->Add<RadioButton>();
  auto* elsewhere = form.Add<RadioButton>();
  elsewhere->SetChecked(true);
  std::vector<int> clicked;
  box->SetTag(9);
  for (int i = 0; i < 3; ++i) radios[i]->SetTag(i);
  for (Control* control : std::initializer_list<Control*>{box, radios[0], radios[1], radios[2]}) {
    control->OnClick = [&](Control& sender) { clicked.push_back(sender.Tag()); };
  }
  box->SetChecked(false);
  EXPECT_TRUE(clicked.empty()) << "no change, no click";
  box->SetChecked(true);
  box->UserClick();
  EXPECT_FALSE(box->Checked());
  for (auto* radio : radios) radio->SetChecked(true);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  radios[2]->UserClick();
  EXPECT_EQ(clicked, (std::vector<int>{9, 9, 0, 1, 2}))
      << "clicking the checked one changes nothing";
}

TEST_F(Toolkit, ChangeEventsOfTextAndRanges) {
  auto* edit = form.Add<Edit>();
  auto* slider = form.Add<Slider>();
  auto* combo = form.Add<ComboBox>();
  std::vector<std::string> events;
  edit->OnChange = [&](Control&) { events.push_back("edit " + edit->Text()); };
  slider->OnChange = [&](Control&) {
    events.push_back("slider " + std::to_string(slider->Value()));
  };
  combo->OnClick = [&](Control&) { events.push_back("combo click"); };
  combo->OnChange = [&](Control&) { events.push_back("combo change " + combo->Text()); };
  edit->SetText("a");
  edit->SetText("a");
  edit->UserType("ab");
  slider->SetRange(512, 8192);
  slider->SetValue(100000);
  combo->SetItems({"x", "y"});
  combo->SetItemIndex(0);
  combo->UserSelect(1);
  EXPECT_EQ(events, (std::vector<std::string>{"edit a", "edit ab", "slider 512", "slider 8192",
                                              "combo click", "combo change y"}));
}

TEST_F(Toolkit, AlignedChildrenShareTheirParentsArea) {
  form.SetClientSize(751, 434);
  auto* top = form.Add<Panel>();
  top->SetHeight(38);
  top->SetAlign(Align::Top);
  auto* bottom = form.Add<Panel>();
  bottom->SetHeight(19);
  bottom->SetAlign(Align::Bottom);
  auto* left = form.Add<Panel>();
  left->SetWidth(257);
  left->SetAlign(Align::Left);
  auto* splitter = form.Add<Splitter>();
  splitter->SetWidth(6);
  splitter->SetAlign(Align::Left);
  auto* client = form.Add<Panel>();
  client->SetAlign(Align::Client);
  EXPECT_EQ(top->Bounds(), (Rect{0, 0, 751, 38}));
  EXPECT_EQ(bottom->Bounds(), (Rect{0, 415, 751, 19}));
  EXPECT_EQ(left->Bounds(), (Rect{0, 38, 257, 377}));
  EXPECT_EQ(splitter->Bounds(), (Rect{257, 38, 6, 377}));
  EXPECT_EQ(client->Bounds(), (Rect{263, 38, 488, 377}));
  splitter->UserDrag(40);
  EXPECT_EQ(left->Width(), 297);
  EXPECT_EQ(client->Bounds(), (Rect{303, 38, 448, 377}));
  bottom->Hide();
  EXPECT_EQ(client->Height(), 396) << "a hidden aligned control gives its room back";
}

TEST_F(Toolkit, PanelsLayOutInsideTheirBevels) {
  auto* panel = form.Add<Panel>();
  panel->SetBounds({0, 0, 100, 50});
  panel->SetBevelInner(BevelCut::Lowered);
  auto* child = panel->Add<Panel>();
  child->SetAlign(Align::Client);
  EXPECT_EQ(child->Bounds(), (Rect{2, 2, 96, 46}));
  panel->SetBevelOuter(BevelCut::None);
  panel->SetBevelInner(BevelCut::None);
  EXPECT_EQ(child->Bounds(), (Rect{0, 0, 100, 50}));
}

TEST_F(Toolkit, AutoSizedLabelsTakeTheSizeOfTheirCaption) {
  auto* label = form.Add<Label>();
  label->SetCaption("Abstand von der linken Bildschirmseite");
  label->SetBounds({10, 10, 40, 13});
  EXPECT_GT(label->Width(), 40);
  const int wide = label->Width();
  Font big = label->GetFont();
  big.SetSize(16);
  label->SetFont(big);
  EXPECT_GT(label->Width(), wide) << "a bigger font makes it wider";
}

TEST_F(Toolkit, ModalFormsEndWithTheResultOfTheButtonPressed) {
  Form dialog(backend, &form);
  dialog.SetCaption("Löschen bestätigen");
  auto* yes = dialog.Add<Button>();
  yes->SetCaption("&Ja");
  yes->SetModalResult(mrYes);
  int answered = 0;
  yes->OnClick = [&](Control&) { answered = 1; };
  backend.OnNextModal([&](Form& shown) {
    EXPECT_TRUE(shown.Visible());
    static_cast<Button*>(shown.Children().front().get())->UserClick();
  });
  EXPECT_EQ(dialog.ShowModal(), mrYes);
  EXPECT_EQ(answered, 1);
  EXPECT_FALSE(dialog.Visible());
  // Nothing scripted: the form is closed, as if the user pressed its close box.
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(backend.ModalCaptions(),
            (std::vector<std::string>{"Löschen bestätigen", "Löschen bestätigen"}));
}

TEST_F(Toolkit, AnEscapingErrorShowsTheDefaultMessage) {
  auto* button = form.Add<Button>();
  button->OnClick = [](Control&) { throw std::runtime_error("Ungültiger Datentyp für 'x'"); };
  button->UserClick();
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u);
  EXPECT_EQ(backend.Dialogs().Messages()[0].text, "Ungültiger Datentyp für 'x'");
  EXPECT_EQ(backend.Dialogs().Messages()[0].caption, "Kalmora2x");
}

TEST_F(Toolkit, TheFormSeesKeysBeforeItsControls) {
  auto* edit = form.Add<Panel>()->Add<Edit>();
  std::vector<int> formKeys;
  std::vector<int> editKeys;
  form.OnShortCut = [&](Form&, int key, unsigned shift, bool& handled) {
    formKeys.push_back(key);
    handled = key == 'F' && shift == kCtrl;
  };
  edit->OnKeyDown = [&](Control&, int& key, unsigned) { editKeys.push_back(key); };
  edit->UserKeyDown('F', kCtrl);
  edit->UserKeyDown('F', kShiftNone);
  EXPECT_EQ(formKeys, (std::vector<int>{'F', 'F'}));
  EXPECT_EQ(editKeys, std::vector<int>{'F'}) << "a key the form took stays from the control";
}

TEST_F(Toolkit, TimersTickWhileActive) {
  auto* timer = form.Add<Timer>();
  int ticks = 0;
  timer->OnTimer = [&](Control&) { ++ticks; };
  backend.TickTimers();
  timer->SetActive(false);
  backend.TickTimers();
  timer->SetActive(true);
  backend.TickTimers();
  EXPECT_EQ(ticks, 2);
  form.Destroy(timer);
  backend.TickTimers();
  EXPECT_EQ(ticks, 2);
}

TEST_F(Toolkit, ListSelectionAndChecks) {
  auto* list = form.Add<ListView>();
  list->SetStyle(ViewStyle::Report);
  list->SetCheckBoxes(true);
  for (const char* caption : {"a", "b", "c"}) list->Add(caption)->AddSubItem("x");
  std::vector<std::string> events;
  list->OnSelectItem = [&](ListView&, ListItem& item, bool selected) {
    events.push_back(item.Caption() + (selected ? "+" : "-"));
  };
  list->OnClick = [&](Control&) { events.push_back("click"); };
  list->UserClickItem(1);
  list->UserClickItem(2, true);
  EXPECT_EQ(list->SelCount(), 1) << "single selection";
  list->SetMultiSelect(true);
  list->UserClickItem(0, true);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"b+", "click", "b-", "c+", "click", "a+", "click"}));
  list->UserToggleCheck(1);
  EXPECT_TRUE(list->Item(1)->Checked());
  list->Delete(0);
  EXPECT_EQ(list->Selected()->Caption(), "c");
}

TEST_F(Toolkit, TreeSelectionRunsChangeBeforeMouseDown) {
  auto* tree = form.Add<TreeView>();
  TreeNode* root = tree->Add(nullptr, "Kalmora");
  TreeNode* group = tree->Add(root, "Hardware");
  TreeNode* leaf = tree->Add(group, "Tastatur");
  std::vector<std::string> events;
  tree->OnChange = [&](TreeView&, TreeNode* node) {
    events.push_back("change " + (node ? node->Text() : "-"));
  };
  tree->OnMouseDown = [&](Control&, MouseButton, unsigned, int, int) {
    events.push_back("down " + tree->Selected()->Text());
  };
  tree->UserClickNode(leaf);
  EXPECT_TRUE(root->Expanded() && group->Expanded()) << "a selected node is shown";
  EXPECT_EQ(events, (std::vector<std::string>{"change Tastatur", "down Tastatur"}));
  EXPECT_EQ(tree->AllNodes(), (std::vector<TreeNode*>{root, group, leaf}));
  tree->Delete(group);
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->NodeCount(), 1);
}

TEST_F(Toolkit, OnlyEditableNodesTakeACaptionEdit) {
  auto* tree = form.Add<TreeView>();
  TreeNode* parent = tree->Add(nullptr, "C:");
  TreeNode* fixed = tree->Add(parent, "WINNT");
  TreeNode* fresh = tree->Add(parent, "ChildNode1");
  fresh->SetEditable(true);
  std::vector<std::string> events;
  tree->OnEdited = [&](TreeView&, TreeNode* node, std::string& text) {
    events.push_back(node->Text() + " -> " + text);
    text += "!";
  };
  tree->OnEditCancelled = [&](TreeView&, TreeNode* node) {
    events.push_back("esc " + node->Text());
  };

  EXPECT_FALSE(tree->EditCaption(fixed));
  EXPECT_FALSE(tree->UserBeginEdit(fixed));
  EXPECT_EQ(tree->EditingNode(), nullptr);
  tree->UserEndEdit("Anders");
  EXPECT_EQ(fixed->Text(), "WINNT");

  ASSERT_TRUE(tree->EditCaption(fresh));
  EXPECT_EQ(tree->Selected(), fresh);
  EXPECT_EQ(tree->EditingNode(), fresh);
  tree->UserCancelEdit();
  EXPECT_EQ(fresh->Text(), "ChildNode1");
  ASSERT_TRUE(tree->UserBeginEdit(fresh));
  tree->UserEndEdit("Neu");
  EXPECT_EQ(fresh->Text(), "Neu!") << "the handler's text is the one kept";
  EXPECT_EQ(tree->EditingNode(), nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"esc ChildNode1", "ChildNode1 -> Neu"}));

  // A handler that removes the node it edited (its level is read again).
  tree->OnEdited = [&](TreeView& sender, TreeNode* node, std::string&) { sender.Delete(node); };
  tree->EditCaption(fresh);
  tree->UserEndEdit("Weg");
  EXPECT_EQ(parent->Count(), 1);
}

TEST_F(Toolkit, LazyChildrenArriveWhenANodeExpands) {
  auto* tree = form.Add<TreeView>();
  TreeNode* folder = tree->Add(nullptr, "C:");
  folder->SetHasChildren(true);
  tree->OnExpanding = [&](TreeView& sender, TreeNode* node, bool& allow) {
    if (node->Count() == 0) sender.Add(node, "Programme");
    allow = true;
  };
  EXPECT_EQ(folder->Count(), 0);
  tree->UserExpand(folder);
  EXPECT_TRUE(folder->Expanded());
  EXPECT_EQ(folder->FirstChild()->Text(), "Programme");
  EXPECT_EQ(tree->GetNodeAt(5, TreeView::kRowHeight + 3), folder->FirstChild());
  tree->UserCollapse(folder);
  EXPECT_EQ(tree->GetNodeAt(5, TreeView::kRowHeight + 3), nullptr);
}

TEST_F(Toolkit, TabsShowOneSheetAtATime) {
  auto* pages = form.Add<PageControl>();
  pages->SetBounds({8, 8, 529, 233});
  TabSheet* first = pages->AddSheet("Systemprogramme");
  TabSheet* second = pages->AddSheet("Verwaltungsprogramme");
  auto* shown = first->Add<CheckBox>();
  auto* waiting = second->Add<GroupBox>()->Add<CheckBox>();
  auto* inner = second->Add<PageControl>();
  auto* nested = inner->AddSheet("Allgemein")->Add<CheckBox>();
  int changes = 0;
  pages->OnChange = [&](Control&) { ++changes; };
  EXPECT_EQ(pages->ActivePage(), first);
  EXPECT_TRUE(first->Visible());
  EXPECT_FALSE(second->Visible());
  EXPECT_NE(shown->GetPeer(), nullptr);
  EXPECT_EQ(waiting->GetPeer(), nullptr) << "a sheet not yet shown holds its windows back";
  EXPECT_EQ(nested->GetPeer(), nullptr) << "the inner sheet waits for the outer one";
  pages->UserSelectTab(1);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_FALSE(first->Visible());
  EXPECT_NE(waiting->Parent()->GetPeer(), nullptr);
  EXPECT_NE(waiting->GetPeer(), nullptr);
  EXPECT_NE(nested->GetPeer(), nullptr);
  pages->SetActivePageIndex(0);
  EXPECT_EQ(changes, 1) << "only the user's choice runs OnChange";
  EXPECT_EQ(second->Bounds(), pages->ClientRect());
}

TEST_F(Toolkit, DropDownMenusPrepareThemselvesAndRunTheChosenItem) {
  PopupMenu menu(backend);
  std::vector<std::string> chosen;
  menu.OnPopup = [&](PopupMenu& sender) {
    sender.Items().Clear();
    for (int k = 1; k <= 2; ++k) {
      sender.Items().Add("Seite " + std::to_string(k))->SetTag(k);
    }
    for (int i = 0; i < sender.Items().Count(); ++i) {
      sender.Items().Item(i)->OnClick = [&](MenuItem& item) {
        chosen.push_back(item.Caption() + "/" + std::to_string(item.Tag()));
      };
    }
  };
  auto* bar = form.Add<ToolBar>();
  ToolButton* back = bar->AddButton(ToolButtonStyle::DropDown);
  back->SetDropdownMenu(&menu);
  back->UserDropDown();
  const auto shown = backend.TakeShownMenus();
  ASSERT_EQ(shown.size(), 1u);
  shown[0]->Items().Find("Seite 2")->UserChoose();
  EXPECT_EQ(chosen, std::vector<std::string>{"Seite 2/2"});
  back->SetEnabled(false);
  back->UserDropDown();
  EXPECT_TRUE(backend.TakeShownMenus().empty()) << "a disabled button does nothing";
}

TEST_F(Toolkit, PendingMessagesLetATestReenterDuringALongLoop) {
  auto* page = form.Add<Panel>();
  auto* button = page->Add<Button>();
  int steps = 0;
  bool cancelled = false;
  button->OnClick = [&](Control&) {
    for (int i = 0; i < 5 && !cancelled; ++i) {
      ++steps;
      backend.ProcessMessages();
    }
  };
  backend.SetPendingMessages([&] {
    if (steps == 2) {
      form.Destroy(page);  // the user picked another page meanwhile
      cancelled = true;
    }
  });
  button->UserClick();
  EXPECT_EQ(steps, 2);
  EXPECT_TRUE(form.Children().empty());
}

}  // namespace
