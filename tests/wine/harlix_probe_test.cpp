// Conformance test of Harlix.dll, run under Wine.
//
// Every export is called through a guard that checks what the assembly must
// keep for its callers: the stack pointer, EBX/ESI/EDI/EBP, the exception
// chain at FS:[0], the system flags and the FPU top-of-stack. The tick
// counter and the global heap are replaced in Harlix.dll's import table where
// a rule (zero ticks, counter wrap, failed allocation) has to be forced.
//
//   harlix_test.exe [--group NAME]...   run the checks (all groups by default)
//   harlix_test.exe --bench N [EXPORT]  time the kernels N times each
#include <windows.h>

#include <cpuid.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "harlix/harlix.h"

// ---------------------------------------------------------------------------
// Result counting
// ---------------------------------------------------------------------------

static unsigned g_passed, g_failed;

// Counts one check; on failure prints "case N: ..." with the table row.
static void Check(bool ok, unsigned row, const char* format, ...) {
  if (ok) {
    ++g_passed;
    return;
  }
  ++g_failed;
  std::printf("case %u: ", row);
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::printf("\n");
}

// ---------------------------------------------------------------------------
// Call guard
// ---------------------------------------------------------------------------

struct GuardRecord {
  uint32_t result;                      // 0
  uint32_t ebx, esi, edi, ebp;          // 4..16, after the call
  uint32_t esp_before, esp_after;       // 20, 24
  uint32_t fs0_before, fs0_after;       // 28, 32
  uint32_t flags_before, flags_after;   // 36, 40
  uint16_t fsw_before, fsw_after;       // 44, 46
  uint16_t fxam_after, unused;          // 48, 50
};

extern "C" {
GuardRecord g_guard;
const void* g_guard_fn;
uint32_t g_guard_entry_esp;
// Calls fn with nargs cdecl arguments. fpu_preload 2 pushes 1.0 and 0.0
// first (popped afterwards); 0 leaves the FPU stack as it is and frees ST(0)
// afterwards, so a NaN left by a kernel does not leak into the next check.
uint32_t __cdecl hlx_guarded_call(const void* fn, const uint32_t* args,
                                  uint32_t nargs, uint32_t fpu_preload);
}

static const uint32_t kSentinelEbx = 0xB0B0B0B0, kSentinelEsi = 0x51515151,
                      kSentinelEdi = 0xD1D1D1D1, kSentinelEbp = 0xEBEBEB00;

asm(R"(
    .text
    .intel_syntax noprefix
    .globl _hlx_guarded_call
_hlx_guarded_call:
    push ebp
    push ebx
    push esi
    push edi
    mov _g_guard_entry_esp, esp
    mov eax, [esp+20]
    mov _g_guard_fn, eax
    cmp dword ptr [esp+32], 2
    jne 1f
    fld1
    fldz
1:  mov esi, [esp+24]
    mov ecx, [esp+28]
2:  test ecx, ecx
    jz 3f
    push dword ptr [esi+ecx*4-4]
    dec ecx
    jmp 2b
3:  fnstsw ax
    mov _g_guard+44, ax
    mov eax, fs:[0]
    mov _g_guard+28, eax
    mov ebx, 0xB0B0B0B0
    mov esi, 0x51515151
    mov edi, 0xD1D1D1D1
    mov ebp, 0xEBEBEB00
    mov _g_guard+20, esp
    pushfd
    pop eax
    mov _g_guard+36, eax
    call dword ptr _g_guard_fn
    mov _g_guard, eax
    mov _g_guard+24, esp
    pushfd
    pop eax
    mov _g_guard+40, eax
    mov _g_guard+4, ebx
    mov _g_guard+8, esi
    mov _g_guard+12, edi
    mov _g_guard+16, ebp
    mov eax, fs:[0]
    mov _g_guard+32, eax
    fnstsw ax
    mov _g_guard+46, ax
    fxam
    fnstsw ax
    mov _g_guard+48, ax
    mov esp, _g_guard_entry_esp
    cmp dword ptr [esp+32], 2
    jne 4f
    fstp st(0)
    fstp st(0)
    jmp 5f
4:  ffree st(0)
5:  fnclex
    mov eax, _g_guard
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret
    .att_syntax prefix
)");

