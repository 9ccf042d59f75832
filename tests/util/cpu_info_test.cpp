#include "base/util/cpu_info.h"

#include "base/util/byte_writer.h"
#include "tests/support/fake_cpu_probe.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr uint32_t kTsc = 1u << 4;
constexpr uint32_t kMmx = 1u << 23;
constexpr uint32_t kSse = 1u << 25;
constexpr uint32_t kSse2 = 1u << 26;
constexpr uint32_t k3dNow = 1u << 31;
constexpr uint32_t k3dNowExt = 1u << 30;

CpuidRegisters Edx(uint32_t edx)
{
    CpuidRegisters r;
    r.edx = edx;
    return r;
}

CpuidRegisters Eax(uint32_t eax)
{
    CpuidRegisters r;
    r.eax = eax;
    return r;
}

TEST(CpuInfo, DescribesEachKnownVendorExactly)
{
    struct Case {
        const char* name;
        const char* vendor;
        uint32_t leaf1Eax; // family, model and stepping fields
        uint32_t leaf1Edx;
        uint32_t extendedMax;
        uint32_t extendedEdx;
        uint32_t mhz;
        const char* description;
        uint8_t mmx, sse, sse2, amd3dnow, amd3dnowExt;
        int32_t family, model, stepping;
        int measurements;
    };
    const Case cases[] = {
        {"intel, all extensions and a clock", "GenuineIntel", 0x6F2, kTsc | kMmx | kSse | kSse2, 0, 0, 2400,
         "CPU is Intel MMX SSE SSE2 2400MHz", 1, 1, 1, 0, 0, 6, 15, 2, 1},
        {"intel without a time-stamp counter is not timed", "GenuineIntel", 0x543, kMmx, 0, 0, 999,
         "CPU is Intel MMX", 1, 0, 0, 0, 0, 5, 4, 3, 0},
        {"intel with a clock that reads 0", "GenuineIntel", 0x0, kTsc | kSse, 0, 0, 0, "CPU is Intel SSE", 0, 1, 0,
         0, 0, 0, 0, 0, 1},
        {"intel ignores the 3DNow bits", "GenuineIntel", 0x0, kMmx, 0x80000008, k3dNow | k3dNowExt, 0,
         "CPU is Intel MMX", 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {"amd with both 3DNow forms", "AuthenticAMD", 0x642, kTsc | kMmx | kSse, 0x80000001, k3dNow | k3dNowExt,
         1000, "CPU is AMD MMX SSE 3DNow! 3DNow2! Family 6 Model 4 Step 2 1000MHz", 1, 1, 0, 1, 1, 6, 4, 2, 1},
        {"amd without extended leaves has no 3DNow", "AuthenticAMD", 0xF4A, kMmx | kSse2, 0, k3dNow, 0,
         "CPU is AMD MMX SSE2 Family 15 Model 4 Step 10", 1, 0, 1, 0, 0, 15, 4, 10, 0},
        {"amd with only the extended form", "AuthenticAMD", 0x0, 0, 0x80000001, k3dNowExt, 0,
         "CPU is AMD 3DNow2! Family 0 Model 0 Step 0", 0, 0, 0, 0, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCpuProbe probe(c.vendor, c.leaf1Eax, c.leaf1Edx, c.mhz);
        probe.SetLeaf(0x80000000u, Eax(c.extendedMax));
        probe.SetLeaf(0x80000001u, Edx(c.extendedEdx));
        CpuInfo info;
        EXPECT_TRUE(info.Detect(probe));
        EXPECT_STREQ(info.description, c.description);
        EXPECT_EQ(info.mmx, c.mmx);
        EXPECT_EQ(info.sse, c.sse);
        EXPECT_EQ(info.sse2, c.sse2);
        EXPECT_EQ(info.amd3dnow, c.amd3dnow);
        EXPECT_EQ(info.amd3dnowExt, c.amd3dnowExt);
        EXPECT_EQ(info.family, c.family);
        EXPECT_EQ(info.model, c.model);
        EXPECT_EQ(info.stepping, c.stepping);
        EXPECT_EQ(probe.measurements, c.measurements);
    }
}

TEST(CpuInfo, OtherVendorsSucceedWithoutTouchingTheRecord)
{
    FakeCpuProbe probe("CyrixInstead", 0x543, kTsc | kMmx | kSse, 200);
    CpuInfo fresh;
    EXPECT_TRUE(fresh.Detect(probe));
    EXPECT_EQ(fresh.mmx, 0);
    EXPECT_EQ(fresh.sse, 0);
    EXPECT_STREQ(fresh.description, "");
    EXPECT_EQ(probe.measurements, 0) << "no clock wait for a vendor without a reading";

    CpuInfo earlier;
    earlier.family = 9;
    std::strcpy(earlier.description, "kept");
    EXPECT_TRUE(earlier.Detect(probe));
    EXPECT_EQ(earlier.family, 9);
    EXPECT_STREQ(earlier.description, "kept");
}

TEST(CpuInfo, NoCpuidFailsWithItsDescription)
{
    FakeCpuProbe probe("GenuineIntel", 0x6F2, kMmx);
    probe.SetNoCpuid();
    CpuInfo info;
    info.mmx = 1;
    EXPECT_FALSE(info.Detect(probe));
    EXPECT_STREQ(info.description, "CPU doesn't support CPUID order");
    EXPECT_EQ(info.mmx, 1) << "only the description changes";
}

TEST(CpuInfo, MmxAndSse2ComeFromTheFeatureBitsWhateverTheVendor)
{
    struct Case {
        const char* vendor;
        uint32_t edx;
        bool cpuid;
        bool mmx, sse2;
    };
    const Case cases[] = {
        {"GenuineIntel", kMmx, true, true, false},
        {"AuthenticAMD", kMmx | kSse2, true, true, true},
        {"CyrixInstead", kMmx, true, true, false},
        {"CentaurHauls", kMmx | kSse, true, true, false},
        {"GenuineIntel", kSse | kSse2, true, false, true},
        {"GenuineIntel", kMmx | kSse2, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.vendor) + (c.cpuid ? "" : " without CPUID"));
        FakeCpuProbe probe(c.vendor, 0, c.edx);
        if (!c.cpuid)
            probe.SetNoCpuid();
        EXPECT_EQ(ProcessorHasMmx(probe), c.mmx);
        EXPECT_EQ(ProcessorHasSse2(probe), c.sse2);
    }

    FakeCpuProbe noLeaf1("GenuineIntel", 0, kMmx | kSse2);
    noLeaf1.SetLeaf(0, Eax(0));
    EXPECT_FALSE(ProcessorHasMmx(noLeaf1)) << "leaf 1 is not read when leaf 0 says it is missing";
    EXPECT_FALSE(ProcessorHasSse2(noLeaf1));
}

TEST(CpuInfo, Avx2NeedsItsBitAvxAndTheSystemsXsave)
{
    constexpr uint32_t kOsXsave = 1u << 27, kAvx = 1u << 28, kAvx2 = 1u << 5;
    const struct {
        const char* name;
        uint32_t highestLeaf, leaf1Ecx, leaf7Ebx;
        bool expected;
    } cases[] = {
        {"all three", 7, kOsXsave | kAvx, kAvx2, true},
        {"no leaf 7", 6, kOsXsave | kAvx, kAvx2, false},
        {"system without XSAVE", 7, kAvx, kAvx2, false},
        {"no AVX", 7, kOsXsave, kAvx2, false},
        {"no AVX2", 7, kOsXsave | kAvx, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCpuProbe probe("GenuineIntel", 0, kMmx | kSse2);
        CpuidRegisters leaf0 = probe.Cpuid(0);
        leaf0.eax = c.highestLeaf;
        probe.SetLeaf(0, leaf0);
        CpuidRegisters leaf1 = probe.Cpuid(1);
        leaf1.ecx = c.leaf1Ecx;
        probe.SetLeaf(1, leaf1);
        CpuidRegisters leaf7;
        leaf7.ebx = c.leaf7Ebx;
        probe.SetLeaf(7, leaf7);
        EXPECT_EQ(ProcessorHasAvx2(probe), c.expected);
    }
}

TEST(CpuInfo, RealProcessorAnswers)
{
    const CpuProbe& probe = ProcessorProbe();
    ASSERT_TRUE(probe.HasCpuid());
    const CpuidRegisters leaf0 = probe.Cpuid(0);
    EXPECT_GE(leaf0.eax, 1u);
    uint8_t vendor[12] = {};
    StoreU32LE(vendor, leaf0.ebx);
    StoreU32LE(vendor + 4, leaf0.edx);
    StoreU32LE(vendor + 8, leaf0.ecx);
    const std::string name(reinterpret_cast<const char*>(vendor), sizeof vendor);
    for (char ch : name)
        EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << "vendor " << name;
    EXPECT_TRUE(ProcessorHasMmx(probe)) << "every x86-64 processor has MMX";
    EXPECT_GT(probe.MeasureClockMhz(), 0u);
}

// A record with every field set, to follow through the file.
CpuInfo SampleRecord()
{
    CpuInfo info;
    info.sse = 1;
    info.mmx = 1;
    info.amd3dnowExt = 1;
    info.stepping = 0x01020304;
    info.family = -2;
    info.model = 15;
    std::strcpy(info.description, "CPU is AMD MMX");
    return info;
}

std::string FileBytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
}

TEST(CpuInfo, FileHasTheMagicAndTheRecordLayout)
{
    TempDir dir;
    const CpuInfo info = SampleRecord();
    ASSERT_TRUE(info.Save(dir.File("cpu.bin")));
    const std::string bytes = FileBytes(dir.File("cpu.bin"));
    ASSERT_EQ(bytes.size(), 548u);
    EXPECT_EQ(bytes.substr(0, 16), "PROCESSORINFO01_");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\x01\x00\x01\x00\x01\x00\x00\x00", 8)) << "flags and padding";
    EXPECT_EQ(bytes.substr(24, 12), std::string("\x04\x03\x02\x01\xFE\xFF\xFF\xFF\x0F\x00\x00\x00", 12));
    EXPECT_EQ(bytes.substr(36, 15), std::string("CPU is AMD MMX\0", 15));
    EXPECT_EQ(bytes.substr(51), std::string(548 - 51, '\0'));

    CpuInfo loaded;
    ASSERT_TRUE(loaded.Load(dir.File("cpu.bin")));
    uint8_t original[CpuInfo::kRecordSize];
    uint8_t restored[CpuInfo::kRecordSize];
    info.ToBytes(original);
    loaded.ToBytes(restored);
    EXPECT_EQ(0, std::memcmp(original, restored, sizeof original));
}

TEST(CpuInfo, ForwardSlashesBecomeBackslashes)
{
    TempDir dir;
    std::string path = dir.File("slashed.bin");
    for (char& ch : path)
        if (ch == '\\')
            ch = '/';
    ASSERT_TRUE(SampleRecord().Save(path));
    EXPECT_EQ(FileBytes(dir.File("slashed.bin")).size(), 548u);
    CpuInfo loaded;
    EXPECT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.family, -2);
}

