// The form binder: reading is all or nothing, the first unreadable entry is
// reported with its message and the focus; writing shows every member.

// ui
#include "ui/FakeUiServices.h"
#include "ui/FormBinder.h"
#include "ui/FrequencyBox.h"
#include "ui/OptionList.h"

// model
#include "model/ImageFields.h"
#include "model/RadioImage.h"

// Qt
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

// std
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A small form of every kind of binding, shown so that focus can move.
struct Form
{
    explicit Form(CFakeUiServices& ui) : binder(ui)
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget : std::initializer_list<QWidget*>{list, name, day, count, frequency})
        {
            layout->addWidget(widget);
        }
        binder.Bind(list, nList);
        binder.Bind(name, strName);
        binder.Bind(day, nDay, "day?");
        binder.Bind(count, nCount, "count?");
        binder.Bind(frequency, dFrequency, "frequency?");
        window.show();
        window.activateWindow();
    }

    QWidget window;
    COptionList* list = new COptionList(&window, {"Enable", "Disable"});
    QLineEdit* name = new QLineEdit(&window);
    QLineEdit* day = new QLineEdit(&window);
    QLineEdit* count = new QLineEdit(&window);
    CFrequencyBox* frequency = new CFrequencyBox(&window);
    CFormBinder binder;

    int nList = 0;
    std::string strName = "unread";
    unsigned nDay = 7;
    int nCount = 3;
    double dFrequency = 1.5;
};
} // namespace

TEST(FormBinderTest, ReadsAllOrStopsAtTheFirstUnreadableEntry)
{
    const struct
    {
        const char* day;
        const char* count;
        const char* frequency;
        const char* message; // null: everything read
        int focus;           // 0 day, 1 count, 2 frequency
    } cases[] = {
        {"12", "-4", "150.005", nullptr, 0},  {" 12 ", "+4", "0", nullptr, 0},
        {"", "4", "150.005", "day?", 0},      {"-1", "4", "150.005", "day?", 0},
        {"12", "4x", "150.005", "count?", 1}, {"12", "4", "abc", "frequency?", 2},
        {"x", "y", "z", "day?", 0}, // only the first is reported
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.day) + "|" + c.count + "|" + c.frequency);
        CFakeUiServices ui;
        Form form(ui);
        form.list->SetValue(1);
        form.name->setText("abc ");
        form.day->setText(c.day);
        form.count->setText(c.count);
        form.frequency->Edit()->setText(c.frequency);
        const bool read = form.binder.ReadAll();
        EXPECT_EQ(read, c.message == nullptr);
        if (read)
        {
            EXPECT_TRUE(ui.Texts().empty());
            EXPECT_EQ(form.nList, 1);
            EXPECT_EQ(form.strName, "abc ");
            EXPECT_EQ(form.nDay, 12u);
            continue;
        }
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{c.message});
        // Nothing was taken, not even the entries before the unreadable one.
        EXPECT_EQ(form.nList, 0);
        EXPECT_EQ(form.strName, "unread");
        EXPECT_EQ(form.nDay, 7u);
        EXPECT_EQ(form.nCount, 3);
        EXPECT_DOUBLE_EQ(form.dFrequency, 1.5);
        QLineEdit* boxes[] = {form.day, form.count, form.frequency->Edit()};
        QLineEdit* entry = boxes[c.focus];
        EXPECT_EQ(form.window.focusWidget(), entry);
        EXPECT_EQ(entry->selectedText(), entry->text()) << "selected for retyping";
    }
}

