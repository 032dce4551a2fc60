// The undo history of the shared image. Every change is kept whole, as the
// image and channel mode before and after it, so that undo and redo give back
// exactly the bytes that were there, whatever made the change.
#pragma once

// model
#include "model/RadioImage.h"

// std
#include <cstddef>
#include <deque>
#include <string>

// The image with the application's channel mode, which the Option form's
// capacity changes together with the group count.
struct ImageState
{
    CRadioImage image;
    int channelMode = 0;

    bool operator==(const ImageState& other) const;
};

class CImageHistory
{
public:
    // Changes kept; the oldest go first.
    static constexpr std::size_t kDepth = 200;

    // Records a change named `name` ("Paste 12 channels") made on form
    // `form`. A change that changed no byte is not recorded. What was undone
    // before it can no longer be redone.
    void Record(const std::string& name, int form, const ImageState& before,
                const ImageState& after);

    bool CanUndo() const { return m_nNext > 0; }
    bool CanRedo() const { return m_nNext < m_entries.size(); }
    // The name of the change the next Undo or Redo takes back or makes
    // again; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // The form the next Undo or Redo concerns; -1 when there is none.
    int UndoForm() const;
    int RedoForm() const;

    // One step back: the state before the last change. False when there is
    // nothing to undo.
    [[nodiscard]] bool Undo(ImageState& stateOut);
    // One step forward again: the state after the change last undone.
    [[nodiscard]] bool Redo(ImageState& stateOut);

    // A new history: after an Up Load is copied in or a file is opened.
    void Clear();
    // The state now is what was last saved; IsAtSave tells whether undo and
    // redo have come back to it.
    void MarkSaved();
    bool IsAtSave() const;

private:
    struct Entry
    {
        std::string name;
        int form = -1;
        ImageState before;
        ImageState after;
    };

    std::deque<Entry> m_entries;
    // Entries before this index are done; from it on, undone.
    std::size_t m_nNext = 0;
    // How many entries were done at the last save; -1 when that point has
    // dropped out of the history or been overwritten.
    long m_nSaved = 0;
};
