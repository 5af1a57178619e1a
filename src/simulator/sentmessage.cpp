#include "sentmessage.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A JSON string, quoted and escaped by the toolkit.
QByteArray quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray SentMessage::jsonLine() const
{
    QByteArrayList values;
    for (const QString& field : fields)
        values.append(quoted(field));
    return "{\"macro\": " + QByteArray::number(macro) + ", \"sigla\": " + quoted(sigla) +
           ", \"fields\": [" + values.join(", ") + "]}";
}
