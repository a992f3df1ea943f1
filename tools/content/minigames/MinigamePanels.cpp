#include "minigames/MinigamePanels.h"

namespace content::minigames {

Picture DrawMinigamePanel(int width, int height)
{
    constexpr double inset = 6.0;
    Picture picture(width, height);
    cairo_t* cairo = picture.Cairo();
    RoundedRectangle(cairo, inset, inset, width - 2 * inset, height - 2 * inset, 36.0);
    SetVerticalGradient(cairo, inset, height - inset, colour::night, colour::nightDeep, 0.78);
    cairo_fill_preserve(cairo);
    SetColour(cairo, colour::orangeLight, 0.85);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    return picture;
}

bool AddMinigamePanels(SpriteFolder& folder)
{
    bool written = folder.AddStatic("panel", DrawMinigamePanel(880, 500));
    written = folder.AddStatic("panel_small", DrawMinigamePanel(340, 160)) && written;
    return folder.AddStatic("panel_message", DrawMinigamePanel(680, 110)) && written;
}

} // namespace content::minigames
