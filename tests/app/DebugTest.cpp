#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "support/HeadlessTest.h"

#include <filesystem>
#include <thread>

class DebugTest : public HeadlessTest {};

TEST_F(DebugTest, WritesPrefixedCountedLinesOneAtATime)
{
    Debug& debug = Debug::GetInstance();
    LogPrint("lost: the log has no file yet\n");
    StartLog();
    EXPECT_EQ(ReadFile("debug.txt"), "");

    LogPrint("plain %d\n", 1);
    EXPECT_EQ(ReadFile("debug.txt"), "plain 1\n"); // on disk at once
    LogPrint("");
    LogError("broken <%s>\n", "a.bmp");
    LogWarning("odd\n");
    LogWarning("odd again\n");
    LogPrint("no line end");
    LogPrint(" continued\n");
    EXPECT_EQ(ReadFile("debug.txt"), "plain 1\n"
                                     "\n"
                                     "***ERROR: broken <a.bmp>\n"
                                     "***WARNING: odd\n"
                                     "***WARNING: odd again\n"
                                     "no line end continued\n");
    EXPECT_EQ(debug.GetErrorCount(), 1);
    EXPECT_EQ(debug.GetWarningCount(), 2);

    // A new log file starts empty with fresh counts.
    StartLog();
    EXPECT_EQ(ReadFile("debug.txt"), "");
    EXPECT_EQ(debug.GetErrorCount(), 0);
    EXPECT_EQ(debug.GetWarningCount(), 0);
}

TEST_F(DebugTest, LinesFromOtherThreadsWaitForTheMainThread)
{
    StartLog();
    Debug& debug = Debug::GetInstance();
    std::thread([] {
        LogError("from the timer <%d>\n", 1);
        LogPrint("and more\n");
    }).join();
    EXPECT_EQ(ReadFile("debug.txt"), ""); // the file belongs to the main thread
    EXPECT_EQ(debug.GetErrorCount(), 0);

    LogPrint("main\n"); // the waiting lines go first, in their order
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: from the timer <1>\nand more\nmain\n");
    EXPECT_EQ(debug.GetErrorCount(), 1);

    std::thread([] { LogWarning("late\n"); }).join();
    debug.FlushOtherThreads();
    EXPECT_EQ(debug.GetWarningCount(), 1);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: from the timer <1>\nand more\nmain\n***WARNING: late\n");
}

TEST_F(DebugTest, CutsFormattedTextAt4096Bytes)
{
    StartLog();
    const std::string longText(5000, 'x');
    LogPrint("%s", longText.c_str());
    EXPECT_EQ(ReadFile("debug.txt"), std::string(4095, 'x'));
}

TEST_F(DebugTest, MessageWindowKeepsOneEntryPerLine)
{
    StartLog();
    Debug& debug = Debug::GetInstance();
    LogPrint("first\n");
    LogError("second\n\n");
    LogPrint("third");
    const CMessageWindow* window = debug.GetMessageWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetEntries(), (std::deque<std::string>{"first", "***ERROR: second\n", "third"}));
    EXPECT_FALSE(debug.IsMessageWindowShown());
    debug.ShowMessageWindow();
    EXPECT_TRUE(debug.IsMessageWindowShown());
}

TEST_F(DebugTest, MessageBoxVariantLogsAndShows)
{
    StartLog();
    LogMessageBox("Factory: could not create\n\"%s\"", "Nowhere");
    LogMessageBox("ends its own line\n");
    EXPECT_EQ(ReadFile("debug.txt"), "Factory: could not create\n\"Nowhere\"\nends its own line\n");
    ASSERT_EQ(Host().GetMessageBoxes().size(), 2u);
    EXPECT_EQ(Host().GetMessageBoxes()[0].second, "Factory: could not create\n\"Nowhere\"");
}

TEST_F(DebugTest, ReportsALogFileThatCannotBeCreated)
{
    std::filesystem::create_directory("debug.txt");
    // The box keeps its fixed text; the terminal gets the path and the reason.
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Debug::GetInstance().CreateLogFile("debug.txt"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind(
                  "Debug::CreateLogFile: Failed to create <debug.txt>: Is a directory\n", 0),
              0u);
    ASSERT_EQ(Host().GetMessageBoxes().size(), 1u);
    EXPECT_EQ(Host().GetMessageBoxes()[0],
              (std::pair<std::string, std::string>{"ERROR", "Debug::CreateLogFile: Failed to create the log file!"}));
    LogPrint("dropped silently\n");
}

