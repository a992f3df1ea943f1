#include "files/Scrambler.h"
#include "support/HeadlessTest.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

class ScramblerTest : public HeadlessTest {};

TEST_F(ScramblerTest, ScramblesWithTheKeystream)
{
    // Worked out by hand: 'H' is 0x48, its bit pairs swapped 0x84, and the
    // first key byte is 0x5E (the state 0x7A5E), giving 0xDA; the state then
    // runs 0x6F1C, 0x4D56, ...
    unsigned char text[] = {'H', 'a', 'l', 'l', 'o', '\n'};
    ScrambleBuffer(text, sizeof(text));
    const unsigned char expected[] = {0xDA, 0x8E, 0xCA, 0x98, 0x91, 0x29};
    EXPECT_EQ(0, std::memcmp(text, expected, sizeof(text)));
    DescrambleBuffer(text, sizeof(text));
    EXPECT_EQ(0, std::memcmp(text, "Hallo\n", 6));

    // Every buffer starts the keystream anew, and the two directions undo
    // each other for any bytes.
    std::mt19937 random(7);
    std::vector<unsigned char> bytes(5000);
    for (auto& byte : bytes)
        byte = static_cast<unsigned char>(random());
    std::vector<unsigned char> copy = bytes;
    ScrambleBuffer(copy.data(), copy.size());
    EXPECT_NE(copy, bytes);
    std::vector<unsigned char> prefix(bytes.begin(), bytes.begin() + 100);
    ScrambleBuffer(prefix.data(), prefix.size());
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), copy.begin()));
    DescrambleBuffer(copy.data(), copy.size());
    EXPECT_EQ(copy, bytes);
}

TEST_F(ScramblerTest, ScramblesAFileInPlace)
{
    WriteFile("savegames/savegame1.dat", "Hallo\n");
    EXPECT_TRUE(ScrambleFile("savegames\\savegame1.dat"));
    EXPECT_EQ(ReadFile("savegames/savegame1.dat"), "\xDA\x8E\xCA\x98\x91\x29");
    EXPECT_FALSE(ScrambleFile("savegames\\missing.dat"));
    EXPECT_FALSE(ScrambleFile("savegames")); // a folder
    // A file too large for the size's int (sparse, so it costs no disk) is
    // refused, not replaced by a scrambled copy of its first bytes.
    {
        std::FILE* huge = std::fopen("savegames/huge.dat", "wb");
        ASSERT_NE(huge, nullptr);
        std::fclose(huge);
        std::filesystem::resize_file("savegames/huge.dat", (std::uintmax_t{1} << 32) + 10);
    }
    EXPECT_FALSE(ScrambleFile("savegames\\huge.dat"));
    EXPECT_EQ(std::filesystem::file_size("savegames/huge.dat"), (std::uintmax_t{1} << 32) + 10);
    std::filesystem::remove("savegames/huge.dat");
    // Nothing is left behind but the file itself.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("savegames"), std::filesystem::directory_iterator()), 1);
}
