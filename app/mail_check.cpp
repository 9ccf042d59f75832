#include "app/mail_check.h"

#include <winsock.h>

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One buffer serves every command and reply. A reply takes at most one byte
// less than the buffer, so it always ends with a zero inside it.
constexpr size_t kExchangeBufferSize = 1024;
using ExchangeBuffer = char[kExchangeBufferSize];

class WinsockSession {
public:
    WinsockSession()
    {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    }
    ~WinsockSession()
    {
        if (started_)
            WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

class Socket {
public:
    Socket() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {}
    ~Socket()
    {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET Handle() const { return socket_; }

private:
    SOCKET socket_;
};

timeval ToTimeval(uint32_t milliseconds)
{
    timeval limit;
    limit.tv_sec = static_cast<long>(milliseconds / 1000);
    limit.tv_usec = static_cast<long>(milliseconds % 1000) * 1000;
    return limit;
}

// A blocking connect could wait for the system's own time-out; this one
// gives up after timeoutMs and leaves the socket blocking again.
bool ConnectWithin(SOCKET socket, const sockaddr_in& address, uint32_t timeoutMs)
{
    u_long nonBlocking = 1;
    if (ioctlsocket(socket, FIONBIO, &nonBlocking) != 0)
        return false;
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            return false;
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(socket, &writable);
        FD_SET(socket, &failed);
        timeval limit = ToTimeval(timeoutMs);
        if (select(0, nullptr, &writable, &failed, &limit) <= 0 || !FD_ISSET(socket, &writable))
            return false;
    }
    u_long blocking = 0;
    return ioctlsocket(socket, FIONBIO, &blocking) == 0;
}

// One receive of one reply (a reply split over several segments is read as
// far as the first). False when nothing arrives within timeoutMs.
bool ReceiveReply(SOCKET socket, ExchangeBuffer& buffer, uint32_t timeoutMs)
{
    std::memset(buffer, 0, kExchangeBufferSize);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval limit = ToTimeval(timeoutMs);
    if (select(0, &readable, nullptr, nullptr, &limit) <= 0)
        return false;
    recv(socket, buffer, static_cast<int>(kExchangeBufferSize - 1), 0);
    return true;
}

bool ReplyIsPositive(const ExchangeBuffer& buffer)
{
    return std::strstr(buffer, "+OK") != nullptr;
}

// verb + argument + CR LF in the buffer; false when it does not fit.
bool ComposeCommand(ExchangeBuffer& buffer, const char* verb, const std::string& argument)
{
    const size_t verbLength = std::strlen(verb);
    if (argument.size() > kExchangeBufferSize - verbLength - sizeof "\r\n")
        return false;
    std::memcpy(buffer, verb, verbLength);
    std::memcpy(buffer + verbLength, argument.data(), argument.size());
    std::memcpy(buffer + verbLength + argument.size(), "\r\n", sizeof "\r\n");
    return true;
}

void SendCommand(SOCKET socket, const char* command)
{
    send(socket, command, static_cast<int>(std::strlen(command)), 0);
}

// A decimal value as atoi reads it, clamped to the int range.
int DecimalValue(const std::string& token)
{
    const long long value = std::strtoll(token.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// "+OK count size": the second and third whitespace-separated tokens. The
// "+OK" itself is not required.
bool ReadStatus(const ExchangeBuffer& buffer, int& count, int& size)
{
    std::vector<std::string> tokens;
    const std::string reply(buffer);
    boost::algorithm::split(tokens, reply, boost::algorithm::is_space(), boost::algorithm::token_compress_on);
    // Whitespace at either end leaves an empty piece there, which is no token.
    tokens.erase(std::remove(tokens.begin(), tokens.end(), std::string()), tokens.end());
    if (tokens.size() < 3)
        return false;
    count = DecimalValue(tokens[1]);
    size = DecimalValue(tokens[2]);
    return true;
}

}  // namespace

int CheckMail(const SettingsRecord& settings, int* size, uint32_t replyTimeoutMs)
{
    WinsockSession winsock;
    if (!winsock.Started())
        return kMailStartupFailed;
    Socket connection;
    const hostent* host = gethostbyname(settings.server.c_str());
    if (host == nullptr || host->h_addr_list == nullptr || host->h_addr_list[0] == nullptr)
        return kMailHostUnknown;

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(settings.port & 0xFFFF));
    std::memcpy(&address.sin_addr, host->h_addr_list[0], sizeof address.sin_addr);
    if (!ConnectWithin(connection.Handle(), address, replyTimeoutMs))
        return kMailNoConnection;

    ExchangeBuffer buffer;
    if (!ReceiveReply(connection.Handle(), buffer, replyTimeoutMs) || !ReplyIsPositive(buffer))
        return kMailNoConnection;

    if (!ComposeCommand(buffer, "USER ", settings.user))
        return kMailLoginRefused;
    SendCommand(connection.Handle(), buffer);
    ReceiveReply(connection.Handle(), buffer, replyTimeoutMs);  // not examined

    if (!ComposeCommand(buffer, "PASS ", settings.password))
        return kMailLoginRefused;
    SendCommand(connection.Handle(), buffer);
    if (!ReceiveReply(connection.Handle(), buffer, replyTimeoutMs))
        return kMailNoConnection;
    if (!ReplyIsPositive(buffer))
        return kMailLoginRefused;

    SendCommand(connection.Handle(), "STAT\r\n");
    int count = 0;
    int octets = 0;
    if (!ReceiveReply(connection.Handle(), buffer, replyTimeoutMs) || !ReadStatus(buffer, count, octets))
        return kMailNoConnection;
    // A negative count would read as one of the failure codes above.
    if (count < 0)
        return kMailNoConnection;
    if (size != nullptr)
        *size = octets;

    SendCommand(connection.Handle(), "QUIT\r\n");
    ReceiveReply(connection.Handle(), buffer, replyTimeoutMs);  // not examined
    return count;
}
