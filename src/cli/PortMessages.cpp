// One port's messages in memory.

// own
#include "cli/PortMessages.h"

// std
#include <cstdlib>
#include <vector>

CPortMessages::CPortMessages() : m_pFile(::open_memstream(&m_pText, &m_nSize)) {}

CPortMessages::~CPortMessages()
{
    if (m_pFile != nullptr)
    {
        std::fclose(m_pFile);
    }
    std::free(m_pText);
}

std::size_t CPortMessages::Mark()
{
    return m_pFile != nullptr && std::fflush(m_pFile) == 0 ? m_nSize : 0;
}

std::string CPortMessages::LastSince(std::size_t mark, const std::string& skip)
{
    const std::size_t end = Mark();
    if (m_pFile == nullptr || end <= mark)
    {
        return {};
    }
    // Every message starts with the program's name; its further lines belong
    // to it.
    const std::string prefix = "vesk4-cli: ";
    const std::string text(m_pText + mark, end - mark);
    std::vector<std::string> messages;
    std::size_t at = 0;
    while (at < text.size())
    {
        std::size_t next = text.find('\n', at);
        next = next == std::string::npos ? text.size() : next;
        const std::string line = text.substr(at, next - at);
        at = next + 1;
        if (line.rfind(prefix, 0) == 0 || messages.empty())
        {
            messages.push_back(line);
        }
        else if (!line.empty())
        {
            messages.back() += " " + line;
        }
    }
    while (!messages.empty() && !skip.empty() && messages.back().rfind(skip, 0) == 0)
    {
        messages.pop_back();
    }
    if (messages.empty())
    {
        return {};
    }
    std::string last = messages.back();
    if (last.rfind(prefix, 0) == 0)
    {
        last.erase(0, prefix.size());
    }
    return last;
}
