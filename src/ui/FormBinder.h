// The form binder: each control of a form bound to the member it fills and the
// reader that takes its entry, and where the member comes from in the radio
// image and goes back to. Reading is all or nothing: either every member is
// filled, or the first entry that cannot be read is reported with its message,
// gets the focus, and no member changes. Writing shows every member.
#pragma once

// own
#include "ui/SignallingBox.h"

// std
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CBitRow;
class CFrequencyBox;
class CLevelRow;
class CRadioImage;
class IUiServices;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// Where a bound member lives in the image: `get` fills the member from an
// image, `set` writes it back (false: the image refused it). Either may be
// empty for a member that only one way concerns the image.
template <typename T> struct FieldAccess
{
    std::function<void(const CRadioImage&, T&)> get;
    std::function<bool(CRadioImage&, const T&)> set;
};

class CFormBinder
{
public:
    using IntGetter = bool (CRadioImage::*)(int&) const;
    using IntSetter = bool (CRadioImage::*)(int);
    using TextGetter = bool (CRadioImage::*)(std::string&) const;
    using TextSetter = bool (CRadioImage::*)(std::string_view);

    explicit CFormBinder(IUiServices& ui) : m_ui(ui) {}

    // A whole-number field through its accessor pair. A value the getter
    // calls invalid is shown as no value (-1), so a list shows no entry.
    static FieldAccess<int> Field(IntGetter get, IntSetter set);
    // As Field, for a two-entry list that shows the field's 1 first: the
    // value is turned over in both directions.
    static FieldAccess<int> TurnedField(IntGetter get, IntSetter set);
    // A nibble or name text through its accessor pair; an empty entry is
    // written as one blank, which leaves the field blank.
    static FieldAccess<std::string> TextField(TextGetter get, TextSetter set);

    // The general binding. `read` takes the entry (false: it cannot be read),
    // `write` shows a value; when `read` refuses, `entry()` gets the focus and
    // `message` is shown (none when null).
    template <typename T>
    void Bind(T& member, std::function<bool(T&)> read, std::function<void(const T&)> write,
              std::function<QWidget*()> entry, const char* message, FieldAccess<T> field = {})
    {
        BindExplained<T>(
            member, std::move(read), std::move(write), std::move(entry),
            [message] { return message; }, std::move(field));
    }
    // As Bind, with the message chosen once the entry was refused, so that it
    // can say what is wrong with it.
    template <typename T>
    void BindExplained(T& member, std::function<bool(T&)> read, std::function<void(const T&)> write,
                       std::function<QWidget*()> entry, std::function<const char*()> message,
                       FieldAccess<T> field = {})
    {
        // The entry is read into a copy first, so a later refusal leaves the
        // member as it was.
        auto staged = std::make_shared<T>();
        Binding binding{
            [read = std::move(read), staged] { return read(*staged); },
            [&member, staged] { member = *staged; },
            [&member, write = std::move(write)] { write(member); },
            std::move(entry),
            std::move(message),
            {},
            {},
            [&member]
            { return std::function<void()>([&member, kept = member] { member = kept; }); }};
        if (field.get)
        {
            binding.show = [&member, get = std::move(field.get)](const CRadioImage& image)
            { get(image, member); };
        }
        if (field.set)
        {
            binding.store = [&member, set = std::move(field.set)](CRadioImage& image)
            { return set(image, member); };
        }
        m_bindings.push_back(std::move(binding));
    }

    // A list's position; never unreadable (-1 when nothing is selected).
    void Bind(QComboBox* list, int& member, FieldAccess<int> field = {});
    // 1 when ticked, 0 when not.
    void Bind(QCheckBox* box, int& member, FieldAccess<int> field = {});
    // Two buttons of one choice: 0 for the first, 1 for the second, -1 while
    // neither is chosen. The first takes the focus when the choice is wrong.
    void Bind(QRadioButton* first, QRadioButton* second, int& member, FieldAccess<int> field = {});
    // The text as typed; shown without the trailing blanks that pad a stored
    // field, so a blank field shows empty and a short one leaves room to type.
    void Bind(QLineEdit* edit, std::string& member, FieldAccess<std::string> field = {});
    // A whole decimal number. An unsigned one: the box takes digits only.
    void Bind(QLineEdit* edit, unsigned& member, const char* message,
              FieldAccess<unsigned> field = {});
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
    // Fills every member bound to a field from `image`, then shows them all
    // (WriteAll): members bound to no field are shown as they stand.
    void ShowImage(const CRadioImage& image);
    // Writes every member bound to a field into `image`, in the order bound,
    // as ReadAll last read them; false at the first the image refuses, with
    // `image` then partly written (write into a copy).
    [[nodiscard]] bool StoreImage(CRadioImage& image) const;
    // Takes note of every bound member; calling the result puts them all back
    // as they were. For a look at what the entries would store that leaves
    // the form as it stood.
    [[nodiscard]] std::function<void()> KeepMembers() const;

private:
    struct Binding
    {
        std::function<bool()> read; // into the staged copy
        std::function<void()> commit;
        std::function<void()> write;
        std::function<QWidget*()> entry;
        std::function<const char*()> message;
        std::function<void(const CRadioImage&)> show; // empty: bound to no field
        std::function<bool(CRadioImage&)> store;
        std::function<std::function<void()>()> keep; // the member's restorer
    };

    // A row of lists whose value is what they spell together.
    template <typename Row> void BindRow(Row* row, int& member);

    IUiServices& m_ui;
    std::vector<Binding> m_bindings;
};