static const uint32_t kArithmeticFlags = 0x8D5;  // CF PF AF ZF SF OF
static const uint32_t kDirectionFlag = 0x400;

static unsigned FpuTop(uint16_t status) { return (status >> 11) & 7; }

// FXAM classes (C3, C2, C0).
static bool FxamIsNaN(uint16_t status) { return (status & 0x4500) == 0x0100; }
static bool FxamIsEmpty(uint16_t status) { return (status & 0x4500) == 0x4100; }

// Calls an export through the guard and checks the calling convention.
static uint32_t Call(const char* name, unsigned row, const void* fn,
                     std::vector<uint32_t> args = {}, uint32_t preload = 0) {
  uint32_t result =
      hlx_guarded_call(fn, args.data(), static_cast<uint32_t>(args.size()), preload);
  const GuardRecord& g = g_guard;
  Check(g.esp_after == g.esp_before, row, "%s: ESP moved by %d", name,
        static_cast<int>(g.esp_after - g.esp_before));
  Check(g.ebx == kSentinelEbx && g.esi == kSentinelEsi && g.edi == kSentinelEdi &&
            g.ebp == kSentinelEbp,
        row, "%s: callee-saved registers lost: ebx %08x esi %08x edi %08x ebp %08x", name,
        g.ebx, g.esi, g.edi, g.ebp);
  Check(g.fs0_after == g.fs0_before, row,
        "%s: exception chain FS:[0] %08x, was %08x", name, g.fs0_after, g.fs0_before);
  Check(((g.flags_after ^ g.flags_before) & ~kArithmeticFlags) == 0 &&
            (g.flags_after & kDirectionFlag) == 0,
        row, "%s: EFLAGS %08x, was %08x", name, g.flags_after, g.flags_before);
  Check(FpuTop(g.fsw_after) == FpuTop(g.fsw_before), row,
        "%s: FPU top %u, was %u", name, FpuTop(g.fsw_after), FpuTop(g.fsw_before));
  return result;
}

template <typename F>
static const void* Fn(F* f) {
  return reinterpret_cast<const void*>(f);
}

// ---------------------------------------------------------------------------
// Replacing Harlix.dll's kernel32 imports
// ---------------------------------------------------------------------------

static void** FindImportSlot(const char* name) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA("Harlix.dll"));
  if (!base) return nullptr;
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
  for (; imp->Name; ++imp) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), "KERNEL32.dll") != 0) continue;
    DWORD names_rva = imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + names_rva);
    auto* slots = reinterpret_cast<void**>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* by_name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(by_name->Name), name) == 0) return slots;
    }
  }
  return nullptr;
}

// Points one import slot of Harlix.dll elsewhere for the life of the object.
class ImportHook {
 public:
  ImportHook(const char* name, void* replacement) : slot_(FindImportSlot(name)) {
    if (slot_) Swap(replacement, &original_);
  }
  ~ImportHook() {
    if (slot_) Swap(original_, nullptr);
  }
  ImportHook(const ImportHook&) = delete;
  ImportHook& operator=(const ImportHook&) = delete;
  bool ok() const { return slot_ != nullptr; }

 private:
  void Swap(void* value, void** old) {
    DWORD protect;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protect);
    if (old) *old = *slot_;
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protect, &protect);
  }
  void** slot_;
  void* original_ = nullptr;
};

