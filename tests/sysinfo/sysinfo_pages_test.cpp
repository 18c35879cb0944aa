// The drive and graphics-adapter pages, headless on seeded drives, registry and screen.
#include "sysinfo/sysinfo_pages.h"

#include "../tweaks/page_fixture.h"

namespace {

using Rows = std::vector<std::string>;

class SysInfoPageTest : public testing_support::PageTest {
 protected:
  // Each row as "caption|value".
  Rows Shown() {
    Rows rows;
    for (int i = 0; i < List().Count(); ++i) {
      rows.push_back(List().Item(i)->Caption() + "|" + List().Item(i)->SubItem(0));
    }
    return rows;
  }
  void RunTimers() {
    for (int i = 0; i < 1000 && backend.ActiveTimers() > 0; ++i) backend.TickTimers();
  }
};

constexpr uint64_t kGiB = uint64_t{1} << 30;
constexpr uint64_t kMiB = uint64_t{1} << 20;

TEST(NormiereTest, ThreeDecimalsWithAPoint) {
  EXPECT_EQ(sysinfo::Normiere(0.5), "0.500");
  EXPECT_EQ(sysinfo::Normiere(12.25), "12.250");
  EXPECT_EQ(sysinfo::Normiere(160.5), "160.500");
  EXPECT_EQ(sysinfo::Normiere(0.0012), "0.001");
  EXPECT_EQ(sysinfo::Normiere(0), "0.000");
  EXPECT_EQ(sysinfo::Normiere(1234.5678), "1234.568");
}

TEST_F(SysInfoPageTest, DrivesShowKindSizesVolumeOrThatTheyAreNotReady) {
  // Added out of order: the page lists them by letter.
  files.AddDrive({'Z', os::DriveType::Remote, "share", "NTFS", 0xFFFF0001, kGiB / 2, kGiB / 4});
  files.AddDrive({'A', os::DriveType::Removable, "DISK", "FAT", 0x11112222, 1440 * 1024, 0});
  files.AddDrive(
      {'C', os::DriveType::Fixed, "SYSTEM", "NTFS", 0x00AB12CD, 40 * kGiB, 12 * kGiB + kGiB / 2});
  files.AddDrive({'D', os::DriveType::CdRom, "", "", 0, 0, 0});
  files.AddDrive({'E', os::DriveType::Removable, "ZIP", "FAT", 0x1A2B3C4D, 100 * kMiB, 25 * kMiB});
  files.AddDrive({'F', os::DriveType::Removable, "", "", 0, 0, 0});
  files.AddDrive({'G', os::DriveType::Unknown, "X", "FAT", 0, kGiB, 0});
  Start();
  Open(85);
  EXPECT_EQ(Shown(), (Rows{"3,5-Diskette (A:)|",
                           "Speicherkapazität|0.000 MB",
                           "Belegter Speicher|0.000 MB",
                           "Freier Speicher|0.000 MB",
                           "Festplatte (C:)|",
                           "Kapazität|40.000 GB",
                           "Belegter Speicher|27.500 GB",
                           "Freier Speicher|12.500 GB",
                           "Dateisystem|NTFS",
                           "Bezeichnung|SYSTEM",
                           "Seriennummer|00AB-12CD",
                           "CD-Rom (D:)|",
                           "Status|kein Datenträger oder nicht bereit",
                           "Laufwerk (E:)|",
                           "Speicherkapazitäat|100.000 MB",
                           "Belegter Speicher|75.000 MB",
                           "Freier Speicher|25.000 MB",
                           "Dateisystem|FAT",
                           "Bezeichnung|ZIP",
                           "Seriennummer|1A2B-3C4D",
                           "Laufwerk (F:)|",
                           "Speicherkapazität|0.000 MB",
                           "Belegter Speicher|0.000 MB",
                           "Freier Speicher|0.000 MB",
                           "Remote(Z:)|",
                           "Kapazität|0.500 GB",
                           "Belegter Speicher|0.250 GB",
                           "Freier Speicher|0.250 GB",
                           "Dateisystem|NTFS",
                           "Bezeichnung|share",
                           "Seriennummer|FFFF-0001"}));
  EXPECT_EQ(Modals(), 0);
}

class GraphicsPageTest : public SysInfoPageTest {
 protected:
  void SeedAdapters() {
    Seed(R"(
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E968-E325-11CE-BFC1-08002BE10318}]
"Class"="Display"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E968-E325-11CE-BFC1-08002BE10318}\0000]
"DriverDesc"="S3 Trio64V+"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E968-E325-11CE-BFC1-08002BE10318}\0001]
"DriverDesc"="S3 Trio64V+"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E968-E325-11CE-BFC1-08002BE10318}\0002]
"DriverDesc"="Matrox G200"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}]
"Class"="Net"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}\0000]
"DriverDesc"="Netzwerkkarte"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\S3\Device0]
"HardwareInformation.ChipType"=hex:53,00,33,00
"InstalledDisplayDrivers"="s3"
"HardwareInformation.DacType"=hex:38,00
[HKEY_LOCAL_MACHINE\HARDWARE\DESCRIPTION\System]
"VideoBiosDate"="09/15/00"
)");
  }
};

TEST_F(GraphicsPageTest, AdaptersThenChipRowsAfterTheSearchThenBiosAndCapabilities) {
  SeedAdapters();
  display.caps = {{32, 0}, {30, 0xFE}, {34, 0}, {28, 0x1FF}, {38, 0x1}};
  Start();
  Open(152);
  EXPECT_EQ(Shown(), (Rows{"S3 Trio64V+|", "Matrox G200|", "Grafikkarte|"}));

  RunTimers();
  const Rows rows = Shown();
  ASSERT_EQ(rows.size(), 3u + 4 + 5 * 2 + 9 + 8 + 16 + 10 + 11);
  EXPECT_EQ(Rows(rows.begin() + 3, rows.begin() + 9),
            (Rows{"ChipType|S 3 ", "DacType|8 ", "VideoBiosDate|09/15/00", "VideoBiosVersion|",
                  " |", "POLYGONCAPS |"}));

  // Present rows carry icon 4, absent ones icon 5, in table order.
  auto icons = [&](int from, int count) {
    std::string marks;
    for (int i = from; i < from + count; ++i)
      marks += List().Item(i)->ImageIndex() == 4 ? '+' : '-';
    return marks;
  };
  EXPECT_EQ(icons(9, 9), "+--------");
  EXPECT_EQ(List().Item(19)->Caption(), "LINECAPS");
  EXPECT_EQ(icons(20, 8), "-+++++++");
  EXPECT_EQ(List().Item(29)->Caption(), "TEXTCAPS");
  EXPECT_EQ(icons(30, 16), "----------------");
  EXPECT_EQ(List().Item(47)->Caption(), "CURVECAPS");
  EXPECT_EQ(icons(48, 10), "-+++++++++");
  EXPECT_EQ(List().Item(59)->Caption(), "RASTERCAPS");
  EXPECT_EQ(icons(60, 11), "-+---------");
}

TEST_F(GraphicsPageTest, WithoutChipKeyTheRowsAreMissingAndLeavingStopsTheSearch) {
  Start();
  Open(152);
  Open(85);
  EXPECT_EQ(backend.ActiveTimers(), 0);

  Open(152);
  RunTimers();
  const Rows rows = Shown();
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(Rows(rows.begin(), rows.begin() + 4),
            (Rows{"Grafikkarte|", "VideoBiosDate|", "VideoBiosVersion|", " |"}));
}

}  // namespace
