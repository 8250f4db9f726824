#include "helppanel.h"

HelpPanel::HelpPanel(QWidget *parent) : QPlainTextEdit(parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    setPalette(pal);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Two lines at least; the rest of the text is a scroll away.
    setMinimumHeight(2 * fontMetrics().lineSpacing() + 8);
}

void HelpPanel::setPlainText(const QString &text)
{
    if (isVisible()) {
        QPlainTextEdit::setPlainText(text);
        return;
    }
    m_pending = text;
    m_hasPending = true;
}

QString HelpPanel::toPlainText() const
{
    return m_hasPending ? m_pending : QPlainTextEdit::toPlainText();
}

void HelpPanel::showEvent(QShowEvent *event)
{
    if (m_hasPending) {
        m_hasPending = false;
        QPlainTextEdit::setPlainText(m_pending);
        m_pending.clear();
    }
    QPlainTextEdit::showEvent(event);
}
