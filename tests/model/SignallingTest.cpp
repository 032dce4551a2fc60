// Tests of the signalling tables and the radio-wide 2-tone and ANI fields.
#include "TestSupport.h"

// model
#include "model/SignallingTables.h"

TEST(CtcssTable, IndexesFollowTheRadiosOrder)
{
    EXPECT_EQ(CtcssTone(0), 67.0);
    EXPECT_EQ(CtcssTone(38), 74.0);
    EXPECT_EQ(CtcssTone(39), 69.3);
    EXPECT_EQ(CtcssTone(44), 254.1);
    EXPECT_EQ(CtcssTone(45), 0.0);
    EXPECT_EQ(CtcssTone(-1), 0.0);
}

TEST(DcsTable, CodesAndTheirStoredValues)
{
    EXPECT_TRUE(IsDcsCode(23));
    EXPECT_FALSE(IsDcsCode(24));
    EXPECT_TRUE(IsDcsCode(754));
    EXPECT_FALSE(IsDcsCode(0)); // the "no code" position is not a code
    EXPECT_EQ(DcsValueOfDigits(23), 19);
    EXPECT_EQ(DcsValueOfDigits(754), 492);
    EXPECT_EQ(DcsValueOfDigits(28), -1); // 8 is not an octal digit
    EXPECT_EQ(DcsValueOfDigits(1000), -1);
    EXPECT_EQ(DcsDigitsOfValue(19), 23);
    EXPECT_EQ(DcsDigitsOfValue(511), 777);
    EXPECT_EQ(DcsDigitsOfValue(512), -1);
}

TEST(DcsTable, EveryCodeIsAscendingAndSurvivesItsStoredForm)
{
    EXPECT_EQ(kDcsCodes[0], 0);
    for (int i = 1; i <= kDcsCount; ++i)
    {
        EXPECT_LT(kDcsCodes[i - 1], kDcsCodes[i]) << i;
        const int value = DcsValueOfDigits(kDcsCodes[i]);
        ASSERT_GE(value, 0) << kDcsCodes[i];
        EXPECT_EQ(DcsDigitsOfValue(value), kDcsCodes[i]);
    }
}

TEST(GroupCodes, FoundFromTheStoredPair)
{
    EXPECT_EQ(FindGroupCode(kFormatMotorola11, 3, 3), 10); // shown as "A"
    EXPECT_EQ(FindGroupCode(kFormatMotorola11, 1, 3), -1);
    EXPECT_EQ(FindGroupCode(kFormatMotorola22, 1, 1), -1);
    EXPECT_EQ(FindGroupCode(kFormatPlectron, 0, 0), -1);
    int first = 0, second = 0;
    ASSERT_TRUE(GroupsOfCode(kFormatReach, 0, first, second));
    EXPECT_EQ(first, 14);
    EXPECT_EQ(second, 11);
    EXPECT_FALSE(GroupsOfCode(kFormatMotorola11, 11, first, second));
    EXPECT_FALSE(GroupsOfCode(kFormatReach, 10, first, second));
    EXPECT_FALSE(GroupsOfCode(kFormatPlectron, 0, first, second));
}

TEST(GroupCodes, EveryCodeIsFoundBackFromItsGroups)
{
    for (int format : {kFormatMotorola11, kFormatReach})
    {
        for (int code = 0; code < GroupCodeCount(format); ++code)
        {
            int first = 0, second = 0;
            ASSERT_TRUE(GroupsOfCode(format, code, first, second));
            EXPECT_EQ(FindGroupCode(format, first, second), code) << format;
        }
    }
    EXPECT_EQ(GroupCodeCount(kFormatMotorola11), 11);
    EXPECT_EQ(GroupCodeCount(kFormatReach), 10);
}

struct ToneCase
{
    int format, group, position;
    int index;
    double hz;
};

class ToneChoice : public ::testing::TestWithParam<ToneCase>
{
};

TEST_P(ToneChoice, MapsToTheStoredIndexAndBack)
{
    const ToneCase& c = GetParam();
    EXPECT_EQ(ToneIndexFromChoice(c.format, c.group, c.position), c.index);
    EXPECT_EQ(TwoToneFrequency(c.format, c.index), c.hz);
    EXPECT_EQ(TonePositionOfIndex(c.format, c.group, c.index), c.position);
}

INSTANTIATE_TEST_SUITE_P(Tables, ToneChoice,
                         ::testing::Values(ToneCase{kFormatReach, 14, 0, 40, 804.0},
                                           ToneCase{kFormatReach, 10, 9, 9, 1980.0},
                                           ToneCase{kFormatMotorola11, 2, 9, 19, 569.1},
                                           ToneCase{kFormatMotorola11, 6, 9, 59, 1122.5},
                                           ToneCase{kFormatMotorola22, 0, 35, 35, 1084.0},
                                           ToneCase{kFormatPlectron, 0, 58, 58, 3487.0}));

