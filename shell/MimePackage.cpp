#include "MimePackage.h"

#include <QXmlStreamWriter>

#include "ModFileExt.h"

namespace ModFileExt {

QByteArray MimePackageXml(const QString& Extension, const QString& TypeName) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), QString::fromLatin1(MimeType));
    writer.writeTextElement(QStringLiteral("comment"), TypeName);
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + Extension);
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), QString::fromLatin1(SealedMimeType));
    writer.writeTextElement(QStringLiteral("comment"), QString::fromLatin1(SealedTypeName));
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"),
                          QStringLiteral("*.") + QLatin1String(SealedExtension));
    writer.writeEndDocument();  // closes the open elements
    return xml;
}

}  // namespace ModFileExt
