// The channel list's rules: edits of runs of channels, cells checked as the
// Channel form checks them, and the undo history that takes every edit back.
#include "PlanTestSupport.h"

// model
#include "model/ChannelClipboard.h"
#include "model/ChannelEdits.h"
#include "model/ChannelGrid.h"
#include "model/ChannelTexts.h"
#include "model/GridTexts.h"
#include "model/ImageHistory.h"

// std
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr int kCapacity = 120;

// Channels 1..5 named A..E on 150.0, 150.1 .. MHz in reverse order of names,
// the rest empty.
CRadioImage FiveChannels()
{
    CRadioImage image = PlanImage(5, 5000.0, 5000.0);
    const char* names[] = {"E", "D", "C", "B", "A"};
    for (int k = 0; k < 5; ++k)
    {
        PutChannel(image, k + 1, names[k], Side("150." + std::to_string(k)),
                   Side("150." + std::to_string(k)),
                   ChannelSwitches{false, false, false, false, false, false, k == 3, false, 255});
    }
    return image;
}

// The names of channels 1..7, "-" for an empty one.
std::string Names(const CRadioImage& image)
{
    CChannelRules rules;
    EXPECT_TRUE(rules.LoadFromImage(image));
    std::string names;
    for (int n = 1; n <= 7; ++n)
    {
        StoredChannel record;
        EXPECT_TRUE(ReadChannel(image, rules, n, record));
        names += ChannelEdits::InUse(image, n) ? record.name : std::string("-");
    }
    return names;
}
} // namespace

