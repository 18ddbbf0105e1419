#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "Drawings.h"

namespace assets {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr float kPi = std::numbers::pi_v<float>;

// The box buttons are drawn 85 pixels wide with their top-left corners at these positions; every
// layout fits inside the panel below.
constexpr float kButtonSize = 85;
using Layout = std::vector<std::pair<float, float>>;
const Layout kTenButtons = {{1010, 445}, {1010, 265}, {1010, 100}, {860, 100}, {710, 100},
                            {560, 100},  {425, 250},  {425, 435},  {630, 495}, {800, 495}};
const Layout kTav14 = {{400, 75},  {535, 75},  {876, 75},   {1020, 75}, {400, 236},
                       {535, 236}, {876, 236}, {1020, 236}, {400, 400}, {1020, 400},
                       {696, 180}, {696, 280}, {620, 400},  {775, 400}};
const Layout kDex14 = {{420, 120}, {605, 120}, {796, 120}, {980, 120}, {500, 205},
                       {605, 306}, {786, 306}, {880, 205}, {480, 350}, {920, 350},
                       {696, 210}, {696, 375}, {575, 460}, {820, 460}};

struct Rect {
    float left;
    float top;
    float right;
    float bottom;
};
constexpr Rect kPanel = {370, 44, 1246, 614};
constexpr float kPanelRadius = 34;
// The bodies of the boxes drawn with their seats, 30 pixels around the seats of their layout.
constexpr Rect kWirelessBody = {386, 60, 1134, 620};
constexpr Rect kTav14Body = {362, 36, 1142, 524};
constexpr Rect kDex14Body = {382, 82, 1103, 584};

Shape PanelShape(const Rect& area) {
    return RoundedRect(area.left, area.top, area.right, area.bottom, kPanelRadius);
}

Bounds Around(float cx, float cy, float reach) {
    return {cx - reach, cy - reach, cx + reach, cy + reach};
}

// ---- Building blocks ----------------------------------------------------------------------

void VerticalGradient(Canvas& canvas, std::vector<Colour> stops) {
    canvas.Cover(LinearGradient(0, 0, 0, kHeight, std::move(stops)));
}

// Darkens the corners so the eye goes to the box.
void Vignette(Canvas& canvas, float strength) {
    canvas.Cover(RadialGradient(kWidth * 0.55f, kHeight * 0.48f, kWidth * 0.78f,
                                {Hex(0x000000, 0.0f), Hex(0x000000, 0.0f),
                                 Hex(0x000000, strength * 0.5f), Hex(0x000000, strength)}));
}

// Soft light: a radial glow that fades to nothing.
void Glow(Canvas& canvas, float cx, float cy, float radius, const Colour& colour) {
    canvas.Fill(
        Circle(cx, cy, radius),
        RadialGradient(cx, cy, radius,
                       {colour, colour.WithAlpha(colour.a * 0.35f), colour.WithAlpha(0.0f)}),
        1, Around(cx, cy, radius + 2));
}

// A ridge line: base height, with two waves and a little noise for a natural outline.
std::function<float(float)> Ridge(float base, float amplitude, float wavelength, float phase,
                                  std::uint32_t seed) {
    return [=](float x) {
        return base -
               amplitude * (0.6f * std::sin(x / wavelength * 2 * kPi + phase) +
                            0.4f * std::sin(x / wavelength * 4.7f + phase * 1.7f)) -
               amplitude * 0.35f * FractalNoise(x / 90, 0.5f, 3, seed);
    };
}

// A line of trees along a ridge: round crowns of varying size.
void TreeLine(Canvas& canvas, float base, float height, const Colour& colour, std::uint32_t seed,
              float from = 0, float to = kWidth) {
    const auto ground = Ridge(base, height * 0.15f, 420, 1.3f, seed);
    canvas.Fill(Below(ground), colour, 1, {from, 0, to, kHeight});
    for (float x = from - 20; x < to + 20; x += 18) {
        const float jitter = Hash(static_cast<int>(x), 7, seed);
        const float radius = height * (0.35f + 0.45f * jitter);
        const float cx = x + 8 * Hash(static_cast<int>(x), 3, seed);
        const float cy = ground(cx) - radius * 0.6f;
        canvas.Fill(Circle(cx, cy, radius), colour, 1, Around(cx, cy, radius + 2));
    }
}

// Mowing stripes on the ground, fanning out from a vanishing point above the horizon.
Paint MownGrass(const Colour& light, const Colour& dark, float vanishX, float vanishY,
                float stripes, std::uint32_t seed) {
    return [=](float x, float y) {
        const float angle = std::atan2(y - vanishY, x - vanishX);
        const float band = std::sin(angle * stripes);
        const float mix = SmoothStep(-0.08f, 0.08f, band);
        const float grain = (FractalNoise(x / 6, y / 3, 2, seed) - 0.5f) * 0.06f;
        return Shade(Mix(dark, light, mix), grain);
    };
}

// A pin on a green: the cup, the pole's shadow, the pole and a waving flag.
void Flag(Canvas& canvas, float x, float y, float height, const Colour& flag) {
    canvas.Fill(Ellipse(x, y, height * 0.07f, height * 0.022f), Hex(0x0B1A0E, 0.85f), 1.5f);
    canvas.Fill(Segment(x, y, x + height * 0.45f, y + height * 0.09f, height * 0.01f),
                Hex(0x000000, 0.25f), 3);
    canvas.Fill(Segment(x, y - height, x, y, height * 0.012f + 0.8f),
                LinearGradient(x - 2, 0, x + 2, 0, {Hex(0xFFFFFF), Hex(0xB8B8B8)}));
    const float top = y - height;
    const float length = height * 0.42f;
    std::vector<std::pair<float, float>> outline;
    for (int i = 0; i <= 16; ++i) {  // upper edge
        const float t = static_cast<float>(i) / 16;
        outline.emplace_back(x + t * length, top + std::sin(t * kPi * 1.5f) * height * 0.025f);
    }
    for (int i = 16; i >= 0; --i) {  // lower edge
        const float t = static_cast<float>(i) / 16;
        outline.emplace_back(x + t * length, top + height * 0.26f - t * height * 0.07f +
                                                 std::sin(t * kPi * 1.5f) * height * 0.025f);
    }
    canvas.Fill(Polygon(outline),
                LinearGradient(x, 0, x + length, 0,
                               {Shade(flag, -0.15f), flag, Shade(flag, 0.12f), Shade(flag, -0.2f)}),
                1, {x - 2, top - 10, x + length + 4, top + height * 0.3f + 10});
}

// The plate the buttons sit on: a drop shadow, the body, a light top edge and a fine rim. The
// default area holds every box layout; a picture of one box fits its body to that layout.
void Panel(Canvas& canvas, const Paint& body, const Colour& rim, float rimLight,
           const Rect& area = kPanel) {
    const Shape plate = PanelShape(area);
    canvas.Fill(Offset(plate, 0, 12), Hex(0x000000, 0.45f), 30);
    canvas.Fill(plate, body);
    canvas.Fill(plate, LinearGradient(0, area.top, 0, area.bottom,
                                      {Hex(0xFFFFFF, 0.07f), Hex(0xFFFFFF, 0.0f),
                                       Hex(0x000000, 0.0f), Hex(0x000000, 0.12f)}));
    canvas.Fill(Outline(plate, 1.2f),
                LinearGradient(0, area.top, 0, area.bottom,
                               {Hex(0xFFFFFF, rimLight), rim.WithAlpha(rim.a * 0.6f), rim}));
    const Shape inner = RoundedRect(area.left + 10, area.top + 10, area.right - 10,
                                    area.bottom - 10, kPanelRadius - 10);
    canvas.Fill(Outline(inner, 0.7f), Hex(0xFFFFFF, rimLight * 0.35f));
}

// A translucent smoked-glass panel that lets the scene show through.
void GlassPanel(Canvas& canvas, const Colour& tint, float opacity) {
    Panel(canvas,
          LinearGradient(kPanel.left, kPanel.top, kPanel.right, kPanel.bottom,
                         {Shade(tint, 0.06f).WithAlpha(opacity), tint.WithAlpha(opacity),
                          Shade(tint, -0.2f).WithAlpha(opacity + 0.05f)}),
          Hex(0x000000, 0.5f), 0.35f);
}

// Recessed seats for the buttons of one box layout, so the buttons look mounted in the box.
void Sockets(Canvas& canvas, const Layout& layout, const Colour& collar) {
    for (const auto& [left, top] : layout) {
        const float cx = left + kButtonSize / 2;
        const float cy = top + kButtonSize / 2;
        const Bounds near = Around(cx, cy, 60);
        canvas.Fill(Circle(cx, cy + 3, 50), Hex(0x000000, 0.35f), 8, near);
        canvas.Fill(Circle(cx, cy, 48),
                    LinearGradient(0, cy - 48, 0, cy + 48,
                                   {Shade(collar, 0.35f), collar, Shade(collar, -0.45f)}),
                    1, near);
        canvas.Fill(Circle(cx, cy, 44),
                    LinearGradient(0, cy - 44, 0, cy + 44, {Hex(0x050506), Hex(0x26282C)}), 1,
                    near);
        canvas.Fill(Ring(cx, cy, 48, 0.6f), Hex(0x000000, 0.6f), 1, near);
    }
}

void Stars(Canvas& canvas, float bottom, int count, std::uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const float x = Hash(i, 1, seed) * kWidth;
        const float y = Hash(i, 2, seed) * Hash(i, 5, seed) * bottom;  // denser near the top
        const float size = 0.5f + 1.3f * Hash(i, 3, seed) * Hash(i, 4, seed);
        const float brightness = 0.35f + 0.65f * Hash(i, 6, seed);
        canvas.Fill(Circle(x, y, size), Hex(0xFFFFFF, brightness), 1.2f, Around(x, y, 4));
        if (size > 1.4f) {
            Glow(canvas, x, y, size * 5, Hex(0xBFD4FF, 0.18f));
        }
    }
}

