#include "Drawings.h"

#include <cmath>

namespace assets {
namespace {

constexpr int kSize = 256;
constexpr float kCentre = kSize / 2.0f;
constexpr float kBezelRadius = 112;
constexpr float kDomeRadius = 94;

void DrawShadow(Canvas& canvas) {
    canvas.Fill(Circle(kCentre, kCentre + 7, kBezelRadius - 4), Hex(0x000000, 0.55f), 16);
}

// A polished metal ring, lit from above, with a groove where the cap sits.
void DrawBezel(Canvas& canvas) {
    const Shape outer = Circle(kCentre, kCentre, kBezelRadius);
    canvas.Fill(outer,
                LinearGradient(0, kCentre - kBezelRadius, 0, kCentre + kBezelRadius,
                               {Hex(0xF7F7F7), Hex(0xC9CCD0), Hex(0x8A8E94), Hex(0x55585D)}));
    // Brushed sheen: a faint sweep across the ring.
    canvas.Fill(outer,
                LinearGradient(kCentre - kBezelRadius, 0, kCentre + kBezelRadius, 0,
                               {Hex(0xFFFFFF, 0.0f), Hex(0xFFFFFF, 0.25f), Hex(0xFFFFFF, 0.0f),
                                Hex(0xFFFFFF, 0.18f), Hex(0xFFFFFF, 0.0f)}));
    canvas.Fill(Ring(kCentre, kCentre, kBezelRadius - 0.5f, 1.0f), Hex(0x2A2C30, 0.8f));
    // The groove: dark at the top (in shade), catching light at the bottom.
    canvas.Fill(Circle(kCentre, kCentre, kDomeRadius + 6),
                LinearGradient(0, kCentre - kDomeRadius, 0, kCentre + kDomeRadius,
                               {Hex(0x2B2D31), Hex(0x55585E), Hex(0xB9BDC3)}));
}

// The cap: a dome of `colour` lit from the upper left. `depth` scales its shading: light
// colours need less to look as round as dark ones.
void DrawDome(Canvas& canvas, const Colour& colour, float glossiness, float depth) {
    const Shape dome = Circle(kCentre, kCentre, kDomeRadius);
    canvas.Fill(dome, RadialGradient(kCentre - 30, kCentre - 38, kDomeRadius * 1.75f,
                                     {Shade(colour, 0.30f), colour, Shade(colour, -0.30f * depth),
                                      Shade(colour, -0.55f * depth)}));
    // Darkening towards the rim gives the dome its curve.
    canvas.Fill(dome, RadialGradient(kCentre, kCentre, kDomeRadius,
                                     {Hex(0x000000, 0.0f), Hex(0x000000, 0.0f),
                                      Hex(0x000000, 0.05f * depth), Hex(0x000000, 0.38f * depth)}));
    // Light bouncing back up from below.
    canvas.Fill(Intersect(dome, Ellipse(kCentre, kCentre + 70, 64, 26)),
                Shade(colour, 0.45f).WithAlpha(0.35f * glossiness), 14);
    // The window reflection on the upper half, fading downwards.
    canvas.Fill(Intersect(dome, Ellipse(kCentre, kCentre - 44, 66, 40)),
                LinearGradient(0, kCentre - 84, 0, kCentre - 4,
                               {Hex(0xFFFFFF, 0.80f * glossiness), Hex(0xFFFFFF, 0.0f)}),
                2);
    canvas.Fill(Ellipse(kCentre - 36, kCentre - 56, 11, 6), Hex(0xFFFFFF, 0.7f * glossiness), 5);
}

// Shallow golf-ball dimples over the cap: each is darker on its upper side and lit on its lower.
void DrawDimples(Canvas& canvas) {
    constexpr float kPitch = 21;
    constexpr float kDimpleRadius = 7.5f;
    const float rowHeight = kPitch * std::sqrt(3.0f) / 2;
    for (int row = -6; row <= 6; ++row) {
        for (int column = -6; column <= 6; ++column) {
            const float x =
                kCentre + (static_cast<float>(column) + (row % 2 ? 0.5f : 0.0f)) * kPitch;
            const float y = kCentre + static_cast<float>(row) * rowHeight;
            const float fromCentre = std::hypot(x - kCentre, y - kCentre);
            if (fromCentre > kDomeRadius - 10) {
                continue;
            }
            // Dimples near the rim are seen at an angle: flatter and fainter.
            const float tilt = 1 - 0.5f * fromCentre / kDomeRadius;
            const float strength = 0.22f * tilt;
            const Bounds near{x - 12, y - 12, x + 12, y + 12};
            canvas.Fill(Circle(x, y, kDimpleRadius),
                        LinearGradient(0, y - kDimpleRadius, 0, y + kDimpleRadius,
                                       {Hex(0x000000, strength), Hex(0x000000, 0.0f),
                                        Hex(0xFFFFFF, strength)}),
                        1.5f, near);
        }
    }
}

struct Cap {
    Colour colour;
    float glossiness = 1;
    float depth = 1;
    bool dimpled = false;
};

Canvas Button(const Cap& cap) {
    Canvas canvas(kSize, kSize);
    DrawShadow(canvas);
    DrawBezel(canvas);
    DrawDome(canvas, cap.colour, cap.glossiness, cap.depth);
    if (cap.dimpled) {
        DrawDimples(canvas);
    }
    return canvas;
}

}  // namespace

std::vector<Drawing> ButtonDrawings() {
    return {
        // The default: a pearl-white cap with golf-ball dimples.
        {"button.png",
         [] {
             return Button({Hex(0xF7F7F3), 0.7f, 0.45f, true});
         }},
        {"Black-Button.png", [] { return Button({Hex(0x232427)}); }},
        {"Blue-Button.png", [] { return Button({Hex(0x1E5FD8)}); }},
        {"Dark-Green-Button.png", [] { return Button({Hex(0x0E5A2C)}); }},
        {"Red-Button.png", [] { return Button({Hex(0xD21F2B)}); }},
        {"Yellow-Button.png",
         [] {
             return Button({Hex(0xF6C51B), 0.9f, 0.8f});
         }},
    };
}

}  // namespace assets
