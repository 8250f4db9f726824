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
    // Read the blocks themselves: toPlainText() would turn no-break spaces
    // into blanks.
    QString text;
    text.reserve(document->characterCount() + document->blockCount());
    const QTextBlock last = document->lastBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block == last && block.length() <= 1)
            break; // the empty block after a final line break
        text += block.text();
        text += QLatin1String("\r\n");
    }
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
