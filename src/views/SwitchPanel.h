// The switches a channel carries besides its frequencies and signalling, as
// the Channel and Test forms both show them: transmit power, compander, DTone
// and ANI lists in the option box, the two scan-group ticks in the registry
// box, and the eight auxiliary bits. Each form places the three boxes in its
// own layout and names them in its own words.
#pragma once

// model
#include "model/ChannelStore.h"

class CBitRow;
class COptionList;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QWidget;

// The words of one form for the panel's boxes, labels and spoken names.
struct SwitchPanelTexts
{
    const char* optionBox;
    const char* power;
    const char* compander;
    const char* dtone;
    const char* ani;
    const char* const* powerChoices;  // two, in the order of the stored bit
    const char* const* enableChoices; // two, in the order of the stored bit
    const char* registryBox;
    const char* scanGroupA; // also the tick's spoken name, without its padding
    const char* scanGroupB;
    const char* auxBox; // also the bit row's spoken name
    const char* auxCaption;
};

class CSwitchPanel
{
public:
    // The controls as they stand: list positions are the record's bits
    // (1 "Normal" power, 1 "Disable"; -1 when nothing is chosen).
    struct Values
    {
        int power = 1;
        int compander = 1;
        int dtone = 1;
        int ani = 1;
        bool scanGroupA = false;
        bool scanGroupB = false;
        int aux = 255;

        bool operator==(const Values&) const = default;
    };

    CSwitchPanel(QWidget* parent, const SwitchPanelTexts& texts);

    Values Read() const;
    void Show(const Values& values);
    // A record's switches as the panel shows them, and back; the bandwidth
    // and the scrambler are not the panel's and stay as switchesInOut has them.
    static Values FromSwitches(const ChannelSwitches& switches);
    // False when a list has nothing chosen: no bit the record could take.
    [[nodiscard]] static bool ToSwitches(const Values& values, ChannelSwitches& switchesInOut);

    QGroupBox* OptionBox() const { return m_pOptionBox; }
    // Rows 0 and 1 hold the lists; a form may add its own below.
    QGridLayout* OptionGrid() const { return m_pOptionGrid; }
    QGroupBox* RegistryBox() const { return m_pRegistryBox; }
    QGroupBox* AuxBox() const { return m_pAuxBox; }

    COptionList* PowerList() const { return m_pPower; }
    COptionList* CompanderList() const { return m_pCompander; }
    COptionList* DToneList() const { return m_pDTone; }
    COptionList* AniList() const { return m_pAni; }
    QCheckBox* ScanGroupACheck() const { return m_pScanA; }
    QCheckBox* ScanGroupBCheck() const { return m_pScanB; }
    CBitRow* AuxRow() const { return m_pAux; }

private:
    COptionList* m_pPower;
    COptionList* m_pCompander;
    COptionList* m_pDTone;
    COptionList* m_pAni;
    QCheckBox* m_pScanA;
    QCheckBox* m_pScanB;
    CBitRow* m_pAux;
    QGroupBox* m_pOptionBox;
    QGridLayout* m_pOptionGrid;
    QGroupBox* m_pRegistryBox;
    QGroupBox* m_pAuxBox;
};
