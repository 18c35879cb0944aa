// The pages of the tree branch "Desktop" (groups "Desktop-Darstellung", "Icons", "StartMenü"):
// their readers (Get...), writers and actions under the names the page table gives them.
#pragma once

namespace shell {
class TForm1;
}

namespace tweaks {

// 17 Schnellstartleiste bearbeiten: the entries of the folders' context menu.
void GetRightClickFolder(shell::TForm1& form);
void AppRightClickFolder(shell::TForm1& form);
void RemoveRightClickFolder(shell::TForm1& form);

// 28 Farbanzahl bei Icons.
void GetMaxIconColors(shell::TForm1& form);
void MaxIconColor(shell::TForm1& form);

// 29 Quickinfo für Icons.
void RegInfoTip(shell::TForm1& form);

// 30 Hintergrundbild positionieren.
void WriteWallpaperOrigin(shell::TForm1& form);

// 31 Darstellung des Hintergrundbildes.
void GEtWallpaperStyle(shell::TForm1& form);
void WriteWallpaperStyle(shell::TForm1& form);

// 32 Windows Versionsnummer anzeigen.
void ShowBuildNumber(shell::TForm1& form);

// 42 Desktop-Darstellung / Einstellungen.
void GetDesktopEinstellungen(shell::TForm1& form);
void WriteDesktopEinstellunen1(shell::TForm1& form);

// 43 Iconbug beheben.
void GetMaxCachedIcons(shell::TForm1& form);
void WriteMaxCachedIcons(shell::TForm1& form);
void TrackMaxCachedIcons(shell::TForm1& form);
void DelRegIconCache(shell::TForm1& form);

// 49 Icons umbenennen.
void GetDesktopIconNames(shell::TForm1& form);
void WriteDesktopIconNames(shell::TForm1& form);

// 50 Systemordner auf Desktop.
void GetDesktopLinks(shell::TForm1& form);
void WriteDesktopLinks(shell::TForm1& form);

// 53 Active Desktop.
void GetActiveDesktop(shell::TForm1& form);
void GetActiveDesktop1(shell::TForm1& form);
void WriteActiveDesktop(shell::TForm1& form);

// 72 StartMenü / Einstellungen.
void GetStartMenu1(shell::TForm1& form);
void WriteStartMenu1(shell::TForm1& form);

// 73 Systemordner ins Startmenü einfügen.
void GetDesktopSystemordner(shell::TForm1& form);
void WriteDesktopSystemordner(shell::TForm1& form);

// 74 Aufklappzeit von Fenstern (the slider's value label: TrackMenuDelay).
void FensterAufklappInit(shell::TForm1& form);
void WriteMenuDelay(shell::TForm1& form);
void DeleteMenuDelay(shell::TForm1& form);

// 75 Abstand der Desktopicons.
void GetAbstandIcons(shell::TForm1& form);
void AbstandIcons(shell::TForm1& form);
void TrackBaryChange(shell::TForm1& form);
void TrackBarxChange(shell::TForm1& form);

// 76 Desktop / Restriktionen.
void GetDesktopRestriction(shell::TForm1& form);
void WriteDesktopRestriction(shell::TForm1& form);

// 77 Iconeinstellungen.
void GetIconSettings_2(shell::TForm1& form);
void WriteIconSettings(shell::TForm1& form);
void IconFontDia(shell::TForm1& form);

// 146 Icongröße auf Desktop.
void GetDesktopIconSize(shell::TForm1& form);
void WriteDesktopIconSize(shell::TForm1& form);

// 162 Verknüpfungspfeil.
void GetShortCut(shell::TForm1& form);
void SetShortCut(shell::TForm1& form);
void BenutzerdefPfeil(shell::TForm1& form);
void PfeilDialog(shell::TForm1& form);

// 34 Tool Tips (src/tweaks/tooltip_page.cpp).
void GetWindowsTips(shell::TForm1& form);
void ChangeTip(shell::TForm1& form);
void WriteNeueTips(shell::TForm1& form);
void BuildToolTipsPage(shell::TForm1& form);

}  // namespace tweaks
