// What the simulated radio makes of the live commands, sent by the link over
// a real pseudo-terminal.

// own
#include "LinkTestSupport.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// link
#include "link/RadioLink.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdio>
#include <fstream>
#include <sstream>
#include <tuple>
#include <utility>
#include <unistd.h>

namespace
{
constexpr int kNoBand = -1;

// An EEPROM that sets up the radio's synthesizer; kNoBand leaves the model byte
// blank.
std::vector<std::uint8_t> Eeprom(int model, double wideHz, double narrowHz, int injection)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(model == kNoBand ? 0xFF : model));
    EXPECT_TRUE(image.SetWideReference(wideHz));
    EXPECT_TRUE(image.SetNarrowReference(narrowHz));
    EXPECT_TRUE(image.SetInjection(injection));
    for (int i = 0; i < 10; ++i)
    {
        std::uint8_t level = static_cast<std::uint8_t>(30 + i);
        EXPECT_TRUE(image.WriteBlock(&level, ImageMap::kAlignment + i, 1));
    }
    std::vector<std::uint8_t> bytes(kImageSize);
    EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
    return bytes;
}

class SimCommandTest : public ::testing::Test
{
protected:
    SimCommandTest() : m_port(m_radio) {}

    void Start(const std::vector<std::uint8_t>& eeprom, int linkModel)
    {
        m_radio.SetEeprom(eeprom.data());
        ASSERT_TRUE(m_port.Start());
        m_link.SetDevicePath(m_port.DevicePath());
        m_link.SetModelIndex(linkModel);
        ASSERT_TRUE(m_link.Open(1, false));
    }

    // Waits until the radio has taken count commands in all.
    bool Taken(int count)
    {
        return WaitFor([&] { return m_radio.State().commandsTaken >= count; });
    }

    std::string LastWords() const
    {
        const auto log = m_radio.Log();
        return log.empty() ? std::string() : log.back().words;
    }

    CSimRadio m_radio;
    CSimPort m_port;
    CRadioLink m_link;
};

TEST_F(SimCommandTest, LiveLevelsStartFromTheEepromAndFollowEachSend)
{
    Start(Eeprom(5, 5000.0, 5000.0, 0), 5);
    EXPECT_EQ(m_radio.State().levels[4], 34); // as stored, before any send
    EXPECT_EQ(m_radio.State().lastLevel, -1);

    using Sender = bool (CRadioLink::*)(std::uint8_t);
    struct Case
    {
        Sender send;
        int offset;
        int value;
        const char* words;
    };
    const Case cases[] = {
        {&CRadioLink::SendTxHighPowerLevel, 0, 200, "Tx High power Level 200 (transmitting)"},
        {&CRadioLink::SendTxLowPowerLevel, 1, 9, "Tx Low power Level 9 (transmitting)"},
        {&CRadioLink::SendSquelchVolume, 2, 80, "SQ Volume 80"},
        {&CRadioLink::SendTxToneLevel, 3, 64, "Tx Tone Level 64 (transmitting)"},
        {&CRadioLink::SendDtmfLowToneLevel, 4, 0, "DTMF Low Tone Level 0 (transmitting)"},
        {&CRadioLink::SendModulationSensitivity, 5, 15, "Modulation Sensitivity 15 (transmitting)"},
        {&CRadioLink::SendWideBandModulation, 6, 31, "Wide Band Modulation 31 (transmitting)"},
        {&CRadioLink::SendNarrowBandModulation, 7, 17, "Narrow Band Modulation 17 (transmitting)"},
        {&CRadioLink::SendWideBandDemodulation, 8, 7, "Wide Band Demodulation 7"},
        {&CRadioLink::SendNarrowBandDemodulation, 9, 12, "Narrow Band Demodulation 12"},
    };
    int taken = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.words);
        ASSERT_TRUE((m_link.*c.send)(static_cast<std::uint8_t>(c.value)));
        ASSERT_TRUE(Taken(++taken));
        const SimRadioState state = m_radio.State();
        EXPECT_EQ(state.lastLevel, c.offset);
        EXPECT_EQ(state.lastLevelValue, c.value);
        EXPECT_EQ(state.levels[c.offset], c.value);
        EXPECT_EQ(state.lastAction, c.words);
        EXPECT_EQ(LastWords(), c.words);
    }
    // Nothing reaches the EEPROM until the store record.
    EXPECT_EQ(m_radio.Eeprom()[ImageMap::kAlignment], 30);
    ASSERT_TRUE(m_link.StoreAdjustments());
    ASSERT_TRUE(Taken(++taken));
    const auto eeprom = m_radio.Eeprom();
    for (const Case& c : cases)
    {
        EXPECT_EQ(eeprom[ImageMap::kAlignment + c.offset], c.value) << c.words;
    }
    EXPECT_EQ(m_radio.State().adjustmentsStored, 1);
    EXPECT_EQ(LastWords(), "adjustments stored");
}

