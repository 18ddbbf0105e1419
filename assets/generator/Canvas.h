#pragma once

// A small software painter for the program's pictures: shapes are signed distance functions
// (negative inside, in pixels), paints are functions of the position, and every fill is
// anti-aliased by the distance to the edge. Deterministic: the same calls give the same pixels.

#include <cstdint>
#include <functional>
#include <vector>

namespace assets {

// A straight-alpha colour, each channel 0 to 1.
struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;

    Colour WithAlpha(float alpha) const { return {r, g, b, alpha}; }
};

// 0xRRGGBB with an optional alpha.
Colour Hex(std::uint32_t rgb, float alpha = 1.0f);
Colour Mix(const Colour& from, const Colour& to, float t);
// Lighter (amount > 0, towards white) or darker (amount < 0, towards black).
Colour Shade(const Colour& colour, float amount);

using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Colour(float x, float y)>;

// The part of the canvas a fill may touch, in pixels; everything when left at its defaults.
struct Bounds {
    float left = -1e9f;
    float top = -1e9f;
    float right = 1e9f;
    float bottom = 1e9f;
};

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Paints the inside of `shape` over what is there. `featherPx` widens the anti-aliased edge
    // into a soft one (shadows, glows); 1 is a crisp edge.
    void Fill(const Shape& shape, const Paint& paint, float featherPx = 1.0f, Bounds bounds = {});
    void Fill(const Shape& shape, const Colour& colour, float featherPx = 1.0f, Bounds bounds = {});
    // Paints the whole canvas.
    void Cover(const Paint& paint);

    // 8-bit rows, RGBA with straight alpha or RGB with the alpha dropped.
    std::vector<std::uint8_t> Rgba8() const;
    std::vector<std::uint8_t> Rgb8() const;

private:
    void Blend(int x, int y, const Colour& colour, float coverage);

    int width_;
    int height_;
    std::vector<float> pixels_;  // premultiplied RGBA
};

// Paints.
Paint Solid(const Colour& colour);
// Along the line from (x0, y0) to (x1, y1); the stops are evenly spaced.
Paint LinearGradient(float x0, float y0, float x1, float y1, std::vector<Colour> stops);
Paint RadialGradient(float cx, float cy, float radius, std::vector<Colour> stops);

// Shapes.
Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape RoundedRect(float left, float top, float right, float bottom, float radius);
// A thick line with round ends.
Shape Segment(float x0, float y0, float x1, float y1, float halfWidth);
// A closed polygon (even-odd inside).
Shape Polygon(std::vector<std::pair<float, float>> points);
// Everything below the curve y = top(x).
Shape Below(std::function<float(float x)> top);
Shape Ring(float cx, float cy, float radius, float halfWidth);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// The outline of a shape, `halfWidth` to each side of its edge.
Shape Outline(Shape shape, float halfWidth);
Shape Offset(Shape shape, float dx, float dy);

// Deterministic noise in 0..1.
float Hash(int x, int y, std::uint32_t seed);
float ValueNoise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, each twice as fine and half as strong.
float FractalNoise(float x, float y, int octaves, std::uint32_t seed);

float Clamp01(float value);
float SmoothStep(float edge0, float edge1, float value);

}  // namespace assets
