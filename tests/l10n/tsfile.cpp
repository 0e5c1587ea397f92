#include "tsfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

void readTranslation(QXmlStreamReader &xml, TsMessage &message)
{
    const QStringView type = xml.attributes().value(QLatin1String("type"));
    message.finished = type.isEmpty();
    // Plain text, or plural forms of which the first stands for all.
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
        if (xml.atEnd())
            return;
        if (xml.isCharacters() && message.translation.isEmpty())
            message.translation = xml.text().toString();
        else if (xml.isStartElement() && xml.name() == u"numerusform"
            && message.translation.isEmpty())
            message.translation = xml.readElementText();
    }
}

} // namespace

TsFile ReadTsFile(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"TS")
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            else if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message")
                message = { context, {}, {}, false };
            else if (xml.name() == u"source")
                message.source = xml.readElementText();
            else if (xml.name() == u"translation")
                readTranslation(xml, message);
        } else if (xml.isEndElement() && xml.name() == u"message") {
            ts.messages.push_back(message);
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    return ts;
}