// Iso-height lines of a smooth landscape, like the slope map of a green.
void ContourLines(Canvas& canvas, const std::function<float(float, float)>& height, float spacing,
                  const Colour& colour, Bounds bounds = {}) {
    canvas.Fill(
        [&](float x, float y) {
            const float h = height(x, y) / spacing;
            const float gx = (height(x + 1, y) - height(x - 1, y)) / 2 / spacing;
            const float gy = (height(x, y + 1) - height(x, y - 1)) / 2 / spacing;
            const float toLine = std::fabs(h - std::round(h));
            return toLine / std::max(std::hypot(gx, gy), 1e-4f) - 0.6f;
        },
        colour, 1, bounds);
}

// A golf ball: white, shaded, with a hint of dimples.
void Ball(Canvas& canvas, float cx, float cy, float radius) {
    canvas.Fill(Ellipse(cx + radius * 0.25f, cy + radius * 0.95f, radius * 0.9f, radius * 0.22f),
                Hex(0x000000, 0.35f), radius * 0.25f);
    canvas.Fill(Circle(cx, cy, radius),
                RadialGradient(cx - radius * 0.35f, cy - radius * 0.4f, radius * 1.7f,
                               {Hex(0xFFFFFF), Hex(0xE9ECEF), Hex(0xA9AFB6), Hex(0x6F757C)}));
    const float pitch = radius / 3.2f;
    for (int row = -4; row <= 4; ++row) {
        for (int column = -4; column <= 4; ++column) {
            const float dx = (static_cast<float>(column) + (row % 2 ? 0.5f : 0.0f)) * pitch;
            const float dy = static_cast<float>(row) * pitch * 0.87f;
            if (std::hypot(dx, dy) > radius * 0.86f) {
                continue;
            }
            const float x = cx + dx;
            const float y = cy + dy;
            const float r = pitch * 0.34f;
            canvas.Fill(
                Circle(x, y, r),
                LinearGradient(0, y - r, 0, y + r,
                               {Hex(0x000000, 0.10f), Hex(0x000000, 0.0f), Hex(0xFFFFFF, 0.12f)}),
                1, Around(x, y, pitch));
        }
    }
}

