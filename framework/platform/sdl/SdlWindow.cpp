#include "SdlWindow.h"

#include "../VirtualKey.h"
#include "../Windows1252.h"
#include "SdlKeyMap.h"

#include <cstdio>

namespace platform {

namespace {

// Windows sends a character message for these keys as well; SDL's text input
// does not, so the window makes them itself.
int ControlCharacter(int virtualKey)
{
    switch (virtualKey) {
    case VirtualKey::Backspace:
    case VirtualKey::Tab:
    case VirtualKey::Return:
    case VirtualKey::Escape:
        return virtualKey;
    default:
        return 0;
    }
}

WindowMessage MouseMessage(MessageType type, int x, int y)
{
    return WindowMessage{type, 0, x, y};
}

} // namespace

SdlWindow::~SdlWindow()
{
    Destroy();
}

void SdlWindow::Destroy()
{
    if (texture != nullptr)
        SDL_DestroyTexture(texture);
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    if (window != nullptr)
        SDL_DestroyWindow(window);
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
}

bool SdlWindow::Create(const WindowDescription& description)
{
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (description.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    const std::string title = Windows1252::ToUtf8(description.title);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              description.width, description.height, flags);
    if (window == nullptr) {
        std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
        return false;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr) {
        std::fprintf(stderr, "SDL_CreateRenderer: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SetFullScreen(description.fullScreen);
    SDL_StartTextInput();
    return true;
}

ClientSize SdlWindow::GetClientSize() const
{
    ClientSize size;
    if (window != nullptr)
        SDL_GetWindowSize(window, &size.width, &size.height);
    return size;
}

void SdlWindow::SetCursorVisible(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlWindow::PollSystemMessage(WindowMessage& message)
{
    while (translated.empty()) {
        SDL_Event event;
        if (SDL_PollEvent(&event) == 0)
            return false;
        Translate(event);
    }
    message = translated.front();
    translated.pop_front();
    return true;
}

bool SdlWindow::WaitForSystemMessage()
{
    return SDL_WaitEvent(nullptr) != 0;
}

void SdlWindow::DropPendingSystemInput()
{
    SDL_PumpEvents();
    // Translate what is waiting, so that key-ups survive and only the rest
    // of the input is dropped.
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        Translate(event);
    std::erase_if(translated, [](const WindowMessage& message) { return IsDroppableInput(message.type); });
}

bool SdlWindow::Translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        translated.push_back(WindowMessage{MessageType::Destroy});
        return true;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            translated.push_back(WindowMessage{MessageType::SetFocus});
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            translated.push_back(WindowMessage{MessageType::KillFocus});
            return true;
        case SDL_WINDOWEVENT_EXPOSED:
            Invalidate();
            return false;
        default:
            return false;
        }
    case SDL_KEYDOWN: {
        const int key = VirtualKeyFromSdl(event.key.keysym);
        if (key == 0)
            return false;
        translated.push_back(WindowMessage{MessageType::KeyDown, key});
        if (const int character = ControlCharacter(key); character != 0)
            translated.push_back(WindowMessage{MessageType::Char, character});
        return true;
    }
    case SDL_KEYUP: {
        const int key = VirtualKeyFromSdl(event.key.keysym);
        if (key == 0)
            return false;
        translated.push_back(WindowMessage{MessageType::KeyUp, key});
        return true;
    }
    case SDL_TEXTINPUT: {
        const std::string_view utf8(event.text.text);
        std::size_t index = 0;
        while (index < utf8.size()) {
            const int character = Windows1252::FromCodePoint(Windows1252::DecodeUtf8(utf8, index));
            if (character > 0)
                translated.push_back(WindowMessage{MessageType::Char, character});
        }
        return !translated.empty();
    }
    case SDL_MOUSEMOTION:
        translated.push_back(MouseMessage(MessageType::MouseMove, event.motion.x, event.motion.y));
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        // Every second click of a series is a double click, as Windows
        // counts them.
        const bool doubleClick = down && event.button.clicks >= 2 && event.button.clicks % 2 == 0;
        MessageType type;
        if (event.button.button == SDL_BUTTON_LEFT)
            type = !down ? MessageType::LeftButtonUp : doubleClick ? MessageType::LeftButtonDoubleClick : MessageType::LeftButtonDown;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            type = !down ? MessageType::RightButtonUp : doubleClick ? MessageType::RightButtonDoubleClick : MessageType::RightButtonDown;
        else
            return false;
        translated.push_back(MouseMessage(type, event.button.x, event.button.y));
        return true;
    }
    default:
        return false;
    }
}

void SdlWindow::ShowPicture(const std::uint32_t* pixels, int width, int height, int pitchInPixels)
{
    if (renderer == nullptr)
        return;
    if (texture == nullptr || width != textureWidth || height != textureHeight) {
        if (texture != nullptr)
            SDL_DestroyTexture(texture);
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (texture == nullptr)
            return;
        textureWidth = width;
        textureHeight = height;
    }
    SDL_UpdateTexture(texture, nullptr, pixels, pitchInPixels * static_cast<int>(sizeof(std::uint32_t)));
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

} // namespace platform
