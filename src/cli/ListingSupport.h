// What the file-reading commands share: reading the dump
// file they are given and writing their lines to standard output.
#pragma once

// own
#include "cli/CliOptions.h"

// model
#include "model/AppState.h"
#include "model/RadioImage.h"

// std
#include <functional>
#include <string>
#include <vector>

// Loads the one argument of the command as a dump file into image, with the
// capacity code and channel mode it carries in app. Returns kExitOk, or the
// exit status after telling the user why not.
[[nodiscard]] int LoadDumpArgument(const CCliOptions& options, CRadioImage& image,
                                   CPlainAppState& app);

// What the listing commands share: the one argument loaded as a dump file
// and the lines listing makes of it printed, or the exit status of the step
// that failed.
[[nodiscard]] int PrintListing(
    const CCliOptions& options,
    const std::function<std::vector<std::string>(const CRadioImage&, const CPlainAppState&)>&
        listing);

// One line each on standard output; kExitOk, or kExitFile when the output
// could not be written (a full disk). A reader that went away ends the
// program (see EndIfReaderGone).
[[nodiscard]] int PrintLines(const std::vector<std::string>& lines);

// Called with the errno of a failed write to standard output. EPIPE, or a
// pipe on standard output that nobody reads any more, means the reader went
// away (`vesk4-cli report x.dmp | head`): the program then ends
// quietly, killed by SIGPIPE as cat or grep would be. SIGPIPE stays ignored
// the rest of the time so that a vanished serial device shows up as a failed
// write rather than killing a transfer half-way. Any other error returns.
void EndIfReaderGone(int error);