// What the replaced kernel32 functions saw, and what they answer.
struct FakeKernel {
  std::vector<uint32_t> ticks;  // successive GetTickCount answers
  size_t tick_reads = 0;
  bool refuse_alloc = false, refuse_lock = false;
  UINT alloc_flags = 0xDEADBEEF;
  SIZE_T alloc_size = 0;
  HGLOBAL handle = nullptr, unlocked = nullptr, freed = nullptr;
  std::string calls;  // A alloc, L lock, T tick, U unlock, F free, in order
};
static FakeKernel g_fake;

static DWORD WINAPI FakeGetTickCount() {
  g_fake.calls += 'T';
  size_t i = std::min(g_fake.tick_reads++, g_fake.ticks.size() - 1);
  return g_fake.ticks[i];
}
static HGLOBAL WINAPI FakeGlobalAlloc(UINT flags, SIZE_T bytes) {
  g_fake.calls += 'A';
  g_fake.alloc_flags = flags;
  g_fake.alloc_size = bytes;
  g_fake.handle = g_fake.refuse_alloc ? nullptr : GlobalAlloc(flags, bytes);
  return g_fake.handle;
}
static LPVOID WINAPI FakeGlobalLock(HGLOBAL h) {
  g_fake.calls += 'L';
  return g_fake.refuse_lock ? nullptr : GlobalLock(h);
}
static BOOL WINAPI FakeGlobalUnlock(HGLOBAL h) {
  g_fake.calls += 'U';
  g_fake.unlocked = h;
  return GlobalUnlock(h);
}
static HGLOBAL WINAPI FakeGlobalFree(HGLOBAL h) {
  g_fake.calls += 'F';
  g_fake.freed = h;
  return GlobalFree(h);
}

// All five hooks at once, with a fresh FakeKernel.
struct FakeKernelScope {
  explicit FakeKernelScope(std::vector<uint32_t> ticks) {
    g_fake = FakeKernel();
    g_fake.ticks = std::move(ticks);
  }
  bool ok() const {
    return tick.ok() && alloc.ok() && lock.ok() && unlock.ok() && free.ok();
  }
  ImportHook tick{"GetTickCount", reinterpret_cast<void*>(&FakeGetTickCount)};
  ImportHook alloc{"GlobalAlloc", reinterpret_cast<void*>(&FakeGlobalAlloc)};
  ImportHook lock{"GlobalLock", reinterpret_cast<void*>(&FakeGlobalLock)};
  ImportHook unlock{"GlobalUnlock", reinterpret_cast<void*>(&FakeGlobalUnlock)};
  ImportHook free{"GlobalFree", reinterpret_cast<void*>(&FakeGlobalFree)};
};

// ---------------------------------------------------------------------------
// Export tables
// ---------------------------------------------------------------------------

typedef uint32_t(HLX_CALL* Kernel)(void);

struct BlockExport {
  const char* name;
  Kernel fn;
  uint32_t size;
};

static const BlockExport kBlockExports[] = {
    {"HLX_MemChk16K", HLX_MemChk16K, 16384},
    {"HLX_MemChk32K", HLX_MemChk32K, 32768},
    {"HLX_MemChk64K", HLX_MemChk64K, 65536},
    {"HLX_MemChk128K", HLX_MemChk128K, 131072},
    {"HLX_MemChk256K", HLX_MemChk256K, 262144},
    {"HLX_MemChk512K", HLX_MemChk512K, 524288},
    {"HLX_MemChk1M", HLX_MemChk1M, 1048576},
    {"HLX_MemChk2M", HLX_MemChk2M, 2097152},
    {"HLX_MemChk4M", HLX_MemChk4M, 4194304},
    {"HLX_MemChk8M", HLX_MemChk8M, 8388608},
    {"HLX_MemChk12M", HLX_MemChk12M, 12582912},
    {"HLX_MemChk16M", HLX_MemChk16M, 16777216},
    {"HLX_MemChk24M", HLX_MemChk24M, 25165824},
    {"HLX_MemChk32M", HLX_MemChk32M, 33554432},
};

