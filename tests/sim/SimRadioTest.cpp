// The simulated radio's answers, fed record by record without a port.

// sim
#include "sim/SimRadio.h"

// link
#include "link/Record.h"

// std
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
std::vector<std::string> Feed(CSimRadio& radio, const std::string& bytes)
{
    std::vector<std::string> replies;
    radio.Receive(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), replies);
    return replies;
}

std::string Rec(const char* type, std::uint16_t address, std::vector<std::uint8_t> data = {})
{
    return CRecord::Compose(type, address, data.data(), static_cast<std::uint32_t>(data.size()));
}

std::vector<std::uint8_t> Pattern()
{
    std::vector<std::uint8_t> image(8192);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        image[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
    }
    return image;
}

TEST(SimRadio, UploadSendsTheWholeEepromInAddressOrderThenAnEnd)
{
    CSimRadio radio;
    const auto image = Pattern();
    radio.SetEeprom(image.data());
    const auto replies = Feed(radio, "M3030000FC\r\n");
    ASSERT_EQ(replies.size(), 1025u);
    for (std::uint32_t r = 0; r < 1024; ++r)
    {
        ASSERT_EQ(replies[r],
                  CRecord::Compose("S1", static_cast<std::uint16_t>(r * 8), &image[r * 8], 8));
    }
    EXPECT_EQ(replies.back(), "S9030000FC\r\n");
}

TEST(SimRadio, A120ChannelRadioStopsAfterItsLastChannel)
{
    CSimRadio radio;
    radio.SetChannels(120);
    const auto replies = Feed(radio, "M3030000FC\r\n");
    ASSERT_EQ(replies.size(), 0x0E08u / 8 + 1);
    EXPECT_EQ(replies[replies.size() - 2].substr(0, 8), "S10B0E00");
}

TEST(SimRadio, RecordSplitAcrossReadsIsAnsweredOnce)
{
    CSimRadio radio;
    EXPECT_TRUE(Feed(radio, "M8031").empty());
    EXPECT_TRUE(Feed(radio, "001EB\r\n").empty());
    EXPECT_TRUE(radio.Lamp());
}

TEST(SimRadio, DownloadStoresTheRecordsUntilTheEnd)
{
    CSimRadio radio;
    int hooks = 0;
    radio.SetDownloadHook([&hooks] { ++hooks; });
    // An "S1" outside a download is not stored.
    Feed(radio, Rec("S1", 0x0000, {1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(radio.Eeprom()[0], 0xFF);
    Feed(radio, "M2030000FC\r\n" + Rec("S1", 0x0008, {1, 2, 3}) +
                    Rec("S1", 0x1FF8, {9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_TRUE(radio.InDownload());
    Feed(radio, "S9030000FC\r\n");
    EXPECT_FALSE(radio.InDownload());
    const auto eeprom = radio.Eeprom();
    EXPECT_EQ(eeprom[8], 1);
    EXPECT_EQ(eeprom[10], 3);
    EXPECT_EQ(eeprom[11], 0xFF);
    EXPECT_EQ(eeprom[0x1FFF], 9);
    EXPECT_EQ(radio.DownloadsCompleted(), 1);
    EXPECT_EQ(hooks, 1);
}

TEST(SimRadio, RamWriteReadLiveAlignmentAndStore)
{
    CSimRadio radio;
    Feed(radio, Rec("M0", 0x0100, {0xDE, 0xAD, 0xBE, 0xEF}));
    auto replies = Feed(radio, Rec("M1", 0x0101, {2}));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0], Rec("S1", 0x0101, {0xAD, 0xBE}));
    EXPECT_EQ(replies[1], "S9030000FC\r\n");

    for (std::uint16_t i = 0; i < 10; ++i)
    {
        Feed(radio, Rec(i == 2 || i >= 8 ? "M4" : "M6", static_cast<std::uint16_t>(0x4000 + i),
                        {static_cast<std::uint8_t>(0x10 + i)}));
    }
    EXPECT_EQ(radio.Ram(0x4000, 10), (std::vector<std::uint8_t>{0x10, 0x11, 0x12, 0x13, 0x14, 0x15,
                                                                0x16, 0x17, 0x18, 0x19}));
    EXPECT_EQ(radio.Eeprom()[0x26], 0xFF);
    Feed(radio, Rec("M2", 0x8000));
    const auto eeprom = radio.Eeprom();
    EXPECT_EQ(std::vector<std::uint8_t>(eeprom.begin() + 0x26, eeprom.begin() + 0x30),
              radio.Ram(0x4000, 10));
}

TEST(SimRadio, TestRecordsLampAndBeeper)
{
    CSimRadio radio;
    const std::vector<std::uint8_t> payload = {1, 2, 3, 4, 5, 6, 7};
    Feed(radio, Rec("M4", 0x2000, payload));
    EXPECT_EQ(radio.TestSide(), 'R');
    EXPECT_EQ(radio.TestPayload(), payload);
    Feed(radio, Rec("M6", 0x2000, payload));
    EXPECT_EQ(radio.TestSide(), 'T');
    Feed(radio, "M8033001CB\r\n");
    EXPECT_TRUE(radio.Beeper());
    Feed(radio, "M8033000CC\r\n");
    EXPECT_FALSE(radio.Beeper());
}

TEST(SimRadio, RecordWithABadChecksumIsLoggedAndIgnored)
{
    CSimRadio radio;
    EXPECT_TRUE(Feed(radio, "M3030000FD\r\n").empty());
    Feed(radio, "M8031001EC\r\n");
    EXPECT_FALSE(radio.Lamp());
    const auto log = radio.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].received);
    EXPECT_EQ(log[0].text, "M3030000FD");
    EXPECT_FALSE(log[0].valid);
}

TEST(SimRadio, ImageFileRoundTripCarriesTheCapacityCode)
{
    char path[] = "/tmp/vesk4-sim-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    CSimRadio radio;
    radio.SetChannels(120);
    const auto image = Pattern();
    radio.SetEeprom(image.data());
    ASSERT_TRUE(radio.SaveImage(path));
    std::FILE* file = std::fopen(path, "rb");
    ASSERT_NE(file, nullptr);
    std::vector<std::uint8_t> bytes(8300);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    ASSERT_EQ(bytes.size(), 8208u);
    EXPECT_EQ(bytes[8204], 1); // 120 channels
    CSimRadio other;
    ASSERT_TRUE(other.LoadImage(path));
    // Loading re-derives the injection flag (0x19 bit 4) from the IF word.
    auto loaded = other.Eeprom();
    auto expected = image;
    loaded[0x19] &= ~0x10;
    expected[0x19] &= ~0x10;
    EXPECT_EQ(loaded, expected);
    EXPECT_FALSE(other.LoadImage("/nonexistent/image.dmp"));
    ::unlink(path);
}
} // namespace
