#include "Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Unit2.h"
#include "helpviewer.h"
#include "linewriter.h"
#include "multirowtabs.h"
#include "pagelist.h"
#include "saveroutine.h"
#include "settingspage.h"
#include "singleline.h"
#include "startup.h"

namespace {

// Tabs a little narrower than the style's own, so that the seven page
// captions fit side by side in one row.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return std::min(QProxyStyle::pixelMetric(metric, option, widget), 10);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

constexpr int PagesWidth = 625;
constexpr int PagesHeight = 409;
constexpr int ButtonWidth = 193;
constexpr int ButtonHeight = 25;
} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setUsesScrollButtons(false);
    Pages->setElideMode(Qt::ElideNone);
    Pages->setFixedSize(PagesWidth, PagesHeight);
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(this);
    Pages->tabBar()->setStyle(tabStyle);

    m_pages = createSettingsPages(this);
    for (SettingsPage *page : std::as_const(m_pages)) {
        if (page->placement() == SettingsPage::Placement::ModulesPage && !TabSheet6) {
            TabSheet6 = new QWidget;
            TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
            PageControl1 = new MultiRowTabWidget(TabSheet6);
            PageControl1->setObjectName(QStringLiteral("PageControl1"));
            auto *fill = new QVBoxLayout(TabSheet6);
            fill->setContentsMargins(2, 2, 2, 2);
            fill->addWidget(PageControl1);
            Pages->addTab(TabSheet6, QStringLiteral("Modules"));
        }
        for (QWidget *sheet : page->sheets()) {
            if (page->placement() == SettingsPage::Placement::ModulesPage)
                PageControl1->addTab(sheet, sheet->windowTitle());
            else
                Pages->addTab(sheet, sheet->windowTitle());
        }
    }
    SingleLineGuard::install(this);

    Button12 = new QPushButton(QStringLiteral("Preview Config File ! ! !"), this);
    Button12->setObjectName(QStringLiteral("Button12"));
    Button7 = new QPushButton(QStringLiteral("Save Config File ! ! !"), this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button13 = new QPushButton(QStringLiteral("Help"), this);
    Button13->setObjectName(QStringLiteral("Button13"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(13);
    for (QPushButton *b : {Button12, Button7, Button13}) {
        b->setFixedSize(ButtonWidth, ButtonHeight);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(6);
    layout->addWidget(Pages);
    layout->addLayout(buttons);
    layout->addStretch(1);
    resize(PagesWidth + 1, PagesHeight + ButtonHeight + 13);

    // The pages first, then save before preview although it stands to its right.
    setTabOrder(Pages, Button7);
    setTabOrder(Button7, Button12);
    setTabOrder(Button12, Button13);

    connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
    // F1 anywhere in this window, but not in the preview window above it.
    auto *f1 = new QShortcut(QKeySequence::HelpContents, this, nullptr, nullptr,
                             Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &TForm1::helpRequested);
}

void TForm1::emitFile(LineWriter &w) const
{
    for (const SettingsPage *page : m_pages)
        page->emitSection(w);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    if (QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    FormShow();
}

void TForm1::FormShow()
{
    for (SettingsPage *page : std::as_const(m_pages))
        page->formShow();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, preview window and all.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::Button12Click()
{
    if (Form2->isVisible()) {
        Form2->raise();
        Form2->activateWindow();
        return;
    }
    Form2->show();
}

void TForm1::Button7Click()
{
    Form2->CreateMemo();
    SaveRoutine::saveMemo(this, SaveDialog1, Form2->Memo1);
}

void TForm1::Button13Click()
{
    HelpViewer::showHelp(this, QStringLiteral("Contents"));
}

void TForm1::helpRequested()
{
    HelpViewer::showHelp(this, focusWidget() == Button13 ? QStringLiteral("Contents")
                                                         : QStringLiteral("Index"));
}
