#include "DisplayListRenderer.h"

#include "RomFonts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ftd2xxsim
{
namespace
{

constexpr std::uint32_t ARGB1555 = 0, L8 = 3, ARGB4 = 6, RGB565 = 7;
constexpr int contextDepth = 4;
constexpr std::uint32_t listWords = bt815::RAM_DL_SIZE / 4;

struct Colour
{
    float r, g, b, a;
};

struct GraphicsContext
{
    std::uint8_t r = 255, g = 255, b = 255, a = 255;
    std::uint8_t colourMask = 0xF;
    std::uint8_t tag = 255;
    bool tagMask = true;
    std::uint8_t clearR = 0, clearG = 0, clearB = 0, clearTag = 0;
    float pointSize = 16, lineWidth = 16;
    std::uint32_t handle = 0, cell = 0, vertexFormat = 4;
};

struct BitmapHandle
{
    bool romFont = false;
    std::uint32_t source = 0, format = 0, stride = 0, layoutHeight = 0, width = 0, height = 0;
};

struct Vertex
{
    float x, y;
    std::uint32_t handle, cell;
};

class Rasteriser
{
public:
    Rasteriser (const Bt815Memory& m, int width, int height) : memory (m)
    {
        frame.image.width = width;
        frame.image.height = height;
        frame.image.pixels.assign (static_cast<std::size_t> (width) * height * 4, 0);
        frame.tags.assign (static_cast<std::size_t> (width) * height, 0);

        for (std::uint32_t h = 16; h < 32; ++h)
            handles[h].romFont = true;

        for (int i = 0; i < width * height; ++i)
            frame.image.pixels[static_cast<std::size_t> (i) * 4 + 3] = 255;
    }

    RenderedFrame run()
    {
        for (std::uint32_t i = 0; i < listWords; ++i)
            if (! execute (memory.read32 (bt815::RAM_DL + 4 * i)))
                break;

        return std::move (frame);
    }

private:
    bool execute (std::uint32_t word)
    {
        if ((word >> 30) == 1)
        {
            const float scale = 1.0f / static_cast<float> (1u << context.vertexFormat);
            vertex ({ static_cast<float> (signExtend15 (word >> 15)) * scale,
                      static_cast<float> (signExtend15 (word)) * scale, context.handle, context.cell });
            return true;
        }

        if ((word >> 30) == 2)
        {
            vertex ({ static_cast<float> ((word >> 21) & 0x1FF), static_cast<float> ((word >> 12) & 0x1FF),
                      (word >> 7) & 0x1F, word & 0x7F });
            return true;
        }

        auto& bitmap = handles[context.handle];

        switch (word >> 24)
        {
            case 0x00: return false;
            case 0x01: bitmap.romFont = false; bitmap.source = word & 0xFFFFFF; break;
            case 0x02: context.clearR = byte (word, 16); context.clearG = byte (word, 8); context.clearB = byte (word, 0); break;
            case 0x03: context.tag = byte (word, 0); break;
            case 0x04: context.r = byte (word, 16); context.g = byte (word, 8); context.b = byte (word, 0); break;
            case 0x05: context.handle = word & 0x1F; break;
            case 0x06: context.cell = word & 0x7F; break;
            case 0x07:
                bitmap.romFont = false;
                bitmap.format = (word >> 19) & 0x1F;
                bitmap.stride = (bitmap.stride & ~0x3FFu) | ((word >> 9) & 0x3FF);
                bitmap.layoutHeight = (bitmap.layoutHeight & ~0x1FFu) | (word & 0x1FF);
                break;
            case 0x08:
                bitmap.width = (bitmap.width & ~0x1FFu) | ((word >> 9) & 0x1FF);
                bitmap.height = (bitmap.height & ~0x1FFu) | (word & 0x1FF);
                break;
            case 0x0D: context.pointSize = static_cast<float> (word & 0x1FFF); break;
            case 0x0E: context.lineWidth = static_cast<float> (word & 0xFFF); break;
            case 0x10: context.a = byte (word, 0); break;
            case 0x12: context.clearTag = byte (word, 0); break;
            case 0x14: context.tagMask = (word & 1) != 0; break;
            case 0x1F: primitive = word & 0xF; pending.clear(); break;
            case 0x20: context.colourMask = word & 0xF; break;
            case 0x21: primitive = 0; pending.clear(); break;
            case 0x22: if (depth < contextDepth) saved[static_cast<std::size_t> (depth++)] = context; break;
            case 0x23: if (depth > 0) context = saved[static_cast<std::size_t> (--depth)]; break;
            case 0x26: clear (word); break;
            case 0x27: context.vertexFormat = word & 7; break;
            case 0x28:
                bitmap.stride = (bitmap.stride & 0x3FF) | (((word >> 2) & 3) << 10);
                bitmap.layoutHeight = (bitmap.layoutHeight & 0x1FF) | ((word & 3) << 9);
                break;
            case 0x29:
                bitmap.width = (bitmap.width & 0x1FF) | (((word >> 2) & 3) << 9);
                bitmap.height = (bitmap.height & 0x1FF) | ((word & 3) << 9);
                break;
            default: break;
        }

        return true;
    }

    static std::uint8_t byte (std::uint32_t word, int shift) noexcept  { return static_cast<std::uint8_t> (word >> shift); }

    static int signExtend15 (std::uint32_t v) noexcept
    {
        const int value = static_cast<int> (v & 0x7FFF);
        return value >= 0x4000 ? value - 0x8000 : value;
    }

    void clear (std::uint32_t word)
    {
        const bool colour = (word & 4) != 0, tag = (word & 1) != 0;

        for (int i = 0; i < frame.image.width * frame.image.height; ++i)
        {
            auto* p = frame.image.pixels.data() + 4 * static_cast<std::size_t> (i);

            if (colour)
            {
                p[0] = context.clearR;
                p[1] = context.clearG;
                p[2] = context.clearB;
            }

            if (tag)
                frame.tags[static_cast<std::size_t> (i)] = context.clearTag;
        }
    }

    void vertex (const Vertex& v)
    {
        switch (primitive)
        {
            case 1: drawBitmap (v); break;
            case 2: drawPoint (v); break;
            case 3: case 9:
                pending.push_back (v);
                if (pending.size() == 2)
                {
                    primitive == 3 ? drawLine (pending[0], pending[1]) : drawRect (pending[0], pending[1]);
                    pending.clear();
                }
                break;
            default: break;
        }
    }

    Colour current() const noexcept
    {
        return { context.r / 255.0f, context.g / 255.0f, context.b / 255.0f, context.a / 255.0f };
    }

    template <typename Shade>
    void fill (float x0, float y0, float x1, float y1, Shade shade)
    {
        const int left = std::max (0, static_cast<int> (std::floor (x0))), top = std::max (0, static_cast<int> (std::floor (y0)));
        const int right = std::min (frame.image.width - 1, static_cast<int> (std::ceil (x1)));
        const int bottom = std::min (frame.image.height - 1, static_cast<int> (std::ceil (y1)));

        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
            {
                Colour c {};
                if (shade (static_cast<float> (x) + 0.5f, static_cast<float> (y) + 0.5f, c))
                    blend (x, y, c);
            }
    }

    void blend (int x, int y, const Colour& c)
    {
        if (c.a <= 0)
            return;

        auto* p = frame.image.at (x, y);
        const float source[3] = { c.r, c.g, c.b };

        for (int i = 0; i < 3; ++i)
            if ((context.colourMask & (8 >> i)) != 0)
                p[i] = static_cast<std::uint8_t> (std::lround (255.0f * source[i] * c.a + static_cast<float> (p[i]) * (1 - c.a)));

        if (context.tagMask)
            frame.tags[static_cast<std::size_t> (y) * frame.image.width + x] = context.tag;
    }

    void drawPoint (const Vertex& v)
    {
        const float radius = context.pointSize / 16.0f;
        const auto colour = current();
        fill (v.x - radius, v.y - radius, v.x + radius, v.y + radius, [&] (float px, float py, Colour& c)
        {
            c = colour;
            return (px - v.x) * (px - v.x) + (py - v.y) * (py - v.y) <= radius * radius;
        });
    }

    void drawLine (const Vertex& a, const Vertex& b)
    {
        const float half = context.lineWidth / 16.0f;
        const float dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        const auto colour = current();
        fill (std::min (a.x, b.x) - half, std::min (a.y, b.y) - half, std::max (a.x, b.x) + half,
              std::max (a.y, b.y) + half, [&] (float px, float py, Colour& c)
        {
            const float t = length2 > 0 ? std::clamp (((px - a.x) * dx + (py - a.y) * dy) / length2, 0.0f, 1.0f) : 0.0f;
            const float ex = a.x + t * dx - px, ey = a.y + t * dy - py;
            c = colour;
            return ex * ex + ey * ey <= half * half;
        });
    }

    void drawRect (const Vertex& a, const Vertex& b)
    {
        const float x0 = std::min (a.x, b.x), x1 = std::max (a.x, b.x), y0 = std::min (a.y, b.y), y1 = std::max (a.y, b.y);
        const auto colour = current();
        fill (x0, y0, x1, y1, [&] (float px, float py, Colour& c)
        {
            c = colour;
            return px >= x0 && px < x1 && py >= y0 && py < y1;
        });
    }

    void drawBitmap (const Vertex& v)
    {
        const auto& bitmap = handles[v.handle];
        const auto tint = current();

        if (bitmap.romFont)
        {
            const auto metrics = romFontMetrics (v.handle);
            const float w = static_cast<float> (metrics.advance), h = static_cast<float> (metrics.height);
            fill (v.x, v.y, v.x + w, v.y + h, [&] (float px, float py, Colour& c)
            {
                c = tint;
                return glyphCovers (static_cast<std::uint8_t> (v.cell), (px - v.x) / w, (py - v.y) / h);
            });
            return;
        }

        const float w = static_cast<float> (bitmap.width), h = static_cast<float> (bitmap.height);
        fill (v.x, v.y, v.x + w, v.y + h, [&] (float px, float py, Colour& c)
        {
            const auto i = static_cast<std::uint32_t> (std::floor (px - v.x)), j = static_cast<std::uint32_t> (std::floor (py - v.y));

            if (px < v.x || py < v.y || i >= bitmap.width || j >= bitmap.height)
                return false;

            c = texel (bitmap, v.cell, i, j);
            c = { c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a * tint.a };
            return true;
        });
    }

    Colour texel (const BitmapHandle& bitmap, std::uint32_t cellIndex, std::uint32_t i, std::uint32_t j) const
    {
        const auto row = bitmap.source + (cellIndex * bitmap.layoutHeight + j) * bitmap.stride;

        if (bitmap.format == L8)
        {
            const float l = memory.read8 (row + i) / 255.0f;
            return { l, l, l, 1 };
        }

        const auto t = static_cast<std::uint32_t> (memory.read8 (row + 2 * i) | (memory.read8 (row + 2 * i + 1) << 8));

        switch (bitmap.format)
        {
            case ARGB4:    return { ((t >> 8) & 15) / 15.0f, ((t >> 4) & 15) / 15.0f, (t & 15) / 15.0f, (t >> 12) / 15.0f };
            case RGB565:   return { (t >> 11) / 31.0f, ((t >> 5) & 63) / 63.0f, (t & 31) / 31.0f, 1 };
            case ARGB1555: return { ((t >> 10) & 31) / 31.0f, ((t >> 5) & 31) / 31.0f, (t & 31) / 31.0f, float (t >> 15) };
            default:       return { 0, 0, 0, 0 };
        }
    }

    const Bt815Memory& memory;
    RenderedFrame frame;
    GraphicsContext context;
    std::array<GraphicsContext, contextDepth> saved {};
    int depth = 0;
    std::array<BitmapHandle, 32> handles {};
    std::uint32_t primitive = 0;
    std::vector<Vertex> pending;
};

} // namespace

std::uint8_t RenderedFrame::tagAt (int x, int y) const noexcept
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height)
        return 0;

    return tags[static_cast<std::size_t> (y) * image.width + x];
}

RenderedFrame renderDisplayList (const Bt815Memory& memory, int width, int height)
{
    return Rasteriser (memory, width, height).run();
}

} // namespace ftd2xxsim
