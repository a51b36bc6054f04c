#include "RecordingD2xx.h"

#include <algorithm>
#include <cstdio>

namespace vitrel::test
{
namespace
{

RecordingD2xx& rec()
{
    return RecordingD2xx::instance();
}

std::string number (std::uint32_t value)
{
    return std::to_string (value);
}

std::string hexByte (std::uint8_t value)
{
    char text[3];
    std::snprintf (text, sizeof (text), "%02X", value);
    return text;
}

Bytes echoBadOpcodes (const Bytes& written)
{
    Bytes reply;

    for (auto byte : written)
        if (byte == 0xAA || byte == 0xAB)
            reply.insert (reply.end(), { 0xFA, byte });

    return reply;
}

} // namespace

// The driver's entry points, forwarding to the recorder.
namespace entry
{

FT_STATUS D2XX_CALL getLibraryVersion (std::uint32_t* version)
{
    *version = 0x00030115;
    return rec().record (nullptr, "GetLibraryVersion");
}

FT_STATUS D2XX_CALL createDeviceInfoList (std::uint32_t* count)       { return rec().createDeviceInfoList (count); }
FT_STATUS D2XX_CALL getDeviceInfoList (FT_DEVICE_LIST_INFO_NODE* n, std::uint32_t* c) { return rec().getDeviceInfoList (n, c); }
FT_STATUS D2XX_CALL openDevice (int index, FT_HANDLE* handle)         { return rec().open (index, handle); }
FT_STATUS D2XX_CALL closeDevice (FT_HANDLE h)                         { return rec().record (h, "Close"); }
FT_STATUS D2XX_CALL resetDevice (FT_HANDLE h)                         { return rec().record (h, "ResetDevice"); }
FT_STATUS D2XX_CALL purge (FT_HANDLE h, std::uint32_t mask)           { return rec().record (h, "Purge " + number (mask)); }

FT_STATUS D2XX_CALL setUsbParameters (FT_HANDLE h, std::uint32_t in, std::uint32_t out)
{
    return rec().record (h, "SetUSBParameters " + number (in) + " " + number (out));
}

FT_STATUS D2XX_CALL setChars (FT_HANDLE h, std::uint8_t ev, std::uint8_t evOn, std::uint8_t err, std::uint8_t errOn)
{
    return rec().record (h, "SetChars " + number (ev) + " " + number (evOn) + " " + number (err) + " " + number (errOn));
}

FT_STATUS D2XX_CALL setTimeouts (FT_HANDLE h, std::uint32_t rd, std::uint32_t wr)
{
    return rec().record (h, "SetTimeouts " + number (rd) + " " + number (wr));
}

FT_STATUS D2XX_CALL setLatencyTimer (FT_HANDLE h, std::uint8_t ms)   { return rec().record (h, "SetLatencyTimer " + number (ms)); }

FT_STATUS D2XX_CALL setBitMode (FT_HANDLE h, std::uint8_t mask, std::uint8_t mode)
{
    return rec().record (h, "SetBitMode " + hexByte (mask) + " " + hexByte (mode));
}

FT_STATUS D2XX_CALL getQueueStatus (FT_HANDLE h, std::uint32_t* waiting) { return rec().queueStatus (h, waiting); }

FT_STATUS D2XX_CALL readDevice (FT_HANDLE h, void* buffer, std::uint32_t size, std::uint32_t* received)
{
    return rec().read (h, static_cast<std::uint8_t*> (buffer), size, received);
}

FT_STATUS D2XX_CALL writeDevice (FT_HANDLE h, void* buffer, std::uint32_t size, std::uint32_t* written)
{
    return rec().write (h, static_cast<const std::uint8_t*> (buffer), size, written);
}

FT_STATUS D2XX_CALL getDeviceInfo (FT_HANDLE h, FT_DEVICE* type, std::uint32_t*, char*, char*, void*)
{
    return rec().getDeviceInfo (h, type);
}

} // namespace entry

RecordingD2xx& RecordingD2xx::instance()
{
    static RecordingD2xx recorder;
    return recorder;
}

D2xxFunctions RecordingD2xx::functions()
{
    using namespace entry;
    return { getLibraryVersion, entry::createDeviceInfoList, entry::getDeviceInfoList, openDevice, closeDevice,
             resetDevice, purge, setUsbParameters, setChars, setTimeouts, setLatencyTimer, setBitMode, getQueueStatus,
             readDevice, writeDevice, entry::getDeviceInfo };
}

FT_HANDLE RecordingD2xx::handleAt (int position) noexcept
{
    return reinterpret_cast<FT_HANDLE> (static_cast<std::uintptr_t> (0x100 + position));
}

void RecordingD2xx::reset()
{
    devices.clear();
    calls.clear();
    failures.clear();
    receiveQueues.clear();
    responder = echoBadOpcodes;
}

void RecordingD2xx::attach (FT_DEVICE type, std::uint32_t locationId)
{
    FT_DEVICE_LIST_INFO_NODE node {};
    node.Type = type;
    node.LocId = locationId;
    node.ID = 0x04036010;
    std::snprintf (node.SerialNumber, sizeof (node.SerialNumber), "REC%04X", locationId);
    std::snprintf (node.Description, sizeof (node.Description), "Recorded device %u", type);
    devices.push_back (node);
}

void RecordingD2xx::fail (const std::string& call, FT_STATUS status)  { failures[call] = status; }

void RecordingD2xx::answer (FT_HANDLE handle, const Bytes& bytes)
{
    auto& queue = receiveQueues[handle];
    queue.insert (queue.end(), bytes.begin(), bytes.end());
}

void RecordingD2xx::respondWith (std::function<Bytes (const Bytes&)> r) { responder = std::move (r); }

std::vector<std::string> RecordingD2xx::callsOn (FT_HANDLE handle) const
{
    std::vector<std::string> result;

    for (const auto& [h, call] : calls)
        if (h == handle)
            result.push_back (call);

    return result;
}

std::vector<std::string> RecordingD2xx::listCalls() const
{
    return callsOn (nullptr);
}

std::vector<std::string> RecordingD2xx::writesTo (FT_HANDLE handle) const
{
    std::vector<std::string> result;

    for (const auto& call : callsOn (handle))
        if (call.rfind ("Write ", 0) == 0)
            result.push_back (call.substr (6));

    return result;
}

void RecordingD2xx::clearCalls()                                      { calls.clear(); }

FT_STATUS RecordingD2xx::record (FT_HANDLE handle, const std::string& call)
{
    calls.emplace_back (handle, call);
    const auto name = call.substr (0, call.find (' '));
    const auto failure = failures.find (name);
    return failure != failures.end() ? failure->second : FT_OK;
}

FT_STATUS RecordingD2xx::createDeviceInfoList (std::uint32_t* count)
{
    *count = static_cast<std::uint32_t> (devices.size());
    return record (nullptr, "CreateDeviceInfoList");
}

FT_STATUS RecordingD2xx::getDeviceInfoList (FT_DEVICE_LIST_INFO_NODE* nodes, std::uint32_t* count)
{
    const auto n = std::min<std::size_t> (*count, devices.size());
    std::copy_n (devices.begin(), n, nodes);
    *count = static_cast<std::uint32_t> (n);
    return record (nullptr, "GetDeviceInfoList");
}

FT_STATUS RecordingD2xx::open (int index, FT_HANDLE* handle)
{
    const auto status = record (nullptr, "Open " + std::to_string (index));

    if (status == FT_OK)
        *handle = handleAt (index);

    return status;
}

FT_STATUS RecordingD2xx::getDeviceInfo (FT_HANDLE handle, FT_DEVICE* type)
{
    const auto position = reinterpret_cast<std::uintptr_t> (handle) - 0x100;
    *type = position < devices.size() ? devices[position].Type : 0;
    return record (handle, "GetDeviceInfo");
}

FT_STATUS RecordingD2xx::write (FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t size, std::uint32_t* written)
{
    const Bytes data (bytes, bytes + size);
    const auto status = record (handle, "Write " + hex (data));
    *written = status == FT_OK ? size : 0;

    if (status == FT_OK)
        answer (handle, responder (data));

    return status;
}

FT_STATUS RecordingD2xx::read (FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t size, std::uint32_t* received)
{
    const auto status = record (handle, "Read " + std::to_string (size));
    auto& queue = receiveQueues[handle];
    const auto n = status == FT_OK ? std::min<std::size_t> (size, queue.size()) : 0;
    std::copy_n (queue.begin(), n, bytes);
    queue.erase (queue.begin(), queue.begin() + static_cast<std::ptrdiff_t> (n));
    *received = static_cast<std::uint32_t> (n);
    return status;
}

FT_STATUS RecordingD2xx::queueStatus (FT_HANDLE handle, std::uint32_t* waiting)
{
    *waiting = static_cast<std::uint32_t> (receiveQueues[handle].size());
    return record (handle, "GetQueueStatus");
}

std::string hex (const Bytes& bytes)
{
    std::string text;

    for (auto byte : bytes)
    {
        char pair[4];
        std::snprintf (pair, sizeof (pair), text.empty() ? "%02X" : " %02X", byte);
        text.append (pair);
    }

    return text;
}

} // namespace vitrel::test
