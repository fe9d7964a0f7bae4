#include "FileDialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>

namespace vwui {

namespace {

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

}  // namespace

std::vector<QtFilter> ToQtFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    std::vector<QtFilter> filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], AppliedFilter(parts[i], parts[i + 1])});
    return filters;
}

VwFileDialog::VwFileDialog(QWidget* owner, const modVW::FileDialogRequest& request, bool save)
    : QFileDialog(owner, QString::fromStdString(request.Title)),
      createPrompt_(save && (request.Flags & modVW::DialogFlags::OFN_CREATEPROMPT)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) setOption(QFileDialog::DontConfirmOverwrite);
    ApplyFilters(request.Filter);
    if (!request.InitialName.empty()) selectFile(QString::fromStdString(request.InitialName));
    ConfirmCreate = [this](const QString& path) { return AskCreate(path); };
}

std::string VwFileDialog::ChosenPath() const {
    if (result() != QDialog::Accepted) return std::string();
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string() : files.first().toStdString();
}

void VwFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (createPrompt_ && !files.isEmpty()) {
        const QFileInfo target(files.first());
        if (!target.exists() && !ConfirmCreate(files.first())) return;
    }
    QFileDialog::accept();
}

void VwFileDialog::ApplyFilters(const std::string& filter) {
    const std::vector<QtFilter> filters = ToQtFilters(filter);
    QStringList applied;
    for (const QtFilter& f : filters)
        applied << f.Applied;
    setNameFilters(applied);
    auto* combo = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!combo) return;
    for (int i = 0; i < combo->count() && i < int(filters.size()); ++i)
        combo->setItemText(i, filters[size_t(i)].Visible);
}

bool VwFileDialog::AskCreate(const QString& path) {
    const QString text = QFileInfo(path).fileName() +
                         QStringLiteral("\nThis file does not exist.\nDo you want to create it?");
    return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace vwui
