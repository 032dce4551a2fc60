// The Model form.

// own
#include "views/ModelView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/OptionList.h"
#include "ui/UiServices.h"

// model
#include "model/BandTable.h"
#include "model/Calendar.h"
#include "model/ModelTexts.h"
#include "model/Synthesizer.h"
#include "model/TextReaders.h"

// Qt
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CModelView::CModelView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_MODEL, parent), m_pModelList(new COptionList(this, kBandNames)),
      m_pInjectionList(new COptionList(this, {ViewText::kHi, ViewText::kLow})),
      m_pWideRefList(new COptionList(this, {})), m_pNarrowRefList(new COptionList(this, {})),
      m_pSerial(CFormRows::TextBox(this, 8, 120)), m_pCustomer(CFormRows::TextBox(this, 10, 140)),
      m_pMonthList(new COptionList(this, ViewText::kMonths)),
      m_pDay(CFormRows::TextBox(this, 2, 44)), m_pYear(CFormRows::TextBox(this, 4, 64)),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancel), this))
{
    // Every getter here delivers its value also when it reports the stored
    // bytes as invalid (an unset model comes back as -1, a blank date as 0),
    // and the form shows what it was given.
    const auto storedModel = [](const CRadioImage& image)
    {
        int model = -1;
        (void)image.GetModel(model);
        return model;
    };
    m_binder.Bind(m_pModelList, m_nModel,
                  {[storedModel](const CRadioImage& image, int& model)
                   { model = storedModel(image); },
                   [](CRadioImage& image, const int& model) { return image.SetModel(model); }});
    // The side is shown as the IF offset says it, which is what the radio
    // tunes by; the IF offsets themselves are written with the references.
    m_binder.Bind(m_pInjectionList, m_nInjection,
                  {[](const CRadioImage& image, int& side)
                   {
                       int ifWord = 0;
                       (void)image.GetWideIfOffset(ifWord);
                       side = IsHighInjectionOffset(ifWord) ? 0 : 1;
                   },
                   [](CRadioImage& image, const int& side) { return image.SetInjection(side); }});
    m_binder.Bind(m_pWideRefList, m_nWideRef,
                  {[storedModel](const CRadioImage& image, int& code)
                   { (void)image.GetWideReferenceCode(storedModel(image), code); },
                   [this](CRadioImage& image, const int& code)
                   { return image.SetWideReference(ReferenceStepsOf(m_nModel).hz[code]); }});
    m_binder.Bind(m_pNarrowRefList, m_nNarrowRef,
                  {[storedModel](const CRadioImage& image, int& code)
                   { (void)image.GetNarrowReferenceCode(storedModel(image), code); },
                   [this](CRadioImage& image, const int& code)
                   { return image.SetNarrowReference(ReferenceStepsOf(m_nModel).hz[code]); }});
    m_binder.Bind(
        m_pSerial, m_strSerial,
        CFormBinder::TextField(&CRadioImage::GetSerialNumber, &CRadioImage::SetSerialNumber));
    m_binder.Bind(m_pCustomer, m_strCustomer,
                  CFormBinder::TextField(&CRadioImage::GetCustomer, &CRadioImage::SetCustomer));
    // The date is one field of three entries: it is read here entry by entry
    // and written whole in StoreToImage.
    const auto datePart = [](int part)
    {
        return [part](const CRadioImage& image)
        {
            int date[3] = {0, 0, 0};
            (void)image.GetDate(date[0], date[1], date[2]);
            return date[part];
        };
    };
    m_binder.Bind(m_pMonthList, m_nMonth,
                  {[month = datePart(1)](const CRadioImage& image, int& value)
                   { value = month(image) - 1; },
                   {}});
    m_binder.Bind(m_pDay, m_nDay, ViewText::kPositiveInteger,
                  {[day = datePart(2)](const CRadioImage& image, unsigned& value)
                   { value = static_cast<unsigned>(day(image)); },
                   {}});
    m_binder.Bind(m_pYear, m_nYear, ViewText::kPositiveInteger,
                  {[year = datePart(0)](const CRadioImage& image, unsigned& value)
                   { value = static_cast<unsigned>(year(image)); },
                   {}});
    BuildLayout();

    connect(m_pModelList, &COptionList::Chosen, this, [this] { OnModelSelChange(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
}

void CModelView::BuildLayout()
{
    CFormRows rows(this);
    rows.Grid()->setHorizontalSpacing(14);
    rows.Grid()->setVerticalSpacing(18);
    rows.AddRow(ViewText::kModel, m_pModelList);
    rows.AddRow(ViewText::kInjectionAspect, m_pInjectionList);
    rows.AddRow(ViewText::kPllReference, m_pWideRefList, ViewText::kWideReferenceName);
    rows.AddToRow(ViewText::kNarrow, m_pNarrowRefList, ViewText::kNarrowReferenceName);
    rows.AddRow(ViewText::kSerialNumber, m_pSerial);
    rows.AddRow(ViewText::kCustomer, m_pCustomer);
    rows.AddRow(ViewText::kDate, nullptr);
    rows.AddToRow(ViewText::kMon, m_pMonthList);
    rows.AddToRow(ViewText::kDay, m_pDay);
    rows.AddToRow(ViewText::kYear, m_pYear);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->addWidget(rows.Widget());
    layout->addStretch(1);
    layout->addLayout(buttons);
}

bool CModelView::IsModelUnset()
{
    return m_pModelList->Value() < 0;
}

void CModelView::RebuildReferenceLists(int model)
{
    const ReferenceStepRow& row = ReferenceStepsOf(model);
    for (COptionList* list : {m_pWideRefList, m_pNarrowRefList})
    {
        list->SetItems(row.texts, static_cast<std::size_t>(row.count));
    }
    m_pWideRefList->SetValue(m_nWideRef = row.defaultWide);
    m_pNarrowRefList->SetValue(m_nNarrowRef = row.defaultNarrow);
}

void CModelView::OnModelSelChange()
{
    // Only the controls that depend on the band change; the other entries stay
    // as typed, unread, so a half-typed day is not reported here.
    m_nModel = m_pModelList->Value();
    m_pInjectionList->SetValue(m_nInjection = DefaultInjectionSide(m_nModel));
    RebuildReferenceLists(m_nModel);
    emit CommandStateChanged();
}

void CModelView::RefreshForm()
{
    // The reference lists hold the stored model's steps before they show its
    // codes.
    int model = -1;
    (void)m_image.GetModel(model);
    RebuildReferenceLists(model);
    m_binder.ShowImage(m_image);
    // Read back as the controls show them, which is what a later read finds.
    (void)m_binder.ReadAll(false);
    m_loaded = Shown();
}

CModelView::Entries CModelView::Shown() const
{
    return {m_nModel,      m_nInjection, m_nWideRef, m_nNarrowRef, m_strSerial,
            m_strCustomer, m_nMonth,     m_nDay,     m_nYear};
}

bool CModelView::CheckEntries(QWidget*& wrong) const
{
    const int steps = ReferenceStepsOf(m_nModel).count;
    bool ok = (m_nInjection == 0 || m_nInjection == 1) && m_nWideRef >= 0 && m_nWideRef < steps &&
              m_nNarrowRef >= 0 && m_nNarrowRef < steps;
    // Every check runs; the last failing box keeps the focus, so the year wins
    // over the day when both are wrong. The serial number and customer fields
    // hold one nibble a character, F meaning a blank: a typed F is refused.
    std::string nibbles;
    for (QLineEdit* field : {m_pSerial, m_pCustomer})
    {
        if (!ReadHexNibbleText(field->text().toStdString(), nibbles))
        {
            ok = false;
            wrong = field;
        }
    }
    if (m_nMonth < 0 || m_nMonth >= 12)
    {
        ok = false;
    }
    else if (const int days = DaysInMonth(static_cast<int>(m_nYear), m_nMonth + 1);
             m_nDay < 1 || m_nDay > static_cast<unsigned>(days))
    {
        ok = false;
        wrong = m_pDay;
    }
    if (m_nYear < kFirstDateYear || m_nYear > kLastDateYear)
    {
        ok = false;
        wrong = m_pYear;
    }
    return ok;
}

bool CModelView::ValidateForm()
{
    if (!ReadForm())
    {
        return false;
    }
    Host().SetModelIndex(m_nModel);
    QWidget* wrong = nullptr;
    const bool ok = CheckEntries(wrong);
    if (wrong != nullptr)
    {
        wrong->setFocus();
    }
    if (!ok)
    {
        Ui().ShowMessage(ViewText::kSetUpErrorModel, MessageIcon::Warning);
    }
    return ok;
}

bool CModelView::StoreDerived(CRadioImage& stored) const
{
    bool ok = true;
    if (FindBand(m_nModel) != nullptr)
    {
        const ReferenceStepRow& row = ReferenceStepsOf(m_nModel);
        const bool low = m_nInjection == 1;
        ok = stored.SetWideIfOffset(ComputeIfOffset(m_nModel, low, row.hz[m_nWideRef])) &&
             stored.SetNarrowIfOffset(ComputeIfOffset(m_nModel, low, row.hz[m_nNarrowRef]));
    }
    return ok && stored.SetDate(static_cast<int>(m_nYear), m_nMonth + 1, static_cast<int>(m_nDay));
}

void CModelView::StoreToImage(CRadioImage& image)
{
    if (!ValidateForm() || Shown() == m_loaded)
    {
        return;
    }
    (void)StoreOnCopy(image, ViewText::kSetUpErrorModel,
                      [this](CRadioImage& stored) { return StoreDerived(stored); });
}

bool CModelView::PreviewStore(CRadioImage& image, int& /*channelMode*/)
{
    const std::function<void()> restore = m_binder.KeepMembers();
    bool stored = m_binder.ReadAll(false);
    if (stored && !(Shown() == m_loaded))
    {
        QWidget* wrong = nullptr;
        CRadioImage copy = image;
        stored = CheckEntries(wrong) && m_binder.StoreImage(copy) && StoreDerived(copy);
        if (stored)
        {
            image = copy;
        }
    }
    restore();
    return stored;
}
