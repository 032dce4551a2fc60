// The folder of automatic backups: every image read from a radio is also kept
// there as a dump file named by the time it was read and the radio's serial
// number, so that no upload, clone or comparison can lose what a radio held.
#pragma once

// model
#include "model/AppState.h"

// std
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

class CRadioImage;

enum class BackupError
{
    None,
    NoFolder,      // neither XDG_DATA_HOME nor HOME names a place for it
    FolderFailed,  // the folder could not be created or is not a folder
    NameExhausted, // every name for this second and serial number is taken
    WriteFailed,   // the file could not be written completely
};

// One file of the folder as the listing shows it.
struct BackupEntry
{
    std::string strName;   // file name inside the folder
    std::string strSerial; // the image's serial number, blanks trimmed
    int nModel = -1;       // the image's model index, -1 when none
    std::int64_t nTime = 0; // seconds since 1970 (UTC), from the name or the file
    bool bReadable = false; // the file loaded as a dump file
};

class CBackupStore
{
public:
    static constexpr const char* kOffVariable = "VESK4_BACKUPS";
    static constexpr const char* kExtension = ".dmp";
    // A name starts with the time, so that a plain listing of the folder is
    // already in the order the radios were read: 20261208T120932Z_12AB3400.dmp
    static constexpr std::size_t kTimeLength = 16;
    static constexpr int kMaxClashes = 100;

    explicit CBackupStore(std::string folder);

    // $XDG_DATA_HOME/vesk4/backups when that variable holds an absolute path,
    // else $HOME/.local/share/vesk4/backups; empty when neither is usable.
    static std::string DefaultFolder();
    // VESK4_BACKUPS set to off, 0, no or false (any case) turns backups off.
    static bool TurnedOffByEnvironment();

    const std::string& Folder() const { return m_strFolder; }

    // Writes image as a dump file with app's capacity code, named by when
    // (UTC) and the image's serial number; a second backup of the same radio
    // in the same second gets _2, _3 ... The folder is created owner-only,
    // the file is readable by its owner alone and written safely.
    [[nodiscard]] bool Save(const CRadioImage& image, const IAppState& app, std::time_t when,
                            std::string& pathOut, BackupError& errorOut) const;

    // Every dump file of the folder, oldest first (newest last); a folder
    // that does not exist yet holds none. False when the folder cannot be read.
    [[nodiscard]] bool List(std::vector<BackupEntry>& entries) const;

    // The file name for image at when; clash 1 is the plain name.
    static std::string FileName(const CRadioImage& image, std::time_t when, int clash);
    // The time a backup's name starts with; false for another kind of name.
    static bool TimeFromName(const std::string& name, std::int64_t& timeOut);
    // "2026-12-08 12:09:32 UTC"
    static std::string TimeText(std::int64_t time);
    // The serial number as the name and the listing show it: blanks at the
    // ends trimmed, inner ones as '_', "noserial" when there is nothing left.
    static std::string SerialText(const CRadioImage& image);

private:
    std::string m_strFolder;
};
