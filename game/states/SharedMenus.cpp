#include "SharedMenus.h"

#include "GameParameters.h"
#include "HighscoreManager.h"
#include "MainProgram.h"
#include "MenuList.h"
#include "MenuSound.h"
#include "SavegameCheck.h"
#include "app/Debug.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "graphics/BmpLoader.h"
#include "graphics/DirectDraw.h"
#include "graphics/SpeechBubbleDisplay.h"
#include "graphics/SpriteManager.h"
#include "graphics/SurfaceSprite.h"
#include "graphics/TextDisplay.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int backId = 0;
constexpr int backX = 137;
constexpr int backY = 694;

constexpr float pictureDepth = 0.5f;
constexpr float markerDepth = 0.6f;
// The credits masks cover the scrolling text at the text's own depth, drawn
// after it; the page's "Zurück", drawn later still, stays above them.
constexpr float maskDepth = 0.9f;

// The savegame browser.
constexpr int yesId = 6;
constexpr int noId = 7;

// The options page's items.
constexpr int depthId = 9;
constexpr int difficultyId = 11;
constexpr int speechBubbleId = 12;
constexpr int lightMappingId = 13;
// The volume of group g is the item g + 1; the page lists ambience, effects,
// speech and music from the top.
constexpr int firstVolumeId = 1;
constexpr std::array<int, soundGroupCount> volumeRows = {4, 2, 3, 1};
constexpr int optionsX = 798;
constexpr int optionsWidth = 126;
// The in-game page stands its volumes this much higher.
constexpr int inGameVolumeShift = 43;

// The highscore page.
constexpr int minigameChoiceId = 5;
constexpr int catapult = 2;
// The name being typed may be this wide in the font "menu".
constexpr int nameFieldWidth = 180;

// The credits.
constexpr const char* creditsFile = "data\\credits.txt";
constexpr std::size_t creditsLineLength = 999;
constexpr float creditsStart = 800.0f;
constexpr float creditsLineStep = 60.0f;
constexpr float creditsSpeed = 70.0f;

// The name of a highscore whose name entry ended empty.
constexpr const char* unnamedPlayer = "Spieler";

// Slot 0 to 8 of the browser is the player's slot 1 to 9.
std::string SlotFile(int slot, const char* extension)
{
    return MainProgram::SlotFile(slot + 1, extension);
}

std::string SlotSpriteLabel(int slot)
{
    return "savegame_sprite" + std::to_string(slot + 1);
}

int CellX(int slot)
{
    return 60 + 324 * (slot % 3);
}

int CellY(int slot)
{
    return 90 + 200 * (slot / 3);
}

void DrawTopLeft(const std::string& label, int x, int y, float z)
{
    if (Sprite* sprite = SpriteManager::GetInstance().GetSpriteIfDescribed(label))
        sprite->DrawTopLeft(x, y, 0, z);
}

void DrawInBox(const std::string& font, const std::string& text, int x, int y, int width, int height,
               HorizontalAlignment alignment)
{
    TextDisplay& display = TextDisplay::GetInstance();
    display.SetFont(font);
    display.SetBox(x, y, width, height);
    display.SetHAlign(alignment);
    display.DrawText(text);
}

MenuList::Options VolumeOptions()
{
    MenuList::Options options = {{0, "aus"}};
    for (int percent = 5; percent <= 100; percent += 5) {
        char text[16];
        std::snprintf(text, sizeof(text), "%d %%", percent);
        options.emplace_back(percent, text);
    }
    return options;
}

// A volume of 0.0 to 1.0 as the page offers it: percent in steps of five.
int VolumeChoice(float volume)
{
    return std::clamp(static_cast<int>(std::lround(volume * 20.0f)), 0, 20) * 5;
}

} // namespace

// --- Savegame browser ---

void SharedMenus::InitSavegameBrowser(MenuList& menuList, const Image* picture, bool saving)
{
    list = &menuList;
    screenshot = picture;
    saveMode = saving;
    questionSlot = -1;
    ReadSlots();
    ShowGrid(menuList);
}

void SharedMenus::ReadSlots()
{
    for (int slot = 0; slot < slotCount; ++slot) {
        Slot& entry = slots[static_cast<std::size_t>(slot)];
        entry = Slot{};
        if (!File::ExistsOnDisk(SlotFile(slot, "dat").c_str()))
            continue;
        entry.used = true;
        SavegameCheck::Header header;
        std::string fault;
        entry.usable = SavegameCheck::CheckSlot(slot + 1, header, fault);
        entry.title = std::move(header.title);
        entry.date = std::move(header.date);
    }
}

