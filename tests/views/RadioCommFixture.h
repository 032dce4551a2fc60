// A started application whose COM1 leads to the simulated radio on a
// pseudo-terminal, with waits that keep the event loop running, for the tests
// of the Radio Comm form.
#pragma once

// own (shared fixtures of the shell and link tests)
#include "LinkTestSupport.h"
#include "AppFixture.h"

// views
#include "views/ComportDlg.h"
#include "views/ConnectView.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// Qt
#include <QCoreApplication>
#include <QRadioButton>

// std
#include <chrono>
#include <functional>
#include <thread>

// Runs the event loop until `done` holds or `timeoutMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done())
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Runs the event loop for `ms`.
inline void Pump(int ms)
{
    (void)WaitUntil([] { return false; }, ms);
}

class RadioCommFixture : public AppFixture
{
protected:
    RadioCommFixture() : m_port(m_radio) {}

    // Starts the radio (with `eeprom`, at `baud`, 0 = unpaced) and the program,
    // and points COM1 at the radio.
    void StartWithRadio(const std::vector<std::uint8_t>& eeprom, const SimFaults& faults = {},
                        std::uint32_t baud = 0, int channels = 320)
    {
        m_radio.SetChannels(channels);
        m_radio.SetEeprom(eeprom.data());
        m_port.SetFaults(faults);
        m_port.SetBaud(baud);
        ASSERT_TRUE(m_port.Start());
        Start();
        m_app->m_portMap.SetDevicePath(1, m_port.DevicePath());
    }

    // Switches to the Radio Comm form as the menu command does.
    CConnectView* OpenRadioComm()
    {
        Frame().SwitchView(VIEW_CONNECT);
        return Form();
    }
    CConnectView* Form() { return dynamic_cast<CConnectView*>(m_app->GetView(VIEW_CONNECT)); }

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

    CSimRadio m_radio;
    CSimPort m_port;
};
