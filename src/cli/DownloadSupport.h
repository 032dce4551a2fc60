// Writing an image into the radio and reading it back to compare, shared by
// download --verify and clone.
#pragma once

// own
#include "cli/RadioSession.h"

// std
#include <cstdint>

// Downloads image (8192 bytes) on an open session; the exit status.
[[nodiscard]] int WriteImage(CRadioSession& session, const std::uint8_t* image);

// Reads the radio back and compares it with image (of imageChannels
// channels); on a difference names the first differing address and returns
// kExitVerifyFailed. A failed read returns its own exit status.
[[nodiscard]] int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image,
                                     int imageChannels);

// The channels of a dump file's capacity code: a file without one is shown
// with 120 channels, as the windowed program shows it.
int ImageChannels(std::int32_t code);

// After an upload: a radio that holds fewer channels than the image sent
// only what it holds, so only that was compared. The channels in use that it
// cannot hold are a difference all the same; they are told on stderr and
// counted in the result.
int ChannelsBeyondTheRadio(CRadioSession& session, const std::uint8_t* image, int imageChannels);
