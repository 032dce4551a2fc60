// The form binder.

// own
#include "ui/FormBinder.h"
#include "ui/BitRow.h"
#include "ui/FrequencyBox.h"
#include "ui/LevelRow.h"
#include "ui/UiServices.h"

// model
#include "model/TextReaders.h"

// Qt
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

void CFormBinder::Bind(QComboBox* list, int& member)
{
    Bind<int>(
        member,
        [list](int& value)
        {
            value = list->currentIndex();
            return true;
        },
        [list](int value)
        { list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1); },
        [list] { return list; }, nullptr);
}

void CFormBinder::Bind(QLineEdit* edit, std::string& member)
{
    Bind<std::string>(
        member,
        [edit](std::string& value)
        {
            value = edit->text().toStdString();
            return true;
        },
        [edit](const std::string& value)
        {
            const std::size_t last = value.find_last_not_of(' ');
            edit->setText(QString::fromStdString(
                last == std::string::npos ? std::string() : value.substr(0, last + 1)));
        },
        [edit] { return edit; }, nullptr);
}

void CFormBinder::Bind(QLineEdit* edit, unsigned& member, const char* message)
{
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    Bind<unsigned>(
        member, [edit](unsigned& value) { return ReadUnsigned(edit->text().toStdString(), value); },
        [edit](unsigned value) { edit->setText(QString::number(value)); }, [edit] { return edit; },
        message);
}

void CFormBinder::Bind(QLineEdit* edit, int& member, const char* message)
{
    Bind<int>(
        member, [edit](int& value) { return ReadInteger(edit->text().toStdString(), value); },
        [edit](int value) { edit->setText(QString::number(value)); }, [edit] { return edit; },
        message);
}

void CFormBinder::Bind(CFrequencyBox* box, double& member, const char* message)
{
    Bind<double>(
        member, [box](double& value) { return box->ReadValue(value); },
        [box](double value) { box->SetValue(value); }, [box] { return box->Edit(); }, message);
}

void CFormBinder::Bind(CSignallingBox* box, SignallingChoice& member, const char* message)
{
    Bind<SignallingChoice>(
        member, [box](SignallingChoice& value) { return box->ReadValue(value); },
        [box](const SignallingChoice& value) { box->SetValue(value); },
        [box] { return box->EntryOfType(); }, message);
}

void CFormBinder::Bind(CBitRow* row, int& member)
{
    Bind<int>(
        member,
        [row](int& value)
        {
            value = row->Value();
            return true;
        },
        [row](int value) { row->SetValue(value); }, [row] { return row; }, nullptr);
}

void CFormBinder::Bind(CLevelRow* row, int& member)
{
    Bind<int>(
        member,
        [row](int& value)
        {
            value = row->Value();
            return true;
        },
        [row](int value) { row->SetValue(value); }, [row] { return row; }, nullptr);
}

bool CFormBinder::ReadAll(bool report)
{
    for (const Binding& binding : m_bindings)
    {
        if (binding.read())
        {
            continue;
        }
        if (!report)
        {
            return false;
        }
        QWidget* entry = binding.entry();
        entry->setFocus();
        // A composite control hands its focus on; the box it lands in is the
        // one whose text is selected for retyping.
        QWidget* target = entry;
        while (target->focusProxy() != nullptr)
        {
            target = target->focusProxy();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(target))
        {
            edit->selectAll();
        }
        if (const char* message = binding.message(); message != nullptr)
        {
            m_ui.ShowMessage(message, MessageIcon::Warning);
        }
        return false;
    }
    for (const Binding& binding : m_bindings)
    {
        binding.commit();
    }
    return true;
}

void CFormBinder::WriteAll()
{
    for (const Binding& binding : m_bindings)
    {
        binding.write();
    }
}
