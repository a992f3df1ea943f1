#include "CMessageWindow.h"

#include "platform/Windows1252.h"

#include <cstdio>

namespace {
constexpr std::size_t maximumEntryLength = 4096;

void Mirror(const std::string& entry)
{
    const std::string line = Windows1252::ToUtf8(entry) + "\n";
    std::fputs(line.c_str(), stderr);
}
} // namespace

void CMessageWindow::Add(std::string_view text)
{
    text = text.substr(0, maximumEntryLength);
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    entries.emplace_back(text);
    if (entries.size() > maximumEntries)
        entries.pop_front();
    if (shown)
        Mirror(entries.back());
}

void CMessageWindow::Show()
{
    if (shown)
        return;
    shown = true;
    for (const std::string& entry : entries)
        Mirror(entry);
}
