// The help window.

// own
#include "app/HelpWindow.h"
#include "app/AppTexts.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_pBrowser(new QTextBrowser(this))
{
    setWindowTitle(QString::fromLatin1(AppText::kHelpTitle));
    resize(600, 520);
    m_pBrowser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pBrowser);
}

namespace
{
// The data folder of an installed program, seen from the folder of the
// program itself (bin/ -> share/vesk4/); the build sets it from the install
// layout, so a relocated installation still finds its help.
#ifdef VESK4_DATA_FROM_BIN
constexpr char kDataFromProgram[] = VESK4_DATA_FROM_BIN;
#else
constexpr char kDataFromProgram[] = "../share/vesk4";
#endif
} // namespace

std::string CHelpWindow::LocateHelpFile(const std::string& startDir, const std::string& programDir)
{
    const std::string dataDir =
        programDir.empty() ? std::string() : programDir + "/" + kDataFromProgram;
    for (const std::string& dir : {startDir, programDir, dataDir})
    {
        if (dir.empty())
        {
            continue;
        }
        const std::string path = dir + "/" + AppText::kHelpFile;
        if (QFileInfo(QString::fromStdString(path)).isFile())
        {
            return path;
        }
    }
    return std::string();
}

bool CHelpWindow::OpenFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
    {
        return false;
    }
    // The file is HTML whatever its extension says, so it is handed over as
    // text rather than by name; pictures next to it still resolve.
    const QString html = QString::fromUtf8(file.readAll());
    m_pBrowser->setSearchPaths({QFileInfo(file).absolutePath()});
    m_pBrowser->setHtml(html);
    m_pBrowser->moveCursor(QTextCursor::Start);
    m_pBrowser->ensureCursorVisible();
    m_strFile = path;
    return true;
}