bool SharedMenus::IsSlotSelectable(int slot) const
{
    // A damaged savegame cannot be loaded, but may be saved over.
    return slot >= 0 && slot < slotCount && (saveMode || slots[static_cast<std::size_t>(slot)].usable);
}

void SharedMenus::ShowGrid(MenuList& menuList)
{
    browserPage = BrowserPage::grid;
    menuList.Clear();
    menuList.AddButton("Zurück"_w1252, backX, backY, backId);
    for (int row = 0; row < 3; ++row) {
        std::vector<int> group;
        for (int column = 0; column < 3; ++column) {
            const int slot = row * 3 + column;
            group.push_back(IsSlotSelectable(slot) ? firstSlotId + slot : -1);
        }
        menuList.AddNavigationGroup(group);
    }
    menuList.AddNavigationGroup({backId});
    if (menuList.IsKeyboardMode() && questionSlot >= 0)
        menuList.SetHoveredId(firstSlotId + questionSlot);
}

void SharedMenus::UpdateSavegameBrowser(int pointerX, int pointerY)
{
    if (list == nullptr || browserPage != BrowserPage::grid || list->IsKeyboardMode() || list->GetHoveredId() != -1)
        return;
    const int slot = SlotAt(pointerX, pointerY);
    if (IsSlotSelectable(slot))
        list->SetHoveredId(firstSlotId + slot);
}

int SharedMenus::SlotAt(int x, int y)
{
    for (int slot = 0; slot < slotCount; ++slot) {
        const int left = CellX(slot);
        const int top = CellY(slot);
        if (x >= left && x <= left + cellWidth && y >= top && y <= top + cellHeight)
            return slot;
    }
    return -1;
}

void SharedMenus::AskAboutSlot(MenuList& menuList, int slot)
{
    browserPage = BrowserPage::question;
    questionSlot = slot;
    const char* question = !saveMode ? "Spielstand laden?"
                           : slots[static_cast<std::size_t>(slot)].used ? "Spielstand überschreiben?"_w1252
                                                                         : "Spielstand speichern?";
    const int x = CellX(slot);
    const int y = CellY(slot);
    menuList.Clear();
    menuList.AddLabel(question, x + 128, y + 22, true);
    menuList.AddButton("Ja", x + 64, y + 77, yesId, true);
    menuList.AddButton("Nein", x + 192, y + 77, noId, true);
    menuList.AddButton("Zurück"_w1252, backX, backY, backId);
    menuList.AddNavigationGroup({yesId, noId});
    menuList.AddNavigationGroup({backId});
    menuList.SetHoveredId(menuList.IsKeyboardMode() ? yesId : -1);
    MenuSound::Click();
}

// A failed save must never look like one that worked: the page says so, and
// MainProgram has logged why.
void SharedMenus::SaveIntoSlot(MenuList& menuList, int slot)
{
    MenuSound::Click();
    bool saved = false;
    if (screenshot == nullptr)
        LogError("SharedMenus::SavegameBrowserClick: No screenshot to save with the game!\n");
    else
        saved = MainProgram::GetInstance().SaveGame(slot + 1, *screenshot);
    if (saved)
        ReadSlots();
    browserPage = BrowserPage::result;
    menuList.Clear();
    menuList.AddLabel(saved ? "Spielstand wurde gespeichert." : "Spielstand konnte nicht<br>gespeichert werden.", 512,
                      344);
    menuList.AddButton("Zurück"_w1252, backX, backY, backId);
    menuList.SetHoveredId(menuList.IsKeyboardMode() ? backId : -1);
}

int SharedMenus::SavegameBrowserClick(MenuList& menuList)
{
    list = &menuList;
    const int id = menuList.GetHoveredId();
    if (id == backId)
        return 1;
    switch (browserPage) {
    case BrowserPage::grid:
        if (IsSlotSelectable(id - firstSlotId))
            AskAboutSlot(menuList, id - firstSlotId);
        break;
    case BrowserPage::question:
        if (id == noId) {
            MenuSound::Click();
            ShowGrid(menuList);
        } else if (id == yesId) {
            if (!saveMode)
                return questionSlot + 2;
            SaveIntoSlot(menuList, questionSlot);
        }
        break;
    case BrowserPage::result:
        break;
    }
    return 0;
}

