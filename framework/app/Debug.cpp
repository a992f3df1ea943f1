#include "Debug.h"

#include "files/File.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t formatBufferSize = 4096;

__attribute__((format(printf, 1, 0))) std::string FormatV(const char* format, std::va_list arguments)
{
    char buffer[formatBufferSize];
    const int length = std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    if (length < 0)
        return {};
    return std::string(buffer, std::min(static_cast<std::size_t>(length), sizeof(buffer) - 1));
}

} // namespace

bool Debug::CreateLogFile(const std::string& fileName)
{
    messageWindow = std::make_unique<CMessageWindow>();
    messageWindowShown = false;
    errorCount = 0;
    warningCount = 0;
    logFileName = fileName;

    File file;
    bool created = file.OpenDirect(fileName.c_str(), "w");
    int failure = errno;
    if (created) {
        created = file.Close();
        failure = errno;
    }
    if (!created) {
        // The box says what failed; the terminal says where and why, as
        // there is no log to say it.
        std::fprintf(stderr, "Debug::CreateLogFile: Failed to create <%s>: %s\n", fileName.c_str(),
                     std::strerror(failure));
        platform::ShowMessageBox("ERROR", "Debug::CreateLogFile: Failed to create the log file!");
        return false;
    }
    return true;
}

void Debug::Write(std::string_view text)
{
    if (logFileName.empty()) {
        // No log file yet (start-up reads its configuration first): the
        // terminal is the only place that can show the line.
        const std::string line = Windows1252::ToUtf8(text.empty() ? std::string_view("\n") : text);
        std::fputs(line.c_str(), stderr);
        return;
    }
    // A line that cannot be written is dropped; the failure's own log line
    // would only fail the same way.
    if (writingLogFile)
        return;
    writingLogFile = true;
    File file;
    if (file.OpenDirect(logFileName.c_str(), "a")) {
        if (text.empty())
            file.Write("\n", 1);
        else
            file.Write(text.data(), static_cast<int>(text.size()));
        file.Close();
    }
    writingLogFile = false;
}

void Debug::WriteAndShow(std::string_view text)
{
    Write(text);
    if (messageWindow)
        messageWindow->Add(text);
}

void Debug::ShowMessageWindow()
{
    if (!messageWindow)
        return;
    messageWindow->Show();
    messageWindowShown = true;
}

void Debug::Print(std::string_view text)
{
    Log(Kind::print, text);
}

void Debug::Error(std::string_view text)
{
    Log(Kind::error, std::string("***ERROR: ").append(text).substr(0, formatBufferSize - 1));
}

void Debug::Warning(std::string_view text)
{
    Log(Kind::warning, std::string("***WARNING: ").append(text).substr(0, formatBufferSize - 1));
}

void Debug::Log(Kind kind, std::string_view text)
{
    if (std::this_thread::get_id() != mainThread) {
        const std::lock_guard lock(otherThreadsMutex);
        otherThreadsLines.emplace_back(kind, text);
        return;
    }
    FlushOtherThreads();
    Record(kind, text);
}

void Debug::Record(Kind kind, std::string_view text)
{
    if (kind == Kind::error)
        ++errorCount;
    else if (kind == Kind::warning)
        ++warningCount;
    WriteAndShow(text);
}

void Debug::FlushOtherThreads()
{
    std::vector<std::pair<Kind, std::string>> lines;
    {
        const std::lock_guard lock(otherThreadsMutex);
        lines.swap(otherThreadsLines);
    }
    for (const auto& [kind, text] : lines)
        Record(kind, text);
}

bool Debug::CheckDXResult(DisplayResult result, const char* sourceFile, int line)
{
    if (result == DD_OK)
        return false;
    char unknown[32];
    const char* name = DirectDrawErrorName(result);
    if (name == nullptr) {
        std::snprintf(unknown, sizeof(unknown), "Unknown error (%x)", static_cast<unsigned>(result));
        name = unknown;
    }
    LogError("DirectX Error (%x) in file %s in line %d: \"%s\"\n", static_cast<unsigned>(result), sourceFile, line, name);
    return true;
}

void LogPrint(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    Debug::GetInstance().Print(FormatV(format, arguments));
    va_end(arguments);
}

void LogError(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    Debug::GetInstance().Error(FormatV(format, arguments));
    va_end(arguments);
}

void LogWarning(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    Debug::GetInstance().Warning(FormatV(format, arguments));
    va_end(arguments);
}

void LogMessageBox(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    const std::string text = FormatV(format, arguments);
    va_end(arguments);
    // The box shows the text as it is; in the log it ends its line, so that
    // the next line does not run on from it.
    Debug::GetInstance().Print(!text.empty() && text.back() == '\n' ? text : text + '\n');
    platform::ShowMessageBox("Error", text);
}

void TerminateAbnormally()
{
    std::fflush(nullptr);
    std::_Exit(3);
}
