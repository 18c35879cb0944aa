// The toolkit on real windows under Wine: every control is a window of its standard class, the
// windows show the model's state, and real window messages reach the model as the user's
// actions, with the events in the order the in-memory backend gives them.
#include "win32/ui/win32_backend.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstring>
#include <functional>
#include <initializer_list>

#include "headless/headless_backend.h"
#include "scenario.h"
#include "screenshot.h"
#include "win32/ui/pictures.h"
#include "win32/wide.h"
#include "window_probe.h"

namespace {

using guitest::ListText;
using guitest::PostClick;
using guitest::RectInParent;
using guitest::Scenario;
using guitest::TextOf;
using guitest::W;
using win32::Win32Backend;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

DWORD StyleOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

// Callbacks are named functions: only they can carry the 32-bit build's stdcall convention.
BOOL CALLBACK CountOne(HWND, LPARAM data) {
  ++*reinterpret_cast<int*>(data);
  return TRUE;
}

int CountDescendants(HWND window) {
  int count = 0;
  EnumChildWindows(window, CountOne, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Tells the parent what a control would tell it.
LRESULT Notify(HWND control, UINT code) {
  NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
  return SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom,
                      reinterpret_cast<LPARAM>(&header));
}

void Command(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::string TreeText(HWND tree, HTREEITEM handle) {
  wchar_t text[128] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT | TVIF_HANDLE;
  item.hItem = handle;
  item.pszText = text;
  item.cchTextMax = 128;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return win32::Narrow(text);
}

// The tree item showing a text, found by walking the visible rows.
HTREEITEM TreeItem(HWND tree, const std::string& text) {
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
       item; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                 tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)))) {
    if (TreeText(tree, item) == text) return item;
  }
  return nullptr;
}

class Win32Toolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    sc = guitest::BuildScenario(backend);
    guitest::WorkScenario(*sc);
    sc->form->Show();
    Pump();
    sc->events.clear();
  }
  void TearDown() override {
    sc.reset();
    Pump();
  }
  void Pump(int milliseconds = 30) { guitest::Pump(backend, milliseconds); }
  // Pumps until the condition holds, at most a few seconds.
  bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 300 && !done(); ++i) Pump(10);
    return done();
  }
  std::vector<std::string> TakeEvents() {
    auto events = std::move(sc->events);
    sc->events.clear();
    return events;
  }

  Win32Backend backend;
  std::unique_ptr<Scenario> sc;
};

using Events = std::vector<std::string>;

// --- the same calls on both backends -------------------------------------------------------------

TEST(BothBackends, TheSameCallsFireTheSameEvents) {
  // A real window echoing a value set by code, or reporting its own creation as the user's
  // doing, shows here as an event the in-memory backend does not give.
  headless::HeadlessBackend memory;
  auto inMemory = guitest::BuildScenario(memory);
  guitest::WorkScenario(*inMemory);
  inMemory->form->Show();
  Win32Backend real;
  auto onScreen = guitest::BuildScenario(real);
  guitest::WorkScenario(*onScreen);
  onScreen->form->Show();
  real.ProcessMessages();
  EXPECT_FALSE(inMemory->events.empty());
  EXPECT_EQ(onScreen->events, inMemory->events);
}

// --- real windows of the standard classes --------------------------------------------------------

