#pragma once

#include "ftdi_mpsse/D2xxFunctions.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vitrel::test
{

using Bytes = std::vector<std::uint8_t>;

/**
    An in-process D2XX driver for tests: it lists the devices a test attaches,
    records every call per handle (writes as hexadecimal bytes), answers reads
    from a scripted receive queue and can make any entry point fail.

    By default it answers the bad opcodes 0xAA and 0xAB with the engine's
    echo, so that a channel synchronises at once.
*/
class RecordingD2xx
{
public:
    /** The one recorder the driver table's functions talk to. */
    static RecordingD2xx& instance();

    /** The table to install with vitrel::ftdi::useDriverFunctions. */
    static D2xxFunctions functions();

    /** The handle FT_Open gives for a position of the device list. */
    static FT_HANDLE handleAt (int position) noexcept;

    /** Forgets devices, calls, failures and queued answers; echoes bad opcodes again. */
    void reset();

    /** Adds a device-list entry of the given type and location id. */
    void attach (FT_DEVICE type, std::uint32_t locationId);

    /** Makes every later call of the named entry point ("Write", "SetBitMode", ...) answer status. */
    void fail (const std::string& call, FT_STATUS status);

    /** Queues bytes that the handle's reads will receive. */
    void answer (FT_HANDLE handle, const Bytes& bytes);

    /** Replaces the reaction to writes: it gets each written buffer and returns the bytes to queue. */
    void respondWith (std::function<Bytes (const Bytes&)> responder);

    /** The calls made on handle, oldest first: "Write 80 00 0B", "Read 2", "SetBitMode 00 02". */
    std::vector<std::string> callsOn (FT_HANDLE handle) const;

    /** The calls made without a handle: "CreateDeviceInfoList", "Open 2". */
    std::vector<std::string> listCalls() const;

    /** Only the writes made on handle, one entry per FT_Write, as "80 00 0B". */
    std::vector<std::string> writesTo (FT_HANDLE handle) const;

    /** Forgets the calls recorded so far, keeping devices and answers. */
    void clearCalls();

    // The recorder's side of the driver entry points.
    FT_STATUS record (FT_HANDLE handle, const std::string& call);
    FT_STATUS createDeviceInfoList (std::uint32_t* count);
    FT_STATUS getDeviceInfoList (FT_DEVICE_LIST_INFO_NODE* nodes, std::uint32_t* count);
    FT_STATUS open (int index, FT_HANDLE* handle);
    FT_STATUS getDeviceInfo (FT_HANDLE handle, FT_DEVICE* type);
    FT_STATUS write (FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t size, std::uint32_t* written);
    FT_STATUS read (FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t size, std::uint32_t* received);
    FT_STATUS queueStatus (FT_HANDLE handle, std::uint32_t* waiting);

private:
    std::vector<FT_DEVICE_LIST_INFO_NODE> devices;
    std::vector<std::pair<FT_HANDLE, std::string>> calls;
    std::map<std::string, FT_STATUS> failures;
    std::map<FT_HANDLE, std::deque<std::uint8_t>> receiveQueues;
    std::function<Bytes (const Bytes&)> responder;
};

/** Formats bytes as upper-case hexadecimal pairs separated by spaces. */
std::string hex (const Bytes& bytes);

} // namespace vitrel::test
