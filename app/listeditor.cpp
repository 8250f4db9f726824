#include "listeditor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>

namespace {

// Shows row 0 of the grid as a frozen header that the user can drag to
// resize columns, and that stays in view while the entries scroll.
class HeaderRowView : public QHeaderView
{
public:
    explicit HeaderRowView(QTableWidget *grid)
        : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Interactive);
        setStretchLastSection(false);
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = rect;
        opt.section = logicalIndex;
        opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        const QTableWidgetItem *item = m_grid->item(0, logicalIndex);
        opt.text = item ? item->text() : QString();
        opt.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    }

private:
    QTableWidget *m_grid;
};

constexpr int RowHeight = 21;

} // namespace

ListEditor::ListEditor(QTableWidget *grid, QList<QLineEdit *> inputs, int columnWidth,
                       QObject *parent)
    : QObject(parent), m_grid(grid), m_inputs(std::move(inputs))
{
    m_grid->setColumnCount(int(m_inputs.size()));
    m_grid->setRowCount(2);
    m_grid->setHorizontalHeader(new HeaderRowView(m_grid));
    m_grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    m_grid->horizontalHeader()->setMinimumSectionSize(8);
    m_grid->horizontalHeader()->setFixedHeight(RowHeight + 1);
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setColumnWidth(c, columnWidth);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(0);
    m_grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Row 0 is shown by the header view instead: in the grid it has no
    // height and its cells are disabled, so neither the mouse nor the
    // keyboard can make it current. (Hiding the row would do the same, but
    // a hidden row makes every removal rescan all rows.)
    m_grid->setRowHeight(0, 0);
    m_grid->setShowGrid(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setWordWrap(false);
    m_grid->setCurrentCell(1, 0);
}

void ListEditor::fill(const QStringList &header, const QList<QStringList> &entries)
{
    m_grid->setRowCount(std::max<int>(2, int(entries.size()) + 1));
    for (int c = 0; c < header.size(); ++c)
        setCell(c, 0, header[c]);
    for (int r = 0; r < entries.size(); ++r)
        for (int c = 0; c < entries[r].size(); ++c)
            setCell(c, r + 1, entries[r][c]);
    m_grid->horizontalHeader()->viewport()->update();
}

void ListEditor::add()
{
    const int n = m_grid->rowCount();
    if (cell(0, n - 1).isEmpty()) {
        writeInputsTo(n - 1);
    } else {
        m_grid->setRowCount(n + 1);
        writeInputsTo(n);
    }
}

void ListEditor::remove()
{
    const int n = m_grid->rowCount();
    if (n == 2) {
        for (int c = 0; c < m_grid->columnCount(); ++c)
            setCell(c, 1, QString());
        return;
    }
    const int column = std::max(0, m_grid->currentColumn());
    m_grid->removeRow(m_selectedRow);
    // The highlight goes to the new last row; the selection handler follows it.
    m_grid->setCurrentCell(m_grid->rowCount() - 1, column);
}

void ListEditor::selectCell(int, int row)
{
    if (row >= 1)
        m_selectedRow = row;
}

int ListEditor::rowCount() const
{
    return m_grid->rowCount();
}

QString ListEditor::cell(int column, int row) const
{
    const QTableWidgetItem *item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void ListEditor::setCell(int column, int row, const QString &text)
{
    if (QTableWidgetItem *item = m_grid->item(row, column)) {
        item->setText(text);
        return;
    }
    auto *item = new QTableWidgetItem(text);
    item->setFlags(row == 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_grid->setItem(row, column, item);
}

void ListEditor::writeInputsTo(int row)
{
    for (int c = 0; c < m_inputs.size(); ++c)
        setCell(c, row, m_inputs[c]->text());
}