// ---- The backgrounds ----------------------------------------------------------------------

// A fairway at dusk under a clear sky, with a pin on the green at the left.
Canvas Primary() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x0B2440), Hex(0x1D4E6E), Hex(0x5F9AA8), Hex(0xD9D6B0)});
    Glow(canvas, 210, 330, 420, Hex(0xFFF3C4, 0.35f));
    TreeLine(canvas, 348, 44, Hex(0x16352A), 11);
    canvas.Fill(Below(Ridge(372, 18, 700, 0.4f, 12)),
                MownGrass(Hex(0x4F9A3C), Hex(0x3B8230), 250, 300, 26, 13));
    canvas.Fill(Below(Ridge(470, 10, 900, 2.1f, 14)),
                MownGrass(Hex(0x3F8A34), Hex(0x2F7428), 250, 300, 20, 15));
    // The green at the left, with its fringe.
    canvas.Fill(Ellipse(200, 452, 190, 52), Hex(0x2E6B28), 2);
    canvas.Fill(Ellipse(200, 450, 176, 44),
                RadialGradient(180, 440, 190, {Hex(0x7CC35B), Hex(0x5EA945), Hex(0x4A9138)}));
    Flag(canvas, 214, 452, 150, Hex(0xE8322F));
    Vignette(canvas, 0.55f);
    GlassPanel(canvas, Hex(0x0E1A22), 0.62f);
    return canvas;
}

