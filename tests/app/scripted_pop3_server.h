#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A mail server on 127.0.0.1 that serves one connection from a script: it
// sends replies[0] as the greeting, then reads one command line after the
// other and answers each with the next reply. A reply of std::nullopt is
// silence: nothing is sent for that step. Once the script is played it
// only records commands until the client closes.
class ScriptedPop3Server {
public:
    using Reply = std::optional<std::string>;

    explicit ScriptedPop3Server(std::vector<Reply> replies);
    ~ScriptedPop3Server();
    ScriptedPop3Server(const ScriptedPop3Server&) = delete;
    ScriptedPop3Server& operator=(const ScriptedPop3Server&) = delete;

    bool Listening() const { return port_ != 0; }
    uint16_t Port() const { return port_; }
    // The command lines received (with their CR LF), once the client has
    // closed the connection.
    const std::vector<std::string>& Commands();

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Serve();
    bool WaitReadable(SOCKET socket);
    bool ReadLine(SOCKET socket, std::string& line);
    void Finish();

    std::vector<Reply> replies_;
    std::vector<std::string> commands_;
    std::string pending_;
    SOCKET listener_ = INVALID_SOCKET;
    uint16_t port_ = 0;
    HANDLE thread_ = nullptr;
    volatile LONG stop_ = 0;
};

// A port on 127.0.0.1 where nothing listens (taken and given back).
uint16_t ClosedLoopbackPort();
