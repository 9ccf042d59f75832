#include "tests/support/child_process.h"

#include <windows.h>

#include <map>

namespace {

std::map<std::string, ChildRoutine>& Registry()
{
    static std::map<std::string, ChildRoutine> routines;
    return routines;
}

// Drains the child's output pipe while waiting, so a chatty child never
// blocks on a full pipe.
void ReadAvailable(HANDLE pipe, std::string& output)
{
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD got = 0;
        if (!ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) || got == 0)
            return;
        output.append(buffer, got);
    }
}

} // namespace

ChildRegistration::ChildRegistration(const char* name, ChildRoutine routine)
{
    Registry()[name] = routine;
}

int RunRegisteredChild(const char* name)
{
    auto it = Registry().find(name);
    return it == Registry().end() ? 3 : it->second();
}

ChildResult RunChild(const std::string& name, uint32_t timeoutMs,
                     const std::string& workingDirectory, const std::string& extraArguments)
{
    ChildResult result;
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::string command = "\"" + std::string(self) + "\" --run-child=" + name;
    if (!extraArguments.empty())
        command += " " + extraArguments;

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    result.started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                    workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                                    &startup, &process) != 0;
    CloseHandle(writeEnd);
    if (!result.started) {
        CloseHandle(readEnd);
        return result;
    }

    const DWORD start = GetTickCount();
    for (;;) {
        ReadAvailable(readEnd, result.output);
        if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
            break;
        if (GetTickCount() - start > timeoutMs) {
            result.timedOut = true;
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    ReadAvailable(readEnd, result.output);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exitCode = code;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    return result;
}
