#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QTableWidget;

// The mechanics shared by the program's four lists (log files, scripts, help
// files, servers): a grid whose row 0 is its header, one input edit per
// column, an ADD and a DELETE button, and the selected row used by DELETE.
//
// The grid's cells are the list: nothing is copied out of them. Row 0 holds
// the header texts and is shown frozen above the entries; rows 1 and up are
// the entries, and row 1 always exists, empty or not.
class ListEditor : public QObject
{
    Q_OBJECT
public:
    // The page wires its ADD and DELETE buttons to add() and remove(), and
    // the grid's current-cell changes to selectCell(), under its own names.
    ListEditor(QTableWidget *grid, QList<QLineEdit *> inputs, int columnWidth,
               QObject *parent = nullptr);

    // Writes the header into row 0 and the given entries into rows 1 and up
    // (column 0 first), leaving at least one entry row.
    void fill(const QStringList &header, const QList<QStringList> &entries = {});

    // ADD: the input edits go into a new last row, or into the last row when
    // its first cell is empty.
    void add();
    // DELETE: removes the selected row; the only entry row is emptied instead.
    void remove();
    // The grid is about to make (column, row) current.
    void selectCell(int column, int row);

    int selectedRow() const { return m_selectedRow; }
    void setSelectedRow(int row) { m_selectedRow = row; }

    // What the generator reads.
    int rowCount() const;
    QString cell(int column, int row) const;
    // A list whose first entry has an empty first cell is not written.
    bool isEmpty() const { return cell(0, 1).isEmpty(); }

    QTableWidget *grid() const { return m_grid; }

private:
    void setCell(int column, int row, const QString &text);
    void writeInputsTo(int row);

    QTableWidget *m_grid;
    QList<QLineEdit *> m_inputs;
    int m_selectedRow = 1;
};
