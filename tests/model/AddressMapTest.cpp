// Every field of the image, set through its accessor, lands where the
// address map says: the one test that states the map independently of the
// model's table, for every entry of it.
#include "TestSupport.h"

// std
#include <functional>
#include <string>

namespace
{
struct MapCase
{
    const char* name;
    std::function<bool(CRadioImage&)> set;
    std::uint32_t offset;
    // The field's bytes afterwards, when they held 0x00 before.
    std::vector<std::uint8_t> bytes;
};

using I = CRadioImage;
const MapCase kMap[] = {
    {"SerialNumber",
     [](I& i) { return i.SetSerialNumber("12AB"); },
     0x0000,
     {0x12, 0xAB, 0xFF, 0xFF}},
    {"Customer", [](I& i) { return i.SetCustomer("abc"); }, 0x0004, {0xAB, 0xCF, 0xFF, 0xFF, 0xFF}},
    {"Date", [](I& i) { return i.SetDate(1998, 7, 4); }, 0x0009, {0x19, 0x98, 0x07, 0x04}},
    {"Model", [](I& i) { return i.SetModel(13); }, 0x000D, {0x0D}},
    {"WideReference", [](I& i) { return i.SetWideReference(5000.0); }, 0x000E, {0x0A, 0x00}},
    {"NarrowReference", [](I& i) { return i.SetNarrowReference(6250.0); }, 0x0010, {0x08, 0x00}},
    {"WideIfOffset", [](I& i) { return i.SetWideIfOffset(-9000); }, 0x0012, {0xDC, 0xD8}},
    {"NarrowIfOffset", [](I& i) { return i.SetNarrowIfOffset(0x1234); }, 0x0014, {0x12, 0x34}},
    {"ScanHoldOnRx", [](I& i) { return i.SetScanHoldOnRx(2); }, 0x0017, {0x80}},
    {"ScanHoldAfterTx", [](I& i) { return i.SetScanHoldAfterTx(3); }, 0x0017, {0x30}},
    {"ScanListClear", [](I& i) { return i.SetScanListClear(1); }, 0x0018, {0x40}},
    {"ScanHoldBy", [](I& i) { return i.SetScanHoldBy(1); }, 0x0018, {0x20}},
    {"ScanHoldAt", [](I& i) { return i.SetScanHoldAt(1); }, 0x0018, {0x10}},
    {"ScanType", [](I& i) { return i.SetScanType(3); }, 0x0018, {0x0C}},
    {"ChannelRollOver", [](I& i) { return i.SetChannelRollOver(1); }, 0x0018, {0x02}},
    {"PriorityCycle", [](I& i) { return i.SetPriorityCycle(1); }, 0x0018, {0x01}},
    {"Injection", [](I& i) { return i.SetInjection(1); }, 0x0019, {0x10}},
    {"Beeps", [](I& i) { return i.SetBeeps(1, 0, 0, 1); }, 0x0019, {0x09}},
    {"PriorityTime", [](I& i) { return i.SetPriorityTime(3); }, 0x001A, {0xC0}},
    {"TwoToneUnused", [](I& i) { return i.SetTwoToneUnused(1); }, 0x001A, {0x20}},
    {"TwoToneFormat", [](I& i) { return i.SetTwoToneFormat(3); }, 0x001A, {0x18}},
    {"DtmfTiming", [](I& i) { return i.SetDtmfTiming(7); }, 0x001A, {0x07}},
    {"BusyLockout", [](I& i) { return i.SetBusyLockout(2); }, 0x001B, {0x80}},
    {"TimeOutTimer", [](I& i) { return i.SetTimeOutTimer(5); }, 0x001B, {0x28}},
    {"MicOffHookScanStop", [](I& i) { return i.SetMicOffHookScanStop(1); }, 0x001B, {0x04}},
    {"DefeatPriority2", [](I& i) { return i.SetDefeatPriority2(1); }, 0x001E, {0x80}},
    {"TwoToneGroups", [](I& i) { return i.SetTwoToneGroups(3, 9); }, 0x0021, {0x39}},
    {"FirstTone", [](I& i) { return i.SetFirstToneIndex(59); }, 0x0022, {0x3B}},
    {"SecondTone", [](I& i) { return i.SetSecondToneIndex(1); }, 0x0023, {0x01}},
    {"ThirdTone", [](I& i) { return i.SetThirdToneIndex(2); }, 0x0024, {0x02}},
    {"GroupCount", [](I& i) { return i.SetGroupCount(0, 40); }, 0x0025, {0x28}},
    {"TxHighPowerLevel", [](I& i) { return i.SetTxHighPowerLevel(0xC8); }, 0x0026, {0xC8}},
    {"TxLowPowerLevel", [](I& i) { return i.SetTxLowPowerLevel(1); }, 0x0027, {0x01}},
    {"SqVolume", [](I& i) { return i.SetSqVolume(80); }, 0x0028, {0x50}},
    {"TxToneLevel", [](I& i) { return i.SetTxToneLevel(127); }, 0x0029, {0x7F}},
    {"DtmfLowToneLevel", [](I& i) { return i.SetDtmfLowToneLevel(0x55); }, 0x002A, {0x55}},
    {"ModulationSensitivity", [](I& i) { return i.SetModulationSensitivity(15); }, 0x002B, {0x0F}},
    {"WideModulation", [](I& i) { return i.SetWideModulation(31); }, 0x002C, {0x1F}},
    {"NarrowModulation", [](I& i) { return i.SetNarrowModulation(0x11); }, 0x002D, {0x11}},
    {"WideDemodulation", [](I& i) { return i.SetWideDemodulation(15); }, 0x002E, {0x0F}},
    {"NarrowDemodulation", [](I& i) { return i.SetNarrowDemodulation(9); }, 0x002F, {0x09}},
    {"AniNumber",
     [](I& i) { return i.SetAniNumber("12#*"); },
     0x009D,
     {0x12, 0xAB, 0xFF, 0xFF, 0xFF}},
    {"GroupName",
     [](I& i) { return i.SetGroupName(40, "AB"); },
     0x0287,
     {'A', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    // Channel 2 (index 1), whose record starts at 0x0357.
    {"RxSignallingNone", [](I& i) { return i.SetRxSignallingNone(1, 1); }, 0x0357, {0x80}},
    {"RxSignallingType", [](I& i) { return i.SetRxSignallingType(1, 1); }, 0x0357, {0x40}},
    {"RxDcs", [](I& i) { return i.SetRxDcs(1, 1, 19); }, 0x0357, {0x21, 0x30}},
    {"RxCtcss", [](I& i) { return i.SetRxCtcss(1, 44); }, 0x0357, {0x2C}},
    {"RxUnused", [](I& i) { return i.SetRxUnused(1, 1); }, 0x0358, {0x08}},
    {"RxWord", [](I& i) { return i.SetRxWord(1, 0x5A408); }, 0x0358, {0x05, 0xA4, 0x08}},
    {"TxSignallingNone", [](I& i) { return i.SetTxSignallingNone(1, 1); }, 0x035B, {0x80}},
    {"TxSignallingType", [](I& i) { return i.SetTxSignallingType(1, 1); }, 0x035B, {0x40}},
    {"TxDcs", [](I& i) { return i.SetTxDcs(1, 0, 511); }, 0x035B, {0x1F, 0xF0}},
    {"TxCtcss", [](I& i) { return i.SetTxCtcss(1, 12); }, 0x035B, {0x0C}},
    {"TxUnused", [](I& i) { return i.SetTxUnused(1, 1); }, 0x035C, {0x08}},
    {"TxWord", [](I& i) { return i.SetTxWord(1, 0x7FFFF); }, 0x035C, {0x07, 0xFF, 0xFF}},
    {"TxPower", [](I& i) { return i.SetTxPower(1, 1); }, 0x035F, {0x80}},
    {"Scrambler", [](I& i) { return i.SetScrambler(1, 1); }, 0x035F, {0x40}},
    {"ScanGroupA", [](I& i) { return i.SetScanGroupA(1, 1); }, 0x035F, {0x20}},
    {"ScanGroupB", [](I& i) { return i.SetScanGroupB(1, 1); }, 0x035F, {0x10}},
    {"Compander", [](I& i) { return i.SetCompander(1, 1); }, 0x035F, {0x08}},
    {"Wide", [](I& i) { return i.SetWide(1, 1); }, 0x035F, {0x04}},
    {"DTone", [](I& i) { return i.SetDTone(1, 1); }, 0x035F, {0x02}},
    {"AniEnable", [](I& i) { return i.SetAniEnable(1, 1); }, 0x035F, {0x01}},
    {"Check",
     [](I& i) { return i.SetRxWord(1, 0x0A408) && i.SetTxWord(1, 0x0EA30) && i.UpdateCheck(1); },
     0x0358,
     {0x00, 0xA4, 0x08, 0x00, 0x00, 0xEA, 0x30, 0x00, 0x0F}},
    {"AuxData", [](I& i) { return i.SetAuxData(1, 0xA5); }, 0x0361, {0xA5}},
    {"ChannelName",
     [](I& i) { return i.SetChannelName(1, "AB"); },
     0x0362,
     {'A', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};
} // namespace

class AddressMap : public PinnedClockTest, public ::testing::WithParamInterface<MapCase>
{
};

TEST_P(AddressMap, EachFieldWritesItsBytesAndNoOthers)
{
    const MapCase& c = GetParam();
    CRadioImage image;
    const std::vector<std::uint8_t> zeros(c.bytes.size(), 0x00);
    ASSERT_TRUE(image.WriteBlock(zeros.data(), c.offset, static_cast<std::uint32_t>(zeros.size())));
    auto expected = WholeImage(image);
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + c.offset);
    ASSERT_TRUE(c.set(image));
    EXPECT_EQ(WholeImage(image), expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, AddressMap, ::testing::ValuesIn(kMap),
                         [](const auto& info) { return std::string(info.param.name); });
