#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;
class QTextLayout;

// A box's lines of text, drawn exactly as QPainter::drawText(rect,
// Qt::AlignCenter, text) draws them, but laid out once instead of at every
// paint: shaping the glyphs costs more than drawing them, and a box is
// painted again at every step of a drag or a zoom that reaches it. The
// layout is made again when the text, the font or the height of the box
// change.
class BoxText
{
public:
    BoxText();
    ~BoxText();
    BoxText(const BoxText&) = delete;
    BoxText& operator=(const BoxText&) = delete;

    void draw(QPainter* painter, const QRectF& rect, const QString& text);

private:
    // What the toolkit's drawText does with text it can't lay out ahead.
    static bool needsToolkit(const QString& text, const QFont& font);
    void layOut(const QString& text, const QFont& font, qreal height,
                Qt::LayoutDirection direction);

    std::unique_ptr<QTextLayout> m_layout;
    QString m_text;
    QFont m_font;
    qreal m_height = -1;
    Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto;
    // The widest line and the height of the lines laid out.
    qreal m_linesWidth = 0;
    qreal m_linesHeight = 0;
};
