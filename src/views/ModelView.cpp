// The Model form.

// own
#include "views/ModelView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/UiServices.h"

// model
#include "model/BandTable.h"
#include "model/ModelTexts.h"
#include "model/Synthesizer.h"

// Qt
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

// std
#include <algorithm>

namespace
{
constexpr int kSerialLength = 8;
constexpr int kCustomerLength = 10;
constexpr int kDayLength = 2;
constexpr int kYearLength = 4;
constexpr unsigned kFirstYear = 1980;
constexpr unsigned kLastYear = 2099;

// The reference steps a band offers; the list position is the reference code.
struct StepRow
{
    int count;
    const char* texts[3];
    double hz[3];
    int defaultWide;
    int defaultNarrow;
};

// Models outside 8..13 (no model chosen included) use the VHF row.
const StepRow& StepRowOf(int model)
{
    static const StepRow kVhf{3,
                              {ViewText::kStep2_5, ViewText::kStep5_0, ViewText::kStep6_25},
                              {2500.0, 5000.0, 6250.0},
                              1,
                              2};
    static const StepRow kUhf{
        2, {ViewText::kStep5_0, ViewText::kStep6_25, nullptr}, {5000.0, 6250.0, 0.0}, 0, 1};
    static const StepRow k800{3,
                              {ViewText::kStep5_0, ViewText::kStep6_25, ViewText::kStep12_5},
                              {5000.0, 6250.0, 12500.0},
                              2,
                              2};
    if (model == kModel800)
    {
        return k800;
    }
    if (model >= 8 && model <= 12)
    {
        return kUhf;
    }
    return kVhf;
}

// The injection side a band starts with: high side up to VHF(H) B Band.
int DefaultInjection(int model)
{
    return model >= 0 && model <= 6 ? 0 : 1;
}

// The serial number and customer fields hold one nibble a character, and the
// nibble F means a blank: an F typed there could not be stored as an F.
bool IsHexOrBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) {
                           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'E') ||
                                  (c >= 'a' && c <= 'e') || c == ' ';
                       });
}

bool IsLeapYear(unsigned year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(int month, unsigned year)
{
    static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 1 && IsLeapYear(year))
    {
        return 29;
    }
    return kDays[month];
}

// A field of blanks is shown empty; trailing blanks are dropped so that the box
// has room to type (they are stored as blanks again either way).
QString FieldText(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? QString() : QString::fromStdString(text.substr(0, last + 1));
}

QLabel* Label(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromLatin1(text), parent);
}
} // namespace

