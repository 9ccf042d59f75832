#include "base/util/cpu_info.h"

#include "base/io/native_path.h"
#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint32_t kEflagsId = 0x200000;
constexpr uint32_t kEdxTimeStampCounter = 1u << 4;
constexpr uint32_t kEdxMmx = 1u << 23;
constexpr uint32_t kEdxSse = 1u << 25;
constexpr uint32_t kEdxSse2 = 1u << 26;
constexpr uint32_t kEcxOsXsave = 1u << 27;
constexpr uint32_t kEcxAvx = 1u << 28;
constexpr uint32_t kLeaf7EbxAvx2 = 1u << 5;
constexpr uint32_t kExtEdx3dNowExt = 1u << 30;
constexpr uint32_t kExtEdx3dNow = 1u << 31;

class RealProbe : public CpuProbe {
public:
    bool HasCpuid() const override
    {
#if defined(__i386__)
        // A processor that lets the ID flag of EFLAGS change has CPUID.
        const uint32_t before = __builtin_ia32_readeflags_u32();
        __builtin_ia32_writeeflags_u32(before ^ kEflagsId);
        const uint32_t after = __builtin_ia32_readeflags_u32();
        __builtin_ia32_writeeflags_u32(before);
        return ((before ^ after) & kEflagsId) != 0;
#else
        return true; // every x86-64 processor has it
#endif
    }

    CpuidRegisters Cpuid(uint32_t leaf) const override
    {
        CpuidRegisters r;
        // Sub-leaf 0 for the leaves that have sub-leaves (7); the others
        // ignore it.
        __cpuid_count(leaf, 0, r.eax, r.ebx, r.ecx, r.edx);
        return r;
    }

    uint32_t MeasureClockMhz() const override
    {
        const uint32_t startCount = static_cast<uint32_t>(__rdtsc());
        const DWORD startTick = GetTickCount();
        while (GetTickCount() - startTick < 500) {
        }
        const uint32_t endCount = static_cast<uint32_t>(__rdtsc());
        return (endCount - startCount) / 500000u;
    }
};

std::string VendorOf(const CpuidRegisters& leaf0)
{
    // The name's characters lie in EBX, EDX and ECX, first character in the
    // lowest byte.
    uint8_t vendor[13] = {};
    StoreU32LE(vendor, leaf0.ebx);
    StoreU32LE(vendor + 4, leaf0.edx);
    StoreU32LE(vendor + 8, leaf0.ecx);
    return reinterpret_cast<const char*>(vendor);
}

void CopyDescription(char (&target)[CpuInfo::kDescriptionSize], const std::string& text)
{
    const size_t length = std::min(text.size(), CpuInfo::kDescriptionSize - 1);
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

} // namespace

const CpuProbe& ProcessorProbe()
{
    static const RealProbe probe;
    return probe;
}

namespace {

bool HasFeature(const CpuProbe& probe, uint32_t edxBit)
{
    if (!probe.HasCpuid() || probe.Cpuid(0).eax < 1)
        return false;
    return (probe.Cpuid(1).edx & edxBit) != 0;
}

} // namespace

bool ProcessorHasMmx(const CpuProbe& probe)
{
    return HasFeature(probe, kEdxMmx);
}

bool ProcessorHasSse2(const CpuProbe& probe)
{
    return HasFeature(probe, kEdxSse2);
}

bool ProcessorHasAvx2(const CpuProbe& probe)
{
    if (!probe.HasCpuid() || probe.Cpuid(0).eax < 7)
        return false;
    const uint32_t ecx = probe.Cpuid(1).ecx;
    return (ecx & kEcxOsXsave) != 0 && (ecx & kEcxAvx) != 0 && (probe.Cpuid(7).ebx & kLeaf7EbxAvx2) != 0;
}

bool CpuInfo::Detect(const CpuProbe& probe)
{
    if (!probe.HasCpuid()) {
        CopyDescription(description, "CPU doesn't support CPUID order");
        return false;
    }
    const std::string vendor = VendorOf(probe.Cpuid(0));
    if (vendor == "GenuineIntel")
        Read(probe, Vendor::kIntel);
    else if (vendor == "AuthenticAMD")
        Read(probe, Vendor::kAmd);
    return true;
}

