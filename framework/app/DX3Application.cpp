#include "DX3Application.h"

#include "Debug.h"
#include "PngWriter.h"
#include "ScriptedRun.h"
#include "files/File.h"
#include "files/GameFolders.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using platform::MessageType;
using platform::WindowMessage;

bool MoviePlaying = false;
float CharacterScale = 1.0f;

namespace {

DX3Application* application = nullptr;

constexpr int logicalWidth = 1024;
constexpr int logicalHeight = 768;
// Our intro is a few megabytes; anything near this is not a movie of ours.
constexpr int maximumMovieBytes = 512 * 1024 * 1024;

platform::Platform& Host()
{
    return *platform::Platform::Get();
}

// The kernel's version as major, minor and patch numbers ("6.1.0-18-amd64").
void KernelVersion(unsigned& major, unsigned& minor, unsigned& patch)
{
    major = minor = patch = 0;
    utsname name{};
    if (uname(&name) == 0)
        std::sscanf(name.release, "%u.%u.%u", &major, &minor, &patch);
}

// A screenshot's file in the folder: named after the local time, with -2,
// -3 ... added when a file of that name is there already.
std::filesystem::path NewScreenshotPath(const std::filesystem::path& folder)
{
    char stamp[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr)
        std::strftime(stamp, sizeof(stamp), "%Y%m%d-%H%M%S", &local);
    const std::string base = std::string("zephyra-") + stamp;
    std::filesystem::path path = folder / (base + ".png");
    std::error_code ignored;
    for (int number = 2; std::filesystem::exists(std::filesystem::symlink_status(path, ignored)); ++number)
        path = folder / (base + "-" + std::to_string(number) + ".png");
    return path;
}

} // namespace

DX3Application::DX3Application() = default;

DX3Application::~DX3Application()
{
    if (application == this)
        application = nullptr;
}

DX3Application* DX3Application::GetApplication()
{
    return application;
}

void DX3Application::WindowProcedure(const WindowMessage& message)
{
    if (application != nullptr)
        application->HandleMessage(message);
}

float DX3Application::ClampFrameSeconds(float seconds)
{
    return std::clamp(seconds, shortestFrameSeconds, longestFrameSeconds);
}

WindowMessage DX3Application::ToLogical(const WindowMessage& message, platform::ClientSize client)
{
    if (!platform::IsMouseMessage(message.type) || message.positionIsLogical)
        return message;
    WindowMessage logical = message;
    logical.positionIsLogical = true;
    // A captured mouse can report positions outside the client area; they
    // count as its nearest edge. A window without a client area (minimised)
    // points at the canvas's corner.
    const int width = std::max(client.width, 1);
    const int height = std::max(client.height, 1);
    const int x = std::clamp(message.x, 0, width - 1);
    const int y = std::clamp(message.y, 0, height - 1);
    logical.x = x * logicalWidth / width;
    logical.y = y * logicalHeight / height;
    return logical;
}

bool DX3Application::Create(const ApplicationSettings& applicationSettings)
{
    settings = applicationSettings;
    application = this;

    if (!CreateWindow())
        return false;
    if (!Debug::GetInstance().CreateLogFile("debug.txt"))
        return false;
    if (!settings.fullScreen)
        Debug::GetInstance().ShowMessageWindow();
    WriteLogHeader();
    if (!InitDisplay())
        return false;
    if (!InitSound())
        LogWarning("DX3Application::Create: Failed to initialize SampleManager!\n");

    if (!OnCreate())
        return false;
    // The system timer resolution has no counterpart here: the periodic
    // timer and the frame loop's sleeps are precise without it.
    active = true;
    return true;
}

