// Tests of the rules behind the Channel form's entries: names, band edges and
// step grid, frequency spins, DCS code boxes, groups and the order of checks.
#include "TestSupport.h"

// model
#include "model/ChannelCheck.h"
#include "model/ChannelGroups.h"
#include "model/ChannelNames.h"
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/DcsCodeText.h"
#include "model/Synthesizer.h"

// std
#include <limits>
#include <string>

namespace
{
// An image of a model with its wide and narrow steps and injection side, as
// the Model form leaves it.
CRadioImage BandImage(int model, double wideHz, double narrowHz, bool highInjection)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(model));
    EXPECT_TRUE(image.SetWideReference(wideHz));
    EXPECT_TRUE(image.SetNarrowReference(narrowHz));
    EXPECT_TRUE(image.SetWideIfOffset(ComputeIfOffset(model, !highInjection, wideHz)));
    return image;
}

CChannelRules RulesOf(const CRadioImage& image)
{
    CChannelRules rules;
    EXPECT_TRUE(rules.LoadFromImage(image));
    return rules;
}
} // namespace

TEST(ChannelNames, OnlyAsciiLettersDigitsBlankAndFiveSignsAndLettersAreUpperCased)
{
    struct Case
    {
        std::string text;
        bool ok;
        std::string name;
    };
    const Case cases[] = {
        {"abc/1", true, "ABC/1"},
        {"", true, ""},
        {"*+-/= zZ09", true, "*+-/= ZZ09"},
        {"ABCDEFGHIJKL", true, "ABCDEFGHIJKL"},
        {"abcdefghijklm", false, ""}, // one past the slot
        {"A.B", false, ""},
        {"TAB\t", false, ""},
        {"caf\xC3\xA9", false, ""}, // UTF-8 letter
        {"\xE9t\xE9", false, ""},   // Latin-1 letter
        {std::string("A\0B", 3), false, ""},
    };
    for (const Case& c : cases)
    {
        std::string name = "unchanged";
        EXPECT_EQ(NormaliseName(c.text, name), c.ok) << c.text;
        EXPECT_EQ(name, c.ok ? c.name : "unchanged") << c.text;
    }
    // Exactly the 68 characters, and each keeps a name one character long.
    int accepted = 0;
    for (int byte = 0; byte < 256; ++byte)
    {
        std::string name;
        if (NormaliseName(std::string(1, static_cast<char>(byte)), name))
        {
            ++accepted;
            EXPECT_EQ(name.size(), 1U) << byte;
        }
    }
    EXPECT_EQ(accepted, 68);
}

TEST(ChannelRules, BandEdgesAndStepGridPerSide)
{
    struct Case
    {
        int model;
        double wideHz, narrowHz;
        bool narrow, transmit;
        double mhz;
        bool allowed;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {5, 5000, 6250, false, false, 150.0025, false}, // off the 5 kHz grid
        {5, 5000, 6250, false, false, 150.005, true},
        {5, 5000, 6250, false, false, 160.0, true}, // edges are inclusive
        {5, 5000, 6250, false, false, 160.005, false},
        {5, 5000, 6250, false, true, 135.995, false},
        {5, 5000, 6250, false, true, 0.0, true},       // the side unused
        {5, 5000, 6250, true, false, 150.00625, true}, // the narrow step's own grid
        {5, 5000, 6250, false, false, 150.00625, false},
        {5, 2500, 2500, false, true, 150.079996, true}, // rounds onto the 10 Hz grid
        {13, 12500, 6250, false, false, 851.0125, true},
        {13, 12500, 6250, false, true, 851.0125, false},
        {13, 12500, 6250, false, true, 806.0, true},
        {13, 12500, 6250, false, false, 806.0, false},
        {13, 12500, 6250, false, false, 870.0125, false},
        {0, 2500, 2500, false, false, nan, false},
        {0, 2500, 2500, false, false, inf, false},
    };
    for (const Case& c : cases)
    {
        const CChannelRules rules = RulesOf(BandImage(c.model, c.wideHz, c.narrowHz, false));
        EXPECT_EQ(rules.IsFrequencyAllowed(c.mhz, c.transmit, c.narrow), c.allowed)
            << "model " << c.model << " f " << c.mhz << " tx " << c.transmit;
        std::uint32_t word = 1;
        EXPECT_EQ(rules.FrequencyToWord(c.mhz, c.transmit, c.narrow, word), c.allowed);
        if (!c.allowed)
        {
            EXPECT_EQ(word, 1U) << "a refused frequency leaves the word alone";
        }
    }
}

