// The 2-Tone form: whether sequential 2-tone paging is used, its format, the
// group format code with the tone groups it gives, the tones, and the ANI
// number. It reads and writes only those radio-wide fields.
#pragma once

// own
#include "views/Vesk4View.h"


// std
#include <string>
#include <string_view>
#include <tuple>

class COptionList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class C2ToneView : public CVesk4View
{
    Q_OBJECT
public:
    C2ToneView(IViewHost& host, QWidget* parent);

    bool ValidateForm() override;
    // Writes the used flag, format, group pair, three tone indexes and the ANI
    // number into `image` when the form is valid; every other field, and any
    // value the image refuses, stays as it was.
    void StoreToImage(CRadioImage& image) override;
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    void RefreshForm() override;

    // Handlers of the used box, the format list and the code list.
    void OnUsedClicked();
    void OnFormatChanged();
    void OnCodeChanged();

    // The lists: all five off while 2-tone is unused; otherwise the code list
    // for the two grouped formats and the third tone for Motorola 2+2 only.
    void EnableControls(int used);
    // The group texts (and group numbers) of a code of `format`.
    void SetGroupLabels(int format, int code);
    // Refills the first (second 0) or second (second 1) tone list, and the
    // third, with the tones `format` offers from `group`; selections to 0.
    void FillToneList(int format, int group, int second);
    // The stored tone indexes of the selections and groups.
    void ComputeToneIndexes();
    // The selections of stored indexes; an index outside the list shown has
    // no selection.
    void ShowToneSelections(int t1, int t2, int t3, int g1, int g2);
    // Digits, blanks, "#" and "*" only.
    static bool IsAniTextValid(std::string_view text);

    // The controls, for tests.
    QCheckBox* UsedBox() const { return m_pUsed; }
    COptionList* FormatList() const { return m_pFormat; }
    COptionList* CodeList() const { return m_pCode; }
    QLabel* Group1Text() const { return m_pGroup1; }
    QLabel* Group2Text() const { return m_pGroup2; }
    COptionList* ToneList(int tone) const;
    QLineEdit* AniEdit() const { return m_pAni; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    QCheckBox* m_pUsed;
    COptionList* m_pFormat;
    COptionList* m_pCode;
    QLabel* m_pGroup1;
    QLabel* m_pGroup2;
    COptionList* m_pTone1;
    COptionList* m_pTone2;
    COptionList* m_pTone3;
    QLineEdit* m_pAni;
    QPushButton* m_pCancel;

    int m_bUsed = -1;
    int m_nFormat = 2;
    int m_nCodeSel = -1;
    std::string m_strGroup1;
    std::string m_strGroup2;
    int m_nTone1Sel = -1;
    int m_nTone2Sel = -1;
    int m_nTone3Sel = -1;
    std::string m_strAni;
    int m_nGroup1 = 0;
    int m_nGroup2 = 0;
    int m_nTone1 = 0;
    int m_nTone2 = 0;
    int m_nTone3 = 0;

    // What the controls hold, as read into the members.
    using Entries = std::tuple<int, int, int, std::string, std::string, int, int, int, std::string>;
    Entries Shown() const;
    // The entries as the form was filled: an image the user did not change
    // is stored back untouched, even where the form cannot show a field as
    // it is kept (an unused Reach pair, groups a reset leaves at FF).
    Entries m_loaded;

    // The checks of ValidateForm on the members as read, which also derive
    // the groups and tone indexes; no message.
    bool CheckEntries();
    // The fields the form stores, each on its own, into `image`.
    void WriteFields(CRadioImage& image) const;

    void BuildLayout();
    // "0".."9", and "A" for Motorola 1+1 only.
    void RebuildCodeList(int format);
};
