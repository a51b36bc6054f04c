#include "BridgeFixture.h"

#include <gmock/gmock.h>

using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

enum class Kind { write, read, readWrite };

struct TransferCase
{
    const char* name;
    std::uint32_t channelOptions;
    Kind kind;
    std::uint32_t transferOptions;
    std::uint32_t size;
    std::vector<std::string> writes;
    std::uint32_t transferred;
};

class Transfer : public BridgeFixture, public testing::WithParamInterface<TransferCase>
{
protected:
    void SetUp() override
    {
        BridgeFixture::SetUp();
        attachFt232h();
        handle = openInitialised (GetParam().channelOptions);
        d2xx().answer (handle, { 0x11, 0x22, 0x33 });
    }

    FT_STATUS run (std::uint32_t& transferred)
    {
        const auto& c = GetParam();

        switch (c.kind)
        {
            case Kind::write:     return SPI_Write (handle, sent, c.size, &transferred, c.transferOptions);
            case Kind::read:      return SPI_Read (handle, received, c.size, &transferred, c.transferOptions);
            case Kind::readWrite: return SPI_ReadWrite (handle, received, sent, c.size, &transferred, c.transferOptions);
        }

        return FT_OTHER_ERROR;
    }

    FT_HANDLE handle = nullptr;
    std::uint8_t sent[3] { 0xA1, 0xB2, 0xC3 };
    std::uint8_t received[3] {};
};

TEST_P (Transfer, SendsTheShiftCommandsOfItsModeAndUnit)
{
    std::uint32_t transferred = 99;
    EXPECT_EQ (run (transferred), FT_OK);
    EXPECT_EQ (d2xx().writesTo (handle), GetParam().writes);
    EXPECT_EQ (transferred, GetParam().transferred);
}

constexpr std::uint32_t bits = SPI_TRANSFER_OPTIONS_SIZE_IN_BITS;
constexpr std::uint32_t csFirstAndLast = SPI_TRANSFER_OPTIONS_CHIPSELECT_ENABLE | SPI_TRANSFER_OPTIONS_CHIPSELECT_DISABLE;

INSTANTIATE_TEST_SUITE_P (Kinds, Transfer, testing::Values (
    TransferCase { "WriteBytesMode0", 0x20, Kind::write, 0, 3, { "11 02 00", "A1 B2 C3" }, 3 },
    TransferCase { "WriteBytesMode2", 0x22, Kind::write, 0, 3, { "10 02 00", "A1 B2 C3" }, 3 },
    TransferCase { "Write12BitsInTwoChunks", 0x20, Kind::write, bits, 12, { "13 07 A1", "13 03 B2" }, 12 },
    TransferCase { "WriteFramedByChipSelect", 0x20, Kind::write, csFirstAndLast, 1, { "80 00 0B", "11 00 00", "A1", "80 08 0B" }, 1 },
    TransferCase { "ChipSelectKeepsMode2ClockIdle", 0x22, Kind::write, csFirstAndLast, 1, { "80 01 0B", "10 00 00", "A1", "80 09 0B" }, 1 },
    TransferCase { "ReadBytesMode0", 0x20, Kind::read, 0, 2, { "20 01 00 87" }, 2 },
    TransferCase { "ReadBytesMode1", 0x21, Kind::read, 0, 2, { "24 01 00 87" }, 2 },
    TransferCase { "Read12BitsInTwoChunks", 0x20, Kind::read, bits, 12, { "22 07 87", "22 03 87" }, 12 },
    TransferCase { "ReadWriteBytesMode3", 0x23, Kind::readWrite, 0, 3, { "31 02 00", "A1 B2 C3" }, 3 },
    TransferCase { "ReadWrite4BitsMode2", 0x22, Kind::readWrite, bits, 4, { "36 03 A1" }, 4 },
    TransferCase { "EmptyTransferOnlyMovesTheChipSelect", 0x20, Kind::write, csFirstAndLast, 0, { "80 00 0B", "80 08 0B" }, 0 }),
    [] (const auto& info) { return std::string (info.param.name); });

class OpenChannel : public BridgeFixture
{
protected:
    void SetUp() override
    {
        BridgeFixture::SetUp();
        attachFt232h();
        handle = openInitialised (SPI_CONFIG_OPTION_CS_ACTIVELOW);
    }

