#include "files/File.h"
#include "ArchiveWriter.h"
#include "app/Debug.h"
#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/MemFileHandler.h"
#include "files/Scrambler.h"
#include "files/WriteFaults.h"
#include "support/FileSizeLimit.h"
#include "support/HeadlessTest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<unsigned char> Bytes(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

std::vector<unsigned char> Scrambled(const std::string& text)
{
    std::vector<unsigned char> bytes = Bytes(text);
    ScrambleBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::string Scrambled(const char* text)
{
    const std::vector<unsigned char> bytes = Scrambled(std::string(text));
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

class FileTest : public LoggedTest {
protected:
    // An archive with a scrambled text member, an image, a member whose last
    // line has no line end and, right behind it, another member.
    void StartArchive()
    {
        const std::vector<ArchiveMember> members = {
            {"data\\level01\\sprites.txt", Scrambled(std::string("juna 1\r\nmia 2\n"))},
            {"data\\images\\bild.bmp", Bytes("BMpicture")},
            {"data\\notes.dat", Bytes("first\r\nsecond")},
            {"data\\next.dat", Bytes("NEXT\n")},
        };
        std::string error;
        ASSERT_TRUE(WriteArchive("datafile.dat", members, error)) << error;
        DataFile::GetInstance().Init("datafile.dat");
        ASSERT_TRUE(DataFile::GetInstance().IsAvailable());
    }
};

TEST_F(FileTest, ReadsAndWritesLooseFilesOnDisk)
{
    DataFile::GetInstance().Init("datafile.dat");
    EXPECT_FALSE(DataFile::GetInstance().IsAvailable());
    EXPECT_EQ(ReadFile("debug.txt"), "Datafile is not available.\n");

    File file;
    ASSERT_TRUE(file.OpenDirect("Data\\Level01\\settings.txt", "w"));
    file.Printf("\"%s\" %d\n", "volume", 80);
    file.Printf("last");
    // The target appears, complete, only when the file is closed.
    EXPECT_FALSE(std::filesystem::exists("Data/Level01/settings.txt"));
    file.Close();
    EXPECT_EQ(ReadFile("Data/Level01/settings.txt"), "\"volume\" 80\nlast");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("Data/Level01"), std::filesystem::directory_iterator()),
              1);

    ASSERT_TRUE(file.Open("DATA\\level01\\SETTINGS.TXT", "r"));
    EXPECT_EQ(file.GetSize(), 16);
    char line[100];
    ASSERT_NE(file.ReadLine(line, sizeof(line)), nullptr);
    EXPECT_STREQ(line, "\"volume\" 80\n"); // a disk line keeps its line feed
    EXPECT_EQ(file.Tell(), 12);
    char bytes[10] = {};
    EXPECT_EQ(file.Read(bytes, 10), 4);
    EXPECT_TRUE(file.IsEOF());
    file.Seek(-4, 2);
    EXPECT_EQ(file.ReadTokens().NextString(), "last");
    EXPECT_EQ(file.ReadLine(line, sizeof(line)), nullptr);

    EXPECT_EQ(File::GetFileSize("data\\level01\\settings.txt"), 16);
    EXPECT_TRUE(File::Exists("data\\level01\\settings.txt"));
    EXPECT_FALSE(File::Exists("data\\level01\\missing.txt"));
    EXPECT_EQ(File::GetFileSize("data\\level01\\missing.txt"), 0);
}

TEST_F(FileTest, ReportsTheDiskFileTimeAsAWindowsFileTime)
{
    WriteFile("sprite.bmp", "BM");
    // 2004-07-16 22:33:38.005 UTC.
    const timespec times[2] = {{1090017218, 5'000'000}, {1090017218, 5'000'000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, "sprite.bmp", times, 0), 0);
    EXPECT_EQ(File::GetFileTime("SPRITE.BMP"), 127344908180050000ull);
    EXPECT_EQ(File::GetFileTime("missing.rle"), 0u);
    EXPECT_EQ(ReadFile("debug.txt"), "***WARNING: File::GetFileTime: Failed to open file <missing.rle>!\n");
}

