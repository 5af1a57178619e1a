#include "samplegroups.h"

#include "legacymcrbuilder.h"
#include "model/group.h"
#include "model/macro.h"

#include <QSettings>

namespace SampleGroups {

namespace {

struct Violation
{
    quint8 id;
    quint8 reactions;
    quint16 timer;
};

struct SampleMacro
{
    struct
    {
        const char* num;
        const char* name;
        const char* shortcut;
        const char* sigla;
        int type;
        bool information;
        int column;
        int row;
    } head;
    QStringList form;
    QStringList confirmation;
    struct
    {
        quint16 validations;
        QList<quint8> automation;
        quint16 raio;
        QList<quint8> sensors;
        QList<quint8> actuators;
    } settings;
    QList<Violation> violations;
    // Next macros by acronym, with their function-key slot.
    QList<QPair<const char*, quint16>> flow;
};

// The grid of the boxes from (40, 40): wide enough for the longer names,
// with room between them for the arrows.
constexpr int GridOrigin = 40;
constexpr int GridStepX = 260;
constexpr int GridStepY = 180;
constexpr int BoxWidth = 201;
constexpr int BoxHeight = 81;

QList<SampleMacro> sampleMacros()
{
    return {
        {{"1", "INICIO DE VIAGEM", "1", "INI", 0, false, 0, 0},
         {"INICIO DE VIAGEM", "", "MOTORISTA: [LLLLL]", "SENHA:     [SSSSS]", "",
          "DATA: [dd/mm/aa]   HORA: [hh:mm]", "HODOMETRO INICIAL: [nnnn]",
          "PLACA DA CARRETA:  [cccccccc]", "", "CONFIRA OS DOCUMENTOS DA CARGA."},
         {"VIAGEM INICIADA.", "", "RESPEITE OS LIMITES DE VELOCIDADE", "E BOA VIAGEM!"},
         {0x13, {2, 8}, 100, {}, {}},
         {{1, 0x03, 30}, {2, 0x03, 20}, {4, 0x01, 0}, {12, 0x06, 240}, {25, 0x85, 120}},
         {{"REF", 1}, {"ABS", 2}, {"ENT", 3}, {"COL", 4}, {"SOS", 9}}},
        {{"2", "REINICIO DE VIAGEM", "2", "REI", 4, false, 1, 0},
         {"REINICIO DE VIAGEM", "", "MOTIVO DA PARADA: [cccccccc]", "HODOMETRO: [nnnn]",
          "HORA: [hh:mm]"},
         {"VIAGEM RETOMADA.", "SIGA O ROTEIRO PREVISTO."},
         {0x05, {8}, 100, {}, {}},
         {{1, 0x03, 30}, {8, 0x04, 180}, {12, 0x06, 240}},
         {{"REF", 1}, {"ENT", 3}, {"COL", 4}, {"FIM", 5}}},
        {{"10", "PARADA PARA REFEICAO", "10", "REF", 1, false, 2, 0},
         {"PARADA PARA REFEICAO", "", "LOCAL: [cccccccc]", "HORA: [hh:mm]",
          "DURACAO PREVISTA MIN: [nnnn]", "", "CARGA LACRADA? [e]"},
         {"BOA REFEICAO!", "", "MANTENHA O BAU TRAVADO."},
         {0x00, {2}, 100, {}, {}},
         {{9, 0x06, 0}, {17, 0x04, 120}, {19, 0x0C, 0}},
         {{"REI", 0}}},
        {{"11", "PARADA PARA DESCANSO", "0", "DES", 1, false, 3, 0},
         {"PARADA PARA DESCANSO", "", "LOCAL: [cccccccc]", "INICIO: [hh:mm]", "PERNOITE? [e]"},
         {"DESCANSO REGISTRADO.", "", "O VEICULO DEVE FICAR NO RAIO", "DA ANCORA ATE O REINICIO."},
         {0x01, {2}, 300, {1, 3}, {3}},
         {{13, 0x02, 240}, {23, 0x0C, 0}},
         {{"REI", 0}, {"SOS", 9}}},
        {{"12", "ABASTECIMENTO", "12", "ABS", 1, false, 0, 1},
         {"ABASTECIMENTO", "", "POSTO: [cccccccc]", "LITROS: [ffff]", "VALOR R$: [ffff]",
          "HODOMETRO: [nnnn]", "ARLA 32? [e]"},
         {"ABASTECIMENTO REGISTRADO.", "GUARDE O CUPOM FISCAL."},
         {0x02, {}, 100, {}, {}},
         {{9, 0x04, 0}, {11, 0x02, 180}},
         {{"ENT", 3}, {"COL", 4}, {"FIM", 5}}},
        {{"20", "ENTREGA", "20", "ENT", 2, false, 1, 1},
         {"ENTREGA", "", "NOTA FISCAL: [nnnn]", "RECEBEDOR:   [cccccccc]", "DOCUMENTO:   [nnnn]",
          "HORA: [hh:mm]", "", "AVARIA NA CARGA? [e]", "OBSERVACAO: [rrrrrrrrrrrrrrrrrrrr]"},
         {"ENTREGA REGISTRADA.", "", "COLETE A ASSINATURA NO CANHOTO", "DA NOTA FISCAL."},
         {0x24, {1}, 100, {3}, {}},
         {{9, 0x06, 0}, {10, 0x09, 0}, {17, 0x04, 60}},
         {{"AGD", 1}, {"COL", 2}, {"FIM", 5}}},
        {{"21", "COLETA", "21", "COL", 2, false, 2, 1},
         {"COLETA", "", "REMETENTE: [cccccccc]", "VOLUMES:   [nnnn]", "PESO KG:   [ffff]",
          "LACRE:     [cccccccc]", "HORA: [hh:mm]"},
         {"COLETA REGISTRADA.", "CONFIRA O LACRE ANTES DE SAIR."},
         {0x04, {1}, 100, {3, 4}, {3}},
         {{9, 0x06, 0}, {10, 0x09, 0}, {24, 0x03, 90}},
         {{"ENT", 1}, {"DES", 2}, {"FIM", 5}}},
        {{"22", "AGUARDANDO DESCARGA", "0", "AGD", 2, false, 3, 1},
         {"AGUARDANDO DESCARGA", "", "CLIENTE: [cccccccc]", "CHEGADA: [hh:mm]",
          "SENHA DA DOCA: [nnnn]"},
         {"ESPERA REGISTRADA.", "AGUARDE NO PATIO DO CLIENTE."},
         {0x00, {1}, 500, {}, {}},
         {{11, 0x02, 120}, {23, 0x0C, 0}},
         {{"ENT", 1}, {"FIM", 5}}},
        {{"30", "SOLICITACAO DE MANUTENCAO", "30", "MAN", 3, false, 0, 2},
         {"SOLICITACAO DE MANUTENCAO", "", "DEFEITO: [cccccccc]", "HODOMETRO: [nnnn]",
          "VEICULO PARADO? [e]", "", "DESCREVA:", "[rrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrr]"},
         {"SOLICITACAO ENVIADA.", "AGUARDE O CONTATO DA OFICINA."},
         {0x40, {}, 100, {}, {}},
         {},
         {{"REI", 0}}},
        {{"31", "SOLICITACAO DE ROTA", "0", "ROT", 3, true, 1, 2},
         {"SOLICITACAO DE ROTA", "", "DESTINO: [cccccccc]", "EVITAR PEDAGIO? [e]"},
         {},
         {0x00, {}, 100, {}, {}},
         {},
         {}},
        {{"40", "FIM DE VIAGEM", "40", "FIM", 5, false, 2, 2},
         {"FIM DE VIAGEM", "", "HODOMETRO FINAL: [nnnn]", "DATA: [dd/mm/aa]  HORA: [hh:mm]",
          "DESPESAS R$: [ffff]", "", "VEICULO LIMPO E TRAVADO? [E]"},
         {"VIAGEM ENCERRADA.", "", "OBRIGADO E BOM DESCANSO!"},
         {0x06, {2, 4}, 100, {}, {}},
         {{14, 0x06, 240}},
         {}},
        {{"50", "EMERGENCIA (SOS)", "99", "SOS", 6, false, 3, 2},
         {"EMERGENCIA", "", "TIPO: [cccccccc]", "FERIDOS? [e]", "",
          "LOCAL:", "[rrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrr]"},
         {"SOCORRO ACIONADO!", "", "PERMANECA EM LOCAL SEGURO.", "A CENTRAL FARA CONTATO."},
         {0x00, {7, 8}, 100, {1, 2}, {1, 2, 5}},
         {{18, 0x1E, 0}, {20, 0x0C, 0}, {22, 0x04, 60}},
         {{"REI", 0}}}};
}

Macro* makeMacro(const SampleMacro& m)
{
    const auto& s = m.head;
    const auto& settings = m.settings;
    auto* macro = new Macro(QLatin1String(s.num), QLatin1String(s.name), QLatin1String(s.shortcut),
                            QLatin1String(s.sigla), s.type, s.information);
    macro->setForm(screen(m.form));
    macro->setConfirmationText(screen(m.confirmation));
    macro->setValidationInt(settings.validations);
    macro->setAutomation(settings.automation);
    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (const Violation& violation : m.violations) {
        ids.append(violation.id);
        reactions.append(violation.reactions);
        timers.append(violation.timer);
    }
    macro->setViolation(ids);
    macro->setViolationReactions(reactions);
    macro->setViolationTimers(timers);
    macro->setRaio(settings.raio);
    macro->setSecureSensors(settings.sensors);
    macro->setSecureActuators(settings.actuators);
    macro->setPosition(QPoint(GridOrigin + s.column * GridStepX, GridOrigin + s.row * GridStepY));
    macro->setDimensions(QRect(0, 0, BoxWidth, BoxHeight));
    return macro;
}

// Flow numbers come from the acronyms, as the editor fills them in.
void linkFlows(Group& group, const QList<SampleMacro>& macros)
{
    for (const SampleMacro& s : macros) {
        Macro* macro = group.findBySigla(QLatin1String(s.head.sigla));
        QStringList flow;
        QList<quint16> flowNum;
        QList<quint16> flowPos;
        for (const auto& next : s.flow) {
            flow.append(QLatin1String(next.first));
            flowNum.append(group.findBySigla(QLatin1String(next.first))->num().toUShort());
            flowPos.append(next.second);
        }
        macro->setFlow(flow);
        macro->setFlowNum(flowNum);
        macro->setFlowPos(flowPos);
    }
}

} // namespace

QByteArray screen(const QStringList& rows)
{
    if (rows.size() > Macro::ScreenRows)
        qFatal("too many rows");
    QByteArray bytes;
    for (const QString& row : rows) {
        if (row.size() > Macro::ScreenColumns)
            qFatal("row too long: %s", qPrintable(row));
        bytes += row.toLatin1().leftJustified(Macro::ScreenColumns, ' ');
    }
    return bytes.leftJustified(Macro::ScreenSize, ' ');
}

std::unique_ptr<Group> sample()
{
    auto group = std::make_unique<Group>(
        QStringLiteral("FROTA SUL - DISTRIBUICAO"),
        QStringLiteral("Macros da frota de distribuição regional: viagem, paradas, entregas, "
                       "coletas, manutenção e emergência."));
    group->setCreationDate(QStringLiteral("2024/05/13 08:30:00"));
    const QList<SampleMacro> macros = sampleMacros();
    for (const SampleMacro& s : macros)
        group->addMacro(makeMacro(s));
    linkFlows(*group, macros);
    group->setModified(false);
    return group;
}

QByteArray legacySample()
{
    QByteArray bytes = LegacyMcr::header(2000, "2015/03/07 08:09:10", "FROTA LEGADA",
                                         "Grupo de macros no formato antigo.");
    LegacyMcr::Record start;
    start.number = 1;
    start.name = "INICIO DE VIAGEM";
    start.shortcut = 1;
    start.sigla = "INI";
    start.type = 0;
    start.security = 1;
    start.flow[0] = {2, "FIM"};
    start.x = 40;
    start.y = 40;
    start.width = 121;
    start.height = 81;
    start.violations[0] = 1;
    start.reactions[0] = 0x03;
    start.violations[1] = 4;
    start.reactions[1] = 0x01;
    start.automations[0] = 8;
    start.validations = 0x13;
    start.form = screen({"INICIO DE VIAGEM", "", "MOTORISTA: [LLLLL]", "SENHA:     [SSSSS]"});
    start.confirmation = "VIAGEM INICIADA.";
    bytes += LegacyMcr::record(start);

    LegacyMcr::Record end;
    end.number = 2;
    end.name = "FIM DE VIAGEM";
    end.shortcut = 2;
    end.sigla = "FIM";
    end.type = 5;
    end.security = 1;
    end.x = 220;
    end.y = 40;
    end.width = 121;
    end.height = 81;
    end.violations[0] = 14;
    end.reactions[0] = 0x06;
    end.validations = 0x06;
    end.form = screen({"FIM DE VIAGEM", "", "HODOMETRO FINAL: [nnnn]"});
    end.confirmation = "VIAGEM ENCERRADA.";
    bytes += LegacyMcr::record(end);
    return bytes;
}

std::unique_ptr<Group> everyField()
{
    auto group = std::make_unique<Group>(QStringLiteral("Frota com acentuação"),
                                         QStringLiteral("Descrição: rotas do sul"));
    group->setCreationDate(QStringLiteral("2023/11/02 17:45:09"));

    auto* full = new Macro(QStringLiteral("123"), QStringLiteral("ENTREGA COM CANHOTO (NF)"),
                           QStringLiteral("15"), QStringLiteral("ENT"), 2, false);
    // Every character the terminal accepts, a tab among them.
    QStringList rows{"0123456789 abcdefghijklmnopqrstuvwxyz",
                     "ABCDEFGHIJKLMNOPQRSTUVWXYZ ,.;:?![]_-/$%", "NOTA:\t[nnnn] [LLLLL]"};
    while (rows.size() < Macro::ScreenRows - 1)
        rows.append(QString());
    full->setForm(screen(rows << "ULTIMA LINHA ATE A COLUNA 40 ..........."));
    full->setConfirmationText(screen({"CONFIRMADO: R$ 10,00 - 5% ok!", "[e] / [r]"}));
    full->setValidationInt(0x77);
    full->setAutomation({1, 3, 8});
    full->setViolation({12, 23, 1, 4});
    full->setViolationReactions({0x06, 0x0C, 0x81, 0xFF});
    full->setViolationTimers({240, 0, 75, 0});
    full->setRaio(350);
    full->setSecureSensors({1, 3, 6});
    full->setSecureActuators({2, 5});
    full->setFlow({QStringLiteral("INF"), QStringLiteral("ENT")});
    full->setFlowNum({999, 123});
    full->setFlowPos({2, 7});
    full->setDimensions(QRect(0, 0, 131, 91));
    full->setPosition(QPoint(400, 220));
    group->addMacro(full);

    auto* info = new Macro(QStringLiteral("999"), QStringLiteral("INFORMACAO"),
                           QStringLiteral("249"), QStringLiteral("INF"), 6, true);
    info->setRaio(100);
    info->setPosition(QPoint(-20, 2990));
    group->addMacro(info);
    group->setModified(false);
    return group;
}

QStringList timerFlags()
{
    QSettings ini(QStringLiteral("zor.ini"), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("timers"));
    QStringList flags;
    for (int id = 1; ini.contains(QString::number(id)); ++id)
        flags.append(ini.value(QString::number(id)).toString());
    return flags;
}

} // namespace SampleGroups