    FT_HANDLE handle = nullptr;
};

TEST_F (OpenChannel, ReadsReceiveTheAnsweredBytesInOrder)
{
    d2xx().answer (handle, { 0x11, 0x22, 0x33 });
    std::uint8_t bytes[3] {};
    std::uint32_t transferred = 0;
    EXPECT_EQ (SPI_Read (handle, bytes, 3, &transferred, 0), FT_OK);
    EXPECT_THAT (bytes, ElementsAre (0x11, 0x22, 0x33));
}

TEST_F (OpenChannel, ByteTransfersBeyondSixteenBitLengthsAreRefused)
{
    std::vector<std::uint8_t> bytes (65537);
    std::uint32_t transferred = 0;
    EXPECT_EQ (SPI_Write (handle, bytes.data(), 65537, &transferred, 0), FT_INVALID_PARAMETER);
    EXPECT_TRUE (d2xx().writesTo (handle).empty());
}

TEST_F (OpenChannel, WriteGpioDrivesThePinsButLeavesThePinStateForTheNextChipSelect)
{
    EXPECT_EQ (FT_WriteGPIO (handle, 0xBB, 0x88), FT_OK);
    EXPECT_EQ (SPI_ToggleCS (handle, false), FT_OK);
    EXPECT_THAT (d2xx().writesTo (handle), ElementsAre ("80 88 BB", "80 08 0B"));
}

TEST_F (OpenChannel, ReadGpioAnswersTheSampledLevels)
{
    d2xx().answer (handle, { 0x5A });
    std::uint8_t levels = 0;
    EXPECT_EQ (FT_ReadGPIO (handle, &levels), FT_OK);
    EXPECT_EQ (levels, 0x5A);
    EXPECT_THAT (d2xx().writesTo (handle), ElementsAre ("81 87"));
}

TEST_F (OpenChannel, ReadGpioWithoutAnAnswerIsAnIoError)
{
    std::uint8_t levels = 0;
    EXPECT_EQ (FT_ReadGPIO (handle, &levels), FT_IO_ERROR);
}

TEST_F (OpenChannel, IsBusySamplesThePinsWithTheChipSelectAsserted)
{
    bool busy = false;
    d2xx().answer (handle, { 0x04 });
    EXPECT_EQ (SPI_IsBusy (handle, &busy), FT_OK);
    EXPECT_TRUE (busy);
    EXPECT_THAT (d2xx().writesTo (handle), ElementsAre ("80 00 0B", "81 87", "80 08 0B"));

    d2xx().answer (handle, { 0x00 });
    EXPECT_EQ (SPI_IsBusy (handle, &busy), FT_OK);
    EXPECT_FALSE (busy);
}

TEST_F (OpenChannel, ChangeCsMovesTheChipSelectAndKeepsTheOldLineAnOutput)
{
    // Line 1 (ADBUS4), active high, mode 2: clock idles high.
    EXPECT_EQ (SPI_ChangeCS (handle, 0x06), FT_OK);
    EXPECT_EQ (SPI_ToggleCS (handle, true), FT_OK);
    EXPECT_THAT (d2xx().writesTo (handle), ElementsAre ("80 01 1B", "80 11 1B"));
}

TEST_F (OpenChannel, AnUnknownHandleHasNoRecord)
{
    std::uint8_t byte = 0;
    std::uint32_t transferred = 0;
    auto* stranger = RecordingD2xx::handleAt (5);
    EXPECT_EQ (SPI_Write (stranger, &byte, 1, &transferred, 0), FT_OTHER_ERROR);
    EXPECT_EQ (SPI_ToggleCS (stranger, true), FT_OTHER_ERROR);
    EXPECT_EQ (SPI_CloseChannel (stranger), FT_OTHER_ERROR);
    EXPECT_TRUE (d2xx().callsOn (stranger).empty());
}

struct ChipSelectCase
{
    const char* name;
    std::uint32_t options;
    bool enable;
    const char* pinWrite;
};

class ChipSelect : public BridgeFixture, public testing::WithParamInterface<ChipSelectCase> {};

