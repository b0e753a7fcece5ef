#pragma once

#include <QStringList>
#include <QtTest>

#include <list>

/// A Qt Test data table written one row a line: cells separated by '|', the first naming the
/// row, every other cell a QString column.
inline void addTextRows(const char* columns, const char* rows)
{
    // Qt Test keeps the column names' pointers.
    static std::list<QByteArray> names;
    for (const QString& column : QString(columns).split(' '))
        QTest::addColumn<QString>(names.emplace_back(column.toLatin1()).constData());
    for (const QString& line : QString(rows).split('\n', Qt::SkipEmptyParts)) {
        QStringList cells = line.split('|');
        auto& row = QTest::newRow(qPrintable(cells.takeFirst().trimmed()));
        for (const QString& cell : cells)
            row << cell.trimmed();
    }
}

/// A cell's list, separated by ", ".
inline QStringList cellList(const QString& cell)
{
    return cell.isEmpty() ? QStringList() : cell.split(QStringLiteral(", "));
}

/// The current row's cell in `column` of a table written with addTextRows().
inline QString cell(const char* column)
{
    return *static_cast<QString*>(QTest::qData(column, qMetaTypeId<QString>()));
}
