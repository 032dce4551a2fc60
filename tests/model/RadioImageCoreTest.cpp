// Tests of the image core: block access, byte packing, nibble codecs and the
// identification fields.
#include "TestSupport.h"

// std
#include <algorithm>
#include <cstring>
#include <string>

using Bytes4 = std::vector<std::uint8_t>;

class RadioImageCore : public PinnedClockTest
{
};

TEST_F(RadioImageCore, NewImageReadsBlankIdentityAndToday)
{
    CRadioImage image;
    std::string text;
    ASSERT_TRUE(image.GetSerialNumber(text));
    EXPECT_EQ(text, "        ");
    ASSERT_TRUE(image.GetCustomer(text));
    EXPECT_EQ(text, "          ");
    ASSERT_TRUE(image.GetAniNumber(text));
    EXPECT_EQ(text, "          ");

    int year = 0, month = 0, day = 0;
    EXPECT_TRUE(image.GetDate(year, month, day));
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(day, 15);
    EXPECT_EQ(Bytes(image, ImageMap::kDate, 4), (Bytes4{0x20, 0x24, 0x03, 0x15}));

    int model = 0;
    EXPECT_FALSE(image.GetModel(model));
    EXPECT_EQ(model, -1);
    EXPECT_EQ(image.WorkBlock().size, kBlockSize);
}

struct HexFieldCase
{
    const char* text;
    Bytes4 stored;
    const char* readBack;
};

class SerialNumberCodec : public RadioImageCore, public ::testing::WithParamInterface<HexFieldCase>
{
};

TEST_P(SerialNumberCodec, StoresNibblesAndReadsBack)
{
    const HexFieldCase& c = GetParam();
    CRadioImage image;
    ASSERT_TRUE(image.SetSerialNumber(c.text));
    EXPECT_EQ(Bytes(image, ImageMap::kSerial, 4), c.stored);
    std::string text;
    ASSERT_TRUE(image.GetSerialNumber(text));
    EXPECT_EQ(text, c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SerialNumberCodec,
    ::testing::Values(HexFieldCase{"12AB", {0x12, 0xAB, 0xFF, 0xFF}, "12AB    "},
                      // F is the blank nibble, so it cannot be read back as F.
                      HexFieldCase{"F1", {0xF1, 0xFF, 0xFF, 0xFF}, " 1      "},
                      HexFieldCase{"abcdE019", {0xAB, 0xCD, 0xE0, 0x19}, "ABCDE019"},
                      // Characters outside the hex alphabet become blanks.
                      HexFieldCase{"1-Z", {0x1F, 0xFF, 0xFF, 0xFF}, "1       "},
                      HexFieldCase{"", {0xFF, 0xFF, 0xFF, 0xFF}, "        "}));

TEST_F(RadioImageCore, CustomerCodeUsesFiveBytes)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetCustomer("abc"));
    EXPECT_EQ(Bytes(image, ImageMap::kCustomer, 6),
              (Bytes4{0xAB, 0xCF, 0xFF, 0xFF, 0xFF, 0x20})); // 0x20: first date byte
    std::string text;
    ASSERT_TRUE(image.GetCustomer(text));
    EXPECT_EQ(text, "ABC       ");
}

TEST_F(RadioImageCore, OverlongIdentityTextsAreRefusedAndLeaveTheImageAlone)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetSerialNumber("12345678"));
    ASSERT_TRUE(image.SetCustomer("0123456789"));
    const auto before = WholeImage(image);
    EXPECT_FALSE(image.SetSerialNumber("123456789"));
    EXPECT_FALSE(image.SetCustomer("0123456789A"));
    EXPECT_FALSE(image.SetAniNumber("12345678901"));
    EXPECT_EQ(WholeImage(image), before);
}

TEST_F(RadioImageCore, DateIsStoredAsBcdDigits)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetDate(1998, 7, 4));
    EXPECT_EQ(Bytes(image, ImageMap::kDate, 4), (Bytes4{0x19, 0x98, 0x07, 0x04}));
    int year = 0, month = 0, day = 0;
    EXPECT_TRUE(image.GetDate(year, month, day));
    EXPECT_EQ(year, 1998);
    EXPECT_EQ(month, 7);
    EXPECT_EQ(day, 4);
}

struct BadDateCase
{
    int year, month, day;
    Bytes4 stored;
    int readYear, readMonth, readDay;
};

