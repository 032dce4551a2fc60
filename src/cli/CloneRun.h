// One clone of a plan onto one radio on an open session, as `clone` does it
// and as each port of `fleet` does it on a thread of its own: the radio is
// read and kept, the plan merged over everything but its identity, model,
// reference and IF settings and alignment, written and read back.
#pragma once

// own
#include "cli/CliOptions.h"
#include "cli/DownloadSupport.h"
#include "cli/RadioSession.h"

// std
#include <cstdint>
#include <functional>
#include <string>

enum class ClonePhase
{
    Reading,
    Writing,
    Verifying,
};

struct CloneOutcome
{
    int nExit = 0;
    std::string strSerialBefore; // empty until the radio was read
    std::string strSerialAfter;  // empty until it was read back
    std::string strModel;
    int nChannels = 0;
    // The radio's original, as long as it is on disk.
    std::string strBackup;
    std::int64_t nFirstDifference = -1;
};

class CCloneRun
{
public:
    using PhaseObserver = std::function<void(ClonePhase phase)>;

    // The exit status; messages go to the session's Err(). Without backups
    // wanted (options), the original is removed again once the radio
    // verified or nothing was written.
    [[nodiscard]] static int CloneOnto(const CCliOptions& options, CRadioSession& session,
                                       const DumpForRadio& plan, CloneOutcome& outcome,
                                       const PhaseObserver& onPhase = {});
};