// Reads the slot's picture from the disk (never from the archive) once; a
// missing or damaged one leaves the slot with the empty picture.
bool SharedMenus::ReadSlotPicture(int slot)
{
    Slot& entry = slots[static_cast<std::size_t>(slot)];
    if (entry.pictureRead)
        return entry.hasPicture;
    entry.pictureRead = true;
    SpriteManager& sprites = SpriteManager::GetInstance();
    const std::string label = SlotSpriteLabel(slot);
    sprites.UnloadSprite(label);

    const std::string name = SlotFile(slot, "bmp");
    File file;
    if (!file.OpenDirect(name.c_str(), "rb"))
        return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max(file.GetSize(), 0)));
    const int read = file.Read(bytes.data(), static_cast<int>(bytes.size()));
    file.Close();
    bytes.resize(static_cast<std::size_t>(std::max(read, 0)));
    BmpLoader::Result result = BmpLoader::Result::Loaded;
    std::unique_ptr<Image> image = BmpLoader::GetInstance().Decode(bytes, name.c_str(), result);
    if (!image)
        return false;
    if (image->GetWidth() != cellWidth || image->GetHeight() != cellHeight) {
        LogWarning("SharedMenus::DrawSavegameBrowser: The picture <%s> is not %d x %d, it is not shown\n", name.c_str(),
                   cellWidth, cellHeight);
        return false;
    }
    auto sprite = std::make_unique<SurfaceSprite>();
    if (!sprite->Create(std::move(image), cellWidth, cellHeight, 0, 0, false))
        return false;
    sprites.RegisterSprite(label, std::move(sprite));
    entry.hasPicture = true;
    return true;
}

void SharedMenus::DrawSlot(int slot, bool pictureShown)
{
    const Slot& entry = slots[static_cast<std::size_t>(slot)];
    const int x = CellX(slot);
    const int y = CellY(slot);
    if (pictureShown && entry.usable && ReadSlotPicture(slot)) {
        if (Sprite* picture = SpriteManager::GetInstance().GetSprite(SlotSpriteLabel(slot)))
            picture->DrawTopLeft(x, y, 0, pictureDepth);
    } else {
        DrawTopLeft("savegame_empty_slot", x, y, pictureDepth);
    }
    if (!pictureShown)
        return;
    TextDisplay::GetInstance().SetVAlign(VerticalAlignment::top);
    if (entry.used && !entry.usable)
        DrawInBox("menuSmall", "Spielstand<br>beschädigt"_w1252, x, y + cellHeight / 2 - 30, cellWidth, 80,
                  HorizontalAlignment::centre);
    else if (entry.used)
        DrawInBox("default", TextDisplay::EscapeMarkup(entry.title) + "<br>" + TextDisplay::EscapeMarkup(entry.date), x, y + cellHeight + 18,
                  cellWidth, 44, HorizontalAlignment::centre);
    else
        DrawInBox("menuSmall", "Leer", x, y + cellHeight / 2 - 15, cellWidth, 40, HorizontalAlignment::centre);
}

void SharedMenus::DrawSavegameBrowser()
{
    if (browserPage == BrowserPage::result)
        return;
    for (int slot = 0; slot < slotCount; ++slot) {
        // The slot being asked about carries its question on the calm empty
        // picture.
        DrawSlot(slot, browserPage == BrowserPage::grid || slot != questionSlot);
        if (browserPage == BrowserPage::grid && list != nullptr && list->GetHoveredId() == firstSlotId + slot)
            DrawTopLeft("savegame_marker", CellX(slot), CellY(slot), markerDepth);
    }
    TextDisplay::GetInstance().Reset();
}

// --- Options page ---

