// Benchmark of the Channel form: how long it takes to fill, and to step
// through every channel of a 320-channel radio with a change on each, so that
// every step checks, stores and loads a channel. Figures only, for the record.

// views
#include "views/ChannelView.h"
#include "views/ViewHost.h"

// ui
#include "ui/FakeUiServices.h"
#include "ui/FrequencyBox.h"

// link
#include "link/PortMap.h"

// model
#include "model/ChannelRules.h"
#include "model/RadioImage.h"

// Qt
#include <QApplication>
#include <QLineEdit>

// std
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
// Just enough of an application for one form on its own.
class CBenchHost : public IViewHost
{
public:
    std::int32_t GetChannelCode() const override { return 2; }
    void SetChannelCode(std::int32_t) override {}
    std::int32_t GetChannelMode() const override { return 1; }
    void SetChannelMode(std::int32_t) override {}
    void ReportReadError() override {}
    IUiServices& Ui() const override { return m_ui; }
    int GetComPort() const override { return 0; }
    const CPortMap& GetPortMap() const override { return m_ports; }
    void SetModelIndex(int) override {}
    void OnPrintEnded() override {}

private:
    mutable CFakeUiServices m_ui;
    CPortMap m_ports;
};
} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::duration d)
    { return std::chrono::duration<double, std::milli>(d).count(); };

    CRadioImage image;
    // VHF(H) A Band, 136-160 MHz, wide step 5 kHz.
    if (!image.SetModel(5) || !image.SetWideReference(5000.0) || !image.SetNarrowReference(6250.0))
    {
        return 1;
    }
    CBenchHost host;
    CChannelView form(host, nullptr);
    auto start = Clock::now();
    form.LoadFromImage(image);
    const auto open = Clock::now() - start;
    start = Clock::now();
    for (int n = 1; n < kChannelCount; ++n)
    {
        form.RxFrequencyBox()->Edit()->setText(
            QString::fromStdString(CChannelRules::FormatFrequency(136.0 + 0.005 * n)));
        form.OnChannelSpin(+1);
    }
    const auto steps = Clock::now() - start;
    std::printf("open %.1f ms; %d steps %.1f ms\n", ms(open), kChannelCount - 1, ms(steps));
    // Every step stored the channel it left: all but the last are in use.
    form.StoreToImage(image);
    int stored = 0;
    for (int n = 0; n < kChannelCount; ++n)
    {
        int unused = 1;
        stored += image.GetRxUnused(n, unused) && unused == 0 ? 1 : 0;
    }
    if (form.GetShownChannel() != kChannelCount || stored < kChannelCount - 1)
    {
        std::fprintf(stderr, "stopped at channel %d with %d channels stored\n",
                     form.GetShownChannel(), stored);
        return 1;
    }
    return 0;
}
