// clone: one channel plan onto a radio. The radio is read first and keeps its
// own identity, model, reference and IF settings and alignment; the plan's
// channels, group names, options, 2-tone and ANI are written over the rest
// and read back. The radio's original image is kept as a backup before
// anything is written, so every failure after that leaves it to restore.

// own
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DownloadSupport.h"
#include "cli/ExitCodes.h"
#include "cli/RadioSession.h"

// model
#include "model/BandTable.h"
#include "model/ImageClone.h"
#include "model/RadioImage.h"

// std
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

namespace
{
const char* ModelName(const CRadioImage& image)
{
    int model = -1;
    const BandInfo* band = image.GetModel(model) ? FindBand(model) : nullptr;
    return band != nullptr ? band->name : kBackupsNoModel;
}

std::string RefusalText(CloneRefusal refusal, const CRadioImage& radio, int radioChannels,
                        const CRadioImage& plan, int planChannels)
{
    char text[512];
    switch (refusal)
    {
    case CloneRefusal::RadioModelUnset:
        return kCloneRadioModelUnset;
    case CloneRefusal::PlanModelUnset:
        return kClonePlanModelUnset;
    case CloneRefusal::OtherModel:
        std::snprintf(text, sizeof text, kCloneOtherModel, ModelName(plan), ModelName(radio));
        return text;
    case CloneRefusal::OtherCapacity:
        std::snprintf(text, sizeof text, kCloneOtherCapacity, planChannels, radioChannels);
        return text;
    case CloneRefusal::OtherReference:
        return kCloneOtherReference;
    case CloneRefusal::OtherInjection:
        return kCloneOtherInjection;
    default:
        return {};
    }
}

// A failure after the radio was read: where its original can be found.
int FailedAfterRead(int status, const std::string& original)
{
    std::fprintf(stderr, kCloneOriginalKept, original.c_str());
    return status;
}

// The plan onto the radio on an open session.
int CloneOnto(const CCliOptions& options, CRadioSession& session, const DumpForRadio& file)
{
    // The merge keeps the plan's channels and settings, and a radio whose
    // model, steps or injection differ is refused; so the plan's check is the
    // check of what is written, made before the radio is touched.
    if (const int status = CheckOrRefuse(options, file.image, file.channels, file.path);
        status != kExitOk)
    {
        return status;
    }
    const CRadioImage& plan = file.image;
    CRadioImage radio;
    if (const int status = UploadImage(session, radio, file.path); status != kExitOk)
    {
        return status;
    }

    // The original is kept even with backups turned off: a clone never writes
    // a radio whose own image it could not put aside. Without backups it is
    // removed again once the clone has been verified.
    const CBackupStore store(BackupFolder(options));
    std::string original;
    BackupError error = BackupError::None;
    if (!store.Save(radio, session.App(), std::time(nullptr), original, error))
    {
        std::fprintf(stderr, kCloneNoSafetyCopy, BackupErrorText(error, store.Folder()).c_str());
        return kExitFile;
    }
    const bool keepOriginal = BackupsWanted(options);

    const int radioChannels = session.App().GetChannelMode() == 0 ? 120 : 320;
    const int planChannels = file.channels;
    const CloneRefusal refusal = CImageClone::Check(radio, radioChannels, plan, planChannels);
    if (refusal != CloneRefusal::None)
    {
        std::fprintf(stderr, kCloneRefused, file.path.c_str(),
                     RefusalText(refusal, radio, radioChannels, plan, planChannels).c_str());
        if (!keepOriginal)
        {
            std::error_code ec;
            std::filesystem::remove(original, ec);
        }
        return kExitPlanRefused;
    }

    CRadioImage merged;
    CImageClone::Merge(radio, plan, merged);
    std::uint8_t bytes[kImageSize];
    (void)merged.ReadBlock(bytes, 0, kImageSize); // the whole image always fits
    if (const int status = WriteImage(session, bytes); status != kExitOk)
    {
        return FailedAfterRead(status, original);
    }
    if (const int status = ReadBackAndCompare(session, bytes, radioChannels); status != kExitOk)
    {
        return FailedAfterRead(status, original);
    }

    const std::string serial = CBackupStore::SerialText(radio);
    if (keepOriginal)
    {
        std::printf(kCloneDone, options.m_strPort.c_str(), serial.c_str(), ModelName(radio),
                    radioChannels, file.path.c_str(), original.c_str());
    }
    else
    {
        std::error_code ec;
        std::filesystem::remove(original, ec);
        std::printf(kCloneDoneNoBackup, options.m_strPort.c_str(), serial.c_str(), ModelName(radio),
                    radioChannels, file.path.c_str());
    }
    return kExitOk;
}
} // namespace

int RunClone(const CCliOptions& options)
{
    return RunWithDumpOnRadio(options, [&options](CRadioSession& session, const DumpForRadio& file)
                              { return CloneOnto(options, session, file); });
}
