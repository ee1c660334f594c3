#include "probes/drive_info.h"

#include <limits>

#include "probes/volume_tables.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

constexpr int kDrives = 26;

std::string RootOf(int drive) { return WsFormat("%c:\\", 'A' + drive); }

// The counts are unsigned 32-bit: %lu prints what %ld prints below 2^31 and
// never turns a large count negative. 64-bit figures go through %s.
unsigned long U(uint32_t v) { return v; }
std::string Decimal(uint64_t v) { return std::to_string(v); }

// Free clusters × sectors per cluster × bytes per sector / 1024, rounded
// down; saturates instead of wrapping on answers no disk gives.
uint64_t FreeKilobytes(const DiskFreeSpace& d) {
  // free × bpc / 1024 = free × (bpc / 1024) + free × (bpc % 1024) / 1024,
  // where the second product stays below 2^42.
  const uint64_t bytesPerCluster = uint64_t{d.sectorsPerCluster} * d.bytesPerSector;
  const uint64_t free = d.freeClusters;
  uint64_t kb;
  if (__builtin_mul_overflow(free, bytesPerCluster / 1024, &kb) ||
      __builtin_add_overflow(kb, free * (bytesPerCluster % 1024) / 1024, &kb))
    return std::numeric_limits<uint64_t>::max();
  return kb;
}

void ClusterLines(Analysis& a, Item item, const DiskFreeSpace& d) {
  if (d.freeClusters == 0) {
    a.Add(item, WsFormat("Clusters : %lu / %lu [100%% Used]", U(0), U(d.totalClusters)));
  } else {
    // In 64 bits and guarded: a bad answer (free above total, total 0) shows
    // 0% instead of dividing by zero or wrapping.
    const uint64_t used = d.totalClusters > d.freeClusters ? d.totalClusters - d.freeClusters : 0;
    const uint64_t percent = d.totalClusters ? used * 100 / d.totalClusters : 0;
    a.Add(item, WsFormat("Clusters : %lu / %lu [%lu%% Used]", U(d.freeClusters),
                         U(d.totalClusters), static_cast<unsigned long>(percent)));
  }
  a.Add(item, WsFormat("Sectors/Cluster : %lu ", U(d.sectorsPerCluster)));
  // Bytes per cluster, as the label says.
  const uint64_t bytesPerCluster = uint64_t{d.sectorsPerCluster} * d.bytesPerSector;
  a.Add(item, WsFormat("Bytes  /Cluster : %s ", Decimal(bytesPerCluster).c_str()));

  const uint64_t kb = FreeKilobytes(d);
  if (kb < 1024) {
    a.Add(item, WsFormat("Free Bytes      : %s KB", Decimal(kb).c_str()));
  } else if (kb / 1024 < 1024) {
    a.Add(item, WsFormat("Free Bytes      : %s MB", Decimal(kb / 1024).c_str()));
  } else {
    a.Add(item, WsFormat("Free Bytes      : %s GB", Decimal(kb / 1024 / 1024).c_str()));
  }
}

}  // namespace

void DriveSection(Analysis& a, Item driveInfo) {
  if (auto d = a.machine.SystemDirectory()) a.Add(driveInfo, WsFormat("System  Dir : %s", d->c_str()));
  if (auto d = a.machine.WindowsDirectory()) a.Add(driveInfo, WsFormat("Windows Dir : %s", d->c_str()));
  if (auto d = a.machine.TempPath()) a.Add(driveInfo, WsFormat("Temp Path   : %s", d->c_str()));

  for (int drive = 0; drive < kDrives; ++drive) {
    // An empty floppy or CD drive fails here quietly: the program runs with
    // the critical-error boxes off.
    if (!a.machine.VolumePresent(RootOf(drive))) continue;
    VolumeSection(a, drive, a.Add(driveInfo, WsFormat("--- %c ---", 'A' + drive)));
  }
}

void VolumeSection(Analysis& a, int drive, Item item) {
  if (drive < 0 || drive >= kDrives) return;
  const std::string root = RootOf(drive);
  // The drive may have lost its medium since the scan asked: then its line
  // stays without details.
  const std::optional<VolumeInfo> v = a.machine.VolumeInformation(root);
  if (!v) return;

  a.Add(item, WsFormat("File System : %s", v->fileSystemName.c_str()));
  a.Add(item, WsFormat("Root Name : %s", v->volumeName.c_str()));
  a.Add(item, WsFormat("Serial Numver : %.8lx", U(v->serialNumber)));
  a.Add(item, WsFormat("Max File Name : %.lu", U(v->maxComponentLength)));
  a.Add(item, std::string("Drive Type : ") + DriveTypeWord(a.machine.DriveType(root)));
  for (const FileSystemFlagLine& f : kFileSystemFlagLines)
    a.Add(item, (v->fileSystemFlags & f.bit) ? f.set : f.clear);

  // Without the free-space answer there are no honest figures to show.
  if (const std::optional<DiskFreeSpace> d = a.machine.DiskFree(root)) ClusterLines(a, item, *d);
}

}  // namespace vornak
