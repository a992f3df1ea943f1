#pragma once

// The application shell: the one main window, its window procedure, the
// frame loop and the orderly end of the run. It knows nothing of the game: a
// subclass receives the frames, the input and the menu commands through the
// virtual operations below.
//
// The frame loop takes every waiting window message first; when there is none
// and the application is active it runs one frame. A frame's time is the
// time since the previous one, clamped to 5..100 ms, and frames start at
// least 10 ms apart. In full screen the application is active only while its
// window has the focus; in a window the frames go on in the background.
//
// F12 belongs to the shell, in a window and in full screen, and never
// reaches the game: the next picture shown after it is written as a PNG
// screenshot.

#include "ApplicationSettings.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>

class ScriptedRun;

// True while PlayMovie runs: no frames, and all keyboard and mouse input is
// dropped.
extern bool MoviePlaying;
// The global scale of character sprites, from the configuration.
extern float CharacterScale;

class DX3Application {
public:
    // The window menu's commands, offered on function keys in a window.
    enum class MenuCommand { Reset, Exit, ReloadText, Messages, Flags };

    static constexpr std::uint32_t minimumFrameGapMilliseconds = 10;
    static constexpr float shortestFrameSeconds = 0.005f;
    static constexpr float longestFrameSeconds = 0.1f;

    DX3Application();
    DX3Application(const DX3Application&) = delete;
    DX3Application& operator=(const DX3Application&) = delete;

    virtual bool OnCreate() { return true; }
    virtual bool OnDestroy() { return true; }
    virtual void OnUpdate(float) {}
    virtual void OnRender() {}
    virtual ~DX3Application();

    // Input from the window, positions in logical coordinates.
    virtual void OnKeyDown(int) {}
    virtual void OnKeyUp(int) {}
    virtual void OnChar(int) {}
    virtual void OnMouseMove(int, int) {}
    virtual void OnLButtonDown(int, int, bool) {}
    virtual void OnLButtonUp(int, int) {}
    virtual void OnRButtonDown(int, int) {}
    virtual void OnRButtonUp(int, int) {}
    // A command of the window menu for the game ("reset", "print flags").
    virtual int OnCommand(const char*) { return 0; }
    // After F12: whether the screenshot was written (the log says where).
    virtual void OnScreenshot(bool) {}
    // The display and the sound device live in the layers above this one;
    // the game's application opens and closes them at their places in the
    // start and the end of the run.
    virtual bool InitDisplay() { return true; }
    virtual void ReleaseDisplay() {}
    // False when there is no sound; the game then runs silently.
    virtual bool InitSound() { return true; }
    virtual void ShutdownSound() {}

    bool Create(const ApplicationSettings& settings);
    bool CreateWindow();
    int Run();
    // Delivers one window message as the window procedure does.
    void HandleMessage(const platform::WindowMessage& message);
    void ExecuteMenuCommand(MenuCommand command);

    // Optional development switches (frame limit, recording, screenshots).
    void SetScriptedRun(ScriptedRun* run) { scriptedRun = run; }
    ScriptedRun* GetScriptedRun() const { return scriptedRun; }

    bool IsActive() const { return active; }
    const ApplicationSettings& GetSettings() const { return settings; }
    std::uint32_t GetFrameCount() const { return frameCount; }

    // The one application object, published by Create.
    static DX3Application* GetApplication();
    // The window procedure: hands a message to the one application.
    static void WindowProcedure(const platform::WindowMessage& message);

    // Writes the screenshot F12 asked for once a picture has been shown
    // since; the frame loop and the movie player call it after presenting.
    void WriteRequestedScreenshot();

    static float ClampFrameSeconds(float seconds);
    // A client-area position in the logical 1024 x 768 space.
    static platform::WindowMessage ToLogical(const platform::WindowMessage& message, platform::ClientSize client);

private:
    void WriteLogHeader() const;
    void RunFrame();
    bool TranslateAccelerator(const platform::WindowMessage& message);
    // Takes F12 from the game; true when the message was that key.
    bool TakeScreenshotKey(const platform::WindowMessage& message);

    ApplicationSettings settings;
    bool active = false;
    std::uint32_t lastFrameStamp = 0;
    std::uint32_t frameCount = 0;
    ScriptedRun* scriptedRun = nullptr;
    // The window's count of shown pictures when F12 came, while a
    // screenshot waits for the next picture.
    std::optional<std::uint64_t> screenshotAfterPresent;
};

// Plays a movie file (a game path: from the archive when there is one) in the
// main window until it ends or Escape or the space bar skips it. False, with
// the display untouched, when the file is missing; false with a log line when
// it cannot be played.
bool PlayMovie(const char* fileName);

// The --movie switch: opens the window without any game, plays the movie
// and ends. Each picture shown counts as a frame of the scripted run: its
// screenshots, and a replay's keys, which come before the picture of their
// frame (a replayed Escape skips the rest of the movie). Returns the exit code: 0 when the movie played, 1 otherwise.
int PlayMovieAlone(const ApplicationSettings& settings, ScriptedRun& run, const char* fileName);