TEST_P (ChipSelect, DrivesTheLineToItsActiveOrIdleLevel)
{
    attachFt232h();
    auto* handle = openInitialised (GetParam().options);
    EXPECT_EQ (SPI_ToggleCS (handle, GetParam().enable), FT_OK);
    EXPECT_THAT (d2xx().writesTo (handle), ElementsAre (GetParam().pinWrite));
}

INSTANTIATE_TEST_SUITE_P (Lines, ChipSelect, testing::Values (
    ChipSelectCase { "ActiveLowAsserted", 0x20, true, "80 00 0B" },
    ChipSelectCase { "ActiveLowReleased", 0x20, false, "80 08 0B" },
    ChipSelectCase { "ActiveHighAsserted", 0x00, true, "80 08 0B" },
    ChipSelectCase { "ActiveHighReleased", 0x00, false, "80 00 0B" },
    ChipSelectCase { "Line4ActiveLowAsserted", 0x30, true, "80 00 83" },
    ChipSelectCase { "Line4ActiveHighAsserted", 0x10, true, "80 80 83" }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (BridgeFixture, ClosingOneOfTwoChannelsLeavesTheOtherUsable)
{
    d2xx().attach (FT_DEVICE_2232H, 0x21);
    d2xx().attach (FT_DEVICE_2232H, 0x22);
    auto* portA = openInitialised (0x20, 0x00C30000, 0);
    auto* portB = openInitialised (0x20, 0, 1);

    EXPECT_EQ (SPI_CloseChannel (portA), FT_OK);
    opened.erase (opened.begin());
    EXPECT_THAT (d2xx().callsOn (portA), ElementsAre ("Write 80 00 C3", "Close"));

    std::uint8_t byte = 0x42;
    std::uint32_t transferred = 0;
    EXPECT_EQ (SPI_Write (portB, &byte, 1, &transferred, 0), FT_OK);
    EXPECT_EQ (SPI_Write (portA, &byte, 1, &transferred, 0), FT_OTHER_ERROR);
}

struct NullCase
{
    const char* function;
    const char* file;
    std::function<FT_STATUS()> call;
};

class NullArgument : public BridgeFixture, public testing::WithParamInterface<NullCase> {};

TEST_P (NullArgument, IsNamedWithItsSourcePositionAndRefused)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ (GetParam().call(), FT_INVALID_PARAMETER);
    const auto output = testing::internal::GetCapturedStdout();

    EXPECT_THAT (output, testing::StartsWith (std::string (GetParam().file) + ":"));
    EXPECT_THAT (output, testing::EndsWith (std::string (":") + GetParam().function + "(): NULL expression encountered\n"));
    EXPECT_TRUE (d2xx().listCalls().empty());
}

FT_HANDLE someHandle()   { return RecordingD2xx::handleAt (0); }
std::uint8_t buffer[4];
std::uint32_t count;

INSTANTIATE_TEST_SUITE_P (Arguments, NullArgument, testing::Values (
    NullCase { "SPI_GetNumChannels", "ftdi_spi.cpp", [] { return SPI_GetNumChannels (nullptr); } },
    NullCase { "SPI_GetChannelInfo", "ftdi_spi.cpp", [] { return SPI_GetChannelInfo (0, nullptr); } },
    NullCase { "SPI_OpenChannel", "ftdi_spi.cpp", [] { return SPI_OpenChannel (0, nullptr); } },
    NullCase { "SPI_InitChannel", "ftdi_spi.cpp", [] { return SPI_InitChannel (someHandle(), nullptr); } },
    NullCase { "SPI_CloseChannel", "ftdi_spi.cpp", [] { return SPI_CloseChannel (nullptr); } },
    NullCase { "SPI_ChangeCS", "ftdi_spi.cpp", [] { return SPI_ChangeCS (nullptr, 0); } },
    NullCase { "SPI_Write", "ftdi_spi_transfer.cpp", [] { return SPI_Write (someHandle(), buffer, 1, nullptr, 0); } },
    NullCase { "SPI_Read", "ftdi_spi_transfer.cpp", [] { return SPI_Read (someHandle(), nullptr, 1, &count, 0); } },
    NullCase { "SPI_ReadWrite", "ftdi_spi_transfer.cpp", [] { return SPI_ReadWrite (nullptr, buffer, buffer, 1, &count, 0); } }),
    [] (const auto& info) { return std::string (info.param.function); });

} // namespace
