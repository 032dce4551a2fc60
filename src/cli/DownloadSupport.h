// Writing an image into the radio and reading it back to compare, shared by
// download --verify and clone.
#pragma once

// own
#include "cli/RadioSession.h"

// std
#include <cstdint>

// Downloads image (8192 bytes) on an open session; the exit status.
[[nodiscard]] int WriteImage(CRadioSession& session, const std::uint8_t* image);

// Reads the radio back and compares it with image; on a difference names the
// first differing address and returns kExitVerifyFailed. A failed read
// returns its own exit status.
[[nodiscard]] int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image);
