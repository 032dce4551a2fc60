// The radios and plans of the clone and fleet tests: a radio as a factory
// leaves it and a dealer's plan for the same model.
#pragma once

// model
#include "model/ImageClone.h"
#include "model/RadioImage.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// std
#include <gtest/gtest.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> ImageBytes(const CRadioImage& image)
{
    std::vector<std::uint8_t> bytes(kImageSize);
    EXPECT_TRUE(image.ReadBlock(bytes.data(), 0, kImageSize));
    return bytes;
}

// A radio of model 5 (VHF(H) A Band) as a factory would leave it: serial
// number, customer, date, reference steps, high-side injection, alignment.
inline CRadioImage MakeRadio(int model = 5, const char* serial = "12AB3400")
{
    CRadioImage image;
    EXPECT_TRUE(image.SetSerialNumber(serial));
    EXPECT_TRUE(image.SetCustomer("77"));
    EXPECT_TRUE(image.SetDate(2021, 4, 9));
    EXPECT_TRUE(image.SetModel(model));
    EXPECT_TRUE(image.SetWideReference(5000));
    EXPECT_TRUE(image.SetNarrowReference(6250));
    EXPECT_TRUE(image.SetWideIfOffset(-9000));
    EXPECT_TRUE(image.SetNarrowIfOffset(-7200));
    image.DeriveInjection();
    EXPECT_TRUE(image.SetTxHighPowerLevel(201));
    EXPECT_TRUE(image.SetSqVolume(44));
    EXPECT_TRUE(image.SetChannelName(0, "FACTORY"));
    return image;
}

// A dealer's plan for the same model: another serial number and alignment,
// its own channels, group names, options and ANI.
inline CRadioImage MakePlan(int model = 5)
{
    CRadioImage image = MakeRadio(model);
    EXPECT_TRUE(image.SetSerialNumber("99"));
    EXPECT_TRUE(image.SetCustomer("1"));
    EXPECT_TRUE(image.SetTxHighPowerLevel(3));
    EXPECT_TRUE(image.SetSqVolume(2));
    EXPECT_TRUE(image.SetChannelName(0, "DEPOT"));
    EXPECT_TRUE(image.SetChannelName(119, "YARD"));
    EXPECT_TRUE(image.SetRxWord(119, 0x0A408));
    EXPECT_TRUE(image.SetGroupName(0, "NORTH"));
    EXPECT_TRUE(image.SetAniNumber("4711"));
    EXPECT_TRUE(image.SetTimeOutTimer(2));
    return image;
}

// What a radio left as MakeRadio(5, serial) holds once plan is cloned into it.
inline std::vector<std::uint8_t> Cloned(const char* serial, const CRadioImage& plan = MakePlan())
{
    CRadioImage merged;
    CImageClone::Merge(MakeRadio(5, serial), plan, merged);
    return ImageBytes(merged);
}

// Simulated radios, each on a pseudo-terminal of its own; ports are declared
// last so that each goes before the radio it answers for.
struct SimRadios
{
    // A radio left as MakeRadio(5, serial); its device path.
    std::string Add(const char* serial, const SimFaults& faults = {})
    {
        radios.push_back(std::make_unique<CSimRadio>());
        radios.back()->SetChannels(320);
        radios.back()->SetEeprom(ImageBytes(MakeRadio(5, serial)).data());
        ports.push_back(std::make_unique<CSimPort>(*radios.back()));
        ports.back()->SetFaults(faults);
        EXPECT_TRUE(ports.back()->Start());
        return ports.back()->DevicePath();
    }
    void Clear()
    {
        ports.clear();
        radios.clear();
    }

    std::vector<std::unique_ptr<CSimRadio>> radios;
    std::vector<std::unique_ptr<CSimPort>> ports;
};
