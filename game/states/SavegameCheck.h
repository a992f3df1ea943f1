#pragma once

// The check a savegame passes before anything of it is applied. A savegame
// is scrambled text: its title, its date, "levelNum <level>", then one block
// per cast entry:
//
//     # ------------------------------------------------ Player
//     OBJECT START                    (or DYNAMIC OBJECT START)
//     class type: "class Character"
//     [Character] "Player"
//     {
//         "position" 10 20
//     }
//
// A savegame passes when its level is one this game plays and every block
// is whole: a quoted class, a quoted section name and its braces closed, no
// line outside a block but comments and blank lines, no control bytes. A
// file cut short or damaged therefore fails as a whole, and the game never
// applies half of it.

#include <string>

class File;

class SavegameCheck {
public:
    struct Header {
        std::string title;
        std::string date;
        int level = -1;
    };

    // Reads the whole file from its start; on success leaves it just after
    // the third line. False with the reason in `fault` otherwise.
    static bool Check(File& file, Header& header, std::string& fault);
    // Opens and checks slot 1 to 9 ("savegames\savegame<slot>.dat").
    static bool CheckSlot(int slot, Header& header, std::string& fault);
    // The levels a savegame may name: the six episodes and the minigames.
    static bool IsKnownLevel(int level);
};
