#pragma once

#include "base/util/cpu_info.h"

#include <cstring>
#include <map>

// A processor made up by a test: CPUID answers from a table (leaf 0 names
// the vendor, leaf 1 carries the feature bits), a fixed clock rate, and
// counts of how often it was asked.
class FakeCpuProbe : public CpuProbe {
public:
    FakeCpuProbe(const char* vendor, uint32_t leaf1Eax, uint32_t leaf1Edx, uint32_t mhz = 0) : mhz_(mhz)
    {
        CpuidRegisters leaf0;
        leaf0.eax = 1;
        std::memcpy(&leaf0.ebx, vendor, 4);
        std::memcpy(&leaf0.edx, vendor + 4, 4);
        std::memcpy(&leaf0.ecx, vendor + 8, 4);
        leaves_[0] = leaf0;
        leaves_[1].eax = leaf1Eax;
        leaves_[1].edx = leaf1Edx;
    }
    void SetLeaf(uint32_t leaf, CpuidRegisters registers) { leaves_[leaf] = registers; }
    void SetNoCpuid() { hasCpuid_ = false; }

    bool HasCpuid() const override
    {
        ++questions;
        return hasCpuid_;
    }
    CpuidRegisters Cpuid(uint32_t leaf) const override
    {
        ++questions;
        auto found = leaves_.find(leaf);
        return found == leaves_.end() ? CpuidRegisters() : found->second;
    }
    uint32_t MeasureClockMhz() const override
    {
        ++measurements;
        return mhz_;
    }

    mutable int questions = 0;
    mutable int measurements = 0;

private:
    std::map<uint32_t, CpuidRegisters> leaves_;
    uint32_t mhz_;
    bool hasCpuid_ = true;
};
