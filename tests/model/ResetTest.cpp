// Tests of the defaults: the whole image after Reset byte for byte, the fixed
// bits, and what Reset does to a changed image.
#include "TestSupport.h"

// std
#include <cstring>

namespace
{
// The reset image, stated independently of the accessors that build it.
std::vector<std::uint8_t> ExpectedResetImage()
{
    std::vector<std::uint8_t> image(kImageSize, 0xFF);
    const auto put = [&](std::uint32_t offset, std::vector<std::uint8_t> bytes)
    { std::copy(bytes.begin(), bytes.end(), image.begin() + offset); };
    put(0x09, {0x20, 0x24, 0x03, 0x15}); // the pinned date
    put(0x0E, {0x0A, 0x00, 0x08, 0x00}); // 5 kHz wide, 6.25 kHz narrow
    put(0x16, {0xE0, 0x61, 0xFF, 0xBF, 0xB8, 0xFF, 0x7F});
    put(0x1E, {0xFF, 0x3F});
    put(0x22, {0x00, 0x00, 0x00, 0x01}); // tone indexes, group count
    put(0x26, {0, 0, 0, 0, 0, 0, 0xE0, 0xE0, 0, 0});
    for (int g = 0; g < 40; ++g)
    {
        std::fill_n(image.begin() + 0xA7 + 12 * g, 12, ' ');
    }
    for (int n = 0; n < 320; ++n)
    {
        std::fill_n(image.begin() + 0x340 + 23 * n + 11, 12, ' ');
    }
    return image;
}
} // namespace

class Reset : public PinnedClockTest
{
};

TEST_F(Reset, NewImageIsByteExact)
{
    CRadioImage image;
    const auto expected = ExpectedResetImage();
    const auto actual = WholeImage(image);
    for (std::uint32_t i = 0; i < kImageSize; ++i)
    {
        ASSERT_EQ(actual[i], expected[i]) << "at offset 0x" << std::hex << i;
    }
    EXPECT_EQ(image.WorkBlock().size, kBlockSize);
    EXPECT_EQ(std::memcmp(image.BackupBlock().image, image.WorkBlock().image, kImageSize), 0);
    const std::uint8_t zeros[4] = {};
    EXPECT_EQ(std::memcmp(image.WorkBlock().reserved1, zeros, 4), 0);
    EXPECT_EQ(std::memcmp(image.WorkBlock().reserved2, zeros, 4), 0);
}

TEST_F(Reset, OptionDefaultsReadBackThroughTheAccessors)
{
    CRadioImage image;
    int v = -1, a = -1, b = -1, c = -1, d = -1;
    const std::pair<bool (CRadioImage::*)(int&) const, int> expected[] = {
        {&CRadioImage::GetScanType, 3},           {&CRadioImage::GetScanHoldOnRx, 1},
        {&CRadioImage::GetScanHoldAfterTx, 2},    {&CRadioImage::GetScanListClear, 3},
        {&CRadioImage::GetScanHoldBy, 1},         {&CRadioImage::GetScanHoldAt, 1},
        {&CRadioImage::GetPriorityCycle, 1},      {&CRadioImage::GetPriorityTime, 2},
        {&CRadioImage::GetDefeatPriority2, 1},    {&CRadioImage::GetDtmfTiming, 0},
        {&CRadioImage::GetChannelRollOver, 1},    {&CRadioImage::GetTimeOutTimer, 7},
        {&CRadioImage::GetMicOffHookScanStop, 1}, {&CRadioImage::GetBusyLockout, 3},
        {&CRadioImage::GetTwoToneUnused, 1},      {&CRadioImage::GetTwoToneFormat, 3},
        {&CRadioImage::GetFirstToneIndex, 0},     {&CRadioImage::GetThirdToneIndex, 0},
        {&CRadioImage::GetSqVolume, 0},           {&CRadioImage::GetWideModulation, 0},
        {&CRadioImage::GetInjection, 1}, // from the fill: IF words are still 0xFFFF
    };
    for (std::size_t i = 0; i < std::size(expected); ++i)
    {
        ASSERT_TRUE((image.*expected[i].first)(v)) << "case " << i;
        EXPECT_EQ(v, expected[i].second) << "case " << i;
    }
    ASSERT_TRUE(image.GetBeeps(a, b, c, d));
    EXPECT_EQ(a + b + c + d, 4);
    ASSERT_TRUE(image.GetGroupCount(a, v));
    EXPECT_EQ(v, 1);
    EXPECT_EQ(a, 0);
}

TEST_F(Reset, RestoresEveryFieldOfAChangedImage)
{
    CRadioImage image;
    std::vector<std::uint8_t> noise(kImageSize);
    for (std::uint32_t i = 0; i < kImageSize; ++i)
    {
        noise[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    ASSERT_TRUE(image.WriteBlock(noise.data(), 0, kImageSize));
    // Reset fills the whole image first, so nothing of the old content survives,
    // not even in the check bytes and regions that no field covers.
    ASSERT_TRUE(image.Reset());
    EXPECT_EQ(WholeImage(image), ExpectedResetImage());
}

TEST_F(Reset, TakesTheDateFromTheClock)
{
    SetClockForTesting(LocalDate{1999, 12, 31});
    CRadioImage image;
    EXPECT_EQ(Bytes(image, ImageMap::kDate, 4),
              (std::vector<std::uint8_t>{0x19, 0x99, 0x12, 0x31}));
}

struct FixedBitsCase
{
    std::uint8_t before;
    std::uint8_t after16, after17, after19, after1C, after1F;
};

class FixedBits : public ::testing::TestWithParam<FixedBitsCase>
{
};

TEST_P(FixedBits, SetOnlyTheFixedBits)
{
    const FixedBitsCase& c = GetParam();
    CRadioImage image;
    std::vector<std::uint8_t> header(0x30, c.before);
    ASSERT_TRUE(image.WriteBlock(header.data(), 0, 0x30));
    auto expected = WholeImage(image);
    expected[0x16] = c.after16;
    expected[0x17] = c.after17;
    expected[0x19] = c.after19;
    expected[0x1C] = c.after1C;
    expected[0x1F] = c.after1F;
    EXPECT_TRUE(image.SetFixedBits());
    EXPECT_EQ(WholeImage(image), expected);
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, FixedBits,
                         ::testing::Values(FixedBitsCase{0xFF, 0xE0, 0xF1, 0xBF, 0x7F, 0x3F},
                                           FixedBitsCase{0x00, 0x20, 0x00, 0x80, 0x70, 0x30},
                                           FixedBitsCase{0x5A, 0x60, 0x50, 0x9A, 0x7A, 0x3A}));
