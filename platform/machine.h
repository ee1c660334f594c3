// The seam between the report and the computer it describes.
//
// Every report section asks its raw questions here and nowhere else: the live
// Win32 implementation answers them from the running system, a machine
// profile answers them from a recording. Each question has a default answer,
// the one a machine without that feature gives; a profile that lacks an answer
// falls back to it, so older recordings keep working as questions are added.
//
// Adding a question: one virtual here (with its default in machine.cpp), one
// live call in platform/win32/, one key in platform/profile/ (schema row and
// record/replay body), one line in docs/profile-format.md, and its pass-through
// in run/committing_machine.h (with a commit first if it can hang the machine).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vornak {

struct CpuidRegs {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

struct SystemInfo {
  uint32_t oemId = 0;
  uint32_t numberOfProcessors = 1;
  uint32_t processorType = 0;
};

struct MemoryStatus {
  uint32_t totalPhys = 0, availPhys = 0;
  uint32_t totalPageFile = 0, availPageFile = 0;
  uint32_t totalVirtual = 0, availVirtual = 0;
};

struct FontFamily {
  std::string style;     // ENUMLOGFONT elfStyle
  std::string fullName;  // ENUMLOGFONT elfFullName
};

// A window that handled the broadcast paint message, in order of delivery.
struct PaintedWindow {
  uint32_t hwnd = 0;
  std::string title;    // at most 255 characters, as GetWindowTextA gives it
  uint32_t parent = 0;  // GetParent, 0 when none
};

struct VolumeInfo {
  std::string volumeName, fileSystemName;
  uint32_t serialNumber = 0, maxComponentLength = 0, fileSystemFlags = 0;
};

struct DiskFreeSpace {
  uint32_t sectorsPerCluster = 0, bytesPerSector = 0;
  uint32_t freeClusters = 0, totalClusters = 0;
};

// The benchmark kernels of Harlix.dll, one per timing export.
enum class Kernel : uint32_t {
  MemClr,
  MemChk16K, MemChk32K, MemChk64K, MemChk128K, MemChk256K, MemChk512K,
  MemChk1M, MemChk2M, MemChk4M, MemChk8M, MemChk12M, MemChk16M, MemChk24M,
  MemChk32M,
  SpeedInt, SpeedFloat,
  Base, Int, Float, FloatNoWait, FloatMix, FloatMixNoWait,
  Count
};
const char* KernelName(Kernel k);  // export name without "HLX_", e.g. "MemChk16K"

// DirectX answers: each component is created, asked and released in one call,
// so no COM object outlives a question. Result codes are HRESULTs (0 = S_OK).
struct Direct3DAnswer {
  uint32_t create = 0x80004005;  // Direct3DRMCreate
  uint32_t getDevices = 0;       // IDirect3DRM::GetDevices, when created
};

struct DdCaps {  // the DDCAPS fields the report reads
  uint32_t caps = 0, caps2 = 0;
  uint32_t vidMemTotal = 0, vidMemFree = 0, zBufferBitDepths = 0;
  uint32_t alphaBltConstBitDepths = 0, alphaBltPixelBitDepths = 0;
  uint32_t alphaBltSurfaceBitDepths = 0, alphaOverlayConstBitDepths = 0;
  uint32_t alphaOverlayPixelBitDepths = 0, alphaOverlaySurfaceBitDepths = 0;
};

struct DirectDrawAnswer {
  uint32_t create = 0x80004005;    // DirectDrawCreate
  uint32_t queryInterface = 0;     // IID_IDirectDraw2 (DirectDraw2 only)
  uint32_t cooperativeLevel = 0;   // SetCooperativeLevel(tree window, DDSCL_NORMAL)
  uint32_t getCaps = 0;            // GetCaps(driver, emulation)
  DdCaps driver, emulation;
};

struct DsCaps {  // DSCAPS after dwSize, in record order
  uint32_t flags = 0, minSecondarySampleRate = 0, maxSecondarySampleRate = 0;
  uint32_t primaryBuffers = 0;
  uint32_t maxHwMixingAllBuffers = 0, maxHwMixingStaticBuffers = 0, maxHwMixingStreamingBuffers = 0;
  uint32_t freeHwMixingAllBuffers = 0, freeHwMixingStaticBuffers = 0, freeHwMixingStreamingBuffers = 0;
  uint32_t maxHw3DAllBuffers = 0, maxHw3DStaticBuffers = 0, maxHw3DStreamingBuffers = 0;
  uint32_t freeHw3DAllBuffers = 0, freeHw3DStaticBuffers = 0, freeHw3DStreamingBuffers = 0;
  uint32_t totalHwMemBytes = 0, freeHwMemBytes = 0, maxContigFreeHwMemBytes = 0;
  uint32_t unlockTransferRateHwBuffers = 0, playCpuOverheadSwBuffers = 0;
};

struct DirectSoundAnswer {
  uint32_t create = 0x80004005;  // DirectSoundCreate
  uint32_t getCaps = 0;
  DsCaps caps;
};

struct DirectPlayProvider {
  std::string guid;  // 16 raw bytes
  std::string name;
  uint32_t major = 0, minor = 0;
};

struct DpCaps {
  uint32_t size = 0, flags = 0, maxBufferSize = 0, maxQueueSize = 0;
  uint32_t maxPlayers = 0, hundredBaud = 0, latency = 0;
};

struct DirectPlayAnswer {
  std::vector<DirectPlayProvider> providers;  // in enumeration order, all of them
  bool attempted = false;        // DirectPlayCreate was called for the first provider
  uint32_t create = 0x80004005;  // DirectPlayCreate
  uint32_t getCaps = 0;          // IDirectPlay::GetCaps, when created
  DpCaps caps;
};

struct JoyCaps {
  uint32_t result = 6;  // joyGetDevCapsA result; 6 = MMSYSERR_NODRIVER
  std::string productName, regKey, oemVxD;
  uint32_t mid = 0, pid = 0, numButtons = 0, caps = 0;
};

class Machine {
 public:
  virtual ~Machine() = default;

