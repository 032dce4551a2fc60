// The interface through which the link hands received lines, download progress
// and port events to its owner, and the wParam values it uses.
#pragma once

// std
#include <cstdint>
#include <vector>

// The message identifier the forms use for link traffic.
inline constexpr std::int32_t kLinkMessage = 1025;

// wParam values that are not line lengths (a received line has its length,
// which is at least 2, as wParam).
inline constexpr std::int32_t kLinkStep = 0;         // one download record sent
inline constexpr std::int32_t kLinkEnd = 1;          // download ended; bytes = {1} or {0}
inline constexpr std::int32_t kLinkLockTimeout = -1; // the reader gave up on the port lock
inline constexpr std::int32_t kLinkPortLost = -2;    // the device went away; the reader ended

// Called on the link's own threads (the reader and the download worker), never
// on the owner's. An owner with a user interface re-posts each call to its own
// thread, carrying the bytes by value. An implementation must not call back
// into the port's Close, Open or Purge from inside OnLinkMessage.
class ILinkSink
{
public:
    virtual ~ILinkSink() = default;
    virtual void OnLinkMessage(std::int32_t message, std::int32_t wParam,
                               std::vector<std::uint8_t> bytes) = 0;
};
