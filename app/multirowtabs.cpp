#include "multirowtabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QVBoxLayout>

MultiRowTabBar::MultiRowTabBar(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

int MultiRowTabBar::addTab(const QString &text)
{
    m_texts.append(text);
    if (m_current < 0)
        m_current = 0;
    relayout();
    return count() - 1;
}

void MultiRowTabBar::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    relayout();
    emit currentChanged(index);
}

QRect MultiRowTabBar::tabRect(int index) const
{
    return m_rects.value(index);
}

int MultiRowTabBar::rowCount() const
{
    int rows = 0;
    int lastTop = -1;
    for (const QRect &r : m_rects) {
        if (r.top() != lastTop) {
            ++rows;
            lastTop = r.top();
        }
    }
    return rows;
}

QSize MultiRowTabBar::tabSize(int index) const
{
    const QFontMetrics fm = fontMetrics();
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, nullptr, this);
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.text = m_texts.at(index);
    opt.shape = QTabBar::RoundedNorth;
    const QSize contents(fm.horizontalAdvance(m_texts.at(index)) + hspace, fm.height() + vspace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contents, this);
}

QList<QRect> MultiRowTabBar::layoutTabs(int width) const
{
    // Fill rows left to right and widen the tabs of each row so that every
    // row spans the whole bar. The row of the current tab goes to the bottom,
    // next to its page, as multi-row tabs do.
    QList<QRect> rects;
    QList<int> rowOf;
    rects.reserve(count());
    rowOf.reserve(count());
    int x = 0;
    int row = 0;
    int tabHeight = 0;
    for (int i = 0; i < count(); ++i) {
        const QSize size = tabSize(i);
        tabHeight = std::max(tabHeight, size.height());
        if (x > 0 && x + size.width() > width) {
            ++row;
            x = 0;
        }
        rects.append(QRect(QPoint(x, 0), size));
        rowOf.append(row);
        x += size.width();
    }
    const int rows = count() ? row + 1 : 0;
    const int currentRow = m_current >= 0 && m_current < count() ? rowOf[m_current] : rows - 1;
    for (int r = 0; r < rows; ++r) {
        int first = int(rowOf.indexOf(r));
        int last = int(rowOf.lastIndexOf(r));
        const int n = last - first + 1;
        const int extra = std::max(0, width - (rects[last].right() + 1));
        // Rows keep their order, except that the current one moves to the bottom.
        const int line = r == currentRow ? rows - 1 : (r > currentRow ? r - 1 : r);
        int shift = 0;
        for (int i = first; i <= last; ++i) {
            const int k = i - first;
            const int grow = extra * (k + 1) / n - extra * k / n;
            rects[i] = QRect(rects[i].x() + shift, line * tabHeight, rects[i].width() + grow, tabHeight);
            shift += grow;
        }
    }
    return rects;
}

void MultiRowTabBar::relayout()
{
    m_rects = layoutTabs(width());
    updateGeometry();
    update();
}

int MultiRowTabBar::heightForWidth(int width) const
{
    const QList<QRect> rects = layoutTabs(width);
    int bottom = 0;
    for (const QRect &r : rects)
        bottom = std::max(bottom, r.bottom() + 1);
    return bottom;
}

QSize MultiRowTabBar::sizeHint() const
{
    int w = 0;
    for (int i = 0; i < count(); ++i)
        w = std::max(w, tabSize(i).width());
    return QSize(w, heightForWidth(width() > 0 ? width() : w));
}

QSize MultiRowTabBar::minimumSizeHint() const
{
    return sizeHint();
}

void MultiRowTabBar::resizeEvent(QResizeEvent *)
{
    m_rects = layoutTabs(width());
    updateGeometry();
}

void MultiRowTabBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
    QWidget::changeEvent(event);
}

void MultiRowTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.rect = m_rects.value(i);
        opt.text = m_texts.at(i);
        opt.shape = QTabBar::RoundedNorth;
        opt.row = 0;
        const bool rowStart = opt.rect.left() == 0;
        const bool rowEnd = opt.rect.right() + 1 >= width();
        opt.position = rowStart && rowEnd ? QStyleOptionTab::OnlyOneTab
                       : rowStart         ? QStyleOptionTab::Beginning
                       : rowEnd           ? QStyleOptionTab::End
                                          : QStyleOptionTab::Middle;
        opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (i == m_current) {
            opt.state |= QStyle::State_Selected;
            if (hasFocus())
                opt.state |= QStyle::State_HasFocus;
        }
        if (underMouse() && opt.rect.contains(mapFromGlobal(QCursor::pos())))
            opt.state |= QStyle::State_MouseOver;
        painter.drawControl(QStyle::CE_TabBarTab, opt);
        if (i == m_current && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = opt.rect.adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

void MultiRowTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < m_rects.size(); ++i) {
        if (m_rects[i].contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
}

void MultiRowTabBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(m_current - 1);
        break;
    case Qt::Key_Right:
        setCurrentIndex(m_current + 1);
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

MultiRowTabWidget::MultiRowTabWidget(QWidget *parent)
    : QWidget(parent), m_bar(new MultiRowTabBar(this)), m_stack(new QStackedWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    auto *frame = new QVBoxLayout;
    frame->setContentsMargins(2, 2, 2, 2);
    frame->addWidget(m_stack);
    layout->addLayout(frame, 1);
    connect(m_bar, &MultiRowTabBar::currentChanged, this, [this](int index) {
        m_stack->setCurrentIndex(index);
        emit currentChanged(index);
    });
}

int MultiRowTabWidget::addTab(QWidget *page, const QString &text)
{
    m_stack->addWidget(page);
    return m_bar->addTab(text);
}

int MultiRowTabWidget::count() const
{
    return m_stack->count();
}

QWidget *MultiRowTabWidget::widget(int index) const
{
    return m_stack->widget(index);
}

int MultiRowTabWidget::indexOf(const QWidget *page) const
{
    return m_stack->indexOf(page);
}

int MultiRowTabWidget::currentIndex() const
{
    return m_bar->currentIndex();
}

QWidget *MultiRowTabWidget::currentWidget() const
{
    return m_stack->currentWidget();
}

void MultiRowTabWidget::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
}

void MultiRowTabWidget::setCurrentWidget(QWidget *page)
{
    setCurrentIndex(m_stack->indexOf(page));
}

void MultiRowTabWidget::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    opt.rect = QRect(0, m_bar->height() - 1, width(), height() - m_bar->height() + 1);
    opt.shape = QTabBar::RoundedNorth;
    opt.tabBarSize = QSize(width(), m_bar->height());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
}
