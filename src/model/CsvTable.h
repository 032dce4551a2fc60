// Comma-separated text as spreadsheets and other radio tools write it: fields
// in double quotes may hold commas, quotes (doubled) and line breaks; lines end
// in CR LF, LF or a lone CR; a byte-order mark at the start is skipped.
#pragma once

// std
#include <string>
#include <string_view>
#include <vector>

struct CsvRow
{
    int line = 0; // where the row starts, from 1
    std::vector<std::string> fields;
};

class CCsvTable
{
public:
    // Splits text into rows. False when a quoted field runs to the end of the
    // text; badLineOut is then the line where that field starts, and the rows
    // read so far are kept.
    [[nodiscard]] bool Parse(std::string_view text, int& badLineOut);

    const std::vector<CsvRow>& GetRows() const { return m_rows; }

    // A field as it is written: in quotes (inner quotes doubled) when it holds a
    // comma, a quote, a line break or blanks at either end, else as it is.
    static std::string Quote(std::string_view field);
    // Fields joined by commas and ended by CR LF, the line end the other tools
    // write.
    static std::string Line(const std::vector<std::string>& fields);

private:
    std::vector<CsvRow> m_rows;
};