// Links land at sunset: a low sun, dunes in silhouette, warm sky.
Canvas SunsetLinks() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas,
                     {Hex(0x1E1645), Hex(0x5B2A6E), Hex(0xC2495A), Hex(0xF49A4A), Hex(0xFFD27A)});
    Glow(canvas, 250, 430, 380, Hex(0xFFE6A8, 0.55f));
    canvas.Fill(Circle(250, 430, 62), RadialGradient(250, 430, 62, {Hex(0xFFF8DC), Hex(0xFFDB8A)}));
    canvas.Fill(Below(Ridge(438, 38, 520, 0.8f, 21)), Hex(0x4A2447));
    canvas.Fill(Below(Ridge(505, 30, 640, 2.4f, 22)), Hex(0x2F1833));
    canvas.Fill(Below(Ridge(600, 22, 820, 4.0f, 23)), Hex(0x1B0F22));
    Flag(canvas, 118, 512, 120, Hex(0x1B0F22));
    Vignette(canvas, 0.45f);
    GlassPanel(canvas, Hex(0x1A1020), 0.6f);
    return canvas;
}

// The wireless 10-button box as a product shot: a matte black body with its ten seats and a
// radio mark, on a dark studio sweep.
Canvas WirelessBox() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover(RadialGradient(760, 300, 900, {Hex(0x3A4452), Hex(0x1B2129), Hex(0x0A0D11)}));
    // Radio waves leaving the box towards the left.
    for (int i = 0; i < 4; ++i) {
        const float radius = 60 + 55 * static_cast<float>(i);
        const Shape arc =
            Intersect(Ring(260, 330, radius, 7), Polygon({{260, 330}, {-400, -100}, {-400, 760}}));
        canvas.Fill(arc, Hex(0x5FB7FF, 0.75f - 0.15f * static_cast<float>(i)));
    }
    canvas.Fill(Circle(260, 330, 22), Hex(0x5FB7FF));
    Glow(canvas, 260, 330, 80, Hex(0x5FB7FF, 0.35f));
    Panel(
        canvas,
        [](float x, float y) {
            const float grain = (FractalNoise(x / 2.5f, y / 2.5f, 2, 31) - 0.5f) * 0.05f;
            return Shade(Mix(Hex(0x26282D), Hex(0x15161A), y / kHeight), grain);
        },
        Hex(0x000000, 0.8f), 0.3f, kWirelessBody);
    Sockets(canvas, kTenButtons, Hex(0x8E949C));
    // Status light.
    canvas.Fill(Circle(1104, 594, 5), Hex(0x7CFF9B));
    Glow(canvas, 1104, 594, 18, Hex(0x7CFF9B, 0.5f));
    return canvas;
}

// Light and clean: near-white with a soft panel and a ball resting at the left.
Canvas White() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover(RadialGradient(640, 260, 1000, {Hex(0xFFFFFF), Hex(0xF1F3F5), Hex(0xDCE1E6)}));
    // Faint diagonal lines for texture.
    canvas.Fill(
        [](float x, float y) {
            const float u = std::fmod(x + y, 28.0f);
            return std::fabs(u - 14) - 13.2f;
        },
        Hex(0xC8D0D8, 0.25f));
    canvas.Fill(Ellipse(186, 520, 140, 18), Hex(0x000000, 0.06f), 20);
    Ball(canvas, 186, 440, 72);
    Panel(canvas, LinearGradient(0, kPanel.top, 0, kPanel.bottom, {Hex(0xFAFBFC), Hex(0xE6EAEE)}),
          Hex(0x9AA5B1, 0.9f), 0.9f);
    return canvas;
}

// A driving range at night: floodlit target greens under a navy sky.
Canvas NightRange() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x040A1C), Hex(0x0B1D44), Hex(0x14346B), Hex(0x0E2A3D)});
    Stars(canvas, 300, 140, 41);
    canvas.Fill(Below(Ridge(330, 6, 800, 0.2f, 42)),
                MownGrass(Hex(0x1F5A3A), Hex(0x184B30), 640, 250, 30, 43));
    // Target greens in perspective, with their flags.
    const std::array<std::array<float, 4>, 5> targets = {{{150, 360, 60, 9},
                                                          {330, 400, 90, 14},
                                                          {110, 470, 120, 20},
                                                          {290, 560, 150, 28},
                                                          {80, 650, 170, 34}}};
    for (const auto& [x, y, rx, ry] : targets) {
        canvas.Fill(Ellipse(x, y, rx, ry), Hex(0x3E9A55), 1.5f);
        canvas.Fill(Outline(Ellipse(x, y, rx * 0.6f, ry * 0.6f), 1.2f), Hex(0xFFFFFF, 0.35f));
        Flag(canvas, x + rx * 0.1f, y, ry * 4.2f, Hex(0xFFD23F));
    }
    // Floodlights along the top of the range.
    for (const float x : {90.0f, 300.0f}) {
        canvas.Fill(Segment(x, 150, x, 330, 2.2f), Hex(0x0A0F1A));
        canvas.Fill(RoundedRect(x - 16, 140, x + 16, 154, 3), Hex(0xEAF2FF));
        Glow(canvas, x, 150, 230, Hex(0xBFD9FF, 0.35f));
        canvas.Fill(Polygon({{x - 14, 154}, {x + 14, 154}, {x + 160, 720}, {x - 160, 720}}),
                    LinearGradient(0, 154, 0, 720, {Hex(0xCFE2FF, 0.16f), Hex(0xCFE2FF, 0.0f)}),
                    30);
    }
    Vignette(canvas, 0.5f);
    GlassPanel(canvas, Hex(0x0A1630), 0.66f);
    return canvas;
}

