// The pages of the "Internet" branch: browser restrictions, the typed-address list, the tool-bar
// background and window titles of the browser and the mail client, as page records; what a
// record cannot say is in the hooks below it. The dial-up tuner is a page of its own.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "page/engine.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kIeRestrictions =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
constexpr const char* kIeControlPanel =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kIeToolbar = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr const char* kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";

// --- 107 TypedURLs -------------------------------------------------------------------------------

// The browser numbers its addresses "url1", "url2", ...; rows follow that number (the registry
// may list "url10" before "url2"), other names come last in the registry's order.
int64_t UrlNumber(const std::string& name) {
  int64_t number = 0;
  const bool numbered = name.size() > 3 && name.size() <= 12 &&
                        (name.compare(0, 3, "url") == 0 || name.compare(0, 3, "URL") == 0) &&
                        std::all_of(name.begin() + 3, name.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
  if (numbered) number = base::StrToInt(name.substr(3));
  return numbered ? number : INT64_MAX;
}

void MakeTypedUrlList(PageContext& form) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  if (!list) return;
  list->SetStyle(ui::ViewStyle::Report);
  list->SetRowSelect(true);
  list->SetMultiSelect(true);
  list->AddColumn("Name", 70);
  list->AddColumn("Adresse", 325);
  form.ListView(0, 20, 60, 420, 150);
}

struct TypedUrl {
  std::string name;
  std::string address;
};

// The builder fills the list; the page has no reader of its own.
void FillTypedUrls(PageContext& form) {
  MakeTypedUrlList(form);
  std::vector<TypedUrl> urls;
  WithExistingKey(
      form, Root::CurrentUser, kTypedUrls,
      [&](sysaccess::TRegistry& reg) {
        for (std::string& name : reg.GetValueNames()) {
          // An address stored as anything but text shows empty; it can be removed all the same.
          const sysaccess::RegDataType type = reg.GetDataType(name);
          const bool text = type == sysaccess::RegDataType::String ||
                            type == sysaccess::RegDataType::ExpandString;
          urls.push_back({name, text ? reg.ReadString(name) : std::string()});
        }
      },
      kReadOnlyKey);
  std::stable_sort(urls.begin(), urls.end(), [](const TypedUrl& a, const TypedUrl& b) {
    return UrlNumber(a.name) < UrlNumber(b.name);
  });
  ui::ListView* list = form.ListViews[0];
  for (const TypedUrl& url : urls) list->Add(url.name)->AddSubItem(url.address);
}

bool TypedUrlExists(PageContext& form, const std::string& name) {
  bool exists = false;
  WithExistingKey(
      form, Root::CurrentUser, kTypedUrls,
      [&](sysaccess::TRegistry& reg) { exists = reg.ValueExists(name); }, kReadOnlyKey);
  return exists;
}

// A row goes only when its value went: the list shows what the browser will offer.
void DeleteTypedURLs(PageContext& form) {
  ui::ListView* list = form.ListViews[0];
  if (!list) return;
  if (!form.Confirm("Wollen Sie markierten Einträge wirklich entfernen ?")) return;
  for (int i = list->Count() - 1; i >= 0; --i) {
    if (!list->Item(i)->Selected()) continue;
    const std::string name = list->Item(i)->Caption();
    form.DeleteReg(Root::CurrentUser, kTypedUrls, name, Removal::Value);
    if (!TypedUrlExists(form, name)) list->Delete(i);
  }
  form.ReportApplied();
}

// --- 109 Hintergrund Symbolleiste ----------------------------------------------------------------