TEST_F(FileTest, ServesReadsFromTheArchive)
{
    StartArchive();
    WriteFile("data/images/disk.bmp", "BMdisk");
    WriteFile("data/level01/extra.txt", Scrambled("from disk\n"));

    File file;
    // Text members come whole, descrambled, with one line feed added.
    ASSERT_TRUE(file.Open("DATA\\Level01\\Sprites.TXT", "r"));
    EXPECT_EQ(file.GetSize(), 15);
    std::string line;
    ASSERT_TRUE(file.ReadLine(line, 999));
    EXPECT_EQ(line, "juna 1");
    ASSERT_TRUE(file.ReadLine(line, 999));
    EXPECT_EQ(line, "mia 2");
    ASSERT_TRUE(file.ReadLine(line, 999));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(file.ReadLine(line, 999));

    // A missing text member is read from disk and descrambled, without the
    // extra line feed; a missing image is missing, even on disk; forward
    // slashes are not the archive's spelling.
    ASSERT_TRUE(file.Open("data\\level01\\extra.txt", "r"));
    EXPECT_EQ(file.GetSize(), 10);
    EXPECT_FALSE(file.Open("data\\images\\disk.bmp", "rb"));
    EXPECT_FALSE(file.Open("data/images/bild.bmp", "rb"));
    ASSERT_TRUE(file.Open("data\\images\\bild.bmp", "rb"));
    char bytes[20] = {};
    EXPECT_EQ(file.Read(bytes, 20), 9);
    EXPECT_STREQ(bytes, "BMpicture");

    // Nothing is written through the archive; OpenDirect still writes.
    EXPECT_FALSE(file.Open("data\\images\\bild.bmp", "wb"));
    ASSERT_TRUE(file.Open("data\\images\\bild.bmp", "rb"));
    EXPECT_EQ(file.Write("x", 1), 0);
    file.Printf("x");
    ASSERT_TRUE(file.Open("data\\level01\\sprites.txt", "r"));
    EXPECT_EQ(file.Write("x", 1), 0);
    file.Printf("x");
    EXPECT_TRUE(file.OpenDirect("options.dat", "wb"));
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: File::Open: Can't write to Datafile!\n"
                                     "***ERROR: DataFileHandler::Write: Impossible to write to Datafile!\n"
                                     "***ERROR: DataFileHandler::Write: Impossible to print to Datafile!\n"
                                     "***ERROR: MemFileHandler::Write: Impossible to write to Memfile!\n"
                                     "***ERROR: MemFileHandler::Write: Impossible to print to Datafile!\n");
}

TEST_F(FileTest, KeepsReadsInsideTheirMember)
{
    StartArchive();
    File file;
    ASSERT_TRUE(file.Open("data\\notes.dat", "rb"));
    EXPECT_EQ(file.GetSize(), 13);
    char line[100];
    ASSERT_NE(file.ReadLine(line, sizeof(line)), nullptr);
    EXPECT_STREQ(line, "first"); // line ends stripped
    ASSERT_NE(file.ReadLine(line, sizeof(line)), nullptr);
    EXPECT_STREQ(line, "second"); // and not "secondNEXT" from the member behind it
    EXPECT_TRUE(file.IsEOF());
    EXPECT_EQ(file.ReadLine(line, sizeof(line)), nullptr);

    char bytes[100] = {};
    file.Seek(-6, 2);
    EXPECT_EQ(file.Tell(), 7);
    EXPECT_EQ(file.Read(bytes, 100), 6);
    EXPECT_STREQ(bytes, "second");
    file.Seek(2, 0);
    file.Seek(3, 1);
    EXPECT_EQ(file.Tell(), 5);
    file.Seek(1, 3);
    EXPECT_EQ(file.Tell(), 5);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: DataFileHandler::Seek: unknown mode(3)\n");
    // A library that reads a stdio stream finds the member in place.
    std::FILE* stream = file.GetHandle();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(std::fgetc(stream), '\r');

    std::string whole;
    file.Seek(0, 0);
    ASSERT_TRUE(file.ReadLine(whole, 3));
    EXPECT_EQ(whole, "fir"); // cut to its bound, the rest of the line skipped
    ASSERT_TRUE(file.ReadLine(whole, 999));
    EXPECT_EQ(whole, "second");
    EXPECT_FALSE(file.ReadLine(whole, 999));
}

TEST_F(FileTest, RefusesWhatIsNotAFile)
{
    std::filesystem::create_directories("options.dat");
    std::filesystem::create_directories("data/config.txt");
    File file;
    EXPECT_FALSE(file.Open("options.dat", "rb"));
    EXPECT_FALSE(file.OpenMemory("options.dat", "r"));
    EXPECT_FALSE(file.OpenDirect("options.dat", "w"));
    EXPECT_EQ(File::GetFileSize("options.dat"), 0);
    EXPECT_FALSE(File::Exists("data\\config.txt"));

    // A file the player made read-only is not replaced.
    WriteFile("highscores.dat", "old");
    std::filesystem::permissions("highscores.dat", std::filesystem::perms::owner_read);
    if (::access("highscores.dat", W_OK) != 0) { // root may write anyway
        EXPECT_FALSE(file.OpenDirect("highscores.dat", "w"));
        EXPECT_EQ(ReadFile("highscores.dat"), "old");
    }

    // A file far larger than any the game keeps in memory is refused before
    // anything is allocated; one whose folder entry says 0 bytes is read as
    // far as it goes.
    const std::string sizeLog = ReadFile("debug.txt");
    WriteFile("huge.dat", "");
    std::filesystem::resize_file("huge.dat", MemFileHandler::maximumSize + 1);
    EXPECT_FALSE(file.OpenMemory("huge.dat", "r"));
    EXPECT_EQ(ReadFile("debug.txt"), sizeLog + "***ERROR: MemFileHandler::Open: More than 67108864 bytes <huge.dat>\n");
    ASSERT_TRUE(file.OpenMemory("/proc/self/comm", "r"));
    EXPECT_GT(file.GetSize(), 0);

    // A link stays a link; the file it names gets the new content.
    WriteFile("real/options.dat", "old");
    std::filesystem::create_symlink("real/options.dat", "linked.dat");
    ASSERT_TRUE(file.OpenDirect("linked.dat", "w"));
    file.Printf("new");
    file.Close();
    EXPECT_TRUE(std::filesystem::is_symlink("linked.dat"));
    EXPECT_EQ(ReadFile("real/options.dat"), "new");
}

