#include "ScriptedRun.h"

#include "Debug.h"
#include "PngWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

ScriptedRun::~ScriptedRun()
{
    if (recordFile != nullptr)
        std::fclose(recordFile);
}

bool ScriptedRun::Start(const CommandLine& commandLine, unsigned startSeed, std::string& error)
{
    seed = startSeed;
    frameLimit = commandLine.frames;

    if (!commandLine.replayFile.empty()) {
        std::error_code status;
        std::ifstream file(commandLine.replayFile, std::ios::binary);
        if (!file || !std::filesystem::is_regular_file(commandLine.replayFile, status)) {
            error = "cannot open the recording <" + commandLine.replayFile + ">";
            return false;
        }
        file.seekg(0, std::ios::end);
        const auto size = static_cast<std::size_t>(std::max<std::streamoff>(file.tellg(), 0));
        file.seekg(0, std::ios::beg);
        std::string text(std::min(size, Recording::maximumFileSize + 1), '\0');
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(file.gcount()));
        std::string reason;
        if (!replay.Parse(text, reason)) {
            error = "the recording <" + commandLine.replayFile + "> is broken: " + reason;
            return false;
        }
        replaying = true;
        seed = replay.seed;
    }

    if (commandLine.soakSeconds) {
        soakFrames = static_cast<std::uint32_t>(std::min<std::uint64_t>(
            std::uint64_t{*commandLine.soakSeconds} * 1000 / commandLine.frameMilliseconds, ~0u));
        frameLimit = std::min(frameLimit.value_or(soakFrames), soakFrames);
        soak.emplace(seed);
    }

    if (!commandLine.shotDirectory.empty()) {
        std::error_code creation;
        std::filesystem::create_directories(commandLine.shotDirectory, creation);
        if (creation) {
            error = "cannot create the folder <" + commandLine.shotDirectory + ">: " + creation.message();
            return false;
        }
        if (::access(commandLine.shotDirectory.c_str(), W_OK) != 0) {
            error = "cannot write into the folder <" + commandLine.shotDirectory + ">: " + std::strerror(errno);
            return false;
        }
        shotDirectory = commandLine.shotDirectory;
        shotFrames = commandLine.shotFrames;
    }

    if (!commandLine.recordFile.empty()) {
        recordPath = commandLine.recordFile;
        recordFile = std::fopen(recordPath.c_str(), "w");
        if (recordFile == nullptr)
            Fail("cannot write the recording <" + recordPath + ">: " + std::strerror(errno));
        else
            WriteRecording(Recording::FormatHeader(seed));
        if (!failure.empty()) {
            error = failure;
            return false;
        }
    }
    return true;
}

bool ScriptedRun::WriteRecording(const std::string& text)
{
    if (recordFile == nullptr)
        return false;
    if (std::fputs(text.c_str(), recordFile) != EOF && std::fflush(recordFile) == 0)
        return true;
    const int reason = errno;
    std::fclose(recordFile);
    recordFile = nullptr;
    Fail("cannot write the recording <" + recordPath + ">: " + std::strerror(reason));
    return false;
}

void ScriptedRun::Fail(const std::string& reason)
{
    if (failure.empty())
        failure = reason;
}

bool ScriptedRun::ShouldStop(std::uint32_t framesRun) const
{
    if (!failure.empty())
        return true;
    if (frameLimit && framesRun >= *frameLimit)
        return true;
    if (!replaying || replay.frames.empty())
        return false;
    // A recorded frame with a time ran; a last one without ran no more (its
    // events came before the recorded session ended).
    const auto& [lastFrame, content] = *replay.frames.rbegin();
    return framesRun >= lastFrame + (content.milliseconds ? 1u : 0u);
}

void ScriptedRun::InjectDue(std::uint32_t frame, platform::Window& window)
{
    if (soak && soakInjected != frame) {
        soakInjected = frame;
        for (const platform::WindowMessage& message : soak->Next(frame))
            window.PostMessage(message);
    }
    if (!replaying || replayFrame == frame)
        return;
    // What a frame did not get to (a recorded paint that never came) goes
    // before the next frame's input.
    PostReplayed(window, false);
    replayFrame = frame;
    const auto found = replay.frames.find(frame);
    replayMessages = found != replay.frames.end() ? &found->second.messages : nullptr;
    replayIndex = 0;
    PostReplayed(window, true);
}

void ScriptedRun::PostReplayed(platform::Window& window, bool untilPaint)
{
    if (replayMessages == nullptr)
        return;
    while (replayIndex < replayMessages->size()) {
        const platform::WindowMessage& message = (*replayMessages)[replayIndex++];
        if (message.type == platform::MessageType::Paint) {
            if (untilPaint)
                return;
            continue;
        }
        window.PostMessage(message);
    }
}