// Every edit of runs of channels, also each with its undo and redo through
// the history, back to the same bytes.
TEST(ChannelList, EditsMoveWholeRecordsAndUndoGivesBackTheBytes)
{
    using namespace ChannelEdits;
    using Edit = std::function<bool(CRadioImage&, const CChannelRules&)>;
    const struct
    {
        const char* name;
        Edit edit;
        const char* expected; // channels 1..7 after it; null: refused
    } cases[] = {
        {"clear", [](CRadioImage& i, const CChannelRules&) { return Clear(i, kCapacity, 2, 2); },
         "E--BA--"},
        {"insert", [](CRadioImage& i, const CChannelRules&) { return Insert(i, kCapacity, 2, 2); },
         "E--DCBA"},
        {"insert past the end",
         [](CRadioImage& i, const CChannelRules&) { return Insert(i, 5, 1, 1); }, nullptr},
        {"remove", [](CRadioImage& i, const CChannelRules&) { return Remove(i, kCapacity, 1, 2); },
         "CBA----"},
        {"move up",
         [](CRadioImage& i, const CChannelRules&) { return Move(i, kCapacity, 3, 2, -1); },
         "ECBDA--"},
        {"move down",
         [](CRadioImage& i, const CChannelRules&) { return Move(i, kCapacity, 1, 2, 1); },
         "CEDBA--"},
        {"move above the first",
         [](CRadioImage& i, const CChannelRules&) { return Move(i, kCapacity, 1, 1, -1); },
         nullptr},
        {"sort by name, empties last",
         [](CRadioImage& i, const CChannelRules& r)
         { return Sort(i, r, kCapacity, 1, 7, SortKey::Name); },
         "ABCDE--"},
        {"sort by scan group",
         [](CRadioImage& i, const CChannelRules& r)
         { return Sort(i, r, kCapacity, 1, 5, SortKey::ScanGroup); },
         "BEDCA--"},
        {"sort by frequency, already in order",
         [](CRadioImage& i, const CChannelRules& r)
         { return Sort(i, r, kCapacity, 1, 5, SortKey::RxFrequency); },
         "EDCBA--"},
        {"cell",
         [](CRadioImage& i, const CChannelRules& r)
         {
             std::string reason;
             return ChannelGrid::SetCell(i, r, 6, GridColumn::RxFrequency, "151.0", reason) &&
                    ChannelGrid::SetCell(i, r, 6, GridColumn::Name, "f", reason);
         },
         "EDCBAF-"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CRadioImage original = FiveChannels();
        CChannelRules rules;
        ASSERT_TRUE(rules.LoadFromImage(original));
        CRadioImage image = original;
        const bool done = c.edit(image, rules);
        ASSERT_EQ(done, c.expected != nullptr);
        EXPECT_EQ(Names(image), c.expected != nullptr ? c.expected : "EDCBA--");
        if (!done)
        {
            EXPECT_TRUE((ImageState{image, 0} == ImageState{original, 0}));
            continue;
        }
        CImageHistory history;
        history.Record(c.name, 9, ImageState{original, 0}, ImageState{image, 0});
        if (ImageState{image, 0} == ImageState{original, 0})
        {
            EXPECT_FALSE(history.CanUndo());
            continue;
        }
        ImageState state;
        ASSERT_TRUE(history.Undo(state));
        EXPECT_TRUE((state == ImageState{original, 0}));
        ASSERT_TRUE(history.Redo(state));
        EXPECT_TRUE((state == ImageState{image, 0}));
    }
}

TEST(ChannelList, CellsShowAndTakeWhatTheChannelFormWould)
{
    CRadioImage image = FiveChannels();
    CChannelRules rules;
    ASSERT_TRUE(rules.LoadFromImage(image));
    const struct
    {
        int n;
        GridColumn column;
        const char* typed;  // null: only looked at
        const char* shown;  // what the cell shows after
        const char* reason; // null: taken
    } cases[] = {
        {1, GridColumn::RxSignalling, "D023I", "D023I", nullptr},
        {1, GridColumn::RxSignalling, "-047", "D047I", nullptr},
        {1, GridColumn::TxSignalling, "88.5", "88.5", nullptr},
        {1, GridColumn::TxSignalling, "88.4", "88.5", ChannelTexts::kTxSignallingError},
        {1, GridColumn::RxSignalling, "D024N", "D047I", ChannelTexts::kRxSignallingError},
        {1, GridColumn::RxSignalling, "none", "None", nullptr},
        {1, GridColumn::Bandwidth, "narrow", "Narrow", nullptr},
        {1, GridColumn::Power, "Full", "Normal", GridTexts::kChoiceError},
        {1, GridColumn::Aux, "01011010", "01011010", nullptr},
        {1, GridColumn::Aux, "0101", "01011010", GridTexts::kAuxError},
        {1, GridColumn::Name, "gate 1", "GATE 1", nullptr},
        {1, GridColumn::Name, "GATE#1", "GATE 1", ChannelTexts::kChannelNameError},
        {1, GridColumn::TxFrequency, "", "", nullptr}, // receive only
        {1, GridColumn::RxFrequency, "999.0", "150.00000", ChannelTexts::kRxFrequencyError},
        {7, GridColumn::Name, "X", "", GridTexts::kEmptyChannel},
        {7, GridColumn::RxFrequency, "152.5", "152.50000", nullptr},
        {7, GridColumn::TxFrequency, nullptr, "152.50000", nullptr}, // simplex from the start
        {2, GridColumn::RxFrequency, "", "", nullptr},               // emptied
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(ChannelGrid::Title(c.column)) + " " +
                     (c.typed != nullptr ? c.typed : "-"));
        const CRadioImage before = image;
        std::string reason;
        if (c.typed != nullptr)
        {
            EXPECT_EQ(ChannelGrid::SetCell(image, rules, c.n, c.column, c.typed, reason),
                      c.reason == nullptr);
        }
        if (c.reason != nullptr)
        {
            EXPECT_EQ(reason, c.reason);
            EXPECT_TRUE((ImageState{image, 0} == ImageState{before, 0}));
        }
        StoredChannel record;
        ASSERT_TRUE(ReadChannel(image, rules, c.n, record));
        EXPECT_EQ(ChannelGrid::CellText(record, ChannelEdits::InUse(image, c.n), c.column),
                  c.shown);
    }
}

