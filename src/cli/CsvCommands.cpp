// export-csv and import-csv: channel plans as CSV files in the column layout
// other radio programming tools read and write.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"
#include "cli/ListingSupport.h"

// model
#include "model/ChannelGroups.h"
#include "model/ChannelPlanCsv.h"
#include "model/ChannelRules.h"
#include "model/FileAccess.h"
#include "model/RadioImage.h"

// std
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A plan far beyond any radio's 320 rows is not read into memory whole.
constexpr std::size_t kPlanSizeLimit = 16U * 1024U * 1024U;

// The plan's text, or false with the reason it cannot be read.
bool ReadPlan(const std::string& path, std::string& textOut, std::string& reasonOut)
{
    FileOpenError error = FileOpenError::None;
    errno = 0;
    const FilePtr file = OpenRegularFile(path, error);
    if (!file)
    {
        reasonOut = FileReason(path, errno);
        return false;
    }
    std::string text;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    {
        text.append(buffer, count);
        if (text.size() > kPlanSizeLimit)
        {
            reasonOut = kReasonTooLarge;
            return false;
        }
    }
    if (std::ferror(file.get()))
    {
        reasonOut = std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    textOut = std::move(text);
    return true;
}

// The plan to standard output, a device (/dev/null, a terminal) or a file
// replaced safely; false with the reason when it could not be written. A
// reader of standard output that went away ends the program as it ends any
// listing.
bool WritePlan(const std::string& path, const std::string& text, std::string& reasonOut)
{
    errno = 0;
    if (path == "-")
    {
        if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
            std::fflush(stdout) == 0)
        {
            return true;
        }
        const int error = errno != 0 ? errno : EIO;
        EndIfReaderGone(error);
        reasonOut = std::strerror(error);
        return false;
    }
    struct stat status = {};
    if (::stat(path.c_str(), &status) == 0 && S_ISCHR(status.st_mode))
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        bool written = fd >= 0;
        for (std::size_t done = 0; written && done < text.size();)
        {
            const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            written = n > 0 || (n < 0 && errno == EINTR);
            done += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        reasonOut = written ? std::string() : std::strerror(errno != 0 ? errno : EIO);
        written = (fd < 0 || ::close(fd) == 0) && written;
        return written;
    }
    if (!SaveFileSafely(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
    {
        reasonOut = FileReason(path, errno);
        return false;
    }
    return true;
}

// Bytes of a text that could drive a terminal, shown as \xNN.
std::string Printable(const std::string& text)
{
    std::string out;
    for (const char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
        else
        {
            out += c;
        }
    }
    return out;
}

int Capacity(const CPlainAppState& app)
{
    return CChannelGroups::CapacityOfChannelMode(app.GetChannelMode());
}

bool HasModel(const CRadioImage& image)
{
    CChannelRules rules;
    return rules.LoadFromImage(image);
}
} // namespace

int RunExportCsv(const CCliOptions& options)
{
    if (options.m_args.size() != 2)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const std::string& dumpPath = options.m_args[0];
    const std::string& planPath = options.m_args[1];
    CRadioImage image;
    CPlainAppState app;
    if (const int status = LoadDumpFile(dumpPath, image, app); status != kExitOk)
    {
        return status;
    }
    std::string text;
    std::vector<std::string> notes;
    if (!CChannelPlanCsv::Export(image, Capacity(app), text, notes))
    {
        std::fprintf(stderr, kNoModelForPlan, dumpPath.c_str());
        return kExitBadPlan;
    }
    const std::vector<std::string> toneNotes =
        CChannelPlanCsv::UncommonToneNotes(image, Capacity(app));
    notes.insert(notes.end(), toneNotes.begin(), toneNotes.end());
    for (const std::string& note : notes)
    {
        std::fprintf(stderr, kPlanNote, Printable(note).c_str());
    }
    std::string reason;
    if (!WritePlan(planPath, text, reason))
    {
        std::fprintf(stderr, kPlanWriteError, planPath.c_str(), reason.c_str());
        return kExitFile;
    }
    int rows = 0;
    for (const char c : text)
    {
        rows += c == '\n' ? 1 : 0;
    }
    std::fprintf(stderr, kPlanExported, rows - 1, planPath.c_str());
    return kExitOk;
}

int RunImportCsv(const CCliOptions& options)
{
    if (options.m_args.size() != 3)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const std::string& dumpPath = options.m_args[0];
    const std::string& planPath = options.m_args[1];
    const std::string& outPath = options.m_args[2];
    CRadioImage image;
    CPlainAppState app;
    if (const int status = LoadDumpFile(dumpPath, image, app); status != kExitOk)
    {
        return status;
    }
    // Without a model no row could be checked; that is the image's fault,
    // not the plan's.
    if (!HasModel(image))
    {
        std::fprintf(stderr, kNoModelForPlan, dumpPath.c_str());
        return kExitBadPlan;
    }
    std::string text;
    std::string reason;
    if (!ReadPlan(planPath, text, reason))
    {
        std::fprintf(stderr, kPlanReadError, planPath.c_str(), reason.c_str());
        return kExitFile;
    }
    std::vector<PlanProblem> problems;
    if (!CChannelPlanCsv::Import(text, Capacity(app), options.m_bMerge, image, problems))
    {
        for (const PlanProblem& problem : problems)
        {
            std::fprintf(stderr, kPlanProblem, planPath.c_str(), Printable(problem.Text()).c_str());
        }
        std::fprintf(stderr, kPlanRefused, problems.size(), planPath.c_str());
        return kExitBadPlan;
    }
    errno = 0;
    if (!image.SaveToFile(outPath, app))
    {
        const int error = errno;
        std::fprintf(stderr, kFileWriteError, outPath.c_str(), FileReason(outPath, error).c_str());
        return kExitFile;
    }
    int used = 0;
    for (int i = 0; i < Capacity(app); ++i)
    {
        int unused = 1;
        used += image.GetRxUnused(i, unused) && unused == 0 ? 1 : 0;
    }
    std::fprintf(stderr, kPlanImported, outPath.c_str(), used, planPath.c_str());
    return kExitOk;
}