void ScriptedRun::OnMessage(std::uint32_t frame, const platform::WindowMessage& message, platform::Window& window)
{
    if (replaying && message.type == platform::MessageType::Paint)
        PostReplayed(window, true);
    if (recordFile == nullptr || !Recording::IsRecorded(message.type))
        return;
    if (pendingFrame != frame) {
        if (pendingFrame)
            WriteRecordedFrame(*pendingFrame);
        pendingFrame = frame;
    }
    pending.messages.push_back(message);
}

std::int32_t ScriptedRun::FrameTime(std::uint32_t frame, std::int32_t measured)
{
    std::int32_t milliseconds = measured;
    if (replaying) {
        const auto found = replay.frames.find(frame);
        if (found != replay.frames.end() && found->second.milliseconds)
            milliseconds = *found->second.milliseconds;
    }
    if (recordFile != nullptr) {
        if (pendingFrame && pendingFrame != frame)
            WriteRecordedFrame(*pendingFrame);
        pendingFrame = frame;
        pending.milliseconds = milliseconds;
        WriteRecordedFrame(frame);
    }
    return milliseconds;
}

void ScriptedRun::WriteRecordedFrame(std::uint32_t frame)
{
    WriteRecording(Recording::FormatFrame(frame, pending));
    pending = Recording::Frame{};
    pendingFrame.reset();
}

void ScriptedRun::FrameStarting(std::uint32_t frame, const platform::Window& window)
{
    if (soak)
        WatchSoak(frame, window);
    if (shotDirectory.empty() || window.GetPresentCount() == seenPresentCount)
        return;
    // Something was presented since the last frame began: it is the picture
    // of the frame before this one.
    seenPresentCount = window.GetPresentCount();
    if (frame == 0)
        return;
    lastPictureFrame = frame - 1;
    if (shotFrames.contains(frame - 1))
        WriteShot(frame - 1, window.GetLastPresented());
}

void ScriptedRun::Finish(std::uint32_t framesRun, const platform::Window& window)
{
    if (soak)
        FinishSoak(framesRun);
    if (recordFile != nullptr && pendingFrame)
        WriteRecordedFrame(*pendingFrame);
    if (recordFile != nullptr) {
        const bool closed = std::fclose(recordFile) == 0;
        recordFile = nullptr;
        if (!closed)
            Fail("cannot write the recording <" + recordPath + ">: " + std::strerror(errno));
    }
    FrameStarting(framesRun, window);
    if (!shotDirectory.empty() && shotFrames.empty() && lastPictureFrame)
        WriteShot(*lastPictureFrame, window.GetLastPresented());
}

void ScriptedRun::WriteShot(std::uint32_t frame, const platform::Picture& picture)
{
    char name[32];
    std::snprintf(name, sizeof(name), "frame%06u.png", static_cast<unsigned>(frame));
    const std::string path = (std::filesystem::path(shotDirectory) / name).string();
    errno = 0;
    if (!WritePng(path, picture))
        Fail("cannot write the screenshot <" + path + ">" +
             (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
}

namespace {

// A game that draws nothing for this many frames hangs (a movie, a load and
// a scene change all draw well within it).
constexpr std::uint32_t soakFramesWithoutPicture = 500;
// The memory a soak may hold more at its end than after its warm-up: room for
// a room, a conversation's speech and a music stream loaded late, not for a
// leak that grows all the time.
constexpr std::int64_t soakMemoryGrowthLimit = 64 * 1024 * 1024;
// Memory is looked at once a second of game time at the default frame time.
constexpr std::uint32_t soakMemoryInterval = 50;

constexpr double MiB(std::uint64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

void ScriptedRun::WatchSoak(std::uint32_t frame, const platform::Window& window)
{
    if (window.GetPresentCount() != soakPresentCount) {
        soakPresentCount = window.GetPresentCount();
        soakLastDrawn = frame;
    } else if (frame - soakLastDrawn > soakFramesWithoutPicture) {
        Fail("soak: the game drew nothing from frame " + std::to_string(soakLastDrawn) + " to frame " +
             std::to_string(frame));
    }
    if (frame % soakMemoryInterval == 0)
        soakMemory.Add(MemoryTrend::ResidentBytes());
}

void ScriptedRun::FinishSoak(std::uint32_t framesRun)
{
    const std::int64_t growth = soakMemory.Growth();
    char summary[256];
    std::snprintf(summary, sizeof(summary),
                  "Soak: seed %u, %u of %u frames, %d errors and %d warnings logged, memory %.1f MiB after the "
                  "warm-up and %.1f MiB at the end\n",
                  seed, framesRun, soakFrames, Debug::GetInstance().GetErrorCount(),
                  Debug::GetInstance().GetWarningCount(), MiB(soakMemory.AfterWarmUp()), MiB(soakMemory.AtEnd()));
    LogPrint("%s", summary);
    std::fputs(summary, stdout);
    std::fflush(stdout);
    if (growth > soakMemoryGrowthLimit)
        Fail("soak: the memory grew by " + std::to_string(growth / (1024 * 1024)) + " MiB after the warm-up");
}
