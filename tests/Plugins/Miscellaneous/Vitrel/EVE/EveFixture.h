#pragma once

#include "EVE/CommandFifo.h"
#include "EVE/EveRegisters.h"
#include "RecordingSpiBus.h"

#include <gtest/gtest.h>

namespace vitrel::test
{

/** Runs the display layer over a fresh recording bus, with the FIFO offset back at 0. */
class EveFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        bus().reset();
        eve::fifoWriteOffset = 0;
    }

    static RecordingSpiBus& bus()                  { return RecordingSpiBus::instance(); }

    /** The words written into RAM_CMD so far, oldest first. */
    static std::vector<std::uint32_t> fifoWords()
    {
        std::vector<std::uint32_t> words;

        for (const auto& [address, data] : bus().writes)
            if (address >= eve::RAM_CMD && address < eve::RAM_CMD + eve::RAM_CMD_SIZE && data.size() == 4)
                words.push_back (static_cast<std::uint32_t> (data[0] | (data[1] << 8) | (data[2] << 16))
                                 | (static_cast<std::uint32_t> (data[3]) << 24));

        return words;
    }
};

} // namespace vitrel::test