bool DX3Application::CreateWindow()
{
    platform::Window& window = Host().GetWindow();
    const platform::WindowDescription description{settings.windowTitle, settings.width, settings.height, settings.fullScreen,
                                                   settings.integerScaling};
    if (!window.Create(description)) {
        Host().ShowMessageBox("ERROR", "DX3Application::CreateWindow: Failed to create the main window!");
        return false;
    }
    if (settings.fullScreen)
        window.SetCursorVisible(false);
    // Painted once right away, before the game has a state.
    HandleMessage(WindowMessage{MessageType::Paint});
    return true;
}

void DX3Application::WriteLogHeader() const
{
    const char* hyphens = "---------------------------------------------------\n";
    LogPrint("%s", hyphens);
    LogPrint("%s\n", settings.windowTitle.c_str());
    LogPrint("%s", hyphens);
    LogPrint("Build: %s %s\n", __TIME__, __DATE__);
    LogPrint("\n");

    char started[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr)
        std::strftime(started, sizeof(started), "%Y-%m-%d %H:%M:%S", &local);
    LogPrint("Started at: %s\n", started);

    unsigned major = 0, minor = 0, patch = 0;
    KernelVersion(major, minor, patch);
    LogPrint("Windows version: %x.%02x build %04x\n", major, minor, patch);
    LogPrint("\n");
}

int DX3Application::Run()
{
    platform::Window& window = Host().GetWindow();
    int exitCode = 0;
    for (;;) {
        if (scriptedRun != nullptr)
            scriptedRun->InjectDue(frameCount, window);

        WindowMessage message;
        const bool taken = active ? window.PeekMessage(message) : window.WaitMessage(message);
        if (taken) {
            if (message.type == MessageType::Quit) {
                exitCode = message.value;
                break;
            }
            message = ToLogical(message, window.GetClientSize());
            if (scriptedRun != nullptr)
                scriptedRun->OnMessage(frameCount, message, window);
            if (!TranslateAccelerator(message))
                HandleMessage(message);
            continue;
        }
        if (!active) {
            // Nothing can ever arrive: the window is gone.
            break;
        }
        RunFrame();
    }

    if (scriptedRun != nullptr)
        scriptedRun->Finish(frameCount, window);
    WriteRequestedScreenshot();
    OnDestroy();
    ShutdownSound();
    LogPrint("Shutting down DirectDraw.\n");
    ReleaseDisplay();
    LogPrint("Exiting.\n");
    return exitCode;
}

void DX3Application::RunFrame()
{
    platform::Window& window = Host().GetWindow();
    platform::Clock& clock = Host().GetClock();
    Debug::GetInstance().FlushOtherThreads();
    WriteRequestedScreenshot();
    if (scriptedRun != nullptr) {
        scriptedRun->FrameStarting(frameCount, window);
        if (scriptedRun->ShouldStop(frameCount)) {
            window.PostQuitMessage(0);
            return;
        }
    }

    std::int32_t elapsed = platform::ElapsedMilliseconds(lastFrameStamp, clock.Milliseconds());
    if (scriptedRun != nullptr)
        elapsed = scriptedRun->FrameTime(frameCount, elapsed);
    const float seconds = ClampFrameSeconds(static_cast<float>(elapsed) * 0.001f);
    lastFrameStamp = clock.Milliseconds();

    if (!MoviePlaying) {
        OnUpdate(seconds);
        if (window.IsFullScreen())
            OnRender();
        else
            window.Invalidate();
    }
    ++frameCount;
    clock.WaitUntilElapsed(lastFrameStamp, minimumFrameGapMilliseconds);
}

bool DX3Application::TranslateAccelerator(const WindowMessage& message)
{
    // The window menu exists only in a window; its commands sit on F5 to F9.
    if (message.type != MessageType::KeyDown || settings.fullScreen)
        return false;
    switch (message.value) {
    case VirtualKey::FunctionKey(5): ExecuteMenuCommand(MenuCommand::Reset); return true;
    case VirtualKey::FunctionKey(6): ExecuteMenuCommand(MenuCommand::Messages); return true;
    case VirtualKey::FunctionKey(7): ExecuteMenuCommand(MenuCommand::Flags); return true;
    case VirtualKey::FunctionKey(8): ExecuteMenuCommand(MenuCommand::ReloadText); return true;
    case VirtualKey::FunctionKey(9): ExecuteMenuCommand(MenuCommand::Exit); return true;
    default: return false;
    }
}