class DateOutOfRange : public RadioImageCore, public ::testing::WithParamInterface<BadDateCase>
{
};

// Whatever the arguments, only 0x0009-0x000C change, and the part that did not
// fit reads back as today's value with a false result.
TEST_P(DateOutOfRange, StaysInsideItsFieldAndReadsBackAsInvalid)
{
    const BadDateCase& c = GetParam();
    CRadioImage image;
    ASSERT_TRUE(image.SetModel(5));
    ASSERT_TRUE(image.SetCustomer("123456789A"));
    auto expected = WholeImage(image);
    std::copy(c.stored.begin(), c.stored.end(), expected.begin() + ImageMap::kDate);

    EXPECT_TRUE(image.SetDate(c.year, c.month, c.day));
    EXPECT_EQ(WholeImage(image), expected);

    int year = 0, month = 0, day = 0;
    EXPECT_FALSE(image.GetDate(year, month, day));
    EXPECT_EQ(year, c.readYear);
    EXPECT_EQ(month, c.readMonth);
    EXPECT_EQ(day, c.readDay);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, DateOutOfRange,
    ::testing::Values(BadDateCase{1998, 13, 4, {0x19, 0x98, 0xFF, 0x04}, 1998, 3, 4},
                      BadDateCase{1998, 0, 4, {0x19, 0x98, 0xFF, 0x04}, 1998, 3, 4},
                      BadDateCase{1998, 7, 32, {0x19, 0x98, 0x07, 0xFF}, 1998, 7, 15},
                      BadDateCase{1998, -1, -1, {0x19, 0x98, 0xFF, 0xFF}, 1998, 3, 15},
                      BadDateCase{12345, 7, 4, {0xFF, 0xFF, 0x07, 0x04}, 2024, 7, 4},
                      BadDateCase{-5, 7, 4, {0xFF, 0xFF, 0x07, 0x04}, 2024, 7, 4},
                      // Stored as written, but outside the years a radio can carry.
                      BadDateCase{1979, 7, 4, {0x19, 0x79, 0x07, 0x04}, 2024, 7, 4}));

