#pragma once

// What the widget tests share: starting the program's windows the way
// start-up does, finding controls by name, acting as a user, and reading
// the generated file.

#include <QByteArray>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTableWidget>
#include <QTest>

#include <functional>

class QFileDialog;

namespace testkit {

// Creates both windows with their defaults and shows the main window, as
// the program does at start-up.
void startApp();
void stopApp();

// A control of the main window by its name; fails the test when missing.
QWidget *find(const QString &name);
template <class T>
T *control(const QString &name)
{
    T *w = qobject_cast<T *>(find(name));
    if (!w)
        qFatal("no control %s of the expected kind", qPrintable(name));
    return w;
}
inline QLineEdit *edit(const QString &name) { return control<QLineEdit>(name); }
inline QCheckBox *box(const QString &name) { return control<QCheckBox>(name); }
inline QRadioButton *radio(const QString &name) { return control<QRadioButton>(name); }
inline QPushButton *button(const QString &name) { return control<QPushButton>(name); }
inline QTableWidget *grid(const QString &name) { return control<QTableWidget>(name); }

// The text of the label whose buddy is the control, or a null string when
// no label of the main window names it.
QString labelOf(const QString &controlName);
// What the user reads on or beside a control: a button's text, a group
// box's title, an edit's label (null when it has none), or else its window
// title (a page's tab caption).
QString captionOf(const QString &name);

// Brings the control's page (and sub-page) to the front.
void showPageOf(QWidget *control);

// Replaces an edit's text by typing, as a user would.
void type(const QString &editName, const QString &text);
// Clicks a button, check box or radio button with the space bar.
void press(const QString &name);
// Sets a check box to `checked` by clicking it when needed.
void setChecked(const QString &name, bool checked);
// Clicks the cell (row, column) of a grid.
void clickCell(const QString &gridName, int row, int column = 0);
// Chooses an item of a combo box with the keyboard.
void chooseItem(const QString &comboName, int index);

// The list editors: each types into the inputs above its list and presses
// ADD. Log files on "Log Files"; servers on "Server #2"; scripts and help
// files on "Scripts".
void addLogFile(const QString &channel, const QString &settings, const QString &file);
void addServer(const QString &name, const QString &port, const QString &password = {});
void addScript(const QString &path);
void addHelpFile(const QString &name);

// The file as the main window's save button would write it.
QByteArray generate();
// The lines from the one equal to `first` up to, not including, the one
// equal to `next` (or to the end).
QByteArray section(const QByteArray &file, const QByteArray &first, const QByteArray &next = {});
// Lines given one per argument, each ended by CR LF.
QByteArray lines(std::initializer_list<const char *> lines);
// `text` with its line `from` replaced by `to` (which may hold CR LF and
// so more lines); stops the test program unless `from` is there exactly
// once, as a mistake in the test itself.
QByteArray withLine(const QByteArray &text, const QByteArray &from, const QByteArray &to);
QByteArray readFile(const QString &path);
QByteArray golden(const QString &name);

// Answers the next modal save dialog: types `path` and accepts, or cancels
// when `path` is empty. `seen` receives the file name the dialog offered.
void answerSaveDialog(const QString &path, QString *seen = nullptr);
// Closes the next message box, reporting its title and text.
void answerMessageBox(QString *title, QString *text);

} // namespace testkit
