// The recovery copy: while the shared image holds edits that are not saved,
// it is kept in the user's state folder, so that a crash or a kill loses at
// most the last few seconds of work. Each running program keeps its own copy,
// named by its process id; a copy whose program is no longer running is what
// the next start offers back.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <cstdint>
#include <string>
#include <vector>

// A copy left by a program that ended without saving or discarding it.
struct RecoveryCopy
{
    std::string strDumpPath;   // the dump file of the copy
    std::string strSourcePath; // the file the image came from; empty when none
    int nPid = 0;              // the program that wrote it
};

class CRecoveryStore
{
public:
    static constexpr const char* kExtension = ".dmp";
    // Beside each copy: the path of the file it was opened from or saved to.
    static constexpr const char* kSourceExtension = ".source";

    CRecoveryStore(std::string folder, int pid);

    // $XDG_STATE_HOME/vesk4 when that variable holds an absolute path, else
    // $HOME/.local/state/vesk4; empty when neither is usable.
    static std::string DefaultFolder();

    const std::string& Folder() const { return m_strFolder; }
    std::string DumpPath() const;
    std::string SourcePath() const;

    // Brings the copy up to date: written (safely, owner-only) when there are
    // unsaved edits and the bytes, code or source differ from what was last
    // written, removed when there are none. False when a write failed; the
    // next call tries again.
    [[nodiscard]] bool Update(bool unsaved, const ImageBlock& block, std::int32_t code,
                              const std::string& source);
    // Removes this program's copy (after a save, a discard or a clean end).
    void Remove();

    // Copies in the folder whose program is no longer running, oldest pid
    // first; this program's own copy is never among them.
    std::vector<RecoveryCopy> LeftBehind() const;
    // Removes a copy left behind (after it was restored or discarded).
    static void Discard(const RecoveryCopy& copy);

private:
    std::string m_strFolder;
    int m_nPid;
    bool m_bWritten = false;
    ImageBlock m_written{};
    std::int32_t m_nWrittenCode = 0;
    std::string m_strWrittenSource;

    std::string PathOf(int pid, const char* extension) const;
};
