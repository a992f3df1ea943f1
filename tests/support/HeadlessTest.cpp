#include "HeadlessTest.h"

#include "app/DX3Application.h"
#include "app/Debug.h"
#include "app/KeyboardInput.h"
#include "app/Singleton.h"

#include <fstream>
#include <regex>
#include <iterator>
#include <unistd.h>

void HeadlessTest::SetUp()
{
    previousDirectory = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "zephyra-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory = pattern;
    std::filesystem::current_path(directory);

    auto platform = std::make_unique<platform::HeadlessPlatform>();
    host = platform.get();
    platform::Platform::Install(std::move(platform));
    MoviePlaying = false;
    CharacterScale = 1.0f;
}

void HeadlessTest::TearDown()
{
    SingletonRegistry::DestroyAll();
    platform::Platform::Remove();
    host = nullptr;
    std::filesystem::current_path(previousDirectory);
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

void HeadlessTest::StartLog()
{
    ASSERT_TRUE(Debug::GetInstance().CreateLogFile("debug.txt"));
}

bool HeadlessTest::TypeKey(int key, int character, const std::function<bool()>& update)
{
    Window().Inject({platform::MessageType::KeyDown, key});
    if (character != 0)
        Window().Inject({platform::MessageType::Char, character});
    Window().Inject({platform::MessageType::KeyUp, key});
    platform::WindowMessage message;
    while (Window().PeekMessage(message)) {
    }
    KeyboardInput& keyboard = KeyboardInput::GetInstance();
    keyboard.KeyDown(key);
    keyboard.Update(0.02f);
    update();
    keyboard.KeyUp(key);
    keyboard.Update(0.02f);
    return update();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file << text;
}

bool HeadlessTest::QuitPosted()
{
    platform::WindowMessage message;
    while (Window().PeekMessage(message))
        if (message.type == platform::MessageType::Quit)
            return true;
    return false;
}

bool IsCleanRunLog(const std::string& log)
{
    // The sample manager starts with the sound, and again whenever a game
    // state leaves for another; a leaving state destroys its voices and
    // streams.
    const std::string samples = "Registered Sample Loading typesFactory Entries:\n  OggLoader\n  WavLoader\n"
                                "Registered Sample Stream typesFactory Entries:\n  OggStream\n";
    static const std::regex pattern("-{51}\nAstrokutter Zephyra\n-{51}\n"
                                    "Build: \\d\\d:\\d\\d:\\d\\d [A-Z][a-z]{2} [ \\d]\\d \\d{4}\n"
                                    "\n"
                                    "Started at: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\n"
                                    "Windows version: [0-9a-f]+\\.[0-9a-f]{2,} build [0-9a-f]{4,}\n"
                                    "\n"
                                    "((Available Displaymodes:\n(  \\d+ x \\d+ \\(\\d+\\)\n)+\n"
                                    "color shift: [\\d ]+\ncolor mask: [0-9a-f ]+\ncolor indices: [\\d ]+\n)?)"
                                    "(" + samples + "(  destroy [a-z ]+\n)*)*"
                                    "Shutting down DirectDraw.\n"
                                    "(Releasing [^\n]*\n)*"
                                    "Exiting.\n");
    return std::regex_match(log, pattern);
}

::testing::AssertionResult Contains(const std::string& text, const std::string& part)
{
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "<" << part << "> is not in:\n" << text;
}

std::size_t CountOf(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