// True when v is d * 2000 / 3 (32-bit, truncated) for some tick count d >= 1.
static bool IsScaledTicks(uint32_t v) {
  uint64_t d0 = static_cast<uint64_t>(v) * 3 / 2000;
  for (uint64_t d = d0 ? d0 - 1 : 1; d <= d0 + 1; ++d)
    if (d >= 1 && d <= 2147483 && static_cast<uint32_t>(d * 2000 / 3) == v) return true;
  return false;
}

// ---------------------------------------------------------------------------
// Groups
// ---------------------------------------------------------------------------

static void TestCpuid() {
  uint32_t has = Call("HLX_CheckCPUID", 0, Fn(HLX_CheckCPUID));
  Check(has == 0 || has == 1, 0, "HLX_CheckCPUID = %u, want 0 or 1", has);
  Check(g_guard.flags_after == g_guard.flags_before, 0,
        "HLX_CheckCPUID: EFLAGS %08x after, %08x before", g_guard.flags_after,
        g_guard.flags_before);
  if (has != 1) {
    std::printf("info: no CPUID; CPUID exports not called\n");
    return;
  }

  // The vendor string: exactly 12 bytes, whatever the buffer held before.
  static const unsigned char kFill[] = {0x00, 0xCC};
  char vendor[2][16];
  for (unsigned i = 0; i < 2; ++i) {
    std::memset(vendor[i], kFill[i], sizeof vendor[i]);
    Call("HLX_GetCPUIDStr", i, Fn(HLX_GetCPUIDStr),
         {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(vendor[i]))});
    bool tail_kept = true, printable = true;
    for (int k = 12; k < 16; ++k)
      tail_kept &= static_cast<unsigned char>(vendor[i][k]) == kFill[i];
    for (int k = 0; k < 12; ++k) printable &= vendor[i][k] >= 0x20 && vendor[i][k] < 0x7F;
    Check(tail_kept, i, "HLX_GetCPUIDStr wrote past byte 12");
    Check(printable, i, "HLX_GetCPUIDStr: vendor bytes not text: %.12s", vendor[i]);
  }
  Check(std::memcmp(vendor[0], vendor[1], 12) == 0, 0,
        "HLX_GetCPUIDStr: vendor depends on the buffer's old contents");
  std::printf("info: vendor %.12s\n", vendor[0]);

  // HLX_GetCPUID against the compiler's own CPUID, with the four words at
  // odd addresses inside a filled buffer: right registers, right words,
  // no byte outside them touched.
  unsigned max_ext = __get_cpuid_max(0x80000000u, nullptr);
  struct Leaf {
    uint32_t leaf;
    uint32_t ebx_mask;  // leaf 1 EBX bits 24-31: the APIC id of whichever core ran it
  };
  const Leaf kLeaves[] = {{0, ~0u}, {1, 0x00FFFFFF}, {0x80000000u, ~0u}, {0x80000002u, ~0u}};
  static const size_t kOffset[4] = {1, 7, 14, 21};  // EAX, EBX, ECX, EDX words
  for (unsigned row = 0; row < sizeof kLeaves / sizeof kLeaves[0]; ++row) {
    const Leaf& l = kLeaves[row];
    if (l.leaf >= 0x80000001u && l.leaf > max_ext) continue;
    unsigned char buf[32];
    std::memset(buf, 0xA5, sizeof buf);
    std::vector<uint32_t> args{l.leaf};
    for (size_t off : kOffset) args.push_back(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(buf + off)));
    Call("HLX_GetCPUID", row, Fn(HLX_GetCPUID), args);
    uint32_t got[4], want[4];
    for (int r = 0; r < 4; ++r) std::memcpy(&got[r], buf + kOffset[r], 4);
    __cpuid_count(l.leaf, 0, want[0], want[1], want[2], want[3]);
    got[1] &= l.ebx_mask;
    want[1] &= l.ebx_mask;
    Check(std::memcmp(got, want, sizeof got) == 0, row,
          "HLX_GetCPUID(%08x) = %08x %08x %08x %08x, want %08x %08x %08x %08x", l.leaf,
          got[0], got[1], got[2], got[3], want[0], want[1], want[2], want[3]);
    bool outside_kept = true;
    for (size_t k = 0; k < sizeof buf; ++k) {
      bool inside = false;
      for (size_t off : kOffset) inside |= k >= off && k < off + 4;
      if (!inside) outside_kept &= buf[k] == 0xA5;
    }
    Check(outside_kept, row, "HLX_GetCPUID(%08x) wrote outside its four words", l.leaf);

    if (l.leaf == 0) {
      char from_words[12];
      std::memcpy(from_words, &got[1], 4);      // EBX
      std::memcpy(from_words + 4, &got[3], 4);  // EDX
      std::memcpy(from_words + 8, &got[2], 4);  // ECX
      Check(std::memcmp(from_words, vendor[0], 12) == 0, row,
            "HLX_GetCPUID(0) vendor %.12s, HLX_GetCPUIDStr %.12s", from_words, vendor[0]);
      Check(got[0] >= 1, row, "HLX_GetCPUID(0): maximum leaf %u", got[0]);
    }
  }
}

