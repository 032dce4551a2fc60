// The Radio Comm form end to end against the simulated radio on a
// pseudo-terminal: transfers, Verify, RAM access, Cancel, faults, the port line,
// and leaving the form.

// own
#include "RadioCommFixture.h"

// link
#include "link/LinkTexts.h"
#include "link/Record.h"

// model
#include "model/BackupStore.h"

// views
#include "views/RamReadDlg.h"
#include "views/RamWriteDlg.h"
#include "views/ViewTexts.h"

// Qt
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

// std
#include <cstdlib>
#include <fstream>
#include <functional>

namespace
{
// A download is held open by a paused radio, not by its speed: this pace only
// lets the records already on their way drain in a moment once it resumes.
constexpr std::uint32_t kDownloadBaud = 115200;

QStringList Lines(QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
    {
        lines << list->item(i)->text();
    }
    return lines;
}
} // namespace

class ConnectViewTest : public RadioCommFixture
{
protected:
    // RAM Read of `count` bytes at `address`, entered and OK.
    void RamRead(CConnectView* form, const char* address, const char* count)
    {
        m_ui.m_dialogScripts.push_back(
            [address, count](QDialog& dialog)
            {
                auto& read = dynamic_cast<CRamReadDlg&>(dialog);
                read.AddressEdit()->setText(address);
                read.CountEdit()->setText(count);
                read.OnOK();
                return dialog.result();
            });
        form->RamReadButton()->click();
    }

    // Up Load through to "EEPROM copy complete.".
    void Upload(CConnectView* form)
    {
        form->UploadButton()->click();
        ASSERT_TRUE(WaitForText(kUploadCompleteText));
    }

    // Loads `bytes` into the shared image and the form's own, as File Open
    // would.
    void SetShared(CConnectView* form, const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_TRUE(m_shared.WriteBlock(bytes.data(), 0, kImageSize));
        form->LoadFromImage(m_shared);
    }

    int RadioRecordsReceived(const std::string& prefix) const
    {
        int count = 0;
        for (const SimLogEntry& entry : m_radio.Log())
        {
            count += entry.received && entry.text.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return count;
    }

    // Waits until the radio has taken nothing more for a while.
    void WaitForRadioQuiet()
    {
        std::size_t last = 0;
        ASSERT_TRUE(WaitUntil(
            [&]
            {
                const std::size_t now = m_radio.Log().size();
                const bool quiet = now == last;
                last = now;
                Pump(100);
                return quiet;
            },
            20000));
    }

    // Starts a download that cannot end by itself: the radio takes nothing
    // until ResumeRadio, so the test acts on a running download however slow
    // or fast the machine is. The link waits on the full line rather than
    // failing the write meanwhile.
    void StartHeldDownload(CConnectView* form)
    {
        m_port.SetPaused(true);
        CRadioLink& link = form->Conversation().Link();
        PortTimings timings = link.Timings();
        timings.writeStallMs = 60000;
        link.SetTimings(timings);
        // An image the check before writing has nothing to say about.
        SetShared(form, SampleEeprom());
        form->DownloadButton()->click();
        ASSERT_TRUE(WaitUntil([&] { return form->ProgressCount() >= 5; }));
        ASSERT_TRUE(link.IsDownloadRunning());
    }
    // Lets the radio take what waits; the test cancels straight after, long
    // before the rest of the image could be written at the radio's pace.
    void ResumeRadio() { m_port.SetPaused(false); }

    // The form goes (`go`) during a download: it does not wait the download
    // out, and the radio takes only part of it.
    void GoDuringADownload(const std::function<void()>& go)
    {
        StartWithRadio(std::vector<std::uint8_t>(kImageSize, 0xFF), {}, kDownloadBaud);
        CConnectView* form = OpenRadioComm();
        StartHeldDownload(form);
        ResumeRadio();
        QElapsedTimer clock;
        clock.start();
        go();
        // Waiting out the whole download would take many seconds.
        EXPECT_LT(clock.elapsed(), 2000);
        WaitForRadioQuiet();
        EXPECT_LT(RadioRecordsReceived("S1"), 1024);
    }
};

TEST_F(ConnectViewTest, UploadFromA320ChannelRadioThenCopyOkBringsItIntoTheSharedImage)
{
    const auto eeprom = SampleEeprom();
    StartWithRadio(eeprom);
    CConnectView* form = OpenRadioComm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    const auto before = Bytes(m_shared);

    form->UploadButton()->click();
    ASSERT_NE(form->Progress(), nullptr);
    EXPECT_TRUE(form->Progress()->isVisible());
    EXPECT_EQ(form->Progress()->Bar()->maximum(), 64);
    EXPECT_EQ(form->Mode(), ConversationMode::Upload);
    ASSERT_TRUE(WaitForText(kUploadCompleteText));
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->ProgressCount(), 1024);
    EXPECT_TRUE(form->IsUploaded());
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_EQ(m_host.m_nChannelMode, 1);
    EXPECT_EQ(m_host.m_nChannelCode, 2);
    EXPECT_EQ(m_ui.m_records.back().icon, MessageIcon::Information);

