#include "MimePackage.h"

#include <QXmlStreamWriter>

#include "LocalizedFiles.h"
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
    // Sealed files say what they are in their first eight bytes, whatever their name.
    writer.writeStartElement(QStringLiteral("magic"));
    writer.writeAttribute(QStringLiteral("priority"), QStringLiteral("50"));
    writer.writeEmptyElement(QStringLiteral("match"));
    writer.writeAttribute(QStringLiteral("type"), QStringLiteral("string"));
    writer.writeAttribute(QStringLiteral("offset"), QStringLiteral("0"));
    writer.writeAttribute(QStringLiteral("value"), QStringLiteral("\\x89VWS\\r\\n\\x1a\\n"));
    writer.writeEndDocument();  // closes the open elements
    return WithXmlTranslations(xml, ShippedCatalogs());
}

}  // namespace ModFileExt
