#include "app/mail_check.h"

#include "tests/app/scripted_pop3_server.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Reply = ScriptedPop3Server::Reply;
using Commands = std::vector<std::string>;

const Reply kSilence = std::nullopt;
constexpr int kSizeUntouched = -12345;
// Long enough for a loaded test machine, short enough to keep the tests quick.
constexpr uint32_t kShortTimeoutMs = 400;

SettingsRecord Account(int32_t port, const std::string& user = "bob", const std::string& password = "pw")
{
    SettingsRecord settings;
    settings.server = "127.0.0.1";
    settings.port = port;
    settings.user = user;
    settings.password = password;
    return settings;
}

struct Outcome {
    int result;
    int size;
    Commands commands;
};

Outcome Converse(std::vector<Reply> script, const std::string& user = "bob",
                 const std::string& password = "pw", uint32_t timeoutMs = kMailReplyTimeoutMs)
{
    ScriptedPop3Server server(std::move(script));
    EXPECT_TRUE(server.Listening());
    int size = kSizeUntouched;
    const int result = CheckMail(Account(server.Port(), user, password), &size, timeoutMs);
    return {result, size, server.Commands()};
}

const Commands kWholeDialogue = {"USER bob\r\n", "PASS pw\r\n", "STAT\r\n", "QUIT\r\n"};

struct DialogueCase {
    const char* name;
    std::vector<Reply> script;
    int result;
    int size;
    Commands commands;
};

TEST(CheckMail, AnswersFromTheDialogue)
{
    const DialogueCase cases[] = {
        {"plain mailbox", {"+OK ready\r\n", "+OK\r\n", "+OK in\r\n", "+OK 5 12345\r\n", "+OK bye\r\n"},
         5, 12345, kWholeDialogue},
        {"+OK inside the greeting", {"* hello +OK there\r\n", "+OK\r\n", "+OK\r\n", "+OK 2 40\r\n", "+OK\r\n"},
         2, 40, kWholeDialogue},
        {"greeting without +OK", {"-ERR busy\r\n"}, kMailNoConnection, kSizeUntouched, {}},
        {"lower-case greeting", {"+ok ready\r\n"}, kMailNoConnection, kSizeUntouched, {}},
        {"PASS refused", {"+OK\r\n", "+OK\r\n", "-ERR wrong password\r\n"},
         kMailLoginRefused, kSizeUntouched, {"USER bob\r\n", "PASS pw\r\n"}},
        {"USER reply not examined", {"+OK\r\n", "-ERR who?\r\n", "+OK\r\n", "+OK 1 10\r\n", "+OK\r\n"},
         1, 10, kWholeDialogue},
        {"QUIT reply not examined", {"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 3 30\r\n", "-ERR\r\n"},
         3, 30, kWholeDialogue},
    };
    for (const DialogueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Converse(c.script);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.size, c.size);
        EXPECT_EQ(outcome.commands, c.commands);
    }
}

struct StatusCase {
    const char* reply;
    int result;
    int size;
};

TEST(CheckMail, ReadsTheStatusReplyAsTokens)
{
    const StatusCase cases[] = {
        {"+OK 5 12345\r\n", 5, 12345},
        {"+OK   5 \t  12345  \r\n", 5, 12345},
        {"+OK\t5\v12345\f\r\n", 5, 12345},
        {"+OK 0 0\r\n", 0, 0},
        {"+OK 7 99 extra words\r\n", 7, 99},
        {"  +OK 8 80", 8, 80},
        // The "+OK" is not required: words read as 0.
        {"-ERR not now\r\n", 0, 0},
        {"+OK 12abc 3x\r\n", 12, 3},
        // Fewer than three tokens is no answer at all.
        {"+OK 5\r\n", kMailNoConnection, kSizeUntouched},
        {"+OK\r\n", kMailNoConnection, kSizeUntouched},
        {" +OK 5 \r\n", kMailNoConnection, kSizeUntouched},
        // A negative count must not pass for a failure code.
        {"+OK -2 100\r\n", kMailNoConnection, kSizeUntouched},
    };
    for (const StatusCase& c : cases) {
        SCOPED_TRACE(c.reply);
        const Outcome outcome = Converse({"+OK\r\n", "+OK\r\n", "+OK\r\n", std::string(c.reply), "+OK\r\n"});
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.size, c.size);
    }
}

TEST(CheckMail, ReadsAtMost1023BytesOfAReply)
{
    // "+OK" as the last three bytes of 1023 is seen; one byte later it is cut.
    EXPECT_EQ(Converse({std::string(1020, 'x') + "+OK", "+OK\r\n", "+OK\r\n", "+OK 4 8\r\n", "+OK\r\n"}).result, 4);
    EXPECT_EQ(Converse({std::string(1021, 'x') + "+OK"}).result, kMailNoConnection);

    // The size's digits straddle byte 1023: only the first three are read.
    const std::string longStatus = "+OK 3 " + std::string(1014, ' ') + "77777\r\n";
    const Outcome outcome = Converse({"+OK\r\n", "+OK\r\n", "+OK\r\n", longStatus, "+OK\r\n"});
    EXPECT_EQ(outcome.result, 3);
    EXPECT_EQ(outcome.size, 777);
}

