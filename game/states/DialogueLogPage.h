#pragma once

// The page of the in-game menu that lists the lines spoken so far
// (DialogueLog), seven at a time, newest at the bottom: each row is its
// speaker and the line, in at most two lines of the page. A row clicked (or chosen
// with the arrow keys and Enter) plays its recording again; "Frühere" and
// "Spätere" turn to older and newer lines.

#include "MenuList.h"

#include <cstddef>

class DialogueLogPage {
public:
    static constexpr int rows = 7;
    // The ids of the page's items; the rows count up from firstRowId.
    static constexpr int idBack = 0;
    static constexpr int idEarlier = 20;
    static constexpr int idLater = 21;
    static constexpr int firstRowId = 100;

    // Shows the newest lines.
    void Open(MenuList& menuList);
    // Fills the list for the lines shown now.
    void Build(MenuList& menuList) const;
    // The hovered item activated: true when it was "Zurück".
    bool OnClick(MenuList& menuList);
    // The page is left: a replay ends.
    void Close();

    // The index in the log of the newest line shown.
    std::size_t GetNewestShown() const { return newestShown; }

private:
    // Lines above the newest shown are newer ones; the index is one past it.
    std::size_t newestShown = 0;
};
