#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QStackedWidget;

// A row of tabs that wraps onto as many rows as its captions need, where a
// QTabBar would scroll them out of sight.
class MultiRowTabBar : public QWidget
{
    Q_OBJECT
public:
    explicit MultiRowTabBar(QWidget *parent = nullptr);

    int addTab(const QString &text);
    int count() const { return int(m_texts.size()); }
    QString tabText(int index) const { return m_texts.value(index); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    QRect tabRect(int index) const;
    int rowCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *) override;
    void changeEvent(QEvent *event) override;

private:
    QSize tabSize(int index) const;
    QList<QRect> layoutTabs(int width) const;
    void relayout();

    QStringList m_texts;
    QList<QRect> m_rects;
    int m_current = -1;
};

// Pages under a wrapping tab row.
class MultiRowTabWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MultiRowTabWidget(QWidget *parent = nullptr);

    int addTab(QWidget *page, const QString &text);
    int count() const;
    QWidget *widget(int index) const;
    int indexOf(const QWidget *page) const;
    QString tabText(int index) const { return m_bar->tabText(index); }
    int currentIndex() const;
    QWidget *currentWidget() const;
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget *page);
    MultiRowTabBar *tabBar() const { return m_bar; }

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    MultiRowTabBar *m_bar;
    QStackedWidget *m_stack;
};