bool DX3Application::TakeScreenshotKey(const WindowMessage& message)
{
    if ((message.type != MessageType::KeyDown && message.type != MessageType::KeyUp) ||
        message.value != VirtualKey::FunctionKey(12))
        return false;
    if (message.type == MessageType::KeyDown && !screenshotAfterPresent) {
        // The picture on the screen now is not kept (a copy of every frame
        // would cost 3 MB a frame for a key pressed now and then); the next
        // one, a frame later, is.
        platform::Window& window = Host().GetWindow();
        window.KeepPresentedPictures(true);
        screenshotAfterPresent = window.GetPresentCount();
    }
    return true;
}

void DX3Application::WriteRequestedScreenshot()
{
    platform::Window& window = Host().GetWindow();
    if (!screenshotAfterPresent || window.GetPresentCount() == *screenshotAfterPresent)
        return;
    screenshotAfterPresent.reset();
    // Scripted screenshots keep every picture; otherwise keeping ends here.
    if (scriptedRun == nullptr || !scriptedRun->WantsPictures())
        window.KeepPresentedPictures(false);

    const std::filesystem::path folder = GameFolders::Current().GetScreenshotFolder();
    std::error_code creation;
    std::filesystem::create_directories(folder, creation);
    if (creation) {
        LogWarning("DX3Application: Screenshot folder <%s> cannot be created: %s\n",
                   Windows1252::FromUtf8(folder.string()).c_str(), creation.message().c_str());
        OnScreenshot(false);
        return;
    }
    const std::string path = NewScreenshotPath(folder).string();
    const std::string logged = Windows1252::FromUtf8(path);
    errno = 0;
    const bool written = WritePng(path, window.GetLastPresented());
    if (written)
        LogPrint("DX3Application: Screenshot <%s>\n", logged.c_str());
    else
        LogWarning("DX3Application: Screenshot <%s> cannot be written: %s\n", logged.c_str(),
                   errno != 0 ? std::strerror(errno) : "no picture");
    OnScreenshot(written);
}

void DX3Application::ExecuteMenuCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Reset:
        OnCommand("reset");
        break;
    case MenuCommand::Exit:
        Host().GetWindow().PostQuitMessage(-1);
        break;
    case MenuCommand::ReloadText:
        break;
    case MenuCommand::Messages:
        Debug::GetInstance().ShowMessageWindow();
        break;
    case MenuCommand::Flags:
        Debug::GetInstance().ShowMessageWindow();
        OnCommand("print flags");
        break;
    }
}

void DX3Application::HandleMessage(const WindowMessage& received)
{
    if (TakeScreenshotKey(received))
        return;
    if (platform::IsInputMessage(received.type) && MoviePlaying)
        return;
    platform::Window& window = Host().GetWindow();
    const WindowMessage message = ToLogical(received, window.GetClientSize());
    const bool fullScreen = window.IsFullScreen();

    switch (message.type) {
    case MessageType::Destroy:
        window.PostQuitMessage(0);
        break;
    case MessageType::SetFocus:
        if (fullScreen)
            active = true;
        break;
    case MessageType::KillFocus:
        if (fullScreen)
            active = false;
        break;
    case MessageType::Paint:
        if (!fullScreen)
            OnRender();
        break;
    case MessageType::KeyDown:
        OnKeyDown(message.value);
        break;
    case MessageType::KeyUp:
        OnKeyUp(message.value);
        break;
    case MessageType::Char:
        OnChar(message.value);
        break;
    case MessageType::MouseMove:
        OnMouseMove(message.x, message.y);
        break;
    case MessageType::LeftButtonDown:
        OnLButtonDown(message.x, message.y, false);
        break;
    case MessageType::LeftButtonDoubleClick:
        OnLButtonDown(message.x, message.y, true);
        break;
    case MessageType::LeftButtonUp:
        OnLButtonUp(message.x, message.y);
        break;
    case MessageType::RightButtonDown:
        OnRButtonDown(message.x, message.y);
        break;
    case MessageType::RightButtonUp:
        OnRButtonUp(message.x, message.y);
        break;
    case MessageType::RightButtonDoubleClick:
    case MessageType::Quit:
        break;
    }
}