TEST_F(DebugTest, NamesDirectDrawFailures)
{
    StartLog();
    Debug& debug = Debug::GetInstance();
    EXPECT_FALSE(debug.CheckDXResult(DD_OK, "display", 1));
    EXPECT_EQ(ReadFile("debug.txt"), "");

    EXPECT_TRUE(debug.CheckDXResult(DDERR_SURFACELOST, ".\\RE3Zodezaruz\\DirectDraw.cpp", 42));
    // 0x887601C2 is MAKE_DDHRESULT(450); the generic codes keep DirectDraw names.
    EXPECT_TRUE(debug.CheckDXResult(static_cast<DisplayResult>(0x8007000Eu), "f", 2));
    EXPECT_TRUE(debug.CheckDXResult(static_cast<DisplayResult>(0x80070057u), "f", 3));
    EXPECT_TRUE(debug.CheckDXResult(static_cast<DisplayResult>(0x88760230u), "f", 4)); // 560
    EXPECT_TRUE(debug.CheckDXResult(static_cast<DisplayResult>(0x88760005u), "f", 5)); // 5
    // A success code other than 0 counts as a failure too.
    EXPECT_TRUE(debug.CheckDXResult(1, "f", 6));
    EXPECT_TRUE(debug.CheckDXResult(static_cast<DisplayResult>(0x8876ABCDu), "f", 7));
    EXPECT_EQ(ReadFile("debug.txt"),
              "***ERROR: DirectX Error (887601c2) in file .\\RE3Zodezaruz\\DirectDraw.cpp in line 42: \"DDERR_SURFACELOST\"\n"
              "***ERROR: DirectX Error (8007000e) in file f in line 2: \"DDERR_OUTOFMEMORY\"\n"
              "***ERROR: DirectX Error (80070057) in file f in line 3: \"DDERR_INVALIDPARAMS\"\n"
              "***ERROR: DirectX Error (88760230) in file f in line 4: \"DDERR_XALIGN\"\n"
              "***ERROR: DirectX Error (88760005) in file f in line 5: \"DDERR_ALREADYINITIALIZED\"\n"
              "***ERROR: DirectX Error (1) in file f in line 6: \"Unknown error (1)\"\n"
              "***ERROR: DirectX Error (8876abcd) in file f in line 7: \"Unknown error (8876abcd)\"\n");
    EXPECT_EQ(debug.GetErrorCount(), 7);
}

// Lines and rectangles reach the painter as one-pixel lines and fills in
// colours of 0..255, and the overlay is empty afterwards.
TEST(DebugDisplay, DrawsAndForgetsItsPrimitives)
{
    struct RecordingPainter : DebugPainter {
        std::vector<std::string> calls;
        void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) override
        {
            calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                            std::to_string(y2) + " " + std::to_string(colour));
        }
        void FillRectangle(int x1, int y1, int x2, int y2, std::uint32_t colour) override
        {
            calls.push_back("fill " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                            std::to_string(y2) + " " + std::to_string(colour));
        }
    } painter;
    DebugDisplay& overlay = DebugDisplay::GetInstance();
    overlay.AddLine(1, 2, 3, 4, 1.0f, 0.0f, 0.0f);
    overlay.AddRectangle(10, 20, 30, 40, 0.5f, 1.0f, 0.25f, 1.0f, true);
    overlay.AddRectangle(0, 0, 5, 6, 0.0f, 0.0f, 1.0f);
    overlay.Draw(painter);
    // 0.5 x 255 = 127.5 and 0.25 x 255 = 63.75, truncated.
    EXPECT_EQ(painter.calls, (std::vector<std::string>{
                                 "line 1,2-3,4 " + std::to_string(0xFF0000), "fill 10,20-30,40 " + std::to_string(0x7FFF3F),
                                 "line 0,0-5,0 255", "line 5,0-5,6 255", "line 5,6-0,6 255", "line 0,6-0,0 255"}));
    EXPECT_TRUE(overlay.GetPrimitives().empty());
    SingletonRegistry::DestroyAll();
}

TEST(DirectDrawError, KnowsOneHundredNames)
{
    // Every code from MAKE_DDHRESULT(0) to MAKE_DDHRESULT(1000) plus the five
    // generic system codes that DirectDraw names.
    int named = 0;
    for (std::uint32_t code = 0x88760000u; code <= 0x887603E8u; ++code)
        named += DirectDrawErrorName(static_cast<DisplayResult>(code)) != nullptr;
    for (const std::uint32_t generic : {0x80004005u, 0x80070057u, 0x8007000Eu, 0x80004001u, 0x800401F0u})
        named += DirectDrawErrorName(static_cast<DisplayResult>(generic)) != nullptr;
    EXPECT_EQ(named, 100);
    EXPECT_STREQ(DirectDrawErrorName(static_cast<DisplayResult>(0x80004001u)), "DDERR_UNSUPPORTED");
    EXPECT_STREQ(DirectDrawErrorName(static_cast<DisplayResult>(0x800401F0u)), "DDERR_NOTINITIALIZED");
    EXPECT_EQ(DirectDrawErrorName(0), nullptr);
}
