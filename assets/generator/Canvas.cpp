#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace assets {

float Clamp01(float value) {
    return std::clamp(value, 0.0f, 1.0f);
}

float SmoothStep(float edge0, float edge1, float value) {
    const float t = Clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Colour Hex(std::uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
            alpha};
}

Colour Mix(const Colour& from, const Colour& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour Shade(const Colour& colour, float amount) {
    const Colour target = amount > 0 ? Colour{1, 1, 1, colour.a} : Colour{0, 0, 0, colour.a};
    return Mix(colour, target, std::fabs(amount));
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height) * 4, 0.0f) {}

void Canvas::Blend(int x, int y, const Colour& colour, float coverage) {
    const float alpha = colour.a * coverage;
    if (alpha <= 0) {
        return;
    }
    float* pixel = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    const float keep = 1 - alpha;
    pixel[0] = colour.r * alpha + pixel[0] * keep;
    pixel[1] = colour.g * alpha + pixel[1] * keep;
    pixel[2] = colour.b * alpha + pixel[2] * keep;
    pixel[3] = alpha + pixel[3] * keep;
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float featherPx, Bounds bounds) {
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
    const int x1 = std::min(width_, static_cast<int>(std::ceil(bounds.right)));
    const int y1 = std::min(height_, static_cast<int>(std::ceil(bounds.bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            const float coverage = Clamp01(0.5f - shape(px, py) / featherPx);
            if (coverage > 0) {
                Blend(x, y, paint(px, py), coverage);
            }
        }
    }
}

void Canvas::Fill(const Shape& shape, const Colour& colour, float featherPx, Bounds bounds) {
    Fill(shape, Solid(colour), featherPx, bounds);
}

void Canvas::Cover(const Paint& paint) {
    Fill([](float, float) { return -1e9f; }, paint);
}

std::vector<std::uint8_t> Canvas::Rgba8() const {
    std::vector<std::uint8_t> bytes(pixels_.size());
    for (std::size_t i = 0; i < pixels_.size(); i += 4) {
        const float alpha = pixels_[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            const float straight = alpha > 0 ? pixels_[i + c] / alpha : 0.0f;
            bytes[i + c] = static_cast<std::uint8_t>(std::lround(Clamp01(straight) * 255));
        }
        bytes[i + 3] = static_cast<std::uint8_t>(std::lround(Clamp01(alpha) * 255));
    }
    return bytes;
}

std::vector<std::uint8_t> Canvas::Rgb8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() / 4 * 3);
    for (std::size_t i = 0; i < pixels_.size(); i += 4) {
        for (std::size_t c = 0; c < 3; ++c) {
            bytes.push_back(static_cast<std::uint8_t>(std::lround(Clamp01(pixels_[i + c]) * 255)));
        }
    }
    return bytes;
}

namespace {

// The colour at position t (0..1) along evenly spaced stops.
Colour AlongStops(const std::vector<Colour>& stops, float t) {
    if (stops.size() == 1) {
        return stops[0];
    }
    const float scaled = Clamp01(t) * static_cast<float>(stops.size() - 1);
    const auto index = std::min(static_cast<std::size_t>(scaled), stops.size() - 2);
    return Mix(stops[index], stops[index + 1], scaled - static_cast<float>(index));
}

}  // namespace

Paint Solid(const Colour& colour) {
    return [colour](float, float) { return colour; };
}

Paint LinearGradient(float x0, float y0, float x1, float y1, std::vector<Colour> stops) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    return [=, stops = std::move(stops)](float x, float y) {
        return AlongStops(stops, ((x - x0) * dx + (y - y0) * dy) / lengthSquared);
    };
}

Paint RadialGradient(float cx, float cy, float radius, std::vector<Colour> stops) {
    return [=, stops = std::move(stops)](float x, float y) {
        return AlongStops(stops, std::hypot(x - cx, y - cy) / radius);
    };
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    // Distance scaled by the gradient length: close to exact near the edge, which is all
    // anti-aliasing needs.
    return [=](float x, float y) {
        const float nx = (x - cx) / rx;
        const float ny = (y - cy) / ry;
        const float k = std::hypot(nx, ny);
        const float gradient = std::hypot(nx / rx, ny / ry);
        return gradient > 0 ? (k - 1) * k / gradient : -std::min(rx, ry);
    };
}

Shape RoundedRect(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2;
    const float cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius;
    const float hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx;
        const float qy = std::fabs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Segment(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) {
        const float dx = x1 - x0;
        const float dy = y1 - y0;
        const float t = Clamp01(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy));
        return std::hypot(x - x0 - dx * t, y - y0 - dy * t) - halfWidth;
    };
}

Shape Polygon(std::vector<std::pair<float, float>> points) {
    return [points = std::move(points)](float x, float y) {
        float nearest = 1e9f;
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            const float dx = xj - xi;
            const float dy = yj - yi;
            const float t = Clamp01(((x - xi) * dx + (y - yi) * dy) / (dx * dx + dy * dy));
            nearest = std::min(nearest, std::hypot(x - xi - dx * t, y - yi - dy * t));
            if ((yi > y) != (yj > y) && x < xi + (y - yi) * dx / dy) {
                inside = !inside;
            }
        }
        return inside ? -nearest : nearest;
    };
}

Shape Below(std::function<float(float x)> top) {
    return [top = std::move(top)](float x, float y) {
        const float slope = (top(x + 0.5f) - top(x - 0.5f));
        return (top(x) - y) / std::sqrt(1 + slope * slope);
    };
}

Shape Ring(float cx, float cy, float radius, float halfWidth) {
    return Outline(Circle(cx, cy, radius), halfWidth);
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::min(a(x, y), b(x, y));
    };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::max(a(x, y), b(x, y));
    };
}

Shape Subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::max(a(x, y), -b(x, y));
    };
}

Shape Outline(Shape shape, float halfWidth) {
    return [shape = std::move(shape), halfWidth](float x, float y) {
        return std::fabs(shape(x, y)) - halfWidth;
    };
}

Shape Offset(Shape shape, float dx, float dy) {
    return [shape = std::move(shape), dx, dy](float x, float y) { return shape(x - dx, y - dy); };
}

float Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0x1000000);
}

float ValueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = SmoothStep(0, 1, x - fx);
    const float ty = SmoothStep(0, 1, y - fy);
    const float top = Hash(ix, iy, seed) + (Hash(ix + 1, iy, seed) - Hash(ix, iy, seed)) * tx;
    const float bottom =
        Hash(ix, iy + 1, seed) + (Hash(ix + 1, iy + 1, seed) - Hash(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0;
    float weight = 0.5f;
    float total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(octave)) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}

}  // namespace assets