TEST(CpuInfo, BadFilesLeaveTheRecordAlone)
{
    TempDir dir;
    std::string good;
    ASSERT_TRUE(SampleRecord().Save(dir.File("good.bin")));
    good = FileBytes(dir.File("good.bin"));

    struct Case {
        const char* name;
        std::string bytes;
        bool loads;
    };
    std::string wrongMagic = good;
    wrongMagic[15] = '2';
    const Case cases[] = {
        {"wrong magic", wrongMagic, false},
        {"shorter than the magic", good.substr(0, 10), false},
        {"empty", std::string(), false},
        {"magic alone", good.substr(0, 16), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteWholeFile(dir.File("bad.bin"), c.bytes));
        CpuInfo info;
        info.model = 77;
        std::strcpy(info.description, "before");
        EXPECT_EQ(info.Load(dir.File("bad.bin")), c.loads);
        EXPECT_EQ(info.model, 77);
        EXPECT_STREQ(info.description, "before");
    }

    CpuInfo missing;
    EXPECT_FALSE(missing.Load(dir.File("missing.bin")));
    EXPECT_FALSE(SampleRecord().Save(dir.File("no-such-folder\\cpu.bin")));
}

TEST(CpuInfo, ShortFileChangesOnlyTheBytesItHolds)
{
    TempDir dir;
    std::string good;
    ASSERT_TRUE(SampleRecord().Save(dir.File("good.bin")));
    good = FileBytes(dir.File("good.bin"));
    // Magic, the flags, the padding and two bytes of the stepping.
    ASSERT_TRUE(WriteWholeFile(dir.File("short.bin"), good.substr(0, 16 + 10)));
    CpuInfo info;
    info.stepping = 0x7F7F7F7F;
    info.family = 5;
    std::strcpy(info.description, "old");
    ASSERT_TRUE(info.Load(dir.File("short.bin")));
    EXPECT_EQ(info.sse, 1);
    EXPECT_EQ(info.amd3dnowExt, 1);
    EXPECT_EQ(info.stepping, 0x7F7F0304);
    EXPECT_EQ(info.family, 5);
    EXPECT_STREQ(info.description, "old");
}

TEST(CpuInfo, LoadedDescriptionIsAlwaysTerminated)
{
    TempDir dir;
    std::string bytes = std::string("PROCESSORINFO01_") + std::string(20, '\0') + std::string(512, 'x');
    ASSERT_TRUE(WriteWholeFile(dir.File("long.bin"), bytes));
    CpuInfo info;
    ASSERT_TRUE(info.Load(dir.File("long.bin")));
    EXPECT_EQ(std::strlen(info.description), 511u);
}

} // namespace