TEST_F(FileTest, SaysWhenWrittenBytesDoNotReachTheDisk)
{
    WriteFile("options.dat", "old options");
    WriteFile("highscores.dat", std::string(6000, 'h'));
    File file;
    {
        // Files cannot grow past 4096 bytes: a write beyond fails as on a
        // full disk.
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(file.OpenDirect("options.dat", "w"));
        file.Write(std::string(6000, 'x').data(), 6000);
        EXPECT_FALSE(file.Close());

        ASSERT_TRUE(file.OpenDirect("appended.txt", "a"));
        file.Printf("%s", std::string(5000, 'y').c_str());
        EXPECT_FALSE(file.Close());

        // Scrambling a file too large to be written again leaves it alone.
        EXPECT_FALSE(ScrambleFile("highscores.dat"));
    }
    EXPECT_EQ(ReadFile("options.dat"), "old options");
    EXPECT_EQ(ReadFile("highscores.dat"), std::string(6000, 'h'));

    // The new content is whole, but the target turned into a folder before
    // it could take its place.
    ASSERT_TRUE(file.OpenDirect("savegame1.dat", "w"));
    file.Printf("saved\n");
    std::filesystem::create_directory("savegame1.dat");
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Close()); // nothing open any more

    // Only the targets are left: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 5);
    EXPECT_EQ(ReadFile("debug.txt"),
              "***ERROR: StdFileHandler::Close: Failed to write <options.dat>: File too large\n"
              "***ERROR: StdFileHandler::Close: Failed to write <appended.txt>: File too large\n"
              "***ERROR: StdFileHandler::Close: Failed to write <highscores.dat>: File too large\n"
              "***ERROR: StdFileHandler::Close: Failed to write <savegame1.dat>: Is a directory\n");
}

TEST_F(FileTest, InjectedWriteFaultsKeepTheTargetAndLeaveNothingBehind)
{
    // The variable's spelling, and what is not one.
    const auto parsed = [](const char* text) {
        const std::optional<WriteFault> fault = WriteFault::Parse(text);
        return fault ? fault->Describe() : std::string("-");
    };
    EXPECT_EQ(parsed("sync"), "flushing to the disk fails, in every write");
    EXPECT_EQ(parsed("open@3"), "the temporary file cannot be made, in write 3");
    EXPECT_EQ(parsed("short@2-5"), "the data is cut short, in writes 2 to 5");
    EXPECT_EQ(parsed("rename@2-"), "the rename fails, in write 2 and every later one");
    EXPECT_EQ(parsed("slow:40"), "each block and commit waits 40 ms, in every write");
    for (const char* wrong : {"", "cut", "slow", "sync:5", "slow:x", "open@0", "open@", "open@3-2", "open@2x", "SYNC"})
        EXPECT_EQ(parsed(wrong), "-") << wrong;

    // Under each fault a replacement fails with its reason, through either
    // way of writing, and leaves the old file alone with nothing beside it.
    // Two buffers of bytes: a cut file would be shorter.
    const std::string old = "old options";
    const std::string bigger(2 * BUFSIZ + 7, 'n');
    WriteFile("options.dat", old);
    for (const auto& [text, reason] : {std::pair{"open", EACCES}, {"short", ENOSPC}, {"sync", EIO}, {"rename", EIO}}) {
        const write_faults::InjectedWriteFault injected(*WriteFault::Parse(text));
        int error = 0;
        EXPECT_FALSE(WriteFileAtomically("options.dat", bigger.data(), bigger.size(), &error)) << text;
        EXPECT_EQ(error, reason) << text;
        File file;
        if (file.OpenDirect("options.dat", "w")) {
            file.Write(bigger.data(), static_cast<int>(bigger.size()));
            EXPECT_FALSE(file.Close()) << text;
        }
        if (std::string_view(text) == "rename") {
            EXPECT_FALSE(ReplaceFile("options.dat", "moved.dat"));
        }
        EXPECT_EQ(ReadFile("options.dat"), old) << text;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 2)
            << text;
    }
    // Only the writes counted in the range fail; slow ones succeed.
    {
        const write_faults::InjectedWriteFault injected(*WriteFault::Parse("sync@2"));
        EXPECT_TRUE(WriteFileAtomically("first.dat", "1", 1));
        EXPECT_FALSE(WriteFileAtomically("second.dat", "2", 1));
        EXPECT_TRUE(WriteFileAtomically("third.dat", "3", 1));
    }
    {
        const write_faults::InjectedWriteFault injected(*WriteFault::Parse("slow:1"));
        ASSERT_TRUE(WriteFileAtomically("options.dat", bigger.data(), bigger.size()));
        EXPECT_TRUE(ReplaceFile("third.dat", "moved.dat"));
    }
    EXPECT_EQ(ReadFile("options.dat"), bigger);
    EXPECT_EQ(ReadFile("moved.dat"), "3");
    EXPECT_FALSE(std::filesystem::exists("second.dat"));
}

