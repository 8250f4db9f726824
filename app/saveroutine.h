#pragma once

#include <QByteArray>
#include <QString>

class QFileDialog;
class QPlainTextEdit;
class QTextDocument;
class QWidget;

// Saving the preview memo, for both windows: each window keeps its own save
// dialog, which remembers the last name chosen in it.
namespace SaveRoutine {

enum class Result { Written, CannotCreate, WriteError };

// The memo's text as it goes to disk: every line ended by CR LF, in the
// locale's 8-bit encoding, no byte-order mark. A line break at the very end
// of the text ends the last line rather than starting an empty one; an empty
// memo gives no bytes at all.
QByteArray fileBytes(const QTextDocument *document);

// Replaces `path` with `bytes` through a temporary file, so that a failed
// write leaves whatever was there before intact.
Result writeFile(const QString &path, const QByteArray &bytes);

// Asks for a file name in `*dialog` (created on first use as a child of
// `window`) and writes the memo to it. Errors are shown in a message box;
// returns true when the file was written.
bool saveMemo(QWidget *window, QFileDialog *&dialog, const QPlainTextEdit *memo);

} // namespace SaveRoutine
