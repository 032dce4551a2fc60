// The exit status of vesk4-cli, one per kind of outcome.
#pragma once

enum ExitCode : int
{
    kExitOk = 0,
    kExitDifferent = 1,
    kExitUsage = 2,
    kExitNoAnswer = 3,
    kExitSilence = 4,
    kExitBadRecord = 5,
    kExitNoPort = 6,
    kExitPortBusy = 7,
    kExitPortDenied = 8,
    kExitPortLost = 9,
    kExitFile = 10,
    kExitWriteFailed = 11,
    kExitVerifyFailed = 12, // the radio read back differs from what was written
    kExitPlanRefused = 13,  // a clone plan that does not fit the radio; nothing written
    // A CSV plan with refused rows, an image without a model, or an image whose
    // check found errors; nothing written.
    kExitBadPlan = 14,
};
