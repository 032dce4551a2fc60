// The hook through which a link reports every record it sends and every line
// it receives, for a transfer log a dealer can hand on when a radio misbehaves.
#pragma once

// std
#include <cstddef>
#include <cstdint>

// Called on the link's own threads: the reader for received lines, the
// writing thread (the owner's or a download worker) for sent records, so an
// implementation must be safe to call from two threads at once. It must not
// call back into the link. A link without a trace pays one pointer test.
class ILinkTrace
{
public:
    virtual ~ILinkTrace() = default;
    // One whole record as composed, just before it is written, so that the
    // radio's answer can never appear ahead of it.
    virtual void OnRecordSent(const std::uint8_t* bytes, std::size_t count) = 0;
    // The write of that record failed.
    virtual void OnRecordFailed(const std::uint8_t* bytes, std::size_t count) = 0;
    // One whole line as assembled, start byte to end byte.
    virtual void OnLineReceived(const std::uint8_t* bytes, std::size_t count) = 0;
};
