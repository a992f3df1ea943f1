#pragma once

// Smooth motion for the intro movie's shots: easing curves over a shot's
// time, the camera that frames a scene, and a steady shake.

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace content::intro {

inline double Clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

// How far `seconds` has come from `from` to `to`, 0 to 1.
inline double Progress(double seconds, double from, double to)
{
    return Clamp01((seconds - from) / (to - from));
}

inline double Lerp(double from, double to, double amount)
{
    return from + (to - from) * amount;
}

// Slow at both ends (smoothstep).
inline double EaseInOut(double amount)
{
    const double t = Clamp01(amount);
    return t * t * (3.0 - 2.0 * t);
}

// Quick at first, settling at the end.
inline double EaseOut(double amount)
{
    const double t = 1.0 - Clamp01(amount);
    return 1.0 - t * t * t;
}

// Slow at first, quick at the end.
inline double EaseIn(double amount)
{
    const double t = Clamp01(amount);
    return t * t * t;
}

// A shake of up to about `amplitude` pixels: sums of sines of unrelated
// frequencies, so it looks irregular and is the same at the same time.
inline double Shake(double seconds, double amplitude, double phase)
{
    return amplitude * (0.6 * std::sin(seconds * 37.0 + phase) + 0.4 * std::sin(seconds * 23.0 + phase * 2.3));
}

// What the camera looks at: the scene point shown at the frame's centre,
// how much it is enlarged, and how far it is turned.
struct Camera {
    double x = 400.0;
    double y = 300.0;
    double zoom = 1.0;
    double angle = 0.0;

    // A camera `amount` (0 to 1) of the way from the whole frame to looking
    // at (x, y) enlarged by `zoom`.
    static Camera Towards(double amount, double toX, double toY, double toZoom)
    {
        return {Lerp(400.0, toX, amount), Lerp(300.0, toY, amount), Lerp(1.0, toZoom, amount), 0.0};
    }

    // Shakes the camera after a jolt at `jolt` seconds: up to `amplitude`
    // pixels, dying away by the factor e every 1 / `decay` seconds.
    void Jolt(double seconds, double jolt, double amplitude, double decay)
    {
        if (seconds < jolt)
            return;
        const double left = amplitude * std::exp(-(seconds - jolt) * decay);
        x += Shake(seconds, left, 0.4);
        y += Shake(seconds, left * 0.8, 1.8);
    }

    // Sets the user space so that scene coordinates are drawn through the
    // camera; undone by cairo_restore.
    void Apply(cairo_t* cairo) const
    {
        cairo_save(cairo);
        cairo_translate(cairo, 400.0, 300.0);
        cairo_rotate(cairo, angle);
        cairo_scale(cairo, zoom, zoom);
        cairo_translate(cairo, -x, -y);
    }
};

} // namespace content::intro
