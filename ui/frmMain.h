#pragma once
// The main window: a borderless, picture-skinned face with five action icons, two
// captions and a status line. It runs the program's start-up, dispatches the actions,
// accepts dropped files, and stands aside for the progress window while the engine
// encrypts or decrypts.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "HoverFrame.h"

class QLabel;
class QMimeData;

namespace vwui {

class QtInteraction;
class SkinLabel;
class frmHelp;
class frmWait;

class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QtInteraction& ui, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up steps. True when the window is shown and the program waits for the
    // user; false when the command line's request was handled and the program should end.
    bool Form_Load(const StartRequest& Request);

    // Runs the procedure that fits the path: decrypt a ".vw3" or ".vws" file, encrypt any other
    // file or a folder. A leading quote strips the first and the last character.
    void InitEnc(std::string& sFile);

    void cmd_Click(int16_t Index);
    void cmd_MouseMove(int16_t Index);
    void cmd_MouseDown(int16_t Index);
    void cmd_MouseUp(int16_t Index);
    void ImgBack_MouseMove();
    void ImgBack_OLEDragDrop(const QMimeData* Data);

    // The progress window, created the first time it is needed.
    frmWait& Wait();
    // Shows the help window (F1), created the first time it is needed.
    frmHelp& ShowHelp();

    // What the start-up and the actions call; tests put recorders here.
    std::function<void()> RegisterStep;
    std::function<void(int16_t SourceKind, const std::string& SourcePath)> EncryptProc;
    std::function<void(const std::string& SourcePath)> DecryptProc;
    // Several paths from a file manager's selection: one batch.
    std::function<void(StartAction Action, const std::vector<std::string>& Paths)> BatchProc;
    std::function<void()> EndProgram;

    SkinLabel* ImgBack;
    QLabel* ImgBar;
    HoverFrame Frame;
    std::array<SkinLabel*, 5> cmd;
    QLabel* lblStatus;
    SkinLabel* lblWelcome;
    SkinLabel* lblAction;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    SkinLabel* MakeIcon(int16_t Index);
    void ConnectKeyboard();
    void StackControls();
    void ConnectChrome();
    bool RunAction(int16_t Index);
    // Runs the procedure for Path ("" when it asks for its source) as one run of the
    // QtInteraction, while the progress window stands in for this one.
    void RunWithProgressWindow(const std::string& Path, const std::function<void()>& procedure);
    void RunForPath(const std::string& sFile);
    void RunRequested(const StartRequest& Request);

    QtInteraction& ui_;
    bool fromCommandLine_ = false;
    std::unique_ptr<frmWait> wait_;
    std::unique_ptr<frmHelp> help_;
};

}  // namespace vwui
