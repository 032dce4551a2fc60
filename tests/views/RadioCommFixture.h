// The forms that talk to the radio on the fake host, whose COM1 leads to the
// simulated radio on a pseudo-terminal, with waits that keep the event loop
// running.
#pragma once

// own (and tests/common: EventWaits.h)
#include "EventWaits.h"
#include "FormFixture.h"

// views
#include "views/ConnectView.h"

// sim
#include "sim/SampleImage.h"
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// std
#include <cstdint>
#include <string>
#include <vector>

class RadioCommFixture : public FormFixture
{
protected:
    RadioCommFixture() : m_port(m_radio) {}

    // Starts the radio (with `eeprom`, at `baud`, 0 = unpaced) and points
    // COM1 at it.
    void StartWithRadio(const std::vector<std::uint8_t>& eeprom, const SimFaults& faults = {},
                        std::uint32_t baud = 0, int channels = 320)
    {
        m_radio.SetChannels(channels);
        m_radio.SetEeprom(eeprom.data());
        m_port.SetFaults(faults);
        m_port.SetBaud(baud);
        ASSERT_TRUE(m_port.Start());
        m_host.m_portMap.SetDevicePath(1, m_port.DevicePath());
    }

    CConnectView* OpenRadioComm() { return OpenForm<CConnectView>(VIEW_CONNECT); }

    // Comport set with COM2 chosen and OK: the port choice changes and the
    // open form is told, as the main frame tells it.
    void ChooseCom2()
    {
        m_host.m_nComPort = 1;
        Form()->OnPortChanged();
    }

    bool WaitForText(const std::string& text, int timeoutMs = 5000)
    {
        return WaitUntil([&] { return m_ui.CountOf(text) > 0; }, timeoutMs);
    }

    static std::vector<std::uint8_t> Bytes(const CRadioImage& image)
    {
        std::vector<std::uint8_t> bytes(kImageSize);
        EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
        return bytes;
    }

    // The sample configuration of the demonstration radio, as bytes.
    static std::vector<std::uint8_t> SampleEeprom()
    {
        CRadioImage image;
        EXPECT_TRUE(BuildSampleImage(image));
        return Bytes(image);
    }

    // Whether the radio has taken a record that starts with `prefix`.
    bool RadioReceived(const std::string& prefix) const
    {
        for (const SimLogEntry& entry : m_radio.Log())
        {
            if (entry.received && entry.text.rfind(prefix, 0) == 0)
            {
                return true;
            }
        }
        return false;
    }

    // The records the radio has taken since `from` entries of its log.
    std::vector<std::string> ReceivedSince(std::size_t from) const
    {
        std::vector<std::string> records;
        const std::vector<SimLogEntry> log = m_radio.Log();
        for (std::size_t i = from; i < log.size(); ++i)
        {
            if (log[i].received)
            {
                records.push_back(log[i].text);
            }
        }
        return records;
    }

    CSimRadio m_radio;
    CSimPort m_port;
};
