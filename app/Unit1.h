#pragma once

#include <QList>
#include <QWidget>

class LineWriter;
class MultiRowTabWidget;
class QFileDialog;
class QPushButton;
class QTabWidget;
class SettingsPage;

// The main window: the settings pages and the preview, save and help buttons.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Appends the whole configuration file, section by section.
    void emitFile(LineWriter &w) const;
    const QList<SettingsPage *> &settingsPages() const { return m_pages; }

    QTabWidget *Pages = nullptr;
    QWidget *TabSheet6 = nullptr;
    MultiRowTabWidget *PageControl1 = nullptr;
    QPushButton *Button12 = nullptr; // preview
    QPushButton *Button7 = nullptr;  // save
    QPushButton *Button13 = nullptr; // help
    QFileDialog *SaveDialog1 = nullptr; // created on first use

    void Button12Click();
    void Button7Click();
    void Button13Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void helpRequested();

    QList<SettingsPage *> m_pages;
    bool m_shown = false;
};
