#pragma once

#include <QDialog>

class QFileDialog;
class QPlainTextEdit;
class QPushButton;

// The preview window: the generated configuration file, editable, and its
// own save button.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // Regenerates the whole file from the main window into Memo1.
    void CreateMemo();

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button7 = nullptr;
    QFileDialog *SaveDialog1 = nullptr; // created on first use

    void Button7Click();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormShow();
};
