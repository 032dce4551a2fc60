// Scratch folder of a fuzzing process.

// own
#include "FuzzScratch.h"

// std
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>

CFuzzScratch& CFuzzScratch::Instance()
{
    static CFuzzScratch scratch;
    return scratch;
}

CFuzzScratch::CFuzzScratch()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/vesk4-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
    {
        std::perror("vesk4 fuzz: no scratch folder");
        std::abort();
    }
    m_strFolder = pattern;
    // mkdtemp made it 0700 and ours: what the port lock asks of its folder.
    ::setenv("XDG_RUNTIME_DIR", m_strFolder.c_str(), 1);
    ::setenv("HOME", m_strFolder.c_str(), 1);
}

CFuzzScratch::~CFuzzScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(m_strFolder, ec);
}

bool CFuzzScratch::WriteFile(const std::string& path, const std::uint8_t* data,
                             std::size_t size) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return static_cast<bool>(out);
}

bool CFuzzScratch::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}
