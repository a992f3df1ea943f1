#include "files/DataFile.h"
#include "support/HeadlessTest.h"

#include <cstring>

namespace {

// An archive laid out by hand, byte by byte.
class ArchiveBytes {
public:
    explicit ArchiveBytes(std::uint32_t count) { Put32(count); }

    ArchiveBytes& Entry(const std::string& name, std::uint32_t offset, std::uint32_t size)
    {
        char field[64] = {};
        std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), 64));
        bytes.append(field, 64);
        Put32(offset);
        Put32(size);
        bytes.append(8, '\0');
        return *this;
    }
    ArchiveBytes& Data(const std::string& data)
    {
        bytes += data;
        return *this;
    }
    const std::string& Get() const { return bytes; }

private:
    void Put32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(value >> shift);
    }
    std::string bytes;
};

} // namespace

class DataFileTest : public LoggedTest {
protected:
    DataFile& Archive() { return DataFile::GetInstance(); }
};

TEST_F(DataFileTest, FindsMembersByTheirLowerCaseName)
{
    // Directory: 4 + 2 x 80 = 164 bytes, then the members.
    WriteFile("datafile.dat", ArchiveBytes(2)
                                  .Entry("data\\config.txt", 164, 3)
                                  .Entry("data\\level01\\roombr\xFC" "cke.jpg", 167, 2)
                                  .Data("abcJP")
                                  .Get());
    EXPECT_TRUE(Archive().Init("datafile.dat"));
    ASSERT_TRUE(Archive().IsAvailable());
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    EXPECT_NE(Archive().Find("DATA\\Config.TXT", offset, size), nullptr);
    EXPECT_EQ(offset, 164u);
    EXPECT_EQ(size, 3u);
    EXPECT_NE(Archive().Find("data\\Level01\\RoomBr\xDC" "cke.JPG", offset, size), nullptr);
    EXPECT_EQ(offset, 167u);
    EXPECT_EQ(Archive().Find("data/config.txt", offset, size), nullptr);
    EXPECT_EQ(Archive().Find(" data\\config.txt", offset, size), nullptr);
    EXPECT_EQ(Archive().Find(std::string(300, 'a').c_str(), offset, size), nullptr);
    EXPECT_EQ(ReadFile("debug.txt"), "");
}

TEST_F(DataFileTest, TreatsABrokenDirectoryAsNoArchive)
{
    const std::pair<std::string, std::string> broken[] = {
        {"", "***ERROR: DataFile::Init: <datafile.dat>: it is 0 bytes long, too short to hold an archive's entry "
             "count\n"},
        {"\x01", "***ERROR: DataFile::Init: <datafile.dat>: it is 1 byte long, too short to hold an archive's "
                 "entry count\n"},
        {ArchiveBytes(0xFFFFFFFFu).Get(),
         "***ERROR: DataFile::Init: <datafile.dat>: its directory of 4294967295 entries does not fit into 4 bytes\n"},
        {ArchiveBytes(2).Entry("a", 0, 0).Get(),
         "***ERROR: DataFile::Init: <datafile.dat>: its directory of 2 entries does not fit into 84 bytes\n"},
    };
    for (const auto& [bytes, message] : broken) {
        WriteFile("datafile.dat", bytes);
        StartLog();
        EXPECT_TRUE(Archive().Init("datafile.dat"));
        EXPECT_FALSE(Archive().IsAvailable());
        EXPECT_EQ(ReadFile("debug.txt"), message + "Datafile is not available.\n");
    }
}

TEST_F(DataFileTest, SkipsUnusableEntries)
{
    // Directory: 4 + 8 x 80 = 644 bytes, then the members.
    WriteFile("datafile.dat", ArchiveBytes(8)
                                  .Entry("good.bmp", 644, 4)
                                  .Entry("past-the-end.bmp", 648, 5)
                                  .Entry("far.bmp", 0xFFFFFFF0u, 0x20)
                                  .Entry(std::string(64, 'x'), 644, 1)
                                  .Entry("bad\nname.bmp", 644, 1)
                                  .Entry("", 644, 1)
                                  .Entry("good.bmp", 648, 4)
                                  .Entry("other.bmp", 648, 4)
                                  .Data("GOODMORE")
                                  .Get());
    EXPECT_TRUE(Archive().Init("datafile.dat"));
    ASSERT_TRUE(Archive().IsAvailable());
    ASSERT_EQ(Archive().GetEntries().size(), 2u);
    EXPECT_STREQ(Archive().GetEntries()[0].name, "good.bmp");
    EXPECT_STREQ(Archive().GetEntries()[1].name, "other.bmp");
    // Of two equal names the first is the member.
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    ASSERT_NE(Archive().Find("good.bmp", offset, size), nullptr);
    EXPECT_EQ(offset, 644u);
    EXPECT_EQ(ReadFile("debug.txt"),
              "***ERROR: DataFile::Init: <datafile.dat>: entry 1 <past-the-end.bmp> lies outside the archive\n"
              "***ERROR: DataFile::Init: <datafile.dat>: entry 2 <far.bmp> lies outside the archive\n"
              "***ERROR: DataFile::Init: <datafile.dat>: entry 3 has a name without an end\n"
              "***ERROR: DataFile::Init: <datafile.dat>: entry 4 <bad?name.bmp>: its name holds a control character\n"
              "***ERROR: DataFile::Init: <datafile.dat>: entry 5 <>: its name is empty\n"
              "***ERROR: DataFile::Init: <datafile.dat>: entry 6 <good.bmp> repeats the name of entry 0\n");
}
