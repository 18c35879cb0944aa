// The in-memory file system's copies, short names and drive media, as the Win32 calls behave.
#include <gtest/gtest.h>

#include "os/file_system.h"

namespace {

TEST(MemoryFileSystemTest, CopyReplacesAWritableFileAndKeepsTheSourceAttributes) {
  os::MemoryFileSystem files("CA");
  files.AddFile("C:\\Quelle\\io.sys", "IO", os::kAttrHidden | os::kAttrSystem);
  EXPECT_TRUE(files.Copy("C:\\Quelle\\io.sys", "a:\\Io.sys"));
  std::string bytes;
  ASSERT_TRUE(files.ReadFile("A:\\IO.SYS", bytes));
  EXPECT_EQ(bytes, "IO");
  EXPECT_EQ(files.GetAttributes("A:\\Io.sys"), os::kAttrHidden | os::kAttrSystem);

  files.AddFile("A:\\fest.txt", "alt", os::kAttrReadOnly);
  EXPECT_FALSE(files.Copy("C:\\Quelle\\io.sys", "A:\\fest.txt"));
  EXPECT_FALSE(files.Copy("C:\\fehlt.sys", "A:\\neu.sys"));
  EXPECT_FALSE(files.Copy("C:\\Quelle\\io.sys", "A:\\kein Ordner\\io.sys"));
  EXPECT_FALSE(files.Exists("A:\\neu.sys"));
}

TEST(MemoryFileSystemTest, ShortPathsExistOnlyForExistingPaths) {
  os::MemoryFileSystem files;
  files.AddFile("C:\\Programme\\Backup\\Lange Datei.txt", "");
  files.SetShortName("C:\\Programme", "PROGRA~1");
  files.SetShortName("C:\\Programme\\Backup\\Lange Datei.txt", "LANGED~1.TXT");
  EXPECT_EQ(files.ShortPath("C:\\Programme\\Backup\\Lange Datei.txt"),
            "C:\\PROGRA~1\\Backup\\LANGED~1.TXT");
  EXPECT_EQ(files.ShortPath("c:\\programme\\BACKUP"), "c:\\PROGRA~1\\BACKUP");
  EXPECT_EQ(files.ShortPath("C:\\Programme\\Fehlt"), "");
}

TEST(MemoryFileSystemTest, ADriveWithoutMediumHasNoneAndIsNotAsked) {
  os::MemoryFileSystem files;
  files.AddDrive({'A', os::DriveType::Removable, "", "", 0, 0, 0});
  EXPECT_FALSE(files.Medium('A'));
  files.AddDrive({'A', os::DriveType::Removable, "DISK", "FAT", 7, 1474560, 1000});
  const auto medium = files.Medium('a');
  ASSERT_TRUE(medium);
  EXPECT_EQ(medium->fileSystem, "FAT");
  EXPECT_EQ(medium->freeBytes, 1000u);
  EXPECT_EQ(files.Drives().size(), 2u) << "the floppy drive replaced, not added twice";
  bool floppyListed = false;
  for (const os::DriveInfo& kind : files.DriveKinds()) {
    if (kind.letter != 'A') continue;
    floppyListed = true;
    EXPECT_EQ(kind.type, os::DriveType::Removable);
    EXPECT_EQ(kind.volumeName, "") << "the quick list asks no medium";
    EXPECT_EQ(kind.totalBytes, 0u);
  }
  EXPECT_TRUE(floppyListed);
  EXPECT_FALSE(files.Medium('Q'));

  // The medium holds what it has room for; deleting gives the room back.
  EXPECT_FALSE(files.WriteFile("A:\\gross.bin", std::string(1001, 'x')));
  EXPECT_TRUE(files.WriteFile("A:\\klein.bin", std::string(1000, 'x')));
  EXPECT_EQ(files.Medium('A')->freeBytes, 0u);
  EXPECT_TRUE(files.RemoveFile("A:\\klein.bin"));
  EXPECT_EQ(files.Medium('A')->freeBytes, 1000u);
}

}  // namespace
