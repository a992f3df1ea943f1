#pragma once

// A recorded session: the random seed, every window event with the frame
// before which it arrived, and the time each frame measured. Replaying it
// headless gives the same game-state calls and the same pictures.
//
// The file is plain text, one line per frame that had events or a time:
//     zephyra-recording 1 seed 1234
//     # comments (from '#' to the end of a line) and blank lines are ignored
//     frame 0 time 20
//     frame 1 time 20 mousemove 512 384 lbuttondown 512 384
//     frame 2 time 21 keydown 27 char 27
//     frame 3 keyup 27 destroy
// Mouse positions are logical (1024 x 768). "paint" marks where the window
// was painted among the events, so that a replay hands the game its input
// on the same side of each picture. Event names: paint, destroy, setfocus,
// killfocus, keydown KEY, keyup KEY, char CODE, mousemove X Y, lbuttondown
// X Y, lbuttondblclk X Y, lbuttonup X Y, rbuttondown X Y, rbuttondblclk X Y,
// rbuttonup X Y.

#include "platform/WindowMessage.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Recording {
public:
    static constexpr int formatVersion = 1;
    static constexpr std::size_t maximumFileSize = 64 * 1024 * 1024;

    struct Frame {
        std::optional<std::int32_t> milliseconds;
        std::vector<platform::WindowMessage> messages;
    };

    unsigned seed = 0;
    std::map<std::uint32_t, Frame> frames;

    // False, with the reason and line number in `error`, for text that is
    // not a recording; the recording is then left empty.
    bool Parse(std::string_view text, std::string& error);
    std::string Format() const;

    static std::string FormatHeader(unsigned seed);
    static std::string FormatFrame(std::uint32_t frame, const Frame& content);
    // Whether this message belongs in a recording (what the outside world
    // sends, not what the program posts to itself).
    static bool IsRecorded(platform::MessageType type);
};
