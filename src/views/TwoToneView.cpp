// The 2-Tone form.

// own
#include "views/TwoToneView.h"
#include "views/ViewTexts.h"

// ui
#include "ui/CommandIds.h"
#include "ui/FormRows.h"
#include "ui/OptionList.h"
#include "ui/UiServices.h"

// model
#include "model/SignallingTables.h"
#include "model/TextReaders.h"

// Qt
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// std
#include <array>

namespace
{
constexpr int kAniLength = 10;

QLabel* GroupText(QWidget* parent)
{
    auto* text = new QLabel(parent);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setFixedWidth(36);
    return text;
}

bool IsGrouped(int format)
{
    return format == kFormatMotorola11 || format == kFormatReach;
}

// The group text of a number; empty text reads as group 0.
int GroupOfText(const std::string& text)
{
    std::uint32_t group = 0;
    return ReadHex(text, group) ? static_cast<int>(group) : 0;
}
} // namespace

C2ToneView::C2ToneView(IViewHost& host, QWidget* parent)
    : CVesk4View(host, VIEW_2TONE, parent),
      m_pUsed(new QCheckBox(QString::fromLatin1(ViewText::kTwoToneUsed), this)),
      m_pFormat(new COptionList(this, ViewText::kTwoToneFormats)),
      m_pCode(new COptionList(this, {})), m_pGroup1(GroupText(this)), m_pGroup2(GroupText(this)),
      m_pTone1(new COptionList(this, {})), m_pTone2(new COptionList(this, {})),
      m_pTone3(new COptionList(this, {})), m_pAni(new QLineEdit(this)),
      m_pCancel(new QPushButton(QString::fromLatin1(ViewText::kCancel), this))
{
    m_pAni->setMaxLength(kAniLength);
    m_binder.Bind<int>(
        m_bUsed,
        [this](int& value)
        {
            value = m_pUsed->isChecked() ? 1 : 0;
            return true;
        },
        [this](int value) { m_pUsed->setChecked(value == 1); }, [this] { return m_pUsed; },
        nullptr);
    m_binder.Bind(m_pFormat, m_nFormat);
    m_binder.Bind(m_pCode, m_nCodeSel);
    for (auto [label, member] : {std::pair{m_pGroup1, &m_strGroup1}, {m_pGroup2, &m_strGroup2}})
    {
        m_binder.Bind<std::string>(
            *member,
            [label](std::string& text)
            {
                text = label->text().toStdString();
                return true;
            },
            [label](const std::string& text) { label->setText(QString::fromStdString(text)); },
            [label] { return label; }, nullptr);
    }
    m_binder.Bind(m_pTone1, m_nTone1Sel);
    m_binder.Bind(m_pTone2, m_nTone2Sel);
    m_binder.Bind(m_pTone3, m_nTone3Sel);
    m_binder.Bind(m_pAni, m_strAni);
    BuildLayout();

    connect(m_pUsed, &QCheckBox::clicked, this, [this] { OnUsedClicked(); });
    connect(m_pFormat, &COptionList::Chosen, this, [this] { OnFormatChanged(); });
    connect(m_pCode, &COptionList::Chosen, this, [this] { OnCodeChanged(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
}

COptionList* C2ToneView::ToneList(int tone) const
{
    return tone == 0 ? m_pTone1 : (tone == 1 ? m_pTone2 : m_pTone3);
}

void C2ToneView::BuildLayout()
{
    m_pFormat->setMinimumWidth(150);
    m_pCode->setMinimumWidth(60);
    for (COptionList* list : {m_pTone1, m_pTone2, m_pTone3})
    {
        list->setMinimumWidth(100);
    }
    m_pAni->setFixedWidth(120);

    CFormRows rows(this);
    rows.Grid()->setHorizontalSpacing(14);
    rows.Grid()->setVerticalSpacing(14);
    rows.AddRow("", m_pUsed, ViewText::kTwoToneUsed);
    rows.AddRow(ViewText::kFormatType, m_pFormat);
    rows.AddRow(ViewText::kGroupFormatCode, m_pCode);
    rows.AddRow(ViewText::kGroupFor1st, m_pGroup1);
    rows.AddToRow(ViewText::kGroupFor2nd, m_pGroup2);
    for (auto [label, list] : {std::pair{ViewText::k1stToneFreq, m_pTone1},
                               {ViewText::k2ndToneFreq, m_pTone2},
                               {ViewText::k3rdToneFreq, m_pTone3}})
    {
        rows.AddRow(label, list);
        rows.AddToRow(nullptr, new QLabel(QString::fromLatin1(ViewText::kHz)), ViewText::kHz);
    }
    rows.AddRow(ViewText::kAniNumber, m_pAni);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(rows.Widget());
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void C2ToneView::RebuildCodeList(int format)
{
    // Rebuilt whole each time, so a form shown again never gains a second "A".
    const int count = format == kFormatMotorola11 ? 11 : 10;
    m_pCode->SetItems(ViewText::kGroupCodes, static_cast<std::size_t>(count));
}

void C2ToneView::EnableControls(int used)
{
    const bool on = used == 1;
    for (COptionList* list : {m_pFormat, m_pTone1, m_pTone2})
    {
        list->setEnabled(on);
    }
    const int format = m_pFormat->Value();
    m_pCode->setEnabled(on && IsGrouped(format));
    m_pTone3->setEnabled(on && format == kFormatMotorola22);
}

void C2ToneView::SetGroupLabels(int format, int code)
{
    m_strGroup1.clear();
    m_strGroup2.clear();
    if (format < 0 || format >= kTwoToneFormatCount)
    {
        Ui().ShowMessage(ViewText::kFormatCodeError, MessageIcon::Warning);
    }
    else if (IsGrouped(format) && GroupsOfCode(format, code, m_nGroup1, m_nGroup2))
    {
        m_strGroup1 = QString::number(m_nGroup1, 16).toStdString();
        m_strGroup2 = QString::number(m_nGroup2, 16).toStdString();
    }
    m_pGroup1->setText(QString::fromStdString(m_strGroup1));
    m_pGroup2->setText(QString::fromStdString(m_strGroup2));
}

void C2ToneView::FillToneList(int format, int group, int second)
{
    if (format < 0 || format >= kTwoToneFormatCount)
    {
        Ui().ShowMessage(ViewText::kFormatTypeError, MessageIcon::Warning);
        return;
    }
    // The tones a list offers are those whose stored index the image can
    // hold, so every entry can be stored; a group outside the tables lists
    // nothing.
    const auto fill = [format, group](COptionList* list)
    {
        list->clear();
        for (int position = 0;; ++position)
        {
            const int index = ToneIndexFromChoice(format, group, position);
            if (index < 0)
            {
                break;
            }
            list->addItem(QString::number(TwoToneFrequency(format, index), 'f', 1));
        }
        list->setCurrentIndex(-1);
    };
    m_pTone3->clear();
    if (IsGrouped(format))
    {
        fill(second == 1 ? m_pTone2 : m_pTone1);
    }
    else
    {
        fill(m_pTone1);
        fill(m_pTone2);
        if (format == kFormatMotorola22)
        {
            fill(m_pTone3);
        }
    }
    m_nTone1Sel = 0;
    m_nTone2Sel = 0;
    m_nTone3Sel = 0;
}

void C2ToneView::ComputeToneIndexes()
{
    // The groups matter to the grouped formats only; an impossible choice
    // gives -1, which the image refuses.
    m_nTone1 = ToneIndexFromChoice(m_nFormat, m_nGroup1, m_nTone1Sel);
    m_nTone2 = ToneIndexFromChoice(m_nFormat, m_nGroup2, m_nTone2Sel);
    if (m_nFormat == kFormatMotorola22)
    {
        m_nTone3 = ToneIndexFromChoice(m_nFormat, 0, m_nTone3Sel);
    }
}

void C2ToneView::ShowToneSelections(int t1, int t2, int t3, int g1, int g2)
{
    m_nTone1Sel = TonePositionOfIndex(m_nFormat, g1, t1);
    m_nTone2Sel = TonePositionOfIndex(m_nFormat, g2, t2);
    if (m_nFormat == kFormatMotorola22)
    {
        m_nTone3Sel = TonePositionOfIndex(m_nFormat, 0, t3);
    }
}

bool C2ToneView::IsAniTextValid(std::string_view text)
{
    int nibble = 0;
    for (char c : text)
    {
        if (!ReadDtmfNibble(c, nibble))
        {
            return false;
        }
    }
    return true;
}

void C2ToneView::RefreshForm()
{
    int unused = 1;
    (void)m_image.GetTwoToneUnused(unused);
    m_bUsed = unused == 0 ? 1 : 0;
    (void)m_image.GetTwoToneFormat(m_nFormat);
    RebuildCodeList(m_nFormat);

    (void)m_image.GetTwoToneGroups(m_nGroup1, m_nGroup2);
    FillToneList(m_nFormat, m_nGroup1, 0);
    FillToneList(m_nFormat, m_nGroup2, 1);
    m_nCodeSel = FindGroupCode(m_nFormat, m_nGroup1, m_nGroup2);
    if (m_nCodeSel >= 0)
    {
        m_strGroup1 = QString::number(m_nGroup1, 16).toStdString();
        m_strGroup2 = QString::number(m_nGroup2, 16).toStdString();
    }
    else
    {
        m_strGroup1.clear();
        m_strGroup2.clear();
    }

    // An index the image calls invalid comes back as -1: no selection.
    int t1 = -1;
    int t2 = -1;
    int t3 = -1;
    (void)m_image.GetFirstToneIndex(t1);
    (void)m_image.GetSecondToneIndex(t2);
    (void)m_image.GetThirdToneIndex(t3);
    m_nTone1 = t1;
    m_nTone2 = t2;
    m_nTone3 = t3;
    ShowToneSelections(t1, t2, t3, m_nGroup1, m_nGroup2);

    // What decodes of the field, up to a nibble it cannot hold; never the
    // number of an image shown before.
    m_strAni.clear();
    if (!m_image.GetAniNumber(m_strAni))
    {
        std::array<std::uint8_t, kAniLength / 2> bytes{};
        int count = kAniLength;
        m_strAni.clear();
        if (m_image.ReadBlock(bytes.data(), ImageMap::kAni, bytes.size()))
        {
            (void)CRadioImage::DecodeDtmfNibbles(m_strAni, bytes.data(), count);
        }
    }
    m_binder.WriteAll();
    EnableControls(m_bUsed);
    // Read back as the controls show them, which is what a later read finds.
    (void)m_binder.ReadAll(false);
    m_loaded = Shown();
}

C2ToneView::Entries C2ToneView::Shown() const
{
    return {m_bUsed,     m_nFormat,   m_nCodeSel,  m_strGroup1, m_strGroup2,
            m_nTone1Sel, m_nTone2Sel, m_nTone3Sel, m_strAni};
}

void C2ToneView::OnUsedClicked()
{
    m_bUsed = m_pUsed->isChecked() ? 1 : 0;
    EnableControls(m_bUsed);
}

void C2ToneView::OnFormatChanged()
{
    const int previous = m_nFormat;
    if (!ReadForm() || m_nFormat == previous)
    {
        return;
    }
    RebuildCodeList(m_nFormat);
    m_nCodeSel = 0;
    SetGroupLabels(m_nFormat, m_nCodeSel);
    FillToneList(m_nFormat, m_nGroup1, 0);
    FillToneList(m_nFormat, m_nGroup2, 1);
    m_binder.WriteAll();
    EnableControls(m_bUsed);
}

void C2ToneView::OnCodeChanged()
{
    if (!ReadForm())
    {
        return;
    }
    SetGroupLabels(m_nFormat, m_nCodeSel);
    FillToneList(m_nFormat, m_nGroup1, 0);
    FillToneList(m_nFormat, m_nGroup2, 1);
    m_binder.WriteAll();
}

bool C2ToneView::CheckEntries()
{
    bool ok = (m_bUsed == 0 || m_bUsed == 1) && m_nFormat >= 0 &&
              m_nFormat < kTwoToneFormatCount;
    m_nGroup1 = GroupOfText(m_strGroup1);
    m_nGroup2 = GroupOfText(m_strGroup2);
    ComputeToneIndexes();
    ok = ok && IsAniTextValid(m_strAni);
    // Paging in use needs every tone it sends, and the grouped formats their
    // code: a list left without a selection (an image from a file or a radio
    // with values outside the tables) is asked for rather than stored as a
    // tone nobody chose.
    if (ok && m_bUsed == 1)
    {
        ok = m_nTone1 >= 0 && m_nTone2 >= 0 &&
             (m_nFormat != kFormatMotorola22 || m_nTone3 >= 0) &&
             (!IsGrouped(m_nFormat) || m_nCodeSel >= 0);
    }
    return ok;
}

bool C2ToneView::ValidateForm()
{
    if (!ReadForm())
    {
        return false;
    }
    const bool ok = CheckEntries();
    if (!ok)
    {
        Ui().ShowMessage(ViewText::kSetUpErrorTwoTone, MessageIcon::Warning);
    }
    return ok;
}

void C2ToneView::WriteFields(CRadioImage& image) const
{
    // Each field on its own: one the image refuses keeps its stored value.
    (void)image.SetTwoToneUnused(m_bUsed == 1 ? 0 : 1);
    (void)image.SetTwoToneFormat(m_nFormat);
    (void)image.SetTwoToneGroups(m_nGroup1, m_nGroup2);
    (void)image.SetFirstToneIndex(m_nTone1);
    (void)image.SetSecondToneIndex(m_nTone2);
    (void)image.SetThirdToneIndex(m_nTone3);
    (void)image.SetAniNumber(m_strAni);
}

void C2ToneView::StoreToImage(CRadioImage& image)
{
    if (!ValidateForm() || Shown() == m_loaded)
    {
        return;
    }
    WriteFields(image);
}

bool C2ToneView::PreviewStore(CRadioImage& image, int& /*channelMode*/)
{
    const std::function<void()> restore = m_binder.KeepMembers();
    const int derived[] = {m_nGroup1, m_nGroup2, m_nTone1, m_nTone2, m_nTone3};
    bool stored = m_binder.ReadAll(false);
    if (stored && !(Shown() == m_loaded))
    {
        stored = CheckEntries();
        if (stored)
        {
            WriteFields(image);
        }
    }
    m_nGroup1 = derived[0];
    m_nGroup2 = derived[1];
    m_nTone1 = derived[2];
    m_nTone2 = derived[3];
    m_nTone3 = derived[4];
    restore();
    return stored;
}
