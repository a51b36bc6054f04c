#pragma once

#include "Bt815Memory.h"

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ftd2xxsim
{

/**
    The BT815's co-processor: it consumes RAM_CMD from REG_CMD_READ up to
    REG_CMD_WRITE, writes display-list words into RAM_DL at REG_CMD_DL and
    runs the commands the display layer uses: CMD_DLSTART, CMD_SWAP,
    CMD_FGCOLOR, CMD_BGCOLOR, CMD_TEXT, CMD_BUTTON, CMD_SETBITMAP,
    CMD_MEMWRITE, CMD_INFLATE, CMD_LOADIMAGE (PNG), CMD_GETPROPS and
    CMD_GETPTR. Data that follows a command may arrive over several
    publications. Any other command, an illegal font, undecodable data or an
    injected fault stops it: REG_CMD_READ reads 0xFFF and the fault text is in
    RAM_ERR_REPORT until the host resets it through REG_CPURESET.
*/
class Bt815Coprocessor
{
public:
    /** A co-processor on memory that calls swap when a CMD_SWAP completes a display list. */
    Bt815Coprocessor (Bt815Memory& memory, std::function<void()> swap);
    ~Bt815Coprocessor();

    Bt815Coprocessor (const Bt815Coprocessor&) = delete;
    Bt815Coprocessor& operator= (const Bt815Coprocessor&) = delete;

    /** The reset held by REG_CPURESET bit 0: forgets the command in progress and any fault. */
    void reset();

    /** Consumes what the host has published, as far as it is complete. */
    void run();

    /** Makes the next command fault with text. */
    void injectFault (std::string text);

private:
    enum class Stream { none, memWrite, inflate, loadImage };

    std::uint32_t startCommand (std::uint32_t read, std::uint32_t available);
    std::uint32_t continueStream (std::uint32_t read, std::uint32_t available);
    std::uint32_t streamMemWrite (const std::vector<std::uint8_t>& bytes);
    std::uint32_t streamInflate (const std::vector<std::uint8_t>& bytes);
    std::uint32_t streamImage (const std::vector<std::uint8_t>& bytes);
    std::uint32_t runWithString (std::uint32_t cmd, std::uint32_t read, std::uint32_t available, std::uint32_t headerBytes);
    void runFixed (std::uint32_t cmd, const std::uint32_t* p, std::uint32_t read);
    void decodeImage (const std::vector<std::uint8_t>& png);
    void emitBitmapSetup (std::uint32_t address, std::uint32_t format, std::uint32_t width, std::uint32_t height);
    bool emitText (int x, int y, std::uint32_t font, std::uint32_t options, const std::string& text, const char* command);
    void emitButton (const std::uint32_t* p, const std::string& text);
    void emit (std::uint32_t word);
    void fault (const std::string& text);
    std::uint8_t ringByte (std::uint32_t offset) const noexcept;
    std::uint32_t ringWord (std::uint32_t offset) const noexcept;
    void setRingWord (std::uint32_t offset, std::uint32_t value) noexcept;

    Bt815Memory& memory;
    std::function<void()> swap;

    bool faulted = false;
    std::string pendingFault;
    std::uint32_t foreground = 0x003870, background = 0x002040;

    Stream stream = Stream::none;
    std::uint32_t streamAddress = 0, streamRemaining = 0, streamPadded = 0, streamOptions = 0;
    std::uint64_t streamBytes = 0;
    std::vector<std::uint8_t> imageBytes;
    z_stream inflater {};
    bool inflaterOpen = false;

    // What CMD_GETPROPS and CMD_GETPTR report.
    std::uint32_t lastEnd = 0, lastWidth = 0, lastHeight = 0;
};

} // namespace ftd2xxsim
