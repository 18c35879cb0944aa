// The tree branches whose pages live in src/tweaks/: each keeps its pages as records and puts
// their builders into the page table.
#pragma once

#include <vector>

#include "page/page_table.h"
#include "page/settings_page.h"

namespace tweaks {

// "Desktop" with its groups "Desktop-Darstellung", "Icons" and "StartMenü" (the tool tips page
// included).
const std::vector<page::SettingsPage>& DesktopPages();
void RegisterDesktopPages(page::PageTable& table);
// "Explorer" with its groups "Explorereinstellungen" and "Restriktionen".
const std::vector<page::SettingsPage>& ExplorerPages();
void RegisterExplorerPages(page::PageTable& table);
// "Hardware" with its groups "CD-Autostart", "Maus", "Speichermedien", "Drucker", "Sound" and
// "Monitor" and the leaf "Tastatur" (not the screen resolution page).
const std::vector<page::SettingsPage>& HardwarePages();
void RegisterHardwarePages(page::PageTable& table);
// "Windowseinstellungen" with "Installation", "Optimieren", "Dateisystem" and
// "Speichermanagment", and the "Bootvorgang" pages "Automatischer Login", "CHKDSK" and "Optionen".
const std::vector<page::SettingsPage>& WindowsPages();
void RegisterWindowsPages(page::PageTable& table);
// "Internet" with its groups "InternetExplorer" (with "Restriktionen") and "OutlookExpress"
// (not the dial-up tuner).
const std::vector<page::SettingsPage>& InternetPages();
void RegisterInternetPages(page::PageTable& table);
// "Sicherheitseinstellungen": the display, network, printer and password restrictions (not the
// system-file backup).
const std::vector<page::SettingsPage>& SecurityPages();
void RegisterSecurityPages(page::PageTable& table);

// The tool tips page (PageId 34), kept with the Desktop branch.
page::SettingsPage ToolTipsPage();
// The support information of the system properties (PageId 57), kept in two files.
page::SettingsPage OemInfoPage();

}  // namespace tweaks
