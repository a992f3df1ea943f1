#include "RockoTaxi.h"

#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

namespace content::rooms {

namespace {

void Body(cairo_t* cairo)
{
    RoundedRectangle(cairo, -80.0, -32.0, 160.0, 64.0, 20.0);
}

// The canopy's glass; parked, Rocko's seat and the fuzzy dice show behind
// it with a glare across; crashed, a crack runs over it.
void Canopy(cairo_t* cairo, TaxiState state)
{
    RoundedRectangle(cairo, -42.0, -26.0, 80.0, 22.0, 8.0);
    FillOutlined(cairo, 0xDDF6F2, colour::tealLight, 2.0);
    if (state == TaxiState::crashed) {
        for (const double dx : {10.0, 18.0}) {
            RoundedRectangle(cairo, dx, -14.0, 6.0, 6.0, 1.5);
            FillOutlined(cairo, tone::white, colour::cream, 1.0);
        }
        cairo_move_to(cairo, -30.0, -24.0);
        cairo_line_to(cairo, -18.0, -15.0);
        cairo_line_to(cairo, -24.0, -10.0);
        cairo_line_to(cairo, -8.0, -6.0);
        cairo_move_to(cairo, -18.0, -15.0);
        cairo_line_to(cairo, -4.0, -22.0);
        StrokeOutline(cairo, 1.5);
        return;
    }
    RoundedRectangle(cairo, -34.0, -22.0, 14.0, 18.0, 5.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 1.5);
    cairo_move_to(cairo, 14.0, -26.0);
    cairo_line_to(cairo, 14.0, -18.0);
    StrokeOutline(cairo, 1.0);
    for (const double dx : {10.0, 16.0}) {
        RoundedRectangle(cairo, dx, -18.0, 6.0, 6.0, 1.5);
        FillOutlined(cairo, tone::white, colour::cream, 1.0);
    }
    cairo_move_to(cairo, -24.0, -24.0);
    cairo_line_to(cairo, -30.0, -8.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::white, 0.7);
    cairo_stroke(cairo);
}

} // namespace

void DrawRockoTaxiBody(cairo_t* cairo, TaxiState state)
{
    const bool crashed = state == TaxiState::crashed;
    // The nozzle at the back: cold, or sooty after the crash.
    RoundedRectangle(cairo, -90.0, -14.0, 20.0, 28.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    Ellipse(cairo, -90.0, 0.0, 4.0, 10.0);
    FillPlain(cairo, colour::outline, crashed ? 0.9 : 0.8);
    // The roof cannon and the roof light.
    RoundedRectangle(cairo, -6.0, -50.0, 70.0, 13.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    RoundedRectangle(cairo, -16.0, -42.0, 30.0, 14.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    cairo_save(cairo);
    if (crashed) {
        cairo_translate(cairo, -45.0, -38.0);
        cairo_rotate(cairo, -0.3);
        cairo_translate(cairo, 0.0, -1.0);
    } else {
        cairo_translate(cairo, -45.0, -39.0);
    }
    RoundedRectangle(cairo, -17.0, -7.0, 34.0, 14.0, 5.0);
    FillOutlined(cairo, colour::cream, tone::taxiLight, 2.0);
    DrawArtText(cairo, "TAXI", 0.0, 3.5, 8.0, colour::orange);
    cairo_restore(cairo);
    // The body with its checkered band and the shade along its belly.
    Body(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi);
    cairo_save(cairo);
    Body(cairo);
    cairo_clip(cairo);
    for (int column = 0; column < 16; ++column)
        for (int row = 0; row < 2; ++row)
            if ((column + row) % 2 == 0)
                cairo_rectangle(cairo, -80.0 + 10.0 * column, 2.0 + 5.0 * row, 10.0, 5.0);
    FillPlain(cairo, colour::outline);
    cairo_rectangle(cairo, -80.0, 20.0, 160.0, 14.0);
    FillPlain(cairo, tone::taxi, 0.8);
    cairo_restore(cairo);
    Canopy(cairo, state);
    // The door; parked, its handle and the tank cap at the back, a patched
    // dent near the nose and the headlight; crashed, a fresh dent.
    RoundedRectangle(cairo, -30.0, -4.0, 44.0, 32.0, 6.0);
    StrokeOutline(cairo, 1.5);
    if (crashed) {
        cairo_move_to(cairo, 50.0, -30.0);
        cairo_curve_to(cairo, 58.0, -18.0, 56.0, -8.0, 66.0, -2.0);
        StrokeOutline(cairo, 2.0);
    } else {
        RoundedRectangle(cairo, 2.0, 10.0, 8.0, 3.0, 1.5);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.0);
        Circle(cairo, -60.0, -14.0, 6.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
        Circle(cairo, -60.0, -14.0, 2.0);
        FillPlain(cairo, colour::outline);
        RoundedRectangle(cairo, 40.0, -22.0, 18.0, 14.0, 3.0);
        FillOutlined(cairo, colour::stone, 0x77726A, 1.5);
        for (const double dx : {43.0, 55.0})
            for (const double dy : {-19.0, -11.0})
                ship::DrawRivet(cairo, dx, dy, 1.2);
        Ellipse(cairo, 74.0, -6.0, 5.0, 7.0);
        FillOutlined(cairo, tone::white, colour::cream, 1.5);
    }
    RoundedRectangle(cairo, 44.0, 14.0, 28.0, 10.0, 2.0);
    FillOutlined(cairo, tone::white, colour::cream, 1.5);
    DrawArtText(cairo, "WK 7", 58.0, 22.0, 7.0, colour::night);
    Body(cairo);
    StrokeOutline(cairo, 3.0);
}

void DrawRockoTaxiLeg(cairo_t* cairo, double x, double side)
{
    cairo_move_to(cairo, x, 20.0);
    cairo_line_to(cairo, x + side * 12.0, 56.0);
    StrokeBand(cairo, colour::steel, 4.0, 7.0);
    RoundedRectangle(cairo, x + (side < 0.0 ? -24.0 : 2.0), 54.0, 22.0, 6.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
}

void DrawParkedRockoTaxi(cairo_t* cairo)
{
    DrawRockoTaxiLeg(cairo, -50.0, -1.0);
    DrawRockoTaxiLeg(cairo, 44.0, 1.0);
    DrawRockoTaxiBody(cairo, TaxiState::parked);
}

} // namespace content::rooms
