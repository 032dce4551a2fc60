// The Channel List form: every channel of the capacity in one grid, edited as
// a spreadsheet is, with the group names beside it. Every cell goes through
// the Channel form's checks; every edit is one step the Edit menu can undo.
#pragma once

// own
#include "views/Vesk4View.h"

// model
#include "model/ChannelEdits.h"

// model
#include "model/ChannelGrid.h"

// std
#include <functional>
#include <string>
#include <tuple>
#include <vector>

class CChannelTableModel;
class QAction;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QTableView;

class CChannelListView : public CVesk4View
{
    Q_OBJECT
public:
    CChannelListView(IViewHost& host, QWidget* parent);

    void RefreshForm() override;

    // ---- the form's edits, each on the selected channels -------------------
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnEmpty();
    void OnFillDown();
    void OnFillSeries();
    void OnInsert();
    void OnRemove();
    void OnMove(int delta);
    void OnSort(ChannelEdits::SortKey key);
    void OnFind();
    void OnFindNext();

    // The clipboard text Copy and Cut put there and Paste reads: the system
    // clipboard unless a test set its own.
    void SetClipboardForTest(std::function<std::string()> read,
                             std::function<void(const std::string&)> write);

    QTableView* Table() const { return m_pTable; }
    QTableWidget* GroupList() const { return m_pGroups; }
    QLabel* StatusLine() const { return m_pStatus; }
    CChannelTableModel* TableModel() const { return m_pModel; }
    // The channels the selection covers (1-based, first and count); the
    // current channel alone when nothing is selected; count 0 for none.
    void SelectedChannels(int& firstOut, int& countOut) const;

private:
    void BuildLayout();
    QAction* AddAction(const char* text, const QKeySequence& key, std::function<void()> run);
    void FillGroupNames();
    void OnGroupNameEdited(QTableWidgetItem* item);
    // Runs `edit` on a copy of the own image; when it is taken, the copy
    // becomes the own image, the rows are read again and the host hears of
    // the step named `name`. False when the edit refused.
    bool Apply(const std::string& name, const std::function<bool(CRadioImage&)>& edit);
    // Writes the cells (channel, field, text) as one step named `name`; a
    // refused one ends the run and is told.
    void FillCells(const std::string& name,
                   const std::vector<std::tuple<int, GridColumn, std::string>>& cells);
    // Selects channels first .. first+count-1 across every column.
    void SelectChannels(int first, int count);
    void ShowRefusal(int n, int column, const QString& reason);
    bool FindFrom(int start);

    CChannelTableModel* m_pModel;
    QTableView* m_pTable;
    QTableWidget* m_pGroups;
    QLabel* m_pStatus;
    std::string m_strFind;
    bool m_bFillingGroups = false;
    std::function<std::string()> m_readClipboard;
    std::function<void(const std::string&)> m_writeClipboard;
};