// The slope map of a green: contour lines over deep green, a hole and pin at the left.
Canvas GreenContours() {
    Canvas canvas(kWidth, kHeight);
    const auto height = [](float x, float y) {
        return 120 * FractalNoise(x / 420, y / 420, 3, 51) + 0.05f * x - 0.03f * y;
    };
    canvas.Cover([&](float x, float y) {
        const float h = height(x, y);
        return Mix(Hex(0x0B3B26), Hex(0x1E6B3F), SmoothStep(20, 110, h));
    });
    ContourLines(canvas, height, 6, Hex(0x8EE3A4, 0.22f));
    ContourLines(canvas, height, 30, Hex(0xB9F5C6, 0.40f));
    Flag(canvas, 180, 470, 170, Hex(0xF2F2F2));
    Vignette(canvas, 0.5f);
    GlassPanel(canvas, Hex(0x0A1F16), 0.7f);
    return canvas;
}

// Night play: a ball on a tee and glowing shot traces arcing into the dark.
Canvas ShotTraces() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x0D0825), Hex(0x231252), Hex(0x3B1E6E), Hex(0x12203B)});
    canvas.Fill(Below(Ridge(560, 10, 900, 0.3f, 61)),
                MownGrass(Hex(0x1E4A3A), Hex(0x173C30), 640, 400, 24, 62));
    const std::array<std::pair<float, Colour>, 3> traces = {
        {{0.0f, Hex(0x39D7FF)}, {1.0f, Hex(0xFF5FD2)}, {2.0f, Hex(0xFFD23F)}}};
    for (const auto& [i, colour] : traces) {
        const float apex = 120 + 60 * i;
        const float reach = 1260 - 120 * i;
        const auto curve = [=](float x) {
            const float t = (x - 150) / (reach - 150);
            return 530 - (530 - apex) * 4 * t * (1 - t) * (1 - 0.25f * t);
        };
        const Shape trace = [=](float x, float y) {
            if (x < 150 || x > reach) {
                return 1e9f;
            }
            return std::fabs(y - curve(x)) - 1.6f;
        };
        canvas.Fill(trace, colour.WithAlpha(0.35f), 10);
        canvas.Fill(trace, colour);
    }
    canvas.Fill(RoundedRect(146, 552, 154, 584, 2), Hex(0xF2F2F2));
    canvas.Fill(Polygon({{136, 552}, {164, 552}, {150, 560}}), Hex(0xF2F2F2));
    Ball(canvas, 150, 532, 20);
    Vignette(canvas, 0.45f);
    GlassPanel(canvas, Hex(0x140C2E), 0.66f);
    return canvas;
}

// Walnut: warm wood grain with darker figure.
Paint Walnut() {
    return [](float x, float y) {
        const float warp = FractalNoise(x / 520, y / 110, 3, 71) * 46;
        const float rings = std::sin((y + warp) / 6.0f);
        const float fibres = FractalNoise(x / 110, y / 1.4f, 2, 72);
        const float figure = FractalNoise(x / 260, y / 40, 2, 73);
        const Colour base = Mix(Hex(0x6A4126), Hex(0x3E2414),
                                0.55f * SmoothStep(-0.3f, 1.0f, rings) + 0.45f * fibres);
        return Shade(base, (figure - 0.5f) * 0.22f);
    };
}

// The Tav-14: a walnut box with fourteen brushed seats, on slate.
Canvas Tav14Box() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover(RadialGradient(800, 330, 900, {Hex(0x39414A), Hex(0x22272D), Hex(0x111417)}));
    canvas.Fill(
        [](float x, float y) { return std::fabs(std::fmod(x * 0.7f + y, 46.0f) - 23) - 22.2f; },
        Hex(0xFFFFFF, 0.025f));
    Panel(canvas, Walnut(), Hex(0x1A0F08, 0.9f), 0.35f, kTav14Body);
    Sockets(canvas, kTav14, Hex(0xB9BEC5));
    // Brass corner screws.
    const Rect& body = kTav14Body;
    for (const auto& [x, y] :
         std::array<std::pair<float, float>, 4>{{{body.left + 24, body.top + 24},
                                                 {body.right - 24, body.top + 24},
                                                 {body.left + 24, body.bottom - 24},
                                                 {body.right - 24, body.bottom - 24}}}) {
        canvas.Fill(Circle(x, y, 7),
                    RadialGradient(x - 2, y - 2, 9, {Hex(0xF3D58A), Hex(0xB08A3A), Hex(0x6B5120)}));
        canvas.Fill(Segment(x - 4, y - 4, x + 4, y + 4, 0.9f), Hex(0x4A3815, 0.8f));
    }
    return canvas;
}

