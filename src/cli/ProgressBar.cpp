// Progress bar drawing.

// own
#include "cli/ProgressBar.h"

// std
#include <algorithm>
#include <string>

CProgressBar::CProgressBar(bool enabled, int range, std::FILE* out)
    : m_bEnabled(enabled), m_nRange(std::max(range, 1)), m_pOut(out)
{
}

void CProgressBar::Show(int position)
{
    if (!m_bEnabled)
    {
        return;
    }
    position = std::clamp(position, 0, m_nRange);
    if (position == m_nShown)
    {
        return;
    }
    m_nShown = position;
    const int width = 40;
    const int filled = position * width / m_nRange;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(width - filled), '-');
    std::fprintf(m_pOut, "\r[%s] %3d%%", bar.c_str(), position * 100 / m_nRange);
    std::fflush(m_pOut);
}

void CProgressBar::Finish()
{
    if (m_bEnabled && m_nShown >= 0)
    {
        std::fputc('\n', m_pOut);
        std::fflush(m_pOut);
    }
    m_nShown = -1;
}