    // Cancel keeps the form and copies nothing.
    m_ui.m_answers = {false};
    EXPECT_FALSE(LeaveForm());
    EXPECT_EQ(m_ui.CountOf(ViewText::kCopyOk), 1);
    EXPECT_EQ(Bytes(m_shared), before);

    m_ui.m_answers = {true};
    EXPECT_TRUE(LeaveForm());
    EXPECT_EQ(m_ui.CountOf(ViewText::kCopyOk), 2);
    EXPECT_EQ(Bytes(m_shared), eeprom);
}

TEST_F(ConnectViewTest, LeavingWithoutAnUploadAsksNothingAndCopiesNothing)
{
    StartWithRadio(SampleEeprom());
    CConnectView* form = OpenRadioComm();
    auto image = SampleEeprom();
    image[0x345] = 'K';
    SetShared(form, image);
    EXPECT_TRUE(LeaveForm());
    EXPECT_TRUE(m_ui.Texts().empty());
    EXPECT_EQ(Bytes(m_shared), image);
}

TEST_F(ConnectViewTest, DownloadWritesTheFormsImageIntoTheRadio)
{
    StartWithRadio(std::vector<std::uint8_t>(kImageSize, 0xFF));
    auto image = SampleEeprom();
    image[0x1234] = 0x42;
    CConnectView* form = OpenRadioComm();
    SetShared(form, image);

    form->DownloadButton()->click();
    ASSERT_NE(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Download);
    ASSERT_TRUE(WaitForText(kDownloadCompleteText));
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->ProgressCount(), 1024);
    EXPECT_TRUE(WaitUntil([&] { return m_radio.DownloadsCompleted() == 1; }));
    EXPECT_EQ(m_radio.Eeprom(), image);
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kDownloadCompleteText});
}