TEST_F(RadioImageCore, BlankDateReadsAsTodayAndFalse)
{
    CRadioImage image;
    const std::uint8_t blank[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(image.WriteBlock(blank, ImageMap::kDate, 4));
    SetClockForTesting(LocalDate{2031, 12, 31});
    int year = 0, month = 0, day = 0;
    EXPECT_FALSE(image.GetDate(year, month, day));
    EXPECT_EQ(year, 2031);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(day, 31);
}

TEST_F(RadioImageCore, ModelByteAcceptsTheBandIndexesOnly)
{
    CRadioImage image;
    int model = 0;
    for (int index = 0; index <= 13; ++index)
    {
        ASSERT_TRUE(image.SetModel(index));
        EXPECT_TRUE(image.GetModel(model));
        EXPECT_EQ(model, index);
    }
    ASSERT_TRUE(image.SetModel(14));
    EXPECT_FALSE(image.GetModel(model));
    EXPECT_EQ(model, -1);
    ASSERT_TRUE(image.SetModel(-1));
    EXPECT_EQ(ByteAt(image, ImageMap::kModel), 0xFF);
    EXPECT_FALSE(image.GetModel(model));
}

TEST(NibbleCodecs, DtmfDecodingStopsAtAnInvalidNibble)
{
    const std::uint8_t source[3] = {0x1A, 0xBF, 0xC0};
    std::string text = "old";
    int count = 6;
    EXPECT_FALSE(CRadioImage::DecodeDtmfNibbles(text, source, count));
    EXPECT_EQ(text, "1#* ");
    EXPECT_EQ(count, 4);
}

TEST(NibbleCodecs, DtmfEncodingMapsDigitsHashStarAndBlank)
{
    std::uint8_t dest[3] = {0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(CRadioImage::EncodeDtmfNibbles("9#*x1", dest, 5));
    EXPECT_EQ(dest[0], 0x9A);
    EXPECT_EQ(dest[1], 0xBF);
    EXPECT_EQ(dest[2], 0x1F);
    std::string text;
    int count = 6;
    EXPECT_TRUE(CRadioImage::DecodeDtmfNibbles(text, dest, count));
    EXPECT_EQ(text, "9#* 1 ");
}

TEST(NibbleCodecs, HexDecodingOfNothingGivesAnEmptyText)
{
    const std::uint8_t source[1] = {0x12};
    std::string text = "old";
    int count = -3;
    EXPECT_TRUE(CRadioImage::DecodeHexNibbles(text, source, count));
    EXPECT_EQ(text, "");
    EXPECT_EQ(count, 0);
}

TEST(NibbleCodecs, EncodingKeepsTheHighNibbleOfAnOddCharacter)
{
    std::uint8_t dest[1] = {0x00};
    EXPECT_TRUE(CRadioImage::EncodeHexNibbles("7", dest, 1));
    EXPECT_EQ(dest[0], 0x7F); // an even position presets its low nibble to blank
}

TEST(PackBigEndian, WritesTheLowBytesHighFirst)
{
    std::uint8_t dest[4] = {};
    EXPECT_EQ(CRadioImage::PackBigEndian(0x12345678, dest, 2), 2);
    EXPECT_EQ(dest[0], 0x56);
    EXPECT_EQ(dest[1], 0x78);
    EXPECT_EQ(CRadioImage::PackBigEndian(0x12345678, dest, 4), 4);
    EXPECT_EQ((Bytes4{dest[0], dest[1], dest[2], dest[3]}), (Bytes4{0x12, 0x34, 0x56, 0x78}));
}

struct BlockCase
{
    std::uint32_t offset;
    std::uint32_t length;
    bool ok;
};

class BlockAccess : public RadioImageCore, public ::testing::WithParamInterface<BlockCase>
{
};

TEST_P(BlockAccess, ChecksTheRangeWithoutWrapping)
{
    const BlockCase& c = GetParam();
    CRadioImage image;
    const auto before = WholeImage(image);
    std::vector<std::uint8_t> buffer(kImageSize, 0xA5);

    // A refused read copies nothing, so the buffer's size only matters when it succeeds.
    EXPECT_EQ(image.ReadBlock(buffer.data(), c.offset, c.length), c.ok);
    EXPECT_EQ(image.WriteBlock(buffer.data(), c.offset, c.length), c.ok);
    if (!c.ok)
    {
        EXPECT_EQ(WholeImage(image), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BlockAccess,
    ::testing::Values(BlockCase{8000, 192, true}, BlockCase{8000, 193, false},
                      BlockCase{0, kImageSize, true}, BlockCase{0, kImageSize + 1, false},
                      BlockCase{kImageSize, 0, true}, BlockCase{kImageSize + 1, 0, false},
                      BlockCase{0xFFFFFFFFU, 2, false}, BlockCase{2, 0xFFFFFFFFU, false},
                      BlockCase{0x80000000U, 0x80000000U, false}));

TEST_F(RadioImageCore, FailedReadCopiesNothing)
{
    CRadioImage image;
    std::vector<std::uint8_t> dest(193, 0xA5);
    EXPECT_FALSE(image.ReadBlock(dest.data(), 8000, 193));
    EXPECT_EQ(dest, std::vector<std::uint8_t>(193, 0xA5));
}

TEST_F(RadioImageCore, WrittenBytesReadBack)
{
    CRadioImage image;
    const std::uint8_t data[3] = {1, 2, 3};
    ASSERT_TRUE(image.WriteBlock(data, kImageSize - 3, 3));
    EXPECT_EQ(Bytes(image, kImageSize - 3, 3), (Bytes4{1, 2, 3}));
}

TEST_F(RadioImageCore, CopyCarriesEveryMember)
{
    CRadioImage source;
    source.m_strExtra1 = "one";
    source.m_strExtra2 = "two";
    source.m_strExtra3 = "three";
    source.m_nExtra = 42;
    ASSERT_TRUE(source.SetSerialNumber("1234"));
    ASSERT_TRUE(source.Reset()); // the backup is taken by Reset
    ASSERT_TRUE(source.SetCustomer("99"));

    CRadioImage target;
    target = source;
    EXPECT_EQ(target.m_strExtra1, "one");
    EXPECT_EQ(target.m_strExtra2, "two");
    EXPECT_EQ(target.m_strExtra3, "three");
    EXPECT_EQ(target.m_nExtra, 42);
    EXPECT_EQ(std::memcmp(&target.WorkBlock(), &source.WorkBlock(), kBlockSize), 0);
    EXPECT_EQ(std::memcmp(&target.BackupBlock(), &source.BackupBlock(), kBlockSize), 0);
}
