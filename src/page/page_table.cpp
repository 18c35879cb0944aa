#include "page/page_table.h"

#include <algorithm>

#include "page/page_context.h"
#include "page/settings_page.h"

namespace page {

const std::vector<PageRow>& PageRows() {
  static const std::vector<PageRow> kPages = {
      {1, nullptr, InfoArea::Group},
      {5, "Bootdiskette erstellen", InfoArea::NoApplyButton},
      {7, nullptr, InfoArea::Hidden},
      {9, "Bildschirmauflösung ändern", InfoArea::NoApplyButton},
      {11, "Autostartoptionen für verschiedene Laufwerke", InfoArea::Apply},
      {12, "Audio CD-Roms automatisch abspielen", InfoArea::Apply},
      {13, "Standard CDPlayer festlegen", InfoArea::Apply},
      {15, "Laufwerke verstecken", InfoArea::Apply},
      {16, "Dateien optional mit rechter Maustaste durch Notepad öffnen", InfoArea::Apply},
      {17, "Schnellstartleiste bearbeiten", InfoArea::NoApplyButton},
      {19, "AutoRun (HKLM)", InfoArea::NoApplyButton},
      {20, "AutoRun (HKCU)", InfoArea::NoApplyButton},
      {21, "Runonce (HKLM)", InfoArea::NoApplyButton},
      {22, "Runonce (HKCU)", InfoArea::NoApplyButton},
      {23, "RunonceEx (HKLM)", InfoArea::NoApplyButton},
      {24, "AutoRunServices (HKLM)", InfoArea::NoApplyButton},
      {25, "AutoRunServices (HKCU)", InfoArea::NoApplyButton},
      {26, "AutoRun-Einträge in der Win.ini ", InfoArea::NoApplyButton},
      {27, "DirectX deinstallieren", InfoArea::Apply},
      {28, "Maximale Farbanzahl bei Icons", InfoArea::Apply},
      {29, "QuickInfo für Icons", InfoArea::Apply},
      {30, "Desktop-Hintergrundbild positionieren", InfoArea::Apply},
      {31, "Anzeigen des Desktop-Hintergrundbildes", InfoArea::Apply},
      {32, "Anzeigen der Versionsnummer auf dem Desktop", InfoArea::Apply},
      {34, "Tool Tips bearbeiten", InfoArea::Apply},
      {35, "Einträge in der Systemsteuerung verbergen", InfoArea::Apply},
      {36, "Einträge in der Systemsteuerung", InfoArea::Hidden},
      {37, "Sicherheitseinstellungen - Anzeige", InfoArea::Apply},
      {38, nullptr, InfoArea::Apply},
      {39, "Sicherheitseinstellungen - Drucker", InfoArea::Apply},
      {40, "Sicherheitseinstellungen - Kennwörter", InfoArea::Apply},
      {42, "Desktopeinstellungen", InfoArea::Apply},
      {43, "IconBug beheben", InfoArea::Apply},
      {45, "Blinkgeschwindigkeit des Mauszeigers", InfoArea::Apply},
      {46, "Drag & Drop Einstellungen", InfoArea::Apply},
      {47, "Doppelklickempfindlichkeit", InfoArea::Apply},
      {48, "Mauseinstellungen", InfoArea::Apply},
      {49, "Desktopicons umbenennen", InfoArea::Apply},
      {50, "Links auf Desktop zu Systemordnern", InfoArea::Apply},
      {51, "Digitale Signatur von Treiberdateien", InfoArea::Apply},
      {53, "ActiveDesktop - Einstellungen", InfoArea::Apply},
      {55, "Datei öffnen Dialog (nur Win2000)", InfoArea::Apply},
      {56, "Willkommen-Dialog", InfoArea::Apply},
      {57, nullptr, InfoArea::Apply},
      {60, "Explorer - KontextMenü", InfoArea::Apply},
      {63, "Explorer - Einstellungen", InfoArea::Apply},
      {64, "Automatischer Login", InfoArea::Apply},
      {65, "Hintergrundbild für Symbolleiste des Explorers", InfoArea::Apply},
      {66, "Anzeigefarbe für komprimierte Dateien/2000/NT", InfoArea::Apply},
      {68, "Restriktionen", InfoArea::Apply},
      {72, "Restriktionen", InfoArea::Apply},
      {73, "Systemordner ins Startmenü einfügen", InfoArea::Apply},
      {74, "Aufklappzeit von Fenstern", InfoArea::Apply},
      {75, "Iconabstand auf dem Desktop bestimmen", InfoArea::Hidden},
      {76, nullptr, InfoArea::Apply},
      {77, "Iconeinstellungen", InfoArea::Apply},
      {78, "Laufwerksymbol ändern", InfoArea::NoApplyButton},
      {79, nullptr, InfoArea::Apply},
      {82, "Warnmeldung falls Festplatte voll ist /NT/2000", InfoArea::Apply},
      {84, "Allgemeine Infos", InfoArea::Hidden},
      {85, "Laufwerksinformationen", InfoArea::Hidden},
      {86, "Umgebungsvariablen", InfoArea::Hidden},
      {87, "Eingabegeräte", InfoArea::Hidden},
      {88, "Desktopeinstellungen", InfoArea::Hidden},
      {89, "Zeitzone", InfoArea::Hidden},
      {91, nullptr, InfoArea::Hidden},
      {92, nullptr, InfoArea::Hidden},
      {93, nullptr, InfoArea::Hidden},
      {94, nullptr, InfoArea::Hidden},
      {95, nullptr, InfoArea::Hidden},
      {96, nullptr, InfoArea::Hidden},
      {97, nullptr, InfoArea::Hidden},
      {98, nullptr, InfoArea::Hidden},
      {99, nullptr, InfoArea::Hidden},
      {100, nullptr, InfoArea::Hidden},
      {101, nullptr, InfoArea::Hidden},
      {103, "DMA-Mode für Festplatte", InfoArea::Apply},
      {105, "InternetExplorer - Restriktionen Internetoptionen", InfoArea::Apply},
      {106, "InternetExplorer - Restriktionen Allgemein", InfoArea::Apply},
      {107, "Eingetippte Adressen aus der Auswahlliste entfernen", InfoArea::Apply},
      {109, "Hintergrundbild für Symbolleiste des Internet Explorers", InfoArea::Apply},
      {110, "Titel im Internet Explorer-Fenster ändern", InfoArea::Apply},
      {111, "Anwendungen ohne Nachfrage schließen", InfoArea::Apply},
      {112, "Nach dem Herunterfahren den Rechner ausschalten", InfoArea::Apply},
      {113, "Systemdateienüberprüfung deaktivieren", InfoArea::Apply},
      {114, "PS/2 Mausabfrage beschleunigen", InfoArea::Apply},
      {116, "Titel im Outlook Express-Fenster ändern", InfoArea::Apply},
      {117, "Einstellungen Outlook Express", InfoArea::Apply},
      {120, "Large System Cache", InfoArea::Apply},
      {121, "Größe und Ort der Auslagerungsdatei", InfoArea::Apply},
      {122, "Auslagerungsdatei und Ort festlegen", InfoArea::Apply},
      {123, "Verschiedenes", InfoArea::Apply},
      {125, "Speicher für Dateisystemoperationen", InfoArea::Apply},
      {126, "DLL im Speicher", InfoArea::Apply},
      {127, "Tastatur", InfoArea::Apply},
      {128, "CHKDSK", InfoArea::Apply},
      {129, "Optionen", InfoArea::Apply},
      {131, "Drucker", InfoArea::Apply},
      {133, "Drucker - Restriktionen", InfoArea::Apply},
      {135, "Drucker - Verarbeitungspriorität", InfoArea::Apply},
      {136, "Drucker - Prozessorzeit für Threads", InfoArea::Apply},
      {137, "Drucker - Priorität Drucker Spooler", InfoArea::Apply},
      {138, "Ausgeschaltete Drucker im Netz", InfoArea::Apply},
      {140, "Sound - Allgemeines", InfoArea::Apply},
      {141, nullptr, InfoArea::Hidden},
      {142, "Programme im Autostart Ordner", InfoArea::Apply},
      {143, "Uninstaller", InfoArea::Apply},
      {145, "Kompatibilität- Ändern von Anzeigeeigenschaften", InfoArea::Apply},
      {146, "Größe der Icons auf dem Desktop", InfoArea::Apply},
      {147, "Focus von Hintergrundprogrammen", InfoArea::Apply},
      {148, "Auflistung aller Ini-Dateien auf Laufwerk", InfoArea::Hidden},
      {150, nullptr, InfoArea::Apply},
      {151, "Gemeinsame Dll-dateien", InfoArea::NoApplyButton},
      {152, "Grafikkarte", InfoArea::Hidden},
      {154, "Geräte-Manager", InfoArea::Hidden},
      {159, "Advanced Power Management ", InfoArea::Hidden},
      {161, "Netzwerk", InfoArea::Hidden},
      {162, "Verknüpfungspfeil bearbeiten", InfoArea::Apply},
      {163, "Systemstart", InfoArea::Apply},
      {164, "Verhalten Kommandozeile CMD (Eingabeaufforderung)", InfoArea::Apply},
      {165, nullptr, InfoArea::Apply},
      // The processor-load page has a builder but no node in the tree.
      {52, nullptr, InfoArea::Hidden},
  };
  return kPages;
}

const PageRow* FindPageRow(int pageId) {
  const auto& pages = PageRows();
  const auto it = std::find_if(pages.begin(), pages.end(),
                               [&](const PageRow& page) { return page.pageId == pageId; });
  return it == pages.end() ? nullptr : &*it;
}

void PageTable::Register(int pageId, Builder builder) {
  builders_[pageId] = std::move(builder);
}

void PageTable::Build(int pageId, PageContext& form) const {
  const PageRow* record = FindPageRow(pageId);
  if (!record || record->infoArea == InfoArea::Group) return;
  const auto builder = builders_.find(pageId);
  if (builder != builders_.end()) {
    builder->second(form);
    return;
  }
  if (record->headline) {
    form.WorkText = record->headline;
    form.HeadLine(record->headline);
  }
  form.SetDescription(kPageNotAvailable);
  form.ShowInformationArea(InfoArea::NoApplyButton);
}

void PageTable::RegisterRecord(const SettingsPage& record) {
  records_[record.pageId] = &record;
}

const SettingsPage* PageTable::Record(int pageId) const {
  const auto it = records_.find(pageId);
  return it == records_.end() ? nullptr : it->second;
}

std::vector<const SettingsPage*> PageTable::Records() const {
  std::vector<const SettingsPage*> records;
  for (const auto& [pageId, record] : records_) records.push_back(record);
  return records;
}

void PageTable::RegisterCommand(std::string name, Builder action) {
  commands_[std::move(name)] = std::move(action);
}

void PageTable::RunCommand(const std::string& name, PageContext& form) const {
  const auto it = commands_.find(name);
  if (it != commands_.end()) it->second(form);
}

}  // namespace page
