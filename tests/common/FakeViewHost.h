// The application as the forms see it, for testing them without it: the
// recording user-interface services, the port map and choice, the capacity
// and the model index, each set and read by the test.
#pragma once

// ui
#include "ui/FakeUiServices.h"

// views
#include "views/ViewHost.h"

// link
#include "link/PortMap.h"

// std
#include <cstdint>
#include <string>

class CFakeViewHost : public IViewHost
{
public:
    CFakeViewHost()
    {
        // No form under test may reach a real serial port.
        for (int port = 1; port <= CPortMap::kPortCount; ++port)
        {
            m_portMap.SetDevicePath(port, "/nonexistent/vesk4-com" + std::to_string(port));
        }
    }

    IUiServices& Ui() const override { return m_ui; }
    int GetComPort() const override { return m_nComPort; }
    const CPortMap& GetPortMap() const override { return m_portMap; }
    void SetModelIndex(int index) override { m_nModelIndex = index; }
    void OnPrintEnded() override { ++m_nPrintsEnded; }

    std::int32_t GetChannelCode() const override { return m_nChannelCode; }
    void SetChannelCode(std::int32_t code) override { m_nChannelCode = code; }
    std::int32_t GetChannelMode() const override { return m_nChannelMode; }
    void SetChannelMode(std::int32_t mode) override { m_nChannelMode = mode; }
    void ReportReadError() override { ++m_nReadErrors; }

    // Ui() hands out the services from a const host, as the application does.
    mutable CFakeUiServices m_ui;
    CPortMap m_portMap;
    int m_nComPort = 0;              // 0 = COM1, 1 = COM2
    std::int32_t m_nChannelMode = 0; // 0 = 120 channels, nonzero = 320
    std::int32_t m_nChannelCode = 1; // 1 = 120, 2 = 320
    int m_nModelIndex = -1;          // as the Model form last set it
    int m_nPrintsEnded = 0;          // print previews and jobs the forms ended
    int m_nReadErrors = 0;
};