TEST(ChannelRules, StepsAndInjectionComeFromTheImage)
{
    struct Case
    {
        int model;
        double wideHz, narrowHz;
        bool high;
        double wideMhz, narrowMhz;
        std::uint32_t rx150Word; // receive 150.0 MHz, wide
    };
    const Case cases[] = {
        {5, 5000, 6250, false, 0.005, 0.00625, 0x0A408},
        {5, 5000, 6250, true, 0.005, 0.00625, 0x13098},
        {0, 2500, 6250, true, 0.0025, 0.00625, 0}, // 150 MHz is outside the band
        {13, 12500, 5000, true, 0.0125, 0.005, 0},
    };
    for (const Case& c : cases)
    {
        const CChannelRules rules = RulesOf(BandImage(c.model, c.wideHz, c.narrowHz, c.high));
        EXPECT_EQ(rules.GetModel(), c.model);
        EXPECT_EQ(rules.IsHighInjection(), c.high);
        EXPECT_DOUBLE_EQ(rules.GetStepMhz(false), c.wideMhz);
        EXPECT_DOUBLE_EQ(rules.GetStepMhz(true), c.narrowMhz);
        std::uint32_t word = 0;
        EXPECT_EQ(rules.FrequencyToWord(150.0, false, false, word), c.rx150Word != 0);
        if (c.rx150Word != 0)
        {
            EXPECT_EQ(word, c.rx150Word);
            double back = 0.0;
            ASSERT_TRUE(rules.WordToFrequency(word, false, false, back));
            EXPECT_NEAR(back, 150.0, 1e-9);
        }
    }
}

TEST(ChannelRules, WithoutAModelNothingIsAllowedOrConverted)
{
    CRadioImage unset; // reset: model byte 0xFF
    CRadioImage beyond = BandImage(5, 5000, 5000, false);
    PutByte(beyond, ImageMap::kModel, 14);
    for (const CRadioImage* image : {&unset, &beyond})
    {
        CChannelRules rules = RulesOf(BandImage(5, 5000, 5000, false));
        EXPECT_FALSE(rules.LoadFromImage(*image)); // forgets the band it had
        EXPECT_FALSE(rules.HasModel());
        EXPECT_EQ(rules.GetModel(), -1);
        EXPECT_EQ(rules.GetStepKhz(false), 0.0);
        double low = 0, high = 0, f = 0;
        std::uint32_t word = 0;
        EXPECT_FALSE(rules.GetBandEdges(false, low, high));
        EXPECT_FALSE(rules.IsFrequencyAllowed(0.0, false, false));
        EXPECT_FALSE(rules.FrequencyToWord(150.0, false, false, word));
        EXPECT_FALSE(rules.WordToFrequency(0x0A408, false, false, f));
        EXPECT_FALSE(rules.StepFrequency(150.0, 1, false, false, f));

        ChannelValues values;
        ChannelCheckFailure failure;
        EXPECT_FALSE(CheckChannelEntry(rules, ChannelEntry{}, values, failure));
        EXPECT_EQ(failure.check, ChannelCheck::ModelChosen);
        EXPECT_STREQ(failure.message,
                     "No radio model is chosen. Choose the model on the Model form first.");
    }
}

TEST(ChannelRules, FrequencySpinsStepOnTheGridAndStopAtTheEdges)
{
    struct Case
    {
        int model;
        double stepHz;
        bool transmitBox;
        const char* box;
        int direction;
        const char* shown;
    };
    const Case cases[] = {
        {0, 2500, false, "29.7", -1, "0.00000"},       // down from the low edge: unused
        {0, 2500, false, "0", +1, "29.70000"},         // up from unused: the low edge
        {5, 5000, false, "150.0031", -1, "149.99500"}, // off grid: two points down
        {5, 5000, false, "150.0031", +1, "150.00500"},
        {5, 5000, false, "136.0012", -1, "135.99500"},
        {5, 5000, false, "170", +1, "160.00000"},
        {5, 2500, false, "150.00125", -1, "149.99750"},
        {13, 12500, true, "0", +1, "806.00000"},
        {13, 12500, false, "0", +1, "851.00000"},
        {13, 12500, true, "830", -1, "825.00000"},
    };
    for (const Case& c : cases)
    {
        const CChannelRules rules = RulesOf(BandImage(c.model, c.stepHz, c.stepHz, false));
        double f = 0.0;
        ASSERT_TRUE(ReadFrequencyEntry(c.box, f));
        double next = -1.0;
        ASSERT_TRUE(rules.StepFrequency(f, c.direction, false, c.transmitBox, next));
        EXPECT_EQ(CChannelRules::FormatFrequency(next), c.shown) << c.box << " " << c.direction;
    }
}