TEST_F(Win32Toolkit, EveryKindIsAWindowOfItsClassWithTheModelsGeometry) {
  const std::pair<ui::Control*, const wchar_t*> expected[] = {
      {sc->form.get(), L"KalmoraForm"},
      {sc->page, L"KalmoraPanel"},
      {sc->pages->Sheet(0), L"KalmoraPanel"},
      {sc->headline, L"Static"},
      {sc->apply, L"Button"},
      {sc->check1, L"Button"},
      {sc->radios[0], L"Button"},
      {sc->group, L"Button"},
      {sc->edit, L"Edit"},
      {sc->memo, L"Edit"},
      {sc->rich, L"RichEdit20W"},
      {sc->combo, L"ComboBox"},
      {sc->list, L"SysListView32"},
      {sc->tree, L"SysTreeView32"},
      {sc->slider, L"msctls_trackbar32"},
      {sc->spin, L"Edit"},
      {sc->gauge, L"msctls_progress32"},
      {sc->banner, L"Static"},
      {sc->pages, L"SysTabControl32"},
      {sc->animation, L"SysAnimate32"},
      {sc->graph, L"KalmoraGraph"},
      {sc->splitter, L"KalmoraSplitter"},
      {sc->statusBar, L"msctls_statusbar32"},
      {sc->toolBar, L"ToolbarWindow32"},
  };
  for (const auto& [control, className] : expected) {
    SCOPED_TRACE(control->Name());
    HWND window = W(control);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(_wcsicmp(ClassOf(window).c_str(), className), 0);
    if (control->Kind() == ui::ControlKind::Form) continue;
    // Children sit in their parent's window where the model put them.
    EXPECT_EQ(GetParent(window), W(control->Parent()));
    if (control->Kind() != ui::ControlKind::ComboBox &&
        control->Kind() != ui::ControlKind::SpinEdit) {
      EXPECT_EQ(RectInParent(window), control->Bounds());
    }
    EXPECT_EQ(IsWindowVisible(window) != 0, control->Showing());
  }
  EXPECT_EQ(W(sc->timer), nullptr) << "a timer has no window";
  RECT client{};
  GetClientRect(W(sc->form.get()), &client);
  EXPECT_EQ(client.right, sc->form->ClientWidth());
  EXPECT_EQ(client.bottom, sc->form->ClientHeight());
  EXPECT_EQ(TextOf(W(sc->form.get())), sc->form->Caption());

  // Styles that carry the model's settings.
  EXPECT_EQ(StyleOf(W(sc->check1)) & BS_TYPEMASK, static_cast<DWORD>(BS_CHECKBOX));
  EXPECT_EQ(StyleOf(W(sc->radios[0])) & BS_TYPEMASK, static_cast<DWORD>(BS_RADIOBUTTON));
  EXPECT_EQ(StyleOf(W(sc->group)) & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
  EXPECT_EQ(StyleOf(W(sc->apply)) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_EQ(StyleOf(W(sc->glyphButton)) & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_EQ(SendMessageW(W(sc->password), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_TRUE(StyleOf(W(sc->memo)) & ES_MULTILINE);
  EXPECT_TRUE(StyleOf(W(sc->memo)) & WS_VSCROLL);
  EXPECT_TRUE(StyleOf(W(sc->rich)) & ES_READONLY);
  EXPECT_EQ(StyleOf(W(sc->combo)) & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
  EXPECT_EQ(StyleOf(W(sc->list)) & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
  EXPECT_TRUE(StyleOf(W(sc->list)) & LVS_SHOWSELALWAYS);
  EXPECT_EQ(StyleOf(W(sc->tree)) & (TVS_SHOWSELALWAYS | TVS_HASLINES | TVS_HASBUTTONS),
            static_cast<DWORD>(TVS_SHOWSELALWAYS | TVS_HASLINES | TVS_HASBUTTONS));
  EXPECT_EQ(SendMessageW(W(sc->list), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
            LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);

  // Texts and fonts as the model has them.
  EXPECT_EQ(TextOf(W(sc->headline)), "Tastatur");
  EXPECT_EQ(TextOf(W(sc->group)), "Verzögerung");
  EXPECT_EQ(TextOf(W(sc->apply)), "&Übernehmen");
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(W(sc->headline), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfHeight, -sc->headline->GetFont().height);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");

  // The spin edit is an edit with an up-down control as its neighbour.
  HWND updown = GetWindow(W(sc->spin), GW_HWNDNEXT);
  ASSERT_TRUE(updown);
  EXPECT_EQ(ClassOf(updown), L"msctls_updown32");
  EXPECT_EQ(RectInParent(updown).Right(), sc->spin->Bounds().Right());
}

TEST_F(Win32Toolkit, AScreenshotShowsTheForm) {
  RedrawWindow(W(sc->form.get()), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  Pump(300);
  EXPECT_GT(sc->panelDraws, 0) << "the owner-drawn status panel was painted";
  {
    // The transparent headline shows its white text on the banner, and the banner around it.
    HWND headline = W(sc->headline);
    RECT rect{};
    GetClientRect(headline, &rect);
    HDC dc = GetDC(headline);
    int white = 0;
    int banner = 0;
    for (int y = 0; y < rect.bottom; ++y) {
      for (int x = 0; x < rect.right; ++x) {
        const COLORREF pixel = GetPixel(dc, x, y);
        if (pixel == RGB(255, 255, 255)) ++white;
        // The banner is a blue gradient; the panel's face is grey.
        if (GetBValue(pixel) > GetRValue(pixel) + 40) ++banner;
      }
    }
    ReleaseDC(headline, dc);
    EXPECT_GT(white, 10);
    EXPECT_GT(banner, rect.right * rect.bottom / 3);
  }
  const std::wstring folder = guitest::ArtifactsFolder();
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(sc->form.get()), folder + L"\\toolkit.bmp"));
  sc->pages->UserSelectTab(1);
  Pump(200);
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(sc->form.get()), folder + L"\\toolkit-lists.bmp"));
  sc->pages->UserSelectTab(2);
  Pump(200);
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(sc->form.get()), folder + L"\\toolkit-pictures.bmp"));
}

TEST_F(Win32Toolkit, FormsTakeTheFrameOfTheirBorderAndTheirIcon) {
  using B = ui::FormBorder;
  for (const B border :
       {B::Sizeable, B::Dialog, B::Single, B::ToolWindow, B::SizeToolWin, B::None}) {
    ui::Form form(backend, sc->form.get());
    form.SetBorder(border);
    form.SetStayOnTop(border == B::ToolWindow);
    form.SetClientSize(200, 100);
    form.Show();
    HWND window = W(&form);
    SCOPED_TRACE(static_cast<int>(border));
    RECT client{};
    GetClientRect(window, &client);
    // The toolkit's frame size is the real one: the client area is what was asked for.
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0,
              border == B::ToolWindow || border == B::SizeToolWin);
    EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, border == B::ToolWindow);
    EXPECT_EQ((StyleOf(window) & WS_THICKFRAME) != 0,
              border == B::Sizeable || border == B::SizeToolWin);
    EXPECT_EQ(GetWindow(window, GW_OWNER), W(sc->form.get()));
  }
  EXPECT_NE(SendMessageW(W(sc->form.get()), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(SendMessageW(W(sc->form.get()), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(Win32Toolkit, CursorsFollowTheControlAndTheScreen) {
  sc->tree->SetCursor(ui::Cursor::HandPoint);
  HWND tree = W(sc->tree);
  EXPECT_TRUE(SendMessageW(tree, WM_SETCURSOR, reinterpret_cast<WPARAM>(tree),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  backend.SetScreenCursor(ui::Cursor::HourGlass);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  SendMessageW(tree, WM_SETCURSOR, reinterpret_cast<WPARAM>(tree),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the hourglass wins while it is set";
  backend.SetScreenCursor(ui::Cursor::Default);
}

TEST_F(Win32Toolkit, PicturesOfEveryKindLoad) {
  EXPECT_FALSE(win32::AssetBytes("test/sample.jpg").empty());
  EXPECT_EQ(win32::AssetBytes("TEST\\Sample.JPG"), win32::AssetBytes("test/sample.jpg"))
      << "asset names are case-blind, with either slash";
  EXPECT_TRUE(win32::AssetBytes("test/missing.jpg").empty());
  // A bitmap file of our own making: the screenshot of the form.
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring bitmapFile = std::wstring(temp) + L"kalmora-picture.bmp";
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(sc->statusBar), bitmapFile));
  const ui::Rect bar = sc->statusBar->Bounds();

  struct Case {
    ui::Picture picture;
    UINT type;
    int width;
  };
  const Case cases[] = {
      {ui::Picture::Asset("test/sample.ico"), IMAGE_ICON, 32},
      {ui::Picture::Asset("test/sample.jpg"), IMAGE_BITMAP, 120},
      {ui::Picture::FromFile(win32::Narrow(bitmapFile)), IMAGE_BITMAP, bar.width},
      {ui::Picture::Icon("C:\\windows\\system32\\shell32.dll", 3), IMAGE_ICON, 32},
      {ui::Picture::System(0, true), IMAGE_ICON, 32},
      {ui::Picture::Stock(32514), IMAGE_ICON, 32},
  };
  auto* image = sc->page->Add<ui::Image>();
  image->SetBounds({300, 260, 40, 40});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture.name + " " + std::to_string(static_cast<int>(c.picture.kind)));
    const win32::LoadedPicture loaded = win32::LoadPicture(c.picture);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.width, c.width);
    image->SetPicture(c.picture);
    EXPECT_NE(SendMessageW(W(image), STM_GETIMAGE, c.type, 0), 0);
    EXPECT_EQ(RectInParent(W(image)), image->Bounds()) << "the picture does not size the window";
  }
  // Stretched: a bitmap of the control's size, whatever the picture's.
  image->SetStretch(true);
  image->SetPicture(ui::Picture::Asset("test/sample.ico"));
  BITMAP shown{};
  GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(W(image), STM_GETIMAGE, IMAGE_BITMAP, 0)),
             sizeof shown, &shown);
  EXPECT_EQ(shown.bmWidth, 40);
  EXPECT_EQ(shown.bmHeight, 40);
  EXPECT_FALSE(win32::LoadPicture(ui::Picture::FromFile("C:\\nirgends\\da.jpg")));
  DeleteFileW(bitmapFile.c_str());
}

TEST_F(Win32Toolkit, ListsShowTheSystemImageList) {
  const ui::ImageList system = ui::ImageList::SystemSmall();
  sc->list->SetSmallImages(&system);
  SHFILEINFOW info{};
  const auto expected = static_cast<LRESULT>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  EXPECT_NE(expected, 0);
  EXPECT_EQ(SendMessageW(W(sc->list), LVM_GETIMAGELIST, LVSIL_SMALL, 0), expected);
  EXPECT_TRUE(StyleOf(W(sc->list)) & LVS_SHAREIMAGELISTS)
      << "the system's list is not ours to free";
  sc->list->SetSmallImages(nullptr);
}

TEST(Win32SystemIcons, TheyLoadBesideTheProgramAndABackendThatGoesMeanwhileWaitsForThem) {
  // Gone at once: the loading thread must neither outlive the shell it runs in nor wait for
  // this thread's messages.
  {
    Win32Backend gone;
    gone.PrepareSystemIcons();
  }
  Win32Backend backend;
  backend.PrepareSystemIcons();
  backend.PrepareSystemIcons();
  const ui::ImageList system = ui::ImageList::SystemSmall();
  HIMAGELIST list = backend.ImageListFor(&system);
  SHFILEINFOW info{};
  EXPECT_EQ(reinterpret_cast<DWORD_PTR>(list),
            SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  EXPECT_GT(ImageList_GetImageCount(list), 0);
}

BOOL CALLBACK MatchApplicationWindow(HWND window, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (wcscmp(name, L"KalmoraHelper") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

TEST(Win32ApplicationWindow, MinimisedAndRestoredItIsActiveWithoutShowingAForm) {
  Win32Backend backend;
  ui::Form form(backend);
  HWND application = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchApplicationWindow,
                    reinterpret_cast<LPARAM>(&application));
  ASSERT_TRUE(application);
  backend.SetApplicationState(ui::WindowState::Minimized);
  EXPECT_TRUE(IsIconic(application));
  backend.SetApplicationState(ui::WindowState::Normal);
  EXPECT_FALSE(IsIconic(application));
  EXPECT_EQ(GetActiveWindow(), application);
  // Restored, it has no size: nothing of it is seen.
  RECT bounds{};
  GetWindowRect(application, &bounds);
  EXPECT_TRUE(IsRectEmpty(&bounds));
  EXPECT_FALSE(IsWindowVisible(W(&form)));
}

TEST_F(Win32Toolkit, TheCommonControlsOfVersionSixAreInUse) {
  // Loaded by name, the library comes from the side-by-side folder the manifest in our resources
  // asks for; without it, from the system folder. (Wine's copy reports 5.81 as its version
  // either way, so the folder is what tells.)
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(LoadLibraryW(L"comctl32.dll"), path, MAX_PATH);
  std::wstring folder = path;
  for (wchar_t& c : folder) c = static_cast<wchar_t>(towlower(c));
  EXPECT_NE(folder.find(L"microsoft.windows.common-controls"), std::wstring::npos)
      << win32::Narrow(path);
  EXPECT_NE(folder.find(L"_6.0."), std::wstring::npos) << win32::Narrow(path);
}

TEST_F(Win32Toolkit, TheProgramLoopEndsWhenTheMainFormCloses) {
  sc->form->SetMainForm(true);
  PostMessageW(W(sc->form.get()), WM_CLOSE, 0, 0);
  EXPECT_EQ(backend.Run(), 0);
  EXPECT_TRUE(backend.Terminated());
  EXPECT_FALSE(IsWindowVisible(W(sc->form.get())));
}

// --- buttons, check boxes, radio buttons ---------------------------------------------------------

TEST_F(Win32Toolkit, ChecksAndRadiosFollowClicksAndTheModelWithoutEcho) {
  HWND check = W(sc->check1);
  ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED) << "set by the work";
  SendMessageW(check, BM_CLICK, 0, 0);
  EXPECT_FALSE(sc->check1->Checked());
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // By code: the window follows and the one click event is the control's own.
  sc->check1->SetChecked(true);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  // A real mouse click, posted as the system would.
  PostClick(check, 5, 5);
  Pump();
  EXPECT_FALSE(sc->check1->Checked());
  EXPECT_EQ(TakeEvents(), (Events{"check1 off", "check1 on", "check1 off"}));

  SendMessageW(W(sc->radios[2]), BM_CLICK, 0, 0);
  EXPECT_TRUE(sc->radios[2]->Checked());
  EXPECT_FALSE(sc->radios[1]->Checked());
  EXPECT_EQ(SendMessageW(W(sc->radios[1]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(W(sc->radios[2]), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(W(sc->radios[2]), BM_CLICK, 0, 0);
  EXPECT_EQ(TakeEvents(), Events{"radio 2"}) << "clicking the checked one changes nothing";

  SendMessageW(W(sc->apply), BM_CLICK, 0, 0);
  SendMessageW(W(sc->glyphButton), BM_CLICK, 0, 0);  // no handler: nothing happens
  EXPECT_EQ(TakeEvents(), Events{"apply"});
  sc->apply->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(W(sc->apply)));
}

// --- texts ---------------------------------------------------------------------------------------

TEST_F(Win32Toolkit, TypingReachesTheModelAndCodeReachesTheWindow) {
  HWND edit = W(sc->edit);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1000"));
  EXPECT_EQ(sc->edit->Text(), "1000");
  SendMessageW(edit, EM_SETSEL, 4, 4);
  SendMessageW(edit, WM_CHAR, L'5', 1);
  EXPECT_EQ(sc->edit->Text(), "10005");
  sc->edit->SetText("Grün");
  EXPECT_EQ(TextOf(edit), "Grün");
  EXPECT_EQ(TakeEvents(), (Events{"edit 1000", "edit 10005", "edit Grün"}));

  HWND memo = W(sc->memo);
  EXPECT_EQ(TextOf(memo), "Zeile eins\r\nZeile zwei\r\nZeile drei");
  // Typed over everything (a multi-line edit tells nothing of WM_SETTEXT).
  SendMessageW(memo, EM_SETSEL, 0, -1);
  SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"a\r\nb"));
  EXPECT_EQ(sc->memo->Lines(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(TakeEvents(), Events{"memo 2"});
  EXPECT_EQ(sc->rich->Lines().size(), 2u);
  EXPECT_NE(TextOf(W(sc->rich)).find("nächsten Start"), std::string::npos);

  HWND combo = W(sc->combo);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  SendMessageW(combo, CB_SETCURSEL, 3, 0);
  Command(combo, CBN_SELCHANGE);
  EXPECT_EQ(sc->combo->ItemIndex(), 3);
  EXPECT_EQ(TakeEvents(), (Events{"combo click", "combo change Italienisch"}));
  sc->combo->SetItemIndex(0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(TakeEvents().empty()) << "set by code: no event";
}

// --- ranges --------------------------------------------------------------------------------------

TEST_F(Win32Toolkit, SlidersSpinEditsAndGaugesFollowTheirWindows) {
  HWND slider = W(sc->slider);
  EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 12);
  SendMessageW(slider, TBM_SETPOS, TRUE, 7);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 7),
               reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(sc->slider->Value(), 7);
  // The keyboard moves the thumb and the trackbar tells its parent.
  SendMessageW(slider, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(sc->slider->Value(), 8);
  sc->slider->SetValue(3);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 3);
  EXPECT_EQ(TakeEvents(), (Events{"slider 7", "slider 8", "slider 3"}));

  HWND spin = W(sc->spin);
  HWND updown = GetWindow(spin, GW_HWNDNEXT);
  EXPECT_EQ(TextOf(spin), "42");
  RECT buttons{};
  GetClientRect(updown, &buttons);
  PostClick(updown, buttons.right / 2, buttons.bottom / 4);  // the upper arrow
  ASSERT_TRUE(PumpUntil([&] { return sc->spin->Value() != 42; }));
  EXPECT_EQ(sc->spin->Value(), 45) << "one step of the increment";
  EXPECT_EQ(TextOf(spin), "45");
  SendMessageW(spin, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"77"));
  EXPECT_EQ(sc->spin->Value(), 77);
  SendMessageW(spin, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"500"));
  EXPECT_EQ(sc->spin->Value(), 77) << "out of range: not taken";
  EXPECT_EQ(TakeEvents(), (Events{"spin 45", "spin 77"}));

  EXPECT_EQ(SendMessageW(W(sc->gauge), PBM_GETPOS, 0, 0), 65);
  // PBM_GETBARCOLOR: declared for Vista headers only, answered by the control all the same.
  constexpr UINT kGetBarColor = WM_USER + 15;
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(W(sc->gauge), kGetBarColor, 0, 0)), RGB(0, 0, 128));
  sc->gauge->SetProgress(90);
  EXPECT_EQ(SendMessageW(W(sc->gauge), PBM_GETPOS, 0, 0), 90);
}

// --- list views ----------------------------------------------------------------------------------

TEST_F(Win32Toolkit, ListRowsSelectionAndChecksGoBothWays) {
  sc->pages->SetActivePageIndex(1);
  Pump();
  HWND list = W(sc->list);
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), sc->list->Count());
  EXPECT_EQ(ListText(list, 0, 0), "Autostart");
  EXPECT_EQ(ListText(list, 1, 2), "21 KB");
  EXPECT_EQ(ListText(list, 3, 0), "Dateien") << "the deleted row is gone, the added one is last";
  EXPECT_EQ(ListText(list, 3, 2), "1 KB");
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 2, LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));

  // The user selects row 0: the list deselects row 2 first.
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(sc->list->ItemIndex(), 0);
  EXPECT_EQ(sc->list->SelCount(), 1);
  // The user ticks row 3's check box.
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(2);
  SendMessageW(list, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&state));
  EXPECT_TRUE(sc->list->Item(3)->Checked());
  EXPECT_EQ(TakeEvents(), (Events{"select Papierkorb-", "select Autostart+", "checked Dateien+"}));

  // A click on row 1.
  RECT row{};
  row.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  PostClick(list, (row.left + row.right) / 2, (row.top + row.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return sc->list->ItemIndex() == 1; }));
  EXPECT_EQ(TakeEvents(), (Events{"select Autostart-", "select Verlauf+"}));

  // Code changes reach the window and are not reported back.
  sc->list->Item(3)->SetChecked(false);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 3, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
  sc->list->Item(0)->SetCaption("Start");
  EXPECT_EQ(ListText(list, 0, 0), "Start");
  sc->list->Delete(0);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(ListText(list, 0, 0), "Verlauf");
  sc->list->Clear();
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_TRUE(TakeEvents().empty());
}