struct TestCase
{
    const char* name;
    int model;     // of the radio's EEPROM and of the link
    double wideHz; // the EEPROM's reference steps
    double narrowHz;
    int injection;
    bool transmit;
    TestSettings settings;
    // what the radio decoded
    bool hasFrequency;
    double frequency;
    double synthesizer;
    SimSignalling signalling;
    int toneOrCode; // CTCSS index or DCS digits
    bool inverted;
    const char* words;
};

// A signalling choice: type and value.
using Signalling = std::pair<int, int>;
const Signalling kQuiet{kSignallingNone, kNoSignallingValue};

TestSettings Settings(double frequency, double stepKhz, Signalling signalling, bool wide)
{
    TestSettings s;
    s.frequency = frequency;
    s.referenceStep = stepKhz;
    s.noFrequency = frequency == 0.0;
    std::tie(s.signallingType, s.signallingValue) = signalling;
    s.wide = wide ? 1 : 0;
    return s;
}

TestSettings AllOptions(TestSettings s)
{
    s.txPowerControl = 0;
    s.compander = 0;
    s.dtone = 0;
    s.ani = 0;
    s.notScanGroupA = 0;
    s.notScanGroupB = 0;
    s.auxiliary = 0x80;
    return s;
}

TEST_F(SimCommandTest, TestCommandsAreDecodedBackIntoWhatTheFormAskedFor)
{
    const TestCase cases[] = {
        {"receive with nothing set", 5, 5000.0, 5000.0, 0, false, Settings(0.0, 5.0, kQuiet, false),
         false, 0.0, 0.0, SimSignalling::None, -1, false,
         "receiving with no frequency set, narrow, no signalling"},
        {"transmit with a tone", 5, 5000.0, 5000.0, 0, true,
         Settings(150.005, 5.0, {kSignallingCtcss, 1}, true), true, 150.005, 150.005,
         SimSignalling::Ctcss, 1, false,
         "transmitting on 150.00500 MHz, wide, high power, CTCSS 71.9 Hz"},
        // High-side injection: the form adds the 45 MHz IF, the radio takes it off.
        {"receive high side, inverted code", 5, 5000.0, 5000.0, 0, false,
         Settings(150.005 + 45.0, 5.0, {kSignallingDcs, -023}, true), true, 150.005, 195.005,
         SimSignalling::Dcs, 23, true, "receiving on 150.00500 MHz, wide, DCS 023 inverted"},
        {"receive low side on the narrow step", 9, 5000.0, 6250.0, 1, false,
         Settings(420.0 - 45.0, 6.25, {kSignallingDcs, 023}, false), true, 420.0, 375.0,
         SimSignalling::Dcs, 23, false, "receiving on 420.00000 MHz, narrow, DCS 023"},
        {"800 MHz counts its prescaler in 128s", 13, 12500.0, 6250.0, 1, true,
         Settings(815.0125, 12.5, kQuiet, true), true, 815.0125, 815.0125, SimSignalling::None, -1,
         false, "transmitting on 815.01250 MHz, wide, high power, no signalling"},
        {"800 MHz receive 70 MHz below", 13, 12500.0, 6250.0, 1, false,
         Settings(860.0 - 70.0, 6.25, {kSignallingCtcss, 44}, false), true, 860.0, 790.0,
         SimSignalling::Ctcss, 44, false, "receiving on 860.00000 MHz, narrow, CTCSS 254.1 Hz"},
        {"every option the other way", 5, 5000.0, 5000.0, 0, true,
         AllOptions(Settings(140.0, 5.0, kQuiet, false)), true, 140.0, 140.0, SimSignalling::None,
         -1, false,
         "transmitting on 140.00000 MHz, narrow, low power, no signalling, compander, DTone, ANI, "
         "scan group A, scan group B, auxiliary 0x80"},
        {"a tone beyond the table", 5, 5000.0, 5000.0, 0, true,
         Settings(150.005, 5.0, {kSignallingCtcss, 50}, true), true, 150.005, 150.005,
         SimSignalling::Unknown, -1, false,
         "transmitting on 150.00500 MHz, wide, high power, unknown signalling 0x3200"},
        {"a code that is no DCS code", 5, 5000.0, 5000.0, 0, true,
         Settings(150.005, 5.0, {kSignallingDcs, 030}, true), true, 150.005, 150.005,
         SimSignalling::Unknown, -1, false,
         "transmitting on 150.00500 MHz, wide, high power, unknown signalling 0x4180"},
        // e = 7200 gives N = 112, A = 32: divider word 0x3820.
        {"no band in the EEPROM", kNoBand, 5000.0, 5000.0, 0, true,
         Settings(36.0, 5.0, kQuiet, true), true, 0.0, 0.0, SimSignalling::None, -1, false,
         "transmitting on divider 0x03820 (the EEPROM names no band), wide, high power, "
         "no signalling"},
    };
    for (const TestCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSimRadio radio;
        CSimPort port(radio);
        radio.SetEeprom(Eeprom(c.model, c.wideHz, c.narrowHz, c.injection).data());
        ASSERT_TRUE(port.Start());
        CRadioLink link;
        link.SetDevicePath(port.DevicePath());
        link.SetModelIndex(c.model);
        ASSERT_TRUE(link.Open(1, false));
        ASSERT_TRUE(c.transmit ? link.TestTransmit(c.settings) : link.TestReceive(c.settings));
        ASSERT_TRUE(WaitFor([&] { return radio.State().commandsTaken == 1; }));

        const SimTestState test = radio.State().test;
        EXPECT_EQ(test.side, c.transmit ? 'T' : 'R');
        EXPECT_EQ(test.hasFrequency, c.hasFrequency);
        EXPECT_EQ(test.bandKnown, c.model != kNoBand);
        if (c.model == kNoBand)
        {
            EXPECT_EQ(test.divider, 0x3820u);
        }
        EXPECT_NEAR(test.frequencyMhz, c.frequency, 1e-9);
        EXPECT_NEAR(test.synthesizerMhz, c.synthesizer, 1e-9);
        EXPECT_EQ(test.signalling, c.signalling);
        if (c.signalling == SimSignalling::Ctcss)
        {
            EXPECT_EQ(test.ctcssIndex, c.toneOrCode);
        }
        if (c.signalling == SimSignalling::Dcs)
        {
            EXPECT_EQ(test.dcsDigits, c.toneOrCode);
            EXPECT_EQ(test.dcsInverted, c.inverted);
        }
        EXPECT_EQ(test.wide, c.settings.wide != 0);
        EXPECT_EQ(test.auxiliary, c.settings.auxiliary);
        EXPECT_EQ(radio.State().lastAction, c.words);
    }
}

