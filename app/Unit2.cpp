#include "Unit2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Unit1.h"
#include "linewriter.h"
#include "saveroutine.h"
#include "startup.h"

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Preview Eggdrop Config File ! ! !"));
    setModal(false);
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setBackgroundRole(QPalette::Button);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    Memo1->setPalette(pal);

    Button7 = new QPushButton(QStringLiteral("Save Config File ! ! !"), this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setAutoDefault(false);
    Button7->setFixedHeight(25);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(6);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Button7);
    setFixedSize(552, 440);

    connect(Button7, &QPushButton::clicked, this, &TForm2::Button7Click);
}

void TForm2::CreateMemo()
{
    LineWriter w;
    w.reserve(16 * 1024);
    Form1->emitFile(w);
    Memo1->setPlainText(w.text());
}

void TForm2::showEvent(QShowEvent *event)
{
    // Runs before the window is drawn, each time it goes from hidden to visible.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TForm2::hideEvent(QHideEvent *event)
{
    // Reopen where the user left the window rather than centred again.
    if (!event->spontaneous())
        move(pos());
    QDialog::hideEvent(event);
}

void TForm2::FormShow()
{
    CreateMemo();
}

void TForm2::Button7Click()
{
    SaveRoutine::saveMemo(this, SaveDialog1, Memo1);
}
