// Every page, as the user sees it: no control clipped, overlapping another
// or standing outside its page, and every tab caption in sight.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "Unit1.h"
#include "multirowtabs.h"
#include "settingspage.h"
#include "startup.h"
#include "testkit.h"

using namespace testkit;

namespace {

bool isControl(const QWidget *w)
{
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QGroupBox *>(w)
           || qobject_cast<const QTabWidget *>(w) || w->inherits("QFrame");
}

QString describe(const QWidget *w)
{
    const QRect g = w->geometry();
    return QStringLiteral("%1 (%2) at %3,%4 %5x%6")
        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))
        .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

// What a control needs to show itself whole.
QSize needed(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return QSize(w->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 4,
                     w->minimumSizeHint().height());
    if (qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QTabWidget *>(w)
        || qobject_cast<const QGroupBox *>(w))
        return w->minimumSizeHint().boundedTo(QSize(60, 40));
    if (auto *label = qobject_cast<const QLabel *>(w); label && label->wordWrap())
        return QSize(0, label->heightForWidth(label->width()));
    if (qobject_cast<const QComboBox *>(w))
        return w->sizeHint();
    if (w->inherits("QFrame") && !qobject_cast<const QLabel *>(w))
        return QSize(1, 1);
    return w->sizeHint();
}

QStringList problemsOn(QWidget *sheet)
{
    QStringList problems;
    const auto all = sheet->findChildren<QWidget *>();
    QList<QWidget *> controls;
    for (QWidget *w : all)
        if (w->isVisible() && isControl(w))
            controls.append(w);

    for (QWidget *w : std::as_const(controls)) {
        const QRect onSheet(w->mapTo(sheet, QPoint(0, 0)), w->size());
        if (!sheet->rect().contains(onSheet))
            problems << QStringLiteral("outside its page: %1").arg(describe(w));
        const QSize need = needed(w);
        if (w->width() < need.width() || w->height() < need.height())
            problems << QStringLiteral("clipped: %1 needs %2x%3")
                            .arg(describe(w)).arg(need.width()).arg(need.height());
        for (QWidget *other : std::as_const(controls)) {
            if (other <= w || other->parentWidget() != w->parentWidget())
                continue;
            if (w->geometry().intersects(other->geometry()))
                problems << QStringLiteral("overlap: %1 and %2").arg(describe(w), describe(other));
        }
    }
    return problems;
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void everyPageShowsItsControlsWhole()
    {
        QStringList problems;
        int sheets = 0;
        for (SettingsPage *page : Form1->settingsPages()) {
            for (QWidget *sheet : page->sheets()) {
                showPageOf(sheet);
                QVERIFY2(sheet->isVisible(), qPrintable(sheet->objectName()));
                const QSize min = sheet->minimumSizeHint();
                if (min.width() > sheet->width() || min.height() > sheet->height())
                    problems << QStringLiteral("%1: its layout needs %2x%3, the page is %4x%5")
                                    .arg(sheet->objectName())
                                    .arg(min.width()).arg(min.height())
                                    .arg(sheet->width()).arg(sheet->height());
                for (const QString &p : problemsOn(sheet))
                    problems << sheet->objectName() + QStringLiteral(": ") + p;
                ++sheets;
            }
        }
        QCOMPARE(sheets, 19); // six top pages and thirteen module pages
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void everyTabCaptionIsInSight()
    {
        QTabBar *bar = Form1->Pages->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
        QVERIFY(bar->sizeHint().width() <= Form1->Pages->width());

        MultiRowTabBar *modules = Form1->PageControl1->tabBar();
        showPageOf(Form1->PageControl1);
        QVERIFY(modules->rowCount() >= 2);
        for (int i = 0; i < modules->count(); ++i) {
            const QRect r = modules->tabRect(i);
            QVERIFY2(modules->rect().contains(r), qPrintable(modules->tabText(i)));
            const int textWidth = modules->fontMetrics().horizontalAdvance(modules->tabText(i));
            QVERIFY2(r.width() > textWidth, qPrintable(modules->tabText(i)));
        }
    }

    void theBottomRowFitsTheWindow()
    {
        for (QPushButton *b : {Form1->Button12, Form1->Button7, Form1->Button13}) {
            QVERIFY(Form1->rect().contains(b->geometry()));
            QVERIFY(b->width() >= b->sizeHint().width());
            QVERIFY(!b->geometry().intersects(Form1->Pages->geometry()));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