// --- tree views ----------------------------------------------------------------------------------

TEST_F(Win32Toolkit, TreeSelectionExpansionAndClicks) {
  HWND tree = W(sc->tree);
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), sc->tree->NodeCount());
  auto caret = [&] {
    return TreeText(
        tree, reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
  };
  EXPECT_EQ(caret(), "Tastatur");

  // The user selects with the tree's own message.
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeItem(tree, "Maus")));
  EXPECT_EQ(sc->tree->Selected(), sc->mouse);
  // Code selects: the tree follows without an echo.
  sc->tree->SetSelected(sc->software);
  EXPECT_EQ(caret(), "Software");
  EXPECT_EQ(TakeEvents(), (Events{"tree change Maus", "tree change Software"}));

  // The right-arrow key opens the lazy node: its children arrive while it opens.
  SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(sc->software->Expanded());
  ASSERT_EQ(sc->software->Count(), 1);
  EXPECT_NE(TreeItem(tree, "Programme"), nullptr);
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), sc->tree->NodeCount());
  EXPECT_EQ(TakeEvents(), Events{"tree expanding Software"});

  // A click on a row: the selection has moved when the mouse-down event runs.
  RECT row{};
  HTREEITEM keyboard = TreeItem(tree, "Tastatur");
  std::memcpy(&row, &keyboard, sizeof keyboard);  // TVM_GETITEMRECT takes the item in the rect
  ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
  const int x = (row.left + row.right) / 2;
  const int y = (row.top + row.bottom) / 2;
  EXPECT_EQ(sc->tree->GetNodeAt(x, y), sc->keyboard) << "hit-testing asks the real tree";
  EXPECT_EQ(sc->tree->GetNodeAt(x, 2000), nullptr);
  PostClick(tree, x, y);
  ASSERT_TRUE(PumpUntil([&] { return sc->events.size() >= 2; }));
  EXPECT_EQ(TakeEvents(), (Events{"tree change Tastatur", "tree down Tastatur"}));

  // Deleting the selected node leaves the tree without a selection, as the model has it, and
  // whatever the tree does with its caret meanwhile is not the user's choice.
  sc->tree->Delete(sc->hardware);
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), sc->tree->NodeCount());
  EXPECT_EQ(TreeItem(tree, "Tastatur"), nullptr);
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), 0);
  EXPECT_EQ(sc->tree->Selected(), nullptr);
  EXPECT_EQ(TakeEvents(), Events{"tree change -"});
}

