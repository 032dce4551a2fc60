// Status lines of a fleet run.

// own
#include "model/FleetStatusLine.h"

// std
#include <vector>

namespace
{
constexpr std::size_t kFields = 6;
constexpr int kMaxPercent = 100;

std::string Field(const std::string& text)
{
    std::string field = text;
    for (char& c : field)
    {
        if (c == '\t' || c == '\n' || c == '\r')
        {
            c = ' ';
        }
    }
    return field;
}

bool ParsePercent(const std::string& text, int& percent)
{
    if (text.empty() || text.size() > 3)
    {
        return false;
    }
    int value = 0;
    for (const char c : text)
    {
        if (c < '0' || c > '9')
        {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value > kMaxPercent)
    {
        return false;
    }
    percent = value;
    return true;
}
} // namespace

std::string CFleetStatusLine::Format(const FleetStatus& status)
{
    const int percent =
        status.nPercent < 0 ? 0 : (status.nPercent > kMaxPercent ? kMaxPercent : status.nPercent);
    return std::string(kTag) + '\t' + Field(status.strPort) + '\t' + Field(status.strPhase) + '\t' +
           std::to_string(percent) + '\t' + Field(status.strSerial) + '\t' +
           Field(status.strResult);
}

bool CFleetStatusLine::Parse(const std::string& line, FleetStatus& status)
{
    std::string text = line;
    if (!text.empty() && text.back() == '\r')
    {
        text.pop_back();
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;)
    {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(
            text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
        {
            break;
        }
        start = tab + 1;
    }
    FleetStatus parsed;
    if (fields.size() != kFields || fields[0] != kTag || fields[1].empty() ||
        !ParsePercent(fields[3], parsed.nPercent))
    {
        return false;
    }
    parsed.strPort = fields[1];
    parsed.strPhase = fields[2];
    parsed.strSerial = fields[4];
    parsed.strResult = fields[5];
    status = parsed;
    return true;
}
