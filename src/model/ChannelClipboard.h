// Channels on the clipboard: tab-separated rows under a header line, in the
// columns of the CSV channel plan, so that they paste into a spreadsheet and
// rows from a spreadsheet or from an exported plan paste back.
#pragma once

// model
#include "model/ChannelPlanCsv.h"
#include "model/RadioImage.h"

// std
#include <string>
#include <string_view>
#include <vector>

namespace ChannelClipboard
{
// The channels in use among first .. first+count-1. Empty when the image has
// no model chosen (its frequencies cannot be worked out).
std::string Copy(const CRadioImage& image, int capacity, int first, int count);

// What pasting rows at channel `at` would do: the k-th row becomes channel
// at+k, whatever channel it came from.
struct PasteCheck
{
    // Channels in use that rows would overwrite.
    std::vector<int> overwritten;
    // Rows the plan's checks refuse, with their line in the pasted text.
    std::vector<PlanProblem> refused;
    // The channels the accepted rows take.
    std::vector<int> pasted;
    // The image with every accepted row pasted.
    CRadioImage result;
};

// Checks every row of `text` first. Rows without a header line are read in
// the plan's own column order. False when nothing can be pasted (no rows,
// no model, a header the plan refuses); refused then holds why.
[[nodiscard]] bool Check(const CRadioImage& image, int capacity, int at, std::string_view text,
                         PasteCheck& checkOut);
} // namespace ChannelClipboard
