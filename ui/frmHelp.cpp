#include "frmHelp.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Placement.h"

namespace vwui {

namespace {

QString Heading(const QString& text) {
    return QStringLiteral("<h3>") + text + QStringLiteral("</h3>");
}

QString Paragraph(const QString& text) {
    return QStringLiteral("<p>") + text + QStringLiteral("</p>");
}

QString Items(const QStringList& items) {
    return QStringLiteral("<ul><li>") + items.join(QStringLiteral("</li><li>")) +
           QStringLiteral("</li></ul>");
}

// Keys and what they do, one row each.
QString Keys(const QList<std::pair<QString, QString>>& keys) {
    QString rows;
    for (const auto& [key, what] : keys)
        rows += QStringLiteral("<tr><td><b>") + key.toHtmlEscaped() +
                QStringLiteral("</b>&nbsp;&nbsp;</td><td>") + what + QStringLiteral("</td></tr>");
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

}  // namespace

frmHelp::frmHelp(QWidget* owner) : QDialog(owner), txtHelp(new QTextBrowser(this)) {
    setWindowTitle(tr("Moravi Vaultwise Help"));
    txtHelp->setHtml(HelpText());
    txtHelp->setOpenLinks(false);
    txtHelp->setAccessibleName(windowTitle());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(buttons);
    resize(520, 480);
}

QString frmHelp::HelpText() {
    return Heading(tr("What each kind of file protects")) +
           Paragraph(tr("<b>Classic .vw3 files</b> keep casual eyes off a file. The contents "
                        "are scrambled with a table stored inside the file: anyone who holds "
                        "the file can read it without the password, and a changed byte goes "
                        "unnoticed.")) +
           Paragraph(tr("<b>Sealed .vws files</b> keep the contents secret: only the password "
                        "opens them (Argon2id and XChaCha20-Poly1305), nothing but the size "
                        "shows, and a changed byte is reported as damage. Choose the sealed "
                        "type in the save dialog, or a name ending in .vws.")) +
           Heading(tr("Where the outputs go")) +
           Items({tr("Encrypting: the save dialog opens beside the file or folder, with its "
                     "name and .vw3 or .vws added. A selection from a file manager writes "
                     "each output beside its source."),
                  tr("Decrypting a file: the save dialog proposes the stored name, beside the "
                     "encrypted file."),
                  tr("Decrypting a folder: a new folder named after it is proposed beside the "
                     "encrypted file. Files that would be replaced are named, and you are "
                     "asked first."),
                  tr("Nothing is written when you cancel, and a damaged file writes "
                     "nothing.")}) +
           Heading(tr("Keyboard")) +
           Keys({{tr("Tab, arrow keys"), tr("move between the icons")},
                 {tr("Enter, Space"), tr("run the marked icon")},
                 {QStringLiteral("F1"), tr("this help")},
                 {tr("Ctrl+Q"), tr("exit")},
                 {tr("Enter, Esc"), tr("OK and Cancel in the password dialog")},
                 {tr("Esc"), tr("stop the work in the progress window")}}) +
           Heading(tr("More")) +
           Paragraph(tr("The manual pages say the rest: %1 for this program, and %2 for the "
                        "command that does the same from a terminal.")
                         .arg(QStringLiteral("<code>man vaultwise</code>"),
                              QStringLiteral("<code>man vw3</code>")));
}

void frmHelp::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
    txtHelp->setFocus();
    raise();
    activateWindow();
}

}  // namespace vwui
