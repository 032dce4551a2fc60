// Utility > Compare with Radio against the simulated radio on a
// pseudo-terminal: the window lists exactly the fields in which the radio
// differs, a backup keeps what was read, and the Radio Comm form lends its
// port for the read and has it back afterwards.

// own (and tests/common: EventWaits.h)
#include "AppFixture.h"
#include "CompareRows.h"
#include "EventWaits.h"

// app
#include "app/CompareCommands.h"
#include "app/DemoRadio.h"

// views
#include "views/ConnectView.h"
#include "views/RadioReader.h"

// model
#include "model/BackupStore.h"
#include "model/ImageHistory.h"

// link
#include "link/LinkTexts.h"

// sim
#include "sim/SampleImage.h"

// Qt
#include <QLabel>

class CompareRadioTest : public AppFixture
{
protected:
    void StartWithRadio(const CRadioImage& radio)
    {
        std::vector<std::uint8_t> bytes(kImageSize);
        ASSERT_TRUE(radio.ReadBlock(bytes.data(), 0, kImageSize));
        ASSERT_TRUE(m_demo.Start(0));
        m_demo.Radio().SetEeprom(bytes.data());
        Start();
        m_demo.Attach(*m_app);
    }

    CDemoRadio m_demo;
};

TEST_F(CompareRadioTest, ListsExactlyTheFieldsTheRadioDiffersIn)
{
    CRadioImage sample;
    ASSERT_TRUE(BuildSampleImage(sample));
    CRadioImage radio = sample;
    ASSERT_TRUE(radio.SetChannelName(2, "RADIO"));
    ASSERT_TRUE(radio.SetTimeOutTimer(2));
    ASSERT_TRUE(radio.SetAniNumber("55"));
    StartWithRadio(radio);
    // The window holds the sample as a 320-channel dump file.
    CPlainAppState state;
    state.m_nChannelCode = 2;
    state.m_nChannelMode = 1;
    ASSERT_TRUE(sample.SaveToFile(Path("sample.dmp"), state));
    ASSERT_TRUE(Frame().OpenDumpFile(Path("sample.dmp")));

    // From the Radio Comm form, which holds the port until it lends it.
    Frame().SwitchView(VIEW_CONNECT);
    auto* form = dynamic_cast<CConnectView*>(m_app->GetView(VIEW_CONNECT));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Conversation().Link().IsOpen());
    Frame().GetCommand(ID_COMPARE_RADIO)->trigger();
    CCompareCommands& compare = Frame().CompareCommands();
    ASSERT_NE(compare.Reader(), nullptr);
    EXPECT_NE(compare.Reader()->Progress(), nullptr);
    EXPECT_FALSE(Frame().GetCommand(ID_COMPARE_RADIO)->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return compare.LastWindow() != nullptr; }, 30000))
        << ::testing::PrintToString(m_ui.Texts());

    std::string name;
    ASSERT_TRUE(sample.GetChannelName(2, name));
    const std::vector<std::vector<std::string>> expected = {
        {"Option", "time-out timer", "INF", "90 sec"},
        {"2tone", "ANI number", "\"          \"", "\"55        \""},
        {"Channel", "ch 3 name", "\"" + name + "\"", "\"RADIO\""},
    };
    EXPECT_EQ(CompareRows(*compare.LastWindow()), expected);
    EXPECT_TRUE(Frame().GetCommand(ID_COMPARE_RADIO)->isEnabled());

    // What was read is kept, and the form has its port again.
    std::vector<BackupEntry> backups;
    const CBackupStore store(CBackupStore::DefaultFolder());
    ASSERT_TRUE(store.List(backups));
    ASSERT_FALSE(backups.empty());
    CRadioImage kept;
    CPlainAppState keptState;
    ASSERT_TRUE(kept.LoadFromFile(store.Folder() + "/" + backups.back().strName, keptState));
    EXPECT_TRUE((ImageState{kept, 1} == ImageState{radio, 1}));
    EXPECT_EQ(keptState.m_nChannelCode, 2);
    EXPECT_TRUE(WaitUntil([&] { return form->Conversation().Link().IsOpen(); }));
    // Nothing the radio said was taken into the window.
    EXPECT_FALSE(Frame().History().CanUndo());
}

TEST_F(CompareRadioTest, CancelDuringTheReadComparesNothing)
{
    // At the radio's own speed the read takes long enough to be cancelled.
    ASSERT_TRUE(m_demo.Start(2400));
    Start();
    m_demo.Attach(*m_app);
    const CBackupStore store(CBackupStore::DefaultFolder());
    std::vector<BackupEntry> before;
    ASSERT_TRUE(store.List(before));
    Frame().GetCommand(ID_COMPARE_RADIO)->trigger();
    CCompareCommands& compare = Frame().CompareCommands();
    ASSERT_NE(compare.Reader(), nullptr);
    ASSERT_NE(compare.Reader()->Progress(), nullptr);
    compare.Reader()->Progress()->OnCancel();
    ASSERT_TRUE(WaitUntil([&] { return !compare.IsReading(); }));
    EXPECT_EQ(m_ui.CountOf(kUploadCancelledText), 1);
    EXPECT_TRUE(WaitUntil([&] { return Frame().GetCommand(ID_COMPARE_RADIO)->isEnabled(); }));
    EXPECT_EQ(compare.LastWindow(), nullptr);
    std::vector<BackupEntry> after;
    ASSERT_TRUE(store.List(after));
    EXPECT_EQ(after.size(), before.size());
}
