// The simulated radio of --demo.

// own
#include "app/AppTexts.h"
#include "app/DemoRadio.h"
#include "app/Vesk4App.h"

// model
#include "model/RadioImage.h"

// sim
#include "sim/SampleImage.h"

// std
#include <cstring>
#include <vector>

CDemoRadio::CDemoRadio() : m_port(m_radio) {}

CDemoRadio::~CDemoRadio()
{
    m_port.Stop();
}

bool CDemoRadio::IsRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], kOption) == 0)
        {
            return true;
        }
    }
    return false;
}

bool CDemoRadio::Start(std::uint32_t baud)
{
    CRadioImage image;
    std::vector<std::uint8_t> bytes(kImageSize);
    if (!BuildSampleImage(image) || !image.ReadBlock(bytes.data(), 0, kImageSize))
    {
        return false;
    }
    m_radio.SetChannels(320);
    m_radio.SetEeprom(bytes.data());
    m_port.SetBaud(baud);
    return m_port.Start();
}

void CDemoRadio::Attach(CVesk4App& app) const
{
    // Both ports a user can choose lead to the simulated radio, so the saved
    // port choice works as it is and is written back unchanged at exit.
    app.AttachDemoRadio(*this, m_port.DevicePath());
}

std::string CDemoRadio::StateText() const
{
    // State() hands out a copy taken under the radio's lock, so asking from
    // the user-interface thread while the radio takes a command is safe.
    const SimRadioState state = m_radio.State();
    std::string text = AppText::kDemoStatePrefix;
    text += state.test.side != 0 ? DescribeTest(state.test) : AppText::kDemoNoTest;
    text += state.lamp ? AppText::kDemoLampOn : AppText::kDemoLampOff;
    text += state.beeper ? AppText::kDemoBeeperOn : AppText::kDemoBeeperOff;
    text += AppText::kDemoLastLevel;
    text += state.lastLevel >= 0
                ? DescribeLevel(state.lastLevel, state.lastLevelValue, state.lastLevelTransmitting)
                : AppText::kDemoNoLevel;
    text += AppText::kDemoStateEnd;
    return text;
}
