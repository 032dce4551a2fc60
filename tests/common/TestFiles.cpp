// Whole files and scratch folders for tests.

// own
#include "TestFiles.h"

// std
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteText(const std::string& path, std::string_view text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return WriteText(path,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
    {
        lines.push_back(line);
    }
    return lines;
}

CScratchDir::CScratchDir(const std::string& name, unsigned mode)
{
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error)
    {
        temp = "/tmp";
    }
    std::string pattern = (temp / ("vesk4-" + name + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
    {
        return;
    }
    // mkdtemp makes it 0700 whatever is asked; a wider mode is set afterwards
    // so that the umask cannot narrow it.
    if (mode != 0700 && ::chmod(pattern.c_str(), static_cast<mode_t>(mode)) != 0)
    {
        std::filesystem::remove(pattern, error);
        return;
    }
    m_strPath = pattern;
}

CScratchDir::~CScratchDir()
{
    if (m_strPath.empty())
    {
        return;
    }
    std::error_code error;
    std::filesystem::remove_all(m_strPath, error);
}
