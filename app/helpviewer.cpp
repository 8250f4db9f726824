#include "helpviewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "startup.h"

namespace {
QString &helpFilePath()
{
    static QString path;
    return path;
}
} // namespace

void HelpViewer::setHelpFile(const QString &path)
{
    helpFilePath() = path;
}

QString HelpViewer::helpFile()
{
    return helpFilePath();
}

HelpViewer::HelpViewer(QWidget *owner)
    : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(applicationTitle() + QStringLiteral(" Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 480);
}

HelpViewer *HelpViewer::showHelp(QWidget *owner, const QString &keyword)
{
    auto *viewer = owner->findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!viewer)
        viewer = new HelpViewer(owner);
    viewer->load();
    viewer->goTo(keyword);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void HelpViewer::load()
{
    // Read afresh each time the window is asked for, so that a help file
    // that was missing and has since appeared is found.
    QFile file(helpFile());
    if (!file.open(QIODevice::ReadOnly)) {
        m_loaded = false;
        m_browser->setPlainText(
            QStringLiteral("The help file could not be opened:\n\n%1\n\n%2")
                .arg(helpFile(), file.errorString()));
        return;
    }
    if (m_loaded)
        return;
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    m_loaded = true;
}

void HelpViewer::goTo(const QString &keyword)
{
    if (!m_loaded)
        return;
    m_browser->scrollToAnchor(keyword);
}
