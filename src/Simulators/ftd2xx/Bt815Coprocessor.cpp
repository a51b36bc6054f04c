#include "Bt815Coprocessor.h"

#include "PngCodec.h"
#include "RomFonts.h"

#include <algorithm>

namespace ftd2xxsim
{

using namespace bt815;

namespace
{

constexpr std::uint32_t CMD_DLSTART = 0xFFFFFF00, CMD_SWAP = 0xFFFFFF01, CMD_BGCOLOR = 0xFFFFFF09,
                        CMD_FGCOLOR = 0xFFFFFF0A, CMD_TEXT = 0xFFFFFF0C, CMD_BUTTON = 0xFFFFFF0D,
                        CMD_MEMWRITE = 0xFFFFFF1A, CMD_INFLATE = 0xFFFFFF22, CMD_GETPTR = 0xFFFFFF23,
                        CMD_LOADIMAGE = 0xFFFFFF24, CMD_GETPROPS = 0xFFFFFF25, CMD_SETBITMAP = 0xFFFFFF43;

constexpr std::uint32_t OPT_NODL = 2, OPT_CENTERX = 0x200, OPT_CENTERY = 0x400, OPT_RIGHTX = 0x800;
constexpr std::uint32_t ARGB4 = 6, RGB565 = 7, L8 = 3;
constexpr std::uint32_t ringMask = RAM_CMD_SIZE - 1;
constexpr std::size_t largestImage = 4u << 20;

/** Parameter words after the command word. */
int parameterWords (std::uint32_t cmd) noexcept
{
    switch (cmd)
    {
        case CMD_DLSTART: case CMD_SWAP: return 0;
        case CMD_BGCOLOR: case CMD_FGCOLOR: case CMD_INFLATE: case CMD_GETPTR: return 1;
        case CMD_TEXT: case CMD_MEMWRITE: case CMD_LOADIMAGE: return 2;
        case CMD_BUTTON: case CMD_GETPROPS: case CMD_SETBITMAP: return 3;
        default: return -1;
    }
}

constexpr std::uint32_t roundUp4 (std::uint64_t n) noexcept  { return static_cast<std::uint32_t> ((n + 3) & ~std::uint64_t (3)); }

std::uint32_t bytesPerRow (std::uint32_t format, std::uint32_t width) noexcept
{
    return format == L8 ? width : 2 * width;
}

std::int16_t low16 (std::uint32_t word) noexcept    { return static_cast<std::int16_t> (word & 0xFFFF); }
std::int16_t high16 (std::uint32_t word) noexcept   { return static_cast<std::int16_t> (word >> 16); }

// Display-list words the co-processor writes on the host's behalf.
constexpr std::uint32_t saveContext() noexcept       { return 0x22000000; }
constexpr std::uint32_t restoreContext() noexcept    { return 0x23000000; }
constexpr std::uint32_t vertexFormat0() noexcept     { return 0x27000000; }
constexpr std::uint32_t beginBitmaps() noexcept      { return 0x1F000001; }
constexpr std::uint32_t beginRects() noexcept        { return 0x1F000009; }
constexpr std::uint32_t endPrimitive() noexcept      { return 0x21000000; }
std::uint32_t bitmapHandle (std::uint32_t h) noexcept { return 0x05000000 | (h & 0x1F); }
std::uint32_t cell (std::uint32_t c) noexcept        { return 0x06000000 | (c & 0x7F); }
std::uint32_t colorRgb (std::uint32_t rgb) noexcept  { return 0x04000000 | (rgb & 0xFFFFFF); }

std::uint32_t vertex2f (int x, int y) noexcept
{
    return 0x40000000 | ((std::uint32_t (x) & 0x7FFF) << 15) | (std::uint32_t (y) & 0x7FFF);
}

} // namespace

Bt815Coprocessor::Bt815Coprocessor (Bt815Memory& m, std::function<void()> onSwap) : memory (m), swap (std::move (onSwap)) {}

Bt815Coprocessor::~Bt815Coprocessor()
{
    reset();
}

void Bt815Coprocessor::reset()
{
    if (inflaterOpen)
        inflateEnd (&inflater);

    inflaterOpen = false;
    faulted = false;
    stream = Stream::none;
    imageBytes.clear();
    foreground = 0x003870;
    background = 0x002040;
}

void Bt815Coprocessor::injectFault (std::string text)
{
    pendingFault = std::move (text);
}

void Bt815Coprocessor::run()
{
    if ((memory.read8 (REG_CPURESET) & 1) != 0)
        return;

    while (! faulted)
    {
        const auto read = memory.read32 (REG_CMD_READ) & ringMask;
        const auto available = (memory.read32 (REG_CMD_WRITE) - read) & ringMask;

        if (available == 0)
            return;

        const auto used = stream != Stream::none ? continueStream (read, available) : startCommand (read, available);

        if (used == 0 || faulted)
            return;

        memory.write32 (REG_CMD_READ, (read + used) & ringMask);
    }
}

std::uint32_t Bt815Coprocessor::startCommand (std::uint32_t read, std::uint32_t available)
{
    if (available < 4)
        return 0;

    const auto cmd = ringWord (read);

    if ((cmd >> 8) != 0xFFFFFF)
    {
        emit (cmd);
        return 4;
    }

    if (! pendingFault.empty())
    {
        fault (pendingFault);
        pendingFault.clear();
        return 0;
    }

    const int words = parameterWords (cmd);

    if (words < 0)
    {
        fault ("unsupported command");
        return 0;
    }

    const auto headerBytes = 4u * static_cast<std::uint32_t> (1 + words);

    if (available < headerBytes)
        return 0;

    std::uint32_t p[3] {};
    for (int i = 0; i < words; ++i)
        p[i] = ringWord (read + 4 + 4 * static_cast<std::uint32_t> (i));

    switch (cmd)
    {
        case CMD_TEXT:
        case CMD_BUTTON:
            return runWithString (cmd, read, available, headerBytes);
        case CMD_MEMWRITE:
            stream = Stream::memWrite;
            streamAddress = p[0];
            streamRemaining = p[1];
            streamPadded = roundUp4 (p[1]);
            break;
        case CMD_INFLATE:
            stream = Stream::inflate;
            streamAddress = p[0];
            streamBytes = 0;
            inflater = {};
            inflaterOpen = inflateInit (&inflater) == Z_OK;
            break;
        case CMD_LOADIMAGE:
            stream = Stream::loadImage;
            streamAddress = p[0];
            streamOptions = p[1];
            imageBytes.clear();
            break;
        default:
            runFixed (cmd, p, read);
            break;
    }

    return headerBytes;
}

std::uint32_t Bt815Coprocessor::runWithString (std::uint32_t cmd, std::uint32_t read, std::uint32_t available,
                                               std::uint32_t headerBytes)
{
    std::string text;

    for (std::uint32_t i = headerBytes; i < available; ++i)
    {
        const auto c = ringByte (read + i);

        if (c != 0)
        {
            text.push_back (static_cast<char> (c));
            continue;
        }

        const auto p0 = ringWord (read + 4), p1 = ringWord (read + 8), p2 = ringWord (read + 12);

        if (cmd == CMD_TEXT)
            emitText (low16 (p0), high16 (p0), p1 & 0xFFFF, p1 >> 16, text, "cmd_text()");
        else
        {
            const std::uint32_t parameters[3] { p0, p1, p2 };
            emitButton (parameters, text);
        }

        return roundUp4 (i + 1);
    }

    return 0;   // the terminator has not arrived yet
}

void Bt815Coprocessor::runFixed (std::uint32_t cmd, const std::uint32_t* p, std::uint32_t read)
{
    switch (cmd)
    {
        case CMD_DLSTART:  memory.write32 (REG_CMD_DL, 0); break;
        case CMD_SWAP:     swap(); break;
        case CMD_FGCOLOR:  foreground = p[0]; break;
        case CMD_BGCOLOR:  background = p[0]; break;
        case CMD_GETPTR:   setRingWord (read + 4, lastEnd); break;
        case CMD_SETBITMAP:
            emitBitmapSetup (p[0], p[1] & 0xFFFF, p[1] >> 16, p[2] & 0xFFFF);
            break;
        case CMD_GETPROPS:
            setRingWord (read + 4, lastEnd);
            setRingWord (read + 8, lastWidth);
            setRingWord (read + 12, lastHeight);
            break;
        default: break;
    }
}

std::uint32_t Bt815Coprocessor::continueStream (std::uint32_t read, std::uint32_t available)
{
    std::vector<std::uint8_t> bytes (available);

    for (std::uint32_t i = 0; i < available; ++i)
        bytes[i] = ringByte (read + i);

    switch (stream)
    {
        case Stream::memWrite:  return streamMemWrite (bytes);
        case Stream::inflate:   return streamInflate (bytes);
        case Stream::loadImage: return streamImage (bytes);
        case Stream::none:      break;
    }

    return 0;
}

std::uint32_t Bt815Coprocessor::streamMemWrite (const std::vector<std::uint8_t>& bytes)
{
    const auto used = std::min<std::uint32_t> (static_cast<std::uint32_t> (bytes.size()), streamPadded);
    const auto data = std::min (used, streamRemaining);

    for (std::uint32_t i = 0; i < data; ++i)
        memory.write8 (streamAddress + i, bytes[i]);

    streamAddress += data;
    streamRemaining -= data;
    streamPadded -= used;

    if (streamPadded == 0)
        stream = Stream::none;

    return used;
}

std::uint32_t Bt815Coprocessor::streamInflate (const std::vector<std::uint8_t>& bytes)
{
    inflater.next_in = const_cast<Bytef*> (bytes.data());
    inflater.avail_in = static_cast<uInt> (bytes.size());
    int status = inflaterOpen ? Z_OK : Z_STREAM_ERROR;

    while (status == Z_OK && inflater.avail_in > 0)
    {
        std::uint8_t out[4096];
        inflater.next_out = out;
        inflater.avail_out = sizeof (out);
        status = inflate (&inflater, Z_NO_FLUSH);
        const auto produced = static_cast<std::uint32_t> (sizeof (out) - inflater.avail_out);

        for (std::uint32_t i = 0; i < produced; ++i)
            memory.write8 (streamAddress + i, out[i]);

        streamAddress += produced;

        if (status == Z_BUF_ERROR && produced > 0)
            status = Z_OK;
    }

    const auto consumed = static_cast<std::uint32_t> (bytes.size() - inflater.avail_in);
    const auto before = streamBytes;
    streamBytes += consumed;

    if (status != Z_OK && status != Z_STREAM_END)
    {
        fault ("corrupted data in cmd_inflate()");
        return 0;
    }

    if (status == Z_OK)
        return consumed;

    // The stream has ended: the data's padding to whole words goes with it.
    inflateEnd (&inflater);
    inflaterOpen = false;
    stream = Stream::none;
    lastEnd = streamAddress;
    return static_cast<std::uint32_t> (std::min<std::uint64_t> (bytes.size(), roundUp4 (streamBytes) - before));
}

std::uint32_t Bt815Coprocessor::streamImage (const std::vector<std::uint8_t>& bytes)
{
    const auto before = imageBytes.size();
    imageBytes.insert (imageBytes.end(), bytes.begin(), bytes.end());
    const auto length = completePngLength (imageBytes.data(), imageBytes.size());

    if (length == 0)
    {
        const bool notPng = imageBytes.size() >= 8 && imageBytes[0] != 0x89;

        if (notPng || imageBytes.size() > largestImage)
            fault ("unsupported image data in cmd_loadimage()");

        return static_cast<std::uint32_t> (bytes.size());
    }

    imageBytes.resize (length);
    stream = Stream::none;
    decodeImage (imageBytes);
    imageBytes.clear();
    return static_cast<std::uint32_t> (std::min<std::uint64_t> (bytes.size(), roundUp4 (length) - before));
}

void Bt815Coprocessor::decodeImage (const std::vector<std::uint8_t>& png)
{
    PngHeader header;
    RgbaImage image;
    std::string error;

    if (! decodePng (png.data(), png.size(), header, image, error))
    {
        fault (error + " in cmd_loadimage()");
        return;
    }

    // Images with transparency become ARGB4, opaque colour RGB565, grey L8.
    const bool alpha = header.colourType == 4 || header.colourType == 6 || header.colourType == 3;
    const auto format = alpha ? ARGB4 : (header.colourType == 2 ? RGB565 : L8);
    const auto stride = bytesPerRow (format, static_cast<std::uint32_t> (image.width));

    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
        {
            const auto* s = image.at (x, y);
            const auto address = streamAddress + static_cast<std::uint32_t> (y) * stride;

            if (format == L8)
            {
                memory.write8 (address + static_cast<std::uint32_t> (x), s[0]);
                continue;
            }

            const auto texel = format == ARGB4
                ? ((s[3] >> 4) << 12) | ((s[0] >> 4) << 8) | ((s[1] >> 4) << 4) | (s[2] >> 4)
                : ((s[0] >> 3) << 11) | ((s[1] >> 2) << 5) | (s[2] >> 3);
            memory.write8 (address + 2 * static_cast<std::uint32_t> (x), static_cast<std::uint8_t> (texel));
            memory.write8 (address + 2 * static_cast<std::uint32_t> (x) + 1, static_cast<std::uint8_t> (texel >> 8));
        }

    lastWidth = static_cast<std::uint32_t> (image.width);
    lastHeight = static_cast<std::uint32_t> (image.height);
    lastEnd = streamAddress + stride * lastHeight;

    if ((streamOptions & OPT_NODL) == 0)
        emitBitmapSetup (streamAddress, format, lastWidth, lastHeight);
}

void Bt815Coprocessor::emitBitmapSetup (std::uint32_t address, std::uint32_t format, std::uint32_t width,
                                        std::uint32_t height)
{
    const auto stride = bytesPerRow (format, width);
    emit (0x01000000 | (address & 0xFFFFFF));                                               // BITMAP_SOURCE
    emit (0x07000000 | (format << 19) | ((stride & 0x3FF) << 9) | (height & 0x1FF));         // BITMAP_LAYOUT
    emit (0x28000000 | (((stride >> 10) & 3) << 2) | ((height >> 9) & 3));                  // BITMAP_LAYOUT_H
    emit (0x08000000 | ((width & 0x1FF) << 9) | (height & 0x1FF));                          // BITMAP_SIZE, nearest, border
    emit (0x29000000 | (((width >> 9) & 3) << 2) | ((height >> 9) & 3));                    // BITMAP_SIZE_H
}

bool Bt815Coprocessor::emitText (int x, int y, std::uint32_t font, std::uint32_t options, const std::string& text,
                                 const char* command)
{
    if (! isRomFont (font))
    {
        fault (std::string ("illegal font or bitmap handle in ") + command);
        return false;
    }

    const auto metrics = romFontMetrics (font);
    int width = 0;

    for (auto c : text)
        if (static_cast<std::uint8_t> (c) >= 32)
            width += metrics.advance;

    if ((options & OPT_CENTERX) != 0) x -= width / 2;
    if ((options & OPT_RIGHTX) != 0) x -= width;
    if ((options & OPT_CENTERY) != 0) y -= metrics.height / 2;

    emit (saveContext());
    emit (vertexFormat0());
    emit (bitmapHandle (font));
    emit (beginBitmaps());

    for (auto c : text)
    {
        const auto code = static_cast<std::uint8_t> (c);

        if (code < 32)
            continue;

        emit (cell (code));
        emit (vertex2f (x, y));
        x += metrics.advance;
    }

    emit (endPrimitive());
    emit (restoreContext());
    return true;
}

void Bt815Coprocessor::emitButton (const std::uint32_t* p, const std::string& text)
{
    const int x = low16 (p[0]), y = high16 (p[0]), w = low16 (p[1]), h = high16 (p[1]);

    // Flat and raised buttons alike are drawn as a rectangle in the foreground colour.
    emit (saveContext());
    emit (colorRgb (foreground));
    emit (vertexFormat0());
    emit (beginRects());
    emit (vertex2f (x, y));
    emit (vertex2f (x + w, y + h));
    emit (endPrimitive());
    emit (restoreContext());
    emitText (x + w / 2, y + h / 2, p[2] & 0xFFFF, OPT_CENTERX | OPT_CENTERY, text, "cmd_button()");
}

void Bt815Coprocessor::emit (std::uint32_t word)
{
    const auto offset = memory.read32 (REG_CMD_DL);

    if (offset >= RAM_DL_SIZE)
    {
        fault ("display list overflow");
        return;
    }

    memory.write32 (RAM_DL + offset, word);
    memory.write32 (REG_CMD_DL, offset + 4);
}

void Bt815Coprocessor::fault (const std::string& text)
{
    for (std::uint32_t i = 0; i < RAM_ERR_REPORT_SIZE; ++i)
        memory.write8 (RAM_ERR_REPORT + i, i < text.size() ? static_cast<std::uint8_t> (text[i]) : 0);

    memory.write32 (REG_CMD_READ, 0xFFF);
    faulted = true;
    stream = Stream::none;
}

std::uint8_t Bt815Coprocessor::ringByte (std::uint32_t offset) const noexcept
{
    return memory.read8 (RAM_CMD + (offset & ringMask));
}

std::uint32_t Bt815Coprocessor::ringWord (std::uint32_t offset) const noexcept
{
    return memory.read32 (RAM_CMD + (offset & ringMask));
}

void Bt815Coprocessor::setRingWord (std::uint32_t offset, std::uint32_t value) noexcept
{
    memory.write32 (RAM_CMD + (offset & ringMask), value);
}

} // namespace ftd2xxsim
