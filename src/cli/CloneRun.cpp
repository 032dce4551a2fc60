// One clone on an open session. The radio's original image is kept as a
// backup before anything is written, so every failure after that leaves it to
// restore.

// own
#include "cli/CloneRun.h"
#include "cli/BackupSupport.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"

// model
#include "model/BandTable.h"
#include "model/ImageClone.h"
#include "model/RadioImage.h"

// std
#include <cstdio>
#include <ctime>
#include <filesystem>
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

void Remove(std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
    path.clear();
}
} // namespace

int CCloneRun::CloneOnto(const CCliOptions& options, CRadioSession& session,
                         const DumpForRadio& file, CloneOutcome& outcome,
                         const PhaseObserver& onPhase)
{
    const auto phase = [&onPhase](ClonePhase p)
    {
        if (onPhase)
        {
            onPhase(p);
        }
    };
    const auto failedAfterRead = [&session, &outcome](int status)
    {
        std::fprintf(session.Err(), kCloneOriginalKept, outcome.strBackup.c_str());
        return outcome.nExit = status;
    };
    outcome = CloneOutcome();
    const CRadioImage& plan = file.image;
    CRadioImage radio;
    phase(ClonePhase::Reading);
    if (const int status = UploadImage(session, radio, file.path); status != kExitOk)
    {
        return outcome.nExit = status;
    }
    outcome.strSerialBefore = CBackupStore::SerialText(radio);
    outcome.strModel = ModelName(radio);
    outcome.nChannels = session.App().GetChannelMode() == 0 ? 120 : 320;

    // The original is kept even with backups turned off: a clone never writes
    // a radio whose own image it could not put aside. Without backups it is
    // removed again once the clone has been verified.
    const CBackupStore store(BackupFolder(options));
    BackupError error = BackupError::None;
    if (!store.Save(radio, session.App(), std::time(nullptr), outcome.strBackup, error))
    {
        outcome.strBackup.clear();
        std::fprintf(session.Err(), kCloneNoSafetyCopy,
                     BackupErrorText(error, store.Folder()).c_str());
        return outcome.nExit = kExitFile;
    }
    const bool keepOriginal = BackupsWanted(options);

    const int radioChannels = outcome.nChannels;
    const int planChannels = file.channels;
    const CloneRefusal refusal = CImageClone::Check(radio, radioChannels, plan, planChannels);
    if (refusal != CloneRefusal::None)
    {
        std::fprintf(session.Err(), kCloneRefused, file.path.c_str(),
                     RefusalText(refusal, radio, radioChannels, plan, planChannels).c_str());
        if (!keepOriginal)
        {
            Remove(outcome.strBackup);
        }
        return outcome.nExit = kExitPlanRefused;
    }

    CRadioImage merged;
    CImageClone::Merge(radio, plan, merged);
    std::uint8_t bytes[kImageSize];
    (void)merged.ReadBlock(bytes, 0, kImageSize); // the whole image always fits
    phase(ClonePhase::Writing);
    if (const int status = WriteImage(session, bytes); status != kExitOk)
    {
        return failedAfterRead(status);
    }
    phase(ClonePhase::Verifying);
    const int status = ReadBackAndCompare(session, bytes, radioChannels, &outcome.nFirstDifference);
    if (status == kExitOk || status == kExitVerifyFailed)
    {
        CRadioImage readBack;
        if (readBack.WriteBlock(session.Conversation().UploadBuffer(), 0, kImageSize))
        {
            outcome.strSerialAfter = CBackupStore::SerialText(readBack);
        }
    }
    if (status != kExitOk)
    {
        return failedAfterRead(status);
    }
    if (!keepOriginal)
    {
        Remove(outcome.strBackup);
    }
    return outcome.nExit = kExitOk;
}
