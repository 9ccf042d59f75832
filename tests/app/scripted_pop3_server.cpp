#include "tests/app/scripted_pop3_server.h"

#include <winsock.h>

namespace {

constexpr DWORD kClientWaitMs = 30000;
constexpr long kPollMs = 20;

uint16_t BindLoopback(SOCKET socket)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return 0;
    int length = sizeof address;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

}  // namespace

ScriptedPop3Server::ScriptedPop3Server(std::vector<Reply> replies) : replies_(std::move(replies))
{
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    const uint16_t port = BindLoopback(listener_);
    if (port == 0 || listen(listener_, 1) != 0)
        return;
    port_ = port;
    thread_ = CreateThread(nullptr, 0, &ThreadMain, this, 0, nullptr);
}

ScriptedPop3Server::~ScriptedPop3Server()
{
    InterlockedExchange(&stop_, 1);
    Finish();
    closesocket(listener_);
    WSACleanup();
}

const std::vector<std::string>& ScriptedPop3Server::Commands()
{
    Finish();
    return commands_;
}

void ScriptedPop3Server::Finish()
{
    if (thread_ == nullptr)
        return;
    if (WaitForSingleObject(thread_, kClientWaitMs) != WAIT_OBJECT_0) {
        InterlockedExchange(&stop_, 1);
        WaitForSingleObject(thread_, INFINITE);
    }
    CloseHandle(thread_);
    thread_ = nullptr;
}

DWORD WINAPI ScriptedPop3Server::ThreadMain(void* self)
{
    static_cast<ScriptedPop3Server*>(self)->Serve();
    return 0;
}

// Waits in short steps so that the owner can stop a server whose client
// never came or never closed.
bool ScriptedPop3Server::WaitReadable(SOCKET socket)
{
    while (stop_ == 0) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket, &readable);
        timeval step{0, kPollMs * 1000};
        const int ready = select(0, &readable, nullptr, nullptr, &step);
        if (ready < 0)
            return false;
        if (ready > 0)
            return true;
    }
    return false;
}

bool ScriptedPop3Server::ReadLine(SOCKET socket, std::string& line)
{
    for (;;) {
        const size_t end = pending_.find("\r\n");
        if (end != std::string::npos) {
            line = pending_.substr(0, end + 2);
            pending_.erase(0, end + 2);
            return true;
        }
        if (!WaitReadable(socket))
            return false;
        char chunk[4096];
        const int received = recv(socket, chunk, sizeof chunk, 0);
        if (received <= 0)
            return false;
        pending_.append(chunk, static_cast<size_t>(received));
    }
}

void ScriptedPop3Server::Serve()
{
    if (!WaitReadable(listener_))
        return;
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET)
        return;
    for (size_t step = 0;; ++step) {
        if (step > 0) {
            std::string line;
            if (!ReadLine(client, line))
                break;
            commands_.push_back(line);
        }
        if (step < replies_.size() && replies_[step])
            send(client, replies_[step]->data(), static_cast<int>(replies_[step]->size()), 0);
    }
    closesocket(client);
}

uint16_t ClosedLoopbackPort()
{
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    const SOCKET probe = socket(AF_INET, SOCK_STREAM, 0);
    const uint16_t port = BindLoopback(probe);
    closesocket(probe);
    WSACleanup();
    return port;
}
