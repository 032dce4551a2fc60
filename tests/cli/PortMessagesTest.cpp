// The reason a fleet row gives: the last message of the radio's own session,
// whole, whatever other messages came before or after it.

// cli
#include "cli/PortMessages.h"

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
TEST(PortMessages, TheLastMessageSinceTheMarkIsTheReason)
{
    const std::string kept = "vesk4-cli: the radio's original image is kept in ";
    const struct
    {
        std::vector<const char*> before; // an earlier radio's messages
        std::vector<const char*> after;
        const char* reason;
    } cases[] = {
        {{}, {}, ""},
        {{"vesk4-cli: no answer from the radio on COM1 within 1 s. Check\nit.\n"},
         {"vesk4-cli: the port COM1 went away.\n"},
         "the port COM1 went away."},
        // A message of several lines is one reason.
        {{},
         {"vesk4-cli: no answer from the radio on COM2 within 1 s. Check that the radio is\n"
          "switched on.\n"},
         "no answer from the radio on COM2 within 1 s. Check that the radio is switched on."},
        // Where the original is kept is not why the radio failed.
        {{},
         {"vesk4-cli: EEPROM program error at 0x0400.\n", "vesk4-cli: the radio's original "
                                                          "image is kept in /b/1.dmp\n"},
         "EEPROM program error at 0x0400."},
        {{},
         {"vesk4-cli: \xe5\x90\x8c\n(another program kept the lock)\n"},
         "\xe5\x90\x8c (another program kept the lock)"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.reason);
        CPortMessages messages;
        for (const char* text : c.before)
        {
            std::fputs(text, messages.File());
        }
        const std::size_t mark = messages.Mark();
        for (const char* text : c.after)
        {
            std::fputs(text, messages.File());
        }
        EXPECT_EQ(messages.LastSince(mark, kept), c.reason);
    }
}
} // namespace