TEST(FormBinderTest, WritesEveryMemberIntoItsControl)
{
    const struct
    {
        int list;
        std::string name;
        unsigned day;
        int count;
        double frequency;
        int shownList;
        const char* shownName;
        const char* shownFrequency;
    } cases[] = {
        {0, "ABC", 1, -2, 150.005, 0, "ABC", "150.00500"},
        // Stored fields are padded with blanks: a blank one shows empty.
        {1, "            ", 31, 0, 0.0, 1, "", "0.00000"},
        {5, " 1 2  ", 0, 8, 851.0125, -1, " 1 2", "851.01250"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakeUiServices ui;
        Form form(ui);
        form.nList = c.list;
        form.strName = c.name;
        form.nDay = c.day;
        form.nCount = c.count;
        form.dFrequency = c.frequency;
        form.binder.WriteAll();
        EXPECT_EQ(form.list->Value(), c.shownList);
        EXPECT_EQ(form.name->text(), c.shownName);
        EXPECT_EQ(form.day->text(), QString::number(c.day));
        EXPECT_EQ(form.count->text(), QString::number(c.count));
        EXPECT_EQ(form.frequency->Edit()->text(), c.shownFrequency);
    }
}

TEST(FormBinderTest, FieldsAreShownFromTheImageAndStoredBackWhole)
{
    CFakeUiServices ui;
    QWidget window;
    auto* model = new COptionList(&window, {"0", "1", "2", "3", "4", "5"});
    auto* rollOver = new COptionList(&window, {"Enable", "Disable"});
    auto* defeat = new QCheckBox(&window);
    auto* high = new QRadioButton(&window);
    auto* low = new QRadioButton(&window);
    auto* serial = new QLineEdit(&window);
    CFormBinder binder(ui);
    int nModel = 0;
    int nRollOver = 0;
    int nDefeat = 0;
    int nSide = 0;
    std::string strSerial;
    using F = CFormBinder;
    binder.Bind(model, nModel, F::Field(&CRadioImage::GetModel, &CRadioImage::SetModel));
    binder.Bind(rollOver, nRollOver,
                F::TurnedField(&CRadioImage::GetChannelRollOver, &CRadioImage::SetChannelRollOver));
    binder.Bind(defeat, nDefeat,
                F::Field(&CRadioImage::GetDefeatPriority2, &CRadioImage::SetDefeatPriority2));
    binder.Bind(high, low, nSide, F::Field(&CRadioImage::GetInjection, &CRadioImage::SetInjection));
    binder.Bind(serial, strSerial,
                F::TextField(&CRadioImage::GetSerialNumber, &CRadioImage::SetSerialNumber));

    CRadioImage image;
    ASSERT_TRUE(image.SetModel(3) && image.SetChannelRollOver(1) && image.SetDefeatPriority2(1) &&
                image.SetInjection(1) && image.SetSerialNumber("12AB"));
    binder.ShowImage(image);
    EXPECT_EQ(model->Value(), 3);
    EXPECT_EQ(rollOver->Value(), 0) << "the field's 1 is shown first";
    EXPECT_TRUE(defeat->isChecked());
    EXPECT_TRUE(low->isChecked());
    EXPECT_EQ(serial->text(), "12AB");

    model->SetValue(4);
    rollOver->SetValue(1);
    defeat->setChecked(false);
    high->setChecked(true);
    serial->clear();
    ASSERT_TRUE(binder.ReadAll());
    CRadioImage stored = image;
    ASSERT_TRUE(binder.StoreImage(stored));
    int value = -1;
    EXPECT_TRUE(stored.GetModel(value) && value == 4);
    EXPECT_TRUE(stored.GetChannelRollOver(value) && value == 0);
    EXPECT_TRUE(stored.GetDefeatPriority2(value) && value == 0);
    EXPECT_TRUE(stored.GetInjection(value) && value == 0);
    std::string text;
    (void)stored.GetSerialNumber(text);
    EXPECT_EQ(text.find_first_not_of(' '), std::string::npos) << "an empty box leaves it blank";

    // A value the getter calls invalid shows as no entry, and a value the
    // setter refuses (a list left without a choice) stops the store.
    const std::uint8_t invalid = 0x20;
    ASSERT_TRUE(image.WriteBlock(&invalid, ImageFields::kModel.offset, 1));
    binder.ShowImage(image);
    EXPECT_EQ(model->Value(), -1);
    rollOver->SetValue(-1);
    ASSERT_TRUE(binder.ReadAll());
    EXPECT_FALSE(binder.StoreImage(stored));
}