namespace {

// The movie's bytes, from the archive or the loose tree; false with a log
// line when there is no such file or it cannot be read whole.
bool ReadMovie(const char* fileName, std::vector<std::uint8_t>& bytes)
{
    File file;
    if (!file.Open(fileName, "rb")) {
        LogWarning("DX3Application::PlayMovie: Movie <%s> not found!\n", fileName);
        return false;
    }
    const int size = file.GetSize();
    if (size <= 0 || size > maximumMovieBytes) {
        LogError("DX3Application::PlayMovie: Movie <%s> has an unusable size of %d bytes!\n", fileName, size);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    if (file.Read(bytes.data(), size) != size) {
        LogError("DX3Application::PlayMovie: Failed to read movie <%s>!\n", fileName);
        return false;
    }
    return true;
}

// Plays the movie; `presented` hears of every picture shown.
bool PlayMovieShowing(const char* fileName, const std::function<void()>& presented)
{
    DX3Application* owner = DX3Application::GetApplication();
    if (owner == nullptr || fileName == nullptr)
        return false;
    // The display's size: the mode in full screen, the window's otherwise.
    platform::Window& window = Host().GetWindow();
    const platform::DisplayMode& mode = Host().GetDisplay().GetMode();
    const int width = window.IsFullScreen() ? mode.width : owner->GetSettings().width;
    const int height = window.IsFullScreen() ? mode.height : owner->GetSettings().height;
    std::vector<std::uint8_t> movie;
    if (!ReadMovie(fileName, movie))
        return false;

    const platform::MovieScreen screen{width, height, 0, static_cast<int>(height * 0.1666), width,
                                       static_cast<int>(height * 0.6666)};
    platform::MovieHooks hooks;
    hooks.dispatch = &DX3Application::WindowProcedure;
    hooks.presented = [owner, &presented] {
        owner->WriteRequestedScreenshot();
        if (presented)
            presented();
    };
    std::string error;
    MoviePlaying = true;
    const bool played = Host().GetVideoPlayer().Play(movie, screen, window, hooks, error);
    MoviePlaying = false;
    // Nothing typed or clicked during the movie may reach the game; a close
    // request stays in the queue.
    window.DropPendingInput();
    if (!played)
        LogError("DX3Application::PlayMovie: Failed to play movie <%s>: %s!\n", fileName, error.c_str());
    return played;
}

} // namespace

bool PlayMovie(const char* fileName)
{
    return PlayMovieShowing(fileName, {});
}

int PlayMovieAlone(const ApplicationSettings& settings, ScriptedRun& run, const char* fileName)
{
    DX3Application shell;
    shell.SetScriptedRun(&run);
    if (!shell.Create(settings))
        return 1;
    platform::Window& window = Host().GetWindow();
    // Picture N is frame N: a replay's keys for that frame (Escape skips the
    // movie) are posted before it is shown.
    std::uint32_t pictures = 0;
    run.InjectDue(0, window);
    const bool played = PlayMovieShowing(fileName, [&] {
        run.FrameStarting(++pictures, window);
        run.InjectDue(pictures, window);
    });
    run.Finish(pictures + 1, window);
    LogPrint("Exiting.\n");
    return played ? 0 : 1;
}
