// The Model form: band defaults, the words it stores, its checks and Cancel.

// own
#include "FormFixture.h"
#include "FormTestSupport.h"

// sim
#include "sim/SampleImage.h"

// views
#include "views/ViewTexts.h"

// Qt
#include <QLineEdit>
#include <QPushButton>

// std
#include <array>

namespace
{
std::uint32_t Word(const CRadioImage& image, std::uint32_t offset)
{
    std::array<std::uint8_t, 2> bytes{};
    EXPECT_TRUE(image.ReadBlock(bytes.data(), offset, 2));
    return static_cast<std::uint32_t>(bytes[0] << 8 | bytes[1]);
}
} // namespace

class ModelViewTest : public FormFixture
{
protected:
    void SetUp() override
    {
        m_form = OpenForm<CModelView>(VIEW_MODEL);
        ASSERT_NE(m_form, nullptr);
    }

    void ChooseModel(int model) { FormFixture::ChooseModel(m_form, model); }

    // A valid date, so that only the case under test can fail.
    void SetDate(int monthIndex, const char* day, const char* year)
    {
        m_form->MonthList()->setCurrentIndex(monthIndex);
        m_form->DayEdit()->setText(day);
        m_form->YearEdit()->setText(year);
    }

    CModelView* m_form = nullptr;
};

TEST_F(ModelViewTest, ListsEveryBandInModelOrder)
{
    EXPECT_EQ(Items(m_form->ModelList()),
              QStringList({"VHF(L) A Band", "VHF(L) B Band", "VHF(L) C Band", "VHF(M) A Band",
                           "VHF(M) B Band", "VHF(H) A Band", "VHF(H) B Band", "VHF(H1)", "UHF(L)",
                           "UHF A Band", "UHF B Band", "UHF C Band", "UHF D Band", "800 MHz"}));
    EXPECT_EQ(Items(m_form->InjectionList()), QStringList({"HI", "LOW"}));
    EXPECT_EQ(m_form->MonthList()->count(), 12);
    EXPECT_EQ(m_form->MonthList()->itemText(11), "December");
    EXPECT_EQ(m_form->SerialEdit()->maxLength(), 8);
    EXPECT_EQ(m_form->CustomerEdit()->maxLength(), 10);
    EXPECT_EQ(m_form->DayEdit()->maxLength(), 2);
    EXPECT_EQ(m_form->YearEdit()->maxLength(), 4);
    EXPECT_EQ(m_form->CancelButton()->text(), "Cancel");
}

TEST_F(ModelViewTest, ChoosingABandSetsItsDefaults)
{
    const QStringList vhf{"2.5", "5.0", "6.25"};
    const QStringList uhf{"5.0", "6.25"};
    const QStringList band800{"5.0", "6.25", "12.5"};
    const struct
    {
        int model;
        const char* injection;
        QStringList steps;
        const char* wide;
        const char* narrow;
    } cases[] = {
        {0, "HI", vhf, "5.0", "6.25"},        {6, "HI", vhf, "5.0", "6.25"},
        {7, "LOW", vhf, "5.0", "6.25"},       {8, "LOW", uhf, "5.0", "6.25"},
        {9, "LOW", uhf, "5.0", "6.25"},       {12, "LOW", uhf, "5.0", "6.25"},
        {13, "LOW", band800, "12.5", "12.5"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model);
        // Start from other choices so that each default is really set.
        m_form->InjectionList()->setCurrentIndex(c.injection == std::string("HI") ? 1 : 0);
        ChooseModel(c.model);
        EXPECT_EQ(m_form->InjectionList()->currentText(), c.injection);
        EXPECT_EQ(Items(m_form->WideReferenceList()), c.steps);
        EXPECT_EQ(Items(m_form->NarrowReferenceList()), c.steps);
        EXPECT_EQ(m_form->WideReferenceList()->currentText(), c.wide);
        EXPECT_EQ(m_form->NarrowReferenceList()->currentText(), c.narrow);
        EXPECT_FALSE(m_form->IsModelUnset());
    }
    // Nothing reaches the form's image before the form is stored.
    int model = 0;
    EXPECT_FALSE(m_form->GetImage().GetModel(model));
}