void SharedMenus::InitOptions(MenuList& menuList, bool inGame)
{
    list = &menuList;
    optionsInGame = inGame;
    menuList.Clear();
    menuList.AddChoice(optionsX, 292, difficultyId, {{0, "Leicht"}, {1, "Mittel"}, {2, "Schwer"}},
                       GameParameters::GetInstance().GetDifficulty(), optionsWidth);
    const MenuList::Options offOn = {{0, "Aus"}, {1, "An"}};
    menuList.AddChoice(optionsX, inGame ? 348 : 320, speechBubbleId, offOn,
                       SpeechBubbleDisplay::GetInstance().IsEnabled() ? 1 : 0, optionsWidth);
    if (!inGame) {
        const DirectDraw& display = DirectDraw::GetInstance();
        MenuList::Options depths;
        for (const int depth : {16, 24, 32}) {
            // The running depth stays on offer even when the mode list does
            // not know it, so the choice is never empty.
            if (depth == display.GetDepth() || display.HasDisplayMode(display.GetWidth(), display.GetHeight(), depth))
                depths.emplace_back(depth, std::to_string(depth) + " Bit");
        }
        menuList.AddChoice(optionsX, 392, depthId, depths, display.GetDepth(), optionsWidth);
        menuList.AddChoice(optionsX, 422, lightMappingId, offOn, GameParameters::GetInstance().IsLightMapping() ? 1 : 0,
                           optionsWidth);
    }
    const SoundEngine& sound = SoundEngine::GetInstance();
    const MenuList::Options volumes = VolumeOptions();
    const int shift = inGame ? inGameVolumeShift : 0;
    constexpr std::array<int, soundGroupCount> rowY = {490, 518, 547, 576};
    for (std::size_t row = 0; row < volumeRows.size(); ++row) {
        const int id = volumeRows[row];
        menuList.AddChoice(optionsX, rowY[row] - shift, id, volumes, VolumeChoice(sound.GetGroupVolume(id - firstVolumeId)),
                           optionsWidth);
    }
    menuList.AddButton("Zurück"_w1252, 300, 633, backId);
}

bool SharedMenus::OptionsClick(MenuList& menuList, int& depth, int& height, int& width)
{
    list = &menuList;
    SoundEngine& sound = SoundEngine::GetInstance();
    for (int group = 0; group < soundGroupCount; ++group)
        sound.SetGroupVolume(group, static_cast<float>(menuList.GetChoice(group + firstVolumeId)) * 0.01f);
    sound.UpdateVolumes();

    const DirectDraw& display = DirectDraw::GetInstance();
    depth = display.GetDepth();
    height = display.GetHeight();
    width = display.GetWidth();
    if (menuList.GetHoveredId() != backId)
        return false;
    if (!optionsInGame) {
        depth = menuList.GetChoice(depthId);
        GameParameters& parameters = GameParameters::GetInstance();
        parameters.SetDifficulty(menuList.GetChoice(difficultyId));
        parameters.SetLightMapping(menuList.GetChoice(lightMappingId) != 0);
    }
    SpeechBubbleDisplay::GetInstance().SetEnabled(menuList.GetChoice(speechBubbleId) != 0);
    return true;
}

// --- Highscores ---

void SharedMenus::InitHighscores(MenuList& menuList, int minigame, int yOffset, bool afterEntry)
{
    list = &menuList;
    highscoreMinigame = minigame;
    highscoreYOffset = yOffset;
    menuList.Clear();
    menuList.AddLabel("Highscores", 512, yOffset + 120);
    if (minigame < 0) {
        menuList.AddChoice(417, yOffset + 237, minigameChoiceId,
                           {{0, "Tanzduell"}, {1, "Taxi Shooter"}, {2, "Ritterweitwurf"}, {3, "Alien Shooter"}}, 0, 212);
        menuList.AddButton("Zurück"_w1252, 325, yOffset + 634, backId);
    } else {
        menuList.AddButton(afterEntry ? "Weiter" : "Zurück"_w1252, 512, yOffset + 530, backId);
    }
}

std::string SharedMenus::FormatScore(int minigame, int score)
{
    char text[32];
    if (minigame == catapult) {
        const long long hundredths = std::llabs(static_cast<long long>(score));
        std::snprintf(text, sizeof(text), "%s%lld,%02lld", score < 0 ? "-" : "", hundredths / 100, hundredths % 100);
    } else {
        std::snprintf(text, sizeof(text), "%d", score);
    }
    return text;
}

