#pragma once

// The log. Every part of the program reports through one plain-text file,
// debug.txt in the working directory, truncated at start and appended to line
// by line (each line is on disk before the caller goes on, so the log
// survives a crash). Errors and warnings carry a prefix and are counted.
// Callers end their own lines with "\n"; the log adds none. A message starts
// with its class and method and puts names in angle brackets:
//     LogError("MainProgram::LoadGame: Failed to open savegame <%s>!\n", name);
// Formatted texts are cut at 4096 bytes. Lines logged before the log file
// exists go to standard error. The log file and the message window belong to
// the main thread: a line logged on another thread (the stream refill timer)
// waits until the main thread next logs or calls FlushOtherThreads, which
// the frame loop does every frame.

#include "CMessageWindow.h"
#include "Singleton.h"
#include "platform/DirectDrawError.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class Debug : public Singleton<Debug> {
public:
    bool CreateLogFile(const std::string& fileName);
    void Write(std::string_view text);
    void WriteAndShow(std::string_view text);
    void ShowMessageWindow();
    // True when `result` is a failure, which is then logged with its name.
    bool CheckDXResult(DisplayResult result, const char* sourceFile, int line);

    // The three kinds of formatted line.
    void Print(std::string_view text);
    void Error(std::string_view text);
    void Warning(std::string_view text);
    // Writes the lines that other threads logged since the last call.
    void FlushOtherThreads();

    int GetErrorCount() const { return errorCount; }
    int GetWarningCount() const { return warningCount; }
    bool IsMessageWindowShown() const { return messageWindowShown; }
    const CMessageWindow* GetMessageWindow() const { return messageWindow.get(); }
    const std::string& GetLogFileName() const { return logFileName; }

private:
    enum class Kind { print, error, warning };

    // Counts and writes one line; on another thread, queues it.
    void Log(Kind kind, std::string_view text);
    void Record(Kind kind, std::string_view text);

    std::thread::id mainThread = std::this_thread::get_id();
    std::mutex otherThreadsMutex;
    std::vector<std::pair<Kind, std::string>> otherThreadsLines;
    std::unique_ptr<CMessageWindow> messageWindow;
    bool messageWindowShown = false;
    int errorCount = 0;
    int warningCount = 0;
    std::string logFileName;
    bool writingLogFile = false; // a failing log write must not log again
};

void LogPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogError(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Logs the text (ending its line), then shows it in a modal message box.
void LogMessageBox(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Ends the process at once with exit code 3, the runtime's abnormal end. For
// the fatal reports that follow a LogMessageBox.
[[noreturn]] void TerminateAbnormally();
