// The undo history.

// own
#include "model/ImageHistory.h"

// std
#include <cstring>

bool ImageState::operator==(const ImageState& other) const
{
    return channelMode == other.channelMode &&
           std::memcmp(&image.WorkBlock(), &other.image.WorkBlock(), sizeof(ImageBlock)) == 0;
}

void CImageHistory::Record(const std::string& name, int form, const ImageState& before,
                           const ImageState& after)
{
    if (before == after)
    {
        return;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_nNext), m_entries.end());
    if (m_nSaved > static_cast<long>(m_nNext))
    {
        m_nSaved = -1;
    }
    m_entries.push_back(Entry{name, form, before, after});
    if (m_entries.size() > kDepth)
    {
        m_entries.pop_front();
        m_nSaved = m_nSaved > 0 ? m_nSaved - 1 : -1;
    }
    m_nNext = m_entries.size();
}

std::string CImageHistory::UndoName() const
{
    return CanUndo() ? m_entries[m_nNext - 1].name : std::string();
}

std::string CImageHistory::RedoName() const
{
    return CanRedo() ? m_entries[m_nNext].name : std::string();
}

int CImageHistory::UndoForm() const
{
    return CanUndo() ? m_entries[m_nNext - 1].form : -1;
}

int CImageHistory::RedoForm() const
{
    return CanRedo() ? m_entries[m_nNext].form : -1;
}

bool CImageHistory::Undo(ImageState& stateOut)
{
    if (!CanUndo())
    {
        return false;
    }
    --m_nNext;
    stateOut = m_entries[m_nNext].before;
    return true;
}

bool CImageHistory::Redo(ImageState& stateOut)
{
    if (!CanRedo())
    {
        return false;
    }
    stateOut = m_entries[m_nNext].after;
    ++m_nNext;
    return true;
}

void CImageHistory::Clear()
{
    m_entries.clear();
    m_nNext = 0;
    m_nSaved = 0;
}

void CImageHistory::MarkSaved()
{
    m_nSaved = static_cast<long>(m_nNext);
}

bool CImageHistory::IsAtSave() const
{
    return m_nSaved == static_cast<long>(m_nNext);
}
