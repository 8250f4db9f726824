#pragma once

#include <QValidator>

// Keeps a single-line edit on a single line: a line break pasted or set into
// it becomes one blank, in plain sight, since a break would split the
// setting over several lines of the configuration file. Nothing else the
// user types is touched.
class SingleLineGuard : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    // Installs the guard on every line edit below `root`.
    static void install(QWidget *root);
};
