// Benchmark of the two channel forms on a 320-channel radio. The Channel form:
// how long it takes to fill, and to step through every channel with a change
// on each, so that every step checks, stores and loads a channel. The Channel
// List form: opening on the full image, pasting 320 rows, a fill series over
// them, undoing the paste and one cell edit. Figures only, for the record.

// own (tests/common)
#include "FakeViewHost.h"

// views
#include "views/ChannelListView.h"
#include "views/ChannelTableModel.h"
#include "views/ChannelView.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FakeUiServices.h"
#include "ui/FrequencyBox.h"

// model
#include "model/ChannelClipboard.h"
#include "model/ChannelEdits.h"
#include "model/ChannelRules.h"
#include "model/ImageHistory.h"
#include "model/RadioImage.h"

// Qt
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

// std
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
// The forms' stand-in host, in 320-channel mode, keeping the Channel List
// form's steps as the main frame keeps them.
class CBenchHost : public CFakeViewHost
{
public:
    CBenchHost()
    {
        m_nChannelMode = 1;
        m_nChannelCode = 2;
    }

    void OnFormEdited(int, const std::string& name) override
    {
        if (m_pList == nullptr)
        {
            return;
        }
        const ImageState after{m_pList->GetImage(), 1};
        m_history.Record(name, VIEW_CHANNEL_LIST, m_last, after);
        m_last = after;
    }

    CChannelListView* m_pList = nullptr;
    ImageState m_last;
    CImageHistory m_history;
};

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The Channel List form on `full` (every channel in use): false when an edit
// did not come out as it should.
bool BenchChannelList(const CRadioImage& full)
{
    CBenchHost host;
    CChannelListView form(host, nullptr);
    host.m_pList = &form;
    std::string clipboard = ChannelClipboard::Copy(full, kChannelCount, 1, kChannelCount);
    form.SetClipboardForTest([&clipboard] { return clipboard; },
                             [&clipboard](const std::string& text) { clipboard = text; });
    form.resize(1172, 610);
    form.show();
    auto start = Clock::now();
    form.LoadFromImage(full);
    QApplication::processEvents();
    const auto open = Clock::now() - start;

    CRadioImage empty = full;
    (void)ChannelEdits::Clear(empty, kChannelCount, 1, kChannelCount);
    form.LoadFromImage(empty);
    host.m_last = ImageState{form.GetImage(), 1};
    QTableView* table = form.Table();
    const auto selectAll = [table]
    {
        table->selectionModel()->select(
            QItemSelection(
                table->model()->index(0, 1),
                table->model()->index(kChannelCount - 1, table->model()->columnCount() - 1)),
            QItemSelectionModel::ClearAndSelect);
    };
    selectAll();
    // Every row lands on a channel in use or not: answer Yes to overwriting.
    host.m_ui.m_answers.push_back(true);
    start = Clock::now();
    form.OnPaste();
    QApplication::processEvents();
    const auto paste = Clock::now() - start;

    selectAll();
    host.m_ui.m_texts.emplace_back("5");
    start = Clock::now();
    form.OnFillSeries();
    QApplication::processEvents();
    const auto series = Clock::now() - start;

    // Undo of the fill, then of the paste, as the Edit menu does it.
    start = Clock::now();
    ImageState state;
    const bool undone = host.m_history.Undo(state) && host.m_history.Undo(state);
    form.LoadFromImage(state.image);
    QApplication::processEvents();
    const auto undo = Clock::now() - start;

    CChannelTableModel* model = form.TableModel();
    // The paste undone, the channels are empty again: the edit makes one.
    const QModelIndex cellIndex =
        model->index(0, CChannelTableModel::ColumnOf(GridColumn::RxFrequency));
    start = Clock::now();
    const bool edited = model->setData(cellIndex, QStringLiteral("136.5"), Qt::EditRole);
    QApplication::processEvents();
    const auto cell = Clock::now() - start;

    std::printf("channel list: open %.1f ms; paste %d rows %.1f ms; fill series %.1f ms; "
                "undo %.1f ms; cell edit %.2f ms\n",
                Ms(open), kChannelCount, Ms(paste), Ms(series), Ms(undo), Ms(cell));
    return undone && edited && state == ImageState{empty, 1};
}
} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);

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
    std::printf("channel form: open %.1f ms; %d steps %.1f ms\n", Ms(open), kChannelCount - 1,
                Ms(steps));
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
    // The last channel, too, for a full image.
    form.RxFrequencyBox()->Edit()->setText(QStringLiteral("159.99500"));
    form.StoreToImage(image);
    if (!BenchChannelList(image))
    {
        std::fprintf(stderr, "the channel list's paste, undo or cell edit went wrong\n");
        return 1;
    }
    return 0;
}
