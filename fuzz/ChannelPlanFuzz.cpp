// Any bytes as a CSV channel plan read into an image. A refused plan leaves the
// image as it was and says why; an accepted one leaves every channel within the
// Channel form's rules, touches nothing but the channels of the capacity, and
// exports to a plan that reads back to the same image.

// own
#include "FuzzInput.h"

// model
#include "model/ChannelNames.h"
#include "model/ChannelPlanCsv.h"
#include "model/ChannelRules.h"
#include "model/RadioImage.h"
#include "model/SignallingTables.h"
#include "model/Synthesizer.h"

// std
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
[[noreturn]] void Fail(const char* what, int n = 0)
{
    std::fprintf(stderr, "channel plan: %s (channel %d)\n", what, n);
    std::abort();
}

struct Band
{
    int model;
    double wideHz;
    double narrowHz;
    bool highInjection;
};

constexpr Band kBands[] = {
    {0, 2500.0, 5000.0, false},   {5, 5000.0, 6250.0, true}, {9, 6250.0, 5000.0, true},
    {13, 12500.0, 6250.0, false}, {7, 2500.0, 6250.0, true}, {12, 5000.0, 6250.0, false},
};

std::vector<std::uint8_t> Bytes(const CRadioImage& image)
{
    std::vector<std::uint8_t> bytes(kImageSize);
    if (!image.ReadBlock(bytes.data(), 0, kImageSize))
    {
        Fail("the image cannot be read");
    }
    return bytes;
}

void CheckSide(const CRadioImage& image, const CChannelRules& rules, int n, bool transmit,
               bool narrow)
{
    const int i = n - 1;
    int unused = 1;
    std::uint32_t word = 0;
    (void)(transmit ? image.GetTxUnused(i, unused) : image.GetRxUnused(i, unused));
    (void)(transmit ? image.GetTxWord(i, word) : image.GetRxWord(i, word));
    int none = 1;
    (void)(transmit ? image.GetTxSignallingNone(i, none) : image.GetRxSignallingNone(i, none));
    if (unused == 1)
    {
        if (word != kUnusedWord || none != 1)
        {
            Fail("an unused side holds a word or signalling", n);
        }
        return;
    }
    double mhz = 0.0;
    std::uint32_t again = 0;
    if (!rules.WordToFrequency(word, transmit, narrow, mhz) ||
        !rules.FrequencyToWord(mhz, transmit, narrow, again) || again != word || mhz == 0.0)
    {
        Fail("a side's frequency is off the band or the grid", n);
    }
    if (none == 1)
    {
        return;
    }
    int type = 0;
    (void)(transmit ? image.GetTxSignallingType(i, type) : image.GetRxSignallingType(i, type));
    if (type == 1)
    {
        int inverted = 0;
        int code = 0;
        (void)(transmit ? image.GetTxDcs(i, inverted, code) : image.GetRxDcs(i, inverted, code));
        if (!IsDcsCode(DcsDigitsOfValue(code)))
        {
            Fail("a DCS code outside the table", n);
        }
    }
    else
    {
        int index = 0;
        if (!(transmit ? image.GetTxCtcss(i, index) : image.GetRxCtcss(i, index)))
        {
            Fail("a CTCSS index outside the table", n);
        }
    }
}

void CheckChannel(const CRadioImage& image, const CChannelRules& rules, int n)
{
    const int i = n - 1;
    int rxUnused = 1;
    (void)image.GetRxUnused(i, rxUnused);
    if (rxUnused == 1)
    {
        return;
    }
    int wide = 1;
    (void)image.GetWide(i, wide);
    CheckSide(image, rules, n, false, wide == 0);
    CheckSide(image, rules, n, true, wide == 0);
    std::string name;
    std::string normal;
    (void)image.GetChannelName(i, name);
    if (name != std::string(kNameLength, ' ') && (!NormaliseName(name, normal) || normal != name))
    {
        Fail("a name the form would not keep", n);
    }
    CRadioImage checked = image;
    int stored = 0;
    int computed = 0;
    (void)checked.UpdateCheck(i);
    (void)image.GetCheck(i, stored);
    (void)checked.GetCheck(i, computed);
    if (stored != computed)
    {
        Fail("a stale check value", n);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput input(data, size);
    const Band& band = kBands[input.TakeByte() % (sizeof kBands / sizeof kBands[0])];
    const std::uint8_t flags = input.TakeByte();
    const bool merge = (flags & 1) != 0;
    const int capacity = (flags & 2) != 0 ? 320 : 120;
    const std::vector<std::uint8_t> rest = input.TakeRest();
    const std::string text(rest.begin(), rest.end());

    CRadioImage image;
    if (!image.SetModel(band.model) || !image.SetWideReference(band.wideHz) ||
        !image.SetNarrowReference(band.narrowHz) ||
        !image.SetWideIfOffset(ComputeIfOffset(band.model, !band.highInjection, band.wideHz)))
    {
        Fail("the band cannot be set");
    }
    image.DeriveInjection();
    CChannelRules rules;
    if (!rules.LoadFromImage(image))
    {
        Fail("the band has no rules");
    }
    const std::vector<std::uint8_t> before = Bytes(image);

    std::vector<PlanProblem> problems;
    if (!CChannelPlanCsv::Import(text, capacity, merge, image, problems))
    {
        if (problems.empty())
        {
            Fail("a plan was refused without a reason");
        }
        if (Bytes(image) != before)
        {
            Fail("a refused plan changed the image");
        }
        return 0;
    }
    const std::vector<std::uint8_t> after = Bytes(image);
    const std::size_t end =
        ImageMap::kChannels + static_cast<std::size_t>(capacity) * kChannelRecordSize;
    for (std::size_t k = 0; k < kImageSize; ++k)
    {
        if ((k < ImageMap::kChannels || k >= end) && after[k] != before[k])
        {
            Fail("a plan changed a byte outside its channels");
        }
    }
    for (int n = 1; n <= capacity; ++n)
    {
        CheckChannel(image, rules, n);
    }

    std::string plan;
    std::vector<std::string> notes;
    if (!CChannelPlanCsv::Export(image, capacity, plan, notes))
    {
        Fail("an image with a model did not export");
    }
    if (!notes.empty())
    {
        Fail("an imported channel does not export as it is");
    }
    CRadioImage again = image;
    if (!CChannelPlanCsv::Import(plan, capacity, false, again, problems) || Bytes(again) != after)
    {
        Fail("an exported plan does not read back to the same image");
    }
    return 0;
}
