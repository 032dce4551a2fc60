// Scripted serial backend.

// own
#include "ScriptedBackend.h"

// std
#include <algorithm>
#include <cstring>

CScriptedBackend::CScriptedBackend(std::vector<Step> script)
    : m_script(std::make_move_iterator(script.begin()), std::make_move_iterator(script.end()))
{
}

PortError CScriptedBackend::Open(const std::string& /*device*/)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_bOpen = true;
    return PortError::None;
}

bool CScriptedBackend::Configure(const LineSettings& /*settings*/)
{
    return true;
}

void CScriptedBackend::Close()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_bOpen = false;
}

SerialResult CScriptedBackend::WaitReadable(int /*timeoutMs*/)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_bWake)
    {
        m_bWake = false;
        return SerialResult::Woken;
    }
    if (!m_bOpen)
    {
        return SerialResult::Gone;
    }
    // A discard failure arms the next discard and takes no wait of its own.
    while (!m_script.empty() && m_script.front().kind == StepKind::DiscardFails)
    {
        m_script.pop_front();
        ++m_nDiscardFailures;
    }
    if (m_script.empty())
    {
        return SerialResult::Gone;
    }
    Step& step = m_script.front();
    switch (step.kind)
    {
    case StepKind::TimedOut:
        m_script.pop_front();
        return SerialResult::TimedOut;
    case StepKind::Woken:
        m_script.pop_front();
        return SerialResult::Woken;
    default:
        m_bReadPending = true;
        return SerialResult::Ok;
    }
}

void CScriptedBackend::Wake()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_bWake = true;
}

SerialResult CScriptedBackend::Read(std::uint8_t* dest, std::size_t capacity, std::size_t& got)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    got = 0;
    if (!m_bOpen)
    {
        return SerialResult::Gone;
    }
    if (!m_bReadPending || m_script.empty())
    {
        return SerialResult::Empty;
    }
    m_bReadPending = false;
    Step& step = m_script.front();
    if (step.kind == StepKind::EmptyRead)
    {
        m_script.pop_front();
        return SerialResult::Empty;
    }
    if (step.kind == StepKind::ReadFails)
    {
        m_script.pop_front();
        return SerialResult::Failed;
    }
    if (step.kind != StepKind::Data)
    {
        return SerialResult::Empty;
    }
    got = std::min(capacity, step.bytes.size());
    if (got == 0)
    {
        m_script.pop_front();
        return SerialResult::Empty;
    }
    std::memcpy(dest, step.bytes.data(), got);
    step.bytes.erase(step.bytes.begin(), step.bytes.begin() + static_cast<std::ptrdiff_t>(got));
    if (step.bytes.empty())
    {
        m_script.pop_front();
    }
    return SerialResult::Ok;
}

SerialResult CScriptedBackend::Write(const std::uint8_t* source, std::size_t count,
                                     int /*stallTimeoutMs*/)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!m_bOpen)
    {
        return SerialResult::Gone;
    }
    m_written.insert(m_written.end(), source, source + count);
    return SerialResult::Ok;
}

SerialResult CScriptedBackend::Drain()
{
    return SerialResult::Ok;
}

SerialResult CScriptedBackend::DiscardInput()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!m_bOpen)
    {
        return SerialResult::Gone;
    }
    if (m_nDiscardFailures > 0)
    {
        --m_nDiscardFailures;
        return SerialResult::Failed;
    }
    return SerialResult::Ok;
}

SerialResult CScriptedBackend::SetRts(bool /*on*/)
{
    return SerialResult::Ok;
}

SerialResult CScriptedBackend::GetModemLines(bool& cts, bool& dsr)
{
    cts = true;
    dsr = true;
    return SerialResult::Ok;
}

std::vector<std::uint8_t> CScriptedBackend::Written() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_written;
}
