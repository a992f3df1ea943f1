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

WindowMessage MouseMessage(MessageType type, PicturePoint at)
{
    return WindowMessage{type, 0, at.x, at.y};
}

bool PadButton(Uint8 button, GamepadButton& padButton)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A: padButton = GamepadButton::A; return true;
    case SDL_CONTROLLER_BUTTON_B: padButton = GamepadButton::B; return true;
    case SDL_CONTROLLER_BUTTON_X: padButton = GamepadButton::X; return true;
    case SDL_CONTROLLER_BUTTON_Y: padButton = GamepadButton::Y; return true;
    case SDL_CONTROLLER_BUTTON_START: padButton = GamepadButton::Start; return true;
    case SDL_CONTROLLER_BUTTON_BACK: padButton = GamepadButton::Back; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: padButton = GamepadButton::DpadUp; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: padButton = GamepadButton::DpadDown; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: padButton = GamepadButton::DpadLeft; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: padButton = GamepadButton::DpadRight; return true;
    default: return false;
    }
}

} // namespace

SdlWindow::~SdlWindow()
{
    Destroy();
}

void SdlWindow::Destroy()
{
    for (SDL_GameController* controller : controllers)
        SDL_GameControllerClose(controller);
    controllers.clear();
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
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
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
    canvas = ClientSize{description.width, description.height};
    integerScaling = description.integerScaling;
    pad = GamepadPointer(canvas);
    SetFullScreen(description.fullScreen);
    SDL_StartTextInput();
    return true;
}

void SdlWindow::SetCursorVisible(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

PictureFrame SdlWindow::CurrentFrame() const
{
    ClientSize windowSize;
    ClientSize output;
    if (window != nullptr)
        SDL_GetWindowSize(window, &windowSize.width, &windowSize.height);
    if (renderer == nullptr || SDL_GetRendererOutputSize(renderer, &output.width, &output.height) != 0)
        output = windowSize;
    // Until the first picture the frame is laid out for one of the canvas's
    // size; the game presents its canvas or a mode of the same aspect.
    const ClientSize picture = texture != nullptr ? ClientSize{textureWidth, textureHeight} : canvas;
    return PictureFrame(picture, windowSize, output, integerScaling);
}

PicturePoint SdlWindow::ToCanvas(int windowX, int windowY) const
{
    return CurrentFrame().ToCanvas({windowX, windowY}, canvas);
}

void SdlWindow::FollowPad(PicturePoint before)
{
    const PicturePoint now = pad.GetPosition();
    if (now == before || window == nullptr)
        return;
    warpedTo = CurrentFrame().ToWindow(now, canvas);
    warpPending = true;
    SDL_WarpMouseInWindow(window, warpedTo.x, warpedTo.y);
}

bool SdlWindow::PollSystemMessage(WindowMessage& message)
{
    // The stick moves the pointer while it is held, whether or not SDL has
    // news.
    if (!controllers.empty()) {
        const PicturePoint before = pad.GetPosition();
        pad.Tick(SDL_GetTicks64(), translated);
        FollowPad(before);
    }
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

void SdlWindow::ToggleDesktopFullScreen()
{
    // Only the presentation changes: the game keeps its own notion of full
    // screen (and with it its cursor), and the frame follows the new size.
    const bool desktopFullScreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    if (SDL_SetWindowFullscreen(window, desktopFullScreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        std::fprintf(stderr, "SDL_SetWindowFullscreen: %s\n", SDL_GetError());
    Invalidate();
}

void SdlWindow::TranslateKey(const SDL_KeyboardEvent& key)
{
    const int virtualKey = VirtualKeyFromSdl(key.keysym);
    if (virtualKey == 0)
        return;
    if (key.type == SDL_KEYUP) {
        if (virtualKey == VirtualKey::Return && returnSwallowed) {
            returnSwallowed = false;
            return;
        }
        translated.push_back(WindowMessage{MessageType::KeyUp, virtualKey});
        return;
    }
    if (virtualKey == VirtualKey::Return && (key.keysym.mod & KMOD_ALT) != 0) {
        if (key.repeat == 0)
            ToggleDesktopFullScreen();
        returnSwallowed = true;
        return;
    }
    translated.push_back(WindowMessage{MessageType::KeyDown, virtualKey});
    if (const int character = ControlCharacter(virtualKey); character != 0)
        translated.push_back(WindowMessage{MessageType::Char, character});
}

void SdlWindow::TranslateController(const SDL_Event& event)
{
    const PicturePoint before = pad.GetPosition();
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which); controller != nullptr)
            controllers.push_back(controller);
        else
            std::fprintf(stderr, "SDL_GameControllerOpen: %s\n", SDL_GetError());
        return;
    case SDL_CONTROLLERDEVICEREMOVED: {
        SDL_GameController* controller = SDL_GameControllerFromInstanceID(event.cdevice.which);
        if (controller == nullptr)
            return;
        std::erase(controllers, controller);
        SDL_GameControllerClose(controller);
        // Nothing held on the pad may stay held in the game.
        stickX = 0;
        stickY = 0;
        pad.ReleaseAll(translated);
        return;
    }
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            stickX = event.caxis.value;
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            stickY = event.caxis.value;
        else
            return;
        pad.SetStick(stickX, stickY, SDL_GetTicks64(), translated);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        GamepadButton button;
        if (!PadButton(event.cbutton.button, button))
            return;
        if (event.type == SDL_CONTROLLERBUTTONDOWN)
            pad.Press(button, translated);
        else
            pad.Release(button, translated);
        break;
    }
    default:
        return;
    }
    FollowPad(before);
}

void SdlWindow::Translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        translated.push_back(WindowMessage{MessageType::Destroy});
        return;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            translated.push_back(WindowMessage{MessageType::SetFocus});
            return;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            translated.push_back(WindowMessage{MessageType::KillFocus});
            return;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Invalidate();
            return;
        default:
            return;
        }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key);
        return;
    case SDL_TEXTINPUT: {
        const std::string_view utf8(event.text.text);
        std::size_t index = 0;
        while (index < utf8.size()) {
            const int character = Windows1252::FromCodePoint(Windows1252::DecodeUtf8(utf8, index));
            if (character > 0)
                translated.push_back(WindowMessage{MessageType::Char, character});
        }
        return;
    }
    case SDL_MOUSEMOTION: {
        const bool warpEcho = warpPending && event.motion.x == warpedTo.x && event.motion.y == warpedTo.y;
        warpPending = false;
        if (warpEcho)
            return;
        const PicturePoint at = ToCanvas(event.motion.x, event.motion.y);
        pad.MoveTo(at);
        translated.push_back(MouseMessage(MessageType::MouseMove, at));
        return;
    }
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
            return;
        const PicturePoint at = ToCanvas(event.button.x, event.button.y);
        pad.MoveTo(at);
        translated.push_back(MouseMessage(type, at));
        return;
    }
    default:
        TranslateController(event);
        return;
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
    const PictureFrame frame = CurrentFrame();
    const Rectangle& placed = frame.GetRectangle();
    const SDL_Rect destination{placed.left, placed.top, placed.Width(), placed.Height()};
    SDL_SetTextureScaleMode(texture, frame.IsWholeFactor() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, &destination);
    SDL_RenderPresent(renderer);
}

} // namespace platform
