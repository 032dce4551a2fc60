// The program's own help window: shows the HTML help file "Vesk4.hlp" at its
// contents.
#pragma once

// Qt
#include <QWidget>

// std
#include <string>

class QTextBrowser;

class CHelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* owner);

    // The help file to show: "Vesk4.hlp" in the start-up directory, else the
    // copy beside the program (the build tree), else the one in the installed
    // data folder (share/vesk4); empty when there is none.
    static std::string LocateHelpFile(const std::string& startDir, const std::string& programDir);

    // Loads the file and shows its beginning, the contents. False when the file
    // cannot be read.
    bool OpenFile(const std::string& path);
    const std::string& CurrentFile() const { return m_strFile; }
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    QTextBrowser* m_pBrowser;
    std::string m_strFile;
};
