#include "SerializeChoice.h"

#include "Serializer.h"

#include <algorithm>

namespace {

// The option at `index`, or null when there is none.
const std::string* OptionAt(const std::vector<std::string>& options, int index)
{
    if (index < 0 || index >= static_cast<int>(options.size()))
        return nullptr;
    return &options[static_cast<std::size_t>(index)];
}

// The option equal to `text`, or null when there is none.
const std::string* FindOption(const std::vector<std::string>& options, const std::string& text)
{
    const auto found = std::find(options.begin(), options.end(), text);
    return found != options.end() ? &*found : nullptr;
}

} // namespace

bool SerializeChoice(Serializer& serializer, const char* label, const std::vector<std::string>& options,
                     std::string& value)
{
    const std::string base = label != nullptr ? label : "";
    const std::string* current = FindOption(options, value);
    const int index = current != nullptr ? static_cast<int>(current - options.data()) : 0;

    std::string text = value;
    serializer.SetHint("hide", "");
    serializer.SerializeString((base + "_string").c_str(), text);
    if (options.empty()) {
        if (serializer.IsReading())
            value = text;
        return false;
    }

    int writtenIndex = index;
    serializer.SetHint("hide", "");
    serializer.SerializeInt((base + "_index").c_str(), &writtenIndex);

    std::string comboBox = "combobox ";
    for (const std::string& option : options)
        comboBox += "[" + option + "]";
    int selection = index;
    serializer.SetHint(comboBox.c_str(), "");
    serializer.SerializeInt(base.c_str(), &selection);

    if (!serializer.IsReading())
        return false;
    // The two numbers agree: the text wins, so a file stays valid when the
    // options are reordered (a text that is no option any more changes
    // nothing). They differ: the editor's selection wins.
    const std::string* chosen = writtenIndex == selection ? FindOption(options, text) : OptionAt(options, selection);
    if (chosen == nullptr || *chosen == value)
        return false;
    value = *chosen;
    return true;
}
