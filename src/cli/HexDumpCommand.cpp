// hexdump: the printed hex dump of a dump file's image, the column header and
// then all 512 rows of 16 bytes.

// own
#include "cli/Commands.h"
#include "cli/ListingSupport.h"

// print
#include "print/HexDump.h"

int RunHexDump(const CCliOptions& options)
{
    return PrintListing(options,
                        [](const CRadioImage& image, const CPlainAppState& /*app*/)
                        {
                            CHexDump dump;
                            (void)dump.TakeSnapshot(image); // the whole image always fits
                            std::vector<std::string> lines;
                            lines.reserve(CHexDump::kRowCount + 1);
                            lines.push_back(CHexDump::HeaderLine());
                            for (int row = 0; row < CHexDump::kRowCount; ++row)
                            {
                                lines.push_back(dump.RowText(row));
                            }
                            return lines;
                        });
}
