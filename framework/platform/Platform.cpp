#include "Platform.h"

#include "Windows1252.h"

#include <cstdio>

namespace platform {

namespace {
std::unique_ptr<Platform>& Installed()
{
    static std::unique_ptr<Platform> installed;
    return installed;
}
} // namespace

void Platform::Install(std::unique_ptr<Platform> platform)
{
    Installed() = std::move(platform);
}

Platform* Platform::Get()
{
    return Installed().get();
}

void Platform::Remove()
{
    Installed().reset();
}

void PrintMessageBox(std::string_view caption, std::string_view text)
{
    const std::string line = Windows1252::ToUtf8(caption) + ": " + Windows1252::ToUtf8(text) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void ShowMessageBox(std::string_view caption, std::string_view text)
{
    if (Platform* platform = Platform::Get())
        platform->ShowMessageBox(caption, text);
    else
        PrintMessageBox(caption, text);
}

} // namespace platform
