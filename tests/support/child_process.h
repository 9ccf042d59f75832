#pragma once

#include <cstdint>
#include <string>

// Runs code in a second process of the same test program, for behaviour
// that ends the process (fatal errors) or must start from a fresh state.
//
//   TEST_CHILD(ShowsFatalBox) { FatalError("x", "a.cpp", 3); return 0; }
//   ChildResult r = RunChild("ShowsFatalBox");
//
// The child's standard output and error are captured into ChildResult::output.

using ChildRoutine = int (*)();

struct ChildRegistration {
    ChildRegistration(const char* name, ChildRoutine routine);
};

#define TEST_CHILD(name)                                                   \
    static int ChildRoutine_##name();                                     \
    static ChildRegistration childRegistration_##name(#name, ChildRoutine_##name); \
    static int ChildRoutine_##name()

struct ChildResult {
    bool started = false;
    bool timedOut = false;
    uint32_t exitCode = 0;
    std::string output;
};

// Starts this program with --run-child=name (plus extraArguments) in the
// given working directory (empty: the current one) and waits up to timeoutMs.
// A child that does not end in time is killed and reported as timedOut.
ChildResult RunChild(const std::string& name, uint32_t timeoutMs = 30000,
                     const std::string& workingDirectory = std::string(),
                     const std::string& extraArguments = std::string());

// Called by main(): runs the routine registered under name; 3 when unknown.
int RunRegisteredChild(const char* name);
