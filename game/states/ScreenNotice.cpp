#include "ScreenNotice.h"

#include "app/Debug.h"
#include "graphics/TextDisplay.h"

namespace {

// Below the in-game menu's band, clear of the minigames' score lines.
constexpr int noticeTop = 140;
constexpr int noticeHeight = 60;

} // namespace

void ScreenNotice::Show(const std::string& line)
{
    text = line;
    secondsLeft = showSeconds;
    LogPrint("ScreenNotice: %s\n", line.c_str());
}

void ScreenNotice::Update(float seconds)
{
    if (secondsLeft > 0.0f)
        secondsLeft -= seconds;
}

void ScreenNotice::Draw() const
{
    if (!IsShowing())
        return;
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetFont("menuHighlighted");
    display.SetBox(0, noticeTop, 1024, noticeHeight);
    display.SetHAlign(HorizontalAlignment::centre);
    display.SetVAlign(VerticalAlignment::top);
    display.DrawText(TextDisplay::EscapeMarkup(text));
    display.Reset();
}
