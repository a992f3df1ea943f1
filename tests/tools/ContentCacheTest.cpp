// The generator's cache: an entry is used only when it is whole, each output
// keeps its few most recently used entries, and the digest is SHA-256.

#include "ContentCache.h"
#include "InputDigest.h"
#include "support/HeadlessTest.h"

#include <chrono>
#include <cstdio>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string Hex(const content::InputDigest::Bytes& digest)
{
    std::string hex;
    char pair[3];
    for (const std::uint8_t byte : digest) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

class ContentCacheTest : public HeadlessTest {};

} // namespace

TEST_F(ContentCacheTest, TheDigestIsSha256OfEveryPiece)
{
    // FIPS 180-2's examples.
    EXPECT_EQ(Hex(content::InputDigest::Of(Bytes("abc"))),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Hex(content::InputDigest::Of({})), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");

    // Pieces are told apart by their lengths: "ab" + "c" is not "a" + "bc".
    content::InputDigest first;
    first.Add("ab");
    first.Add("c");
    content::InputDigest second;
    second.Add("a");
    second.Add("bc");
    EXPECT_NE(first.FinishHex(), second.FinishHex());

    // A file counts by its bytes; a missing one is refused.
    WriteFile("score.txt", "bc");
    content::InputDigest fromFile;
    fromFile.Add("a");
    ASSERT_TRUE(fromFile.AddFile("score.txt"));
    content::InputDigest fromText;
    fromText.Add("a");
    fromText.Add("bc");
    EXPECT_EQ(fromFile.FinishHex(), fromText.FinishHex());
    content::InputDigest missing;
    EXPECT_FALSE(missing.AddFile("nowhere.txt"));
    EXPECT_TRUE(missing.AddRunningProgram());
}

TEST_F(ContentCacheTest, OnlyAWholeEntryIsUsed)
{
    const content::ContentCache cache("cache/zephyra-content");
    const std::string key(64, 'a');
    const std::vector<std::uint8_t> movie = Bytes("RIFF....AVI LIST and the pictures");
    std::vector<std::uint8_t> found;
    EXPECT_FALSE(cache.Find("intro.avi", key, found));
    std::string error;
    ASSERT_TRUE(cache.Store("intro.avi", key, movie, error)) << error;
    ASSERT_TRUE(cache.Find("intro.avi", key, found));
    EXPECT_EQ(found, movie);
    EXPECT_FALSE(cache.Find("intro.avi", std::string(64, 'b'), found));
    EXPECT_FALSE(cache.Find("other.avi", key, found));

    // On disk: the bytes, their length (8 bytes, little-endian) and their SHA-256.
    const fs::path entry = "cache/zephyra-content/intro.avi-" + key;
    const std::string stored = ReadFile(entry);
    ASSERT_EQ(stored.size(), movie.size() + 40);
    EXPECT_EQ(stored.substr(0, movie.size()), std::string(movie.begin(), movie.end()));
    EXPECT_EQ(stored.substr(movie.size(), 8), std::string("\x21\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(Hex(content::InputDigest::Of(movie)), Hex([&] {
                  content::InputDigest::Bytes digest{};
                  std::copy_n(stored.end() - 32, 32, digest.begin());
                  return digest;
              }()));

    // Cut short, a byte changed, only a trailer, nothing at all: made again.
    const std::string damaged[] = {stored.substr(0, stored.size() - 1), stored.substr(1),
                                   std::string(stored).replace(3, 1, "X"), stored.substr(movie.size()), ""};
    for (const std::string& bytes : damaged) {
        WriteFile(entry, bytes);
        EXPECT_FALSE(cache.Find("intro.avi", key, found)) << bytes.size();
        EXPECT_FALSE(content::ContentCache::CheckEntry(Bytes(bytes)));
    }
    // An empty output is an entry like any other.
    ASSERT_TRUE(cache.Store("intro.avi", key, {}, error)) << error;
    ASSERT_TRUE(cache.Find("intro.avi", key, found));
    EXPECT_TRUE(found.empty());

    // A cache that cannot be written says why and leaves nothing behind.
    WriteFile("blocked", "a file where the folder would be");
    const content::ContentCache blocked("blocked/zephyra-content");
    EXPECT_FALSE(blocked.Store("intro.avi", key, movie, error));
    EXPECT_NE(error.find("cannot make blocked/zephyra-content"), std::string::npos) << error;
}

TEST_F(ContentCacheTest, EachOutputKeepsItsMostRecentlyUsedEntries)
{
    const content::ContentCache cache("cache");
    std::string error;
    ASSERT_TRUE(cache.Store("music.ogg", "m", Bytes("music"), error)) << error;
    // Entries stored an hour apart, the oldest first; the oldest is then used.
    const auto now = fs::file_time_type::clock::now();
    const std::size_t count = content::ContentCache::keptEntries;
    for (std::size_t index = 0; index < count; ++index) {
        const std::string key = "k" + std::to_string(index);
        ASSERT_TRUE(cache.Store("intro.avi", key, Bytes(key), error)) << error;
        fs::last_write_time("cache/intro.avi-" + key, now - std::chrono::hours(10 - index));
    }
    std::vector<std::uint8_t> found;
    ASSERT_TRUE(cache.Find("intro.avi", "k0", found));
    // A temporary file of a generator killed long ago, and one still writing.
    WriteFile("cache/.intro.avi-abandoned", "half");
    fs::last_write_time("cache/.intro.avi-abandoned", now - std::chrono::hours(2));
    WriteFile("cache/.intro.avi-writing", "half");

    ASSERT_TRUE(cache.Store("intro.avi", "new", Bytes("new"), error)) << error;
    EXPECT_TRUE(fs::exists("cache/intro.avi-new"));
    EXPECT_TRUE(fs::exists("cache/intro.avi-k0"));
    EXPECT_FALSE(fs::exists("cache/intro.avi-k1")) << "the least recently used entry stays";
    for (std::size_t index = 2; index < count; ++index)
        EXPECT_TRUE(fs::exists("cache/intro.avi-k" + std::to_string(index)));
    EXPECT_TRUE(fs::exists("cache/music.ogg-m"));
    EXPECT_FALSE(fs::exists("cache/.intro.avi-abandoned"));
    EXPECT_TRUE(fs::exists("cache/.intro.avi-writing"));
}
