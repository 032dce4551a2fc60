// Every input, button and list of every form and dialog has a name that
// screen readers and desktop automation can find, as the accessibility layer
// reports it.

// own (and tests/common: AccessibleNames.h)
#include "AccessibleNames.h"
#include "FormFixture.h"

// ui
#include "ui/OptionList.h"

// views
#include "views/ComportDlg.h"
#include "views/ConnectView.h"
#include "views/ProgressDlg.h"
#include "views/RamReadDlg.h"
#include "views/RamWriteDlg.h"

// Qt
#include <QAccessible>
#include <QPushButton>

// std
#include <memory>

using AccessibilityTest = FormFixture;

TEST_F(AccessibilityTest, EveryFormNamesEveryControl)
{
    // A model first, so that every form shows all it can.
    UseModel(5);
    for (int index = 0; index < 8; ++index)
    {
        SCOPED_TRACE(index);
        CVesk4View* form = OpenForm(index);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(Unnamed(form), QStringList());
    }
}

// Read as a screen reader reads a drop list over the desktop bus: the label is
// its name and the chosen entry its text.
TEST_F(AccessibilityTest, EveryDropListOfEveryFormReadsItsEntry)
{
    UseModel(5);
    int shown = 0;
    for (int index = 0; index < 8; ++index)
    {
        for (COptionList* list : OpenForm(index)->findChildren<COptionList*>())
        {
            SCOPED_TRACE(list->accessibleName().toStdString());
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
            ASSERT_NE(face, nullptr);
            ASSERT_NE(face->textInterface(), nullptr);
            EXPECT_EQ(face->text(QAccessible::Name), list->accessibleName());
            EXPECT_EQ(face->textInterface()->text(0, -1), list->currentText());
            EXPECT_EQ(face->textInterface()->characterCount(), list->currentText().size());
            shown += list->currentText().isEmpty() ? 0 : 1;
        }
    }
    EXPECT_GT(shown, 20);
}

TEST_F(AccessibilityTest, EveryDialogOfTheFormsNamesEveryControl)
{
    std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<CRamReadDlg>(m_ui, nullptr),
        std::make_unique<CRamWriteDlg>(m_ui, nullptr),
        std::make_unique<CComportDlg>(0, nullptr),
        std::make_unique<CComportDlg>(0, "/dev/ttyS0", "/dev/ttyS1", nullptr),
        std::make_unique<CProgressDlg>(nullptr),
    };
    for (const auto& dialog : dialogs)
    {
        EXPECT_EQ(Unnamed(dialog.get()), QStringList()) << dialog->metaObject()->className();
    }
}

TEST_F(AccessibilityTest, TheModelFormSpeaksItsLabels)
{
    CModelView* form = OpenForm<CModelView>(VIEW_MODEL);
    const struct
    {
        QWidget* widget;
        const char* name;
    } cases[] = {
        {form->ModelList(), "Model"},
        {form->InjectionList(), "Injection Aspect"},
        {form->WideReferenceList(), "PLL Reference Freq Wide"},
        {form->NarrowReferenceList(), "PLL Reference Freq Narrow"},
        {form->SerialEdit(), "Serial Number"},
        {form->CustomerEdit(), "Customer"},
        {form->MonthList(), "Mon"},
        {form->DayEdit(), "Day"},
        {form->YearEdit(), "Year"},
        {form->CancelButton(), "Cancel"},
    };
    for (const auto& c : cases)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c.widget);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
    }
}
