// The common view: frequency stepping, the channel step and band limits, the
// image copies of the base contract, and timers delivered to a form.

// own
#include "FormFixture.h"

// Qt
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>

// std
#include <cstring>
#include <memory>
#include <vector>

class Vesk4ViewTest : public FormFixture
{
protected:
    // A plain form holding an image of `model` with the given dividers.
    std::unique_ptr<CVesk4View> FormWith(int model, double wideHz, double narrowHz)
    {
        auto form = std::make_unique<CVesk4View>(m_host, VIEW_CHANNEL, nullptr);
        CRadioImage image;
        EXPECT_TRUE(image.SetModel(model));
        EXPECT_TRUE(image.SetWideReference(wideHz));
        EXPECT_TRUE(image.SetNarrowReference(narrowHz));
        form->LoadFromImage(image);
        return form;
    }
};

TEST_F(Vesk4ViewTest, StepFrequencyBoxFollowsTheGridAndTheBandEdges)
{
    const struct
    {
        int model;
        bool narrow;
        int direction;
        bool transmitBox;
        const char* text;
        const char* expected;
    } cases[] = {
        // model 5 (136-160 MHz), wide step 5 kHz, narrow 6.25 kHz
        {5, false, 1, false, "136.0", "136.00500"},
        {5, false, 1, false, "136.0012", "136.00500"},
        {5, false, -1, false, "136.0012", "135.99500"},
        {5, false, -1, false, "136", "0.00000"},
        {5, false, 1, false, "0.00000", "136.00000"},
        {5, false, 1, false, "160", "160.00000"},
        {5, false, 1, false, "170", "160.00000"},
        {5, false, -1, false, "170", "160.00000"},
        {5, false, -1, false, "150.000", "149.99500"},
        {5, true, 1, false, "150", "150.00625"},
        {5, false, 1, false, "abc", "136.00000"}, // unreadable text counts as 0
        {5, false, 1, false, " 150.0xyz", "150.00500"},
        // model 13: only the transmit box uses 806-825 MHz
        {13, false, 1, true, "800", "806.00000"},
        {13, false, 1, true, "830", "825.00000"},
        {13, false, 1, false, "800", "851.00000"},
        {13, false, -1, false, "851", "0.00000"},
        {13, false, 1, false, "851", "851.01250"},
        // other models ignore the transmit flag
        {9, false, 1, true, "400", "403.00000"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.model) + " " + c.text + (c.direction > 0 ? " up" : " down"));
        const double wideHz = c.model == 13 ? 12500 : 5000;
        auto form = FormWith(c.model, wideHz, 6250);
        QLineEdit box;
        box.setText(c.text);
        form->StepFrequencyBox(c.narrow, c.direction, &box, c.transmitBox);
        EXPECT_EQ(box.text().toStdString(), c.expected);
    }
}

TEST_F(Vesk4ViewTest, ComputeChannelStepTakesTheCodeOfTheBandwidth)
{
    const struct
    {
        int model;
        double wideHz;
        double narrowHz;
        double wideStep;
        double narrowStep;
        double rxLower, rxUpper, txLower, txUpper;
    } cases[] = {
        {0, 2500, 6250, 0.0025, 0.00625, 29.7, 36.0, 29.7, 36.0},
        {5, 5000, 6250, 0.005, 0.00625, 136.0, 160.0, 136.0, 160.0},
        {10, 5000, 6250, 0.005, 0.00625, 450.0, 470.0, 450.0, 470.0},
        {10, 6250, 5000, 0.00625, 0.005, 450.0, 470.0, 450.0, 470.0},
        {13, 12500, 6250, 0.0125, 0.00625, 851.0, 870.0, 806.0, 825.0},
        {13, 5000, 12500, 0.005, 0.0125, 851.0, 870.0, 806.0, 825.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model);
        auto form = FormWith(c.model, c.wideHz, c.narrowHz);
        form->ComputeChannelStep(false);
        EXPECT_DOUBLE_EQ(form->GetChannelStep(), c.wideStep);
        form->ComputeChannelStep(true);
        EXPECT_DOUBLE_EQ(form->GetChannelStep(), c.narrowStep);
        // The limits are checked through the stepping that uses them.
        QLineEdit box;
        box.setText("0");
        form->StepFrequencyBox(false, 1, &box, false);
        EXPECT_DOUBLE_EQ(box.text().toDouble(), c.rxLower);
        box.setText("9999");
        form->StepFrequencyBox(false, 1, &box, true);
        EXPECT_DOUBLE_EQ(box.text().toDouble(), c.txUpper);
    }
}

TEST_F(Vesk4ViewTest, WithoutAModelStepFrequencyBoxLeavesTheValue)
{
    auto form = FormWith(-1, 5000, 6250);
    QLineEdit box;
    box.setText("150.00100");
    form->StepFrequencyBox(false, 1, &box, false);
    EXPECT_EQ(box.text(), "150.00100");
    EXPECT_DOUBLE_EQ(form->GetChannelStep(), 0.005) << "the VHF steps apply";
}

TEST_F(Vesk4ViewTest, TheBaseContractCopiesTheWholeImage)
{
    CRadioImage image;
    image.m_strExtra1 = "one";
    image.m_strExtra3 = "three";
    image.m_nExtra = 42;
    EXPECT_TRUE(image.SetModel(7));
    CVesk4View form(m_host, VIEW_MANUAL, nullptr);
    form.LoadFromImage(image);
    EXPECT_TRUE(form.IsModelUnset());
    EXPECT_TRUE(form.ValidateForm());
    CRadioImage target;
    form.StoreToImage(target);
    EXPECT_EQ(target.m_strExtra1, "one");
    EXPECT_EQ(target.m_strExtra3, "three");
    EXPECT_EQ(target.m_nExtra, 42);
    EXPECT_EQ(std::memcmp(&target.WorkBlock(), &image.WorkBlock(), sizeof(ImageBlock)), 0);
    EXPECT_EQ(std::memcmp(&target.BackupBlock(), &image.BackupBlock(), sizeof(ImageBlock)), 0);
}

namespace
{
class TimedForm : public CVesk4View
{
public:
    using CVesk4View::CVesk4View;
    std::vector<int> m_fired;
    void OnTimer(int id) override { m_fired.push_back(id); }
};
} // namespace

TEST_F(Vesk4ViewTest, TimersReachTheFormOnce)
{
    TimedForm form(m_host, VIEW_TEST, nullptr);
    form.SetTimer(1, 5);
    form.SetTimer(2, 5);
    form.KillTimer(2);
    EXPECT_TRUE(form.IsTimerSet(1));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60)
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_EQ(form.m_fired, std::vector<int>{1});
    EXPECT_FALSE(form.IsTimerSet(1));
}
