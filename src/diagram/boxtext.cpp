#include "boxtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace {

// Lines are never broken: the toolkit's width for "no limit".
constexpr qreal UnlimitedWidth = 0x01000000;

} // namespace

BoxText::BoxText() = default;

BoxText::~BoxText() = default;

bool BoxText::needsToolkit(const QString& text, const QFont& font)
{
    // Lines drawn with decorations, and texts of several length variants.
    return font.underline() || font.overline() || font.strikeOut() ||
           text.contains(QChar(ushort(0x9c)));
}

void BoxText::layOut(const QString& text, const QFont& font, qreal height,
                     Qt::LayoutDirection direction)
{
    // As the toolkit prepares the text of drawText: line breaks become line
    // separators, tabs and carriage returns blanks (centred text expands no
    // tabs).
    QString prepared = text;
    for (QChar& c : prepared) {
        if (c == QLatin1Char('\n'))
            c = QChar::LineSeparator;
        else if (c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    m_layout = std::make_unique<QTextLayout>(prepared, font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    m_layout->setTextOption(option);
    m_layout->setCacheEnabled(true);

    const QFontMetricsF metrics(font);
    const qreal leading = metrics.leading();
    m_linesWidth = 0;
    m_linesHeight = -leading;
    m_layout->beginLayout();
    for (;;) {
        QTextLine line = m_layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(UnlimitedWidth);
        m_linesHeight += leading;
        line.setPosition(QPointF(0, m_linesHeight));
        m_linesHeight += line.height();
        m_linesWidth = qMax(m_linesWidth, line.naturalTextWidth());
        // Lines below the box are clipped away: not laid out at all.
        if (m_linesHeight >= height)
            break;
    }
    m_layout->endLayout();
    m_text = text;
    m_font = font;
    m_height = height;
    m_direction = direction;
}

void BoxText::draw(QPainter* painter, const QRectF& rect, const QString& text)
{
    const QFont& font = painter->font();
    if (text.isEmpty() || needsToolkit(text, font)) {
        painter->drawText(rect, Qt::AlignCenter, text);
        return;
    }
    if (!m_layout || text != m_text || font != m_font || rect.height() != m_height ||
        painter->layoutDirection() != m_direction)
        layOut(text, font, rect.height(), painter->layoutDirection());

    const qreal top = (rect.height() - m_linesHeight) / 2;
    const qreal left = (rect.width() - m_linesWidth) / 2;
    const bool clipped = !rect.contains(QRectF(rect.x() + left, rect.y() + top, m_linesWidth,
                                               m_linesHeight));
    if (clipped) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
    }
    for (int i = 0; i < m_layout->lineCount(); ++i) {
        const QTextLine line = m_layout->lineAt(i);
        // Each line centred on its own.
        const qreal lineLeft = (rect.width() - line.horizontalAdvance()) / 2;
        line.draw(painter, QPointF(rect.x() + lineLeft, rect.y() + top));
    }
    if (clipped)
        painter->restore();
}
