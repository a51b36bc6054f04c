#include "PanelFile.h"

namespace ftd2xxsim
{
namespace
{

std::uint32_t touchCheck (std::uint32_t sequence, std::uint32_t pressed, std::uint32_t x, std::uint32_t y) noexcept
{
    // A record torn between two writes, or written by anything else, fails the check.
    return panel::magic ^ (sequence * 2654435761u) ^ (pressed << 31) ^ (x << 16) ^ y;
}

void toBytes (const std::uint32_t* words, int count, std::uint8_t* bytes) noexcept
{
    for (int i = 0; i < 4 * count; ++i)
        bytes[i] = static_cast<std::uint8_t> (words[i / 4] >> (8 * (i % 4)));
}

/** An unbuffered handle, so that each access reaches the file at once and every read sees the other side's writes. */
std::FILE* openUnbuffered (const std::string& path, const char* mode)
{
    auto* file = std::fopen (path.c_str(), mode);

    if (file != nullptr)
        std::setvbuf (file, nullptr, _IONBF, 0);

    return file;
}

} // namespace

std::unique_ptr<PanelFile> PanelFile::create (const std::string& path)
{
    auto* file = openUnbuffered (path, "w+b");

    if (file == nullptr)
        return nullptr;

    std::unique_ptr<PanelFile> panelFile (new PanelFile (file));
    const std::uint32_t header[16] { panel::magic, panel::version, panel::width, panel::height };
    panelFile->writeWords (0, header, 16);

    const std::vector<std::uint8_t> black (panel::pixelBytes, 0);
    std::fwrite (black.data(), 1, black.size(), file);
    return panelFile;
}

std::unique_ptr<PanelFile> PanelFile::open (const std::string& path)
{
    auto* file = openUnbuffered (path, "r+b");

    if (file == nullptr)
        return nullptr;

    std::unique_ptr<PanelFile> panelFile (new PanelFile (file));
    std::uint32_t header[6] {};

    if (! panelFile->readWords (0, header, 6) || header[0] != panel::magic || header[1] != panel::version
        || header[2] != panel::width || header[3] != panel::height)
        return nullptr;

    panelFile->touchSequence = header[5];
    return panelFile;
}

PanelFile::~PanelFile()
{
    std::fclose (file);
}

bool PanelFile::readWords (long offset, std::uint32_t* words, int count)
{
    std::uint8_t bytes[64] {};

    if (count > 16 || std::fseek (file, offset, SEEK_SET) != 0
        || std::fread (bytes, 1, static_cast<std::size_t> (4 * count), file) != static_cast<std::size_t> (4 * count))
        return false;

    for (int i = 0; i < count; ++i)
        words[i] = static_cast<std::uint32_t> (bytes[4 * i] | (bytes[4 * i + 1] << 8) | (bytes[4 * i + 2] << 16))
                 | (static_cast<std::uint32_t> (bytes[4 * i + 3]) << 24);

    return true;
}

void PanelFile::writeWords (long offset, const std::uint32_t* words, int count)
{
    std::uint8_t bytes[64] {};
    toBytes (words, count, bytes);

    if (std::fseek (file, offset, SEEK_SET) == 0)
        std::fwrite (bytes, 1, static_cast<std::size_t> (4 * count), file);
}

void PanelFile::publishFrame (const std::uint8_t* rgba)
{
    // An odd sequence while the pixels change tells a reader to come back.
    const std::uint32_t writing = frameSequence | 1;
    writeWords (panel::frameSequenceOffset, &writing, 1);

    if (std::fseek (file, panel::pixelsOffset, SEEK_SET) == 0)
        std::fwrite (rgba, 1, panel::pixelBytes, file);

    frameSequence = writing + 1;
    writeWords (panel::frameSequenceOffset, &frameSequence, 1);
}

void PanelFile::unpublish()
{
    const std::uint32_t none = 0;
    writeWords (panel::frameSequenceOffset, &none, 1);
}

bool PanelFile::readFrame (std::vector<std::uint8_t>& rgba, std::uint32_t& sequence)
{
    rgba.resize (panel::pixelBytes);

    for (int attempt = 0; attempt < 3; ++attempt)
    {
        std::uint32_t before = 0, after = 0;

        if (! readWords (panel::frameSequenceOffset, &before, 1) || before == 0)
            return false;

        if ((before & 1) != 0)
            continue;

        if (std::fseek (file, panel::pixelsOffset, SEEK_SET) != 0
            || std::fread (rgba.data(), 1, rgba.size(), file) != rgba.size())
            return false;

        if (readWords (panel::frameSequenceOffset, &after, 1) && after == before)
        {
            sequence = before;
            return true;
        }
    }

    return false;
}

void PanelFile::writeTouch (bool pressed, int x, int y)
{
    ++touchSequence;
    const auto ux = static_cast<std::uint32_t> (pressed ? x : 0), uy = static_cast<std::uint32_t> (pressed ? y : 0);
    const std::uint32_t record[5] { touchSequence, pressed ? 1u : 0u, ux, uy,
                                    touchCheck (touchSequence, pressed ? 1u : 0u, ux, uy) };
    writeWords (panel::touchOffset, record, 5);
}

TouchRead PanelFile::readTouch (PanelTouch& touch)
{
    std::uint32_t record[5] {};

    if (! readWords (panel::touchOffset, record, 5))
        return TouchRead::refused;

    const auto [sequence, pressed, x, y, check] = record;

    if (sequence == lastTouchSequence)
        return TouchRead::none;

    const bool wellFormed = check == touchCheck (sequence, pressed, x, y) && pressed <= 1
                         && x < static_cast<std::uint32_t> (panel::width) && y < static_cast<std::uint32_t> (panel::height);

    // A refused record is not read again until the viewer writes another.
    lastTouchSequence = sequence;

    if (! wellFormed)
        return TouchRead::refused;

    touch = { sequence, pressed == 1, static_cast<int> (x), static_cast<int> (y) };
    return TouchRead::touch;
}

} // namespace ftd2xxsim
