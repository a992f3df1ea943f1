#pragma once

#include "../Window.h"

#include <deque>

namespace platform {

// A window without a screen: its system messages are whatever a test or a
// recording injects, and it shows nothing (the last picture is kept for
// tests and screenshots).
class HeadlessWindow final : public Window {
public:
    HeadlessWindow();

    bool Create(const WindowDescription& description) override;
    ClientSize GetClientSize() const override { return clientSize; }
    void SetCursorVisible(bool visible) override { cursorVisible = visible; }

    void Inject(const WindowMessage& message) { systemMessages.push_back(message); }
    void SetClientSize(int width, int height) { clientSize = ClientSize{width, height}; }
    bool IsCreated() const { return created; }
    bool IsCursorVisible() const { return cursorVisible; }
    const std::string& GetTitle() const { return title; }

protected:
    bool PollSystemMessage(WindowMessage& message) override;
    bool WaitForSystemMessage() override;
    void DropPendingSystemInput() override;
    void ShowPicture(const std::uint32_t*, int, int, int) override {}

private:
    std::deque<WindowMessage> systemMessages;
    ClientSize clientSize{800, 600};
    std::string title;
    bool created = false;
    bool cursorVisible = true;
};

} // namespace platform
