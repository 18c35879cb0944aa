// A page built in answer to a click, as the main window builds one on every tree selection: the
// panel it goes on does not draw meanwhile, each new window gets its state once, and afterwards
// every window shows what the model says.
#include "win32/ui/win32_backend.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "win32/wide.h"
#include "window_probe.h"

namespace {

using guitest::RectInParent;
using guitest::TextOf;
using guitest::W;
using win32::Win32Backend;

// How often each window of this thread was moved or sized.
std::map<HWND, int> moves;
LRESULT CALLBACK CountMoves(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGED) ++moves[message->hwnd];
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PageBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<ui::Form>(backend);
    form->SetCaption("Seitenaufbau");
    form->SetClientSize(520, 360);
    form->SetBounds({100, 100, form->Width(), form->Height()});
    build = form->Add<ui::Button>();
    build->SetCaption("Aufbauen");
    build->SetBounds({4, 4, 90, 24});
    build->OnClick = [this](ui::Control&) { Build(); };
    host = form->Add<ui::Panel>();
    host->SetBounds({0, 32, 520, 328});
    side = host->Add<ui::Panel>();
    side->SetBounds({400, 0, 120, 100});
    form->Show();
    Pump(50);
  }

  // What a page builder does: the old page goes, the new one is laid out property by property.
  void Build() {
    if (page) host->Destroy(page);
    page = host->Add<ui::Panel>();
    page->SetBounds({0, 0, 390, 320});
    page->SetColor(ui::clWhite);
    labels.clear();
    for (int i = 0; i < 8; ++i) {
      auto* label = page->Add<ui::Label>();
      label->SetFont(ui::Font::Of("MS Sans Serif", 8));
      label->SetLeft(10);
      label->SetTop(10 + 16 * i);
      label->SetCaption("Eintrag " + std::to_string(i + 1));
      label->SetHeight(13);
      labels.push_back(label);
    }
    list = page->Add<ui::ListView>();
    list->SetLeft(150);
    list->SetTop(10);
    list->SetWidth(220);
    list->SetHeight(200);
    list->SetStyle(ui::ViewStyle::Report);
    list->AddColumn("Programm", 200);
    for (int i = 0; i < 30; ++i) list->Add("Zeile " + std::to_string(i + 1));
    list->Item(3)->SetCaption("Geändert");
    hidden = page->Add<ui::Label>();
    hidden->SetCaption("nicht zu sehen");
    hidden->Hide();
    // A panel already on screen gets a child, then goes.
    side->Add<ui::Label>()->SetCaption("weg");
    side->Hide();
    hostShownWhileBuilding = IsWindowVisible(W(host)) != 0;
  }

  void Pump(int milliseconds) { guitest::Pump(backend, milliseconds); }
  // Clicks the build button and waits until what the click does is done.
  void Click(const std::function<bool()>& done) {
    guitest::PostClick(W(build), 10, 10);
    for (int i = 0; i < 300 && !done(); ++i) Pump(10);
    Pump(50);
  }

  Win32Backend backend;
  std::unique_ptr<ui::Form> form;
  ui::Button* build = nullptr;
  ui::Panel* host = nullptr;
  ui::Panel* side = nullptr;
  ui::Panel* page = nullptr;
  std::vector<ui::Label*> labels;
  ui::ListView* list = nullptr;
  ui::Label* hidden = nullptr;
  bool hostShownWhileBuilding = true;
};

TEST_F(PageBuild, APageBuiltOnAClickShowsAsTheModelSaysOnceTheClickIsDone) {
  Click([this] { return page != nullptr; });
  ASSERT_TRUE(page);
  EXPECT_FALSE(hostShownWhileBuilding) << "the panel does not draw while its page is built";
  EXPECT_TRUE(IsWindowVisible(W(host)));
  EXPECT_TRUE(IsWindowVisible(W(page)));
  EXPECT_EQ(RectInParent(W(page)), page->Bounds());
  for (ui::Label* label : labels) {
    SCOPED_TRACE(label->Caption());
    EXPECT_TRUE(IsWindowVisible(W(label)));
    EXPECT_EQ(RectInParent(W(label)), label->Bounds());
    EXPECT_EQ(TextOf(W(label)), label->Caption());
    EXPECT_GT(label->Width(), 20);
  }
  EXPECT_TRUE(IsWindowVisible(W(list)));
  EXPECT_EQ(RectInParent(W(list)), list->Bounds());
  EXPECT_EQ(SendMessageW(W(list), LVM_GETITEMCOUNT, 0, 0), 30);
  EXPECT_EQ(guitest::ListText(W(list), 3, 0), "Geändert");
  EXPECT_FALSE(IsWindowVisible(W(hidden)));
  EXPECT_FALSE(IsWindowVisible(W(side))) << "a panel hidden while it did not draw stays hidden";
  side->Show();
  Pump(20);
  EXPECT_TRUE(IsWindowVisible(W(side)));
}

