#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help window: shows the help file and goes to a keyword
// ("Contents", "Index", or a page's topic). It is created the first time
// help is asked for, and reports a missing help file itself.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static void setHelpFile(const QString &path);
    static QString helpFile();

    // Shows the help window of `owner` at `keyword`.
    static HelpViewer *showHelp(QWidget *owner, const QString &keyword);

    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpViewer(QWidget *owner);
    void load();
    void goTo(const QString &keyword);

    QTextBrowser *m_browser;
    bool m_loaded = false;
};
