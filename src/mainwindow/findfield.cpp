#include "findfield.h"

#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "model/group.h"
#include "model/macrosearch.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

constexpr int FieldWidth = 180;

} // namespace

FindField::FindField(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("edtFind"));
    setClearButtonEnabled(true);
    setMaximumWidth(FieldWidth);
    retranslate();
    connect(this, &QLineEdit::textEdited, this, &FindField::search);
    connect(this, &QLineEdit::returnPressed, this, &FindField::findNext);
}

void FindField::setCanvas(GraphWidget* canvas)
{
    m_canvas = canvas;
}

void FindField::activate()
{
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void FindField::findNext()
{
    step(true);
}

void FindField::findPrevious()
{
    step(false);
}

void FindField::search(const QString& text)
{
    m_current = nullptr;
    const MacroSearch search(text);
    if (search.isEmpty()) {
        showNoMatch(false);
        return;
    }
    const QList<Macro*> matches = m_canvas && m_canvas->document()
                                      ? search.matchesIn(m_canvas->document()->group())
                                      : QList<Macro*>();
    if (matches.isEmpty()) {
        showNoMatch(true);
        return;
    }
    // "87" means macro 87 before macro 187.
    Macro* best = matches.constFirst();
    for (Macro* macro : matches) {
        if (search.isExactMatch(*macro)) {
            best = macro;
            break;
        }
    }
    show(best);
}

void FindField::step(bool forward)
{
    const MacroSearch search(text());
    if (search.isEmpty())
        return;
    const QList<Macro*> matches = m_canvas && m_canvas->document()
                                      ? search.matchesIn(m_canvas->document()->group())
                                      : QList<Macro*>();
    if (matches.isEmpty()) {
        showNoMatch(true);
        return;
    }
    const int count = matches.size();
    const int at = matches.indexOf(m_current);
    int next = forward ? 0 : count - 1;
    if (at >= 0)
        next = ((forward ? at + 1 : at - 1) % count + count) % count;
    show(matches.at(next));
}

void FindField::show(Macro* macro)
{
    m_current = macro;
    showNoMatch(false);
    m_canvas->showMacro(macro);
}

void FindField::showNoMatch(bool noMatch)
{
    if (noMatch)
        emit notFound();
    if (noMatch == m_noMatch)
        return;
    m_noMatch = noMatch;
    setStyleSheet(noMatch ? QStringLiteral("QLineEdit { background: #f8d0d0; }") : QString());
}

void FindField::keyPressEvent(QKeyEvent* event)
{
    // Back to the canvas, where the match is selected.
    if (event->key() == Qt::Key_Escape && m_canvas) {
        m_canvas->setFocus(Qt::OtherFocusReason);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FindField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLineEdit::changeEvent(event);
}

void FindField::retranslate()
{
    setPlaceholderText(tr("Procurar macro"));
    setToolTip(tr("Procurar macro por número, sigla ou nome (Ctrl+F); F3: próxima"));
}