TEST_F(PageBuild, EachNewWindowIsPlacedOnceHoweverOftenTheBuilderMovesIt) {
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountMoves, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(hook);
  moves.clear();
  Click([this] { return page != nullptr; });
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(labels.size(), 8u);
  for (ui::Label* label : labels) {
    SCOPED_TRACE(label->Caption());
    // Left, top, caption and height came one by one; the window moved once.
    EXPECT_LE(moves[W(label)], 1);
  }
}

// The rightmost column the text inks when drawn with the window's font, as a static draws it.
int InkRight(HWND window, const std::wstring& text) {
  HDC screen = GetDC(window);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 600, 40);
  HGDIOBJ oldCanvas = SelectObject(dc, canvas);
  HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  RECT all{0, 0, 600, 40};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), -1, &all, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
  int right = -1;
  for (int x = 0; x < 600; ++x) {
    for (int y = 0; y < 40; ++y) {
      if (GetPixel(dc, x, y) != RGB(255, 255, 255)) right = x;
    }
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(window, screen);
  return right;
}

TEST(LabelSize, AnAutoSizedLabelHoldsAllItsLetters) {
  Win32Backend backend;
  ui::Form form(backend);
  form.SetClientSize(500, 120);
  form.Show();
  int top = 4;
  for (const char* caption : {"Vertikaler Abstand (y-Achse)", "(Angaben in Millisekunden)",
                              "Windows Standard -> x-Achse : 66; y-Achse : 42"}) {
    auto* label = form.Add<ui::Label>();
    label->SetFont(ui::Font::Of("MS Sans Serif", 8));
    label->SetLeft(8);
    label->SetTop(top);
    label->SetCaption(caption);
    top += 20;
    SCOPED_TRACE(caption);
    const int ink = InkRight(W(label), win32::Wide(caption));
    ASSERT_GT(ink, 50);
    EXPECT_LT(ink, label->Width()) << "the last letter would be cut";
    EXPECT_LT(label->Width(), ink + 8) << "and no more room than it needs";
  }
}

// A dialog made and shown in answer to a click, as a page asks "are you sure?".
TEST_F(PageBuild, ADialogMadeInAClickShowsItsControlsInPlace) {
  std::string shownCaption;
  ui::Rect shownBounds;
  ui::Rect buttonBounds;
  int answer = 0;
  build->OnClick = [&](ui::Control&) {
    ui::Form dialog(backend, form.get());
    dialog.SetCaption("Bestätigen");
    dialog.SetBorder(ui::FormBorder::Dialog);
    dialog.SetClientSize(260, 90);
    auto* question = dialog.Add<ui::Label>();
    question->SetLeft(10);
    question->SetTop(10);
    question->SetCaption("Wirklich löschen?");
    auto* yes = dialog.Add<ui::Button>();
    yes->SetCaption("&Ja");
    yes->SetBounds({10, 50, 75, 25});
    yes->SetModalResult(ui::mrYes);
    buttonBounds = yes->Bounds();
    dialog.OnShow = [&, question, yes](ui::Control&) {
      shownCaption = TextOf(W(question));
      shownBounds = RectInParent(W(yes));
      PostMessageW(W(yes), BM_CLICK, 0, 0);
    };
    answer = dialog.ShowModal();
  };
  Click([&] { return answer != 0; });
  EXPECT_EQ(answer, ui::mrYes);
  EXPECT_EQ(shownCaption, "Wirklich löschen?");
  EXPECT_EQ(shownBounds, buttonBounds);
}

}  // namespace