static void TestCyrix() {
  uint32_t cyrix = Call("HLX_CheckCyrix", 0, Fn(HLX_CheckCyrix));
  Check(cyrix == 0 || cyrix == 1, 0, "HLX_CheckCyrix = %u, want 0 or 1", cyrix);
  std::printf("info: HLX_CheckCyrix = %u\n", cyrix);

  // DIR0 written with what it read: DIR0 is read-only on a Cyrix, and the
  // port pair ignores index 0xFE elsewhere, so this is harmless where the
  // ports are open.
  uint32_t dir0 = Call("HLX_ReadCyrixReg", 0, Fn(HLX_ReadCyrixReg), {0xFE});
  uint32_t written = Call("HLX_WriteCyrixReg", 0, Fn(HLX_WriteCyrixReg), {0xFE, dir0 & 0xFF});
  Check(written == 0 || written == 1, 0, "HLX_WriteCyrixReg = %u, want 0 or 1", written);
  bool refused = written == 0;
  std::printf("info: port access %s; DIR0 read %08x\n", refused ? "refused" : "allowed", dir0);

  static const uint32_t kIndex[] = {0xFE, 0xFF, 0xC3, 0x00, 0x12345678, 0xFFFFFFFF};
  for (unsigned row = 0; row < sizeof kIndex / sizeof kIndex[0]; ++row) {
    uint32_t index = kIndex[row];
    uint32_t got = Call("HLX_ReadCyrixReg", row, Fn(HLX_ReadCyrixReg), {index});
    Check((got & 0xFFFFFF00) == (index & 0xFFFFFF00), row,
          "HLX_ReadCyrixReg(%08x) = %08x: upper 24 bits not the index's", index, got);
    if (refused)
      Check(got == HLX_REFUSED_CYRIX_READ(index), row,
            "HLX_ReadCyrixReg(%08x) = %08x refused, want %08x", index, got,
            HLX_REFUSED_CYRIX_READ(index));
  }
}

static void TestFdiv() {
  uint32_t fdiv = Call("HLX_FDivDetect", 0, Fn(HLX_FDivDetect));
  Check(fdiv == HLX_FDIV_SOUND, 0, "HLX_FDivDetect = %08x, want 1", fdiv);
}

static void TestConversions() {
  struct Row {
    uint32_t time, points;
  };
  static const Row kRows[] = {
      {0, 0},          {1, 50000000}, {2, 25000000}, {3, 16666666}, {7, 7142857},
      {50000000, 1},   {50000001, 0}, {0xFFFFFFFF, 0},
  };
  static const struct {
    const char* name;
    uint32_t(HLX_CALL* fn)(uint32_t);
  } kExports[] = {{"HLX_Convert2Point", HLX_Convert2Point},
                  {"HLX_Convert2PointMem", HLX_Convert2PointMem}};
  for (const auto& e : kExports)
    for (unsigned row = 0; row < sizeof kRows / sizeof kRows[0]; ++row) {
      uint32_t got = Call(e.name, row, Fn(e.fn), {kRows[row].time});
      Check(got == kRows[row].points, row, "%s(%u) = %u, want %u", e.name, kRows[row].time,
            got, kRows[row].points);
    }
}

