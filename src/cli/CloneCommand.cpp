// clone: one channel plan onto a radio. The radio is read first and keeps its
// own identity, model, reference and IF settings and alignment; the plan's
// channels, group names, options, 2-tone and ANI are written over the rest
// and read back (see CloneRun).

// own
#include "cli/CliTexts.h"
#include "cli/CloneRun.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/RadioSession.h"

// std
#include <cstdio>

int RunClone(const CCliOptions& options)
{
    return RunWithDumpOnRadio(
        options,
        [&options](CRadioSession& session, const DumpForRadio& file) -> int
        {
            // The merge keeps the plan's channels and settings, and a radio
            // whose model, steps or injection differ is refused; so the plan's
            // check is the check of what is written, made before the radio is
            // touched.
            if (const int status = CheckOrRefuse(options, file.image, file.channels, file.path);
                status != kExitOk)
            {
                return status;
            }
            CloneOutcome outcome;
            if (const int status = CCloneRun::CloneOnto(options, session, file, outcome);
                status != kExitOk)
            {
                return status;
            }
            const char* port = options.m_strPort.c_str();
            const char* serial = outcome.strSerialBefore.c_str();
            const char* model = outcome.strModel.c_str();
            if (!outcome.strBackup.empty())
            {
                std::printf(kCloneDone, port, serial, model, outcome.nChannels, file.path.c_str(),
                            outcome.strBackup.c_str());
            }
            else
            {
                std::printf(kCloneDoneNoBackup, port, serial, model, outcome.nChannels,
                            file.path.c_str());
            }
            return kExitOk;
        });
}
