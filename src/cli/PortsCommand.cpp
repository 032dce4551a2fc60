// ports: the serial devices present, one line each, with who holds them; with
// --diagnose, why a port cannot be had and what to do.

// own
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

// link
#include "link/PortDiagnosis.h"
#include "link/PortMap.h"
#include "link/PosixSerialBackend.h"
#include "link/ProfileFile.h"
#include "link/SerialDevices.h"

// std
#include <cstdio>
#include <filesystem>
#include <string>

namespace
{
std::string HolderState(const PortDiagnosis& diagnosis)
{
    switch (diagnosis.m_problem)
    {
    case PortProblem::HeldByCopy:
    case PortProblem::HeldByProgram:
        return std::string(kPortsHeldBy) + " " + diagnosis.m_strProgram + " (process " +
               std::to_string(diagnosis.m_nPid) + ")";
    case PortProblem::NotInGroup:
    case PortProblem::NewLoginNeeded:
    case PortProblem::NoPermission:
        return std::string(kPortsNoAccess) + " " + diagnosis.m_strGroup + ")";
    default:
        return kPortsFree;
    }
}

std::string DeviceLine(const SerialDevice& device, const std::string& state)
{
    std::string line = device.m_strNode;
    const auto add = [&line](const std::string& part)
    {
        if (!part.empty())
        {
            line += "  " + part;
        }
    };
    add(CSerialDevices::Label(device));
    if (!device.m_strById.empty())
    {
        add(std::filesystem::path(device.m_strById).filename().string());
    }
    if (device.m_bUsb)
    {
        add(device.m_strVendorId + ":" + device.m_strProductId);
        std::string names = device.m_strManufacturer;
        if (!device.m_strProduct.empty())
        {
            names += (names.empty() ? "" : " / ") + device.m_strProduct;
        }
        add(names);
        add(device.m_strSerial.empty() ? std::string() : "serial " + device.m_strSerial);
    }
    add(device.m_strDriver.empty() ? std::string() : "driver " + device.m_strDriver);
    add(state);
    return line;
}
} // namespace

int RunPorts(const CCliOptions& options)
{
    if (!options.m_args.empty())
    {
        return UsageError(kWrongArguments, options.m_strCommand);
    }
    const CSerialDevices devices;
    const CPortDiagnosis diagnosis;
    if (!options.m_strPort.empty())
    {
        // One port as the radio commands would open it: COM1..COM4 through
        // Comport.ini, a by-id name or a path.
        CPortMap map;
        map.Load(CProfileFile("Comport.ini"));
        std::string path;
        if (!map.Resolve(options.m_strPort, path))
        {
            return UsageError(kBadPortName, options.m_strPort);
        }
        SerialDevice device;
        const PortDiagnosis found = diagnosis.Diagnose(path);
        if (devices.Describe(path, device))
        {
            std::printf("%s\n", DeviceLine(device, HolderState(found)).c_str());
        }
        // Opened as the radio commands open it: a program that holds the
        // device without a lock does not keep this one out, and the
        // diagnosis alone cannot tell.
        CPosixSerialBackend backend;
        const PortError error = backend.Open(path);
        backend.Close();
        if (error == PortError::None)
        {
            std::printf(kPortsUsable, path.c_str());
            if (found.m_problem == PortProblem::HeldByProgram)
            {
                std::printf(kPortsSharedWith, found.m_strProgram.c_str(), found.m_nPid);
            }
            return kExitOk;
        }
        const std::string why = CPortDiagnosis::Text(found);
        std::printf(kPortsDiagnosis, path.c_str(), why.empty() ? kPortsNotOpened : why.c_str());
        switch (error)
        {
        case PortError::Missing:
            return kExitNoPort;
        case PortError::InUse:
            return kExitPortBusy;
        case PortError::Denied:
            return kExitPortDenied;
        default:
            return kExitNoPort;
        }
    }
    const std::vector<SerialDevice> list = devices.Scan();
    if (list.empty())
    {
        std::fputs(kPortsNone, stdout);
    }
    for (const SerialDevice& device : list)
    {
        const PortDiagnosis found = diagnosis.Diagnose(device.m_strNode);
        std::printf("%s\n", DeviceLine(device, HolderState(found)).c_str());
        if (options.m_bDiagnose && found.m_problem != PortProblem::None)
        {
            std::printf("    %s\n", CPortDiagnosis::Text(found).c_str());
        }
    }
    return kExitOk;
}
