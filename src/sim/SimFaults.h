// The faults the simulated radio can show, for tests of the link's error paths.
#pragma once

struct SimFaults
{
    bool silent = false;      // answers nothing at all
    bool noise = false;       // answers with bytes that never make a record
    int stallAfter = -1;      // sends this many records, then falls silent for good
    int corruptRecord = -1;   // the K-th record sent (from 1) carries a wrong checksum
    int garbageBefore = -1;   // bytes outside any record go out before the K-th record sent
    int garbagePauseMs = 300; // and the line stays quiet this long after them
    int hangupAfter = -1;     // after this many records (received and sent) the
                              // pseudo-terminal is closed
    int pauseAfter = -1;      // after this many records (received and sent) the
                              // radio takes in nothing more until it is resumed
    int pauseAfterSent = -1;  // after sending this many records the radio pauses
                              // itself, as CSimPort::SetPaused(true) does
};
