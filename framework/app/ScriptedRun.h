#pragma once

#include "CommandLine.h"
#include "MemoryTrend.h"
#include "Recording.h"
#include "SoakInput.h"
#include "platform/Window.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

// What the development switches add to the frame loop: a frame limit, a
// recording of the session, the replay of one, a soak with random input, and
// screenshots of presented frames. The loop tells it about every frame and every message; frames are
// numbered from 0.
class ScriptedRun {
public:
    ScriptedRun() = default;
    ScriptedRun(const ScriptedRun&) = delete;
    ScriptedRun& operator=(const ScriptedRun&) = delete;
    ~ScriptedRun();

    // Reads the replay and opens the recording; false with a reason when a
    // file cannot be used.
    bool Start(const CommandLine& commandLine, unsigned seed, std::string& error);
    // The seed of the run: the replay's, or the one given to Start.
    unsigned GetSeed() const { return seed; }

    // Hands the window the replayed messages of the coming frame, up to the
    // first recorded paint (the rest follow the window's paints), or the
    // soak's input for it.
    void InjectDue(std::uint32_t frame, platform::Window& window);
    // A message taken from the window before the given frame (positions
    // already logical).
    void OnMessage(std::uint32_t frame, const platform::WindowMessage& message, platform::Window& window);
    // The milliseconds the frame is to use: the replay's, else the measured.
    std::int32_t FrameTime(std::uint32_t frame, std::int32_t measured);
    // True when the frame limit has been reached, or a replay has played its
    // last recorded frame.
    bool ShouldStop(std::uint32_t framesRun) const;
    // Called before each frame and once after the loop; a soak checks here
    // that the game still draws, and samples its memory.
    void FrameStarting(std::uint32_t frame, const platform::Window& window);
    void Finish(std::uint32_t framesRun, const platform::Window& window);

    bool WantsPictures() const { return !shotDirectory.empty(); }
    // Why a recording or a screenshot could not be written (the first such
    // failure; it ends the run at the next frame), or empty.
    const std::string& GetFailure() const { return failure; }

private:
    // Posts the replayed messages of the current frame up to the next paint
    // (or all that are left).
    void PostReplayed(platform::Window& window, bool untilPaint);
    void WriteRecordedFrame(std::uint32_t frame);
    void WriteShot(std::uint32_t frame, const platform::Picture& picture);
    void WatchSoak(std::uint32_t frame, const platform::Window& window);
    void FinishSoak(std::uint32_t framesRun);
    // Writes text to the recording and pushes it to the disk; on failure
    // closes the recording and notes why.
    bool WriteRecording(const std::string& text);
    void Fail(const std::string& reason);

    unsigned seed = 0;
    std::optional<std::uint32_t> frameLimit;

    std::FILE* recordFile = nullptr;
    std::string recordPath;
    std::optional<std::uint32_t> pendingFrame;
    Recording::Frame pending;

    Recording replay;
    bool replaying = false;
    std::optional<std::uint32_t> replayFrame;
    const std::vector<platform::WindowMessage>* replayMessages = nullptr;
    std::size_t replayIndex = 0;

    std::optional<SoakInput> soak;
    std::uint32_t soakFrames = 0;
    std::optional<std::uint32_t> soakInjected;
    std::uint64_t soakPresentCount = 0;
    std::uint32_t soakLastDrawn = 0;
    MemoryTrend soakMemory;

    std::string shotDirectory;
    std::set<std::uint32_t> shotFrames;
    std::uint64_t seenPresentCount = 0;
    std::optional<std::uint32_t> lastPictureFrame;

    std::string failure;
};
