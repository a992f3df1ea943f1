#include "Recording.h"

#include <algorithm>
#include <array>
#include <charconv>

using platform::MessageType;
using platform::WindowMessage;

namespace {

struct EventName {
    MessageType type;
    std::string_view name;
    int arguments; // 0, 1 (a key or character code) or 2 (a position)
};

constexpr std::array<EventName, 14> eventNames = {{
    {MessageType::Paint, "paint", 0},
    {MessageType::Destroy, "destroy", 0},
    {MessageType::SetFocus, "setfocus", 0},
    {MessageType::KillFocus, "killfocus", 0},
    {MessageType::KeyDown, "keydown", 1},
    {MessageType::KeyUp, "keyup", 1},
    {MessageType::Char, "char", 1},
    {MessageType::MouseMove, "mousemove", 2},
    {MessageType::LeftButtonDown, "lbuttondown", 2},
    {MessageType::LeftButtonDoubleClick, "lbuttondblclk", 2},
    {MessageType::LeftButtonUp, "lbuttonup", 2},
    {MessageType::RightButtonDown, "rbuttondown", 2},
    {MessageType::RightButtonDoubleClick, "rbuttondblclk", 2},
    {MessageType::RightButtonUp, "rbuttonup", 2},
}};

const EventName* FindEvent(std::string_view name)
{
    for (const EventName& event : eventNames) {
        if (event.name == name)
            return &event;
    }
    return nullptr;
}

const EventName* FindEvent(MessageType type)
{
    for (const EventName& event : eventNames) {
        if (event.type == type)
            return &event;
    }
    return nullptr;
}

// Splits a line at spaces and tabs.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (position < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", position);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        position = end;
    }
    return words;
}

template <typename Number>
bool ReadNumber(std::string_view word, Number minimum, Number maximum, Number& value)
{
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size() && value >= minimum && value <= maximum;
}

} // namespace

bool Recording::IsRecorded(MessageType type)
{
    return FindEvent(type) != nullptr;
}

bool Recording::Parse(std::string_view text, std::string& error)
{
    seed = 0;
    frames.clear();
    auto fail = [&](int lineNumber, const std::string& reason) {
        error = "line " + std::to_string(lineNumber) + ": " + reason;
        seed = 0;
        frames.clear();
        return false;
    };
    if (text.size() > maximumFileSize)
        return fail(0, "the file is larger than a recording can be");
    if (text.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte order mark from an editor
        text.remove_prefix(3);

    bool haveHeader = false;
    int lineNumber = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find('\n', position);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(position, end - position);
        position = end + 1;
        ++lineNumber;

        std::vector<std::string_view> words = Words(line);
        // A comment runs from '#' to the end of its line.
        const auto comment = std::find_if(words.begin(), words.end(), [](std::string_view word) { return word.front() == '#'; });
        words.erase(comment, words.end());
        if (words.empty())
            continue;

        if (!haveHeader) {
            int version = 0;
            if (words.size() != 4 || words[0] != "zephyra-recording" || words[2] != "seed")
                return fail(lineNumber, "expected \"zephyra-recording 1 seed N\"");
            if (!ReadNumber(words[1], 1, 1000, version) || version != formatVersion)
                return fail(lineNumber, "unsupported format version <" + std::string(words[1]) + ">");
            if (!ReadNumber(words[3], 0u, ~0u, seed))
                return fail(lineNumber, "the seed is not a number");
            haveHeader = true;
            continue;
        }

        std::uint32_t frameNumber = 0;
        if (words.size() < 2 || words[0] != "frame" || !ReadNumber(words[1], 0u, 1'000'000'000u, frameNumber))
            return fail(lineNumber, "expected \"frame N\"");
        Frame& frame = frames[frameNumber];
        std::size_t index = 2;
        while (index < words.size()) {
            const std::string_view word = words[index++];
            if (word == "time") {
                std::int32_t milliseconds = 0;
                if (index >= words.size() || !ReadNumber(words[index++], 0, 1'000'000, milliseconds))
                    return fail(lineNumber, "\"time\" needs milliseconds");
                if (frame.milliseconds)
                    return fail(lineNumber, "frame " + std::to_string(frameNumber) + " has two times");
                frame.milliseconds = milliseconds;
                continue;
            }
            const EventName* event = FindEvent(word);
            if (event == nullptr)
                return fail(lineNumber, "unknown event <" + std::string(word) + ">");
            if (index + static_cast<std::size_t>(event->arguments) > words.size())
                return fail(lineNumber, "<" + std::string(word) + "> needs " + std::to_string(event->arguments) + " numbers");
            WindowMessage message{event->type};
            message.positionIsLogical = true;
            bool valid = true;
            if (event->arguments == 1)
                valid = ReadNumber(words[index], 0, 255, message.value);
            else if (event->arguments == 2)
                valid = ReadNumber(words[index], 0, 1023, message.x) && ReadNumber(words[index + 1], 0, 767, message.y);
            if (!valid)
                return fail(lineNumber, "<" + std::string(word) + "> has a number out of range");
            index += static_cast<std::size_t>(event->arguments);
            frame.messages.push_back(message);
        }
    }
    if (!haveHeader)
        return fail(lineNumber, text.empty() ? "the file is empty" : "no \"zephyra-recording\" header");
    return true;
}

std::string Recording::FormatHeader(unsigned recordingSeed)
{
    return "zephyra-recording " + std::to_string(formatVersion) + " seed " + std::to_string(recordingSeed) + "\n";
}

std::string Recording::FormatFrame(std::uint32_t frameNumber, const Frame& content)
{
    std::string line = "frame ";
    line.append(std::to_string(frameNumber));
    if (content.milliseconds)
        line.append(" time ").append(std::to_string(*content.milliseconds));
    for (const WindowMessage& message : content.messages) {
        const EventName* event = FindEvent(message.type);
        if (event == nullptr)
            continue;
        line.append(" ").append(event->name);
        if (event->arguments >= 1)
            line.append(" ").append(std::to_string(event->arguments == 1 ? message.value : message.x));
        if (event->arguments == 2)
            line.append(" ").append(std::to_string(message.y));
    }
    line.push_back('\n');
    return line;
}

std::string Recording::Format() const
{
    std::string text = FormatHeader(seed);
    for (const auto& [frameNumber, content] : frames)
        text += FormatFrame(frameNumber, content);
    return text;
}
