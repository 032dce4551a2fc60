// Why a file could not be read or written, in words the user can act on: the
// program's own for what the system would only call a bad argument, else the
// system's text.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <string>

// A read or write of path failed with errno error: "it is a folder", "it is
// not a regular file", or the system's text for error.
std::string FileReason(const std::string& path, int error);

// The same for a dump file that did not load with status.
std::string DumpReadReason(const std::string& path, DumpFileStatus status, int error);

// Loads a dump file; kExitOk, or kExitFile after naming the file and the
// reason it could not be read.
[[nodiscard]] int LoadDumpFile(const std::string& path, CRadioImage& image, CPlainAppState& app);
