// The Model form: radio model (band), injection side, wide and narrow reference
// steps, serial number, customer code and programming date.
#pragma once

// own
#include "views/Vesk4View.h"

// ui
#include "ui/OptionList.h"

// std
#include <string>
#include <tuple>

class QLineEdit;
class QPushButton;

class CModelView : public CVesk4View
{
    Q_OBJECT
public:
    CModelView(IViewHost& host, QWidget* parent);

    bool IsModelUnset() override;
    bool ValidateForm() override;
    // Writes model, injection, both IF-offset words, both reference dividers,
    // serial number, customer and date into `image` when the form is valid;
    // writes nothing otherwise. Without a model the IF-offset words are left
    // as they are: no intermediate frequency is known.
    void StoreToImage(CRadioImage& image) override;
    bool PreviewStore(CRadioImage& image, int& channelMode) override;
    void RefreshForm() override;

    // The user picked another model: default injection side and reference steps
    // of its band; nothing is written to any image yet.
    void OnModelSelChange();

    // The controls, for tests.
    COptionList* ModelList() const { return m_pModelList; }
    COptionList* InjectionList() const { return m_pInjectionList; }
    COptionList* WideReferenceList() const { return m_pWideRefList; }
    COptionList* NarrowReferenceList() const { return m_pNarrowRefList; }
    QLineEdit* SerialEdit() const { return m_pSerial; }
    QLineEdit* CustomerEdit() const { return m_pCustomer; }
    COptionList* MonthList() const { return m_pMonthList; }
    QLineEdit* DayEdit() const { return m_pDay; }
    QLineEdit* YearEdit() const { return m_pYear; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    COptionList* m_pModelList;
    COptionList* m_pInjectionList;
    COptionList* m_pWideRefList;
    COptionList* m_pNarrowRefList;
    QLineEdit* m_pSerial;
    QLineEdit* m_pCustomer;
    COptionList* m_pMonthList;
    QLineEdit* m_pDay;
    QLineEdit* m_pYear;
    QPushButton* m_pCancel;

    // The form's values as last read from the controls.
    int m_nModel = -1;
    int m_nInjection = 0; // 0 = HI, 1 = LOW
    int m_nWideRef = 0;   // list positions = reference codes
    int m_nNarrowRef = 0;
    std::string m_strSerial;
    std::string m_strCustomer;
    int m_nMonth = 0; // 0..11
    unsigned m_nDay = 1;
    unsigned m_nYear = 1980;

    // What the controls hold, as read into the members.
    using Entries =
        std::tuple<int, int, int, int, std::string, std::string, int, unsigned, unsigned>;
    Entries Shown() const;
    // The entries as the form was filled: a form the user did not change
    // stores nothing, not even the IF offsets and dividers it derives.
    Entries m_loaded;

    // The checks of ValidateForm on the members as read: false when one
    // fails, with the box that gets the focus in `wrong` (the last failing
    // one; none when only a list is wrong).
    bool CheckEntries(QWidget*& wrong) const;
    // The IF offsets and the date, derived from the members, into `stored`.
    bool StoreDerived(CRadioImage& stored) const;

    void BuildLayout();
    // Refills both reference lists with the steps of `model`'s band, with the
    // band's default wide and narrow steps selected.
    void RebuildReferenceLists(int model);
};