TEST_F(Win32Toolkit, ABranchGetsItsItemsWhenItFirstOpens) {
  HWND tree = W(sc->tree);
  auto children = [&](HTREEITEM parent) {
    Events texts;
    for (auto item = reinterpret_cast<HTREEITEM>(
             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
         item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(item)))) {
      texts.push_back(TreeText(tree, item));
    }
    return texts;
  };
  auto count = [&] { return static_cast<int>(SendMessageW(tree, TVM_GETCOUNT, 0, 0)); };
  ui::TreeNode* root = sc->tree->Root(0);
  ui::TreeNode* extras = sc->tree->Add(root, "Extras");
  sc->tree->Add(extras, "Eins");
  sc->tree->Add(extras, "Zwei");
  ui::TreeNode* deep = sc->tree->Add(root, "Weitere");
  ui::TreeNode* below = sc->tree->Add(deep, "Unten");
  ui::TreeNode* bottom = sc->tree->Add(below, "Ganz unten");

  // Closed branches show their button and hold no items yet, whatever is added below them.
  HTREEITEM extrasItem = TreeItem(tree, "Extras");
  ASSERT_NE(extrasItem, nullptr);
  TVITEMW item{};
  item.mask = TVIF_HANDLE | TVIF_CHILDREN;
  item.hItem = extrasItem;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cChildren, 1);
  EXPECT_TRUE(children(extrasItem).empty());
  sc->tree->Add(extras, "Drei");
  EXPECT_EQ(count(), sc->tree->NodeCount() - 5);

  // The user opens it: all its children arrive, in their order.
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(extrasItem));
  EXPECT_TRUE(extras->Expanded());
  EXPECT_EQ(children(extrasItem), (Events{"Eins", "Zwei", "Drei"}));
  EXPECT_EQ(count(), sc->tree->NodeCount() - 2);

  // Selecting a node deep in a closed branch by code opens the way to it.
  sc->tree->SetSelected(bottom);
  EXPECT_EQ(count(), sc->tree->NodeCount());
  EXPECT_EQ(TreeText(tree, reinterpret_cast<HTREEITEM>(
                               SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0))),
            "Ganz unten");
  EXPECT_EQ(children(TreeItem(tree, "Unten")), Events{"Ganz unten"});

  // A branch collapsed and opened again keeps its items once.
  extras->Collapse();
  extras->Expand();
  EXPECT_EQ(children(extrasItem), (Events{"Eins", "Zwei", "Drei"}));
  TakeEvents();
}

