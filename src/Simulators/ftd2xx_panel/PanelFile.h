#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace ftd2xxsim
{

/**
    The layout of a front-panel file, all fields little-endian 32-bit words:
    magic, version, width, height, frame sequence (0: nothing published, odd:
    a frame is being written), then the touch record (sequence, pressed, x,
    y, check), then from byte 64 the frame's RGBA pixels, rows top to bottom.
    The simulator writes only the frame part, the viewer only the touch
    record, so neither ever waits for the other.
*/
namespace panel
{
constexpr std::uint32_t magic = 0x4C4E5054;      // "TPNL"
constexpr std::uint32_t version = 1;
constexpr int width = 480, height = 128;         // the visible area of the display Vitrel drives
constexpr long frameSequenceOffset = 16, touchOffset = 20, pixelsOffset = 64;
constexpr std::size_t pixelBytes = static_cast<std::size_t> (width) * height * 4;
} // namespace panel

/** A touch as the viewer sends it: pressed at (x, y), or lifted. */
struct PanelTouch
{
    std::uint32_t sequence = 0;    ///< grows with every message, so a repeated one is seen as new
    bool pressed = false;
    int x = 0, y = 0;
};

/** What readTouch found. */
enum class TouchRead
{
    none,       ///< nothing new since the last read
    touch,      ///< a new, well-formed touch
    refused     ///< a record that is torn, out of the panel or not a touch record at all
};

//==============================================================================
/**
    One side's handle on a front-panel file. The publishing side creates the
    file; the viewing side only opens one that exists. Every access is a short
    unbuffered read or write of the file: nothing blocks on the other side,
    which may be gone.
*/
class PanelFile
{
public:
    /** Opens the file at path for publishing, creating it with an empty frame; null when it cannot be. */
    static std::unique_ptr<PanelFile> create (const std::string& path);

    /** Opens an existing file at path for viewing; null when there is none or it is not a panel file. */
    static std::unique_ptr<PanelFile> open (const std::string& path);

    ~PanelFile();

    PanelFile (const PanelFile&) = delete;
    PanelFile& operator= (const PanelFile&) = delete;

    /** Publishes a frame of panel::width x panel::height RGBA pixels. */
    void publishFrame (const std::uint8_t* rgba);

    /** Marks the panel as showing nothing (the display is powered down). */
    void unpublish();

    /** Reads the latest complete frame into rgba (panel::pixelBytes) and its sequence; false when none is published or it kept changing. */
    bool readFrame (std::vector<std::uint8_t>& rgba, std::uint32_t& sequence);

    /** Sends a touch: pressed at (x, y) or lifted. */
    void writeTouch (bool pressed, int x, int y);

    /** Reads the touch record; a new, valid one is stored in touch. */
    TouchRead readTouch (PanelTouch& touch);

private:
    explicit PanelFile (std::FILE* file) noexcept : file (file) {}

    bool readWords (long offset, std::uint32_t* words, int count);
    void writeWords (long offset, const std::uint32_t* words, int count);

    std::FILE* file;
    std::uint32_t frameSequence = 0, touchSequence = 0, lastTouchSequence = 0;
};

} // namespace ftd2xxsim
