// The Channel List form's own commands: the grid's series and fills over
// selected cells, and a refused cell that keeps its value and says why. The
// edits of runs of channels and the cells' rules are the model's, tested
// there.

// own
#include "FormFixture.h"

// views
#include "views/ChannelListView.h"
#include "views/ChannelTableModel.h"

// model
#include "model/ChannelTexts.h"

// Qt
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>

namespace
{
QString Cell(CChannelListView* form, int n, GridColumn field)
{
    return form->TableModel()
        ->index(n - 1, CChannelTableModel::ColumnOf(field))
        .data(Qt::DisplayRole)
        .toString();
}

void Select(CChannelListView* form, int first, int count, GridColumn from, GridColumn to)
{
    QTableView* table = form->Table();
    table->selectionModel()->select(
        QItemSelection(table->model()->index(first - 1, CChannelTableModel::ColumnOf(from)),
                       table->model()->index(first + count - 2, CChannelTableModel::ColumnOf(to))),
        QItemSelectionModel::ClearAndSelect);
}
} // namespace

using ChannelListViewTest = FormFixture;

TEST_F(ChannelListViewTest, SeriesAndFillsWriteTheSelectedColumnsAndARefusalSaysWhy)
{
    UseModel(5);
    auto* form = OpenForm<CChannelListView>(VIEW_CHANNEL_LIST);
    CChannelTableModel* model = form->TableModel();
    const auto set = [&](int n, GridColumn field, const char* text)
    {
        return model->setData(model->index(n - 1, CChannelTableModel::ColumnOf(field)),
                              QString::fromLatin1(text), Qt::EditRole);
    };
    ASSERT_TRUE(set(1, GridColumn::RxFrequency, "150.0"));
    ASSERT_TRUE(set(1, GridColumn::Name, "gate 7"));

    // A series down four channels: frequencies by the step asked for (both
    // sides, keeping their offset) and names numbered on from the first.
    Select(form, 1, 4, GridColumn::RxFrequency, GridColumn::Name);
    m_ui.m_texts.emplace_back("25");
    form->OnFillSeries();
    EXPECT_EQ(Cell(form, 4, GridColumn::RxFrequency), "150.07500");
    EXPECT_EQ(Cell(form, 4, GridColumn::TxFrequency), "150.07500");
    EXPECT_EQ(Cell(form, 4, GridColumn::Name), "GATE 10");

    // Fill down copies the top cell of each selected column.
    ASSERT_TRUE(set(1, GridColumn::Power, "Lowpower"));
    Select(form, 1, 4, GridColumn::Power, GridColumn::Power);
    form->OnFillDown();
    EXPECT_EQ(Cell(form, 4, GridColumn::Power), "Lowpower");
    EXPECT_EQ(Cell(form, 4, GridColumn::Name), "GATE 10") << "only the selected columns";

    // A refused entry keeps the old value, marks the cell and says why in
    // the Channel form's words.
    EXPECT_FALSE(set(2, GridColumn::RxFrequency, "999"));
    EXPECT_EQ(Cell(form, 2, GridColumn::RxFrequency), "150.02500");
    EXPECT_EQ(model->MarkedCell().row(), 1);
    EXPECT_TRUE(form->StatusLine()->text().contains(ChannelTexts::kRxFrequencyError));

    ASSERT_TRUE(LeaveForm());
    int power = 1;
    ASSERT_TRUE(m_shared.GetTxPower(3, power));
    EXPECT_EQ(power, 0) << "what the grid shows is what the form stores";
}
