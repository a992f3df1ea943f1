// credits.txt scrolls by in the main menu and at the game's end, a line at
// a time with markup: whatever the bytes, the text is read, laid out and
// drawn at every scroll position without a crash, and the credits end.

#include "FuzzFolder.h"
#include "FuzzFont.h"
#include "SharedMenus.h"
#include "app/Singleton.h"
#include "graphics/TextDisplay.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("data/credits.txt", data, size);
    TextDisplay& display = TextDisplay::GetInstance();
    display.RegisterFont("creditsSmall", MakeFuzzFont(10));
    display.RegisterFont("creditsBig", MakeFuzzFont(24));
    SharedMenus& menus = SharedMenus::GetInstance();
    menus.StartCredits();
    // A few seconds a frame: a screen or so of lines moves by each time.
    int frames = 0;
    for (; frames < 2000 && !menus.UpdateCredits(4.0f); ++frames)
        menus.DrawCredits();
    if (frames == 2000 && !menus.UpdateCredits(1.0e6f))
        std::abort(); // credits that never end
    SingletonRegistry::DestroyAll();
    return 0;
}