TEST(CheckMail, ASilentServerFailsWithinTheTimeOut)
{
    const DialogueCase cases[] = {
        {"silent greeting", {kSilence}, kMailNoConnection, kSizeUntouched, {}},
        {"silent after PASS", {"+OK\r\n", "+OK\r\n", kSilence},
         kMailNoConnection, kSizeUntouched, {"USER bob\r\n", "PASS pw\r\n"}},
        {"silent after STAT", {"+OK\r\n", "+OK\r\n", "+OK\r\n", kSilence},
         kMailNoConnection, kSizeUntouched, {"USER bob\r\n", "PASS pw\r\n", "STAT\r\n"}},
        // The replies to USER and QUIT decide nothing, so silence there
        // changes nothing.
        {"silent after USER", {"+OK\r\n", kSilence, "+OK\r\n", "+OK 6 60\r\n", "+OK\r\n"}, 6, 60, kWholeDialogue},
        {"silent after QUIT", {"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 6 60\r\n", kSilence}, 6, 60, kWholeDialogue},
    };
    for (const DialogueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DWORD start = GetTickCount();
        const Outcome outcome = Converse(c.script, "bob", "pw", kShortTimeoutMs);
        EXPECT_LT(GetTickCount() - start, 5000u);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.size, c.size);
        EXPECT_EQ(outcome.commands, c.commands);
    }
}

TEST(CheckMail, RefusesCredentialsTooLongForTheCommandBuffer)
{
    // "USER " + name + CR LF + the terminating zero fill 1024 bytes at most.
    const std::string longest(1016, 'u');
    const std::string tooLong(1017, 'u');
    const std::vector<Reply> script = {"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 1 1\r\n", "+OK\r\n"};

    Outcome outcome = Converse(script, longest, "pw");
    EXPECT_EQ(outcome.result, 1);
    ASSERT_FALSE(outcome.commands.empty());
    EXPECT_EQ(outcome.commands[0], "USER " + longest + "\r\n");

    outcome = Converse(script, tooLong, "pw");
    EXPECT_EQ(outcome.result, kMailLoginRefused);
    EXPECT_EQ(outcome.commands, Commands{});

    outcome = Converse(script, "bob", longest);
    EXPECT_EQ(outcome.result, 1);
    ASSERT_EQ(outcome.commands.size(), 4u);
    EXPECT_EQ(outcome.commands[1], "PASS " + longest + "\r\n");

    outcome = Converse(script, "bob", tooLong);
    EXPECT_EQ(outcome.result, kMailLoginRefused);
    EXPECT_EQ(outcome.commands, Commands{"USER bob\r\n"});
}

TEST(CheckMail, UsesTheLow16BitsOfThePort)
{
    const std::vector<Reply> script = {"+OK\r\n", "+OK\r\n", "+OK\r\n", "+OK 9 90\r\n", "+OK\r\n"};
    for (const uint32_t high : {0x00010000u, 0x7FFF0000u, 0xFFFF0000u}) {
        SCOPED_TRACE(high);
        ScriptedPop3Server server(script);
        ASSERT_TRUE(server.Listening());
        const int32_t port = static_cast<int32_t>(high | server.Port());
        int size = 0;
        EXPECT_EQ(CheckMail(Account(port), &size), 9);
        EXPECT_EQ(size, 90);
    }
}

// The mailbox of the Dovecot server that scripts/test.sh starts
// (session_start_pop3 in scripts/lib/session.sh).
TEST(CheckMail, CountsTheMailboxOfARealServer)
{
    const char* port = std::getenv("ACCESSORY_POP3_PORT");
    ASSERT_NE(port, nullptr) << "no POP3 server: call session_start_pop3 before running the tests";
    SettingsRecord account = Account(std::atoi(port), std::getenv("ACCESSORY_POP3_USER"),
                                     std::getenv("ACCESSORY_POP3_PASSWORD"));
    account.server = "localhost";
    int size = kSizeUntouched;
    EXPECT_EQ(CheckMail(account, &size), std::atoi(std::getenv("ACCESSORY_POP3_MESSAGES")));
    EXPECT_EQ(size, std::atoi(std::getenv("ACCESSORY_POP3_OCTETS")));

    account.password += "-wrong";
    size = kSizeUntouched;
    EXPECT_EQ(CheckMail(account, &size), kMailLoginRefused);
    EXPECT_EQ(size, kSizeUntouched);
}

TEST(CheckMail, ReportsUnknownHostsAndClosedPorts)
{
    int size = kSizeUntouched;
    SettingsRecord unknown = Account(110);
    unknown.server = "no-such-host.invalid";
    EXPECT_EQ(CheckMail(unknown, &size), kMailHostUnknown);

    const uint16_t closed = ClosedLoopbackPort();
    ASSERT_NE(closed, 0);
    EXPECT_EQ(CheckMail(Account(closed), &size, kShortTimeoutMs), kMailNoConnection);
    EXPECT_EQ(size, kSizeUntouched);
}

}  // namespace
