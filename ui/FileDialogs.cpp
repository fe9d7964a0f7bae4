#include "FileDialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "Settings.h"

namespace vwui {

namespace {

// Where the last type of each remembering dialog is kept, by the dialog's title.
constexpr const char* kSettingsApp = "Moravi Vaultwise";
constexpr const char* kTypesSection = "Save types";

QString AppliedPattern(QString pattern) {
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}

// Qt takes the patterns from the parentheses of the filter's text, so the applied
// filter carries the real patterns there; the user still sees the original text.
QString AppliedFilter(const QString& visible, const QString& pattern) {
    QString name = visible;
    const int open = name.lastIndexOf(QLatin1Char('('));
    if (open > 0 && name.endsWith(QLatin1Char(')'))) name = name.left(open).trimmed();
    return name + QStringLiteral(" (") + AppliedPattern(pattern) + QLatin1Char(')');
}

// ".vw3" for "*.vw3"; "" for "*.*", "*." or several patterns.
QString PatternExtension(const QString& pattern) {
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(';')))
        return QString();
    const QString ext = pattern.mid(1);
    return ext.size() < 2 || ext.contains(QLatin1Char('*')) ? QString() : ext;
}

}  // namespace

std::vector<QtFilter> ToQtFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    std::vector<QtFilter> filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back(
            {parts[i], AppliedFilter(parts[i], parts[i + 1]), PatternExtension(parts[i + 1])});
    return filters;
}

QString NameOfType(const QString& name, const QString& extension, const QStringList& others) {
    if (extension.isEmpty() || name.isEmpty() || name.endsWith(extension)) return name;
    for (const QString& other : others)
        if (!other.isEmpty() && name.size() > other.size() && name.endsWith(other))
            return name.chopped(other.size()) + extension;
    return name + extension;
}

QString ProtectionNote(const QString& extension) {
    if (extension == QLatin1String(".vw3"))
        return VwFileDialog::tr(
            "Classic .vw3 keeps casual eyes off: anyone who holds the file can read it "
            "without the password.");
    if (extension == QLatin1String(".vws"))
        return VwFileDialog::tr(
            "Sealed .vws keeps the contents secret: only the password opens it, and a "
            "changed byte is reported as damage.");
    return QString();
}

VwFileDialog::VwFileDialog(QWidget* owner, const modVW::FileDialogRequest& request, bool save)
    : QFileDialog(owner, QString::fromStdString(request.Title)),
      replacePrompt_(save && (request.Flags & modVW::DialogFlags::OFN_OVERWRITEPROMPT)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt's own question would come before the type's extension is on the name.
    if (save) setOption(QFileDialog::DontConfirmOverwrite);
    ApplyFilters(request.Filter);
    if (!request.InitialFolder.empty()) setDirectory(QString::fromStdString(request.InitialFolder));
    if (!request.InitialName.empty()) selectFile(QString::fromStdString(request.InitialName));
    if (save) AddTypeNote();
    if (save && request.RememberType) {
        rememberKey_ = QString::fromStdString(request.Title);
        const QString last = QString::fromStdString(Settings::GetSetting(
            kSettingsApp, kTypesSection, rememberKey_.toStdString(), std::string()));
        for (const QtFilter& f : filters_)
            if (f.Visible == last) selectNameFilter(f.Visible);  // the box holds these texts
    }
    if (save) TypeChosen(selectedNameFilter());
    connect(this, &QFileDialog::filterSelected, this, &VwFileDialog::TypeChosen);
    ConfirmReplace = [this](const QString& path) { return AskReplace(path); };
}

std::string VwFileDialog::ChosenPath() const {
    if (result() != QDialog::Accepted) return std::string();
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string() : files.first().toStdString();
}

void VwFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (acceptMode() != AcceptSave || files.isEmpty() || QFileInfo(files.first()).isDir())
        return QFileDialog::accept();  // a folder typed in is opened
    const QtFilter* type = TypeOf(selectedNameFilter());
    const QFileInfo typed(files.first());
    const QString name =
        NameOfType(typed.fileName(), type ? type->Extension : QString(), Extensions());
    const QString path = typed.dir().filePath(name);
    if (replacePrompt_ && QFileInfo::exists(path) && !ConfirmReplace(path)) return;
    // selectFile leaves a name box that has the focus alone: the name is put there.
    auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != typed.fileName() && edit) edit->setText(path);
    if (!rememberKey_.isEmpty() && type)
        Settings::SaveSetting(kSettingsApp, kTypesSection, rememberKey_.toStdString(),
                              type->Visible.toStdString());
    QFileDialog::accept();
}

void VwFileDialog::ApplyFilters(const std::string& filter) {
    filters_ = ToQtFilters(filter);
    QStringList applied;
    for (const QtFilter& f : filters_)
        applied << f.Applied;
    setNameFilters(applied);
    auto* combo = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!combo) return;
    for (int i = 0; i < combo->count() && i < int(filters_.size()); ++i)
        combo->setItemText(i, filters_[size_t(i)].Visible);
}

// One line under the type box, as wide as the dialog.
void VwFileDialog::AddTypeNote() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid) return;
    TypeNote = new QLabel(this);
    TypeNote->setObjectName(QStringLiteral("typeNote"));
    TypeNote->setWordWrap(true);
    grid->addWidget(TypeNote, grid->rowCount(), 0, 1, grid->columnCount());
}

// The note says what the type protects, and a name ending in another type's
// extension takes the new one, so the name shown is the name written.
void VwFileDialog::TypeChosen(const QString& filter) {
    const QtFilter* type = TypeOf(filter);
    if (!type) return;
    if (TypeNote) {
        QString note = ProtectionNote(type->Extension);
        if (note.isEmpty() && Extensions().contains(QStringLiteral(".vw3")))
            note =
                tr("The name decides: one ending in .vws makes a sealed file, any other a classic "
                   ".vw3 file, which opens without the password.");
        TypeNote->setText(note);
        TypeNote->setVisible(!note.isEmpty());
    }
    auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!edit || type->Extension.isEmpty()) return;
    const QStringList others = Extensions();
    for (const QString& other : others) {
        if (other.isEmpty() || !edit->text().endsWith(other)) continue;
        edit->setText(NameOfType(edit->text(), type->Extension, others));
        break;
    }
}

// The type box shows the visible texts, so Qt names a type by either text.
const QtFilter* VwFileDialog::TypeOf(const QString& filter) const {
    for (const QtFilter& f : filters_)
        if (f.Applied == filter || f.Visible == filter) return &f;
    return nullptr;
}

QStringList VwFileDialog::Extensions() const {
    QStringList extensions;
    for (const QtFilter& f : filters_)
        extensions << f.Extension;
    return extensions;
}

bool VwFileDialog::AskReplace(const QString& path) {
    const QString text =
        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
    return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace vwui