void SymbolleisteDiaIE(PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Bitmaps (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*";
  options.picture = true;
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (path && !path->empty()) form.Edits[0]->SetText(*path);
}

// Browsers of version 5 read their own value, older ones the plain one; both get the picture.
void WriteSymbolleisteIE(PageContext& form) {
  const std::string path = form.Edits[0]->Text();
  for (const char* name : {"BackBitmapIE5", "BackBitmap"}) {
    if (path.empty()) {
      form.DeleteReg(Root::CurrentUser, kIeToolbar, name, Removal::Value);
    } else {
      form.WriteReg(Root::CurrentUser, kIeToolbar, name, path, Kind::String);
    }
  }
}

// --- 116 / 117 Outlook Express -------------------------------------------------------------------

constexpr const char* kIdentities = "\\Identities";
constexpr const char* kMailClientKeys =
    "\\Identities\\{any}\\Software\\Microsoft\\Outlook Express\\{any}";

std::string FirstSubKey(PageContext& form, const std::string& path) {
  std::string first;
  WithExistingKey(
      form, Root::CurrentUser, path,
      [&](sysaccess::TRegistry& reg) {
        const std::vector<std::string> names = reg.GetKeyNames();
        if (!names.empty()) first = names.front();
      },
      kReadOnlyKey);
  return first;
}

// The mail client keeps its settings per user identity and per version: the key of the first
// identity's first version, or "" when there is none.
std::string MailClientKey(PageContext& form) {
  const std::string identity = FirstSubKey(form, kIdentities);
  if (identity.empty()) return "";
  const std::string client =
      std::string(kIdentities) + "\\" + identity + "\\Software\\Microsoft\\Outlook Express";
  const std::string version = FirstSubKey(form, client);
  return version.empty() ? "" : client + "\\" + version;
}

void GetOutlookTitle(PageContext& form) {
  form.Edits[0]->SetText("Outlook Express");
  const std::string key = MailClientKey(form);
  if (key.empty()) return;
  std::optional<std::string> title;
  WithExistingKey(
      form, Root::CurrentUser, key,
      [&](sysaccess::TRegistry& reg) {
        const sysaccess::RegDataType type = reg.GetDataType("WindowTitle");
        if (type == sysaccess::RegDataType::String ||
            type == sysaccess::RegDataType::ExpandString) {
          title = reg.ReadString("WindowTitle");
        }
      },
      kReadOnlyKey);
  if (title) form.Edits[0]->SetText(*title);
}

void WriteOutlookTitle(PageContext& form) {
  const std::string key = MailClientKey(form);
  if (!key.empty())
    form.WriteReg(Root::CurrentUser, key, "WindowTitle", form.Edits[0]->Text(), Kind::String);
}

CheckSetting SplashScreenCheck() {
  CheckSetting check;
  check.caption = "Splash Screen vom Outlook Express deaktivieren";
  check.read = [](PageContext& form) {
    const std::string key = MailClientKey(form);
    if (key.empty()) return false;
    const std::string text = form.ReadReg(Root::CurrentUser, key, "NoSplash", Kind::Integer);
    return !text.empty() && base::StrToInt(text) != 0;
  };
  check.write = [](PageContext& form, bool checked) {
    const std::string key = MailClientKey(form);
    if (!key.empty())
      form.WriteReg(Root::CurrentUser, key, "NoSplash", checked ? "1" : "0", Kind::Integer);
  };
  check.touches = {{Root::CurrentUser, kMailClientKeys, "NoSplash", Kind::Integer}};
  return check;
}

// --- the records ---------------------------------------------------------------------------------

std::vector<CheckSetting> BrowserRestrictions() {
  return PairedChecks(
      {"Favoritenmenü kann nicht verändert werden",
       "Tastaturkombination CTRL +N des Internet Explorer deaktivieren",
       "Datei Öffnen Eintrag aus dem Internet Explorer entfernen",
       "Tastaturkombination F3 des Internet Explorer deaktiviern",
       "Tastaturkombination F11 des Internet Explorer deaktiviert",
       "Speichern Button beim Download des Internet Explorer deaktivieren",
       "Datei Speichern und Speichern unter Eintrag aus dem Internet Explorer entfernen",
       "Internetoptionen (Browser Einstellungen) unter dem Extra Menü aus dem Internet Explorer "
       "entfernt",
       "Kontext-Menü deaktivieren", "Internet Explorer kann nicht beendet werden"},
      Root::CurrentUser, kIeRestrictions,
      {"NoFavorites", "NoFileNew", "NoFileOpen", "NoFindFiles", "NoTheaterMode",
       "NoSelectDownloadDir", "NoBrowserSaveAs", "NoBrowserOptions", "NoBrowserContextMenu",
       "NoBrowserClose"});
}

std::vector<CheckSetting> OptionRestrictions() {
  return PairedChecks(
      {"Register Allgemein -> Schriftarten ausblenden",
       "Register Allgemein Abschnitt Verlauf kann nicht verändert werden",
       "Register Allgemein -> Sprachen kann nicht verändert werden",
       "Startseite im Register Allgemein kann nicht verändert werden",
       "DFÜ-Einstellungen im Register Verbindungen kann nicht verändert werden",
       "Farbeinstellungen unter Allgemein-> Farben.. -> Farben kann nicht verändert werden",
       "Option Auf Internet Explorer als Standardbrowser überprüfen unter dem Programme nicht "
       "mehr deaktiviert werden",
       "Einstellungen im Register Inhalt unter Zertifikate nicht mehr verändert werden",
       "Einstellungen Kalender und Kontakte unter Programme nicht mehr verändert werden",
       "Register Verbindungen -> LAN.Einstellungen die Automatische Konfiguration kann nicht "
       "verändert werden",
       "Cache Einstellungen im Register Allgemein -> Einstellungen (bei Temporäre "
       "Internetdateien) nicht mehr verändert werden",
       "Einstellungen unter dem Register Erweitert nicht mehr verändert werden",
       "Einstellungen für Links unter dem Register Allgemein -> Farben -> Links kann nicht "
       "verändert werden",
       "Einstellungen des Profiles unter dem Register Inhalt im Abschnitt Persönliche "
       "Informationen ->Profil nicht mehr verändert werden",
       "Einstellungen E-Mail, Newsgroups und Internetanruf unter dem Register Programme im "
       "Abschnitt Internetprogramme kann nicht verändert werden",
       "Einstellungen für den Inhaltsratgeber unter dem Register Inhalt nicht mehr verändert "
       "werden",
       "Einstellungen des Proxyservers unter dem Register Verbindungen -> Lan-Einstellungen -> "
       "Proxyserver nicht mehr verändert werden",
       "Einstellungen unter dem Register Erweitert nicht mehr angezeigt",
       "Register Programme ausgeblenden",
       "Register Inhalt unter Zertifikate nicht mehr angezeigt.",
       "Register Allgemein ausgeblenden",
       "Register Verbindung ausblenden",
       "Register Sicherheit ausblenden"},
      Root::CurrentUser, kIeControlPanel,
      {"Fonts",
       "History",
       "Languages",
       "HomePage",
       "Connection Settings",
       "Colors",
       "Check_If_Default",
       "Certificates",
       "CalendarContact",
       "Autoconfig",
       "Cache",
       "Advanced",
       "Links",
       "Profiles",
       "Messaging",
       "Ratings",
       "Proxy",
       "AdvancedTab",
       "ProgramsTab",
       "ContentTab",
       "GeneralTab",
       "ConnectionsTab",
       "SecurityTab"});
}

std::vector<SettingsPage> MakeInternetPages() {
  std::vector<SettingsPage> pages;

  pages.push_back({
      .pageId = 105,
      .description = "Schränken Sie ein, was Benutzer im Internet Explorer tun dürfen: Menüs, "
                     "Tastenkombinationen und das Beenden des Browsers. Markieren Sie die "
                     "Einschränkungen und klicken Sie auf \"Übernehmen\"; sie wirken beim "
                     "nächsten Start des Internet Explorers.",
      .controls = CheckListControls("Bestimmen Sie was man im InternetExplorer machen darf", 40,
                                    BrowserRestrictions()),
      .readerName = "GetInternetoptionen",
      .writerName = "WriteInternetoptionen",
  });

  pages.push_back({
      .pageId = 106,
      .description = "Sperren Sie einzelne Register und Einstellungen des Dialogs "
                     "\"Internetoptionen\". Markieren Sie die Einschränkungen und klicken Sie "
                     "auf \"Übernehmen\"; sie wirken beim nächsten Öffnen der Internetoptionen.",
      .controls = CheckListControls("Bestimmen Sie was in den Internetoptionen verändert werden "
                                    "darf",
                                    40, OptionRestrictions()),
      .readerName = "GetInternetoptionenAllgemein",
      .writerName = "WriteInternetoptionenAllgemein",
  });

  pages.push_back({
      .pageId = 107,
      .description = "Die Adressleiste des Internet Explorers merkt sich die eingetippten "
                     "Adressen. Markieren Sie die Einträge, die aus der Auswahlliste "
                     "verschwinden sollen, und klicken Sie auf \"Übernehmen\".",
      .controls = {Label{0, 20, 40, "Eingetippte Adressen"}},
      .writerName = "DeleteTypedURLs",
      .afterBuild = FillTypedUrls,
      .writer = DeleteTypedURLs,
      .reportsApplied = false,
      .hookTouches = {{Root::CurrentUser, kTypedUrls, kAnyKey, Kind::String}},
  });

  pages.push_back({
      .pageId = 109,
      .description = "Wählen Sie ein Bild, das als Hintergrund der Symbolleiste des Internet "
                     "Explorers angezeigt wird, und klicken Sie auf \"Übernehmen\". Ist das Feld "
                     "leer, zeigt der Internet Explorer wieder seinen normalen Hintergrund.",
      .controls = {Label{0, 20, 40, "Pfadname für Hintergrundbild"},
                   Edit{0, 20, 60, 350,
                        RegBinding{Root::CurrentUser, kIeToolbar, "BackBitmap", Kind::String}},
                   Button{0, {375, 60, 25, 21}, "...", {"SymbolleisteDiaIE", SymbolleisteDiaIE}}},
      .readerName = "GetSymbolleisteIE",
      .writerName = "WriteSymbolleisteIE",
      .writer = WriteSymbolleisteIE,
      .hookTouches = {{Root::CurrentUser, kIeToolbar, "BackBitmapIE5", Kind::String}},
  });

  pages.push_back({
      .pageId = 110,
      .description = "Geben Sie den Text ein, der in der Titelleiste des Internet Explorers "
                     "steht, und klicken Sie auf \"Übernehmen\". Ein leeres Feld gibt dem "
                     "Browser seinen eigenen Titel zurück.",
      .controls = {Label{0, 20, 40, "Geben Sie den Titel für das Internet Explorer-Fenster ein "},
                   Edit{0, 20, 60, 350,
                        RegBinding{Root::CurrentUser, kIeMain, "Window Title", Kind::String}}},
      .readerName = "GetIETitle",
      .writerName = "WriteIETitle",
  });

  pages.push_back({
      .pageId = 116,
      .description = "Geben Sie den Text ein, der in der Titelleiste von Outlook Express steht, "
                     "und klicken Sie auf \"Übernehmen\". Die Einstellung gilt für die erste "
                     "Identität von Outlook Express.",
      .controls = {Label{0, 20, 40, "Geben Sie den Titel für das Outlook Express-Fenster ein "},
                   Edit{0, 20, 60, 350}},
      .readerName = "GetOutlookTitle",
      .writerName = "WriteOutlookTitle",
      .reader = GetOutlookTitle,
      .writer = WriteOutlookTitle,
      .hookTouches = {{Root::CurrentUser, kMailClientKeys, "WindowTitle", Kind::String}},
  });

  pages.push_back({
      .pageId = 117,
      .description = "Outlook Express zeigt beim Start ein Begrüßungsbild. Markieren Sie das "
                     "Feld, damit es gleich mit seinem Fenster startet, und klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = {CheckBoxes{.checks = {SplashScreenCheck()}}},
      .readerName = "GetSplashScreen",
      .writerName = "WriteSplashScreen",
  });

  return pages;
}

}  // namespace

const std::vector<SettingsPage>& InternetPages() {
  static const std::vector<SettingsPage> pages = MakeInternetPages();
  return pages;
}

void RegisterInternetPages(PageTable& table) {
  RegisterSettingsPages(table, InternetPages());
}

}  // namespace tweaks
