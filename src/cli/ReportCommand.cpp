// report: the printed text report of a dump file, one report line per line,
// for as many channels as the file's capacity code says, as loading does.

// own
#include "cli/Commands.h"
#include "cli/ListingSupport.h"

// print
#include "print/TextReport.h"

int RunReport(const CCliOptions& options)
{
    return PrintListing(options,
                        [](const CRadioImage& image, const CPlainAppState& app)
                        {
                            CTextReport report;
                            report.Build(image, app.GetChannelMode());
                            return report.GetLines();
                        });
}
