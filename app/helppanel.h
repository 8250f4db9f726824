#pragma once

#include <QPlainTextEdit>

// A help panel: prose beside a group of settings, on the button face. It is
// an ordinary editable text box, but it lays its text out only when it is
// first shown: most panels sit on pages the user never opens, and laying
// out their paragraphs at start-up would cost more than building every
// other control together.
class HelpPanel : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // Keeps the text until the panel is shown.
    void setPlainText(const QString &text);
    QString toPlainText() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_pending;
    bool m_hasPending = false;
};
