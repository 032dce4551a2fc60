// An environment variable set for one scope, for tests of where per-user
// files go.
#pragma once

// std
#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable for one scope and puts the old value back.
class CScopedEnv
{
public:
    CScopedEnv(const char* name, const char* value) : m_strName(name)
    {
        if (const char* old = std::getenv(name); old != nullptr)
        {
            m_old = old;
        }
        if (value != nullptr)
        {
            ::setenv(name, value, 1);
        }
        else
        {
            ::unsetenv(name);
        }
    }
    ~CScopedEnv()
    {
        if (m_old)
        {
            ::setenv(m_strName.c_str(), m_old->c_str(), 1);
        }
        else
        {
            ::unsetenv(m_strName.c_str());
        }
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_strName;
    std::optional<std::string> m_old;
};
