// The pages of the tree branch "Explorer" (groups "Explorereinstellungen", "Restriktionen"):
// their readers (Get...), writers and actions under the names the page table gives them.
#pragma once

namespace page {
class PageContext;
}

namespace tweaks {

// 15 Laufwerke ausblenden.
void InitNoDrives(page::PageContext& form);
void GetNoDrives(page::PageContext& form);
void WriteNoDrives(page::PageContext& form);

// 16 Dateien optional mit Notepad öffnen.
void GetMausNotepad(page::PageContext& form);
void WriteMausNotepad(page::PageContext& form);

// 55 Datei öffnen Dialog.
void GetOpenFile(page::PageContext& form);
void WriteOpenFile(page::PageContext& form);

// 60 KontextMenü.
void GetContextExplorer(page::PageContext& form);
void WriteContextExplorer(page::PageContext& form);

// 63 Explorer / Einstellungen.
void GetExplorer(page::PageContext& form);
void WriteExplorer(page::PageContext& form);

// 65 Symbolleiste.
void GetSymbolleiste(page::PageContext& form);
void WriteSymbolleiste(page::PageContext& form);
void SymbolleisteDia(page::PageContext& form);

// 66 Anzeigefarbe für komprimierte Dateien.
void GetColorCompress(page::PageContext& form);
void WriteColorCompress(page::PageContext& form);
void ColorCompress(page::PageContext& form);

// 68 Restriktionen / Explorer/Desktop.
void GetExplorer1(page::PageContext& form);
void WriteExplorer1(page::PageContext& form);

// 79 Dateien & Ordner.
void GetOrdneroptionen(page::PageContext& form);
void WriteOrdneroptionen(page::PageContext& form);

}  // namespace tweaks