TEST_F(SimCommandTest, TestRecordFailingItsCheckNibbleChangesNothing)
{
    Start(Eeprom(5, 5000.0, 5000.0, 0), 5);
    ASSERT_TRUE(m_link.TestTransmit(Settings(150.005, 5.0, kQuiet, true)));
    ASSERT_TRUE(Taken(1));
    const SimTestState before = m_radio.State().test;
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    // The good payload of 0x3820 would carry check nibble 0x02.
    const Case cases[] = {
        {"check nibble off by one", {0xFF, 0xF0, 0x38, 0x20, 0xC5, 0x03, 0xFF}},
        {"high nibble of the check byte set", {0xFF, 0xF0, 0x38, 0x20, 0xC5, 0x12, 0xFF}},
        {"six bytes", {0xFF, 0xF0, 0x38, 0x20, 0xC5, 0x02}},
    };
    int taken = 1;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(m_link.FormatRecord("M4", RadioCommands::kTestAddress, c.bytes.data(),
                                        static_cast<std::uint32_t>(c.bytes.size())));
        ASSERT_TRUE(Taken(++taken));
        const SimTestState after = m_radio.State().test;
        EXPECT_EQ(after.side, 'T');
        EXPECT_EQ(after.divider, before.divider);
        EXPECT_EQ(LastWords(), "test record ignored: not seven bytes with a good check nibble");
    }
    // The same bytes with the right nibble are taken.
    const std::uint8_t good[7] = {0xFF, 0xF0, 0x38, 0x20, 0xC5, 0x02, 0xFF};
    ASSERT_TRUE(m_link.FormatRecord("M4", RadioCommands::kTestAddress, good, 7));
    ASSERT_TRUE(Taken(++taken));
    EXPECT_EQ(m_radio.State().test.side, 'R');
    EXPECT_EQ(m_radio.State().test.divider, 0x3820u);
}

TEST_F(SimCommandTest, LampAndBeeperFollowTheirCommandsIntoTheLogFile)
{
    char path[] = "/tmp/vesk4-simlog-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_TRUE(m_radio.SetLogFile(path));
    Start(Eeprom(5, 5000.0, 5000.0, 0), 5);
    struct Case
    {
        bool light; // else the beeper
        int on;
        bool lamp;
        bool beeper;
        const char* line;
    };
    const Case cases[] = {
        {true, 1, true, false, "<- M8031001EB  lamp on"},
        {false, 1, true, true, "<- M8033001CB  beeper on"},
        {true, 0, false, true, "<- M8031000EC  lamp off"},
        {false, 0, false, false, "<- M8033000CC  beeper off"},
    };
    int taken = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(c.light ? m_link.SetLight(c.on) : m_link.SetBeep(c.on));
        ASSERT_TRUE(Taken(++taken));
        EXPECT_EQ(m_radio.State().lamp, c.lamp);
        EXPECT_EQ(m_radio.State().beeper, c.beeper);
    }
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
    {
        lines.push_back(line);
    }
    ::unlink(path);
    ASSERT_EQ(lines.size(), std::size(cases));
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        EXPECT_EQ(lines[i], cases[i].line);
    }
}
} // namespace