TEST_F(FileTest, StaleTemporariesGoButAWritersOwnStays)
{
    // Left by killed writes: one of ours, one of a file not ours, and names
    // that are not temporaries at all.
    WriteFile("options.dat.tmp-Ab3xZ9", "killed");
    WriteFile("notes.txt.tmp-Ab3xZ9", "not ours");
    WriteFile("options.dat.tmp-Ab3", "no temporary");
    WriteFile("options.dat.tmp-Ab3x_9", "no temporary");
    std::filesystem::create_directory("highscores.dat.tmp-Qw12er");
    // And one being written right now: its writer holds it.
    AtomicFile writing;
    ASSERT_TRUE(writing.Open("highscores.dat", true));
    const auto ours = [](const std::string& target) { return target == "options.dat" || target == "highscores.dat"; };
    EXPECT_EQ(RemoveStaleTemporaries(".", ours), std::vector<std::string>{"options.dat.tmp-Ab3xZ9"});
    std::fputs("new", writing.GetStream());
    EXPECT_TRUE(writing.Commit());
    EXPECT_EQ(ReadFile("highscores.dat"), "new");
    EXPECT_TRUE(RemoveStaleTemporaries(".", ours).empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 6);
}

TEST_F(FileTest, ReadsHostileLinesSafely)
{
    // A NUL inside a line is a byte like any other.
    WriteFile("sprites.txt", std::string("a b\0c\nnext 1\n", 13));
    File file;
    ASSERT_TRUE(file.Open("sprites.txt", "r"));
    std::string line;
    ASSERT_TRUE(file.ReadLine(line, 999));
    EXPECT_EQ(line, std::string("a b\0c", 5));
    EXPECT_EQ(file.ReadTokens().IntAt(1), 1);

    // A seek before a member's start stays at its start.
    StartArchive();
    ASSERT_TRUE(file.Open("data\\notes.dat", "rb"));
    file.Seek(-5, 0);
    EXPECT_EQ(file.Tell(), 0);
    EXPECT_FALSE(file.IsEOF());
    ASSERT_TRUE(file.ReadLine(line, 999));
    EXPECT_EQ(line, "first");
}

TEST_F(FileTest, FindsAFileItJustWroteInAnyLetterCase)
{
    File file;
    ASSERT_TRUE(file.OpenDirect("sg\\New.dat", "wb"));
    EXPECT_FALSE(File::Exists("SG\\OTHER.DAT")); // lists the folder meanwhile
    file.Close();
    EXPECT_TRUE(File::Exists("sg\\NEW.DAT"));
}

TEST_F(FileTest, MemoryFilesEndWithAnEmptyLine)
{
    WriteFile("highscores.dat", Scrambled("Juna 900\nMia 800"));
    File file;
    ASSERT_TRUE(file.OpenMemory("highscores.dat", "r"));
    char line[101];
    EXPECT_STREQ(file.ReadLine(line, 100), "Juna 900");
    EXPECT_FALSE(file.IsEOF());
    EXPECT_STREQ(file.ReadLine(line, 100), "Mia 800");
    EXPECT_TRUE(file.IsEOF());
    EXPECT_STREQ(file.ReadLine(line, 100), "");
    EXPECT_TRUE(file.IsEOF());
    EXPECT_EQ(file.GetHandle(), nullptr);
    file.Seek(0, 0);
    EXPECT_FALSE(file.IsEOF());
    EXPECT_EQ(file.ReadTokens().IntAt(1), 900);

    EXPECT_FALSE(file.OpenMemory("missing.dat", "r"));
    EXPECT_FALSE(file.IsOpen());
}