// Carbon fibre: a twill weave of small tows, each with its own sheen.
Paint CarbonFibre() {
    return [](float x, float y) {
        constexpr float kTow = 9;
        const int cx = static_cast<int>(std::floor(x / kTow));
        const int cy = static_cast<int>(std::floor(y / kTow));
        const bool alongX = ((cx + cy) / 2 % 2 + 2) % 2 == 0;
        const float u = (alongX ? y : x) / kTow;
        const float across = u - std::floor(u);
        const float sheen = std::sin(across * kPi);
        const Colour base = alongX ? Hex(0x2A2D32) : Hex(0x1A1C20);
        return Shade(base, sheen * 0.12f - 0.05f);
    };
}

// The Dex-14: a carbon-fibre box with fourteen seats, on steel blue.
Canvas Dex14Box() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover(
        LinearGradient(0, 0, kWidth, kHeight, {Hex(0x2D4A66), Hex(0x1B2F45), Hex(0x0E1824)}));
    Glow(canvas, 180, 120, 420, Hex(0x7FB2E5, 0.25f));
    const Rect& body = kDex14Body;
    Panel(canvas, CarbonFibre(), Hex(0x000000, 0.9f), 0.4f, body);
    // An accent line around the seats.
    const Shape accent = RoundedRect(body.left + 14, body.top + 14, body.right - 14,
                                     body.bottom - 14, kPanelRadius - 12);
    canvas.Fill(Outline(accent, 1.4f), Hex(0x3FA9F5, 0.85f));
    Sockets(canvas, kDex14, Hex(0x9CA3AB));
    return canvas;
}

// Desert golf: sand dunes with raked lines, a green oasis and a pin.
Canvas Desert() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x5FA3D9), Hex(0xA8D3EE), Hex(0xF5E2BE)});
    Glow(canvas, 1100, 90, 300, Hex(0xFFF6D5, 0.6f));
    canvas.Fill(Below(Ridge(300, 40, 500, 1.1f, 91)), Hex(0xD9A866));
    canvas.Fill(Below(Ridge(360, 30, 380, 2.7f, 92)), Hex(0xE6B877));
    // Rake lines in the sand.
    canvas.Fill(Below(Ridge(420, 18, 600, 0.2f, 93)), [](float x, float y) {
        const float wave = std::sin((y + 12 * std::sin(x / 70)) / 4.0f);
        return Mix(Hex(0xEBC489), Hex(0xD8AD6D), SmoothStep(0.3f, 1.0f, wave) * 0.6f);
    });
    canvas.Fill(Ellipse(190, 520, 180, 58), Hex(0x2F7A35), 2);
    canvas.Fill(Ellipse(190, 516, 164, 48),
                RadialGradient(170, 505, 180, {Hex(0x86C95E), Hex(0x5AA744), Hex(0x418A35)}));
    Flag(canvas, 200, 520, 160, Hex(0xE0462B));
    // A saguaro on the dune.
    const Colour cactus = Hex(0x3E6B3A);
    canvas.Fill(Segment(80, 250, 80, 380, 11), cactus);
    canvas.Fill(Segment(80, 320, 55, 320, 8), cactus);
    canvas.Fill(Segment(55, 320, 55, 285, 8), cactus);
    canvas.Fill(Segment(80, 300, 104, 300, 8), cactus);
    canvas.Fill(Segment(104, 300, 104, 262, 8), cactus);
    Vignette(canvas, 0.3f);
    GlassPanel(canvas, Hex(0x2A1B10), 0.62f);
    return canvas;
}

