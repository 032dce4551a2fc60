// Reading and writing comma-separated rows.
#include "model/CsvTable.h"

bool CCsvTable::Parse(std::string_view text, int& badLineOut)
{
    m_rows.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
    {
        text.remove_prefix(3);
    }
    int line = 1;
    std::size_t pos = 0;
    while (pos < text.size())
    {
        CsvRow row;
        row.line = line;
        std::string field;
        bool rowDone = false;
        while (!rowDone)
        {
            if (pos < text.size() && text[pos] == '"')
            {
                // A quoted field, up to the quote that is not doubled.
                const int start = line;
                ++pos;
                bool closed = false;
                while (pos < text.size())
                {
                    const char c = text[pos++];
                    if (c == '"')
                    {
                        if (pos < text.size() && text[pos] == '"')
                        {
                            field += '"';
                            ++pos;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    line += c == '\n' ? 1 : 0;
                    field += c;
                }
                if (!closed)
                {
                    badLineOut = start;
                    return false;
                }
            }
            // The rest of the field up to a comma or the end of the line; a
            // quote inside an unquoted field is an ordinary character.
            while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r')
            {
                field += text[pos++];
            }
            row.fields.push_back(std::move(field));
            field.clear();
            if (pos >= text.size())
            {
                rowDone = true;
            }
            else if (text[pos] == ',')
            {
                ++pos;
            }
            else
            {
                // CR LF, LF, or a CR alone as older spreadsheets end lines.
                const bool crLf =
                    text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
                pos += crLf ? 2 : 1;
                ++line;
                rowDone = true;
            }
        }
        m_rows.push_back(std::move(row));
    }
    return true;
}

std::string CCsvTable::Quote(std::string_view field)
{
    const bool plain = field.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (field.empty() || (field.front() != ' ' && field.back() != ' '));
    if (plain)
    {
        return std::string(field);
    }
    std::string out = "\"";
    for (const char c : field)
    {
        out += c;
        if (c == '"')
        {
            out += '"';
        }
    }
    return out + "\"";
}

std::string CCsvTable::Line(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t k = 0; k < fields.size(); ++k)
    {
        out += k == 0 ? "" : ",";
        out += Quote(fields[k]);
    }
    return out + "\r\n";
}
