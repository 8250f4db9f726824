#include "linewriter.h"

#include <QAbstractButton>

void LineWriter::plain(const QString &line)
{
    m_text += line;
    m_text += QLatin1Char('\n');
}

void LineWriter::spaced(const QString &line)
{
    plain(line);
    empty();
}

void LineWriter::empty()
{
    m_text += QLatin1Char('\n');
}

void LineWriter::switchLine(const QAbstractButton *box, const QString &on, const QString &off)
{
    plain(box->isChecked() ? on : off);
}

void LineWriter::spacedSwitch(const QAbstractButton *box, const QString &on, const QString &off)
{
    spaced(box->isChecked() ? on : off);
}

void LineWriter::spacedFlag(const QAbstractButton *box, const QString &setting)
{
    spaced(setting + (box->isChecked() ? QLatin1String(" 1") : QLatin1String(" 0")));
}

void LineWriter::sectionBanner(const QString &name)
{
    spaced(QLatin1String("### ") + name + QLatin1String(" ###"));
}

void LineWriter::moduleBanner(const QString &name)
{
    spaced(QLatin1String("# ") + name + QLatin1String(" MODULE #"));
}

void LineWriter::load(const QAbstractButton *box, const QString &module, const QString &command)
{
    const QString line = command + QLatin1Char(' ') + module;
    spacedSwitch(box, line, QLatin1Char('#') + line);
}
