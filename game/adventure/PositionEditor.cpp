#include "PositionEditor.h"

#include "Cast.h"
#include "Entity.h"
#include "Room.h"
#include "graphics/Font.h"
#include "graphics/TextDisplay.h"

#include <cmath>
#include <cstdio>

void PositionEditor::Update(bool shift, Point mousePoint, const Room* shownRoom, const Entity* player)
{
    shiftHeld = shift;
    mouse = mousePoint;
    // Another room, or none: what was dragged may be gone with the old one.
    if (shownRoom != room)
        dragged = nullptr;
    room = shownRoom;
    if (player != nullptr)
        playerPosition = Point{static_cast<int>(std::floor(player->GetPosition().x)),
                               static_cast<int>(std::floor(player->GetPosition().y))};
    if (!IsActive()) {
        dragged = nullptr;
        return;
    }
    if (dragged == nullptr)
        return;
    switch (editedPoint) {
    case editStartPosition:
        dragged->SetStartPos(mouse);
        break;
    case editActPosition:
        dragged->SetActPosition(mouse);
        break;
    default:
        dragged->SetPositionExactly(FloatPoint{static_cast<float>(mouse.x), static_cast<float>(mouse.y)});
        break;
    }
}

Entity* PositionEditor::FindHovered() const
{
    if (room == nullptr)
        return nullptr;
    // The front-most active entity of the room's group under the mouse.
    const Cast& cast = Cast::GetInstance();
    const std::string prefix = room->GetLabel() + "|";
    Entity* hovered = nullptr;
    for (const Cast::Entry& entry : cast.GetEntries()) {
        auto* entity = dynamic_cast<Entity*>(entry.object);
        if (entity == nullptr || !entity->IsActive() || entity->IsHidden() || !entry.fullName.starts_with(prefix) ||
            !entity->IsCursorOver(mouse.x, mouse.y))
            continue;
        if (hovered == nullptr || entity->GetSortDepth() > hovered->GetSortDepth())
            hovered = entity;
    }
    return hovered;
}

bool PositionEditor::OnLeftButtonDown()
{
    if (!IsActive())
        return false;
    dragged = FindHovered();
    return true;
}

bool PositionEditor::OnKey(int character)
{
    if (!IsActive() || character < '1' || character > '3')
        return false;
    editedPoint = character - '0';
    return true;
}

void PositionEditor::Draw() const
{
    if (!IsActive())
        return;
    const Font* font = TextDisplay::GetInstance().GetFont("default");
    if (font == nullptr)
        return;
    char text[96];
    std::snprintf(text, sizeof text, "x:%d y:%d  (Player X:%d Player Y:%d)", mouse.x, mouse.y, playerPosition.x,
                  playerPosition.y);
    font->DrawString(5, 5, text);
}