TEST_F(ModelViewTest, StoresIfOffsetWordsReferencesAndInjection)
{
    const struct
    {
        int model;
        int injection; // 0 HI, 1 LOW
        int wide;      // list positions
        int narrow;
        std::uint32_t wideWord;
        std::uint32_t narrowWord;
        std::uint32_t wideDivider;
        std::uint32_t narrowDivider;
    } cases[] = {
        {5, 0, 1, 2, 0xDCD8, 0xE3E0, 2560, 2048},  // -9000, -7200
        {5, 1, 1, 2, 0x2328, 0x1C20, 2560, 2048},  // +9000, +7200
        {13, 1, 2, 2, 0x15E0, 0x15E0, 1024, 1024}, // +5600
        {0, 0, 0, 2, 0xEF48, 0xF950, 5120, 2048},  // -4280, -1712
        {9, 1, 0, 1, 0x2328, 0x1C20, 2560, 2048},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model * 10 + c.injection);
        ChooseModel(c.model);
        m_form->InjectionList()->setCurrentIndex(c.injection);
        m_form->WideReferenceList()->setCurrentIndex(c.wide);
        m_form->NarrowReferenceList()->setCurrentIndex(c.narrow);
        CRadioImage image;
        m_form->StoreToImage(image);
        int model = -1;
        int flag = -1;
        int word = 0;
        ASSERT_TRUE(image.GetModel(model));
        EXPECT_EQ(model, c.model);
        ASSERT_TRUE(image.GetInjection(flag));
        EXPECT_EQ(flag, c.injection);
        ASSERT_TRUE(image.GetWideIfOffset(word));
        EXPECT_EQ(static_cast<std::uint32_t>(word), c.wideWord);
        EXPECT_EQ(Word(image, 0x14), c.narrowWord);
        EXPECT_EQ(Word(image, 0x0E), c.wideDivider);
        EXPECT_EQ(Word(image, 0x10), c.narrowDivider);
        EXPECT_EQ(m_host.m_nModelIndex, c.model);
    }
    EXPECT_TRUE(m_ui.Texts().empty());
}

TEST_F(ModelViewTest, WithoutAModelTheIfOffsetWordsStayAsTheyWere)
{
    EXPECT_TRUE(m_form->IsModelUnset());
    CRadioImage image;
    EXPECT_TRUE(image.SetWideIfOffset(0x1234));
    EXPECT_TRUE(image.SetNarrowIfOffset(0x5678));
    ASSERT_TRUE(image.SetWideReference(12500));
    m_form->SerialEdit()->setText("1"); // an edit: an untouched form stores nothing
    EXPECT_TRUE(m_form->ValidateForm());
    m_form->StoreToImage(image);
    EXPECT_EQ(Word(image, 0x12), 0x1234u);
    EXPECT_EQ(Word(image, 0x14), 0x5678u);
    EXPECT_EQ(Word(image, 0x0E), 2560u) << "VHF default wide step 5.0";
    EXPECT_EQ(Word(image, 0x10), 2048u) << "VHF default narrow step 6.25";
    int model = 0;
    EXPECT_FALSE(image.GetModel(model));
    EXPECT_EQ(m_host.m_nModelIndex, -1);
}

TEST_F(ModelViewTest, DateChecksPutTheFocusOnTheWrongBox)
{
    enum Focus
    {
        NONE,
        DAY,
        YEAR
    };
    const struct
    {
        int month; // list position
        const char* day;
        const char* year;
        Focus focus;
    } cases[] = {
        {1, "29", "2000", NONE}, {1, "29", "2001", DAY},  {1, "28", "2001", NONE},
        {1, "29", "1900", YEAR}, {1, "29", "2004", NONE}, {3, "31", "2001", DAY},
        {3, "30", "2001", NONE}, {0, "0", "2001", DAY},   {11, "31", "2001", NONE},
        {0, "1", "1979", YEAR},  {0, "1", "2100", YEAR},  {0, "1", "2099", NONE},
        {0, "1", "1980", NONE},  {3, "31", "1979", YEAR}, {0, "32", "2001", DAY},
    };
    ChooseModel(5);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.day) + "/" + std::to_string(c.month + 1) + "/" + c.year);
        m_ui.Clear();
        SetDate(c.month, c.day, c.year);
        m_form->ModelList()->setFocus();
        const bool valid = m_form->ValidateForm();
        EXPECT_EQ(valid, c.focus == NONE);
        EXPECT_EQ(m_ui.CountOf(" Set Up Error !! "), valid ? 0 : 1);
        EXPECT_EQ(m_ui.m_records.size(), valid ? 0u : 1u);
        QWidget* expected = c.focus == DAY    ? static_cast<QWidget*>(m_form->DayEdit())
                            : c.focus == YEAR ? static_cast<QWidget*>(m_form->YearEdit())
                                              : static_cast<QWidget*>(m_form->ModelList());
        EXPECT_EQ(m_form->focusWidget(), expected);
    }
}

