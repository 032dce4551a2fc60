// The dump file: the 8204-byte image block, then the 4-byte channel capacity
// code, both little-endian whatever the host; no magic. What the application
// makes of the capacity code is CRadioImage's business.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <string>

struct DumpFileRead
{
    DumpFileStatus status = DumpFileStatus::Loaded;
    bool opened = false;  // the file could be opened, whatever came of reading it
    bool hasCode = false; // the capacity code followed the block
    std::int32_t code = 0;
};

// Reads the file into block, which is changed only when the whole block came
// (status Loaded). Only regular files are read: a folder, pipe or device
// counts as a file that cannot be opened, and never blocks.
DumpFileRead ReadDumpFile(const std::string& path, ImageBlock& block);

// Replaces the file safely (see SaveFileSafely) with block and code; false,
// with the old file untouched, when it could not be written completely.
[[nodiscard]] bool WriteDumpFile(const std::string& path, const ImageBlock& block,
                                 std::int32_t code);