TEST_F(Win32Toolkit, OnlyAnEditableNodeTakesACaptionEditAndItsTextReachesTheModel) {
  HWND tree = W(sc->tree);
  Events edited;
  sc->tree->OnEdited = [&](ui::TreeView&, ui::TreeNode*, std::string& text) {
    edited.push_back(text);
  };
  sc->tree->OnEditCancelled = [&](ui::TreeView&, ui::TreeNode* node) {
    edited.push_back("esc " + node->Text());
  };
  EXPECT_EQ(SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(TreeItem(tree, "Maus"))),
            0)
      << "a node not marked editable refuses the edit";

  ui::TreeNode* fresh = sc->tree->Add(sc->hardware, "ChildNode1");
  fresh->SetEditable(true);
  ASSERT_TRUE(sc->tree->EditCaption(fresh));
  auto edit = reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0));
  ASSERT_TRUE(edit);
  EXPECT_EQ(TextOf(edit), "ChildNode1");
  SetWindowTextW(edit, L"Neuer Name");
  SendMessageW(tree, TVM_ENDEDITLABELNOW, FALSE, 0);
  EXPECT_EQ(fresh->Text(), "Neuer Name");
  EXPECT_NE(TreeItem(tree, "Neuer Name"), nullptr);

  sc->tree->EditCaption(fresh);
  SendMessageW(tree, TVM_ENDEDITLABELNOW, TRUE, 0);
  EXPECT_EQ(fresh->Text(), "Neuer Name");

  // The handler may remove the node while the tree is still ending its edit.
  sc->tree->OnEdited = [&](ui::TreeView& sender, ui::TreeNode* node, std::string&) {
    sender.Delete(node);
  };
  sc->tree->EditCaption(fresh);
  SendMessageW(tree, TVM_ENDEDITLABELNOW, FALSE, 0);
  Pump();
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), sc->tree->NodeCount());
  EXPECT_EQ(TreeItem(tree, "Neuer Name"), nullptr);
  EXPECT_EQ(edited, (Events{"Neuer Name", "esc Neuer Name"}));
  TakeEvents();
}

