#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

class Group;
class QPainter;
class QPrinter;
class QRectF;

// A group's flow diagram on one printed page: a header line with the
// group's name and the date, then the whole flow, as the pictures draw it,
// scaled to the rest of the page.
class FlowPrinter
{
    Q_DECLARE_TR_FUNCTIONS(FlowPrinter)

public:
    // Landscape: flows grow sideways.
    static void setUp(QPrinter& printer, const Group& group);
    // False when the printer can't be painted on.
    static bool print(QPrinter& printer, const Group& group,
                      const QDate& date = QDate::currentDate());
    // The page's drawing on any painter, page being its printable area.
    static void paint(QPainter& painter, const QRectF& page, const Group& group, const QDate& date);

    // The header's left part.
    static QString title(const Group& group);
};
