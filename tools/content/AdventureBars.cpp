// The two bars of an episode: the inventory console that rises from the
// bottom edge, and the conversation bar that lowers from the top edge with
// the player's choices on it.

#include "SceneShapes.h"
#include "SharedSpriteParts.h"
#include "ShipStyle.h"

namespace content::shared {

namespace {

// The inventory bar is drawn at y 656 of the 1024 x 768 screen, so it is
// 112 pixels high; its four fields are drawn at (212 + 140 i, 669), 13
// pixels below its top. The bars' edges run along pixel rows, so they need
// no alpha map.
constexpr int barWidth = ship::screenWidth;
constexpr int barHeight = 112;
constexpr double fieldTop = 13.0; // within the bar

// The fields are slanted: a field reacts to the pointer where
// 48 <= x + 0.55 (y - 1) < 179 for 0 <= y < 75, relative to the field's
// position. This is that parallelogram, with `inset` pixels taken off every
// side, as a path; (dx, dy) moves it into the picture being drawn.
constexpr double fieldSlant = 0.55;
constexpr double fieldLeft = 48.0 + fieldSlant;
constexpr double fieldRight = 179.0 + fieldSlant;
constexpr double fieldHeight = 75.0;

void FieldPath(cairo_t* cairo, double inset, double dx, double dy)
{
    const double top = inset;
    const double bottom = fieldHeight - inset;
    cairo_new_path(cairo);
    cairo_move_to(cairo, dx + fieldLeft + inset - fieldSlant * top, dy + top);
    cairo_line_to(cairo, dx + fieldRight - inset - fieldSlant * top, dy + top);
    cairo_line_to(cairo, dx + fieldRight - inset - fieldSlant * bottom, dy + bottom);
    cairo_line_to(cairo, dx + fieldLeft + inset - fieldSlant * bottom, dy + bottom);
    cairo_close_path(cairo);
}

constexpr int fieldPictureWidth = 186;
constexpr int fieldPictureHeight = 76;

// A field: a recess in the console, lit teal when it holds an item.
Picture Field(bool holdsItem)
{
    Picture field(fieldPictureWidth, fieldPictureHeight);
    cairo_t* cairo = field.Cairo();
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FieldPath(cairo, 2.0, 0.0, 0.0);
    if (holdsItem)
        FillOutlined(cairo, colour::nightLight, colour::teal, 3.0);
    else
        FillOutlined(cairo, colour::nightDeep, colour::night, 3.0);
    FieldPath(cairo, 6.0, 0.0, 0.0);
    SetColour(cairo, holdsItem ? colour::tealLight : colour::steel, holdsItem ? 0.9 : 0.45);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    return field;
}

// The frame around the field under the pointer. The game draws it 5 pixels
// right of and 1 pixel below the field's position, so the parallelogram
// moves back by that much to sit on the field. Inset by 4.5 pixels, the
// frame's top edge stays inside the picture's first row.
Picture FieldSelection()
{
    Picture selection(fieldPictureWidth, fieldPictureHeight);
    cairo_t* cairo = selection.Cairo();
    FieldPath(cairo, 4.5, -5.0, -1.0);
    ship::StrokeLitFrame(cairo);
    return selection;
}

// The scroll arrows fill the 55 x 30 boxes the game reacts to: the left one
// at (102, 707) of the screen, the right one at (869, 678). They are drawn
// on the bar at rest, and drawn again lit while the pointer is on them.
constexpr int arrowWidth = 55;
constexpr int arrowHeight = 30;

void DrawArrowButton(cairo_t* cairo, double x, double y, bool pointsLeft, bool lit)
{
    const double shift = fieldSlant * (arrowHeight - 3.0);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    cairo_move_to(cairo, x + 1.5 + shift, y + 1.5);
    cairo_line_to(cairo, x + arrowWidth - 1.5, y + 1.5);
    cairo_line_to(cairo, x + arrowWidth - 1.5 - shift, y + arrowHeight - 1.5);
    cairo_line_to(cairo, x + 1.5, y + arrowHeight - 1.5);
    cairo_close_path(cairo);
    if (lit)
        FillOutlined(cairo, colour::orangeLight, colour::orange, 3.0);
    else
        FillOutlined(cairo, colour::nightLight, colour::night, 3.0);
    const double centreX = x + arrowWidth / 2.0;
    const double centreY = y + arrowHeight / 2.0;
    cairo_new_path(cairo);
    Arrowhead(cairo, centreX, centreY, pointsLeft ? -1.0 : 1.0, 9.0, 6.0, 8.0);
    FillOutlined(cairo, lit ? colour::cream : colour::tealLight, lit ? colour::orangeLight : colour::teal, 2.5);
}

constexpr double leftArrowX = 102.0;
constexpr double leftArrowY = 707.0 - 656.0; // within the bar
constexpr double rightArrowX = 869.0;
constexpr double rightArrowY = 678.0 - 656.0;

Picture LitArrow(bool pointsLeft)
{
    Picture arrow(arrowWidth, arrowHeight);
    DrawArrowButton(arrow.Cairo(), 0.0, 0.0, pointsLeft, true);
    return arrow;
}

Picture InventoryBar()
{
    Picture bar(barWidth, barHeight);
    cairo_t* cairo = bar.Cairo();
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    RoundedRectangle(cairo, -20.0, 4.5, barWidth + 40.0, barHeight + 30.0, 24.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 3.0);
    // The slanted tray the fields sit in, its ends following the fields' slant.
    const double trayTop = fieldTop - 5.0;
    const double trayBottom = fieldTop + fieldHeight + 5.0;
    const double trayLeft = 212.0 + fieldLeft - 14.0;
    const double trayRight = 212.0 + 3 * 140.0 + fieldRight + 14.0;
    cairo_new_path(cairo);
    cairo_move_to(cairo, trayLeft - fieldSlant * (trayTop - fieldTop), trayTop);
    cairo_line_to(cairo, trayRight - fieldSlant * (trayTop - fieldTop), trayTop);
    cairo_line_to(cairo, trayRight - fieldSlant * (trayBottom - fieldTop), trayBottom);
    cairo_line_to(cairo, trayLeft - fieldSlant * (trayBottom - fieldTop), trayBottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::night, colour::nightDeep, 3.0);
    // An orange stripe low on the console, rivets along the top.
    cairo_new_path(cairo);
    cairo_rectangle(cairo, -4.0, 100.0, barWidth + 8.0, 6.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    ship::DrawRivetRow(cairo, 30.0, 14.0, 170.0, 14.0, 4);
    ship::DrawRivetRow(cairo, 850.0, 14.0, 994.0, 14.0, 4);
    ship::DrawPorthole(cairo, 48.0, 60.0, 24.0);
    ship::DrawPorthole(cairo, 976.0, 60.0, 24.0);
    DrawArrowButton(cairo, leftArrowX, leftArrowY, true, false);
    DrawArrowButton(cairo, rightArrowX, rightArrowY, false, false);
    ship::MakeEdgesHard(bar);
    return bar;
}

// The conversation bar lowers from the top edge to y 0; the player's choices
// are written on it centred on x 512, one line of 15 pixels each, around
// y 59. The middle is calm glass wide enough for long lines.
Picture ConversationBar()
{
    constexpr int width = ship::screenWidth;
    constexpr int height = 128;
    Picture bar(width, height);
    cairo_t* cairo = bar.Cairo();
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cairo);
    RoundedRectangle(cairo, -20.0, -30.5, width + 40.0, 154.0, 26.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 3.0);
    cairo_new_path(cairo);
    cairo_rectangle(cairo, -4.0, 116.0, width + 8.0, 5.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    cairo_new_path(cairo);
    RoundedRectangle(cairo, 130.0, 2.0, width - 260.0, 112.0, 16.0);
    ship::FillGlass(cairo, 0.85);
    for (const double x : {66.0, static_cast<double>(width) - 66.0}) {
        ship::DrawPorthole(cairo, x, 54.0, 34.0);
        ship::DrawRivetRow(cairo, x - 44.0, 104.0, x + 44.0, 104.0, 2);
    }
    ship::MakeEdgesHard(bar);
    return bar;
}

} // namespace

bool WriteAdventureBars(SpriteFolder& output)
{
    output.Comment("Inventarleiste mit Feldern und Pfeilen, dazu die Dialogleiste");
    return output.AddStatic("inventar", InventoryBar()) && output.AddStatic("inventar_field", Field(true)) &&
           output.AddStatic("inventar_field_empty", Field(false)) &&
           output.AddStatic("inventar_field_selection", FieldSelection()) &&
           output.AddStatic("inventar_arrow_left", LitArrow(true)) &&
           output.AddStatic("inventar_arrow_right", LitArrow(false)) &&
           output.AddStatic("conversation_bar", ConversationBar());
}

} // namespace content::shared
