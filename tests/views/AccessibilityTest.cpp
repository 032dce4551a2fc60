// Every input, button and list of every form and dialog has a name that
// screen readers and desktop automation can find, as the accessibility layer
// reports it.

// own (shared fixture of the shell tests)
#include "AppFixture.h"

// app
#include "app/AboutDlg.h"
#include "app/DirectoryDlg.h"

// ui
#include "ui/OptionList.h"

// views
#include "views/ComportDlg.h"
#include "views/ConnectView.h"
#include "views/ProgressDlg.h"
#include "views/RamReadDlg.h"
#include "views/RamWriteDlg.h"

// Qt
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// std
#include <memory>

namespace
{
bool IsNamedKind(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget);
}

// A widget that Qt builds inside another control (a list's scroll bars, a drop
// list's popup) is named through the control it belongs to.
bool IsInsideControl(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr && parent != top;
         parent = parent->parentWidget())
    {
        if (qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractItemView*>(parent))
        {
            return true;
        }
    }
    return false;
}

// The controls of `top` that the accessibility layer gives no name, each
// described by its class and, where it has one, its text.
QStringList Unnamed(QWidget* top)
{
    QStringList unnamed;
    for (QWidget* widget : top->findChildren<QWidget*>())
    {
        if (!IsNamedKind(widget) || IsInsideControl(widget, top))
        {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
        {
            unnamed << QString::fromLatin1(widget->metaObject()->className());
        }
    }
    return unnamed;
}
} // namespace

class AccessibilityTest : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
    }
};

TEST_F(AccessibilityTest, EveryFormNamesEveryControl)
{
    // A model first, so that every editor command can be reached.
    ChooseModel(5);
    for (int index = 0; index < 8; ++index)
    {
        SCOPED_TRACE(index);
        Frame().SwitchView(index);
        CVesk4View* form = m_app->GetView(index);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(Unnamed(form), QStringList());
    }
}

// Read as a screen reader reads a drop list over the desktop bus: the label is
// its name and the chosen entry its text.
TEST_F(AccessibilityTest, EveryDropListOfEveryFormReadsItsEntry)
{
    ChooseModel(5);
    int shown = 0;
    for (int index = 0; index < 8; ++index)
    {
        Frame().SwitchView(index);
        for (COptionList* list : m_app->GetView(index)->findChildren<COptionList*>())
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

TEST_F(AccessibilityTest, EveryDialogNamesEveryControl)
{
    std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<CRamReadDlg>(m_ui, nullptr),
        std::make_unique<CRamWriteDlg>(m_ui, nullptr),
        std::make_unique<CComportDlg>(0, nullptr),
        std::make_unique<CProgressDlg>(nullptr),
        std::make_unique<CDirectoryDlg>(m_ui, nullptr),
        std::make_unique<CAboutDlg>(nullptr),
    };
    for (const auto& dialog : dialogs)
    {
        EXPECT_EQ(Unnamed(dialog.get()), QStringList()) << dialog->metaObject()->className();
    }
}

TEST_F(AccessibilityTest, TheModelFormSpeaksItsLabels)
{
    CModelView* form = ModelForm();
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
