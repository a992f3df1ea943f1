#include "HeadlessWindow.h"

#include <algorithm>

namespace platform {

HeadlessWindow::HeadlessWindow()
{
    KeepPresentedPictures(true);
}

bool HeadlessWindow::Create(const WindowDescription& description)
{
    if (description.width <= 0 || description.height <= 0)
        return false;
    title = description.title;
    clientSize = ClientSize{description.width, description.height};
    SetFullScreen(description.fullScreen);
    created = true;
    return true;
}

bool HeadlessWindow::PollSystemMessage(WindowMessage& message)
{
    if (systemMessages.empty())
        return false;
    message = systemMessages.front();
    systemMessages.pop_front();
    return true;
}

bool HeadlessWindow::WaitForSystemMessage()
{
    // Nobody can ever give a waiting headless window the focus back, so a
    // wait with nothing queued closes the window instead of hanging.
    if (systemMessages.empty())
        systemMessages.push_back(WindowMessage{MessageType::Destroy});
    return true;
}

void HeadlessWindow::DropPendingSystemInput()
{
    std::erase_if(systemMessages, [](const WindowMessage& message) { return IsDroppableInput(message.type); });
}

} // namespace platform
