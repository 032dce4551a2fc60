// new: an image for a model, with nothing else set, so that a dealer can
// begin a channel plan without a radio. The model's reference steps and
// injection side are the ones the Model form starts a newly chosen band with.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/FileReasons.h"

// model
#include "model/BandTable.h"
#include "model/ModelTexts.h"
#include "model/RadioImage.h"
#include "model/Synthesizer.h"

// std
#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace
{
std::string Lower(std::string text)
{
    for (char& c : text)
    {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

// The model index of a name as the Model form lists it, in any case; -1 for none.
int ModelOfName(const std::string& name)
{
    for (int model = 0; model < 14; ++model)
    {
        if (Lower(kBandNames[model]) == Lower(name))
        {
            return model;
        }
    }
    return -1;
}

bool ForModel(int model, CRadioImage& image)
{
    const ReferenceStepRow& row = ReferenceStepsOf(model);
    const double wideHz = row.hz[row.defaultWide];
    const double narrowHz = row.hz[row.defaultNarrow];
    const int injection = DefaultInjectionSide(model);
    const bool low = injection == 1;
    return image.SetModel(model) && image.SetInjection(injection) &&
           image.SetWideIfOffset(ComputeIfOffset(model, low, wideHz)) &&
           image.SetNarrowIfOffset(ComputeIfOffset(model, low, narrowHz)) &&
           image.SetWideReference(wideHz) && image.SetNarrowReference(narrowHz);
}
} // namespace

int RunNew(const CCliOptions& options)
{
    if (options.m_args.size() != 1)
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const int model = ModelOfName(options.m_strModel);
    if (model < 0)
    {
        std::string names;
        for (const char* name : kBandNames)
        {
            names += std::string(names.empty() ? "" : ", ") + name;
        }
        char text[512];
        std::snprintf(text, sizeof text, kUnknownModel, options.m_strModel.c_str(), names.c_str());
        return UsageError("%s", text);
    }
    const std::string& path = options.m_args[0];
    // A new image never replaces a plan someone has worked on.
    struct stat status = {};
    if (::lstat(path.c_str(), &status) == 0)
    {
        std::fprintf(stderr, kNewExists, path.c_str());
        return kExitFile;
    }
    CRadioImage image;
    if (!ForModel(model, image))
    {
        std::fprintf(stderr, kFileWriteError, path.c_str(), kReasonNotStored);
        return kExitFile;
    }
    CPlainAppState app;
    app.m_nChannelCode = options.m_nChannels == 320 ? 2 : 1;
    app.m_nChannelMode = app.m_nChannelCode - 1;
    errno = 0;
    if (!image.SaveToFile(path, app))
    {
        const int error = errno;
        std::fprintf(stderr, kFileWriteError, path.c_str(), FileReason(path, error).c_str());
        return kExitFile;
    }
    std::fprintf(stderr, kNewDone, path.c_str(), kBandNames[model], options.m_nChannels);
    return kExitOk;
}
