// A one-line progress bar on standard error for transfers.
#pragma once

// std
#include <cstdio>

class CProgressBar
{
public:
    // range: positions of a full transfer (64 for 1024 records).
    CProgressBar(bool enabled, int range, std::FILE* out = stderr);
    void Show(int position);
    // Ends the line if anything was drawn.
    void Finish();

private:
    bool m_bEnabled;
    int m_nRange;
    std::FILE* m_pOut;
    int m_nShown = -1;
};
