// Cloning a channel plan onto a radio: which bytes of the written image come
// from the plan and which stay the radio's own, and when a plan does not fit
// the radio at all.
#pragma once

// std
#include <cstddef>
#include <cstdint>

class CRadioImage;

// One stretch of the image taken from the plan. Within it only the bits of
// planMask come from the plan; the others stay the radio's.
struct CloneRange
{
    std::uint32_t offset;
    std::uint32_t length;
    std::uint8_t planMask;
};

// Why a plan cannot be cloned onto a radio; nothing is written then.
enum class CloneRefusal
{
    None,
    RadioModelUnset, // the radio itself has no model
    PlanModelUnset,  // the plan has no model, so its channels cannot be checked
    OtherModel,      // the plan is for another band
    OtherCapacity,   // 120 against 320 channels
    // The channels store synthesizer words, not frequencies: the same word
    // tunes another frequency under another reference step or injection side.
    OtherReference,
    OtherInjection,
};

class CImageClone
{
public:
    // The stretches taken from the plan: the option bits, 2-tone, group
    // count, ANI, the 40 group names and every channel record. Everything
    // else (identification, model, reference and IF words, injection flag,
    // fixed and uninterpreted bits, alignment levels, bytes no field names)
    // stays the radio's.
    static const CloneRange* PlanRanges(std::size_t& countOut);

    // radioChannels and planChannels are the capacities, 120 or 320.
    static CloneRefusal Check(const CRadioImage& radio, int radioChannels,
                              const CRadioImage& plan, int planChannels);

    // result becomes radio with the plan's ranges laid over it. The check
    // is the caller's; Merge itself never refuses.
    static void Merge(const CRadioImage& radio, const CRadioImage& plan, CRadioImage& result);
};