// An indoor simulator bay: a dark room, the impact screen showing a fairway, the hitting mat.
Canvas SimulatorBay() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x14171C), Hex(0x1E232A), Hex(0x0C0E11)});
    // The screen with the projected hole.
    const Rect screen = {30, 70, 350, 330};
    const Shape screenShape = RoundedRect(screen.left, screen.top, screen.right, screen.bottom, 4);
    Glow(canvas, 190, 200, 330, Hex(0x9FD3FF, 0.18f));
    canvas.Fill(screenShape,
                LinearGradient(0, screen.top, 0, screen.bottom, {Hex(0x7FB8E6), Hex(0xCDE6F2)}));
    canvas.Fill(Intersect(screenShape, Below(Ridge(225, 10, 300, 0.5f, 101))), Hex(0x2E5E3A));
    canvas.Fill(Intersect(screenShape, Below([](float x) { return 250 - 0.05f * (x - 190); })),
                MownGrass(Hex(0x62A84A), Hex(0x4E9140), 190, 215, 18, 102));
    canvas.Fill(Intersect(screenShape, Polygon({{170, 330}, {210, 330}, {194, 232}, {186, 232}})),
                Hex(0x7CC35B));
    Flag(canvas, 190, 240, 40, Hex(0xE8322F));
    canvas.Fill(Outline(screenShape, 3), Hex(0x050607));
    // The floor and the mat in perspective.
    canvas.Fill(Polygon({{0, 420}, {kWidth, 420}, {kWidth, kHeight}, {0, kHeight}}),
                LinearGradient(0, 420, 0, kHeight, {Hex(0x1A1D22), Hex(0x0B0C0E)}));
    canvas.Fill(Polygon({{110, 470}, {270, 470}, {340, 690}, {40, 690}}),
                MownGrass(Hex(0x3E8C3C), Hex(0x35793A), 190, 300, 60, 103), 1.5f);
    Ball(canvas, 190, 600, 13);
    // Ceiling spots.
    for (const float x : {90.0f, 290.0f}) {
        canvas.Fill(Ellipse(x, 20, 22, 6), Hex(0xFFF3D6));
        canvas.Fill(Polygon({{x - 20, 22}, {x + 20, 22}, {x + 120, 470}, {x - 120, 470}}),
                    LinearGradient(0, 22, 0, 470, {Hex(0xFFF3D6, 0.12f), Hex(0xFFF3D6, 0.0f)}), 25);
    }
    GlassPanel(canvas, Hex(0x111418), 0.72f);
    return canvas;
}

// Open all night: stars, a crescent moon and a floodlit pin against the dark.
Canvas AllNight() {
    Canvas canvas(kWidth, kHeight);
    VerticalGradient(canvas, {Hex(0x02040D), Hex(0x081433), Hex(0x14285A), Hex(0x1A2E4A)});
    Stars(canvas, 520, 260, 111);
    Glow(canvas, 220, 150, 160, Hex(0xDDE8FF, 0.25f));
    canvas.Fill(Subtract(Circle(220, 150, 48), Circle(243, 136, 44)),
                RadialGradient(200, 150, 60, {Hex(0xFFFBE8), Hex(0xE9E2C4)}));
    TreeLine(canvas, 540, 36, Hex(0x070D1A), 112);
    canvas.Fill(Below(Ridge(580, 12, 900, 1.9f, 113)),
                MownGrass(Hex(0x1C3F2C), Hex(0x163524), 640, 420, 22, 114));
    Glow(canvas, 175, 610, 160, Hex(0xFFE3A3, 0.25f));
    Flag(canvas, 175, 615, 140, Hex(0xFFD23F));
    Vignette(canvas, 0.4f);
    GlassPanel(canvas, Hex(0x070E22), 0.66f);
    return canvas;
}

// A practice net: a diamond mesh hanging in front of the dark, bulging where a ball hit it.
Canvas PracticeNet() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover(RadialGradient(260, 340, 1100, {Hex(0x2E3846), Hex(0x171C24), Hex(0x0A0C10)}));
    Glow(canvas, 220, 380, 260, Hex(0x9CC3E8, 0.12f));
    Ball(canvas, 220, 380, 26);
    // The strands bend around the point of impact.
    const auto bulge = [](float x, float y) {
        const float d = std::hypot(x - 220, y - 380) / 160;
        return 22 * std::exp(-d * d);
    };
    constexpr float kMesh = 44;
    const Shape mesh = [&](float x, float y) {
        const float b = bulge(x, y);
        const float u = (x + y + b) / kMesh;
        const float v = (x - y - b) / kMesh;
        const float du = std::fabs(u - std::round(u)) * kMesh / std::numbers::sqrt2_v<float>;
        const float dv = std::fabs(v - std::round(v)) * kMesh / std::numbers::sqrt2_v<float>;
        return std::min(du, dv) - 0.8f;
    };
    canvas.Fill(Offset(mesh, 4, 7), Hex(0x000000, 0.3f), 3);
    canvas.Fill(mesh, [](float x, float y) {
        // Lit from the upper left, fading into the dark.
        const float light = Clamp01(1.2f - std::hypot(x - 200, y - 260) / 900);
        return Hex(0xDDE4EC, 0.25f + 0.5f * light);
    });
    // The top cord and its rings.
    canvas.Fill(Segment(0, 18, kWidth, 18, 3.5f), Hex(0xD7DDE3));
    for (float x = 20; x < kWidth; x += 60) {
        canvas.Fill(Ring(x, 26, 6, 1.6f), Hex(0xC2C9D1), 1, Around(x, 26, 10));
    }
    Vignette(canvas, 0.4f);
    GlassPanel(canvas, Hex(0x0D1117), 0.74f);
    return canvas;
}

