// export-csv and import-csv: channel plans as CSV files in the column layout
// other radio programming tools read and write.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

// model
#include "model/ChannelGroups.h"
#include "model/ChannelPlanCsv.h"
#include "model/FileAccess.h"
#include "model/RadioImage.h"

// std
#include <cstdio>
#include <string>
#include <vector>

namespace
{
// A plan far beyond any radio's 320 rows is not read into memory whole.
constexpr std::size_t kPlanSizeLimit = 16U * 1024U * 1024U;

int LoadDump(const std::string& path, CRadioImage& image, CPlainAppState& app)
{
    if (!image.LoadFromFile(path, app))
    {
        std::fprintf(stderr, kFileReadError, path.c_str());
        return kExitFile;
    }
    return kExitOk;
}

bool ReadPlan(const std::string& path, std::string& textOut)
{
    FileOpenError error = FileOpenError::None;
    const FilePtr file = OpenRegularFile(path, error);
    if (!file)
    {
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
            return false;
        }
    }
    if (std::ferror(file.get()))
    {
        return false;
    }
    textOut = std::move(text);
    return true;
}

int Capacity(const CPlainAppState& app)
{
    return CChannelGroups::CapacityOfChannelMode(app.GetChannelMode());
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
    if (const int status = LoadDump(dumpPath, image, app); status != kExitOk)
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
        std::fprintf(stderr, kPlanNote, note.c_str());
    }
    bool written = false;
    if (planPath == "-")
    {
        written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                  std::fflush(stdout) == 0;
    }
    else
    {
        written = SaveFileSafely(planPath, reinterpret_cast<const std::uint8_t*>(text.data()),
                                 text.size());
    }
    if (!written)
    {
        std::fprintf(stderr, kPlanWriteError, planPath.c_str());
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
    if (const int status = LoadDump(dumpPath, image, app); status != kExitOk)
    {
        return status;
    }
    std::string text;
    if (!ReadPlan(planPath, text))
    {
        std::fprintf(stderr, kPlanReadError, planPath.c_str());
        return kExitFile;
    }
    std::vector<PlanProblem> problems;
    if (!CChannelPlanCsv::Import(text, Capacity(app), options.m_bMerge, image, problems))
    {
        for (const PlanProblem& problem : problems)
        {
            std::fprintf(stderr, kPlanProblem, planPath.c_str(), problem.Text().c_str());
        }
        std::fprintf(stderr, kPlanRefused, problems.size(), planPath.c_str());
        return kExitBadPlan;
    }
    if (!image.SaveToFile(outPath, app))
    {
        std::fprintf(stderr, kFileWriteError, outPath.c_str());
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
