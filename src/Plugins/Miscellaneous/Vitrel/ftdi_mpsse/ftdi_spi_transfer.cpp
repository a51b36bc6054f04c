#include "ftdi_spi.h"

#include "ChannelRegistry.h"
#include "MpsseIo.h"
#include "NullCheck.h"
#include "ftdi_infra.h"

#include <algorithm>

using namespace vitrel::ftdi;

namespace
{

// The length of a byte command travels as size - 1 in 16 bits.
constexpr std::uint32_t maxBytesPerTransfer = 65536;

/** The shift opcodes of one transfer kind, for modes 0 and 3 and for modes 1 and 2. */
struct ShiftOpcodes
{
    std::uint8_t modes0And3;
    std::uint8_t modes1And2;

    std::uint8_t forMode (std::uint32_t mode) const noexcept
    {
        return (mode == 0 || mode == 3) ? modes0And3 : modes1And2;
    }
};

constexpr ShiftOpcodes writeBytesOps { 0x11, 0x10 }, writeBitsOps { 0x13, 0x12 };
constexpr ShiftOpcodes readBytesOps { 0x20, 0x24 }, readBitsOps { 0x22, 0x26 };
constexpr ShiftOpcodes exchangeBytesOps { 0x31, 0x34 }, exchangeBitsOps { 0x33, 0x36 };

/** What one transfer moves: the sent and received buffers (either may be absent), the size and the unit. */
struct Transfer
{
    std::uint8_t* received;
    std::uint8_t* sent;
    std::uint32_t size;
    bool inBits;
    std::uint32_t* transferred;
};

std::uint8_t lowByte (std::uint32_t value) noexcept  { return static_cast<std::uint8_t> (value & 0xFF); }
std::uint8_t highByte (std::uint32_t value) noexcept { return static_cast<std::uint8_t> ((value >> 8) & 0xFF); }

FT_STATUS shiftBytes (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t opcode, const Transfer& t)
{
    const auto last = t.size - 1;
    FT_STATUS status = t.received != nullptr && t.sent == nullptr
                           ? writeCommand (d2xx, handle, { opcode, lowByte (last), highByte (last), MPSSE_SEND_IMMEDIATE })
                           : writeCommand (d2xx, handle, { opcode, lowByte (last), highByte (last) });

    if (status != FT_OK)
        return status;

    if (t.sent != nullptr && (status = writeBytes (d2xx, handle, t.sent, t.size, t.transferred)) != FT_OK)
        return status;

    return t.received != nullptr ? d2xx.read (handle, t.received, t.size, t.transferred) : FT_OK;
}

/** Cuts a bit transfer into chunks of at most 8 bits; chunk k uses byte k of the buffers. */
FT_STATUS shiftBits (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t opcode, const Transfer& t)
{
    for (std::uint32_t done = 0; done < t.size;)
    {
        const auto chunk = std::min<std::uint32_t> (t.size - done, 8);
        const auto bitsMinusOne = static_cast<std::uint8_t> (chunk - 1);
        const auto index = done / 8;
        FT_STATUS status = t.sent != nullptr ? writeCommand (d2xx, handle, { opcode, bitsMinusOne, t.sent[index] })
                                             : writeCommand (d2xx, handle, { opcode, bitsMinusOne, MPSSE_SEND_IMMEDIATE });

        if (status != FT_OK)
            return status;

        if (t.received != nullptr)
        {
            std::uint32_t received = 0;

            if ((status = d2xx.read (handle, t.received + index, 1, &received)) != FT_OK)
                return status;
        }

        done += chunk;
        *t.transferred = done;
    }

    return FT_OK;
}

/** Runs a transfer with the chip-select handling its options ask for. */
FT_STATUS runTransfer (FT_HANDLE handle, std::uint32_t options, const ShiftOpcodes& byteOps, const ShiftOpcodes& bitOps,
                       Transfer t)
{
    const auto* d2xx = driver();
    const auto* record = findChannel (handle);

    if (d2xx == nullptr || record == nullptr)
        return FT_OTHER_ERROR;

    t.inBits = (options & SPI_TRANSFER_OPTIONS_SIZE_IN_BITS) != 0;

    if (! t.inBits && t.size > maxBytesPerTransfer)
        return FT_INVALID_PARAMETER;

    const auto mode = spiMode (record->settings.options);
    *t.transferred = 0;
    FT_STATUS status = FT_OK;

    if ((options & SPI_TRANSFER_OPTIONS_CHIPSELECT_ENABLE) != 0 && (status = SPI_ToggleCS (handle, true)) != FT_OK)
        return status;

    // An empty transfer clocks nothing but still moves the chip select as asked.
    if (t.size > 0)
    {
        status = t.inBits ? shiftBits (*d2xx, handle, bitOps.forMode (mode), t)
                          : shiftBytes (*d2xx, handle, byteOps.forMode (mode), t);

        if (status != FT_OK)
            return status;
    }

    if ((options & SPI_TRANSFER_OPTIONS_CHIPSELECT_DISABLE) != 0)
        return SPI_ToggleCS (handle, false);

    return FT_OK;
}

} // namespace

FT_STATUS SPI_Read (FT_HANDLE handle, std::uint8_t* buffer, std::uint32_t size, std::uint32_t* transferred,
                    std::uint32_t options)
{
    VITREL_RETURN_IF_NULL (handle);
    VITREL_RETURN_IF_NULL (buffer);
    VITREL_RETURN_IF_NULL (transferred);
    return runTransfer (handle, options, readBytesOps, readBitsOps, { buffer, nullptr, size, false, transferred });
}

FT_STATUS SPI_Write (FT_HANDLE handle, std::uint8_t* buffer, std::uint32_t size, std::uint32_t* transferred,
                     std::uint32_t options)
{
    VITREL_RETURN_IF_NULL (handle);
    VITREL_RETURN_IF_NULL (buffer);
    VITREL_RETURN_IF_NULL (transferred);
    return runTransfer (handle, options, writeBytesOps, writeBitsOps, { nullptr, buffer, size, false, transferred });
}

FT_STATUS SPI_ReadWrite (FT_HANDLE handle, std::uint8_t* inBuffer, std::uint8_t* outBuffer, std::uint32_t size,
                         std::uint32_t* transferred, std::uint32_t options)
{
    VITREL_RETURN_IF_NULL (handle);
    VITREL_RETURN_IF_NULL (inBuffer);
    VITREL_RETURN_IF_NULL (outBuffer);
    VITREL_RETURN_IF_NULL (transferred);
    return runTransfer (handle, options, exchangeBytesOps, exchangeBitsOps,
                        { inBuffer, outBuffer, size, false, transferred });
}
