// The engine's one-time processor probe and the fatal stop of a draw made
// before it. Each case needs a fresh process, so each runs in a child.

#include "base/graphics/effect.h"

#include "tests/graphics/test_surface.h"
#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"
#include "tests/support/fake_cpu_probe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kMmxBit = 1u << 23;

int DrawUninitialised(bool generic)
{
    WatchBoxesUntilExit();
    TestSurface source(1, 1, 32);
    TestSurface target(1, 1, 32);
    cEffect effect;
    effect.destination = &target.lock;
    effect.source = &source.lock;
    if (generic)
        effect.DrawGeneric();
    else
        effect.Draw(kEffectCopy);
    WriteRaw("returned");
    return 0;
}

TEST_CHILD(DrawBeforeInitCpu)
{
    return DrawUninitialised(false);
}

TEST_CHILD(DrawGenericBeforeInitCpu)
{
    return DrawUninitialised(true);
}

TEST(EffectInit, DrawBeforeInitCpuEndsTheProcessThroughTheFatalBox)
{
    const struct {
        const char* child;
        const char* line;
    } cases[] = {{"DrawBeforeInitCpu", "2872"}, {"DrawGenericBeforeInitCpu", "420"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.child);
        const ChildResult child = RunChild(c.child);
        ASSERT_TRUE(child.started);
        EXPECT_EQ(child.exitCode, 0xFFFFFFFFu);
        const std::string text = std::string("復帰できないエラーが出ました。\nＯＫを押すとプログラムを終了します。\n"
                                             "ファイル名: effect.cpp\n行数: ") +
                                 c.line + "\n初期化されていません";
        EXPECT_EQ(BoxesIn(child.output), std::vector<std::string>{"致命的なエラー|" + text});
        EXPECT_EQ(child.output.find("returned"), std::string::npos);
    }
}

// The first probe decides; a second call asks the processor nothing.
TEST_CHILD(InitCpuProbesOnce)
{
    FakeCpuProbe otherVendor("CyrixInstead", 0, kMmxBit);
    cEffect::InitCpu(otherVendor);
    const bool first = cEffect::HasMmx();
    FakeCpuProbe withoutMmx("GenuineIntel", 0, 0);
    cEffect::InitCpu(withoutMmx);
    WriteRaw("mmx " + std::to_string(first) + std::to_string(cEffect::HasMmx()) + " second probe asked " +
             std::to_string(withoutMmx.questions));
    return 0;
}

TEST_CHILD(InitCpuWithoutMmx)
{
    FakeCpuProbe withoutMmx("GenuineIntel", 0, 0);
    cEffect::InitCpu(withoutMmx);
    WriteRaw("mmx " + std::to_string(cEffect::HasMmx()));
    return 0;
}

TEST(EffectInit, MmxComesFromTheFeatureBitAndIsProbedOnce)
{
    const struct {
        const char* child;
        const char* output;
    } cases[] = {
        {"InitCpuProbesOnce", "mmx 11 second probe asked 0"},
        {"InitCpuWithoutMmx", "mmx 0"},
    };
    for (const auto& c : cases) {
        const ChildResult child = RunChild(c.child);
        EXPECT_EQ(child.exitCode, 0u) << c.child;
        EXPECT_EQ(child.output, c.output) << c.child;
    }
}

} // namespace
