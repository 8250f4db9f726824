#include "saveroutine.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextDocument>

#include <cstring>

#include "startup.h"

namespace SaveRoutine {

QByteArray fileBytes(const QTextDocument *document)
{
    // The raw text, in one piece: the blocks' own characters (toPlainText()
    // would turn no-break spaces into blanks), each block ended by U+2029
    // but the last. A last block that is empty is the one after a final
    // line break, and ends nothing.
    const QString raw = document->toRawText();
    const bool endsWithBreak = raw.isEmpty() || raw.back() == QChar::ParagraphSeparator;
#ifdef Q_OS_UNIX
    // Qt's 8-bit encoding is UTF-8 here, whatever the locale: encode once,
    // then turn each encoded U+2029 (E2 80 A9) into CR LF.
    const QByteArray encoded = raw.toUtf8();
    QByteArray bytes(encoded.size() + 2, Qt::Uninitialized);
    char *out = bytes.data();
    const char *in = encoded.constData();
    const char *const end = in + encoded.size();
    while (in < end) {
        const char *lead = static_cast<const char *>(std::memchr(in, '\xE2', end - in));
        if (!lead)
            lead = end;
        std::memcpy(out, in, lead - in);
        out += lead - in;
        in = lead;
        if (in == end)
            break;
        if (end - in >= 3 && in[1] == '\x80' && in[2] == '\xA9') {
            *out++ = '\r';
            *out++ = '\n';
            in += 3;
        } else {
            *out++ = *in++;
        }
    }
    if (!endsWithBreak) {
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
#else
    QString text = raw;
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    if (!endsWithBreak)
        text += QLatin1String("\r\n");
    return text.toLocal8Bit();
#endif
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