void CpuInfo::Read(const CpuProbe& probe, Vendor vendor)
{
    const CpuidRegisters leaf1 = probe.Cpuid(1);
    const int32_t readStepping = static_cast<int32_t>(leaf1.eax & 0xF);
    const int32_t readModel = static_cast<int32_t>((leaf1.eax >> 4) & 0xF);
    const int32_t readFamily = static_cast<int32_t>((leaf1.eax >> 8) & 0xF);
    const bool hasMmx = (leaf1.edx & kEdxMmx) != 0;
    const bool hasSse = (leaf1.edx & kEdxSse) != 0;
    const bool hasSse2 = (leaf1.edx & kEdxSse2) != 0;
    const uint32_t mhz = (leaf1.edx & kEdxTimeStampCounter) ? probe.MeasureClockMhz() : 0;

    bool has3dNow = false;
    bool has3dNowExt = false;
    if (vendor == Vendor::kAmd && probe.Cpuid(0x80000000u).eax != 0) {
        const uint32_t extEdx = probe.Cpuid(0x80000001u).edx;
        has3dNow = (extEdx & kExtEdx3dNow) != 0;
        has3dNowExt = (extEdx & kExtEdx3dNowExt) != 0;
    }

    std::string text = vendor == Vendor::kIntel ? "CPU is Intel" : "CPU is AMD";
    if (hasMmx)
        text += " MMX";
    if (hasSse)
        text += " SSE";
    if (hasSse2)
        text += " SSE2";
    if (has3dNow)
        text += " 3DNow!";
    if (has3dNowExt)
        text += " 3DNow2!";
    char number[48];
    if (vendor == Vendor::kAmd) {
        std::snprintf(number, sizeof number, " Family %d Model %d Step %d", static_cast<int>(readFamily),
                      static_cast<int>(readModel), static_cast<int>(readStepping));
        text += number;
    }
    if (mhz != 0) {
        std::snprintf(number, sizeof number, " %uMHz", static_cast<unsigned>(mhz));
        text += number;
    }

    sse = hasSse;
    sse2 = hasSse2;
    mmx = hasMmx;
    amd3dnow = has3dNow;
    amd3dnowExt = has3dNowExt;
    stepping = readStepping;
    family = readFamily;
    model = readModel;
    CopyDescription(description, text);
}

void CpuInfo::ToBytes(uint8_t (&bytes)[kRecordSize]) const
{
    std::memset(bytes, 0, sizeof bytes);
    bytes[0] = sse;
    bytes[1] = sse2;
    bytes[2] = mmx;
    bytes[3] = amd3dnow;
    bytes[4] = amd3dnowExt;
    StoreI32LE(bytes + 8, stepping);
    StoreI32LE(bytes + 12, family);
    StoreI32LE(bytes + 16, model);
    std::memcpy(bytes + 20, description, kDescriptionSize);
}

void CpuInfo::FromBytes(const uint8_t (&bytes)[kRecordSize])
{
    ByteReader reader(bytes, sizeof bytes);
    reader.ReadU8(sse);
    reader.ReadU8(sse2);
    reader.ReadU8(mmx);
    reader.ReadU8(amd3dnow);
    reader.ReadU8(amd3dnowExt);
    reader.Skip(3);
    reader.ReadI32LE(stepping);
    reader.ReadI32LE(family);
    reader.ReadI32LE(model);
    reader.ReadBytes(description, kDescriptionSize);
    // A damaged file must not leave a text without its end.
    description[kDescriptionSize - 1] = '\0';
}

bool CpuInfo::Save(const std::string& path) const
{
    HANDLE file = CreateFileA(ToNativePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    uint8_t bytes[kMagicSize + kRecordSize];
    std::memcpy(bytes, kFileMagic, kMagicSize);
    uint8_t record[kRecordSize];
    ToBytes(record);
    std::memcpy(bytes + kMagicSize, record, kRecordSize);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes, sizeof bytes, &written, nullptr);
    CloseHandle(file);
    return ok && written == sizeof bytes;
}

bool CpuInfo::Load(const std::string& path)
{
    HANDLE file = CreateFileA(ToNativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    uint8_t bytes[kMagicSize + kRecordSize];
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    if (!ok || read < kMagicSize || std::memcmp(bytes, kFileMagic, kMagicSize) != 0)
        return false;
    uint8_t record[kRecordSize];
    ToBytes(record);
    std::memcpy(record, bytes + kMagicSize, read - kMagicSize);
    FromBytes(record);
    return true;
}
