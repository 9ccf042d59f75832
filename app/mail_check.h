#pragma once

#include "app/settings_record.h"

#include <cstdint>

// Results of CheckMail below 0; 0 and above are message counts.
enum MailCheckFailure : int {
    kMailStartupFailed = -1,   // Winsock could not be started
    kMailHostUnknown = -2,     // the server name did not resolve
    kMailNoConnection = -3,    // no connection, no POP3 greeting, a silent
                               // server or an unreadable status reply
    kMailLoginRefused = -4,    // the password was refused, or the user name
                               // or password is too long to send
};

// Without an answer within this time the server counts as unreachable.
constexpr uint32_t kMailReplyTimeoutMs = 10000;

// Asks the POP3 server of the settings how many messages the mailbox holds
// (USER, PASS, STAT, QUIT over Winsock 1.1, blocking). Returns the count and
// stores the mailbox size in octets through size, or returns a failure code
// and leaves size alone. The connect and every reply wait at most
// replyTimeoutMs each; silence at the greeting, PASS or STAT fails the check
// with kMailNoConnection, silence at USER or QUIT changes nothing.
int CheckMail(const SettingsRecord& settings, int* size, uint32_t replyTimeoutMs = kMailReplyTimeoutMs);
