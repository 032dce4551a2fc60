// check: what a dump file would give the radio that it cannot use, and what
// a technician should hear of before programming it.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/ListingSupport.h"

// model
#include "model/ImageCheck.h"

// std
#include <algorithm>
#include <cstdio>

int RunCheck(const CCliOptions& options)
{
    CRadioImage image;
    CPlainAppState app;
    if (const int status = LoadDumpArgument(options, image, app); status != kExitOk)
    {
        return status;
    }
    CImageCheck check;
    check.Check(image, ImageChannels(app.m_nChannelCode));
    if (const int status = PrintLines(check.Lines()); status != kExitOk)
    {
        return status;
    }
    const auto& findings = check.GetFindings();
    const auto errors = static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(),
        [](const Finding& finding) { return finding.severity == FindingSeverity::Error; }));
    std::fprintf(stderr, kCheckSummary, options.m_args[0].c_str(), errors,
                 findings.size() - errors);
    return check.HasErrors() ? kExitBadPlan : check.HasWarnings() ? kExitDifferent : kExitOk;
}
