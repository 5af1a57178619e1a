#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The values of a macro object of the current .mcx format that the reader
// takes, each as the JSON conversion the reader uses gives it (toInt,
// toString, toBool: 0, "" or false for a missing key or a value of another
// type). Both readers of the format fill it; MacroJson::apply turns it into
// the macro, so that both read alike.
struct MacroFields
{
    struct Violation
    {
        int id = 0;
        int reacao = 0;
        int tempo = 0;
        int raio = 0;
    };
    struct Next
    {
        QString nome;
        int idMacro = 0;
        int posicao = 0;
    };

    QString nome;
    int idMacro = 0;
    int atalho = 0;
    bool informacao = false;
    QString formulario;
    QString confirmacao;
    int validacoes = 0;
    QVector<int> automacao;
    QVector<Violation> violacoes;
    QVector<Next> fluxoMacros;
    QString sigla;
    int type = 0;
    // "dimensions" and "position".
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int positionX = 0;
    int positionY = 0;
    QVector<int> secureSensors;
    QVector<int> secureActuators;
    // The values that were no integer where the format has one, as read
    // into the fields above: what MacroJson::apply tells with its own.
    QStringList notes;
};
