// Channels on the clipboard.

// own
#include "model/ChannelClipboard.h"

// model
#include "model/ChannelEdits.h"
#include "model/CsvTable.h"
#include "model/TextReaders.h"

// std
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace
{
constexpr char kLocation[] = "Location";

// Tab-separated lines as spreadsheets put them on the clipboard: a field in
// double quotes may hold tabs, line breaks and doubled quotes.
std::vector<std::vector<std::string>> SplitTabbed(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (quoted)
        {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            {
                field += '"';
                ++i;
            }
            else if (c == '"')
            {
                quoted = false;
            }
            else
            {
                field += c;
            }
            continue;
        }
        if (c == '"' && field.empty())
        {
            quoted = true;
            any = true;
        }
        else if (c == '\t')
        {
            row.push_back(field);
            field.clear();
            any = true;
        }
        else if (c == '\n' || c == '\r')
        {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            {
                ++i;
            }
            row.push_back(field);
            rows.push_back(row);
            row.clear();
            field.clear();
            any = false;
        }
        else
        {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty())
    {
        row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

bool IsHeader(const std::vector<std::string>& fields)
{
    const std::vector<std::string>& columns = CChannelPlanCsv::Columns();
    return std::any_of(fields.begin(), fields.end(),
                       [&columns](const std::string& field)
                       {
                           return std::any_of(columns.begin(), columns.end(),
                                              [&field](const std::string& column)
                                              { return SameWordIgnoringCase(field, column); });
                       });
}
} // namespace

namespace ChannelClipboard
{
std::string Copy(const CRadioImage& image, int capacity, int first, int count)
{
    CRadioImage chosen = image;
    const int last = first + count - 1;
    if ((first > 1 && !ChannelEdits::Clear(chosen, capacity, 1, first - 1)) ||
        (last < capacity && !ChannelEdits::Clear(chosen, capacity, last + 1, capacity - last)))
    {
        return {};
    }
    std::string csv;
    std::vector<std::string> notes;
    CCsvTable table;
    int badLine = 0;
    if (!CChannelPlanCsv::Export(chosen, capacity, csv, notes) || !table.Parse(csv, badLine))
    {
        return {};
    }
    std::string text;
    for (const CsvRow& row : table.GetRows())
    {
        for (std::size_t k = 0; k < row.fields.size(); ++k)
        {
            text += (k > 0 ? "\t" : "") + row.fields[k];
        }
        text += '\n';
    }
    return text;
}

bool Check(const CRadioImage& image, int capacity, int at, std::string_view text,
           PasteCheck& checkOut)
{
    PasteCheck check;
    check.result = image;
    std::vector<std::vector<std::string>> rows = SplitTabbed(text);
    // Lines of the pasted text, for the refusals; the header, when there is
    // one, is line 1.
    std::vector<int> lineOfRow;
    std::vector<std::string> header;
    int line = 1;
    if (!rows.empty() && IsHeader(rows.front()))
    {
        header = rows.front();
        rows.erase(rows.begin());
        ++line;
    }
    else
    {
        header = CChannelPlanCsv::Columns();
    }
    auto location = std::find_if(header.begin(), header.end(),
                                 [](const std::string& field)
                                 { return SameWordIgnoringCase(field, kLocation); });
    std::size_t locationColumn = static_cast<std::size_t>(location - header.begin());
    if (location == header.end())
    {
        header.insert(header.begin(), kLocation);
        locationColumn = 0;
        for (std::vector<std::string>& row : rows)
        {
            row.insert(row.begin(), std::string());
        }
    }
    std::string plan = CCsvTable::Line(header);
    std::vector<int> channels;
    int channel = at;
    for (std::vector<std::string>& row : rows)
    {
        const bool blank = std::all_of(row.begin(), row.end(),
                                       [](const std::string& field) {
                                           return field.find_first_not_of(" ") == std::string::npos;
                                       });
        if (blank)
        {
            ++line;
            continue;
        }
        row.resize(std::max(row.size(), locationColumn + 1));
        row[locationColumn] = std::to_string(channel);
        plan += CCsvTable::Line(row);
        lineOfRow.push_back(line++);
        channels.push_back(channel++);
    }
    if (channels.empty())
    {
        checkOut = check;
        return false;
    }

    // The plan is checked as a whole; the refused rows are then left out and
    // the rest taken.
    std::vector<PlanProblem> problems;
    CRadioImage trial = image;
    if (!CChannelPlanCsv::Import(plan, capacity, true, trial, problems))
    {
        CCsvTable table;
        int badLine = 0;
        (void)table.Parse(plan, badLine);
        std::map<int, std::size_t> rowOfPlanLine;
        for (std::size_t k = 0; k + 1 < table.GetRows().size(); ++k)
        {
            rowOfPlanLine[table.GetRows()[k + 1].line] = k;
        }
        std::set<std::size_t> refusedRows;
        for (PlanProblem problem : problems)
        {
            const auto found = rowOfPlanLine.find(problem.line);
            // The header or the plan as a whole: nothing can be pasted.
            if (found == rowOfPlanLine.end() || found->second >= lineOfRow.size())
            {
                check.refused.push_back(problem);
                checkOut = check;
                return false;
            }
            refusedRows.insert(found->second);
            problem.line = lineOfRow[found->second];
            check.refused.push_back(problem);
        }
        std::string rest = CCsvTable::Line(header);
        int kept = 0;
        for (std::size_t k = 0; k + 1 < table.GetRows().size(); ++k)
        {
            if (refusedRows.count(k) == 0)
            {
                rest += CCsvTable::Line(table.GetRows()[k + 1].fields);
                ++kept;
            }
        }
        std::vector<PlanProblem> again;
        trial = image;
        if (kept > 0 && !CChannelPlanCsv::Import(rest, capacity, true, trial, again))
        {
            check.refused.insert(check.refused.end(), again.begin(), again.end());
            checkOut = check;
            return false;
        }
        std::vector<int> accepted;
        for (std::size_t k = 0; k < channels.size(); ++k)
        {
            if (refusedRows.count(k) == 0)
            {
                accepted.push_back(channels[k]);
            }
        }
        channels = accepted;
    }
    for (const int n : channels)
    {
        if (ChannelEdits::InUse(image, n))
        {
            check.overwritten.push_back(n);
        }
    }
    check.pasted = channels;
    check.result = trial;
    checkOut = check;
    return !channels.empty();
}
} // namespace ChannelClipboard
