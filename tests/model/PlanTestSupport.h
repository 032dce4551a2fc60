// Images with a chosen model and channels written through the Channel form's
// rules, shared by the comparison and channel-plan tests.
#pragma once

#include "TestSupport.h"

// model
#include "model/ChannelCheck.h"
#include "model/ChannelRules.h"
#include "model/ChannelStore.h"
#include "model/Synthesizer.h"

// std
#include <string>

// An image of a model with its wide and narrow steps and injection side, as
// the Model form leaves it.
inline CRadioImage PlanImage(int model, double wideHz = 5000.0, double narrowHz = 6250.0,
                             bool highInjection = true)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(model));
    EXPECT_TRUE(image.SetWideReference(wideHz));
    EXPECT_TRUE(image.SetNarrowReference(narrowHz));
    EXPECT_TRUE(image.SetWideIfOffset(ComputeIfOffset(model, !highInjection, wideHz)));
    EXPECT_TRUE(image.SetNarrowIfOffset(ComputeIfOffset(model, !highInjection, narrowHz)));
    image.DeriveInjection();
    return image;
}

// One side of an entry: a frequency text, and a tone index or a DCS text
// ("-" first for inverted) or neither.
inline ChannelSideEntry Side(const std::string& mhz, int tone = -1, const std::string& dcs = "")
{
    ChannelSideEntry side;
    side.frequencyText = mhz;
    side.signallingType = tone >= 0      ? kSignallingCtcss
                          : !dcs.empty() ? kSignallingDcs
                                         : kSignallingNone;
    side.toneIndex = tone;
    side.dcsText = dcs;
    return side;
}

// Writes channel n as the form would; fails the test when the entry is refused.
inline void PutChannel(CRadioImage& image, int n, const std::string& name,
                       const ChannelSideEntry& rx, const ChannelSideEntry& tx,
                       const ChannelSwitches& switches = {})
{
    CChannelRules rules;
    ASSERT_TRUE(rules.LoadFromImage(image));
    ChannelEntry entry;
    entry.channel = n;
    entry.name = name;
    entry.narrow = switches.narrow;
    entry.rx = rx;
    entry.tx = tx;
    ChannelValues values;
    ChannelCheckFailure failure;
    ASSERT_TRUE(CheckChannelEntry(rules, entry, values, failure)) << failure.message;
    ASSERT_TRUE(StoreChannel(image, n, values, switches));
}
