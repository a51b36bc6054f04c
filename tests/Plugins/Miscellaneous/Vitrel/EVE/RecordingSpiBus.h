#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vitrel::test
{

/**
    Stands in for the SPI bridge's byte primitives in tests of the display
    layer. It logs every primitive call, keeps the controller's memory as the
    writes leave it and answers reads from it (unwritten bytes read 0, as over
    a dead bridge). A hook runs after each write window, so that a test can
    play the co-processor's part.
*/
class RecordingSpiBus
{
public:
    /** The one bus the primitives talk to. */
    static RecordingSpiBus& instance();

    /** Forgets calls, memory and the hook. */
    void reset();

    /** The primitive calls, oldest first: "select", "byte 80", "bytes 80 20 00", "read 2", "deselect". */
    std::vector<std::string> calls;

    /** Addresses and data of the write windows, oldest first. */
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> writes;

    /** Runs after each write window with its address and data. */
    std::function<void (std::uint32_t address, const std::vector<std::uint8_t>& data)> afterWrite;

    /** Runs before each read with its address. */
    std::function<void (std::uint32_t address)> beforeRead;

    /** The controller's memory. */
    std::map<std::uint32_t, std::uint8_t> memory;

    /** Stores a little-endian value of size bytes at address. */
    void poke (std::uint32_t address, std::uint32_t value, int size = 4);

    /** Reads a little-endian value of size bytes at address. */
    std::uint32_t peek (std::uint32_t address, int size = 4) const;

    /** The values of the 16-bit writes to address, oldest first. */
    std::vector<std::uint32_t> writesOf (std::uint32_t address) const;

    // The primitives' side.
    void select();
    void deselect();
    void writeBytes (const std::uint8_t* bytes, std::uint32_t n, bool single);
    void readBytes (std::uint8_t* bytes, std::uint32_t n);

private:
    std::vector<std::uint8_t> window;
};

/** Makes the bus consume everything published at once: REG_CMD_READ follows REG_CMD_WRITE. */
void consumeInstantly (RecordingSpiBus& bus);

} // namespace vitrel::test
