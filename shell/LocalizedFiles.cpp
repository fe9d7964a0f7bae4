#include "LocalizedFiles.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>

namespace ModFileExt {

namespace {

constexpr char kContext[] = "DesktopFiles";

// Every text of the desktop's files, for the translators; no other is translated
// (the program's name stays as it is).
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("DesktopFiles", "File Encryption"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Encrypt and decrypt files and folders"),
    QT_TRANSLATE_NOOP("DesktopFiles", "encrypt;decrypt;password;vw3;"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Encrypted file"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Moravi Vaultwise encrypted file"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Moravi Vaultwise sealed file"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Encrypt with Vaultwise"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Decrypt with Vaultwise"),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "Turn the selected files or folders into password-protected .vw3 or .vws "
                      "files"),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "Turn the selected .vw3 or .vws files back into what they hold"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Encrypted files"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Any file or folder"),
    QT_TRANSLATE_NOOP("DesktopFiles", "Keep casual eyes off a file or a folder with a password"),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "Moravi Vaultwise turns one file, or the files directly inside one folder, "
                      "into a single password-protected .vw3 file, and turns it back. Drop a "
                      "file or folder on its window, pick an action, or open a .vw3 file from "
                      "the file manager."),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "What a .vw3 file protects, and what it does not: the contents are "
                      "scrambled with a byte substitution table that is stored inside the file. "
                      "The password only decides whether the program goes on; anyone who holds "
                      "the file can recover its contents without the password. Use it to keep "
                      "casual eyes off a file, never as strong encryption."),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "For contents that must stay secret it also writes sealed .vws files: the "
                      "password goes through Argon2id and the contents are encrypted with "
                      "XChaCha20-Poly1305, so without the password nothing but the size shows, "
                      "and a changed byte makes the file refuse to open rather than restore "
                      "wrong."),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "Encrypt with Vaultwise and Decrypt with Vaultwise appear in the context "
                      "menus of Dolphin, Nemo, Nautilus, Caja and Thunar. The main window works "
                      "with the keyboard alone, and a notification says when a long run is "
                      "done."),
    QT_TRANSLATE_NOOP("DesktopFiles",
                      "The vw3 command does the same from a terminal, and vw3 info shows what a "
                      "file holds without asking for the password."),
    QT_TRANSLATE_NOOP("DesktopFiles", "The main window with its five actions"),
};

bool IsDesktopText(const QString& text) {
    for (const char* known : kTexts)
        if (text == QLatin1String(known)) return true;
    return false;
}

// Each catalog's translation of `text`, where it has one that differs.
QList<std::pair<QString, QString>> Translations(const QString& text,
                                                const std::vector<Catalog>& catalogs) {
    QList<std::pair<QString, QString>> found;
    if (!IsDesktopText(text)) return found;
    const QByteArray source = text.toUtf8();
    for (const Catalog& catalog : catalogs) {
        const QString translated = catalog.Messages->translate(kContext, source.constData());
        if (!translated.isEmpty() && translated != text)
            found.append({catalog.Language, translated});
    }
    return found;
}

QString XmlUnescaped(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QByteArray Lines(const QStringList& lines) {
    return lines.join(u'\n').toUtf8();
}

const QRegularExpression& KeyFileTranslation() {
    static const QRegularExpression line(QStringLiteral("^[A-Za-z0-9-]+\\[[^]]*\\]="));
    return line;
}

const QRegularExpression& XmlTranslation() {
    static const QRegularExpression line(QStringLiteral("^\\s*<\\w+ xml:lang=\"[^\"]*\">"));
    return line;
}

QString PythonString(QString text) {
    text.replace(u'\\', QLatin1String("\\\\"));
    return u'"' + text.replace(u'"', QLatin1String("\\\"")) + u'"';
}

}  // namespace

QByteArray WithoutKeyFileTranslations(const QByteArray& Text) {
    QStringList kept;
    for (const QString& line : QString::fromUtf8(Text).split(u'\n'))
        if (!KeyFileTranslation().match(line).hasMatch()) kept << line;
    return Lines(kept);
}

QByteArray WithoutXmlTranslations(const QByteArray& Xml) {
    QStringList kept;
    for (const QString& line : QString::fromUtf8(Xml).split(u'\n'))
        if (!XmlTranslation().match(line).hasMatch()) kept << line;
    return Lines(kept);
}

QByteArray WithKeyFileTranslations(const QByteArray& Text, const std::vector<Catalog>& Catalogs) {
    static const QRegularExpression entry(
        QStringLiteral("^(Name|GenericName|Comment|Tooltip|Keywords)=(.*)$"));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(WithoutKeyFileTranslations(Text)).split(u'\n')) {
        lines << line;
        const auto match = entry.match(line);
        if (!match.hasMatch()) continue;
        for (const auto& [language, translated] : Translations(match.captured(2), Catalogs))
            lines << match.captured(1) + u'[' + language + QLatin1String("]=") + translated;
    }
    return Lines(lines);
}

QByteArray WithXmlTranslations(const QByteArray& Xml, const std::vector<Catalog>& Catalogs) {
    static const QRegularExpression element(QStringLiteral("^(\\s*)<(\\w+)>([^<]*)</\\2>\\s*$"));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(WithoutXmlTranslations(Xml)).split(u'\n')) {
        lines << line;
        const auto match = element.match(line);
        if (!match.hasMatch()) continue;
        const QString tag = match.captured(2);
        for (const auto& [language, translated] :
             Translations(XmlUnescaped(match.captured(3)), Catalogs))
            lines << match.captured(1) + u'<' + tag + QLatin1String(" xml:lang=\"") + language +
                         QLatin1String("\">") + translated.toHtmlEscaped() + QLatin1String("</") +
                         tag + u'>';
    }
    return Lines(lines);
}

QByteArray WithPythonTranslations(const QByteArray& Source, const std::vector<Catalog>& Catalogs) {
    const QString source = QString::fromUtf8(Source);
    QStringList languages;
    for (const Catalog& catalog : Catalogs) {
        QStringList pairs;
        for (const char* text : kTexts) {
            const QString quoted = PythonString(QString::fromUtf8(text));
            if (!source.contains(quoted)) continue;
            for (const auto& [language, translated] :
                 Translations(QString::fromUtf8(text), {catalog}))
                pairs << quoted + QLatin1String(": ") + PythonString(translated);
        }
        if (!pairs.isEmpty())
            languages << QLatin1String("    ") + PythonString(catalog.Language) +
                             QLatin1String(": {") + pairs.join(QLatin1String(", ")) +
                             QLatin1String("},");
    }
    QString dictionary = QStringLiteral("TRANSLATIONS = {");
    if (!languages.isEmpty()) dictionary += u'\n' + languages.join(u'\n') + u'\n';
    dictionary += u'}';
    QString result = source;
    return result
        .replace(QRegularExpression(QStringLiteral("^TRANSLATIONS = \\{\\}$"),
                                    QRegularExpression::MultilineOption),
                 dictionary)
        .toUtf8();
}

}  // namespace ModFileExt