// Down Load checks the form's image first: an error writes nothing and says
// which channel and field; warnings ask, and only Yes writes.
TEST_F(ConnectViewTest, DownloadChecksTheImageFirst)
{
    StartWithRadio(std::vector<std::uint8_t>(kImageSize, 0xFF));
    CConnectView* form = OpenRadioComm();
    CRadioImage image;
    ASSERT_TRUE(BuildSampleImage(image));
    // Channel 3's transmit word with a swallow count the prescaler cannot take.
    CRadioImage offGrid = image;
    ASSERT_TRUE(offGrid.SetTxWord(2, (468u << 7) | 100u) && offGrid.UpdateCheck(2));
    // Channel 4 named as channel 1.
    CRadioImage warned = image;
    std::string name;
    ASSERT_TRUE(warned.GetChannelName(0, name) && warned.SetChannelName(3, name));

    SetShared(form, Bytes(offGrid));
    form->DownloadButton()->click();
    ASSERT_EQ(m_ui.m_records.size(), 1U);
    EXPECT_EQ(m_ui.m_records[0].icon, MessageIcon::Error);
    EXPECT_NE(m_ui.m_records[0].text.find("Error: channel 3, Transmit Freq: "), std::string::npos)
        << m_ui.m_records[0].text;

    SetShared(form, Bytes(warned));
    m_ui.m_answers = {false};
    form->DownloadButton()->click();
    ASSERT_EQ(m_ui.m_records.size(), 2U);
    EXPECT_NE(m_ui.m_records[1].text.find("Warning: channel 4, Alpha Character: "),
              std::string::npos)
        << m_ui.m_records[1].text;
    EXPECT_TRUE(m_ui.m_records[1].text.ends_with("\n\nWrite anyway?")) << m_ui.m_records[1].text;
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_FALSE(RadioReceived("M2"));

    m_ui.m_answers = {true};
    form->DownloadButton()->click();
    ASSERT_TRUE(WaitForText(kDownloadCompleteText));
    EXPECT_TRUE(WaitUntil([&] { return m_radio.DownloadsCompleted() == 1; }));
    EXPECT_EQ(m_radio.Eeprom(), Bytes(warned));
}

TEST_F(ConnectViewTest, VerifyListsEachDifferenceAndAsksWhetherToGoOn)
{
    const auto eeprom = SampleEeprom();
    auto pc = eeprom;
    pc[0x0005] ^= 0x01;
    pc[0x0345] = 0x3C;
    pc[0x1FFF] ^= 0xFF;
    const struct
    {
        std::vector<std::uint8_t> image;
        std::deque<bool> answers;
        QStringList lines;
        int questions;
    } cases[] = {
        {eeprom, {}, {"Addr   PC   RADIO"}, 0},
        {pc,
         {true, true, true},
         {"Addr   PC   RADIO", QString::asprintf(" 005    %02x    %02x", pc[5], eeprom[5]),
          QString::asprintf(" 345    3c    %02x", eeprom[0x345]),
          QString::asprintf(" 1fff    %02x    %02x", pc[0x1FFF], eeprom[0x1FFF])},
         3},
        {pc,
         {false},
         {"Addr   PC   RADIO", QString::asprintf(" 005    %02x    %02x", pc[5], eeprom[5])},
         1},
    };
    StartWithRadio(eeprom);
    for (const auto& c : cases)
    {
        CConnectView* form = OpenRadioComm();
        SetShared(form, c.image);
        Upload(form);
        m_ui.Clear();
        m_ui.m_answers = c.answers;
        form->VerifyButton()->click();
        EXPECT_EQ(Lines(form->ListBox()), c.lines);
        EXPECT_EQ(m_ui.CountOf(ViewText::kFindContinue), c.questions);
        EXPECT_EQ(m_ui.Texts().back(), ViewText::kVerifyComplete);
        EXPECT_EQ(m_ui.CountOf(ViewText::kNotUploadedVerify), 0);
        // Leave without taking the upload, for the next case.
        m_ui.m_answers = {true};
        ASSERT_TRUE(LeaveForm());
    }
}

TEST_F(ConnectViewTest, VerifyWithoutAnUploadAsksFirstAndComparesWithTheImageAsConstructed)
{
    StartWithRadio(SampleEeprom());
    CConnectView* form = OpenRadioComm();
    form->ListBox()->addItem("left alone");

    m_ui.m_answers = {false};
    form->VerifyButton()->click();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{ViewText::kNotUploadedVerify});
    EXPECT_EQ(Lines(form->ListBox()), QStringList{"left alone"});

    // The buffer is the image the form was built with (reset defaults); the
    // form's image differs from it in one byte.
    CRadioImage fresh;
    auto bytes = Bytes(fresh);
    bytes[0x0100] ^= 0x10;
    SetShared(form, bytes);
    m_ui.Clear();
    m_ui.m_answers = {true, true};
    form->VerifyButton()->click();
    EXPECT_EQ(m_ui.Texts(),
              (std::vector<std::string>{ViewText::kNotUploadedVerify, ViewText::kFindContinue,
                                        ViewText::kVerifyComplete}));
    ASSERT_EQ(form->ListBox()->count(), 2);
    EXPECT_TRUE(form->ListBox()->item(1)->text().startsWith(" 100    "));
}