TEST(DcsCodeText, SpinsStepOverTheListWithInvertedCodesBelowZero)
{
    struct Case
    {
        const char* box;
        int direction;
        int spinPosition;
        const char* shown;
        int position;
    };
    const Case cases[] = {
        {"754", +1, 0, "754", 104}, // the top stays
        {"023", -1, 0, "000", 0},
        {"000", -1, 0, "-023", -1}, // below 0: inverted codes
        {"-023", -1, 0, "-025", -2},
        {"-023", +1, 0, "000", 0},
        {"-754", -1, 0, "-754", -104},
        {"25", +1, 0, "026", 3},
        {"-000", +1, 7, "023", 1}, // "-000" is the no-code entry
        {"024", +1, 5, "036", 6},  // no entry: steps from the spin's own position
        {"", -1, 0, "-023", -1},
        {"abc", +1, 104, "754", 104},
        {"99999999999", -1, -104, "-754", -104},
    };
    for (const Case& c : cases)
    {
        int position = c.spinPosition;
        EXPECT_EQ(StepDcsCode(c.box, c.direction, position), c.shown) << c.box;
        EXPECT_EQ(position, c.position) << c.box;
    }
}

TEST(ChannelGroups, CapacityAndGroupArithmetic)
{
    struct Case
    {
        int mode, storedCount;
        int capacity, count, perGroup;
        int channel, groupOfChannel;
        int group, firstChannel;
    };
    const Case cases[] = {
        {0, 10, 120, 10, 12, 13, 2, 2, 13},
        {0, 10, 120, 10, 12, 12, 1, 10, 109},
        {1, 15, 320, 15, 21, 316, 16, 15, 295}, // 15 does not divide 320
        {5, 40, 320, 40, 8, 320, 40, 40, 313},  // any mode but 0 is 320 channels
        {-1, 4, 320, 4, 80, 81, 2, 4, 241},
        {0, 0, 120, 1, 120, 120, 1, 1, 1},  // no count: one group
        {1, 41, 320, 1, 320, 200, 1, 3, 1}, // no name slots past 40
        {1, 255, 320, 1, 320, 320, 1, 1, 1},
        {0, 10, 120, 10, 12, 500, 10, 11, 109}, // held within the capacity and count
        {0, 10, 120, 10, 12, -3, 1, 0, 1},
    };
    for (const Case& c : cases)
    {
        const CChannelGroups groups(c.mode, c.storedCount);
        EXPECT_EQ(groups.GetCapacity(), c.capacity) << c.mode;
        EXPECT_EQ(groups.GetGroupCount(), c.count) << c.storedCount;
        EXPECT_EQ(groups.GetChannelsPerGroup(), c.perGroup);
        EXPECT_EQ(groups.GroupOfChannel(c.channel), c.groupOfChannel) << c.channel;
        EXPECT_EQ(groups.FirstChannelOfGroup(c.group), c.firstChannel) << c.group;
    }
}

// Whatever count a file or a radio brings, every channel has a group with a
// name slot, and every group's first channel is a channel of that group.
TEST(ChannelGroups, EveryStoredCountGivesGroupsThatExist)
{
    for (int mode = 0; mode <= 1; ++mode)
    {
        for (int stored = 0; stored <= 255; ++stored)
        {
            const CChannelGroups groups(mode, stored);
            ASSERT_GE(groups.GetChannelsPerGroup(), 1) << stored;
            for (int n = 1; n <= groups.GetCapacity(); ++n)
            {
                const int g = groups.GroupOfChannel(n);
                ASSERT_GE(g, 1);
                ASSERT_LE(g, kGroupNameCount) << "mode " << mode << " count " << stored;
            }
            for (int g = 1; g <= groups.GetGroupCount(); ++g)
            {
                const int first = groups.FirstChannelOfGroup(g);
                ASSERT_LE(first, groups.GetCapacity());
                ASSERT_EQ(groups.GroupOfChannel(first), g) << "count " << stored;
            }
        }
    }
}