// Timing rules with a scripted tick counter: the zero rules, the counter
// wrap, the block-copy scaling, and exactly two tick reads per run.
static void TestTickRules() {
  struct Row {
    const char* name;
    Kernel fn;
    uint32_t t0, t1;
    uint32_t want;
  };
  static const Row kRows[] = {
      {"HLX_MemChk16K", HLX_MemChk16K, 100, 100, 666},  // inside one tick counts as one
      {"HLX_MemChk16K", HLX_MemChk16K, 100, 101, 666},
      {"HLX_MemChk16K", HLX_MemChk16K, 100, 103, 2000},
      {"HLX_MemChk16K", HLX_MemChk16K, 0xFFFFFFFE, 1, 2000},  // counter wrapped
      {"HLX_MemChk16K", HLX_MemChk16K, 0, 1500, 1000000},
      {"HLX_MemChk16K", HLX_MemChk16K, 0, 2147483, 1431655333},
      {"HLX_SpeedInt", HLX_SpeedInt, 7, 7, 1},  // never 0
      {"HLX_SpeedInt", HLX_SpeedInt, 0xFFFFFFFF, 4, 5},
      {"HLX_SpeedFloat", HLX_SpeedFloat, 7, 7, 1},
      {"HLX_MemClr", HLX_MemClr, 9, 9, 0},  // no lower bound
      {"HLX_MemClr", HLX_MemClr, 0xFFFFFFF0, 0x10, 0x20},
      {"HLX_Int", HLX_Int, 5, 5, 0},
      {"HLX_Int", HLX_Int, 0xFFFFFFF0, 0x10, 0x20},
  };
  for (unsigned row = 0; row < sizeof kRows / sizeof kRows[0]; ++row) {
    const Row& r = kRows[row];
    FakeKernelScope fake({r.t0, r.t1});
    Check(fake.ok(), row, "Harlix.dll lacks a kernel32 import to replace");
    if (!fake.ok()) return;
    uint32_t got = Call(r.name, row, Fn(r.fn));
    Check(got == r.want, row, "%s with ticks %u -> %u = %u, want %u", r.name, r.t0, r.t1, got,
          r.want);
    Check(g_fake.tick_reads == 2, row, "%s read the tick counter %u times, want 2", r.name,
          static_cast<unsigned>(g_fake.tick_reads));
  }
}