TEST_F(ConnectViewTest, RamWriteThenRamReadOfFourBytesAt0123)
{
    StartWithRadio(SampleEeprom());
    CConnectView* form = OpenRadioComm();

    m_ui.m_dialogScripts.push_back(
        [](QDialog& dialog)
        {
            auto& write = dynamic_cast<CRamWriteDlg&>(dialog);
            write.AddressEdit()->setText("123");
            write.CountList()->setCurrentIndex(3);
            const char* data[] = {"a5", "5A", "0", "ff"};
            for (int i = 0; i < 4; ++i)
            {
                write.DataEdit(i)->setText(data[i]);
            }
            write.OnOK();
            return dialog.result();
        });
    form->RamWriteButton()->click();
    EXPECT_EQ(form->Mode(), ConversationMode::RamWrite);
    ASSERT_TRUE(WaitUntil([&] { return RadioReceived("M0070123"); }));
    EXPECT_EQ(m_radio.Ram(0x123, 4), (std::vector<std::uint8_t>{0xA5, 0x5A, 0x00, 0xFF}));
    EXPECT_TRUE(m_ui.Texts().empty()) << "nothing is shown after a RAM write";

    RamRead(form, "0123", "4");
    EXPECT_EQ(Lines(form->ListBox()), QStringList{"Addr   RAMDATA"});
    ASSERT_TRUE(WaitForText(kRamCompleteText));
    EXPECT_EQ(Lines(form->ListBox()), (QStringList{"Addr   RAMDATA", " 123    a5", " 124    5a",
                                                   " 125    00", " 126    ff"}));
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    // A RAM read says nothing about the radio's capacity.
    EXPECT_EQ(m_host.m_nChannelCode, 1);
}

TEST_F(ConnectViewTest, RamDialogsCancelledDoNothing)
{
    StartWithRadio(SampleEeprom());
    CConnectView* form = OpenRadioComm();
    form->RamReadButton()->click(); // no script: the dialog is closed
    form->RamWriteButton()->click();
    EXPECT_EQ(Lines(form->ListBox()), QStringList{"Addr   RAMDATA"});
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    Pump(100);
    EXPECT_FALSE(RadioReceived("M1"));
    EXPECT_FALSE(RadioReceived("M0"));
}

TEST_F(ConnectViewTest, RamReadReplyNearTheTopOfTheAddressSpaceStaysInsideTheBuffer)
{
    StartWithRadio(SampleEeprom());
    CConnectView* form = OpenRadioComm();
    RamRead(form, "fffc", "4");
    ASSERT_EQ(form->Mode(), ConversationMode::RamRead);
    // A record claiming eight bytes at 0xFFFC: only the four inside are kept.
    const std::uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::string line = CRecord::Compose("S1", 0xFFFC, data, 8);
    form->OnLinkMessage(static_cast<std::int32_t>(line.size()),
                        std::vector<std::uint8_t>(line.begin(), line.end()));
    const std::uint8_t* ram = form->Conversation().RamBuffer();
    EXPECT_EQ(std::vector<std::uint8_t>(ram + 0xFFFC, ram + 0x10000),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST_F(ConnectViewTest, CancelDuringAnUploadShowsTheNoticeAndReopensThePort)
{
    SimFaults faults;
    StartWithRadio(SampleEeprom(), faults, 19200);
    CConnectView* form = OpenRadioComm();
    form->UploadButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return form->ProgressCount() >= 20; }));
    ASSERT_NE(form->Progress(), nullptr);
    form->Progress()->CancelButton()->click();
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kUploadCancelledText});
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    // What the radio still sends is ignored.
    const int count = form->ProgressCount();
    Pump(300);
    EXPECT_EQ(form->ProgressCount(), count);
    EXPECT_FALSE(form->IsUploaded());
    EXPECT_EQ(m_ui.Texts().size(), 1u);
}