TEST(ChannelList, HistoryNamesStepsAndKnowsTheSavedState)
{
    const CRadioImage a = FiveChannels();
    CRadioImage b = a;
    ASSERT_TRUE(ChannelEdits::Clear(b, kCapacity, 1, 1));
    CRadioImage c = b;
    ASSERT_TRUE(ChannelEdits::Clear(c, kCapacity, 2, 1));

    CImageHistory history;
    history.Record("nothing", 1, ImageState{a, 0}, ImageState{a, 0});
    EXPECT_FALSE(history.CanUndo()) << "a change of no byte is no step";
    history.Record("Clear 1 channel", 1, ImageState{a, 0}, ImageState{b, 0});
    history.MarkSaved();
    history.Record("Capacity", 2, ImageState{b, 0}, ImageState{b, 1});
    EXPECT_FALSE(history.IsAtSave());
    EXPECT_EQ(history.UndoName(), "Capacity");
    EXPECT_EQ(history.UndoForm(), 2);
    ImageState state;
    ASSERT_TRUE(history.Undo(state));
    EXPECT_EQ(state.channelMode, 0);
    EXPECT_TRUE(history.IsAtSave());
    EXPECT_EQ(history.RedoName(), "Capacity");
    // A new change drops what was undone, and the save point with it.
    history.Record("Clear 1 channel", 1, ImageState{a, 0}, ImageState{c, 0});
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo(state));
    EXPECT_TRUE(history.IsAtSave());
    for (std::size_t k = 0; k < CImageHistory::kDepth + 5; ++k)
    {
        history.Record("step", 1, ImageState{a, static_cast<int>(k)},
                       ImageState{a, static_cast<int>(k + 1)});
    }
    int steps = 0;
    while (history.Undo(state))
    {
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(CImageHistory::kDepth));
    EXPECT_EQ(state.channelMode, 5) << "the oldest steps went first";
    EXPECT_FALSE(history.IsAtSave());
}

TEST(ChannelList, CopiedRowsPasteBackAndRefusedRowsAreNamed)
{
    const CRadioImage image = FiveChannels();
    const std::string copied = ChannelClipboard::Copy(image, kCapacity, 2, 3);
    ASSERT_EQ(copied.substr(0, 14), "Location\tName\t");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 4) << "a header and three rows";

    // Pasted at 4: the rows become 4, 5 and 6, over the two channels in use.
    ChannelClipboard::PasteCheck check;
    ASSERT_TRUE(ChannelClipboard::Check(image, kCapacity, 4, copied, check));
    EXPECT_EQ(check.overwritten, (std::vector<int>{4, 5}));
    EXPECT_EQ(check.pasted, (std::vector<int>{4, 5, 6}));
    EXPECT_TRUE(check.refused.empty());
    EXPECT_EQ(Names(check.result), "EDCDCB-");

    // Rows without a header, one of them off the band: the others are taken.
    std::string rows = copied.substr(copied.find('\n') + 1);
    rows.replace(rows.find("150.200000"), 10, "450.200000");
    ASSERT_TRUE(ChannelClipboard::Check(image, kCapacity, 6, rows, check));
    ASSERT_EQ(check.refused.size(), 1u);
    EXPECT_EQ(check.refused[0].line, 2);
    EXPECT_EQ(check.refused[0].column, "Frequency");
    EXPECT_EQ(check.pasted, (std::vector<int>{6, 8}));
    EXPECT_EQ(Names(check.result), "EDCBAD-");

    EXPECT_FALSE(ChannelClipboard::Check(image, kCapacity, 1, "\n\n", check));
}

// A whole plan pasted from a spreadsheet gives the image an import of the
// same rows gives.
TEST(ChannelList, APastedPlanIsTheImportedPlan)
{
    const CRadioImage source = FiveChannels();
    std::string csv;
    std::vector<std::string> notes;
    ASSERT_TRUE(CChannelPlanCsv::Export(source, kCapacity, csv, notes));
    const CRadioImage empty = PlanImage(5, 5000.0, 5000.0);
    CRadioImage imported = empty;
    std::vector<PlanProblem> problems;
    ASSERT_TRUE(CChannelPlanCsv::Import(csv, kCapacity, false, imported, problems));
    ChannelClipboard::PasteCheck check;
    ASSERT_TRUE(ChannelClipboard::Check(
        empty, kCapacity, 1, ChannelClipboard::Copy(source, kCapacity, 1, kCapacity), check));
    EXPECT_TRUE((ImageState{check.result, 0} == ImageState{imported, 0}));
}