TEST_F(Win32Toolkit, ATreeNodeDraggedOntoTheListDropsThere) {
  sc->pages->SetActivePageIndex(1);
  sc->tree->OnMouseDown = [&](ui::Control& sender, ui::MouseButton, unsigned, int, int) {
    sc->events.push_back("down " + sc->tree->Selected()->Text());
    sender.BeginDrag();
  };
  sc->list->OnDragOver = [&](ui::Control&, ui::Control* source, int, int, bool& accept) {
    accept = source == sc->tree;
  };
  sc->list->OnDragDrop = [&](ui::Control&, ui::Control* source, int x, int y) {
    auto* from = static_cast<ui::TreeView*>(source);
    sc->events.push_back("drop " + from->Selected()->Text() + " at " + std::to_string(x) + "," +
                         std::to_string(y));
  };
  Pump();
  HWND tree = W(sc->tree);
  RECT row{};
  HTREEITEM mouse = TreeItem(tree, "Maus");
  std::memcpy(&row, &mouse, sizeof mouse);
  ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
  // The point 30,40 of the list, in the tree's coordinates.
  POINT target{30, 40};
  MapWindowPoints(W(sc->list), tree, &target, 1);
  const int x = (row.left + row.right) / 2;
  const int y = (row.top + row.bottom) / 2;
  PostClick(tree, x, y);
  ASSERT_TRUE(PumpUntil([&] { return sc->tree->Dragging(); }));
  // The mouse moves on with the button down: the tree has the capture, the list is under it.
  PostMessageW(tree, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
  PostMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
  ASSERT_TRUE(PumpUntil([&] { return sc->events.size() >= 3; }));
  EXPECT_EQ(TakeEvents(), (Events{"tree change Maus", "down Maus", "drop Maus at 30,40"}));
  EXPECT_FALSE(sc->tree->Dragging());
  EXPECT_NE(GetCapture(), tree);
}

TEST_F(Win32Toolkit, TheUserSizingTheFormLaysItOutAgain) {
  int resized = 0;
  sc->form->OnResize = [&](ui::Control&) { ++resized; };
  const ui::Rect before = sc->form->Bounds();
  SetWindowPos(W(sc->form.get()), nullptr, before.left + 10, before.top + 5, before.width + 100,
               before.height + 40, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(sc->form->Bounds(),
            (ui::Rect{before.left + 10, before.top + 5, before.width + 100, before.height + 40}));
  EXPECT_EQ(resized, 1);
  // The aligned controls follow, window and model alike.
  EXPECT_EQ(sc->pages->Width(), sc->form->ClientWidth() - sc->tree->Width() - 4);
  EXPECT_EQ(RectInParent(W(sc->pages)), sc->pages->Bounds());
  EXPECT_EQ(RectInParent(W(sc->statusBar)).top, sc->form->ClientHeight() - 20);
}

TEST_F(Win32Toolkit, HintsAreWhatTheTooltipShows) {
  sc->check2->SetHint("Zeigt das Layout an");
  SendMessageW(W(sc->check2), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  ASSERT_NE(backend.TooltipIfMade(), nullptr) << "made when the mouse moves over the window";
  NMTTDISPINFOW tip{};
  tip.hdr.hwndFrom = backend.Tooltip();
  tip.hdr.idFrom = reinterpret_cast<UINT_PTR>(W(sc->check2));
  tip.hdr.code = TTN_GETDISPINFOW;
  SendMessageW(W(sc->check2), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip.lpszText, nullptr);
  EXPECT_EQ(win32::Narrow(tip.lpszText), "Zeigt das Layout an");
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = W(sc->check2);
  tool.uId = reinterpret_cast<UINT_PTR>(W(sc->check2));
  EXPECT_TRUE(
      SendMessageW(backend.Tooltip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  sc->check2->SetHint("");
  EXPECT_FALSE(
      SendMessageW(backend.Tooltip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
}

// --- tabs, tool bar, status bar ------------------------------------------------------------------

TEST_F(Win32Toolkit, TabsShowTheirSheetAndMayBeRefused) {
  HWND tabs = W(sc->pages);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  Notify(tabs, TCN_SELCHANGE);
  EXPECT_EQ(sc->pages->ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(W(sc->pages->Sheet(1))));
  EXPECT_FALSE(IsWindowVisible(W(sc->pages->Sheet(0))));
  EXPECT_TRUE(IsWindowVisible(W(sc->list)));
  sc->pages->OnChanging = [](ui::PageControl&, bool& allow) { allow = false; };
  SendMessageW(tabs, TCM_SETCURSEL, 2, 0);
  Notify(tabs, TCN_SELCHANGE);
  EXPECT_EQ(sc->pages->ActivePageIndex(), 1);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1) << "the tab row goes back";
  EXPECT_EQ(TakeEvents(), Events{"pages change 1"});
}

TEST_F(Win32Toolkit, ASheetsControlsGetTheirWindowsWhenItFirstShowsWithWhatWasSetMeanwhile) {
  auto* pages = sc->form->Add<ui::PageControl>();
  pages->SetBounds({400, 200, 360, 240});
  pages->AddSheet("Allgemein");
  ui::TabSheet* later = pages->AddSheet("Globale Einstellungen");
  auto* group = later->Add<ui::GroupBox>();
  group->SetBounds({8, 8, 300, 180});
  group->SetCaption("Verbindung");
  auto* check = group->Add<ui::CheckBox>();
  check->SetBounds({12, 20, 200, 17});
  check->SetCaption("Software-Komprimierung");
  auto* edit = group->Add<ui::Edit>();
  edit->SetBounds({12, 44, 80, 21});
  auto* list = group->Add<ui::ListView>();
  list->SetBounds({12, 72, 270, 90});
  list->SetStyle(ui::ViewStyle::Report);
  list->AddColumn("Wert", 120);
  check->SetChecked(true);
  edit->SetText("576");
  for (const char* row : {"MaxMTU", "MaxFrameSize"}) list->Add(row);
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{group, check, edit, list}) {
    EXPECT_EQ(W(c), nullptr) << "no window before the sheet shows";
  }

  pages->UserSelectTab(1);
  Pump();
  ASSERT_NE(W(list), nullptr);
  EXPECT_EQ(GetParent(W(group)), W(later));
  EXPECT_EQ(GetParent(W(check)), W(group));
  EXPECT_EQ(RectInParent(W(edit)), edit->Bounds());
  EXPECT_EQ(TextOf(W(group)), "Verbindung");
  EXPECT_EQ(TextOf(W(check)), "Software-Komprimierung");
  EXPECT_EQ(SendMessageW(W(check), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(W(edit)), "576");
  EXPECT_EQ(SendMessageW(W(list), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ListText(W(list), 1, 0), "MaxFrameSize");
  EXPECT_TRUE(IsWindowVisible(W(check)));
  EXPECT_EQ(TakeEvents(), Events{}) << "making the windows fires nothing";

  auto* added = group->Add<ui::CheckBox>();
  EXPECT_NE(W(added), nullptr) << "on a sheet once shown, a new control gets its window at once";
}

TEST_F(Win32Toolkit, ToolButtonsClickAndShowTheirStates) {
  HWND bar = W(sc->toolBar);
  ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 4);
  auto center = [&](int index) {
    RECT rect{};
    SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  };
  EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 4, 0)) << "set down by the work";
  POINT forward = center(1);
  PostClick(bar, forward.x, forward.y);
  ASSERT_TRUE(PumpUntil([&] { return !sc->events.empty(); }));
  POINT font = center(3);
  PostClick(bar, font.x, font.y);
  ASSERT_TRUE(PumpUntil([&] { return sc->events.size() >= 2; }));
  EXPECT_FALSE(sc->toolBar->FindButton("Font")->Down());
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONCHECKED, 4, 0));
  EXPECT_EQ(TakeEvents(), (Events{"tool forward", "tool font up"}));

  sc->toolBar->FindButton("Forward")->SetEnabled(false);
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 2, 0));
  PostClick(bar, forward.x, forward.y);
  Pump(100);
  EXPECT_TRUE(TakeEvents().empty()) << "a disabled button does nothing";
}

TEST_F(Win32Toolkit, StatusPanelsShowTextsAndDrawTheOwnerDrawnOne) {
  HWND bar = W(sc->statusBar);
  int rights[4] = {};
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights)), 3);
  EXPECT_EQ(rights[0], 24);
  EXPECT_EQ(rights[1], 244);
  auto text = [&](int part) {
    wchar_t buffer[64] = {};
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(buffer));
    return win32::Narrow(buffer);
  };
  EXPECT_EQ(text(1), "Bereit");
  EXPECT_EQ(text(2), "Seite 2");
  sc->statusBar->SetPanelText(1, "Fertig");
  EXPECT_EQ(text(1), "Fertig");
  sc->panelDraws = 0;
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_GT(sc->panelDraws, 0);
}

// --- menus, timers, modal forms, message boxes ---------------------------------------------------

// What the menu showed: item count and the states of "Seite 2" and "Seite 3".
int shownItems = 0;
UINT secondState = 0;
UINT thirdState = 0;

// Waits in the menu's own loop: a timer of the thread finds the menu window and answers it.
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  auto handle = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
  shownItems = GetMenuItemCount(handle);
  secondState = GetMenuState(handle, 1, MF_BYPOSITION);
  thirdState = GetMenuState(handle, 2, MF_BYPOSITION);
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    PostMessageW(menu, WM_KEYDOWN, key, 0);
    PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
  }
}

TEST_F(Win32Toolkit, DropDownMenusShowAndRunTheChosenItem) {
  SetTimer(nullptr, 0, 50, ChooseSecondItem);
  // The arrow of the drop-down button.
  HWND bar = W(sc->toolBar);
  RECT rect{};
  SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect));
  PostClick(bar, rect.right - 4, (rect.top + rect.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return !sc->events.empty(); }));
  EXPECT_EQ(TakeEvents(), Events{"menu Seite 2"});
  EXPECT_EQ(shownItems, 5) << "the menu prepared itself before it showed";
  EXPECT_TRUE(secondState & MF_CHECKED);
  EXPECT_TRUE(thirdState & MF_GRAYED);
  EXPECT_FALSE(secondState & MF_GRAYED);
}

