#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// Builds legacy .mcr files byte by byte from the record table, so that the
// reader is tested against the layout and not against itself. Bytes the
// reader must skip are filled with a marker value.
namespace LegacyMcr {

constexpr int HeaderSize = 369;
constexpr int RecordSize = 2036;
constexpr char Unread = char(0xEE);

struct FlowSlot
{
    qint8 number = 0;
    QByteArray sigla; // up to 4 bytes, NUL-padded
};

struct Record
{
    qint16 number = 0;
    QByteArray name;
    int nameLength = -1; // -1: the length of name
    quint8 shortcut = 0;
    QByteArray sigla;
    int siglaLength = -1; // -1: the length of sigla
    qint8 type = 0;
    quint8 security = 0; // 0: information macro
    std::array<FlowSlot, 10> flow;
    qint32 x = 0;
    qint32 y = 0;
    qint32 width = 0;
    qint32 height = 0;
    std::array<quint8, 20> violations{};
    std::array<quint8, 20> reactions{};
    std::array<quint8, 10> automations{};
    quint16 validations = 0;
    QByteArray form;         // up to 800 bytes, NUL-padded
    QByteArray confirmation; // up to 800 bytes, NUL-padded
};

// The 369-byte header: version, date text, NUL-terminated name and
// description (not terminated when they fill their field).
QByteArray header(quint32 version, const QByteArray& date, const QByteArray& name,
                  const QByteArray& description);
QByteArray record(const Record& record);

} // namespace LegacyMcr
