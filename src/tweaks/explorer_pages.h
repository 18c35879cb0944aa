// The pages of the tree branch "Explorer" (groups "Explorereinstellungen", "Restriktionen"):
// their readers (Get...), writers and actions under the names the page table gives them.
#pragma once

namespace shell {
class TForm1;
}

namespace tweaks {

// 15 Laufwerke ausblenden.
void InitNoDrives(shell::TForm1& form);
void GetNoDrives(shell::TForm1& form);
void WriteNoDrives(shell::TForm1& form);

// 16 Dateien optional mit Notepad öffnen.
void GetMausNotepad(shell::TForm1& form);
void WriteMausNotepad(shell::TForm1& form);

// 55 Datei öffnen Dialog.
void GetOpenFile(shell::TForm1& form);
void WriteOpenFile(shell::TForm1& form);

// 60 KontextMenü.
void GetContextExplorer(shell::TForm1& form);
void WriteContextExplorer(shell::TForm1& form);

// 63 Explorer / Einstellungen.
void GetExplorer(shell::TForm1& form);
void WriteExplorer(shell::TForm1& form);

// 65 Symbolleiste.
void GetSymbolleiste(shell::TForm1& form);
void WriteSymbolleiste(shell::TForm1& form);
void SymbolleisteDia(shell::TForm1& form);

// 66 Anzeigefarbe für komprimierte Dateien.
void GetColorCompress(shell::TForm1& form);
void WriteColorCompress(shell::TForm1& form);
void ColorCompress(shell::TForm1& form);

// 68 Restriktionen / Explorer/Desktop.
void GetExplorer1(shell::TForm1& form);
void WriteExplorer1(shell::TForm1& form);

// 79 Dateien & Ordner.
void GetOrdneroptionen(shell::TForm1& form);
void WriteOrdneroptionen(shell::TForm1& form);

}  // namespace tweaks
