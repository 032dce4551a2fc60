// Taking images to and from the radio, shared by the commands that talk to
// it: the start they share, writing an image, reading one, and reading back
// to compare.
#pragma once

// own
#include "cli/CliOptions.h"
#include "cli/RadioSession.h"

// model
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <functional>
#include <string>

// The one dump file a command takes to the radio.
struct DumpForRadio
{
    std::string path;
    CRadioImage image;
    // The image's bytes, for the conversation.
    std::uint8_t bytes[kImageSize] = {};
    // The channels of the file's capacity code (see ImageChannels).
    int channels = 0;
};

// The one argument loaded as a dump file for the radio; its exit status, told
// when not kExitOk.
[[nodiscard]] int LoadDumpForRadio(const CCliOptions& options, DumpForRadio& file);

// What download, verify and clone start with: --port is given, the one
// argument loads as a dump file and the port opens, each told and ended with
// its exit status when not. step then runs on the open session.
[[nodiscard]] int RunWithDumpOnRadio(
    const CCliOptions& options,
    const std::function<int(CRadioSession& session, const DumpForRadio& file)>& step);

// Before image (of channels channels, from the file path) goes to the radio:
// the findings of its check are told on stderr, and with errors the write is
// refused (kExitBadPlan) unless --force is given. kExitOk to go on.
[[nodiscard]] int CheckOrRefuse(const CCliOptions& options, const CRadioImage& image, int channels,
                                const std::string& path);

// Downloads image (8192 bytes) on an open session; the exit status.
[[nodiscard]] int WriteImage(CRadioSession& session, const std::uint8_t* image);

// Uploads the radio into the conversation's buffer, which first holds start
// (8192 bytes): what a 120-channel radio does not send keeps start's bytes.
// The exit status of the wait.
[[nodiscard]] int ReadImage(CRadioSession& session, const std::uint8_t* start);

// Uploads the whole radio into image, starting from a fresh image as the
// form's would be. A signal that came even after the last record stops it:
// the radio is then read but nothing may be saved. When the image read cannot
// be stored, the message names path, the file it was read for.
[[nodiscard]] int UploadImage(CRadioSession& session, CRadioImage& image, const std::string& path);

// Reads the radio back and compares it with image (of imageChannels
// channels); on a difference names the first differing address and returns
// kExitVerifyFailed (and in firstDifference when given). A failed read
// returns its own exit status.
[[nodiscard]] int ReadBackAndCompare(CRadioSession& session, const std::uint8_t* image,
                                     int imageChannels, std::int64_t* firstDifference = nullptr);

// The channels of a dump file's capacity code: a file without one is shown
// with 120 channels, as the windowed program shows it.
int ImageChannels(std::int32_t code);

// After an upload: a radio that holds fewer channels than the image sent
// only what it holds, so only that was compared. The channels in use that it
// cannot hold are a difference all the same; they are told on stderr and
// counted in the result.
int ChannelsBeyondTheRadio(CRadioSession& session, const std::uint8_t* image, int imageChannels);