// The block's life: GMEM_FIXED of the export's size, locked, two tick reads,
// unlocked and freed; refused blocks give 0xFFFFFFFF untimed and leak nothing.
static void TestBlockLife() {
  for (unsigned row = 0; row < sizeof kBlockExports / sizeof kBlockExports[0]; ++row) {
    const BlockExport& e = kBlockExports[row];
    FakeKernelScope fake({1000, 1003});
    if (!fake.ok()) return;
    g_fake.refuse_alloc = true;
    uint32_t got = Call(e.name, row, Fn(e.fn));
    Check(got == HLX_NO_BLOCK, row, "%s without a block = %08x, want FFFFFFFF", e.name, got);
    Check(g_fake.calls == "A", row, "%s without a block called %s, want A", e.name,
          g_fake.calls.c_str());
    Check(g_fake.alloc_size == e.size && g_fake.alloc_flags == GMEM_FIXED, row,
          "%s asked GlobalAlloc(%#x, %lu), want (0, %u)", e.name, g_fake.alloc_flags,
          static_cast<unsigned long>(g_fake.alloc_size), e.size);
  }

  {
    FakeKernelScope fake({1000, 1003});
    if (!fake.ok()) return;
    g_fake.refuse_lock = true;
    uint32_t got = Call("HLX_MemChk16K", 0, Fn(HLX_MemChk16K));
    Check(got == HLX_NO_BLOCK, 0, "HLX_MemChk16K unlockable = %08x, want FFFFFFFF", got);
    Check(g_fake.calls == "ALF" && g_fake.freed == g_fake.handle, 0,
          "HLX_MemChk16K unlockable called %s, freed %p of %p; want ALF", g_fake.calls.c_str(),
          g_fake.freed, g_fake.handle);
  }
  {
    FakeKernelScope fake({1000, 1003});
    if (!fake.ok()) return;
    uint32_t got = Call("HLX_MemChk16K", 1, Fn(HLX_MemChk16K));
    Check(got == 2000, 1, "HLX_MemChk16K = %u, want 2000", got);
    Check(g_fake.calls == "ALTTUF", 1, "HLX_MemChk16K called %s, want ALTTUF",
          g_fake.calls.c_str());
    Check(g_fake.handle && g_fake.unlocked == g_fake.handle && g_fake.freed == g_fake.handle, 1,
          "HLX_MemChk16K returned %p/%p of block %p", g_fake.unlocked, g_fake.freed,
          g_fake.handle);
  }
}

// Real runs: what the report prints must be possible values.
static void TestRealRuns() {
  for (unsigned row = 0; row < sizeof kBlockExports / sizeof kBlockExports[0]; ++row) {
    const BlockExport& e = kBlockExports[row];
    uint32_t got = Call(e.name, row, Fn(e.fn));
    Check(got != HLX_NO_BLOCK && got >= 666 && IsScaledTicks(got), row,
          "%s = %u, not d * 2000 / 3 for d >= 1", e.name, got);
    std::printf("info: %s = %u\n", e.name, got);
  }
  static const struct {
    const char* name;
    Kernel fn;
    bool never_zero;
  } kRows[] = {
      {"HLX_SpeedInt", HLX_SpeedInt, true},
      {"HLX_SpeedFloat", HLX_SpeedFloat, true},
      {"HLX_MemClr", HLX_MemClr, false},
      {"HLX_Int", HLX_Int, false},
      {"HLX_Base", HLX_Base, false},
  };
  for (unsigned row = 0; row < sizeof kRows / sizeof kRows[0]; ++row) {
    uint32_t got = Call(kRows[row].name, row, Fn(kRows[row].fn));
    if (kRows[row].never_zero) Check(got != 0, row, "%s = 0", kRows[row].name);
    std::printf("info: %s = %u\n", kRows[row].name, got);
  }
}

// Whether this processor turns FADD on an empty register into a NaN, as
// every x87 does. Emulators may not model stack underflow (qemu leaves the
// register empty); there the NaN cannot be expected of the kernels either.
static bool ProcessorSignalsUnderflow() {
  uint16_t fx;
  asm volatile(
      "ffree %%st(0)\n\t"
      "ffree %%st(1)\n\t"
      "fadd %%st(1), %%st(0)\n\t"  // FADD ST(0), ST(1)
      "fxam\n\t"
      "fnstsw %0\n\t"
      "ffree %%st(0)\n\t"
      "fnclex"
      : "=a"(fx)::"memory");
  return FxamIsNaN(fx);
}

