#pragma once

#include <QString>

class QAbstractButton;

// Builds the text of the configuration file, one line at a time.
//
// The verbs are the kinds of line the file is made of, so that a page's
// emitter reads like the lines it writes. Every line ends with '\n' here; the
// save routine turns each line end into CR LF on the way to disk.
class LineWriter
{
public:
    // One line, nothing after it.
    void plain(const QString &line);
    // One line, then an empty line.
    void spaced(const QString &line);
    // An empty line.
    void empty();

    // A line chosen by a check box or radio button: `on` when it is checked.
    void switchLine(const QAbstractButton *box, const QString &on, const QString &off);
    // The same, then an empty line.
    void spacedSwitch(const QAbstractButton *box, const QString &on, const QString &off);
    // The common 0/1 switch: `setting` followed by " 1" or " 0", then an empty line.
    void spacedFlag(const QAbstractButton *box, const QString &setting);

    // "### NAME ###" and an empty line: opens a top section.
    void sectionBanner(const QString &name);
    // "# NAME MODULE #" and an empty line: opens a module section.
    void moduleBanner(const QString &name);
    // "loadmodule name", or "#loadmodule name" when the box is unchecked,
    // then an empty line. The blowfish module is checked, not loaded: pass
    // "checkmodule" as the command.
    void load(const QAbstractButton *box, const QString &module,
              const QString &command = QStringLiteral("loadmodule"));

    const QString &text() const { return m_text; }
    void reserve(qsizetype chars) { m_text.reserve(chars); }

private:
    QString m_text;
};
