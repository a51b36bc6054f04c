#pragma once

#include <cstdint>

namespace ftd2xxsim
{

/**
    A chip wired to an MPSSE channel's ADBUS pins: ADBUS0 clock, ADBUS1 data
    out of the bridge, ADBUS2 data into the bridge, ADBUS3-7 chip selects and
    other lines. The slave decides from the pin levels whether it is selected.
*/
class SpiSlave
{
public:
    virtual ~SpiSlave() = default;

    /** The bridge changed ADBUS0-7; levels holds what the pins carry (inputs of the bridge float high). */
    virtual void pinsChanged (std::uint8_t levels) = 0;

    /** One clock cycle: the bridge's data-out bit goes in, the bit the slave puts on data-in comes back. */
    virtual bool clockBit (bool dataOut) = 0;
};

} // namespace ftd2xxsim