// The float kernels touch only the registers the caller left: the top of
// stack is checked by Call; an empty stack leaves ST(0) a NaN after the
// mixed bodies and empty after the status-word bodies.
static void TestFloatKernels() {
  bool underflow_nan = ProcessorSignalsUnderflow();
  if (!underflow_nan)
    std::printf("info: this processor leaves an underflowed ST(0) empty (an emulator?); "
                "NaN not expected\n");
  static const struct {
    const char* name;
    Kernel fn;
    uint32_t preload;
    int st0;  // 0 empty, 1 NaN, 2 a number
  } kRows[] = {
      {"HLX_Float", HLX_Float, 0, 0},
      {"HLX_FloatNoWait", HLX_FloatNoWait, 2, 2},
      {"HLX_FloatMix", HLX_FloatMix, 0, 1},
      {"HLX_FloatMix", HLX_FloatMix, 2, 2},
      {"HLX_FloatMixNoWait", HLX_FloatMixNoWait, 0, 1},
  };
  for (unsigned row = 0; row < sizeof kRows / sizeof kRows[0]; ++row) {
    uint32_t got = Call(kRows[row].name, row, Fn(kRows[row].fn), {}, kRows[row].preload);
    uint16_t fx = g_guard.fxam_after;
    const char* want = kRows[row].st0 == 0 ? "empty" : kRows[row].st0 == 1 ? "NaN" : "a number";
    bool ok = kRows[row].st0 == 0   ? FxamIsEmpty(fx)
              : kRows[row].st0 == 1 ? FxamIsNaN(fx) || (!underflow_nan && FxamIsEmpty(fx))
                                    : !FxamIsEmpty(fx) && !FxamIsNaN(fx);
    Check(ok, row, "%s (%u values on the stack): ST(0) FXAM %04x, want %s", kRows[row].name,
          kRows[row].preload, fx, want);
    std::printf("info: %s = %u\n", kRows[row].name, got);
  }
}

// ---------------------------------------------------------------------------
// Benchmark mode for tools/bench-kernels
// ---------------------------------------------------------------------------

static int Bench(int runs, const char* only) {
  struct Row {
    const char* name;
    Kernel fn;
    const char* unit;
  };
  std::vector<Row> rows = {
      {"HLX_SpeedInt", HLX_SpeedInt, "ms"},     {"HLX_SpeedFloat", HLX_SpeedFloat, "ms"},
      {"HLX_Base", HLX_Base, "tsc"},            {"HLX_Int", HLX_Int, "ms"},
      {"HLX_Float", HLX_Float, "ms"},           {"HLX_FloatNoWait", HLX_FloatNoWait, "ms"},
      {"HLX_FloatMix", HLX_FloatMix, "ms"},     {"HLX_FloatMixNoWait", HLX_FloatMixNoWait, "ms"},
      {"HLX_MemClr", HLX_MemClr, "ms"},
  };
  for (const BlockExport& e : kBlockExports) rows.push_back({e.name, e.fn, "10ns"});
  for (const Row& r : rows) {
    if (only && std::strcmp(only, r.name) != 0) continue;
    std::printf("bench %s %s", r.name, r.unit);
    for (int i = 0; i < runs; ++i) {
      std::printf(" %u", r.fn());
      // The float kernels may leave a NaN in ST(0); start each run alike.
      asm volatile("ffree %%st(0)\n\tfnclex" ::: "memory");
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  return 0;
}

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc >= 3 && std::strcmp(argv[1], "--bench") == 0)
    return Bench(std::atoi(argv[2]), argc >= 4 ? argv[3] : nullptr);

  static const struct {
    const char* name;
    void (*run)();
  } kGroups[] = {
      {"probes", TestCpuid},   {"probes", TestCyrix},     {"probes", TestFdiv},
      {"convert", TestConversions}, {"rules", TestTickRules}, {"rules", TestBlockLife},
      {"kernels", TestRealRuns},    {"kernels", TestFloatKernels},
  };
  std::printf("info: GetVersion %08lx\n", static_cast<unsigned long>(GetVersion()));
  std::vector<std::string> wanted;
  for (int i = 1; i + 1 < argc; i += 2)
    if (std::strcmp(argv[i], "--group") == 0) wanted.push_back(argv[i + 1]);
  for (const auto& g : kGroups)
    if (wanted.empty() || std::find(wanted.begin(), wanted.end(), g.name) != wanted.end())
      g.run();

  std::printf("%u passed, %u failed\n", g_passed, g_failed);
  return g_failed ? 1 : 0;
}