// The clubhouse bar: wood panelling under warm lamps, a brass rail, a leather panel.
Canvas Clubhouse() {
    Canvas canvas(kWidth, kHeight);
    canvas.Cover([](float x, float y) {
        constexpr float kPlank = 64;
        const float plank = std::floor(x / kPlank);
        const float tone = Hash(static_cast<int>(plank), 0, 131);
        const float grain =
            std::sin((x + 30 * FractalNoise(x / 30, y / 200, 3, 132)) / 3.2f) * 0.04f;
        Colour wood = Mix(Hex(0x6B3E22), Hex(0x4E2A16), tone);
        wood = Shade(wood, grain);
        const float seam = std::fabs(x - plank * kPlank);
        return seam < 1.5f ? Hex(0x1F110A) : wood;
    });
    // Wainscot rail and the darker lower panel.
    canvas.Fill(Polygon({{0, 500}, {kWidth, 500}, {kWidth, kHeight}, {0, kHeight}}),
                Hex(0x2A160C, 0.55f));
    canvas.Fill(RoundedRect(-10, 492, kWidth + 10, 506, 4),
                LinearGradient(0, 492, 0, 506, {Hex(0xF4D98F), Hex(0xB88A36), Hex(0x6E4F1C)}));
    // Lamps.
    for (const float x : {110.0f, 300.0f}) {
        canvas.Fill(Segment(x, 0, x, 110, 1.5f), Hex(0x1A1A1A));
        canvas.Fill(Polygon({{x - 34, 150}, {x + 34, 150}, {x + 16, 108}, {x - 16, 108}}),
                    LinearGradient(0, 108, 0, 150, {Hex(0x2F4A2A), Hex(0x1C3019)}));
        canvas.Fill(Ellipse(x, 150, 34, 5), Hex(0xFFE2A0));
        Glow(canvas, x, 170, 260, Hex(0xFFC86A, 0.32f));
    }
    // A framed crossed-clubs plaque.
    canvas.Fill(RoundedRect(120, 250, 290, 420, 6),
                LinearGradient(0, 250, 0, 420, {Hex(0xC99A45), Hex(0x7A5620)}));
    canvas.Fill(RoundedRect(132, 262, 278, 408, 3), Hex(0x123B22));
    // Two irons, grips up, heads down.
    const Colour steel = Hex(0xD9DCDF);
    const Colour grip = Hex(0x1A1A1A);
    canvas.Fill(Segment(152, 278, 256, 388, 2.4f), steel);
    canvas.Fill(Segment(258, 278, 154, 388, 2.4f), steel);
    canvas.Fill(Segment(152, 278, 170, 297, 4), grip);
    canvas.Fill(Segment(258, 278, 240, 297, 4), grip);
    canvas.Fill(Polygon({{250, 384}, {272, 390}, {275, 399}, {248, 397}}), steel);
    canvas.Fill(Polygon({{160, 384}, {138, 390}, {135, 399}, {162, 397}}), steel);
    Ball(canvas, 205, 370, 12);
    Vignette(canvas, 0.55f);
    Panel(
        canvas,
        [](float x, float y) {
            const float pebble = FractalNoise(x / 3, y / 3, 2, 133) - 0.5f;
            return Shade(Mix(Hex(0x3B2416), Hex(0x24150C), y / kHeight), pebble * 0.08f);
        },
        Hex(0xC99A45, 0.9f), 0.25f);
    return canvas;
}

}  // namespace

std::vector<Drawing> BackgroundDrawings() {
    return {
        {"background_primary.png", Primary},
        {"bg-2.png", SunsetLinks},
        {"tambo-wireless.png", WirelessBox},
        {"white-bg.jpg", White},
        {"opti-bg.png", NightRange},
        {"GSPR-BG.png", GreenContours},
        {"e6bg.png", ShotTraces},
        {"14box1-bg.png", Tav14Box},
        {"DEX-14-Box.png", Dex14Box},
        {"doz.png", Desert},
        {"IGS-NEW.jpg", SimulatorBay},
        {"247-bg.png", AllNight},
        {"netreturn.png", PracticeNet},
        {"19thHole.jpg", Clubhouse},
    };
}

}  // namespace assets
