// Rows of label + control, on a form or in a titled group box. Each label is
// made the buddy of its control and names it, so every input a form lays out
// this way is announced by its label's text.
#pragma once

// Qt
#include <QString>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QWidget;

class CFormRows
{
public:
    // The rows sit in a group box titled `title` on `parent`, or straight on
    // a plain widget on `parent` when `title` is null. Widget() is either.
    explicit CFormRows(QWidget* parent, const char* title = nullptr);

    QWidget* Widget() const { return m_pWidget; }
    QGridLayout* Grid() const { return m_pGrid; }

    // A new row: `label` in the first column, `control` after it. `name`
    // replaces the label's text as the control's accessible name where the
    // label alone would not tell what the control holds. A null control puts
    // only the label (a row whose controls follow with AddToRow).
    void AddRow(const char* label, QWidget* control, const char* name = nullptr);
    // Another label + control on the row last added, after what it holds.
    // The controls of a row keep their own widths; the space left over stays
    // at the row's end.
    void AddToRow(const char* label, QWidget* control, const char* name = nullptr);

    // A text box of `maxLength` characters, `width` pixels wide.
    static QLineEdit* TextBox(QWidget* parent, int maxLength, int width);
    // Names `control` (and, for the kit's composite controls, the inputs and
    // arrows inside it) for screen readers and desktop automation.
    static void Name(QWidget* control, const QString& name);

private:
    QWidget* m_pWidget;
    QGridLayout* m_pGrid;
    QHBoxLayout* m_pRow = nullptr;
    int m_nRows = 0;

    void Place(const char* label, QWidget* control, const char* name);
};
