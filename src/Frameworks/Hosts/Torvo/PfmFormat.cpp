#include "PfmFormat.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace pfm
{

namespace
{
    using graphics::reference::FloatImage;
    using graphics::reference::Rgba;

    // Nine digits keep width × height × 12 far inside 64 bits, and no real
    // image comes near a billion pixels a side.
    constexpr size_t maxDigits = 9;
    constexpr size_t maxScaleCharacters = 32;

    bool isSpace (char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    }

    /** Reads the header's words in turn, refusing to run past the data. */
    class HeaderReader
    {
    public:
        HeaderReader (const char* data, size_t size) : begin (data), end (data + size), position (data) {}

        /** The next word after any white space, cut one character after maxLength so that
            longer words show; empty at the end of the data. */
        std::string nextWord (size_t maxLength)
        {
            while (position < end && isSpace (*position))
                ++position;

            const auto* start = position;

            while (position < end && ! isSpace (*position) && (size_t) (position - start) <= maxLength)
                ++position;

            return std::string (start, (size_t) (position - start));
        }

        /** Passes the single white-space character that ends the header; false if there is none. */
        bool skipHeaderEnd()
        {
            if (position >= end || ! isSpace (*position))
                return false;

            // A Windows-written header may end in "\r\n".
            if (*position == '\r' && position + 1 < end && position[1] == '\n')
                ++position;

            ++position;
            return true;
        }

        size_t getOffset() const noexcept       { return (size_t) (position - begin); }

    private:
        const char* begin;
        const char* end;
        const char* position;
    };

    /** A positive size written with decimal digits only, or 0 when the word is not one. */
    int parseSize (const std::string& word)
    {
        if (word.empty() || word.size() > maxDigits || word.find_first_not_of ("0123456789") != std::string::npos)
            return 0;

        return std::atoi (word.c_str());
    }

    /** The scale, or 0 when the word is not a finite non-zero number. */
    double parseScale (const std::string& text)
    {
        char* parsedEnd = nullptr;
        const auto value = text.empty() ? 0.0 : std::strtod (text.c_str(), &parsedEnd);

        if (text.empty() || parsedEnd != text.c_str() + text.size() || ! std::isfinite (value))
            return 0.0;

        return value;
    }

    float readFloat (const char* bytes, bool littleEndian)
    {
        juce::uint32 bits = 0;
        std::memcpy (&bits, bytes, sizeof (bits));
        bits = littleEndian ? juce::ByteOrder::swapIfBigEndian (bits) : juce::ByteOrder::swapIfLittleEndian (bits);
        float value = 0.0f;
        std::memcpy (&value, &bits, sizeof (value));
        return value;
    }

    void appendLittleEndianFloat (juce::MemoryOutputStream& out, float value)
    {
        juce::uint32 bits = 0;
        std::memcpy (&bits, &value, sizeof (bits));
        out.writeInt ((int) bits);
    }

    struct Header
    {
        int width = 0, height = 0, channels = 0;
        bool littleEndian = true;
        size_t dataOffset = 0;
    };

    juce::Result readHeader (const juce::MemoryBlock& bytes, Header& header)
    {
        HeaderReader reader (static_cast<const char*> (bytes.getData()), bytes.getSize());
        const auto magic = reader.nextWord (2);

        if (magic != "PF" && magic != "Pf")
            return juce::Result::fail ("not a PFM image (it must start with PF or Pf)");

        header.channels = magic == "PF" ? 3 : 1;
        header.width = parseSize (reader.nextWord (maxDigits));
        header.height = parseSize (reader.nextWord (maxDigits));

        if (header.width <= 0 || header.height <= 0)
            return juce::Result::fail ("the PFM header gives no valid size (expected a width and a height of 1 to "
                                       + juce::String ((int) maxDigits) + " digits)");

        const auto scale = parseScale (reader.nextWord (maxScaleCharacters));

        if (scale == 0.0 || ! reader.skipHeaderEnd())
            return juce::Result::fail ("the PFM header gives no valid scale (expected a finite number other than 0 and one white-space character)");

        header.littleEndian = scale < 0.0;
        header.dataOffset = reader.getOffset();
        return juce::Result::ok();
    }

    void readPixels (const char* data, const Header& header, FloatImage& image)
    {
        const auto rowFloats = (size_t) header.width * (size_t) header.channels;

        for (int row = 0; row < header.height; ++row)
        {
            // The file's first row is the image's bottom row.
            const auto* source = data + (size_t) row * rowFloats * sizeof (float);
            const auto y = header.height - 1 - row;

            for (int x = 0; x < header.width; ++x)
            {
                const auto* pixel = source + (size_t) x * (size_t) header.channels * sizeof (float);
                const auto r = readFloat (pixel, header.littleEndian);
                const auto g = header.channels == 3 ? readFloat (pixel + 4, header.littleEndian) : r;
                const auto b = header.channels == 3 ? readFloat (pixel + 8, header.littleEndian) : r;
                image.setPixel (x, y, { r, g, b, 1.0f });
            }
        }
    }
}

juce::Result decode (const juce::MemoryBlock& bytes, FloatImage& image)
{
    Header header;
    const auto headerResult = readHeader (bytes, header);

    if (headerResult.failed())
        return headerResult;

    const auto needed = (juce::uint64) header.width * (juce::uint64) header.height * (juce::uint64) header.channels * sizeof (float);
    const auto present = (juce::uint64) (bytes.getSize() - header.dataOffset);

    if (present < needed)
        return juce::Result::fail ("the PFM data is truncated (" + juce::String (header.width) + " x " + juce::String (header.height)
                                   + " pixels need " + juce::String (needed) + " bytes, "
                                   + juce::String (present) + " follow the header)");

    FloatImage decoded (header.width, header.height);
    readPixels (static_cast<const char*> (bytes.getData()) + header.dataOffset, header, decoded);
    image = std::move (decoded);
    return juce::Result::ok();
}

juce::MemoryBlock encode (const FloatImage& image)
{
    juce::MemoryOutputStream out;
    out << "PF\n" << image.getWidth() << " " << image.getHeight() << "\n-1\n";

    for (int y = image.getHeight(); --y >= 0;)
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto pixel = image.getPixel (x, y);
            appendLittleEndianFloat (out, pixel.r);
            appendLittleEndianFloat (out, pixel.g);
            appendLittleEndianFloat (out, pixel.b);
        }

    return out.getMemoryBlock();
}

} // namespace pfm
