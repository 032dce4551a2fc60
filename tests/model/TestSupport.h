// Helpers shared by the model tests: a pinned clock and raw image access.
#pragma once

// model
#include "model/Clock.h"
#include "model/RadioImage.h"

// std
#include <gtest/gtest.h>
#include <array>
#include <cstdint>
#include <vector>

constexpr LocalDate kPinnedToday{2024, 3, 15};

// Pins the clock for every test that derives from it, so defaults are predictable.
class PinnedClockTest : public ::testing::Test
{
protected:
    void SetUp() override { SetClockForTesting(kPinnedToday); }
    void TearDown() override { SetClockForTesting(std::nullopt); }
};

inline std::vector<std::uint8_t> Bytes(const CRadioImage& image, std::uint32_t offset,
                                       std::uint32_t length)
{
    std::vector<std::uint8_t> out(length);
    EXPECT_TRUE(image.ReadBlock(out.data(), offset, length));
    return out;
}

inline std::uint8_t ByteAt(const CRadioImage& image, std::uint32_t offset)
{
    return Bytes(image, offset, 1)[0];
}

inline void PutByte(CRadioImage& image, std::uint32_t offset, std::uint8_t value)
{
    ASSERT_TRUE(image.WriteBlock(&value, offset, 1));
}

inline std::vector<std::uint8_t> WholeImage(const CRadioImage& image)
{
    return Bytes(image, 0, kImageSize);
}
