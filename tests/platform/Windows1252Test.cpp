#include "platform/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, ConvertsToUtf8AndBack)
{
    // Every assigned byte survives the round trip.
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;
        const std::string original(1, static_cast<char>(byte));
        EXPECT_EQ(Windows1252::FromUtf8(Windows1252::ToUtf8(original)), original) << byte;
    }
    EXPECT_EQ(Windows1252::ToUtf8("\xE4\xF6\xFC\xDF\x80"), "äöüß€");
    EXPECT_EQ(Windows1252::FromUtf8("Grüße, Œuvre €5"), "Gr\xFC\xDF" "e, \x8Cuvre \x80" "5");
    // Characters without a byte, and broken UTF-8, become question marks.
    EXPECT_EQ(Windows1252::FromUtf8("a\xE2\x82"), "a?");
    EXPECT_EQ(Windows1252::FromUtf8("日本"), "??");
    EXPECT_EQ(Windows1252::FromUtf8("\xFF"), "?");
}

TEST(Windows1252, ConvertsLiteralsWhileCompiling)
{
    constexpr const char* german = "Schließen äÄ €"_w1252;
    EXPECT_STREQ(german, "Schlie\xDF" "en \xE4\xC4 \x80");
}
