// Reading a dump file for a listing and writing the listing out.
#include "cli/ListingSupport.h"

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

// std
#include <cerrno>
#include <cstdio>
#include <cstring>

int LoadDumpArgument(const CCliOptions& options, CRadioImage& image, CPlainAppState& app)
{
    if (options.m_args.size() != 1)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const std::string& path = options.m_args[0];
    // A file that cannot be opened or is too short to hold an image leaves the
    // image as it was; listing that would pass defaults off as the file.
    if (!image.LoadFromFile(path, app))
    {
        std::fprintf(stderr, kFileReadError, path.c_str());
        return kExitFile;
    }
    return kExitOk;
}

int PrintLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
    {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
    {
        std::fprintf(stderr, kOutputWriteError, std::strerror(errno));
        return kExitFile;
    }
    return kExitOk;
}
