// The pages of the tree branch "Desktop" (groups "Desktop-Darstellung", "Icons", "StartMenü"):
// their readers (Get...), writers and actions under the names the page table gives them.
#pragma once

namespace page {
class PageContext;
}

namespace tweaks {

// 17 Schnellstartleiste bearbeiten: the entries of the folders' context menu.
void GetRightClickFolder(page::PageContext& form);
void AppRightClickFolder(page::PageContext& form);
void RemoveRightClickFolder(page::PageContext& form);

// 28 Farbanzahl bei Icons.
void GetMaxIconColors(page::PageContext& form);
void MaxIconColor(page::PageContext& form);

// 29 Quickinfo für Icons.
void RegInfoTip(page::PageContext& form);

// 30 Hintergrundbild positionieren.
void WriteWallpaperOrigin(page::PageContext& form);

// 31 Darstellung des Hintergrundbildes.
void GEtWallpaperStyle(page::PageContext& form);
void WriteWallpaperStyle(page::PageContext& form);

// 32 Windows Versionsnummer anzeigen.
void ShowBuildNumber(page::PageContext& form);

// 42 Desktop-Darstellung / Einstellungen.
void GetDesktopEinstellungen(page::PageContext& form);
void WriteDesktopEinstellunen1(page::PageContext& form);

// 43 Iconbug beheben.
void GetMaxCachedIcons(page::PageContext& form);
void WriteMaxCachedIcons(page::PageContext& form);
void TrackMaxCachedIcons(page::PageContext& form);
void DelRegIconCache(page::PageContext& form);

// 49 Icons umbenennen.
void GetDesktopIconNames(page::PageContext& form);
void WriteDesktopIconNames(page::PageContext& form);

// 50 Systemordner auf Desktop.
void GetDesktopLinks(page::PageContext& form);
void WriteDesktopLinks(page::PageContext& form);

// 53 Active Desktop.
void GetActiveDesktop(page::PageContext& form);
void GetActiveDesktop1(page::PageContext& form);
void WriteActiveDesktop(page::PageContext& form);

// 72 StartMenü / Einstellungen.
void GetStartMenu1(page::PageContext& form);
void WriteStartMenu1(page::PageContext& form);

// 73 Systemordner ins Startmenü einfügen.
void GetDesktopSystemordner(page::PageContext& form);
void WriteDesktopSystemordner(page::PageContext& form);

// 74 Aufklappzeit von Fenstern (the slider's value label: TrackMenuDelay).
void FensterAufklappInit(page::PageContext& form);
void WriteMenuDelay(page::PageContext& form);
void DeleteMenuDelay(page::PageContext& form);

// 75 Abstand der Desktopicons.
void GetAbstandIcons(page::PageContext& form);
void AbstandIcons(page::PageContext& form);
void TrackBaryChange(page::PageContext& form);
void TrackBarxChange(page::PageContext& form);

// 76 Desktop / Restriktionen.
void GetDesktopRestriction(page::PageContext& form);
void WriteDesktopRestriction(page::PageContext& form);

// 77 Iconeinstellungen.
void GetIconSettings_2(page::PageContext& form);
void WriteIconSettings(page::PageContext& form);
void IconFontDia(page::PageContext& form);

// 146 Icongröße auf Desktop.
void GetDesktopIconSize(page::PageContext& form);
void WriteDesktopIconSize(page::PageContext& form);

// 162 Verknüpfungspfeil.
void GetShortCut(page::PageContext& form);
void SetShortCut(page::PageContext& form);
void BenutzerdefPfeil(page::PageContext& form);
void PfeilDialog(page::PageContext& form);

// 34 Tool Tips (src/tweaks/tooltip_page.cpp).
void GetWindowsTips(page::PageContext& form);
void ChangeTip(page::PageContext& form);
void WriteNeueTips(page::PageContext& form);
void BuildToolTipsPage(page::PageContext& form);

}  // namespace tweaks
