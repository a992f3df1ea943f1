#include "TextInput.h"

#include "KeyboardInput.h"
#include "platform/Platform.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"

#include <cmath>

TextInput::TextInput(WidthFunction measure, int maximum)
    : measureWidth(std::move(measure))
    , maximumWidth(maximum)
{
}

bool TextInput::IsAccepted(int character)
{
    static constexpr std::string_view accented = "äöüÄÖÜßåÅéèôâœçÉÎàêëîïùûÿñú"_w1252;
    if (character == '&')
        return false;
    if (character >= ' ' && character <= '~')
        return true;
    return character > 0 && character < 256 && accented.find(static_cast<char>(character)) != std::string_view::npos;
}

bool TextInput::Update(float seconds)
{
    blinkTimer += seconds;
    const int key = KeyboardInput::GetInstance().GetLastReleasedKey();
    if (key == VirtualKey::Return || key == VirtualKey::Escape) {
        blinkTimer = 0.0f;
        return true;
    }
    if (key == VirtualKey::Backspace) {
        if (!text.empty())
            text.pop_back();
        return false;
    }
    if (key == 0)
        return false;

    platform::Platform* host = platform::Platform::Get();
    if (host == nullptr)
        return false;
    const int character = host->GetWindow().GetKeyState().TranslateKey(key);
    if (!IsAccepted(character) || text.size() >= maximumLength)
        return false;
    text += static_cast<char>(character);
    if (measureWidth && measureWidth(text) > maximumWidth)
        text.pop_back();
    return false;
}

std::string TextInput::GetText() const
{
    const auto phase = static_cast<long>(std::trunc(blinkTimer * 4.0f));
    return phase % 2 != 0 ? text + '|' : text;
}

void TextInput::SetText(std::string_view newText)
{
    text = newText.substr(0, maximumLength);
}
