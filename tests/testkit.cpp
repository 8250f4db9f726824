#include "testkit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include <memory>

#include "Unit1.h"
#include "Unit2.h"
#include "multirowtabs.h"
#include "saveroutine.h"
#include "startup.h"

namespace testkit {

void startApp()
{
    createWindows(QStringLiteral(QUILLMARSH_TEST_HELP));
    Form1->show();
    if (!QTest::qWaitForWindowExposed(Form1))
        qFatal("the main window was not shown");
}

void stopApp()
{
    destroyWindows();
}

QWidget *find(const QString &name)
{
    // The preview window is a child of the main window: leave its controls out.
    auto found = Form1->findChildren<QWidget *>(name);
    found.removeIf([](const QWidget *w) { return w->window() != Form1; });
    if (found.size() != 1)
        qFatal("expected one control named %s in the main window, found %d", qPrintable(name),
               int(found.size()));
    return found.first();
}

QString labelOf(const QString &controlName)
{
    const QWidget *c = find(controlName);
    const auto labels = Form1->findChildren<QLabel *>();
    for (const QLabel *l : labels)
        if (l->buddy() == c)
            return l->text().isNull() ? QStringLiteral("") : l->text(); // an empty label is still one
    return {};
}

QString captionOf(const QString &name)
{
    QWidget *w = find(name);
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (qobject_cast<QLineEdit *>(w))
        return labelOf(name);
    return w->windowTitle();
}

void showPageOf(QWidget *control)
{
    // Walk up from the control, making each enclosing page current.
    for (QWidget *w = control; w && w != Form1; w = w->parentWidget()) {
        QWidget *parent = w->parentWidget();
        if (auto *stack = qobject_cast<QStackedWidget *>(parent)) {
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
                tabs->setCurrentWidget(w);
            else if (auto *multi = qobject_cast<MultiRowTabWidget *>(stack->parentWidget()))
                multi->setCurrentWidget(w);
        }
    }
    QCoreApplication::processEvents();
}

void type(const QString &editName, const QString &text)
{
    QLineEdit *e = edit(editName);
    showPageOf(e);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
    if (e->text() != text)
        qFatal("typing into %s gave \"%s\"", qPrintable(editName), qPrintable(e->text()));
}

void press(const QString &name)
{
    auto *b = control<QAbstractButton>(name);
    showPageOf(b);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
}

void setChecked(const QString &name, bool checked)
{
    if (control<QAbstractButton>(name)->isChecked() != checked)
        press(name);
    if (control<QAbstractButton>(name)->isChecked() != checked)
        qFatal("could not set %s", qPrintable(name));
}

void clickCell(const QString &gridName, int row, int column)
{
    QTableWidget *g = grid(gridName);
    showPageOf(g);
    g->scrollToItem(g->item(row, column) ? g->item(row, column) : nullptr);
    const QRect r = g->visualRect(g->model()->index(row, column));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

void chooseItem(const QString &comboName, int index)
{
    auto *c = control<QComboBox>(comboName);
    showPageOf(c);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(c, Qt::Key_Down);
    if (c->currentIndex() != index)
        qFatal("could not choose item %d of %s", index, qPrintable(comboName));
}

void addLogFile(const QString &channel, const QString &settings, const QString &file)
{
    type(QStringLiteral("Edit12"), channel);
    type(QStringLiteral("Edit15"), settings);
    type(QStringLiteral("Edit16"), file);
    press(QStringLiteral("Button1"));
}

void addServer(const QString &name, const QString &port, const QString &password)
{
    type(QStringLiteral("Edit79"), name);
    type(QStringLiteral("Edit78"), port);
    type(QStringLiteral("Edit77"), password);
    press(QStringLiteral("Button8"));
}

void addScript(const QString &path)
{
    type(QStringLiteral("Edit46"), path);
    press(QStringLiteral("Button4"));
}

void addHelpFile(const QString &name)
{
    type(QStringLiteral("Edit47"), name);
    press(QStringLiteral("Button5"));
}

QByteArray generate()
{
    Form2->CreateMemo();
    return SaveRoutine::fileBytes(Form2->Memo1->document());
}

QByteArray section(const QByteArray &file, const QByteArray &first, const QByteArray &next)
{
    const QByteArray start = "\r\n" + first + "\r\n";
    qsizetype from = file.startsWith(first + "\r\n") ? 0 : file.indexOf(start);
    if (from < 0)
        return {};
    if (from > 0)
        from += 2;
    if (next.isEmpty())
        return file.mid(from);
    const qsizetype to = file.indexOf("\r\n" + next + "\r\n", from);
    return to < 0 ? QByteArray() : file.mid(from, to + 2 - from);
}

QByteArray lines(std::initializer_list<const char *> list)
{
    QByteArray out;
    for (const char *l : list)
        out += QByteArray(l) + "\r\n";
    return out;
}

QByteArray withLine(const QByteArray &text, const QByteArray &from, const QByteArray &to)
{
    QByteArray framed = "\r\n" + text; // so that the first line is found too
    const QByteArray line = "\r\n" + from + "\r\n";
    const qsizetype at = framed.indexOf(line);
    if (at < 0 || framed.indexOf(line, at + 1) >= 0)
        qFatal("expected the line \"%s\" once", from.constData());
    return framed.replace(at, line.size(), "\r\n" + to + "\r\n").mid(2);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray golden(const QString &name)
{
    const QByteArray data = readFile(QStringLiteral(QUILLMARSH_TEST_DATA "/") + name);
    if (data.isEmpty())
        qFatal("missing test file %s", qPrintable(name));
    return data;
}

namespace {

// Runs `answer` on the next modal widget of kind T, once it is open.
template <class T>
void whenModal(std::function<void(T *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answer] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        } else if (++*tries > 2000) {
            timer->stop();
            timer->deleteLater();
            qFatal("the expected modal window did not open");
        }
    });
    timer->start();
}

} // namespace

void answerSaveDialog(const QString &path, QString *seen)
{
    whenModal<QFileDialog>([path, seen](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (seen)
            *seen = name ? name->text() : QString();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

void answerMessageBox(QString *title, QString *text)
{
    whenModal<QMessageBox>([title, text](QMessageBox *box) {
        *title = box->windowTitle();
        *text = box->text();
        box->accept();
    });
}

} // namespace testkit