TEST_F(Win32Toolkit, TimersTickWhileActiveAndStopWhenDestroyed) {
  int ticks = 0;
  sc->timer->OnTimer = [&](ui::Control&) { ++ticks; };
  sc->timer->SetInterval(15);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  sc->timer->SetActive(false);
  Pump(20);
  const int stopped = ticks;
  Pump(100);
  EXPECT_EQ(ticks, stopped);
  sc->timer->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return ticks > stopped; }));
  sc->pages->Sheet(2)->Destroy(sc->timer);
  Pump(20);
  const int destroyed = ticks;
  Pump(100);
  EXPECT_EQ(ticks, destroyed);
}

TEST_F(Win32Toolkit, AModalFormIsAnsweredByAPostedClickAndKeys) {
  ui::Form dialog(backend, sc->form.get());
  dialog.SetCaption("Löschen bestätigen");
  dialog.SetBorder(ui::FormBorder::Dialog);
  dialog.SetPosition(ui::FormPosition::OwnerFormCenter);
  dialog.SetClientSize(260, 90);
  auto* field = dialog.Add<ui::Edit>();
  field->SetBounds({10, 10, 240, 21});
  auto* yes = dialog.Add<ui::Button>();
  yes->SetCaption("&Ja");
  yes->SetBounds({10, 50, 75, 25});
  yes->SetModalResult(ui::mrYes);
  yes->SetDefault(true);
  auto* no = dialog.Add<ui::Button>();
  no->SetCaption("&Nein");
  no->SetBounds({95, 50, 75, 25});
  no->SetModalResult(ui::mrNo);
  no->SetCancel(true);
  bool ownerDisabled = false;
  std::function<void()> answer;
  dialog.OnShow = [&](ui::Control&) {
    ownerDisabled = !IsWindowEnabled(W(sc->form.get()));
    answer();
  };

  answer = [&] { PostMessageW(W(yes), BM_CLICK, 0, 0); };
  EXPECT_EQ(dialog.ShowModal(), ui::mrYes);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(W(sc->form.get())));
  EXPECT_FALSE(IsWindowVisible(W(&dialog)));
  // Centred on its owner.
  EXPECT_NEAR(dialog.Left() + dialog.Width() / 2, sc->form->Left() + sc->form->Width() / 2, 1);

  // Tab moves from the edit to the first button.
  HWND focused = nullptr;
  answer = [&] {
    SetFocus(W(field));
    PostMessageW(W(field), WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(W(&dialog), WM_CLOSE, 0, 0);
  };
  dialog.OnClose = [&](ui::Form&, ui::CloseAction&) { focused = GetFocus(); };
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  EXPECT_EQ(focused, W(yes));
  dialog.OnClose = nullptr;

  // Esc in the edit presses the cancel button, Enter the default one.
  answer = [&] {
    SetFocus(W(field));
    PostMessageW(W(field), WM_KEYDOWN, VK_ESCAPE, 0);
  };
  EXPECT_EQ(dialog.ShowModal(), ui::mrNo);
  answer = [&] {
    SetFocus(W(field));
    PostMessageW(W(field), WM_KEYDOWN, VK_RETURN, 0);
  };
  EXPECT_EQ(dialog.ShowModal(), ui::mrYes);
  // The close box.
  answer = [&] { PostMessageW(W(&dialog), WM_CLOSE, 0, 0); };
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
}

void CALLBACK AnswerNo(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Kalmora2x-Test");
  if (!box) return;
  KillTimer(nullptr, id);
  PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
}

TEST_F(Win32Toolkit, MessageBoxesReturnTheButtonPressed) {
  SetTimer(nullptr, 0, 50, AnswerNo);
  EXPECT_EQ(backend.GetDialogs().ShowMessage("Wirklich löschen?", "Kalmora2x-Test",
                                             ui::MsgButtons::YesNo, ui::MsgIcon::Question),
            ui::mrNo);
}

// The common dialog on screen that has the control (the file type or font name box).
HWND VisibleDialogWith(int control) {
  HWND dialog = nullptr;
  for (HWND w = FindWindowW(L"#32770", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
    if (IsWindowVisible(w) && GetDlgItem(w, control)) dialog = w;
  }
  return dialog;
}

void Press(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// The font dialog: "Apply" first, then OK.
void CALLBACK ApplyThenOk(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = VisibleDialogWith(cmb1);
  if (!dialog) return;
  KillTimer(nullptr, id);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh3, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, psh3)));
  Press(dialog, IDOK);
}

int CALLBACK TakeTrueTypeFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM data) {
  auto* name = reinterpret_cast<std::wstring*>(data);
  if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == L'@') return 1;
  *name = font->lfFaceName;
  return 0;
}

// A TrueType family the system really has (the dialog lists only those).
std::string SomeTrueTypeFamily() {
  std::wstring found;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wanted, TakeTrueTypeFamily, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return win32::Narrow(found);
}

TEST_F(Win32Toolkit, TheFontDialogPreviewsOnApplyAndReturnsTheFont) {
  const std::string family = SomeTrueTypeFamily();
  ASSERT_FALSE(family.empty());
  ui::Font font = ui::Font::Of(family, 12, ui::kBold, ui::clBlue);
  std::vector<ui::Font> applied;
  SetTimer(nullptr, 0, 50, ApplyThenOk);
  ASSERT_TRUE(backend.GetDialogs().ChooseFont(
      font, [&](const ui::Font& preview) { applied.push_back(preview); }));
  ASSERT_EQ(applied.size(), 1u);
  for (const ui::Font& shown : {applied[0], font}) {
    EXPECT_EQ(shown.name, family);
    EXPECT_EQ(shown.style & ui::kBold, ui::kBold);
    EXPECT_EQ(shown.Size(), 12);
    EXPECT_EQ(shown.color, ui::clBlue);
  }
}

// The open dialog: checks its file types, types a name and presses OK.
int fileTypes = 0;
std::wstring fileToOpen;

void CALLBACK OpenTheFile(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = VisibleDialogWith(cmb1);
  if (!dialog) return;
  KillTimer(nullptr, id);
  fileTypes = static_cast<int>(SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0));
  HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
  SetWindowTextW(name, fileToOpen.c_str());
  Press(dialog, IDOK);
}

TEST_F(Win32Toolkit, TheOpenDialogReturnsThePathChosen) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  fileToOpen = std::wstring(temp) + L"kalmora-öffnen.txt";
  HANDLE file = CreateFileW(fileToOpen.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  ui::FileDialogOptions options;
  options.title = "Datei öffnen";
  options.filter = "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
  options.initialDir = win32::Narrow(temp);
  SetTimer(nullptr, 0, 50, OpenTheFile);
  const auto chosen = backend.GetDialogs().OpenFile(options);
  DeleteFileW(fileToOpen.c_str());
  EXPECT_EQ(fileTypes, 2);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(_wcsicmp(win32::Wide(*chosen).c_str(), fileToOpen.c_str()), 0) << *chosen;
}

// --- lifetime ------------------------------------------------------------------------------------

