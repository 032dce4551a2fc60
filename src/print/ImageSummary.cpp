// The command line's summary of a radio image.
#include "print/ImageSummary.h"

// own
#include "print/PrintTexts.h"
#include "print/TextReport.h"

// model
#include "model/BandTable.h"

// std
#include <cstdio>

namespace
{

// The fixed-width text fields pad with blanks; a summary shows only the text.
std::string TrimTrailingBlanks(std::string text)
{
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

} // namespace

std::vector<std::string> CImageSummary::BuildLines(const CRadioImage& image, const IAppState& app)
{
    using namespace PrintTexts;
    std::vector<std::string> lines;
    char buffer[128];

    int model = -1;
    const bool hasModel = image.GetModel(model);
    const BandInfo* band = FindBand(model);
    lines.push_back(std::string(kSummaryModel) +
                    (hasModel && band != nullptr ? band->name : kSummaryNoModel));

    std::string text;
    (void)image.GetSerialNumber(text);
    lines.push_back(std::string(kSummarySerial) + TrimTrailingBlanks(text));
    text.clear();
    (void)image.GetCustomer(text);
    lines.push_back(std::string(kSummaryCustomer) + TrimTrailingBlanks(text));

    // GetDate stands in today's date for a field that holds none; the summary
    // says so instead of showing a date the file does not contain.
    int year = 0;
    int month = 0;
    int day = 0;
    if (image.GetDate(year, month, day))
    {
        std::snprintf(buffer, sizeof buffer, kSummaryDateFormat, year, month, day);
        lines.push_back(std::string(kSummaryDate) + buffer);
    }
    else
    {
        lines.push_back(std::string(kSummaryDate) + kSummaryNoDate);
    }

    const std::int32_t code = app.GetChannelCode();
    const int channels = CTextReport::ChannelCount(app.GetChannelMode());
    std::snprintf(buffer, sizeof buffer, kSummaryChannelsFormat, channels);
    std::string capacity = std::string(kSummaryCapacity) + buffer;
    // The loader sets mode 0 for a file without a code; a file that holds the
    // bytes of -1 as its code loads as mode -2 and is an odd code like any other.
    if (code == -1 && app.GetChannelMode() == 0)
    {
        capacity += kSummaryNoCode;
    }
    else if (code != 1 && code != 2)
    {
        std::snprintf(buffer, sizeof buffer, kSummaryOddCodeFormat, static_cast<int>(code));
        capacity += buffer;
    }
    lines.push_back(capacity);

    int inUse = 0;
    for (int n = 0; n < channels; ++n)
    {
        inUse += CTextReport::IsChannelInUse(image, n) ? 1 : 0;
    }
    lines.push_back(std::string(kSummaryInUse) + std::to_string(inUse));
    return lines;
}