  // --- Operating system -------------------------------------------------
  virtual uint32_t GetVersion();                 // GetVersion() word
  virtual uint32_t Nuvash32Version();            // NUVASH32.dll Nuvash32Version()
  virtual SystemInfo GetSystemInfo();
  virtual MemoryStatus GetMemoryStatus();        // GlobalMemoryStatus
  virtual int32_t GetSystemMetric(int32_t index);
  virtual int32_t GetDeviceCaps(int32_t index);  // on the report tree's window
  virtual std::vector<FontFamily> FontFamilies();

  // --- Processor probes (Harlix.dll) ------------------------------------
  virtual uint32_t CheckCpuid();                 // HLX_CheckCPUID: 1 or 0
  virtual CpuidRegs Cpuid(uint32_t leaf);        // HLX_GetCPUID
  virtual std::string CpuidVendor();             // HLX_GetCPUIDStr: 12 bytes
  virtual uint32_t CheckCyrix();                 // HLX_CheckCyrix
  virtual uint32_t ReadCyrixReg(uint32_t index); // HLX_ReadCyrixReg
  virtual uint32_t FDivDetect();                 // HLX_FDivDetect: 1 or 0xFFFF

  // --- Benchmark kernels (Harlix.dll) -----------------------------------
  virtual uint32_t RunKernel(Kernel kernel);
  virtual uint32_t Convert2Point(uint32_t time);     // HLX_Convert2Point
  virtual uint32_t Convert2PointMem(uint32_t time);  // HLX_Convert2PointMem

  // --- PC-98 BIOS work area and I/O ports --------------------------------
  // Empty when the platform refuses the access (NT family, Wine): callers
  // then report what a machine without such access reports.
  virtual std::optional<uint16_t> BiosWord(uint32_t offset);  // selector 0x40
  virtual std::optional<uint8_t> BiosByte(uint32_t offset);
  virtual std::optional<uint16_t> ReadPortWord(uint32_t port);
  virtual bool WritePortWord(uint32_t port, uint16_t value);

  // --- Windows, initialisation files, drives ------------------------------
  virtual std::vector<PaintedWindow> BroadcastPaint();
  virtual std::optional<std::string> WindowsDirectory();  // empty when the call gives 0
  virtual std::optional<std::string> SystemDirectory();
  virtual std::optional<std::string> TempPath();
  virtual std::optional<std::string> ReadFileBytes(const std::string& path);  // empty: cannot open
  virtual bool VolumePresent(const std::string& root);  // GetVolumeInformationA, outputs omitted
  virtual std::optional<VolumeInfo> VolumeInformation(const std::string& root);
  virtual uint32_t DriveType(const std::string& root);
  virtual std::optional<DiskFreeSpace> DiskFree(const std::string& root);

  // --- DirectX and joysticks ------------------------------------------------
  virtual Direct3DAnswer ProbeDirect3D();
  virtual DirectDrawAnswer ProbeDirectDraw(bool directDraw2);
  virtual DirectSoundAnswer ProbeDirectSound();
  virtual DirectPlayAnswer ProbeDirectPlay();
  virtual uint32_t JoyGetNumDevs();
  virtual JoyCaps JoyGetDevCaps(uint32_t device);
};

}  // namespace vornak