void SharedMenus::DrawHighscores()
{
    const bool browsing = highscoreMinigame < 0;
    const int minigame = browsing ? (list != nullptr ? list->GetChoice(minigameChoiceId) : -1) : highscoreMinigame;
    if (minigame < 0)
        return;
    const HighscoreTable& table = HighscoreManager::GetInstance().GetTable(minigame);
    TextDisplay::GetInstance().SetVAlign(VerticalAlignment::middle);
    for (int row = 0; row < table.GetCapacity(); ++row) {
        int y = 0;
        int nameX = 0;
        int scoreX = 0;
        if (browsing) {
            y = highscoreYOffset + 286 + 30 * row;
            scoreX = 504 - 16 * row;
            nameX = scoreX - 84;
        } else {
            y = highscoreYOffset + 180 + 30 * row;
            nameX = 370;
            scoreX = 454;
        }
        DrawInBox("menuSmallHighlighted", TextDisplay::EscapeMarkup(table.GetName(row)), nameX, y, 1024, 200,
                  HorizontalAlignment::left);
        DrawInBox("menuSmallHighlighted", FormatScore(minigame, table.GetScore(row)), scoreX, y, 200, 200,
                  HorizontalAlignment::right);
    }
    TextDisplay::GetInstance().Reset();
}

void SharedMenus::StartNameEntry(MenuList& menuList, int minigame, int score, int yOffset)
{
    list = &menuList;
    highscoreMinigame = minigame;
    highscoreYOffset = yOffset;
    menuList.Clear();
    menuList.AddLabel("Highscores", 512, yOffset + 120);
    nameInput = std::make_unique<TextInput>(TextDisplay::GetWidthFunction("menu"), nameFieldWidth);
    HighscoreTable& table = HighscoreManager::GetInstance().GetTable(minigame);
    entryPosition = table.Insert("", score);
    if (entryPosition >= table.GetCapacity()) {
        LogWarning("SharedMenus::StartNameEntry: Score %d does not enter table %d\n", score, minigame);
        entryPosition = -1;
    }
}

bool SharedMenus::UpdateNameEntry(float seconds)
{
    if (!nameInput)
        return false;
    const bool finished = nameInput->Update(seconds);
    if (!finished) {
        if (entryPosition >= 0)
            HighscoreManager::GetInstance().GetTable(highscoreMinigame).SetName(entryPosition, nameInput->GetText());
        return false;
    }
    EndNameEntry();
    return true;
}

void SharedMenus::EndNameEntry()
{
    if (!nameInput)
        return;
    if (entryPosition >= 0) {
        // A row needs a name: one left empty is the player's.
        const std::string& typed = nameInput->GetEnteredText();
        HighscoreManager::GetInstance().GetTable(highscoreMinigame).SetName(entryPosition,
                                                                          typed.empty() ? unnamedPlayer : typed);
        HighscoreManager::GetInstance().Save();
    }
    nameInput.reset();
    entryPosition = -1;
}

bool SharedMenus::HighscoresDone()
{
    return list != nullptr && list->GetHoveredId() == backId;
}

// --- Credits ---

void SharedMenus::StartCredits()
{
    creditsScroll = 0.0f;
    creditsLines.clear();
    File file;
    if (!file.Open(creditsFile, "r")) {
        LogError("LoadCreditsText::LoadCreditsText: Failed to open <%s>!\n", creditsFile);
    } else {
        std::string line;
        while (file.ReadLine(line, creditsLineLength))
            creditsLines.push_back(line);
    }
    // The last line has left the screen's bottom edge by then.
    creditsEnd = creditsStart + creditsLineStep * static_cast<float>(creditsLines.size());
}

bool SharedMenus::UpdateCredits(float seconds)
{
    creditsScroll += creditsSpeed * seconds;
    return creditsScroll >= creditsEnd;
}

void SharedMenus::DrawCredits()
{
    TextDisplay::GetInstance().SetVAlign(VerticalAlignment::top);
    for (std::size_t index = 0; index < creditsLines.size(); ++index) {
        const int y = static_cast<int>(creditsStart - creditsScroll + creditsLineStep * static_cast<float>(index));
        if (y > static_cast<int>(creditsStart))
            break;
        const std::string& line = creditsLines[index];
        if (y < -100 || line.empty())
            continue;
        if (line.front() == '{')
            DrawInBox("creditsBig", line.substr(1), 100, y - 10, 824, 80, HorizontalAlignment::centre);
        else
            DrawInBox("creditsSmall", line, 100, y, 824, 80, HorizontalAlignment::centre);
    }
    TextDisplay::GetInstance().Reset();
    DrawTopLeft("credits_mask_top", 0, 0, maskDepth);
    DrawTopLeft("credits_mask_bottom", 0, 689, maskDepth);
}