TEST(ToneChoice, ChoicesTheImageCannotHoldAreRefused)
{
    EXPECT_EQ(ToneIndexFromChoice(kFormatMotorola11, 7, 0), -1); // index 60
    EXPECT_EQ(ToneIndexFromChoice(kFormatMotorola11, 0, 0), -1);
    EXPECT_EQ(ToneIndexFromChoice(kFormatMotorola11, 1, 10), -1);
    EXPECT_EQ(ToneIndexFromChoice(kFormatReach, 9, 0), -1);
    EXPECT_EQ(ToneIndexFromChoice(kFormatReach, 15, 0), -1);
    EXPECT_EQ(ToneIndexFromChoice(kFormatPlectron, 0, 59), -1);
    EXPECT_EQ(ToneIndexFromChoice(kFormatMotorola22, 0, 36), -1);
    EXPECT_EQ(ToneIndexFromChoice(4, 0, 0), -1);
    EXPECT_EQ(TonePositionOfIndex(kFormatMotorola11, 1, 19), -1); // index 19 is group 2
    // The tables themselves reach further than the image: all 8 groups of 1+1.
    EXPECT_EQ(TwoToneFrequency(kFormatMotorola11, 79), 1930.2);
    EXPECT_EQ(TwoToneFrequency(kFormatMotorola11, 80), 0.0);
    EXPECT_EQ(TwoToneFrequency(kFormatReach, 50), 0.0);
}

TEST(TwoToneFields, FormatAndUnusedShareByte1A)
{
    CRadioImage image;
    PutByte(image, ImageMap::kTwoTone, 0x00);
    ASSERT_TRUE(image.SetTwoToneUnused(1));
    ASSERT_TRUE(image.SetTwoToneFormat(2));
    EXPECT_EQ(ByteAt(image, ImageMap::kTwoTone), 0x30);
    EXPECT_FALSE(image.SetTwoToneFormat(4));
    EXPECT_FALSE(image.SetTwoToneUnused(2));
    EXPECT_EQ(ByteAt(image, ImageMap::kTwoTone), 0x30);
    int value = -1;
    ASSERT_TRUE(image.GetTwoToneFormat(value));
    EXPECT_EQ(value, 2);
    ASSERT_TRUE(image.GetTwoToneUnused(value));
    EXPECT_EQ(value, 1);
}

TEST(TwoToneFields, GroupsAndToneIndexes)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetTwoToneGroups(14, 11));
    EXPECT_EQ(ByteAt(image, ImageMap::kToneGroups), 0xEB);
    EXPECT_FALSE(image.SetTwoToneGroups(16, 0));
    EXPECT_FALSE(image.SetTwoToneGroups(0, -1));
    int first = 0, second = 0;
    ASSERT_TRUE(image.GetTwoToneGroups(first, second));
    EXPECT_EQ(first, 14);
    EXPECT_EQ(second, 11);

    ASSERT_TRUE(image.SetFirstToneIndex(59));
    ASSERT_TRUE(image.SetSecondToneIndex(0));
    ASSERT_TRUE(image.SetThirdToneIndex(35));
    EXPECT_FALSE(image.SetFirstToneIndex(60));
    EXPECT_FALSE(image.SetThirdToneIndex(-1));
    EXPECT_EQ(Bytes(image, ImageMap::kFirstTone, 3), (std::vector<std::uint8_t>{59, 0, 35}));

    int index = 0;
    EXPECT_TRUE(image.GetFirstToneIndex(index));
    EXPECT_EQ(index, 59);
    PutByte(image, ImageMap::kSecondTone, 60);
    EXPECT_FALSE(image.GetSecondToneIndex(index));
    EXPECT_EQ(index, -1);
}

TEST(AniNumber, StoresDtmfNibblesAndRefusesUnreadableFields)
{
    CRadioImage image;
    ASSERT_TRUE(image.SetAniNumber("123"));
    EXPECT_EQ(Bytes(image, ImageMap::kAni, 5),
              (std::vector<std::uint8_t>{0x12, 0x3F, 0xFF, 0xFF, 0xFF}));
    std::string text;
    ASSERT_TRUE(image.GetAniNumber(text));
    EXPECT_EQ(text, "123       ");
    ASSERT_TRUE(image.SetAniNumber("*0#9876543"));
    ASSERT_TRUE(image.GetAniNumber(text));
    EXPECT_EQ(text, "*0#9876543");

    PutByte(image, ImageMap::kAni + 2, 0x1C);
    text = "kept";
    EXPECT_FALSE(image.GetAniNumber(text));
    EXPECT_EQ(text, "kept");
}
