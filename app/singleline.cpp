#include "singleline.h"

#include <QLineEdit>
#include <QWidget>

QValidator::State SingleLineGuard::validate(QString &input, int &pos) const
{
    auto isBreak = [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(input.cbegin(), input.cend(), isBreak))
        return Acceptable;

    QString out;
    out.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (!isBreak(c)) {
            out += c;
            continue;
        }
        // CR LF is one line break, and becomes one blank.
        if (c == QLatin1Char('\r') && i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n')) {
            ++i;
            if (i < pos)
                --newPos;
        }
        out += QLatin1Char(' ');
    }
    input = out;
    pos = std::clamp(newPos, 0, int(out.size()));
    return Acceptable;
}

void SingleLineGuard::install(QWidget *root)
{
    auto *guard = new SingleLineGuard(root);
    const auto edits = root->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits)
        edit->setValidator(guard);
}
