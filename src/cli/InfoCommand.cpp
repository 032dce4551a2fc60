// info: what a dump file holds at a glance: model, serial number, customer,
// date, capacity and the number of channels in use.

// own
#include "cli/Commands.h"
#include "cli/ListingSupport.h"

// print
#include "print/ImageSummary.h"

int RunInfo(const CCliOptions& options)
{
    return PrintListing(options, &CImageSummary::BuildLines);
}