CModelView::CModelView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_MODEL, parent), m_pModelList(new QComboBox(this)),
      m_pInjectionList(new QComboBox(this)), m_pWideRefList(new QComboBox(this)),
      m_pNarrowRefList(new QComboBox(this)), m_pSerial(new QLineEdit(this)),
      m_pCustomer(new QLineEdit(this)), m_pMonthList(new QComboBox(this)),
      m_pDay(new QLineEdit(this)), m_pYear(new QLineEdit(this)),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancel), this))
{
    for (const char* name : kBandNames)
    {
        m_pModelList->addItem(QString::fromLatin1(name));
    }
    m_pModelList->setCurrentIndex(-1);
    m_pInjectionList->addItem(QString::fromLatin1(ViewText::kHi));
    m_pInjectionList->addItem(QString::fromLatin1(ViewText::kLow));
    for (const char* month : ViewText::kMonths)
    {
        m_pMonthList->addItem(QString::fromLatin1(month));
    }
    m_pSerial->setMaxLength(kSerialLength);
    m_pCustomer->setMaxLength(kCustomerLength);
    m_pDay->setMaxLength(kDayLength);
    m_pYear->setMaxLength(kYearLength);
    // Day and year are unsigned decimal numbers.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_pDay->setValidator(new QRegularExpressionValidator(digits, m_pDay));
    m_pYear->setValidator(new QRegularExpressionValidator(digits, m_pYear));
    BuildLayout();

    connect(m_pModelList, &QComboBox::activated, this, [this] { OnModelSelChange(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
}

void CModelView::BuildLayout()
{
    m_pModelList->setMinimumWidth(180);
    for (QComboBox* list : {m_pInjectionList, m_pWideRefList, m_pNarrowRefList})
    {
        list->setMinimumWidth(90);
    }
    m_pMonthList->setMinimumWidth(120);
    m_pSerial->setFixedWidth(120);
    m_pCustomer->setFixedWidth(140);
    m_pDay->setFixedWidth(44);
    m_pYear->setFixedWidth(64);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(18);
    int row = 0;
    grid->addWidget(Label(ViewText::kModel, this), row, 0);
    grid->addWidget(m_pModelList, row, 1, 1, 3, Qt::AlignLeft);
    ++row;
    grid->addWidget(Label(ViewText::kInjectionAspect, this), row, 0);
    grid->addWidget(m_pInjectionList, row, 1, Qt::AlignLeft);
    ++row;
    grid->addWidget(Label(ViewText::kPllReference, this), row, 0);
    grid->addWidget(m_pWideRefList, row, 1, Qt::AlignLeft);
    grid->addWidget(Label(ViewText::kNarrow, this), row, 2);
    grid->addWidget(m_pNarrowRefList, row, 3, Qt::AlignLeft);
    ++row;
    grid->addWidget(Label(ViewText::kSerialNumber, this), row, 0);
    grid->addWidget(m_pSerial, row, 1, 1, 3, Qt::AlignLeft);
    ++row;
    grid->addWidget(Label(ViewText::kCustomer, this), row, 0);
    grid->addWidget(m_pCustomer, row, 1, 1, 3, Qt::AlignLeft);
    ++row;
    auto* date = new QHBoxLayout;
    date->setSpacing(8);
    date->addWidget(Label(ViewText::kMon, this));
    date->addWidget(m_pMonthList);
    date->addSpacing(12);
    date->addWidget(Label(ViewText::kDay, this));
    date->addWidget(m_pDay);
    date->addSpacing(12);
    date->addWidget(Label(ViewText::kYear, this));
    date->addWidget(m_pYear);
    date->addStretch(1);
    grid->addWidget(Label(ViewText::kDate, this), row, 0);
    grid->addLayout(date, row, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

bool CModelView::IsModelUnset()
{
    return m_pModelList->currentIndex() < 0;
}

void CModelView::RebuildReferenceLists(int model)
{
    const StepRow& row = StepRowOf(model);
    for (QComboBox* list : {m_pWideRefList, m_pNarrowRefList})
    {
        list->clear();
        for (int i = 0; i < row.count; ++i)
        {
            list->addItem(QString::fromLatin1(row.texts[i]));
        }
    }
    m_nWideRef = row.defaultWide;
    m_nNarrowRef = row.defaultNarrow;
    m_pWideRefList->setCurrentIndex(m_nWideRef);
    m_pNarrowRefList->setCurrentIndex(m_nNarrowRef);
}

void CModelView::OnModelSelChange()
{
    // Only the controls that depend on the band change; the other entries stay
    // as typed, unread, so a half-typed day is not reported here.
    m_nModel = m_pModelList->currentIndex();
    m_nInjection = DefaultInjection(m_nModel);
    m_pInjectionList->setCurrentIndex(m_nInjection);
    RebuildReferenceLists(m_nModel);
    emit CommandStateChanged();
}

void CModelView::RefreshForm()
{
    int model = -1;
    (void)m_image.GetModel(model);
    m_nModel = model;
    RebuildReferenceLists(model);

    int ifWord = 0;
    (void)m_image.GetWideIfOffset(ifWord);
    m_nInjection = (ifWord & 0x8000) != 0 ? 0 : 1;

    (void)m_image.GetWideReferenceCode(model, m_nWideRef);
    (void)m_image.GetNarrowReferenceCode(model, m_nNarrowRef);

    (void)m_image.GetSerialNumber(m_strSerial);
    (void)m_image.GetCustomer(m_strCustomer);

    int year = 0;
    int month = 0;
    int day = 0;
    (void)m_image.GetDate(year, month, day);
    m_nYear = static_cast<unsigned>(year);
    m_nMonth = month - 1;
    m_nDay = static_cast<unsigned>(day);
    WriteForm();
}

void CModelView::WriteForm()
{
    m_pModelList->setCurrentIndex(m_nModel >= 0 && m_nModel < kModelCount ? m_nModel : -1);
    m_pInjectionList->setCurrentIndex(m_nInjection);
    m_pWideRefList->setCurrentIndex(m_nWideRef);
    m_pNarrowRefList->setCurrentIndex(m_nNarrowRef);
    m_pSerial->setText(FieldText(m_strSerial));
    m_pCustomer->setText(FieldText(m_strCustomer));
    m_pMonthList->setCurrentIndex(m_nMonth);
    m_pDay->setText(QString::number(m_nDay));
    m_pYear->setText(QString::number(m_nYear));
}

bool CModelView::ReadUnsigned(QLineEdit* box, unsigned& valueOut)
{
    bool ok = false;
    const unsigned value = box->text().trimmed().toUInt(&ok);
    if (!ok)
    {
        return false;
    }
    valueOut = value;
    return true;
}

bool CModelView::ReadForm()
{
    m_nModel = m_pModelList->currentIndex();
    m_nInjection = m_pInjectionList->currentIndex();
    m_nWideRef = m_pWideRefList->currentIndex();
    m_nNarrowRef = m_pNarrowRefList->currentIndex();
    m_strSerial = m_pSerial->text().toStdString();
    m_strCustomer = m_pCustomer->text().toStdString();
    m_nMonth = m_pMonthList->currentIndex();
    for (const auto& [box, value] : {std::pair{m_pDay, &m_nDay}, std::pair{m_pYear, &m_nYear}})
    {
        if (!ReadUnsigned(box, *value))
        {
            box->setFocus();
            box->selectAll();
            Ui().ShowMessage(ViewText::kPositiveInteger, MessageIcon::Warning);
            return false;
        }
    }
    return true;
}

bool CModelView::ValidateForm()
{
    if (!ReadForm())
    {
        return false;
    }
    bool ok = true;
    if (m_nInjection != 0 && m_nInjection != 1)
    {
        ok = false;
    }
    Host().SetModelIndex(m_nModel);

    const StepRow& row = StepRowOf(m_nModel);
    if (m_nWideRef >= 0 && m_nWideRef < row.count)
    {
        m_dWideStepHz = row.hz[m_nWideRef];
    }
    else
    {
        ok = false;
    }
    if (m_nNarrowRef >= 0 && m_nNarrowRef < row.count)
    {
        m_dNarrowStepHz = row.hz[m_nNarrowRef];
    }
    else
    {
        ok = false;
    }

    if (!IsHexOrBlank(m_strSerial))
    {
        ok = false;
        m_pSerial->setFocus();
    }
    if (!IsHexOrBlank(m_strCustomer))
    {
        ok = false;
        m_pCustomer->setFocus();
    }

    if (m_nMonth >= 0 && m_nMonth < 12)
    {
        if (m_nDay < 1 || m_nDay > DaysInMonth(m_nMonth, m_nYear))
        {
            ok = false;
            m_pDay->setFocus();
        }
    }
    else
    {
        ok = false;
    }
    // Checked after the day so that the year keeps the focus when both are wrong.
    if (m_nYear < kFirstYear || m_nYear > kLastYear)
    {
        ok = false;
        m_pYear->setFocus();
    }

    if (!ok)
    {
        Ui().ShowMessage(ViewText::kSetUpErrorModel, MessageIcon::Warning);
    }
    return ok;
}

void CModelView::StoreToImage(CRadioImage& image)
{
    if (!ValidateForm())
    {
        return;
    }
    image.SetModel(m_nModel);
    (void)image.SetInjection(m_nInjection);
    if (FindBand(m_nModel) != nullptr)
    {
        const bool low = m_nInjection == 1;
        image.SetWideIfOffset(ComputeIfOffset(m_nModel, low, m_dWideStepHz));
        image.SetNarrowIfOffset(ComputeIfOffset(m_nModel, low, m_dNarrowStepHz));
    }
    (void)image.SetWideReference(m_dWideStepHz);
    (void)image.SetNarrowReference(m_dNarrowStepHz);
    // An empty box is written as one blank, which leaves the field blank.
    (void)image.SetSerialNumber(m_strSerial.empty() ? std::string(" ") : m_strSerial);
    (void)image.SetCustomer(m_strCustomer.empty() ? std::string(" ") : m_strCustomer);
    image.SetDate(static_cast<int>(m_nYear), m_nMonth + 1, static_cast<int>(m_nDay));
}