TEST_F(ConnectViewTest, CancelDuringADownloadStopsItAtOnceWithoutAMessage)
{
    StartWithRadio(std::vector<std::uint8_t>(kImageSize, 0xFF), {}, kDownloadBaud);
    CConnectView* form = OpenRadioComm();
    StartHeldDownload(form);
    ResumeRadio();
    form->Progress()->CancelButton()->click();
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_FALSE(form->Conversation().Link().IsDownloadRunning());
    // The worker still ended the radio's programming mode.
    EXPECT_TRUE(WaitUntil([&] { return RadioReceived("S9"); }, 10000));
    WaitForRadioQuiet();
    EXPECT_LT(RadioRecordsReceived("S1"), 1024) << "the download stopped early";
    EXPECT_TRUE(m_ui.Texts().empty()) << "the end of a cancelled download is ignored";
}

TEST_F(ConnectViewTest, SilentRadioLeavesTheProgressUpUntilCancelAndNeverHangs)
{
    SimFaults faults;
    faults.stallAfter = 10;
    StartWithRadio(SampleEeprom(), faults);
    CConnectView* form = OpenRadioComm();
    form->UploadButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return form->ProgressCount() == 10; }));
    ASSERT_TRUE(form->IsWatchdogRunning());
    // A second without a line: the watchdog reopens the port.
    form->OnTimer(CRadioConversation::kTimerWatchdog);
    EXPECT_FALSE(form->IsWatchdogRunning());
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    EXPECT_NE(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Upload);
    EXPECT_TRUE(m_ui.Texts().empty());

    form->Progress()->OnCancel();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kUploadCancelledText});
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
}

TEST_F(ConnectViewTest, CorruptRecordEndsTheUploadWithACopyErrorAndAPortReset)
{
    SimFaults faults;
    faults.corruptRecord = 5;
    StartWithRadio(SampleEeprom(), faults);
    CConnectView* form = OpenRadioComm();
    form->UploadButton()->click();
    ASSERT_TRUE(WaitForText(kUploadErrorText));
    EXPECT_EQ(m_ui.m_records.back().icon, MessageIcon::Warning);
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_FALSE(form->IsUploaded());
    EXPECT_EQ(form->ProgressCount(), 4);
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    EXPECT_TRUE(form->Conversation().Link().IsReaderRunning());
    EXPECT_EQ(m_ui.CountOf(kUploadCompleteText), 0);
}

TEST_F(ConnectViewTest, PortThatDoesNotExistFailsAtOnceAndSaysWhy)
{
    const std::string missing = Path("no-such-tty");
    m_host.m_portMap.SetDevicePath(1, missing);
    CConnectView* form = OpenRadioComm();
    EXPECT_FALSE(form->Conversation().Link().IsOpen());
    const QString status = form->PortStatus()->text();
    EXPECT_TRUE(status.startsWith(QString::fromStdString(
        "COM1: " + missing + ": not open, there is no device " + missing + ".")))
        << status.toStdString();

    QElapsedTimer clock;
    clock.start();
    form->UploadButton()->click();
    EXPECT_EQ(form->Progress(), nullptr);
    ASSERT_TRUE(WaitForText(kUploadErrorText, 1000));
    EXPECT_LT(clock.elapsed(), 1000);

    // Down Load on a port that did not open ends with an error too, instead of
    // leaving "PLEASE WAIT !!" up for good.
    SetShared(form, SampleEeprom());
    form->DownloadButton()->click();
    ASSERT_TRUE(WaitForText(kDownloadErrorText, 2000));
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{kUploadErrorText, kDownloadErrorText}));
}

