#include "DialogueLogPage.h"

#include "MenuSound.h"
#include "adventure/DialogueLog.h"
#include "graphics/TextDisplay.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <string>

namespace {

constexpr int rowsTop = 112;
// Room for two lines of the small menu font.
constexpr int rowHeight = 70;
constexpr int rowCentreX = 512;
// A row is cut to two lines of its 800-pixel box; words do not fill a line
// to the last pixel, so a little less counts.
constexpr int rowWidth = 2 * 740;
constexpr int backX = 137;
constexpr int backY = 694;
constexpr int earlierX = 640;
constexpr int laterX = 860;
constexpr int turnY = 630;

// The line as plain text: tags dropped (a line break becomes a space),
// spaces single.
std::string WithoutMarkup(const std::string& text)
{
    std::string plain;
    bool inTag = false;
    const auto add = [&plain](char character) {
        if (character != ' ' || (!plain.empty() && plain.back() != ' '))
            plain += character;
    };
    for (const char character : text) {
        if (character == '<') {
            inTag = true;
        } else if (character == '>' && inTag) {
            inTag = false;
            add(' ');
        } else if (!inTag) {
            add(character);
        }
    }
    if (!plain.empty() && plain.back() == ' ')
        plain.pop_back();
    return plain;
}

// "Speaker: line", cut at a word so that it fits the row's two lines.
std::string RowText(const DialogueLog::Line& line)
{
    std::string text = line.speaker + ": " + WithoutMarkup(line.text);
    const auto width = TextDisplay::GetWidthFunction("menuSmall");
    if (width && width(text) > rowWidth) {
        const std::string ellipsis = " ...";
        while (!text.empty() && width(text + ellipsis) > rowWidth) {
            const std::size_t space = text.find_last_of(' ');
            text.erase(space == std::string::npos || space == 0 ? text.size() - 1 : space);
        }
        text += ellipsis;
    }
    return TextDisplay::EscapeMarkup(text);
}

} // namespace

void DialogueLogPage::Open(MenuList& menuList)
{
    newestShown = DialogueLog::GetInstance().GetLines().size();
    Build(menuList);
}

void DialogueLogPage::Build(MenuList& menuList) const
{
    menuList.Clear();
    const auto& lines = DialogueLog::GetInstance().GetLines();
    const std::size_t first = newestShown > static_cast<std::size_t>(rows) ? newestShown - rows : 0;
    if (lines.empty())
        menuList.AddLabel("Bisher wurde noch nichts gesagt.", rowCentreX, rowsTop, true);
    for (std::size_t index = first; index < newestShown && index < lines.size(); ++index)
        menuList.AddButton(RowText(lines[index]), rowCentreX, rowsTop + rowHeight * static_cast<int>(index - first),
                           firstRowId + static_cast<int>(index - first), true);
    if (first > 0)
        menuList.AddButton("Fr\xFC" "here", earlierX, turnY, idEarlier, true);
    if (newestShown < lines.size())
        menuList.AddButton("Sp\xE4" "tere", laterX, turnY, idLater, true);
    menuList.AddButton("Zur\xFC" "ck", backX, backY, idBack);
}

bool DialogueLogPage::OnClick(MenuList& menuList)
{
    const int id = menuList.GetHoveredId();
    const std::size_t count = DialogueLog::GetInstance().GetLines().size();
    switch (id) {
    case idBack:
        MenuSound::Click();
        Close();
        return true;
    case idEarlier:
        MenuSound::Click();
        newestShown = std::max<std::size_t>(newestShown - std::min<std::size_t>(newestShown, rows), rows);
        Build(menuList);
        menuList.SetHoveredId(idEarlier);
        return false;
    case idLater:
        MenuSound::Click();
        newestShown = std::min(newestShown + rows, count);
        Build(menuList);
        menuList.SetHoveredId(idLater);
        return false;
    default:
        break;
    }
    if (id >= firstRowId && id < firstRowId + rows) {
        const std::size_t first = newestShown > static_cast<std::size_t>(rows) ? newestShown - rows : 0;
        DialogueLog::GetInstance().Replay(first + static_cast<std::size_t>(id - firstRowId));
    }
    return false;
}

void DialogueLogPage::Close()
{
    DialogueLog::GetInstance().StopReplay();
}
