// The desktop program in the language of LANG (one run per row of
// tests/data/ui/languages), English and C giving the texts it always had; and
// every .ts source complete and faithful to its placeholders.

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "BeforeWork.h"
#include "Procedures.h"
#include "QtInteraction.h"
#include "SkinLabel.h"
#include "TempDir.h"
#include "Translations.h"
#include "frmHelp.h"
#include "frmPass.h"

namespace {

// The distinct %1 to %9 and %n of a text, in order.
QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    // The password dialog's title and prompt, Qt's own Close, the error for a file
    // that is not a Vaultwise file, with its number, and a count in its plural forms.
    void textsComeInTheLanguageOfLang() {
        const std::string lang = qEnvironmentVariable("LANG").toStdString();
        for (const auto& row : ReadManifest("ui/languages")) {
            if (row.at(0) != lang) continue;
            QCOMPARE(vwui::InstallTranslations(QStringLiteral(VW_CATALOGS)), row.at(1) == "yes");
            vwui::frmPass dialog;
            dialog.SetFileName(QStringLiteral("report.pdf"));
            QCOMPARE(dialog.windowTitle() + u'|' + dialog.lblAction->text().section(u'\n', 0, 0),
                     QString::fromStdString(row.at(2)));
            const vwui::frmHelp help;
            const auto* close =
                help.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
            QCOMPARE(close->text(), QString::fromStdString(row.at(3)));
            TempDir dir;
            WriteFile(dir / "notes.txt", "not ours");
            vwui::QtInteraction ui;
            std::string shown;
            ui.MsgBoxAnswerer = [&shown](const std::string& text, const std::string& title, int) {
                shown = title + "|" + text;
            };
            modVW::Decrypt(ui, dir / "notes.txt");
            QCOMPARE(shown, Replace(row.at(4), "{dir}", dir.Path()));
            QStringList counted;  // the plural forms of 1, 2 and 5 files
            for (const size_t n : {1, 2, 5}) {
                const auto text =
                    ui.Words(modVW::ReplacedText(std::vector<std::string>(n, "x"), "/d"));
                counted << QString::fromStdString(text).section(u'\n', 0, 0);
            }
            QCOMPARE(counted.join(u'|'), QString::fromStdString(row.at(5)));
            return;
        }
        QFAIL(("no row for LANG=" + lang).c_str());
    }

    // No message unfinished, obsolete or vanished; each translation, every plural
    // form of it, holds the placeholders of its source.
    void sourcesAreCompleteAndFaithful() {
        const QDir folder(QStringLiteral(VW_TS_FOLDER));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")});
        QCOMPARE(files.size(), 9);
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader ts(&file);
            QString source;
            bool numerus = false;
            const auto faithful = [&](const QString& text) {
                return Placeholders(text) == Placeholders(source);
            };
            constexpr auto kWhole = QXmlStreamReader::IncludeChildElements;
            while (!ts.atEnd()) {
                if (ts.readNext() != QXmlStreamReader::StartElement) continue;
                const auto element = ts.name();
                if (element == u"message")
                    numerus = ts.attributes().value(QLatin1String("numerus")) == u"yes";
                if (element == u"source") source = ts.readElementText(kWhole);
                if (element == u"translation") {
                    QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(),
                             qPrintable(name + source));
                    if (!numerus)
                        QVERIFY2(faithful(ts.readElementText(kWhole)), qPrintable(source));
                }
                if (element == u"numerusform")
                    QVERIFY2(faithful(ts.readElementText()), qPrintable(source));
            }
            QVERIFY2(!ts.hasError(), qPrintable(name + ts.errorString()));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
