#pragma once

#include <cstdint>

// The co-processor's command FIFO, a 4096-byte ring at RAM_CMD. The host keeps
// its own copy of the write pointer and publishes it through REG_CMD_WRITE;
// the co-processor consumes up to REG_CMD_READ.

namespace vitrel::eve
{

/** The host's copy of the FIFO write pointer, 0..4092 in steps of 4; 0 after every reset of the controller's pointers. */
extern std::uint16_t fifoWriteOffset;

/** Puts one word into the ring at the write pointer; the co-processor sees it only after updateFifo. */
void sendCommandWord (std::uint32_t word);

/** Publishes the host's write pointer through REG_CMD_WRITE. */
void updateFifo();

/** The bytes the ring can take: 4092 less what is published and not yet consumed. */
std::uint16_t fifoFreeSpace();

/**
    Polls, without pausing, until the ring has room for n bytes. A faulted
    co-processor never makes room: it is reported and recovered, and the
    answer is false, since whatever the caller meant to follow is lost.
*/
bool waitFifoSpace (std::uint16_t n);

/**
    Streams n bytes into the ring in bursts of up to 512 bytes, publishing each
    burst. After a co-processor fault the rest of the block is abandoned, since
    it would be read as commands from the recovered ring's start; false then.
*/
bool writeFifoBlock (const std::uint8_t* bytes, std::uint32_t n);

/** Waits until the co-processor has consumed everything published, recovering it from a fault on the way; false after a fault. */
bool waitFifoEmpty();

/** Resets the co-processor and zeroes both FIFO pointers, keeping its patch pointer. */
void resetCoprocessor();

} // namespace vitrel::eve