TEST_F(ConnectViewTest, ThePortChoiceReopensTheFormOnTheChosenPort)
{
    StartWithRadio(SampleEeprom());
    m_host.m_portMap.SetDevicePath(1, Path("no-such-tty"));
    m_host.m_portMap.SetDevicePath(2, m_port.DevicePath());
    CConnectView* form = OpenRadioComm();
    EXPECT_FALSE(form->Conversation().Link().IsOpen());
    EXPECT_TRUE(form->PortStatus()->text().startsWith("COM1: "));

    ChooseCom2();
    EXPECT_EQ(form->PortNumber(), 2);
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    EXPECT_EQ(form->PortStatus()->text(),
              QString::fromStdString("COM2: pseudo-terminal, " + m_port.DevicePath() + ": open."));
    Upload(form);
}

TEST_F(ConnectViewTest, APortChangeDuringADownloadReportsItAsFailedNotComplete)
{
    StartWithRadio(std::vector<std::uint8_t>(kImageSize, 0xFF), {}, kDownloadBaud);
    CConnectView* form = OpenRadioComm();
    StartHeldDownload(form);
    ResumeRadio();
    // Comport set and OK on the same port.
    form->OnPortChanged();
    EXPECT_EQ(form->Progress(), nullptr);
    EXPECT_EQ(form->Mode(), ConversationMode::Idle);
    EXPECT_TRUE(form->Conversation().Link().IsOpen());
    WaitForRadioQuiet();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kDownloadErrorText});
}

// The port line alone, and with the device as the device list names it and the
// link's diagnosis in place of the general advice.
TEST(ConnectViewText, PortLineSaysWhyAndWhatToDo)
{
    const std::string then = ", then choose Utility > Comport set and OK.";
    const auto denied = [&](const std::string& group)
    {
        return "COM1: /dev/ttyUSB0: not open, permission denied. Add yourself to the group " +
               group + " (sudo usermod -aG " + group + " $USER), log in again" + then;
    };
    const char* cable = "USB serial cable FT232R USB UART";
    const struct
    {
        bool open;
        PortError error;
        const char *group, *label, *diagnosis;
        std::string expected;
    } cases[] = {
        {true, PortError::None, "", "", "", "COM1: /dev/ttyUSB0: open."},
        {false, PortError::Missing, "", "", "",
         "COM1: /dev/ttyUSB0: not open, no such device. Plug in the cable or adapter, or name "
         "its device in Comport.ini, section [Devices] (for example COM1=/dev/ttyUSB0)" +
             then},
        {false, PortError::InUse, "", "", "",
         "COM1: /dev/ttyUSB0: not open, in use by another program. Close that program" + then},
        {false, PortError::Denied, "uucp", "", "", denied("uucp")},
        {false, PortError::Denied, "", "", "", denied("dialout")},
        {false, PortError::Lost, "", "", "",
         "COM1: /dev/ttyUSB0: the device went away. Reconnect it" + then},
        {false, PortError::Failed, "", "", "", "COM1: /dev/ttyUSB0: not open."},
        {true, PortError::None, "", cable, "",
         "COM1: USB serial cable FT232R USB UART, /dev/ttyUSB0: open."},
        {false, PortError::InUse, "", cable, "brltty (process 7) has the device open.",
         "COM1: USB serial cable FT232R USB UART, /dev/ttyUSB0: not open, brltty (process 7) "
         "has the device open. Then choose Utility > Comport set and OK."},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(
            CViewLink::StatusText(1, "/dev/ttyUSB0", c.open, c.error, c.group, c.label, c.diagnosis)
                .toStdString(),
            c.expected);
    }
    EXPECT_TRUE(CViewLink::StatusText(2, "", false, PortError::Missing, "")
                    .startsWith("COM2: (no device): not open, no such device."));
}

