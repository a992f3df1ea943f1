#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

// The debug message window: one entry per log line, for developers. It has
// no window of its own; once shown it mirrors its entries to standard error,
// starting with the backlog.
class CMessageWindow {
public:
    void Add(std::string_view text);
    void Show();
    bool IsShown() const { return shown; }
    const std::deque<std::string>& GetEntries() const { return entries; }

private:
    static constexpr std::size_t maximumEntries = 10000;

    std::deque<std::string> entries;
    bool shown = false;
};
