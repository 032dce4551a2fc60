// The form binder.

// own
#include "ui/FormBinder.h"
#include "ui/BitRow.h"
#include "ui/FrequencyBox.h"
#include "ui/LevelRow.h"
#include "ui/UiServices.h"

// model
#include "model/RadioImage.h"
#include "model/TextReaders.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

FieldAccess<int> CFormBinder::Field(IntGetter get, IntSetter set)
{
    return {[get](const CRadioImage& image, int& value)
            {
                if (!(image.*get)(value))
                {
                    value = -1;
                }
            },
            [set](CRadioImage& image, const int& value) { return (image.*set)(value); }};
}

FieldAccess<int> CFormBinder::TurnedField(IntGetter get, IntSetter set)
{
    return {[get](const CRadioImage& image, int& value)
            {
                int stored = -1;
                value = (image.*get)(stored) && (stored == 0 || stored == 1) ? 1 - stored : -1;
            },
            [set](CRadioImage& image, const int& value) { return (image.*set)(1 - value); }};
}

FieldAccess<std::string> CFormBinder::TextField(TextGetter get, TextSetter set)
{
    // The getter's verdict is not asked: the text is shown as it is stored.
    return {[get](const CRadioImage& image, std::string& text) { (void)(image.*get)(text); },
            [set](CRadioImage& image, const std::string& text) {
                return (image.*set)(text.empty() ? std::string_view(" ") : std::string_view(text));
            }};
}

void CFormBinder::Bind(QComboBox* list, int& member, FieldAccess<int> field)
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
        [list] { return list; }, nullptr, std::move(field));
}

void CFormBinder::Bind(QCheckBox* box, int& member, FieldAccess<int> field)
{
    Bind<int>(
        member,
        [box](int& value)
        {
            value = box->isChecked() ? 1 : 0;
            return true;
        },
        [box](int value) { box->setChecked(value == 1); }, [box] { return box; }, nullptr,
        std::move(field));
}

void CFormBinder::Bind(QRadioButton* first, QRadioButton* second, int& member,
                       FieldAccess<int> field)
{
    Bind<int>(
        member,
        [first, second](int& value)
        {
            value = second->isChecked() ? 1 : (first->isChecked() ? 0 : -1);
            return true;
        },
        [first, second](int value) { (value == 0 ? first : second)->setChecked(true); },
        [first] { return first; }, nullptr, std::move(field));
}

void CFormBinder::Bind(QLineEdit* edit, std::string& member, FieldAccess<std::string> field)
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
        [edit] { return edit; }, nullptr, std::move(field));
}

void CFormBinder::Bind(QLineEdit* edit, unsigned& member, const char* message,
                       FieldAccess<unsigned> field)
{
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    Bind<unsigned>(
        member, [edit](unsigned& value) { return ReadUnsigned(edit->text().toStdString(), value); },
        [edit](unsigned value) { edit->setText(QString::number(value)); }, [edit] { return edit; },
        message, std::move(field));
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

template <typename Row> void CFormBinder::BindRow(Row* row, int& member)
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

void CFormBinder::Bind(CBitRow* row, int& member)
{
    BindRow(row, member);
}

void CFormBinder::Bind(CLevelRow* row, int& member)
{
    BindRow(row, member);
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

void CFormBinder::ShowImage(const CRadioImage& image)
{
    for (const Binding& binding : m_bindings)
    {
        if (binding.show)
        {
            binding.show(image);
        }
    }
    WriteAll();
}

bool CFormBinder::StoreImage(CRadioImage& image) const
{
    for (const Binding& binding : m_bindings)
    {
        if (binding.store && !binding.store(image))
        {
            return false;
        }
    }
    return true;
}

std::function<void()> CFormBinder::KeepMembers() const
{
    std::vector<std::function<void()>> restorers;
    restorers.reserve(m_bindings.size());
    for (const Binding& binding : m_bindings)
    {
        restorers.push_back(binding.keep());
    }
    return [restorers = std::move(restorers)]
    {
        for (const std::function<void()>& restore : restorers)
        {
            restore();
        }
    };
}
