#include "WriteFaults.h"

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

struct KindName {
    std::string_view name;
    WriteFault::Kind kind;
};
constexpr KindName kindNames[] = {{"open", WriteFault::Kind::open},
                                  {"short", WriteFault::Kind::cut},
                                  {"sync", WriteFault::Kind::sync},
                                  {"rename", WriteFault::Kind::rename},
                                  {"slow", WriteFault::Kind::slow}};

// A whole decimal number of at least `least`.
std::optional<int> ParseNumber(std::string_view text, int least)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least)
        return std::nullopt;
    return value;
}

// What the environment asks for, read at the first write; Set replaces it.
struct Injection {
    Injection()
    {
        const char* value = std::getenv("ZEPHYRA_WRITE_FAULT");
        if (value == nullptr || *value == '\0')
            return;
        if (const std::optional<WriteFault> parsed = WriteFault::Parse(value)) {
            fault = *parsed;
            std::fprintf(stderr, "ZEPHYRA_WRITE_FAULT=%s: %s\n", value, fault.Describe().c_str());
        } else {
            std::fprintf(stderr, "ZEPHYRA_WRITE_FAULT=%s is not a write fault; no write is faulted\n", value);
        }
    }
    WriteFault fault;
    std::atomic<int> writes = 0;
};

Injection& Current()
{
    static Injection injection;
    return injection;
}

} // namespace

std::optional<WriteFault> WriteFault::Parse(std::string_view text)
{
    WriteFault fault;
    const std::size_t at = text.find('@');
    std::string_view kind = text.substr(0, at);
    const std::size_t colon = kind.find(':');
    if (colon != std::string_view::npos) {
        const std::optional<int> milliseconds = ParseNumber(kind.substr(colon + 1), 0);
        if (!milliseconds)
            return std::nullopt;
        fault.milliseconds = *milliseconds;
        kind = kind.substr(0, colon);
    }
    for (const KindName& known : kindNames) {
        if (known.name == kind)
            fault.kind = known.kind;
    }
    // Only slow takes, and needs, a time.
    if (fault.kind == Kind::none || (fault.kind == Kind::slow) != (colon != std::string_view::npos))
        return std::nullopt;
    if (at == std::string_view::npos)
        return fault;
    const std::string_view range = text.substr(at + 1);
    const std::size_t dash = range.find('-');
    const std::optional<int> first = ParseNumber(range.substr(0, dash), 1);
    if (!first)
        return std::nullopt;
    fault.first = *first;
    fault.last = *first;
    if (dash != std::string_view::npos) {
        const std::string_view end = range.substr(dash + 1);
        const std::optional<int> last = end.empty() ? INT_MAX : ParseNumber(end, fault.first);
        if (!last)
            return std::nullopt;
        fault.last = *last;
    }
    return fault;
}

std::string WriteFault::Describe() const
{
    std::string text;
    switch (kind) {
    case Kind::none:
        return "no write is faulted";
    case Kind::open:
        text = "the temporary file cannot be made";
        break;
    case Kind::cut:
        text = "the data is cut short";
        break;
    case Kind::sync:
        text = "flushing to the disk fails";
        break;
    case Kind::rename:
        text = "the rename fails";
        break;
    case Kind::slow:
        text = "each block and commit waits " + std::to_string(milliseconds) + " ms";
        break;
    }
    if (first == 1 && last == INT_MAX)
        return text + ", in every write";
    if (first == last)
        return text + ", in write " + std::to_string(first);
    if (last == INT_MAX)
        return text + ", in write " + std::to_string(first) + " and every later one";
    return text + ", in writes " + std::to_string(first) + " to " + std::to_string(last);
}

namespace write_faults {

void Set(const WriteFault& fault)
{
    Injection& injection = Current();
    injection.fault = fault;
    injection.writes = 0;
}

WriteFault NextWrite()
{
    Injection& injection = Current();
    if (injection.fault.kind == WriteFault::Kind::none)
        return {};
    const int write = ++injection.writes;
    return write >= injection.fault.first && write <= injection.fault.last ? injection.fault : WriteFault{};
}

void Wait(const WriteFault& fault)
{
    if (fault.kind == WriteFault::Kind::slow)
        std::this_thread::sleep_for(std::chrono::milliseconds(fault.milliseconds));
}

} // namespace write_faults