TEST_F(ConnectViewTest, LeavingDuringADownloadCancelsAndWaitsForTheWorker)
{
    GoDuringADownload([this] { EXPECT_TRUE(LeaveForm()); });
    EXPECT_TRUE(m_ui.Texts().empty()) << "what was queued for the form went with it";
}

TEST_F(ConnectViewTest, ClosingTheFormDuringADownloadWaitsForTheWorker)
{
    GoDuringADownload([this] { CloseForm(); });
}

TEST_F(ConnectViewTest, ALaterUploadThatFailsIsNotCopiedEvenAfterAnEarlierOk)
{
    // The second upload breaks off at its fifth record (the first sends 1024
    // records and "S9").
    SimFaults faults;
    faults.corruptRecord = 1025 + 5;
    StartWithRadio(SampleEeprom(), faults);
    CConnectView* form = OpenRadioComm();
    const auto before = Bytes(m_shared);
    Upload(form);
    ASSERT_TRUE(form->ValidateForm() == false); // no answer queued: Cancel
    m_ui.m_answers = {true};
    ASSERT_TRUE(form->ValidateForm());
    ASSERT_TRUE(form->IsCopyAccepted());

    m_ui.Clear();
    form->UploadButton()->click();
    ASSERT_TRUE(WaitForText(kUploadErrorText));
    EXPECT_FALSE(form->IsUploaded());
    EXPECT_TRUE(LeaveForm());
    EXPECT_EQ(m_ui.CountOf(ViewText::kCopyOk), 0);
    EXPECT_EQ(Bytes(m_shared), before) << "a half-overwritten buffer is no copy";
}

// Every complete upload is also kept in the backup folder; turning backups
// off keeps none, and a folder that cannot be made is a warning after the
// upload's own message, never instead of it.
TEST_F(ConnectViewTest, EveryUploadKeepsABackupUnlessTurnedOff)
{
    const auto eeprom = SampleEeprom();
    StartWithRadio(eeprom);
    CConnectView* form = OpenRadioComm();
    ASSERT_NE(form, nullptr);
    const std::string dataHome = std::getenv("XDG_DATA_HOME");
    const std::string folder = dataHome + "/vesk4/backups";
    const struct
    {
        const char* name;
        const char* backups; // VESK4_BACKUPS, nullptr for unset
        std::string dataHome;
        int kept;
        int warnings;
    } cases[] = {
        {"on", nullptr, dataHome, 1, 0},
        {"off", "off", dataHome, 0, 0},
        {"no folder", nullptr, dataHome + "/blocked", 0, 1},
    };
    int uploads = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<BackupEntry> before;
        ASSERT_TRUE(CBackupStore(folder).List(before));
        if (c.backups != nullptr)
        {
            ::setenv(CBackupStore::kOffVariable, c.backups, 1);
        }
        if (c.warnings > 0)
        {
            // A file where the folder would have to be made.
            std::ofstream(c.dataHome) << "not a folder";
        }
        ::setenv("XDG_DATA_HOME", c.dataHome.c_str(), 1);
        form->UploadButton()->click();
        ++uploads;
        const bool done = WaitUntil([&] { return m_ui.CountOf(kUploadCompleteText) == uploads; });
        ::unsetenv(CBackupStore::kOffVariable);
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        ASSERT_TRUE(done);
        std::vector<BackupEntry> after;
        ASSERT_TRUE(CBackupStore(folder).List(after));
        EXPECT_EQ(after.size(), before.size() + static_cast<std::size_t>(c.kept));
        EXPECT_EQ(m_ui.CountOf(ViewText::kBackupFailed), c.warnings);
        if (c.kept == 1)
        {
            CRadioImage kept;
            CPlainAppState app;
            ASSERT_TRUE(kept.LoadFromFile(folder + "/" + after.back().strName, app));
            EXPECT_EQ(Bytes(kept), eeprom);
            EXPECT_EQ(app.m_nChannelCode, 2);
        }
    }
    EXPECT_TRUE(form->IsUploaded());
}
