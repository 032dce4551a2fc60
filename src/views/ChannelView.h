// The Channel form: one channel record at a time (frequencies, signalling,
// bandwidth, options, scan groups, auxiliary bits, name) and the name of the
// group it belongs to, with the channel, group, frequency and DCS spins and the
// deferred re-synchronisation of the two number boxes.
#pragma once

// own
#include "views/SwitchPanel.h"
#include "views/Vesk4View.h"

// model
#include "model/ChannelCheck.h"
#include "model/ChannelGroups.h"
#include "model/ChannelRules.h"

// std
#include <string>

class CBitRow;
class CFrequencyBox;
class COptionList;
class CSignallingBox;
class CSpinButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CChannelView : public CVesk4View
{
    Q_OBJECT
public:
    static constexpr int kChannelTimer = 1;
    static constexpr int kGroupTimer = 2;
    static constexpr int kChannelTimerMs = 500;
    static constexpr int kGroupTimerMs = 1000;

    CChannelView(IViewHost& host, QWidget* parent);

    bool ValidateForm() override;
    // Writes the shown channel (when it was changed) into the own image and
    // copies that into `image`; leaves `image` as it was when the channel fails
    // its checks, when the image refuses a write ("EEPROM Set Error!") or while
    // no model is chosen.
    void StoreToImage(CRadioImage& image) override;
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    void RefreshForm() override;
    bool ReadForm() override;
    void OnTimer(int id) override;

    // ---- operations on the shown channel -----------------------------------
    // Fills the controls from record n-1 of the own image (n is 1-based).
    void LoadChannel(int n);
    // Checks the entries as channel n in order; the first failure is shown in
    // an OK box with the focus on its entry, and false is returned. Entries stay
    // as typed, except that names are shown upper-cased when they pass.
    [[nodiscard]] bool ValidateChannel(int n);
    // Writes the entries into record n-1 and the shown group's name. False,
    // with the own image untouched, when the entries fail their checks or the
    // image refuses a write.
    [[nodiscard]] bool StoreChannel(int n);
    void UpdateStepSize();
    void FillToneLists();
    // side 0 receive, 1 transmit; type is a signalling-list position.
    void EnableSignalingControls(int side, int type);
    // Cancel: the shown channel again as the own image holds it.
    void OnCancel();

    // ---- navigation ----------------------------------------------------------
    void OnChannelSpin(int direction);
    void OnGroupSpin(int direction);
    void OnDcsSpin(int side, int direction);
    void ShowGroupOfChannel(int n);
    void ShowFirstChannelOfGroup(int g);

    // True when the entries differ from what the shown channel was loaded
    // with (the group name included).
    bool IsShownChannelChanged() const;

    int GetShownChannel() const { return m_nShownChannel; }
    int GetShownGroup() const { return m_nShownGroup; }
    int GetCapacity() const { return m_groups.GetCapacity(); }
    int GetGroupCount() const { return m_groups.GetGroupCount(); }
    bool IsSwallowing() const { return m_bSwallow; }

    // The controls, for tests.
    QLineEdit* ChannelNumberEdit() const { return m_pChannelNumber; }
    CSpinButton* ChannelSpin() const { return m_pChannelSpin; }
    QLineEdit* ChannelNameEdit() const { return m_pChannelName; }
    QRadioButton* WideButton() const { return m_pWide; }
    QRadioButton* NarrowButton() const { return m_pNarrow; }
    CFrequencyBox* RxFrequencyBox() const { return m_pRxFrequency; }
    CFrequencyBox* TxFrequencyBox() const { return m_pTxFrequency; }
    CSignallingBox* RxSignallingBox() const { return m_pRxSignalling; }
    CSignallingBox* TxSignallingBox() const { return m_pTxSignalling; }
    QLineEdit* GroupNumberEdit() const { return m_pGroupNumber; }
    CSpinButton* GroupSpin() const { return m_pGroupSpin; }
    QLineEdit* GroupNameEdit() const { return m_pGroupName; }
    COptionList* PowerList() const { return m_switches.PowerList(); }
    COptionList* CompandList() const { return m_switches.CompanderList(); }
    COptionList* DToneList() const { return m_switches.DToneList(); }
    COptionList* AniList() const { return m_switches.AniList(); }
    COptionList* ScramblerList() const { return m_pScrambler; }
    QCheckBox* ScanGroupACheck() const { return m_switches.ScanGroupACheck(); }
    QCheckBox* ScanGroupBCheck() const { return m_switches.ScanGroupBCheck(); }
    CBitRow* AuxRow() const { return m_switches.AuxRow(); }
    QPushButton* CancelButton() const { return m_pCancel; }
    QLabel* ModelNotice() const { return m_pModelNotice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Everything the form shows of one channel, as the controls hold it.
    struct FormState
    {
        ChannelEntry entry;
        CSwitchPanel::Values switches;
        int scrambler = 1;
    };

    QLineEdit* m_pChannelNumber;
    CSpinButton* m_pChannelSpin;
    QLineEdit* m_pChannelName;
    QRadioButton* m_pWide;
    QRadioButton* m_pNarrow;
    CFrequencyBox* m_pRxFrequency;
    CSignallingBox* m_pRxSignalling;
    CFrequencyBox* m_pTxFrequency;
    CSignallingBox* m_pTxSignalling;
    QLineEdit* m_pGroupNumber;
    CSpinButton* m_pGroupSpin;
    QLineEdit* m_pGroupName;
    CSwitchPanel m_switches;
    COptionList* m_pScrambler;
    QPushButton* m_pCancel;
    QLabel* m_pModelNotice;

    CChannelRules m_rules;
    CChannelGroups m_groups;
    int m_nShownChannel = 1;
    int m_nShownGroup = 1;
    // What the shown channel was loaded with; an unchanged channel is never
    // written back, so a record the form cannot express stays as it is.
    FormState m_loaded;
    // The values the last passing check gave the shown entries.
    ChannelValues m_values;
    // ValidateForm is committing the shown channel on a copy.
    bool m_bTrying = false;
    // The next channel-spin click is ignored (set by a failed check there).
    bool m_bSwallow = false;
    // The next change of either number box is the form's own.
    bool m_bOwnChange = false;
    // The DCS spins' own counts, where stepping goes on from when a box holds
    // no code of the list.
    int m_nDcsPosition[2] = {0, 0};

    void BuildLayout();
    FormState ReadState() const;
    // Equal in everything the record holds (the group name is not part of it).
    static bool SameRecord(const FormState& a, const FormState& b);
    // Makes the check with messages and focus; false on the first failure.
    bool CheckEntries(int n, bool report);
    // The shown channel, before the form moves away from it: nothing when it
    // is unchanged, otherwise checked and stored. False when it failed.
    bool CommitShownChannel();
    // Writes the shown entries as channel n into `image`; false when the image
    // refused one of the writes.
    bool WriteChannel(CRadioImage& image, int n, const FormState& state) const;
    // Sets a number box, marking the change as the form's own when asked; a
    // box that already shows the number is left alone, so no mark outlives it.
    void SetNumberBox(QLineEdit* box, int value, bool own);
    void ShowGroupName(int g);
    void OnChannelNumberChanged();
    void OnGroupNumberChanged();
    void OnTimerChannel();
    void OnTimerGroup();
    // The group spin's steps from its check of the shown channel on.
    void MoveToGroup(int g);
    void ReadGroupCount();
};
