#pragma once

#include <cstdint>
#include <string>

// The four registers one CPUID leaf answers.
struct CpuidRegisters {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};

// Where CpuInfo gets the processor's answers. The real one executes CPUID
// and reads the time-stamp counter; tests give made-up answers so every
// vendor's reading can be checked on any machine.
class CpuProbe {
public:
    virtual ~CpuProbe() = default;
    virtual bool HasCpuid() const = 0;
    virtual CpuidRegisters Cpuid(uint32_t leaf) const = 0;
    // Clock rate in MHz from the time-stamp counter over half a second.
    virtual uint32_t MeasureClockMhz() const = 0;
};

// The probe of the processor this program runs on.
const CpuProbe& ProcessorProbe();

// True when the processor reports MMX in its own feature bits (CPUID leaf 1,
// EDX bit 23), whoever made it.
bool ProcessorHasMmx(const CpuProbe& probe);
// Likewise for SSE2 (EDX bit 26).
bool ProcessorHasSse2(const CpuProbe& probe);
// True when the processor reports AVX2 (leaf 7, EBX bit 5) together with AVX
// and the system's use of XSAVE (leaf 1, ECX bits 28 and 27). Whether the
// system saves the wide registers is a further question (XCR0) for the
// caller.
bool ProcessorHasAvx2(const CpuProbe& probe);

// Identifies the processor: SIMD extensions, family, model, stepping and a
// one-line description with the clock rate. Saved and loaded as a small file
// that starts with a 16-byte magic.
class CpuInfo {
public:
    static constexpr size_t kDescriptionSize = 512;
    // Flags, three padding bytes, three 32-bit integers, the description.
    static constexpr size_t kRecordSize = 532;
    static constexpr char kFileMagic[17] = "PROCESSORINFO01_";
    static constexpr size_t kMagicSize = 16;

    CpuInfo() = default;
    void Clear() { *this = CpuInfo(); }

    // False when the processor has no CPUID instruction (the description
    // says so); true otherwise, also for a vendor without a reading, which
    // leaves the record as it was.
    bool Detect() { return Detect(ProcessorProbe()); }
    bool Detect(const CpuProbe& probe);

    // '/' in the path becomes '\' when the program converts names
    // (LibraryOptions()). False when the file does not open.
    bool Save(const std::string& path) const;
    // False when the file does not open or does not start with the magic
    // (the record is then unchanged). A file that ends early changes only
    // the bytes of the record it holds.
    bool Load(const std::string& path);

    // The record in its file layout (little-endian, padding zero).
    void ToBytes(uint8_t (&bytes)[kRecordSize]) const;
    void FromBytes(const uint8_t (&bytes)[kRecordSize]);

    uint8_t sse = 0;
    uint8_t sse2 = 0;
    uint8_t mmx = 0;
    uint8_t amd3dnow = 0;
    uint8_t amd3dnowExt = 0;
    int32_t stepping = 0;
    int32_t family = 0;
    int32_t model = 0;
    char description[kDescriptionSize] = {};

private:
    enum class Vendor { kIntel, kAmd };
    void Read(const CpuProbe& probe, Vendor vendor);
};