TEST(ChannelCheck, FrequencyBoxesMustHoldNumbers)
{
    struct Case
    {
        const char* text;
        bool ok;
        double mhz;
    };
    const Case cases[] = {
        {"150.005", true, 150.005},
        {" 150 ", true, 150.0},
        {".5", true, 0.5},
        {"7.", true, 7.0},
        {"-0", true, 0.0},
        {"+1", true, 1.0},
        {"", false, 0},
        {".", false, 0},
        {"12.5 MHz", false, 0},
        {"1e2", false, 0},
        {"150,005", false, 0},
        {"--1", false, 0},
        {"0x10", false, 0},
        {"inf", false, 0},
    };
    for (const Case& c : cases)
    {
        double mhz = -1.0;
        EXPECT_EQ(ReadFrequencyEntry(c.text, mhz), c.ok) << c.text;
        EXPECT_EQ(mhz, c.ok ? c.mhz : -1.0) << c.text;
    }
}

// Each case spoils the entry in one or more ways; only the first check in the
// form's order may speak, with its exact message and focus.
TEST(ChannelCheck, TheFirstFailedCheckInOrderSpeaks)
{
    struct Case
    {
        const char *rx, *tx, *name, *group;
        int channel;
        int rxType, rxTone;
        const char* rxDcs;
        int txType, txTone;
        const char* txDcs;
        ChannelCheck check;
        ChannelField focus;
        const char* message;
    };
    constexpr int D = kSignallingDcs;
    constexpr int C = kSignallingCtcss;
    const char* f = "150.005";
    const Case cases[] = {
        {"abc", f, ".", "", 1, D, -1, "023", D, -1, "754", ChannelCheck::RxFrequencyNumber,
         ChannelField::RxFrequency, "Please enter a number."},
        {f, "", ".", "", 1, D, -1, "023", D, -1, "754", ChannelCheck::TxFrequencyNumber,
         ChannelField::TxFrequency, "Please enter a number."},
        {f, f, "A.B", ".", 1, D, -1, "023", D, -1, "754", ChannelCheck::ChannelName,
         ChannelField::ChannelName, "Channel name set error"},
        {f, f, "", "G?", 0, D, -1, "023", D, -1, "754", ChannelCheck::GroupName,
         ChannelField::GroupName, "Group name set error"},
        {"1", f, "", "", 321, D, -1, "023", D, -1, "754", ChannelCheck::ChannelNumber,
         ChannelField::ChannelNumber, "Channel number set error"},
        {"150.0025", "1", "", "", 1, D, -1, "023", D, -1, "754", ChannelCheck::RxFrequency,
         ChannelField::RxFrequency, "Receive Channel Freq set error"},
        {f, "160.005", "", "", 1, D, -1, "8", D, -1, "754", ChannelCheck::TxFrequency,
         ChannelField::TxFrequency, "Transmit Channel Freq set error"},
        {f, f, "", "", 1, D, -1, "0", D, -1, "8", ChannelCheck::RxSignalling, ChannelField::RxDcs,
         "Receive Signaling Data set error"},
        {f, f, "", "", 1, D, -1, "-", D, -1, "754", ChannelCheck::RxSignalling, ChannelField::RxDcs,
         "Receive Signaling Data set error"},
        {f, f, "", "", 1, D, -1, "024", D, -1, "754", ChannelCheck::RxSignalling,
         ChannelField::RxDcs, "Receive Signaling Data set error"},
        {f, f, "", "", 1, C, -1, "0", D, -1, "754", ChannelCheck::RxSignalling,
         ChannelField::RxTone, "Receive Signaling Data set error"},
        {f, f, "", "", 1, D, -1, "023", C, 45, "0", ChannelCheck::TxSignalling,
         ChannelField::TxTone, "Transmit Signaling Data set error"},
        {f, f, "", "", 1, D, -1, "023", D, -1, "-000", ChannelCheck::TxSignalling,
         ChannelField::TxDcs, "Transmit Signaling Data set error"},
        {f, f, "", "", 1, D, -1, "023", 3, -1, "754", ChannelCheck::TxSignalling,
         ChannelField::TxDcs, "Transmit Signaling Data set error"},
    };
    const CChannelRules rules = RulesOf(BandImage(5, 5000, 6250, false));
    for (const Case& c : cases)
    {
        const ChannelEntry entry{c.channel,
                                 c.name,
                                 c.group,
                                 false,
                                 {c.rx, c.rxType, c.rxTone, c.rxDcs},
                                 {c.tx, c.txType, c.txTone, c.txDcs}};
        ChannelValues values;
        values.name = "untouched";
        ChannelCheckFailure failure;
        EXPECT_FALSE(CheckChannelEntry(rules, entry, values, failure)) << c.message;
        EXPECT_EQ(failure.check, c.check) << c.message << " " << c.rx << " " << c.rxDcs;
        EXPECT_EQ(failure.focus, c.focus) << c.message;
        EXPECT_STREQ(failure.message, c.message);
        EXPECT_EQ(values.name, "untouched");
    }
}

