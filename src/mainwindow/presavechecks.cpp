#include "presavechecks.h"

#include "commands/correctcharacterscommand.h"
#include "commands/groupdocument.h"
#include "model/characterscan.h"
#include "model/group.h"
#include "model/macro.h"
#include "model/screentext.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

PreSaveChecks::PreSaveChecks(GroupDocument& document, QWidget* window)
    : document(document), group(document.group()), window(window)
{
}

void PreSaveChecks::scanCharacters(QStringList* macroLines, QStringList* characters) const
{
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        const QStringList found = CharacterScan::refusedCharacters(*macro);
        if (found.isEmpty())
            continue;
        for (const QString& character : found) {
            if (!characters->contains(character))
                characters->append(character);
        }
        macroLines->append(macro->name() + QStringLiteral(" ( ") +
                           found.join(QStringLiteral(" ,  ")) + QStringLiteral(" )"));
    }
}

bool PreSaveChecks::characterCheck()
{
    QStringList macroLines;
    QStringList characters;
    scanCharacters(&macroLines, &characters);
    if (macroLines.isEmpty())
        return true;

    const QString text = tr("Foram encontrados os seguintes caracteres não autorizados:") +
                         QStringLiteral("\n\n") + characters.join(QStringLiteral(", ")) +
                         QStringLiteral("\n\n") + tr("nas seguintes macros:") +
                         QStringLiteral("\n\n") + macroLines.join(QLatin1Char('\n'));
    if (!askYesNo(tr("Caracteres Incompatíveis"), text,
                  tr("Deseja realizar a correção automática?")))
        return false;

    auto correction = std::make_unique<CorrectCharactersCommand>(document);
    if (correction->changesAnything())
        document.push(correction.release());
    QMessageBox done(QMessageBox::Information, tr("Sucesso"), tr("Ajustes concluídos com sucesso"),
                     QMessageBox::Ok, window);
    done.exec();
    return true;
}

bool PreSaveChecks::askYesNo(const QString& title, const QString& text, const QString& informative)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No);
    box.setInformativeText(informative);
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    yes->setText(tr("Sim"));
    yes->setIcon(QIcon(QStringLiteral(":/png/ok.png")));
    QAbstractButton* no = box.button(QMessageBox::No);
    no->setText(tr("Não"));
    no->setIcon(QIcon(QStringLiteral(":/png/delete.png")));
    return box.exec() == QMessageBox::Yes;
}

bool PreSaveChecks::isMacroFormValid()
{
    const bool charactersAccepted = characterCheck();

    int failures = 0;
    QString lastFailure;
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        const QByteArray form = macro->form();
        const int row = ScreenText::checkFields(form.constData(), form.size());
        if (row > 0) {
            ++failures;
            lastFailure =
                QStringLiteral("\n") + QString::number(row) + QStringLiteral(" - ") + macro->name();
        }
    }
    if (failures == 0)
        return charactersAccepted;

    QMessageBox box(QMessageBox::Warning, tr("Erro!"),
                    tr("Arquivo inválido, necessário ajuste da tag na linha") + lastFailure,
                    QMessageBox::Ok, window);
    box.exec();
    return false;
}
