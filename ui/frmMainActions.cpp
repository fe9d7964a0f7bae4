// What the main window does: start-up, the action dispatcher, the command-line and
// drop entry, and the hand-over to the progress window around each procedure.

#include <QMimeData>
#include <QTimer>
#include <filesystem>

#include "Guard.h"
#include "Interaction.h"
#include "PathLookup.h"
#include "Placement.h"
#include "QtInteraction.h"
#include "SealedFile.h"
#include "SkinLabel.h"
#include "frmMain.h"
#include "frmWait.h"

namespace vwui {

namespace {

const char* const kAboutText =
    QT_TRANSLATE_NOOP("vwui::frmMain",
                      "Moravi Vaultwise 3.5.\r"
                      "Copyright (C) 2002-2026 Moravi Software. All rights reserved.\r"
                      "\r"
                      "https://vaultwise.moravi.example");

// Start-up steps never stop the program: a failing one is skipped.
template <class Step>
void Tolerated(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

bool EndsWithVw3(const std::string& path) {
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".vw3") == 0;
}

// A .vw3 or a sealed .vws file opens; anything else is encrypted.
bool OpensAsEncrypted(const std::string& path) {
    return EndsWithVw3(path) || modVW::IsSealedName(path);
}

}  // namespace

bool frmMain::Form_Load(const StartRequest& Request) {
    Tolerated([this] { RegisterStep(); });
    // A run the command line asks for is one a file manager may have started: its
    // end is announced.
    fromCommandLine_ = Request.Action != StartAction::Window;
    if (Request.Action == StartAction::Open) {
        std::string path = Request.Path;
        Tolerated([this, &path] { InitEnc(path); });
        return false;
    }
    if (Request.Action != StartAction::Window) {
        Tolerated([this, &Request] { RunRequested(Request); });
        return false;
    }
    lblStatus->setText(tr("Ready"));
    CentreOnScreen(this);
    show();
    return true;
}

void frmMain::cmd_Click(int16_t Index) {
    // About waits for nothing: the window behind it keeps saying it is ready.
    if (Index != 2) {
        setCursor(Qt::WaitCursor);
        lblStatus->setText(tr("Please wait..."));
        repaint();
    }
    bool goOn = false;
    // A failure is reported and the dispatcher stops there, leaving status and pointer.
    if (!modVW::Guarded(ui_, [&] { goOn = RunAction(Index); }) || !goOn) return;
    lblStatus->setText(tr("Ready"));
    unsetCursor();
}

// False when the program is ending and nothing more may run.
bool frmMain::RunAction(int16_t Index) {
    switch (Index) {
        case 0:
            RunWithProgressWindow({}, [this] { EncryptProc(1, std::string()); });
            break;
        case 4:
            RunWithProgressWindow({}, [this] { EncryptProc(2, std::string()); });
            break;
        case 1:
            RunWithProgressWindow({}, [this] { DecryptProc(std::string()); });
            break;
        case 2:
            ui_.MsgBox(tr(kAboutText).toStdString(), tr("About").toStdString(),
                       modVW::MsgStyle::vbInformation);
            break;
        case 3:
            EndProgram();
            return false;
        default:
            break;
    }
    lblStatus->setText(tr("Ready"));
    return true;
}

// The progress window appears only once work runs, and goes whenever a question
// comes, so it never stands behind a dialog with a stale percentage.
void frmMain::RunWithProgressWindow(const std::string& Path,
                                    const std::function<void()>& procedure) {
    ui_.SetProgressWindow(&Wait());
    hide();
    ui_.BeginRun(Path, std::exchange(fromCommandLine_, false));
    // Even when the procedure fails, the main window comes back: hidden, it would
    // leave the user no way to go on or to quit.
    struct Restore {
        frmMain* main;
        ~Restore() {
            main->ui_.EndRun();
            main->ui_.SetProgressWindow(nullptr);
            main->show();
            main->Wait().hide();
        }
    } restore{this};
    procedure();
}

void frmMain::InitEnc(std::string& sFile) {
    if (sFile.empty()) return;
    if (sFile.front() == '"') sFile = sFile.size() >= 2 ? sFile.substr(1, sFile.size() - 2) : "";
    const std::string path = sFile;
    RunWithProgressWindow(path, [this, path] { RunForPath(path); });
}

void frmMain::RunForPath(const std::string& sFile) {
    if (IsOrdinaryFile(sFile)) {
        if (OpensAsEncrypted(sFile))
            DecryptProc(sFile);
        else
            EncryptProc(1, sFile);
    } else if (IsOrdinaryFolder(sFile)) {
        EncryptProc(2, sFile);
    }
}

// A file manager's action: the path exists and says what it is, hidden or not.
// Several paths are one batch.
void frmMain::RunRequested(const StartRequest& Request) {
    if (Request.Paths.size() > 1) {
        const StartRequest request = Request;
        RunWithProgressWindow({}, [this, request] { BatchProc(request.Action, request.Paths); });
        return;
    }
    const std::string path = Request.Path;
    if (Request.Action == StartAction::Decrypt)
        RunWithProgressWindow(path, [this, path] { DecryptProc(path); });
    else if (Request.Action == StartAction::Encrypt)
        RunWithProgressWindow(
            path, [this, path] { EncryptProc(std::filesystem::is_directory(path) ? 2 : 1, path); });
}

void frmMain::ImgBack_OLEDragDrop(const QMimeData* Data) {
    const QStringList paths = DroppedPaths(Data);
    if (paths.isEmpty()) return;
    // The drop returns at once, so the source sees it succeed and is not held up by
    // the dialogs; the work starts from the event loop right after, one dropped
    // path after the other, each with its own questions.
    QTimer::singleShot(0, this, [this, paths] {
        for (const QString& path : paths) {
            std::string sFile = path.toStdString();
            modVW::Guarded(ui_, [this, &sFile] { InitEnc(sFile); });
        }
    });
}

}  // namespace vwui
