#pragma once

#include "Bt815Coprocessor.h"
#include "Bt815Memory.h"
#include "D2xxApi.h"
#include "DisplayListRenderer.h"
#include "FrontPanelLink.h"
#include "SpiSlave.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ftd2xxsim
{

/**
    A Bridgetek BT815 EVE controller on the SPI pins: chip select on ADBUS3
    (active low), power-down (PD_N) on ADBUS7. After power-down it sleeps until
    the host command ACTIVE; then it serves memory reads and writes on its
    22-bit address space (Bt815Memory). A write that runs past the end of
    RAM_CMD wraps to its start, as the FIFO's ring needs. The boot leaves the
    chip identification word at 0x0C0000 inside RAM_G.

    Writes to REG_CMD_WRITE start the co-processor, REG_CPURESET bit 0 holds
    it in reset, and a swap (REG_DLSWAP or CMD_SWAP) renders RAM_DL into the
    displayed frame, which is written as a PNG to the file that
    FTD2XX_SIM_FRAME_PNG names, if it is set. Touches are set from outside,
    or by a front-panel viewer through the file FTD2XX_SIM_PANEL names, where
    the frames are published too (FrontPanelLink).
*/
class Bt815 : public SpiSlave
{
public:
    /** A controller that counts the value bytes of its memory accesses into statistics, if given. */
    explicit Bt815 (FTSimStatistics* statistics = nullptr);

    void pinsChanged (std::uint8_t levels) override;
    bool clockBit (bool dataOut) override;

    /** Whether ACTIVE has woken the controller since its last power-down. */
    bool isActive() const noexcept               { return active; }

    /** The host commands received since the last power-down, oldest first, for checks of the wake-up sequence. */
    std::vector<std::uint8_t> hostCommands;

    /** Reads one byte of the address space as the host would see it. */
    std::uint8_t peek (std::uint32_t address) const noexcept;

    /** Lets the boot after each ACTIVE last for the given number of read transactions, which all answer 0. */
    void setBootReads (int reads) noexcept       { bootReads = reads; }

    /**
        Lets the engines stay in reset after each boot for the given number of
        reads of REG_CPURESET, which answer 7 (co-processor, touch and audio
        held) before it reads 0.
    */
    void setEngineStartReads (int reads) noexcept { engineStartReads = reads; }

    /** Makes the co-processor's next command fault with text. */
    void injectCoprocessorFault (const std::string& text);

    /** Touches the panel at (x, y); a negative x lifts the touch. */
    void touch (int x, int y);

    /** The host closed the bridge: the front panel is told that nothing is shown. */
    void bridgeClosed()                          { frontPanel.powerDown(); }

    /** The frame the last swap produced (empty before the first). */
    const RenderedFrame& displayedFrame() const noexcept { return frame; }

private:
    void powerDown();
    void boot();
    void endTransaction();
    void byteReceived (std::uint8_t byte);
    void afterHostWrite (std::uint32_t first, std::uint32_t last);
    void swapDisplayList();
    void engineResetRead();
    void pollFrontPanel();
    std::uint8_t nextOutgoingByte();

    FTSimStatistics* stats;
    Bt815Memory memory;
    Bt815Coprocessor coprocessor;
    RenderedFrame frame;
    FrontPanelLink frontPanel;
    bool touching = false;
    int touchX = 0, touchY = 0;
    std::uint8_t chipId[4] { 0x08, 0x15, 0x01, 0x00 };

    bool poweredUp = false, active = false, selected = false;
    int bootReads = 0, bootReadsLeft = 0;
    int engineStartReads = 0, engineStartReadsLeft = 0;
    bool enginesStarting = false;
    bool answeringZeros = false;
    std::vector<std::uint8_t> header;
    std::uint32_t address = 0, firstWritten = 0, lastWritten = 0;
    bool wroteData = false;
    std::uint8_t incoming = 0, outgoing = 0xFF;
    int bitIndex = 0;
};

} // namespace ftd2xxsim
