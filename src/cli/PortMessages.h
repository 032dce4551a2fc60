// The messages of one port's session in a fleet run, kept in memory apart
// from the other ports', so that each radio's row can name its own reason.
#pragma once

// std
#include <cstddef>
#include <cstdio>
#include <string>

class CPortMessages
{
public:
    CPortMessages();
    ~CPortMessages();
    CPortMessages(const CPortMessages&) = delete;
    CPortMessages& operator=(const CPortMessages&) = delete;

    // Without memory for them the messages go to stderr as they come.
    std::FILE* File() const { return m_pFile != nullptr ? m_pFile : stderr; }
    // Where the messages end now.
    std::size_t Mark();
    // The last message written since mark on one line, without the program's
    // name before it, passing over messages at the end that start with skip.
    std::string LastSince(std::size_t mark, const std::string& skip = {});

private:
    char* m_pText = nullptr;
    std::size_t m_nSize = 0;
    std::FILE* m_pFile = nullptr;
};
