#include "ScriptedRun.h"

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
        Fail("cannot write the screenshot <" + path + ">" + (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
}
