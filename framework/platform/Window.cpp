#include "Window.h"

#include <algorithm>

namespace platform {

bool Window::PeekMessage(WindowMessage& message)
{
    if (!Take(message))
        return false;
    keyState.Observe(message);
    return true;
}

bool Window::Take(WindowMessage& message)
{
    if (!posted.empty()) {
        message = posted.front();
        posted.pop_front();
        return true;
    }
    if (PollSystemMessage(message))
        return true;
    if (quitPosted) {
        quitPosted = false;
        message = WindowMessage{MessageType::Quit, quitCode};
        return true;
    }
    if (paintPending) {
        paintPending = false;
        message = WindowMessage{MessageType::Paint};
        return true;
    }
    return false;
}

bool Window::WaitMessage(WindowMessage& message)
{
    while (!PeekMessage(message)) {
        if (!WaitForSystemMessage())
            return false;
    }
    return true;
}

void Window::PostMessage(const WindowMessage& message)
{
    posted.push_back(message);
}

void Window::PostQuitMessage(int exitCode)
{
    quitPosted = true;
    quitCode = exitCode;
}

void Window::DropPendingInput()
{
    std::erase_if(posted, [](const WindowMessage& message) { return IsDroppableInput(message.type); });
    DropPendingSystemInput();
}

void Window::Present(const std::uint32_t* pixels, int width, int height, int pitchInPixels)
{
    if (pixels == nullptr || width <= 0 || height <= 0 || pitchInPixels < width)
        return;
    ++presentCount;
    if (keepPresented) {
        lastPresented.width = width;
        lastPresented.height = height;
        lastPresented.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int row = 0; row < height; ++row) {
            const std::uint32_t* source = pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(pitchInPixels);
            std::copy(source, source + width, lastPresented.pixels.begin() + static_cast<std::ptrdiff_t>(row) * width);
        }
    }
    ShowPicture(pixels, width, height, pitchInPixels);
}

} // namespace platform