TEST_F(Win32Toolkit, DestroyingAPageLeavesNoWindowBehind) {
  HWND form = W(sc->form.get());
  HWND page = W(sc->page);
  const int before = CountDescendants(form);
  const int onPage = CountDescendants(page) + 1;
  ASSERT_GT(onPage, 15);
  sc->pages->Sheet(0)->Destroy(sc->page);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_EQ(CountDescendants(form), before - onPage);

  // A page that destroys itself from its own button's click.
  auto* panel = sc->pages->Sheet(0)->Add<ui::Panel>();
  panel->SetAlign(ui::Align::Client);
  auto* button = panel->Add<ui::Button>();
  button->SetBounds({10, 10, 80, 25});
  auto* inner = panel->Add<ui::GroupBox>();
  inner->Add<ui::CheckBox>();
  button->OnClick = [&](ui::Control&) { sc->pages->Sheet(0)->Destroy(panel); };
  HWND panelWindow = W(panel);
  EXPECT_EQ(CountDescendants(form), before - onPage + 4);
  SendMessageW(W(button), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(panelWindow));
  EXPECT_EQ(CountDescendants(form), before - onPage);

  // Destroying the whole form takes every window with it.
  sc->form.reset();
  EXPECT_FALSE(IsWindow(form));
}

// A drop-down combo box makes a top-level window for its list, slow to make under Wine: the one
// of a page that went serves the next page's, with nothing of the old page left on it.
TEST_F(Win32Toolkit, AComboOfAPageThatWentServesTheNextPageWithItsOwnState) {
  HWND form = W(sc->form.get());
  HWND kept = W(sc->combo);
  sc->pages->Sheet(0)->Destroy(sc->page);
  ASSERT_TRUE(IsWindow(kept));
  EXPECT_FALSE(IsWindowVisible(kept));
  EXPECT_FALSE(IsChild(form, kept)) << "kept out of the window";

  auto* page = sc->pages->Sheet(0)->Add<ui::Panel>();
  page->SetAlign(ui::Align::Client);
  auto* first = page->Add<ui::Button>();
  first->SetBounds({10, 10, 80, 25});
  auto* typed = page->Add<ui::ComboBox>();  // may be typed into: another kind of window
  typed->SetBounds({10, 40, 150, 21});
  typed->SetItems({"frei"});
  auto* combo = page->Add<ui::ComboBox>();
  combo->SetStyle(ui::ComboStyle::DropDownList);
  combo->SetBounds({10, 70, 150, 21});
  combo->SetItems({"eins", "zwei"});
  combo->SetItemIndex(1);
  std::vector<int> chosen;
  combo->OnChange = [&](ui::Control&) { chosen.push_back(combo->ItemIndex()); };
  Pump();

  EXPECT_NE(W(typed), kept);
  ASSERT_EQ(W(combo), kept);
  EXPECT_EQ(GetParent(kept), W(page));
  EXPECT_TRUE(IsWindowVisible(kept));
  EXPECT_EQ(GetWindow(W(typed), GW_HWNDNEXT), kept) << "in the order made, for the tab key";
  EXPECT_EQ(SendMessageW(kept, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(kept, CB_GETCURSEL, 0, 0), 1);
  wchar_t text[32] = {};
  SendMessageW(kept, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"eins");
  EXPECT_NE(GetDlgCtrlID(kept), GetDlgCtrlID(W(typed)));

  SendMessageW(kept, CB_SETCURSEL, 0, 0);
  Command(kept, CBN_SELCHANGE);
  EXPECT_EQ(chosen, std::vector<int>{0}) << "the user's choice reaches the new control";
}

TEST_F(Win32Toolkit, ASplitterDragResizesItsNeighbour) {
  HWND splitter = W(sc->splitter);
  const int treeWidth = sc->tree->Width();
  SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 50));
  SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(32, 50));
  SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(2, 50));  // the splitter moved along
  EXPECT_EQ(sc->tree->Width(), treeWidth + 30);
  EXPECT_EQ(RectInParent(W(sc->tree)).width, treeWidth + 30);
  EXPECT_EQ(RectInParent(splitter).left, treeWidth + 30);
  EXPECT_EQ(RectInParent(W(sc->pages)), sc->pages->Bounds());
}

// The main window is built out of sight: its windows are made when it shows, each once and with
// the styles set meanwhile; a control hidden then gets its window when it first shows, in its
// place among its siblings; the tooltip waits for the mouse.
TEST(Win32MainWindow, ItsWindowsAreMadeWhenItShowsAndAHiddenControlsWhenItShows) {
  Win32Backend backend;
  backend.DeferUntilShown();
  ui::Form form(backend);
  form.SetBounds({100, 100, 400, 300});
  auto* panel = form.Add<ui::Panel>();
  panel->SetAlign(ui::Align::Client);
  auto* first = panel->Add<ui::Button>();
  first->SetBounds({10, 10, 80, 25});
  auto* memo = panel->Add<ui::Memo>();
  memo->SetBounds({10, 40, 200, 80});
  memo->SetScrollBars(ui::ScrollBars::Vertical);
  memo->SetText("Zeile");
  memo->Hide();
  auto* last = panel->Add<ui::Edit>();
  last->SetBounds({10, 130, 80, 21});
  last->SetText("576");
  last->SetHint("MaxMTU");
  EXPECT_EQ(W(first), nullptr) << "no window while built out of sight";

  form.Show();
  guitest::Pump(backend, 30);
  ASSERT_NE(W(last), nullptr);
  EXPECT_EQ(GetParent(W(first)), W(panel));
  EXPECT_EQ(TextOf(W(last)), "576");
  EXPECT_EQ(RectInParent(W(last)), last->Bounds());
  EXPECT_EQ(GetWindow(W(first), GW_HWNDNEXT), W(last));
  EXPECT_EQ(W(memo), nullptr) << "out of sight: no window yet";

  memo->Show();
  ASSERT_NE(W(memo), nullptr);
  EXPECT_TRUE(IsWindowVisible(W(memo)));
  EXPECT_NE(StyleOf(W(memo)) & WS_VSCROLL, 0u) << "made with the scroll bar set before the show";
  EXPECT_EQ(TextOf(W(memo)), "Zeile");
  EXPECT_EQ(RectInParent(W(memo)), memo->Bounds());
  EXPECT_EQ(GetWindow(W(first), GW_HWNDNEXT), W(memo)) << "between its siblings, for the tab key";
  EXPECT_EQ(GetWindow(W(memo), GW_HWNDNEXT), W(last));

  EXPECT_EQ(backend.TooltipIfMade(), nullptr) << "no tooltip before the mouse comes";
  SendMessageW(W(last), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  ASSERT_NE(backend.TooltipIfMade(), nullptr);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = W(last);
  tool.uId = reinterpret_cast<UINT_PTR>(W(last));
  EXPECT_TRUE(
      SendMessageW(backend.TooltipIfMade(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
}

}  // namespace
