// Edit > Undo and Redo in the window: a step of each kind of form, made on
// the form that makes it, is taken back and made again to the same bytes, and
// a step of another form brings that form up. Each edit of the channel list
// is undone to the same bytes in the model's own tests.

// own
#include "AppFixture.h"

// app
#include "app/AppTexts.h"

// views
#include "views/ChannelListView.h"
#include "views/ChannelTableModel.h"
#include "views/ChannelView.h"
#include "views/OptionView.h"

// model
#include "model/ChannelClipboard.h"

// Qt
#include <QLineEdit>
#include <QTableView>

// std
#include <cstring>
#include <functional>

namespace
{
bool SameBytes(const CRadioImage& a, const CRadioImage& b)
{
    return std::memcmp(&a.WorkBlock(), &b.WorkBlock(), sizeof(ImageBlock)) == 0;
}
} // namespace

TEST_F(AppFixture, StepsOfEveryFormAreUndoneAndRedoneToTheSameBytes)
{
    Start();
    ChooseModel(5);
    std::string clipboard;
    const auto list = [this, &clipboard]
    {
        Frame().SwitchView(VIEW_CHANNEL_LIST);
        auto* form = dynamic_cast<CChannelListView*>(Frame().ActiveView());
        form->SetClipboardForTest([&clipboard] { return clipboard; },
                                  [&clipboard](const std::string& text) { clipboard = text; });
        return form;
    };
    const struct
    {
        const char* step; // as Undo names it
        int form;         // where the step is made
        std::function<void()> make;
    } steps[] = {
        {"Paste 3 channels", VIEW_CHANNEL_LIST,
         [&]
         {
             clipboard = "Location\tName\tFrequency\n1\tA\t150.0\n2\tB\t150.1\n3\tC\t150.2\n";
             CChannelListView* form = list();
             form->Table()->setCurrentIndex(form->Table()->model()->index(3, 1));
             form->OnPaste();
         }},
        {"Edit channel 4", VIEW_CHANNEL,
         [&]
         {
             Frame().SwitchView(VIEW_CHANNEL);
             auto* form = dynamic_cast<CChannelView*>(Frame().ActiveView());
             form->ChannelNumberEdit()->setText("4");
             form->OnTimer(CChannelView::kChannelTimer);
             form->ChannelNameEdit()->setText("NORTH");
             form->OnChannelSpin(1);
         }},
        {"Edit on the Option form", VIEW_OPTION,
         [&]
         {
             Frame().SwitchView(VIEW_OPTION);
             auto* form = dynamic_cast<COptionView*>(Frame().ActiveView());
             form->List(COptionView::kScanType)->SetValue(0);
             Frame().SwitchView(VIEW_MODEL);
         }},
        {"File Clear", VIEW_MODEL,
         [&]
         {
             m_ui.m_saveAnswers.push_back(SaveAnswer::Discard);
             Frame().OnFileClear();
         }},
    };
    // The model chosen is a step of its own, before the ones under test.
    Frame().OnFormEdited(VIEW_MODEL, "");
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.step);
        const CRadioImage before = Frame().GetSharedImage();
        step.make();
        // Undo takes the active form's pending edits in first.
        QAction* undo = Frame().GetCommand(ID_EDIT_UNDO);
        Frame().OnFormEdited(Frame().GetCurrentView(), "");
        Frame().UpdateCommandUI();
        const CRadioImage after = Frame().GetSharedImage();
        ASSERT_FALSE(SameBytes(before, after));
        EXPECT_EQ(undo->text().toStdString(),
                  QString::fromLatin1(AppText::kEditUndoStep).arg(step.step).toStdString());
        // Undone from the Model form: a step of another form brings it up.
        Frame().SwitchView(VIEW_MODEL);
        undo->trigger();
        EXPECT_TRUE(SameBytes(Frame().GetSharedImage(), before));
        EXPECT_EQ(Frame().GetCurrentView(), step.form);
        Frame().GetCommand(ID_EDIT_REDO)->trigger();
        EXPECT_TRUE(SameBytes(Frame().GetSharedImage(), after));
    }
}