TEST_F(ModelViewTest, SerialNumberAndCustomerTakeHexDigitsAndBlanks)
{
    const struct
    {
        const char* serial;
        const char* customer;
        bool valid;
        std::array<std::uint8_t, 4> serialBytes;
    } cases[] = {
        {"12AB cd", "", true, {0x12, 0xAB, 0xFC, 0xDF}},
        {"", "abc", true, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"12G", "", false, {}},
        {"1", "12-3", false, {}},
        {"EEEE", "0123456789", true, {0xEE, 0xEE, 0xFF, 0xFF}},
        // F is the blank nibble: an F could only come back as a blank.
        {"", "12F", false, {}},
        {"f", "", false, {}},
    };
    ChooseModel(9);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.serial) + "|" + c.customer);
        m_ui.Clear();
        m_form->SerialEdit()->setText(c.serial);
        m_form->CustomerEdit()->setText(c.customer);
        CRadioImage image;
        const CRadioImage untouched = image;
        m_form->StoreToImage(image);
        if (!c.valid)
        {
            EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{" Set Up Error !! "});
            EXPECT_EQ(std::memcmp(image.WorkBlock().image, untouched.WorkBlock().image, kImageSize),
                      0)
                << "nothing written";
            continue;
        }
        EXPECT_TRUE(m_ui.Texts().empty());
        std::array<std::uint8_t, 4> serial{};
        ASSERT_TRUE(image.ReadBlock(serial.data(), 0x0000, 4));
        EXPECT_EQ(serial, c.serialBytes);
    }
    // An empty customer box leaves the field blank; "abc" is stored as nibbles.
    std::array<std::uint8_t, 5> customer{};
    m_form->SerialEdit()->setText("");
    m_form->CustomerEdit()->setText("abc");
    CRadioImage image;
    m_form->StoreToImage(image);
    ASSERT_TRUE(image.ReadBlock(customer.data(), 0x0004, 5));
    EXPECT_EQ(customer, (std::array<std::uint8_t, 5>{0xAB, 0xCF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ModelViewTest, ModelIndexIsTakenEvenWhenTheFormFails)
{
    ChooseModel(11);
    m_form->YearEdit()->setText("1900");
    EXPECT_FALSE(m_form->ValidateForm());
    EXPECT_EQ(m_host.m_nModelIndex, 11);
}

TEST_F(ModelViewTest, AnEmptyDayIsAskedForAsANumberOnly)
{
    ChooseModel(3);
    m_form->DayEdit()->clear();
    EXPECT_FALSE(m_form->ValidateForm());
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Please enter a positive integer."});
    EXPECT_EQ(m_form->focusWidget(), m_form->DayEdit());
}

TEST_F(ModelViewTest, ShowsTheImageAndCancelRestoresIt)
{
    CRadioImage image;
    EXPECT_TRUE(image.SetModel(5));
    ASSERT_TRUE(image.SetWideReference(2500));
    ASSERT_TRUE(image.SetNarrowReference(5000));
    EXPECT_TRUE(image.SetWideIfOffset(0x2328)); // bit 15 clear: low side
    ASSERT_TRUE(image.SetSerialNumber("F1"));
    ASSERT_TRUE(image.SetCustomer(" "));
    EXPECT_TRUE(image.SetDate(2001, 2, 28));
    m_form->LoadFromImage(image);

    const auto check = [&]
    {
        EXPECT_EQ(m_form->ModelList()->currentText(), "VHF(H) A Band");
        EXPECT_EQ(m_form->InjectionList()->currentText(), "LOW");
        EXPECT_EQ(m_form->WideReferenceList()->currentText(), "2.5");
        EXPECT_EQ(m_form->NarrowReferenceList()->currentText(), "5.0");
        EXPECT_EQ(m_form->SerialEdit()->text(), " 1");
        EXPECT_EQ(m_form->CustomerEdit()->text(), "") << "a blank field shows empty";
        EXPECT_EQ(m_form->MonthList()->currentText(), "February");
        EXPECT_EQ(m_form->DayEdit()->text(), "28");
        EXPECT_EQ(m_form->YearEdit()->text(), "2001");
    };
    check();

    ChooseModel(13);
    m_form->InjectionList()->setCurrentIndex(0);
    m_form->SerialEdit()->setText("999");
    m_form->CustomerEdit()->setText("1");
    m_form->MonthList()->setCurrentIndex(5);
    m_form->DayEdit()->setText("1");
    m_form->YearEdit()->setText("2050");
    m_form->CancelButton()->click();
    check();

    // The sign bit of the wide IF-offset word selects "HI".
    EXPECT_TRUE(image.SetWideIfOffset(0xDCD8));
    m_form->LoadFromImage(image);
    EXPECT_EQ(m_form->InjectionList()->currentText(), "HI");
}

TEST_F(ModelViewTest, TheDemonstrationSampleSurvivesTheFormUnchanged)
{
    CRadioImage sample;
    ASSERT_TRUE(BuildSampleImage(sample));
    m_form->LoadFromImage(sample);
    CRadioImage stored = sample;
    m_form->StoreToImage(stored);
    EXPECT_EQ(std::vector<std::uint8_t>(stored.WorkBlock().image, stored.WorkBlock().image + 8192),
              std::vector<std::uint8_t>(sample.WorkBlock().image, sample.WorkBlock().image + 8192));
    EXPECT_TRUE(m_ui.Texts().empty());
}