// Also that what StoreChannel writes of them, ReadChannel gives back.
TEST(ChannelCheck, APassingEntryGivesTheRecordsValues)
{
    struct Case
    {
        ChannelEntry entry;
        ChannelValues expected;
    };
    const Case cases[] = {
        {{1,
          "abc/1",
          "north",
          false,
          {"150.0", kSignallingDcs, -1, "-023"},
          {"150.0", kSignallingCtcss, 38, "0"}},
         {"ABC/1",
          "NORTH",
          {150.0, false, 0x0A408, kSignallingDcs, -19},
          {150.0, false, 0x0EA30, kSignallingCtcss, 38}}},
        // an unused receive side; the last slot is editable in any capacity
        {{320, "", "", true, {"0", kSignallingNone, 3, "0"}, {"0.0", kSignallingDcs, -1, "754"}},
         {"",
          "",
          {0.0, true, kUnusedWord, kSignallingNone, 255},
          {0.0, true, kUnusedWord, kSignallingDcs, 492}}},
        // a hair below a grid point takes that point's word
        {{2,
          "",
          "",
          false,
          {"150.079996", kSignallingNone, -1, ""},
          {"150.080004", kSignallingNone, -1, ""}},
         {"",
          "",
          {150.079996, false, FrequencyToWord(150.08, false, 5, 5.0, false), kSignallingNone, 255},
          {150.080004, false, FrequencyToWord(150.08, true, 5, 5.0, false), kSignallingNone, 255}}},
    };
    const CChannelRules rules = RulesOf(BandImage(5, 5000, 5000, false));
    for (const Case& c : cases)
    {
        ChannelValues values;
        ChannelCheckFailure failure;
        ASSERT_TRUE(CheckChannelEntry(rules, c.entry, values, failure)) << failure.message;
        EXPECT_EQ(values.name, c.expected.name);
        EXPECT_EQ(values.groupName, c.expected.groupName);
        for (const auto& [got, want] :
             {std::pair{values.rx, c.expected.rx}, std::pair{values.tx, c.expected.tx}})
        {
            EXPECT_DOUBLE_EQ(got.mhz, want.mhz);
            EXPECT_EQ(got.unused, want.unused) << want.mhz;
            EXPECT_EQ(got.word, want.word) << want.mhz;
            EXPECT_EQ(got.signallingType, want.signallingType) << want.mhz;
            EXPECT_EQ(got.signallingValue, want.signallingValue) << want.mhz;
        }

        CRadioImage image = BandImage(5, 5000, 5000, false);
        const ChannelSwitches switches{c.entry.narrow, true,  false, true, false,
                                       true,           false, true,  0x5A};
        ASSERT_TRUE(StoreChannel(image, c.entry.channel, values, switches));
        StoredChannel record;
        ASSERT_TRUE(ReadChannel(image, rules, c.entry.channel, record));
        const bool empty = values.rx.unused; // the radio takes such a channel as empty
        EXPECT_EQ(record.name, empty ? "" : values.name);
        EXPECT_EQ(record.switches, empty ? ChannelSwitches{} : switches);
        for (const auto& [got, want] :
             {std::pair{record.rx, values.rx}, std::pair{record.tx, values.tx}})
        {
            const bool unused = empty || want.unused;
            EXPECT_EQ(got.unused, unused);
            EXPECT_EQ(got.word, unused ? kUnusedWord : want.word);
            EXPECT_NEAR(got.mhz, unused ? 0.0 : want.mhz, 0.00001);
            // An unused side keeps no signalling.
            const ChannelSignalling& signalling = got.signalling;
            const int type = unused ? kSignallingNone : want.signallingType;
            EXPECT_EQ(signalling.type, type);
            if (type == kSignallingDcs)
            {
                EXPECT_EQ(signalling.dcsInverted, want.signallingValue < 0);
                EXPECT_EQ(signalling.dcsCode, std::abs(want.signallingValue));
            }
            if (type == kSignallingCtcss)
            {
                EXPECT_TRUE(signalling.toneValid);
                EXPECT_EQ(signalling.toneIndex, want.signallingValue);
            }
        }
    }
}
