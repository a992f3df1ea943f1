// The generator's cache: an entry is used only when it is whole, each output
// keeps its few most recently used entries, and the digest is SHA-256.

#include "ContentCache.h"
#include "InputDigest.h"
#include "OutputBundle.h"
#include "OutputCache.h"
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
    // Keys are 64 hex digits; "music.ogg-m" would be another output's entry.
    const auto key = [](const std::string& start) { return start + std::string(64 - start.size(), '0'); };
    std::string error;
    ASSERT_TRUE(cache.Store("music.ogg", key("a"), Bytes("music"), error)) << error;
    // Entries stored an hour apart, the oldest first; the oldest is then used.
    const auto now = fs::file_time_type::clock::now();
    const std::size_t count = content::ContentCache::keptEntries;
    for (std::size_t index = 0; index < count; ++index) {
        const std::string k = key("c" + std::to_string(index));
        ASSERT_TRUE(cache.Store("intro.avi", k, Bytes(k), error)) << error;
        fs::last_write_time("cache/intro.avi-" + k, now - std::chrono::hours(10 - index));
    }
    std::vector<std::uint8_t> found;
    ASSERT_TRUE(cache.Find("intro.avi", key("c0"), found));
    // A temporary file of a generator killed long ago, and one still writing.
    WriteFile("cache/.intro.avi-abandoned", "half");
    fs::last_write_time("cache/.intro.avi-abandoned", now - std::chrono::hours(2));
    WriteFile("cache/.intro.avi-writing", "half");

    ASSERT_TRUE(cache.Store("intro.avi", key("e"), Bytes("new"), error)) << error;
    EXPECT_TRUE(fs::exists("cache/intro.avi-" + key("e")));
    EXPECT_TRUE(fs::exists("cache/intro.avi-" + key("c0")));
    EXPECT_FALSE(fs::exists("cache/intro.avi-" + key("c1"))) << "the least recently used entry stays";
    for (std::size_t index = 2; index < count; ++index)
        EXPECT_TRUE(fs::exists("cache/intro.avi-" + key("c" + std::to_string(index))));
    EXPECT_TRUE(fs::exists("cache/music.ogg-" + key("a")));
    EXPECT_FALSE(fs::exists("cache/.intro.avi-abandoned"));
    EXPECT_TRUE(fs::exists("cache/.intro.avi-writing"));
}

TEST_F(ContentCacheTest, AnOutputIsMadeAgainOnlyWhenAnInputChanged)
{
    WriteFile("score.txt", "C D E");
    content::OutputCache cache("test", "cache");
    ASSERT_TRUE(cache.ReadCommonInputs({}));
    int made = 0;
    const auto make = [&](std::vector<std::uint8_t>& bytes) {
        ++made;
        bytes = Bytes(ReadFile("score.txt"));
        return true;
    };
    const fs::path inputs[] = {"score.txt"};
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(cache.Output("music", inputs, make, bytes));
    ASSERT_TRUE(cache.Output("music", inputs, make, bytes));
    EXPECT_EQ(made, 1);
    EXPECT_EQ(bytes, Bytes("C D E"));
    // Another output of the same inputs has its own entry.
    ASSERT_TRUE(cache.Output("jingle", inputs, make, bytes));
    EXPECT_EQ(made, 2);

    WriteFile("score.txt", "C D G");
    ASSERT_TRUE(cache.Output("music", inputs, make, bytes));
    EXPECT_EQ(made, 3);
    EXPECT_EQ(bytes, Bytes("C D G"));

    // A missing input fails the output; a failed make is not kept.
    const fs::path missing[] = {"nowhere.txt"};
    EXPECT_FALSE(cache.Output("music", missing, make, bytes));
    EXPECT_FALSE(cache.Output("broken", inputs, [](std::vector<std::uint8_t>&) { return false; }, bytes));
    EXPECT_EQ(made, 3);

    // Without the common inputs nothing is taken from the cache.
    content::OutputCache unread("test", "cache");
    const fs::path unreadable[] = {"nowhere.txt"};
    EXPECT_FALSE(unread.ReadCommonInputs(unreadable));
    ASSERT_TRUE(unread.Output("music", inputs, make, bytes));
    EXPECT_EQ(made, 4);
}

TEST_F(ContentCacheTest, ABundleHoldsAFolderAndRefusesWhatIsNotOne)
{
    WriteFile("out/data/level01/room/b.jpg", "picture");
    WriteFile("out/data/level01/room/a/walk.bmp", "map");
    WriteFile("out/data/level01/rooms.txt", "room\r\n");
    WriteFile("out/data/other.txt", "not asked for");
    const std::string paths[] = {"data/level01/rooms.txt", "data/level01/room"};
    std::vector<std::uint8_t> bundle;
    std::string error;
    ASSERT_TRUE(content::BundleFiles("out", paths, bundle, error)) << error;

    // By hand: the header, then the files in path order.
    const auto record = [](const std::string& path, const std::string& bytes) {
        std::string out = {static_cast<char>(path.size()), '\0'};
        out += path + static_cast<char>(bytes.size()) + std::string(7, '\0') + bytes;
        return out;
    };
    const std::string expected = std::string("ZCB1\3\0\0\0", 8) + record("data/level01/room/a/walk.bmp", "map") +
                                 record("data/level01/room/b.jpg", "picture") +
                                 record("data/level01/rooms.txt", "room\r\n");
    EXPECT_EQ(std::string(bundle.begin(), bundle.end()), expected);

    ASSERT_TRUE(content::UnpackBundle(bundle, "copy", error)) << error;
    EXPECT_EQ(ReadFile("copy/data/level01/room/a/walk.bmp"), "map");
    EXPECT_EQ(ReadFile("copy/data/level01/rooms.txt"), "room\r\n");
    EXPECT_FALSE(fs::exists("copy/data/other.txt"));

    const std::string missing[] = {"data/none.txt"};
    EXPECT_FALSE(content::BundleFiles("out", missing, bundle, error));

    const std::string header = expected.substr(0, 8);
    const std::string one = std::string("ZCB1\1\0\0\0", 8);
    const std::string malformed[] = {
        "",
        "ZCB2" + expected.substr(4),
        expected.substr(0, expected.size() - 1),              // the last file cut short
        expected + "x",                                       // bytes after the last file
        std::string("ZCB1\xff\xff\xff\xff", 8),           // more files than bytes
        one + record("../outside.txt", "x"),
        one + record("/etc/passwd", "x"),
        one + record("data//x", "x"),
        one + record("data/./x", "x"),
        one + record("data\\x", "x"),
        one + record("", "x"),
        std::string("ZCB1\2\0\0\0", 8) + record("b", "x") + record("a", "x"), // out of order
        std::string("ZCB1\2\0\0\0", 8) + record("a", "x") + record("a", "y"), // twice
    };
    for (const std::string& bytes : malformed) {
        std::vector<content::BundleFile> files;
        EXPECT_FALSE(content::ReadBundle(Bytes(bytes), files, error)) << bytes;
        EXPECT_FALSE(content::UnpackBundle(Bytes(bytes), "refused", error)) << bytes;
    }
    EXPECT_FALSE(fs::exists("refused"));
    EXPECT_FALSE(fs::exists("outside.txt"));
}
