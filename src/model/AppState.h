// The part of the application's state that the radio image, the link and the
// command line share: the channel capacity of the radio in hand, and the one
// message that loading a dump file may have to show.
#pragma once

#include <cstdint>

// The image and the link update the capacity through this interface so that the
// windowed program (which keeps it in its application object) and the command
// line (which keeps it in a plain object) behave the same.
class IAppState
{
public:
    virtual ~IAppState() = default;

    // Channel capacity code as kept in dump files: 1 = 120 channels, 2 = 320,
    // -1 when a loaded file had none; other values are carried unchecked.
    virtual std::int32_t GetChannelCode() const = 0;
    virtual void SetChannelCode(std::int32_t code) = 0;

    // 0 = 120-channel radio; any nonzero value counts as 320 channels.
    virtual std::int32_t GetChannelMode() const = 0;
    virtual void SetChannelMode(std::int32_t mode) = 0;

    // A dump file was too short to hold an image (" Read Error !! "). The
    // image layer never shows anything itself; the caller decides how to tell.
    virtual void ReportReadError() = 0;
};

// Plain holder for programs without an application object (the command line,
// the simulated radio, tests). Read errors are counted, not shown.
class CPlainAppState : public IAppState
{
public:
    std::int32_t m_nChannelMode = 0;
    std::int32_t m_nChannelCode = 1;
    int m_nReadErrors = 0;

    std::int32_t GetChannelCode() const override { return m_nChannelCode; }
    void SetChannelCode(std::int32_t code) override { m_nChannelCode = code; }
    std::int32_t GetChannelMode() const override { return m_nChannelMode; }
    void SetChannelMode(std::int32_t mode) override { m_nChannelMode = mode; }
    void ReportReadError() override { ++m_nReadErrors; }
};
