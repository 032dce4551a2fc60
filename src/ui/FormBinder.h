// The form binder: each control of a form bound to the member it fills and the
// reader that takes its entry. Reading is all or nothing: either every member
// is filled, or the first entry that cannot be read is reported with its
// message, gets the focus, and no member changes. Writing shows every member.
#pragma once

// own
#include "ui/SignallingBox.h"

// std
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CBitRow;
class CFrequencyBox;
class CLevelRow;
class IUiServices;
class QComboBox;
class QLineEdit;
class QWidget;

class CFormBinder
{
public:
    explicit CFormBinder(IUiServices& ui) : m_ui(ui) {}

    // The general binding. `read` takes the entry (false: it cannot be read),
    // `write` shows a value; when `read` refuses, `entry()` gets the focus and
    // `message` is shown (none when null).
    template <typename T>
    void Bind(T& member, std::function<bool(T&)> read, std::function<void(const T&)> write,
              std::function<QWidget*()> entry, const char* message)
    {
        BindExplained<T>(member, std::move(read), std::move(write), std::move(entry),
                         [message] { return message; });
    }
    // As Bind, with the message chosen once the entry was refused, so that it
    // can say what is wrong with it.
    template <typename T>
    void BindExplained(T& member, std::function<bool(T&)> read, std::function<void(const T&)> write,
                       std::function<QWidget*()> entry, std::function<const char*()> message)
    {
        // The entry is read into a copy first, so a later refusal leaves the
        // member as it was.
        auto staged = std::make_shared<T>();
        m_bindings.push_back(Binding{[read = std::move(read), staged] { return read(*staged); },
                                     [&member, staged] { member = *staged; },
                                     [&member, write = std::move(write)] { write(member); },
                                     std::move(entry), std::move(message)});
    }

    // A list's position; never unreadable (-1 when nothing is selected).
    void Bind(QComboBox* list, int& member);
    // The text as typed; shown without the trailing blanks that pad a stored
    // field, so a blank field shows empty and a short one leaves room to type.
    void Bind(QLineEdit* edit, std::string& member);
    // A whole decimal number. An unsigned one: the box takes digits only.
    void Bind(QLineEdit* edit, unsigned& member, const char* message);
    void Bind(QLineEdit* edit, int& member, const char* message);
    // A frequency in MHz, shown with five decimals.
    void Bind(CFrequencyBox* box, double& member, const char* message);
    // The side's signalling; a refusal points at the tone list or the DCS box.
    void Bind(CSignallingBox* box, SignallingChoice& member, const char* message);
    // The byte the bit lists spell.
    void Bind(CBitRow* row, int& member);
    // The level as shown (the row keeps it within its range when stepped).
    void Bind(CLevelRow* row, int& member);

    // Reads every entry in the order bound; see the top of this file. Without
    // `report` a refusal shows nothing and moves no focus.
    [[nodiscard]] bool ReadAll(bool report = true);
    // Shows every member in its control, in the order bound.
    void WriteAll();

private:
    struct Binding
    {
        std::function<bool()> read; // into the staged copy
        std::function<void()> commit;
        std::function<void()> write;
        std::function<QWidget*()> entry;
        std::function<const char*()> message;
    };

    IUiServices& m_ui;
    std::vector<Binding> m_bindings;
};
