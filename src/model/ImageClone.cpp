// Cloning a channel plan onto a radio.

// own
#include "model/ImageClone.h"
#include "model/RadioImage.h"

namespace
{
// The option bits each byte of the option block hands over (see the option
// table in RadioImage.h); fixed, kept and injection bits are left out.
constexpr std::uint8_t kScanHoldBits = 0xF0;  // 0x17: hold on receive, hold after transmit
constexpr std::uint8_t kScanBits = 0xFF;      // 0x18: every scan option
constexpr std::uint8_t kBeepBits = 0x0F;      // 0x19: beeps A..D, not the injection flag
constexpr std::uint8_t kTwoToneBits = 0xFF;   // 0x1A: priority time, 2-tone, DTMF timing
constexpr std::uint8_t kLockoutBits = 0xFC;   // 0x1B: lock-out, time-out, scan stop
constexpr std::uint8_t kPriority2Bits = 0x80; // 0x1E: defeat priority 2 channel
constexpr std::uint8_t kWholeByte = 0xFF;

constexpr std::uint32_t kAniLength = 5;
constexpr std::uint32_t kToneBytes = ImageMap::kGroupCount - ImageMap::kToneGroups;

constexpr CloneRange kPlanRanges[] = {
    {ImageMap::kScanHold, 1, kScanHoldBits},
    {ImageMap::kScan, 1, kScanBits},
    {ImageMap::kInjBeep, 1, kBeepBits},
    {ImageMap::kTwoTone, 1, kTwoToneBits},
    {ImageMap::kLockout, 1, kLockoutBits},
    {ImageMap::kPriority2, 1, kPriority2Bits},
    {ImageMap::kToneGroups, kToneBytes, kWholeByte},
    {ImageMap::kGroupCount, 1, kWholeByte},
    {ImageMap::kAni, kAniLength, kWholeByte},
    {ImageMap::kGroupNames, kGroupNameCount * kNameLength, kWholeByte},
    {ImageMap::kChannels, kChannelCount * kChannelRecordSize, kWholeByte},
};

// The group names must not reach into the slot past the 40th, nor the
// 2-tone bytes into the group count.
static_assert(ImageMap::kToneGroups + kToneBytes == ImageMap::kGroupCount);
static_assert(ImageMap::kGroupCount + 1 == ImageMap::kAlignment,
              "the alignment levels follow the group count and stay the radio's");
static_assert(ImageMap::kAni + kAniLength <= ImageMap::kGroupNames);

constexpr std::uint8_t kReferenceHighBits = 0x3F; // the divider is 14 bits
constexpr std::uint8_t kSignBit = 0x80;

bool SameReference(const std::uint8_t* a, const std::uint8_t* b, std::uint32_t offset)
{
    return (a[offset] & kReferenceHighBits) == (b[offset] & kReferenceHighBits) &&
           a[offset + 1] == b[offset + 1];
}
} // namespace

const CloneRange* CImageClone::PlanRanges(std::size_t& countOut)
{
    countOut = sizeof kPlanRanges / sizeof kPlanRanges[0];
    return kPlanRanges;
}

CloneRefusal CImageClone::Check(const CRadioImage& radio, int radioChannels,
                                const CRadioImage& plan, int planChannels)
{
    int radioModel = -1;
    int planModel = -1;
    if (!radio.GetModel(radioModel))
    {
        return CloneRefusal::RadioModelUnset;
    }
    if (!plan.GetModel(planModel))
    {
        return CloneRefusal::PlanModelUnset;
    }
    if (radioModel != planModel)
    {
        return CloneRefusal::OtherModel;
    }
    if (radioChannels != planChannels)
    {
        return CloneRefusal::OtherCapacity;
    }
    const std::uint8_t* r = radio.WorkBlock().image;
    const std::uint8_t* p = plan.WorkBlock().image;
    if (!SameReference(r, p, ImageMap::kWideRef) || !SameReference(r, p, ImageMap::kNarrowRef))
    {
        return CloneRefusal::OtherReference;
    }
    // The channel words follow the side the wide IF offset's sign gives.
    if ((r[ImageMap::kWideIf] & kSignBit) != (p[ImageMap::kWideIf] & kSignBit))
    {
        return CloneRefusal::OtherInjection;
    }
    return CloneRefusal::None;
}

void CImageClone::Merge(const CRadioImage& radio, const CRadioImage& plan, CRadioImage& result)
{
    result = radio;
    std::uint8_t bytes[kImageSize];
    std::uint8_t planBytes[kImageSize];
    (void)radio.ReadBlock(bytes, 0, kImageSize); // whole images always fit
    (void)plan.ReadBlock(planBytes, 0, kImageSize);
    for (const CloneRange& range : kPlanRanges)
    {
        for (std::uint32_t a = range.offset; a < range.offset + range.length; ++a)
        {
            bytes[a] = static_cast<std::uint8_t>((bytes[a] & ~range.planMask) |
                                                 (planBytes[a] & range.planMask));
        }
    }
    (void)result.WriteBlock(bytes, 0, kImageSize);
}
