#include "saveroutine.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>

#include "startup.h"

namespace SaveRoutine {

QByteArray fileBytes(const QTextDocument *document)
{
    // The raw text, in one piece: the blocks' own characters (toPlainText()
    // would turn no-break spaces into blanks), each block ended by U+2029
    // but the last. Reading it block by block costs several times as much.
    const QString raw = document->toRawText();
    QString text(raw.size() + document->blockCount() + 1, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    // A last block that is empty is the one after a final line break.
    if (!raw.isEmpty() && raw.back() != QChar::ParagraphSeparator) {
        *out++ = u'\r';
        *out++ = u'\n';
    }
    text.truncate(out - text.constData());
    return text.toLocal8Bit();
}

Result writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Result::CannotCreate;
    // Check every step: a write into the buffer can succeed while the flush
    // to a full disk fails, and commit() alone would not always notice.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return Result::WriteError;
    }
    return file.commit() ? Result::Written : Result::WriteError;
}

bool saveMemo(QWidget *window, QFileDialog *&dialog, const QPlainTextEdit *memo)
{
    if (!dialog) {
        dialog = new QFileDialog(window);
        dialog->setObjectName(QStringLiteral("SaveDialog1"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        // All files are listed, nothing is added to the name, and an
        // existing file is replaced without a question.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
    }
    const QString last = dialog->property("lastFileName").toString();
    if (!last.isEmpty())
        dialog->selectFile(last);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = dialog->selectedFiles().constFirst();
    dialog->setProperty("lastFileName", path);

    switch (writeFile(path, fileBytes(memo->document()))) {
    case Result::Written:
        return true;
    case Result::CannotCreate:
        QMessageBox::critical(window, applicationTitle(),
                              QStringLiteral("Cannot create file %1.").arg(path));
        return false;
    case Result::WriteError:
        QMessageBox::critical(window, applicationTitle(), QStringLiteral("Stream write error."));
        return false;
    }
    return false;
}

} // namespace SaveRoutine
